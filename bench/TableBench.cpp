// SPDX-License-Identifier: MIT
// How long the table takes to draw: a repaint that redraws the table layer,
// one that only projects it again (the angle commands), and the window's
// paint stretching the back buffer to 1600 x 1200, the largest window size.
// Each should take under 4 ms on one core. The times are the process's CPU
// time, helper threads included; run with --benchmark_repetitions=9 and read
// the medians.
#include "base/SettingsStore.h"
#include "common/SilentHost.h"
#include "players/CFudaDashi.h"
#include "render/CardBacks.h"
#include "render/TableRenderer.h"
#include "resources/DataFile.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using namespace tesseran;

// Nobody at the screen, at a fixed time of day.
class QuietHost : public SilentHost {
public:
    std::optional<LocalTime> Now() override { return LocalTime{2026, 12, 8, 20, 0, 0}; }
};

// A table in the middle of a battle: hands of 7 and 6 cards, three cards of
// the trick on the table, face cards taken by every seat, a pile of 14.
struct Table {
    Table() : view(host, store) {
        sheet = DecodeCardSheetFile(QCoreApplication::applicationDirPath() + "/" + CardSheetFileName);
        if (sheet.isNull()) {
            sheet = QImage(11 * 151, 4 * 215, QImage::Format_RGB32);
            for (int y = 0; y < sheet.height(); ++y) {
                auto* line = reinterpret_cast<QRgb*>(sheet.scanLine(y));
                for (int x = 0; x < sheet.width(); ++x) line[x] = qRgb(x % 256, y % 256, (x + y) % 256);
            }
        }
        backs = std::make_unique<CardBacks>(sheet, store, host);
        backs->BuildBackFan();
        renderer = std::make_unique<TableRenderer>(view, sheet, *backs);
        renderer->CreateSurfaces(host);
        renderer->BuildFaceStrip();

        view.phase = 1;
        view.gameNo = 4;
        view.battleNo = 1;
        for (int participant = 0; participant < SeatCount; ++participant) {
            view.participantName[participant] = "player";
        }
        const int hands[SeatCount][7] = {{1, 2, 3, 12, 13, 14, 23},
                                         {4, 5, 15, 16, 24, 25, 35},
                                         {6, 17, 26, 27, 36, 37, 38},
                                         {0, 28, 39, 40, 41, 42, 43}};
        for (int seat = 0; seat < SeatCount; ++seat) {
            view.handCount[seat] = seat == 3 ? 7 : 6;
            for (int i = 0; i < 7; ++i) view.hand[seat][i] = hands[seat][i];
        }
        view.trick = {7, 8, 9, NoCard};
        view.currentSeat = 3;
        view.leader = 0;
        view.requestedSuit = Clubs;
        view.faceOwner = {0, 1, 2, 3, 0, 1, 2, 3, -1, -1, -1, -1, -1, -1, -1, -1};
        view.discardCount = 14;
        renderer->RedrawTable(TableLayer::Changed);
    }

    QuietHost host;
    MemorySettingsStore store;
    CFudaDashi view;
    QImage sheet;
    std::unique_ptr<CardBacks> backs;
    std::unique_ptr<TableRenderer> renderer;
};

Table& SharedTable() {
    static Table table;
    return table;
}

void RedrawWithLayer(benchmark::State& state) {
    Table& table = SharedTable();
    for (auto _ : state) table.renderer->RedrawTable(TableLayer::Changed);
}

void RedrawProjectionOnly(benchmark::State& state) {
    Table& table = SharedTable();
    for (auto _ : state) table.renderer->RedrawTable(TableLayer::Kept);
}

void PaintWindowAt1600(benchmark::State& state) {
    Table& table = SharedTable();
    const QSize client(1600, 1200);
    QImage window(client, QImage::Format_RGB32);
    table.renderer->SetClientSize(client);
    for (auto _ : state) {
        // Every paint after a repaint stretches the new back buffer; a paint
        // of an unchanged table would only copy the stretched picture again.
        state.PauseTiming();
        table.renderer->backBuffer.scanLine(0)[0] ^= 1;
        state.ResumeTiming();
        QPainter painter(&window);
        table.renderer->PaintWindow(painter, client);
    }
    table.renderer->SetClientSize(QSize(1200, 900));
}

BENCHMARK(RedrawWithLayer)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(RedrawProjectionOnly)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(PaintWindowAt1600)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
