// SPDX-License-Identifier: MIT
#include "CardSheetArt.h"

#include "CardBacks.h"
#include "CardFaces.h"
#include "resources/ResourceCatalogue.h"

#include <QBuffer>
#include <QImageWriter>
#include <QPainter>

namespace tesseran::art {

namespace {

// High enough that the fine lines of the indices and patterns stay clean.
constexpr int JpegQuality = 94;

// What the data file carries instead of the JPEG signature FF D8 FF E0.
constexpr char DisguisedHeader[4] = {'T', 'S', 'R', 0x01};

bool IsCard(int code) {
    const int rank = code % 11;
    if (code == 0) return true;
    if (rank == 0) return false;
    return !(code / 11 == 3 && rank == 1);
}

}  // namespace

QImage PaintCardSheet() {
    QImage sheet(CardSheetWidth, CardSheetHeight, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    for (int code = 0; code < CardSheetColumns * CardSheetRows; ++code) {
        if (!IsCard(code)) continue;
        painter.drawImage((code % 11) * CardWidth, (code / 11) * CardHeight, PaintCardFace(code));
    }
    for (int preset = 0; preset < static_cast<int>(PresetBackCodes.size()); ++preset) {
        const int code = PresetBackCodes[preset];
        painter.drawImage((code % 11) * CardWidth, (code / 11) * CardHeight, PaintCardBack(preset));
    }
    return sheet;
}

QByteArray EncodeCardSheetFile(const QImage& sheet) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(JpegQuality);
    writer.setOptimizedWrite(true);
    writer.setProgressiveScanWrite(false);
    if (!writer.write(sheet)) return {};
    buffer.close();
    if (bytes.size() < 4) return {};
    for (int index = 0; index < 4; ++index) bytes[index] = DisguisedHeader[index];
    return bytes;
}

}  // namespace tesseran::art
