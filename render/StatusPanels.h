// SPDX-License-Identifier: MIT
// The small picture panels around the table: the trump icon, the game and
// battle counters, the toolbar, the status banner, the remaining-cards panel,
// the turn marker and name plates, the requested suit and the right sign
// beside the human's hand, and the announcement balloons and markers.
//
// The panels keep no game state of their own: they draw everything from the
// view's fields at every repaint, and only read them.
#pragma once

#include "base/Host.h"
#include "engine/CTorvelView.h"
#include "render/PanelPictures.h"
#include "render/TableGeometry.h"

#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QRect>

namespace tesseran {

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

// Whether the requested suit and the right are shown beside the hand now.
bool TurnHintsShown(const GameState& state);
// Whether the right sign is shown next to the requested suit.
bool RightSignShown(const GameState& state);

class StatusPanels {
public:
    // geometry: the table's rectangles, kept up to date by the table renderer.
    StatusPanels(const CTorvelView& view, const PanelPictures& pictures) : view_(view), pictures_(pictures) {}

    // --- On the back buffer ---------------------------------------------
    // Trump icon, game and battle counters and the toolbar.
    void DrawStatusIcons(QPainter& painter) const;
    void DrawRemainingPanel(QPainter& painter) const;
    // The turn marker (only at currentSeat) and the name plate of one seat.
    // Returns the plate's rectangle, empty when no plate was drawn; marker
    // tells where the turn marker went (empty when it was not drawn).
    QRect DrawSeatMarks(QPainter& painter, int seat, QPoint markerAt, QPoint plateAt, QRect* marker) const;

    // --- On the window ----------------------------------------------------
    void DrawStatusBanner(QPainter& painter, WindowScale scale, bool initialising) const;
    // The requested-suit icon and the right sign beside the human's hand;
    // the two rectangles are set to where they went (empty when not drawn).
    void DrawTurnHints(QPainter& painter, WindowScale scale, const QRect& handRect, QRect& requestedSuitRect,
                       QRect& rightSignRect) const;
    // The keyboard selection marker stretched into a window rectangle.
    void DrawSelectionMarker(QPainter& painter, const QRect& windowRect) const;
    void DrawMarker(QPainter& painter, WindowScale scale, int seat, Marker marker) const;
    void DrawBalloon(QPainter& painter, WindowScale scale, int seat, Balloon balloon, int suit) const;

private:
    void DrawRemainingValue(QPainter& painter, int column, int row, int value) const;
    int BannerRow(bool initialising) const;

    const CTorvelView& view_;
    const PanelPictures& pictures_;
};

}  // namespace tesseran
