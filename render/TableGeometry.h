// SPDX-License-Identifier: MIT
// The layout of the table on the 1200 x 900 canvas: the pseudo-perspective
// that squeezes the flat 1140 x 846 table layer into a trapezoid at the
// bird's-eye angle, and the rectangles that the mouse handlers and the hover
// explanations test points against.
//
// Everything here is plain arithmetic, kept apart from the drawing so that
// the numbers the player's clicks depend on can be checked on their own.
// Rectangles are given by their edges the way the drawing code thinks of
// them: left and top inclusive, right and bottom exclusive.
#pragma once

#include "engine/GameState.h"

#include <QRect>

#include <array>
#include <optional>

namespace tesseran {

inline constexpr int CanvasWidth = 1200;
inline constexpr int CanvasHeight = 900;
inline constexpr int LayerWidth = 1140;
inline constexpr int LayerHeight = 846;

// The layer is projected in bands of this many rows, one band per step.
inline constexpr int BandStep = 5;
inline constexpr int BandCount = (LayerHeight + BandStep - 1) / BandStep;

// The rectangle with these edges (right and bottom exclusive).
constexpr QRect RectFromEdges(int left, int top, int right, int bottom) {
    return QRect(QPoint(left, top), QSize(right - left, bottom - top));
}

// The canvas y of the table's front edge at an angle (its whole degrees count).
int FrontEdgeY(double viewAngle);
// The front edge's band at an angle: it grows thicker as the angle falls.
QRect FrontEdgeRect(double viewAngle);

// The canvas rectangles of the fixed panel elements.
inline constexpr QRect TrumpIconRect = RectFromEdges(10, 10, 57, 63);
inline constexpr QRect GameCounterRect = RectFromEdges(58, 10, 173, 36);
inline constexpr QRect BattleCounterRect = RectFromEdges(58, 37, 173, 63);
// The toolbar: the game, settings and help menus, angle up, angle down.
inline constexpr std::array<QRect, 5> ToolbarButtonRects = {
    RectFromEdges(10, 64, 55, 96), RectFromEdges(55, 64, 87, 96), RectFromEdges(87, 64, 119, 96),
    RectFromEdges(119, 64, 146, 96), RectFromEdges(146, 64, 173, 96)};
inline constexpr int AngleUpButton = 3;
inline constexpr int AngleDownButton = 4;
// Where a popup menu of the toolbar opens.
inline constexpr QPoint ToolbarMenuCorner(10, 96);
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

// The pseudo-perspective at one viewing angle.
class Projection {
public:
    explicit Projection(double viewAngle);

    // Where one band of layer rows lands on the canvas.
    struct Band {
        int sourceRow;  // first layer row of the band
        int x;          // canvas left edge
        int y;          // canvas top edge
        int width;      // canvas width (the layer's 1140 pixels squeezed)
    };
    // The band that starts at layer row `sourceRow` (a multiple of BandStep).
    Band BandAt(int sourceRow) const;

    // A layer rectangle mapped roughly onto the canvas; good enough for
    // hit testing, though it does not follow the bands exactly.
    QRect MapLayerRect(const QRect& layerRect) const;

    double tangent() const { return tangent_; }
    // Height of the projected table in canvas pixels.
    int height() const { return height_; }
    int wholeAngle() const { return wholeAngle_; }

private:
    double tangent_;
    int wholeAngle_;
    int height_;
    float rowScale_;
};

// The rectangles the window's mouse handlers and the hover explanations use,
// in canvas coordinates, as the last repaint left them.
struct TableGeometry {
    QRect handRect;                       // the human's hand
    std::array<QRect, 10> handCardRects;  // one per position of the human's hand
    QRect turnMarkerRect;                 // the turn marker while it stands at the human's seat
    std::array<QRect, 4> namePlateRects;  // by seat; empty while a seat shows no plate
    QRect trickAreaScreenRect;            // the projected trick area
    QRect discardScreenRect;              // the projected discard pile
    QRect pileSideRect;                   // the side of the discard pile, below its top card
    QRect requestedSuitRect;              // empty while the requested-suit icon is not shown
    QRect rightSignRect;                  // empty while the right sign is not shown
    int pileTopY = 0;                     // layer row where the pile's side begins
    int pileBottomY = 0;                  // layer row where it ends

    // The human's card at a canvas point, or -1.
    int HandPositionAt(QPoint canvas, int cardsHeld) const;
    // Whether a card dropped at a canvas point lands on the table: the trick
    // area widened by a quarter of its size each way.
    bool InDropArea(QPoint canvas) const;
    // The angle that puts the front edge at a canvas height while it is
    // dragged; nothing beyond the edge's travel.
    static std::optional<double> AngleForFrontEdgeAt(double canvasY);
};

}  // namespace tesseran
