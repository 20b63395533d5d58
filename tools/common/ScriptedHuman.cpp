// SPDX-License-Identifier: MIT
#include "common/ScriptedHuman.h"

namespace tesseran {

int ScriptedHumanPosition(CTorvelView& view) {
    if (view.phase == 2) return 0;
    int jokerPosition = -1;
    for (int position = 0; position < view.handCount[HumanSeat]; ++position) {
        const int card = view.hand[HumanSeat][position];
        if (card == Joker) {
            jokerPosition = position;
            continue;
        }
        // Candidates passed over are tested silently.
        if (view.CheckPick(card, Remarks::Silent)) return position;
    }
    return jokerPosition < 0 ? 0 : jokerPosition;
}

void PlayScriptedHumanTurn(CTorvelView& view) {
    view.markedCard = ScriptedHumanPosition(view);
    view.KeyPlay();
}

}  // namespace tesseran
