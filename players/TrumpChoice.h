// SPDX-License-Identifier: MIT
// How the related group names the trump in battles 2 and 3 when a computer is
// involved: the two cards a computer shows its human partner, the trump a
// computer names after seeing the human's two cards, and the trump two
// computer partners agree on. The joker counts as a club in the trump counts.
#pragma once

#include "engine/GameState.h"
#include "players/Reasons.h"

namespace tesseran::computer {

// Puts the show seat's two show cards into showCards: the top of its long suit
// and, as the second, the joker or a pin of another suit when it has one.
void PickShowCards(GameState& state, int seat, Why* why = nullptr);

// The trump the computer chooserSeat names once the human showSeat has shown
// two cards. The human's show cards count as part of the human's hand.
int TrumpAfterShow(const GameState& state, Why* why = nullptr);

// The trump the two related computers name together.
int TrumpTogether(const GameState& state, Why* why = nullptr);

}  // namespace tesseran::computer
