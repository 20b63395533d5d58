// SPDX-License-Identifier: MIT
#include "Patterns.h"

#include "Palette.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <cmath>
#include <numbers>

namespace tesseran::art {

void PaintSeigaiha(QPainter& painter, const QRectF& area, double radius, const QBrush& fill,
                   const QColor& line, double lineWidth, int rings) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipRect(area, Qt::IntersectClip);
    const double rowStep = radius / 2;
    const int rowCount = static_cast<int>(area.height() / rowStep) + 4;
    const int columnCount = static_cast<int>(area.width() / (2 * radius)) + 3;
    // Rows are painted from the top down, so every row of fans covers the
    // lower half of the row above it, which leaves the familiar scales.
    for (int row = 0; row < rowCount; ++row) {
        const double y = area.top() + (row - 1) * rowStep;
        const double shift = (row % 2 == 0) ? 0 : radius;
        for (int column = -1; column < columnCount; ++column) {
            const QPointF centre(area.left() + column * 2 * radius + shift, y);
            painter.setPen(Qt::NoPen);
            painter.setBrush(fill);
            painter.drawEllipse(centre, radius, radius);
            painter.setBrush(Qt::NoBrush);
            painter.setPen(QPen(line, lineWidth));
            for (int ring = 0; ring < rings; ++ring) {
                const double ringRadius = radius * (1.0 - ring / static_cast<double>(rings)) - lineWidth / 2;
                if (ringRadius > lineWidth) painter.drawEllipse(centre, ringRadius, ringRadius);
            }
        }
    }
    painter.restore();
}

void PaintAsanoha(QPainter& painter, const QRectF& area, double side, const QColor& line, double lineWidth) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipRect(area, Qt::IntersectClip);
    painter.setPen(QPen(line, lineWidth, Qt::SolidLine, Qt::RoundCap));
    const double rowHeight = side * std::sqrt(3.0) / 2;
    const int rowCount = static_cast<int>(area.height() / rowHeight) + 3;
    const int columnCount = static_cast<int>(area.width() / side) + 3;
    auto vertex = [&](int column, int row) {
        const double shift = (row % 2 == 0) ? 0 : side / 2;
        return QPointF(area.left() - side + column * side + shift, area.top() - rowHeight + row * rowHeight);
    };
    for (int row = 0; row < rowCount; ++row) {
        for (int column = 0; column < columnCount; ++column) {
            // The two triangles whose top-left corner is this vertex.
            const QPointF a = vertex(column, row);
            const QPointF b = vertex(column + 1, row);
            const bool evenRow = row % 2 == 0;
            const QPointF below = evenRow ? vertex(column, row + 1) : vertex(column + 1, row + 1);
            const QPointF belowNext = evenRow ? vertex(column + 1, row + 1) : vertex(column + 2, row + 1);
            const QPointF triangles[2][3] = {{a, b, below}, {b, below, belowNext}};
            for (const auto& triangle : triangles) {
                const QPointF centroid = (triangle[0] + triangle[1] + triangle[2]) / 3.0;
                for (int corner = 0; corner < 3; ++corner) {
                    painter.drawLine(triangle[corner], triangle[(corner + 1) % 3]);
                    painter.drawLine(centroid, triangle[corner]);
                }
            }
        }
    }
    painter.restore();
}

void PaintKikko(QPainter& painter, const QRectF& area, double radius, const QColor& line, const QColor& star,
                double lineWidth) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipRect(area, Qt::IntersectClip);
    // Pointy-top hexagons: columns sqrt(3) r apart, rows 1.5 r apart.
    const double columnStep = std::sqrt(3.0) * radius;
    const double rowStep = 1.5 * radius;
    const int rowCount = static_cast<int>(area.height() / rowStep) + 3;
    const int columnCount = static_cast<int>(area.width() / columnStep) + 3;
    auto hexagon = [](QPointF centre, double circumradius) {
        QPolygonF polygon;
        for (int corner = 0; corner < 6; ++corner) {
            const double angle = (60.0 * corner - 90.0) * std::numbers::pi / 180.0;
            polygon << centre + QPointF(std::cos(angle), std::sin(angle)) * circumradius;
        }
        return polygon;
    };
    for (int row = -1; row < rowCount; ++row) {
        for (int column = -1; column < columnCount; ++column) {
            const double shift = (row % 2 == 0) ? 0 : columnStep / 2;
            const QPointF centre(area.left() + column * columnStep + shift, area.top() + row * rowStep);
            painter.setBrush(Qt::NoBrush);
            painter.setPen(QPen(line, lineWidth));
            painter.drawPolygon(hexagon(centre, radius));
            painter.setPen(QPen(line, lineWidth * 0.6));
            painter.drawPolygon(hexagon(centre, radius * 0.74));
            PaintSparkle(painter, centre, radius * 0.42, star);
        }
    }
    painter.restore();
}

void PaintSunburst(QPainter& painter, QPointF centre, double reach, int count, const QColor& ray) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ray);
    const double step = 360.0 / count;
    for (int wedge = 0; wedge < count; wedge += 2) {
        const double from = (wedge * step - 90.0) * std::numbers::pi / 180.0;
        const double to = ((wedge + 1) * step - 90.0) * std::numbers::pi / 180.0;
        QPolygonF polygon;
        polygon << centre << centre + QPointF(std::cos(from), std::sin(from)) * reach
                << centre + QPointF(std::cos(to), std::sin(to)) * reach;
        painter.drawPolygon(polygon);
    }
    painter.restore();
}

void PaintSparkle(QPainter& painter, QPointF centre, double radius, const QColor& colour) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    QPainterPath path;
    const double waist = radius * 0.22;
    path.moveTo(centre + QPointF(0, -radius));
    path.quadTo(centre + QPointF(waist, -waist), centre + QPointF(radius, 0));
    path.quadTo(centre + QPointF(waist, waist), centre + QPointF(0, radius));
    path.quadTo(centre + QPointF(-waist, waist), centre + QPointF(-radius, 0));
    path.quadTo(centre + QPointF(-waist, -waist), centre + QPointF(0, -radius));
    painter.drawPath(path);
    painter.restore();
}

QBrush GoldBrush(const QRectF& box) {
    QLinearGradient gradient(box.topLeft(), box.bottomRight());
    gradient.setColorAt(0.0, GoldLight);
    gradient.setColorAt(0.3, GoldHighlight);
    gradient.setColorAt(0.55, GoldMid);
    gradient.setColorAt(0.8, GoldLight);
    gradient.setColorAt(1.0, GoldDark);
    return gradient;
}

}  // namespace tesseran::art
