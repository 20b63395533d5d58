// SPDX-License-Identifier: MIT
// The score board: every participant's points in each of the ten games and
// the match total, drawn over the table at the end of a match and whenever
// the player asks for it during one.
#pragma once

#include "engine/GameState.h"
#include "render/PanelPictures.h"
#include "render/TableGeometry.h"

#include <QImage>
#include <QPainter>

#include <array>
#include <string>

namespace tesseran {

// Where the board lies on the canvas.
inline constexpr QRect ScoreBoardRect = RectFromEdges(363, 216, 838, 603);

class ScoreBoard {
public:
    ScoreBoard(const GameState& state, const PanelPictures& pictures) : state_(state), pictures_(pictures) {}

    void Draw(QPainter& painter) const;

    // The board alone, a picture of ScoreBoardRect's size: what the table
    // shows at the end of a match between these participants (by name)
    // with these points (game rows, participant columns).
    static QImage Picture(const std::array<std::string, SeatCount>& names,
                          const std::array<std::array<int, SeatCount>, 10>& scores,
                          const PanelPictures& pictures);

private:
    void DrawNumberRightAligned(QPainter& painter, int lastGlyphX, int y, int value) const;

    const GameState& state_;
    const PanelPictures& pictures_;
};

}  // namespace tesseran
