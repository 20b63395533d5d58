// SPDX-License-Identifier: MIT
// Drawing the status panels from the game state, and choosing the hover
// explanation for a point of the canvas.
#include "render/StatusPanels.h"

#include "base/StringTable.h"
#include "render/FramedRect.h"
#include "resources/ResourceStore.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace tesseran {

namespace {

// Glyph sizes in the digit and number pictures.
constexpr int DigitWidth = 16;
constexpr int DigitHeight = 27;
constexpr int MinusGlyph = 10;
constexpr int GameNumberWidth = 21;
constexpr int BattleNumberWidth = 23;
constexpr int CounterHeight = 26;
constexpr int GameNumberGap = 32;    // x of the number's gap in the game caption
constexpr int BattleNumberGap = 22;  // the same in the battle caption

constexpr int BannerWidth = 163;
constexpr int BannerHeight = 26;
constexpr int TotalCaptionWidth = 115;

// The remaining-cards panel: where it stands, where its two digit bands are
// and where each of its four columns of numbers begins.
constexpr QPoint RemainingPanelAt(995, 4);
constexpr std::array<int, 4> RemainingColumnX = {7, 50, 93, 136};
constexpr std::array<int, 2> RemainingRowY = {40, 106};
constexpr int RemainingBandLeft = 2;
constexpr int RemainingBandWidth = 169;
constexpr int RemainingBandHeight = 27;

constexpr int HintWidth = 40;
constexpr int HintHeight = 37;
constexpr int RequestedSuitOffset = 8;  // right of the hand
constexpr int RightSignOffset = 52;

constexpr int MarkerWidth = 64;
constexpr int MarkerHeight = 34;
constexpr int BalloonWidth = 74;
constexpr int BalloonHeight = 38;

// Plate columns: related, unrelated, not yet known.
constexpr int RelatedColumn = 0;
constexpr int UnrelatedColumn = 66;
constexpr int UnknownColumn = 132;

constexpr std::array<int, 3> ComputerEntries = {5, 6, 2};

constexpr int ProfileStrings = 30100;
constexpr int TrumpExplanation = 30110;
constexpr int GameExplanation = 30111;
constexpr int BattleExplanation = 30112;
constexpr int RemainingExplanations = 30113;
constexpr int TrickAreaExplanation = 30121;
constexpr int DiscardExplanation = 30122;
constexpr int TurnMarkerExplanation = 30123;
constexpr int AngleUpExplanation = 30124;
constexpr int AngleDownExplanation = 30125;
constexpr int RequestedSuitExplanation = 30126;
constexpr int RightExplanation = 30127;

constexpr int LuckySound = 150;

// Score board.
constexpr QRect ScoreBoardRect = RectFromEdges(363, 216, 838, 603);
const QColor ScoreBoardFill(0, 70, 0);
const QColor ScoreBoardEdge(66, 66, 39);
const QColor ScoreBoardLine(255, 255, 0);
constexpr int ScoreCaptionX = 387;
constexpr int ScoreColumnX = 515;
constexpr int ScoreColumnStep = 78;
constexpr int ScoreLastGlyphOffset = 48;
constexpr int ScoreTopY = 260;
constexpr int ScoreRowStep = 30;
// Five glyphs fill a column: larger numbers stop at the widest that fits.
constexpr int ScoreMinimum = -9999;
constexpr int ScoreMaximum = 99999;

bool IsSuit(int suit) {
    return suit >= 0 && suit < 4;
}
bool IsSeat(int seat) {
    return seat >= 0 && seat < SeatCount;
}

// Whether a point lies on a rectangle; empty rectangles hold no point.
bool Hits(const QRect& rect, QPoint point) {
    return !rect.isEmpty() && rect.contains(point);
}

HoverText Explain(int stringId) {
    return HoverText{true, QString::fromStdString(LoadString(stringId))};
}

}  // namespace

int ParticipantEntry(const GameState& state, int participant) {
    if (participant >= 0 && participant < 3) return ComputerEntries[static_cast<size_t>(participant)];
    if (participant == 3) return state.entryNo;
    return -1;
}

StatusPanels::StatusPanels(CTorvelView& view, const TableGeometry& geometry)
    : view_(view), geometry_(geometry) {
    for (int entry = 0; entry < 10; ++entry) rosterNames_[static_cast<size_t>(entry)] = RosterName(entry);
}

