// SPDX-License-Identifier: MIT
// The unification banner (bitmap 185): 天下統一, or "Realm Unified" on the
// English maps, in large lettering on white.
// The window stamps it onto the large map with white as the transparent
// colour, and for its last step inverted with black transparent, so the
// lettering's outer edge is drawn hard, without smoothing into the white.
#pragma once

#include "campaign/map/ProvincePositions.h"

#include <QImage>

namespace tesseran::mapgen {

inline constexpr int BannerWidth = 1287;
inline constexpr int BannerHeight = 323;

QImage DrawBanner(MapLettering lettering);

}  // namespace tesseran::mapgen
