// SPDX-License-Identifier: MIT
// How a computer seat leads a trick: the opening lead of a game, the lead of a
// declared battle, the three lead styles of the computer participants and the
// suit a joker lead asks for.
//
// These rules only read the game state; the announcements that go with a joker
// lead (messages, pauses, the requested-suit balloon) are made by CFudaDashi.
#pragma once

#include "engine/GameState.h"
#include "players/Reasons.h"

namespace tesseran::computer {

// The lead styles of the three computer participants. The human's participant
// has none.
enum class LeadStyle {
    TopCardsOutsideTrump,  // participant 0: cashes sure winners, keeps its trumps
    TopCardsAnySuit,       // participant 1: cashes sure winners, trumps included
    LowCardsFirst,         // participant 2: gets rid of small cards first
    None,
};

LeadStyle LeadStyleOf(int participant);

// The opening lead of battle 1: the pin that opens the game.
int FirstTrickLead(const GameState& state);

// The lead while a declaration is being played for: the highest trump, the
// joker counting as a club.
int DeclaredLead(const GameState& state, Why* why = nullptr);

// The everyday lead by the style of the participant at the current seat.
int StyleLead(const GameState& state, Why* why = nullptr);

// The suit the current seat would request by leading the joker now, before any
// planned declaration is considered; -1 when its participant would keep the joker.
int JokerLeadSuit(const GameState& state);

}  // namespace tesseran::computer
