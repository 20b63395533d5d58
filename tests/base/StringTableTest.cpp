// SPDX-License-Identifier: MIT
// The string table: exact bytes of the
// quoted texts, the province-name string, the roster profiles and the version
// history, and the empty text for numbers the table does not hold.
#include "base/StringTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace tesseran {
namespace {

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::string::size_type start = 0;
    while (true) {
        const auto end = text.find('\n', start);
        lines.push_back(text.substr(start, end - start));
        if (end == std::string::npos) return lines;
        start = end + 1;
    }
}

// The encoded characters of a UTF-8 text, or nothing when the text is not
// well-formed UTF-8 (a bad lead byte, a missing continuation byte, an overlong
// form, a surrogate or a code point above U+10FFFF).
std::optional<std::vector<std::string>> Utf8Characters(const std::string& text) {
    std::vector<std::string> characters;
    std::string::size_type i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        int length = 0;
        char32_t codePoint = 0;
        if (lead < 0x80) {
            length = 1;
            codePoint = lead;
        } else if ((lead & 0xE0) == 0xC0) {
            length = 2;
            codePoint = lead & 0x1F;
        } else if ((lead & 0xF0) == 0xE0) {
            length = 3;
            codePoint = lead & 0x0F;
        } else if ((lead & 0xF8) == 0xF0) {
            length = 4;
            codePoint = lead & 0x07;
        } else {
            return std::nullopt;
        }
        if (i + length > text.size()) return std::nullopt;
        for (int k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80) return std::nullopt;
            codePoint = (codePoint << 6) | (next & 0x3F);
        }
        const char32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (codePoint < smallest[length] || codePoint > 0x10FFFF ||
            (codePoint >= 0xD800 && codePoint <= 0xDFFF)) {
            return std::nullopt;
        }
        characters.push_back(text.substr(i, length));
        i += length;
    }
    return characters;
}

std::vector<std::string> ProvinceNames() {
    std::vector<std::string> names;
    const auto characters = Utf8Characters(LoadString(30013));
    if (!characters) return names;
    for (std::size_t i = 0; i + 1 < characters->size(); i += 2) {
        names.push_back((*characters)[i] + (*characters)[i + 1]);
    }
    return names;
}

struct QuotedText {
    int id;
    const char* text;
};

TEST(StringTable, QuotedTextsAreStoredByteForByte) {
    const QuotedText cases[] = {
        {30001, "メモリの確保に失敗しました"},
        {30008, "役がスーぺ以外の時の第一戦目の打ち出しは、必ずスーペピンを出さなければいけません"},
        {30009, "役がスーぺの時の第一戦目の打ち出しは、必ずグラフピンを出さなければいけません"},
        {30012, "現在の獲得数がなくなりますがよろしいですか"},
        {30015, "見せ札（２枚）を場に出してください"},
        {30016, "関係グループのスコン勝ちです\n続けて１６を狙いますか"},
        {30029, "請求された紋のカードがあります！\n請求紋がある時は必ず出さなければいけません"},
        {30031,
         "ゲーム開始方法\n① 画面左上の「旗のアイコン」をクリックします\n　または、F1キー押下します\n② "
         "表示されたメニューの「開始」をクリックします\n　設定メニューの「自動スタート」でこの動作を省略でき"
         "ます"},
        {30032, "国盗り実行は、拡大マップでないとできません\n（右下の Zoom ボタンをクリック）"},
        {30055, "カンニングウィンドウの作成に失敗しました"},
        {30069, "正常に保存しました\n保存場所を表示しますか"},
        {30110,
         "現在の役の紋柄です\nクラブ・ダイヤ・ハート・スペードの４種類の紋柄の中で、一番強い紋柄です\n一戦目"
         "の役は、第１ゲームのクラブから始まり、ダイヤ・ハートと繰り返します\n第10ゲームだけは、スペードが役"
         "になります(止めスッペと呼ばれます)\n二戦目、三戦目の役は、関係グループが決めます"},
        {30120, "スペードの残り枚数です\nスペードの最初の枚数は、他の紋柄より１枚少ない9枚です"},
        {30121,
         "各自がカードを出し合う場所で、「場」と言います\n全員が出し終えた後、場に置かれた絵札は一番強かった"
         "人"
         "の面前に並べられます\n絵札以外は、「捨て場」に裏返しにして重ねて置かれます\n※ "
         "場をクリックすると前の巡に各自が出したカードを確認できます\n（マウスボタンを離すと元に戻ります）"},
        {30127,
         "現時点での権利の状態を表しています\n「安全地帯標識」の場合は、味方に権利がある状態\n「その他の危険"
         "標識"
         "」の場合は、敵に権利がある状態\nを表しています"},
        {30163, "エクスプローラの起動に失敗しました"},
    };
    for (const auto& quoted : cases) {
        SCOPED_TRACE(quoted.id);
        EXPECT_EQ(LoadString(quoted.id), quoted.text);
    }
}

