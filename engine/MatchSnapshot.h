// SPDX-License-Identifier: MIT
// A match in progress as text: the whole game-state record, the match's id
// and where the turn flow stood, in a versioned JSON document, so that a
// match can be taken up again after the program was closed or killed. The
// computer players keep no state of their own (they decide from the record)
// and the deals draw on the clock, whose readings the turn flow keeps.
//
// Reading checks everything before anything is handed out: the format and
// its version, every field's type and range, that a match is under way with
// the roster's participants, the record's own consistency (each of the 41
// cards exactly once among the hands, the table, the pile, the captured face
// cards and the show cards) and the turn flow's answers.
// A snapshot that fails any check is refused whole.
#pragma once

#include "base/Host.h"
#include "engine/Chronicle.h"
#include "engine/GameState.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tesseran {

// One thing the world told the engine during a turn-timer tick: a reading of
// the clock, the end of a message, or a dialog's answer.
struct HostAnswer {
    enum class Kind { Clock, Message, Question, Suit, Declaration, Entry, Timer };
    Kind kind = Kind::Message;
    int value = 0;                  // Question, Timer: 1 yes, 0 no; Suit, Declaration, Entry: the choice
    std::optional<LocalTime> time;  // Clock: the reading, nothing for a clock that could not be read

    bool operator==(const HostAnswer&) const = default;
};

// Where the turn flow stood.
struct TurnFlow {
    // Waiting: play waited between two calls into the engine, and the record
    // is all there is. InTick: a tick of the turn timer had opened a dialog;
    // the record is the one the tick began with, and the tick is to run again
    // with the answers it had already had, up to that dialog.
    enum class Position { Waiting, InTick };
    // Far more than any tick asks (a trick's close asks a handful of times).
    static constexpr std::size_t MostAnswers = 64;

    Position position = Position::Waiting;
    std::vector<HostAnswer> answers;

    bool operator==(const TurnFlow&) const = default;
};

struct MatchSnapshot {
    // The version this program writes; it reads every earlier one (1 had no
    // play history, 2 no battles for the chronicle), and a newer file is
    // refused.
    static constexpr int Version = 3;
    static constexpr std::size_t MostBattles = 30;  // three in each of ten games

    std::string matchId;  // tells a credited match from one still to be credited
    GameState state;
    TurnFlow flow;
    std::vector<BattleRecord> battles;  // the match's battles so far, for the chronicle
};

// The snapshot as one line of JSON.
std::string WriteSnapshot(const MatchSnapshot& snapshot);

struct SnapshotReading {
    std::optional<MatchSnapshot> snapshot;
    std::string error;  // why it was refused, in words, when it was
};
// Reads what WriteSnapshot wrote; anything else is refused with a reason.
SnapshotReading ReadSnapshot(std::string_view text);

}  // namespace tesseran
