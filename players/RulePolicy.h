// SPDX-License-Identifier: MIT
// The computer seats' card and 16 decisions as plain functions of the record:
// what CFudaDashi answers the engine, and what the search player's play-outs
// ask of every seat without an engine around them.
#pragma once

#include "engine/GameState.h"
#include "players/Reasons.h"

namespace tesseran::computer {

// A lead: the hand position, and what goes with a joker lead.
struct LeadChoice {
    int position = 0;
    int requestedSuit = -1;  // the suit a joker lead asks for, or -1
    int declaration = 0;     // 3..6: the declared battle the joker lead opens, or 0
};

// The lead of the current seat. Reads the record only.
LeadChoice LeadDecision(const GameState& state, Why* why = nullptr);

// Whether the current seat's side goes on for 16 (or reverse 16) after a
// skunk: it holds enough trumps and no enemy holds the joker or the trump pin.
bool GoOnForSixteen(const GameState& state, Why* why = nullptr);

}  // namespace tesseran::computer
