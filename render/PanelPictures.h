// SPDX-License-Identifier: MIT
// The pictures the panels around the table are made of, loaded once with
// their see-through colours already turned into alpha, and the glyph painters
// the panels and the score board share. Every number on the table is drawn
// with digit glyphs from these pictures, never with a font.
#pragma once

#include <QImage>
#include <QPainter>
#include <QPoint>

#include <array>
#include <string>

namespace tesseran {

// Glyph and plate sizes in the pictures.
inline constexpr int DigitWidth = 16;
inline constexpr int DigitHeight = 27;
inline constexpr int MinusGlyph = 10;
inline constexpr int BannerWidth = 163;
inline constexpr int BannerHeight = 26;
inline constexpr int NamePlateWidth = 66;
inline constexpr int NamePlateHeight = 34;
// The name plates' columns: related, unrelated, not yet known.
inline constexpr int RelatedPlateColumn = 0;
inline constexpr int UnrelatedPlateColumn = 66;
inline constexpr int UnknownPlateColumn = 132;

struct PanelPictures {
    // Loads every picture; false when one is missing.
    bool Load();

    void DrawDigit(QPainter& painter, int x, int y, int digit) const;
    // The game caption with the game's number (1..10) in its gap.
    void DrawGameCaption(QPainter& painter, QPoint at, int game) const;
    void DrawBattleCaption(QPainter& painter, QPoint at, int battle) const;
    // The name plate's row in the plate picture for a participant's name.
    int RosterRow(const std::string& name) const;

    std::array<QImage, 4> suitIcons;             // as stored (drawn opaque)
    std::array<QImage, 4> transparentSuitIcons;  // the same, green see-through
    QImage gameCaption;
    QImage gameNumbers;
    QImage battleCaption;
    QImage battleNumbers;
    QImage toolbar;
    QImage banners;
    QImage remainingPanel;  // its digit bands cleared
    QImage digits;
    QImage selectionMarker;
    QImage turnMarker;
    QImage namePlates;
    QImage rightSigns;
    QImage partnerMarker;
    QImage leadMarker;
    QImage trumpBalloon;
    QImage requestBalloon;
    std::array<std::string, 10> rosterNames;
    // Where the number goes in the counters' captions: the caption pictures
    // of a language that puts it elsewhere say so ("NumberGap").
    int gameNumberGap = 0;
    int battleNumberGap = 0;
    // Per glyph (the ten digits, then the minus), the first and last column of
    // its 16-pixel cell that holds ink; -1 for a glyph with none.
    struct Ink {
        int left = -1;
        int right = -1;
    };
    std::array<Ink, MinusGlyph + 1> digitInk{};
};

}  // namespace tesseran
