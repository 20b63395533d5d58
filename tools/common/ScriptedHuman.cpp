// SPDX-License-Identifier: MIT
#include "common/ScriptedHuman.h"

namespace tesseran {

void PlayScriptedHumanTurn(CTorvelView& view) {
    if (view.phase == 2) {
        view.markedCard = 0;
        view.KeyPlay();
        return;
    }
    int jokerPosition = -1;
    for (int position = 0; position < view.handCount[HumanSeat]; ++position) {
        const int card = view.hand[HumanSeat][position];
        if (card == Joker) {
            jokerPosition = position;
            continue;
        }
        // Candidates passed over are tested silently.
        if (view.CheckPick(card, Remarks::Silent)) {
            view.markedCard = position;
            view.KeyPlay();
            return;
        }
    }
    view.markedCard = jokerPosition < 0 ? 0 : jokerPosition;
    view.KeyPlay();
}

}  // namespace tesseran
