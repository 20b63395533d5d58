// SPDX-License-Identifier: MIT
// The campaign's fixed map data and the lookups over it.
#include "campaign/ProvinceMap.h"

#include "base/ResourceIds.h"
#include "base/StringTable.h"

#include <initializer_list>

namespace tesseran {

namespace {

struct ProvinceRecord {
    int price = 0;
    std::array<int, MaxNeighbours> neighbours{};
    int neighbourCount = 0;
};

// A list longer than MaxNeighbours fails to compile, because writing past the
// array is not a constant expression.
constexpr ProvinceRecord MakeProvince(int price, std::initializer_list<int> neighbours) {
    ProvinceRecord record;
    record.price = price;
    record.neighbours.fill(-1);
    for (int neighbour : neighbours) record.neighbours[record.neighbourCount++] = neighbour;
    return record;
}

// Prices and neighbour lists by province index. The prices are also printed on
// the large map picture, so the two must agree.
constexpr std::array<ProvinceRecord, ProvinceCount> Provinces = {{
    MakeProvince(160, {1, 2}),                                  // 0 蝦夷
    MakeProvince(32, {0, 2, 6}),                                // 1 津軽
    MakeProvince(68, {0, 1, 3, 6}),                             // 2 南部
    MakeProvince(124, {2, 4, 5, 6, 7}),                         // 3 伊達
    MakeProvince(62, {3, 5, 7, 8, 9, 15}),                      // 4 蘆名
    MakeProvince(48, {3, 4, 8, 21}),                            // 5 相馬
    MakeProvince(30, {1, 2, 3, 7}),                             // 6 秋田
    MakeProvince(33, {3, 4, 6, 15}),                            // 7 最上
    MakeProvince(74, {4, 5, 9, 21}),                            // 8 下野
    MakeProvince(100, {4, 8, 10, 15, 25}),                      // 9 上野
    MakeProvince(81, {9, 11, 12, 15, 16, 25, 27, 29, 30, 31}),  // 10 信濃
    MakeProvince(7, {10, 12, 16, 18, 19}),                      // 11 飛弾
    MakeProvince(108, {10, 11, 13, 19, 31, 32, 34}),            // 12 美濃
    MakeProvince(155, {12, 19, 20, 34, 35, 36}),                // 13 近江
    MakeProvince(3, {15}),                                      // 14 佐渡
    MakeProvince(78, {4, 7, 9, 10, 14, 16}),                    // 15 越後
    MakeProvince(76, {10, 11, 15, 17, 18}),                     // 16 越中
    MakeProvince(42, {16, 18}),                                 // 17 能登
    MakeProvince(71, {11, 16, 17, 19}),                         // 18 加賀
    MakeProvince(99, {11, 12, 13, 18, 20}),                     // 19 越前
    MakeProvince(17, {13, 19, 36, 41, 42}),                     // 20 若狭
    MakeProvince(106, {5, 8, 22}),                              // 21 常陸
    MakeProvince(78, {21, 23, 25}),                             // 22 下総
    MakeProvince(75, {22, 24}),                                 // 23 上総
    MakeProvince(9, {23}),                                      // 24 安房
    MakeProvince(133, {9, 10, 22, 26, 27}),                     // 25 武蔵
    MakeProvince(38, {25, 27, 28, 29}),                         // 26 相模
    MakeProvince(45, {10, 25, 26, 29}),                         // 27 甲斐
    MakeProvince(14, {26, 29}),                                 // 28 伊豆
    MakeProvince(30, {10, 26, 27, 28, 30}),                     // 29 駿河
    MakeProvince(51, {10, 29, 31}),                             // 30 遠江
    MakeProvince(58, {10, 12, 30, 32}),                         // 31 三河
    MakeProvince(114, {12, 31, 34}),                            // 32 尾張
    MakeProvince(4, {34}),                                      // 33 志摩
    MakeProvince(113, {12, 13, 32, 33, 35, 37, 57}),            // 34 伊勢
    MakeProvince(2, {13, 34, 36, 37}),                          // 35 伊賀
    MakeProvince(41, {13, 20, 35, 37, 38, 39, 41}),             // 36 山城
    MakeProvince(89, {34, 35, 36, 38, 39, 57}),                 // 37 大和
    MakeProvince(71, {36, 39, 40, 41, 49}),                     // 38 摂津
    MakeProvince(48, {36, 37, 38, 40}),                         // 39 河内
    MakeProvince(28, {38, 39, 57, 58}),                         // 40 和泉
    MakeProvince(52, {20, 36, 38, 42, 43, 49}),                 // 41 丹波
    MakeProvince(22, {20, 41, 43}),                             // 42 丹後
    MakeProvince(22, {41, 42, 44, 49}),                         // 43 但馬
    MakeProvince(17, {43, 45, 49, 50}),                         // 44 因幡
    MakeProvince(20, {44, 46, 50, 52, 53}),                     // 45 伯耆
    MakeProvince(37, {45, 47, 48, 53}),                         // 46 出雲
    MakeProvince(1, {46}),                                      // 47 隠岐
    MakeProvince(22, {46, 53, 54, 55, 56}),                     // 48 石見
    MakeProvince(71, {38, 41, 43, 44, 50, 51, 58}),             // 49 播磨
    MakeProvince(37, {44, 45, 49, 51, 52}),                     // 50 美作
    MakeProvince(44, {49, 50, 52, 60}),                         // 51 備前
    MakeProvince(35, {45, 50, 51, 53}),                         // 52 備中
    MakeProvince(37, {45, 46, 48, 52, 55}),                     // 53 備後
    MakeProvince(33, {48, 55, 56}),                             // 54 周防
    MakeProvince(38, {48, 53, 54, 61}),                         // 55 安芸
    MakeProvince(26, {48, 54, 65}),                             // 56 長門
    MakeProvince(48, {34, 37, 39, 40}),                         // 57 紀伊
    MakeProvince(12, {40, 49, 59}),                             // 58 淡路
    MakeProvince(36, {58, 60, 61, 62}),                         // 59 阿波
    MakeProvince(25, {51, 59, 61}),                             // 60 讃岐
    MakeProvince(73, {55, 59, 60, 62, 66}),                     // 61 伊予
    MakeProvince(19, {59, 61}),                                 // 62 土佐
    MakeProvince(67, {64, 65, 66, 67, 73}),                     // 63 筑前
    MakeProvince(53, {63, 66, 67, 68}),                         // 64 筑後
    MakeProvince(28, {56, 63, 66}),                             // 65 豊前
    MakeProvince(83, {61, 63, 64, 65, 68, 69}),                 // 66 豊後
    MakeProvince(61, {63, 64}),                                 // 67 肥前
    MakeProvince(68, {64, 66, 69, 70}),                         // 68 肥後
    MakeProvince(24, {66, 68, 70, 71}),                         // 69 日向
    MakeProvince(56, {68, 69, 71, 72}),                         // 70 薩摩
    MakeProvince(35, {69, 70, 72}),                             // 71 大隅
    MakeProvince(60, {70, 71}),                                 // 72 琉球
    MakeProvince(1, {63, 74}),                                  // 73 壱岐
    MakeProvince(3, {73}),                                      // 74 対馬
}};

struct EntryRecord {
    int homeProvince;
    EntryColour colour;
};

constexpr EntryColour MakeColour(int red, int green, int blue) {
    return {red, green, blue,
            static_cast<std::uint32_t>(red) | static_cast<std::uint32_t>(green) << 8 |
                static_cast<std::uint32_t>(blue) << 16};
}

constexpr std::array<EntryRecord, EntryCount> Entries = {{
    {1, MakeColour(255, 0, 255)},   // 0 magenta
    {3, MakeColour(0, 255, 255)},   // 1 cyan
    {31, MakeColour(255, 255, 0)},  // 2 yellow
    {27, MakeColour(128, 128, 0)},  // 3 olive
    {15, MakeColour(128, 0, 0)},    // 4 maroon
    {32, MakeColour(255, 0, 0)},    // 5 red
    {13, MakeColour(0, 255, 0)},    // 6 lime
    {55, MakeColour(0, 128, 0)},    // 7 green
    {41, MakeColour(0, 0, 255)},    // 8 blue
    {70, MakeColour(0, 0, 128)},    // 9 navy
}};

constexpr bool NeighbourListsAreSound() {
    for (int province = 0; province < ProvinceCount; ++province) {
        const ProvinceRecord& record = Provinces[province];
        for (int i = 0; i < record.neighbourCount; ++i) {
            int neighbour = record.neighbours[i];
            if (!IsProvince(neighbour) || neighbour == province) return false;
        }
    }
    return true;
}
static_assert(NeighbourListsAreSound(), "every neighbour is another province of the map");

constexpr bool IsContinuationByte(char byte) { return (static_cast<unsigned char>(byte) & 0xC0u) == 0x80u; }

}  // namespace

int ProvincePrice(int province) { return IsProvince(province) ? Provinces[province].price : 0; }

std::span<const int> ProvinceNeighbours(int province) {
    if (!IsProvince(province)) return {};
    const ProvinceRecord& record = Provinces[province];
    return {record.neighbours.data(), static_cast<std::size_t>(record.neighbourCount)};
}

int InitialOwner(int province) {
    for (int entry = 0; entry < EntryCount; ++entry) {
        if (Entries[entry].homeProvince == province) return entry;
    }
    return Unowned;
}

int HomeProvince(int entry) { return IsEntry(entry) ? Entries[entry].homeProvince : -1; }

EntryColour ColourOfEntry(int entry) { return IsEntry(entry) ? Entries[entry].colour : EntryColour{}; }

const char* LatinProvinceName(int province) {
    static constexpr std::array<const char*, ProvinceCount> names = {
        "Ezo",        "Tsugaru", "Nanbu",    "Date",    "Ashina",    "Sōma",    "Akita",   "Mogami",
        "Shimotsuke", "Kōzuke",  "Shinano",  "Hida",    "Mino",      "Ōmi",     "Sado",    "Echigo",
        "Etchū",      "Noto",    "Kaga",     "Echizen", "Wakasa",    "Hitachi", "Shimōsa", "Kazusa",
        "Awa",        "Musashi", "Sagami",   "Kai",     "Izu",       "Suruga",  "Tōtōmi",  "Mikawa",
        "Owari",      "Shima",   "Ise",      "Iga",     "Yamashiro", "Yamato",  "Settsu",  "Kawachi",
        "Izumi",      "Tanba",   "Tango",    "Tajima",  "Inaba",     "Hōki",    "Izumo",   "Oki",
        "Iwami",      "Harima",  "Mimasaka", "Bizen",   "Bitchū",    "Bingo",   "Suō",     "Aki",
        "Nagato",     "Kii",     "Awaji",    "Awa",     "Sanuki",    "Iyo",     "Tosa",    "Chikuzen",
        "Chikugo",    "Buzen",   "Bungo",    "Hizen",   "Higo",      "Hyūga",   "Satsuma", "Ōsumi",
        "Ryūkyū",     "Iki",     "Tsushima"};
    static_assert(names.back() != nullptr, "a Latin name for every province");
    return IsProvince(province) ? names[static_cast<std::size_t>(province)] : "";
}

std::string ProvinceName(int province) { return ProvinceNameIn(LoadString(text::ProvinceNames), province); }

std::string ProvinceNameIn(std::string_view names, int province) {
    if (!IsProvince(province)) return {};
    const int firstCharacter = 2 * province;
    int character = -1;
    std::size_t begin = 0;
    for (std::size_t i = 0; i < names.size(); ++i) {
        // A stray continuation byte at the very start still counts as a
        // character, so malformed text is cut somewhere rather than skipped.
        if (i != 0 && IsContinuationByte(names[i])) continue;
        ++character;
        if (character == firstCharacter) begin = i;
        if (character == firstCharacter + 2) return std::string(names.substr(begin, i - begin));
    }
    if (character == firstCharacter + 1) return std::string(names.substr(begin));
    return {};
}

}  // namespace tesseran
