// SPDX-License-Identifier: MIT
#include "SuitShapes.h"

#include "Palette.h"

#include <QLinearGradient>
#include <QPainter>
#include <QTransform>

namespace tesseran::art {

namespace {

QPainterPath HeartOutline() {
    QPainterPath path;
    path.moveTo(0, 47);
    path.cubicTo(-14, 30, -50, 10, -50, -16);
    path.cubicTo(-50, -36, -37, -47, -24, -47);
    path.cubicTo(-11, -47, -3, -39, 0, -28);
    path.cubicTo(3, -39, 11, -47, 24, -47);
    path.cubicTo(37, -47, 50, -36, 50, -16);
    path.cubicTo(50, 10, 14, 30, 0, 47);
    path.closeSubpath();
    return path;
}

QPainterPath DiamondOutline() {
    // Slightly hollow sides make the diamond look drawn rather than ruled.
    QPainterPath path;
    path.moveTo(0, -50);
    path.quadTo(13, -20, 38, 0);
    path.quadTo(13, 20, 0, 50);
    path.quadTo(-13, 20, -38, 0);
    path.quadTo(-13, -20, 0, -50);
    path.closeSubpath();
    return path;
}

// The flared foot shared by club and spade.
QPainterPath Stem(double top) {
    QPainterPath path;
    path.moveTo(-3.5, top);
    path.quadTo(-4, 38, -17, 49);
    path.lineTo(17, 49);
    path.quadTo(4, 38, 3.5, top);
    path.closeSubpath();
    return path;
}

QPainterPath SpadeOutline() {
    QPainterPath body;
    body.moveTo(0, -49);
    body.cubicTo(-14, -30, -48, -14, -48, 9);
    body.cubicTo(-48, 26, -35, 34, -23, 34);
    body.cubicTo(-12, 34, -5, 28, -1, 20);
    body.lineTo(1, 20);
    body.cubicTo(5, 28, 12, 34, 23, 34);
    body.cubicTo(35, 34, 48, 26, 48, 9);
    body.cubicTo(48, -14, 14, -30, 0, -49);
    body.closeSubpath();
    return body.united(Stem(16)).simplified();
}

QPainterPath ClubOutline() {
    QPainterPath leaves;
    leaves.addEllipse(QPointF(0, -25), 22, 22);
    leaves.addEllipse(QPointF(-24, 9), 22, 22);
    leaves.addEllipse(QPointF(24, 9), 22, 22);
    QPainterPath heart;
    heart.addEllipse(QPointF(0, 2), 13, 13);
    QPainterPath shape = leaves.united(heart);
    return shape.united(Stem(14)).simplified();
}

}  // namespace

bool IsRed(Suit suit) { return suit == Suit::Diamonds || suit == Suit::Hearts; }

QPainterPath SuitOutline(Suit suit) {
    switch (suit) {
        case Suit::Clubs:
            return ClubOutline();
        case Suit::Diamonds:
            return DiamondOutline();
        case Suit::Hearts:
            return HeartOutline();
        case Suit::Spades:
            return SpadeOutline();
    }
    return {};
}

QPainterPath PlacedSuit(Suit suit, QPointF centre, double size, bool upsideDown) {
    QTransform transform;
    transform.translate(centre.x(), centre.y());
    if (upsideDown) transform.rotate(180);
    transform.scale(size / 100.0, size / 100.0);
    return transform.map(SuitOutline(suit));
}

void PaintSuit(QPainter& painter, Suit suit, QPointF centre, double size, bool upsideDown) {
    const QPainterPath path = PlacedSuit(suit, centre, size, upsideDown);
    const QRectF box = path.boundingRect();
    QLinearGradient gradient(box.topLeft(), box.bottomRight());
    gradient.setColorAt(0, IsRed(suit) ? RedLight : BlackLight);
    gradient.setColorAt(1, IsRed(suit) ? RedDark : BlackDark);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(gradient);
    painter.drawPath(path);
    painter.restore();
}

void PaintSuitFlat(QPainter& painter, Suit suit, QPointF centre, double size, const QColor& colour,
                   bool upsideDown) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPath(PlacedSuit(suit, centre, size, upsideDown));
    painter.restore();
}

}  // namespace tesseran::art
