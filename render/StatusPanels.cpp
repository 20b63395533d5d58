// SPDX-License-Identifier: MIT
// Drawing the status panels from the game state.
#include "render/StatusPanels.h"

#include <algorithm>
#include <string>

namespace tesseran {

namespace {

// The remaining-cards panel: where it stands, where its two digit bands are
// and where each of its four columns of numbers begins.
constexpr QPoint RemainingPanelAt(995, 4);
constexpr std::array<int, 4> RemainingColumnX = {7, 50, 93, 136};
constexpr std::array<int, 2> RemainingRowY = {40, 106};

constexpr int HintWidth = 40;
constexpr int HintHeight = 37;
constexpr int RequestedSuitOffset = 8;  // right of the hand
constexpr int RightSignOffset = 52;

constexpr int MarkerWidth = 64;
constexpr int MarkerHeight = 34;
constexpr int BalloonWidth = 74;
constexpr int BalloonHeight = 38;

bool IsSuit(int suit) { return suit >= 0 && suit < 4; }
bool IsSeat(int seat) { return seat >= 0 && seat < SeatCount; }

}  // namespace

bool TurnHintsShown(const GameState& state) {
    return state.phase == 1 && state.scoreShown == 0 && state.currentSeat == HumanSeat &&
           state.leader != HumanSeat && state.statusDisplay == 1;
}

bool RightSignShown(const GameState& state) {
    return TurnHintsShown(state) && !(state.battleNo == 1 && state.relationKnown == 0);
}

// --- Back buffer ----------------------------------------------------------

void StatusPanels::DrawStatusIcons(QPainter& painter) const {
    // Before the first game the panels show what the first game will bring.
    const bool playing = view_.phase > 0;
    const int suit = playing && IsSuit(view_.trump) ? view_.trump : Clubs;
    const int game = playing ? std::clamp(view_.gameNo, 1, 10) : 1;
    // Between the start of a game and its first battle (battle 0) the
    // counter already shows the battle about to begin.
    const int battle = playing ? std::clamp(view_.battleNo, 1, 3) : 1;

    painter.drawImage(TrumpIconRect.topLeft(), pictures_.suitIcons[static_cast<size_t>(suit)]);
    pictures_.DrawGameCaption(painter, GameCounterRect.topLeft(), game);
    pictures_.DrawBattleCaption(painter, BattleCounterRect.topLeft(), battle);
    painter.drawImage(ToolbarButtonRects[0].topLeft(), pictures_.toolbar);
}

void StatusPanels::DrawRemainingValue(QPainter& painter, int column, int row, int value) const {
    const int x = RemainingPanelAt.x() + RemainingColumnX[static_cast<size_t>(column)];
    const int y = RemainingPanelAt.y() + RemainingRowY[static_cast<size_t>(row)];
    // Two glyphs at most: counts never go past 16.
    const int shown = std::clamp(value, 0, 19);
    if (shown < 10) {
        pictures_.DrawDigit(painter, x + 8, y, shown);
    } else {
        pictures_.DrawDigit(painter, x - 5, y, 1);
        pictures_.DrawDigit(painter, x + 11, y, shown - 10);
    }
}

void StatusPanels::DrawRemainingPanel(QPainter& painter) const {
    painter.drawImage(RemainingPanelAt, pictures_.remainingPanel);

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
        painter.drawImage(markerAt, pictures_.turnMarker);
        if (marker != nullptr) *marker = QRect(markerAt, QSize(TurnMarkerSize, TurnMarkerSize));
    }

    int column = view_.relation[static_cast<size_t>(seat)] > 0 ? RelatedPlateColumn : UnrelatedPlateColumn;
    if (view_.battleNo == 1 && view_.revealed[static_cast<size_t>(seat)] == 0) column = UnknownPlateColumn;
    painter.drawImage(
        plateAt, pictures_.namePlates,
        QRect(column, NamePlateHeight * pictures_.RosterRow(name), NamePlateWidth, NamePlateHeight));
    return QRect(plateAt, QSize(NamePlateWidth, NamePlateHeight));
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
    painter.drawImage(scale.Map(10, 97, BannerWidth, BannerHeight), pictures_.banners,
                      QRect(0, BannerHeight * row, BannerWidth, BannerHeight));
    painter.restore();
}

void StatusPanels::DrawTurnHints(QPainter& painter, WindowScale scale, const QRect& handRect,
                                 QRect& requestedSuitRect, QRect& rightSignRect) const {
    requestedSuitRect = QRect();
    rightSignRect = QRect();
    if (!TurnHintsShown(view_)) return;

    const int x = handRect.left() + handRect.width();
    const int y = handRect.top();
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (IsSuit(view_.requestedSuit)) {
        painter.drawImage(scale.Map(x + RequestedSuitOffset, y, HintWidth, HintHeight),
                          pictures_.transparentSuitIcons[static_cast<size_t>(view_.requestedSuit)]);
        requestedSuitRect = QRect(x + RequestedSuitOffset, y, HintWidth, HintHeight);
    }
    if (RightSignShown(view_)) {
        // Safe when the human's side holds the right, danger otherwise.
        const int half = view_.TrickHolderStrength() == 0 ? 0 : HintWidth;
        painter.drawImage(scale.Map(x + RightSignOffset, y, HintWidth, HintHeight), pictures_.rightSigns,
                          QRect(half, 0, HintWidth, HintHeight));
        rightSignRect = QRect(x + RightSignOffset, y, HintWidth, HintHeight);
    }
    painter.restore();
}

void StatusPanels::DrawSelectionMarker(QPainter& painter, const QRect& windowRect) const {
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(windowRect, pictures_.selectionMarker);
    painter.restore();
}

void StatusPanels::DrawMarker(QPainter& painter, WindowScale scale, int seat, Marker marker) const {
    if (seat < 0 || seat >= static_cast<int>(AnnouncementAnchors.size())) return;
    const QPoint anchor = AnnouncementAnchors[static_cast<size_t>(seat)];
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(scale.Map(anchor.x(), anchor.y(), MarkerWidth, MarkerHeight),
                      marker == Marker::Lead ? pictures_.leadMarker : pictures_.partnerMarker);
    painter.restore();
}

void StatusPanels::DrawBalloon(QPainter& painter, WindowScale scale, int seat, Balloon balloon,
                               int suit) const {
    if (seat < 0 || seat >= static_cast<int>(AnnouncementAnchors.size()) || !IsSuit(suit)) return;
    // The suit goes into a copy, so the stored balloon stays empty.
    QImage filled = (balloon == Balloon::Trump ? pictures_.trumpBalloon : pictures_.requestBalloon).copy();
    {
        QPainter inside(&filled);
        inside.setRenderHint(QPainter::SmoothPixmapTransform);
        const QRect iconRect = balloon == Balloon::Trump ? QRect(29, 1, 32, 36) : QRect(5, 0, 34, 38);
        inside.drawImage(iconRect, pictures_.transparentSuitIcons[static_cast<size_t>(suit)]);
    }
    const QPoint anchor = AnnouncementAnchors[static_cast<size_t>(seat)];
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(scale.Map(anchor.x(), anchor.y(), BalloonWidth, BalloonHeight), filled);
    painter.restore();
}

}  // namespace tesseran