bool StatusPanels::LoadImages() {
    for (int suit = 0; suit < 4; ++suit) {
        suitIcons_[static_cast<size_t>(suit)] = LoadBitmap(146 + suit);
        transparentSuitIcons_[static_cast<size_t>(suit)] = LoadTransparentBitmap(146 + suit);
    }
    gameCaption_ = LoadBitmap(134);
    gameNumbers_ = LoadBitmap(170);
    battleCaption_ = LoadBitmap(171);
    battleNumbers_ = LoadBitmap(172);
    toolbar_ = LoadBitmap(165);
    banners_ = LoadBitmap(137);
    remainingPanel_ = LoadTransparentBitmap(130);
    digits_ = LoadTransparentBitmap(169);
    selectionMarker_ = LoadTransparentBitmap(136);
    turnMarker_ = LoadTransparentBitmap(152);
    namePlates_ = LoadTransparentBitmap(154);
    rightSigns_ = LoadTransparentBitmap(175);
    partnerMarker_ = LoadTransparentBitmap(167);
    leadMarker_ = LoadTransparentBitmap(168);
    trumpBalloon_ = LoadTransparentBitmap(173);
    requestBalloon_ = LoadTransparentBitmap(174);

    const QImage* all[] = {&gameCaption_,     &gameNumbers_, &battleCaption_,  &battleNumbers_,
                           &toolbar_,         &banners_,     &remainingPanel_, &digits_,
                           &selectionMarker_, &turnMarker_,  &namePlates_,     &rightSigns_,
                           &partnerMarker_,   &leadMarker_,  &trumpBalloon_,   &requestBalloon_};
    for (const QImage* image : all) {
        if (image->isNull()) return false;
    }
    for (int suit = 0; suit < 4; ++suit) {
        if (suitIcons_[static_cast<size_t>(suit)].isNull() ||
            transparentSuitIcons_[static_cast<size_t>(suit)].isNull()) {
            return false;
        }
    }

    // The digit bands of the panel hold the numbers of the moment; in the
    // stored picture they are background, which the numbers are drawn over.
    remainingPanel_ = remainingPanel_.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter panel(&remainingPanel_);
    panel.setCompositionMode(QPainter::CompositionMode_Source);
    for (int rowY : RemainingRowY) {
        panel.fillRect(QRect(RemainingBandLeft, rowY, RemainingBandWidth, RemainingBandHeight),
                       Qt::transparent);
    }
    return true;
}

// --- Back buffer ----------------------------------------------------------

void StatusPanels::DrawDigit(QPainter& painter, int x, int y, int digit) const {
    painter.drawImage(QPoint(x, y), digits_, QRect(DigitWidth * digit, 0, DigitWidth, DigitHeight));
}

void StatusPanels::DrawGameCaption(QPainter& painter, QPoint at, int game) const {
    painter.drawImage(at, gameCaption_);
    painter.drawImage(at + QPoint(GameNumberGap, 0), gameNumbers_,
                      QRect(GameNumberWidth * (game - 1), 0, GameNumberWidth, CounterHeight));
}

void StatusPanels::DrawBattleCaption(QPainter& painter, QPoint at, int battle) const {
    painter.drawImage(at, battleCaption_);
    painter.drawImage(at + QPoint(BattleNumberGap, 0), battleNumbers_,
                      QRect(BattleNumberWidth * (battle - 1), 0, BattleNumberWidth, CounterHeight));
}

void StatusPanels::DrawStatusIcons(QPainter& painter) const {
    // Before the first game the panels show what the first game will bring.
    const bool playing = view_.phase > 0;
    const int suit = playing && IsSuit(view_.trump) ? view_.trump : Clubs;
    const int game = playing ? std::clamp(view_.gameNo, 1, 10) : 1;
    // Between the start of a game and its first battle (battle 0) the
    // counter already shows the battle about to begin.
    const int battle = playing ? std::clamp(view_.battleNo, 1, 3) : 1;

    painter.drawImage(TrumpIconRect.topLeft(), suitIcons_[static_cast<size_t>(suit)]);
    DrawGameCaption(painter, GameCounterRect.topLeft(), game);
    DrawBattleCaption(painter, BattleCounterRect.topLeft(), battle);
    painter.drawImage(ToolbarButtonRects[0].topLeft(), toolbar_);
}

