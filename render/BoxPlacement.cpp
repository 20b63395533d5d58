// SPDX-License-Identifier: MIT
#include "render/BoxPlacement.h"

#include <algorithm>
#include <limits>

namespace tesseran {

namespace {

QPoint KeptOnScreen(QPoint corner, QSize box, const QRect& screen) {
    const int x = std::max(screen.left(), std::min(corner.x(), screen.left() + screen.width() - box.width()));
    const int y = std::max(screen.top(), std::min(corner.y(), screen.top() + screen.height() - box.height()));
    return {x, y};
}

long long CoveredArea(const QRect& placed, std::span<const QRect> keepClear) {
    long long area = 0;
    for (const QRect& kept : keepClear) {
        const QRect common = placed.intersected(kept);
        if (!common.isEmpty()) area += static_cast<long long>(common.width()) * common.height();
    }
    return area;
}

}  // namespace

QPoint PlaceClearOf(QSize box, const QRect& screen, std::span<const QRect> keepClear,
                    std::span<const QPoint> candidates) {
    QPoint best = KeptOnScreen(candidates.empty() ? screen.topLeft() : candidates.front(), box, screen);
    long long bestArea = std::numeric_limits<long long>::max();
    for (const QPoint& candidate : candidates) {
        const QPoint corner = KeptOnScreen(candidate, box, screen);
        const long long area = CoveredArea(QRect(corner, box), keepClear);
        if (area == 0) return corner;
        if (area < bestArea) {
            best = corner;
            bestArea = area;
        }
    }
    return best;
}

std::array<QPoint, 4> CandidatesAround(const QRect& anchor, QSize box, int gap) {
    const int centreX = anchor.left() + (anchor.width() - box.width()) / 2;
    const int middleY = anchor.top() + (anchor.height() - box.height()) / 2;
    return {QPoint(centreX, anchor.top() + anchor.height() + gap),
            QPoint(centreX, anchor.top() - gap - box.height()),
            QPoint(anchor.left() + anchor.width() + gap, middleY),
            QPoint(anchor.left() - gap - box.width(), middleY)};
}

}  // namespace tesseran
