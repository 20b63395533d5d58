// SPDX-License-Identifier: MIT
#include "conquest/KunitoriMaps.h"
#include "base/ResourceIds.h"

#include "campaign/Campaign.h"
#include "campaign/ProvinceMap.h"
#include "campaign/map/FloodFill.h"
#include "campaign/map/MapBitmaps.h"
#include "campaign/map/ProvincePositions.h"
#include "render/ImageFiles.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QPainter>

#include <utility>

namespace tesseran {

namespace {

constexpr QRgb White = 0xffffffffu;
constexpr QRgb ColourMask = 0x00ffffffu;

// Copies the picture onto the target with one colour left out, the way a
// colour-keyed blit lets the map show through the banner's background.
void DrawKeyed(QImage& target, const QImage& picture, QPoint corner, QRgb transparent) {
    const QRect area = QRect(corner, picture.size()).intersected(target.rect());
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const auto* from = reinterpret_cast<const QRgb*>(picture.constScanLine(y - corner.y()));
        auto* to = reinterpret_cast<QRgb*>(target.scanLine(y));
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb colour = from[x - corner.x()];
            if ((colour & ColourMask) != (transparent & ColourMask)) to[x] = colour | 0xff000000u;
        }
    }
}

}  // namespace

KunitoriMaps::KunitoriMaps(BitmapLoader loader, MapLettering lettering)
    : positions_(&ProvincePositionsIn(lettering)), loader_(std::move(loader)) {}

bool KunitoriMaps::Load() {
    large_ = loader_(bitmap::LargeMap);
    overview_ = loader_(bitmap::OverviewMap);
    if (large_.isNull() || overview_.isNull()) {
        large_ = {};
        overview_ = {};
        return false;
    }
    // Flood fills and the keyed banner work on 32-bit pixels.
    large_ = large_.convertToFormat(QImage::Format_RGB32);
    overview_ = overview_.convertToFormat(QImage::Format_RGB32);
    for (int province = 0; province < ProvinceCount; ++province) {
        const MapPoint large = LargeMapSeed(positions()[province]);
        const MapPoint small = OverviewSeed(positions()[province]);
        blankLarge_[province] = large_.valid(large.x, large.y) ? large_.pixel(large.x, large.y) : White;
        blankOverview_[province] =
            overview_.valid(small.x, small.y) ? overview_.pixel(small.x, small.y) : White;
    }
    return true;
}

bool KunitoriMaps::ReloadLargeMap() {
    QImage fresh = loader_(bitmap::LargeMap);
    if (fresh.isNull()) return false;
    large_ = fresh.convertToFormat(QImage::Format_RGB32);
    return true;
}

QImage KunitoriMaps::LoadBanner() const {
    const QImage banner = loader_(bitmap::UnificationBanner);
    return banner.isNull() ? banner : banner.convertToFormat(QImage::Format_RGB32);
}

void KunitoriMaps::ColourFromStore(SettingsStore& store) {
    if (overview_.isNull()) return;
    DrawLegend(store);
    for (int province = 0; province < ProvinceCount; ++province) {
        const int owner = OwnerOf(store, province);
        if (owner < Unowned) FillProvince(province, ColourOf(owner));
    }
}

void KunitoriMaps::DrawLegend(SettingsStore& store) {
    if (overview_.isNull()) return;
    {
        QPainter painter(&overview_);
        painter.fillRect(BalanceColumnX, BalanceColumnY, BalanceColumnWidth, BalanceColumnHeight, Qt::white);
        const QFont font = BalanceFont();
        painter.setFont(font);
        painter.setPen(Qt::black);
        const int ascent = QFontMetrics(font).ascent();
        for (int entry = 0; entry < EntryCount; ++entry) {
            const std::optional<QString> text = BalanceText(BalanceOf(store, entry));
            if (!text) continue;
            const QPoint corner = BalanceTextCorner(entry);
            painter.drawText(corner.x(), corner.y() + ascent, *text);
        }
    }
}

void KunitoriMaps::FillProvince(int province, QRgb colour) {
    if (!IsProvince(province)) return;
    const MapPoint seed = OverviewSeed(positions()[province]);
    FloodFill(overview_, QPoint(seed.x, seed.y), colour, FillBoundary::Black);
    FillLargeMapProvince(province, colour);
}

void KunitoriMaps::FillLargeMapProvince(int province, QRgb colour) {
    if (!IsProvince(province)) return;
    const MapPoint seed = LargeMapSeed(positions()[province]);
    FloodFill(large_, QPoint(seed.x, seed.y), colour, FillBoundary::SeedColour);
}

void KunitoriMaps::BlankProvinces() {
    for (int province = 0; province < ProvinceCount; ++province) {
        const MapPoint seed = OverviewSeed(positions()[province]);
        FloodFill(overview_, QPoint(seed.x, seed.y), blankOverview_[province], FillBoundary::Black);
        FillLargeMapProvince(province, blankLarge_[province]);
    }
}

void KunitoriMaps::DrawBanner(const QImage& banner, int step) {
    if (banner.isNull() || large_.isNull() || step < 1 || step > BannerSteps) return;
    const int width = 42 * step;
    const int height = 10 * step;
    // Smooth scaling would blend the letters' edges into near-white pixels
    // that the colour key no longer recognises, leaving a grey halo.
    QImage scaled = banner.scaled(width, height, Qt::IgnoreAspectRatio, Qt::FastTransformation)
                        .convertToFormat(QImage::Format_RGB32);
    QRgb transparent = White;
    if (step == BannerSteps) {
        scaled.invertPixels();
        transparent = 0xff000000u;
    }
    const QPoint corner((LargeMapWidth - width) / 2, (LargeMapHeight - height) / 2 + 4 * step);
    DrawKeyed(large_, scaled, corner, transparent);
}

void KunitoriMaps::DrawDateLine(const QString& text) {
    if (large_.isNull()) return;
    QPainter painter(&large_);
    const QFont font = SelectBoldFont(QStringLiteral("ＭＳ Ｐゴシック"));
    painter.setFont(font);
    painter.setPen(QColor::fromRgb(DateLineColour));
    const QFontMetrics metrics(font, &large_);
    const int left = DateLineRight - metrics.horizontalAdvance(text);
    painter.drawText(left, DateLineTop + metrics.ascent(), text);
}

std::optional<QString> KunitoriMaps::BalanceText(int balance) {
    if (balance >= 10000) return std::nullopt;
    // Padded on the left to five characters; a longer figure (only a negative
    // one can be) keeps its right five.
    QString text = QString::number(balance).rightJustified(5, QLatin1Char(' '));
    if (text.size() > 5) text = text.right(5);
    // " 1234" has room for the comma in its leading space.
    if (balance > 999) text = text.mid(1, 1) + QLatin1Char(',') + text.mid(2);
    return text;
}

QFont KunitoriMaps::BalanceFont() {
    // A fixed pitch keeps the padded numbers right-aligned in the column.
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPixelSize(12);
    return font;
}

QPoint KunitoriMaps::BalanceTextCorner(int entry) {
    return {BalanceTextX, BalanceColumnY + BalanceRowHeight * entry + 1};
}

QRgb KunitoriMaps::ColourOf(int entry) {
    const EntryColour colour = ColourOfEntry(entry);
    return qRgb(colour.red, colour.green, colour.blue);
}

}  // namespace tesseran
