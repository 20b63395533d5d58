// SPDX-License-Identifier: MIT
// The first-match guide's situations: the moments of a match a newcomer
// meets for the first time, each told once in a short balloon (the groups
// and the key cards, a pin, following the requested suit, the right sign,
// the joker, the show cards and the trump, the declarations, going on for
// 16, the match's end and the conquest). Which situation the table is in is
// read from the record here; what the balloon says, and where, is the
// window's.
#pragma once

#include "engine/GameState.h"

#include <optional>

namespace tesseran {

enum class GuideTopic {
    GroupsAndKeyCards,  // the first battle of a game begins
    Pin,                // a pin lies on the table
    FollowSuit,         // the player follows a suit another seat led
    RightSign,          // the sign beside the hand tells who holds the trick
    JokerInHand,        // the player holds the joker on his turn
    ShowCardsAndTrump,  // the show cards and the trump of battle 2 or 3 are chosen
    Declarations,       // a declared battle, or the chance to declare
    Sixteen,            // a skunk: going on for 16
    BattleReview,       // a battle has ended: it can be looked back on
    MatchEnd,           // the tenth game is over
    Conquest,           // the conquest window opens
    Count
};

// The bit of a topic in the set of topics already told.
constexpr unsigned TopicBit(GuideTopic topic) { return 1u << static_cast<unsigned>(topic); }

// The first topic, in the order above, that the table now shows and that is
// not among `told`; nothing when there is none. The topics that come with a
// question, an event or a window (16 asked of the player, a battle's end,
// the match's end, the conquest) are the window's to raise when they come.
std::optional<GuideTopic> TopicDue(const GameState& state, unsigned told);

}  // namespace tesseran
