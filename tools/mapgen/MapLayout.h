// SPDX-License-Identifier: MIT
// Where Japan lies on the large map. The main islands are drawn in a Lambert
// conformal conic projection that fills the portrait picture; Hokkaido and
// Okinawa, which would not fit beside them at that size, sit in framed insets.
// The Kinai around Osaka Bay, where the smallest provinces crowd together, is
// magnified by a gentle lens, and the smallest island provinces are drawn
// larger than life, so every province has room for its label.
#pragma once

#include "Coastline.h"

#include <QPointF>
#include <QPolygonF>
#include <QRect>

#include <optional>
#include <vector>

namespace tesseran::mapgen {

enum class Frame { Main, Hokkaido, Ryukyu };

// A framed inset: the box it is drawn in on the large map.
struct Inset {
    Frame frame;
    QRect box;
};

// An island as drawn: its coast in large-map pixels.
struct PlacedIsland {
    Frame frame = Frame::Main;
    QPolygonF coast;
    // Hand-drawn land joins the islands it touches into one landmass.
    bool joinsNeighbours = false;
    // A lake: water painted over the land.
    bool water = false;
};

// The frame an island with this centre (longitude, latitude) is drawn in, or
// nothing for islands the maps leave out.
std::optional<Frame> FrameOfIsland(QPointF centre);

// A point (longitude, latitude) in large-map pixels, as drawn in `frame`.
QPointF Project(QPointF lonLat, Frame frame);

// The islands as drawn, in the order given, leaving out those no frame shows.
std::vector<PlacedIsland> PlaceIslands(const std::vector<Island>& islands);

// Small land shapes drawn by hand over the coastline data: the narrow cut that
// splits Tsushima in two is closed again, so the province is one island, as it
// was before the canal was dug.
std::vector<Island> HandDrawnLand();

// Water drawn by hand over the land: Lake Biwa in the middle of Omi.
std::vector<Island> HandDrawnWater();

const std::vector<Inset>& Insets();

}  // namespace tesseran::mapgen
