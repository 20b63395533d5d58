// SPDX-License-Identifier: MIT
#include "DialogArt.h"

#include "KeyedCanvas.h"
#include "Lettering.h"
#include "LetteringTable.h"
#include "Palette.h"
#include "Patterns.h"
#include "resources/ResourceCatalogue.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>

#include <array>
#include <vector>

namespace tesseran::art {

namespace {

constexpr int EntryWidth = 326;
constexpr int EntryHeight = 458;

// Longitude and latitude to pixels of the entry picture: a simple
// equirectangular map, stretched north-south as a map of Japan's latitudes is.
QPointF MapPoint(double longitude, double latitude) {
    return QPointF(14 + (longitude - 128.8) * 17.6, 92 + (45.7 - latitude) * 21.5);
}

struct Place {
    double longitude;
    double latitude;
};

// Coarse coastlines, clockwise, smoothed when drawn.
const std::vector<Place> Hokkaido{
    {141.9, 45.5},   {142.6, 44.93}, {143.35, 44.35}, {144.3, 44.0},   {145.3, 44.35},  {145.0, 43.7},
    {145.6, 43.35},  {144.4, 42.97}, {143.25, 41.92}, {141.6, 42.6},   {140.95, 42.33}, {141.2, 41.8},
    {140.75, 41.77}, {140.1, 41.42}, {140.1, 41.87},  {139.85, 42.45}, {140.5, 42.97},  {140.4, 43.35},
    {141.3, 43.2},   {141.6, 44.0},  {141.6, 45.3}};
const std::vector<Place> Honshu{
    {140.9, 41.5},  {141.45, 41.4},  {141.5, 40.5},   {142.0, 39.6},   {141.6, 38.9},   {141.5, 38.3},
    {141.0, 38.25}, {140.95, 37.8},  {141.0, 37.0},   {140.85, 35.7},  {140.4, 35.2},   {139.85, 34.9},
    {139.8, 35.5},  {139.65, 35.15}, {139.15, 35.25}, {138.85, 34.6},  {138.85, 35.05}, {138.2, 34.6},
    {137.0, 34.6},  {136.85, 34.3},  {135.75, 33.45}, {135.15, 34.2},  {135.4, 34.65},  {134.0, 34.6},
    {132.4, 34.3},  {131.6, 33.95},  {130.9, 33.95},  {131.4, 34.45},  {132.1, 34.9},   {132.7, 35.45},
    {134.2, 35.55}, {135.2, 35.7},   {136.05, 35.65}, {136.1, 36.2},   {136.6, 36.6},   {136.75, 37.2},
    {137.35, 37.5}, {137.0, 37.05},  {137.25, 36.77}, {137.85, 37.05}, {139.05, 37.95}, {139.8, 38.9},
    {140.05, 39.7}, {139.7, 39.95},  {140.0, 40.4},   {140.35, 41.25}, {140.75, 40.85}};
const std::vector<Place> Shikoku{{132.0, 33.35}, {132.7, 33.85},  {133.0, 34.1},  {134.05, 34.35},
                                 {134.6, 34.2},  {134.18, 33.25}, {133.55, 33.5}, {132.95, 32.72},
                                 {132.7, 32.95}, {132.5, 33.2}};
const std::vector<Place> Kyushu{
    {130.9, 33.9},  {131.7, 33.6}, {131.6, 33.25}, {131.95, 32.95}, {131.45, 31.9},  {131.35, 31.35},
    {130.65, 31.0}, {130.6, 31.5}, {130.55, 31.2}, {130.3, 31.3},   {130.25, 31.75}, {130.4, 32.2},
    {130.6, 32.8},  {130.3, 32.7}, {129.85, 32.7}, {129.7, 33.2},   {129.95, 33.5},  {130.4, 33.6}};
const std::vector<Place> Sado{{138.25, 38.3}, {138.55, 38.1}, {138.45, 37.8}, {138.2, 37.85}};
const std::vector<Place> Awaji{{134.95, 34.6}, {135.0, 34.3}, {134.75, 34.2}};

QPainterPath SmoothIsland(const std::vector<Place>& coast) {
    // A closed Catmull-Rom curve through the coast points.
    std::vector<QPointF> points;
    for (const Place& place : coast) points.push_back(MapPoint(place.longitude, place.latitude));
    const int count = static_cast<int>(points.size());
    QPainterPath path;
    path.moveTo(points[0]);
    for (int index = 0; index < count; ++index) {
        const QPointF& before = points[(index + count - 1) % count];
        const QPointF& from = points[index];
        const QPointF& to = points[(index + 1) % count];
        const QPointF& after = points[(index + 2) % count];
        path.cubicTo(from + (to - before) / 6.0, to - (after - from) / 6.0, to);
    }
    path.closeSubpath();
    return path;
}

// Gold mist in the manner of old screens (suyari-gasumi): long bars with
// round ends, stacked a little offset.
void PaintCloudBand(QPainter& painter, const QRectF& band) {
    const double height = band.height();
    QPainterPath cloud;
    cloud.addRoundedRect(band, height / 2, height / 2);
    cloud.addRoundedRect(
        QRectF(band.left() + band.width() * 0.18, band.top() - height * 0.7, band.width() * 0.5, height),
        height / 2, height / 2);
    cloud.addRoundedRect(
        QRectF(band.left() + band.width() * 0.42, band.top() + height * 0.65, band.width() * 0.48, height),
        height / 2, height / 2);
    cloud.setFillRule(Qt::WindingFill);
    cloud = cloud.simplified();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient gold(band.topLeft() - QPointF(0, height), band.bottomLeft() + QPointF(0, height));
    gold.setColorAt(0, QColor(250, 232, 160, 230));
    gold.setColorAt(1, QColor(214, 170, 76, 230));
    painter.setPen(QPen(QColor(170, 120, 40), 0.8));
    painter.setBrush(gold);
    painter.drawPath(cloud);
    painter.restore();
}

void PaintBrocadeBorder(QPainter& painter, const QRectF& outer, double width) {
    QPainterPath border;
    border.addRect(outer);
    border.addRect(outer.adjusted(width, width, -width, -width));
    painter.save();
    painter.setClipPath(border);
    painter.fillRect(outer, QColor(30, 34, 74));
    QColor pattern = GoldLight;
    pattern.setAlpha(120);
    PaintAsanoha(painter, outer, 9, pattern, 0.6);
    painter.restore();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(GoldMid, 1.4));
    painter.drawRect(outer.adjusted(width + 0.7, width + 0.7, -width - 0.7, -width - 0.7));
    painter.setPen(QPen(QColor(12, 10, 26), 1));
    painter.drawRect(outer.adjusted(0.5, 0.5, -0.5, -0.5));
    painter.restore();
}

void PaintHomeSpot(QPainter& painter, QPointF spot, const QString& name, bool labelLeft, bool latin) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(GoldDark, 1));
    painter.setBrush(GoldLight);
    painter.drawEllipse(spot, 5.5, 5.5);
    QRadialGradient red(spot - QPointF(1, 1), 5);
    red.setColorAt(0, QColor(240, 70, 60));
    red.setColorAt(1, QColor(160, 16, 24));
    painter.setPen(Qt::NoPen);
    painter.setBrush(red);
    painter.drawEllipse(spot, 3.6, 3.6);
    const QFont font = LetteringFont(Typeface::Serif, latin ? 11 : 12, QFont::Bold, latin);
    const QPainterPath label = TextOutline(name, font);
    const QRectF ink = label.boundingRect();
    const QPointF at = labelLeft ? QPointF(spot.x() - 9 - ink.right(), spot.y() - ink.center().y())
                                 : QPointF(spot.x() + 9 - ink.left(), spot.y() - ink.center().y());
    const QPainterPath placed = label.translated(at);
    painter.setPen(QPen(QColor(250, 242, 220, 220), 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(placed);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(40, 28, 24));
    painter.drawPath(placed);
    painter.restore();
}

