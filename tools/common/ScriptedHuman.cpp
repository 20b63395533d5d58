// SPDX-License-Identifier: MIT
#include "common/ScriptedHuman.h"

#include "engine/BattleRules.h"

namespace tesseran {

int ScriptedHumanPosition(CTorvelView& view) {
    if (view.phase == 2) return 0;
    // The cards the table lets it play, as CheckPick judges each one.
    const CardSet playable = PlayableCards(view, HumanSeat);
    int jokerPosition = -1;
    for (int position = 0; position < view.handCount[HumanSeat]; ++position) {
        const int card = view.hand[HumanSeat][position];
        if (card == Joker) {
            jokerPosition = position;
            continue;
        }
        if ((playable & CardBit(card)) != 0) return position;
    }
    return jokerPosition < 0 ? 0 : jokerPosition;
}

void PlayScriptedHumanTurn(CTorvelView& view) {
    view.markedCard = ScriptedHumanPosition(view);
    view.KeyPlay();
}

}  // namespace tesseran
