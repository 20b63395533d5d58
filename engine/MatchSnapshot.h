// SPDX-License-Identifier: MIT
// A match in progress as text: the whole game-state record and the match's
// id, in a versioned JSON document, so that a match can be taken up again
// after the program was closed or killed. The computer players keep no state
// of their own (they decide from the record), so the record is all of it.
//
// Reading checks everything before anything is handed out: the format and
// its version, every field's type and range, and, while a battle is played,
// the record's own consistency (each of the 41 cards exactly once among the
// hands, the table, the pile, the captured face cards and the show cards).
// A snapshot that fails any check is refused whole.
#pragma once

#include "engine/GameState.h"

#include <optional>
#include <string>
#include <string_view>

namespace tesseran {

struct MatchSnapshot {
    // The version this program writes and reads; a newer file is refused.
    static constexpr int Version = 1;

    std::string matchId;  // tells a credited match from one still to be credited
    GameState state;
};

// The snapshot as one line of JSON.
std::string WriteSnapshot(const MatchSnapshot& snapshot);

struct SnapshotReading {
    std::optional<MatchSnapshot> snapshot;
    std::string error;  // why it was refused, in words, when it was
};
// Reads what WriteSnapshot wrote; anything else is refused with a reason.
SnapshotReading ReadSnapshot(std::string_view text);

}  // namespace tesseran
