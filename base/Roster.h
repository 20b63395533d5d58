// SPDX-License-Identifier: MIT
// The roster: ten entries (players) 0..9, whose names and profiles are texts
// 30100 + entry of the string table. Every match seats the same three
// computer entries as participants 0, 1 and 2; the human plays as participant
// 3, under one of the six entries the entry dialog offers.
#pragma once

#include <array>

namespace tesseran {

inline constexpr int EntryCount = 10;

// The entries of participants 0, 1 and 2.
inline constexpr std::array<int, 3> ComputerEntries = {5, 6, 2};

// The entries the human may play as, in the order the entry dialog offers them.
inline constexpr std::array<int, 6> SelectableEntries = {0, 1, 3, 4, 7, 9};

constexpr bool IsEntry(int entry) { return entry >= 0 && entry < EntryCount; }

constexpr bool IsSelectableEntry(int entry) {
    for (int selectable : SelectableEntries) {
        if (entry == selectable) return true;
    }
    return false;
}

// The entry's name in Latin letters (modified Hepburn), as a language
// written in them shows it: "Himuro Hyōgo". Empty for an index that is no
// entry.
inline constexpr std::array<const char*, EntryCount> LatinRosterNames = {
    "Himuro Hyōgo",  "Aoba Mondo",  "Matsukaze Gyōbu", "Shirane Sakyō", "Yukino Kenmotsu",
    "Narumi Daizen", "Niomi Danjō", "Seto Hayato",     "Kirino Uneme",  "Kinkō Shōgen"};
constexpr const char* LatinRosterName(int entry) {
    return IsEntry(entry) ? LatinRosterNames[static_cast<std::size_t>(entry)] : "";
}

// The entry of a participant (0..3) when the human plays as humanEntry; -1
// for anything that is no participant.
constexpr int ParticipantEntry(int participant, int humanEntry) {
    if (participant >= 0 && participant < 3) return ComputerEntries[static_cast<std::size_t>(participant)];
    return participant == 3 ? humanEntry : -1;
}

}  // namespace tesseran
