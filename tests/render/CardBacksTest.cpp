// SPDX-License-Identifier: MIT
// The card backs built from the stored choice: which picture each choice
// shows, the quarter turn, the frame lines, the fan strip and its cache file.
// The sheet is made in memory: every pixel of the cell of code c is
// (column in the cell, row in the cell, 40 + 5c), so a pixel tells both which
// cell and which place in it it came from.
#include "render/CardBacks.h"

#include "base/StringTable.h"
#include "render/CardSheet.h"
#include "render/ImageFiles.h"
#include "support/TestHost.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>

namespace tesseran {
namespace {

using testing::TestHost;

int CellBlue(int code) { return 40 + 5 * code; }

QImage PositionSheet() {
    QImage sheet(CardSheetMinimumWidth, CardSheetMinimumHeight, QImage::Format_RGB32);
    for (int y = 0; y < sheet.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(sheet.scanLine(y));
        for (int x = 0; x < sheet.width(); ++x) {
            const int code = (y / CardHeight) * 11 + x / CardWidth;
            line[x] = qRgb(x % CardWidth, y % CardHeight, CellBlue(code));
        }
    }
    return sheet;
}

int ChannelDistance(QRgb a, QRgb b) {
    return std::max(
        {std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
}

bool OnBorder(const QImage& image, int x, int y) {
    return x == 0 || y == 0 || x == image.width() - 1 || y == image.height() - 1;
}

int CountPixels(const QImage& image, const QRect& area, QRgb colour) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) count += image.pixel(x, y) == colour ? 1 : 0;
    }
    return count;
}

// A BMP file of one colour, as the program writes its cache.
QByteArray FlatBmp(int width, int height, Qt::GlobalColor colour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "bmp");
    return bytes;
}

QRect Segment(int cards) {
    return QRect(CardBacks::FanSegmentStart(cards), 0, FanSegmentWidths[static_cast<size_t>(cards - 1)],
                 BackFanStripHeight);
}

class CardBacksTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(temporary.isValid());
        hadTemporaryVariable = qEnvironmentVariableIsSet("TMPDIR");
        savedTemporaryVariable = qgetenv("TMPDIR");
        qputenv("TMPDIR", QFile::encodeName(temporary.path()));
        workFolder = temporary.path() + "/Tesseran";
        ASSERT_TRUE(QDir().mkpath(workFolder));
        cache = workFolder + "/CardBack.bmp";
    }
    void TearDown() override {
        if (hadTemporaryVariable) {
            qputenv("TMPDIR", savedTemporaryVariable);
        } else {
            qunsetenv("TMPDIR");
        }
    }

    void Choose(int backSet, int frame) {
        settings.WriteInt("Last", "BackSet", backSet);
        settings.WriteInt("Last", "CardWaku", frame);
    }
    void WriteFile(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }

    QTemporaryDir temporary;
    QString workFolder;
    QString cache;
    const QImage sheet = PositionSheet();
    MemorySettingsStore settings;
    TestHost host;
    CardBacks backs{sheet, settings, host};
    bool hadTemporaryVariable = false;
    QByteArray savedTemporaryVariable;
};

TEST_F(CardBacksTest, FanSegmentsLieSideBySide) {
    const std::pair<int, int> cases[] = {{1, 0}, {2, 151}, {3, 412}, {4, 677}, {9, 2609}, {10, 3079}};
    for (const auto& [cards, start] : cases) EXPECT_EQ(CardBacks::FanSegmentStart(cards), start) << cards;
    EXPECT_EQ(CardBacks::FanSegmentStart(10) + FanSegmentWidths[9], BackFanStripWidth);
}

