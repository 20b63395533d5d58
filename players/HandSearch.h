// SPDX-License-Identifier: MIT
// Searches through one seat's hand: the building blocks of every card choice
// the computer seats make.
//
// Hands are sorted by card code, so the first card a search finds is the one of
// the lowest suit and, within that suit, of the lowest rank. The joker stands at
// position 0 whenever it is held and no search ever returns it: a computer plays
// the joker only where a rule deliberately answers position 0.
#pragma once

#include "engine/GameState.h"

#include <algorithm>

namespace tesseran::computer {

inline constexpr int NotFound = -1;

constexpr bool IsSeat(int seat) { return seat >= 0 && seat < SeatCount; }
constexpr bool IsSuit(int suit) { return suit >= Clubs && suit <= Spades; }

// How many positions of a seat's hand are valid, kept inside the array even
// when the count in the state is odd.
inline int HandLength(const GameState& state, int seat) {
    if (!IsSeat(seat)) return 0;
    return std::clamp(state.handCount[seat], 0, HandSize);
}

// The first position, from position 1 when the seat holds the joker and from 0
// otherwise, whose card passes the test (a callable on a card code); NotFound
// when none does. The tests are templates rather than std::function: these
// searches are most of what a simulated match or a play-out costs.
template <class Test>
int FindFirst(const GameState& state, int seat, const Test& test);

// Tries the tests in turn and answers the first position the earliest
// successful test finds: "the first card of rank 7, else of rank 8, ...".
template <class... Tests>
int FindFirstOf(const GameState& state, int seat, const Tests&... tests) {
    int position = NotFound;
    (((position = FindFirst(state, seat, tests)) != NotFound) || ...);
    return position;
}

// The same, telling which test found the card (0 for the first); -1 when
// none did.
template <class... Tests>
int FindFirstOfNoting(const GameState& state, int seat, int& which, const Tests&... tests) {
    int position = NotFound;
    which = -1;
    (((++which, position = FindFirst(state, seat, tests)) != NotFound) || ...);
    if (position == NotFound) which = -1;
    return position;
}

// Cards of a suit in a seat's hand, the joker not counted.
inline int CountOfSuit(const GameState& state, int seat, int suit) {
    if (!IsSeat(seat)) return 0;
    return CountCards(state.HandSet(seat) & SuitCards(suit));
}

// Whether a card is the highest one of its suit still unplayed: the joker and
// the pins always are; any other card once every higher card of its suit has
// been played in this battle. Cards still held, even by the asking seat, count
// as unplayed.
bool IsTopRemaining(const GameState& state, int card);

// Every card IsTopRemaining passes, as a set: a lead rule that asks it of a
// whole hand asks the set instead.
CardSet TopRemainingCards(const GameState& state);

// Whether a card lies on the table in the current trick, put there by a seat
// on the given seat's side.
bool PlayedBySide(const GameState& state, int seat, int card);

// The position a decision returns, forced into the seat's hand so that the
// engine never takes a card from outside it.
inline int ClampToHand(const GameState& state, int seat, int position) {
    const int length = HandLength(state, seat);
    if (length == 0) return 0;
    return std::clamp(position, 0, length - 1);
}

// Ready-made tests.
inline auto OfSuit(int suit) {
    return [suit](int card) { return card != Joker && SuitOf(card) == suit; };
}
inline auto OfRank(int rank) {
    return [rank](int card) { return card != Joker && RankOf(card) == rank; };
}
inline auto NotOfSuitWithRank(int suit, int rank) {
    return [suit, rank](int card) { return card != Joker && SuitOf(card) != suit && RankOf(card) == rank; };
}

template <class Test>
int FindFirst(const GameState& state, int seat, const Test& test) {
    if (!IsSeat(seat)) return NotFound;
    const int length = HandLength(state, seat);
    const int start = state.HoldsJoker(seat) ? 1 : 0;
    for (int position = start; position < length; ++position) {
        const int card = state.hand[seat][position];
        if (card != Joker && test(card)) return position;
    }
    return NotFound;
}

}  // namespace tesseran::computer
