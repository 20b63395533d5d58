// SPDX-License-Identifier: MIT
// Rasterising the islands, sharing out the land and closing the outlines.
#include "Partition.h"

#include "ProvinceSites.h"

#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <map>
#include <numbers>
#include <numeric>

namespace tesseran::mapgen {

namespace {

constexpr std::array<QPoint, 4> NearNeighbours = {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)};

// Which island covers each pixel (-1 for the sea and lakes); later shapes
// cover earlier ones where they overlap.
std::vector<int> RasteriseIslands(const std::vector<PlacedIsland>& islands, int width, int height) {
    QImage canvas(width, height, QImage::Format_RGB32);
    canvas.fill(0u);
    {
        QPainter painter(&canvas);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(Qt::NoPen);
        for (std::size_t i = 0; i < islands.size(); ++i) {
            painter.setBrush(QColor::fromRgb(islands[i].water ? 0u : static_cast<QRgb>(i + 1)));
            painter.drawPolygon(islands[i].coast, Qt::WindingFill);
        }
    }
    std::vector<int> island(static_cast<std::size_t>(width) * height);
    for (int y = 0; y < height; ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(canvas.constScanLine(y));
        for (int x = 0; x < width; ++x)
            island[static_cast<std::size_t>(y) * width + x] = int(line[x] & 0xFFFFFFu) - 1;
    }
    return island;
}

int FindRoot(std::vector<int>& parent, int item) {
    while (parent[item] != item) item = parent[item] = parent[parent[item]];
    return item;
}

// Labels the 4-connected runs of pixels that share a key (-1 keys stay -1);
// returns the number of components.
int LabelComponents(const std::vector<int>& key, int width, int height, std::vector<int>& component) {
    component.assign(key.size(), -1);
    int count = 0;
    std::vector<int> stack;
    for (std::size_t start = 0; start < key.size(); ++start) {
        if (key[start] < 0 || component[start] >= 0) continue;
        component[start] = count;
        stack.push_back(static_cast<int>(start));
        while (!stack.empty()) {
            const int index = stack.back();
            stack.pop_back();
            const int x = index % width;
            const int y = index / width;
            for (const QPoint& step : NearNeighbours) {
                const int nextX = x + step.x();
                const int nextY = y + step.y();
                if (nextX < 0 || nextY < 0 || nextX >= width || nextY >= height) continue;
                const int next = nextY * width + nextX;
                if (key[next] != key[index] || component[next] >= 0) continue;
                component[next] = count;
                stack.push_back(next);
            }
        }
        ++count;
    }
    return count;
}

// One key per province share of one landmass, -1 for the sea.
std::vector<int> ShareKeys(const Partition& partition) {
    std::vector<int> key(partition.province.size(), -1);
    for (std::size_t i = 0; i < key.size(); ++i) {
        if (partition.province[i] >= 0) key[i] = partition.landmass[i] * 128 + partition.province[i];
    }
    return key;
}

// A province share split into pieces on one landmass keeps its largest
// piece; every other piece goes to the neighbouring province it borders
// most. Repeated until no share is split, which the handing over of pieces
// reaches in a few rounds.
void JoinSplitShares(Partition& partition) {
    for (int round = 0; round < 50; ++round) {
        const std::vector<int> key = ShareKeys(partition);
        std::vector<int> component;
        const int count = LabelComponents(key, partition.width, partition.height, component);
        std::vector<int> size(count, 0);
        std::vector<int> keyOf(count, -1);
        for (std::size_t i = 0; i < key.size(); ++i) {
            if (component[i] < 0) continue;
            ++size[component[i]];
            keyOf[component[i]] = key[i];
        }
        std::map<int, int> largestOfKey;
        for (int c = 0; c < count; ++c) {
            auto [entry, inserted] = largestOfKey.try_emplace(keyOf[c], c);
            if (!inserted && size[c] > size[entry->second]) entry->second = c;
        }
        std::vector<bool> largest(count, false);
        for (const auto& [shareKey, c] : largestOfKey) largest[c] = true;
        std::vector<std::map<int, int>> borders(count);
        bool split = false;
        for (std::size_t i = 0; i < key.size(); ++i) {
            const int c = component[i];
            if (c < 0 || largest[c]) continue;
            split = true;
            const int x = static_cast<int>(i) % partition.width;
            const int y = static_cast<int>(i) / partition.width;
            for (const QPoint& step : NearNeighbours) {
                const int nextX = x + step.x();
                const int nextY = y + step.y();
                if (!partition.Contains(nextX, nextY)) continue;
                const int next = partition.Index(nextX, nextY);
                if (component[next] < 0 || component[next] == c) continue;
                if (partition.landmass[next] != partition.landmass[i]) continue;
                ++borders[c][partition.province[next]];
            }
        }
        if (!split) return;
        std::vector<int> newProvince(count, -1);
        bool handedOver = false;
        for (int c = 0; c < count; ++c) {
            int best = -1;
            for (const auto& [province, length] : borders[c]) {
                if (best < 0 || length > borders[c][best]) best = province;
            }
            newProvince[c] = best;
            handedOver = handedOver || best >= 0;
        }
        // A piece cut off from the rest of its landmass (which the overview's
        // coarser pixels can do to a slim isthmus) has no one to go to.
        if (!handedOver) return;
        for (std::size_t i = 0; i < key.size(); ++i) {
            const int c = component[i];
            if (c >= 0 && newProvince[c] >= 0) partition.province[i] = newProvince[c];
        }
    }
}

// A smooth, fixed pattern of values in [-1, 1] over the picture (value noise
// from an integer hash; no random source, so every run draws the same map).
// Walking over land costs more where it is high, which bends the straight
// borders of a plain nearest-site partition into the wandering lines of
// real borders that follow ridges and rivers.
double HashValue(int x, int y, int octave) {
    std::uint32_t hash = static_cast<std::uint32_t>(x) * 73856093u ^
                         static_cast<std::uint32_t>(y) * 19349663u ^
                         static_cast<std::uint32_t>(octave) * 83492791u;
    hash ^= hash >> 13;
    hash *= 0x5bd1e995u;
    hash ^= hash >> 15;
    return static_cast<double>(hash & 0xFFFFu) / 32767.5 - 1.0;
}

double SmoothNoise(double x, double y, int octave) {
    const int cellX = static_cast<int>(std::floor(x));
    const int cellY = static_cast<int>(std::floor(y));
    const auto ease = [](double t) { return t * t * (3.0 - 2.0 * t); };
    const double u = ease(x - cellX);
    const double v = ease(y - cellY);
    const double top = HashValue(cellX, cellY, octave) * (1 - u) + HashValue(cellX + 1, cellY, octave) * u;
    const double bottom =
        HashValue(cellX, cellY + 1, octave) * (1 - u) + HashValue(cellX + 1, cellY + 1, octave) * u;
    return top * (1 - v) + bottom * v;
}

// The cost of walking over each land pixel; the sea costs nothing, as no
// path crosses it.
std::vector<float> TerrainCost(const Partition& partition) {
    constexpr double CoarsePeriod = 70.0;
    constexpr double FinePeriod = 23.0;
    constexpr double Strength = 0.45;
    std::vector<float> cost(partition.landmass.size(), 0.0f);
    for (int y = 0; y < partition.height; ++y) {
        for (int x = 0; x < partition.width; ++x) {
            const int index = partition.Index(x, y);
            if (partition.landmass[index] < 0) continue;
            const double noise = 0.65 * SmoothNoise(x / CoarsePeriod, y / CoarsePeriod, 1) +
                                 0.35 * SmoothNoise(x / FinePeriod, y / FinePeriod, 2);
            cost[index] = static_cast<float>(1.0 + Strength * noise);
        }
    }
    return cost;
}

struct Step {
    QPoint offset;
    float cost;
};

// Moves to the eight nearest pixels. Distances over this grid run up to 8 %
// longer than straight ones in some directions; the terrain's wandering
// costs hide that.
std::vector<Step> DistanceSteps() {
    std::vector<Step> steps;
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            if (dx == 0 && dy == 0) continue;
            steps.push_back({QPoint(dx, dy), dx != 0 && dy != 0 ? std::numbers::sqrt2_v<float> : 1.0f});
        }
    }
    return steps;
}

