// SPDX-License-Identifier: MIT
// How a computer seat plays to a trick that another seat led: following suit,
// feeding face cards to its partner, beating the enemy, and when to spend the
// joker.
//
// The rules read the game state and ask the view who holds the right in the
// trick (RightStrength), which is why they take the whole view.
#pragma once

#include "engine/CTorvelView.h"

namespace tesseran::computer {

// The number of cards at or below which a participant spends the joker on a
// single face card rather than waiting for two.
int FollowJokerThreshold(int participant);

// Whether the current seat, holding the joker, plays it to this trick.
bool PlayJokerWhenFollowing(CTorvelView& view);

// The hand position the current seat plays to a trick it did not lead.
int FollowCard(CTorvelView& view);

// The card to give when the current seat's side holds the trick.
int OurTrickCard(const CTorvelView& view);

// The card to play against an enemy who holds the trick with the given strength.
int TheirTrickCard(const CTorvelView& view, int holderStrength);

}  // namespace tesseran::computer
