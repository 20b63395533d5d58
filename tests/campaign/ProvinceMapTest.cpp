// SPDX-License-Identifier: MIT
// The fixed map: the roster's homes and colours, the province names and the
// neutral answers for indexes that are no province or entry.
#include "campaign/ProvinceMap.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>

namespace tesseran {
namespace {

struct EntryRow {
    int entry;
    int home;
    int red;
    int green;
    int blue;
    std::uint32_t packed;
};

TEST(ProvinceMapTest, EveryEntryHasItsHomeAndColour) {
    const EntryRow rows[] = {
        {0, 1, 255, 0, 255, 0xFF00FF},  {1, 3, 0, 255, 255, 0xFFFF00}, {2, 31, 255, 255, 0, 0x00FFFF},
        {3, 27, 128, 128, 0, 0x008080}, {4, 15, 128, 0, 0, 0x000080},  {5, 32, 255, 0, 0, 0x0000FF},
        {6, 13, 0, 255, 0, 0x00FF00},   {7, 55, 0, 128, 0, 0x008000},  {8, 41, 0, 0, 255, 0xFF0000},
        {9, 70, 0, 0, 128, 0x800000},
    };
    for (const EntryRow& row : rows) {
        SCOPED_TRACE(row.entry);
        EXPECT_EQ(HomeProvince(row.entry), row.home);
        EXPECT_EQ(InitialOwner(row.home), row.entry);
        EntryColour colour = ColourOfEntry(row.entry);
        EXPECT_EQ(colour.red, row.red);
        EXPECT_EQ(colour.green, row.green);
        EXPECT_EQ(colour.blue, row.blue);
        EXPECT_EQ(colour.packed, row.packed);
    }
    int ownedAtStart = 0;
    for (int province = 0; province < ProvinceCount; ++province) {
        if (InitialOwner(province) != Unowned) ++ownedAtStart;
    }
    EXPECT_EQ(ownedAtStart, EntryCount);
}

TEST(ProvinceMapTest, OneWayNeighbourListsAreKeptAsListed) {
    auto lists = [](int province, int neighbour) {
        auto neighbours = ProvinceNeighbours(province);
        return std::find(neighbours.begin(), neighbours.end(), neighbour) != neighbours.end();
    };
    EXPECT_TRUE(lists(37, 38));
    EXPECT_FALSE(lists(38, 37));
    EXPECT_TRUE(lists(57, 39));
    EXPECT_FALSE(lists(39, 57));
    EXPECT_EQ(ProvinceNeighbours(10).size(), 10u);
}

TEST(ProvinceMapTest, IndexesOutsideTheMapGetNeutralAnswers) {
    for (int index : {-1, ProvinceCount, 1000}) {
        EXPECT_EQ(ProvincePrice(index), 0);
        EXPECT_TRUE(ProvinceNeighbours(index).empty());
        EXPECT_EQ(InitialOwner(index), Unowned);
    }
    for (int entry : {-1, EntryCount}) {
        EXPECT_EQ(HomeProvince(entry), -1);
        EXPECT_EQ(ColourOfEntry(entry).packed, 0u);
    }
}

TEST(ProvinceMapTest, ProvinceNamesComeFromTheTextTable) {
    EXPECT_EQ(ProvinceName(0), "蝦夷");
    EXPECT_EQ(ProvinceName(10), "信濃");
    EXPECT_EQ(ProvinceName(37), "大和");
    EXPECT_EQ(ProvinceName(74), "対馬");
    EXPECT_EQ(ProvinceName(-1), "");
    EXPECT_EQ(ProvinceName(ProvinceCount), "");
}

TEST(ProvinceMapTest, NamesAreCutByCharactersNotBytes) {
    // Names of one, two and three bytes per character in a row.
    const std::string names = "ab蝦夷cé津";
    EXPECT_EQ(ProvinceNameIn(names, 0), "ab");
    EXPECT_EQ(ProvinceNameIn(names, 1), "蝦夷");
    EXPECT_EQ(ProvinceNameIn(names, 2), "cé");
    EXPECT_EQ(ProvinceNameIn(names, 3), "");  // only one character left
    EXPECT_EQ(ProvinceNameIn(names, 4), "");
    EXPECT_EQ(ProvinceNameIn("", 0), "");
    // A stray continuation byte must not make the cut run past the text.
    EXPECT_EQ(ProvinceNameIn("\x80\x80"
                             "a",
                             0),
              "\x80\x80"
              "a");
}

}  // namespace
}  // namespace tesseran
