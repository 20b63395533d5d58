// SPDX-License-Identifier: MIT
// The simulator's Host: a virtual clock, scripted answers, and a trace of
// everything the core shows or reports, one event a line.
#pragma once

#include "base/Host.h"
#include "engine/BattleRules.h"
#include "engine/Chronicle.h"
#include "engine/GameState.h"

#include <array>
#include <ostream>
#include <string>

namespace tesseran::sim {

// The results a battle can end with, in the order the summary lists them.
using ResultKind = BattleResult;

const char* ResultKindName(ResultKind kind);

// The answers to the dialogs the human's play opens, when a policy of its
// own plays seat 3; without one the scripted answers stand.
class HumanDialogs {
public:
    virtual ~HumanDialogs() = default;
    virtual int ChooseSuit(SuitDialogMode mode) = 0;
    virtual bool GoOnForSixteen() = 0;
};

// How seat 3's group fared: battles won, and the human's score per game.
struct SeatThreeRecord {
    int battles = 0;
    int battlesWon = 0;
    int games = 0;
    double scoreSum = 0;
    double scoreSquares = 0;
};

class ScriptedHost : public Host {
public:
    // startSecond: seconds after midnight of the virtual clock's first reading.
    ScriptedHost(int startSecond, int matches, std::ostream* trace);
    // The state whose deals, relations and scores the trace prints.
    void Observe(const GameState& state) { state_ = &state; }
    void AnswerWith(HumanDialogs* dialogs) { dialogs_ = dialogs; }
    // Every finished match also goes to the recorder (the chronicle).
    void RecordInto(ChronicleRecorder* recorder) { recorder_ = recorder; }

    void ShowMessage(std::string_view text, MessageIcon icon) override;
    bool AskYesNo(std::string_view text) override;
    void Pause(int) override {}
    void Repaint(TableLayer) override {}
    void PlaySound(int, SoundMode) override {}
    void DrawMarker(int, Marker) override {}
    void DrawBalloon(int, Balloon, int) override {}
    int ChooseSuit(SuitDialogMode mode) override {
        return dialogs_ != nullptr ? dialogs_->ChooseSuit(mode) : Clubs;
    }
    // The human never plays the joker as a first card (another card always
    // passes), so the declaration dialog withdraws if it is ever asked.
    int ChooseDeclaration(bool) override { return 0; }
    int ChooseEntry() override { return -1; }
    bool StartTurnTimer(int) override {
        timerRunning_ = true;
        return true;
    }
    void StopTurnTimer() override { timerRunning_ = false; }
    std::optional<LocalTime> Now() override;
    void CloseMainWindow() override { closed_ = true; }
    void OnEvent(const EngineEvent& event) override;

    bool closed() const { return closed_; }
    bool timerRunning() const { return timerRunning_; }
    int matchesStarted() const { return matchesStarted_; }
    int gamesPlayed() const { return gamesPlayed_; }
    int battlesDealt() const { return battlesDealt_; }
    const std::array<int, static_cast<int>(ResultKind::Count)>& results() const { return results_; }
    const SeatThreeRecord& seatThree() const { return seatThree_; }

private:
    void Line(const std::string& text);

    const GameState* state_ = nullptr;
    HumanDialogs* dialogs_ = nullptr;
    ChronicleRecorder* recorder_ = nullptr;
    std::string matchKey_;  // the recorded match's id: its number in this run

    // The virtual clock's reading, without moving it on.
    LocalTime ClockReading() const;
    SeatThreeRecord seatThree_;
    int clockSecond_;
    int matchesWanted_;
    std::ostream* trace_;
    bool closed_ = false;
    bool timerRunning_ = false;
    int matchesStarted_ = 0;
    int matchesFinished_ = 0;
    int gamesPlayed_ = 0;
    int battlesDealt_ = 0;
    std::array<int, static_cast<int>(ResultKind::Count)> results_{};
};

}  // namespace tesseran::sim
