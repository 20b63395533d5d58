// SPDX-License-Identifier: MIT
// Hands a prearranged declaration hand to a seat right after the deal.
#include "players/PrearrangedHands.h"

#include <utility>

namespace tesseran::computer {

namespace {

int PositionIn(const GameState& state, int seat, int card, int lastPosition) {
    for (int position = lastPosition; position >= 0; --position) {
        if (state.hand[seat][position] == card) return position;
    }
    return -1;
}

}  // namespace

void GiveHand(GameState& state, int seat, const std::array<int, HandSize>& cards) {
    // The cards are put in place from the last position down, so the positions
    // above the one being filled already hold their final cards and a card
    // still to be placed is either lower in the seat's own hand or elsewhere.
    for (int position = HandSize - 1; position >= 0; --position) {
        const int card = cards[position];
        const int own = PositionIn(state, seat, card, position);
        if (own >= 0) {
            std::swap(state.hand[seat][own], state.hand[seat][position]);
            continue;
        }
        for (int other = 0; other < SeatCount; ++other) {
            if (other == seat) continue;
            const int found = PositionIn(state, other, card, HandSize - 1);
            if (found >= 0) {
                std::swap(state.hand[other][found], state.hand[seat][position]);
                break;
            }
        }
    }
}

}  // namespace tesseran::computer
