// SPDX-License-Identifier: MIT
// The three pictures of the conquest window, compiled into the program by the
// library tesseran_map_resources: the large map, the overview and the
// unification banner, by their bitmap numbers (bitmap::LargeMap,
// bitmap::OverviewMap, bitmap::UnificationBanner), lettered in Japanese or in
// English.
#pragma once

#include "base/ResourceIds.h"
#include "campaign/map/ProvincePositions.h"

#include <QImage>

namespace tesseran {

// The picture as RGB32, the format the flood fill paints on, or a null image
// for a number that is none of the three.
QImage LoadMapBitmap(int bitmap, MapLettering lettering = MapLettering::Japanese);

}  // namespace tesseran
