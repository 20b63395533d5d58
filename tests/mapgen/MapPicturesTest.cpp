// SPDX-License-Identifier: MIT
// The conquest maps as the window will use them, drawn in memory by the
// generator's own code, lettered in Japanese and in English: every province
// filled from its seed in the committed position table colours exactly its
// own area on both maps, also when its neighbours already wear the same
// colour; labels never overlap; the legend and the banner are where and what
// the window expects; and the pictures compiled into the program are these.
#include "Banner.h"
#include "Coastline.h"
#include "MapPalette.h"
#include "MapPictures.h"
#include "base/ResourceIds.h"

#include "campaign/map/FloodFill.h"
#include "campaign/map/MapBitmaps.h"
#include "campaign/map/ProvincePositions.h"

#include <QImage>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>

#ifndef TESSERAN_MAP_OUTLINE
#error "the build must say where the coastline file is"
#endif

namespace tesseran {

// How gtest names a lettering in its output.
void PrintTo(MapLettering lettering, std::ostream* out) {
    *out << (lettering == MapLettering::Japanese ? "Japanese" : "English");
}

namespace {

using mapgen::DrawnAreas;
using mapgen::MapPictures;

// A colour neither picture uses.
constexpr QRgb Marker = 0xFF123456u;

QRgb EntryRgb(int entry) {
    const EntryColour colour = ColourOfEntry(entry);
    return qRgb(colour.red, colour.green, colour.blue);
}

// How a fill went: how many pixels it took, how many of them belong to the
// province's own area, and what else it touched.
struct FillOutcome {
    int filled = 0;
    int own = 0;
    int sea = 0;
    int labels = 0;
    int others = 0;
};

FillOutcome Compare(const QImage& before, const QImage& after, const DrawnAreas& areas, int province) {
    FillOutcome outcome;
    for (int y = 0; y < after.height(); ++y) {
        for (int x = 0; x < after.width(); ++x) {
            if (after.pixel(x, y) == before.pixel(x, y)) continue;
            ++outcome.filled;
            const int area = areas.At(x, y);
            if (area == province) {
                ++outcome.own;
            } else if (area == mapgen::SeaArea) {
                ++outcome.sea;
            } else if (area == mapgen::LabelArea) {
                ++outcome.labels;
            } else {
                ++outcome.others;
            }
        }
    }
    return outcome;
}

int AreaSize(const DrawnAreas& areas, int province) {
    int size = 0;
    for (const int area : areas.area) size += area == province ? 1 : 0;
    return size;
}

class MapPicturesTest : public ::testing::TestWithParam<MapLettering> {
protected:
    // Each lettering's pictures are drawn once, when a test first asks.
    static const MapPictures& Drawn(MapLettering lettering) {
        std::unique_ptr<MapPictures>& pictures = pictures_[static_cast<std::size_t>(lettering)];
        if (!pictures) {
            QString error;
            const std::vector<mapgen::Island> coastline =
                mapgen::ReadCoastline(QStringLiteral(TESSERAN_MAP_OUTLINE), error);
            pictures = std::make_unique<MapPictures>(mapgen::DrawMapPictures(coastline, lettering, error));
            layoutErrors_[static_cast<std::size_t>(lettering)] = error;
        }
        return *pictures;
    }
    static void TearDownTestSuite() {
        for (std::unique_ptr<MapPictures>& pictures : pictures_) pictures.reset();
    }

