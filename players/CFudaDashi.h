// SPDX-License-Identifier: MIT
// The concrete game view: the computer seats' decisions.
//
// The three computer participants play by fixed, deterministic rules from the
// whole game state (including the hidden relation and the other hands): a lead
// style and a follow rule each, when to go on for 16, which prearranged hand a
// lucky deal brings, which cards to show and which trump to name.
#pragma once

#include "engine/CTorvelView.h"
#include "players/Reasons.h"

namespace tesseran {

// How the computer seats play: by the fixed rules, or by the search player,
// which sees only what each seat may see.
enum class Strength { Standard, Strong };

class CFudaDashi : public CTorvelView {
public:
    using CTorvelView::CTorvelView;

    Strength strength() const { return strength_; }
    void SetStrength(Strength strength) { strength_ = strength; }

    // Tells the listener, if any, why each decision was taken; the decisions
    // are the same with or without one.
    void ReportReasonsTo(computer::ReasonListener* listener) { listener_ = listener; }

    int ChooseFollowCard() override;
    int ChooseLeadCard() override;
    int ContinueForSixteen() override;
    int ContinueForReverseSixteen() override;
    int ArrangeDeclarationHand() override;
    int RightStrength() override;

    void ChooseShowCards(int seat) override;
    int ChooseTrumpAfterShow() override;
    int ChooseTrumpTogether() override;

private:
    // The seat whose view decides for a group that may go on for 16: the
    // trick's winner when it is a computer of that group, else its partner.
    int SixteenDecider(bool relatedGroup);
    int StrongContinue(bool relatedGroup);
    int StrongTrump();
    // Where a rule writes its reason: somewhere only while someone listens.
    computer::Why* WhyWanted() { return listener_ != nullptr ? &why_ : nullptr; }
    void Report(computer::Decision decision, int seat);

    Strength strength_ = Strength::Standard;
    computer::ReasonListener* listener_ = nullptr;
    computer::Why why_;
};

}  // namespace tesseran
