// SPDX-License-Identifier: MIT
// A table to draw in tests: the concrete game view with a scripted host, a
// made-up card sheet whose every pixel tells where it came from, card backs
// built from it and the renderer over all of them.
#pragma once

#include "base/SettingsStore.h"
#include "base/StringTable.h"
#include "players/CFudaDashi.h"
#include "render/CardBacks.h"
#include "render/TableRenderer.h"
#include "support/TestHost.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <memory>

namespace tesseran::testing {

inline constexpr QRgb Purple = 0xff666699u;  // the back buffer's background

// 11 x 4 cells; a pixel's colour encodes its position, so a card copied 1:1
// can be told from a scaled or shifted one. No pixel has the fan strip's
// see-through colour (blue never exceeds 99).
inline QImage PositionCodedSheet() {
    QImage sheet(11 * 151, 4 * 215, QImage::Format_RGB32);
    for (int y = 0; y < sheet.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(sheet.scanLine(y));
        for (int x = 0; x < sheet.width(); ++x) line[x] = qRgb(x & 255, y & 255, ((x >> 8) << 4) | (y >> 8));
    }
    return sheet;
}

class TableFixture : public ::testing::Test {
protected:
    void SetUp() override { Build(); }

    void Build() {
        renderer.reset();
        ASSERT_TRUE(backs.BuildBackFan());
        renderer = std::make_unique<TableRenderer>(view, sheet, backs);
        ASSERT_TRUE(renderer->CreateSurfaces(host));
        renderer->BuildFaceStrip();
        renderer->FinishInitialising();
    }

    // A game under way: everybody seated, nobody holding cards yet.
    void StartPlaying() {
        view.phase = 1;
        view.gameNo = 4;
        view.battleNo = 2;
        view.entryNo = 3;
        for (int participant = 0; participant < SeatCount; ++participant) {
            view.participantName[participant] =
                RosterName(participant < 3 ? std::array{5, 6, 2}[participant] : 3);
        }
    }

    void GiveHand(int seat, std::initializer_list<int> cards) {
        int count = 0;
        for (int card : cards) view.hand[seat][count++] = card;
        view.handCount[seat] = count;
    }

    // The window as the paint event leaves it, at a client size.
    QImage PaintedWindow(QSize client = QSize(1200, 900)) {
        QImage window(client, QImage::Format_RGB32);
        window.fill(Qt::black);
        QPainter painter(&window);
        renderer->SetClientSize(client);
        renderer->PaintWindow(painter, client);
        return window;
    }

    TestHost host;
    MemorySettingsStore store;
    CFudaDashi view{host, store};
    QImage sheet = PositionCodedSheet();
    CardBacks backs{sheet, store, host};
    std::unique_ptr<TableRenderer> renderer;
};

// `image` drawn over a plain background, as a transparent picture is meant to look.
inline QImage Over(QRgb background, const QImage& image) {
    QImage result(image.size(), QImage::Format_RGB32);
    result.fill(background);
    QPainter painter(&result);
    painter.drawImage(0, 0, image);
    return result;
}

inline QImage Region(const QImage& image, const QRect& rect) {
    return image.copy(rect).convertToFormat(QImage::Format_RGB32);
}

}  // namespace tesseran::testing
