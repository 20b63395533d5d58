// SPDX-License-Identifier: MIT
// The trump choice of battles 2 and 3 and the computer's show cards.
#include "players/TrumpChoice.h"

#include "players/HandSearch.h"

#include <array>

namespace tesseran::computer {

namespace {

using SuitCounts = std::array<int, 4>;

// A suit that names itself in one hand: six cards of it.
constexpr int LongSuitInOneHand = 6;
// A suit that names itself in the two hands together.
constexpr int LongSuitInTwoHands = 8;
// Named when no suit stands out and the show cards give no suit either.
constexpr int DefaultTrump = Hearts;

// The suit with the greatest count, the lowest suit among equals.
int LongestSuit(const SuitCounts& counts) {
    int best = Clubs;
    for (int suit = Diamonds; suit <= Spades; ++suit) {
        if (counts[suit] > counts[best]) best = suit;
    }
    return best;
}

// Adds a card to the counts; the joker computes as a club.
void CountCard(SuitCounts& counts, int card) {
    if (IsCardCode(card)) ++counts[SuitOf(card)];
}

SuitCounts CountHand(const GameState& state, int seat) {
    SuitCounts counts{};
    const int length = HandLength(state, seat);
    for (int position = 0; position < length; ++position) CountCard(counts, state.hand[seat][position]);
    return counts;
}

// The show seat's hand together with the two cards it has put on the table,
// unless they are already back in the hand.
SuitCounts CountShowSeatHand(const GameState& state) {
    SuitCounts counts = CountHand(state, state.showSeat);
    for (int card : state.showCards) {
        if (card != NoCard && state.FindInHand(state.showSeat, card) < 0) CountCard(counts, card);
    }
    return counts;
}

}  // namespace

void PickShowCards(GameState& state, int seat, Why* why) {
    state.showCards.fill(NoCard);
    state.shownCount = 2;
    if (!IsSeat(seat)) return;
    const int length = HandLength(state, seat);

    SuitCounts counts{};
    for (int position = 0; position < length; ++position) {
        const int card = state.hand[seat][position];
        if (card != Joker && IsCardCode(card)) ++counts[SuitOf(card)];
    }
    const int longSuit = LongestSuit(counts);

    int chosen = 0;
    for (int position = length - 1; position >= 0 && chosen < 2; --position) {
        const int card = state.hand[seat][position];
        if (card != Joker && SuitOf(card) == longSuit) state.showCards[chosen++] = card;
    }
    // Ten cards always hold at least three of the long suit; should the hand be
    // shorter, its highest other cards make up the pair.
    for (int position = length - 1; position >= 0 && chosen < 2; --position) {
        const int card = state.hand[seat][position];
        if (card != state.showCards[0]) state.showCards[chosen++] = card;
    }

    // The second card tells the partner about strength outside the long suit.
    if (state.HoldsJoker(seat)) {
        state.showCards[1] = Joker;
        Note(why, Reason::ShowLongWithJoker, state.showCards[0], longSuit, counts[longSuit]);
        return;
    }
    for (int position = 0; position < length; ++position) {
        const int card = state.hand[seat][position];
        if (RankOf(card) == 10 && SuitOf(card) != longSuit) {
            state.showCards[1] = card;
            Note(why, Reason::ShowLongWithPin, state.showCards[0], longSuit, counts[longSuit]);
            return;
        }
    }
    Note(why, Reason::ShowLongTopTwo, state.showCards[0], longSuit, counts[longSuit]);
}

int TrumpAfterShow(const GameState& state, Why* why) {
    auto named = [why](Reason reason, int suit, int count = -1) {
        Note(why, reason, NoCard, suit, count);
        return suit;
    };
    if (!IsSeat(state.showSeat) || !IsSeat(state.chooserSeat))
        return named(Reason::TrumpDefault, DefaultTrump);
    const SuitCounts shown = CountShowSeatHand(state);
    const int shownLong = LongestSuit(shown);
    if (shown[shownLong] >= LongSuitInOneHand)
        return named(Reason::TrumpShownLong, shownLong, shown[shownLong]);

    const SuitCounts own = CountHand(state, state.chooserSeat);
    const int ownLong = LongestSuit(own);
    if (own[ownLong] >= LongSuitInOneHand) return named(Reason::TrumpOwnLong, ownLong, own[ownLong]);

    SuitCounts combined{};
    for (int suit = Clubs; suit <= Spades; ++suit) combined[suit] = shown[suit] + own[suit];
    const int candidate = LongestSuit(combined);
    if (combined[candidate] >= LongSuitInTwoHands)
        return named(Reason::TrumpCombinedLong, candidate, combined[candidate]);

    const int card = state.showCards[0] == Joker ? state.showCards[1] : state.showCards[0];
    // A card that is no card names no suit.
    if (!IsCardCode(card)) return named(Reason::TrumpDefault, DefaultTrump);
    const int suit = SuitOf(card);
    return IsSuit(suit) ? named(Reason::TrumpShowCard, suit) : named(Reason::TrumpDefault, DefaultTrump);
}

int TrumpTogether(const GameState& state, Why* why) {
    SuitCounts counts{};
    for (int seat = 0; seat < SeatCount; ++seat) {
        if (!state.IsRelated(seat)) continue;
        const SuitCounts seatCounts = CountHand(state, seat);
        for (int suit = Clubs; suit <= Spades; ++suit) counts[suit] += seatCounts[suit];
    }
    const int suit = LongestSuit(counts);
    Note(why, Reason::TrumpTogether, NoCard, suit, counts[suit]);
    return suit;
}

}  // namespace tesseran::computer
