// SPDX-License-Identifier: MIT
// Whole matches played headless on the core: three computer seats and a
// scripted human at seat 3, paced by calling the turn timer's handler directly.
#pragma once

#include "players/Reasons.h"
#include "sim/ScriptedHost.h"
#include "sim/SeatThreePlayer.h"

#include <array>
#include <optional>
#include <ostream>
#include <string>

namespace tesseran::sim {

struct SimulationOptions {
    int matches = 1;
    int startSecond = 0;  // the virtual clock's first reading, seconds after midnight
    int entry = 0;        // "EntryNo" in the settings
    bool check = false;   // verify the state's invariants after every play and trick
    // At this many pseudo-random ones of the snapshots a match is kept in
    // (the human's turns, every trick's close, before every dialog), the
    // program stops as if killed: the engine and the host are thrown away,
    // and play goes on with fresh ones built from the snapshot's text alone
    // (the host's virtual clock and counts, which are the simulator's own,
    // carried over).
    int interrupts = 0;
    SeatThreePolicy seatThree = SeatThreePolicy::Scripted;
    bool strongOpponents = false;        // the search player at seats 0..2 instead of the rules
    ChronicleSink* chronicle = nullptr;  // where finished matches are recorded, if anywhere
    bool countReasons = false;           // count the reasons the computers give for their decisions
};

struct SimulationResult {
    int matches = 0;
    int games = 0;
    int battles = 0;
    std::array<int, static_cast<int>(ResultKind::Count)> results{};
    SeatThreeRecord seatThree;
    int recorded = 0;  // matches the chronicle took
    // How often each reason was given, with countReasons, and the values
    // given with it the last time.
    std::array<long, static_cast<int>(computer::Reason::Count)> reasons{};
    std::array<computer::Why, static_cast<int>(computer::Reason::Count)> reasonExamples{};
    std::optional<std::string> violation;  // the first broken invariant, with --check
};

SimulationResult RunSimulation(const SimulationOptions& options, std::ostream* trace);

// "HH:MM:SS" to seconds after midnight; nothing when the text is not a time of day.
std::optional<int> ParseTimeOfDay(const std::string& text);

}  // namespace tesseran::sim
