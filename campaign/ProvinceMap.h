// SPDX-License-Identifier: MIT
// The fixed map of the campaign: the 75 provinces with their prices and
// neighbour lists, and the ten roster entries with their home provinces and
// colours.
//
// Nothing here changes while the program runs; who owns what lives in the
// settings store (Campaign.h). Every accessor accepts any integer and answers
// with a neutral value outside the valid range, so a stray index from the
// store or a click never reads past a table.
#pragma once

#include "base/Roster.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace tesseran {

inline constexpr int ProvinceCount = 75;
// The owner value of a province that nobody owns.
inline constexpr int Unowned = 10;
// The longest neighbour list of the map.
inline constexpr int MaxNeighbours = 10;
// The computer-led entries that conquer by rule, in the order they move.
inline constexpr std::array<int, 4> Regulars = {2, 5, 6, 8};

struct EntryColour {
    int red = 0;
    int green = 0;
    int blue = 0;
    // The same colour packed as 0x00BBGGRR, the way the colour is stored.
    std::uint32_t packed = 0;
};

constexpr bool IsProvince(int province) { return province >= 0 && province < ProvinceCount; }

// The price of a province in koku; 0 for an index that is no province.
int ProvincePrice(int province);

// The province's own neighbour list in its fixed order. A few lists are
// one-way, so whose list is read matters. Empty for an index that is no province.
std::span<const int> ProvinceNeighbours(int province);

// The entry whose home the province is, or Unowned.
int InitialOwner(int province);

// The entry's home province, or -1 for an index that is no entry.
int HomeProvince(int entry);

// The entry's colour on the maps; black for an index that is no entry.
EntryColour ColourOfEntry(int entry);

// The province's two-character name from the program's texts, or "" when the
// index is no province or the text is too short.
std::string ProvinceName(int province);
// The province's name in Latin letters (modified Hepburn: "Yamato",
// "Kōzuke"), or "" when the index is no province.
const char* LatinProvinceName(int province);

// Province i's name within a text of two-character names in province order
// (UTF-8): characters 2i and 2i+1, cut by characters rather than bytes.
std::string ProvinceNameIn(std::string_view names, int province);

}  // namespace tesseran