void StatusPanels::DrawRemainingValue(QPainter& painter, int column, int row, int value) const {
    const int x = RemainingPanelAt.x() + RemainingColumnX[static_cast<size_t>(column)];
    const int y = RemainingPanelAt.y() + RemainingRowY[static_cast<size_t>(row)];
    // Two glyphs at most: counts never go past 16.
    const int shown = std::clamp(value, 0, 19);
    if (shown < 10) {
        DrawDigit(painter, x + 8, y, shown);
    } else {
        DrawDigit(painter, x - 5, y, 1);
        DrawDigit(painter, x + 11, y, shown - 10);
    }
}

void StatusPanels::DrawRemainingPanel(QPainter& painter) const {
    painter.drawImage(RemainingPanelAt, remainingPanel_);

    // In battle 1 the teams' counts would give the hidden relation away
    // until two seats have shown which side they are on.
    const auto revealedSeats =
        std::count_if(view_.revealed.begin(), view_.revealed.end(), [](int value) { return value != 0; });
    const bool teamsShown = view_.battleNo != 1 || revealedSeats >= 2;

    const std::array<int, 4> topRow = {view_.relatedToGo, view_.unrelatedToGo, view_.faceLeft,
                                       view_.jokerLeft};
    for (int column = 0; column < 4; ++column) {
        if (column < 2 && !teamsShown) continue;
        DrawRemainingValue(painter, column, 0, topRow[static_cast<size_t>(column)]);
    }
    for (int column = 0; column < 4; ++column) {
        DrawRemainingValue(painter, column, 1, view_.suitLeft[static_cast<size_t>(column)]);
    }
}

int StatusPanels::RosterRow(const std::string& name) const {
    const auto found = std::find(rosterNames_.begin(), rosterNames_.end(), name);
    return found == rosterNames_.end() ? 0 : static_cast<int>(found - rosterNames_.begin());
}

QRect StatusPanels::DrawSeatMarks(QPainter& painter, int seat, QPoint markerAt, QPoint plateAt,
                                  QRect* marker) const {
    if (marker != nullptr) *marker = QRect();
    if (!IsSeat(seat)) return QRect();
    const int participant = view_.participantAt[static_cast<size_t>(seat)];
    if (!IsSeat(participant)) return QRect();
    // Before the first match nobody sits at the table yet.
    const std::string& name = view_.participantName[static_cast<size_t>(participant)];
    if (name.empty()) return QRect();

    if (view_.currentSeat == seat) {
        painter.drawImage(markerAt, turnMarker_);
        if (marker != nullptr) *marker = QRect(markerAt, QSize(TurnMarkerSize, TurnMarkerSize));
    }

    int column = view_.relation[static_cast<size_t>(seat)] > 0 ? RelatedColumn : UnrelatedColumn;
    if (view_.battleNo == 1 && view_.revealed[static_cast<size_t>(seat)] == 0) column = UnknownColumn;
    painter.drawImage(plateAt, namePlates_,
                      QRect(column, NamePlateHeight * RosterRow(name), NamePlateWidth, NamePlateHeight));
    return QRect(plateAt, QSize(NamePlateWidth, NamePlateHeight));
}

void StatusPanels::DrawNumberRightAligned(QPainter& painter, int lastGlyphX, int y, int value) const {
    const std::string text = std::to_string(std::clamp(value, ScoreMinimum, ScoreMaximum));
    const int length = static_cast<int>(text.size());
    for (int i = 0; i < length; ++i) {
        const int x = lastGlyphX - DigitWidth * (length - 1 - i);
        const char character = text[static_cast<size_t>(i)];
        DrawDigit(painter, x, y, character == '-' ? MinusGlyph : character - '0');
    }
}

