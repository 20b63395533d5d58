// SPDX-License-Identifier: MIT
// The window's frame around the maps: the koku column of the legend, saving
// the large map, the scroll bars, the placement keys and a failed opening.
#include "KunitoriFixture.h"
#include "base/ResourceIds.h"

#include "campaign/map/MapBitmaps.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QTemporaryDir>

#include <utility>

namespace tesseran::testing {
namespace {

// The koku column's row of an entry, as the legend shows it.
QImage BalanceRow(const QImage& overview, int entry) {
    return overview.copy(BalanceColumnX, BalanceColumnY + BalanceRowHeight * entry, BalanceColumnWidth,
                         BalanceRowHeight);
}

// The same row with the text drawn on white in the column's font.
QImage ExpectedRow(const QString& text) {
    QImage row(BalanceColumnWidth, BalanceRowHeight, QImage::Format_RGB32);
    row.fill(Qt::white);
    QPainter painter(&row);
    painter.setFont(KunitoriMaps::BalanceFont());
    painter.setPen(Qt::black);
    const QPoint corner = KunitoriMaps::BalanceTextCorner(0) - QPoint(BalanceColumnX, BalanceColumnY);
    painter.drawText(corner.x(), corner.y() + QFontMetrics(KunitoriMaps::BalanceFont()).ascent(), text);
    return row;
}

bool Blank(const QImage& row) {
    for (int y = 0; y < row.height(); ++y) {
        for (int x = 0; x < row.width(); ++x) {
            if ((row.pixel(x, y) & 0xffffffu) != 0xffffffu) return false;
        }
    }
    return true;
}

TEST(KunitoriMapsTest, TheLegendWritesBalancesWithACommaAndNothingFromTenThousand) {
    EXPECT_EQ(KunitoriMaps::BalanceText(0), QStringLiteral("    0"));
    EXPECT_EQ(KunitoriMaps::BalanceText(999), QStringLiteral("  999"));
    EXPECT_EQ(KunitoriMaps::BalanceText(1000), QStringLiteral("1,000"));
    EXPECT_EQ(KunitoriMaps::BalanceText(9999), QStringLiteral("9,999"));
    EXPECT_EQ(KunitoriMaps::BalanceText(10000), std::nullopt);
    EXPECT_EQ(KunitoriMaps::BalanceText(-42), QStringLiteral("  -42"));
    EXPECT_EQ(KunitoriMaps::BalanceText(-123456), QStringLiteral("23456"));  // the right five

    MemorySettingsStore store;
    ResetCampaign(store, nullptr);
    const std::array<int, EntryCount> balances = {999, 1000, 9999, 10000, 0, 42, 123456, 7, 5000, 1};
    for (int entry = 0; entry < EntryCount; ++entry) SetBalance(store, entry, balances[entry]);
    KunitoriMaps maps([](int bitmap) { return LoadMapBitmap(bitmap); });
    ASSERT_TRUE(maps.Load());
    maps.ColourFromStore(store);

    EXPECT_EQ(BalanceRow(maps.overview(), 0), ExpectedRow("  999"));
    EXPECT_EQ(BalanceRow(maps.overview(), 1), ExpectedRow("1,000"));
    EXPECT_EQ(BalanceRow(maps.overview(), 2), ExpectedRow("9,999"));
    EXPECT_NE(BalanceRow(maps.overview(), 2), ExpectedRow(" 9999"));
    EXPECT_TRUE(Blank(BalanceRow(maps.overview(), 3)));
    EXPECT_TRUE(Blank(BalanceRow(maps.overview(), 6)));
    EXPECT_FALSE(Blank(BalanceRow(maps.overview(), 4)));

    // A second colouring replaces the numbers rather than writing over them.
    SetBalance(store, 0, 10000);
    maps.ColourFromStore(store);
    EXPECT_TRUE(Blank(BalanceRow(maps.overview(), 0)));
}

TEST_F(KunitoriTest, TheLargeMapIsSavedInEveryFormatAtFullSize) {
    QTemporaryDir folder;
    OpenWindow();
    std::vector<QString> titles;
    QString chosen;
    window->chooseSaveFile = [&](QWidget*, const QString& title, const QString& initialName,
                                 const QString& filter) {
        titles.push_back(title + "|" + initialName + "|" + filter);
        return chosen;
    };
    host.defaultAnswer = false;  // never open a file manager
    for (const char* extension : {"jpeg", "gif", "bmp", "png", "TIFF"}) {
        chosen = folder.filePath(QStringLiteral("map.") + extension);
        window->SaveImage();
        const QImage back(chosen);
        EXPECT_EQ(back.size(), QSize(LargeMapWidth, LargeMapHeight)) << extension;
    }
    ASSERT_EQ(titles.size(), 5u);
    EXPECT_EQ(
        titles[0].toStdString(),
        "保存するファイルを指定|無題|JPEGファイル(*.jpeg);;GIFファイル(*.gif);;ビットマップファイル(*.bmp);;"
        "PNGファイル(*.png);;TIFFファイル(*.tiff)");
    EXPECT_EQ(host.questions, std::vector<std::string>(5, LoadString(30069)));
    EXPECT_TRUE(host.messages.empty());

    // An existing file is kept on No.
    host.ClearRecords();
    chosen = folder.filePath("kept.png");
    QFile kept(chosen);
    ASSERT_TRUE(kept.open(QIODevice::WriteOnly));
    kept.write("mine");
    kept.close();
    window->SaveImage();
    EXPECT_EQ(host.questions, std::vector<std::string>{LoadString(30057)});
    EXPECT_EQ(QFileInfo(chosen).size(), 4);
}

TEST_F(KunitoriTest, ScrollBarsStepWithinTheMapAndOnlyForTheLargeMap) {
    OpenWindow();
    QScrollBar& across = *window->horizontalBar();
    QScrollBar& down = *window->verticalBar();
    EXPECT_FALSE(across.isEnabled());
    EXPECT_FALSE(down.isEnabled());
    window->ToggleZoom();
    ASSERT_TRUE(across.isEnabled());

    across.triggerAction(QAbstractSlider::SliderSingleStepAdd);
    across.triggerAction(QAbstractSlider::SliderPageStepAdd);
    down.triggerAction(QAbstractSlider::SliderPageStepAdd);
    down.triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(window->scrollPosition(), QPoint(60, 40));
    down.triggerAction(QAbstractSlider::SliderPageStepSub);
    EXPECT_EQ(window->scrollPosition(), QPoint(60, 0));

    const QSize client = window->size();
    across.setValue(100000);
    down.setValue(100000);
    EXPECT_EQ(window->scrollPosition(),
              QPoint(LargeMapWidth + 21 - client.width(), LargeMapHeight + 21 - client.height()));

    // A window larger than the map keeps both positions at 0.
    window->resize(LargeMapWidth + 100, LargeMapHeight + 100);
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return window->size() == QSize(LargeMapWidth + 100, LargeMapHeight + 100); }));
    EXPECT_EQ(window->scrollPosition(), QPoint(0, 0));
    EXPECT_EQ(across.maximum(), 0);
    EXPECT_EQ(window->zoomButton()->geometry(), QRect(window->width() - 42, window->height() - 17, 40, 15));
}

