// SPDX-License-Identifier: MIT
// Placing the labels and the overview seeds.
#include "LabelPlacement.h"

#include <algorithm>
#include <climits>
#include <functional>
#include <optional>
#include <tuple>
#include <vector>

namespace tesseran::mapgen {

namespace {

// Margins beyond this one make a plate no easier to read; among the places
// that reach it, the one nearest the province's middle wins.
constexpr int ComfortableMargin = 10;
constexpr int SmallestMargin = 2;

// Counts of marked pixels over every rectangle within a window of the
// picture, in constant time.
class MarkCounts {
public:
    template <typename Marked>
    MarkCounts(const QRect& window, const Marked& marked)
        : window_(window),
          stride_(window.width() + 1),
          sums_(static_cast<std::size_t>(window.width() + 1) * (window.height() + 1), 0) {
        for (int y = 0; y < window.height(); ++y) {
            int row = 0;
            for (int x = 0; x < window.width(); ++x) {
                row += marked(window.left() + x, window.top() + y) ? 1 : 0;
                Sum(x + 1, y + 1) = Sum(x + 1, y) + row;
            }
        }
    }

    // The caller keeps the rectangle inside the window.
    int Count(const QRect& rect) const {
        const QRect local = rect.translated(-window_.topLeft());
        return SumAt(local.right() + 1, local.bottom() + 1) - SumAt(local.left(), local.bottom() + 1) -
               SumAt(local.right() + 1, local.top()) + SumAt(local.left(), local.top());
    }

    bool Covers(const QRect& rect) const { return Count(rect) == rect.width() * rect.height(); }

private:
    int& Sum(int x, int y) { return sums_[static_cast<std::size_t>(y) * stride_ + x]; }
    int SumAt(int x, int y) const { return sums_[static_cast<std::size_t>(y) * stride_ + x]; }

