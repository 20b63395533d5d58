// SPDX-License-Identifier: MIT
// The coastline the maps are drawn from: the islands of Japan as rings of
// longitude/latitude points, read from the derived outline file in
// campaign/map/ (see the README there for where it comes from).
#pragma once

#include <QPointF>
#include <QString>

#include <vector>

namespace tesseran::mapgen {

struct Island {
    double areaSquareKm = 0;
    // x is the longitude and y the latitude, in degrees.
    std::vector<QPointF> coast;

    QPointF Centroid() const;
};

// The islands of the outline file in file order, or an empty list with
// `error` set when the file cannot be read or a line does not parse.
std::vector<Island> ReadCoastline(const QString& path, QString& error);

}  // namespace tesseran::mapgen
