// SPDX-License-Identifier: MIT
// The numbers of the program's resources, each named once: the wave sounds,
// the pictures, the cursors and the numbered texts of the string table. The
// numbers are the resources' own (the art generator writes :/waves/149.wav,
// :/bitmaps/146.png, ...; the string table is keyed by them), so they never
// change; code names them only through here.
#pragma once

#include <array>

namespace tesseran {

namespace wave {

inline constexpr int TrumpDiamonds = 143;
inline constexpr int TrumpClubs = 144;
inline constexpr int TrumpHearts = 145;
inline constexpr int Lead = 146;     // a computer leads the first card of a battle
inline constexpr int Partner = 148;  // the partner marker of battles 2 and 3
inline constexpr int Card = 149;     // a card put on the table; a province taken
inline constexpr int Click = 150;    // the keyboard mark moves; a dialog button; the trump icon's luck
inline constexpr int TrumpSpades = 151;
inline constexpr int RequestClubs = 171;
inline constexpr int RequestDiamonds = 172;
inline constexpr int RequestHearts = 173;
inline constexpr int RequestSpades = 174;
inline constexpr int Unification = 184;

// By suit: clubs, diamonds, hearts, spades.
inline constexpr std::array<int, 4> Trump = {TrumpClubs, TrumpDiamonds, TrumpHearts, TrumpSpades};
inline constexpr std::array<int, 4> RequestedSuit = {RequestClubs, RequestDiamonds, RequestHearts,
                                                     RequestSpades};

// Every wave the program carries.
inline constexpr std::array<int, 13> All = {
    TrumpDiamonds, TrumpClubs,   TrumpHearts,     Lead,          Partner,       Card,       Click,
    TrumpSpades,   RequestClubs, RequestDiamonds, RequestHearts, RequestSpades, Unification};

}  // namespace wave

namespace bitmap {

inline constexpr int EntryMap = 106;         // the entry dialog's map
inline constexpr int RemainingPanel = 130;   // the remaining-cards panel
inline constexpr int GameCaption = 134;      // 第 ゲーム
inline constexpr int SelectionMarker = 136;  // the keyboard mark above a card
inline constexpr int StatusBanners = 137;    // 合計 and the status banner's rows
// The trump icon and the suit dialog's pictures: clubs, diamonds, hearts, spades.
inline constexpr std::array<int, 4> SuitIcons = {146, 147, 148, 149};
inline constexpr int TurnMarker = 152;
inline constexpr int NamePlates = 154;
inline constexpr int LargeMap = 163;     // the conquest window's large map
inline constexpr int OverviewMap = 164;  // and its overview
inline constexpr int Toolbar = 165;
inline constexpr int PartnerMarker = 167;
inline constexpr int LeadMarker = 168;
inline constexpr int Digits = 169;
inline constexpr int GameNumbers = 170;
inline constexpr int BattleCaption = 171;  // 第 戦
inline constexpr int BattleNumbers = 172;
inline constexpr int TrumpBalloon = 173;
inline constexpr int RequestBalloon = 174;
inline constexpr int RightSigns = 175;     // safe and danger, side by side
inline constexpr int PeekPictures = 177;   // the three peek commands' pictures
inline constexpr int CancelPicture = 179;  // a dialog's cancel button
inline constexpr int SavePicture = 180;    // a dialog's save button
inline constexpr int UnificationBanner = 185;

}  // namespace bitmap

namespace cursor {

inline constexpr int FrontEdge = 131;      // over the table's front edge
inline constexpr int Forbidden = 133;      // where a drag may not go
inline constexpr int AngleDragging = 134;  // while the angle is dragged

}  // namespace cursor

namespace text {

inline constexpr int OutOfMemory = 30001;
inline constexpr int CannotRender = 30004;
inline constexpr int LeaveMatch = 30006;
inline constexpr int TimerFailed = 30011;
inline constexpr int ResetCampaignQuestion = 30012;
inline constexpr int ProvinceNames = 30013;  // the 75 names, two characters each
inline constexpr int Unified = 30014;        // after "<name>が\n"
inline constexpr int PlaceShowCards = 30015;
inline constexpr int GoForSixteen = 30016;
inline constexpr int GoForReverseSixteen = 30017;
inline constexpr int PlayOn = 30018;
inline constexpr int AppliesAtNextStart = 30028;  // after the automatic start's "自動スタート..."
inline constexpr int RequestedSuitHeld = 30029;
inline constexpr int NameRequestedSuit = 30030;
inline constexpr int HowToStart = 30031;
inline constexpr int TakeOnLargeMapOnly = 30032;
inline constexpr int NotEnoughKoku = 30033;
inline constexpr int SaveMapPicture = 30034;
inline constexpr int NoOwnPicture = 30050;
inline constexpr int DataFileMissing = 30051;  // after the data file's name and "\n"
inline constexpr int MapPictureLost = 30052;
inline constexpr int NoWorkFolder = 30054;
inline constexpr int PeekFailed = 30055;
inline constexpr int UnsupportedFileType = 30056;
inline constexpr int OverwriteFile = 30057;
inline constexpr int CannotSave = 30058;
inline constexpr int BacksNotSet = 30061;
inline constexpr int SavedShowFolder = 30069;
inline constexpr int NoHelpFolder = 30162;
inline constexpr int CannotOpenFolder = 30163;

// The first lead of battle 1 must be the first-lead pin.
inline constexpr int LeadSpadePin = 30008;
inline constexpr int LeadClubPin = 30009;

// The declarations the computers announce.
inline constexpr int RelatedDeclaresSixteen = 30037;
inline constexpr int UnrelatedDeclaresReverseSixteen = 30036;
inline constexpr int RelatedDeclaresSkunk = 30038;
inline constexpr int UnrelatedDeclaresReverseSkunk = 30039;
inline constexpr int RelatedDeclaresDeclaredSixteen = 30040;
inline constexpr int UnrelatedDeclaresDeclaredReverseSixteen = 30041;

// The results of a battle.
inline constexpr int RelatedWin = 30019;
inline constexpr int RelatedSkunk = 30020;
inline constexpr int UnrelatedWin = 30021;
inline constexpr int UnrelatedReverseSkunk = 30022;
inline constexpr int SixteenFailed = 30023;
inline constexpr int Sixteen = 30024;
inline constexpr int ReverseSixteenFailed = 30025;
inline constexpr int ReverseSixteen = 30026;
inline constexpr int DeclaredSkunkFailed = 30043;
inline constexpr int DeclaredSkunk = 30044;
inline constexpr int DeclaredSixteenFailed = 30045;
inline constexpr int DeclaredSixteen = 30046;
inline constexpr int DeclaredReverseSkunkFailed = 30047;
inline constexpr int DeclaredReverseSkunk = 30048;
inline constexpr int DeclaredReverseSixteenFailed = 30049;
inline constexpr int DeclaredReverseSixteen = 30007;

// The profiles of the ten roster entries: 30100 + entry; the first line is
// the entry's name.
inline constexpr int FirstProfile = 30100;

// The hover explanations.
inline constexpr int ExplainTrump = 30110;
inline constexpr int ExplainGame = 30111;
inline constexpr int ExplainBattle = 30112;
inline constexpr int ExplainFirstRemaining = 30113;  // eight, one per item of the panel
inline constexpr int ExplainTrickArea = 30121;
inline constexpr int ExplainDiscards = 30122;
inline constexpr int ExplainTurnMarker = 30123;
inline constexpr int ExplainAngleUp = 30124;
inline constexpr int ExplainAngleDown = 30125;
inline constexpr int ExplainRequestedSuit = 30126;
inline constexpr int ExplainRight = 30127;

// The version history, newest last.
inline constexpr int FirstVersion = 30200;
inline constexpr int LastVersion = 30207;

// A second start of the game while one is running, and that one cannot be
// brought to the front.
inline constexpr int AlreadyRunning = 30300;
// A match was under way when the program last stopped: go on with it?
inline constexpr int ResumeMatch = 30301;
// That match's snapshot could not be used.
inline constexpr int MatchNotRestored = 30302;
// The chronicle of matches: a damaged file set aside, a file of a newer
// version, a file that cannot be opened, a file another program holds (the
// game plays on unrecorded); a record that could not be written; the
// statistics asked for while there is no chronicle.
inline constexpr int ChronicleSetAside = 30303;
inline constexpr int ChronicleNewer = 30304;
inline constexpr int ChronicleUnavailable = 30305;
inline constexpr int ChronicleLocked = 30306;
inline constexpr int ChronicleWriteFailed = 30307;
inline constexpr int ChronicleNotOpen = 30308;

}  // namespace text

}  // namespace tesseran
