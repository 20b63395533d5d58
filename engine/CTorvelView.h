// SPDX-License-Identifier: MIT
// The abstract game view: it holds the game-state record and runs the match.
//
// Everything the engine does happens in a handful of entry points that the
// window (or the simulator) calls: StartUp and OnStartUpTimer once, TurnTick on
// every tick of the turn timer, and the human's input handlers. The six
// decisions of the computer seats are pure virtual here and implemented by
// CFudaDashi. The view reaches the world only through Host and SettingsStore.
#pragma once

#include "base/Host.h"
#include "base/SettingsStore.h"
#include "engine/BattleRules.h"
#include "engine/GameState.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

namespace tesseran {

inline constexpr int TurnTimerId = 1;
inline constexpr int StartUpTimerId = 99;
inline constexpr int PeekTimerId = 98;
inline constexpr int MillisecondsPerSpeedStep = 111;

// Whether a refused pick explains itself with a message.
enum class Remarks { Shown, Silent };

// Whether the window could make the card-back pictures at start-up.
enum class CardBacksLoaded { Yes, No };

// The toolbar's two angle buttons.
enum class AngleButton { None, Up, Down };

// What lies under the pointer on the table, as the window's hit tests found
// it. Where things are drawn is the window's business; the input rules only
// need to know what was hit.
struct TablePoint {
    bool onTrickArea = false;    // the trick area, which shows the previous trick
    bool inDropArea = false;     // the trick area widened by a quarter each way: a card dropped here counts
    bool onDiscardPile = false;  // the discard pile, which spreads out while pressed
    bool onFrontEdge = false;    // the table's front edge, dragged to change the angle
    AngleButton angleButton = AngleButton::None;
    int handPosition = -1;  // the human's card under the pointer, or -1
};

// What a press or release on the table brought about, for the window to show.
enum class TableResponse {
    None,          // nothing changed
    Redraw,        // what the table shows changed: the window paints itself again
    AngleChanged,  // the bird's-eye angle changed: the table is to be recomposed
    CardPickedUp,  // a card of the hand now follows the pointer
    CardDropped,   // the dragged card was played or went back into the hand
};

// The keys of the table.
enum class TableKey { Play, MarkLeft, MarkRight };

// The play settings the menu switches on and off.
enum class PlayOption { OpenMode, Sound, RuleRemarks, DisplayRemarks, RemainingCards, StatusDisplay };

class CTorvelView : public GameState {
public:
    CTorvelView(Host& host, SettingsStore& settings);
    CTorvelView(const CTorvelView&) = delete;
    CTorvelView& operator=(const CTorvelView&) = delete;
    virtual ~CTorvelView() = default;

    // --- Match flow -------------------------------------------------------
    // The view's initial update: settings, campaign initialisation, fields.
    void StartUp();
    // The one-shot start-up timer, after the window has made the card backs:
    // without them nothing can start; otherwise auto start or instructions.
    void OnStartUpTimer(CardBacksLoaded backs = CardBacksLoaded::Yes);
    // The start command, the auto start and the end of every game.
    bool StartGame();
    void StartGameState();
    void StartBattle();
    void Deal();
    void AssignRelation();
    // The handler of the turn timer.
    void TurnTick();

    // --- Tricks (the rules themselves are in BattleRules.h) -----------------
    int CardStrength(int seat, int card) const { return tesseran::CardStrength(*this, seat, card); }
    int TrickWinner() { return tesseran::TrickWinner(*this); }
    void CaptureTrick(int winner) { tesseran::CaptureTrick(*this, winner); }

    // --- Results ----------------------------------------------------------
    int JudgeBattle(int winner, int relatedTally, int unrelatedTally);
    void UpdateToGo(int relatedTally, int unrelatedTally);
    void NextBattle();
    void ShowComplete();

    // --- Legal play and the human's input ---------------------------------
    bool CheckPick(int card, Remarks remarks = Remarks::Shown);
    // Whether the human may play a card now.
    bool HumanMayPlay() const;
    // Plays the card at markedCard (keyboard and double click).
    void KeyPlay();
    // Moves the keyboard mark by delta along the hand, wrapping around.
    void MoveMark(int delta);
    // Mouse press on a hand position: picks the card up for dragging.
    bool PickUp(int position);
    // Mouse release while dragging: onTrickArea says whether the drop counts.
    void Drop(bool onTrickArea);
    // Returns the picked-up card to its old place in the hand.
    void PutBack();

    // --- The table's input ------------------------------------------------
    // The window turns its mouse and keys into these calls; the rules of
    // what a click means (the previous trick and the discard pile shown
    // while pressed, the score board closed by a click, a card picked up,
    // the angle dragged) are all here.
    TableResponse PressOnTable(const TablePoint& point);
    TableResponse ReleaseOnTable(const TablePoint& point);
    // A double click on a card of the hand plays it.
    void DoubleClickOnHand(int position);
    // False when the key means nothing to the table now (the window passes it on).
    bool PressKey(TableKey key);
    // The pointer rests on the trump icon, or no longer does. Resting there
    // picks the seat that gets a prearranged hand at the next deal, from the
    // clock's second, with a sound when that seat changes.
    void PointerOnTrumpIcon(bool resting);

