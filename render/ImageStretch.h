// SPDX-License-Identifier: MIT
// Stretching the composed table to the window. The window shows the 1200 x
// 900 back buffer at any of the sizes from 640 x 480 to 1600 x 1200, and it
// is stretched again after every repaint, so this is the one picture
// operation whose speed the player feels; it filters linearly in both
// directions, several pixels at a time where the processor allows.
#pragma once

#include <QImage>
#include <QSize>

#include <array>
#include <cstdint>
#include <vector>

namespace tesseran {

// A stretch from one picture size to another, each target pixel mixed from
// the four source pixels around its centre. Meant for enlarging; for
// shrinking by a large factor an averaging scaler keeps more of the picture.
// Both pictures are 32-bit and opaque.
class LinearStretch {
public:
    LinearStretch() = default;
    LinearStretch(QSize source, QSize target);

    QSize sourceSize() const { return source_; }
    QSize targetSize() const { return target_; }

    // Fills the target rows firstRow .. firstRow + rows - 1, so that a large
    // picture can be stretched and shown a band at a time while the band is
    // still in the processor's cache. Pictures of other sizes are left alone.
    void Apply(const QImage& source, QImage& target, int firstRow, int rows) const;

private:
    // Where a target pixel samples the source: pixel `index` and the next,
    // the next weighing `weight` / 256.
    struct Tap {
        int index;
        std::uint32_t weight;
    };
    // A tap across, with its weights laid out for mixing a pixel pair at
    // once: four channels of the pixel itself, then four of the next.
    struct WeightedTap {
        int index;
        alignas(16) std::array<std::int16_t, 8> weights;
    };

    static std::vector<Tap> Taps(int sourceLength, int targetLength);
    // One mixed row stretched across; the row has one spare pixel past its
    // end, so that every tap may read the pixel after its own.
    void StretchRow(const std::uint32_t* source, std::uint32_t* target) const;

    QSize source_;
    QSize target_;
    std::vector<WeightedTap> across_;
    // The same taps for the path that weights in 64ths: the source index of
    // each target pixel and its eight byte weights.
    std::vector<int> acrossIndices_;
    std::vector<std::int8_t> acrossBytes_;
    std::vector<Tap> down_;
};

// `source` stretched over the whole of `target`.
void StretchLinearly(const QImage& source, QImage& target);

// One row of `sourceLength` opaque pixels squeezed (or copied) into
// `targetLength` pixels, no more than the source has, by linear filtering
// with the pixel centres of both rows aligned.
void SqueezeRow(const std::uint32_t* source, int sourceLength, std::uint32_t* target, int targetLength);

}  // namespace tesseran
