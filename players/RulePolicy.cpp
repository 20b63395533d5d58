// SPDX-License-Identifier: MIT
#include "players/RulePolicy.h"

#include "players/HandSearch.h"
#include "players/LeadRules.h"
#include "players/PrearrangedHands.h"

namespace tesseran::computer {

namespace {

// The values of `declaration` for the four declared battles.
constexpr int RelatedDeclaredSkunk = 3;
constexpr int RelatedDeclaredSixteen = 4;
constexpr int UnrelatedDeclaredSkunk = 5;
constexpr int UnrelatedDeclaredSixteen = 6;

// Whether the seat leads the joker now, and what it asks for with it. In the
// first trick of a battle the joker is led only to carry out the declaration
// a prearranged hand was dealt for, and it then requests the trump.
bool LeadsJoker(const GameState& state, int seat, int count, LeadChoice& choice) {
    if (LeadStyleOf(state.participantAt[seat]) == LeadStyle::None) return false;
    int suit = JokerLeadSuit(state);
    if (count == HandSize) {
        const bool skunk = state.plannedDeclaration == DeclaredSkunkPlan;
        const bool sixteen = state.plannedDeclaration == DeclaredSixteenPlan;
        if ((!skunk && !sixteen) || !IsSuit(state.trump)) return false;
        if (state.IsRelated(seat)) {
            choice.declaration = skunk ? RelatedDeclaredSkunk : RelatedDeclaredSixteen;
        } else {
            choice.declaration = skunk ? UnrelatedDeclaredSkunk : UnrelatedDeclaredSixteen;
        }
        suit = state.trump;
    }
    if (!IsSuit(suit)) return false;
    choice.requestedSuit = suit;
    return true;
}

}  // namespace

LeadChoice LeadDecision(const GameState& state) {
    LeadChoice choice;
    const int seat = state.currentSeat;
    if (!IsSeat(seat)) return choice;
    const int count = HandLength(state, seat);

    if (state.battleNo == 1 && count == HandSize) {
        choice.position = FirstTrickLead(state);
    } else if (count <= 1) {
        choice.position = 0;
    } else if (state.HoldsJoker(seat) && LeadsJoker(state, seat, count, choice)) {
        choice.position = 0;
    } else if (state.declaration != 0) {
        choice.position = ClampToHand(state, seat, DeclaredLead(state));
        // The joker led as the last club of a club trump requests clubs: left
        // alone, the requested suit of the previous trick would still bind
        // the followers.
        if (state.hand[seat][choice.position] == Joker) choice.requestedSuit = Clubs;
    } else {
        choice.position = StyleLead(state);
    }
    choice.position = ClampToHand(state, seat, choice.position);
    return choice;
}

bool GoOnForSixteen(const GameState& state) {
    const int seat = state.currentSeat;
    const int trump = state.trump;
    if (!IsSeat(seat) || !IsSuit(trump)) return false;

    const int trumps = CountOfSuit(state, seat, trump);
    if (2 * trumps < 10 - state.numberPlayed[trump]) return false;

    for (int other = 0; other < SeatCount; ++other) {
        if (state.HoldsJoker(other)) {
            if (!state.SameSide(other, seat)) return false;
            break;
        }
    }
    for (int other = 0; other < SeatCount; ++other) {
        if (state.FindInHand(other, PinOf(trump)) >= 0 && !state.SameSide(other, seat)) return false;
    }
    return true;
}

}  // namespace tesseran::computer
