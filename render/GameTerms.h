// SPDX-License-Identifier: MIT
// The game's terms as the player reads them in balloons, hints, the review
// and the statistics: cards ("ハートの7", "スペードのピン", "ジョーカー"),
// suits, and the result kinds of a battle.
#pragma once

#include "engine/BattleRules.h"

#include <QString>

namespace tesseran {

QString CardName(int card);
QString SuitName(int suit);
// A battle's result as the table's messages name it ("スコン勝ち", "「宣言１６」失敗").
QString ResultName(BattleResult result);

}  // namespace tesseran
