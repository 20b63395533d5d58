// SPDX-License-Identifier: MIT
// Everything the generator makes, drawn in memory and then encoded into the
// files the build puts into the program's resources: numbered bitmaps,
// cursors, icons, waves and the card sheet's data file.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <map>
#include <vector>

namespace tesseran::art {

struct Artwork {
    std::map<int, QImage> bitmaps;  // by resource number
    // The pictures with lettering, drawn again in each other language: by
    // language code ("en"), then resource number.
    std::map<QString, std::map<int, QImage>> letteredBitmaps;
    std::map<int, QImage> cursors;  // by resource number
    std::map<int, QImage> icons;    // by pixel size
    std::map<int, QByteArray> waves;
    QImage cardSheet;
};

struct GeneratedFile {
    QString relativePath;  // "bitmaps/130.png", "bitmaps/en/130.png", "waves/149.wav", "TesseranSys.dll", ...
    QByteArray bytes;
};

Artwork RenderArtwork();

// The files in a fixed order, encoded so that the same artwork always gives
// the same bytes. An empty list means an encoder failed.
std::vector<GeneratedFile> EncodeArtwork(const Artwork& artwork);

}  // namespace tesseran::art