void StatusPanels::DrawScoreBoard(QPainter& painter) const {
    FillFramedRect(painter, ScoreBoardRect, ScoreBoardFill, ScoreBoardEdge, 2);
    DrawFrame(painter, ScoreBoardRect.adjusted(2, 2, -2, -2), ScoreBoardLine, 1);

    for (int game = 1; game <= 10; ++game) {
        DrawGameCaption(painter, QPoint(ScoreCaptionX, 230 + ScoreRowStep * game), game);
    }
    painter.drawImage(QPoint(ScoreCaptionX, 560), banners_, QRect(0, 0, TotalCaptionWidth, BannerHeight));

    for (int participant = 0; participant < SeatCount; ++participant) {
        const int row = RosterRow(view_.participantName[static_cast<size_t>(participant)]);
        painter.drawImage(QPoint(514 + ScoreColumnStep * participant, 223), namePlates_,
                          QRect(RelatedColumn, NamePlateHeight * row, NamePlateWidth, NamePlateHeight));
    }

    for (int participant = 0; participant < SeatCount; ++participant) {
        const int lastGlyphX = ScoreColumnX + ScoreColumnStep * participant + ScoreLastGlyphOffset;
        long total = 0;
        for (int game = 0; game < 10; ++game) {
            const int points = view_.score[static_cast<size_t>(game)][static_cast<size_t>(participant)];
            total += points;
            DrawNumberRightAligned(painter, lastGlyphX, ScoreTopY + ScoreRowStep * game, points);
        }
        const int shownTotal = static_cast<int>(std::clamp<long>(total, ScoreMinimum, ScoreMaximum));
        DrawNumberRightAligned(painter, lastGlyphX, ScoreTopY + ScoreRowStep * 10, shownTotal);
    }
}

// --- Window ---------------------------------------------------------------

int StatusPanels::BannerRow(bool initialising) const {
    if (initialising) return 3;
    if (view_.phase == 0) return 4;
    if (view_.phase == 2) return 5;
    switch (view_.declaration) {
        case 1:
            return 1;
        case 2:
            return 2;
        case 3:
            return 6;
        case 4:
            return 7;
        case 5:
            return 8;
        case 6:
            return 9;
        default:
            return -1;
    }
}

void StatusPanels::DrawStatusBanner(QPainter& painter, WindowScale scale, bool initialising) const {
    const int row = BannerRow(initialising);
    if (row < 0) return;
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(scale.Map(10, 97, BannerWidth, BannerHeight), banners_,
                      QRect(0, BannerHeight * row, BannerWidth, BannerHeight));
    painter.restore();
}

bool StatusPanels::TurnHintsShown() const {
    return view_.phase == 1 && view_.scoreShown == 0 && view_.currentSeat == HumanSeat &&
           view_.leader != HumanSeat && view_.statusDisplay == 1;
}

bool StatusPanels::RightSignShown() const {
    return TurnHintsShown() && !(view_.battleNo == 1 && view_.relationKnown == 0);
}

void StatusPanels::DrawTurnHints(QPainter& painter, WindowScale scale, const QRect& handRect,
                                 QRect& requestedSuitRect, QRect& rightSignRect) {
    requestedSuitRect = QRect();
    rightSignRect = QRect();
    if (!TurnHintsShown()) return;

    const int x = handRect.left() + handRect.width();
    const int y = handRect.top();
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (IsSuit(view_.requestedSuit)) {
        painter.drawImage(scale.Map(x + RequestedSuitOffset, y, HintWidth, HintHeight),
                          transparentSuitIcons_[static_cast<size_t>(view_.requestedSuit)]);
        requestedSuitRect = QRect(x + RequestedSuitOffset, y, HintWidth, HintHeight);
    }
    if (RightSignShown()) {
        // Safe when the human's side holds the right, danger otherwise.
        const int half = view_.RightStrength() == 0 ? 0 : HintWidth;
        painter.drawImage(scale.Map(x + RightSignOffset, y, HintWidth, HintHeight), rightSigns_,
                          QRect(half, 0, HintWidth, HintHeight));
        rightSignRect = QRect(x + RightSignOffset, y, HintWidth, HintHeight);
    }
    painter.restore();
}

void StatusPanels::DrawSelectionMarker(QPainter& painter, const QRect& windowRect) const {
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(windowRect, selectionMarker_);
    painter.restore();
}

void StatusPanels::DrawMarker(QPainter& painter, WindowScale scale, int seat, Marker marker) const {
    if (seat < 0 || seat >= static_cast<int>(AnnouncementAnchors.size())) return;
    const QPoint anchor = AnnouncementAnchors[static_cast<size_t>(seat)];
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(scale.Map(anchor.x(), anchor.y(), MarkerWidth, MarkerHeight),
                      marker == Marker::Lead ? leadMarker_ : partnerMarker_);
    painter.restore();
}