    // --- The bird's-eye angle ---------------------------------------------
    // One degree up or down while a game runs (F4, F5 and the toolbar); true
    // when the angle changed.
    bool RaiseAngle();
    bool LowerAngle();
    // While the front edge is dragged: the angle, fractional, kept in range;
    // true when it changed. The whole degrees are stored when the drag ends.
    bool DragAngleTo(double angle);

    // --- Settings commands ------------------------------------------------
    void ChangeSpeed(int newSpeed);
    // Switches a play setting and stores it; true when the table was repainted.
    bool ToggleOption(PlayOption option);
    // Switches the automatic start, telling the player what it now does.
    void ToggleAutoStart();
    // Shows or hides the score board while a game runs.
    void ToggleScoreBoard();

    // The strength of the card that holds the trick against the seat to play:
    // 0 when the seat's own side holds it or nothing lies on the table, -1
    // while the groups of battle 1 are still hidden. Writes nothing.
    int TrickHolderStrength() const { return tesseran::TrickHolderStrength(*this); }

    // --- Announcements ----------------------------------------------------
    void AnnounceTrump(int seat, int suit);
    void AnnounceRequestedSuit(int seat, int suit);

    // --- The six decisions of the computer seats, in slot order -----------
    virtual int ChooseFollowCard() = 0;
    virtual int ChooseLeadCard() = 0;
    virtual int ContinueForSixteen() = 0;
    virtual int ContinueForReverseSixteen() = 0;
    virtual int ArrangeDeclarationHand() = 0;
    virtual int RightStrength() = 0;

    // --- Set-up decisions of battles 2 and 3 ------------------------------
    // Fills showCards with the computer show seat's two cards (shownCount 2).
    virtual void ChooseShowCards(int seat) = 0;
    // The computer chooser's trump after the human has shown two cards.
    virtual int ChooseTrumpAfterShow() = 0;
    // The trump when both related members are computers.
    virtual int ChooseTrumpTogether() = 0;

    // Takes up a match where a snapshot of its record left it, as if play
    // had never stopped: the record is replaced whole. The settings the
    // record mirrors (speed, the display options, the angle) are read again
    // from the store, since the player may have changed them after the
    // snapshot was taken; a pointer drag that was under way is over.
    void Restore(const GameState& state, std::string matchId = {});

    // The id under which the match is credited once; empty for none (the
    // match is then credited whenever it ends).
    const std::string& matchId() const { return matchId_; }
    void SetMatchId(std::string id) { matchId_ = std::move(id); }

    // The seat that holds the first-lead pin of battle 1, or -1.
    int FirstLeadPinHolder() const;
    int FirstLeadPin() const { return FirstLeadPinOf(*this); }

protected:
    // The world around the game, for the decisions that read the clock.
    Host& host() { return host_; }
    void SetTrump(int suit);
    void Message(int stringId, MessageIcon icon = MessageIcon::Information);
    bool Ask(int stringId);
    void Sound(int waveId, SoundMode mode);
    // A pause of speed * 111 ms followed by an immediate full repaint.
    void PauseTurn();
    int PauseMilliseconds() const { return speed * MillisecondsPerSpeedStep; }
    // Removes the card at a position of a seat's hand; later cards move down.
    void RemoveFromHand(int seat, int position);
    void SortHands();

private:
    void CloseTrick();
    void PlayComputerCard();
    void PutCardOnTable(int seat, int card);
    void RevealPlayedKeyCards();
    void FinishMatch();
    void ClearTable();
    void SwapSeatsForBattleTwo();
    // Whether a result's points add to the game's cells or replace them.
    enum class ScoreChange { Add, Set };
    void WriteScore(int amount, ScoreChange change);
    int NextOrGameOver() const { return battleNo == 3 ? GameOver : NextBattleFollows; }
    bool DeclarationStep(int card, bool firstCardOfBattle);
    void RequestedSuitStep(int card);
    void PlaceShowCard(int card);
    void FinishHumanPlay(int card);
    // A mark left beyond either end of a shrunken hand wraps around.
    void KeepMarkInHand();
    // The play settings of "Settei" and the angle of "Last", into the record.
    void ReadMirroredSettings();
    // Stores the angle's whole degrees as "Last"/"Kakudo" when they changed.
    void StoreAngle();

    Host& host_;
    SettingsStore& settings_;
    // Whole degrees last read from or written to "Last"/"Kakudo".
    int storedAngle_ = DefaultAngle;
    bool pointerOnTrumpIcon_ = false;
    std::string matchId_;
};

}  // namespace tesseran
