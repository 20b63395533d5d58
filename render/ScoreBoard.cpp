// SPDX-License-Identifier: MIT
#include "render/ScoreBoard.h"

#include "render/FramedRect.h"

#include <algorithm>
#include <string>

namespace tesseran {

namespace {

const QColor ScoreBoardFill(0, 70, 0);
const QColor ScoreBoardEdge(66, 66, 39);
const QColor ScoreBoardLine(255, 255, 0);
constexpr int CaptionX = 387;
constexpr int ColumnX = 515;
constexpr int ColumnStep = 78;
constexpr int LastGlyphOffset = 48;
constexpr int TopY = 260;
constexpr int RowStep = 30;
constexpr int TotalCaptionWidth = 115;
// Five glyphs fill a column: larger numbers stop at the widest that fits.
constexpr int Minimum = -9999;
constexpr int Maximum = 99999;

}  // namespace

void ScoreBoard::DrawNumberRightAligned(QPainter& painter, int lastGlyphX, int y, int value) const {
    const std::string text = std::to_string(std::clamp(value, Minimum, Maximum));
    const int length = static_cast<int>(text.size());
    // A seven-segment 1 stands at the right of its cell: the minus before it
    // moves up to it, so that "-16" does not read "- 16", and leaves the gap
    // it leaves before any digit that starts in the left half of its cell.
    int minusShift = 0;
    if (length > 1 && text[0] == '-') {
        int latestLeft = 0;
        for (int digit = 0; digit <= 9; ++digit) {
            const int left = pictures_.digitInk[static_cast<size_t>(digit)].left;
            if (left >= 0 && left < DigitWidth / 2) latestLeft = std::max(latestLeft, left);
        }
        const int first = pictures_.digitInk[static_cast<size_t>(text[1] - '0')].left;
        minusShift = std::max(0, first - latestLeft);
    }
    for (int i = 0; i < length; ++i) {
        const int x = lastGlyphX - DigitWidth * (length - 1 - i) + (i == 0 ? minusShift : 0);
        const char character = text[static_cast<size_t>(i)];
        pictures_.DrawDigit(painter, x, y, character == '-' ? MinusGlyph : character - '0');
    }
}

QImage ScoreBoard::Picture(const std::array<std::string, SeatCount>& names,
                           const std::array<std::array<int, SeatCount>, 10>& scores,
                           const PanelPictures& pictures) {
    GameState state;
    state.participantName = names;
    state.score = scores;
    QImage picture(ScoreBoardRect.size(), QImage::Format_RGB32);
    QPainter painter(&picture);
    painter.translate(-ScoreBoardRect.topLeft());
    ScoreBoard(state, pictures).Draw(painter);
    return picture;
}

void ScoreBoard::Draw(QPainter& painter) const {
    FillFramedRect(painter, ScoreBoardRect, ScoreBoardFill, ScoreBoardEdge, 2);
    DrawFrame(painter, ScoreBoardRect.adjusted(2, 2, -2, -2), ScoreBoardLine, 1);

    for (int game = 1; game <= 10; ++game) {
        pictures_.DrawGameCaption(painter, QPoint(CaptionX, 230 + RowStep * game), game);
    }
    painter.drawImage(QPoint(CaptionX, 560), pictures_.banners, QRect(0, 0, TotalCaptionWidth, BannerHeight));

    for (int participant = 0; participant < SeatCount; ++participant) {
        const int row = pictures_.RosterRow(state_.participantName[static_cast<size_t>(participant)]);
        painter.drawImage(QPoint(514 + ColumnStep * participant, 223), pictures_.namePlates,
                          QRect(RelatedPlateColumn, NamePlateHeight * row, NamePlateWidth, NamePlateHeight));
    }

    for (int participant = 0; participant < SeatCount; ++participant) {
        const int lastGlyphX = ColumnX + ColumnStep * participant + LastGlyphOffset;
        long total = 0;
        for (int game = 0; game < 10; ++game) {
            const int points = state_.score[static_cast<size_t>(game)][static_cast<size_t>(participant)];
            total += points;
            DrawNumberRightAligned(painter, lastGlyphX, TopY + RowStep * game, points);
        }
        const int shownTotal = static_cast<int>(std::clamp<long>(total, Minimum, Maximum));
        DrawNumberRightAligned(painter, lastGlyphX, TopY + RowStep * 10, shownTotal);
    }
}

}  // namespace tesseran
