// SPDX-License-Identifier: MIT
// The small pictures that mark things on the table: the keyboard selection
// triangle, the four suit icons, the turn marker, the name plates, the lead
// and partner markers, the two announcement balloons and the two signs of the
// right. All of them are drawn on the colour that is see-through where they
// are used.
#pragma once

#include "LetteringTable.h"

#include <QImage>

namespace tesseran::art {

QImage PaintSelectionMarker();                                            // 136
QImage PaintSuitIcon(int suit);                                           // 146..149 for suits 0..3
QImage PaintTurnMarker();                                                 // 152
QImage PaintNamePlates(ArtLanguage language = ArtLanguage::Japanese);     // 154
QImage PaintPartnerMarker(ArtLanguage language = ArtLanguage::Japanese);  // 167
QImage PaintLeadMarker(ArtLanguage language = ArtLanguage::Japanese);     // 168
QImage PaintTrumpBalloon(ArtLanguage language = ArtLanguage::Japanese);   // 173
QImage PaintSpeechBalloon(ArtLanguage language = ArtLanguage::Japanese);  // 174
QImage PaintRightSigns();                                                 // 175

}  // namespace tesseran::art
