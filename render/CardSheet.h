// SPDX-License-Identifier: MIT
// The card sheet: every card face and the four preset backs in one picture,
// read once at start-up from the data file next to the executable.
#pragma once

#include "resources/ResourceCatalogue.h"

#include <QByteArray>
#include <QImage>
#include <QString>

namespace tesseran {

// Eleven columns by four rows of cells.
inline constexpr int CardSheetMinimumWidth = 11 * CardWidth;
inline constexpr int CardSheetMinimumHeight = 4 * CardHeight;

// The data file's name, which the player is shown when it is missing or damaged.
inline constexpr char CardSheetDataFileName[] = "TesseranSys.dll";

// Where the data file is looked for: next to the executable, then (for an
// installed build) in the program's data folder.
QString CardSheetDataFile();

// Reads the data file into a sheet of at least 1661 x 860 pixels. A null
// image, and no message, on any failure: a missing, damaged, cut short or
// oversized data file (the caller tells the player).
QImage LoadCardSheet();
// The same from a data file elsewhere (tests, tools).
QImage LoadCardSheet(const QString& dataFile);
// The same from the data file's bytes.
QImage DecodeCardSheet(const QByteArray& dataFileBytes);

// The sheet cell of a card code (or of the four cells that are no card).
inline QRect CardCell(int code) {
    return QRect((code % 11) * CardWidth, (code / 11) * CardHeight, CardWidth, CardHeight);
}

}  // namespace tesseran
