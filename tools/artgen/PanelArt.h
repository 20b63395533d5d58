// SPDX-License-Identifier: MIT
// The status panels at the top left and top right of the table: the game and
// battle counters with their number glyphs, the status banners, the toolbar,
// the remaining-cards panel and its seven-segment digits. The counters are
// lacquer plates whose background depends on the row only, so that a number
// glyph copied into the gap of its caption joins it without a seam.
#pragma once

#include "LetteringTable.h"

#include <QImage>

namespace tesseran::art {

QImage PaintRemainingPanel(ArtLanguage language = ArtLanguage::Japanese);  // 130
QImage PaintGameCaption(ArtLanguage language = ArtLanguage::Japanese);     // 134
QImage PaintStatusBanners(ArtLanguage language = ArtLanguage::Japanese);   // 137
QImage PaintToolbar();                                                     // 165
QImage PaintSegmentDigits();                                               // 169
QImage PaintGameNumbers();                                                 // 170
QImage PaintBattleCaption(ArtLanguage language = ArtLanguage::Japanese);   // 171
QImage PaintBattleNumbers(ArtLanguage language = ArtLanguage::Japanese);   // 172

}  // namespace tesseran::art
