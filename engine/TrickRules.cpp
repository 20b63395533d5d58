// SPDX-License-Identifier: MIT
// Who wins a trick and where its cards go.
//
// A card's strength is its code lifted by 200 in the trump suit and by 100 in
// the requested suit; the joker is 300 while its player still holds cards, and
// as a player's last card it is simply the club of rank 0.
#include "engine/CTorvelView.h"

namespace tesseran {

int CTorvelView::CardStrength(int seat, int card) const {
    if (card == Joker && handCount[seat] >= 1) return 300;
    if (SuitOf(card) == trump) return card + 200;
    if (SuitOf(card) == requestedSuit) return card + 100;
    return card;
}

int CTorvelView::TrickWinner() {
    int winner = 0;
    for (int seat = 0; seat < SeatCount; ++seat) {
        trickStrength[seat] = CardStrength(seat, trick[seat]);
        if (trickStrength[seat] > trickStrength[winner]) winner = seat;
    }
    return winner;
}

void CTorvelView::CaptureTrick(int winner) {
    for (int seat = 0; seat < SeatCount; ++seat) {
        int card = trick[seat];
        if (card == NoCard) continue;
        if (IsFace(card)) {
            faceOwner[FaceIndex(card)] = winner;
        } else if (discardCount < DiscardCapacity) {
            discard[discardCount++] = card;
        }
    }
}

}  // namespace tesseran
