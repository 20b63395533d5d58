// SPDX-License-Identifier: MIT
// The colours of the conquest maps. Fills need exact colours, so land and
// plates use colours that are no entry's colour and neither black nor white,
// and the outlines are pure black.
#pragma once

#include <QColor>
#include <QRgb>

namespace tesseran::mapgen {

inline constexpr QRgb OutlineColour = 0xFF000000u;
inline constexpr QRgb LandColour = 0xFFEEE0BAu;
// The sea darkens in bands away from the coast, as on old charts.
inline constexpr QRgb ShallowSeaColour = 0xFFB4D2E8u;
inline constexpr QRgb CoastalSeaColour = 0xFF9FC4E0u;
inline constexpr QRgb OpenSeaColour = 0xFF8DB7D8u;
inline constexpr QRgb PlateColour = 0xFFFFFBEEu;
inline constexpr QRgb PlateDividerColour = 0xFFB89A70u;
inline constexpr QRgb NameInkColour = 0xFF1E140Au;
inline constexpr QRgb PriceInkColour = 0xFF8C2814u;
inline constexpr QRgb FrameColour = 0xFF2A3C64u;
inline constexpr QRgb TitleInkColour = 0xFF281E14u;
inline constexpr QRgb PanelColour = 0xFFFAF5E6u;
inline constexpr QRgb BalanceColumnColour = 0xFFFFFFFFu;
inline constexpr QRgb CompassColour = 0xFF3C506Eu;
inline constexpr QRgb CompassLightColour = 0xFFE6EEF6u;

}  // namespace tesseran::mapgen