TEST_F(KunitoriTest, PlacementIsClampedOnOpeningAndWrittenOnClosing) {
    store.WriteInt("Last", "PX", -50);
    store.WriteInt("Last", "PY", 100000);
    store.WriteInt("Last", "SX", 600);
    store.WriteInt("Last", "SY", 560);
    OpenWindow();
    const QRect desktop = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(window->frameGeometry().topLeft(), QPoint(0, desktop.height() - 560));

    window->move(30, 40);
    window->resize(520, 550);
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return window->pos() == QPoint(30, 40) && window->size() == QSize(520, 550); }));
    window->close();
    EXPECT_EQ(store.ReadInt("Last", "Zoomed", -1), 0);
    EXPECT_EQ(store.ReadInt("Last", "PX", -1), window->frameGeometry().left());
    EXPECT_EQ(store.ReadInt("Last", "PY", -1), window->frameGeometry().top());
    EXPECT_EQ(store.ReadInt("Last", "SX", -1), window->frameGeometry().width());
    EXPECT_EQ(store.ReadInt("Last", "SY", -1), window->frameGeometry().height());
    const QSize stored(store.ReadInt("Last", "SX", -1), store.ReadInt("Last", "SY", -1));
    window.reset();

    // Maximised it opens maximised again and keeps the size to return to.
    store.WriteInt("Last", "Zoomed", 1);
    OpenWindow();
    EXPECT_TRUE(window->isMaximized());
    window->close();
    EXPECT_EQ(store.ReadInt("Last", "Zoomed", -1), 1);
    // The size to return to, not the maximised one (the platform may add
    // its frame to the client size it was given).
    EXPECT_GE(store.ReadInt("Last", "SX", -1), stored.width());
    EXPECT_LT(store.ReadInt("Last", "SX", -1), stored.width() + 20);
    EXPECT_GE(store.ReadInt("Last", "SY", -1), stored.height());
    EXPECT_LT(store.ReadInt("Last", "SY", -1), stored.height() + 30);
}

TEST_F(KunitoriTest, AnAbsurdStoredSizeOpensWithinTheDesktop) {
    const QRect desktop = QGuiApplication::primaryScreen()->availableGeometry();
    for (auto [width, height] :
         {std::pair{INT32_MIN, 99999}, std::pair{99999, INT32_MAX}, std::pair{-1, 0}}) {
        store.WriteInt("Last", "SX", width);
        store.WriteInt("Last", "SY", height);
        OpenWindow();
        // Without a main window the frame is not known before showing: the
        // window itself keeps to the desktop, and the size stored on closing
        // adds no more than the frame.
        EXPECT_LE(window->width(), desktop.width());
        EXPECT_LE(window->height(), desktop.height());
        EXPECT_GE(window->width(), window->minimumWidth());
        const int frame = window->frameGeometry().width() - window->width();
        window->close();
        EXPECT_LE(store.ReadInt("Last", "SX", -1), desktop.width() + frame);
        window.reset();
    }
}

TEST_F(KunitoriTest, MissingPicturesCloseTheWindowWithTheMemoryMessage) {
    CKunitori failing(store, host, host, 0, RosterNames(), {});
    failing.loadBitmap = [](int bitmap) {
        return bitmap == bitmap::LargeMap ? QImage() : LoadMapBitmap(bitmap);
    };
    EXPECT_FALSE(failing.Open());
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, LoadString(30001));
    EXPECT_EQ(host.messages[0].icon, MessageIcon::Stop);
}

}  // namespace
}  // namespace tesseran::testing
