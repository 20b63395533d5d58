// SPDX-License-Identifier: MIT
// The colours every picture of the game is painted with. Keeping them in one
// place is what makes the cards, panels, markers and dialogs look like one set:
// ivory card paper, ink black and cinnabar red for the suits, gold leaf for
// frames, and red or indigo lacquer for plates and panels.
#pragma once

#include <QColor>

namespace tesseran::art {

// Card paper and ink.
inline constexpr QColor PaperLight{252, 249, 240};
inline constexpr QColor PaperShade{240, 232, 212};
inline constexpr QColor CardEdge{92, 80, 66};
inline constexpr QColor InkBlack{26, 24, 30};
inline constexpr QColor InkSoft{70, 64, 70};

// Suit colours: a light and a dark end for the gradients of the symbols.
inline constexpr QColor RedLight{222, 46, 52};
inline constexpr QColor RedDark{160, 16, 30};
inline constexpr QColor BlackLight{70, 70, 84};
inline constexpr QColor BlackDark{14, 14, 20};

// Gold leaf, from highlight to shadow.
inline constexpr QColor GoldHighlight{255, 240, 176};
inline constexpr QColor GoldLight{240, 204, 110};
inline constexpr QColor GoldMid{208, 160, 56};
inline constexpr QColor GoldDark{140, 96, 26};

// Lacquer for plates, panels and the face-card fields.
inline constexpr QColor VermilionLight{206, 52, 40};
inline constexpr QColor Vermilion{176, 30, 30};
inline constexpr QColor VermilionDeep{104, 12, 18};
inline constexpr QColor IndigoLight{58, 70, 130};
inline constexpr QColor Indigo{30, 38, 84};
inline constexpr QColor IndigoDeep{12, 14, 34};
inline constexpr QColor PineLight{46, 124, 88};
inline constexpr QColor PineGreen{22, 86, 62};
inline constexpr QColor PineDeep{8, 44, 32};
inline constexpr QColor CrimsonLight{190, 44, 86};
inline constexpr QColor Crimson{140, 20, 58};
inline constexpr QColor CrimsonDeep{70, 6, 30};
inline constexpr QColor PlumLight{96, 54, 120};
inline constexpr QColor Plum{52, 26, 72};
inline constexpr QColor PlumDeep{22, 10, 34};

// Lettering on dark plates.
inline constexpr QColor Cream{250, 238, 206};
inline constexpr QColor CreamShadow{40, 20, 10};

}  // namespace tesseran::art
