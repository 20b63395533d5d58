// SPDX-License-Identifier: MIT
// The small picture panels around the table: the trump icon, the game and
// battle counters, the toolbar, the status banner, the remaining-cards panel,
// the turn marker and name plates, the requested suit and the right sign
// beside the human's hand, the announcement balloons and markers, the score
// board at the end of a match, and the explanations shown when the mouse
// rests on any of them.
//
// Every number is drawn with digit glyphs from the pictures, never with a
// font. The pictures are loaded once, with their see-through colours already
// turned into alpha; the panels keep no game state of their own and draw
// everything from the view's fields at every repaint.
#pragma once

#include "engine/CTorvelView.h"
#include "base/Host.h"
#include "render/TableGeometry.h"

#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QString>

#include <array>
#include <string>

namespace tesseran {

// What the hover tooltip should show.
struct HoverText {
    bool active = false;
    QString text;

    bool operator==(const HoverText&) const = default;
};

// Canvas to window: window = trunc(canvas x scale), in single precision.
struct WindowScale {
    float x = 1.0f;
    float y = 1.0f;

    int MapX(int canvasX) const { return static_cast<int>(static_cast<float>(canvasX) * x); }
    int MapY(int canvasY) const { return static_cast<int>(static_cast<float>(canvasY) * y); }
    // A canvas rectangle at (left, top) of the given canvas size, on the window.
    QRect Map(int left, int top, int width, int height) const {
        return QRect(MapX(left), MapY(top), MapX(width), MapY(height));
    }
};

// The canvas rectangles of the fixed panel elements.
inline constexpr QRect TrumpIconRect = RectFromEdges(10, 10, 57, 63);
inline constexpr QRect GameCounterRect = RectFromEdges(58, 10, 173, 36);
inline constexpr QRect BattleCounterRect = RectFromEdges(58, 37, 173, 63);
inline constexpr std::array<QRect, 5> ToolbarButtonRects = {
    RectFromEdges(10, 64, 55, 96), RectFromEdges(55, 64, 87, 96), RectFromEdges(87, 64, 119, 96),
    RectFromEdges(119, 64, 146, 96), RectFromEdges(146, 64, 173, 96)};
inline constexpr QRect RemainingPanelRect = RectFromEdges(995, 4, 1170, 142);
// K, M, face cards, joker, then clubs, diamonds, hearts, spades.
inline constexpr std::array<QRect, 8> RemainingPanelItemRects = {
    RectFromEdges(1002, 4, 1045, 44),   RectFromEdges(1045, 4, 1088, 44),
    RectFromEdges(1088, 4, 1131, 44),   RectFromEdges(1131, 4, 1174, 44),
    RectFromEdges(1002, 70, 1045, 110), RectFromEdges(1045, 70, 1088, 110),
    RectFromEdges(1088, 70, 1131, 110), RectFromEdges(1131, 70, 1174, 110)};

// Where announcements and markers appear at the computer seats 0, 1, 2.
inline constexpr std::array<QPoint, 3> AnnouncementAnchors = {QPoint(926, 320), QPoint(538, 175),
                                                              QPoint(210, 320)};

inline constexpr int TurnMarkerSize = 34;
inline constexpr int NamePlateWidth = 66;
inline constexpr int NamePlateHeight = 34;

// The roster entry of a participant: the computers are entries 5, 6 and 2,
// the human the entry chosen at match start.
int ParticipantEntry(const GameState& state, int participant);

class StatusPanels {
public:
    // geometry: the table's rectangles, kept up to date by the table renderer.
    StatusPanels(CTorvelView& view, const TableGeometry& geometry);

    // Loads every picture; false when one is missing.
    bool LoadImages();

    // --- On the back buffer ---------------------------------------------
    // Trump icon, game and battle counters and the toolbar.
    void DrawStatusIcons(QPainter& painter) const;
    void DrawRemainingPanel(QPainter& painter) const;
    // The turn marker (only at currentSeat) and the name plate of one seat.
    // Returns the plate's rectangle, empty when no plate was drawn; marker
    // tells where the turn marker went (empty when it was not drawn).
    QRect DrawSeatMarks(QPainter& painter, int seat, QPoint markerAt, QPoint plateAt, QRect* marker) const;
    void DrawScoreBoard(QPainter& painter) const;

    // --- On the window ----------------------------------------------------
    void DrawStatusBanner(QPainter& painter, WindowScale scale, bool initialising) const;
    // The requested-suit icon and the right sign beside the human's hand;
    // the two rectangles are set to where they went (empty when not drawn).
    void DrawTurnHints(QPainter& painter, WindowScale scale, const QRect& handRect, QRect& requestedSuitRect,
                       QRect& rightSignRect);
    // The keyboard selection marker stretched into a window rectangle.
    void DrawSelectionMarker(QPainter& painter, const QRect& windowRect) const;
    void DrawMarker(QPainter& painter, WindowScale scale, int seat, Marker marker) const;
    void DrawBalloon(QPainter& painter, WindowScale scale, int seat, Balloon balloon, int suit) const;

    // Whether the requested suit and the right are shown beside the hand now.
    bool TurnHintsShown() const;
    // Whether the right sign is shown next to the requested suit.
    bool RightSignShown() const;

    // The explanation for the point under the mouse (canvas coordinates).
    // Resting on the trump icon also picks the seat that gets a prearranged
    // hand at the next deal, from the clock's second.
    HoverText UpdateHoverText(QPointF canvasPoint, Host& host);

    // The name plate's row in the plate picture for a participant's name.
    int RosterRow(const std::string& name) const;

private:
    void DrawDigit(QPainter& painter, int x, int y, int digit) const;
    void DrawNumberRightAligned(QPainter& painter, int lastGlyphX, int y, int value) const;
    void DrawRemainingValue(QPainter& painter, int column, int row, int value) const;
    void DrawGameCaption(QPainter& painter, QPoint at, int game) const;
    void DrawBattleCaption(QPainter& painter, QPoint at, int battle) const;
    int BannerRow(bool initialising) const;

    CTorvelView& view_;
    const TableGeometry& geometry_;
    std::array<std::string, 10> rosterNames_;

    std::array<QImage, 4> suitIcons_;             // 146..149 as stored (drawn opaque)
    std::array<QImage, 4> transparentSuitIcons_;  // the same, green see-through
    QImage gameCaption_;                          // 134
    QImage gameNumbers_;                          // 170
    QImage battleCaption_;                        // 171
    QImage battleNumbers_;                        // 172
    QImage toolbar_;                              // 165
    QImage banners_;                              // 137
    QImage remainingPanel_;                       // 130, digit bands cleared
    QImage digits_;                               // 169
    QImage selectionMarker_;                      // 136
    QImage turnMarker_;                           // 152
    QImage namePlates_;                           // 154
    QImage rightSigns_;                           // 175
    QImage partnerMarker_;                        // 167
    QImage leadMarker_;                           // 168
    QImage trumpBalloon_;                         // 173
    QImage requestBalloon_;                       // 174

    // The trump icon plays its sound when the pointer arrives on it, not on
    // every move across it.
    bool pointerOnTrumpIcon_ = false;
    HoverText lastHover_;
};

}  // namespace tesseran
