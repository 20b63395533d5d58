// SPDX-License-Identifier: MIT
// The four preset card backs: indigo seigaiha waves, gold asanoha on pine
// green, a red lacquer back with a gold chrysanthemum crest, and a plum kikko
// honeycomb strewn with stars. All four share an ivory margin so that a
// face-down card reads as a card on the green cloth.
#pragma once

#include <QImage>

namespace tesseran::art {

// The 151 x 215 back of preset `preset` (0..3).
QImage PaintCardBack(int preset);

}  // namespace tesseran::art
