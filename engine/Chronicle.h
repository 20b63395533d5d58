// SPDX-License-Identifier: MIT
// The chronicle: what a finished match leaves behind for the player's
// records. The engine's events are gathered by a ChronicleRecorder into one
// MatchRecord, handed whole to a ChronicleSink once the match is credited;
// where the records go (a database, nowhere) is the sink's business, so the
// core knows nothing of files.
#pragma once

#include "base/Host.h"
#include "engine/BattleRules.h"
#include "engine/GameState.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace tesseran {

// One battle as it ended. Seats are table seats; `participantAt` says who
// sat at each, so the seats after a swap are in the battles of that game.
struct BattleRecord {
    int game = 0;
    int battle = 0;
    int trump = Clubs;
    int chooserSeat = -1;  // battles 2 and 3; -1 in battle 1
    int declaration = 0;   // 0 none, 3..6 the declared forms
    BattleResult result = BattleResult::RelatedWin;
    int points = 0;
    std::array<int, SeatCount> participantAt{};
    std::array<int, SeatCount> relation{};  // 0 unrelated, 1 or 2 related

    bool operator==(const BattleRecord&) const = default;
};

struct MatchRecord {
    std::string matchId;  // the same for a match however often it is resumed
    LocalTime ended;
    int entry = -1;                              // the player's roster entry
    std::array<std::string, SeatCount> names{};  // by participant; 3 is the player
    std::vector<BattleRecord> battles;
    std::array<std::array<int, SeatCount>, 10> scores{};  // game rows, participant columns
    std::array<int, SeatCount> balances{};  // each participant's entry after the credit (its column's sum)
};

class ChronicleSink {
public:
    virtual ~ChronicleSink() = default;
    // Records a finished match; false when it could not be recorded (the
    // match itself goes on regardless).
    virtual bool RecordMatch(const MatchRecord& match) = 0;
};

// Gathers a match from the engine's events, as the host sees them, and hands
// it to the sink when the last participant has been credited.
class ChronicleRecorder {
public:
    explicit ChronicleRecorder(ChronicleSink& sink) : sink_(sink) {}

    // `state` is the engine's record as it stands at the event; `now` the
    // time the host reads for a match's end.
    void OnEvent(const GameState& state, const EngineEvent& event, const std::string& matchId,
                 const std::optional<LocalTime>& now);

    int matchesRecorded() const { return recorded_; }

    // The battles of the match under way so far, for its snapshot; and the
    // match taken up again from one, with the battles it had kept.
    const std::vector<BattleRecord>& battles() const { return match_.battles; }
    void Resume(const GameState& state, std::vector<BattleRecord> battles);

private:
    ChronicleSink& sink_;
    MatchRecord match_;
    int declaration_ = 0;
    int credits_ = 0;
    int recorded_ = 0;
};

}  // namespace tesseran
