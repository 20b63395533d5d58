// SPDX-License-Identifier: MIT
// The card sheet: every card face and the four preset backs in one picture of
// 11 columns by 4 rows of card cells, and the data file the game reads it
// from, a JPEG whose first four bytes are not the JPEG signature.
#pragma once

#include <QByteArray>
#include <QImage>

namespace tesseran::art {

// The 1661 x 860 sheet: card code c in column c % 11 of row c / 11; the
// preset backs in the cells of the codes 11, 22, 33 and 34.
QImage PaintCardSheet();

// The sheet as the bytes of the data file: a JPEG of fixed quality with its
// first four bytes replaced.
QByteArray EncodeCardSheetFile(const QImage& sheet);

}  // namespace tesseran::art
