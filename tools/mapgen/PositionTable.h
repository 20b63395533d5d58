// SPDX-License-Identifier: MIT
// The province-position tables as C++ source: campaign/map/ProvincePositions.cpp
// is this text, written by `tesseran-mapgen --write-table` and compared by
// `tesseran-mapgen --check`.
#pragma once

#include "campaign/map/ProvincePositions.h"

#include <QByteArray>

#include <array>

namespace tesseran::mapgen {

QByteArray PositionTableSource(const std::array<ProvincePosition, ProvinceCount>& japanese,
                               const std::array<ProvincePosition, ProvinceCount>& english);

}  // namespace tesseran::mapgen
