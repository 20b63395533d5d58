// SPDX-License-Identifier: MIT
// What the game core asks of the world around it.
//
// The core has no window, no clock and no sound of its own: the Qt table widget
// implements Host with real message boxes, dialogs and timers, and the simulator
// and the tests implement it with scripted answers. Blocking calls stay
// blocking: a pause or a dialog returns when it is done.
#pragma once

#include <optional>
#include <string_view>

namespace tesseran {

enum class MessageIcon { Information, Stop, Question };

enum class SoundMode { Asynchronous, Synchronous };

enum class Marker { Lead, Partner };

enum class Balloon { Trump, RequestedSuit };

// Whether anything lying on the table changed since the last repaint (cards
// played, taken or shown), so the table layer must be drawn anew, or only
// what stands above it (markers, panels, the hand) did.
enum class TableLayer { Kept, Changed };

// The suit dialog asks either for the suit a joker lead requests or for the trump.
enum class SuitDialogMode { RequestedSuit, Trump };

struct LocalTime {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;

    bool operator==(const LocalTime&) const = default;
};

// Things the core reports for observers (the simulator's trace, tests).
struct EngineEvent {
    enum class Kind {
        MatchStarted,     // a new match's first game is set up
        TrumpSet,         // a = suit
        Dealt,            // a = seed; the hands are complete (sorted, prearranged)
        RelationSet,      // after the relation is assigned or a seat swap
        SeatsSwapped,     // a = from seat, b = to seat
        ShowCardsPlaced,  // a, b = the two show cards
        CardPlayed,       // a = seat, b = card
        TrickClosed,      // a = winner
        GameScored,       // a = game number whose row is final
        Credited,         // a = entry, b = its new balance
        BattleEnded,      // a = the BattleResult, b = battle number, c = the points written;
                          // after its message and points
    };
    Kind kind;
    int a = 0;
    int b = 0;
    int c = 0;
};

// Message boxes: all that a part which only informs the player or asks a
// question needs (the card backs, image files, the card-back dialog, the
// peek process).
class Messages {
public:
    virtual ~Messages() = default;

    // A message box with the program's title as caption.
    virtual void ShowMessage(std::string_view text, MessageIcon icon) = 0;
    // A Yes/No question with the question icon; true for Yes.
    virtual bool AskYesNo(std::string_view text) = 0;
};

// The longest pause the game ever takes: the slowest speed's is 1887 ms.
inline constexpr int LongestPauseMilliseconds = 10'000;

// The local time and a pause that keeps the window painting.
class Clock {
public:
    virtual ~Clock() = default;

    // Blocks for the given time while the window keeps repainting and takes no
    // input. A host whose pause (or synchronous sound, or dialog) runs a nested
    // event loop must not start another TurnTick while one is still running.
    // A negative length pauses not at all, one beyond LongestPause only that long.
    virtual void Pause(int milliseconds) = 0;
    virtual std::optional<LocalTime> Now() = 0;
};

// Everything the engine asks of the world: messages, the clock, the table's
// repaints, sounds, the game dialogs and the turn timer.
class Host : public Messages, public Clock {
public:
    // Recomposes the table.
    virtual void Repaint(TableLayer layer) = 0;
    virtual void PlaySound(int waveId, SoundMode mode) = 0;
    // Draws a marker straight onto the window at a seat; the next repaint removes it.
    virtual void DrawMarker(int seat, Marker marker) = 0;
    // Draws an announcement balloon with a suit at a seat; the next repaint removes it.
    virtual void DrawBalloon(int seat, Balloon balloon, int suit) = 0;

    // The three game dialogs. ChooseSuit returns 0..3; ChooseDeclaration returns
    // 3..6, or 0 when the joker play is withdrawn; ChooseEntry returns the roster
    // entry, or -1 when the dialog was closed without a choice.
    virtual int ChooseSuit(SuitDialogMode mode) = 0;
    virtual int ChooseDeclaration(bool related) = 0;
    virtual int ChooseEntry() = 0;

    // The turn timer (interval speed * 111 ms). Starting a running timer
    // restarts it. False when it cannot run, and for an interval that is
    // negative or beyond LongestPause.
    virtual bool StartTurnTimer(int intervalMilliseconds) = 0;
    virtual void StopTurnTimer() = 0;

    virtual void CloseMainWindow() = 0;

    virtual void OnEvent(const EngineEvent&) {}
};

}  // namespace tesseran
