// SPDX-License-Identifier: MIT
// The two pictures of the conquest window and everything drawn into them:
// province colours from the campaign, the koku column of the overview's
// legend, and the unification banner with its date line.
//
// The window owns one of these and only shows its pictures, so the drawing
// can be checked pixel by pixel without a window. Both pictures are the
// window's own copies of the compiled-in maps; nothing here touches the
// originals.
#pragma once

#include "base/SettingsStore.h"
#include "campaign/ProvinceMap.h"
#include "campaign/map/ProvincePositions.h"

#include <QFont>
#include <QImage>
#include <QRgb>
#include <QString>

#include <array>
#include <functional>
#include <optional>

namespace tesseran {

class KunitoriMaps {
public:
    // Returns a map picture by its bitmap number (163, 164, 185), or a null image.
    using BitmapLoader = std::function<QImage(int bitmap)>;

    // The unification banner grows in this many steps; the last one is drawn inverted.
    static constexpr int BannerSteps = 30;
    // The date line under the banner: right edge and top on the large map.
    static constexpr int DateLineRight = 1363;
    static constexpr int DateLineTop = 1097;
    static constexpr QRgb DateLineColour = 0xff004080u;

    // The loader gives pictures lettered as `lettering` says; the province
    // positions follow it.
    explicit KunitoriMaps(BitmapLoader loader, MapLettering lettering = MapLettering::Japanese);

    const std::array<ProvincePosition, ProvinceCount>& positions() const { return *positions_; }

    // Loads both pictures afresh; false when either cannot be had.
    bool Load();
    // Puts the plain large map back (after the unification banner).
    bool ReloadLargeMap();
    // The banner picture (bitmap 185), or a null image.
    QImage LoadBanner() const;

    const QImage& largeMap() const { return large_; }
    const QImage& overview() const { return overview_; }

    // Writes every entry's koku into the legend and colours every owned
    // province on both maps in its owner's colour.
    void ColourFromStore(SettingsStore& store);
    // Writes every entry's koku into the legend, as the store holds it now.
    void DrawLegend(SettingsStore& store);
    // Colours one province on both maps.
    void FillProvince(int province, QRgb colour);
    // Colours one province on the large map only.
    void FillLargeMapProvince(int province, QRgb colour);
    // Every province back in the colour it has on the plain pictures (the
    // land colour of unowned provinces), as before any owner was coloured.
    void BlankProvinces();

    // Step 1..BannerSteps of the growing banner, centred on the large map.
    void DrawBanner(const QImage& banner, int step);
    // The unification's date and time, right-aligned under the banner.
    void DrawDateLine(const QString& text);

    // The text of a koku balance in the legend: five characters, right-aligned,
    // with a thousands comma ("  999", "1,000"); nothing from 10000 on.
    static std::optional<QString> BalanceText(int balance);
    // The font of the balance column.
    static QFont BalanceFont();
    // Where an entry's balance is written on the overview (the text's top-left).
    static QPoint BalanceTextCorner(int entry);
    // An entry's colour on the maps.
    static QRgb ColourOf(int entry);

private:
    const std::array<ProvincePosition, ProvinceCount>* positions_;
    BitmapLoader loader_;
    QImage large_;
    QImage overview_;
    // Each province's colour on the plain pictures, read at its seeds.
    std::array<QRgb, ProvinceCount> blankLarge_{};
    std::array<QRgb, ProvinceCount> blankOverview_{};
};

}  // namespace tesseran
