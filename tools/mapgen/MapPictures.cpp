// SPDX-License-Identifier: MIT
// Painting the large map and the overview from the partition.
#include "MapPictures.h"

#include "LabelPlacement.h"
#include "MapLayout.h"
#include "MapPalette.h"

#include "base/StringTable.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tesseran::mapgen {

namespace {

constexpr int OverviewFactor = 3;

enum class Face { Serif, Sans };

QFont MapFont(Face face, int pixelSize, QFont::Weight weight) {
    QFont font;
    if (face == Face::Serif) {
        font.setFamilies({QStringLiteral("Noto Serif CJK JP"), QStringLiteral("Noto Sans CJK JP"),
                          QStringLiteral("IPAGothic")});
    } else {
        font.setFamilies({QStringLiteral("Noto Sans CJK JP"), QStringLiteral("IPAGothic")});
    }
    font.setPixelSize(pixelSize);
    font.setWeight(weight);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

// Chessboard distance from every sea pixel to the nearest pixel that is not
// sea, capped; land pixels get 0.
std::vector<int> DistanceFromLand(const DrawnAreas& areas, int cap) {
    std::vector<int> distance(areas.area.size(), cap);
    const int width = areas.width;
    const int height = areas.height;
    auto at = [&](int x, int y) -> int& { return distance[static_cast<std::size_t>(y) * width + x]; };
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (areas.At(x, y) != SeaArea) {
                at(x, y) = 0;
                continue;
            }
            for (const QPoint& step : {QPoint(-1, 0), QPoint(-1, -1), QPoint(0, -1), QPoint(1, -1)}) {
                const int otherX = x + step.x();
                const int otherY = y + step.y();
                if (otherX >= 0 && otherY >= 0 && otherX < width)
                    at(x, y) = std::min(at(x, y), at(otherX, otherY) + 1);
            }
        }
    }
    for (int y = height - 1; y >= 0; --y) {
        for (int x = width - 1; x >= 0; --x) {
            for (const QPoint& step : {QPoint(1, 0), QPoint(1, 1), QPoint(0, 1), QPoint(-1, 1)}) {
                const int otherX = x + step.x();
                const int otherY = y + step.y();
                if (otherX >= 0 && otherX < width && otherY < height) {
                    at(x, y) = std::min(at(x, y), at(otherX, otherY) + 1);
                }
            }
        }
    }
    return distance;
}

// Land, sea and outlines, pixel by pixel. The sea is paler within
// `shallowBand` pixels of the coast and a little darker beyond `coastalBand`.
QImage PaintGround(const DrawnAreas& areas, int shallowBand, int coastalBand) {
    QImage image(areas.width, areas.height, QImage::Format_RGB32);
    const std::vector<int> distance = DistanceFromLand(areas, coastalBand + 1);
    for (int y = 0; y < areas.height; ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < areas.width; ++x) {
            const int area = areas.At(x, y);
            if (area == OutlineArea) {
                line[x] = OutlineColour;
            } else if (area == SeaArea) {
                const int away = distance[static_cast<std::size_t>(y) * areas.width + x];
                line[x] = away <= shallowBand   ? ShallowSeaColour
                          : away <= coastalBand ? CoastalSeaColour
                                                : OpenSeaColour;
            } else {
                line[x] = LandColour;
            }
        }
    }
    return image;
}

// Whether every pixel of `rect` (clipped to the picture) is open sea.
bool AllSea(const DrawnAreas& areas, const QRect& rect) {
    const QRect clipped = rect.intersected(QRect(0, 0, areas.width, areas.height));
    for (int y = clipped.top(); y <= clipped.bottom(); ++y) {
        for (int x = clipped.left(); x <= clipped.right(); ++x) {
            if (areas.At(x, y) != SeaArea) return false;
        }
    }
    return true;
}

