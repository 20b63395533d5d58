// SPDX-License-Identifier: MIT
// What the conquest window's tests share: a fresh campaign in memory, a
// recording host, the window shown offscreen, clicks on the large map by map
// point, and a recorder that answers the regulars' captioned message boxes.
#pragma once

#include "base/ResourceIds.h"
#include "base/StringTable.h"
#include "campaign/Campaign.h"
#include "campaign/map/MapBitmaps.h"
#include "campaign/map/ProvincePositions.h"
#include "conquest/CKunitori.h"
#include "support/RecordingStore.h"
#include "support/TestHost.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <memory>
#include <string>
#include <vector>

namespace tesseran::testing {

// A province's label corner on the large map.
inline QPoint LabelCorner(int province) {
    return {ProvincePositions[province].labelX, ProvincePositions[province].labelY};
}

inline QPoint LargeSeed(int province) {
    const MapPoint seed = LargeMapSeed(ProvincePositions[province]);
    return {seed.x, seed.y};
}

inline QPoint OverviewPoint(int province) {
    const MapPoint seed = OverviewSeed(ProvincePositions[province]);
    return {seed.x, seed.y};
}

inline std::array<QString, EntryCount> RosterNames() {
    std::array<QString, EntryCount> names;
    for (int entry = 0; entry < EntryCount; ++entry) names[entry] = QString::fromStdString(RosterName(entry));
    return names;
}

class KunitoriTest : public ::testing::Test {
protected:
    struct Box {
        QString caption;
        QString text;
        QPoint scroll;  // the large map's scroll position while the box was up
        QRect frame;    // the box on the screen
    };

    void SetUp() override { ResetCampaign(store, nullptr); }

    void TearDown() override {
        if (window) window->close();
        window.reset();
        if (recorder) recorder->stop();
    }

    CKunitori& OpenWindow(int humanEntry = 0) {
        window = std::make_unique<CKunitori>(store, host, host, humanEntry, RosterNames(),
                                             [this](int waveId) { sounds.push_back(waveId); });
        EXPECT_TRUE(window->Open());
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        return *window;
    }

    // Answers every QMessageBox the window opens itself, recording caption and text.
    void RecordMessageBoxes() {
        recorder = std::make_unique<QTimer>();
        recorder->setInterval(2);
        QObject::connect(recorder.get(), &QTimer::timeout, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr || !box->isVisible()) return;
            boxes.push_back({box->windowTitle(), box->text(), window ? window->scrollPosition() : QPoint(),
                             box->frameGeometry()});
            box->done(QMessageBox::Ok);
        });
        recorder->start();
    }

    // Scrolls the large map so that the map point is in view and clicks it.
    void ClickMapPoint(QPoint mapPoint) {
        ASSERT_FALSE(window->overviewShown());
        window->horizontalBar()->setValue(std::max(0, mapPoint.x() - 200));
        window->verticalBar()->setValue(std::max(0, mapPoint.y() - 200));
        const QPoint client = mapPoint - window->scrollPosition() + QPoint(2, 2);
        QTest::mouseClick(window.get(), Qt::LeftButton, {}, client);
    }

    QRgb LargeMapAt(QPoint point) const { return window->maps().largeMap().pixel(point) & 0xffffffu; }
    QRgb OverviewAt(QPoint point) const { return window->maps().overview().pixel(point) & 0xffffffu; }
    // The colour at a point of the plain pictures, before any province was coloured.
    static QRgb PlainLargeMapAt(QPoint point) {
        return LoadMapBitmap(bitmap::LargeMap).pixel(point) & 0xffffffu;
    }
    static QRgb PlainOverviewAt(QPoint point) {
        return LoadMapBitmap(bitmap::OverviewMap).pixel(point) & 0xffffffu;
    }
    static QRgb Colour(int entry) { return KunitoriMaps::ColourOf(entry) & 0xffffffu; }

    // Whether the window's legend shows every entry's koku as the store holds it.
    bool LegendIsCurrent() {
        KunitoriMaps fresh([](int bitmap) { return LoadMapBitmap(bitmap); });
        if (!fresh.Load()) return false;
        fresh.DrawLegend(store);
        const QRect legend(BalanceColumnX, BalanceColumnY, BalanceColumnWidth, BalanceColumnHeight);
        return window->maps().overview().copy(legend) == fresh.overview().copy(legend);
    }

    std::vector<std::string> MessageTexts() const {
        std::vector<std::string> texts;
        for (const auto& shown : host.messages) texts.push_back(shown.text);
        return texts;
    }

    RecordingStore store;
    TestHost host;
    std::vector<int> sounds;
    std::unique_ptr<CKunitori> window;
    std::unique_ptr<QTimer> recorder;
    std::vector<Box> boxes;
};

}  // namespace tesseran::testing
