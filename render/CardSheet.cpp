// SPDX-License-Identifier: MIT
// Loading the card sheet. The data file is a JPEG whose first four bytes are
// not the JPEG signature, so that it is not taken for a picture; the loader
// reads it into memory, puts the signature back there and decodes it. The
// data file itself is only ever read, and no other copy of the program can
// get in the way.
#include "render/CardSheet.h"

#include "render/ImageFiles.h"
#include "resources/ProgramData.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

namespace tesseran {

namespace {

// The JPEG start-of-image marker and the start of the JFIF application marker.
constexpr char JpegSignature[4] = {'\xFF', '\xD8', '\xFF', '\xE0'};

// The data file is about half a megabyte and its sheet 1661 x 860; anything
// many times that is no card sheet, and is refused before it costs memory.
constexpr qint64 LargestDataFileBytes = 16 * 1024 * 1024;
constexpr int LargestSheetWidth = 4 * CardSheetMinimumWidth;
constexpr int LargestSheetHeight = 4 * CardSheetMinimumHeight;

QSize DecodedSize(const QByteArray& jpeg) {
    QByteArray bytes = jpeg;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return QImageReader(&buffer, "jpeg").size();
}

}  // namespace

QString CardSheetDataFile() { return ProgramDataPath(QLatin1String(CardSheetDataFileName)); }

QImage LoadCardSheet() { return LoadCardSheet(CardSheetDataFile()); }

QImage LoadCardSheet(const QString& dataFile) {
    QFile file(dataFile);
    if (!QFileInfo(dataFile).isFile() || !file.open(QIODevice::ReadOnly)) return {};
    const qint64 length = file.size();
    if (length > LargestDataFileBytes) return {};
    const QByteArray bytes = file.read(length);
    if (bytes.size() != length) return {};
    return DecodeCardSheet(bytes);
}

QImage DecodeCardSheet(const QByteArray& dataFileBytes) {
    if (dataFileBytes.size() <= static_cast<qsizetype>(sizeof JpegSignature) ||
        dataFileBytes.size() > LargestDataFileBytes) {
        return {};
    }
    QByteArray bytes = dataFileBytes;
    bytes.replace(0, sizeof JpegSignature, QByteArray(JpegSignature, sizeof JpegSignature));

    const QSize size = DecodedSize(bytes);
    if (!size.isValid() || size.width() > LargestSheetWidth || size.height() > LargestSheetHeight) return {};
    // Named outright: the format is known, whatever the content claims.
    const QImage decoded = DecodePicture(bytes, QByteArrayLiteral("jpeg"));
    if (decoded.isNull() || decoded.width() < CardSheetMinimumWidth ||
        decoded.height() < CardSheetMinimumHeight) {
        return {};
    }
    return decoded.convertToFormat(QImage::Format_RGB32);
}

}  // namespace tesseran
