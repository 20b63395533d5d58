// SPDX-License-Identifier: MIT
// Filled rectangles with a frame of whole pixels along their inside edge: the
// cloth, the trick area, the table's front edge, the side of the discard pile
// and the score board are all drawn this way. Filling strips instead of
// stroking with a pen keeps every frame exactly where its pixels are meant to
// be, whatever the painter's pen rules.
#pragma once

#include <QColor>
#include <QPainter>
#include <QRect>

namespace tesseran {

// A frame `width` pixels wide along the inside of `rect`.
inline void DrawFrame(QPainter& painter, const QRect& rect, const QColor& colour, int width) {
    if (rect.isEmpty() || width <= 0) return;
    const int across = qMin(width, (rect.width() + 1) / 2);
    const int down = qMin(width, (rect.height() + 1) / 2);
    painter.fillRect(QRect(rect.left(), rect.top(), rect.width(), down), colour);
    painter.fillRect(QRect(rect.left(), rect.bottom() - down + 1, rect.width(), down), colour);
    painter.fillRect(QRect(rect.left(), rect.top(), across, rect.height()), colour);
    painter.fillRect(QRect(rect.right() - across + 1, rect.top(), across, rect.height()), colour);
}

// `rect` filled with `fill`, framed `width` pixels deep with `frame`.
inline void FillFramedRect(QPainter& painter, const QRect& rect, const QColor& fill, const QColor& frame,
                           int width) {
    if (rect.isEmpty()) return;
    painter.fillRect(rect, fill);
    DrawFrame(painter, rect, frame, width);
}

}  // namespace tesseran
