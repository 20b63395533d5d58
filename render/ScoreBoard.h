// SPDX-License-Identifier: MIT
// The score board: every participant's points in each of the ten games and
// the match total, drawn over the table at the end of a match and whenever
// the player asks for it during one.
#pragma once

#include "engine/GameState.h"
#include "render/PanelPictures.h"
#include "render/TableGeometry.h"

#include <QPainter>

namespace tesseran {

// Where the board lies on the canvas.
inline constexpr QRect ScoreBoardRect = RectFromEdges(363, 216, 838, 603);

class ScoreBoard {
public:
    ScoreBoard(const GameState& state, const PanelPictures& pictures) : state_(state), pictures_(pictures) {}

    void Draw(QPainter& painter) const;

private:
    void DrawNumberRightAligned(QPainter& painter, int lastGlyphX, int y, int value) const;

    const GameState& state_;
    const PanelPictures& pictures_;
};

}  // namespace tesseran
