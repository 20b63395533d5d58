// SPDX-License-Identifier: MIT
// What the pictures say, language by language: the words on the counters'
// captions and where the number goes between them, the status banners, the
// remaining-cards tiles, the markers and balloons, the entry map's title and
// homes, the seal of the save button and the players' names on their
// plates. Japanese is the program's own lettering; another language adds a
// table here, and the generator draws its pictures beside the Japanese ones.
#pragma once

#include <QRectF>
#include <QString>

#include <array>

namespace tesseran::art {

enum class ArtLanguage { Japanese, English };

// The languages whose pictures are drawn beside the Japanese ones, with the
// folder (language code) the program looks for them in.
struct OtherLanguage {
    ArtLanguage language;
    const char* code;
};
inline constexpr std::array<OtherLanguage, 1> OtherLanguages{{{ArtLanguage::English, "en"}}};

// A counter's caption: a word before the number's gap and one after it.
struct CaptionLettering {
    QString before;
    QRectF beforeBox;
    int beforeSize;
    QString after;
    QRectF afterBox;
    int afterSize;
    int numberGap;  // x of the number, which the program reads from the picture
};

struct LetteringTable {
    // Written downwards, one character under the other (Japanese), or
    // across, turned a quarter where a column is to be filled.
    bool writtenDownwards;
    CaptionLettering game;
    CaptionLettering battle;
    // The battle numbers as brush strokes (一 二 三) or as digits.
    bool battleNumbersAsStrokes;
    std::array<QString, 10> banners;  // 合計 and the nine states, in the banner picture's rows
    QString relatedTile;
    QString unrelatedTile;
    QString faceCardTile;
    QString partnerMarker;
    QString leadMarker;
    QString trumpBalloon;
    QString requestBalloon;
    QString entryTitle;
    QString entrySeal;
    std::array<QString, 6> entryHomes;  // the homes of the six players one may play as
    QString saveSeal;
    std::array<QString, 10> names;  // every roster entry's name, for its plate
};

const LetteringTable& LetteringFor(ArtLanguage language);

}  // namespace tesseran::art
