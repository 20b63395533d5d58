// SPDX-License-Identifier: MIT
// The flood fill that colours a province on the conquest maps.
//
// The overview's provinces are bounded by black outlines, so its fill spreads
// until it meets black. The large map carries labels and prices inside its
// provinces, so its fill spreads over the pixels that have the seed's colour,
// whatever bounds them. Both spread to the four nearest pixels only, never
// diagonally, which is what keeps a fill inside a one-pixel outline.
#pragma once

#include <QImage>
#include <QPoint>
#include <QRgb>

namespace tesseran {

enum class FillBoundary {
    // Everything up to the black pixels around the seed.
    Black,
    // The connected pixels of the seed's colour.
    SeedColour,
};

// Fills from `seed` with the opaque colour `fill` and returns how many pixels
// were painted. Colours are compared without their alpha. Nothing is painted
// when the seed lies outside the picture or, bounded by black, on black.
// Pictures that are not 32-bit are converted to RGB32 first.
int FloodFill(QImage& image, QPoint seed, QRgb fill, FillBoundary boundary);

}  // namespace tesseran
