// SPDX-License-Identifier: MIT
#include "common/ScriptedHuman.h"

#include "engine/BattleRules.h"

#include <bit>

namespace tesseran {

int ScriptedHumanPosition(CTorvelView& view) {
    if (view.phase == 2) return 0;
    // The cards the table lets it play, as CheckPick judges each one; the
    // first of them in the hand is read from a bit per position.
    const CardSet playable = PlayableCards(view, HumanSeat);
    unsigned passing = 0;
    int jokerPosition = -1;
    for (int position = 0; position < view.handCount[HumanSeat]; ++position) {
        const int card = view.hand[HumanSeat][position];
        jokerPosition = Choose(card == Joker, position, jokerPosition);
        passing |= static_cast<unsigned>((card != Joker) & ((playable & CardBit(card)) != 0)) << position;
    }
    if (passing != 0) return std::countr_zero(passing);
    return jokerPosition < 0 ? 0 : jokerPosition;
}

void PlayScriptedHumanTurn(CTorvelView& view) {
    view.markedCard = ScriptedHumanPosition(view);
    view.KeyPlay();
}

}  // namespace tesseran
