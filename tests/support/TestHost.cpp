// SPDX-License-Identifier: MIT
#include "support/TestHost.h"

namespace tesseran::testing {

void TestHost::ShowMessage(std::string_view text, MessageIcon icon) {
    messages.push_back({std::string(text), icon});
}

bool TestHost::AskYesNo(std::string_view text) {
    questions.emplace_back(text);
    if (answers.empty()) return defaultAnswer;
    bool answer = answers.front();
    answers.pop_front();
    return answer;
}

void TestHost::Pause(int) { ++pauses; }
void TestHost::Repaint(TableLayer) { ++repaints; }
void TestHost::PlaySound(int waveId, SoundMode) { sounds.push_back(waveId); }
void TestHost::DrawMarker(int seat, Marker marker) { markers.emplace_back(seat, marker); }
void TestHost::DrawBalloon(int seat, Balloon balloon, int) { balloons.emplace_back(seat, balloon); }

int TestHost::ChooseSuit(SuitDialogMode mode) {
    suitDialogs.push_back(mode);
    if (suitChoices.empty()) return 0;
    int suit = suitChoices.front();
    suitChoices.pop_front();
    return suit;
}

int TestHost::ChooseDeclaration(bool related) {
    declarationDialogs.push_back(related);
    if (declarationChoices.empty()) return defaultDeclaration;
    int choice = declarationChoices.front();
    declarationChoices.pop_front();
    return choice;
}

int TestHost::ChooseEntry() {
    ++entryDialogs;
    return entryChoice;
}

bool TestHost::StartTurnTimer(int intervalMilliseconds) {
    ++timerStartCount;
    lastTimerInterval = intervalMilliseconds;
    timerRunning = timerStarts;
    return timerStarts;
}

void TestHost::StopTurnTimer() { timerRunning = false; }
std::optional<LocalTime> TestHost::Now() { return clock; }
void TestHost::CloseMainWindow() { closed = true; }
void TestHost::OnEvent(const EngineEvent& event) { events.push_back(event); }

void TestHost::ClearRecords() {
    messages.clear();
    questions.clear();
    sounds.clear();
    markers.clear();
    balloons.clear();
    suitDialogs.clear();
    declarationDialogs.clear();
    events.clear();
    entryDialogs = 0;
    repaints = 0;
    pauses = 0;
}

}  // namespace tesseran::testing
