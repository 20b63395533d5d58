// SPDX-License-Identifier: MIT
// Stretching the composed table to the window. The window shows the 1200 x
// 900 back buffer at any of the sizes from 640 x 480 to 1600 x 1200, and it
// is stretched again after every repaint, so this is the one picture
// operation whose speed the player feels; it filters linearly in both
// directions, four pixels at a time where the processor allows.
#pragma once

#include <QImage>

namespace tesseran {

// `source` (32-bit, opaque) stretched over the whole of `target` (32-bit,
// any size), each target pixel mixed from the four source pixels around its
// centre. Meant for enlarging; for shrinking by a large factor an averaging
// scaler keeps more of the picture.
void StretchLinearly(const QImage& source, QImage& target);

}  // namespace tesseran
