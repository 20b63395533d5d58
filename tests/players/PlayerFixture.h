// SPDX-License-Identifier: MIT
// A computer-player view over a scripted host, with helpers to lay out a game
// situation field by field.
#pragma once

#include "players/CFudaDashi.h"
#include "support/TestHost.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <vector>

namespace tesseran::testing {

class PlayerFixture : public ::testing::Test {
protected:
    PlayerFixture() {
        // A trick of battle 2 with the partners opposite each other: seats 0
        // and 2 related, 1 and 3 unrelated, nothing played yet.
        view.battleNo = 2;
        view.gameNo = 1;
        view.relation = {1, 0, 2, 0};
        view.relationKnown = 1;
        view.participantAt = {0, 1, 2, 3};
        view.trump = Clubs;
        view.requestedSuit = -1;
        view.trick.fill(NoCard);
        view.played.fill(0);
        view.phase = 1;
        // Seats a test does not deal to hold nothing the rules could mistake
        // for a card (a zero would be the joker).
        for (int seat = 0; seat < SeatCount; ++seat) {
            view.hand[seat].fill(NoCard);
            view.handCount[seat] = 0;
        }
    }

    // Gives a seat the cards, sorted as the engine keeps them.
    void SetHand(int seat, std::vector<int> cards) {
        std::sort(cards.begin(), cards.end());
        view.hand[seat].fill(NoCard);
        for (std::size_t i = 0; i < cards.size(); ++i) view.hand[seat][i] = cards[i];
        view.handCount[seat] = static_cast<int>(cards.size());
    }

    std::vector<int> HandOf(int seat) const {
        return std::vector<int>(view.hand[seat].begin(), view.hand[seat].begin() + view.handCount[seat]);
    }

    void MarkPlayed(std::initializer_list<int> cards) {
        for (int card : cards) view.played[card] = 1;
    }

    // The current seat leads.
    void ToLead(int seat) {
        view.leader = seat;
        view.currentSeat = seat;
        view.trick.fill(NoCard);
    }

    // The trick so far (seat by seat, -1 for not yet played) and the seat to play.
    void ToFollow(int leader, int requested, std::array<int, SeatCount> trick, int seat) {
        view.leader = leader;
        view.requestedSuit = requested;
        view.trick = trick;
        view.currentSeat = seat;
    }

    // The card the current seat would lead or play.
    int LeadCard() {
        const int position = view.ChooseLeadCard();
        return view.hand[view.currentSeat][position];
    }
    int FollowCard() {
        const int position = view.ChooseFollowCard();
        return view.hand[view.currentSeat][position];
    }

    TestHost host;
    MemorySettingsStore store;
    CFudaDashi view{host, store};
};

// Card codes by suit and rank, to keep the situations readable.
constexpr int Club(int rank) { return CardOf(Clubs, rank); }
constexpr int Diamond(int rank) { return CardOf(Diamonds, rank); }
constexpr int Heart(int rank) { return CardOf(Hearts, rank); }
constexpr int Spade(int rank) { return CardOf(Spades, rank); }

}  // namespace tesseran::testing
