// SPDX-License-Identifier: MIT
// Where a modal box opens so that it hides nothing the player needs while
// answering it: the trick and the show cards under a trump choice, the score
// board under the match-end question, a province being taken under its
// message. Plain rectangle arithmetic in screen coordinates, so that the
// choice can be checked without a window.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include <array>
#include <span>

namespace tesseran {

// The top-left corner for a box of outer size `box`: the first candidate
// that, moved inside `screen` as little as needed, covers none of
// `keepClear`; when every candidate covers some, the one that covers the
// least area (the first of equals). A box larger than the screen keeps its
// top-left corner on it.
QPoint PlaceClearOf(QSize box, const QRect& screen, std::span<const QRect> keepClear,
                    std::span<const QPoint> candidates);

// The usual candidates around a rectangle that must stay visible, `gap`
// pixels off it: below it (centred), above it, right of it and left of it
// (both level with its middle).
std::array<QPoint, 4> CandidatesAround(const QRect& anchor, QSize box, int gap);

}  // namespace tesseran
