// SPDX-License-Identifier: MIT
// The player's clicks on the conquest window: which clicks pick a province,
// the two refusals, a take on both maps and in the store, and the end of
// conquest when too little koku is left.
#include "KunitoriFixture.h"
#include "base/ResourceIds.h"
#include "resources/Language.h"

namespace tesseran::testing {
namespace {

// Entry 0 starts with 津軽 (1); 秋田 (6, 30 koku) lies next to it, and after it
// 最上 (7, 33 koku) is the cheapest province in reach.
constexpr int Tsugaru = 1;
constexpr int Akita = 6;
constexpr int Ezo = 0;
constexpr int Oumi = 13;

TEST_F(KunitoriTest, OnlyAClickInsideTheLabelBoxTakesTheProvince) {
    SetBalance(store, 0, 100);
    OpenWindow();
    window->ToggleZoom();
    const QPoint corner = LabelCorner(Akita);

    ClickMapPoint(corner + QPoint(LabelWidth, 0));   // one pixel right of the box
    ClickMapPoint(corner + QPoint(0, LabelHeight));  // one pixel below it
    ClickMapPoint(corner + QPoint(-1, 5));
    EXPECT_EQ(OwnerOf(store, Akita), Unowned);
    EXPECT_EQ(BalanceOf(store, 0), 100);
    EXPECT_TRUE(host.messages.empty());
    EXPECT_TRUE(sounds.empty());

    store.log.clear();
    ClickMapPoint(corner + QPoint(LabelWidth - 1, LabelHeight - 1));
    // Owner and payment are committed together.
    EXPECT_EQ(store.log, (std::vector<std::string>{"Owner/Kuni6=0", "Entry/Entry0=70", "sync"}));
    EXPECT_EQ(OwnerOf(store, Akita), 0);
    EXPECT_EQ(BalanceOf(store, 0), 70);
    EXPECT_EQ(LargeMapAt(LargeSeed(Akita)), Colour(0));
    EXPECT_EQ(OverviewAt(OverviewPoint(Akita)), Colour(0));
    EXPECT_TRUE(LegendIsCurrent());
    EXPECT_EQ(sounds, std::vector<int>{wave::Card});
    EXPECT_TRUE(window->conquering());
    EXPECT_TRUE(window->windowTitle().endsWith(" ... 現在の石数: 70  ｢最上｣ が盗れます。"))
        << window->windowTitle().toStdString();

    // A province already the player's own is no take.
    ClickMapPoint(LabelCorner(Tsugaru) + QPoint(3, 3));
    EXPECT_EQ(BalanceOf(store, 0), 70);
}

TEST_F(KunitoriTest, TheOverviewAndAPoorPurseRefuseWithTheirMessages) {
    SetBalance(store, 0, 100);
    OpenWindow();
    EXPECT_TRUE(window->windowTitle().startsWith(QStringLiteral("[ ｢") + RosterNames()[0] +
                                                 QStringLiteral("｣ の国盗りモード ] ... 現在の石数: 100 ")));

    QTest::mouseClick(window.get(), Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseClick(window.get(), Qt::LeftButton, {}, QPoint(300, 300));
    ASSERT_EQ(host.messages.size(), 2u);
    EXPECT_EQ(host.messages[0].text, LoadString(30032));
    EXPECT_EQ(host.messages[0].icon, MessageIcon::Information);

    host.ClearRecords();
    window->ToggleZoom();
    ClickMapPoint(LabelCorner(Ezo) + QPoint(2, 2));   // 160 koku
    ClickMapPoint(LabelCorner(Oumi) + QPoint(2, 2));  // not next to the player's land
    ASSERT_EQ(MessageTexts(), std::vector<std::string>{LoadString(30033)});
    EXPECT_EQ(host.messages[0].icon, MessageIcon::Information);
    EXPECT_EQ(OwnerOf(store, Ezo), Unowned);
    EXPECT_EQ(OwnerOf(store, Oumi), 6);
    EXPECT_EQ(BalanceOf(store, 0), 100);
}

TEST_F(KunitoriTest, ATakeThatLeavesTooLittleEndsConquestForThisOpening) {
    SetBalance(store, 0, 40);
    RecordMessageBoxes();
    OpenWindow();
    window->ToggleZoom();
    ClickMapPoint(LabelCorner(Akita) + QPoint(2, 2));
    ASSERT_EQ(OwnerOf(store, Akita), 0);
    EXPECT_TRUE(window->windowTitle().endsWith(" ... 現在の石数: 10  石数不足で、盗れる国がありません！！"))
        << window->windowTitle().toStdString();
    EXPECT_FALSE(window->conquering());

    // Clicks do nothing now, not even the messages that would refuse them.
    ClickMapPoint(LabelCorner(Ezo) + QPoint(2, 2));
    window->ToggleZoom();
    QTest::mouseClick(window.get(), Qt::LeftButton, {}, QPoint(100, 100));
    EXPECT_TRUE(host.messages.empty());

    // Nor does the way back to the large map let a rich regular move.
    SetBalance(store, 2, 200);
    window->ToggleZoom();
    EXPECT_FALSE(window->overviewShown());
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(BalanceOf(store, 2), 200);
    EXPECT_EQ(NextTarget(store, 2), 30);
    EXPECT_EQ(OwnerOf(store, 30), Unowned);
}

// In English the window shows the maps lettered in English and picks a
// province by its English label, which is wider than the Japanese one and
// lies elsewhere: its left edge is left of the Japanese label's here.
TEST_F(KunitoriTest, InEnglishTheMapsAreLetteredInEnglishAndTheirLabelsPickTheProvince) {
    struct SpeakJapaneseAfter {
        ~SpeakJapaneseAfter() { UseLanguage(Language::Japanese); }
    } restore;
    ASSERT_TRUE(UseLanguage(Language::English));
    const ProvincePosition english = EnglishProvincePositions[Akita];
    ASSERT_LT(english.labelX, ProvincePositions[Akita].labelX);

    SetBalance(store, 0, 100);
    OpenWindow();
    const QRect title(0, 0, 560, 200);
    const QRect legend(BalanceColumnX, BalanceColumnY, BalanceColumnWidth, BalanceColumnHeight);
    EXPECT_EQ(window->maps().largeMap().copy(title),
              LoadMapBitmap(bitmap::LargeMap, MapLettering::English).copy(title));
    EXPECT_NE(window->maps().largeMap().copy(title), LoadMapBitmap(bitmap::LargeMap).copy(title));
    EXPECT_EQ(window->maps().overview().copy(QRect(0, 0, legend.left(), legend.top())),
              LoadMapBitmap(bitmap::OverviewMap, MapLettering::English)
                  .copy(QRect(0, 0, legend.left(), legend.top())));

    window->ToggleZoom();
    ClickMapPoint(QPoint(english.labelX + 1, english.labelY + 1));
    EXPECT_EQ(OwnerOf(store, Akita), 0);
    EXPECT_EQ(BalanceOf(store, 0), 70);
    const MapPoint seed = LargeMapSeed(english);
    EXPECT_EQ(LargeMapAt(QPoint(seed.x, seed.y)), Colour(0));
    EXPECT_TRUE(window->windowTitle().contains(QStringLiteral("Mogami")))
        << window->windowTitle().toStdString();
}

}  // namespace
}  // namespace tesseran::testing
