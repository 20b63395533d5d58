// SPDX-License-Identifier: MIT
#include "sim/Simulation.h"

#include "base/SettingsStore.h"
#include "engine/Invariants.h"
#include "engine/MatchKeeper.h"
#include "engine/MatchSnapshot.h"
#include "engine/Random.h"
#include "players/CFudaDashi.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tesseran::sim {

namespace {

// A match takes a few hundred steps; a run far beyond this is stuck.
constexpr long StepsPerMatchLimit = 100000;
// Interruptions fall among this many of a match's first snapshots (a match
// keeps some three to four hundred).
constexpr std::uint32_t InterruptSpan = 400;

bool HumanIsWaited(const CFudaDashi& view) {
    return view.currentSeat == HumanSeat && view.busy == 1 && view.HumanMayPlay();
}

// Thrown where the program is to stop: the engine is left in mid-call, as a
// crash would leave it.
struct Interruption {};

// Keeps the latest snapshot of a match as text, and interrupts the match at
// chosen snapshots, counted from the match's start.
class InterruptingSink : public SnapshotSink {
public:
    InterruptingSink(int interrupts, int startSecond)
        : interrupts_(interrupts), picker_(static_cast<std::uint32_t>(startSecond) * 2654435761u + 17u) {}

    std::string NewMatchId() override {
        matchNo_ += 1;
        kept_ = 0;
        points_.clear();
        for (int i = 0; i < interrupts_; ++i)
            points_.push_back(1 +
                              static_cast<long>(static_cast<std::uint32_t>(picker_.Draw()) % InterruptSpan));
        return "sim-" + std::to_string(matchNo_);
    }
    void Keep(const MatchSnapshot& snapshot) override {
        text_ = WriteSnapshot(snapshot);
        kept_ += 1;
        if (std::find(points_.begin(), points_.end(), kept_) != points_.end()) throw Interruption{};
    }
    void Discard() override { text_.clear(); }

    const std::string& text() const { return text_; }

private:
    int interrupts_;
    Lcg picker_;
    int matchNo_ = 0;
    long kept_ = 0;
    std::vector<long> points_;
    std::string text_;
};

// Counts each reason a computer gives for a decision.
class ReasonCounter : public computer::ReasonListener {
public:
    explicit ReasonCounter(SimulationResult& result) : result_(result) {}
    void Decided(computer::Decision, int, const computer::Why& why) override {
        const auto reason = static_cast<std::size_t>(why.reason);
        result_.reasons[reason] += 1;
        result_.reasonExamples[reason] = why;
    }

private:
    SimulationResult& result_;
};

// The engine and its world, as one run of the program has them.
struct Program {
    std::unique_ptr<ScriptedHost> host;
    std::unique_ptr<MatchKeeper> keeper;  // only while matches are interrupted
    std::unique_ptr<CFudaDashi> view;

    Program(std::unique_ptr<ScriptedHost> scripted, SettingsStore& settings, InterruptingSink* sink,
            const SimulationOptions& options, SeatThreePlayer& seatThree)
        : host(std::move(scripted)) {
        Host* engineHost = host.get();
        if (sink != nullptr) {
            keeper = std::make_unique<MatchKeeper>(*host, *sink);
            engineHost = keeper.get();
        }
        view = std::make_unique<CFudaDashi>(*engineHost, settings);
        if (keeper) keeper->Attach(*view);
        host->Observe(*view);
        if (options.strongOpponents) view->SetStrength(Strength::Strong);
        seatThree.Attach(*view);
        if (options.seatThree != SeatThreePolicy::Scripted) host->AnswerWith(&seatThree);
    }
    void Tick() {
        if (keeper) {
            keeper->Tick();
        } else {
            view->TurnTick();
        }
    }
};

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

    std::optional<InterruptingSink> sink;
    if (options.interrupts > 0) sink.emplace(options.interrupts, options.startSecond);
    SeatThreePlayer seatThree(options.seatThree);
    // The recorder outlives the programs an interruption replaces, as a
    // database outlives a crash.
    std::optional<ChronicleRecorder> recorder;
    if (options.chronicle != nullptr) recorder.emplace(*options.chronicle);
    auto program =
        std::make_unique<Program>(std::make_unique<ScriptedHost>(options.startSecond, options.matches, trace),
                                  settings, sink ? &*sink : nullptr, options, seatThree);

    if (recorder) program->host->RecordInto(&*recorder);

    SimulationResult result;
    ReasonCounter reasons(result);
    if (options.countReasons) program->view->ReportReasonsTo(&reasons);
    program->view->StartUp();
    program->view->OnStartUpTimer();

    const long stepLimit = StepsPerMatchLimit * (options.matches + 1L);
    for (long step = 0; !program->host->closed(); ++step) {
        ScriptedHost& host = *program->host;
        CFudaDashi& view = *program->view;
        if (step > stepLimit) {
            result.violation = "the match makes no progress (phase " + std::to_string(view.phase) +
                               ", seat " + std::to_string(view.currentSeat) + ", busy " +
                               std::to_string(view.busy) + ")";
            break;
        }
        try {
            if (HumanIsWaited(view)) {
                seatThree.PlayTurn();
            } else if (host.timerRunning()) {
                program->Tick();
            } else {
                result.violation = "the turn timer is not running";
                break;
            }
        } catch (const Interruption&) {
            // The program stops here; a new one starts from the snapshot's
            // text alone, beside the simulator's own clock and counts.
            auto carried = std::make_unique<ScriptedHost>(host);
            program.reset();
            program = std::make_unique<Program>(std::move(carried), settings, &*sink, options, seatThree);
            if (recorder) program->host->RecordInto(&*recorder);
            if (options.countReasons) program->view->ReportReasonsTo(&reasons);
            const SnapshotReading reading = ReadSnapshot(sink->text());
            if (!reading.snapshot) {
                result.violation = "a snapshot could not be read back: " + reading.error;
                break;
            }
            program->keeper->Resume(*reading.snapshot);
            continue;
        }
        if (options.check && !host.closed() && view.phase >= 1) {
            if (auto violation = CheckInvariants(view)) {
                result.violation = "game " + std::to_string(view.gameNo) + ", battle " +
                                   std::to_string(view.battleNo) + ": " + *violation;
                break;
            }
        }
    }

    const ScriptedHost& host = *program->host;
    result.matches = host.matchesStarted();
    result.games = host.gamesPlayed();
    result.battles = host.battlesDealt();
    result.results = host.results();
    result.seatThree = host.seatThree();
    if (recorder) result.recorded = recorder->matchesRecorded();
    return result;
}

}  // namespace tesseran::sim
