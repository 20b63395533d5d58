// SPDX-License-Identifier: MIT
// The list of everything the program carries as a numbered resource: the
// pictures with their sizes and transparent colours, the cursors with their
// hotspots, the wave sounds and the program icon sizes. The art generator
// draws exactly these and the resource store serves them, so both read the
// one table below instead of keeping their own copies.
#pragma once

#include <QtGui/qrgb.h>

#include <array>
#include <optional>

namespace tesseran {

// How the background of a picture is meant to be treated when it is drawn.
enum class BitmapBackground {
    Opaque,     // every pixel is part of the picture
    KeyColour,  // pixels of exactly `keyColour` are see-through
    Alpha,      // the picture carries its own alpha channel (button pictures)
};

struct BitmapDescription {
    int id;
    int width;
    int height;
    BitmapBackground background;
    QRgb keyColour;  // only meaningful for BitmapBackground::KeyColour
};

inline constexpr QRgb TablePurple = 0xff666699u;  // RGB(102, 102, 153)
inline constexpr QRgb IconGreen = 0xff99ff99u;    // RGB(153, 255, 153)
inline constexpr QRgb PanelBlue = 0xff0066ccu;    // RGB(0, 102, 204)
inline constexpr QRgb SignRed = 0xffff0000u;      // RGB(255, 0, 0)
inline constexpr QRgb MaskMaroon = 0xff800000u;   // RGB(128, 0, 0)
inline constexpr QRgb PlainWhite = 0xffffffffu;   // RGB(255, 255, 255)

inline constexpr auto BitmapCatalogue = std::to_array<BitmapDescription>({
    {106, 326, 458, BitmapBackground::Opaque, 0},
    {130, 175, 138, BitmapBackground::KeyColour, PanelBlue},
    {134, 115, 26, BitmapBackground::Opaque, 0},
    {136, 20, 18, BitmapBackground::KeyColour, PlainWhite},
    {137, 163, 260, BitmapBackground::Opaque, 0},
    {146, 47, 53, BitmapBackground::KeyColour, IconGreen},
    {147, 47, 53, BitmapBackground::KeyColour, IconGreen},
    {148, 47, 53, BitmapBackground::KeyColour, IconGreen},
    {149, 47, 53, BitmapBackground::KeyColour, IconGreen},
    {152, 34, 34, BitmapBackground::KeyColour, TablePurple},
    {154, 198, 340, BitmapBackground::KeyColour, PlainWhite},
    {165, 163, 32, BitmapBackground::Opaque, 0},
    {167, 64, 34, BitmapBackground::KeyColour, TablePurple},
    {168, 64, 34, BitmapBackground::KeyColour, TablePurple},
    {169, 176, 27, BitmapBackground::KeyColour, PanelBlue},
    {170, 210, 26, BitmapBackground::Opaque, 0},
    {171, 115, 26, BitmapBackground::Opaque, 0},
    {172, 69, 26, BitmapBackground::Opaque, 0},
    {173, 74, 38, BitmapBackground::KeyColour, TablePurple},
    {174, 74, 38, BitmapBackground::KeyColour, TablePurple},
    {175, 80, 37, BitmapBackground::KeyColour, SignRed},
    {177, 48, 16, BitmapBackground::KeyColour, MaskMaroon},
    {179, 32, 32, BitmapBackground::Alpha, 0},
    {180, 32, 32, BitmapBackground::Alpha, 0},
});

struct CursorDescription {
    int id;
    int hotspotX;
    int hotspotY;
};

// All cursors are 32 x 32 pictures with alpha. 131 is shown over the table's
// front edge, 134 while the angle is dragged, 133 where a drag may not go; all
// three act at their centre, where the figure is centred too.
inline constexpr int CursorSize = 32;
inline constexpr auto CursorCatalogue = std::to_array<CursorDescription>({
    {131, 16, 16},
    {133, 16, 16},
    {134, 16, 16},
});

inline constexpr auto WaveCatalogue =
    std::to_array({143, 144, 145, 146, 148, 149, 150, 151, 171, 172, 173, 174, 184});

inline constexpr auto ProgramIconSizes = std::to_array({16, 24, 32, 48, 64, 128, 256});

// The card sheet: 11 columns by 4 rows of card cells; card code c lies in
// column c % 11 of row c / 11, and the four cells that hold no card carry
// the preset backs.
inline constexpr int CardWidth = 151;
inline constexpr int CardHeight = 215;
inline constexpr int CardSheetColumns = 11;
inline constexpr int CardSheetRows = 4;
inline constexpr int CardSheetWidth = CardWidth * CardSheetColumns;
inline constexpr int CardSheetHeight = CardHeight * CardSheetRows;
inline constexpr auto PresetBackCodes = std::to_array({11, 22, 33, 34});

// The picture of the entry dialog is a map; these are the pixels where it
// marks the home provinces of the six entries the player may choose, in the
// order of the dialog's buttons, so each button can be set beside its mark.
struct EntrySpot {
    int entry;
    int x;
    int y;
};
inline constexpr auto EntryHomeSpots = std::to_array<EntrySpot>({
    {0, 219, 198},  // 津軽
    {1, 227, 251},  // 伊達
    {3, 186, 308},  // 甲斐
    {4, 192, 266},  // 越後
    {7, 79, 334},   // 安芸
    {9, 42, 395},   // 薩摩
});

constexpr std::optional<BitmapDescription> FindBitmap(int id) {
    for (const BitmapDescription& description : BitmapCatalogue) {
        if (description.id == id) return description;
    }
    return std::nullopt;
}

}  // namespace tesseran
