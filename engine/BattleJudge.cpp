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
    const int r = relatedTally;
    const int u = unrelatedTally;
    constexpr ScoreChange Add = ScoreChange::Add;
    constexpr ScoreChange Set = ScoreChange::Set;

    // Failure first, then success; any result ends the declaration.
    auto result = [this](int messageId, int amount, ScoreChange change, int answer) {
        Message(messageId);
        WriteScore(amount, change);
        declaration = 0;
        return answer;
    };

    switch (declaration) {
        case 0:
            break;
        case 1:
            if (u > 0) return result(text::SixteenFailed, 32, Set, GameOver);
            if (r == 16) return result(text::Sixteen, 16, Add, NextOrGameOver());
            return BattleGoesOn;
        case 2:
            if (r > 0) return result(text::ReverseSixteenFailed, 64, Add, NextOrGameOver());
            if (u == 16) return result(text::ReverseSixteen, 32, Set, GameOver);
            return BattleGoesOn;
        case 3:
            if (u > 0) return result(text::DeclaredSkunkFailed, 16, Set, GameOver);
            if (r >= relatedNeeded) return result(text::DeclaredSkunk, 8, Add, NextOrGameOver());
            return BattleGoesOn;
        case 4:
            if (u > 0) return result(text::DeclaredSixteenFailed, 64, Set, GameOver);
            if (r == 16) return result(text::DeclaredSixteen, 32, Add, NextOrGameOver());
            return BattleGoesOn;
        case 5:
            if (r > 0) return result(text::DeclaredReverseSkunkFailed, 32, Add, NextOrGameOver());
            if (u >= unrelatedNeeded) return result(text::DeclaredReverseSkunk, 16, Set, GameOver);
            return BattleGoesOn;
        case 6:
            if (r > 0) return result(text::DeclaredReverseSixteenFailed, 128, Add, NextOrGameOver());
            if (u == 16) return result(text::DeclaredReverseSixteen, 64, Set, GameOver);
            return BattleGoesOn;
        default:
            declaration = 0;
            return BattleGoesOn;
    }

    const bool humanWonTrick = winner == HumanSeat;
    if (r >= relatedNeeded) {
        if (u > 0) {
            Message(text::RelatedWin);
            if (battleNo == 3) {
                WriteScore(8, ScoreChange::Add);
                return GameOver;
            }
            return NextBattleFollows;
        }
        bool humanAsked = humanWonTrick && IsRelated(HumanSeat);
        bool goOn = humanAsked ? Ask(text::GoForSixteen) : ContinueForSixteen() != 0;
        if (goOn) {
            if (!humanAsked) Message(text::RelatedDeclaresSixteen);
            declaration = 1;
            return BattleGoesOn;
        }
        if (!humanAsked) Message(text::RelatedSkunk);
        if (battleNo == 3) {
            WriteScore(10, ScoreChange::Add);
            return GameOver;
        }
        WriteScore(2, ScoreChange::Add);
        return NextBattleFollows;
    }
    if (u < unrelatedNeeded) return BattleGoesOn;
    if (r > 0) {
        Message(text::UnrelatedWin);
        if (battleNo == 1) WriteScore(2, ScoreChange::Set);
        if (battleNo == 3) WriteScore(2, ScoreChange::Add);
        return GameOver;
    }
    bool humanAsked = humanWonTrick && !IsRelated(HumanSeat);
    bool goOn = humanAsked ? Ask(text::GoForReverseSixteen) : ContinueForReverseSixteen() != 0;
    if (goOn) {
        if (!humanAsked) Message(text::UnrelatedDeclaresReverseSixteen);
        declaration = 2;
        return BattleGoesOn;
    }
    if (!humanAsked) Message(text::UnrelatedReverseSkunk);
    WriteScore(8, ScoreChange::Set);
    return GameOver;
}

void CTorvelView::UpdateToGo(int relatedTally, int unrelatedTally) {
    switch (declaration) {
        case 1:
        case 4:
            relatedToGo = 16 - relatedTally;
            unrelatedToGo = 1;
            break;
        case 2:
        case 6:
            relatedToGo = 1;
            unrelatedToGo = 16 - unrelatedTally;
            break;
        case 3:
            relatedToGo = relatedNeeded - relatedTally;
            unrelatedToGo = 1;
            break;
        case 5:
            relatedToGo = 1;
            unrelatedToGo = unrelatedNeeded - unrelatedTally;
            break;
        default:
            relatedToGo = relatedNeeded - relatedTally;
            unrelatedToGo = unrelatedNeeded - unrelatedTally;
            break;
    }
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
    int from = -1;
    int to = -1;
    auto related = [this](int a, int b) { return IsRelated(a) && IsRelated(b); };
    if (related(0, 1)) {
        from = 1, to = 2;
    } else if (related(0, 3)) {
        from = 0, to = 1;
    } else if (related(1, 2)) {
        from = 1, to = 0;
    } else if (related(2, 3)) {
        from = 2, to = 1;
    }
    if (from < 0) return;
    ExchangeSeats(from, to);
    host_.OnEvent({EngineEvent::Kind::SeatsSwapped, from, to});
    host_.OnEvent({EngineEvent::Kind::RelationSet});
    host_.Repaint(TableLayer::Changed);
}

void CTorvelView::ExchangeSeats(int from, int to) {
    std::swap(hand[from], hand[to]);
    std::swap(handCount[from], handCount[to]);
    std::swap(participantAt[from], participantAt[to]);
    relation[to] = relation[from];
    revealed[to] = 2;
    relation[from] = 0;
    revealed[from] = 1;
    for (int* seat : {&leader, &chooserSeat, &showSeat}) {
        if (*seat == from) *seat = to;
    }
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
