// SPDX-License-Identifier: MIT
// A host with nobody at the screen: it shows nothing, plays nothing, answers
// No to every question, picks clubs, withdraws a declaration, takes the first
// roster entry, and lets the turn timer and the card backs start. Programs that
// run the game without a person (the benchmarks, the scene and picture tools)
// derive from it and change only the answers they need.
#pragma once

#include "base/Cards.h"
#include "base/Host.h"

namespace tesseran {

class SilentHost : public Host {
public:
    void ShowMessage(std::string_view, MessageIcon) override {}
    bool AskYesNo(std::string_view) override { return false; }
    void Pause(int) override {}
    void Repaint(TableLayer) override {}
    void PlaySound(int, SoundMode) override {}
    void DrawMarker(int, Marker) override {}
    void DrawBalloon(int, Balloon, int) override {}
    int ChooseSuit(SuitDialogMode) override { return Clubs; }
    int ChooseDeclaration(bool) override { return 0; }
    int ChooseEntry() override { return 0; }
    bool StartTurnTimer(int) override { return true; }
    void StopTurnTimer() override {}
    std::optional<LocalTime> Now() override { return std::nullopt; }
    void CloseMainWindow() override {}
};

}  // namespace tesseran
