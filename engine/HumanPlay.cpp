// SPDX-License-Identifier: MIT
// The human's play at seat 3: which cards are legal, and what happens when a
// card is played by keyboard, by double click or by dragging it onto the table.
//
// The rules are in table-independent terms (positions in the hand, a drop that
// counts or not); the window turns mouse positions into these calls.
#include "engine/CTorvelView.h"

#include "base/ResourceIds.h"

namespace tesseran {

// Seat 3 is to play, and has not played to this trick yet: right after the
// fourth card of a trick the turn already points at seat 3 while the finished
// trick is still on show, and a card played then would overwrite the human's
// card of that trick.
bool CTorvelView::HumanMayPlay() const {
    if (!IsHumanTurn()) return false;
    if (phase == 2) return shownCount < 2;
    return trick[HumanSeat] == NoCard;
}

bool CTorvelView::CheckPick(int card, Remarks remarks) {
    if (phase == 2) return true;
    const bool explain = remarks == Remarks::Shown && ruleRemarks == 1;

    const Refusal refusal = RefusalOf(*this, HumanSeat, card);
    if (refusal == Refusal::None) return true;
    if (explain) {
        if (refusal == Refusal::FirstLeadPin) {
            Message(gameNo == 10 ? text::LeadClubPin : text::LeadSpadePin);
        } else {
            Message(text::RequestedSuitHeld);
        }
    }
    return false;
}

// The joker as the human's first card of a battle is allowed only with a
// declaration; withdrawing the declaration withdraws the play.
bool CTorvelView::DeclarationStep(int card, bool firstCardOfBattle) {
    if (card != Joker || !firstCardOfBattle) return true;
    int chosen = host_.ChooseDeclaration(IsRelated(HumanSeat));
    if (chosen < 3 || chosen > 6) return false;
    declaration = chosen;
    return true;
}

void CTorvelView::RequestedSuitStep(int card) {
    if (leader != HumanSeat) return;
    if (card != Joker) {
        requestedSuit = SuitOf(card);
        return;
    }
    if (ruleRemarks == 1) Message(text::NameRequestedSuit);
    int suit = host_.ChooseSuit(SuitDialogMode::RequestedSuit);
    if (suit < 0 || suit > 3) suit = Clubs;
    requestedSuit = suit;
    Sound(wave::RequestedSuit[suit], SoundMode::Synchronous);
}

void CTorvelView::FinishHumanPlay(int card) {
    PutCardOnTable(HumanSeat, card);
    lastPlayed = NoCard;
    chosenIndex = -1;
    currentSeat = 0;
    busy = 0;
    host_.Repaint(TableLayer::Changed);
    Sound(wave::Card, SoundMode::Asynchronous);
}

void CTorvelView::PlaceShowCard(int card) {
    showCards[shownCount] = card;
    shownCount += 1;
    lastPlayed = NoCard;
    chosenIndex = -1;
    host_.Repaint(TableLayer::Changed);
    Sound(wave::Card, SoundMode::Asynchronous);
    if (shownCount == 2) ShowComplete();
}

void CTorvelView::KeyPlay() {
    if (!IsHumanTurn() || handCount[HumanSeat] == 0 || dragging != 0) return;
    if (!HumanMayPlay()) return;
    if (markedCard < 0) markedCard = handCount[HumanSeat] - 1;
    if (markedCard > handCount[HumanSeat] - 1) markedCard = 0;
    const int position = markedCard;
    const int card = hand[HumanSeat][position];

    if (phase == 2) {
        RemoveFromHand(HumanSeat, position);
        PlaceShowCard(card);
        return;
    }
    if (!CheckPick(card)) return;
    if (!DeclarationStep(card, handCount[HumanSeat] == HandSize)) return;
    RemoveFromHand(HumanSeat, position);
    RequestedSuitStep(card);
    FinishHumanPlay(card);
}

void CTorvelView::MoveMark(int delta) {
    markedCard += delta;
    const int count = handCount[HumanSeat];
    if (count > 0) {
        if (markedCard < 0) markedCard = count - 1;
        if (markedCard > count - 1) markedCard = 0;
    }
    Sound(wave::Click, SoundMode::Asynchronous);
}

bool CTorvelView::PickUp(int position) {
    if (!IsHumanTurn() || dragging != 0 || position < 0 || position >= handCount[HumanSeat]) return false;
    if (!HumanMayPlay()) return false;
    const int card = hand[HumanSeat][position];
    if (phase != 2 && !CheckPick(card)) return false;
    lastPlayed = card;
    chosenIndex = position;
    RemoveFromHand(HumanSeat, position);
    dragging = 1;
    host_.Repaint(TableLayer::Kept);
    return true;
}

void CTorvelView::Drop(bool onTrickArea) {
    if (dragging == 0) return;
    dragging = 0;
    if (!onTrickArea) {
        PutBack();
        return;
    }
    const int card = lastPlayed;
    if (phase == 2) {
        PlaceShowCard(card);
        return;
    }
    if (!DeclarationStep(card, handCount[HumanSeat] + 1 == HandSize)) {
        PutBack();
        return;
    }
    RequestedSuitStep(card);
    FinishHumanPlay(card);
}

void CTorvelView::PutBack() {
    if (lastPlayed == NoCard || chosenIndex < 0 || handCount[HumanSeat] >= HandSize) return;
    auto& cards = hand[HumanSeat];
    const int position = std::min(chosenIndex, handCount[HumanSeat]);
    for (int i = handCount[HumanSeat]; i > position; --i) cards[i] = cards[i - 1];
    cards[position] = lastPlayed;
    handCount[HumanSeat] += 1;
    lastPlayed = NoCard;
    chosenIndex = -1;
    host_.Repaint(TableLayer::Kept);
}

}  // namespace tesseran
