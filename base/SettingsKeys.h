// SPDX-License-Identifier: MIT
// Every value the program keeps in the settings store, each under one name
// with its one default. Code reads and writes settings through these, never
// through a section and key spelled out again:
//
//     speed = settings.Read(setting::Speed);
//     settings.Write(setting::Angle, whole);
//
// The sections and keys are the stored names, which other copies of the
// program (the peek process) and earlier versions rely on; they never change.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace tesseran {

// An integer value under a section and key, with the value read when the
// store holds none. A setting that names the values it accepts reads any
// other stored value (edited by hand, left by another program, damaged) as
// its default, and puts the default back in the store.
struct IntSetting {
    std::string_view section;
    std::string_view key;
    int defaultValue;
    bool (*accepts)(int) = nullptr;
};

// A text value under a section and key.
struct TextSetting {
    std::string_view section;
    std::string_view key;
    std::string_view defaultValue;
};

namespace setting {

// The five speeds of the menu, in steps of 111 ms between the computers' moves.
inline constexpr std::array<int, 5> Speeds = {1, 5, 9, 13, 17};
constexpr bool IsSpeed(int value) {
    for (int speed : Speeds)
        if (speed == value) return true;
    return false;
}

// --- "Settei": the player's settings --------------------------------------
inline constexpr IntSetting Speed{"Settei", "Speed", 9, IsSpeed};
inline constexpr IntSetting OpenMode{"Settei", "OpenMode", 0};
inline constexpr IntSetting Sound{"Settei", "Koukaon", 1};
inline constexpr IntSetting RuleRemarks{"Settei", "RuleRem", 1};
inline constexpr IntSetting DisplayRemarks{"Settei", "DspRem", 1};
inline constexpr IntSetting RemainingCards{"Settei", "NokoriDsp", 1};
inline constexpr IntSetting StatusDisplay{"Settei", "DspInfo", 1};
inline constexpr IntSetting AutoStart{"Settei", "AutoStart", 0};
// How the computers play: 0 標準, by their fixed rules; 1 強い, by searching
// deals that agree with what each may see.
constexpr bool IsStrength(int value) { return value == 0 || value == 1; }
inline constexpr IntSetting ComputerStrength{"Settei", "Tsuyosa", 0, IsStrength};
inline constexpr IntSetting EntryNo{"Settei", "EntryNo", 0};
// The first-match guide: -1 not decided yet (on for a player who has not
// finished a match), 0 off, 1 on; and the guide's balloons already shown,
// one bit each.
constexpr bool IsGuideState(int value) { return value >= -1 && value <= 1; }
inline constexpr IntSetting Guide{"Settei", "Guide", -1, IsGuideState};
constexpr bool IsGuideSeen(int value) { return value >= 0 && value < (1 << 16); }
inline constexpr IntSetting GuideSeen{"Settei", "GuideSeen", 0, IsGuideSeen};
// The main window's width: 640, 800, 1024, 1200, 1400 or 1600. The default
// is none of them: it means "not chosen yet", and the window then chooses
// from the desktop (the menu shows 640 X 480 for it).
inline constexpr IntSetting ScreenWidth{"Settei", "Gamen", 1000};

// --- "Last": what the program remembers of the last session -------------
inline constexpr IntSetting Angle{"Last", "Kakudo", 21};     // the table's whole degrees
inline constexpr IntSetting CardBack{"Last", "BackSet", 0};  // 0..3 the preset backs, 4 the player's picture
inline constexpr IntSetting CardFrame{"Last", "CardWaku", 1};  // a frame line around the backs
inline constexpr IntSetting ConquestZoomed{"Last", "Zoomed", 0};
inline constexpr IntSetting ConquestLeft{"Last", "PX", 0};
inline constexpr IntSetting ConquestTop{"Last", "PY", 0};
inline constexpr IntSetting ConquestWidth{"Last", "SX", 640};
inline constexpr IntSetting ConquestHeight{"Last", "SY", 480};

// --- "Cun": the channel between the game and its peek process ------------
// The seat whose hand the peek window shows (0..2); 4 closes the window.
inline constexpr IntSetting PeekSeat{"Cun", "Now", 0};
inline constexpr int PeekClosed = 4;
inline constexpr TextSetting PeekName{"Cun", "Name", ""};
// 1 while a peek process runs.
inline constexpr IntSetting PeekRunning{"Cun", "CunningView", 0};
// The computer seats' hands as "3,14,25,", one key per seat ("0", "1", "2").
inline constexpr std::string_view PeekSection = "Cun";
inline constexpr std::array<TextSetting, 3> PeekHands = {
    TextSetting{"Cun", "0", ""}, TextSetting{"Cun", "1", ""}, TextSetting{"Cun", "2", ""}};

// --- The campaign ----------------------------------------------------------
// 1 once the campaign has been set up; 0 asks for a fresh one at the next start.
inline constexpr IntSetting CampaignInitialised{"Kunitori", "INIT", 0};
// A province's owner: "Owner"/"Kuni<province>"; an entry's koku: "Entry"/"Entry<entry>".
inline constexpr std::string_view OwnerSection = "Owner";
inline constexpr std::string_view BalanceSection = "Entry";
inline std::string OwnerKey(int province) { return "Kuni" + std::to_string(province); }
inline std::string BalanceKey(int entry) { return "Entry" + std::to_string(entry); }
inline constexpr int BalanceDefault = 0;
// The id of the last match whose koku were credited, written with the
// balances in one commit, so that a match taken up again from its snapshot
// after a crash is never credited a second time.
inline constexpr TextSetting CreditedMatch{"Kunitori", "Credited", ""};
// The language the program speaks: "ja", "en", or empty for the desktop's.
inline constexpr TextSetting LanguageChoice{"Settei", "Language", ""};

// Every named value above, for whatever must go through them all (checking
// that no stored value, however wrong, stops the program).
inline constexpr std::array AllIntSettings{Speed,
                                           OpenMode,
                                           Sound,
                                           RuleRemarks,
                                           DisplayRemarks,
                                           RemainingCards,
                                           StatusDisplay,
                                           AutoStart,
                                           EntryNo,
                                           ScreenWidth,
                                           Angle,
                                           CardBack,
                                           CardFrame,
                                           ConquestZoomed,
                                           ConquestLeft,
                                           ConquestTop,
                                           ConquestWidth,
                                           ConquestHeight,
                                           PeekSeat,
                                           PeekRunning,
                                           CampaignInitialised,
                                           ComputerStrength,
                                           Guide,
                                           GuideSeen};
inline constexpr std::array AllTextSettings{PeekName,     PeekHands[0],  PeekHands[1],
                                            PeekHands[2], CreditedMatch, LanguageChoice};

}  // namespace setting

}  // namespace tesseran