TEST_F(CardBacksTest, StoredChoiceSelectsTheBackCell) {
    struct Case {
        const char* name;
        int backSet;
        int cellCode;
    };
    // "BackSet" 4 has no "CardBack.jpg" here; 9 and -1 were never stored by
    // the program, and show the first preset like the missing picture does.
    const Case cases[] = {
        {"preset 1", 0, 11},
        {"preset 2", 1, 22},
        {"preset 3", 2, 33},
        {"preset 4", 3, 34},
        {"missing own picture", 4, 11},
        {"out of range above", 9, 11},
        {"out of range below", -1, 11},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Choose(c.backSet, 1);
        ASSERT_TRUE(backs.MakeCurrentBack());
        const QImage& back = backs.currentBack();
        ASSERT_EQ(back.size(), QSize(151, 215));
        EXPECT_EQ(back.pixel(0, 0), qRgb(0, 0, CellBlue(c.cellCode)));
        EXPECT_EQ(back.pixel(150, 214), qRgb(150, 214, CellBlue(c.cellCode)));
        EXPECT_EQ(back.pixel(75, 100), qRgb(75, 100, CellBlue(c.cellCode)));
    }
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(CardBacksTest, NoStoredChoiceShowsPresetOneFramed) {
    ASSERT_TRUE(backs.MakeRotatedBack());
    EXPECT_EQ(backs.currentBack().pixel(10, 10), qRgb(10, 10, CellBlue(11)));
    EXPECT_EQ(backs.rotatedBack().pixel(0, 0), BackFrameColour);
}

TEST_F(CardBacksTest, OwnPictureIsUsedWhenPresent) {
    QImage picture(151, 215, QImage::Format_RGB32);
    picture.fill(qRgb(200, 120, 30));
    ASSERT_TRUE(picture.save(workFolder + "/CardBack.jpg", "jpeg", 100));
    Choose(4, 1);
    ASSERT_TRUE(backs.MakeCurrentBack());
    EXPECT_LE(ChannelDistance(backs.currentBack().pixel(75, 107), qRgb(200, 120, 30)), 6);
    // Present, but not chosen: the preset is shown.
    Choose(2, 1);
    ASSERT_TRUE(backs.MakeCurrentBack());
    EXPECT_EQ(backs.currentBack().pixel(75, 107), qRgb(75, 107, CellBlue(33)));
}

TEST_F(CardBacksTest, OwnPictureOfAnotherSizeIsStretchedToTheCard) {
    QImage picture(302, 430, QImage::Format_RGB32);
    picture.fill(qRgb(220, 30, 30));
    for (int y = 0; y < 430; ++y) {
        for (int x = 151; x < 302; ++x) picture.setPixel(x, y, qRgb(30, 30, 220));
    }
    ASSERT_TRUE(picture.save(workFolder + "/CardBack.jpg", "jpeg", 100));
    Choose(4, 0);
    ASSERT_TRUE(backs.LoadCustomBack());
    const QImage& back = backs.currentBack();
    ASSERT_EQ(back.size(), QSize(151, 215));
    EXPECT_LE(ChannelDistance(back.pixel(10, 200), qRgb(220, 30, 30)), 8);
    EXPECT_LE(ChannelDistance(back.pixel(140, 10), qRgb(30, 30, 220)), 8);
}

TEST_F(CardBacksTest, UnreadableOwnPictureFallsBackToPresetOne) {
    WriteFile(workFolder + "/CardBack.jpg", "not a picture");
    Choose(4, 0);
    EXPECT_FALSE(backs.LoadCustomBack());
    ASSERT_TRUE(backs.MakeCurrentBack());
    EXPECT_EQ(backs.currentBack().pixel(5, 5), qRgb(5, 5, CellBlue(11)));
}

TEST_F(CardBacksTest, RotatedBackTurnsTheUprightBackAQuarterClockwise) {
    for (int backSet : {0, 3}) {
        SCOPED_TRACE(backSet);
        Choose(backSet, 0);
        ASSERT_TRUE(backs.MakeRotatedBack());
        const QImage& upright = backs.currentBack();
        const QImage& rotated = backs.rotatedBack();
        ASSERT_EQ(rotated.size(), QSize(215, 151));
        int mismatches = 0;
        for (int j = 0; j < 215; ++j) {
            for (int i = 0; i < 151; ++i)
                mismatches += rotated.pixel(214 - j, i) != upright.pixel(i, j) ? 1 : 0;
        }
        EXPECT_EQ(mismatches, 0);
        // The top edge of the card ends up on the right.
        EXPECT_EQ(rotated.pixel(214, 0), upright.pixel(0, 0));
    }
}

TEST_F(CardBacksTest, FrameOptionDrawsOrOmitsFrameLinesEverywhere) {
    for (int frame : {0, 1}) {
        SCOPED_TRACE(frame);
        Choose(0, frame);
        ASSERT_TRUE(backs.BuildBackFan());
        const QImage& strip = backs.backFanStrip();
        const QImage& rotated = backs.rotatedBack();

        int rotatedBorder = 0;
        int rotatedInsideWrong = 0;
        for (int y = 0; y < rotated.height(); ++y) {
            for (int x = 0; x < rotated.width(); ++x) {
                if (OnBorder(rotated, x, y)) {
                    rotatedBorder += rotated.pixel(x, y) == BackFrameColour ? 1 : 0;
                } else {
                    rotatedInsideWrong += rotated.pixel(x, y) == BackFrameColour ? 1 : 0;
                }
            }
        }
        EXPECT_EQ(rotatedBorder, frame == 0 ? 0 : 2 * 215 + 2 * 151 - 4);
        EXPECT_EQ(rotatedInsideWrong, 0);

        const QImage single = strip.copy(0, 46, 151, 215);
        int singleBorder = 0;
        for (int y = 0; y < 215; ++y) {
            for (int x = 0; x < 151; ++x)
                singleBorder += OnBorder(single, x, y) && single.pixel(x, y) == BackFrameColour;
        }
        EXPECT_EQ(singleBorder, frame == 0 ? 0 : 2 * 215 + 2 * 151 - 4);

        for (int cards = 2; cards <= 10; ++cards) {
            const int framePixels = CountPixels(strip, Segment(cards), BackFrameColour);
            if (frame == 0) {
                EXPECT_EQ(framePixels, 0) << cards;
            } else {
                EXPECT_GT(framePixels, 0) << cards;
            }
        }
    }
}

TEST_F(CardBacksTest, SegmentOneHoldsTheUprightBackOnTheBackground) {
    Choose(1, 0);
    ASSERT_TRUE(backs.BuildBackFan());
    const QImage& strip = backs.backFanStrip();
    ASSERT_EQ(strip.size(), QSize(3575, 342));
    int wrong = 0;
    for (int y = 0; y < 342; ++y) {
        for (int x = 0; x < 151; ++x) {
            const bool onBack = y >= 46 && y < 261;
            const QRgb expected = onBack ? qRgb(x, y - 46, CellBlue(22)) : FanBackground;
            wrong += strip.pixel(x, y) != expected ? 1 : 0;
        }
    }
    EXPECT_EQ(wrong, 0);
}

TEST_F(CardBacksTest, EveryFanShowsBackPixelsAndTurnsAboutItsPivot) {
    Choose(0, 0);
    ASSERT_TRUE(backs.BuildBackFan());
    const QImage& strip = backs.backFanStrip();
    for (int cards = 2; cards <= 10; ++cards) {
        const QRect segment = Segment(cards);
        int backPixels = 0;
        for (int y = 0; y < 342; ++y) {
            for (int x = segment.left(); x <= segment.right(); ++x) {
                backPixels += qBlue(strip.pixel(x, y)) == CellBlue(11) ? 1 : 0;
            }
        }
        EXPECT_GT(backPixels, 151 * 215) << cards;
    }
    // Every card's corner (0, 0) lies on the fan's pivot at y = 261, and the
    // last card covers the others there: that corner is the upright back's
    // bottom-left pixel. The pivot's x follows from the first card's angle
    // (120 degrees for 2 cards, 135 for 5, 195 for 10).
    const std::pair<int, int> pivots[] = {{2, 151 + 107}, {5, 996 + 151}, {10, 3079 + 245}};
    for (const auto& [cards, x] : pivots) {
        EXPECT_LE(ChannelDistance(strip.pixel(x, 261), qRgb(0, 214, CellBlue(11))), 1) << cards;
    }
}

TEST_F(CardBacksTest, BackColouredLikeTheBackgroundShowsThroughTheFans) {
    QImage pinkSheet(CardSheetMinimumWidth, CardSheetMinimumHeight, QImage::Format_RGB32);
    pinkSheet.fill(FanBackground);
    CardBacks pinkBacks(pinkSheet, settings, host);
    Choose(0, 0);
    ASSERT_TRUE(pinkBacks.BuildBackFan());
    EXPECT_EQ(CountPixels(pinkBacks.backFanStrip(), QRect(151, 0, 3575 - 151, 342), FanBackground),
              (3575 - 151) * 342);
}

TEST_F(CardBacksTest, MissingCacheIsBuiltAndSaved) {
    Choose(2, 1);
    ASSERT_FALSE(QFileInfo::exists(cache));
    ASSERT_TRUE(backs.LoadBackStrip(BackStripSource::Cache));
    ASSERT_TRUE(QFileInfo::exists(cache));
    const QImage saved = LoadPictureFile(cache).convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(saved.size(), QSize(3575, 342));
    EXPECT_EQ(saved, backs.backFanStrip());
    EXPECT_EQ(backs.rotatedBack().size(), QSize(215, 151));
    EXPECT_EQ(backs.rotatedBack().pixel(100, 75), backs.currentBack().pixel(75, 214 - 100));
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(CardBacksTest, ReadableCacheIsUsedAsItIs) {
    QImage marked(3575, 342, QImage::Format_RGB32);
    marked.fill(qRgb(1, 2, 3));
    ASSERT_TRUE(marked.save(cache, "bmp"));
    Choose(0, 1);
    ASSERT_TRUE(backs.LoadBackStrip(BackStripSource::Cache));
    EXPECT_EQ(backs.backFanStrip(), marked);
    // The rotated back is always made from the choice, frame included.
    EXPECT_EQ(backs.rotatedBack().pixel(0, 0), BackFrameColour);
    EXPECT_EQ(backs.rotatedBack().pixel(100, 75), qRgb(75, 214 - 100, CellBlue(11)));
}

TEST_F(CardBacksTest, UnusableCacheIsRebuiltOnce) {
    struct Case {
        const char* name;
        QByteArray bytes;
    };
    const Case cases[] = {
        {"not a picture", QByteArray("BM this is no bitmap")},
        {"empty", QByteArray()},
        {"a picture of the wrong size", FlatBmp(100, 100, Qt::red)},
        {"a strip of the right size cut after its header",
         [] {
             const QByteArray whole = FlatBmp(3575, 342, Qt::blue);
             return whole.left(whole.size() / 3);
         }()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WriteFile(cache, c.bytes);
        Choose(3, 1);
        ASSERT_TRUE(backs.LoadBackStrip(BackStripSource::Cache));
        EXPECT_EQ(backs.backFanStrip().pixel(75, 46 + 107), qRgb(75, 107, CellBlue(34)));
        const QImage saved = LoadPictureFile(cache);
        EXPECT_EQ(saved.size(), QSize(3575, 342));
    }
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(CardBacksTest, AFolderUnderTheCachesNameIsLeftAloneWithoutAMessage) {
    ASSERT_TRUE(QDir().mkpath(cache));
    Choose(1, 1);
    ASSERT_TRUE(backs.LoadBackStrip(BackStripSource::Cache));
    EXPECT_EQ(backs.backFanStrip().pixel(75, 46 + 107), qRgb(75, 107, CellBlue(22)));
    EXPECT_TRUE(QFileInfo(cache).isDir());
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(CardBacksTest, RebuildIgnoresTheCache) {
    Choose(0, 1);
    ASSERT_TRUE(backs.LoadBackStrip(BackStripSource::Cache));
    Choose(1, 0);
    ASSERT_TRUE(backs.LoadBackStrip(BackStripSource::Rebuild));
    EXPECT_EQ(backs.backFanStrip().pixel(75, 46), qRgb(75, 0, CellBlue(22)));
    const QImage saved = LoadPictureFile(cache).convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(saved, backs.backFanStrip());
}

TEST_F(CardBacksTest, UnavailableWorkFolderFailsTheStrip) {
    ASSERT_TRUE(QDir(workFolder).removeRecursively());
    WriteFile(workFolder, "a file where the folder should be");
    EXPECT_FALSE(backs.LoadBackStrip(BackStripSource::Cache));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, LoadString(30054));
}

TEST_F(CardBacksTest, MissingSheetFailsEveryBuilder) {
    const QImage none;
    CardBacks bare(none, settings, host);
    EXPECT_FALSE(bare.MakeCurrentBack());
    EXPECT_FALSE(bare.MakeRotatedBack());
    EXPECT_FALSE(bare.BuildBackFan());
    EXPECT_FALSE(bare.LoadBackStrip(BackStripSource::Rebuild));
    EXPECT_TRUE(bare.backFanStrip().isNull());
}

}  // namespace
}  // namespace tesseran
