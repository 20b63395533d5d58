// SPDX-License-Identifier: MIT
// Reading the card sheet from the data file TesseranSys.dll. The file is a
// JPEG whose first four bytes have been replaced, so no program takes it
// for a picture; the reader puts the JPEG signature back in memory and
// decodes from there. The file itself is only ever read.
#pragma once

#include <QImage>
#include <QString>

namespace tesseran {

inline constexpr char CardSheetFileName[] = "TesseranSys.dll";

// Pictures larger than this (in either direction) are refused before any
// pixel memory is taken: a damaged or foreign file must not exhaust memory.
inline constexpr int CardSheetMaximumSide = 8192;

// The card sheet decoded from the data file at `path`, or a null image when
// the file is missing, unreadable, not a JPEG after its first four bytes, or
// implausibly large.
QImage DecodeCardSheetFile(const QString& path);

}  // namespace tesseran
