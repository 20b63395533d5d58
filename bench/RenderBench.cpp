// SPDX-License-Identifier: MIT
// Benchmarks of the renderer: building the strip of fanned card backs, which
// turns 54 cards pixel by pixel and runs at start-up and after every change
// of the card back, and turning one back a quarter turn.
#include "base/SettingsStore.h"
#include "bench/SilentHost.h"
#include "render/CardBacks.h"
#include "render/CardSheet.h"

#include <QImage>

#include <benchmark/benchmark.h>

namespace {

using namespace tesseran;

using bench::SilentHost;

// A sheet whose pixels all differ, so that no shortcut over flat colour helps.
QImage SyntheticSheet() {
    QImage sheet(CardSheetMinimumWidth, CardSheetMinimumHeight, QImage::Format_RGB32);
    for (int y = 0; y < sheet.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(sheet.scanLine(y));
        for (int x = 0; x < sheet.width(); ++x) line[x] = qRgb(x & 0xff, y & 0xff, (x ^ y) & 0xff);
    }
    return sheet;
}

void BuildBackFan(benchmark::State& state) {
    const QImage sheet = SyntheticSheet();
    SilentHost host;
    MemorySettingsStore settings;
    settings.Write(setting::CardBack, 1);
    settings.Write(setting::CardFrame, static_cast<int>(state.range(0)));
    CardBacks backs(sheet, settings, host);
    for (auto _ : state) {
        if (!backs.BuildBackFan()) state.SkipWithError("the fan strip could not be built");
        benchmark::DoNotOptimize(backs.backFanStrip().constBits());
    }
}
BENCHMARK(BuildBackFan)->Arg(0)->Arg(1)->ArgName("frame")->Unit(benchmark::kMillisecond);

void MakeRotatedBack(benchmark::State& state) {
    const QImage sheet = SyntheticSheet();
    SilentHost host;
    MemorySettingsStore settings;
    CardBacks backs(sheet, settings, host);
    for (auto _ : state) {
        if (!backs.MakeRotatedBack()) state.SkipWithError("the rotated back could not be made");
        benchmark::DoNotOptimize(backs.rotatedBack().constBits());
    }
}
BENCHMARK(MakeRotatedBack)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
