// SPDX-License-Identifier: MIT
#include "LetteringTable.h"

#include "base/Roster.h"
#include "base/StringTable.h"
#include "campaign/ProvinceMap.h"

namespace tesseran::art {

namespace {

std::array<QString, 10> NamesIn(ArtLanguage language) {
    std::array<QString, 10> names;
    for (int entry = 0; entry < 10; ++entry)
        names[static_cast<std::size_t>(entry)] = language == ArtLanguage::Japanese
                                                     ? QString::fromStdString(RosterName(entry))
                                                     : QString::fromUtf8(LatinRosterName(entry));
    return names;
}

std::array<QString, 6> HomesIn(ArtLanguage language) {
    std::array<QString, 6> homes;
    for (std::size_t index = 0; index < SelectableEntries.size(); ++index) {
        const int province = HomeProvince(SelectableEntries[index]);
        homes[index] = language == ArtLanguage::Japanese ? QString::fromStdString(ProvinceName(province))
                                                         : QString::fromUtf8(LatinProvinceName(province));
    }
    return homes;
}

}  // namespace

const LetteringTable& LetteringFor(ArtLanguage language) {
    static const LetteringTable Japanese{
        true,
        {QStringLiteral("第"), QRectF(6, 4, 24, 18), 17, QStringLiteral("ゲーム"), QRectF(56, 4, 53, 18), 16,
         32},
        {QStringLiteral("第"), QRectF(3, 4, 16, 18), 16, QStringLiteral("戦目"), QRectF(48, 4, 46, 18), 17,
         22},
        true,
        {QStringLiteral("合計"), QStringLiteral("16宣言中"), QStringLiteral("逆16宣言中"),
         QStringLiteral("初期設定中"), QStringLiteral("旗をクリックして開始"), QStringLiteral("役決め中"),
         QStringLiteral("宣言スコンク中"), QStringLiteral("宣言16中"), QStringLiteral("宣言逆スコンク中"),
         QStringLiteral("宣言逆16中")},
        QStringLiteral("K"),
        QStringLiteral("M"),
        QStringLiteral("絵"),
        QStringLiteral("相方"),
        QStringLiteral("先手"),
        QStringLiteral("ヤク"),
        QStringLiteral("請求"),
        QStringLiteral("打ち手の選択"),
        QStringLiteral("札"),
        {QStringLiteral("津軽"), QStringLiteral("伊達"), QStringLiteral("甲斐"), QStringLiteral("越後"),
         QStringLiteral("安芸"), QStringLiteral("薩摩")},
        QStringLiteral("保"),
        NamesIn(ArtLanguage::Japanese),
    };
    // English reads the number after the word: "Game 7", "Battle 2".
    static const LetteringTable English{
        false,
        {QStringLiteral("Game"), QRectF(7, 5, 54, 16), 16, QString(), QRectF(), 0, 68},
        {QStringLiteral("Battle"), QRectF(7, 5, 56, 16), 16, QString(), QRectF(), 0, 70},
        false,
        {QStringLiteral("Total"), QStringLiteral("Going for 16"), QStringLiteral("Going for reverse 16"),
         QStringLiteral("Setting up"), QStringLiteral("Click the flag to start"),
         QStringLiteral("Naming the trump"), QStringLiteral("Declared skunk"), QStringLiteral("Declared 16"),
         QStringLiteral("Declared reverse skunk"), QStringLiteral("Declared reverse 16")},
        QStringLiteral("R"),
        QStringLiteral("U"),
        QStringLiteral("F"),
        QStringLiteral("Partner"),
        QStringLiteral("Lead"),
        QStringLiteral("TRUMP"),
        QStringLiteral("ASKS"),
        QStringLiteral("Choose a player"),
        QStringLiteral("T"),
        HomesIn(ArtLanguage::English),
        QStringLiteral("S"),
        NamesIn(ArtLanguage::English),
    };
    return language == ArtLanguage::English ? English : Japanese;
}

}  // namespace tesseran::art