// A 16 x 16 peek picture: an eye under an arrow pointing to the seat looked at.
void PaintPeekPicture(QPainter& painter, double left, int direction) {
    painter.save();
    painter.translate(left, 0);
    painter.setRenderHint(QPainter::Antialiasing);
    // The eye.
    QPainterPath eye;
    eye.moveTo(1.5, 10.5);
    eye.quadTo(8, 4, 14.5, 10.5);
    eye.quadTo(8, 17, 1.5, 10.5);
    eye.closeSubpath();
    painter.setPen(QPen(QColor(20, 20, 30), 1.1));
    painter.setBrush(QColor(252, 250, 240));
    painter.drawPath(eye);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(40, 100, 200));
    painter.drawEllipse(QPointF(8, 10.5), 2.8, 2.8);
    painter.setBrush(QColor(10, 10, 16));
    painter.drawEllipse(QPointF(8, 10.5), 1.3, 1.3);
    // The arrow: left neighbour, across the table, right neighbour.
    painter.setBrush(QColor(255, 214, 60));
    painter.setPen(QPen(QColor(70, 40, 0), 0.8));
    QPolygonF arrow;
    if (direction < 0) {
        arrow << QPointF(1, 3) << QPointF(6, 0.5) << QPointF(6, 2) << QPointF(13, 2) << QPointF(13, 4)
              << QPointF(6, 4) << QPointF(6, 5.5);
    } else if (direction > 0) {
        arrow << QPointF(15, 3) << QPointF(10, 0.5) << QPointF(10, 2) << QPointF(3, 2) << QPointF(3, 4)
              << QPointF(10, 4) << QPointF(10, 5.5);
    } else {
        arrow << QPointF(8, 0.5) << QPointF(12.5, 5) << QPointF(3.5, 5);
    }
    painter.drawPolygon(arrow);
    painter.restore();
}

}  // namespace

