// SPDX-License-Identifier: MIT
#include "KeyedCanvas.h"

#include <QPainter>

namespace tesseran::art {

QImage TransparentLayer(QSize size) {
    QImage layer(size, QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    return layer;
}

QImage ComposeOnKey(const QImage& figure, QRgb key) {
    QImage result = FilledImage(figure.size(), key);
    {
        QPainter painter(&result);
        painter.drawImage(0, 0, figure);
    }
    const QImage layer = figure.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < result.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(result.scanLine(y));
        const auto* figureRow = reinterpret_cast<const QRgb*>(layer.constScanLine(y));
        for (int x = 0; x < result.width(); ++x) {
            if (qAlpha(figureRow[x]) == 0 || (row[x] | 0xff000000u) != (key | 0xff000000u)) continue;
            // A faint edge pixel rounded back to the key: move it one step
            // in the blue channel, invisible to the eye but not to the key.
            const int blue = qBlue(key);
            row[x] = qRgb(qRed(key), qGreen(key), blue > 0 ? blue - 1 : 1);
        }
    }
    return result;
}

QImage CutOutOnKey(const QImage& figure, QRgb key) {
    QImage result = FilledImage(figure.size(), key);
    const QImage layer = figure.convertToFormat(QImage::Format_ARGB32);
    const QRgb nearKey = qRgb(qRed(key), qGreen(key), qBlue(key) > 0 ? qBlue(key) - 1 : 1);
    for (int y = 0; y < result.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(result.scanLine(y));
        const auto* figureRow = reinterpret_cast<const QRgb*>(layer.constScanLine(y));
        for (int x = 0; x < result.width(); ++x) {
            const QRgb pixel = figureRow[x];
            if (qAlpha(pixel) < 128) continue;
            const QRgb whole = qRgb(qRed(pixel), qGreen(pixel), qBlue(pixel));
            row[x] = (whole | 0xff000000u) == (key | 0xff000000u) ? nearKey : whole;
        }
    }
    return result;
}

QImage FilledImage(QSize size, QRgb colour) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

}  // namespace tesseran::art
