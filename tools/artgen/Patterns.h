// SPDX-License-Identifier: MIT
// Traditional Japanese patterns, drawn as vector lines over an area: seigaiha
// (blue-sea waves), asanoha (hemp leaf), kikko (tortoise shell) and a
// sunburst. The card backs and the face-card fields are built from these.
#pragma once

#include <QBrush>
#include <QColor>
#include <QPointF>
#include <QRectF>

class QPainter;

namespace tesseran::art {

// Overlapping fans of concentric rings, `radius` the outer ring. Each fan is
// first filled with `fill` so it hides the one behind it.
void PaintSeigaiha(QPainter& painter, const QRectF& area, double radius, const QBrush& fill,
                   const QColor& line, double lineWidth, int rings = 4);

// The hemp-leaf star lattice: a triangular grid with every triangle split into
// three kites. `side` is the triangle's side.
void PaintAsanoha(QPainter& painter, const QRectF& area, double side, const QColor& line, double lineWidth);

// A honeycomb of double-lined hexagons, each with a four-point star in the
// middle. `radius` is the hexagon's circumradius.
void PaintKikko(QPainter& painter, const QRectF& area, double radius, const QColor& line, const QColor& star,
                double lineWidth);

// `count` alternate wedges of `ray` radiating from `centre` out to `reach`.
void PaintSunburst(QPainter& painter, QPointF centre, double reach, int count, const QColor& ray);

// A small four-point sparkle.
void PaintSparkle(QPainter& painter, QPointF centre, double radius, const QColor& colour);

// The diagonal sheen of gold leaf over `box`.
QBrush GoldBrush(const QRectF& box);

}  // namespace tesseran::art
