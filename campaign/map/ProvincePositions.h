// SPDX-License-Identifier: MIT
// Where the provinces lie on the two conquest-map pictures (bitmaps 163 and
// 164): the corner of each province's name label on the large map, and a
// point inside the province on the overview. The maps come lettered in
// Japanese and in English; the English names need wider labels, placed
// apart, so each lettering has its own table. The tables are written by the
// map generator (tools/mapgen) together with the pictures and must change
// with them; a test regenerates them and compares.
#pragma once

#include "campaign/ProvinceMap.h"

#include <array>

namespace tesseran {

inline constexpr int LargeMapWidth = 1467;
inline constexpr int LargeMapHeight = 1614;
// The overview is the large map at one third in each direction.
inline constexpr int OverviewWidth = 489;
inline constexpr int OverviewHeight = 538;

// A province's name label on the large map is a box 15 pixels high at the
// label corner, 28 wide in Japanese and as wide as the name in English; a
// click inside it picks the province.
inline constexpr int LabelWidth = 28;
inline constexpr int LabelHeight = 15;
// The large map's fill seed lies this far right of the label's right edge
// and below its corner.
inline constexpr int LargeSeedGapX = 2;
inline constexpr int LargeSeedOffsetY = 17;

// The overview's legend lists the ten entries in index order, one row of 16
// pixels each from y = 99; its white balance column is where the window
// writes each entry's koku, at x = 130.
inline constexpr int BalanceColumnX = 125;
inline constexpr int BalanceColumnY = 99;
inline constexpr int BalanceColumnWidth = 46;
inline constexpr int BalanceColumnHeight = 160;
inline constexpr int BalanceRowHeight = 16;
inline constexpr int BalanceTextX = 130;

struct ProvincePosition {
    int labelX = 0;
    int labelY = 0;
    int overviewX = 0;
    int overviewY = 0;
    int labelWidth = LabelWidth;
};

struct MapPoint {
    int x = 0;
    int y = 0;
};

enum class MapLettering { Japanese, English };

// By province index, for the maps lettered in Japanese and in English.
extern const std::array<ProvincePosition, ProvinceCount> ProvincePositions;
extern const std::array<ProvincePosition, ProvinceCount> EnglishProvincePositions;

inline const std::array<ProvincePosition, ProvinceCount>& ProvincePositionsIn(MapLettering lettering) {
    return lettering == MapLettering::English ? EnglishProvincePositions : ProvincePositions;
}

constexpr MapPoint LargeMapSeed(const ProvincePosition& position) {
    return {position.labelX + position.labelWidth + LargeSeedGapX, position.labelY + LargeSeedOffsetY};
}

constexpr MapPoint OverviewSeed(const ProvincePosition& position) {
    return {position.overviewX, position.overviewY};
}

// Whether the large-map point (x, y) lies in the province's label box.
constexpr bool LabelContains(const ProvincePosition& position, int x, int y) {
    return x >= position.labelX && x < position.labelX + position.labelWidth && y >= position.labelY &&
           y < position.labelY + LabelHeight;
}

}  // namespace tesseran
