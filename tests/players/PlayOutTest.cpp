// SPDX-License-Identifier: MIT
// Whole battles played by the computer rules at all four seats over many
// shuffled deals, checking what must hold whatever the cards: every answer is
// a card of the hand, a follower holding the requested suit follows it or
// plays the joker, and a joker lead names the suit it requests. A second test
// throws odd states at the decisions, which must still answer inside the hand.
#include "PlayerFixture.h"

#include "engine/Random.h"

#include <numeric>

namespace tesseran::testing {
namespace {

constexpr int Deals = 400;

constexpr bool IsSuitValue(int suit) { return suit >= Clubs && suit <= Spades; }

int CardsOfSuit(const GameState& state, int seat, int suit) {
    int count = 0;
    for (int i = 0; i < state.handCount[seat]; ++i) {
        if (state.hand[seat][i] != Joker && SuitOf(state.hand[seat][i]) == suit) ++count;
    }
    return count;
}

void Shuffle(std::array<int, DeckSize>& deck, Lcg& random) {
    for (int i = DeckSize - 1; i > 0; --i) std::swap(deck[i], deck[random.Draw() % (i + 1)]);
}

void DealAndRelate(CFudaDashi& view, Lcg& random) {
    std::array<int, DeckSize> deck = Deck;
    Shuffle(deck, random);
    for (int seat = 0; seat < SeatCount; ++seat) {
        std::copy(deck.begin() + seat * HandSize, deck.begin() + (seat + 1) * HandSize,
                  view.hand[seat].begin());
        std::sort(view.hand[seat].begin(), view.hand[seat].end());
        view.handCount[seat] = HandSize;
    }
    view.relation.fill(0);
    const int keyCard = CardOf(view.trump, 7);
    for (int seat = 0; seat < SeatCount; ++seat) {
        const bool joker = view.FindInHand(seat, Joker) >= 0;
        const bool key = view.FindInHand(seat, keyCard) >= 0;
        if (joker && key) {
            view.relation[seat] = 1;
            view.relation[OppositeSeat(seat)] = 2;
            break;
        }
        if (joker) view.relation[seat] = 1;
        if (key) view.relation[seat] = 2;
    }
}

void Play(CFudaDashi& view, int seat, int position) {
    const int card = view.hand[seat][position];
    for (int i = position; i + 1 < view.handCount[seat]; ++i) view.hand[seat][i] = view.hand[seat][i + 1];
    --view.handCount[seat];
    view.trick[seat] = card;
    view.played[card] = 1;
    if (IsFace(card)) {
        ++view.facePlayed[SuitOf(card)];
    } else if (card != Joker) {
        ++view.numberPlayed[SuitOf(card)];
    }
}

TEST(PlayOutTest, EveryDecisionIsACardOfTheHandAndFollowsSuit) {
    for (int deal = 1; deal <= Deals; ++deal) {
        TestHost host;
        MemorySettingsStore store;
        CFudaDashi view(host, store);
        Lcg random(static_cast<std::uint32_t>(deal));
        view.trump = random.Draw() % 4;
        view.battleNo = 1 + random.Draw() % 3;
        view.gameNo = 1 + random.Draw() % 10;
        view.relationKnown = random.Draw() % 2;
        const int rotation = random.Draw() % 3;
        // Every seat plays by a computer style here, the human's seat included.
        for (int seat = 0; seat < SeatCount; ++seat) view.participantAt[seat] = (seat + rotation) % 3;
        view.plannedDeclaration = std::array<int, 3>{0, 8, 16}[random.Draw() % 3];
        view.declaration = random.Draw() % 3 == 0 ? 1 + random.Draw() % 6 : 0;
        DealAndRelate(view, random);
        view.leader = random.Draw() % 4;
        view.trick.fill(NoCard);

        for (int trickNo = 0; trickNo < HandSize; ++trickNo) {
            for (int turn = 0; turn < SeatCount; ++turn) {
                const int seat = (view.leader + turn) % SeatCount;
                view.currentSeat = seat;
                const int requestedHeld = CardsOfSuit(view, seat, view.requestedSuit);
                const bool lastCard = view.handCount[seat] == 1;
                const int position = turn == 0 ? view.ChooseLeadCard() : view.ChooseFollowCard();
                ASSERT_GE(position, 0) << "deal " << deal;
                ASSERT_LT(position, view.handCount[seat]) << "deal " << deal << " trick " << trickNo;
                const int card = view.hand[seat][position];
                if (turn == 0) {
                    if (card != Joker) {
                        view.requestedSuit = SuitOf(card);
                    } else if (!lastCard) {
                        EXPECT_TRUE(IsSuitValue(view.requestedSuit)) << "deal " << deal;
                    }
                } else if (card != Joker && requestedHeld > 0) {
                    EXPECT_EQ(SuitOf(card), view.requestedSuit) << "deal " << deal << " trick " << trickNo;
                }
                Play(view, seat, position);
                EXPECT_EQ(view.busy, 0);
            }
            view.leader = view.TrickWinner();
            view.trick.fill(NoCard);
            if (trickNo == 2) view.relationKnown = 1;
        }
    }
}

TEST(PlayOutTest, OddStatesStillGetAnAnswerInsideTheHand) {
    for (int round = 1; round <= Deals; ++round) {
        TestHost host;
        MemorySettingsStore store;
        CFudaDashi view(host, store);
        Lcg random(static_cast<std::uint32_t>(round * 7919));
        view.trump = random.Draw() % 6 - 1;
        view.requestedSuit = random.Draw() % 6 - 1;
        view.battleNo = random.Draw() % 4;
        view.declaration = random.Draw() % 7;
        view.plannedDeclaration = random.Draw() % 20;
        view.relationKnown = random.Draw() % 2;
        for (int seat = 0; seat < SeatCount; ++seat) {
            view.participantAt[seat] = random.Draw() % 5;
            view.relation[seat] = random.Draw() % 3;
            view.handCount[seat] = 1 + random.Draw() % HandSize;
            for (int& card : view.hand[seat]) card = Deck[random.Draw() % DeckSize];
            std::sort(view.hand[seat].begin(), view.hand[seat].begin() + view.handCount[seat]);
            view.trick[seat] = random.Draw() % 2 == 0 ? NoCard : Deck[random.Draw() % DeckSize];
        }
        for (int& played : view.played) played = random.Draw() % 2;
        view.leader = random.Draw() % 4;
        view.currentSeat = random.Draw() % 4;
        const int count = view.handCount[view.currentSeat];

        const int lead = view.ChooseLeadCard();
        EXPECT_GE(lead, 0);
        EXPECT_LT(lead, count) << "round " << round;
        const int follow = view.ChooseFollowCard();
        EXPECT_GE(follow, 0);
        EXPECT_LT(follow, count) << "round " << round;
        const int strength = view.RightStrength();
        EXPECT_GE(strength, -1);
        view.ChooseShowCards(view.currentSeat);
        EXPECT_EQ(view.shownCount, 2);
        view.showSeat = random.Draw() % 4;
        view.chooserSeat = random.Draw() % 4;
        EXPECT_TRUE(IsSuitValue(view.ChooseTrumpAfterShow()));
        EXPECT_TRUE(IsSuitValue(view.ChooseTrumpTogether()));
        const int goOn = view.ContinueForSixteen();
        EXPECT_TRUE(goOn == 0 || goOn == 1);
        view.luckySeat = random.Draw() % 6 - 1;
        host.clock = LocalTime{2026, 1, 1, 0, random.Draw() % 60, random.Draw() % 60};
        const int arranged = view.ArrangeDeclarationHand();
        EXPECT_TRUE(arranged == 0 || arranged == 1);
    }
}

}  // namespace
}  // namespace tesseran::testing
