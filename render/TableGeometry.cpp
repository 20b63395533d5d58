// SPDX-License-Identifier: MIT
// The pseudo-perspective of the table. The table's near edge keeps the
// layer's full width of 1140 pixels and stands at y = 12 x angle + 373; every
// band farther back is drawn higher and narrower, so that the far edge is
// 878 pixels wide and lies the projected height H = 1050 x tan(angle) above
// the near edge. Scale factors are single-precision floats, as the layout was
// first tuned with them; the whole angle places the table, the exact angle
// sets its height.
#include "render/TableGeometry.h"

#include <algorithm>
#include <cmath>

namespace tesseran {

namespace {

// The value of pi the layout was tuned with.
constexpr double LayoutPi = 3.1415926535;

// The front edge sits 12 pixels lower for every degree, starting from this.
constexpr int FrontEdgeBase = 373;
constexpr int FrontEdgePixelsPerDegree = 12;

// The table's depth before the tangent, and the share of the depth that is
// lost in width on either side.
constexpr double DepthScale = 1050.0;
constexpr double WidthLossPerDepth = 0.125 * 2.0;

constexpr int TableLeft = 30;

// An angle the table can be drawn at: whole degrees 9..26 with their
// fraction while the angle is dragged; nonsense becomes the default.
double UsableAngle(double viewAngle) {
    if (!std::isfinite(viewAngle)) return DefaultAngle;
    return std::clamp(viewAngle, static_cast<double>(MinimumAngle), static_cast<double>(MaximumAngle));
}

}  // namespace

int FrontEdgeY(double viewAngle) {
    return FrontEdgePixelsPerDegree * static_cast<int>(UsableAngle(viewAngle)) + FrontEdgeBase;
}

QRect FrontEdgeRect(double viewAngle) {
    const int top = FrontEdgeY(viewAngle);
    const int depth = (MaximumAngle - static_cast<int>(UsableAngle(viewAngle))) / 2 + 7;
    return RectFromEdges(TableLeft, top, TableLeft + LayerWidth, top + depth);
}

Projection::Projection(double viewAngle) {
    const double angle = UsableAngle(viewAngle);
    tangent_ = std::tan(angle * LayoutPi / 180.0);
    wholeAngle_ = static_cast<int>(angle);
    height_ = static_cast<int>(DepthScale * tangent_);
    rowScale_ = static_cast<float>(height_) / static_cast<float>(LayerHeight);
}

Projection::Band Projection::BandAt(int sourceRow) const {
    const int depth = height_ - static_cast<int>(static_cast<float>(sourceRow) * rowScale_);
    const int widthLost = static_cast<int>(depth / tangent_ * WidthLossPerDepth);
    Band band;
    band.sourceRow = sourceRow;
    band.x = widthLost / 2 + TableLeft;
    band.y = FrontEdgeY(wholeAngle_) - depth;
    band.width = LayerWidth - widthLost;
    return band;
}

QRect Projection::MapLayerRect(const QRect& layerRect) const {
    const int left = layerRect.left();
    const int top = layerRect.top();
    const int right = layerRect.left() + layerRect.width();
    const int bottom = layerRect.top() + layerRect.height();

    const float verticalScale = static_cast<float>(height_) / static_cast<float>(LayerHeight);
    const int widthLost = static_cast<int>(height_ / tangent_ * WidthLossPerDepth);
    const float widthScale = static_cast<float>(LayerWidth - widthLost) / static_cast<float>(LayerWidth);
    const int originX = widthLost / 2 + TableLeft;
    const int originY = FrontEdgeY(wholeAngle_) - height_;

    // A rectangle nearer the front is drawn wider; its middle row says how near.
    const int middle = (top + bottom) / 2;
    const float nearness = 1.0f - static_cast<float>(LayerHeight - middle) / static_cast<float>(LayerWidth);
    const float horizontalScale = static_cast<float>(nearness * 0.3 + widthScale);
    const int shift = static_cast<int>(nearness * 150.0f);

    auto mapX = [&](int x) {
        return static_cast<int>(static_cast<float>(x) * horizontalScale) - shift + originX;
    };
    auto mapY = [&](int y) { return static_cast<int>(static_cast<float>(y) * verticalScale) + originY; };
    return RectFromEdges(mapX(left), mapY(top), mapX(right), mapY(bottom));
}

int TableGeometry::HandPositionAt(QPoint canvas, int cardsHeld) const {
    const int cards = std::clamp(cardsHeld, 0, static_cast<int>(handCardRects.size()));
    for (int position = 0; position < cards; ++position) {
        if (handCardRects[static_cast<size_t>(position)].contains(canvas)) return position;
    }
    return -1;
}

bool TableGeometry::InDropArea(QPoint canvas) const {
    const int dx = trickAreaScreenRect.width() / 4;
    const int dy = trickAreaScreenRect.height() / 4;
    return trickAreaScreenRect.adjusted(-dx, -dy, dx, dy).contains(canvas);
}

std::optional<double> TableGeometry::AngleForFrontEdgeAt(double canvasY) {
    const int lowest = FrontEdgeY(MinimumAngle);
    const int highest = FrontEdgeY(MaximumAngle);
    if (!(canvasY >= lowest && canvasY <= highest)) return std::nullopt;
    return MinimumAngle + (canvasY - lowest) / FrontEdgePixelsPerDegree;
}

}  // namespace tesseran
