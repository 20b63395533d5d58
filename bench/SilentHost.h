// SPDX-License-Identifier: MIT
// A host that shows nothing and answers everything at once, for benchmarks:
// what they measure never asks a person.
#pragma once

#include "engine/Host.h"

namespace tesseran::bench {

class SilentHost : public Host {
public:
    void ShowMessage(std::string_view, MessageIcon) override {}
    bool AskYesNo(std::string_view) override { return true; }
    void Pause(int) override {}
    void Repaint(bool) override {}
    void PlaySound(int, SoundMode) override {}
    void DrawMarker(int, Marker) override {}
    void DrawBalloon(int, Balloon, int) override {}
    int ChooseSuit(SuitDialogMode) override { return 0; }
    int ChooseDeclaration(bool) override { return 0; }
    int ChooseEntry() override { return 0; }
    bool StartTurnTimer(int) override { return true; }
    void StopTurnTimer() override {}
    bool PrepareCardBacks() override { return true; }
    std::optional<LocalTime> Now() override { return LocalTime{}; }
    void CloseMainWindow() override {}
};

}  // namespace tesseran::bench
