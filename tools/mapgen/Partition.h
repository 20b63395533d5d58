// SPDX-License-Identifier: MIT
// The land shared out among the provinces, pixel by pixel.
//
// The islands are rasterised into landmasses; every pixel of a landmass goes
// to the province site nearest to it by distance over that landmass (a
// geodesic Voronoi partition, with each site's reach added), so a province
// never jumps a strait or a bay and every share is connected. Landmasses with
// no site (small islands) go whole to the nearest province as detached land
// that no fill reaches. The same partition, taken at every third pixel, is
// the overview's.
//
// The drawn areas then add the black outlines: the coast on the sea side of
// the land, the borders between provinces on both sides of the line on the
// large map and on one side on the overview, two pixels wide on the large map
// and one on the overview, either way closed so that a fill, which spreads to
// the four nearest pixels, never crosses one.
#pragma once

#include "MapLayout.h"

#include "campaign/ProvinceMap.h"

#include <QPoint>
#include <QString>

#include <array>
#include <vector>

namespace tesseran::mapgen {

inline constexpr int SeaPart = -1;

struct Partition {
    int width = 0;
    int height = 0;
    // Per pixel: SeaPart, or the landmass the pixel belongs to.
    std::vector<int> landmass;
    // Per pixel: SeaPart, or the province the pixel belongs to.
    std::vector<int> province;
    // Per province: the landmass its sites stand on.
    std::array<int, ProvinceCount> homeLandmass{};
    // Per province: where its first site lies, in this partition's pixels.
    std::array<QPoint, ProvinceCount> site{};

    int Index(int x, int y) const { return y * width + x; }
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
};

// Shares the land of `islands` among the province sites on a picture of the
// given size. Fails with `error` set when a site stands in the sea.
Partition PartitionLand(const std::vector<PlacedIsland>& islands, int width, int height, QString& error);

// The partition seen at one pixel in `factor` in each direction.
Partition Downsample(const Partition& large, int factor);

// What every pixel of a picture shows.
enum DrawnPart : int {
    SeaArea = -1,
    OutlineArea = -2,
    // Land outside every fill area: islands detached from their province.
    DetachedArea = -3,
    // A province's label plate.
    LabelArea = -4,
};

enum class OutlineWidth { OnePixel, TwoPixels };

struct DrawnAreas {
    int width = 0;
    int height = 0;
    // Per pixel: the province whose fill area holds it, or a DrawnPart.
    std::vector<int> area;
    // Per province: pixels of its own island that the outlines cut off
    // from its fill area in pieces too large to ink over.
    std::array<int, ProvinceCount> cutOff{};

    int At(int x, int y) const { return area[static_cast<std::size_t>(y) * width + x]; }
};

DrawnAreas DrawAreas(const Partition& partition, OutlineWidth outlineWidth);

}  // namespace tesseran::mapgen
