// SPDX-License-Identifier: MIT
// Who plays seat 3 in the simulator: the scripted human, the computer
// players' rules as if seat 3 were one of them (they see every hand), or the
// search player (it sees only its own). Each plays through the human's own
// interface, the keyboard play and the dialogs it opens.
#pragma once

#include "engine/CTorvelView.h"
#include "players/search/SearchPlayer.h"
#include "sim/ScriptedHost.h"

#include <array>
#include <optional>
#include <string>

namespace tesseran::sim {

enum class SeatThreePolicy { Scripted, Rules, Strong };
std::optional<SeatThreePolicy> SeatThreePolicyNamed(const std::string& name);

class SeatThreePlayer : public HumanDialogs {
public:
    explicit SeatThreePlayer(SeatThreePolicy policy) : policy_(policy) {}
    // The engine it plays in; a new one after every interruption.
    void Attach(CTorvelView& view) { view_ = &view; }

    // Plays one card, or places one show card, in the human's turn.
    void PlayTurn();

    int ChooseSuit(SuitDialogMode mode) override;
    bool GoOnForSixteen() override;

private:
    int CardPosition();

    SeatThreePolicy policy_;
    CTorvelView* view_ = nullptr;
    search::SearchOptions options_;
    int pendingSuit_ = -1;                             // a joker lead's suit, for the dialog it opens
    std::array<int, 2> showCards_ = {NoCard, NoCard};  // chosen when the first is placed
};

}  // namespace tesseran::sim