// Sea pixels whose 4-neighbours touch the land (reach 1), or that lie within
// `reach` steps of it in any of the eight directions (reach 2 and more).
std::vector<bool> NearLand(const Partition& partition, int reach) {
    const int width = partition.width;
    const int height = partition.height;
    std::vector<bool> near(partition.landmass.size(), false);
    const auto land = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < width && y < height && partition.landmass[partition.Index(x, y)] >= 0;
    };
    if (reach == 1) {
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                near[partition.Index(x, y)] =
                    !land(x, y) && (land(x - 1, y) || land(x + 1, y) || land(x, y - 1) || land(x, y + 1));
            }
        }
        return near;
    }
    // A square neighbourhood, taken as a run along each row and then along each column.
    std::vector<bool> alongRow(near.size(), false);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            bool found = false;
            for (int dx = -reach; dx <= reach && !found; ++dx) found = land(x + dx, y);
            alongRow[partition.Index(x, y)] = found;
        }
    }
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (land(x, y)) continue;
            bool found = false;
            for (int dy = -reach; dy <= reach && !found; ++dy) {
                found = y + dy >= 0 && y + dy < height && alongRow[partition.Index(x, y + dy)];
            }
            near[partition.Index(x, y)] = found;
        }
    }
    return near;
}

}  // namespace

