// SPDX-License-Identifier: MIT
// The pictures live in the Qt resources as :/bitmaps/<number>.png.
#include "campaign/map/MapBitmaps.h"
#include "base/ResourceIds.h"

#include <QString>

namespace tesseran {

QImage LoadMapBitmap(int bitmap, MapLettering lettering) {
    if (bitmap != bitmap::LargeMap && bitmap != bitmap::OverviewMap && bitmap != bitmap::UnificationBanner)
        return {};
    const QImage picture(lettering == MapLettering::English
                             ? QStringLiteral(":/bitmaps/en/%1.png").arg(bitmap)
                             : QStringLiteral(":/bitmaps/%1.png").arg(bitmap));
    return picture.isNull() ? picture : picture.convertToFormat(QImage::Format_RGB32);
}

}  // namespace tesseran