bool FramesClearOfLand(const DrawnAreas& areas, double scale) {
    for (const Inset& inset : Insets()) {
        const QRectF box(inset.box.x() * scale, inset.box.y() * scale, inset.box.width() * scale,
                         inset.box.height() * scale);
        const QRect outer = box.toAlignedRect().adjusted(-2, -2, 2, 2);
        const QRect inner = box.toAlignedRect().adjusted(3, 3, -3, -3);
        if (!AllSea(areas, QRect(outer.left(), outer.top(), outer.width(), inner.top() - outer.top())) ||
            !AllSea(areas, QRect(outer.left(), inner.bottom() + 1, outer.width(),
                                 outer.bottom() - inner.bottom())) ||
            !AllSea(areas, QRect(outer.left(), outer.top(), inner.left() - outer.left(), outer.height())) ||
            !AllSea(areas,
                    QRect(inner.right() + 1, outer.top(), outer.right() - inner.right(), outer.height()))) {
            return false;
        }
    }
    return true;
}

void DrawInsetFrames(QPainter& painter, double scale, int lineWidth) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    for (const Inset& inset : Insets()) {
        const QRect box(qRound(inset.box.x() * scale), qRound(inset.box.y() * scale),
                        qRound(inset.box.width() * scale), qRound(inset.box.height() * scale));
        for (int line = 0; line < lineWidth; ++line) {
            painter.setPen(QColor::fromRgb(FrameColour));
            painter.drawRect(box.adjusted(line, line, -1 - line, -1 - line));
        }
    }
    painter.restore();
}

// An eight-pointed compass star with 北 at its head.
void DrawCompass(QPainter& painter, QPointF centre, double radius) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    const QColor dark = QColor::fromRgb(CompassColour);
    const QColor light = QColor::fromRgb(CompassLightColour);
    painter.setPen(QPen(dark, std::max(1.0, radius / 40.0)));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, radius * 0.62, radius * 0.62);
    for (int point = 0; point < 8; ++point) {
        const bool main = point % 2 == 0;
        const double length = main ? radius : radius * 0.55;
        const double waist = radius * (main ? 0.14 : 0.1);
        const double angle = point * std::numbers::pi / 4 - std::numbers::pi / 2;
        const QPointF tip = centre + QPointF(std::cos(angle), std::sin(angle)) * length;
        const QPointF left =
            centre +
            QPointF(std::cos(angle - std::numbers::pi / 2), std::sin(angle - std::numbers::pi / 2)) * waist;
        const QPointF right =
            centre +
            QPointF(std::cos(angle + std::numbers::pi / 2), std::sin(angle + std::numbers::pi / 2)) * waist;
        // Each point is split along its spine into a dark and a light half.
        painter.setBrush(dark);
        painter.drawPolygon(QPolygonF({centre, tip, left}));
        painter.setBrush(point == 0 ? dark : light);
        painter.drawPolygon(QPolygonF({centre, tip, right}));
    }
    painter.setPen(dark);
    painter.setFont(MapFont(Face::Serif, std::max(8, qRound(radius * 0.36)), QFont::Bold));
    const double size = radius * 0.5;
    painter.drawText(QRectF(centre.x() - size / 2, centre.y() - radius - size * 1.05, size, size),
                     Qt::AlignCenter, QStringLiteral("北"));
    painter.restore();
}

const QPointF CompassCentre(1320, 1420);
constexpr double CompassRadius = 78;

void DrawPlate(QPainter& painter, QPoint corner, int province) {
    static const QFont nameFont = MapFont(Face::Serif, 12, QFont::Bold);
    static const QFont priceFont = MapFont(Face::Sans, 10, QFont::Bold);
    const QRect plate = PlateRect(corner);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(plate, QColor::fromRgb(PlateColour));
    painter.setPen(QColor::fromRgb(PlateDividerColour));
    painter.drawLine(plate.left() + 1, corner.y() + LabelHeight - 1, plate.right() - 1,
                     corner.y() + LabelHeight - 1);
    painter.setPen(QColor::fromRgb(OutlineColour));
    painter.drawRect(plate.adjusted(0, 0, -1, -1));
    painter.setPen(QColor::fromRgb(NameInkColour));
    painter.setFont(nameFont);
    painter.drawText(QRect(corner.x() + 1, corner.y() + 1, LabelWidth - 2, LabelHeight - 2), Qt::AlignCenter,
                     QString::fromStdString(ProvinceName(province)));
    painter.setPen(QColor::fromRgb(PriceInkColour));
    painter.setFont(priceFont);
    painter.drawText(
        QRect(corner.x() + 1, corner.y() + LabelHeight, LabelWidth - 2, PlateHeight - LabelHeight - 1),
        Qt::AlignCenter, QString::number(ProvincePrice(province)) + QStringLiteral("石"));
}

