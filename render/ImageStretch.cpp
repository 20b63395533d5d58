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
// Processors from the last fifteen years can weight and add a pixel pair's
// channels in one instruction; that path is chosen when the machine has it.
#if defined(__GNUC__) && defined(__x86_64__)
#include <tmmintrin.h>
#define TESSERAN_STRETCH_SSSE3 1
#endif

namespace tesseran {

namespace {

inline std::uint32_t Mix(std::uint32_t first, std::uint32_t second, std::uint32_t weight) {
    const std::uint32_t keep = 256 - weight;
    const std::uint32_t redBlue =
        (((first & 0xff00ffu) * keep + (second & 0xff00ffu) * weight) >> 8) & 0xff00ffu;
    const std::uint32_t green =
        (((first & 0x00ff00u) * keep + (second & 0x00ff00u) * weight) >> 8) & 0x00ff00u;
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

bool IsThirtyTwoBit(const QImage& image) {
    return image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32 ||
           image.format() == QImage::Format_ARGB32_Premultiplied;
}

#if defined(TESSERAN_STRETCH_SSSE3)
bool HasSsse3() {
    static const bool has = __builtin_cpu_supports("ssse3");
    return has;
}

// Two target pixels: their source pairs interleaved channel by channel,
// multiplied by the weights in 64ths and added pairwise in one step.
__attribute__((target("ssse3"))) inline __m128i WeightedPairs(const std::uint32_t* source, const int* indices,
                                                              const std::int8_t* weights, int x) {
    const __m128i interleave = _mm_setr_epi8(0, 4, 1, 5, 2, 6, 3, 7, 8, 12, 9, 13, 10, 14, 11, 15);
    const __m128i first = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(source + indices[x]));
    const __m128i second = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(source + indices[x + 1]));
    const __m128i both = _mm_shuffle_epi8(_mm_unpacklo_epi64(first, second), interleave);
    const __m128i weight = _mm_loadu_si128(reinterpret_cast<const __m128i*>(weights + 8 * x));
    return _mm_srli_epi16(_mm_maddubs_epi16(both, weight), 6);
}

// Four target pixels at a time. Returns how many pixels it did; the caller
// finishes the rest.
__attribute__((target("ssse3"))) int StretchRowSsse3(const std::uint32_t* source, std::uint32_t* target,
                                                     int length, const int* indices,
                                                     const std::int8_t* weights) {
    int x = 0;
    for (; x + 4 <= length; x += 4) {
        const __m128i pixels = _mm_packus_epi16(WeightedPairs(source, indices, weights, x),
                                                WeightedPairs(source, indices, weights, x + 2));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(target + x), pixels);
    }
    return x;
}
#endif

}  // namespace

// Pixel centres aligned: target x + 0.5 lies at source (x + 0.5) x ratio.
std::vector<LinearStretch::Tap> LinearStretch::Taps(int sourceLength, int targetLength) {
    std::vector<Tap> taps(static_cast<size_t>(std::max(targetLength, 0)));
    const double ratio = static_cast<double>(sourceLength) / std::max(targetLength, 1);
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

LinearStretch::LinearStretch(QSize source, QSize target) : source_(source), target_(target) {
    if (source.isEmpty() || target.isEmpty()) return;
    down_ = Taps(source.height(), target.height());
    for (const Tap& tap : Taps(source.width(), target.width())) {
        const auto next = static_cast<std::int16_t>(tap.weight);
        const auto self = static_cast<std::int16_t>(256 - tap.weight);
        across_.push_back(WeightedTap{tap.index, {self, self, self, self, next, next, next, next}});
        acrossIndices_.push_back(tap.index);
        const auto nextWeight = static_cast<std::int8_t>((tap.weight + 2) >> 2);
        const auto ownWeight = static_cast<std::int8_t>(64 - nextWeight);
        acrossBytes_.insert(acrossBytes_.end(), {ownWeight, nextWeight, ownWeight, nextWeight, ownWeight,
                                                 nextWeight, ownWeight, nextWeight});
    }
}

// One row stretched across by the taps. The source row has one spare pixel
// past its end, so that every tap may read the pixel after its own.
void LinearStretch::StretchRow(const std::uint32_t* source, std::uint32_t* target) const {
    const std::vector<WeightedTap>& taps = across_;
    const int length = static_cast<int>(taps.size());
    int x = 0;
#if defined(TESSERAN_STRETCH_SSSE3)
    if (HasSsse3()) x = StretchRowSsse3(source, target, length, acrossIndices_.data(), acrossBytes_.data());
#endif
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

void LinearStretch::Apply(const QImage& source, QImage& target, int firstRow, int rows) const {
    if (source.size() != source_ || target.size() != target_ || source_.isEmpty() || target_.isEmpty())
        return;
    if (!IsThirtyTwoBit(source) || !IsThirtyTwoBit(target)) return;
    const int sourceWidth = source.width();
    const int begin = std::clamp(firstRow, 0, target.height());
    const int end = std::clamp(firstRow + std::max(rows, 0), begin, target.height());

    // The mixed row has one spare pixel past its end for the last taps.
    std::vector<std::uint32_t> row(static_cast<size_t>(sourceWidth) + 1);
    for (int y = begin; y < end; ++y) {
        const Tap& tap = down_[static_cast<size_t>(y)];
        const auto* first = reinterpret_cast<const std::uint32_t*>(source.constScanLine(tap.index));
        const int nextIndex = std::min(tap.index + 1, source.height() - 1);
        const auto* second = reinterpret_cast<const std::uint32_t*>(source.constScanLine(nextIndex));
        MixRows(first, second, row.data(), sourceWidth, tap.weight);
        row[static_cast<size_t>(sourceWidth)] = row[static_cast<size_t>(sourceWidth) - 1];
        StretchRow(row.data(), reinterpret_cast<std::uint32_t*>(target.scanLine(y)));
    }
}

void StretchLinearly(const QImage& source, QImage& target) {
    LinearStretch(source.size(), target.size()).Apply(source, target, 0, target.height());
}

void SqueezeRow(const std::uint32_t* source, int sourceLength, std::uint32_t* target, int targetLength) {
    if (sourceLength <= 0 || targetLength <= 0) return;
    if (targetLength >= sourceLength) {
        std::copy(source, source + sourceLength, target);
        return;
    }
    // In 16.16 fixed point; the step is more than one pixel, so the first
    // centre lies inside the row.
    const auto step = static_cast<std::uint32_t>((static_cast<std::uint64_t>(sourceLength) << 16) /
                                                 static_cast<std::uint64_t>(targetLength));
    std::uint32_t position = step / 2 - (1u << 15);
    const auto last = static_cast<std::uint32_t>(sourceLength - 1);
    int x = 0;
    for (; x < targetLength; ++x, position += step) {
        const std::uint32_t index = position >> 16;
        if (index >= last) break;
        target[x] = Mix(source[index], source[index + 1], (position >> 8) & 0xffu);
    }
    for (; x < targetLength; ++x) target[x] = source[last];
}

}  // namespace tesseran
