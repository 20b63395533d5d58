// SPDX-License-Identifier: MIT
// The search player: for each decision of a seat it deals the cards the seat
// cannot see in many ways that agree with what it knows, plays every
// candidate out to the end of the battle in each of those deals, and takes
// the candidate with the best mean result for its group, scored as the
// battle really scores. It reads nothing but what KnowledgeOf copies, so it
// plays fairly; and it is deterministic for the seed of its own sampler.
#pragma once

#include "engine/GameState.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace tesseran::search {

struct SearchOptions {
    int worlds = 160;                 // deals sampled per decision
    std::uint64_t seed = 0x7E55E2A4;  // the sampler's seed, not the deal's
};

// A card to play; a joker lead also names the suit it asks for.
struct Move {
    int card = NoCard;
    int jokerSuit = -1;
    bool operator==(const Move&) const = default;
};

struct MoveValue {
    Move move;
    double value = 0;     // mean points for the seat's group, this battle and what it leads to
    double winShare = 0;  // share of the deals in which the group wins the battle
};

struct Advice {
    std::vector<MoveValue> moves;  // best first
    int worlds = 0;                // deals the estimate rests on
    std::optional<MoveValue> Best() const {
        if (moves.empty()) return std::nullopt;
        return moves.front();
    }
};

// The moves the seat to play may make now, as the table allows them. The
// joker is left out of a seat's first card of a battle, which would open a
// declared battle; a joker lead comes once for each suit it may ask for.
std::vector<Move> CandidateMoves(const GameState& state, int seat);

// The card the seat to play should play, with every candidate's estimate.
Advice AdviseCard(const GameState& state, int seat, const SearchOptions& options = {});

// Whether the seat's group should go on for 16 (or reverse 16) after the
// trick just closed gave it a skunk; the state is the engine's at that point
// (the trick still on the table). Estimates: [0] take the skunk, [1] go on.
struct SixteenAdvice {
    bool goOn = false;
    double stopValue = 0;
    double goOnValue = 0;
    double goOnWinShare = 0;
};
SixteenAdvice AdviseSixteen(const GameState& state, int seat, const SearchOptions& options = {});

// The trump the chooser of battle 2 or 3 should name, before the first lead:
// each suit's estimate, best first (Move::card holds the suit).
Advice AdviseTrump(const GameState& state, int seat, const SearchOptions& options = {});

// The two cards the show seat of battle 2 or 3 should show its partner, the
// chooser, before the trump is named: each ordered pair's estimate, best
// first. A pair is held in a Move as Move::card, the first show card, and
// Move::jokerSuit, the second (the field names no suit here). Once the first
// card lies on the table (shownCount 1) only the second is chosen, and every
// pair begins with the card already shown.
// In each deal the chooser names the trump by the rules (TrumpAfterShow)
// from what it sees: a computer chooser reads the show seat's whole hand, as
// the rules do; the human sees only the two cards beside his own hand. That
// trump is then played out as AdviseTrump plays it. Pairs of equal estimate
// come in the order the rules prefer them: the pair the rules would show
// first, then the higher cards before the lower.
Advice AdviseShowCards(const GameState& state, int seat, const SearchOptions& options = {});

}  // namespace tesseran::search
