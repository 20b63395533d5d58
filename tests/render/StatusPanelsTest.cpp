// SPDX-License-Identifier: MIT
// The panels around the table: the digits they show, which picture parts
// they choose, the score board's numbers, the window-side hints and
// announcements, and the hover explanations with their order of precedence.
#include "base/StringTable.h"
#include "render/HoverExplanations.h"
#include "resources/ResourceStore.h"
#include "tests/render/TableFixture.h"

#include <QPainter>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tesseran::testing {
namespace {

constexpr QRgb ScoreBoardGreen = 0xff004600u;  // RGB(0, 70, 0)
constexpr QRgb PanelBlue = 0xff0066ccu;        // RGB(0, 102, 204)

// Digit glyph k (10 = minus) as it looks over a plain background.
QImage DigitOn(QRgb background, int digit) {
    return Over(background, LoadTransparentBitmap(169).copy(16 * digit, 0, 16, 27));
}

bool IsPlain(const QImage& image, const QRect& rect, QRgb colour) {
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x) {
            if (image.pixel(x, y) != colour) return false;
        }
    }
    return true;
}

// A transparent picture drawn over what the window showed in `rect`.
QImage OverRegion(const QImage& window, const QRect& rect, const QImage& picture) {
    QImage expected = Region(window, rect);
    QPainter painter(&expected);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRect(QPoint(0, 0), rect.size()), picture);
    return expected;
}

HoverText Explained(int stringId) { return HoverText{true, QString::fromStdString(LoadString(stringId))}; }

class StatusPanelsTest : public TableFixture {};

// --- Remaining-cards panel ---------------------------------------------------

TEST_F(StatusPanelsTest, RemainingPanelShowsTenAsTwoGlyphsAndNineAsOneOnItsOwnBlue) {
    StartPlaying();
    view.suitLeft = {10, 9, 3, 0};
    renderer->RedrawTable(TableLayer::Changed);
    const QImage& canvas = renderer->backBuffer;
    // The panel is copied opaque: its captions stand on its blue, not on the table.
    EXPECT_EQ(Region(canvas, QRect(995, 4, 175, 36)), LoadBitmap(130).copy(0, 0, 175, 36));
    const int row = 4 + 106;
    // Column at x = 7 of the panel (canvas 1002): "1" at x - 5, "0" at x + 11.
    EXPECT_EQ(Region(canvas, QRect(997, row, 16, 27)), DigitOn(PanelBlue, 1));
    EXPECT_EQ(Region(canvas, QRect(1013, row, 16, 27)), DigitOn(PanelBlue, 0));
    // Column at x = 50 (canvas 1045): one glyph at x + 8, nothing before it.
    EXPECT_EQ(Region(canvas, QRect(1053, row, 16, 27)), DigitOn(PanelBlue, 9));
    EXPECT_TRUE(IsPlain(canvas, QRect(1040, row, 13, 27), PanelBlue));
    EXPECT_EQ(Region(canvas, QRect(1096, row, 16, 27)), DigitOn(PanelBlue, 3));
    EXPECT_EQ(Region(canvas, QRect(1139, row, 16, 27)), DigitOn(PanelBlue, 0));
}

TEST_F(StatusPanelsTest, RemainingPanelIsHiddenWhenSwitchedOff) {
    StartPlaying();
    view.remainingDisplay = 0;
    renderer->RedrawTable(TableLayer::Changed);
    EXPECT_TRUE(IsPlain(renderer->backBuffer, RemainingPanelRect, Purple));
}

struct TeamCountsCase {
    const char* name;
    int battle;
    std::array<int, 4> revealed;
    bool shown;
};

class TeamCounts : public TableFixture, public ::testing::WithParamInterface<TeamCountsCase> {};

