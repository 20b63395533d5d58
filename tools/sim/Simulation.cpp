// SPDX-License-Identifier: MIT
#include "sim/Simulation.h"

#include "base/SettingsStore.h"
#include "common/ScriptedHuman.h"
#include "engine/Invariants.h"
#include "players/CFudaDashi.h"

#include <cstdio>

namespace tesseran::sim {

namespace {

// A match takes a few hundred steps; a run far beyond this is stuck.
constexpr long StepsPerMatchLimit = 100000;

bool HumanIsWaited(const CFudaDashi& view) {
    return view.currentSeat == HumanSeat && view.busy == 1 && view.HumanMayPlay();
}

}  // namespace

std::optional<int> ParseTimeOfDay(const std::string& text) {
    if (text.size() != 8 || text[2] != ':' || text[5] != ':') return std::nullopt;
    for (int i : {0, 1, 3, 4, 6, 7}) {
        if (text[i] < '0' || text[i] > '9') return std::nullopt;
    }
    auto two = [&text](int at) { return (text[at] - '0') * 10 + (text[at + 1] - '0'); };
    int hour = two(0);
    int minute = two(3);
    int second = two(6);
    if (hour > 23 || minute > 59 || second > 59) return std::nullopt;
    return hour * 3600 + minute * 60 + second;
}

SimulationResult RunSimulation(const SimulationOptions& options, std::ostream* trace) {
    MemorySettingsStore settings;
    settings.Write(setting::AutoStart, 1);
    settings.Write(setting::EntryNo, options.entry);
    settings.Write(setting::Speed, 9);

    ScriptedHost host(options.startSecond, options.matches, trace);
    CFudaDashi view(host, settings);
    host.Observe(view);

    SimulationResult result;
    view.StartUp();
    view.OnStartUpTimer();

    const long stepLimit = StepsPerMatchLimit * (options.matches + 1L);
    for (long step = 0; !host.closed(); ++step) {
        if (step > stepLimit) {
            result.violation = "the match makes no progress (phase " + std::to_string(view.phase) +
                               ", seat " + std::to_string(view.currentSeat) + ", busy " +
                               std::to_string(view.busy) + ")";
            break;
        }
        if (HumanIsWaited(view)) {
            PlayScriptedHumanTurn(view);
        } else if (host.timerRunning()) {
            view.TurnTick();
        } else {
            result.violation = "the turn timer is not running";
            break;
        }
        if (options.check && !host.closed() && view.phase >= 1) {
            if (auto violation = CheckInvariants(view)) {
                result.violation = "game " + std::to_string(view.gameNo) + ", battle " +
                                   std::to_string(view.battleNo) + ": " + *violation;
                break;
            }
        }
    }

    result.matches = host.matchesStarted();
    result.games = host.gamesPlayed();
    result.battles = host.battlesDealt();
    result.results = host.results();
    return result;
}

}  // namespace tesseran::sim
