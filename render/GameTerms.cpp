// SPDX-License-Identifier: MIT
#include "render/GameTerms.h"

#include "base/Cards.h"
#include "base/Roster.h"
#include "base/StringTable.h"
#include "campaign/ProvinceMap.h"
#include "resources/Language.h"

#include <QCoreApplication>

#include <algorithm>
#include <iterator>

namespace tesseran {

QString EntryName(int entry) {
    if (CurrentLanguage() == Language::Japanese) return QString::fromStdString(RosterName(entry));
    return QString::fromUtf8(LatinRosterName(entry));
}

QString ProvinceLabel(int province) {
    if (CurrentLanguage() == Language::Japanese) return QString::fromStdString(ProvinceName(province));
    return QString::fromUtf8(LatinProvinceName(province));
}

QString DisplayName(const std::string& recordedName) {
    for (int entry = 0; entry < EntryCount; ++entry)
        if (RosterName(entry) == recordedName) return EntryName(entry);
    return QString::fromStdString(recordedName);
}

QString SuitName(int suit) {
    static const char* const suits[] = {
        QT_TRANSLATE_NOOP("GameTerms", "クラブ"), QT_TRANSLATE_NOOP("GameTerms", "ダイヤ"),
        QT_TRANSLATE_NOOP("GameTerms", "ハート"), QT_TRANSLATE_NOOP("GameTerms", "スペード")};
    return QCoreApplication::translate("GameTerms", suits[std::clamp(suit, 0, 3)]);
}

QString CardName(int card) {
    if (card == Joker) return QCoreApplication::translate("GameTerms", "ジョーカー");
    if (!IsCardCode(card)) return QString();
    // The 10 of a suit is its pin.
    const QString rank =
        RankOf(card) == 10 ? QCoreApplication::translate("GameTerms", "ピン") : QString::number(RankOf(card));
    return QCoreApplication::translate("GameTerms", "%1の%2").arg(SuitName(SuitOf(card)), rank);
}

QString ResultName(BattleResult result) {
    static const char* const names[] = {
        QT_TRANSLATE_NOOP("GameTerms", "関係グループの勝ち"),
        QT_TRANSLATE_NOOP("GameTerms", "無関係グループの勝ち"),
        QT_TRANSLATE_NOOP("GameTerms", "スコン勝ち"),
        QT_TRANSLATE_NOOP("GameTerms", "逆スコン勝ち"),
        QT_TRANSLATE_NOOP("GameTerms", "「１６」勝ち"),
        QT_TRANSLATE_NOOP("GameTerms", "「１６」失敗"),
        QT_TRANSLATE_NOOP("GameTerms", "「逆１６」勝ち"),
        QT_TRANSLATE_NOOP("GameTerms", "「逆１６」失敗"),
        QT_TRANSLATE_NOOP("GameTerms", "「宣言スコンク」勝ち"),
        QT_TRANSLATE_NOOP("GameTerms", "「宣言スコンク」失敗"),
        QT_TRANSLATE_NOOP("GameTerms", "「宣言１６」勝ち"),
        QT_TRANSLATE_NOOP("GameTerms", "「宣言１６」失敗"),
        QT_TRANSLATE_NOOP("GameTerms", "「宣言逆スコンク」勝ち"),
        QT_TRANSLATE_NOOP("GameTerms", "「宣言逆スコンク」失敗"),
        QT_TRANSLATE_NOOP("GameTerms", "「宣言逆１６」勝ち"),
        QT_TRANSLATE_NOOP("GameTerms", "「宣言逆１６」失敗"),
    };
    static_assert(std::size(names) == static_cast<std::size_t>(BattleResult::Count));
    const auto index = static_cast<std::size_t>(result);
    return index < std::size(names) ? QCoreApplication::translate("GameTerms", names[index]) : QString();
}

}  // namespace tesseran
