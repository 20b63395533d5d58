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

// Single cards from the data file for a process that shows only a few (the
// peek window): the sheet stays compressed (half a megabyte instead of more
// than five decoded) and each card is decoded on its own when it is asked for.
class CardSheetCells {
public:
    // Nothing (every cell null) for a missing or damaged data file.
    CardSheetCells() = default;
    static CardSheetCells FromDataFile(const QString& dataFile);
    // From a sheet already decoded (tests, or a process that holds one anyway).
    static CardSheetCells FromSheet(const QImage& sheet);

    // The left `width` columns (at most the card's) of a card's cell, or a
    // null image.
    QImage Cell(int code, int width) const;

private:
    QByteArray jpeg_;
    QImage sheet_;
};

// The sheet cell of a card code (or of the four cells that are no card).
inline QRect CardCell(int code) {
    return QRect((code % 11) * CardWidth, (code / 11) * CardHeight, CardWidth, CardHeight);
}

}  // namespace tesseran
