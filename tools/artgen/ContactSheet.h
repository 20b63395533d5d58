// SPDX-License-Identifier: MIT
// One picture that shows all the artwork at once, for a person to look over:
// the card sheet at full size, a hand as the table shows it at 1200 x 900 and
// at 640 x 480, every numbered bitmap enlarged with its number and size, the
// cursors and the program icons.
#pragma once

#include "ArtCatalogue.h"

#include <QImage>

namespace tesseran::art {

QImage PaintContactSheet(const Artwork& artwork);

}  // namespace tesseran::art
