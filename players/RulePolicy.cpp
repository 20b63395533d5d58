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
bool LeadsJoker(const GameState& state, int seat, int count, LeadChoice& choice, Why* why) {
    if (LeadStyleOf(state.participantAt[seat]) == LeadStyle::None) return false;
    int suit = JokerLeadSuit(state);
    // Participant 1 asks for the suit whose number cards are most left, the
    // others for the one whose face cards are.
    Reason reason = state.participantAt[seat] == 1 ? Reason::JokerRequestsFewestNumbers
                                                   : Reason::JokerRequestsFewestFaces;
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
        reason = Reason::JokerOpensDeclaration;
    }
    if (!IsSuit(suit)) return false;
    choice.requestedSuit = suit;
    Note(why, reason, Joker, suit);
    return true;
}

}  // namespace

LeadChoice LeadDecision(const GameState& state, Why* why) {
    LeadChoice choice;
    const int seat = state.currentSeat;
    if (!IsSeat(seat)) return choice;
    const int count = HandLength(state, seat);

    if (state.battleNo == 1 && count == HandSize) {
        choice.position = FirstTrickLead(state);
        Note(why, Reason::OpeningPin, state.hand[seat][ClampToHand(state, seat, choice.position)]);
    } else if (count <= 1) {
        choice.position = 0;
        Note(why, Reason::LastCard);
    } else if (state.HoldsJoker(seat) && LeadsJoker(state, seat, count, choice, why)) {
        choice.position = 0;
    } else if (state.declaration != 0) {
        choice.position = ClampToHand(state, seat, DeclaredLead(state, why));
        // The joker led as the last club of a club trump requests clubs: left
        // alone, the requested suit of the previous trick would still bind
        // the followers.
        if (state.hand[seat][choice.position] == Joker) choice.requestedSuit = Clubs;
    } else {
        choice.position = StyleLead(state, why);
    }
    choice.position = ClampToHand(state, seat, choice.position);
    return choice;
}

bool GoOnForSixteen(const GameState& state, Why* why) {
    const int seat = state.currentSeat;
    const int trump = state.trump;
    if (!IsSeat(seat) || !IsSuit(trump)) {
        Note(why, Reason::SixteenFewTrumps, NoCard, trump, 0);
        return false;
    }

    const int trumps = CountOfSuit(state, seat, trump);
    if (2 * trumps < 10 - state.numberPlayed[trump]) {
        Note(why, Reason::SixteenFewTrumps, NoCard, trump, trumps);
        return false;
    }

    for (int other = 0; other < SeatCount; ++other) {
        if (state.HoldsJoker(other)) {
            if (!state.SameSide(other, seat)) {
                Note(why, Reason::SixteenEnemyJoker, Joker, trump, trumps);
                return false;
            }
            break;
        }
    }
    for (int other = 0; other < SeatCount; ++other) {
        if (state.FindInHand(other, PinOf(trump)) >= 0 && !state.SameSide(other, seat)) {
            Note(why, Reason::SixteenEnemyPin, PinOf(trump), trump, trumps);
            return false;
        }
    }
    Note(why, Reason::SixteenGoOn, NoCard, trump, trumps);
    return true;
}

}  // namespace tesseran::computer
