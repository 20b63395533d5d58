// SPDX-License-Identifier: MIT
// The backs of the cards: one of four preset designs from the card sheet or
// the player's own picture, as an upright back, a back turned a quarter turn
// (the top of the discard pile) and a strip of fanned face-down hands of 1 to
// 10 cards. The strip is costly to build and is cached as "CardBack.bmp" in
// the work folder.
#pragma once

#include "base/Host.h"
#include "base/SettingsStore.h"

#include <QImage>

#include <array>

namespace tesseran {

inline constexpr QRgb FanBackground = 0xfffff7ffu;    // RGB(255, 247, 255), see-through on the table
inline constexpr QRgb BackFrameColour = 0xff78783cu;  // RGB(120, 120, 60)
inline constexpr int BackFanStripWidth = 3575;
inline constexpr int BackFanStripHeight = 342;
// Widths of the ten fan segments (hands of 1..10 cards), side by side from x = 0.
inline constexpr std::array<int, 10> FanSegmentWidths = {151, 261, 265, 319, 366, 398, 415, 434, 470, 496};

// Where LoadBackStrip takes the fan strip from.
enum class BackStripSource {
    Cache,    // the cache file when it can be read, otherwise built anew
    Rebuild,  // built anew (the back or its frame changed)
};

class CardBacks {
public:
    // "Last"/"BackSet": the four presets, then the player's own picture.
    static constexpr int CustomBackChoice = 4;

    // sheet: the card sheet (outlives this object); settings: "Last"/"BackSet"
    // and "Last"/"CardWaku"; messages: where failures are reported.
    CardBacks(const QImage& sheet, SettingsStore& settings, Messages& messages);

    // Makes the fan strip and the rotated back current, building it anew when
    // asked or when the cache cannot be read, and saving what was built.
    bool LoadBackStrip(BackStripSource source);
    bool MakeCurrentBack();
    bool MakeRotatedBack();
    bool BuildBackFan();
    bool LoadBackFanFile(const QString& path);
    bool LoadCustomBack();

    const QImage& currentBack() const { return currentBack_; }
    const QImage& rotatedBack() const { return rotatedBack_; }
    const QImage& backFanStrip() const { return backFanStrip_; }
    // Lets the fan strip go (five megabytes) once the table has made its fans
    // from it; the next load or build makes it again.
    void ReleaseFanStrip() { backFanStrip_ = QImage(); }
    // x of fan segment n (1..10) in the strip.
    static int FanSegmentStart(int cards);

    // --- The player's own picture (the card-back dialog) ---------------------
    // Makes a picture file the current back, stretched to the card: a
    // missing, unreadable, corrupt or oversized file changes nothing (after
    // a message where the player should know why).
    bool ImportPicture(const QString& path);
    // Keeps the current back as the player's picture ("CardBack.jpg" in the
    // work folder), so that it is there at the next start.
    void KeepCustomBack();
    // After the dialog: the copy of the player's picture is kept only while it
    // is the choice; a change of back or frame rebuilds the pictures (message
    // 30061 when that fails). True when they were rebuilt.
    enum class Choice { Kept, Changed };
    bool ApplyChoice(Choice choice);

private:
    const QImage& sheet_;
    SettingsStore& settings_;
    Messages& messages_;
    QImage currentBack_;
    QImage rotatedBack_;
    QImage backFanStrip_;
};

}  // namespace tesseran
