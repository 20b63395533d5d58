// SPDX-License-Identifier: MIT
// The flood fill on small hand-made pictures: bounded by black it fills up to
// the outline and through pixels that already have its colour; by the seed's
// colour it takes only the connected pixels of that colour; either way it
// spreads to the four nearest pixels only, so a diagonal line holds it.
#include "campaign/map/FloodFill.h"

#include <QImage>

#include <gtest/gtest.h>

namespace tesseran {
namespace {

constexpr QRgb White = 0xFFFFFFFFu;
constexpr QRgb Black = 0xFF000000u;
constexpr QRgb Red = 0xFFFF0000u;
constexpr QRgb Green = 0xFF00FF00u;
constexpr QRgb Blue = 0xFF0000FFu;

QImage Blank(int width, int height, QRgb colour = White) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// A black square outline with corners (left, top) and (right, bottom).
void DrawBox(QImage& image, int left, int top, int right, int bottom) {
    for (int x = left; x <= right; ++x) {
        image.setPixel(x, top, Black);
        image.setPixel(x, bottom, Black);
    }
    for (int y = top; y <= bottom; ++y) {
        image.setPixel(left, y, Black);
        image.setPixel(right, y, Black);
    }
}

int CountColour(const QImage& image, QRgb colour) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) count += image.pixel(x, y) == colour ? 1 : 0;
    }
    return count;
}

TEST(FillBoundedByBlack, FillsTheInsideOfAnOutlineAndNothingElse) {
    QImage image = Blank(20, 20);
    DrawBox(image, 5, 5, 14, 14);
    EXPECT_EQ(FloodFill(image, QPoint(9, 9), Red, FillBoundary::Black), 64);
    EXPECT_EQ(CountColour(image, Red), 64);
    EXPECT_EQ(image.pixel(6, 6), Red);
    EXPECT_EQ(image.pixel(13, 13), Red);
    EXPECT_EQ(image.pixel(5, 5), Black);
    EXPECT_EQ(image.pixel(4, 9), White);
    EXPECT_EQ(image.pixel(15, 9), White);
}

TEST(FillBoundedByBlack, CrossesPixelsThatAlreadyHaveTheFillColour) {
    QImage image = Blank(20, 20);
    DrawBox(image, 5, 5, 14, 14);
    // A band of the fill colour splits the inside into a left and a right part.
    for (int y = 6; y <= 13; ++y) image.setPixel(9, y, Red);
    EXPECT_EQ(FloodFill(image, QPoint(6, 6), Red, FillBoundary::Black), 64);
    EXPECT_EQ(image.pixel(13, 13), Red);
}

TEST(FillBoundedByBlack, FillsOverOtherColoursInside) {
    QImage image = Blank(20, 20);
    DrawBox(image, 5, 5, 14, 14);
    image.setPixel(10, 10, Green);
    image.setPixel(11, 10, Blue);
    FloodFill(image, QPoint(6, 6), Red, FillBoundary::Black);
    EXPECT_EQ(image.pixel(10, 10), Red);
    EXPECT_EQ(image.pixel(11, 10), Red);
}

TEST(FillBoundedByBlack, DoesNotSlipThroughADiagonalLine) {
    QImage image = Blank(6, 6);
    for (int x = 0; x < 6; ++x) image.setPixel(x, 5 - x, Black);
    // Above the line x + y < 5: 1 + 2 + 3 + 4 + 5 pixels.
    EXPECT_EQ(FloodFill(image, QPoint(0, 0), Red, FillBoundary::Black), 15);
    EXPECT_EQ(image.pixel(5, 5), White);
    EXPECT_EQ(image.pixel(1, 5), White);
}

TEST(FillBoundedByBlack, SeedOnBlackPaintsNothing) {
    QImage image = Blank(10, 10);
    DrawBox(image, 2, 2, 7, 7);
    EXPECT_EQ(FloodFill(image, QPoint(2, 4), Red, FillBoundary::Black), 0);
    EXPECT_EQ(CountColour(image, Red), 0);
}

