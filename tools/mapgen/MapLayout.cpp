// SPDX-License-Identifier: MIT
// The projection, the lens and the insets of the map. All the numbers that
// decide where Japan lies on the picture live here.
#include "MapLayout.h"

#include <QLineF>

#include <cmath>
#include <numbers>
#include <vector>

namespace tesseran::mapgen {

namespace {

constexpr double Radian = std::numbers::pi / 180.0;

// A Lambert conformal conic projection on the sphere, standard parallels 33°
// and 40° N, giving plane coordinates in degrees of arc around an origin.
class ConicProjection {
public:
    ConicProjection(double centralMeridian, double originLatitude) : centralMeridian_(centralMeridian) {
        const double first = 33.0 * Radian;
        const double second = 40.0 * Radian;
        cone_ = std::log(std::cos(first) / std::cos(second)) /
                std::log(std::tan(std::numbers::pi / 4 + second / 2) /
                         std::tan(std::numbers::pi / 4 + first / 2));
        factor_ = std::cos(first) * std::pow(std::tan(std::numbers::pi / 4 + first / 2), cone_) / cone_;
        originRadius_ = Radius(originLatitude);
    }

    // x grows to the east and y to the north.
    QPointF Plane(QPointF lonLat) const {
        const double radius = Radius(lonLat.y());
        const double angle = cone_ * (lonLat.x() - centralMeridian_) * Radian;
        return {radius * std::sin(angle) / Radian, (originRadius_ - radius * std::cos(angle)) / Radian};
    }

private:
    double Radius(double latitude) const {
        return factor_ / std::pow(std::tan(std::numbers::pi / 4 + latitude * Radian / 2), cone_);
    }

