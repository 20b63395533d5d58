// SPDX-License-Identifier: MIT
#include "resources/ResourceStore.h"
#include "resources/Language.h"

#include <QFile>

#include <algorithm>

namespace tesseran {

namespace {

std::optional<CursorDescription> FindCursor(int id) {
    for (const CursorDescription& cursor : CursorCatalogue) {
        if (cursor.id == id) return cursor;
    }
    return std::nullopt;
}

bool CarriesWave(int id) {
    return std::find(WaveCatalogue.begin(), WaveCatalogue.end(), id) != WaveCatalogue.end();
}

QImage LoadPicture(const QString& path) {
    QImage image;
    if (!image.load(path, "png")) return {};
    return image;
}

}  // namespace

QImage LoadBitmap(int id) {
    if (!FindBitmap(id)) return {};
    // A picture with lettering has its own in each language but Japanese.
    if (CurrentLanguage() != Language::Japanese) {
        const QString own =
            QStringLiteral(":/bitmaps/%1/%2.png").arg(LanguageCode(CurrentLanguage())).arg(id);
        if (QFile::exists(own)) return LoadPicture(own);
    }
    return LoadPicture(QStringLiteral(":/bitmaps/%1.png").arg(id));
}

std::optional<QRgb> BitmapKeyColour(int id) {
    const std::optional<BitmapDescription> description = FindBitmap(id);
    if (!description || description->background != BitmapBackground::KeyColour) return std::nullopt;
    return description->keyColour;
}

QImage KeyColourToAlpha(const QImage& image, QRgb key) {
    if (image.isNull()) return {};
    QImage result = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb keyColour = key & 0x00ffffffu;
    for (int y = 0; y < result.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x) {
            row[x] = (row[x] & 0x00ffffffu) == keyColour ? 0u : (row[x] | 0xff000000u);
        }
    }
    return result.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QImage LoadTransparentBitmap(int id) {
    const QImage image = LoadBitmap(id);
    const std::optional<QRgb> key = BitmapKeyColour(id);
    return key ? KeyColourToAlpha(image, *key) : image;
}

QString WavePath(int id) {
    if (!CarriesWave(id)) return {};
    return QStringLiteral(":/waves/%1.wav").arg(id);
}

QUrl WaveUrl(int id) {
    if (!CarriesWave(id)) return {};
    return QUrl(QStringLiteral("qrc:/waves/%1.wav").arg(id));
}

CursorPicture LoadCursorPicture(int id) {
    const std::optional<CursorDescription> cursor = FindCursor(id);
    if (!cursor) return {};
    return {LoadPicture(QStringLiteral(":/cursors/%1.png").arg(id)),
            QPoint(cursor->hotspotX, cursor->hotspotY)};
}

QImage ProgramIcon(int size) {
    if (size < 1) return {};
    // The smallest stored picture at least as large as asked for, or the
    // largest of all when none is.
    int source = ProgramIconSizes.back();
    for (const int stored : ProgramIconSizes) {
        if (stored >= size) {
            source = stored;
            break;
        }
    }
    const QImage icon = LoadPicture(QStringLiteral(":/icons/tesseran-%1.png").arg(source));
    if (icon.isNull() || source == size) return icon;
    return icon.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

}  // namespace tesseran