TEST(FillBoundedByBlack, AnOpenOutlineLetsTheFillOut) {
    QImage image = Blank(20, 20);
    DrawBox(image, 5, 5, 14, 14);
    image.setPixel(14, 9, White);
    EXPECT_EQ(FloodFill(image, QPoint(9, 9), Red, FillBoundary::Black), 400 - 35);
}

TEST(FillBySeedColour, TakesOnlyTheConnectedPixelsOfTheSeedColour) {
    QImage image = Blank(12, 6, Green);
    // A blue column splits the green into two parts; a white label sits in the left one.
    for (int y = 0; y < 6; ++y) image.setPixel(6, y, Blue);
    image.setPixel(2, 2, White);
    image.setPixel(3, 2, White);
    EXPECT_EQ(FloodFill(image, QPoint(0, 0), Red, FillBoundary::SeedColour), 6 * 6 - 2);
    EXPECT_EQ(image.pixel(2, 2), White);
    EXPECT_EQ(image.pixel(6, 3), Blue);
    EXPECT_EQ(image.pixel(7, 3), Green);
    EXPECT_EQ(CountColour(image, Green), 5 * 6);
}

TEST(FillBySeedColour, StopsAtAnyOtherColourNotOnlyBlack) {
    QImage image = Blank(8, 8, Green);
    for (int x = 0; x < 8; ++x) image.setPixel(x, 4, 0xFF00FF01u);
    EXPECT_EQ(FloodFill(image, QPoint(0, 0), Red, FillBoundary::SeedColour), 32);
    EXPECT_EQ(image.pixel(0, 5), Green);
}

TEST(FillBySeedColour, FillingWithTheSeedColourPaintsNothing) {
    QImage image = Blank(8, 8, Green);
    EXPECT_EQ(FloodFill(image, QPoint(3, 3), Green, FillBoundary::SeedColour), 0);
    EXPECT_EQ(CountColour(image, Green), 64);
}

TEST(FillBySeedColour, FillsBlackAreasToo) {
    QImage image = Blank(8, 8);
    DrawBox(image, 0, 0, 7, 7);
    EXPECT_EQ(FloodFill(image, QPoint(0, 0), Red, FillBoundary::SeedColour), 28);
    EXPECT_EQ(image.pixel(3, 3), White);
}

TEST(FloodFillInput, SeedOutsideThePicturePaintsNothing) {
    QImage image = Blank(8, 8);
    EXPECT_EQ(FloodFill(image, QPoint(8, 0), Red, FillBoundary::Black), 0);
    EXPECT_EQ(FloodFill(image, QPoint(-1, 3), Red, FillBoundary::SeedColour), 0);
    EXPECT_EQ(CountColour(image, White), 64);
}

TEST(FloodFillInput, ColoursAreComparedWithoutAlpha) {
    QImage image(4, 1, QImage::Format_ARGB32);
    image.setPixel(0, 0, 0xFF123456u);
    image.setPixel(1, 0, 0x80123456u);
    image.setPixel(2, 0, 0x00123456u);
    image.setPixel(3, 0, 0xFF123457u);
    EXPECT_EQ(FloodFill(image, QPoint(0, 0), Red, FillBoundary::SeedColour), 3);
    EXPECT_EQ(image.pixel(2, 0), Red);
    EXPECT_EQ(image.pixel(3, 0), 0xFF123457u);
}

TEST(FloodFillInput, PicturesOfOtherFormatsAreConvertedAndFilled) {
    QImage image(6, 6, QImage::Format_Indexed8);
    image.setColorTable({White, Black});
    image.fill(0);
    for (int x = 0; x < 6; ++x) image.setPixel(x, 3, 1);
    EXPECT_EQ(FloodFill(image, QPoint(0, 0), Red, FillBoundary::Black), 18);
    EXPECT_EQ(image.format(), QImage::Format_RGB32);
    EXPECT_EQ(image.pixel(5, 2), Red);
    EXPECT_EQ(image.pixel(5, 4), White);
}

}  // namespace
}  // namespace tesseran
