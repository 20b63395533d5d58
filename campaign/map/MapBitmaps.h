// SPDX-License-Identifier: MIT
// The three pictures of the conquest window, compiled into the program by the
// library tesseran_map_resources: the large map, the overview and the
// unification banner, by their bitmap numbers.
#pragma once

#include <QImage>

namespace tesseran {

inline constexpr int LargeMapBitmap = 163;
inline constexpr int OverviewBitmap = 164;
inline constexpr int BannerBitmap = 185;

// The picture as RGB32, the format the flood fill paints on, or a null image
// for a number that is none of the three.
QImage LoadMapBitmap(int bitmap);

}  // namespace tesseran
