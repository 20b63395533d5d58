// SPDX-License-Identifier: MIT
// Image files and the work folder: reading a picture file, saving an image in
// one of five formats at a chosen size, telling the format from a file name,
// flattening any readable picture to a JPEG through the work folder, and a few
// small helpers around them (the player's back picture, opening a folder, the
// bold font of saved pictures). The card sheet, the card backs, the card-back
// dialog and the map export all go through these.
#pragma once

#include "base/Host.h"

#include <QByteArray>
#include <QFont>
#include <QImage>
#include <QString>

namespace tesseran {

// Folder name inside the system's temporary folder.
inline constexpr char WorkFolderName[] = "Tesseran";
// Files the program keeps in the work folder.
inline constexpr char BackFanCacheName[] = "CardBack.bmp";
inline constexpr char CustomBackName[] = "CardBack.jpg";
inline constexpr char FlattenedPictureName[] = "temp.jpeg";

// Decoded pictures larger than this are refused before any pixel memory is
// taken, and files larger than this are not read at all: a damaged or hostile
// file must not exhaust memory. It still admits photographs of about 60
// megapixels, which a player may well pick for a card back.
inline constexpr int PictureAllocationLimitMegabytes = 256;

// The work folder (temporary folder + "/Tesseran", and + "/" + subfolder when
// one is given), created when missing. The empty text after message 30054
// when it cannot be had.
QString GetWorkFolder(Messages& messages, const QString& subfolder = {});

// Pictures in formats that cannot shrink while decoding are refused beyond
// this many pixels when they are wanted small (16 megapixels, 64 MB decoded).
inline constexpr qint64 LargestWholeDecodePixels = 16 * 1024 * 1024;

// Decodes a picture held in memory. The format is taken from the content
// unless one is named ("jpeg", "bmp", ...). A picture whose longer side
// exceeds `within` (when given) comes back shrunk to fit, keeping its
// proportions. A null image on any failure: empty, corrupt, cut short (a
// JPEG without its end, a BMP shorter than its header says), oversized, or
// too large to decode whole when wanted small.
QImage DecodePicture(const QByteArray& bytes, const QByteArray& format = {}, int within = 0);

// Reads the whole file and decodes it, as DecodePicture. Null as well for a
// missing or unreadable file, a folder, or a file beyond the allocation limit.
QImage LoadPictureFile(const QString& path, const QByteArray& format = {}, int within = 0);

// Writes the image scaled (smoothly) to width x height as "jpeg" (quality
// 100), "gif", "bmp", "png" or "tiff". False after message 30001 when the
// format word is unknown or the image cannot be prepared, and false after
// message 30058 when the file cannot be written; true only when the whole
// file was written.
bool SaveBitmapAs(const QImage& image, const QString& path, int width, int height, const QString& formatWord,
                  Messages& messages);

// "jpeg", "gif", "bmp", "png" or "tiff" from the text after the last full
// stop (any case; "jpg" and "tif" included); otherwise the empty text after
// message 30056.
QString ImageFormatFromName(const QString& path, Messages& messages);

// Reads a picture of any readable format with its see-through areas filled in
// the colour of its top-left pixel, by way of a JPEG "temp.jpeg" in the work
// folder (which stays there). Null on any failure. `within` as for
// DecodePicture.
QImage LoadImageViaGdiplus(const QString& path, Messages& messages, int within = 0);

// A picture the player picked by file name: JPEG files are read directly
// (falling back to the flattening reader), every other format is flattened.
// Null for an unsupported extension (after message 30056) or an unreadable file.
QImage OpenPictureChosenByUser(const QString& path, Messages& messages, int within = 0);

// Deletes "CardBack.jpg" from the work folder; whether it was there.
bool DeleteCustomBackCopy(Messages& messages);

// Shows the folder that holds the file at path in the desktop's file
// manager; false after message 30163 when that cannot be started.
bool OpenFolderOf(const QString& path, Messages& messages);

// The bold 20-point font of saved pictures ("Meiryo UI" when no face is
// named; faces that are not installed fall back to the Japanese fonts that are).
QFont SelectBoldFont(const QString& faceName = {});

}  // namespace tesseran
