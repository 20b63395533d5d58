// SPDX-License-Identifier: MIT
// A host for the picture tools: nobody at the screen, a clock that starts at
// a given time on 8 December 2026 and moves seven seconds at every reading,
// hearts for every suit dialog, roster entry 3 in the entry dialog, and hooks
// that let a tool look at the table whenever the engine repaints or asks.
// The same start gives the same game, and so the same picture, on every run.
#pragma once

#include "common/SilentHost.h"

#include <functional>

namespace tesseran {

class VirtualClockHost : public SilentHost {
public:
    // startSecond: the clock's first reading, in seconds after midnight.
    explicit VirtualClockHost(int startSecond) : clock(startSecond) {}

    bool AskYesNo(std::string_view) override {
        if (onQuestion) onQuestion();
        return answerYes;
    }
    void Repaint(TableLayer) override {
        if (onRepaint) onRepaint();
    }
    int ChooseSuit(SuitDialogMode) override { return Hearts; }
    int ChooseEntry() override { return 3; }
    bool StartTurnTimer(int) override {
        timerRunning = true;
        return true;
    }
    void StopTurnTimer() override { timerRunning = false; }
    std::optional<LocalTime> Now() override {
        LocalTime now{2026, 12, 8, clock / 3600 % 24, clock / 60 % 60, clock % 60};
        clock += 7;
        return now;
    }
    void CloseMainWindow() override { closed = true; }

    std::function<void()> onRepaint;
    std::function<void()> onQuestion;
    // The answer to every question (whether to play on after a match).
    bool answerYes = false;
    bool timerRunning = false;
    bool closed = false;
    int clock;
};

}  // namespace tesseran