void StatusPanels::DrawBalloon(QPainter& painter, WindowScale scale, int seat, Balloon balloon,
                               int suit) const {
    if (seat < 0 || seat >= static_cast<int>(AnnouncementAnchors.size()) || !IsSuit(suit)) return;
    // The suit goes into a copy, so the stored balloon stays empty.
    QImage filled = (balloon == Balloon::Trump ? trumpBalloon_ : requestBalloon_).copy();
    {
        QPainter inside(&filled);
        inside.setRenderHint(QPainter::SmoothPixmapTransform);
        const QRect iconRect = balloon == Balloon::Trump ? QRect(29, 1, 32, 36) : QRect(5, 0, 34, 38);
        inside.drawImage(iconRect, transparentSuitIcons_[static_cast<size_t>(suit)]);
    }
    const QPoint anchor = AnnouncementAnchors[static_cast<size_t>(seat)];
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(scale.Map(anchor.x(), anchor.y(), BalloonWidth, BalloonHeight), filled);
    painter.restore();
}

// --- Hover explanations ---------------------------------------------------

HoverText StatusPanels::UpdateHoverText(QPointF canvasPoint, Host& host) {
    const QPoint point(static_cast<int>(std::floor(canvasPoint.x())),
                       static_cast<int>(std::floor(canvasPoint.y())));
    const bool playing = view_.phase >= 1;
    bool onTrumpIcon = false;

    auto plateSeat = [&]() {
        for (int seat = 0; seat < SeatCount; ++seat) {
            if (Hits(geometry_.namePlateRects[static_cast<size_t>(seat)], point)) return seat;
        }
        return -1;
    };
    auto panelItem = [&]() {
        for (int item = 0; item < static_cast<int>(RemainingPanelItemRects.size()); ++item) {
            if (Hits(RemainingPanelItemRects[static_cast<size_t>(item)], point)) return item;
        }
        return -1;
    };

    HoverText result;
    if (view_.displayRemarks != 1) {
        result = HoverText{};
    } else if (const int seat = playing ? plateSeat() : -1; seat >= 0) {
        const int entry = ParticipantEntry(view_, view_.participantAt[static_cast<size_t>(seat)]);
        result = entry >= 0 && entry <= 9 ? Explain(ProfileStrings + entry) : HoverText{true, QString()};
    } else if (TurnHintsShown() && Hits(geometry_.requestedSuitRect, point)) {
        result = Explain(RequestedSuitExplanation);
    } else if (RightSignShown() && Hits(geometry_.rightSignRect, point)) {
        result = Explain(RightExplanation);
    } else if (Hits(ToolbarButtonRects[3], point)) {
        result = Explain(AngleUpExplanation);
    } else if (Hits(ToolbarButtonRects[4], point)) {
        result = Explain(AngleDownExplanation);
    } else if (playing && Hits(geometry_.turnMarkerRect, point)) {
        result = Explain(TurnMarkerExplanation);
    } else if (playing && Hits(geometry_.trickAreaScreenRect, point)) {
        result = Explain(TrickAreaExplanation);
    } else if (view_.discardCount >= 1 && Hits(geometry_.discardScreenRect, point)) {
        result = Explain(DiscardExplanation);
    } else if (Hits(TrumpIconRect, point)) {
        result = Explain(TrumpExplanation);
        onTrumpIcon = true;
        // The seat of the clock's ten seconds (0..3) gets a prearranged hand
        // at the next deal; from second 40 on nobody does.
        const int before = view_.luckySeat;
        const std::optional<LocalTime> now = host.Now();
        const bool lucky = now.has_value() && now->second >= 0 && now->second < 40;
        view_.luckySeat = lucky ? now->second / 10 : -1;
        // The sound marks the moment of luck once, not every move across the icon.
        const bool news = !pointerOnTrumpIcon_ || before != view_.luckySeat;
        if (lucky && news && view_.soundOn == 1) host.PlaySound(LuckySound, SoundMode::Synchronous);
    } else if (Hits(GameCounterRect, point)) {
        result = Explain(GameExplanation);
    } else if (Hits(BattleCounterRect, point)) {
        result = Explain(BattleExplanation);
    } else if (playing && view_.remainingDisplay == 1 && Hits(RemainingPanelRect, point)) {
        const int item = panelItem();
        result = item >= 0 ? Explain(RemainingExplanations + item) : lastHover_;
    } else {
        result = HoverText{};
    }

    pointerOnTrumpIcon_ = onTrumpIcon;
    lastHover_ = result;
    return result;
}

}  // namespace tesseran