Partition PartitionLand(const std::vector<PlacedIsland>& islands, int width, int height, QString& error) {
    Partition partition;
    partition.width = width;
    partition.height = height;
    const std::vector<int> island = RasteriseIslands(islands, width, height);

    // Hand-drawn land joins the islands it touches.
    std::vector<int> parent(islands.size());
    std::iota(parent.begin(), parent.end(), 0);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int here = island[partition.Index(x, y)];
            if (here < 0 || !islands[here].joinsNeighbours) continue;
            for (const QPoint& step : NearNeighbours) {
                if (!partition.Contains(x + step.x(), y + step.y())) continue;
                const int there = island[partition.Index(x + step.x(), y + step.y())];
                if (there >= 0) parent[FindRoot(parent, here)] = FindRoot(parent, there);
            }
        }
    }
    std::vector<int> joined(island.size(), -1);
    for (std::size_t i = 0; i < island.size(); ++i) {
        if (island[i] >= 0) joined[i] = FindRoot(parent, island[i]);
    }
    const int landmassCount = LabelComponents(joined, width, height, partition.landmass);
    std::vector<Frame> frameOfLandmass(landmassCount, Frame::Main);
    for (std::size_t i = 0; i < island.size(); ++i) {
        if (partition.landmass[i] >= 0) frameOfLandmass[partition.landmass[i]] = islands[island[i]].frame;
    }

    // Every site on land, every province's sites on one landmass.
    struct PlacedSite {
        int province;
        int index;
        double reach;
    };
    std::vector<PlacedSite> placedSites;
    std::array<bool, ProvinceCount> placed{};
    for (const ProvinceSite& site : ProvinceSites()) {
        const std::optional<Frame> frame = FrameOfIsland(site.lonLat);
        const QPointF pixel = frame ? Project(site.lonLat, *frame) : QPointF(-1, -1);
        const int x = static_cast<int>(std::floor(pixel.x()));
        const int y = static_cast<int>(std::floor(pixel.y()));
        if (!partition.Contains(x, y) || partition.landmass[partition.Index(x, y)] < 0) {
            error += QStringLiteral("the site of province %1 at %2, %3 is not on land\n")
                         .arg(site.province)
                         .arg(x)
                         .arg(y);
            continue;
        }
        const int index = partition.Index(x, y);
        if (!placed[site.province]) {
            placed[site.province] = true;
            partition.homeLandmass[site.province] = partition.landmass[index];
            partition.site[site.province] = QPoint(x, y);
        } else if (partition.homeLandmass[site.province] != partition.landmass[index]) {
            error += QStringLiteral("the sites of province %1 lie on different islands\n").arg(site.province);
        }
        placedSites.push_back({site.province, index, site.reach});
    }
    for (int province = 0; province < ProvinceCount; ++province) {
        if (!placed[province]) error += QStringLiteral("province %1 has no site on land\n").arg(province);
    }
    if (!error.isEmpty()) return {};

    // Distance over land from the nearest site, less that site's reach, in
    // sixteenths of a pixel. Whole-number distances let a ring of buckets
    // stand in for a priority queue: every step adds less than the ring's
    // size, so the buckets ahead of the current one never wrap onto it.
    constexpr int Fine = 16;
    constexpr int RingSize = 1024;
    int greatestReach = 0;
    for (const PlacedSite& site : placedSites)
        greatestReach = std::max(greatestReach, qRound(site.reach * Fine));
    std::vector<int> distance(island.size(), std::numeric_limits<int>::max());
    partition.province.assign(island.size(), SeaPart);
    std::vector<std::vector<int>> ring(RingSize);
    std::size_t waiting = 0;
    for (const PlacedSite& site : placedSites) {
        const int start = greatestReach - qRound(site.reach * Fine);
        if (start < distance[site.index]) {
            distance[site.index] = start;
            partition.province[site.index] = site.province;
            ring[start % RingSize].push_back(site.index);
            ++waiting;
        }
    }
    const std::vector<Step> steps = DistanceSteps();
    const std::vector<float> terrain = TerrainCost(partition);
    for (int reached = 0; waiting > 0; ++reached) {
        std::vector<int>& bucket = ring[reached % RingSize];
        // Every step costs at least one sixteenth, so nothing joins the
        // bucket while it is worked through.
        for (std::size_t slot = 0; slot < bucket.size(); ++slot) {
            const int index = bucket[slot];
            if (distance[index] != reached) continue;
            const int x = index % width;
            const int y = index / width;
            const int landmass = partition.landmass[index];
            for (const Step& step : steps) {
                const int nextX = x + step.offset.x();
                const int nextY = y + step.offset.y();
                if (!partition.Contains(nextX, nextY)) continue;
                const int next = partition.Index(nextX, nextY);
                if (partition.landmass[next] != landmass) continue;
                const int cost =
                    std::max(1, qRound(Fine * step.cost * 0.5f * (terrain[index] + terrain[next])));
                if (reached + cost < distance[next]) {
                    distance[next] = reached + cost;
                    partition.province[next] = partition.province[index];
                    ring[(reached + cost) % RingSize].push_back(next);
                    ++waiting;
                }
            }
        }
        waiting -= bucket.size();
        bucket.clear();
    }

    // Landmasses without a site go whole to the nearest site of their frame.
    std::vector<QPointF> landmassSum(landmassCount);
    std::vector<int> landmassSize(landmassCount, 0);
    std::vector<bool> hasSite(landmassCount, false);
    for (const PlacedSite& site : placedSites) hasSite[partition.landmass[site.index]] = true;
    for (std::size_t i = 0; i < island.size(); ++i) {
        const int landmass = partition.landmass[i];
        if (landmass < 0) continue;
        landmassSum[landmass] += QPointF(static_cast<int>(i) % width, static_cast<int>(i) / width);
        ++landmassSize[landmass];
    }
    std::vector<int> detachedOwner(landmassCount, SeaPart);
    for (int landmass = 0; landmass < landmassCount; ++landmass) {
        if (hasSite[landmass]) continue;
        const QPointF centre = landmassSum[landmass] / landmassSize[landmass];
        double nearest = std::numeric_limits<double>::infinity();
        for (const PlacedSite& site : placedSites) {
            if (frameOfLandmass[partition.landmass[site.index]] != frameOfLandmass[landmass]) continue;
            const QPointF sitePixel(site.index % width, site.index / width);
            const double away = std::hypot(sitePixel.x() - centre.x(), sitePixel.y() - centre.y());
            if (away < nearest) {
                nearest = away;
                detachedOwner[landmass] = site.province;
            }
        }
    }
    for (std::size_t i = 0; i < island.size(); ++i) {
        const int landmass = partition.landmass[i];
        if (landmass >= 0 && !hasSite[landmass]) partition.province[i] = detachedOwner[landmass];
    }

    JoinSplitShares(partition);
    return partition;
}

