// SPDX-License-Identifier: MIT
// The abstract game view: it holds the game-state record and runs the match.
//
// Everything the engine does happens in a handful of entry points that the
// window (or the simulator) calls: StartUp and OnStartUpTimer once, TurnTick on
// every tick of the turn timer, and the human's input handlers. The six
// decisions of the computer seats are pure virtual here and implemented by
// CFudaDashi. The view reaches the world only through Host and SettingsStore.
#pragma once

#include "engine/GameState.h"
#include "base/Host.h"
#include "base/SettingsStore.h"

#include <cstdint>
#include <string_view>

namespace tesseran {

inline constexpr int TurnTimerId = 1;
inline constexpr int StartUpTimerId = 99;
inline constexpr int PeekTimerId = 98;
inline constexpr int MillisecondsPerSpeedStep = 111;

// What JudgeBattle decides after a trick.
inline constexpr int BattleGoesOn = 0;
inline constexpr int GameOver = 1;
inline constexpr int NextBattleFollows = 2;

// Whether a refused pick explains itself with a message.
enum class Remarks { Shown, Silent };

// Whether the window could make the card-back pictures at start-up.
enum class CardBacksLoaded { Yes, No };

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

    // --- Tricks -----------------------------------------------------------
    // Strength of a card played by a seat, by the current trump and requested suit.
    int CardStrength(int seat, int card) const;
    int TrickWinner();
    void CaptureTrick(int winner);

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

    // --- Settings commands ------------------------------------------------
    void ChangeSpeed(int newSpeed);

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

    Host& host() const { return host_; }
    SettingsStore& settings() const { return settings_; }

    // The seat that holds the first-lead pin of battle 1, or -1.
    int FirstLeadPinHolder() const;
    int FirstLeadPin() const { return gameNo == 10 ? ClubPin : SpadePin; }

protected:
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
    void SwapSeatsForBattleTwo();
    void ExchangeSeats(int from, int to);
    void WriteScore(int amount, bool replace);
    int NextOrGameOver() const { return battleNo == 3 ? GameOver : NextBattleFollows; }
    bool DeclarationStep(int card, bool firstCardOfBattle);
    void RequestedSuitStep(int card);
    void PlaceShowCard(int card);
    void FinishHumanPlay(int card);

    Host& host_;
    SettingsStore& settings_;
};

}  // namespace tesseran
