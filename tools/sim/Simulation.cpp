// SPDX-License-Identifier: MIT
#include "sim/Simulation.h"

#include "base/SettingsStore.h"
#include "common/ScriptedHuman.h"
#include "engine/Invariants.h"
#include "engine/MatchSnapshot.h"
#include "engine/Random.h"
#include "players/CFudaDashi.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace tesseran::sim {

namespace {

// A match takes a few hundred steps; a run far beyond this is stuck.
constexpr long StepsPerMatchLimit = 100000;
// Interruptions fall within this many steps of a match's start.
constexpr std::uint32_t InterruptSpan = 600;

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

    auto hostHolder = std::make_unique<ScriptedHost>(options.startSecond, options.matches, trace);
    auto viewHolder = std::make_unique<CFudaDashi>(*hostHolder, settings);
    hostHolder->Observe(*viewHolder);

    SimulationResult result;
    viewHolder->StartUp();
    viewHolder->OnStartUpTimer();

    // The interruption points of the match under way, as steps since it began.
    Lcg pointPicker(static_cast<std::uint32_t>(options.startSecond) * 2654435761u + 17u);
    std::vector<long> points;
    int matchSeen = 0;
    long matchStart = 0;

    const long stepLimit = StepsPerMatchLimit * (options.matches + 1L);
    for (long step = 0; !hostHolder->closed(); ++step) {
        if (options.interrupts > 0 && hostHolder->matchesStarted() != matchSeen) {
            matchSeen = hostHolder->matchesStarted();
            matchStart = step;
            points.clear();
            for (int i = 0; i < options.interrupts; ++i)
                points.push_back(
                    1 + static_cast<long>(static_cast<std::uint32_t>(pointPicker.Draw()) % InterruptSpan));
        }
        if (!points.empty() && viewHolder->phase >= 1 &&
            std::find(points.begin(), points.end(), step - matchStart) != points.end()) {
            const std::string text =
                WriteSnapshot(MatchSnapshot{"sim-" + std::to_string(matchSeen), *viewHolder});
            viewHolder.reset();
            hostHolder = std::make_unique<ScriptedHost>(*hostHolder);
            viewHolder = std::make_unique<CFudaDashi>(*hostHolder, settings);
            hostHolder->Observe(*viewHolder);
            const SnapshotReading reading = ReadSnapshot(text);
            if (!reading.snapshot) {
                result.violation = "a snapshot could not be read back: " + reading.error;
                break;
            }
            viewHolder->Restore(reading.snapshot->state);
        }
        ScriptedHost& host = *hostHolder;
        CFudaDashi& view = *viewHolder;
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

    result.matches = hostHolder->matchesStarted();
    result.games = hostHolder->gamesPlayed();
    result.battles = hostHolder->battlesDealt();
    result.results = hostHolder->results();
    return result;
}

}  // namespace tesseran::sim
