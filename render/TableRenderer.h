// SPDX-License-Identifier: MIT
// The card table as the player sees it. Everything is composed off screen on
// a 1200 x 900 canvas, the back buffer: the flat table top (cloth, trick
// area, discard pile, captured face cards, the trick, the show cards) is drawn
// into a table layer of 1140 x 846 and projected onto the back buffer band by
// band in a pseudo-perspective that depends on the bird's-eye angle; the
// hands, markers, name plates and panels are drawn straight onto the back
// buffer before or after the table, so that the far hand lies behind the
// table and the other hands in front of it.
//
// The window only stretches the back buffer to its size and adds a few
// drawings of the moment (the status banner, the selection marker, the
// requested suit and the right sign, announcement balloons, a dragged card).
// A Qt widget can draw only inside its paint event, so those are painter
// functions the widget calls from there.
//
// The renderer reads the game state and never changes it: it holds the view
// as const, writes no settings and plays no sound.
#pragma once

#include "engine/CTorvelView.h"
#include "render/CardBacks.h"
#include "render/ImageStretch.h"
#include "render/PanelPictures.h"
#include "render/ScoreBoard.h"
#include "render/StatusPanels.h"
#include "render/TableGeometry.h"

#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QSize>

#include <array>
#include <optional>
#include <span>
#include <string>

namespace tesseran {

class TableRenderer : public TableGeometry {
public:
    TableRenderer(const CTorvelView& view, const QImage& sheet, const CardBacks& backs);

    // Creates the surfaces and loads the panel pictures; false on any
    // failure (after message 30001 unless the card sheet is what is missing).
    bool CreateSurfaces(Messages& messages);
    // Turns the 16 face cards once, for the side seats' captured cards; done
    // by the first drawing that needs them, or beforehand by a caller.
    void BuildFaceStrip();
    // Makes the hands' fan pictures from the card backs' fan strip when it
    // changed; after that the strip may be let go.
    void RefreshFans();

    // Recomposes the back buffer from the game state; the table layer is drawn
    // anew when it changed (and whenever the angle or the pile asks for it).
    void RedrawTable(TableLayer layer);
    void ProjectTableLayer();
    QRect MapLayerRect(const QRect& layerRect) const;
    // Card `code` turned a quarter turn clockwise into rotateScratch.
    void RotateCard(int code);

    // The start-up step is over: the banner no longer says so.
    void FinishInitialising() { initialising = false; }
    // The window's client size: scaleX, scaleY = client / canvas.
    void SetClientSize(QSize client);

    // --- Window drawing, from the widget's paint event ----------------------
    // The paint handler: the stretched back buffer with the banner, the
    // selection marker, the requested suit and the right sign, and white where
    // the picture does not reach.
    void PaintWindow(QPainter& painter, QSize client);
    // The lead or partner marker at a computer seat.
    void PaintMarker(QPainter& painter, int seat, Marker marker) const;
    // A trump or requested-suit balloon at a computer seat.
    void PaintBalloon(QPainter& painter, int seat, Balloon balloon, int suit) const;
    // The whole discard pile face up, 20 canvas pixels apart, at the top of the pile.
    void PaintDiscardSpread(QPainter& painter) const;
    // A card the human drags, with its top-left corner at a canvas point.
    void PaintDraggedCard(QPainter& painter, QPoint canvasTopLeft, int card) const;
    // The peek window: the cards full size, 30 pixels apart, on white.
    void PaintPeekHand(QPainter& painter, std::span<const int> cards) const;

    // --- Surfaces -----------------------------------------------------------
    QImage backBuffer;     // 1200 x 900, the composed table
    QImage tableLayer;     // 1140 x 846, the flat table top
    QImage rotateScratch;  // 215 x 151, one card turned
    QImage faceStrip;      // 215 x 2416, the 16 face cards turned, one under the other; null until needed

    bool initialising = true;
    float scaleX = 1.0f;
    float scaleY = 1.0f;

    PanelPictures pictures;
    StatusPanels panels;
    ScoreBoard scoreBoard;

private:
    // Table layer.
    void DrawTableLayer();
    void DrawTableBase(QPainter& painter);
    void DrawCapturedCards(QPainter& painter);
    void DrawTrickCards(QPainter& painter);
    void DrawShowCards(QPainter& painter);
    // Back buffer.
    void DrawFrontEdgeAndPileSide(QPainter& painter);
    void DrawTopHand(QPainter& painter);
    void DrawSideHand(QPainter& painter, int seat);
    void DrawHumanHand(QPainter& painter);
    // Computer hands face up: open mode in games 1 to 3.
    bool ComputerHandsFaceUp() const;
    // The fan pictures (RefreshFans) are the strip's, with its background
    // see-through, scaled for the top seat and the side seats.
    enum class FaceSeat { Top, Side };
    const QImage& ScaledFace(int code, FaceSeat seat);
    WindowScale Scale() const { return WindowScale{scaleX, scaleY}; }
    // The back buffer stretched to the window's size.
    void DrawBackBuffer(QPainter& painter, QSize size);

    const CTorvelView& view_;
    QImage cardSheet_;
    const CardBacks& backs_;

    // The whole angle the pile in the table layer was raised for; -1 before
    // the layer was first drawn.
    int layerAngle_ = -1;

    qint64 fanStripKey_ = 0;
    std::array<QImage, 10> topFans_;
    std::array<QImage, 10> sideFans_;
    std::array<QImage, CardCodeLimit> topFaces_;
    std::array<QImage, CardCodeLimit> sideFaces_;

    QImage windowPicture_;
    qint64 windowPictureKey_ = 0;
    LinearStretch windowStretch_;
};

}  // namespace tesseran
