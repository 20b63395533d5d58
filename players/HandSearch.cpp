// SPDX-License-Identifier: MIT
// Searches through one seat's hand, shared by the lead and follow rules.
#include "players/HandSearch.h"

#include <algorithm>

namespace tesseran::computer {

bool IsTopRemaining(const GameState& state, int card) {
    if (card == Joker || RankOf(card) == 10) return true;
    if (!IsCardCode(card)) return false;
    bool top = true;
    for (int higher = card + 1; higher <= PinOf(SuitOf(card)); ++higher) top &= state.played[higher] == 1;
    return top;
}

CardSet TopRemainingCards(const GameState& state) {
    CardSet tops = CardBit(Joker);
    for (int suit = Clubs; suit <= Spades; ++suit) {
        // Down from the pin, each card is on top while every card above it
        // has been played; all nine steps are taken, with a flag, so that
        // the walk does not end at a place the play decides.
        const int pin = PinOf(suit);
        tops |= CardBit(pin);
        bool top = true;
        for (int step = 1; step < 10; ++step) {
            const int card = pin - step;
            top &= IsCardCode(card) & (state.played[card + 1] == 1);
            tops |= static_cast<CardSet>(top) << card;
        }
    }
    return tops;
}

bool PlayedBySide(const GameState& state, int seat, int card) {
    if (!IsSeat(seat) || card == NoCard) return false;
    for (int other = 0; other < SeatCount; ++other) {
        if (state.trick[other] == card && state.SameSide(other, seat)) return true;
    }
    return false;
}

}  // namespace tesseran::computer
