// SPDX-License-Identifier: MIT
// A scripted player for seat 3, for the simulator and the tools that play
// games without a person: the two leftmost cards as show cards, otherwise the
// leftmost card that may be played, the joker only when nothing else may.
#pragma once

#include "engine/CTorvelView.h"

namespace tesseran {

// The position the scripted human plays in its turn: the first card it may
// play, the joker only when nothing else passes; the first card when it is
// placing show cards.
int ScriptedHumanPosition(CTorvelView& view);
// Plays one card (or places one show card) for the human seat, through the
// keyboard play, as the human's turn asks.
void PlayScriptedHumanTurn(CTorvelView& view);

}  // namespace tesseran
