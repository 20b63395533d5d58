// SPDX-License-Identifier: MIT
#include "sim/SeatThreePlayer.h"

#include "common/ScriptedHuman.h"
#include "players/FollowRules.h"
#include "players/RulePolicy.h"
#include "players/TrumpChoice.h"

namespace tesseran::sim {

std::optional<SeatThreePolicy> SeatThreePolicyNamed(const std::string& name) {
    if (name == "scripted") return SeatThreePolicy::Scripted;
    if (name == "rules") return SeatThreePolicy::Rules;
    if (name == "strong") return SeatThreePolicy::Strong;
    return std::nullopt;
}

int SeatThreePlayer::CardPosition() {
    CTorvelView& view = *view_;
    pendingSuit_ = -1;
    int card = NoCard;
    if (policy_ == SeatThreePolicy::Strong) {
        if (const std::optional<search::MoveValue> best =
                search::AdviseCard(view, HumanSeat, options_).Best()) {
            card = best->move.card;
            pendingSuit_ = best->move.jokerSuit;
        }
    } else {
        GameState copy = view;
        int position = 0;
        if (view.leader == HumanSeat) {
            const computer::LeadChoice choice = computer::LeadDecision(copy);
            position = choice.position;
            pendingSuit_ = choice.requestedSuit;
        } else {
            position = computer::FollowCard(copy);
        }
        if (position >= 0 && position < view.handCount[HumanSeat]) card = view.hand[HumanSeat][position];
    }
    // A joker as the first card of a battle would open a declared battle,
    // which the rules never plan for seat 3: the scripted choice stands in,
    // as it does for anything the table refuses.
    const bool firstCard = view.handCount[HumanSeat] == HandSize;
    if (card == NoCard || (card == Joker && firstCard) || !MayPlay(view, HumanSeat, card)) {
        pendingSuit_ = -1;
        return ScriptedHumanPosition(view);
    }
    return view.FindInHand(HumanSeat, card);
}

void SeatThreePlayer::PlayTurn() {
    CTorvelView& view = *view_;
    if (policy_ == SeatThreePolicy::Scripted) {
        PlayScriptedHumanTurn(view);
        return;
    }
    if (view.phase == 2) {
        // Two show cards, chosen from the whole hand: the rules' pair, or
        // the pair the search finds best.
        if (view.shownCount == 0) {
            GameState copy = view;
            computer::PickShowCards(copy, HumanSeat);
            showCards_ = copy.showCards;
            if (policy_ == SeatThreePolicy::Strong) {
                if (const auto best = search::AdviseShowCards(view, HumanSeat, options_).Best())
                    showCards_ = {best->move.card, best->move.jokerSuit};
            }
        }
        const int position = view.FindInHand(HumanSeat, showCards_[view.shownCount]);
        view.markedCard = position >= 0 ? position : 0;
    } else {
        view.markedCard = CardPosition();
    }
    view.KeyPlay();
}

int SeatThreePlayer::ChooseSuit(SuitDialogMode mode) {
    if (mode == SuitDialogMode::RequestedSuit) return pendingSuit_ >= 0 ? pendingSuit_ : Clubs;
    switch (policy_) {
        case SeatThreePolicy::Scripted:
            return Clubs;
        case SeatThreePolicy::Rules:
            return computer::TrumpTogether(*view_);
        case SeatThreePolicy::Strong: {
            const search::Advice advice = search::AdviseTrump(*view_, HumanSeat, options_);
            return advice.Best() ? advice.Best()->move.card : Clubs;
        }
    }
    return Clubs;
}

bool SeatThreePlayer::GoOnForSixteen() {
    switch (policy_) {
        case SeatThreePolicy::Scripted:
            return true;
        case SeatThreePolicy::Rules:
            return computer::GoOnForSixteen(*view_);
        case SeatThreePolicy::Strong:
            return search::AdviseSixteen(*view_, HumanSeat, options_).goOn;
    }
    return true;
}

}  // namespace tesseran::sim
