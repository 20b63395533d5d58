// SPDX-License-Identifier: MIT
// Linear stretching in two passes per target row: the two source rows around
// the row's centre are mixed into one row of source width, and that row is
// then stretched across. Weights come in steps of 1/256, so that a channel
// times its weight stays within 16 bits while it is mixed.
#include "render/ImageStretch.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace tesseran {

namespace {

// Where a target pixel samples the source: pixel `index` and the next one,
// the next weighing `weight` / 256.
struct Tap {
    int index;
    std::uint32_t weight;
};

// Pixel centres aligned: target x + 0.5 lies at source (x + 0.5) x ratio.
std::vector<Tap> Taps(int sourceLength, int targetLength) {
    std::vector<Tap> taps(static_cast<size_t>(targetLength));
    const double ratio = static_cast<double>(sourceLength) / targetLength;
    for (int x = 0; x < targetLength; ++x) {
        const double position = std::max((x + 0.5) * ratio - 0.5, 0.0);
        int index = static_cast<int>(position);
        auto weight = static_cast<std::uint32_t>((position - index) * 256.0 + 0.5);
        if (weight >= 256) {
            ++index;
            weight = 0;
        }
        if (index >= sourceLength - 1) {
            index = sourceLength - 1;
            weight = 0;
        }
        taps[static_cast<size_t>(x)] = Tap{index, weight};
    }
    return taps;
}

inline std::uint32_t Mix(std::uint32_t first, std::uint32_t second, std::uint32_t weight) {
    const std::uint32_t keep = 256 - weight;
    const std::uint32_t redBlue = (((first & 0xff00ffu) * keep + (second & 0xff00ffu) * weight) >> 8) & 0xff00ffu;
    const std::uint32_t green = (((first & 0x00ff00u) * keep + (second & 0x00ff00u) * weight) >> 8) & 0x00ff00u;
    const std::uint32_t alpha = (((first >> 24) * keep + (second >> 24) * weight) >> 8) << 24;
    return alpha | redBlue | green;
}

// Two rows mixed pixel by pixel, the second weighing `weight` / 256.
void MixRows(const std::uint32_t* first, const std::uint32_t* second, std::uint32_t* target, int length,
             std::uint32_t weight) {
    int x = 0;
#if defined(__SSE2__)
    const __m128i zero = _mm_setzero_si128();
    const __m128i secondWeight = _mm_set1_epi16(static_cast<short>(weight));
    const __m128i firstWeight = _mm_set1_epi16(static_cast<short>(256 - weight));
    for (; x + 4 <= length; x += 4) {
        const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(first + x));
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(second + x));
        const __m128i low = _mm_add_epi16(_mm_mullo_epi16(_mm_unpacklo_epi8(a, zero), firstWeight),
                                          _mm_mullo_epi16(_mm_unpacklo_epi8(b, zero), secondWeight));
        const __m128i high = _mm_add_epi16(_mm_mullo_epi16(_mm_unpackhi_epi8(a, zero), firstWeight),
                                           _mm_mullo_epi16(_mm_unpackhi_epi8(b, zero), secondWeight));
        const __m128i mixed = _mm_packus_epi16(_mm_srli_epi16(low, 8), _mm_srli_epi16(high, 8));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(target + x), mixed);
    }
#endif
    for (; x < length; ++x) target[x] = Mix(first[x], second[x], weight);
}

// A tap with its weights laid out for mixing a pixel pair at once: four
// channels of the pixel itself, then four of the next.
struct WeightedTap {
    int index;
    alignas(16) std::array<std::int16_t, 8> weights;
};

std::vector<WeightedTap> WeightedTaps(const std::vector<Tap>& taps) {
    std::vector<WeightedTap> weighted(taps.size());
    for (size_t x = 0; x < taps.size(); ++x) {
        const auto next = static_cast<std::int16_t>(taps[x].weight);
        const auto self = static_cast<std::int16_t>(256 - taps[x].weight);
        weighted[x] = WeightedTap{taps[x].index, {self, self, self, self, next, next, next, next}};
    }
    return weighted;
}

// One row stretched across by the taps. The source row has one spare pixel
// past its end, so that every tap may read the pixel after its own.
void StretchRow(const std::uint32_t* source, std::uint32_t* target, const std::vector<WeightedTap>& taps) {
    const int length = static_cast<int>(taps.size());
    int x = 0;
#if defined(__SSE2__)
    const __m128i zero = _mm_setzero_si128();
    auto weighted = [&](const WeightedTap& tap) {
        const __m128i pair = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(source + tap.index));
        return _mm_mullo_epi16(_mm_unpacklo_epi8(pair, zero),
                               _mm_load_si128(reinterpret_cast<const __m128i*>(tap.weights.data())));
    };
    for (; x + 2 <= length; x += 2) {
        // Each pixel pair weighted as eight 16-bit channels, then its halves added.
        __m128i p = weighted(taps[static_cast<size_t>(x)]);
        __m128i q = weighted(taps[static_cast<size_t>(x + 1)]);
        p = _mm_add_epi16(p, _mm_srli_si128(p, 8));
        q = _mm_add_epi16(q, _mm_srli_si128(q, 8));
        const __m128i pair = _mm_srli_epi16(_mm_unpacklo_epi64(p, q), 8);
        _mm_storel_epi64(reinterpret_cast<__m128i*>(target + x), _mm_packus_epi16(pair, pair));
    }
#endif
    for (; x < length; ++x) {
        const WeightedTap& tap = taps[static_cast<size_t>(x)];
        target[x] = Mix(source[tap.index], source[tap.index + 1], static_cast<std::uint32_t>(tap.weights[4]));
    }
}

bool IsThirtyTwoBit(const QImage& image) {
    return image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32 ||
           image.format() == QImage::Format_ARGB32_Premultiplied;
}

}  // namespace

void StretchLinearly(const QImage& source, QImage& target) {
    if (source.isNull() || target.isNull() || !IsThirtyTwoBit(source) || !IsThirtyTwoBit(target)) return;
    const int sourceWidth = source.width();
    const std::vector<WeightedTap> across = WeightedTaps(Taps(sourceWidth, target.width()));
    const std::vector<Tap> down = Taps(source.height(), target.height());

    std::vector<std::uint32_t> row(static_cast<size_t>(sourceWidth) + 1);
    for (int y = 0; y < target.height(); ++y) {
        const Tap& tap = down[static_cast<size_t>(y)];
        const auto* first = reinterpret_cast<const std::uint32_t*>(source.constScanLine(tap.index));
        const int nextIndex = std::min(tap.index + 1, source.height() - 1);
        const auto* second = reinterpret_cast<const std::uint32_t*>(source.constScanLine(nextIndex));
        MixRows(first, second, row.data(), sourceWidth, tap.weight);
        row[static_cast<size_t>(sourceWidth)] = row[static_cast<size_t>(sourceWidth) - 1];
        StretchRow(row.data(), reinterpret_cast<std::uint32_t*>(target.scanLine(y)), across);
    }
}

}  // namespace tesseran