    QRect window_;
    int stride_;
    std::vector<int> sums_;
};

struct Extent {
    QRect bounds;
    QPoint middle;
    int pixels = 0;
};

std::array<Extent, ProvinceCount> ExtentsOf(const DrawnAreas& areas) {
    std::array<Extent, ProvinceCount> extents{};
    std::array<long long, ProvinceCount> sumX{};
    std::array<long long, ProvinceCount> sumY{};
    for (int y = 0; y < areas.height; ++y) {
        for (int x = 0; x < areas.width; ++x) {
            const int province = areas.At(x, y);
            if (province < 0) continue;
            Extent& extent = extents[province];
            extent.bounds = extent.pixels == 0 ? QRect(x, y, 1, 1) : extent.bounds.united(QRect(x, y, 1, 1));
            ++extent.pixels;
            sumX[province] += x;
            sumY[province] += y;
        }
    }
    for (int province = 0; province < ProvinceCount; ++province) {
        Extent& extent = extents[province];
        if (extent.pixels > 0) {
            extent.middle = QPoint(static_cast<int>(sumX[province] / extent.pixels),
                                   static_cast<int>(sumY[province] / extent.pixels));
        }
    }
    return extents;
}

long long SquaredDistance(QPoint a, QPoint b) {
    const long long dx = a.x() - b.x();
    const long long dy = a.y() - b.y();
    return dx * dx + dy * dy;
}

using SeedTest = std::function<bool(QPoint)>;

QPoint SeedOf(QPoint corner, int width) { return corner + QPoint(width + LargeSeedGapX, LargeSeedOffsetY); }

// The plate wholly inside the province, as far in as it goes up to the
// comfortable margin, and then as near the middle as it goes.
std::optional<LabelSpot> PlaceInside(const Extent& extent, int width, const MarkCounts& own,
                                     const SeedTest& seedClear, const QRect& window) {
    for (int margin = ComfortableMargin; margin >= SmallestMargin; --margin) {
        std::optional<LabelSpot> best;
        long long nearest = LLONG_MAX;
        for (int y = extent.bounds.top() - margin; y <= extent.bounds.bottom(); ++y) {
            for (int x = extent.bounds.left() - margin; x <= extent.bounds.right(); ++x) {
                const QPoint corner(x, y);
                const QRect clear = PlateRect(corner, width).adjusted(-margin, -margin, margin, margin);
                if (!window.contains(clear) || !seedClear(SeedOf(corner, width)) || !own.Covers(clear))
                    continue;
                const long long away = SquaredDistance(PlateRect(corner, width).center(), extent.middle);
                if (away < nearest) {
                    nearest = away;
                    best = LabelSpot{corner, width, margin};
                }
            }
        }
        if (best) return best;
    }
    return std::nullopt;
}

// Pixels of the province still joined to the seed once the plate covers its share.
int ReachableFromSeed(const DrawnAreas& areas, int province, QPoint seed, const QRect& plate) {
    std::vector<bool> seen(areas.area.size(), false);
    std::vector<QPoint> stack = {seed};
    seen[static_cast<std::size_t>(seed.y()) * areas.width + seed.x()] = true;
    int reached = 0;
    while (!stack.empty()) {
        const QPoint here = stack.back();
        stack.pop_back();
        ++reached;
        for (const QPoint& step : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
            const QPoint next = here + step;
            if (next.x() < 0 || next.y() < 0 || next.x() >= areas.width || next.y() >= areas.height) continue;
            const std::size_t index = static_cast<std::size_t>(next.y()) * areas.width + next.x();
            if (seen[index] || areas.area[index] != province || plate.contains(next)) continue;
            seen[index] = true;
            stack.push_back(next);
        }
    }
    return reached;
}

// For islands and slim peninsulas: the plate stands partly on the sea beside
// its province, covering as little of the province as it can, never another
// province, another plate or an outline between provinces; its own black
// border closes the coast where it cuts it.
std::optional<LabelSpot> PlaceOverhanging(const DrawnAreas& placed, int province, const Extent& extent,
                                          int width, const MarkCounts& own, const SeedTest& seedClear,
                                          const QRect& window) {
    const auto foreign = [&](int x, int y) {
        const int area = placed.At(x, y);
        if (area == province || area == SeaArea) return false;
        if (area != OutlineArea) return true;
        // An outline counts as the province's own coast when nothing but the
        // province and the sea lies next to it.
        for (int dy = -2; dy <= 2; ++dy) {
            for (int dx = -2; dx <= 2; ++dx) {
                const int nearX = x + dx;
                const int nearY = y + dy;
                if (nearX < 0 || nearY < 0 || nearX >= placed.width || nearY >= placed.height) continue;
                const int near = placed.At(nearX, nearY);
                if (near != province && near != SeaArea && near != OutlineArea) return true;
            }
        }
        return false;
    };
    const MarkCounts others(window, foreign);
    struct Candidate {
        int covered;
        long long away;
        QPoint corner;
        bool operator<(const Candidate& other) const {
            return std::make_tuple(covered, away, corner.y(), corner.x()) <
                   std::make_tuple(other.covered, other.away, other.corner.y(), other.corner.x());
        }
    };
    std::vector<Candidate> candidates;
    for (int y = extent.bounds.top() - PlateHeight; y <= extent.bounds.bottom(); ++y) {
        for (int x = extent.bounds.left() - width - LargeSeedGapX; x <= extent.bounds.right(); ++x) {
            const QPoint corner(x, y);
            const QRect plate = PlateRect(corner, width);
            const QRect clear =
                plate.adjusted(-SmallestMargin, -SmallestMargin, SmallestMargin, SmallestMargin);
            if (!window.contains(clear) || !seedClear(SeedOf(corner, width)) || others.Count(clear) > 0)
                continue;
            candidates.push_back({own.Count(plate), SquaredDistance(plate.center(), extent.middle), corner});
        }
    }
    std::sort(candidates.begin(), candidates.end());
    for (const Candidate& candidate : candidates) {
        // The plate must not cut the province in two.
        const int left = extent.pixels - candidate.covered;
        if (ReachableFromSeed(placed, province, SeedOf(candidate.corner, width),
                              PlateRect(candidate.corner, width)) == left) {
            return LabelSpot{candidate.corner, width, 0};
        }
    }
    return std::nullopt;
}

}  // namespace

std::array<LabelSpot, ProvinceCount> PlaceLabels(const DrawnAreas& large,
                                                 const std::array<PlateWidths, ProvinceCount>& widths,
                                                 QString& error) {
    std::array<LabelSpot, ProvinceCount> spots{};
    const std::array<Extent, ProvinceCount> extents = ExtentsOf(large);
    const QRect picture(0, 0, large.width, large.height);
    // Plates already placed; later plates keep clear of them.
    DrawnAreas placed = large;
    for (int province = 0; province < ProvinceCount; ++province) {
        const Extent& extent = extents[province];
        const PlateWidths width = widths[province];
        // Every place a plate could take for this province lies within this window.
        const QRect window =
            extent.bounds
                .adjusted(-width.wanted - LargeSeedGapX - SmallestMargin - 2,
                          -PlateHeight - SmallestMargin - 2, width.wanted + SmallestMargin + 2,
                          PlateHeight + SmallestMargin + 2)
                .intersected(picture);
        const auto mine = [&](int x, int y) { return placed.At(x, y) == province; };
        const MarkCounts own(window, mine);
        const auto seedClear = [&](QPoint seed) {
            const QRect around(seed - QPoint(1, 1), QSize(3, 3));
            return window.contains(around) && own.Covers(around);
        };
        // The wanted width inside the province or else standing out over the
        // sea, then narrower ones alike.
        std::optional<LabelSpot> found;
        for (int narrowed = width.wanted; !found && narrowed >= width.narrowest; narrowed -= 2) {
            found = PlaceInside(extent, narrowed, own, seedClear, window);
            if (!found) found = PlaceOverhanging(placed, province, extent, narrowed, own, seedClear, window);
        }
        if (!found) {
            error += QStringLiteral("no room for the label of province %1\n").arg(province);
            continue;
        }
        spots[province] = *found;
        const QRect plate = PlateRect(found->corner, found->width);
        for (int y = plate.top(); y <= plate.bottom(); ++y) {
            for (int x = plate.left(); x <= plate.right(); ++x)
                placed.area[static_cast<std::size_t>(y) * placed.width + x] = LabelArea;
        }
    }
    return spots;
}

std::array<SeedSpot, ProvinceCount> PlaceOverviewSeeds(const DrawnAreas& overview, QString& error) {
    // Chessboard distance to the nearest pixel outside the province's fill
    // area, in two passes over the picture.
    const int width = overview.width;
    const int height = overview.height;
    std::vector<int> clearance(overview.area.size(), 0);
    auto at = [&](int x, int y) -> int& { return clearance[static_cast<std::size_t>(y) * width + x]; };
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int province = overview.At(x, y);
            if (province < 0) continue;
            int best = INT_MAX;
            for (const QPoint& step : {QPoint(-1, 0), QPoint(-1, -1), QPoint(0, -1), QPoint(1, -1)}) {
                const int otherX = x + step.x();
                const int otherY = y + step.y();
                const bool same =
                    otherX >= 0 && otherY >= 0 && otherX < width && overview.At(otherX, otherY) == province;
                best = std::min(best, same ? at(otherX, otherY) + 1 : 1);
            }
            at(x, y) = best;
        }
    }
    for (int y = height - 1; y >= 0; --y) {
        for (int x = width - 1; x >= 0; --x) {
            const int province = overview.At(x, y);
            if (province < 0) continue;
            int best = at(x, y);
            for (const QPoint& step : {QPoint(1, 0), QPoint(1, 1), QPoint(0, 1), QPoint(-1, 1)}) {
                const int otherX = x + step.x();
                const int otherY = y + step.y();
                const bool same = otherX >= 0 && otherX < width && otherY < height &&
                                  overview.At(otherX, otherY) == province;
                best = std::min(best, same ? at(otherX, otherY) + 1 : 1);
            }
            at(x, y) = best;
        }
    }

    std::array<SeedSpot, ProvinceCount> seeds{};
    const std::array<Extent, ProvinceCount> extents = ExtentsOf(overview);
    std::array<long long, ProvinceCount> nearest;
    nearest.fill(LLONG_MAX);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int province = overview.At(x, y);
            if (province < 0) continue;
            SeedSpot& seed = seeds[province];
            const int here = at(x, y);
            const long long away = SquaredDistance(QPoint(x, y), extents[province].middle);
            if (here > seed.clearance || (here == seed.clearance && away < nearest[province])) {
                seed = {QPoint(x, y), here};
                nearest[province] = away;
            }
        }
    }
    for (int province = 0; province < ProvinceCount; ++province) {
        if (seeds[province].clearance == 0)
            error += QStringLiteral("province %1 vanishes on the overview\n").arg(province);
    }
    return seeds;
}

}  // namespace tesseran::mapgen
