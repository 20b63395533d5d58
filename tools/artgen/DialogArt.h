// SPDX-License-Identifier: MIT
// Pictures for the dialogs and the window's extras: the entry-selection
// picture (an old map of Japan on washi paper with the six home provinces),
// the three peek pictures of the taskbar buttons, and the cancel and save
// button pictures.
#pragma once

#include "LetteringTable.h"

#include <QImage>

namespace tesseran::art {

QImage PaintEntryPicture(ArtLanguage language = ArtLanguage::Japanese);  // 106
QImage PaintPeekPictures();                                              // 177
QImage PaintCancelPicture();                                             // 179
QImage PaintSavePicture(ArtLanguage language = ArtLanguage::Japanese);   // 180

}  // namespace tesseran::art
