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
#include "players/LeadRules.h"
#include "players/PrearrangedHands.h"
#include "players/TrumpChoice.h"

#include <optional>

namespace tesseran {

namespace {

using computer::IsSeat;

// The values of `declaration` for the four declared battles.
constexpr int RelatedDeclaredSkunk = 3;
constexpr int RelatedDeclaredSixteen = 4;
constexpr int UnrelatedDeclaredSkunk = 5;
constexpr int UnrelatedDeclaredSixteen = 6;

// The seat's side goes on for 16 (or reverse 16) when it holds enough trumps
// and no enemy holds the joker or the trump pin.
int GoOnForSixteen(const GameState& state) {
    const int seat = state.currentSeat;
    const int trump = state.trump;
    if (!IsSeat(seat) || !computer::IsSuit(trump)) return 0;

    const int trumps = computer::CountOfSuit(state, seat, trump);
    if (2 * trumps < 10 - state.numberPlayed[trump]) return 0;

    for (int other = 0; other < SeatCount; ++other) {
        if (state.HoldsJoker(other)) {
            if (!state.SameSide(other, seat)) return 0;
            break;
        }
    }
    for (int other = 0; other < SeatCount; ++other) {
        if (state.FindInHand(other, PinOf(trump)) >= 0 && !state.SameSide(other, seat)) return 0;
    }
    return 1;
}

}  // namespace

int CFudaDashi::RightStrength() {
    const int strength = TrickHolderStrength();
    // The rules keep the strength of each card on the table as they judge it.
    if (strength >= 0 && IsSeat(currentSeat)) {
        for (int other = 0; other < SeatCount; ++other) {
            if (trick[other] != NoCard) trickStrength[other] = CardStrength(other, trick[other]);
        }
    }
    return strength;
}

int CFudaDashi::ChooseLeadCard() {
    const int seat = currentSeat;
    if (!IsSeat(seat)) return 0;
    const int count = computer::HandLength(*this, seat);

    // A computer's joker lead names its requested suit in a balloon at its
    // seat, with the suit's sound and a pause, while the turn timer waits.
    const auto request = [this, seat](int suit) {
        busy = 1;
        AnnounceRequestedSuit(seat, suit);
        requestedSuit = suit;
        busy = 0;
    };

    // Whether to lead the joker now, announcing what goes with it. In the first
    // trick of a battle the joker is led only to carry out the declaration a
    // prearranged hand was dealt for, and it then requests the trump.
    const auto leadJoker = [this, seat, count, &request]() {
        if (computer::LeadStyleOf(participantAt[seat]) == computer::LeadStyle::None) return false;
        int suit = computer::JokerLeadSuit(*this);
        if (count == HandSize) {
            const bool skunk = plannedDeclaration == computer::DeclaredSkunkPlan;
            const bool sixteen = plannedDeclaration == computer::DeclaredSixteenPlan;
            if ((!skunk && !sixteen) || !computer::IsSuit(trump)) return false;
            busy = 1;
            if (IsRelated(seat)) {
                declaration = skunk ? RelatedDeclaredSkunk : RelatedDeclaredSixteen;
                Message(skunk ? text::RelatedDeclaresSkunk : text::RelatedDeclaresDeclaredSixteen,
                        MessageIcon::Information);
            } else {
                declaration = skunk ? UnrelatedDeclaredSkunk : UnrelatedDeclaredSixteen;
                Message(skunk ? text::UnrelatedDeclaresReverseSkunk
                              : text::UnrelatedDeclaresDeclaredReverseSixteen,
                        MessageIcon::Information);
            }
            PauseTurn();
            suit = trump;
            busy = 0;
        }
        if (!computer::IsSuit(suit)) return false;
        request(suit);
        return true;
    };

    int position = 0;
    if (battleNo == 1 && count == HandSize) {
        position = computer::FirstTrickLead(*this);
    } else if (count <= 1) {
        position = 0;
    } else if (HoldsJoker(seat) && leadJoker()) {
        position = 0;
    } else if (declaration != 0) {
        position = computer::ClampToHand(*this, seat, computer::DeclaredLead(*this));
        // The joker led as the last club of a club trump requests clubs: left
        // alone, the requested suit of the previous trick would still bind
        // the followers.
        if (hand[seat][position] == Joker) request(Clubs);
    } else {
        position = computer::StyleLead(*this);
    }
    return computer::ClampToHand(*this, seat, position);
}

int CFudaDashi::ChooseFollowCard() {
    const int seat = currentSeat;
    if (!IsSeat(seat)) return 0;
    return computer::ClampToHand(*this, seat, computer::FollowCard(*this));
}

int CFudaDashi::ContinueForSixteen() { return GoOnForSixteen(*this); }

int CFudaDashi::ContinueForReverseSixteen() { return GoOnForSixteen(*this); }

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
    if (receiver != HumanSeat && FindInHand(receiver, PinOf(trump)) >= 0) return 1;
    plannedDeclaration = 0;
    luckySeat = -1;
    return 1;
}

void CFudaDashi::ChooseShowCards(int seat) { computer::PickShowCards(*this, seat); }

int CFudaDashi::ChooseTrumpAfterShow() { return computer::TrumpAfterShow(*this); }

int CFudaDashi::ChooseTrumpTogether() { return computer::TrumpTogether(*this); }

}  // namespace tesseran
