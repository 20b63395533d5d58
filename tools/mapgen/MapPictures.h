// SPDX-License-Identifier: MIT
// The two conquest maps: the large map (bitmap 163) with a name plate and the
// price in koku on every province, and the overview (bitmap 164) at a third
// of its size with the title and the legend of the ten entries, lettered in
// Japanese or in English. Both are
// drawn from one partition of the land, so their provinces match, and both
// without smoothing wherever a fill must find exact colours.
#pragma once

#include "Coastline.h"
#include "Partition.h"

#include "campaign/map/ProvincePositions.h"

#include <QImage>
#include <QRect>
#include <QString>

#include <array>
#include <vector>

namespace tesseran::mapgen {

struct MapPictures {
    QImage large;
    QImage overview;
    std::array<ProvincePosition, ProvinceCount> positions{};
    // What every pixel of each picture shows: a province's fill area, the
    // sea, an outline, detached land or a label plate.
    DrawnAreas largeAreas;
    DrawnAreas overviewAreas;
};

// The panel on the overview that holds the title and the legend.
QRect LegendPanel();

// The box in the entry's colour on the entry's legend row.
QRect LegendSwatch(int entry);

// Fails with `error` set when a province finds no room for its label or
// vanishes on the overview, or when land lies where the legend, the compass
// or an inset frame goes; the pictures are still drawn as far as they can be,
// to show what went wrong, unless a province site stands in the sea.
MapPictures DrawMapPictures(const std::vector<Island>& coastline, MapLettering lettering, QString& error);

}  // namespace tesseran::mapgen
