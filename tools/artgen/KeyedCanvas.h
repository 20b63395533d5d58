// SPDX-License-Identifier: MIT
// Pictures whose background colour is later made see-through (a colour key)
// are painted in two steps: the figure is drawn with antialiasing onto a
// transparent layer, then laid onto the key colour. A pixel of the figure
// must never come out as exactly the key colour, or it would turn into a
// hole; and a picture cut out on the table must not carry the key's colour
// in its edges.
#pragma once

#include <QImage>
#include <QRgb>
#include <QSize>

namespace tesseran::art {

// A fully transparent layer to draw a figure on.
QImage TransparentLayer(QSize size);

// The figure laid onto a plain key-coloured background (RGB32), for a picture
// shown on that colour (a panel on its own blue): soft edges blend toward the
// key. Pixels the figure does not touch are exactly `key`; pixels it touches
// are never `key`.
QImage ComposeOnKey(const QImage& figure, QRgb key);

// The figure cut out on the key (RGB32), for a picture whose key is made
// see-through where it is drawn (a marker or a balloon on the cloth): an edge
// blended toward the key would show there as a fringe of the key's colour.
// A pixel at least half covered by the figure takes the figure's own colour,
// whole; every other pixel is exactly `key`.
QImage CutOutOnKey(const QImage& figure, QRgb key);

// A plain picture filled with one colour (RGB32).
QImage FilledImage(QSize size, QRgb colour);

}  // namespace tesseran::art
