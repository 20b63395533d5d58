// SPDX-License-Identifier: MIT
// The card sheet: every card face and the four preset backs in one picture,
// read once at start-up from the data file next to the executable.
#pragma once

#include "base/Host.h"
#include "resources/ResourceCatalogue.h"

#include <QImage>
#include <QString>

namespace tesseran {

// Eleven columns by four rows of cells.
inline constexpr int CardSheetMinimumWidth = 11 * CardWidth;
inline constexpr int CardSheetMinimumHeight = 4 * CardHeight;

// Where the data file is looked for: next to the executable, then (for an
// installed build) in the program's data folder.
QString CardSheetDataFile();

// Reads the data file into a sheet of at least 1661 x 860 pixels, through a
// copy "card.jpeg" in the work folder that is deleted again afterwards.
// A null image on any failure (no message except the work folder's 30054).
QImage LoadCardSheet(Messages& messages);
// The same from a data file elsewhere (tests, tools).
QImage LoadCardSheet(Messages& messages, const QString& dataFile);

// The sheet cell of a card code (or of the four cells that are no card).
inline QRect CardCell(int code) {
    return QRect((code % 11) * CardWidth, (code / 11) * CardHeight, CardWidth, CardHeight);
}

}  // namespace tesseran
