// SPDX-License-Identifier: MIT
// The decisions of the computer seats, as the engine asks for them.
//
// The rules themselves live in LeadRules, FollowRules, PrearrangedHands and
// TrumpChoice; this file routes each decision to them, makes the
// announcements that a joker lead brings, and keeps every answer inside the
// hand so the engine never takes a card that is not there.
#include "players/CFudaDashi.h"

#include "base/ResourceIds.h"
#include "players/FollowRules.h"
#include "players/HandSearch.h"
#include "players/PrearrangedHands.h"
#include "players/RulePolicy.h"
#include "players/TrumpChoice.h"
#include "players/search/SearchPlayer.h"

#include <optional>

namespace tesseran {

using computer::IsSeat;

int CFudaDashi::RightStrength() { return computer::RightStrength(*this); }

void CFudaDashi::Report(computer::Decision decision, int seat) {
    if (listener_ != nullptr) listener_->Decided(decision, seat, why_);
}

namespace {

// The search's reason: the share of deals its best move won, and its mean points.
computer::Why SearchWhy(const search::MoveValue& best) {
    computer::Why why;
    why.reason = computer::Reason::SearchBest;
    why.card = best.move.card;
    why.count = static_cast<int>(best.winShare * 100 + 0.5);
    why.points = static_cast<int>(best.value * 10 + (best.value >= 0 ? 0.5 : -0.5));
    return why;
}

}  // namespace

int CFudaDashi::ChooseLeadCard() {
    const int seat = currentSeat;
    if (!IsSeat(seat)) return 0;
    computer::LeadChoice choice = computer::LeadDecision(*this, WhyWanted());
    // The strong player leads by search, except for the opening pin and the
    // declared battle a prearranged hand was dealt for.
    const bool forced = handCount[seat] == HandSize && (battleNo == 1 || choice.declaration != 0);
    if (strength_ == Strength::Strong && !forced) {
        if (const std::optional<search::MoveValue> best = search::AdviseCard(*this, seat).Best()) {
            const int position = FindInHand(seat, best->move.card);
            if (position >= 0) {
                choice = {position, best->move.card == Joker ? best->move.jokerSuit : -1, 0};
                why_ = SearchWhy(*best);
                if (choice.requestedSuit >= 0) why_.suit = choice.requestedSuit;
            }
        }
    }
    Report(computer::Decision::Card, seat);

    // A joker lead that opens a declared battle says so, and pauses.
    if (choice.declaration != 0) {
        busy = 1;
        declaration = choice.declaration;
        static constexpr int Announcements[] = {
            text::RelatedDeclaresSkunk, text::RelatedDeclaresDeclaredSixteen,
            text::UnrelatedDeclaresReverseSkunk, text::UnrelatedDeclaresDeclaredReverseSixteen};
        Message(Announcements[choice.declaration - 3], MessageIcon::Information);
        PauseTurn();
        busy = 0;
    }
    // A computer's joker lead names its requested suit in a balloon at its
    // seat, with the suit's sound and a pause, while the turn timer waits.
    if (choice.requestedSuit >= 0) {
        busy = 1;
        AnnounceRequestedSuit(seat, choice.requestedSuit);
        requestedSuit = choice.requestedSuit;
        busy = 0;
    }
    return choice.position;
}

int CFudaDashi::ChooseFollowCard() {
    const int seat = currentSeat;
    if (!IsSeat(seat)) return 0;
    if (strength_ == Strength::Strong) {
        if (const std::optional<search::MoveValue> best = search::AdviseCard(*this, seat).Best()) {
            const int position = FindInHand(seat, best->move.card);
            if (position >= 0) {
                why_ = SearchWhy(*best);
                Report(computer::Decision::Card, seat);
                return position;
            }
        }
    }
    const int position = computer::ClampToHand(*this, seat, computer::FollowCard(*this, WhyWanted()));
    Report(computer::Decision::Card, seat);
    return position;
}

int CFudaDashi::ContinueForSixteen() {
    if (strength_ == Strength::Strong) return StrongContinue(true);
    const int goOn = computer::GoOnForSixteen(*this, WhyWanted()) ? 1 : 0;
    Report(computer::Decision::Sixteen, currentSeat);
    return goOn;
}

int CFudaDashi::ContinueForReverseSixteen() {
    if (strength_ == Strength::Strong) return StrongContinue(false);
    const int goOn = computer::GoOnForSixteen(*this, WhyWanted()) ? 1 : 0;
    Report(computer::Decision::Sixteen, currentSeat);
    return goOn;
}

int CFudaDashi::SixteenDecider(bool relatedGroup) {
    GameState table = *this;
    const int winner = tesseran::TrickWinner(table);
    if (winner != HumanSeat && IsRelated(winner) == relatedGroup) return winner;
    for (int seat = 0; seat < HumanSeat; ++seat) {
        if (IsRelated(seat) == relatedGroup) return seat;
    }
    return -1;
}

int CFudaDashi::StrongContinue(bool relatedGroup) {
    const int seat = SixteenDecider(relatedGroup);
    if (seat < 0) {
        const int goOn = computer::GoOnForSixteen(*this, WhyWanted()) ? 1 : 0;
        Report(computer::Decision::Sixteen, currentSeat);
        return goOn;
    }
    const search::SixteenAdvice advice = search::AdviseSixteen(*this, seat);
    const double value = advice.goOn ? advice.goOnValue : advice.stopValue;
    why_ = {computer::Reason::SearchBest, NoCard, trump, static_cast<int>(advice.goOnWinShare * 100 + 0.5),
            static_cast<int>(value * 10 + (value >= 0 ? 0.5 : -0.5))};
    Report(computer::Decision::Sixteen, seat);
    return advice.goOn ? 1 : 0;
}

int CFudaDashi::StrongTrump() {
    if (const std::optional<search::MoveValue> best = search::AdviseTrump(*this, chooserSeat).Best()) {
        why_ = SearchWhy(*best);
        why_.card = NoCard;
        why_.suit = best->move.card;
        Report(computer::Decision::Trump, chooserSeat);
        return best->move.card;
    }
    const int suit = computer::TrumpTogether(*this, WhyWanted());
    Report(computer::Decision::Trump, chooserSeat);
    return suit;
}

int CFudaDashi::ArrangeDeclarationHand() {
    plannedDeclaration = 0;
    if (battleNo != 2 && battleNo != 3) return 0;

    const std::optional<LocalTime> now = host().Now();
    if (!now) return 0;
    int handIndex = now->second;
    if (luckySeat != -1) handIndex /= 5;
    if (battleNo == 3) handIndex /= 2;
    if (handIndex < 0 || handIndex >= static_cast<int>(computer::PrearrangedHands.size())) return 0;

    const int receiver = luckySeat != -1 ? luckySeat : now->minute / 15;
    if (!IsSeat(receiver)) return 0;

    const computer::PrearrangedHand& prearranged = computer::PrearrangedHands[handIndex];
    plannedDeclaration = prearranged.plans;
    computer::GiveHand(*this, receiver, prearranged.cards);

    // Without the pin of the trump in force the hand cannot carry a
    // declaration, and the human declares for himself.
    if (receiver != HumanSeat && FindInHand(receiver, PinOf(trump)) >= 0) {
        computer::Note(WhyWanted(),
                       prearranged.plans == computer::DeclaredSkunkPlan
                           ? computer::Reason::PrearrangedSkunk
                           : computer::Reason::PrearrangedSixteen,
                       NoCard, trump);
        Report(computer::Decision::DeclarationHand, receiver);
        return 1;
    }
    plannedDeclaration = 0;
    luckySeat = -1;
    return 1;
}

void CFudaDashi::ChooseShowCards(int seat) {
    if (strength_ == Strength::Strong) {
        if (const std::optional<search::MoveValue> best = search::AdviseShowCards(*this, seat).Best()) {
            showCards = {best->move.card, best->move.jokerSuit};
            shownCount = 2;
            why_ = SearchWhy(*best);
            Report(computer::Decision::ShowCards, seat);
            return;
        }
    }
    computer::PickShowCards(*this, seat, WhyWanted());
    Report(computer::Decision::ShowCards, seat);
}

int CFudaDashi::ChooseTrumpAfterShow() {
    if (strength_ == Strength::Strong) return StrongTrump();
    const int suit = computer::TrumpAfterShow(*this, WhyWanted());
    Report(computer::Decision::Trump, chooserSeat);
    return suit;
}

int CFudaDashi::ChooseTrumpTogether() {
    if (strength_ == Strength::Strong) return StrongTrump();
    const int suit = computer::TrumpTogether(*this, WhyWanted());
    Report(computer::Decision::Trump, chooserSeat);
    return suit;
}

}  // namespace tesseran
