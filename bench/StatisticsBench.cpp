// SPDX-License-Identifier: MIT
// The statistics window over a chronicle of 5,000 simulated matches: from
// nothing to every page shown once, as a player opening it would wait for
// it. The chronicle is made once and kept in the temporary folder for later
// runs (making it records 5,000 matches, one transaction each).
#include "chronicle/ChronicleDatabase.h"
#include "sim/Simulation.h"
#include "statistics/StatisticsWindow.h"

#include <QApplication>
#include <QDir>
#include <QTabWidget>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>

namespace {

using namespace tesseran;

constexpr int Matches = 5000;

std::unique_ptr<ChronicleDatabase> ChronicleOfManyMatches() {
    const QString path =
        QDir(QDir::tempPath()).filePath(QStringLiteral("tesseran-bench-chronicle-%1.sqlite").arg(Matches));
    auto opening = ChronicleDatabase::Open(path);
    if (!opening.database) return nullptr;
    const int recorded = opening.database->ReadTotals().matches;
    if (recorded < Matches) {
        std::fprintf(stderr, "recording %d simulated matches in %s...\n", Matches - recorded,
                     qPrintable(path));
        sim::SimulationOptions options;
        options.matches = Matches;
        options.chronicle = opening.database.get();
        sim::RunSimulation(options, nullptr);
    }
    return std::move(opening.database);
}

void OpenStatisticsWindow(benchmark::State& state) {
    static const std::unique_ptr<ChronicleDatabase> chronicle = ChronicleOfManyMatches();
    if (!chronicle || chronicle->ReadTotals().matches < Matches) {
        state.SkipWithError("no chronicle of 5,000 matches");
        return;
    }
    for (auto _ : state) {
        StatisticsWindow window(*chronicle, 0, 1);
        window.show();
        for (int page = 0; page < window.pages()->count(); ++page) {
            window.pages()->setCurrentIndex(page);
            window.repaint();
            QApplication::processEvents();
        }
        benchmark::DoNotOptimize(window.scoreBoardShown());
    }
}

}  // namespace

BENCHMARK(OpenStatisticsWindow)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