QImage PaintEntryPicture(ArtLanguage language) {
    const LetteringTable& table = LetteringFor(language);
    const bool latin = !table.writtenDownwards;
    QImage picture(EntryWidth, EntryHeight, QImage::Format_RGB32);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF whole(0, 0, EntryWidth, EntryHeight);
    const QRectF paper = whole.adjusted(8, 8, -8, -8);

    // Washi paper for the sea, with faint waves.
    QRadialGradient washi(QPointF(EntryWidth * 0.45, EntryHeight * 0.4), 360);
    washi.setColorAt(0, QColor(238, 236, 222));
    washi.setColorAt(1, QColor(208, 212, 200));
    painter.fillRect(paper, washi);
    PaintSeigaiha(painter, paper, 14, QBrush(washi), QColor(120, 150, 170, 34), 0.9, 4);

    // The islands: a soft shadow, then ochre land with an ink coastline.
    const std::array<const std::vector<Place>*, 6> islands{&Hokkaido, &Honshu, &Shikoku,
                                                           &Kyushu,   &Sado,   &Awaji};
    QPainterPath land;
    for (const auto* island : islands) land.addPath(SmoothIsland(*island));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(90, 80, 60, 60));
    painter.drawPath(land.translated(2, 2.5));
    QLinearGradient earth(QPointF(0, 90), QPointF(0, 420));
    earth.setColorAt(0, QColor(226, 214, 164));
    earth.setColorAt(1, QColor(214, 196, 140));
    painter.setPen(QPen(QColor(84, 64, 44), 1.1));
    painter.setBrush(earth);
    painter.drawPath(land);

    // Gold clouds drifting over the open sea.
    PaintCloudBand(painter, QRectF(176, 398, 124, 10));
    PaintCloudBand(painter, QRectF(228, 346, 80, 9));
    PaintCloudBand(painter, QRectF(96, 40, 110, 9));

    // The title, written downwards in the Sea of Japan (in Latin letters
    // turned to run down it), with a red seal.
    const QPainterPath title =
        latin ? TurnedText(table.entryTitle, LetteringFont(Typeface::Serif, 22, QFont::Bold, true), 44, 26,
                           26, 196)
              : VerticalText(table.entryTitle, LetteringFont(Typeface::Serif, 24), 44, 26, 196);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(34, 26, 26));
    painter.drawPath(title);
    const QRectF seal(33, 204, 22, 22);
    painter.setPen(QPen(QColor(120, 10, 16), 1));
    painter.setBrush(QColor(190, 30, 34));
    painter.drawRoundedRect(seal, 2.5, 2.5);
    const QPainterPath sealMark =
        FitCentred(TextOutline(table.entrySeal, LetteringFont(Typeface::Serif, 17, QFont::Bold, latin)),
                   seal.adjusted(3, 3, -3, -3));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(250, 232, 214));
    painter.drawPath(sealMark);

    // The six home provinces.
    const std::array<bool, 6> labelLeft{true, false, false, true, true, false};
    for (int index = 0; index < static_cast<int>(EntryHomeSpots.size()); ++index) {
        const EntrySpot& spot = EntryHomeSpots[index];
        PaintHomeSpot(painter, QPointF(spot.x, spot.y), table.entryHomes[static_cast<std::size_t>(index)],
                      labelLeft[index], latin);
    }

    PaintBrocadeBorder(painter, whole, 8);
    return picture;
}

