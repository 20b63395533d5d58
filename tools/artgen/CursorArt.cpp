// SPDX-License-Identifier: MIT
#include "CursorArt.h"

#include "KeyedCanvas.h"
#include "Lettering.h"
#include "Palette.h"
#include "Patterns.h"
#include "SuitShapes.h"
#include "resources/ResourceCatalogue.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace tesseran::art {

namespace {

QPointF Hotspot(int id) {
    for (const CursorDescription& cursor : CursorCatalogue) {
        if (cursor.id == id) return QPointF(cursor.hotspotX + 0.5, cursor.hotspotY + 0.5);
    }
    return QPointF(CursorSize / 2.0, CursorSize / 2.0);
}

// A double-headed vertical arrow with a grip bar across its middle, centred
// on `centre`. Cursors are outlined in black on a light fill, as the system's
// own are, so they show on the green cloth and the purple canvas alike.
QPainterPath GripArrow(QPointF centre) {
    const double x = centre.x(), y = centre.y();
    QPainterPath arrow;
    arrow.moveTo(x, y - 14);
    arrow.lineTo(x + 6.5, y - 7);
    arrow.lineTo(x + 2.2, y - 7);
    arrow.lineTo(x + 2.2, y - 3.2);
    arrow.lineTo(x + 10.5, y - 3.2);
    arrow.lineTo(x + 10.5, y + 3.2);
    arrow.lineTo(x + 2.2, y + 3.2);
    arrow.lineTo(x + 2.2, y + 7);
    arrow.lineTo(x + 6.5, y + 7);
    arrow.lineTo(x, y + 14);
    arrow.lineTo(x - 6.5, y + 7);
    arrow.lineTo(x - 2.2, y + 7);
    arrow.lineTo(x - 2.2, y + 3.2);
    arrow.lineTo(x - 10.5, y + 3.2);
    arrow.lineTo(x - 10.5, y - 3.2);
    arrow.lineTo(x - 2.2, y - 3.2);
    arrow.lineTo(x - 2.2, y - 7);
    arrow.lineTo(x - 6.5, y - 7);
    arrow.closeSubpath();
    return arrow;
}

QImage PaintGrip(int id, const QColor& fill, const QColor& barMarks) {
    QImage cursor = TransparentLayer(QSize(CursorSize, CursorSize));
    QPainter painter(&cursor);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF centre = Hotspot(id);
    const QPainterPath arrow = GripArrow(centre);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 60));
    painter.drawPath(arrow.translated(1, 1.5));
    painter.setPen(QPen(Qt::black, 1.2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(fill);
    painter.drawPath(arrow);
    painter.setPen(QPen(barMarks, 1));
    for (int mark = -1; mark <= 1; ++mark) {
        const double x = centre.x() + mark * 3.5;
        painter.drawLine(QPointF(x, centre.y() - 1.6), QPointF(x, centre.y() + 1.6));
    }
    return cursor;
}

}  // namespace

QImage PaintAngleGripCursor() { return PaintGrip(131, QColor(255, 255, 255), QColor(90, 90, 90)); }

QImage PaintAngleDraggingCursor() {
    // Held: the grip turns gold and little motion ticks flank the heads.
    QImage cursor = PaintGrip(134, GoldLight, QColor(110, 70, 10));
    QPainter painter(&cursor);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF centre = Hotspot(134);
    painter.setPen(QPen(Qt::black, 1.3, Qt::SolidLine, Qt::RoundCap));
    for (int side = -1; side <= 1; side += 2) {
        painter.drawLine(centre + QPointF(side * 9, -12), centre + QPointF(side * 9, -8));
        painter.drawLine(centre + QPointF(side * 9, 8), centre + QPointF(side * 9, 12));
    }
    return cursor;
}

QImage PaintForbiddenCursor() {
    QImage cursor = TransparentLayer(QSize(CursorSize, CursorSize));
    QPainter painter(&cursor);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF centre = Hotspot(133);
    painter.setBrush(Qt::NoBrush);
    // White under red, so the sign shows on dark and on red alike.
    painter.setPen(QPen(QColor(255, 255, 255), 6.4));
    painter.drawEllipse(centre, 11, 11);
    painter.drawLine(centre + QPointF(-7.4, -7.4), centre + QPointF(7.4, 7.4));
    painter.setPen(QPen(QColor(210, 20, 24), 3.6));
    painter.drawEllipse(centre, 11, 11);
    painter.drawLine(centre + QPointF(-7.6, -7.6), centre + QPointF(7.6, 7.6));
    return cursor;
}

QImage PaintProgramIcon(int size) {
    // Drawn on a 256 grid and scaled, so every size has the same composition;
    // the smallest sizes drop the fine gold rim that would only blur.
    QImage icon = TransparentLayer(QSize(size, size));
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 256.0, size / 256.0);
    const bool small = size < 48;

    const QRectF tile(8, 8, 240, 240);
    QRadialGradient lacquer(QPointF(100, 80), 260);
    lacquer.setColorAt(0, QColor(214, 58, 44));
    lacquer.setColorAt(0.6, Vermilion);
    lacquer.setColorAt(1, VermilionDeep);
    painter.setPen(QPen(QColor(60, 6, 10), small ? 10 : 4));
    painter.setBrush(lacquer);
    painter.drawRoundedRect(tile, 44, 44);
    if (!small) {
        painter.setPen(QPen(GoldLight, 5));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(tile.adjusted(12, 12, -12, -12), 34, 34);
    }

    // Three cards fanned about a point below the tile.
    const QPointF pivot(128, 300);
    const double angles[3] = {-16, 0, 16};
    for (int card = 0; card < 3; ++card) {
        painter.save();
        painter.translate(pivot);
        painter.rotate(angles[card]);
        const QRectF face(-54, -250, 108, 152);
        painter.setPen(QPen(QColor(60, 40, 30), small ? 7 : 3));
        QLinearGradient paper(face.topLeft(), face.bottomLeft());
        paper.setColorAt(0, PaperLight);
        paper.setColorAt(1, PaperShade);
        painter.setBrush(paper);
        painter.drawRoundedRect(face, 10, 10);
        if (card == 2) {
            // The front card is a pin: gold field and the spade as a crest.
            const QRectF field = face.adjusted(12, 12, -12, -12);
            painter.setPen(Qt::NoPen);
            painter.setBrush(GoldBrush(field));
            painter.drawRoundedRect(field, 6, 6);
            painter.setBrush(Indigo);
            painter.drawEllipse(field.center(), 36, 36);
            painter.setBrush(PaperLight);
            painter.drawEllipse(field.center(), 29, 29);
            PaintSuit(painter, Suit::Spades, field.center(), 40);
        } else {
            PaintSuit(painter, card == 0 ? Suit::Hearts : Suit::Clubs, QPointF(-26, -222), 30);
        }
        painter.restore();
    }
    return icon;
}

}  // namespace tesseran::art
