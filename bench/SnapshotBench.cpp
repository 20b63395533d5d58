// SPDX-License-Identifier: MIT
// Saving a match in progress as the window will at every waiting point: the
// snapshot taken from the record, written to text and put on disk through
// the atomic save. It runs on the user-interface thread, so it must stay far
// below a frame.
#include "app/MatchFile.h"
#include "base/SettingsStore.h"
#include "engine/MatchSnapshot.h"
#include "players/CFudaDashi.h"
#include "tools/common/SilentHost.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace tesseran {
namespace {

// A match under way with the real computer players, a few plays into its
// first trick.
struct MatchUnderWay {
    SilentHost host;
    MemorySettingsStore settings;
    CFudaDashi view{host, settings};

    MatchUnderWay() {
        settings.WriteInt("Settei", "AutoStart", 1);
        view.StartUp();
        view.StartGame();
        for (int tick = 0; tick < 3 && view.currentSeat != HumanSeat; ++tick) view.TurnTick();
    }
};

// A tick cut off at its dialog, with the answers it had had: the largest
// snapshot the keeper takes.
TurnFlow CutOffTick() {
    return {TurnFlow::Position::InTick,
            {{HostAnswer::Kind::Message, 0, std::nullopt},
             {HostAnswer::Kind::Clock, 0, LocalTime{2026, 12, 9, 22, 15, 3}},
             {HostAnswer::Kind::Question, 1, std::nullopt}}};
}

// Written to text and read back with all its checks, as at a resume.
void SnapshotWriteAndRead(benchmark::State& state) {
    MatchUnderWay match;
    const MatchSnapshot snapshot{"bench-match", match.view, CutOffTick(), {}};
    for (auto _ : state) {
        const std::string text = WriteSnapshot(snapshot);
        benchmark::DoNotOptimize(ReadSnapshot(text));
    }
}
BENCHMARK(SnapshotWriteAndRead)->Unit(benchmark::kMicrosecond);

void SnapshotTakenAndSaved(benchmark::State& state) {
    MatchUnderWay match;
    QTemporaryDir folder;
    const MatchFile file(folder.path());
    for (auto _ : state) {
        if (!file.Save(WriteSnapshot(MatchSnapshot{"bench-match", match.view, CutOffTick(), {}})))
            state.SkipWithError("not saved");
    }
}
BENCHMARK(SnapshotTakenAndSaved)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tesseran

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
