// SPDX-License-Identifier: MIT
// The program's numbered resources as the rest of the code asks for them:
// bitmaps, wave sounds, cursor pictures and the program icon, all compiled
// into the executable as Qt resources (":/bitmaps/130.png", ":/waves/149.wav",
// ":/cursors/131.png", ":/icons/tesseran-64.png"). Nothing here needs a
// display: cursors come back as a picture and a hotspot, and the window code
// makes its QCursor from them.
#pragma once

#include "resources/ResourceCatalogue.h"

#include <QImage>
#include <QPoint>
#include <QString>
#include <QUrl>

#include <optional>

namespace tesseran {

// Bitmap `id` as stored (RGB32, or ARGB32 for the button pictures 179 and
// 180); a null image for a number the program does not carry (such as 182).
QImage LoadBitmap(int id);

// The colour that is see-through in bitmap `id`, if it has one.
std::optional<QRgb> BitmapKeyColour(int id);

// `image` with every pixel of exactly `key` made fully transparent and all
// others opaque (ARGB32_Premultiplied), ready to be scaled smoothly.
QImage KeyColourToAlpha(const QImage& image, QRgb key);

// Bitmap `id` with its key colour already turned into transparency (or as
// stored when it has no key colour).
QImage LoadTransparentBitmap(int id);

// The resource path of wave `id` (":/waves/149.wav"), or an empty string
// for a number the program does not carry.
QString WavePath(int id);

// The same as a URL ("qrc:/waves/149.wav"), as QSoundEffect wants it; an
// empty URL for an unknown number.
QUrl WaveUrl(int id);

struct CursorPicture {
    QImage image;    // 32 x 32 with alpha; null for an unknown cursor
    QPoint hotspot;  // the pixel that points
};

CursorPicture LoadCursorPicture(int id);

// The program icon at `size` x `size` pixels: the stored picture for 16, 32,
// 48, 64, 128 and 256, otherwise the next larger one scaled down smoothly
// (the largest scaled up for sizes above 256). Null for sizes below 1.
QImage ProgramIcon(int size);

}  // namespace tesseran
