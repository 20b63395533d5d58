// SPDX-License-Identifier: MIT
#include "resources/DataFile.h"

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QImageReader>

namespace tesseran {

namespace {

// Start-of-image marker and the start of the JFIF application marker.
constexpr char JpegSignature[4] = {'\xFF', '\xD8', '\xFF', '\xE0'};

// No card sheet comes anywhere near this; it keeps a wrong file from being
// read whole into memory.
constexpr qint64 MaximumFileBytes = 64 * 1024 * 1024;

}  // namespace

QImage DecodeCardSheetFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    if (file.size() <= static_cast<qint64>(sizeof JpegSignature) || file.size() > MaximumFileBytes) return {};
    QByteArray bytes = file.readAll();
    file.close();
    if (bytes.size() <= static_cast<qsizetype>(sizeof JpegSignature)) return {};
    for (qsizetype index = 0; index < static_cast<qsizetype>(sizeof JpegSignature); ++index) {
        bytes[index] = JpegSignature[index];
    }

    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    // Qt recognises a JPEG by its signature only when it is asked to guess,
    // so the format is named outright.
    QImageReader reader(&buffer, "jpeg");
    reader.setDecideFormatFromContent(false);
    const QSize size = reader.size();
    if (!size.isValid() || size.width() > CardSheetMaximumSide || size.height() > CardSheetMaximumSide)
        return {};
    QImage sheet;
    if (!reader.read(&sheet)) return {};
    return sheet;
}

}  // namespace tesseran
