// SPDX-License-Identifier: MIT
// How a computer seat plays to a trick that another seat led: following suit,
// feeding face cards to its partner, beating the enemy, and when to spend the
// joker.
//
// The rules read the game state; working out who holds the right in the trick
// (RightStrength) also notes the strength of each card on the table.
#pragma once

#include "engine/GameState.h"
#include "players/Reasons.h"

namespace tesseran::computer {

// The strength of the card that holds the trick against the current seat (0
// when its own side holds it, -1 while the groups of battle 1 are hidden);
// the strengths of the cards on the table go to trickStrength.
int RightStrength(GameState& state);

// The number of cards at or below which a participant spends the joker on a
// single face card rather than waiting for two.
int FollowJokerThreshold(int participant);

// Whether the current seat, holding the joker, plays it to this trick.
bool PlayJokerWhenFollowing(GameState& view, Why* why = nullptr);

// The hand position the current seat plays to a trick it did not lead.
int FollowCard(GameState& view, Why* why = nullptr);

// The card to give when the current seat's side holds the trick.
int OurTrickCard(const GameState& view, Why* why = nullptr);

// The card to play against an enemy who holds the trick with the given strength.
int TheirTrickCard(const GameState& view, int holderStrength, Why* why = nullptr);

}  // namespace tesseran::computer
