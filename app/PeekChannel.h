// SPDX-License-Identifier: MIT
// The channel between the game and its peek window (カンニング), a second
// process of the program started with "/W". The two share nothing but the
// settings section "Cun": the game publishes the three computer seats' hands
// there ("0", "1", "2" as "3,14,25,"), points the window at a seat ("Now")
// with the name of whoever sits there ("Name"), and tells it to close ("Now"
// = 4); the peek process notes that it runs ("CunningView") and polls. Both
// sides of that protocol are here, and nowhere else.
#pragma once

#include "base/SettingsStore.h"
#include "engine/GameState.h"

#include <QtGlobal>

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tesseran {

// The card codes of a published hand ("3,14,25,"): up to ten, ending at the
// first empty part; anything that is not a card code ends the list too.
std::vector<int> ParseHandString(const std::string& text);

class PeekChannel {
public:
    explicit PeekChannel(SettingsStore& settings) : settings_(settings) {}

    // --- The game's side ------------------------------------------------------
    // Writes each computer seat's hand when it differs from what was written
    // last, and the name of whoever now sits at the shown seat when that has
    // changed (the seats swap at the start of battle 2); the peek window polls
    // these, and rewriting an unchanged value at every repaint would only
    // wear the settings file.
    void PublishHands(const GameState& state);

    enum class Opening { Pointed, Started, Failed };
    // Points the peek window at a computer seat, with the name of whoever sits
    // there, and starts the peek process when none runs and the seat holds
    // cards. Failed when the process could not be started.
    Opening Open(int seat, const std::string& name, int cardsHeld);
    // Starts the peek process and gives its id (tests replace it).
    std::function<bool(qint64* processId)> startProcess;

    // Tells a running peek window to close; also what the peek window writes
    // when it closes by itself.
    void Close();

    // --- The peek process's side ---------------------------------------------------
    struct Reading {
        bool closed = false;  // the game has told the window to close
        std::string hand;     // the shown seat's published hand
    };
    // Rereads what the game wrote and returns the shown seat's hand.
    Reading Read();
    // The name of whoever sits at the shown seat.
    std::string Name();

private:
    bool ViewerRunning();

    SettingsStore& settings_;
    qint64 processId_ = 0;
    // What was last written for seats 0, 1, 2.
    std::array<std::optional<std::string>, 3> publishedHands_;
    // The seat the window was last pointed at, and the name written for it.
    int shownSeat_ = -1;
    std::string shownName_;
};

}  // namespace tesseran
