// SPDX-License-Identifier: MIT
// The regulars' moves on switching to the large map, a regular's unification
// and the player's, which both end in a fresh campaign.
#include "KunitoriFixture.h"
#include "base/ResourceIds.h"

#include <QImage>
#include <QTemporaryDir>

#include <vector>

namespace tesseran::testing {
namespace {

// Regular 2 starts with 三河 (31): 遠江 (30, 51 koku) is its cheapest province
// in reach, then 駿河 (29, 30 koku).
constexpr int Mikawa = 31;
constexpr int Totomi = 30;

// A chronicle that keeps what it hears.
struct HeardChronicle : CampaignChronicle {
    std::vector<TakeRecord> takes;
    std::vector<int> unifications;
    bool RecordTake(const TakeRecord& take) override {
        takes.push_back(take);
        return true;
    }
    bool RecordUnification(int entry) override {
        unifications.push_back(entry);
        return true;
    }
};
constexpr int Suruga = 29;

TEST_F(KunitoriTest, RegularsMoveOnEverySwitchToTheLargeMap) {
    SetBalance(store, 2, 51);
    RecordMessageBoxes();
    OpenWindow();

    window->ToggleZoom();
    const QString caption = QStringLiteral("レギュラー ｢") + RosterNames()[2] + QStringLiteral("｣ の国盗り");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, caption);
    EXPECT_EQ(boxes[0].text, QStringLiteral(" ｢遠江｣ を盗ります。\n    (残り : 0)"));
    EXPECT_EQ(OwnerOf(store, Totomi), 2);
    EXPECT_EQ(BalanceOf(store, 2), 0);
    EXPECT_EQ(LargeMapAt(LargeSeed(Totomi)), Colour(2));
    EXPECT_EQ(OverviewAt(OverviewPoint(Totomi)), Colour(2));

    // Without koku the next switch shows nothing; with it the regular moves again.
    window->ToggleZoom();
    window->ToggleZoom();
    EXPECT_EQ(boxes.size(), 1u);
    SetBalance(store, 2, 35);
    window->ToggleZoom();
    window->ToggleZoom();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[1].text, QStringLiteral(" ｢駿河｣ を盗ります。\n    (残り : 5)"));
    EXPECT_EQ(OwnerOf(store, Suruga), 2);
    EXPECT_EQ(LargeMapAt(LargeSeed(Suruga)), Colour(2));
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(KunitoriTest, ARegularsTakeIsScrolledIntoViewBesideItsBoxAndTheLegendFollows) {
    SetBalance(store, 2, 51);
    RecordMessageBoxes();
    OpenWindow();
    HeardChronicle chronicle;
    window->chronicle = &chronicle;
    const int previousOwner = OwnerOf(store, Totomi);
    window->ToggleZoom();
    ASSERT_EQ(boxes.size(), 1u);
    // The chronicle heard of the take, its price and whom it was taken from.
    ASSERT_EQ(chronicle.takes.size(), 1u);
    EXPECT_EQ(chronicle.takes[0].entry, 2);
    EXPECT_EQ(chronicle.takes[0].province, Totomi);
    EXPECT_EQ(chronicle.takes[0].price, ProvincePrice(Totomi));
    EXPECT_EQ(chronicle.takes[0].previousOwner, previousOwner);
    EXPECT_EQ(chronicle.takes[0].balanceAfter, 51 - ProvincePrice(Totomi));
    // While the box was up, 遠江's label stood inside the window and outside the box.
    const QPoint labelInWindow = LabelCorner(Totomi) - boxes[0].scroll + QPoint(2, 2);
    const QRect label(labelInWindow, QSize(LabelWidth, LabelHeight));
    EXPECT_TRUE(QRect(QPoint(0, 0), window->size()).contains(label))
        << labelInWindow.x() << "," << labelInWindow.y();
    EXPECT_FALSE(boxes[0].frame.intersects(QRect(window->mapToGlobal(labelInWindow), label.size())));
    // The box belongs to the conquest window.
    EXPECT_TRUE(window->frameGeometry().intersects(boxes[0].frame));
    EXPECT_TRUE(LegendIsCurrent());
}

TEST_F(KunitoriTest, ARegularsUnificationResetsTheCampaign) {
    for (int province = 0; province < ProvinceCount; ++province) SetOwner(store, province, 2);
    SetBalance(store, 2, 500);
    OpenWindow();
    EXPECT_EQ(OverviewAt(OverviewPoint(0)), Colour(2));
    HeardChronicle chronicle;
    window->chronicle = &chronicle;

    window->ToggleZoom();
    EXPECT_EQ(chronicle.unifications, std::vector<int>{2});
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, (RosterNames()[2] + "が\n").toStdString() + LoadString(30014));
    EXPECT_EQ(host.messages[0].icon, MessageIcon::Information);
    EXPECT_EQ(OwnerOf(store, 0), Unowned);
    EXPECT_EQ(OwnerOf(store, Mikawa), 2);
    EXPECT_EQ(BalanceOf(store, 2), 0);
    EXPECT_EQ(store.ReadInt("Kunitori", "INIT", 1), 0);
    EXPECT_TRUE(window->windowTitle().endsWith(" ... 初期設定に戻りました。"));
    EXPECT_FALSE(window->conquering());
    // The maps show the fresh campaign: unowned land blank, home provinces coloured.
    EXPECT_NE(PlainOverviewAt(OverviewPoint(0)), Colour(2));
    EXPECT_EQ(OverviewAt(OverviewPoint(0)), PlainOverviewAt(OverviewPoint(0)));
    EXPECT_EQ(LargeMapAt(LargeSeed(0)), PlainLargeMapAt(LargeSeed(0)));
    EXPECT_EQ(LargeMapAt(LargeSeed(Mikawa)), Colour(2));
    EXPECT_EQ(OverviewAt(OverviewPoint(13)), Colour(6));
}

