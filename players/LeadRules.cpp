// SPDX-License-Identifier: MIT
// The lead rules of the computer seats.
#include "players/LeadRules.h"

#include "players/HandSearch.h"

#include <array>

namespace tesseran::computer {

namespace {

// When nothing the style looks for is left (only trumps, or only face cards)
// the second card of the hand is led.
constexpr int FallbackLead = 1;

// The suit with the smallest count, the lowest suit among equals.
int SuitWithFewest(const std::array<int, 4>& counts) {
    int best = Clubs;
    for (int suit = Diamonds; suit <= Spades; ++suit) {
        if (counts[suit] < counts[best]) best = suit;
    }
    return best;
}

}  // namespace

LeadStyle LeadStyleOf(int participant) {
    switch (participant) {
        case 0:
            return LeadStyle::TopCardsOutsideTrump;
        case 1:
            return LeadStyle::TopCardsAnySuit;
        case 2:
            return LeadStyle::LowCardsFirst;
        default:
            return LeadStyle::None;
    }
}

int FirstTrickLead(const GameState& state) {
    // The highest card of the sorted hand is the spade pin for the seat that
    // opens games 1 to 9; game 10 is opened with the club pin.
    constexpr int HighestPosition = HandSize - 1;
    if (state.gameNo != 10) return HighestPosition;
    const int position = state.FindInHand(state.currentSeat, ClubPin);
    return position >= 0 ? position : HighestPosition;
}

int DeclaredLead(const GameState& state, Why* why) {
    const int seat = state.currentSeat;
    const int length = HandLength(state, seat);
    // The joker computes as a club here, so with clubs as trump and no other
    // club left it is led as the last trump.
    for (int position = length - 1; position >= 0; --position) {
        if (SuitOf(state.hand[seat][position]) == state.trump) {
            Note(why, Reason::DeclaredHighestTrump, state.hand[seat][position], state.trump);
            return position;
        }
    }
    for (int rank = 10; rank >= 1; --rank) {
        for (int position = 0; position < length; ++position) {
            if (state.hand[seat][position] != Joker && RankOf(state.hand[seat][position]) == rank) {
                Note(why, Reason::DeclaredHighestCard, state.hand[seat][position]);
                return position;
            }
        }
    }
    Note(why, Reason::LeadFallback);
    return FallbackLead;
}

int StyleLead(const GameState& state, Why* why) {
    const int seat = state.currentSeat;
    const int trump = state.trump;
    const auto outsideTrump = [trump](int card) { return SuitOf(card) != trump; };
    const CardSet tops = TopRemainingCards(state);
    const auto topOutsideTrump = [tops, trump](int card) {
        return SuitOf(card) != trump && (tops & CardBit(card)) != 0;
    };
    const auto numberOutsideTrump = [trump](int card) { return SuitOf(card) != trump && !IsFace(card); };

    int position = NotFound;
    int which = -1;
    Reason reason = Reason::LeadNoSureOrNumber;
    switch (LeadStyleOf(state.participantAt[seat])) {
        case LeadStyle::TopCardsOutsideTrump: {
            position =
                FindFirstOfNoting(state, seat, which, topOutsideTrump, numberOutsideTrump, outsideTrump);
            constexpr Reason reasons[] = {Reason::SureWinnerOutsideTrump, Reason::NumberOutsideTrump,
                                          Reason::AnyOutsideTrump};
            reason = which >= 0 ? reasons[which] : Reason::LeadOnlyTrumps;
            break;
        }
        case LeadStyle::TopCardsAnySuit: {
            position = FindFirstOfNoting(
                state, seat, which, [tops](int card) { return (tops & CardBit(card)) != 0; },
                [](int card) { return !IsFace(card); });
            constexpr Reason reasons[] = {Reason::SureWinnerAnySuit, Reason::NumberAnySuit};
            if (which >= 0) reason = reasons[which];
            break;
        }
        case LeadStyle::LowCardsFirst: {
            position =
                FindFirstOfNoting(state, seat, which, numberOutsideTrump, topOutsideTrump,
                                  [trump](int card) { return SuitOf(card) == trump && !IsFace(card); });
            constexpr Reason reasons[] = {Reason::NumberOutsideTrump, Reason::SureWinnerOutsideTrump,
                                          Reason::TrumpNumber};
            if (which >= 0) reason = reasons[which];
            break;
        }
        case LeadStyle::None:
            return 0;
    }
    const int chosen = position != NotFound ? position : FallbackLead;
    Note(why, reason, state.hand[seat][ClampToHand(state, seat, chosen)], trump);
    return chosen;
}

int JokerLeadSuit(const GameState& state) {
    const int seat = state.currentSeat;
    const int count = HandLength(state, seat);
    switch (state.participantAt[seat]) {
        case 0:
            return count <= 7 ? SuitWithFewest(state.facePlayed) : -1;
        case 1:
            return SuitWithFewest(state.numberPlayed);
        case 2:
            return count <= 3 ? SuitWithFewest(state.facePlayed) : -1;
        default:
            return -1;
    }
}

}  // namespace tesseran::computer
