// SPDX-License-Identifier: MIT
// Results: after every trick the battle is judged; a result ends the game or
// sends the related group on to the next battle, whose set-up (trump, show
// cards, the seat swap) lives here too.
#include "engine/CTorvelView.h"

#include "base/ResourceIds.h"

#include <algorithm>

namespace tesseran {

// Adds amount to every related seat's cell and subtracts it from every
// unrelated one, or (Set) sets them to -amount and +amount, overwriting what
// this game had earned so far. Points belong to participants, not seats.
void CTorvelView::WriteScore(int amount, ScoreChange change) {
    auto& row = score[gameNo - 1];
    for (int seat = 0; seat < SeatCount; ++seat) {
        int& cell = row[participantAt[seat]];
        if (change == ScoreChange::Set) {
            cell = IsRelated(seat) ? -amount : amount;
        } else {
            cell += IsRelated(seat) ? amount : -amount;
        }
    }
}

int CTorvelView::JudgeBattle(int winner, int relatedTally, int unrelatedTally) {
    // A declaration the rules do not know ends, and the battle goes on.
    if (declaration < 0 || declaration > 6) {
        declaration = 0;
        return BattleGoesOn;
    }
    const BattleVerdict verdict = JudgeTally(*this, {relatedTally, unrelatedTally});
    if (!verdict.decided) return BattleGoesOn;

    if (verdict.offersSixteen) {
        // The group that took every face card it needed without the other
        // taking one may go on for all sixteen: the human is asked when he
        // took the deciding trick for his group.
        const bool related = verdict.result == BattleResult::Skunk;
        const bool humanAsked = winner == HumanSeat && IsRelated(HumanSeat) == related;
        const bool goOn = humanAsked ? Ask(related ? text::GoForSixteen : text::GoForReverseSixteen)
                                     : (related ? ContinueForSixteen() : ContinueForReverseSixteen()) != 0;
        if (goOn) {
            if (!humanAsked)
                Message(related ? text::RelatedDeclaresSixteen : text::UnrelatedDeclaresReverseSixteen);
            declaration = related ? SixteenDeclaration : ReverseSixteenDeclaration;
            return BattleGoesOn;
        }
        if (!humanAsked) Message(verdict.messageId);
    } else {
        Message(verdict.messageId);
    }
    if (verdict.points > 0)
        WriteScore(verdict.points, verdict.replaces ? ScoreChange::Set : ScoreChange::Add);
    declaration = 0;
    host_.OnEvent(
        {EngineEvent::Kind::BattleEnded, static_cast<int>(verdict.result), battleNo, verdict.points});
    return verdict.answer;
}

void CTorvelView::UpdateToGo(int relatedTally, int unrelatedTally) {
    tesseran::UpdateToGo(*this, {relatedTally, unrelatedTally});
}

void CTorvelView::NextBattle() {
    auto seatWithRelation = [this](int value) {
        auto it = std::find(relation.begin(), relation.end(), value);
        return it == relation.end() ? 0 : static_cast<int>(it - relation.begin());
    };
    const bool enteringBattleTwo = battleNo == 1;
    chooserSeat = seatWithRelation(enteringBattleTwo ? 1 : 2);
    showSeat = seatWithRelation(enteringBattleTwo ? 2 : 1);

    StartBattle();
    phase = 1;
    Deal();
    host_.Repaint(TableLayer::Changed);

    if (chooserSeat == HumanSeat) {
        ChooseShowCards(showSeat);
        host_.OnEvent({EngineEvent::Kind::ShowCardsPlaced, showCards[0], showCards[1]});
        phase = 2;
        host_.Repaint(TableLayer::Changed);
        int suit = std::clamp(host_.ChooseSuit(SuitDialogMode::Trump), 0, 3);
        SetTrump(suit);
        Sound(wave::Trump[suit], SoundMode::Synchronous);
        phase = 1;
    } else if (showSeat == HumanSeat) {
        busy = 1;
        currentSeat = HumanSeat;
        phase = 2;
        host_.Repaint(TableLayer::Changed);
        Message(text::PlaceShowCards);
    } else {
        SetTrump(ChooseTrumpTogether());
        AnnounceTrump(chooserSeat, trump);
    }

    shownCount = 0;
    leader = chooserSeat;

    if (enteringBattleTwo) SwapSeatsForBattleTwo();
}

// Before battle 2 the two related members must sit opposite each other: when
// they sit side by side, one of them changes places with an unrelated seat.
// The human's seat never moves.
void CTorvelView::SwapSeatsForBattleTwo() {
    const SeatSwap swap = SeatSwapForBattleTwo(*this);
    if (swap.from < 0) return;
    tesseran::ExchangeSeats(*this, swap);
    host_.OnEvent({EngineEvent::Kind::SeatsSwapped, swap.from, swap.to});
    host_.OnEvent({EngineEvent::Kind::RelationSet});
    host_.Repaint(TableLayer::Changed);
}

void CTorvelView::ShowComplete() {
    host_.OnEvent({EngineEvent::Kind::ShowCardsPlaced, showCards[0], showCards[1]});
    SetTrump(std::clamp(ChooseTrumpAfterShow(), 0, 3));
    AnnounceTrump(chooserSeat, trump);

    hand[HumanSeat][8] = showCards[0];
    hand[HumanSeat][9] = showCards[1];
    handCount[HumanSeat] = HandSize;
    SortHands();
    lastPlayed = NoCard;
    shownCount = 0;
    busy = 0;
    trick[HumanSeat] = NoCard;
    currentSeat = leader;
    phase = 1;
    host_.Repaint(TableLayer::Changed);
}

}  // namespace tesseran
