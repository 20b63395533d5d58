// SPDX-License-Identifier: MIT
// The small pictures that mark things on the table: the keyboard selection
// triangle, the four suit icons, the turn marker, the name plates, the lead
// and partner markers, the two announcement balloons and the two signs of the
// right. All of them are drawn on the colour that is see-through where they
// are used.
#pragma once

#include <QImage>

namespace tesseran::art {

QImage PaintSelectionMarker();   // 136
QImage PaintSuitIcon(int suit);  // 146..149 for suits 0..3
QImage PaintTurnMarker();        // 152
QImage PaintNamePlates();        // 154
QImage PaintPartnerMarker();     // 167
QImage PaintLeadMarker();        // 168
QImage PaintTrumpBalloon();      // 173
QImage PaintSpeechBalloon();     // 174
QImage PaintRightSigns();        // 175

}  // namespace tesseran::art
