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

#include <QRect>

#include <array>

namespace tesseran {

inline constexpr int CanvasWidth = 1200;
inline constexpr int CanvasHeight = 900;
inline constexpr int LayerWidth = 1140;
inline constexpr int LayerHeight = 846;

inline constexpr int MinimumAngle = 9;
inline constexpr int MaximumAngle = 26;
inline constexpr int DefaultAngle = 21;

// The layer is projected in bands of this many rows, one band per step.
inline constexpr int BandStep = 5;
inline constexpr int BandCount = (LayerHeight + BandStep - 1) / BandStep;

// The rectangle with these edges (right and bottom exclusive).
constexpr QRect RectFromEdges(int left, int top, int right, int bottom) {
    return QRect(QPoint(left, top), QSize(right - left, bottom - top));
}

// The canvas y of the table's front edge at an angle (its whole degrees count).
int FrontEdgeY(double viewAngle);

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

    // The front edge's travel: its y at the lowest and the highest angle.
    int angleMinY = 481;
    int angleMaxY = 685;
    double anglePixelsPerDegree = 12.0;
};

}  // namespace tesseran
