// SPDX-License-Identifier: MIT
// A Host for tests: it records what the core shows and answers with scripted values.
#pragma once

#include "base/Host.h"

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace tesseran::testing {

class TestHost : public Host {
public:
    struct Shown {
        std::string text;
        MessageIcon icon;
    };

    void ShowMessage(std::string_view text, MessageIcon icon) override;
    bool AskYesNo(std::string_view text) override;
    void Pause(int milliseconds) override;
    void Repaint(TableLayer layer) override;
    void PlaySound(int waveId, SoundMode mode) override;
    void DrawMarker(int seat, Marker marker) override;
    void DrawBalloon(int seat, Balloon balloon, int suit) override;
    int ChooseSuit(SuitDialogMode mode) override;
    int ChooseDeclaration(bool related) override;
    int ChooseEntry() override;
    bool StartTurnTimer(int intervalMilliseconds) override;
    void StopTurnTimer() override;
    std::optional<LocalTime> Now() override;
    void CloseMainWindow() override;
    void OnEvent(const EngineEvent& event) override;

    // Scripted answers; an empty queue answers with the default.
    std::deque<bool> answers;
    bool defaultAnswer = true;
    std::deque<int> suitChoices;  // default clubs
    std::deque<int> declarationChoices;
    int defaultDeclaration = 0;  // 0 withdraws the joker
    int entryChoice = 0;         // -1 cancels the entry dialog
    bool timerStarts = true;
    // The clock; nullopt = the local time cannot be read.
    std::optional<LocalTime> clock = LocalTime{2026, 12, 8, 0, 0, 0};

    // What happened.
    std::vector<Shown> messages;
    std::vector<std::string> questions;
    std::vector<int> sounds;
    std::vector<std::pair<int, Marker>> markers;
    std::vector<std::pair<int, Balloon>> balloons;
    std::vector<SuitDialogMode> suitDialogs;
    std::vector<bool> declarationDialogs;  // the side each was opened for
    std::vector<EngineEvent> events;
    int entryDialogs = 0;
    int repaints = 0;
    int pauses = 0;
    int timerStartCount = 0;
    int lastTimerInterval = 0;
    bool timerRunning = false;
    bool closed = false;

    void ClearRecords();
};

}  // namespace tesseran::testing
