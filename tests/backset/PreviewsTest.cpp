// SPDX-License-Identifier: MIT
// The five previews: where a card picture is fitted into a frame, and what
// the dialog draws there with and without the frame line.
#include "backset/BackSetFixture.h"

#include <QCheckBox>
#include <QPixmap>

namespace tesseran::testing {
namespace {

struct FitCase {
    const char* name;
    QRect frame;
    QRect picture;
};

TEST(FitPictureTest, FramesLargerThanACardCentreItAtItsOwnSize) {
    const FitCase cases[] = {
        {"just larger", QRect(0, 0, 152, 216), QRect(0, 0, 151, 215)},
        {"much larger", QRect(10, 20, 200, 300), QRect(34, 62, 151, 215)},
        {"odd margins", QRect(5, 5, 160, 220), QRect(9, 7, 151, 215)},
    };
    for (const FitCase& test : cases) EXPECT_EQ(CBackSet::FitPicture(test.frame), test.picture) << test.name;
}

TEST(FitPictureTest, SmallFramesGetTheLargestCardThatFitsCentredTheOtherWay) {
    const FitCase cases[] = {
        // Relatively taller than a card: the width is kept, the height follows.
        {"tall and narrow", QRect(0, 0, 100, 200), QRect(0, 29, 100, 142)},
        {"wide but low", QRect(7, 3, 200, 100), QRect(72, 3, 70, 100)},
        // Exactly a card is not larger than one: the rule for small frames gives it back whole.
        {"exactly a card", QRect(4, 4, 151, 215), QRect(4, 4, 151, 215)},
        {"wide enough, too low", QRect(0, 0, 300, 215), QRect(74, 0, 151, 215)},
        {"high enough, too narrow", QRect(0, 0, 151, 400), QRect(0, 92, 151, 215)},
        {"the dialog's frames", QRect(50, 60, 112, 160), QRect(50, 60, 112, 159)},
    };
    for (const FitCase& test : cases) EXPECT_EQ(CBackSet::FitPicture(test.frame), test.picture) << test.name;
}

using PreviewsTest = BackSetTest;

TEST_F(PreviewsTest, PicturesLieInsideTheirFramesWhichDoNotOverlap) {
    CBackSet& opened = Open();
    for (int preview = 0; preview < CBackSet::PreviewCount; ++preview) {
        const QRect frame = opened.HitRectangle(preview);
        ASSERT_FALSE(frame.isEmpty()) << preview;
        EXPECT_TRUE(opened.rect().contains(frame)) << preview;
        EXPECT_TRUE(frame.contains(opened.PictureRectangle(preview))) << preview;
        EXPECT_EQ(opened.PictureRectangle(preview), CBackSet::FitPicture(frame)) << preview;
        for (int other = preview + 1; other < CBackSet::PreviewCount; ++other)
            EXPECT_FALSE(frame.intersects(opened.HitRectangle(other))) << preview << " and " << other;
    }
}

TEST_F(PreviewsTest, PresetsAreDrawnWithAFrameLineOnlyWhileTheOptionIsOn) {
    Store(0, 1);
    CBackSet& opened = OpenShown();
    QImage shot = opened.grab().toImage().convertToFormat(QImage::Format_RGB32);
    for (int preset = 0; preset < CBackSet::PresetCount; ++preset) {
        const QRect picture = opened.PictureRectangle(preset);
        const QRgb colour = PresetColours[static_cast<size_t>(preset)];
        EXPECT_LE(ChannelDistance(shot.pixel(picture.center()), colour), 4) << preset;
        EXPECT_EQ(shot.pixel(picture.left(), picture.center().y()), BackFrameColour) << preset;
        EXPECT_EQ(shot.pixel(picture.right(), picture.center().y()), BackFrameColour) << preset;
        EXPECT_EQ(shot.pixel(picture.center().x(), picture.top()), BackFrameColour) << preset;
        EXPECT_EQ(shot.pixel(picture.center().x(), picture.bottom()), BackFrameColour) << preset;
    }

    opened.findChild<QCheckBox*>("frameCheckBox")->click();
    ASSERT_EQ(opened.FrameOption(), 0);
    shot = opened.grab().toImage().convertToFormat(QImage::Format_RGB32);
    for (int preset = 0; preset < CBackSet::PresetCount; ++preset) {
        const QRect picture = opened.PictureRectangle(preset);
        const QRgb colour = PresetColours[static_cast<size_t>(preset)];
        EXPECT_LE(ChannelDistance(shot.pixel(picture.left(), picture.center().y()), colour), 4) << preset;
        EXPECT_LE(ChannelDistance(shot.pixel(picture.center().x(), picture.top()), colour), 4) << preset;
    }
}

TEST_F(PreviewsTest, TheBlackFrameShowsThePlayersPictureOnceLoaded) {
    Store(0, 1);
    CBackSet& opened = OpenShown();
    const QRect picture = opened.PictureRectangle(CBackSet::CustomPreview);
    const QRgb pink = 0xfff050a0u;

    QImage shot = opened.grab().toImage().convertToFormat(QImage::Format_RGB32);
    // Empty, the frame that takes dropped files is black all through.
    EXPECT_EQ(shot.pixel(picture.center()), 0xff000000u);
    EXPECT_GT(ChannelDistance(shot.pixel(picture.center()), pink), 40);
    EXPECT_NE(shot.pixel(picture.left(), picture.center().y()), BackFrameColour);

    ASSERT_TRUE(opened.LoadPictureFromFile(FlatPicture("pink.jpg", pink)));
    shot = opened.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_LE(ChannelDistance(shot.pixel(picture.center()), pink), 8);
    EXPECT_EQ(shot.pixel(picture.left(), picture.center().y()), BackFrameColour);
}

}  // namespace
}  // namespace tesseran::testing
