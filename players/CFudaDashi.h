// SPDX-License-Identifier: MIT
// The concrete game view: the computer seats' decisions.
//
// The three computer participants play by fixed, deterministic rules from the
// whole game state (including the hidden relation and the other hands): a lead
// style and a follow rule each, when to go on for 16, which prearranged hand a
// lucky deal brings, which cards to show and which trump to name.
#pragma once

#include "engine/CTorvelView.h"

namespace tesseran {

class CFudaDashi : public CTorvelView {
public:
    using CTorvelView::CTorvelView;

    int ChooseFollowCard() override;
    int ChooseLeadCard() override;
    int ContinueForSixteen() override;
    int ContinueForReverseSixteen() override;
    int ArrangeDeclarationHand() override;
    int RightStrength() override;

    void ChooseShowCards(int seat) override;
    int ChooseTrumpAfterShow() override;
    int ChooseTrumpTogether() override;
};

}  // namespace tesseran
