// SPDX-License-Identifier: MIT
// The game's terms as the player reads them in balloons, hints, the review
// and the statistics: cards ("ハートの7", "スペードのピン", "ジョーカー"),
// suits, and the result kinds of a battle.
#pragma once

#include "engine/BattleRules.h"

#include <QString>

#include <string>

namespace tesseran {

// A roster entry's name, a province's, and a participant's by the name the
// game record keeps (the Japanese one): in Latin letters for a language
// written in them.
QString EntryName(int entry);
QString ProvinceLabel(int province);
QString DisplayName(const std::string& recordedName);

QString CardName(int card);
QString SuitName(int suit);
// A battle's result as the table's messages name it ("スコン勝ち", "「宣言１６」失敗").
QString ResultName(BattleResult result);

}  // namespace tesseran