void DrawLargeTitle(QPainter& painter) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    const QFont font = MapFont(Face::Serif, 60, QFont::Bold);
    QPainterPath title;
    title.addText(0, 0, font, QStringLiteral("国盗りマップ"));
    const QRectF ink = title.boundingRect();
    title.translate(QPointF(48, 56) - ink.topLeft());
    painter.setPen(QPen(QColor::fromRgb(PlateColour), 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(title);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor::fromRgb(TitleInkColour));
    painter.drawPath(title);
    const double underline = 56 + ink.height() + 14;
    painter.setPen(QPen(QColor::fromRgb(TitleInkColour), 2));
    painter.drawLine(QPointF(48, underline), QPointF(48 + ink.width(), underline));
    painter.setPen(QPen(QColor::fromRgb(TitleInkColour), 1));
    painter.drawLine(QPointF(48, underline + 5), QPointF(48 + ink.width(), underline + 5));
    painter.restore();
}

void DrawLegend(QPainter& painter) {
    const QRect panel = LegendPanel();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(panel, QColor::fromRgb(PanelColour));
    painter.setPen(QColor::fromRgb(OutlineColour));
    painter.drawRect(panel.adjusted(0, 0, -1, -1));
    painter.setPen(QColor::fromRgb(PlateDividerColour));
    painter.drawRect(panel.adjusted(2, 2, -3, -3));

    painter.setPen(QColor::fromRgb(TitleInkColour));
    painter.setFont(MapFont(Face::Serif, 22, QFont::Bold));
    painter.drawText(QRect(panel.left(), panel.top() + 8, panel.width(), 34), Qt::AlignCenter,
                     QStringLiteral("国盗りマップ"));
    painter.setPen(QColor::fromRgb(PlateDividerColour));
    painter.drawLine(panel.left() + 10, panel.top() + 48, panel.right() - 10, panel.top() + 48);

    const QFont headingFont = MapFont(Face::Sans, 11, QFont::Bold);
    const QFont nameFont = MapFont(Face::Sans, 12, QFont::Normal);
    const int headingTop = BalanceColumnY - BalanceRowHeight - 2;
    painter.setPen(QColor::fromRgb(TitleInkColour));
    painter.setFont(headingFont);
    painter.drawText(
        QRect(panel.left() + 8, headingTop, BalanceColumnX - panel.left() - 12, BalanceRowHeight),
        Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("打ち手"));
    painter.drawText(QRect(BalanceColumnX, headingTop, BalanceColumnWidth, BalanceRowHeight), Qt::AlignCenter,
                     QStringLiteral("石数"));
    painter.setFont(nameFont);
    for (int entry = 0; entry < EntryCount; ++entry) {
        const int rowTop = BalanceColumnY + BalanceRowHeight * entry;
        const EntryColour colour = ColourOfEntry(entry);
        const QRect swatch = LegendSwatch(entry);
        painter.fillRect(swatch, QColor(colour.red, colour.green, colour.blue));
        painter.setPen(QColor::fromRgb(OutlineColour));
        painter.drawRect(swatch.adjusted(0, 0, -1, -1));
        painter.setPen(QColor::fromRgb(TitleInkColour));
        painter.drawText(
            QRect(swatch.right() + 6, rowTop, BalanceColumnX - swatch.right() - 10, BalanceRowHeight),
            Qt::AlignLeft | Qt::AlignVCenter, QString::fromStdString(RosterName(entry)));
    }
    painter.setPen(QColor::fromRgb(OutlineColour));
    painter.drawRect(BalanceColumnX - 1, BalanceColumnY - 1, BalanceColumnWidth + 1, BalanceColumnHeight + 1);
    painter.fillRect(QRect(BalanceColumnX, BalanceColumnY, BalanceColumnWidth, BalanceColumnHeight),
                     QColor::fromRgb(BalanceColumnColour));
    painter.restore();
}

