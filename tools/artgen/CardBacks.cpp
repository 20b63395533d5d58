// SPDX-License-Identifier: MIT
#include "CardBacks.h"

#include "Palette.h"
#include "Patterns.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

namespace tesseran::art {

namespace {

constexpr double Width = 151;
constexpr double Height = 215;
const QPointF Centre(Width / 2, Height / 2);
const QRectF Field(6, 6, Width - 12, Height - 12);

void PaintMargin(QPainter& painter) {
    QLinearGradient paper(0, 0, 0, Height);
    paper.setColorAt(0, PaperLight);
    paper.setColorAt(1, PaperShade);
    painter.fillRect(QRectF(0, 0, Width, Height), paper);
    painter.setPen(QPen(CardEdge, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(0.5, 0.5, Width - 1, Height - 1));
}

QPainterPath FieldPath() {
    QPainterPath path;
    path.addRoundedRect(Field, 5, 5);
    return path;
}

void PaintFieldRim(QPainter& painter, const QColor& outer, const QColor& inner) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(outer, 1.2));
    painter.drawPath(FieldPath());
    painter.setPen(QPen(inner, 1.0));
    painter.drawRoundedRect(Field.adjusted(4, 4, -4, -4), 3, 3);
    painter.restore();
}

void PaintWaves(QPainter& painter) {
    QLinearGradient sea(Field.topLeft(), Field.bottomLeft());
    sea.setColorAt(0, QColor(34, 62, 132));
    sea.setColorAt(1, QColor(18, 34, 86));
    painter.save();
    painter.setClipPath(FieldPath());
    painter.fillRect(Field, sea);
    PaintSeigaiha(painter, Field.adjusted(-2, -2, 2, 2), 13, QBrush(sea), QColor(226, 234, 246), 1.3, 4);
    painter.restore();
    PaintFieldRim(painter, QColor(16, 28, 70), GoldLight);
}

void PaintHempLeaf(QPainter& painter) {
    QRadialGradient pine(Centre, 140);
    pine.setColorAt(0, QColor(34, 112, 82));
    pine.setColorAt(1, PineDeep);
    painter.save();
    painter.setClipPath(FieldPath());
    painter.fillRect(Field, pine);
    QColor gold = GoldLight;
    gold.setAlpha(215);
    PaintAsanoha(painter, Field.adjusted(-1, 0, 0, 0), 19, gold, 0.9);
    painter.restore();
    PaintFieldRim(painter, PineDeep, GoldLight);
}

// A plum-blossom crest (umebachi): five round petals about a ringed heart.
void PaintPlumBlossom(QPainter& painter, QPointF centre, double radius) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF box(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    QPainterPath petals;
    for (int petal = 0; petal < 5; ++petal) {
        const double angle = (-90.0 + petal * 72.0) * std::numbers::pi / 180.0;
        const QPointF at = centre + QPointF(std::cos(angle), std::sin(angle)) * radius * 0.55;
        petals.addEllipse(at, radius * 0.45, radius * 0.45);
    }
    // Overlapping petals merge into one outline rather than cancelling out.
    petals.setFillRule(Qt::WindingFill);
    petals = petals.simplified();
    painter.setPen(QPen(GoldDark, 1));
    painter.setBrush(GoldBrush(box));
    painter.drawPath(petals);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(VermilionDeep, 1.6));
    painter.drawEllipse(centre, radius * 0.3, radius * 0.3);
    painter.setPen(Qt::NoPen);
    painter.setBrush(VermilionDeep);
    for (int stamen = 0; stamen < 5; ++stamen) {
        const double angle = (-54.0 + stamen * 72.0) * std::numbers::pi / 180.0;
        painter.drawEllipse(centre + QPointF(std::cos(angle), std::sin(angle)) * radius * 0.5, 1.8, 1.8);
    }
    painter.drawEllipse(centre, radius * 0.1, radius * 0.1);
    painter.restore();
}

// Gold brackets in the four corners of the field.
void PaintCornerBrackets(QPainter& painter, const QRectF& box, double arm) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(GoldLight, 1.6, Qt::SolidLine, Qt::SquareCap));
    const QPointF corners[4] = {box.topLeft(), box.topRight(), box.bottomRight(), box.bottomLeft()};
    const QPointF directions[4] = {{1, 1}, {-1, 1}, {-1, -1}, {1, -1}};
    for (int corner = 0; corner < 4; ++corner) {
        const QPointF origin = corners[corner];
        const QPointF direction = directions[corner];
        painter.drawLine(origin, origin + QPointF(direction.x() * arm, 0));
        painter.drawLine(origin, origin + QPointF(0, direction.y() * arm));
        const QPointF inset = origin + QPointF(direction.x() * 4, direction.y() * 4);
        painter.drawLine(inset, inset + QPointF(direction.x() * arm * 0.55, 0));
        painter.drawLine(inset, inset + QPointF(0, direction.y() * arm * 0.55));
    }
    painter.restore();
}

void PaintRedLacquer(QPainter& painter) {
    QRadialGradient lacquer(Centre - QPointF(14, 22), 150);
    lacquer.setColorAt(0, QColor(214, 58, 44));
    lacquer.setColorAt(0.55, Vermilion);
    lacquer.setColorAt(1, VermilionDeep);
    painter.save();
    painter.setClipPath(FieldPath());
    painter.fillRect(Field, lacquer);
    // Faint rays behind the crest, like light on polished lacquer.
    QColor sheen(255, 220, 170, 16);
    PaintSunburst(painter, Centre, 170, 48, sheen);
    painter.restore();
    PaintFieldRim(painter, VermilionDeep, GoldLight);
    PaintCornerBrackets(painter, Field.adjusted(9, 9, -9, -9), 16);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(GoldLight, 1.2));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(Centre, 42, 42);
    painter.setPen(QPen(GoldLight, 0.7));
    painter.drawEllipse(Centre, 45, 45);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(60, 0, 0, 90));
    painter.drawEllipse(Centre + QPointF(1.5, 2), 36, 36);
    painter.restore();
    PaintPlumBlossom(painter, Centre, 34);
}

void PaintStarryShell(QPainter& painter) {
    QRadialGradient night(Centre, 140);
    night.setColorAt(0, QColor(74, 44, 110));
    night.setColorAt(1, QColor(24, 14, 46));
    painter.save();
    painter.setClipPath(FieldPath());
    painter.fillRect(Field, night);
    QColor line = GoldLight;
    line.setAlpha(200);
    // Laid out so that one hexagon sits exactly in the middle of the card.
    PaintKikko(painter, QRectF(Centre.x() - 3 * std::sqrt(3.0) * 14, Centre.y() - 5 * 21, 150, 215), 14, line,
               QColor(255, 236, 170), 1.0);
    painter.restore();
    PaintFieldRim(painter, QColor(20, 10, 36), GoldLight);
}

}  // namespace

QImage PaintCardBack(int preset) {
    QImage back(static_cast<int>(Width), static_cast<int>(Height), QImage::Format_RGB32);
    QPainter painter(&back);
    painter.setRenderHint(QPainter::Antialiasing);
    PaintMargin(painter);
    switch (preset) {
        case 0:
            PaintWaves(painter);
            break;
        case 1:
            PaintHempLeaf(painter);
            break;
        case 2:
            PaintRedLacquer(painter);
            break;
        default:
            PaintStarryShell(painter);
            break;
    }
    return back;
}

}  // namespace tesseran::art