INSTANTIATE_TEST_SUITE_P(
    StatusPanels, TeamCounts,
    ::testing::Values(TeamCountsCase{"HiddenInBattleOneWithNobodyRevealed", 1, {0, 0, 0, 0}, false},
                      TeamCountsCase{"HiddenInBattleOneWithOneRevealed", 1, {0, 0, 1, 0}, false},
                      TeamCountsCase{"ShownInBattleOneWithTwoRevealed", 1, {2, 0, 1, 0}, true},
                      TeamCountsCase{"ShownInBattleTwo", 2, {0, 0, 0, 0}, true}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST_P(TeamCounts, StayBlankUntilTwoSeatsAreRevealed) {
    const TeamCountsCase& state = GetParam();
    StartPlaying();
    view.battleNo = state.battle;
    view.revealed = state.revealed;
    view.relatedToGo = 4;
    view.unrelatedToGo = 7;
    view.faceLeft = 16;
    view.jokerLeft = 1;
    renderer->RedrawTable(TableLayer::Changed);
    const QImage& canvas = renderer->backBuffer;
    const int row = 4 + 40;
    if (state.shown) {
        EXPECT_EQ(Region(canvas, QRect(1010, row, 16, 27)), DigitOn(PanelBlue, 4));
        EXPECT_EQ(Region(canvas, QRect(1053, row, 16, 27)), DigitOn(PanelBlue, 7));
    } else {
        EXPECT_TRUE(IsPlain(canvas, QRect(997, row, 91, 27), PanelBlue));
    }
    // Face cards and the joker are shown either way.
    EXPECT_EQ(Region(canvas, QRect(1083, row, 16, 27)), DigitOn(PanelBlue, 1));
    EXPECT_EQ(Region(canvas, QRect(1099, row, 16, 27)), DigitOn(PanelBlue, 6));
    EXPECT_EQ(Region(canvas, QRect(1139, row, 16, 27)), DigitOn(PanelBlue, 1));
}

// --- Status icons and counters ------------------------------------------------

struct IconsCase {
    const char* name;
    int phase;
    int trump;
    int game;
    int battle;
    int shownSuit;
    int shownGame;
    int shownBattle;
};

class StatusIcons : public TableFixture, public ::testing::WithParamInterface<IconsCase> {};

INSTANTIATE_TEST_SUITE_P(
    StatusPanels, StatusIcons,
    ::testing::Values(IconsCase{"BeforeTheFirstGameClubsGameOneBattleOne", 0, Hearts, 7, 2, Clubs, 1, 1},
                      IconsCase{"DuringPlayTheStateItself", 1, Hearts, 7, 3, Hearts, 7, 3},
                      IconsCase{"BattleZeroDuringPlayShowsBattleOne", 1, Spades, 10, 0, Spades, 10, 1}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST_P(StatusIcons, ShowTrumpGameAndBattle) {
    const IconsCase& state = GetParam();
    view.phase = state.phase;
    view.trump = state.trump;
    view.gameNo = state.game;
    view.battleNo = state.battle;
    renderer->RedrawTable(TableLayer::Changed);
    const QImage& canvas = renderer->backBuffer;
    EXPECT_EQ(Region(canvas, QRect(10, 10, 47, 53)), LoadBitmap(146 + state.shownSuit));
    EXPECT_EQ(Region(canvas, QRect(58 + 32, 10, 21, 26)),
              LoadBitmap(170).copy(21 * (state.shownGame - 1), 0, 21, 26));
    EXPECT_EQ(Region(canvas, QRect(58, 10, 32, 26)), LoadBitmap(134).copy(0, 0, 32, 26));
    EXPECT_EQ(Region(canvas, QRect(58 + 22, 37, 23, 26)),
              LoadBitmap(172).copy(23 * (state.shownBattle - 1), 0, 23, 26));
    EXPECT_EQ(Region(canvas, QRect(10, 64, 163, 32)), LoadBitmap(165));
}

// --- Name plates and the turn marker --------------------------------------------

struct PlateCase {
    const char* name;
    int battle;
    int revealed;
    int relation;
    int column;
};

class SeatPlate : public TableFixture, public ::testing::WithParamInterface<PlateCase> {};

INSTANTIATE_TEST_SUITE_P(StatusPanels, SeatPlate,
                         ::testing::Values(PlateCase{"UnknownInBattleOneUntilRevealed", 1, 0, 1, 132},
                                           PlateCase{"RevealedRelated", 1, 2, 2, 0},
                                           PlateCase{"RevealedUnrelated", 1, 1, 0, 66},
                                           PlateCase{"RelatedInBattleTwo", 2, 0, 1, 0},
                                           PlateCase{"UnrelatedInBattleTwo", 2, 0, 0, 66}),
                         [](const auto& testCase) { return std::string(testCase.param.name); });

TEST_P(SeatPlate, ShowsTheParticipantsRowInTheColumnOfItsSide) {
    const PlateCase& state = GetParam();
    StartPlaying();
    view.battleNo = state.battle;
    view.revealed[2] = state.revealed;
    view.relation[2] = state.relation;
    view.currentSeat = HumanSeat;
    renderer->RedrawTable(TableLayer::Changed);
    // Seat 2's plate over its face-down hand: (10 + 34, 225 - 34) at 21 degrees;
    // participant 2 is roster entry 2, the plate picture's third row.
    const QRect plate(44, 191, 66, 34);
    EXPECT_EQ(renderer->namePlateRects[2], plate);
    EXPECT_EQ(Region(renderer->backBuffer, plate),
              Over(Purple, LoadTransparentBitmap(154).copy(state.column, 2 * 34, 66, 34)));
}

TEST_F(StatusPanelsTest, PlatesFollowTheParticipantsAfterASeatSwap) {
    StartPlaying();
    view.participantAt = {0, 2, 1, 3};
    view.currentSeat = HumanSeat;
    renderer->RedrawTable(TableLayer::Changed);
    // Seat 1 now holds participant 2 (entry 2, row 2), seat 2 participant 1
    // (entry 6); both unrelated in battle 2, the plates' middle column.
    const QRect topPlate = renderer->namePlateRects[1];
    EXPECT_EQ(topPlate, QRect(498 - 66, 35 + 34, 66, 34));
    EXPECT_EQ(Region(renderer->backBuffer, topPlate),
              Over(Purple, LoadTransparentBitmap(154).copy(66, 2 * 34, 66, 34)));
    EXPECT_EQ(Region(renderer->backBuffer, renderer->namePlateRects[2]),
              Over(Purple, LoadTransparentBitmap(154).copy(66, 6 * 34, 66, 34)));
}

TEST_F(StatusPanelsTest, TurnMarkerStandsOnlyAtTheCurrentSeat) {
    StartPlaying();
    view.currentSeat = 1;
    renderer->RedrawTable(TableLayer::Changed);
    const QImage withoutMarker = renderer->backBuffer.copy();
    view.currentSeat = 0;
    renderer->RedrawTable(TableLayer::Changed);
    const QImage& canvas = renderer->backBuffer;
    // Seat 0's marker at (1020, 225 - 34), over the table's far corner; seat
    // 2's place stays empty.
    const QRect marker(1020, 191, 34, 34);
    EXPECT_EQ(Region(canvas, marker), OverRegion(withoutMarker, marker, LoadTransparentBitmap(152)));
    EXPECT_TRUE(IsPlain(canvas, QRect(10, 191, 34, 34), Purple));
    EXPECT_TRUE(renderer->turnMarkerRect.isEmpty());
}

TEST_F(StatusPanelsTest, NoPlatesBeforeAnybodySits) {
    renderer->RedrawTable(TableLayer::Changed);
    for (const QRect& plate : renderer->namePlateRects) EXPECT_TRUE(plate.isEmpty());
    EXPECT_TRUE(IsPlain(renderer->backBuffer, QRect(44, 191, 66, 34), Purple));
}

// --- Score board ---------------------------------------------------------------

TEST_F(StatusPanelsTest, ScoreBoardWritesANegativeTotalWithAMinusGlyph) {
    StartPlaying();
    view.score[0][0] = -35;
    view.score[3][1] = 7;
    view.scoreShown = 1;
    renderer->RedrawTable(TableLayer::Changed);
    const QImage& canvas = renderer->backBuffer;
    // Totals row at y = 260 + 300; participant 0's last glyph at x = 515 + 48.
    EXPECT_EQ(Region(canvas, QRect(531, 560, 16, 27)), DigitOn(ScoreBoardGreen, 10));
    EXPECT_EQ(Region(canvas, QRect(547, 560, 16, 27)), DigitOn(ScoreBoardGreen, 3));
    EXPECT_EQ(Region(canvas, QRect(563, 560, 16, 27)), DigitOn(ScoreBoardGreen, 5));
    // The same in game 1's row.
    EXPECT_EQ(Region(canvas, QRect(531, 260, 16, 27)), DigitOn(ScoreBoardGreen, 10));
    // Participant 1's total of 7 is one glyph with nothing before it.
    EXPECT_EQ(Region(canvas, QRect(641, 560, 16, 27)), DigitOn(ScoreBoardGreen, 7));
    EXPECT_TRUE(IsPlain(canvas, QRect(609, 560, 32, 27), ScoreBoardGreen));
    // Games not played show 0.
    EXPECT_EQ(Region(canvas, QRect(563, 290, 16, 27)), DigitOn(ScoreBoardGreen, 0));
    // Captions: game 10 and the total.
    EXPECT_EQ(Region(canvas, QRect(387 + 32, 530, 21, 26)), LoadBitmap(170).copy(21 * 9, 0, 21, 26));
    EXPECT_EQ(Region(canvas, QRect(387, 560, 115, 26)), LoadBitmap(137).copy(0, 0, 115, 26));
    // The frame: a dark outline, then a yellow line inside it.
    EXPECT_EQ(canvas.pixel(363, 400), 0xff424227u);
    EXPECT_EQ(canvas.pixel(365, 400), 0xffffff00u);
    EXPECT_EQ(canvas.pixel(366, 400), ScoreBoardGreen);
}

TEST_F(StatusPanelsTest, ScoreBoardKeepsAMinusCloseToTheDigitAfterIt) {
    StartPlaying();
    view.score[0][2] = -16;
    view.score[1][2] = -35;
    view.scoreShown = 1;
    renderer->RedrawTable(TableLayer::Changed);
    // The gap between the minus and the first digit's ink, in canvas columns.
    const auto minusGap = [this](int row) {
        const QRect cells(515 + 78 * 2 + 48 - 32, 260 + 30 * row, 48, 27);
        std::vector<bool> ink(static_cast<size_t>(cells.width()), false);
        for (int x = 0; x < cells.width(); ++x) {
            for (int y = 0; y < cells.height(); ++y) {
                if (renderer->backBuffer.pixel(cells.left() + x, cells.top() + y) != ScoreBoardGreen)
                    ink[static_cast<size_t>(x)] = true;
            }
        }
        const auto afterMinus = std::find(std::find(ink.begin(), ink.end(), true), ink.end(), false);
        return static_cast<int>(std::find(afterMinus, ink.end(), true) - afterMinus);
    };
    // A seven-segment 1 stands at the right of its cell; its minus moves up to
    // it, leaving no wider a gap than before a 3.
    EXPECT_LE(minusGap(0), minusGap(1));
    EXPECT_GE(minusGap(0), 1);
}

// --- Status banner -----------------------------------------------------------------

struct BannerCase {
    const char* name;
    bool initialising;
    int phase;
    int declaration;
    int row;  // -1: no banner
};

class StatusBanner : public TableFixture, public ::testing::WithParamInterface<BannerCase> {};

INSTANTIATE_TEST_SUITE_P(StatusPanels, StatusBanner,
                         ::testing::Values(BannerCase{"WhileInitialising", true, 0, 0, 3},
                                           BannerCase{"BeforeTheFirstGame", false, 0, 0, 4},
                                           BannerCase{"WhileTrumpIsChosen", false, 2, 0, 5},
                                           BannerCase{"SixteenDeclared", false, 1, 1, 1},
                                           BannerCase{"ReverseSixteenDeclared", false, 1, 2, 2},
                                           BannerCase{"DeclaredSkunk", false, 1, 3, 6},
                                           BannerCase{"DeclaredReverseSixteen", false, 1, 6, 9},
                                           BannerCase{"PlainPlayHasNone", false, 1, 0, -1}),
                         [](const auto& testCase) { return std::string(testCase.param.name); });

TEST_P(StatusBanner, ShowsTheRowOfTheState) {
    const BannerCase& state = GetParam();
    renderer->initialising = state.initialising;
    view.phase = state.phase;
    view.declaration = state.declaration;
    renderer->RedrawTable(TableLayer::Changed);
    const QImage window = PaintedWindow();
    const QRect banner(10, 97, 163, 26);
    if (state.row < 0) {
        EXPECT_EQ(Region(window, banner), Region(renderer->backBuffer, banner));
    } else {
        EXPECT_EQ(Region(window, banner), LoadBitmap(137).copy(0, 26 * state.row, 163, 26));
    }
}

// --- Requested suit and right sign -------------------------------------------------

class StatusPanelsTurnHints : public TableFixture {
protected:
    // The human follows in battle 2: seat 0 led a heart.
    void SetUp() override {
        TableFixture::SetUp();
        StartPlaying();
        GiveHand(HumanSeat, {1, 2, 3});
        view.currentSeat = HumanSeat;
        view.leader = 0;
        view.requestedSuit = Hearts;
        view.trick = {24, NoCard, NoCard, NoCard};
        view.relation = {0, 1, 0, 1};
    }
    QImage Paint() {
        renderer->RedrawTable(TableLayer::Changed);
        return PaintedWindow();
    }
};

TEST_F(StatusPanelsTurnHints, RequestedSuitAndRightStandRightOfTheHand) {
    const QImage window = Paint();
    const int x = renderer->handRect.left() + renderer->handRect.width();
    const int y = renderer->handRect.top();
    EXPECT_EQ(renderer->requestedSuitRect, QRect(x + 8, y, 40, 37));
    EXPECT_EQ(renderer->rightSignRect, QRect(x + 52, y, 40, 37));
    EXPECT_EQ(Region(window, renderer->requestedSuitRect),
              OverRegion(renderer->backBuffer, renderer->requestedSuitRect, LoadTransparentBitmap(148)));
    // Seat 0 (unrelated) holds the right against the related human: danger.
    EXPECT_EQ(Region(window, renderer->rightSignRect),
              OverRegion(renderer->backBuffer, renderer->rightSignRect,
                         LoadTransparentBitmap(175).copy(40, 0, 40, 37)));
}

TEST_F(StatusPanelsTurnHints, SafeSignWhenThePartnerHoldsTheRight) {
    view.relation = {1, 0, 0, 1};
    const QImage window = Paint();
    EXPECT_EQ(Region(window, renderer->rightSignRect),
              OverRegion(renderer->backBuffer, renderer->rightSignRect,
                         LoadTransparentBitmap(175).copy(0, 0, 40, 37)));
}

struct HintsCase {
    const char* name;
    std::function<void(GameState&)> change;
    bool suitShown;
    bool rightShown;
};

class TurnHintsShown : public StatusPanelsTurnHints, public ::testing::WithParamInterface<HintsCase> {};

INSTANTIATE_TEST_SUITE_P(
    StatusPanels, TurnHintsShown,
    ::testing::Values(
        HintsCase{"WhileFollowing", [](GameState&) {}, true, true},
        HintsCase{"NoRightInBattleOneBeforeTheRelationIsKnown", [](GameState& state) { state.battleNo = 1; },
                  true, false},
        HintsCase{"RightInBattleOneOnceKnown",
                  [](GameState& state) {
                      state.battleNo = 1;
                      state.relationKnown = 1;
                  },
                  true, true},
        HintsCase{"NoneWhenTheHumanLeads", [](GameState& state) { state.leader = HumanSeat; }, false, false},
        HintsCase{"NoneOnAnotherSeatsTurn", [](GameState& state) { state.currentSeat = 1; }, false, false},
        HintsCase{"NoneWithTheStatusDisplayOff", [](GameState& state) { state.statusDisplay = 0; }, false,
                  false},
        HintsCase{"NoneOverTheScoreBoard", [](GameState& state) { state.scoreShown = 1; }, false, false},
        HintsCase{"NoneWhileShowCardsArePlaced", [](GameState& state) { state.phase = 2; }, false, false}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST_P(TurnHintsShown, OnlyOnTheHumansTurnToFollow) {
    GetParam().change(view);
    const QImage window = Paint();
    EXPECT_EQ(!renderer->requestedSuitRect.isEmpty(), GetParam().suitShown);
    EXPECT_EQ(!renderer->rightSignRect.isEmpty(), GetParam().rightShown);
    const QRect beside(renderer->handRect.left() + renderer->handRect.width(), renderer->handRect.top(), 100,
                       37);
    const bool drawn = Region(window, beside) != Region(renderer->backBuffer, beside);
    EXPECT_EQ(drawn, GetParam().suitShown || GetParam().rightShown);
}

// --- Announcements -------------------------------------------------------------------

TEST_F(StatusPanelsTest, LeadMarkerAppearsAtTheSeatsAnchor) {
    renderer->RedrawTable(TableLayer::Changed);
    QImage window = PaintedWindow();
    const QImage before = window.copy();
    QPainter painter(&window);
    renderer->PaintMarker(painter, 0, Marker::Lead);
    renderer->PaintMarker(painter, HumanSeat, Marker::Partner);  // the human's seat has no anchor
    painter.end();
    const QRect anchor(926, 320, 64, 34);
    EXPECT_EQ(Region(window, anchor), OverRegion(before, anchor, LoadTransparentBitmap(168)));
    QImage outside = window.copy();
    QPainter restore(&outside);
    restore.drawImage(anchor.topLeft(), before.copy(anchor));
    restore.end();
    EXPECT_EQ(outside, before);
}

TEST_F(StatusPanelsTest, TrumpBalloonCarriesTheSuitAndScalesWithTheWindow) {
    renderer->RedrawTable(TableLayer::Changed);
    QImage window = PaintedWindow(QSize(640, 480));
    const QImage before = window.copy();
    QPainter painter(&window);
    renderer->PaintBalloon(painter, 2, Balloon::Trump, Spades);
    painter.end();
    // (210, 320) and 74 x 38 at scale 640 / 1200.
    const QRect drawn(112, 170, 39, 20);
    QImage balloon = LoadTransparentBitmap(173);
    {
        QPainter inside(&balloon);
        inside.setRenderHint(QPainter::SmoothPixmapTransform);
        inside.drawImage(QRect(29, 1, 32, 36), LoadTransparentBitmap(149));
    }
    EXPECT_EQ(Region(window, drawn), OverRegion(before, drawn, balloon));
    EXPECT_EQ(Region(window, QRect(0, 0, 640, 170)), Region(before, QRect(0, 0, 640, 170)));
    EXPECT_EQ(Region(window, QRect(0, 190, 640, 290)), Region(before, QRect(0, 190, 640, 290)));
}

// --- StatusPanelsHover explanations -----------------------------------------------------------------

class StatusPanelsHover : public TableFixture {
protected:
    void SetUp() override {
        TableFixture::SetUp();
        StartPlaying();
        GiveHand(HumanSeat, {1, 2, 3});
        view.currentSeat = HumanSeat;
        view.leader = 0;
        view.requestedSuit = Diamonds;
        view.discardCount = 3;
        hover = std::make_unique<HoverExplanations>(view, *renderer);
        Repaint();
    }
    void Repaint() {
        renderer->RedrawTable(TableLayer::Changed);
        PaintedWindow();
    }
    // What the window does when the pointer comes to rest at a point.
    HoverText At(QPoint point) {
        const QPointF canvas = QPointF(point) + QPointF(0.4, 0.4);
        const HoverText text = hover->Explain(canvas);
        view.PointerOnTrumpIcon(HoverExplanations::OnTrumpIcon(canvas));
        return text;
    }
    std::unique_ptr<HoverExplanations> hover;
};

TEST_F(StatusPanelsHover, NamePlateExplainsItsParticipantsRosterEntry) {
    const std::array<int, 4> profiles = {30105, 30106, 30102, 30103};
    for (int seat = 0; seat < SeatCount; ++seat) {
        EXPECT_EQ(At(renderer->namePlateRects[seat].center()), Explained(profiles[seat])) << "seat " << seat;
    }
    view.participantAt = {0, 2, 1, 3};
    Repaint();
    EXPECT_EQ(At(renderer->namePlateRects[1].center()), Explained(30102));
    EXPECT_EQ(At(renderer->namePlateRects[2].center()), Explained(30106));
}

struct HoverCase {
    const char* name;
    QPoint point;
    int stringId;  // 0: no explanation
};

class HoverOnFixedElements : public StatusPanelsHover, public ::testing::WithParamInterface<HoverCase> {};

INSTANTIATE_TEST_SUITE_P(
    StatusPanels, HoverOnFixedElements,
    ::testing::Values(
        HoverCase{"AngleUpButton", {132, 80}, 30124}, HoverCase{"AngleDownButton", {159, 80}, 30125},
        HoverCase{"MenuButtonHasNone", {30, 80}, 0}, HoverCase{"GameCounter", {100, 20}, 30111},
        HoverCase{"BattleCounter", {100, 50}, 30112}, HoverCase{"PanelK", {1020, 20}, 30113},
        HoverCase{"PanelM", {1066, 20}, 30114}, HoverCase{"PanelFaceCards", {1110, 20}, 30115},
        HoverCase{"PanelJoker", {1150, 20}, 30116}, HoverCase{"PanelClubs", {1020, 90}, 30117},
        HoverCase{"PanelDiamonds", {1066, 90}, 30118}, HoverCase{"PanelHearts", {1110, 90}, 30119},
        HoverCase{"PanelSpades", {1150, 90}, 30120}, HoverCase{"OutsideEverything", {600, 880}, 0}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST_P(HoverOnFixedElements, ExplainsWhatLiesUnderThePointer) {
    const HoverText expected = GetParam().stringId == 0 ? HoverText{} : Explained(GetParam().stringId);
    EXPECT_EQ(At(GetParam().point), expected);
}

TEST_F(StatusPanelsHover, TableAreasExplainThemselvesDuringPlay) {
    EXPECT_EQ(At(renderer->trickAreaScreenRect.center()), Explained(30121));
    EXPECT_EQ(At(renderer->discardScreenRect.center()), Explained(30122));
    EXPECT_EQ(At(renderer->turnMarkerRect.center()), Explained(30123));
    EXPECT_EQ(At(renderer->requestedSuitRect.center()), Explained(30126));
    EXPECT_EQ(At(renderer->rightSignRect.center()), Explained(30127));
}

TEST_F(StatusPanelsHover, EmptyPileAndIdleTableExplainNothing) {
    view.discardCount = 0;
    Repaint();
    EXPECT_EQ(At(renderer->discardScreenRect.center()), HoverText{});
    view.phase = 0;
    Repaint();
    EXPECT_EQ(At(renderer->trickAreaScreenRect.center()), HoverText{});
    EXPECT_EQ(At(QPoint(1020, 20)), HoverText{});
}

TEST_F(StatusPanelsHover, RequestedSuitIsSilentOnceItIsNoLongerShown) {
    const QPoint icon = renderer->requestedSuitRect.center();
    view.currentSeat = 0;
    Repaint();
    EXPECT_NE(At(icon), Explained(30126));
}

TEST_F(StatusPanelsHover, PanelGapKeepsTheLastExplanation) {
    const HoverText face = At(QPoint(1110, 20));
    EXPECT_EQ(face, Explained(30115));
    EXPECT_EQ(At(QPoint(1110, 57)), face);  // between the two rows of items
}

TEST_F(StatusPanelsHover, PanelItemsAreSilentWhenThePanelIsOff) {
    view.remainingDisplay = 0;
    Repaint();
    EXPECT_EQ(At(QPoint(1020, 20)), HoverText{});
}

TEST_F(StatusPanelsHover, NothingIsExplainedWithRemarksOff) {
    view.displayRemarks = 0;
    EXPECT_EQ(At(QPoint(132, 80)), HoverText{});
    EXPECT_EQ(At(renderer->trickAreaScreenRect.center()), HoverText{});
}

struct LuckCase {
    const char* name;
    std::optional<int> second;
    int soundOn;
    int luckySeat;
    std::vector<int> sounds;
};

class HoverOnTrumpIcon : public StatusPanelsHover, public ::testing::WithParamInterface<LuckCase> {};

INSTANTIATE_TEST_SUITE_P(StatusPanels, HoverOnTrumpIcon,
                         ::testing::Values(LuckCase{"SecondZeroFavoursSeatZero", 0, 1, 0, {150}},
                                           LuckCase{"SecondTwentyFiveFavoursSeatTwo", 25, 1, 2, {150}},
                                           LuckCase{"SecondThirtyNineFavoursTheHuman", 39, 1, 3, {150}},
                                           LuckCase{"SecondFortyFavoursNobody", 40, 1, -1, {}},
                                           LuckCase{"SilentWithSoundOff", 12, 0, 1, {}},
                                           LuckCase{"NoClockFavoursNobody", std::nullopt, 1, -1, {}}),
                         [](const auto& testCase) { return std::string(testCase.param.name); });

TEST_P(HoverOnTrumpIcon, PicksTheLuckySeatFromTheClocksSecond) {
    const LuckCase& luck = GetParam();
    host.clock = luck.second ? std::optional(LocalTime{2026, 12, 8, 21, 5, *luck.second}) : std::nullopt;
    view.soundOn = luck.soundOn;
    view.luckySeat = 1 - luck.luckySeat;  // anything else
    EXPECT_EQ(At(QPoint(30, 30)), Explained(30110));
    EXPECT_EQ(view.luckySeat, luck.luckySeat);
    EXPECT_EQ(host.sounds, luck.sounds);
}

TEST_F(StatusPanelsHover, TrumpIconSoundsOnceOnArrivalNotOnEveryMove) {
    host.clock = LocalTime{2026, 12, 8, 21, 5, 15};
    At(QPoint(30, 30));
    At(QPoint(31, 30));
    At(QPoint(32, 31));
    EXPECT_EQ(host.sounds, std::vector<int>{150});
    // The clock moving on into another seat's ten seconds sounds again.
    host.clock->second = 21;
    At(QPoint(33, 31));
    EXPECT_EQ(view.luckySeat, 2);
    EXPECT_EQ(host.sounds, (std::vector<int>{150, 150}));
    // Leaving and coming back is a new arrival.
    At(QPoint(600, 880));
    At(QPoint(30, 30));
    EXPECT_EQ(host.sounds, (std::vector<int>{150, 150, 150}));
}

}  // namespace
}  // namespace tesseran::testing
