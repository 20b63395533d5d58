// SPDX-License-Identifier: MIT
// The battle as the review tells it afterwards: every trick with its cards
// in play order, who led and who won, the face cards taken, and for every
// computer play the reason its rule gave; the trump, the show cards and the
// other decisions of the battle with theirs; the groups as the table had
// shown them by the battle's end, and the result.
//
// The log listens to the engine's events and to the computers' reasons, as
// the window hears them, and keeps the last battle that ended.
#pragma once

#include "base/Host.h"
#include "engine/BattleRules.h"
#include "engine/GameState.h"
#include "players/Reasons.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace tesseran {

struct ReviewPlay {
    int seat = -1;
    int card = NoCard;
    std::optional<computer::Why> why;  // a computer's reason; none for the player's own play
};

struct ReviewTrick {
    int leader = -1;
    int requestedSuit = -1;
    std::vector<ReviewPlay> plays;  // in play order
    int winner = -1;
    std::vector<int> facesTaken;  // the face cards the winner took
};

// A decision of the battle that is no card: the show cards, the trump, going
// on for 16, the lucky hand dealt.
struct ReviewDecision {
    computer::Decision kind = computer::Decision::Card;
    int seat = -1;
    computer::Why why;
};

struct BattleReview {
    int game = 0;
    int battle = 0;
    int trump = -1;
    std::array<std::string, SeatCount> names{};  // by seat
    // What the table had shown of each seat's group by the battle's end:
    // 2 related, 1 unrelated, 0 not shown.
    std::array<int, SeatCount> group{};
    int showSeat = -1;
    int chooserSeat = -1;
    std::array<int, 2> showCards = {NoCard, NoCard};
    std::vector<ReviewDecision> decisions;
    std::vector<ReviewTrick> tricks;
    BattleResult result = BattleResult::Count;
    int points = 0;
    int relatedFaces = 0;    // face cards the related group took
    int unrelatedFaces = 0;  // and the unrelated
    // False when the log began in the middle of the battle (a match taken
    // up again after the program stopped): the tricks before are missing.
    bool fromTheStart = true;

    // Whether the groups were all shown by the battle's end.
    bool GroupsShown() const;
};

class BattleLog : public computer::ReasonListener {
public:
    // `state` is the engine's record as it stands at the event.
    void OnEvent(const GameState& state, const EngineEvent& event);
    void Decided(computer::Decision decision, int seat, const computer::Why& why) override;

    // The last battle that ended, if one has.
    const std::optional<BattleReview>& lastFinished() const { return finished_; }

private:
    void Begin(const GameState& state, bool fromTheStart);
    void TakeSeats(const GameState& state);

    BattleReview current_;
    bool underWay_ = false;
    std::optional<BattleReview> finished_;
    std::array<std::optional<computer::Why>, SeatCount> pendingCard_{};
    std::vector<ReviewDecision> pendingDecisions_;
};

}  // namespace tesseran