    const MapPictures& Pictures() const { return Drawn(GetParam()); }
    const QString& LayoutError() const {
        Drawn(GetParam());
        return layoutErrors_[static_cast<std::size_t>(GetParam())];
    }
    const std::array<ProvincePosition, ProvinceCount>& Positions() const {
        return ProvincePositionsIn(GetParam());
    }
    QPoint LargeSeed(int province) const {
        const MapPoint seed = LargeMapSeed(Positions()[province]);
        return {seed.x, seed.y};
    }
    QPoint OverviewPoint(int province) const {
        const MapPoint seed = OverviewSeed(Positions()[province]);
        return {seed.x, seed.y};
    }

private:
    static inline std::array<std::unique_ptr<MapPictures>, 2> pictures_;
    static inline std::array<QString, 2> layoutErrors_;
};

INSTANTIATE_TEST_SUITE_P(Letterings, MapPicturesTest,
                         ::testing::Values(MapLettering::Japanese, MapLettering::English),
                         [](const ::testing::TestParamInfo<MapLettering>& lettering) {
                             return lettering.param == MapLettering::Japanese ? "Japanese" : "English";
                         });

TEST_P(MapPicturesTest, LayoutPassesItsOwnChecks) {
    EXPECT_TRUE(LayoutError().isEmpty()) << LayoutError().toStdString();
}

TEST_P(MapPicturesTest, PicturesHaveTheSizesTheWindowExpects) {
    EXPECT_EQ(Pictures().large.size(), QSize(1467, 1614));
    EXPECT_EQ(Pictures().overview.size(), QSize(489, 538));
    EXPECT_EQ(Pictures().overview.width() * 3, Pictures().large.width());
    EXPECT_EQ(Pictures().overview.height() * 3, Pictures().large.height());
    EXPECT_EQ(mapgen::DrawBanner(GetParam()).size(), QSize(1287, 323));
}

TEST_P(MapPicturesTest, CommittedTableMatchesTheDrawnMaps) {
    for (int province = 0; province < ProvinceCount; ++province) {
        const ProvincePosition& drawn = Pictures().positions[province];
        const ProvincePosition& committed = Positions()[province];
        EXPECT_EQ(drawn.labelX, committed.labelX) << province;
        EXPECT_EQ(drawn.labelY, committed.labelY) << province;
        EXPECT_EQ(drawn.overviewX, committed.overviewX) << province;
        EXPECT_EQ(drawn.overviewY, committed.overviewY) << province;
        EXPECT_EQ(drawn.labelWidth, committed.labelWidth) << province;
    }
}

TEST_P(MapPicturesTest, LargeMapFillColoursExactlyItsProvince) {
    for (int province = 0; province < ProvinceCount; ++province) {
        QImage large = Pictures().large;
        const QPoint seed = LargeSeed(province);
        ASSERT_EQ(large.pixel(seed), mapgen::LandColour)
            << "seed of province " << province << " is not on its land";
        FloodFill(large, seed, Marker, FillBoundary::SeedColour);
        const FillOutcome outcome = Compare(Pictures().large, large, Pictures().largeAreas, province);
        EXPECT_EQ(outcome.sea, 0) << "province " << province << " leaks into the sea";
        EXPECT_EQ(outcome.labels, 0) << "province " << province << " reaches a label";
        EXPECT_EQ(outcome.others, 0) << "province " << province << " leaks out";
        EXPECT_EQ(outcome.own, AreaSize(Pictures().largeAreas, province)) << "province " << province;
    }
}

TEST_P(MapPicturesTest, OverviewFillColoursExactlyItsProvince) {
    for (int province = 0; province < ProvinceCount; ++province) {
        QImage overview = Pictures().overview;
        const QPoint seed = OverviewPoint(province);
        ASSERT_EQ(overview.pixel(seed), mapgen::LandColour)
            << "seed of province " << province << " is not on its land";
        FloodFill(overview, seed, Marker, FillBoundary::Black);
        const FillOutcome outcome =
            Compare(Pictures().overview, overview, Pictures().overviewAreas, province);
        EXPECT_EQ(outcome.sea, 0) << "province " << province << " leaks into the sea";
        EXPECT_EQ(outcome.others, 0) << "province " << province << " leaks out";
        EXPECT_EQ(outcome.own, AreaSize(Pictures().overviewAreas, province)) << "province " << province;
    }
}

TEST_P(MapPicturesTest, EveryProvinceIsAFewPixelsWideOnTheOverview) {
    for (int province = 0; province < ProvinceCount; ++province) {
        const QPoint seed = OverviewPoint(province);
        for (int dy = -2; dy <= 2; ++dy) {
            for (int dx = -2; dx <= 2; ++dx) {
                EXPECT_EQ(Pictures().overviewAreas.At(seed.x() + dx, seed.y() + dy), province)
                    << "province " << province << " is too narrow around its seed";
            }
        }
    }
}

// One entry owning the whole map: every fill after the first finds its
// neighbours already in its colour, so only closed outlines keep it in.
TEST_P(MapPicturesTest, FillsStayInsideWhenNeighboursShareTheColour) {
    QImage large = Pictures().large;
    QImage overview = Pictures().overview;
    for (int province = 0; province < ProvinceCount; ++province) {
        FloodFill(large, LargeSeed(province), EntryRgb(5), FillBoundary::SeedColour);
        FloodFill(overview, OverviewPoint(province), EntryRgb(5), FillBoundary::Black);
    }
    for (const int province : {0, 10, 13, 25, 36, 39, 58, 70, 73, 74}) {
        QImage largeAgain = large;
        FloodFill(largeAgain, LargeSeed(province), EntryRgb(9), FillBoundary::SeedColour);
        const FillOutcome onLarge = Compare(large, largeAgain, Pictures().largeAreas, province);
        EXPECT_EQ(onLarge.filled, onLarge.own) << "province " << province << " spreads on the large map";
        EXPECT_EQ(onLarge.own, AreaSize(Pictures().largeAreas, province)) << province;

        QImage overviewAgain = overview;
        FloodFill(overviewAgain, OverviewPoint(province), EntryRgb(9), FillBoundary::Black);
        const FillOutcome onOverview = Compare(overview, overviewAgain, Pictures().overviewAreas, province);
        EXPECT_EQ(onOverview.filled, onOverview.own) << "province " << province << " spreads on the overview";
    }
}

TEST_P(MapPicturesTest, ResetToWhiteAndRecolouringKeepsEveryProvinceApart) {
    QImage large = Pictures().large;
    for (int province = 0; province < ProvinceCount; ++province) {
        FloodFill(large, LargeSeed(province), 0xFFFFFFFFu, FillBoundary::SeedColour);
    }
    for (int province = 0; province < ProvinceCount; ++province) {
        EXPECT_EQ(large.pixel(LargeSeed(province)), 0xFFFFFFFFu) << province;
    }
    const QImage white = large;
    FloodFill(large, LargeSeed(32), EntryRgb(5), FillBoundary::SeedColour);
    const FillOutcome outcome = Compare(white, large, Pictures().largeAreas, 32);
    EXPECT_EQ(outcome.filled, outcome.own);
    EXPECT_EQ(outcome.own, AreaSize(Pictures().largeAreas, 32));
}

TEST_P(MapPicturesTest, LabelBoxesDoNotOverlapAndStayOnThePicture) {
    const QRect picture(0, 0, LargeMapWidth, LargeMapHeight);
    for (int first = 0; first < ProvinceCount; ++first) {
        const ProvincePosition& position = Positions()[first];
        const QRect box(position.labelX, position.labelY, position.labelWidth, LabelHeight);
        EXPECT_TRUE(picture.contains(box)) << first;
        for (int second = first + 1; second < ProvinceCount; ++second) {
            const ProvincePosition& other = Positions()[second];
            EXPECT_FALSE(box.intersects(QRect(other.labelX, other.labelY, other.labelWidth, LabelHeight)))
                << first << " and " << second;
        }
    }
}

TEST_P(MapPicturesTest, EachLabelBoxHitsItsOwnProvinceOnly) {
    for (int province = 0; province < ProvinceCount; ++province) {
        const ProvincePosition& position = Positions()[province];
        const int right = position.labelX + position.labelWidth;
        int hits = 0;
        for (const ProvincePosition& other : Positions())
            hits += LabelContains(other, right - 1, position.labelY + LabelHeight - 1) ? 1 : 0;
        EXPECT_EQ(hits, 1) << province;
        EXPECT_FALSE(LabelContains(position, right, position.labelY));
        EXPECT_FALSE(LabelContains(position, position.labelX, position.labelY + LabelHeight));
    }
}

TEST_P(MapPicturesTest, LabelPlatesAreFramedInBlack) {
    for (int province = 0; province < ProvinceCount; ++province) {
        const ProvincePosition& position = Positions()[province];
        // The name box is drawn as a plate with a black frame, not as land.
        EXPECT_EQ(Pictures().large.pixel(position.labelX, position.labelY), mapgen::OutlineColour)
            << province;
        EXPECT_EQ(Pictures().largeAreas.At(position.labelX + 5, position.labelY + 5), mapgen::LabelArea)
            << province;
    }
}

TEST_P(MapPicturesTest, LegendListsTheEntriesBesideAWhiteBalanceColumn) {
    const QImage& overview = Pictures().overview;
    for (int y = BalanceColumnY; y < BalanceColumnY + BalanceColumnHeight; ++y) {
        for (int x = BalanceColumnX; x < BalanceColumnX + BalanceColumnWidth; ++x) {
            ASSERT_EQ(overview.pixel(x, y), 0xFFFFFFFFu) << x << ", " << y;
        }
    }
    for (int entry = 0; entry < EntryCount; ++entry) {
        const QRect swatch = mapgen::LegendSwatch(entry);
        EXPECT_EQ(overview.pixel(swatch.center()), EntryRgb(entry)) << entry;
        EXPECT_GE(swatch.top(), BalanceColumnY + BalanceRowHeight * entry);
        EXPECT_LT(swatch.bottom(), BalanceColumnY + BalanceRowHeight * (entry + 1));
    }
}

TEST_P(MapPicturesTest, LegendCoversNoLand) {
    const QRect panel = mapgen::LegendPanel();
    EXPECT_TRUE(
        panel.contains(QRect(BalanceColumnX, BalanceColumnY, BalanceColumnWidth, BalanceColumnHeight)));
    for (int y = panel.top(); y <= panel.bottom(); ++y) {
        for (int x = panel.left(); x <= panel.right(); ++x) {
            ASSERT_EQ(Pictures().overviewAreas.At(x, y), mapgen::SeaArea) << x << ", " << y;
        }
    }
}

TEST_P(MapPicturesTest, CompiledInPicturesAreTheDrawnOnes) {
    EXPECT_EQ(LoadMapBitmap(bitmap::LargeMap, GetParam()), Pictures().large);
    EXPECT_EQ(LoadMapBitmap(bitmap::OverviewMap, GetParam()), Pictures().overview);
    EXPECT_EQ(LoadMapBitmap(bitmap::UnificationBanner, GetParam()), mapgen::DrawBanner(GetParam()));
    EXPECT_EQ(LoadMapBitmap(bitmap::LargeMap, GetParam()).format(), QImage::Format_RGB32);
    EXPECT_TRUE(LoadMapBitmap(162, GetParam()).isNull());
}

// The banner is stamped with white transparent, and inverted with black
// transparent: the lettering must meet the white with dark pixels only (no
// pale fringe) and hold no pure white of its own.
TEST(Banner, LetteringMeetsTheWhiteWithAHardDarkEdge) {
    for (const MapLettering lettering : {MapLettering::Japanese, MapLettering::English}) {
        const QImage banner = mapgen::DrawBanner(lettering);
        constexpr QRgb White = 0xFFFFFFFFu;
        int inked = 0;
        for (int y = 0; y < banner.height(); ++y) {
            for (int x = 0; x < banner.width(); ++x) {
                const QRgb colour = banner.pixel(x, y);
                if (colour == White) continue;
                ++inked;
                bool edge = false;
                for (const QPoint& step : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
                    const QPoint next(x + step.x(), y + step.y());
                    if (banner.rect().contains(next) && banner.pixel(next) == White) edge = true;
                }
                if (edge) {
                    ASSERT_LT(qGray(colour), 100) << x << ", " << y;
                }
            }
        }
        EXPECT_GT(inked, banner.width() * banner.height() / 5);
        EXPECT_EQ(banner.pixel(0, 0), White);
        EXPECT_EQ(banner.pixel(banner.width() - 1, banner.height() - 1), White);
    }
}

}  // namespace
}  // namespace tesseran
