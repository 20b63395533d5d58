// SPDX-License-Identifier: MIT
// Where each province's label goes on the large map and where its fill seed
// lies on the overview, found from the drawn areas.
//
// A label is a plate of two rows: the name in the box 15 pixels high the
// window hit-tests, and the price under it. The plate is put where it stands
// farthest inside its province, up to a comfortable margin, and among such
// places nearest the province's middle; the large-map seed just right of
// the price row then lies inside the province too. A plate that finds no
// room at the width its lettering wants may be narrowed, down to the
// narrowest its lettering can be squeezed to. The overview seed is the
// pixel of the province farthest from every outline.
#pragma once

#include "Partition.h"

#include "campaign/map/ProvincePositions.h"

#include <QPoint>
#include <QRect>
#include <QString>

#include <array>

namespace tesseran::mapgen {

// The whole plate: the name box and the price row under it.
inline constexpr int PlateHeight = 27;

inline QRect PlateRect(QPoint labelCorner, int width = LabelWidth) {
    return QRect(labelCorner, QSize(width, PlateHeight));
}

struct PlateWidths {
    int wanted = LabelWidth;
    int narrowest = LabelWidth;
};

struct LabelSpot {
    QPoint corner;
    int width = LabelWidth;
    // Pixels of the province left free around the plate on every side.
    int margin = 0;
};

// Fails with `error` set when a province has no room for its plate.
std::array<LabelSpot, ProvinceCount> PlaceLabels(const DrawnAreas& large,
                                                 const std::array<PlateWidths, ProvinceCount>& widths,
                                                 QString& error);

struct SeedSpot {
    QPoint point;
    // Pixels from the seed to the nearest pixel outside the province's fill area.
    int clearance = 0;
};

// Fails with `error` set when a province has no fill area on the overview.
std::array<SeedSpot, ProvinceCount> PlaceOverviewSeeds(const DrawnAreas& overview, QString& error);

}  // namespace tesseran::mapgen
