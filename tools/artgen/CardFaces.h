// SPDX-License-Identifier: MIT
// The faces of the 40 cards. Number cards (ranks 1 to 6) show their pips on
// ivory paper; the face cards 7, 8 and 9 stand out with a gold-framed lacquer
// field carrying their numeral 七, 八, 九; the pin (rank 10) is the most lavish,
// a gold sunburst with the suit as a family crest under the word ピン; the
// joker is an oni mask on a starry plum field. Every card carries its rank and
// suit in the top-left corner (and upside down in the bottom-right), which is
// all a player sees of the cards that overlap in a hand.
#pragma once

#include <QImage>

namespace tesseran::art {

// The 151 x 215 face of card `code` (suit x 11 + rank; 0 is the joker).
QImage PaintCardFace(int code);

}  // namespace tesseran::art
