// SPDX-License-Identifier: MIT
// The unification banner (bitmap 185): 天下統一 in large lettering on white.
// The window stamps it onto the large map with white as the transparent
// colour, and for its last step inverted with black transparent, so the
// lettering's outer edge is drawn hard, without smoothing into the white.
#pragma once

#include <QImage>

namespace tesseran::mapgen {

inline constexpr int BannerWidth = 1287;
inline constexpr int BannerHeight = 323;

QImage DrawBanner();

}  // namespace tesseran::mapgen
