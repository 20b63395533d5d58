// SPDX-License-Identifier: MIT
// The vocabulary of the whole program: card codes, suits, ranks, seats.
//
// A card is its code everywhere: code = suit * 11 + rank. Ranks 7..10 are the
// face cards the two groups fight over, rank 10 is the pin of its suit, code 0
// is the joker (it computes as suit 0, rank 0, and every rule that tests a suit
// excludes it explicitly). -1 means "no card" in every card-valued field.
#pragma once

#include <array>
#include <cstdint>

namespace tesseran {

inline constexpr int NoCard = -1;
inline constexpr int Joker = 0;
inline constexpr int ClubPin = 10;
inline constexpr int SpadePin = 43;

inline constexpr int Clubs = 0;
inline constexpr int Diamonds = 1;
inline constexpr int Hearts = 2;
inline constexpr int Spades = 3;

inline constexpr int SeatCount = 4;
inline constexpr int HumanSeat = 3;
inline constexpr int HandSize = 10;
inline constexpr int DeckSize = 40;
inline constexpr int FaceCardCount = 16;
inline constexpr int DiscardCapacity = 24;
inline constexpr int CardCodeLimit = 44;  // every card code is below this

// The 40 codes of the deck in ascending order, the order a deal starts from.
// clang-format off
inline constexpr std::array<int, DeckSize> Deck = {
    0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 12, 13, 14, 15, 16, 17, 18, 19, 20,
    21, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 35, 36, 37, 38, 39, 40, 41, 42, 43};
// clang-format on

constexpr int SuitOf(int card) { return card / 11; }
constexpr int RankOf(int card) { return card % 11; }
constexpr int CardOf(int suit, int rank) { return suit * 11 + rank; }
constexpr bool IsJoker(int card) { return card == Joker; }
constexpr bool IsFace(int card) { return (card > 0) & (RankOf(card) >= 7); }
constexpr int PinOf(int suit) { return CardOf(suit, 10); }

// Index of a face card into faceOwner: clubs 7..10 are 0..3, diamonds 4..7, ...
constexpr int FaceIndex(int card) { return SuitOf(card) * 4 + RankOf(card) - 7; }
constexpr int FaceCardAt(int faceIndex) { return CardOf(faceIndex / 4, faceIndex % 4 + 7); }

constexpr bool IsCardCode(int code) {
    return (code >= 0) & (code < CardCodeLimit) & (code != 11) & (code != 22) & (code != 33) & (code != 34);
}

constexpr int OppositeSeat(int seat) { return (seat + 2) % SeatCount; }

// A set of cards as one bit per code. The rules ask questions of whole hands
// ("does he hold a heart?", "how many trumps?") on every card played; as set
// operations they cost a few instructions and no branch on the cards' order,
// which is what a simulated match mostly pays for otherwise.
using CardSet = std::uint64_t;
constexpr CardSet CardBit(int card) { return CardSet{1} << (card & 63); }

// How many cards a set holds (by halves, quarters and bytes: the machine the
// game is built for need not have a population-count instruction).
constexpr int CountCards(CardSet set) {
    set -= (set >> 1) & 0x5555555555555555u;
    set = (set & 0x3333333333333333u) + ((set >> 2) & 0x3333333333333333u);
    set = (set + (set >> 4)) & 0x0F0F0F0F0F0F0F0Fu;
    return static_cast<int>((set * 0x0101010101010101u) >> 56);
}

// ifTrue or ifFalse by arithmetic alone. The compiler turns many a `?:` into
// a jump, and where the condition depends on the cards dealt such a jump is
// mispredicted half the time: the hot rules choose with this instead.
constexpr int Choose(bool condition, int ifTrue, int ifFalse) {
    return ifFalse ^ ((ifTrue ^ ifFalse) & -static_cast<int>(condition));
}
// The cards of a suit, the joker not among them; no card for a value that is
// not a suit.
constexpr CardSet SuitCards(int suit) {
    constexpr CardSet Ranks1To10 = CardSet{0x3FF} << 1;
    return suit >= Clubs && suit <= Spades ? Ranks1To10 << (suit * 11) : 0;
}

}  // namespace tesseran
