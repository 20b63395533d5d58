// SPDX-License-Identifier: MIT
// The twelve prearranged declaration hands a lucky deal of battle 2 or 3 may
// bring, and the exchange that hands one of them to a seat.
#pragma once

#include "engine/GameState.h"

#include <array>

namespace tesseran::computer {

struct PrearrangedHand {
    std::array<int, HandSize> cards;
    int plans;  // 8: a declared skunk, 16: a declared 16
};

inline constexpr int DeclaredSkunkPlan = 8;
inline constexpr int DeclaredSixteenPlan = 16;

inline constexpr std::array<PrearrangedHand, 12> PrearrangedHands = {{
    {{0, 8, 9, 10, 20, 21, 31, 32, 42, 43}, DeclaredSkunkPlan},
    {{0, 8, 9, 10, 31, 32, 40, 41, 42, 43}, DeclaredSkunkPlan},
    {{0, 7, 8, 9, 10, 30, 31, 32, 42, 43}, DeclaredSkunkPlan},
    {{0, 17, 18, 19, 20, 21, 32, 41, 42, 43}, DeclaredSkunkPlan},
    {{0, 9, 10, 23, 24, 27, 28, 29, 31, 32}, DeclaredSkunkPlan},
    {{0, 7, 10, 13, 14, 16, 17, 18, 19, 21}, DeclaredSkunkPlan},
    {{0, 8, 10, 12, 14, 16, 19, 20, 21, 43}, DeclaredSkunkPlan},
    {{0, 1, 2, 4, 6, 7, 9, 10, 41, 43}, DeclaredSixteenPlan},
    {{0, 1, 2, 4, 6, 7, 9, 10, 29, 43}, DeclaredSixteenPlan},
    {{0, 8, 13, 14, 15, 16, 17, 19, 20, 21}, DeclaredSixteenPlan},
    {{0, 23, 24, 25, 26, 27, 30, 31, 32, 43}, DeclaredSixteenPlan},
    {{0, 20, 36, 37, 38, 39, 40, 41, 42, 43}, DeclaredSixteenPlan},
}};

// Gives a seat exactly the given ten cards by exchanging cards with the other
// seats, which keep ten cards each; the hands are left unsorted.
void GiveHand(GameState& state, int seat, const std::array<int, HandSize>& cards);

}  // namespace tesseran::computer
