// SPDX-License-Identifier: MIT
// Loading the card sheet. The data file is a JPEG whose first four bytes are
// not the JPEG signature, so that it is not taken for a picture; the loader
// reads it into memory, puts the signature back there and decodes it. The
// data file itself is only ever read, and no other copy of the program can
// get in the way.
#include "render/CardSheet.h"

#include "base/Cards.h"
#include "render/ImageFiles.h"
#include "resources/ProgramData.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include <algorithm>
#include <utility>

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

// The data file's bytes with the JPEG signature put back, or nothing when
// they cannot be a card sheet's.
QByteArray SheetJpeg(const QByteArray& dataFileBytes) {
    if (dataFileBytes.size() <= static_cast<qsizetype>(sizeof JpegSignature) ||
        dataFileBytes.size() > LargestDataFileBytes) {
        return {};
    }
    QByteArray bytes = dataFileBytes;
    bytes.replace(0, sizeof JpegSignature, QByteArray(JpegSignature, sizeof JpegSignature));
    const QSize size = DecodedSize(bytes);
    if (!size.isValid() || size.width() < CardSheetMinimumWidth || size.height() < CardSheetMinimumHeight ||
        size.width() > LargestSheetWidth || size.height() > LargestSheetHeight) {
        return {};
    }
    return bytes;
}

QByteArray ReadDataFile(const QString& dataFile) {
    QFile file(dataFile);
    if (!QFileInfo(dataFile).isFile() || !file.open(QIODevice::ReadOnly)) return {};
    const qint64 length = file.size();
    if (length > LargestDataFileBytes) return {};
    QByteArray bytes = file.read(length);
    if (bytes.size() != length) return {};
    return bytes;
}

}  // namespace

QString CardSheetDataFile() { return ProgramDataPath(QLatin1String(CardSheetDataFileName)); }

QImage LoadCardSheet() { return LoadCardSheet(CardSheetDataFile()); }

QImage LoadCardSheet(const QString& dataFile) {
    const QByteArray bytes = ReadDataFile(dataFile);
    return bytes.isEmpty() ? QImage() : DecodeCardSheet(bytes);
}

CardSheetCells CardSheetCells::FromDataFile(const QString& dataFile) {
    CardSheetCells cells;
    QByteArray jpeg = SheetJpeg(ReadDataFile(dataFile));
    // A sheet cut short would show grey cards: whole, or none at all.
    if (!jpeg.isEmpty() && !DecodePicture(jpeg, QByteArrayLiteral("jpeg"), CardWidth).isNull())
        cells.jpeg_ = std::move(jpeg);
    return cells;
}

CardSheetCells CardSheetCells::FromSheet(const QImage& sheet) {
    CardSheetCells cells;
    cells.sheet_ = sheet;
    return cells;
}

QImage CardSheetCells::Cell(int code, int width) const {
    if (!IsCardCode(code) || width <= 0) return {};
    const QRect cell = CardCell(code);
    const QRect part(cell.topLeft(), QSize(std::min(width, CardWidth), CardHeight));
    if (!sheet_.isNull()) return sheet_.rect().contains(part) ? sheet_.copy(part) : QImage();
    if (jpeg_.isEmpty()) return {};
    QByteArray bytes = jpeg_;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "jpeg");
    // Only the cell is kept; the rows above it are decoded and passed over.
    reader.setClipRect(part);
    QImage image;
    if (!reader.read(&image) || image.size() != part.size()) return {};
    return image.convertToFormat(QImage::Format_RGB32);
}

QImage DecodeCardSheet(const QByteArray& dataFileBytes) {
    const QByteArray bytes = SheetJpeg(dataFileBytes);
    if (bytes.isEmpty()) return {};
    // Named outright: the format is known, whatever the content claims.
    const QImage decoded = DecodePicture(bytes, QByteArrayLiteral("jpeg"));
    if (decoded.isNull() || decoded.width() < CardSheetMinimumWidth ||
        decoded.height() < CardSheetMinimumHeight) {
        return {};
    }
    return decoded.convertToFormat(QImage::Format_RGB32);
}

}  // namespace tesseran
