// SPDX-License-Identifier: MIT
// Benchmarks of the game core: whole simulated matches per second on one core,
// and the cost of one follow decision in a mid-battle position.
#include "base/SettingsStore.h"
#include "bench/SilentHost.h"
#include "players/CFudaDashi.h"
#include "sim/Simulation.h"

#include <benchmark/benchmark.h>

namespace {

using namespace tesseran;

void WholeMatches(benchmark::State& state) {
    int start = 0;
    long matches = 0;
    for (auto _ : state) {
        sim::SimulationOptions options;
        options.matches = 10;
        options.startSecond = start;
        start = (start + 7919) % 86400;
        auto result = sim::RunSimulation(options, nullptr);
        benchmark::DoNotOptimize(result.games);
        matches += result.matches;
    }
    state.counters["matches/s"] =
        benchmark::Counter(static_cast<double>(matches), benchmark::Counter::kIsRate);
}
BENCHMARK(WholeMatches)->Unit(benchmark::kMillisecond);

using bench::SilentHost;

void OneFollowDecision(benchmark::State& state) {
    SilentHost host;
    MemorySettingsStore settings;
    CFudaDashi view(host, settings);
    // Battle 2, trick 4: seat 1 follows a diamond lead with the enemy ahead.
    view.battleNo = 2;
    view.trump = Hearts;
    view.relation = {1, 0, 0, 2};
    view.relationKnown = 1;
    view.participantAt = {0, 1, 2, 3};
    view.handCount = {7, 7, 7, 7};
    view.hand[0] = {2, 5, 13, 19, 25, 29, 41};
    view.hand[1] = {0, 3, 14, 16, 27, 30, 38};
    view.hand[2] = {6, 9, 15, 24, 31, 36, 42};
    view.hand[3] = {4, 12, 17, 23, 28, 32, 40};
    view.trick = {20, NoCard, NoCard, NoCard};
    view.leader = 0;
    view.currentSeat = 1;
    view.requestedSuit = Diamonds;
    view.relatedToGo = 5;
    view.unrelatedToGo = 6;
    for (auto _ : state) benchmark::DoNotOptimize(view.ChooseFollowCard());
}
BENCHMARK(OneFollowDecision);

}  // namespace

BENCHMARK_MAIN();