QImage PaintPeekPictures() {
    QImage figure = TransparentLayer(QSize(48, 16));
    QPainter painter(&figure);
    PaintPeekPicture(painter, 0, -1);
    PaintPeekPicture(painter, 16, 0);
    PaintPeekPicture(painter, 32, 1);
    painter.end();
    return ComposeOnKey(figure, MaskMaroon);
}

QImage PaintCancelPicture() {
    QImage picture = TransparentLayer(QSize(32, 32));
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(16, 16);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 70));
    painter.drawEllipse(centre + QPointF(0.8, 1.2), 14.2, 14.2);
    QRadialGradient red(centre - QPointF(4, 5), 18);
    red.setColorAt(0, QColor(250, 100, 84));
    red.setColorAt(0.6, QColor(206, 34, 34));
    red.setColorAt(1, QColor(130, 10, 16));
    painter.setPen(QPen(QColor(90, 6, 10), 1.2));
    painter.setBrush(red);
    painter.drawEllipse(centre, 14, 14);
    painter.setPen(QPen(QColor(255, 250, 240), 4, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(10.5, 10.5), QPointF(21.5, 21.5));
    painter.drawLine(QPointF(21.5, 10.5), QPointF(10.5, 21.5));
    painter.setPen(QPen(QColor(255, 255, 255, 90), 1.4, Qt::SolidLine, Qt::RoundCap));
    painter.drawArc(QRectF(5, 5, 22, 22), 100 * 16, 70 * 16);
    return picture;
}

QImage PaintSavePicture(ArtLanguage language) {
    const LetteringTable& table = LetteringFor(language);
    // A vermilion seal with a gold rim, stamped 保 (keep): the card back is
    // sealed as the player's choice. It belongs with the lacquer and gold of
    // the rest of the artwork.
    QImage picture = TransparentLayer(QSize(32, 32));
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF seal(3.5, 3.5, 25, 25);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 70));
    painter.drawRoundedRect(seal.translated(0.8, 1.2), 4, 4);
    QLinearGradient lacquer(seal.topLeft(), seal.bottomRight());
    lacquer.setColorAt(0, VermilionLight);
    lacquer.setColorAt(0.6, Vermilion);
    lacquer.setColorAt(1, VermilionDeep);
    painter.setPen(QPen(GoldLight, 1.6));
    painter.setBrush(lacquer);
    painter.drawRoundedRect(seal, 4, 4);
    painter.setPen(QPen(GoldDark, 0.6));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(seal.adjusted(2.2, 2.2, -2.2, -2.2), 2.5, 2.5);
    const QPainterPath glyph = FitCentred(
        TextOutline(table.saveSeal, LetteringFont(Typeface::Serif, 40, QFont::Bold, !table.writtenDownwards)),
        seal.adjusted(5, 5, -5, -5));
    painter.setPen(Qt::NoPen);
    painter.setBrush(Cream);
    painter.drawPath(glyph);
    return picture;
}

}  // namespace tesseran::art
