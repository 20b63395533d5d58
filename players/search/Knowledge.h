// SPDX-License-Identifier: MIT
// What one seat may know of the table, and the deals of the cards it cannot
// see that agree with it.
//
// KnowledgeOf is the one place where the search player looks at the real
// record, and it copies only what the seat may see: its own hand, the table,
// every card played and by whom, the show cards, the declarations and the
// scores, the suits each seat has shown it lacks, and the groups as far as
// the table has shown them. Everything after it works from that copy.
#pragma once

#include "engine/GameState.h"

#include <array>
#include <cstdint>
#include <vector>

namespace tesseran::search {

struct Knowledge {
    int seat = HumanSeat;
    // The record as the seat sees it: the other seats' hands empty (their
    // counts kept); in battle 1, while the groups are hidden, no relation.
    GameState table;
    // Cards known to lie in another seat's hand (show cards not yet played).
    std::array<std::vector<int>, SeatCount> known;
    // The cards the seat cannot see, all of them in the other hands.
    std::vector<int> unseen;
    // The groups of battle 1 are still hidden: each deal decides them.
    bool groupsHidden = false;

    // A digest of everything above, to seed the sampler with: the same
    // knowledge samples the same deals.
    std::uint64_t Digest() const;
};

Knowledge KnowledgeOf(const GameState& state, int seat);

// A small, fast generator of the sampler's own, never the deal's.
class SampleRandom {
public:
    explicit SampleRandom(std::uint64_t seed) : state_(seed) {}
    std::uint64_t Next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    int Below(int bound) { return static_cast<int>(Next() % static_cast<std::uint64_t>(bound)); }

private:
    std::uint64_t state_;
};

// Deals the unseen cards to the other seats, each its count, none a suit it
// has shown it lacks, and (while the groups are hidden) sets the groups the
// deal makes. False when no deal was found in a bounded number of tries.
bool DealWorld(const Knowledge& knowledge, SampleRandom& random, GameState& world, int* retries = nullptr);

// The groups of battle 1 as the whole deal makes them: the joker's holder and
// the trump 7's are related; a seat holding both has its opposite for partner.
void AssignRelationOfDeal(GameState& world, int jokerHolder, int keyHolder);

}  // namespace tesseran::search