// Look-alike characters that an editor or a font can silently swap: the rule
// messages mix hiragana "ぺ" and katakana "ペ", and the texts use full-width
// digits, brackets, spaces and circled numbers.
TEST(StringTable, LookAlikeCharactersAreKeptAsQuoted) {
    const QuotedText cases[] = {
        {30008, "\xE3\x82\xB9\xE3\x83\xBC\xE3\x81\xBA\xE4\xBB\xA5"},  // スーぺ以 (hiragana pe)
        {30008, "\xE3\x82\xB9\xE3\x83\xBC\xE3\x83\x9A\xE3\x83\x94"},  // スーペピ (katakana pe)
        {30009, "\xE3\x82\xB9\xE3\x83\xBC\xE3\x81\xBA\xE3\x81\xAE"},  // スーぺの (hiragana pe)
        {30016, "\xEF\xBC\x91\xEF\xBC\x96"},                          // full-width １６
        {30031, "\n\xE3\x80\x80"},                                    // ideographic space after a break
        {30031, "\xE2\x91\xA0 "},                                     // ① and an ASCII space
        {30032, "\xEF\xBC\x88"},                                      // full-width （
        {30110, "(\xE6\xAD\xA2"},                                     // ASCII ( before 止
    };
    for (const auto& quoted : cases) {
        SCOPED_TRACE(quoted.id);
        EXPECT_NE(LoadString(quoted.id).find(quoted.text), std::string::npos);
    }
}

// Messages the caller composes: only the quoted part after the caller's own
// words is stored.
TEST(StringTable, ComposedMessagesStoreOnlyTheirOwnPart) {
    const QuotedText cases[] = {
        {30014, "天下統一を達成しました"},
        {30028, "次回の起動時から適用されます"},
        {30051, "実行ファイルと同じ場所に上記のファイルが見つかりません"},
    };
    for (const auto& quoted : cases) {
        SCOPED_TRACE(quoted.id);
        EXPECT_EQ(LoadString(quoted.id), quoted.text);
    }
}

TEST(StringTable, NumbersOfOurOwnHoldTheirTexts) {
    const QuotedText cases[] = {
        {30038, "関係グループが「宣言スコンク」を宣言しました"},
        {30039, "無関係グループが「宣言逆スコンク」を宣言しました"},
        {30040, "関係グループが「宣言１６」を宣言しました"},
        {30041, "無関係グループが「宣言逆１６」を宣言しました"},
        {30058, "ファイルを保存できませんでした"},
    };
    for (const auto& quoted : cases) {
        SCOPED_TRACE(quoted.id);
        EXPECT_EQ(LoadString(quoted.id), quoted.text);
    }
}

// The table holds exactly these numbers, each with well-formed UTF-8 and real
// line breaks (a doubled backslash in the source would leave a "\" behind).
TEST(StringTable, HoldsExactlyTheNumbersTheProgramUses) {
    std::set<int> expected = {30001, 30004, 30006, 30007, 30008, 30009, 30011, 30012, 30013, 30014, 30015,
                              30016, 30017, 30018, 30019, 30020, 30021, 30022, 30023, 30024, 30025, 30026,
                              30028, 30029, 30030, 30031, 30032, 30033, 30034, 30036, 30037, 30038, 30039,
                              30040, 30041, 30043, 30044, 30045, 30046, 30047, 30048, 30049, 30050, 30051,
                              30052, 30054, 30055, 30056, 30057, 30058, 30061, 30069, 30162, 30163};
    for (int id = 30100; id <= 30127; ++id) expected.insert(id);
    for (int id = 30200; id <= 30207; ++id) expected.insert(id);
    for (int id = 30300; id <= 30308; ++id) expected.insert(id);

    std::set<int> present;
    for (int id = 29000; id <= 31000; ++id) {
        if (!LoadString(id).empty()) present.insert(id);
    }
    EXPECT_EQ(present, expected);

    for (const int id : present) {
        SCOPED_TRACE(id);
        const std::string& text = LoadString(id);
        EXPECT_TRUE(Utf8Characters(text).has_value());
        EXPECT_EQ(text.find('\\'), std::string::npos);
        EXPECT_EQ(text.find('\0'), std::string::npos);
        EXPECT_NE(text.front(), '\n');
        if (id < 30200) {
            EXPECT_EQ(text.find('\r'), std::string::npos);
        }
    }
}

