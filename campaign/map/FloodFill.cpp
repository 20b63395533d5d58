// SPDX-License-Identifier: MIT
// A scanline flood fill: each step paints a whole horizontal run and queues
// the runs above and below it, so even the largest province takes a few
// thousand steps rather than a million.
#include "campaign/map/FloodFill.h"

#include <vector>

namespace tesseran {

namespace {

constexpr QRgb ColourMask = 0x00FFFFFFu;

bool Is32Bit(QImage::Format format) {
    return format == QImage::Format_RGB32 || format == QImage::Format_ARGB32 ||
           format == QImage::Format_ARGB32_Premultiplied;
}

}  // namespace

int FloodFill(QImage& image, QPoint seed, QRgb fill, FillBoundary boundary) {
    if (image.isNull() || !image.rect().contains(seed)) return 0;
    if (!Is32Bit(image.format())) image = image.convertToFormat(QImage::Format_RGB32);
    const int width = image.width();
    const int height = image.height();
    const QRgb paint = fill | 0xFF000000u;
    const auto pixel = [&](int x, int y) -> QRgb& { return reinterpret_cast<QRgb*>(image.scanLine(y))[x]; };

    const QRgb seedColour = pixel(seed.x(), seed.y()) & ColourMask;
    // Bounded by black, the fill may cross pixels that already have its
    // colour, so painted pixels are remembered apart from their colour.
    std::vector<bool> painted;
    if (boundary == FillBoundary::Black) {
        if (seedColour == 0) return 0;
        painted.assign(static_cast<std::size_t>(width) * height, false);
    } else if (seedColour == (paint & ColourMask)) {
        return 0;
    }
    const auto fillable = [&](int x, int y) {
        const QRgb colour = pixel(x, y) & ColourMask;
        if (boundary == FillBoundary::SeedColour) return colour == seedColour;
        return colour != 0 && !painted[static_cast<std::size_t>(y) * width + x];
    };

    int count = 0;
    std::vector<QPoint> pending = {seed};
    while (!pending.empty()) {
        const QPoint start = pending.back();
        pending.pop_back();
        const int y = start.y();
        if (!fillable(start.x(), y)) continue;
        int left = start.x();
        while (left > 0 && fillable(left - 1, y)) --left;
        int right = start.x();
        while (right + 1 < width && fillable(right + 1, y)) ++right;
        for (int x = left; x <= right; ++x) {
            pixel(x, y) = paint;
            if (!painted.empty()) painted[static_cast<std::size_t>(y) * width + x] = true;
        }
        count += right - left + 1;
        // One seed per run of fillable pixels in the rows above and below.
        for (const int row : {y - 1, y + 1}) {
            if (row < 0 || row >= height) continue;
            bool inRun = false;
            for (int x = left; x <= right; ++x) {
                const bool open = fillable(x, row);
                if (open && !inRun) pending.emplace_back(x, row);
                inRun = open;
            }
        }
    }
    return count;
}

}  // namespace tesseran