void MarkPlates(DrawnAreas& areas, const std::array<LabelSpot, ProvinceCount>& spots) {
    for (const LabelSpot& spot : spots) {
        const QRect plate = PlateRect(spot.corner);
        for (int y = plate.top(); y <= plate.bottom(); ++y) {
            for (int x = plate.left(); x <= plate.right(); ++x)
                areas.area[static_cast<std::size_t>(y) * areas.width + x] = LabelArea;
        }
    }
}

}  // namespace

QRect LegendSwatch(int entry) {
    return QRect(LegendPanel().left() + 8, BalanceColumnY + BalanceRowHeight * entry + 2, 12, 12);
}

QRect LegendPanel() {
    return QRect(QPoint(4, 6),
                 QPoint(BalanceColumnX + BalanceColumnWidth + 3, BalanceColumnY + BalanceColumnHeight + 4));
}

MapPictures DrawMapPictures(const std::vector<Island>& coastline, QString& error) {
    std::vector<PlacedIsland> islands = PlaceIslands(coastline);
    for (PlacedIsland& land : PlaceIslands(HandDrawnLand())) {
        land.joinsNeighbours = true;
        islands.push_back(std::move(land));
    }
    for (PlacedIsland& lake : PlaceIslands(HandDrawnWater())) {
        lake.water = true;
        islands.push_back(std::move(lake));
    }
    const Partition large = PartitionLand(islands, LargeMapWidth, LargeMapHeight, error);
    if (!error.isEmpty()) return {};
    const Partition small = Downsample(large, OverviewFactor);

    MapPictures pictures;
    pictures.largeAreas = DrawAreas(large, OutlineWidth::TwoPixels);
    pictures.overviewAreas = DrawAreas(small, OutlineWidth::OnePixel);
    const std::array<LabelSpot, ProvinceCount> spots = PlaceLabels(pictures.largeAreas, error);
    const std::array<SeedSpot, ProvinceCount> seeds = PlaceOverviewSeeds(pictures.overviewAreas, error);
    if (!FramesClearOfLand(pictures.largeAreas, 1.0))
        error += QStringLiteral("land crosses an inset frame\n");
    if (!AllSea(pictures.overviewAreas, LegendPanel().adjusted(-1, -1, 1, 1))) {
        error += QStringLiteral("land lies under the legend\n");
    }
    if (!AllSea(pictures.largeAreas,
                QRect(CompassCentre.toPoint(), QSize(1, 1)).adjusted(-100, -130, 100, 100))) {
        error += QStringLiteral("land lies under the compass\n");
    }

    for (int province = 0; province < ProvinceCount; ++province) {
        pictures.positions[province] = {spots[province].corner.x(), spots[province].corner.y(),
                                        seeds[province].point.x(), seeds[province].point.y()};
    }

    pictures.large = PaintGround(pictures.largeAreas, 7, 18);
    {
        QPainter painter(&pictures.large);
        DrawInsetFrames(painter, 1.0, 2);
        DrawCompass(painter, CompassCentre, CompassRadius);
        DrawLargeTitle(painter);
        for (int province = 0; province < ProvinceCount; ++province)
            DrawPlate(painter, spots[province].corner, province);
    }
    MarkPlates(pictures.largeAreas, spots);

    pictures.overview = PaintGround(pictures.overviewAreas, 2, 6);
    {
        QPainter painter(&pictures.overview);
        DrawInsetFrames(painter, 1.0 / OverviewFactor, 1);
        DrawCompass(painter, CompassCentre / OverviewFactor, CompassRadius / OverviewFactor);
        DrawLegend(painter);
    }
    return pictures;
}

}  // namespace tesseran::mapgen
