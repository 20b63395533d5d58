// SPDX-License-Identifier: MIT
// Where each province lies: one or more sites per province near its real
// historical heartland, in longitude and latitude. The land is shared out
// among the sites by distance over land (Partition.h), so the sites decide
// the provinces' shapes; a province with several sites is the union of their
// shares, and a site's reach lets a small province claim a little more land
// than plain distance would give it, so its label fits.
#pragma once

#include <QPointF>

#include <vector>

namespace tesseran::mapgen {

struct ProvinceSite {
    int province = 0;
    // x is the longitude and y the latitude, in degrees.
    QPointF lonLat;
    // Large-map pixels by which this site's share reaches further than
    // plain distance would take it.
    double reach = 0;
};

const std::vector<ProvinceSite>& ProvinceSites();

}  // namespace tesseran::mapgen