TEST(StringTable, ProvinceStringHoldsSeventyFiveTwoCharacterNames) {
    const std::string& provinces = LoadString(30013);
    EXPECT_EQ(provinces,
              "蝦夷津軽南部伊達蘆名相馬秋田最上下野上野信濃飛弾美濃近江佐渡越後越中能登加賀越前"
              "若狭常陸下総上総安房武蔵相模甲斐伊豆駿河遠江三河尾張志摩伊勢伊賀山城大和摂津河内"
              "和泉丹波丹後但馬因幡伯耆出雲隠岐石見播磨美作備前備中備後周防安芸長門紀伊淡路阿波"
              "讃岐伊予土佐筑前筑後豊前豊後肥前肥後日向薩摩大隅琉球壱岐対馬");
    EXPECT_EQ(provinces.size(), 450u);
    const auto characters = Utf8Characters(provinces);
    ASSERT_TRUE(characters.has_value());
    ASSERT_EQ(characters->size(), 150u);
    for (const auto& character : *characters) EXPECT_EQ(character.size(), 3u) << character;

    const std::vector<std::string> names = ProvinceNames();
    ASSERT_EQ(names.size(), 75u);
    EXPECT_EQ(std::set<std::string>(names.begin(), names.end()).size(), 75u);

    const struct {
        int index;
        const char* name;
    } cases[] = {
        {0, "蝦夷"},  {1, "津軽"},  {3, "伊達"},  {10, "信濃"}, {11, "飛弾"}, {13, "近江"}, {25, "武蔵"},
        {27, "甲斐"}, {31, "三河"}, {32, "尾張"}, {41, "丹波"}, {55, "安芸"}, {70, "薩摩"}, {74, "対馬"},
    };
    for (const auto& province : cases) {
        SCOPED_TRACE(province.index);
        EXPECT_EQ(names[province.index], province.name);
    }
}

TEST(StringTable, EveryRosterProfileHasNamePersonalityAndHomeProvince) {
    const char* const homeProvinces[10] = {"津軽", "伊達", "三河", "甲斐", "越後",
                                           "尾張", "近江", "安芸", "丹波", "薩摩"};
    const std::vector<std::string> provinceNames = ProvinceNames();
    std::set<std::string> names;
    for (int entry = 0; entry < 10; ++entry) {
        SCOPED_TRACE(entry);
        const std::vector<std::string> lines = SplitLines(LoadString(30100 + entry));
        ASSERT_EQ(lines.size(), 3u);
        EXPECT_FALSE(lines[1].empty());
        EXPECT_EQ(lines[2], std::string("本拠地：") + homeProvinces[entry]);
        EXPECT_NE(std::find(provinceNames.begin(), provinceNames.end(), homeProvinces[entry]),
                  provinceNames.end());

        const std::string name = RosterName(entry);
        EXPECT_EQ(name, lines[0]);
        const auto characters = Utf8Characters(name);
        ASSERT_TRUE(characters.has_value());
        EXPECT_GE(characters->size(), 2u);
        EXPECT_LE(characters->size(), 6u);
        names.insert(name);
    }
    EXPECT_EQ(names.size(), 10u);
}

TEST(StringTable, RosterNameIsEmptyOutsideTheRoster) {
    for (const int entry : {-1, 10, 11, 100, INT_MIN, INT_MAX}) {
        SCOPED_TRACE(entry);
        EXPECT_EQ(RosterName(entry), "");
    }
}

// Each entry is one line "Ver x.yy  yyyy.mm.dd  note\r\n", oldest at 30200,
// dated in 2026 up to 2026.12.08.
TEST(StringTable, VersionHistoryLinesAreDatedAndEndWithCarriageReturnLineFeed) {
    std::string previousDate;
    for (int id = 30200; id <= 30207; ++id) {
        SCOPED_TRACE(id);
        const std::string& line = LoadString(id);
        ASSERT_GE(line.size(), 24u);
        EXPECT_EQ(line.substr(line.size() - 2), "\r\n");
        EXPECT_EQ(line.find('\r'), line.size() - 2);
        EXPECT_EQ(line.find('\n'), line.size() - 1);
        EXPECT_EQ(line.substr(0, 4), "Ver ");

        const auto dateStart = line.find("  ") + 2;
        const std::string date = line.substr(dateStart, 10);
        EXPECT_EQ(date.substr(0, 5), "2026.");
        EXPECT_EQ(date[7], '.');
        EXPECT_EQ(line.substr(dateStart + 10, 2), "  ");
        EXPECT_LE(date, "2026.12.08");
        EXPECT_GT(date, previousDate);
        previousDate = date;
    }
}

TEST(StringTable, UnknownNumbersGiveTheEmptyText) {
    for (const int id :
         {0, -1, 1, 30000, 30002, 30027, 30099, 30128, 30164, 30208, 99999, INT_MIN, INT_MAX}) {
        SCOPED_TRACE(id);
        EXPECT_EQ(LoadString(id), "");
    }
    EXPECT_EQ(&LoadString(-1), &LoadString(30002));
}

TEST(StringTable, TextsStayAtOneAddress) {
    const std::string& first = LoadString(30001);
    EXPECT_EQ(&first, &LoadString(30001));
}

}  // namespace
}  // namespace tesseran
