// SPDX-License-Identifier: MIT
// The play-out engine: a copy of the record played to the end of its battle
// with the computer players' rules at every seat, without the engine's host,
// timers or settings. The search player's worlds are played out here.
#pragma once

#include "engine/BattleRules.h"
#include "engine/GameState.h"

namespace tesseran::search {

// Plays a card for the seat to move, as the engine does: out of the hand, on
// the table, counted and noted; a lead sets the requested suit (a joker lead
// the suit it asks for, when it asks for one). The turn passes on.
void PlayCard(GameState& world, int card, int jokerSuit = -1);

// How a battle ended in a play-out.
struct BattleEnd {
    BattleResult result = BattleResult::Count;
    int points = 0;
    bool replaces = false;
    int answer = GameOver;
};

// Closes the full trick on the table as the engine does: capture, the
// verdict (a group that may go on for 16 decides by the rules), and the next
// lead by the winner. True with the battle's end when the trick ended it.
bool CloseTrick(GameState& world, BattleEnd& end);

// After a trick that did not end the battle: the face cards still needed,
// the table cleared, and the winner to lead.
void NextTrick(GameState& world, FaceTally tally, int winner);

// Plays the battle out from any point of a trick with the rules at every
// seat. The record is the world to play in; it is used up.
BattleEnd PlayOut(GameState& world);

// The record made ready for play-outs: seats whose participant has no style
// of its own (the human's) play by the first computer participant's, and no
// prearranged declaration waits.
void PrepareForPlayOut(GameState& world);

}  // namespace tesseran::search
