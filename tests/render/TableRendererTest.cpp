// SPDX-License-Identifier: MIT
// The table as drawn: the projection's numbers, where the cards land and that
// they land unscaled, the fans, the pile, the angle commands, the hands the
// peek window reads, and the window's own drawings.
#include "render/CardSheet.h"
#include "render/ImageStretch.h"
#include "tests/render/TableFixture.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace tesseran::testing {
namespace {

constexpr QRgb FrontEdgeGreen = 0xff004800u;  // RGB(0, 72, 0)
constexpr QRgb Black = 0xff000000u;
constexpr QRgb PileGrey = 0xffa4a4a4u;      // RGB(164, 164, 164)
constexpr QRgb PileLineGrey = 0xff606060u;  // RGB(96, 96, 96)
constexpr QRgb Cloth = 0xff188338u;         // RGB(24, 131, 56)

// The part of `rect` of the sheet's cell for `card`, at the same offset.
QImage CellPart(const QImage& sheet, int card, const QRect& part) {
    return Region(sheet, part.translated(CardCell(card).topLeft()));
}

// The bounding box of the pixels where two pictures differ.
QRect DifferenceBox(const QImage& one, const QImage& other) {
    QRect box;
    for (int y = 0; y < one.height(); ++y) {
        for (int x = 0; x < one.width(); ++x) {
            if (one.pixel(x, y) != other.pixel(x, y)) box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

// The bounding box of what a fan segment shows (all but the see-through colour).
QRect SegmentContent(const QImage& strip, int cards) {
    const int start = CardBacks::FanSegmentStart(cards);
    QRect box;
    for (int y = 0; y < BackFanStripHeight; ++y) {
        for (int x = 0; x < FanSegmentWidths[cards - 1]; ++x) {
            if (strip.pixel(start + x, y) != FanBackground) box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

class TableRendererTest : public TableFixture {};

// --- Projection ------------------------------------------------------------

struct ProjectionCase {
    int angle;
    int height;  // trunc(1050 x tan(angle))
    int frontY;  // 12 x angle + 373
    QRect trickArea;
    QRect discardPile;
};

class ProjectionAtAngle : public TableFixture, public ::testing::WithParamInterface<ProjectionCase> {};

// Worked by hand for 21 degrees: H = trunc(1050 x 0.383864) = 403; rows scale
// by 403 / 846 = 0.476359; the width lost at the far edge g = trunc(403 /
// 0.383864 x 0.25) = 262, so x0 = 131 + 30 = 161 and y0 = 252 - 403 + 373 =
// 222. Trick area (235, 235)-(905, 611): middle row 423, d = 1 - 423 / 1140 =
// 0.628947, horizontal scale 0.3 d + 878 / 1140 = 0.958860, shift trunc(150 d)
// = 94: left trunc(235 x 0.958860) - 94 + 161 = 292, right 867 - 94 + 161 =
// 934, top trunc(235 x 0.476359) + 222 = 333, bottom 291 + 222 = 513. Discard
// pile (55, 653)-(270, 804): middle row 728, d = 0.896491, scale 1.039123,
// shift 134: left 57 - 134 + 161 = 84, right 280 - 134 + 161 = 307, top 311 +
// 222 = 533, bottom 382 + 222 = 604. The other angles only change H.
INSTANTIATE_TEST_SUITE_P(TableRenderer, ProjectionAtAngle,
                         ::testing::Values(ProjectionCase{9, 166, 481, RectFromEdges(292, 361, 934, 434),
                                                          RectFromEdges(84, 443, 307, 472)},
                                           ProjectionCase{21, 403, 625, RectFromEdges(292, 333, 934, 513),
                                                          RectFromEdges(84, 533, 307, 604)},
                                           ProjectionCase{26, 512, 685, RectFromEdges(292, 315, 934, 542),
                                                          RectFromEdges(84, 568, 307, 659)}),
                         [](const auto& testCase) { return "Angle" + std::to_string(testCase.param.angle); });

TEST_P(ProjectionAtAngle, MapsTrickAreaAndPileForHitTesting) {
    const ProjectionCase& expected = GetParam();
    view.viewAngle = expected.angle;
    renderer->RedrawTable(TableLayer::Changed);
    EXPECT_EQ(renderer->trickAreaScreenRect, expected.trickArea);
    EXPECT_EQ(renderer->discardScreenRect, expected.discardPile);
    EXPECT_EQ(Projection(expected.angle).height(), expected.height);
}

TEST_P(ProjectionAtAngle, FarEdgeIsCentredAndNearEdgeFullWidth) {
    const ProjectionCase& expected = GetParam();
    const Projection projection(expected.angle);
    const Projection::Band far = projection.BandAt(0);
    EXPECT_EQ(far.x, 161);
    EXPECT_EQ(far.x + far.width, 1039);
    EXPECT_EQ(far.y, expected.frontY - expected.height);
    const Projection::Band near = projection.BandAt(845);
    EXPECT_LE(near.x, 31);
    EXPECT_GE(near.x + near.width, 1169);

    // On the canvas the table's far edge is the row H above the front edge,
    // from x 161 to 1038, with the background above it and on either side.
    view.viewAngle = expected.angle;
    renderer->RedrawTable(TableLayer::Changed);
    const QImage& canvas = renderer->backBuffer;
    const int farY = expected.frontY - expected.height;
    for (int x : {161, 600, 1038}) EXPECT_NE(canvas.pixel(x, farY), Purple) << x;
    EXPECT_EQ(canvas.pixel(600, farY - 1), Purple);
    EXPECT_EQ(canvas.pixel(160, farY), Purple);
    EXPECT_EQ(canvas.pixel(1039, farY), Purple);
}

TEST_P(ProjectionAtAngle, FrontEdgeStandsTwelvePixelsLowerPerDegree) {
    const ProjectionCase& expected = GetParam();
    view.viewAngle = expected.angle;
    renderer->RedrawTable(TableLayer::Changed);
    const int depth = (26 - expected.angle) / 2 + 7;  // 15 at 9 degrees, 7 at 26
    const QImage& canvas = renderer->backBuffer;
    EXPECT_EQ(FrontEdgeY(expected.angle), expected.frontY);
    EXPECT_EQ(canvas.pixel(900, expected.frontY), Black);
    for (int y = expected.frontY + 1; y < expected.frontY + depth - 1; ++y) {
        EXPECT_EQ(canvas.pixel(900, y), FrontEdgeGreen) << "row " << y;
    }
    EXPECT_EQ(canvas.pixel(900, expected.frontY + depth - 1), Black);
    EXPECT_EQ(canvas.pixel(900, expected.frontY + depth), Purple);
    EXPECT_EQ(canvas.pixel(20, expected.frontY + 2), Purple);
}

TEST_F(TableRendererTest, DraggingTheFrontEdgeFollowsItTwelvePixelsPerDegree) {
    EXPECT_EQ(TableGeometry::AngleForFrontEdgeAt(FrontEdgeY(9)), 9.0);
    EXPECT_EQ(TableGeometry::AngleForFrontEdgeAt(FrontEdgeY(26)), 26.0);
    EXPECT_EQ(TableGeometry::AngleForFrontEdgeAt(FrontEdgeY(13) + 9), 13.75);
    EXPECT_FALSE(TableGeometry::AngleForFrontEdgeAt(FrontEdgeY(9) - 1));
    EXPECT_FALSE(TableGeometry::AngleForFrontEdgeAt(FrontEdgeY(26) + 1));
}

// --- The human's hand ------------------------------------------------------

struct HandCase {
    int cards;
    int left;  // 376 + (8 - n) x 33 / 2
};

class HumanHandLayout : public TableFixture, public ::testing::WithParamInterface<HandCase> {};

INSTANTIATE_TEST_SUITE_P(TableRenderer, HumanHandLayout,
                         ::testing::Values(HandCase{10, 343}, HandCase{3, 458}),
                         [](const auto& testCase) { return std::to_string(testCase.param.cards) + "Cards"; });

TEST_P(HumanHandLayout, CardsStepThirtyThreePixelsCentredForEight) {
    const HandCase& expected = GetParam();
    const std::vector<int> cards = {1, 5, 13, 20, 24, 29, 36, 40, 42, 43};
    for (int i = 0; i < expected.cards; ++i) view.hand[HumanSeat][i] = cards[i];
    view.handCount[HumanSeat] = expected.cards;
    renderer->RedrawTable(TableLayer::Changed);

    const int y = 474 + 6 * 21;
    for (int i = 0; i < expected.cards; ++i) {
        const int x = expected.left + 33 * i;
        const int width = i == expected.cards - 1 ? 151 : 33;
        EXPECT_EQ(renderer->handCardRects[i], QRect(x, y, width, 215)) << "card " << i;
        // Each card is copied unscaled: the strip it shows is the cell's own left strip.
        EXPECT_EQ(Region(renderer->backBuffer, QRect(x, y, width, 215)),
                  CellPart(sheet, cards[i], QRect(0, 0, width, 215)))
            << "card " << i;
    }
    for (int i = expected.cards; i < HandSize; ++i) EXPECT_TRUE(renderer->handCardRects[i].isEmpty());
    EXPECT_EQ(renderer->handRect,
              RectFromEdges(expected.left, y, expected.left + 33 * expected.cards + 118, y + 215));
}

TEST_F(TableRendererTest, HumanHandFollowsTheAngle) {
    GiveHand(HumanSeat, {3});
    for (int angle : {9, 26}) {
        view.viewAngle = angle;
        renderer->RedrawTable(TableLayer::Kept);
        EXPECT_EQ(renderer->handCardRects[0].top(), 474 + 6 * angle);
    }
}

TEST_F(TableRendererTest, TurnMarkerAndPlateStandLeftOfTheHumanHand) {
    StartPlaying();
    GiveHand(HumanSeat, {1, 2, 3});
    view.currentSeat = HumanSeat;
    renderer->RedrawTable(TableLayer::Changed);
    EXPECT_EQ(renderer->turnMarkerRect, QRect(458 - 34, 600, 34, 34));
    EXPECT_EQ(renderer->namePlateRects[HumanSeat], QRect(458 - 66, 634, 66, 34));

    view.currentSeat = 0;
    renderer->RedrawTable(TableLayer::Kept);
    EXPECT_TRUE(renderer->turnMarkerRect.isEmpty());
    EXPECT_FALSE(renderer->namePlateRects[HumanSeat].isEmpty());
}

// --- Cards on the table layer ------------------------------------------------

TEST_F(TableRendererTest, TrickCardsLieUnscaledInAPinwheel) {
    view.trick = {12, 25, 38, 7};
    renderer->RedrawTable(TableLayer::Changed);
    const QImage& layer = renderer->tableLayer;
    // Seats 1 and 3 upright at their anchors.
    EXPECT_EQ(Region(layer, QRect(409, 235, 151, 215)), CellPart(sheet, 25, QRect(0, 0, 151, 215)));
    EXPECT_EQ(Region(layer, QRect(580, 396, 151, 215)), CellPart(sheet, 7, QRect(0, 0, 151, 215)));
    // Seats 0 and 2 turned a quarter turn clockwise: the cell's pixel (i, j)
    // lands at (214 - j, i) from the anchor.
    const QRect cell0 = CardCell(12);
    const QRect cell2 = CardCell(38);
    for (auto [i, j] : {std::pair{0, 0}, {150, 0}, {0, 214}, {150, 214}, {70, 100}}) {
        EXPECT_EQ(layer.pixel(690 + 214 - j, 235 + i), sheet.pixel(cell0.x() + i, cell0.y() + j));
        EXPECT_EQ(layer.pixel(235 + 214 - j, 460 + i), sheet.pixel(cell2.x() + i, cell2.y() + j));
    }
}

TEST_F(TableRendererTest, PreviousTrickReplacesTheTrickWhileShown) {
    view.trick = {NoCard, 25, NoCard, NoCard};
    view.prevTrick = {NoCard, 30, NoCard, NoCard};
    view.showingPrevTrick = 1;
    renderer->RedrawTable(TableLayer::Changed);
    EXPECT_EQ(Region(renderer->tableLayer, QRect(409, 235, 151, 215)),
              CellPart(sheet, 30, QRect(0, 0, 151, 215)));
}

TEST_F(TableRendererTest, ShowCardsLieSideBySideInTheMiddle) {
    view.showCards = {14, 40};
    view.shownCount = 2;
    renderer->RedrawTable(TableLayer::Changed);
    EXPECT_EQ(Region(renderer->tableLayer, QRect(399, 315, 151, 215)),
              CellPart(sheet, 14, QRect(0, 0, 151, 215)));
    EXPECT_EQ(Region(renderer->tableLayer, QRect(590, 315, 151, 215)),
              CellPart(sheet, 40, QRect(0, 0, 151, 215)));
}

struct CapturedCase {
    int count;
    int spacing;
};

class CapturedFaceCards : public TableFixture, public ::testing::WithParamInterface<CapturedCase> {};

INSTANTIATE_TEST_SUITE_P(TableRenderer, CapturedFaceCards,
                         ::testing::Values(CapturedCase{1, 45}, CapturedCase{5, 45}, CapturedCase{6, 30},
                                           CapturedCase{10, 30}, CapturedCase{11, 15}, CapturedCase{16, 15}),
                         [](const auto& testCase) { return std::to_string(testCase.param.count) + "Cards"; });

TEST_P(CapturedFaceCards, SpacingShrinksWithTheirNumberAndStartsOneStepOut) {
    const CapturedCase& expected = GetParam();
    for (int face = 0; face < expected.count; ++face) view.faceOwner[face] = 1;
    renderer->RedrawTable(TableLayer::Changed);
    const QImage& layer = renderer->tableLayer;
    // The first card already stands one spacing right of the anchor (382, 10):
    // its visible strip is its own left edge.
    const int first = 382 + expected.spacing;
    const int strip = expected.count == 1 ? 151 : expected.spacing;
    EXPECT_EQ(Region(layer, QRect(first, 10, strip, 215)),
              CellPart(sheet, FaceCardAt(0), QRect(0, 0, strip, 215)));
    // The last lies whole on top.
    const int last = 382 + expected.count * expected.spacing;
    EXPECT_EQ(Region(layer, QRect(last, 10, 151, 215)),
              CellPart(sheet, FaceCardAt(expected.count - 1), QRect(0, 0, 151, 215)));
    // Between the anchor and the first card lies bare cloth.
    EXPECT_EQ(layer.pixel(382, 100), Cloth);
    EXPECT_EQ(layer.pixel(first - 1, 100), Cloth);
}

TEST_F(TableRendererTest, SideSeatsStackTurnedFaceCardsDownwards) {
    view.faceOwner[2] = 0;  // club 9, the seat's first
    view.faceOwner[9] = 0;  // heart 8, its second
    renderer->RedrawTable(TableLayer::Changed);
    const QImage& layer = renderer->tableLayer;
    for (auto [face, offset] : {std::pair{2, 45}, {9, 90}}) {
        const QRect cell = CardCell(FaceCardAt(face));
        // Only the top strip of the first shows; look at its first rows.
        for (auto [i, j] : {std::pair{0, 0}, {0, 214}, {20, 100}}) {
            EXPECT_EQ(layer.pixel(915 + 214 - j, 235 + offset + i), sheet.pixel(cell.x() + i, cell.y() + j))
                << "face " << face;
        }
    }
}

TEST_F(TableRendererTest, RotateCardAndFaceStripTurnClockwise) {
    renderer->RotateCard(27);
    const QRect cell = CardCell(27);
    for (auto [i, j] : {std::pair{0, 0}, {150, 0}, {0, 214}, {150, 214}, {33, 77}}) {
        EXPECT_EQ(renderer->rotateScratch.pixel(214 - j, i), sheet.pixel(cell.x() + i, cell.y() + j));
    }
    for (int face : {0, 7, 15}) {
        const QRect faceCell = CardCell(FaceCardAt(face));
        EXPECT_EQ(renderer->faceStrip.pixel(214 - 5, 151 * face + 3),
                  sheet.pixel(faceCell.x() + 3, faceCell.y() + 5));
    }
}

// --- Discard pile --------------------------------------------------------------

TEST_F(TableRendererTest, PileTopRisesWithCardsMoreAtLowAngles) {
    view.discardCount = 24;
    view.viewAngle = 9;
    renderer->RedrawTable(TableLayer::Changed);
    // 644 - (26 - 9) x 24 / 5 = 563.
    const int top = 563;
    EXPECT_EQ(renderer->pileTopY, top + 151);
    EXPECT_EQ(renderer->pileBottomY, top + 151 + 24);
    EXPECT_EQ(renderer->tableLayer.pixel(100, top), backs.rotatedBack().pixel(45, 0));
    EXPECT_EQ(renderer->tableLayer.pixel(100, top - 1), Cloth);
}

TEST_F(TableRendererTest, PileRisesAgainWhenOnlyTheAngleChanges) {
    view.discardCount = 24;
    view.viewAngle = 26;
    renderer->RedrawTable(TableLayer::Changed);
    EXPECT_EQ(renderer->pileTopY, 644 + 151);
    view.viewAngle = 9;
    renderer->RedrawTable(TableLayer::Kept);  // re-projects without a new layer
    EXPECT_EQ(renderer->pileTopY, 563 + 151);
}

struct PileCase {
    int cards;
    QRect side;
    std::vector<int> lineRows;
};

class PileSide : public TableFixture, public ::testing::WithParamInterface<PileCase> {};

// At 26 degrees the top card is not raised: the side runs from layer row 795
// to 795 + cards, i.e. from the band starting at row 795 (canvas y 654) to
// the band at the next multiple of five past 795 + cards.
INSTANTIATE_TEST_SUITE_P(TableRenderer, PileSide,
                         ::testing::Values(PileCase{10, RectFromEdges(90, 654, 303, 660), {}},
                                           PileCase{15, RectFromEdges(90, 654, 303, 663), {658}},
                                           PileCase{24, RectFromEdges(90, 654, 303, 669), {659, 664}}),
                         [](const auto& testCase) { return std::to_string(testCase.param.cards) + "Cards"; });

TEST_P(PileSide, ShowsOneLinePerTenCards) {
    const PileCase& expected = GetParam();
    view.discardCount = expected.cards;
    view.viewAngle = 26;
    renderer->RedrawTable(TableLayer::Changed);
    ASSERT_EQ(renderer->pileSideRect, expected.side);
    std::vector<int> lines;
    for (int y = expected.side.top() + 1; y < expected.side.bottom(); ++y) {
        const QRgb colour = renderer->backBuffer.pixel(expected.side.center().x(), y);
        if (colour == PileLineGrey)
            lines.push_back(y);
        else
            EXPECT_EQ(colour, PileGrey) << "row " << y;
    }
    EXPECT_EQ(lines, expected.lineRows);
}

TEST_F(TableRendererTest, EmptyPileHasNoSide) {
    view.discardCount = 0;
    renderer->RedrawTable(TableLayer::Changed);
    EXPECT_TRUE(renderer->pileSideRect.isEmpty());
    EXPECT_EQ(renderer->pileTopY, 0);
}

// --- Fans -------------------------------------------------------------------------

TEST_F(TableRendererTest, TopHandIsItsFanSegmentScaledToTwoHundredFifteenHigh) {
    for (int cards : {1, 4, 10}) {
        view.handCount[1] = 0;
        view.viewAngle = 26;
        renderer->RedrawTable(TableLayer::Changed);
        const QImage without = renderer->backBuffer.copy();
        view.handCount[1] = cards;
        renderer->RedrawTable(TableLayer::Kept);

        const QRect content = SegmentContent(backs.backFanStrip(), cards);
        const double across = static_cast<int>(FanSegmentWidths[cards - 1] * 0.628654956817627) /
                              static_cast<double>(FanSegmentWidths[cards - 1]);
        const double down = 215.0 / 342.0;
        const QRect drawn = DifferenceBox(without, renderer->backBuffer);
        EXPECT_NEAR(drawn.left(), 498 + content.left() * across, 2) << cards << " cards";
        EXPECT_NEAR(drawn.right() + 1, 498 + (content.right() + 1) * across, 2) << cards << " cards";
        EXPECT_NEAR(drawn.top(), content.top() * down, 2) << cards << " cards";
    }
}

TEST_F(TableRendererTest, SideHandsAreTheirFanSegmentsScaledToOneFiftyByThreeHundred) {
    for (int seat : {0, 2}) {
        for (int cards : {2, 10}) {
            view.handCount = {0, 0, 0, 0};
            renderer->RedrawTable(TableLayer::Changed);
            const QImage without = renderer->backBuffer.copy();
            view.handCount[seat] = cards;
            renderer->RedrawTable(TableLayer::Kept);

            const QRect content = SegmentContent(backs.backFanStrip(), cards);
            const double across = 150.0 / FanSegmentWidths[cards - 1];
            const double down = 300.0 / 342.0;
            const int x = seat == 0 ? 1020 : 10;
            const int y = 220 - 21 + 26;
            const QRect drawn = DifferenceBox(without, renderer->backBuffer);
            EXPECT_NEAR(drawn.left(), x + content.left() * across, 2) << "seat " << seat;
            EXPECT_NEAR(drawn.right() + 1, x + (content.right() + 1) * across, 2) << "seat " << seat;
            EXPECT_NEAR(drawn.top(), y + content.top() * down, 2) << "seat " << seat;
            EXPECT_NEAR(drawn.bottom() + 1, y + (content.bottom() + 1) * down, 2) << "seat " << seat;
        }
    }
}

TEST_F(TableRendererTest, FanBackgroundNeverReachesTheTable) {
    view.handCount = {10, 5, 1, 0};
    view.discardCount = 12;
    renderer->RedrawTable(TableLayer::Changed);
    int near = 0;
    const QImage& canvas = renderer->backBuffer;
    // Around the three computer hands; not even a tint of it at their edges.
    for (const QRect& area : {QRect(0, 150, 200, 400), QRect(1000, 150, 200, 400), QRect(480, 0, 340, 260)}) {
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                const QRgb colour = canvas.pixel(x, y);
                const bool close = std::abs(qRed(colour) - 255) <= 4 && std::abs(qGreen(colour) - 247) <= 4 &&
                                   std::abs(qBlue(colour) - 255) <= 4;
                near += close ? 1 : 0;
            }
        }
    }
    EXPECT_EQ(near, 0);
}

TEST_F(TableRendererTest, OpenModeShowsComputerCardsOnlyInTheFirstThreeGames) {
    GiveHand(1, {1, 2, 3});
    view.openMode = 1;
    for (int game : {1, 3}) {
        view.gameNo = game;
        renderer->RedrawTable(TableLayer::Changed);
        // Seat 1's first card stands at (498, 35), stretched to 115 x 165: its
        // top-left corner is the cell's.
        const QRgb corner = renderer->backBuffer.pixel(498, 35);
        const QRgb cellCorner = sheet.pixel(CardCell(1).topLeft());
        EXPECT_NEAR(qRed(corner), qRed(cellCorner), 3) << "game " << game;
        EXPECT_NEAR(qGreen(corner), qGreen(cellCorner), 3) << "game " << game;
    }
    view.gameNo = 4;
    renderer->RedrawTable(TableLayer::Changed);
    const QImage faceDown = renderer->backBuffer.copy();
    view.openMode = 0;
    renderer->RedrawTable(TableLayer::Changed);
    EXPECT_EQ(faceDown, renderer->backBuffer);
}

// --- Window -----------------------------------------------------------------------------

TEST_F(TableRendererTest, WindowAtCanvasSizeShowsTheBackBuffer) {
    renderer->RedrawTable(TableLayer::Changed);
    const QImage window = PaintedWindow();
    EXPECT_EQ(Region(window, QRect(200, 200, 800, 600)),
              Region(renderer->backBuffer, QRect(200, 200, 800, 600)));
}

TEST_F(TableRendererTest, WindowLargerThanThePictureIsWhiteBesideAndBelow) {
    renderer->RedrawTable(TableLayer::Changed);
    renderer->SetClientSize(QSize(640, 480));
    QImage window(700, 520, QImage::Format_RGB32);
    window.fill(Qt::black);
    QPainter painter(&window);
    renderer->PaintWindow(painter, window.size());
    painter.end();
    for (QPoint point :
         {QPoint(640, 0), QPoint(699, 479), QPoint(0, 480), QPoint(699, 519), QPoint(300, 500)}) {
        EXPECT_EQ(window.pixel(point), 0xffffffffu) << point.x() << "," << point.y();
    }
    EXPECT_EQ(window.pixel(639, 300), Purple);
}

TEST_F(TableRendererTest, StretchedWindowKeepsTheTableInPlace) {
    renderer->RedrawTable(TableLayer::Changed);
    const QImage large = PaintedWindow(QSize(1600, 1200));
    const QImage small = PaintedWindow(QSize(640, 480));
    // The middle of the trick area and the purple corner are where the scale puts them.
    const QRgb trickArea = renderer->backBuffer.pixel(600, 420);
    EXPECT_EQ(large.pixel(800, 560), trickArea);
    EXPECT_EQ(small.pixel(320, 224), trickArea);
    EXPECT_EQ(large.pixel(1590, 1190), Purple);
}

// Enlarging mixes neighbouring pixels in proportion to the distance of the
// target pixel's centre: a colour ramp stays a ramp, a hard edge becomes a
// short gradient, and the ends are held at the edge pixels.
TEST_F(TableRendererTest, LinearStretchInterpolatesBetweenPixelCentres) {
    QImage ramp(8, 2, QImage::Format_RGB32);
    for (int x = 0; x < 8; ++x) {
        ramp.setPixel(x, 0, qRgb(32 * x, 224 - 32 * x, 100));
        ramp.setPixel(x, 1, qRgb(32 * x, 224 - 32 * x, 100));
    }
    // 19 wide: groups of four, a pair and a single pixel take each path there is.
    QImage wide(19, 2, QImage::Format_RGB32);
    StretchLinearly(ramp, wide);
    for (int x = 0; x < wide.width(); ++x) {
        const double centre = std::clamp((x + 0.5) * 8 / wide.width() - 0.5, 0.0, 7.0);
        const QRgb pixel = wide.pixel(x, 1);
        EXPECT_NEAR(qRed(pixel), 32 * centre, 1.5) << "x " << x;
        EXPECT_NEAR(qGreen(pixel), 224 - 32 * centre, 1.5) << "x " << x;
        EXPECT_EQ(qBlue(pixel), 100) << "x " << x;
    }

    QImage edge(8, 2, QImage::Format_RGB32);
    edge.fill(Qt::black);
    for (int x = 0; x < 8; ++x) edge.setPixel(x, 1, qRgb(255, 255, 255));
    QImage tall(8, 4, QImage::Format_RGB32);
    StretchLinearly(edge, tall);
    const int expected[4] = {0, 64, 191, 255};
    for (int y = 0; y < 4; ++y) EXPECT_NEAR(qGreen(tall.pixel(5, y)), expected[y], 1) << "y " << y;

    // Squeezing a row of the table works the same way, and the full width is a copy.
    const auto* row = reinterpret_cast<const std::uint32_t*>(ramp.constScanLine(0));
    std::vector<std::uint32_t> squeezed(8, 0);
    SqueezeRow(row, 8, squeezed.data(), 6);
    for (int x = 0; x < 6; ++x) {
        const double centre = std::clamp((x + 0.5) * 8 / 6 - 0.5, 0.0, 7.0);
        EXPECT_NEAR(qRed(squeezed[x]), 32 * centre, 1.5) << "x " << x;
    }
    EXPECT_EQ(squeezed[6], 0u);
    SqueezeRow(row, 8, squeezed.data(), 8);
    EXPECT_TRUE(std::equal(squeezed.begin(), squeezed.end(), row));

    // A stretch made for other sizes leaves the target alone.
    QImage other(10, 10, QImage::Format_RGB32);
    other.fill(Qt::red);
    LinearStretch(ramp.size(), wide.size()).Apply(ramp, other, 0, 10);
    EXPECT_EQ(other.pixel(3, 3), qRgb(255, 0, 0));
}

struct MarkerCase {
    const char* name;
    int marked;
    int cards;
    int shownAt;  // where the mark is drawn, wrapped into the hand
};

class SelectionMarker : public TableFixture, public ::testing::WithParamInterface<MarkerCase> {};

INSTANTIATE_TEST_SUITE_P(TableRenderer, SelectionMarker,
                         ::testing::Values(MarkerCase{"InsideTheHand", 1, 3, 1},
                                           MarkerCase{"FarBeyondTheLastWrapsToFirst", 12, 3, 0},
                                           MarkerCase{"JustBeyondTheLastWrapsToFirst", 3, 3, 0},
                                           MarkerCase{"BeforeTheFirstWrapsToLast", -1, 3, 2}),
                         [](const auto& testCase) { return std::string(testCase.param.name); });

TEST_P(SelectionMarker, StandsAboveTheMarkedCardWrappingAround) {
    const MarkerCase& expected = GetParam();
    GiveHand(HumanSeat, {1, 2, 3});
    view.markedCard = expected.marked;
    renderer->RedrawTable(TableLayer::Changed);
    const QImage window = PaintedWindow();
    EXPECT_EQ(view.markedCard, expected.marked) << "drawing changes no state";
    for (int i = 0; i < expected.cards; ++i) {
        const QRect& card = renderer->handCardRects[i];
        const QRect above(card.left() + 6, card.top() - 20, 20, 18);
        const bool drawn = Region(window, above) != Region(renderer->backBuffer, above);
        EXPECT_EQ(drawn, i == expected.shownAt) << "card " << i;
    }
}

TEST_F(TableRendererTest, NoSelectionMarkerWithEmptyHandOrScoreBoard) {
    view.markedCard = 5;
    renderer->RedrawTable(TableLayer::Changed);
    QImage window = PaintedWindow();
    EXPECT_EQ(view.markedCard, 5);
    EXPECT_EQ(Region(window, QRect(0, 150, 1200, 750)),
              Region(renderer->backBuffer, QRect(0, 150, 1200, 750)));

    GiveHand(HumanSeat, {1, 2});
    view.markedCard = 0;
    view.scoreShown = 1;
    renderer->RedrawTable(TableLayer::Changed);
    window = PaintedWindow();
    const QRect above(renderer->handCardRects[0].left() + 6, renderer->handCardRects[0].top() - 20, 20, 18);
    EXPECT_EQ(Region(window, above), Region(renderer->backBuffer, above));
}

TEST_F(TableRendererTest, DiscardSpreadLaysThePileOutTwentyPixelsApart) {
    view.discardCount = 3;
    view.discard[0] = 1;
    view.discard[1] = 15;
    view.discard[2] = 37;
    renderer->RedrawTable(TableLayer::Changed);
    QImage window = PaintedWindow();
    QPainter painter(&window);
    renderer->PaintDiscardSpread(painter);
    painter.end();
    const int top = renderer->discardScreenRect.top();
    EXPECT_EQ(Region(window, QRect(0, top, 20, 215)), CellPart(sheet, 1, QRect(0, 0, 20, 215)));
    EXPECT_EQ(Region(window, QRect(20, top, 20, 215)), CellPart(sheet, 15, QRect(0, 0, 20, 215)));
    EXPECT_EQ(Region(window, QRect(40, top, 151, 215)), CellPart(sheet, 37, QRect(0, 0, 151, 215)));
}

TEST_F(TableRendererTest, DraggedCardFollowsThePointerAtFullSize) {
    renderer->RedrawTable(TableLayer::Changed);
    QImage window = PaintedWindow();
    QPainter painter(&window);
    renderer->PaintDraggedCard(painter, QPoint(300, 250), 29);
    renderer->PaintDraggedCard(painter, QPoint(0, 0), 11);  // no card: nothing
    painter.end();
    EXPECT_EQ(Region(window, QRect(300, 250, 151, 215)), CellPart(sheet, 29, QRect(0, 0, 151, 215)));
    EXPECT_EQ(window.pixel(5, 5), renderer->backBuffer.pixel(5, 5));
}

TEST_F(TableRendererTest, PeekWindowShowsTheHandOnWhite) {
    QImage window(30 * 2 + 151 + 20, 215, QImage::Format_RGB32);
    window.fill(Qt::black);
    QPainter painter(&window);
    const std::vector<int> cards = {4, 18, 41};
    renderer->PaintPeekHand(painter, cards);
    painter.end();
    EXPECT_EQ(Region(window, QRect(0, 0, 30, 215)), CellPart(sheet, 4, QRect(0, 0, 30, 215)));
    EXPECT_EQ(Region(window, QRect(60, 0, 151, 215)), CellPart(sheet, 41, QRect(0, 0, 151, 215)));
    EXPECT_EQ(window.pixel(window.width() - 1, 100), 0xffffffffu);
}

// Nothing a state can hold may bring the drawing down.
TEST_F(TableRendererTest, DrawsOddStatesWithoutFault) {
    StartPlaying();
    view.handCount = {-3, 12, 0, 99};
    view.hand[3] = {11, -5, 99, 44, 0, 1, 2, 3, 4, 5};
    view.trick = {11, 200, -7, 34};
    view.prevTrick = {-2, 44, 1000, 0};
    view.showCards = {-1, 88};
    view.shownCount = 7;
    view.faceOwner.fill(9);
    view.discardCount = 40;
    view.markedCard = 77;
    view.currentSeat = 6;
    view.participantAt = {5, -1, 2, 3};
    view.trump = 9;
    view.gameNo = 14;
    view.battleNo = 7;
    view.requestedSuit = 8;
    view.suitLeft = {-4, 25, 10, 9};
    view.score[0] = {999999, -999999, 0, 5};
    view.scoreShown = 1;
    for (double angle : {0.0, 9.0, 26.5, -90.0, 1e9}) {
        view.viewAngle = angle;
        renderer->RedrawTable(TableLayer::Changed);
        PaintedWindow(QSize(640, 480));
        PaintedWindow(QSize(1600, 1200));
    }
    QImage window(200, 200, QImage::Format_RGB32);
    QPainter painter(&window);
    renderer->PaintMarker(painter, 7, Marker::Lead);
    renderer->PaintBalloon(painter, -1, Balloon::Trump, 2);
    renderer->PaintBalloon(painter, 0, Balloon::RequestedSuit, 12);
    renderer->PaintDiscardSpread(painter);
    renderer->PaintDraggedCard(painter, QPoint(-5000, 9000), 0);
    painter.end();
    // The hand is read as its first ten cards.
    EXPECT_FALSE(renderer->handCardRects[9].isEmpty());
}

}  // namespace
}  // namespace tesseran::testing