Partition Downsample(const Partition& large, int factor) {
    Partition small;
    small.width = large.width / factor;
    small.height = large.height / factor;
    small.homeLandmass = large.homeLandmass;
    const std::size_t count = static_cast<std::size_t>(small.width) * small.height;
    small.landmass.resize(count);
    small.province.resize(count);
    for (int y = 0; y < small.height; ++y) {
        for (int x = 0; x < small.width; ++x) {
            const int from = large.Index(x * factor + factor / 2, y * factor + factor / 2);
            small.landmass[small.Index(x, y)] = large.landmass[from];
            small.province[small.Index(x, y)] = large.province[from];
        }
    }
    for (int province = 0; province < ProvinceCount; ++province)
        small.site[province] = large.site[province] / factor;
    JoinSplitShares(small);
    return small;
}

DrawnAreas DrawAreas(const Partition& partition, OutlineWidth outlineWidth) {
    DrawnAreas drawn;
    drawn.width = partition.width;
    drawn.height = partition.height;
    drawn.area.assign(partition.province.size(), SeaArea);
    const std::vector<int> key = ShareKeys(partition);
    // The coast is inked on the sea side, so the land keeps its every pixel
    // and a slim isthmus is not cut through: one pixel wide on the overview,
    // two (the sea pixels up to two steps from the land) on the large map.
    const int coastWidth = outlineWidth == OutlineWidth::TwoPixels ? 2 : 1;
    const std::vector<bool> coast = NearLand(partition, coastWidth);
    for (int y = 0; y < partition.height; ++y) {
        for (int x = 0; x < partition.width; ++x) {
            const int index = partition.Index(x, y);
            const int province = partition.province[index];
            if (province < 0) {
                if (coast[index]) drawn.area[index] = OutlineArea;
                continue;
            }
            // Between two parts of the land: both sides on the large map,
            // the side of the higher key on the overview.
            bool outline = false;
            for (const QPoint& step : NearNeighbours) {
                if (!partition.Contains(x + step.x(), y + step.y())) continue;
                const int other = key[partition.Index(x + step.x(), y + step.y())];
                if (other < 0 || other == key[index]) continue;
                if (outlineWidth == OutlineWidth::TwoPixels || other < key[index]) outline = true;
            }
            if (outline) {
                drawn.area[index] = OutlineArea;
            } else {
                drawn.area[index] =
                    partition.landmass[index] == partition.homeLandmass[province] ? province : DetachedArea;
            }
        }
    }

    // The outlines may cut slivers off a province: slivers of a few pixels
    // are inked over, larger ones stay land that no fill reaches.
    std::vector<int> fillKey(drawn.area.size(), -1);
    for (std::size_t i = 0; i < fillKey.size(); ++i) fillKey[i] = std::max(drawn.area[i], -1);
    std::vector<int> component;
    const int count = LabelComponents(fillKey, drawn.width, drawn.height, component);
    std::vector<int> size(count, 0);
    std::vector<int> provinceOf(count, -1);
    for (std::size_t i = 0; i < fillKey.size(); ++i) {
        if (component[i] < 0) continue;
        ++size[component[i]];
        provinceOf[component[i]] = fillKey[i];
    }
    std::array<int, ProvinceCount> largest;
    largest.fill(-1);
    for (int c = 0; c < count; ++c) {
        int& best = largest[provinceOf[c]];
        if (best < 0 || size[c] > size[best]) best = c;
    }
    constexpr int Sliver = 8;
    for (std::size_t i = 0; i < fillKey.size(); ++i) {
        const int c = component[i];
        if (c < 0 || largest[provinceOf[c]] == c) continue;
        drawn.area[i] = size[c] <= Sliver ? OutlineArea : DetachedArea;
        if (size[c] > Sliver) ++drawn.cutOff[provinceOf[c]];
    }
    return drawn;
}

}  // namespace tesseran::mapgen
