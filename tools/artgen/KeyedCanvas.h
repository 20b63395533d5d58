// SPDX-License-Identifier: MIT
// Pictures whose background colour is later made see-through (a colour key)
// are painted in two steps: the figure is drawn with antialiasing onto a
// transparent layer, then laid onto the key colour. Soft edges blend toward
// the key colour, which looks right wherever the picture lands, but a pixel
// of the figure must never come out as exactly the key colour, or it would
// turn into a hole. `ComposeOnKey` makes sure of that.
#pragma once

#include <QImage>
#include <QRgb>
#include <QSize>

namespace tesseran::art {

// A fully transparent layer to draw a figure on.
QImage TransparentLayer(QSize size);

// The figure laid onto a plain key-coloured background (RGB32). Pixels the
// figure does not touch are exactly `key`; pixels it touches are never `key`.
QImage ComposeOnKey(const QImage& figure, QRgb key);

// A plain picture filled with one colour (RGB32).
QImage FilledImage(QSize size, QRgb colour);

}  // namespace tesseran::art