    double centralMeridian_;
    double cone_ = 0;
    double factor_ = 0;
    double originRadius_ = 0;
};

// How one frame turns the plane of its projection into large-map pixels.
struct FrameGeometry {
    ConicProjection projection;
    // Pixels per degree of arc.
    double scale;
    // Where the projection's origin lands on the large map.
    QPointF origin;
};

const FrameGeometry& GeometryOf(Frame frame) {
    static const FrameGeometry Main{ConicProjection(136.0, 36.0), 127.0, {860.0, 778.0}};
    static const FrameGeometry Hokkaido{ConicProjection(142.8, 43.5), 96.0, {858.0, 226.0}};
    static const FrameGeometry Ryukyu{ConicProjection(127.95, 26.5), 280.0, {612.0, 1462.0}};
    switch (frame) {
        case Frame::Hokkaido:
            return Hokkaido;
        case Frame::Ryukyu:
            return Ryukyu;
        case Frame::Main:
            break;
    }
    return Main;
}

// A radial magnification around a point of the main frame: `magnification`
// at the centre, easing to none at `radius` pixels. The eased factor keeps
// the mapping one-to-one for any magnification below 4.
struct Lens {
    QPointF centreLonLat;
    double magnification;
    double radius;
};

const std::vector<Lens>& Lenses() {
    static const std::vector<Lens> lenses = {
        {{135.45, 34.62}, 1.35, 330.0},  // the Kinai around Osaka Bay
        {{139.85, 35.2}, 1.2, 150.0},    // Boso and the mouth of Edo Bay
    };
    return lenses;
}

// Island provinces too small for their label, drawn `factor` times their size
// around `centre`; the rule catches every island whose centre lies within
// `reach` degrees, so groups such as Oki grow together.
struct Enlargement {
    QPointF centre;
    double reach;
    double factor;
};

const std::vector<Enlargement>& Enlargements() {
    static const std::vector<Enlargement> enlargements = {
        {{129.72, 33.78}, 0.15, 2.3},  // Iki
        {{133.2, 36.2}, 0.35, 1.7},    // Oki
        {{129.33, 34.4}, 0.4, 1.5},    // Tsushima
        {{138.4, 38.05}, 0.3, 1.45},   // Sado
    };
    return enlargements;
}

QPointF ProjectWithoutLens(QPointF lonLat, Frame frame) {
    const FrameGeometry& geometry = GeometryOf(frame);
    const QPointF plane = geometry.projection.Plane(lonLat);
    return geometry.origin + QPointF(plane.x(), -plane.y()) * geometry.scale;
}

QPointF ApplyLenses(QPointF pixel) {
    for (const Lens& lens : Lenses()) {
        const QPointF centre = ProjectWithoutLens(lens.centreLonLat, Frame::Main);
        const QPointF offset = pixel - centre;
        const double distance = std::hypot(offset.x(), offset.y());
        if (distance >= lens.radius) continue;
        const double falloff = 1.0 - distance / lens.radius;
        pixel = centre + offset * (1.0 + (lens.magnification - 1.0) * falloff * falloff);
    }
    return pixel;
}

// The enlargement that applies is chosen by `key`: an island's centre, so
// the whole island grows alike, or the point itself.
QPointF ProjectKeyed(QPointF lonLat, Frame frame, QPointF key) {
    QPointF pixel = ProjectWithoutLens(lonLat, frame);
    if (frame == Frame::Main) pixel = ApplyLenses(pixel);
    for (const Enlargement& enlargement : Enlargements()) {
        if (QLineF(key, enlargement.centre).length() > enlargement.reach) continue;
        QPointF middle = ProjectWithoutLens(enlargement.centre, frame);
        if (frame == Frame::Main) middle = ApplyLenses(middle);
        pixel = middle + (pixel - middle) * enlargement.factor;
    }
    return pixel;
}

}  // namespace

std::optional<Frame> FrameOfIsland(QPointF centre) {
    const double longitude = centre.x();
    const double latitude = centre.y();
    if (latitude > 41.3 && longitude > 139.3) return Frame::Hokkaido;
    // Okinawa itself and the islets beside it; the outer Ryukyus are left out.
    if (latitude > 25.9 && latitude < 26.95 && longitude > 127.5 && longitude < 128.6) return Frame::Ryukyu;
    // The Izu chain south of Oshima would run into the Pacific corner.
    if (longitude > 138.9 && latitude < 34.5) return std::nullopt;
    if (latitude > 30.15 && latitude < 41.7 && longitude > 128.0 && longitude < 142.5) return Frame::Main;
    return std::nullopt;
}

QPointF Project(QPointF lonLat, Frame frame) { return ProjectKeyed(lonLat, frame, lonLat); }

std::vector<PlacedIsland> PlaceIslands(const std::vector<Island>& islands) {
    std::vector<PlacedIsland> placed;
    for (const Island& island : islands) {
        const QPointF centre = island.Centroid();
        const std::optional<Frame> frame = FrameOfIsland(centre);
        if (!frame) continue;
        PlacedIsland drawn{*frame, {}};
        for (const QPointF& point : island.coast) drawn.coast << ProjectKeyed(point, *frame, centre);
        placed.push_back(std::move(drawn));
    }
    return placed;
}

std::vector<Island> HandDrawnWater() {
    // Lake Biwa, which the country outlines leave out, traced from its
    // narrow southern basin at Otsu round the wide northern one.
    return {
        {0.0, {{135.905, 34.97}, {135.87, 35.01}, {135.88, 35.06}, {135.92, 35.12}, {135.96, 35.18},
               {135.99, 35.25},  {136.01, 35.33}, {136.05, 35.41}, {136.09, 35.47}, {136.14, 35.51},
               {136.19, 35.50},  {136.22, 35.45}, {136.26, 35.38}, {136.27, 35.31}, {136.22, 35.25},
               {136.15, 35.20},  {136.07, 35.15}, {136.00, 35.13}, {135.96, 35.09}, {135.94, 35.04},
               {135.92, 34.99}}},
    };
}

std::vector<Island> HandDrawnLand() {
    return {
        {0.0, {{129.300, 34.284}, {129.346, 34.284}, {129.346, 34.306}, {129.300, 34.306}}},
    };
}

const std::vector<Inset>& Insets() {
    static const std::vector<Inset> insets = {
        {Frame::Hokkaido, QRect(566, 16, 584, 426)},
        {Frame::Ryukyu, QRect(470, 1335, 300, 270)},
    };
    return insets;
}

}  // namespace tesseran::mapgen
