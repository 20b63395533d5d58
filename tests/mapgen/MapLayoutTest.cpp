// SPDX-License-Identifier: MIT
// Where the generator puts Japan: the coastline file reads back as islands,
// the islands of the insets stay inside their frames and the main islands
// outside them, island provinces touch no other province, and the provinces
// keep their real places relative to one another.
#include "Coastline.h"
#include "MapLayout.h"
#include "MapPictures.h"

#include "campaign/map/ProvincePositions.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#ifndef TESSERAN_MAP_OUTLINE
#error "the build must say where the coastline file is"
#endif

namespace tesseran::mapgen {
namespace {

QString WriteFile(const QTemporaryDir& folder, const QByteArray& text) {
    const QString path = folder.filePath(QStringLiteral("outline.txt"));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) file.write(text);
    return path;
}

TEST(CoastlineFile, ReadsOneIslandPerLineAndSkipsComments) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QString error;
    const std::vector<Island> islands = ReadCoastline(
        WriteFile(folder, "# a comment\n12 130.5,33.25 130.75,33.5 130.25,33.75\n\n3 1,2 3,4 5,6 7,8\n"),
        error);
    ASSERT_EQ(islands.size(), 2u) << error.toStdString();
    EXPECT_EQ(islands[0].areaSquareKm, 12);
    ASSERT_EQ(islands[0].coast.size(), 3u);
    EXPECT_EQ(islands[0].coast[1], QPointF(130.75, 33.5));
    EXPECT_EQ(islands[0].Centroid(), QPointF(130.5, 33.5));
    EXPECT_EQ(islands[1].coast.size(), 4u);
}

TEST(CoastlineFile, NamesTheLineThatDoesNotParse) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QString error;
    EXPECT_TRUE(ReadCoastline(WriteFile(folder, "# x\n5 1,2 3,4 5,6\n5 1,2 3;4 5,6\n"), error).empty());
    EXPECT_TRUE(error.contains(QStringLiteral(":3:"))) << error.toStdString();
}

TEST(CoastlineFile, MissingOrEmptyFilesAreErrors) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QString error;
    EXPECT_TRUE(ReadCoastline(folder.filePath(QStringLiteral("none.txt")), error).empty());
    EXPECT_FALSE(error.isEmpty());
    error.clear();
    EXPECT_TRUE(ReadCoastline(WriteFile(folder, "# only a comment\n"), error).empty());
    EXPECT_FALSE(error.isEmpty());
}

TEST(CoastlineFile, CommittedCoastlineHoldsTheMainIslands) {
    QString error;
    const std::vector<Island> islands = ReadCoastline(QStringLiteral(TESSERAN_MAP_OUTLINE), error);
    ASSERT_GT(islands.size(), 40u) << error.toStdString();
    // Largest first: Honshu, Hokkaido, Kyushu, Shikoku.
    EXPECT_GT(islands[0].areaSquareKm, 200000);
    EXPECT_GT(islands[1].areaSquareKm, 70000);
    EXPECT_GT(islands[0].Centroid().x(), 134);
    EXPECT_GT(islands[1].Centroid().y(), 42);
}

TEST(Layout, InsetIslandsStayInsideTheirFramesAndMainIslandsOutside) {
    QString error;
    const std::vector<PlacedIsland> islands =
        PlaceIslands(ReadCoastline(QStringLiteral(TESSERAN_MAP_OUTLINE), error));
    ASSERT_FALSE(islands.empty());
    int insetIslands = 0;
    for (const PlacedIsland& island : islands) {
        for (const Inset& inset : Insets()) {
            for (const QPointF& point : island.coast) {
                if (island.frame == inset.frame) {
                    ASSERT_TRUE(QRectF(inset.box).contains(point)) << point.x() << ", " << point.y();
                } else {
                    ASSERT_FALSE(QRectF(inset.box).contains(point)) << point.x() << ", " << point.y();
                }
            }
        }
        insetIslands += island.frame == Frame::Main ? 0 : 1;
        for (const QPointF& point : island.coast) {
            ASSERT_TRUE(QRectF(0, 0, LargeMapWidth, LargeMapHeight).contains(point));
        }
    }
    EXPECT_GE(insetIslands, 2);
}

TEST(Layout, ProvincesKeepTheirRealPlaces) {
    const auto at = [](int province) {
        return QPoint(ProvincePositions[province].labelX, ProvincePositions[province].labelY);
    };
    const auto insetOf = [](Frame frame) {
        for (const Inset& inset : Insets()) {
            if (inset.frame == frame) return inset.box;
        }
        return QRect();
    };
    EXPECT_TRUE(insetOf(Frame::Hokkaido).contains(at(0)));  // 蝦夷
    EXPECT_TRUE(insetOf(Frame::Ryukyu).contains(at(72)));   // 琉球
    EXPECT_LT(at(1).y(), at(3).y());                        // 津軽 north of 伊達
    EXPECT_LT(at(3).y(), at(25).y());                       // 伊達 north of 武蔵
    EXPECT_GT(at(25).x(), at(10).x());                      // 武蔵 east of 信濃
    EXPECT_GT(at(10).x(), at(13).x());                      // 信濃 east of 近江
    EXPECT_GT(at(13).x(), at(55).x());                      // 近江 east of 安芸
    EXPECT_GT(at(55).x(), at(70).x());                      // 安芸 east of 薩摩
    EXPECT_GT(at(70).y(), at(63).y());                      // 薩摩 south of 筑前
    EXPECT_LT(at(74).x(), at(63).x());                      // 対馬 west of 筑前
    EXPECT_LT(at(14).y(), at(15).y());                      // 佐渡 off 越後
    EXPECT_GT(at(62).y(), at(60).y());                      // 土佐 south of 讃岐
}

TEST(Layout, IslandProvincesBorderOnlyTheSea) {
    QString error;
    const MapPictures pictures = DrawMapPictures(ReadCoastline(QStringLiteral(TESSERAN_MAP_OUTLINE), error),
                                                 MapLettering::Japanese, error);
    const DrawnAreas& areas = pictures.largeAreas;
    // 蝦夷, 佐渡, 隠岐, 淡路, 琉球, 壱岐, 対馬
    for (const int island : {0, 14, 47, 58, 72, 73, 74}) {
        int pixels = 0;
        for (int y = 3; y < areas.height - 3; ++y) {
            for (int x = 3; x < areas.width - 3; ++x) {
                if (areas.At(x, y) != island) continue;
                ++pixels;
                // Only the rim of the island can lie near anything else.
                if (areas.At(x - 1, y) == island && areas.At(x + 1, y) == island &&
                    areas.At(x, y - 1) == island && areas.At(x, y + 1) == island) {
                    continue;
                }
                for (int dy = -3; dy <= 3; ++dy) {
                    for (int dx = -3; dx <= 3; ++dx) {
                        const int near = areas.At(x + dx, y + dy);
                        ASSERT_TRUE(near == island || near < 0) << island << " touches " << near;
                    }
                }
            }
        }
        EXPECT_GT(pixels, 500) << island;
    }
}

}  // namespace
}  // namespace tesseran::mapgen
