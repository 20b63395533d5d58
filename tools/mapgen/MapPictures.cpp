// SPDX-License-Identifier: MIT
// Painting the large map and the overview from the partition.
#include "MapPictures.h"

#include "LabelPlacement.h"
#include "MapLayout.h"
#include "MapPalette.h"

#include "base/Roster.h"
#include "base/StringTable.h"

#include <QFont>
#include <QFontMetricsF>
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

QFont MapFont(Face face, int pixelSize, QFont::Weight weight,
              MapLettering lettering = MapLettering::Japanese) {
    QFont font;
    if (lettering == MapLettering::English) {
        font.setFamilies({face == Face::Serif ? QStringLiteral("Noto Serif") : QStringLiteral("Noto Sans"),
                          QStringLiteral("DejaVu Sans")});
    } else if (face == Face::Serif) {
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

// English text wider than its box is set up to two pixels smaller and then
// squeezed sideways: at most to this share of its width in all.
constexpr double SmallestFit = 0.56;
// The narrowest an English name plate gets.
constexpr int NarrowestPlate = 24;

// Text in the box as drawText aligns it; English text wider than the box is
// made to fit, smaller and then squeezed. (Japanese text is drawn as it
// always was, a price's last character sometimes just over its box's edge.)
void DrawFitted(QPainter& painter, const QRect& box, Qt::Alignment alignment, const QString& text,
                MapLettering lettering) {
    double wide = painter.fontMetrics().horizontalAdvance(text);
    if (lettering == MapLettering::Japanese || wide <= box.width()) {
        painter.drawText(box, alignment, text);
        return;
    }
    painter.save();
    QFont smaller = painter.font();
    const int smallest = std::max(8, smaller.pixelSize() - 2);
    while (wide > box.width() && smaller.pixelSize() > smallest) {
        smaller.setPixelSize(smaller.pixelSize() - 1);
        wide = QFontMetricsF(smaller).horizontalAdvance(text);
    }
    painter.setFont(smaller);
    if (wide <= box.width()) {
        painter.drawText(box, alignment, text);
        painter.restore();
        return;
    }
    const double squeeze = box.width() / wide;
    painter.translate(box.left(), 0);
    painter.scale(squeeze, 1.0);
    painter.drawText(QRectF(0, box.top(), wide, box.height()), alignment, text);
    painter.restore();
}

// An eight-pointed compass star with north's letter at its head.
void DrawCompass(QPainter& painter, QPointF centre, double radius, MapLettering lettering) {
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
    painter.setFont(MapFont(Face::Serif, std::max(8, qRound(radius * 0.36)), QFont::Bold, lettering));
    const double size = radius * 0.5;
    painter.drawText(QRectF(centre.x() - size / 2, centre.y() - radius - size * 1.05, size, size),
                     Qt::AlignCenter,
                     lettering == MapLettering::English ? QStringLiteral("N") : QStringLiteral("北"));
    painter.restore();
}

const QPointF CompassCentre(1320, 1420);
constexpr double CompassRadius = 78;

QFont PlateNameFont(MapLettering lettering) {
    return lettering == MapLettering::English ? MapFont(Face::Sans, 10, QFont::Bold, lettering)
                                              : MapFont(Face::Serif, 12, QFont::Bold);
}

QFont PlatePriceFont(MapLettering lettering) {
    return lettering == MapLettering::English ? MapFont(Face::Sans, 9, QFont::DemiBold, lettering)
                                              : MapFont(Face::Sans, 10, QFont::Bold);
}

QString PlateName(int province, MapLettering lettering) {
    return lettering == MapLettering::English ? QString::fromUtf8(LatinProvinceName(province))
                                              : QString::fromStdString(ProvinceName(province));
}

QString PlatePrice(int province, MapLettering lettering) {
    return lettering == MapLettering::English
               ? QString::number(ProvincePrice(province))
               : QString::number(ProvincePrice(province)) + QStringLiteral("石");
}

// Japanese plates all have the one width; an English plate is as wide as
// its name or price, and narrower where the province has no room for that.
std::array<PlateWidths, ProvinceCount> PlateWidthsFor(MapLettering lettering) {
    std::array<PlateWidths, ProvinceCount> widths{};
    if (lettering == MapLettering::Japanese) return widths;
    const QFontMetricsF name(PlateNameFont(lettering));
    const QFontMetricsF price(PlatePriceFont(lettering));
    for (int province = 0; province < ProvinceCount; ++province) {
        const double text = std::max(name.horizontalAdvance(PlateName(province, lettering)),
                                     price.horizontalAdvance(PlatePrice(province, lettering)));
        const int wanted = std::max(LabelWidth, static_cast<int>(std::ceil(text)) + 6);
        widths[province] = {wanted,
                            std::max(NarrowestPlate, static_cast<int>(std::ceil(text * SmallestFit)) + 2)};
    }
    return widths;
}

void DrawPlate(QPainter& painter, const LabelSpot& spot, int province, MapLettering lettering) {
    static const QFont japaneseName = PlateNameFont(MapLettering::Japanese);
    static const QFont japanesePrice = PlatePriceFont(MapLettering::Japanese);
    static const QFont englishName = PlateNameFont(MapLettering::English);
    static const QFont englishPrice = PlatePriceFont(MapLettering::English);
    const bool english = lettering == MapLettering::English;
    const QPoint corner = spot.corner;
    const int width = spot.width;
    const QRect plate = PlateRect(corner, width);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(plate, QColor::fromRgb(PlateColour));
    painter.setPen(QColor::fromRgb(PlateDividerColour));
    painter.drawLine(plate.left() + 1, corner.y() + LabelHeight - 1, plate.right() - 1,
                     corner.y() + LabelHeight - 1);
    painter.setPen(QColor::fromRgb(OutlineColour));
    painter.drawRect(plate.adjusted(0, 0, -1, -1));
    painter.setPen(QColor::fromRgb(NameInkColour));
    painter.setFont(english ? englishName : japaneseName);
    DrawFitted(painter, QRect(corner.x() + 1, corner.y() + 1, width - 2, LabelHeight - 2), Qt::AlignCenter,
               PlateName(province, lettering), lettering);
    painter.setPen(QColor::fromRgb(PriceInkColour));
    painter.setFont(english ? englishPrice : japanesePrice);
    DrawFitted(painter,
               QRect(corner.x() + 1, corner.y() + LabelHeight, width - 2, PlateHeight - LabelHeight - 1),
               Qt::AlignCenter, PlatePrice(province, lettering), lettering);
}

QString MapTitle(MapLettering lettering) {
    return lettering == MapLettering::English ? QStringLiteral("Conquest Map")
                                              : QStringLiteral("国盗りマップ");
}

void DrawLargeTitle(QPainter& painter, MapLettering lettering) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    const QFont font = MapFont(Face::Serif, 60, QFont::Bold, lettering);
    QPainterPath title;
    title.addText(0, 0, font, MapTitle(lettering));
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
    if (lettering == MapLettering::English) {
        // The Japanese plates say 石 after the price; the English ones have
        // no room for "koku", so the title says it once.
        painter.setFont(MapFont(Face::Sans, 17, QFont::Normal, lettering));
        painter.drawText(QRectF(48, underline + 12, 520, 26), Qt::AlignLeft | Qt::AlignVCenter,
                         QStringLiteral("Under each name: its price in koku"));
    }
    painter.restore();
}

void DrawLegend(QPainter& painter, MapLettering lettering) {
    const bool english = lettering == MapLettering::English;
    const QRect panel = LegendPanel();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(panel, QColor::fromRgb(PanelColour));
    painter.setPen(QColor::fromRgb(OutlineColour));
    painter.drawRect(panel.adjusted(0, 0, -1, -1));
    painter.setPen(QColor::fromRgb(PlateDividerColour));
    painter.drawRect(panel.adjusted(2, 2, -3, -3));

    painter.setPen(QColor::fromRgb(TitleInkColour));
    painter.setFont(MapFont(Face::Serif, 22, QFont::Bold, lettering));
    painter.drawText(QRect(panel.left(), panel.top() + 8, panel.width(), 34), Qt::AlignCenter,
                     MapTitle(lettering));
    painter.setPen(QColor::fromRgb(PlateDividerColour));
    painter.drawLine(panel.left() + 10, panel.top() + 48, panel.right() - 10, panel.top() + 48);

    const QFont headingFont = MapFont(Face::Sans, 11, QFont::Bold, lettering);
    const QFont nameFont = MapFont(Face::Sans, english ? 11 : 12, QFont::Normal, lettering);
    const int headingTop = BalanceColumnY - BalanceRowHeight - 2;
    painter.setPen(QColor::fromRgb(TitleInkColour));
    painter.setFont(headingFont);
    painter.drawText(
        QRect(panel.left() + 8, headingTop, BalanceColumnX - panel.left() - 12, BalanceRowHeight),
        Qt::AlignLeft | Qt::AlignVCenter, english ? QStringLiteral("Player") : QStringLiteral("打ち手"));
    painter.drawText(QRect(BalanceColumnX, headingTop, BalanceColumnWidth, BalanceRowHeight), Qt::AlignCenter,
                     english ? QStringLiteral("Koku") : QStringLiteral("石数"));
    painter.setFont(nameFont);
    for (int entry = 0; entry < EntryCount; ++entry) {
        const int rowTop = BalanceColumnY + BalanceRowHeight * entry;
        const EntryColour colour = ColourOfEntry(entry);
        const QRect swatch = LegendSwatch(entry);
        painter.fillRect(swatch, QColor(colour.red, colour.green, colour.blue));
        painter.setPen(QColor::fromRgb(OutlineColour));
        painter.drawRect(swatch.adjusted(0, 0, -1, -1));
        painter.setPen(QColor::fromRgb(TitleInkColour));
        DrawFitted(
            painter,
            QRect(swatch.right() + 6, rowTop, BalanceColumnX - swatch.right() - 10, BalanceRowHeight),
            Qt::AlignLeft | Qt::AlignVCenter,
            english ? QString::fromUtf8(LatinRosterName(entry)) : QString::fromStdString(RosterName(entry)),
            lettering);
    }
    painter.setPen(QColor::fromRgb(OutlineColour));
    painter.drawRect(BalanceColumnX - 1, BalanceColumnY - 1, BalanceColumnWidth + 1, BalanceColumnHeight + 1);
    painter.fillRect(QRect(BalanceColumnX, BalanceColumnY, BalanceColumnWidth, BalanceColumnHeight),
                     QColor::fromRgb(BalanceColumnColour));
    painter.restore();
}

void MarkPlates(DrawnAreas& areas, const std::array<LabelSpot, ProvinceCount>& spots) {
    for (const LabelSpot& spot : spots) {
        const QRect plate = PlateRect(spot.corner, spot.width);
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

MapPictures DrawMapPictures(const std::vector<Island>& coastline, MapLettering lettering, QString& error) {
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
    const std::array<LabelSpot, ProvinceCount> spots =
        PlaceLabels(pictures.largeAreas, PlateWidthsFor(lettering), error);
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
                                        seeds[province].point.x(), seeds[province].point.y(),
                                        spots[province].width};
    }

    pictures.large = PaintGround(pictures.largeAreas, 7, 18);
    {
        QPainter painter(&pictures.large);
        DrawInsetFrames(painter, 1.0, 2);
        DrawCompass(painter, CompassCentre, CompassRadius, lettering);
        DrawLargeTitle(painter, lettering);
        for (int province = 0; province < ProvinceCount; ++province)
            DrawPlate(painter, spots[province], province, lettering);
    }
    MarkPlates(pictures.largeAreas, spots);

    pictures.overview = PaintGround(pictures.overviewAreas, 2, 6);
    {
        QPainter painter(&pictures.overview);
        DrawInsetFrames(painter, 1.0 / OverviewFactor, 1);
        DrawCompass(painter, CompassCentre / OverviewFactor, CompassRadius / OverviewFactor, lettering);
        DrawLegend(painter, lettering);
    }
    return pictures;
}

}  // namespace tesseran::mapgen
