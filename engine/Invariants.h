// SPDX-License-Identifier: MIT
// The consistency rules of the game-state record, checked by the simulator's
// --check mode and by the tests after every play and every trick.
#pragma once

#include "engine/GameState.h"

#include <optional>
#include <string>

namespace tesseran {

// The first violated rule, in words, or nothing when the record is consistent.
// Meaningful while a battle is played (phase 1 or 2).
std::optional<std::string> CheckInvariants(const GameState& state);

}  // namespace tesseran
