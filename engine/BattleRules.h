// SPDX-License-Identifier: MIT
// The rules of a trick and of a battle's result as plain functions of the
// record: which cards a seat may play, who wins a trick, what a tally of face
// cards decides. The engine applies them with its messages and sounds; the
// search player's play-outs apply them to copies of the record, with nothing
// around them.
#pragma once

#include "engine/GameState.h"

namespace tesseran {

// What JudgeBattle decides after a trick.
inline constexpr int BattleGoesOn = 0;
inline constexpr int GameOver = 1;
inline constexpr int NextBattleFollows = 2;

// The results a battle can end with.
enum class BattleResult {
    RelatedWin,
    UnrelatedWin,
    Skunk,
    ReverseSkunk,
    Sixteen,
    SixteenFailed,
    ReverseSixteen,
    ReverseSixteenFailed,
    DeclaredSkunk,
    DeclaredSkunkFailed,
    DeclaredSixteen,
    DeclaredSixteenFailed,
    DeclaredReverseSkunk,
    DeclaredReverseSkunkFailed,
    DeclaredReverseSixteen,
    DeclaredReverseSixteenFailed,
    Count
};

// Whether the related group won the battle with this result.
bool RelatedGroupWins(BattleResult result);
// The result's name in the simulator's summary and the chronicle's exports
// ("related win", "16 failed", ...).
const char* BattleResultName(BattleResult result);

// Strength of a card played by a seat, by the current trump and requested suit.
int CardStrength(const GameState& state, int seat, int card);
// The seat whose card wins the trick on the table; the strengths go to trickStrength.
int TrickWinner(GameState& state);
// The trick's face cards go to the winner, its other cards to the discard pile.
void CaptureTrick(GameState& state, int winner);
// The strength of the card that holds the trick against the seat to play: 0
// when that seat's own side holds it or nothing lies on the table, -1 while
// the groups of battle 1 are still hidden. When it judges the cards (the
// groups known, a seat to play), it can leave each card's strength in
// `strengths`, as the computers keep them.
int TrickHolderStrength(const GameState& state, std::array<int, SeatCount>* strengths = nullptr);

// Why a seat may not play a card now: the first lead of battle 1 is the
// first-lead pin (or the joker), and a follower follows the requested suit
// when he can (the joker may always be played).
enum class Refusal { None, FirstLeadPin, RequestedSuitHeld };
Refusal RefusalOf(const GameState& state, int seat, int card);
inline bool MayPlay(const GameState& state, int seat, int card) {
    return RefusalOf(state, seat, card) == Refusal::None;
}
// The cards of its hand a seat may play now, the joker among them when held:
// the cards RefusalOf lets through, found at once.
CardSet PlayableCards(const GameState& state, int seat);
// The pin that opens battle 1: the club pin in game 10, else the spade pin.
inline int FirstLeadPinOf(const GameState& state) { return state.gameNo == 10 ? ClubPin : SpadePin; }

// Notes a card a seat has put on the table: played, by whom, and the
// requested suit the seat has shown it lacks when it did not follow it.
void NotePlay(GameState& state, int seat, int card);
// In battle 1, the joker or the trump 7 a seat has just played shows that
// seat related; once both have fallen every seat's group is known.
void RevealKeyCard(GameState& state, int seat);
// Whether a played key card can still tell anything: in battle 1, while the
// groups are hidden. The engine asks on every tick of the turn timer.
inline bool KeyCardsStillTell(const GameState& state) {
    return state.battleNo == 1 && state.relationKnown == 0;
}

// The face cards each group holds; faceCount is filled on the way.
struct FaceTally {
    int related = 0;
    int unrelated = 0;
};
FaceTally CountFaceCards(GameState& state);

// What a tally decides while the battle's declaration stands.
struct BattleVerdict {
    bool decided = false;  // false: the battle goes on
    BattleResult result = BattleResult::Count;
    int messageId = 0;          // the message that announces the result
    int points = 0;             // 0: the score stays as it is
    bool replaces = false;      // the points replace the game's cells instead of adding to them
    int answer = BattleGoesOn;  // GameOver or NextBattleFollows
    // A skunk or reverse skunk of an undeclared battle: the winning group may
    // go on for 16 (or reverse 16) instead of taking the result.
    bool offersSixteen = false;
};
BattleVerdict JudgeTally(const GameState& state, FaceTally tally);

// The declaration a group plays for once it goes on for 16 or reverse 16.
inline constexpr int SixteenDeclaration = 1;
inline constexpr int ReverseSixteenDeclaration = 2;

// Before battle 2 the two related members must sit opposite each other: when
// they sit side by side, one of them changes places with an unrelated seat
// (never the human's). The two seats, or {-1, -1} when nobody moves.
struct SeatSwap {
    int from = -1;
    int to = -1;
};
SeatSwap SeatSwapForBattleTwo(const GameState& state);
// Two seats change places with their hands and participants; the seat moved
// to takes the group of the one it came from, which becomes unrelated.
void ExchangeSeats(GameState& state, SeatSwap swap);

// The face cards each group still needs, by the declaration in force.
void UpdateToGo(GameState& state, FaceTally tally);

}  // namespace tesseran
