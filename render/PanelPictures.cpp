// SPDX-License-Identifier: MIT
#include "render/PanelPictures.h"

#include "base/ResourceIds.h"
#include "base/Roster.h"
#include "base/StringTable.h"
#include "resources/ResourceStore.h"

#include <algorithm>

namespace tesseran {

namespace {

constexpr int GameNumberWidth = 21;
constexpr int BattleNumberWidth = 23;
constexpr int CounterHeight = 26;

// Where a caption picture says its number goes, or where the Japanese one
// has it.
int NumberGapOf(const QImage& caption, int japanese) {
    bool given = false;
    const int gap = caption.text(QStringLiteral("NumberGap")).toInt(&given);
    return given && gap >= 0 && gap < caption.width() ? gap : japanese;
}

// The remaining-cards panel's two digit bands, which hold the numbers of the
// moment; in the stored picture they are background.
constexpr std::array<int, 2> RemainingBandY = {40, 106};
constexpr int RemainingBandLeft = 2;
constexpr int RemainingBandWidth = 169;
constexpr int RemainingBandHeight = 27;
// The remaining-cards panel's own blue, which its digit bands are cleared to.
constexpr QRgb RemainingPanelBlue = qRgb(0, 102, 204);

}  // namespace

bool PanelPictures::Load() {
    for (int suit = 0; suit < 4; ++suit) {
        suitIcons[static_cast<size_t>(suit)] = LoadBitmap(bitmap::SuitIcons[static_cast<size_t>(suit)]);
        transparentSuitIcons[static_cast<size_t>(suit)] =
            LoadTransparentBitmap(bitmap::SuitIcons[static_cast<size_t>(suit)]);
    }
    gameCaption = LoadBitmap(bitmap::GameCaption);
    gameNumbers = LoadBitmap(bitmap::GameNumbers);
    battleCaption = LoadBitmap(bitmap::BattleCaption);
    battleNumbers = LoadBitmap(bitmap::BattleNumbers);
    gameNumberGap = NumberGapOf(gameCaption, 32);
    battleNumberGap = NumberGapOf(battleCaption, 22);
    toolbar = LoadBitmap(bitmap::Toolbar);
    banners = LoadBitmap(bitmap::StatusBanners);
    remainingPanel = LoadBitmap(bitmap::RemainingPanel);
    digits = LoadTransparentBitmap(bitmap::Digits);
    selectionMarker = LoadTransparentBitmap(bitmap::SelectionMarker);
    turnMarker = LoadTransparentBitmap(bitmap::TurnMarker);
    namePlates = LoadTransparentBitmap(bitmap::NamePlates);
    rightSigns = LoadTransparentBitmap(bitmap::RightSigns);
    partnerMarker = LoadTransparentBitmap(bitmap::PartnerMarker);
    leadMarker = LoadTransparentBitmap(bitmap::LeadMarker);
    trumpBalloon = LoadTransparentBitmap(bitmap::TrumpBalloon);
    requestBalloon = LoadTransparentBitmap(bitmap::RequestBalloon);
    for (int entry = 0; entry < EntryCount; ++entry)
        rosterNames[static_cast<size_t>(entry)] = RosterName(entry);

    const QImage* all[] = {&gameCaption,     &gameNumbers, &battleCaption,  &battleNumbers,
                           &toolbar,         &banners,     &remainingPanel, &digits,
                           &selectionMarker, &turnMarker,  &namePlates,     &rightSigns,
                           &partnerMarker,   &leadMarker,  &trumpBalloon,   &requestBalloon};
    for (const QImage* image : all) {
        if (image->isNull()) return false;
    }
    for (int suit = 0; suit < 4; ++suit) {
        if (suitIcons[static_cast<size_t>(suit)].isNull() ||
            transparentSuitIcons[static_cast<size_t>(suit)].isNull()) {
            return false;
        }
    }

    // The panel is copied opaque, on its own blue.
    remainingPanel = remainingPanel.convertToFormat(QImage::Format_RGB32);
    QPainter panel(&remainingPanel);
    for (int rowY : RemainingBandY) {
        panel.fillRect(QRect(RemainingBandLeft, rowY, RemainingBandWidth, RemainingBandHeight),
                       QColor::fromRgb(RemainingPanelBlue));
    }
    panel.end();

    for (int glyph = 0; glyph <= MinusGlyph; ++glyph) {
        auto& [left, right] = digitInk[static_cast<size_t>(glyph)];
        left = -1;
        right = -1;
        for (int x = 0; x < DigitWidth; ++x) {
            for (int y = 0; y < DigitHeight; ++y) {
                if (qAlpha(digits.pixel(DigitWidth * glyph + x, y)) == 0) continue;
                if (left < 0) left = x;
                right = x;
                break;
            }
        }
    }
    return true;
}

void PanelPictures::DrawDigit(QPainter& painter, int x, int y, int digit) const {
    painter.drawImage(QPoint(x, y), digits, QRect(DigitWidth * digit, 0, DigitWidth, DigitHeight));
}

void PanelPictures::DrawGameCaption(QPainter& painter, QPoint at, int game) const {
    painter.drawImage(at, gameCaption);
    painter.drawImage(at + QPoint(gameNumberGap, 0), gameNumbers,
                      QRect(GameNumberWidth * (game - 1), 0, GameNumberWidth, CounterHeight));
}

void PanelPictures::DrawBattleCaption(QPainter& painter, QPoint at, int battle) const {
    painter.drawImage(at, battleCaption);
    painter.drawImage(at + QPoint(battleNumberGap, 0), battleNumbers,
                      QRect(BattleNumberWidth * (battle - 1), 0, BattleNumberWidth, CounterHeight));
}

int PanelPictures::RosterRow(const std::string& name) const {
    const auto found = std::find(rosterNames.begin(), rosterNames.end(), name);
    return found == rosterNames.end() ? 0 : static_cast<int>(found - rosterNames.begin());
}

}  // namespace tesseran
