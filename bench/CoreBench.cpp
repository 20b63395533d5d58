// SPDX-License-Identifier: MIT
// Benchmarks of the game core: whole simulated matches per second on one core,
// the cost of one follow decision of the rules in a mid-battle position, and
// the search player's decisions at its default sample count.
#include "base/SettingsStore.h"
#include "bench/SilentHost.h"
#include "common/ScriptedHuman.h"
#include "common/VirtualClockHost.h"
#include "players/CFudaDashi.h"
#include "players/search/SearchPlayer.h"
#include "sim/Simulation.h"

#include <vector>

#include <benchmark/benchmark.h>

#include <algorithm>

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

// The computer seats' decisions of two played matches, as the search player
// meets them, and apart from them the show cards a computer chose.
class RecordingView : public CFudaDashi {
public:
    using CFudaDashi::CFudaDashi;
    std::vector<GameState> positions;
    std::vector<GameState> shows;
    void ChooseShowCards(int seat) override {
        shows.push_back(*this);
        CFudaDashi::ChooseShowCards(seat);
    }
    int ChooseLeadCard() override {
        positions.push_back(*this);
        return CFudaDashi::ChooseLeadCard();
    }
    int ChooseFollowCard() override {
        positions.push_back(*this);
        return CFudaDashi::ChooseFollowCard();
    }
};

std::vector<GameState> DecisionsOfPlayedMatches(std::vector<GameState>* shows = nullptr) {
    VirtualClockHost host(8 * 3600);
    MemorySettingsStore settings;
    settings.Write(setting::AutoStart, 1);
    RecordingView view(host, settings);
    view.StartUp();
    view.StartGame();
    for (int step = 0; step < 20000 && view.gameNo <= 10 && view.phase >= 1; ++step) {
        if (view.IsHumanTurn() && view.busy == 1 && view.HumanMayPlay()) {
            PlayScriptedHumanTurn(view);
        } else {
            view.TurnTick();
        }
    }
    if (shows != nullptr) *shows = view.shows;
    return view.positions;
}

// Every decision of a whole match in turn: the mean cost of a decision.
void SearchDecision(benchmark::State& state) {
    const std::vector<GameState> positions = DecisionsOfPlayedMatches();
    std::size_t next = 0;
    for (auto _ : state) {
        const GameState& position = positions[next++ % positions.size()];
        benchmark::DoNotOptimize(search::AdviseCard(position, position.currentSeat).moves.size());
    }
}
BENCHMARK(SearchDecision)->Unit(benchmark::kMillisecond);

// The dearest decision there is: a battle's first lead with ten cards, each
// candidate played out over whole battles.
void SearchFirstLeadOfABattle(benchmark::State& state) {
    std::vector<GameState> positions = DecisionsOfPlayedMatches();
    const auto dearest = std::find_if(positions.begin(), positions.end(), [](const GameState& position) {
        return position.battleNo >= 2 && position.handCount[position.currentSeat] == HandSize &&
               position.leader == position.currentSeat;
    });
    if (dearest == positions.end()) {
        state.SkipWithError("no battle began with a computer's lead");
        return;
    }
    for (auto _ : state) benchmark::DoNotOptimize(search::AdviseCard(*dearest, dearest->currentSeat).worlds);
}
BENCHMARK(SearchFirstLeadOfABattle)->Unit(benchmark::kMillisecond);

// The two cards a computer shows the human before battle 2 or 3, each of its
// show card choices in the match in turn.
void SearchShowCards(benchmark::State& state) {
    std::vector<GameState> shows;
    DecisionsOfPlayedMatches(&shows);
    if (shows.empty()) {
        state.SkipWithError("no computer showed the human its cards");
        return;
    }
    std::size_t next = 0;
    for (auto _ : state) {
        const GameState& position = shows[next++ % shows.size()];
        benchmark::DoNotOptimize(search::AdviseShowCards(position, position.showSeat).worlds);
    }
    state.counters["positions"] = static_cast<double>(shows.size());
}
BENCHMARK(SearchShowCards)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