TEST_F(KunitoriTest, ThePlayersUnificationShowsTheBannerOffersTheMapAndStartsAfresh) {
    // Entry 0 owns everything but 秋田 (6).
    for (int province = 0; province < ProvinceCount; ++province) SetOwner(store, province, 0);
    SetOwner(store, 6, Unowned);
    SetBalance(store, 0, 100);
    QTemporaryDir folder;
    const QString path = folder.filePath("unified.png");
    host.answers = {true, false};  // save it; do not show the folder
    OpenWindow();
    window->chooseSaveFile = [&](QWidget*, const QString&, const QString&, const QString&) { return path; };
    window->ToggleZoom();
    ClickMapPoint(LabelCorner(6) + QPoint(2, 2));

    EXPECT_EQ(sounds, (std::vector<int>{wave::Card, wave::Unification}));
    EXPECT_TRUE(window->isMaximized());
    EXPECT_EQ(host.pauses, 1);
    ASSERT_EQ(host.questions.size(), 2u);
    EXPECT_EQ(host.questions[0], LoadString(30034));
    EXPECT_EQ(host.questions[1], LoadString(30069));

    // The saved map: every province in the player's colour around the banner,
    // the inverted banner in the middle and the date line below it.
    const QImage saved(path);
    ASSERT_EQ(saved.size(), QSize(LargeMapWidth, LargeMapHeight));
    const QRect banner((LargeMapWidth - 1260) / 2, (LargeMapHeight - 300) / 2 + 120, 1260, 300);
    int outside = 0;
    for (int province = 0; province < ProvinceCount; ++province) {
        if (banner.adjusted(0, 0, 0, 60).contains(LargeSeed(province))) continue;
        ++outside;
        EXPECT_EQ(saved.pixel(LargeSeed(province)) & 0xffffffu, Colour(0)) << province;
    }
    EXPECT_GT(outside, 20);
    int bannerInk = 0;
    for (int y = banner.top(); y <= banner.bottom(); y += 3) {
        for (int x = banner.left(); x <= banner.right(); x += 3) {
            const QRgb pixel = saved.pixel(x, y) & 0xffffffu;
            if (pixel != Colour(0) && pixel != 0) ++bannerInk;
        }
    }
    EXPECT_GT(bannerInk, 500);
    int dateInk = 0;
    for (int y = KunitoriMaps::DateLineTop; y < KunitoriMaps::DateLineTop + 40; ++y) {
        for (int x = 900; x <= KunitoriMaps::DateLineRight + 2; ++x) {
            if ((saved.pixel(x, y) & 0xffffffu) == (KunitoriMaps::DateLineColour & 0xffffffu)) ++dateInk;
        }
    }
    EXPECT_GT(dateInk, 100);
    for (int x = KunitoriMaps::DateLineRight + 3; x < KunitoriMaps::DateLineRight + 40; ++x) {
        EXPECT_NE(saved.pixel(x, KunitoriMaps::DateLineTop + 12) & 0xffffffu,
                  KunitoriMaps::DateLineColour & 0xffffffu);
    }

    // And the campaign starts over, on the plain map.
    EXPECT_EQ(OwnerOf(store, 6), Unowned);
    EXPECT_EQ(OwnerOf(store, 0), Unowned);
    EXPECT_EQ(OwnerOf(store, 1), 0);
    EXPECT_EQ(BalanceOf(store, 0), 0);
    EXPECT_EQ(store.ReadInt("Kunitori", "INIT", 1), 0);
    EXPECT_FALSE(window->conquering());
    EXPECT_TRUE(window->windowTitle().endsWith(" ... 初期設定に戻りました。"));
    EXPECT_EQ(LargeMapAt(LargeSeed(6)), PlainLargeMapAt(LargeSeed(6)));
    EXPECT_EQ(LargeMapAt(LargeSeed(0)), PlainLargeMapAt(LargeSeed(0)));
    EXPECT_EQ(LargeMapAt(LargeSeed(1)), Colour(0));
    EXPECT_EQ(OverviewAt(OverviewPoint(6)), PlainOverviewAt(OverviewPoint(6)));
    EXPECT_EQ(OverviewAt(OverviewPoint(0)), PlainOverviewAt(OverviewPoint(0)));
}

}  // namespace
}  // namespace tesseran::testing
