// SPDX-License-Identifier: MIT
// The explanation shown when the pointer rests on a part of the table: the
// panels, the name plates, the table areas, the hints beside the hand. Which
// part wins where they meet follows a fixed order of precedence.
#pragma once

#include "engine/GameState.h"
#include "render/TableGeometry.h"

#include <QPointF>
#include <QString>

namespace tesseran {

// What the hover tooltip should show.
struct HoverText {
    bool active = false;
    QString text;

    bool operator==(const HoverText&) const = default;
};

class HoverExplanations {
public:
    // geometry: the rectangles of the table as the last repaint left them.
    HoverExplanations(const GameState& state, const TableGeometry& geometry)
        : state_(state), geometry_(geometry) {}

    // The explanation for the point under the pointer (canvas coordinates).
    // The gap between the two rows of the remaining-cards panel keeps the
    // explanation it had.
    HoverText Explain(QPointF canvasPoint);
    // Whether the point lies on the trump icon.
    static bool OnTrumpIcon(QPointF canvasPoint);

private:
    const GameState& state_;
    const TableGeometry& geometry_;
    HoverText last_;
};

}  // namespace tesseran
