// SPDX-License-Identifier: MIT
// The numbers of the menu commands: the three popup menus of the table and
// their accelerators F1 to F5.
#pragma once

namespace tesseran::command {

inline constexpr int Start = 32771;
inline constexpr int Exit = 57665;

inline constexpr int SpeedFast = 32774;
inline constexpr int SpeedRatherFast = 32783;
inline constexpr int SpeedNormal = 32776;
inline constexpr int SpeedRatherSlow = 32785;
inline constexpr int SpeedSlow = 32778;
inline constexpr int OpenMode = 32781;
inline constexpr int Sound = 32773;
inline constexpr int RuleRemarks = 32788;
inline constexpr int DisplayRemarks = 32782;
inline constexpr int RemainingCards = 32779;
inline constexpr int StatusDisplay = 32797;
inline constexpr int AutoStart = 32807;
inline constexpr int Score = 32772;
inline constexpr int Conquest = 32784;
inline constexpr int ResetConquest = 32786;
inline constexpr int CardBack = 32790;
inline constexpr int Screen640 = 32794;
inline constexpr int Screen800 = 32791;
inline constexpr int Screen1024 = 32805;
inline constexpr int Screen1200 = 32792;
inline constexpr int Screen1400 = 32806;
inline constexpr int Screen1600 = 32793;

// Beyond the original menu: the computers' strength, the hint, the
// statistics window (F6) and the review of the last battle (F7).
inline constexpr int StrengthStandard = 32810;
inline constexpr int StrengthStrong = 32811;
inline constexpr int Hint = 32812;
inline constexpr int Statistics = 32813;
inline constexpr int Review = 32814;  // F7
inline constexpr int Guide = 32815;
inline constexpr int LanguageJapanese = 32816;
inline constexpr int LanguageEnglish = 32817;

inline constexpr int HelpOperation = 32787;
inline constexpr int HelpRules = 32780;
inline constexpr int HelpTactics = 32789;
inline constexpr int About = 57664;

inline constexpr int OpenGameMenu = 32798;      // F1
inline constexpr int OpenSettingsMenu = 32799;  // F2
inline constexpr int OpenHelpMenu = 32800;      // F3
inline constexpr int AngleUp = 32801;           // F4
inline constexpr int AngleDown = 32802;         // F5

}  // namespace tesseran::command
