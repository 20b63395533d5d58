// SPDX-License-Identifier: MIT
// The four suit symbols as clean vector outlines, and the way every picture
// paints them: the card pips, the corner indices, the suit icons, the panel and
// the program icon all use these same shapes.
#pragma once

#include <QColor>
#include <QPainterPath>
#include <QPointF>

class QPainter;

namespace tesseran::art {

enum class Suit { Clubs = 0, Diamonds = 1, Hearts = 2, Spades = 3 };

bool IsRed(Suit suit);

// The symbol's outline inside the square (-50, -50)-(50, 50), point upwards.
QPainterPath SuitOutline(Suit suit);

// The outline scaled so that it is `size` pixels high, centred on `centre`,
// turned half a turn when `upsideDown` (the lower pips of a card).
QPainterPath PlacedSuit(Suit suit, QPointF centre, double size, bool upsideDown = false);

// Paints a suit symbol in its colour (red or ink) with a soft top-lit gradient.
void PaintSuit(QPainter& painter, Suit suit, QPointF centre, double size, bool upsideDown = false);

// Paints a suit symbol in one flat colour.
void PaintSuitFlat(QPainter& painter, Suit suit, QPointF centre, double size, const QColor& colour,
                   bool upsideDown = false);

}  // namespace tesseran::art
