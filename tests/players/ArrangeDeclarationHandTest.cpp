// SPDX-License-Identifier: MIT
// The prearranged declaration hands of battles 2 and 3: which hand, which
// seat, the exchanges that give it, and when the declaration is planned.
#include "PlayerFixture.h"

#include <optional>

namespace tesseran::testing {
namespace {

class ArrangeDeclarationHandTest : public PlayerFixture {
protected:
    ArrangeDeclarationHandTest() {
        // The unshuffled deal: seat s holds the deck's cards 10 s .. 10 s + 9.
        for (int seat = 0; seat < SeatCount; ++seat) {
            SetHand(seat,
                    std::vector<int>(Deck.begin() + seat * HandSize, Deck.begin() + (seat + 1) * HandSize));
        }
        dealt = view.hand;
    }

    void SetClock(int minute, int second) { host.clock = LocalTime{2026, 12, 8, 21, minute, second}; }

    std::vector<int> Sorted(int seat) const {
        std::vector<int> cards = HandOf(seat);
        std::sort(cards.begin(), cards.end());
        return cards;
    }

    std::vector<int> AllCards() const {
        std::vector<int> cards;
        for (int seat = 0; seat < SeatCount; ++seat) {
            EXPECT_EQ(view.handCount[seat], HandSize);
            cards.insert(cards.end(), view.hand[seat].begin(), view.hand[seat].end());
        }
        std::sort(cards.begin(), cards.end());
        return cards;
    }

    static std::vector<int> DeckCards() { return std::vector<int>(Deck.begin(), Deck.end()); }

    std::array<std::array<int, HandSize>, SeatCount> dealt{};
};

TEST_F(ArrangeDeclarationHandTest, BattleOneLeavesTheDealAlone) {
    view.battleNo = 1;
    view.plannedDeclaration = 8;
    view.luckySeat = 1;
    SetClock(0, 0);
    EXPECT_EQ(view.ArrangeDeclarationHand(), 0);
    EXPECT_EQ(view.plannedDeclaration, 0);
    EXPECT_EQ(view.luckySeat, 1);
    EXPECT_EQ(view.hand, dealt);
}

TEST_F(ArrangeDeclarationHandTest, ExchangesTakeEachMissingCardFromTheFirstSeatHoldingIt) {
    view.trump = Clubs;
    SetClock(5, 0);  // hand 0 to seat 0
    EXPECT_EQ(view.ArrangeDeclarationHand(), 1);
    EXPECT_EQ(view.plannedDeclaration, 8);
    EXPECT_EQ(view.luckySeat, -1);
    EXPECT_EQ(HandOf(0), (std::vector<int>{0, 8, 9, 10, 20, 21, 31, 32, 42, 43}));
    EXPECT_EQ(Sorted(1), (std::vector<int>{3, 4, 12, 13, 14, 15, 16, 17, 18, 19}));
    EXPECT_EQ(Sorted(2), (std::vector<int>{5, 6, 23, 24, 25, 26, 27, 28, 29, 30}));
    EXPECT_EQ(Sorted(3), (std::vector<int>{1, 2, 7, 35, 36, 37, 38, 39, 40, 41}));
}

TEST_F(ArrangeDeclarationHandTest, MinuteQuarterChoosesTheSeatAndSecondTheHand) {
    view.trump = Clubs;
    SetClock(30, 7);  // hand 7 to seat 2
    EXPECT_EQ(view.ArrangeDeclarationHand(), 1);
    EXPECT_EQ(view.plannedDeclaration, 16);
    EXPECT_EQ(Sorted(2), (std::vector<int>{0, 1, 2, 4, 6, 7, 9, 10, 41, 43}));
    EXPECT_EQ(AllCards(), DeckCards());
}

TEST_F(ArrangeDeclarationHandTest, BattleThreeTakesHalfTheSecond) {
    view.battleNo = 3;
    view.trump = Spades;
    SetClock(15, 23);  // hand 11 to seat 1
    EXPECT_EQ(view.ArrangeDeclarationHand(), 1);
    EXPECT_EQ(view.plannedDeclaration, 16);
    EXPECT_EQ(Sorted(1), (std::vector<int>{0, 20, 36, 37, 38, 39, 40, 41, 42, 43}));
    EXPECT_EQ(AllCards(), DeckCards());
}

TEST_F(ArrangeDeclarationHandTest, SecondsBeyondTheTwelveHandsArrangeNothing) {
    struct Case {
        int battle;
        int second;
    };
    for (const Case& late : {Case{2, 12}, Case{2, 59}, Case{3, 24}}) {
        view.battleNo = late.battle;
        view.plannedDeclaration = 16;
        SetClock(0, late.second);
        EXPECT_EQ(view.ArrangeDeclarationHand(), 0) << "battle " << late.battle << " second " << late.second;
        EXPECT_EQ(view.plannedDeclaration, 0);
        EXPECT_EQ(view.hand, dealt);
    }
}

TEST_F(ArrangeDeclarationHandTest, LuckySeatReceivesTheHandWhateverTheMinute) {
    view.trump = Spades;
    view.luckySeat = 2;
    SetClock(0, 59);  // hand 59 / 5 = 11
    EXPECT_EQ(view.ArrangeDeclarationHand(), 1);
    EXPECT_EQ(Sorted(2), (std::vector<int>{0, 20, 36, 37, 38, 39, 40, 41, 42, 43}));
    EXPECT_EQ(view.plannedDeclaration, 16);
    // A planned declaration keeps the seat favoured for the next deal.
    EXPECT_EQ(view.luckySeat, 2);
    EXPECT_EQ(AllCards(), DeckCards());
}

TEST_F(ArrangeDeclarationHandTest, LuckySeatInBattleThreeGetsOneOfTheFirstSixHands) {
    view.battleNo = 3;
    view.trump = Diamonds;
    view.luckySeat = 1;
    SetClock(45, 59);  // hand 59 / 5 / 2 = 5
    EXPECT_EQ(view.ArrangeDeclarationHand(), 1);
    EXPECT_EQ(Sorted(1), (std::vector<int>{0, 7, 10, 13, 14, 16, 17, 18, 19, 21}));
    EXPECT_EQ(view.plannedDeclaration, 8);
    EXPECT_EQ(view.luckySeat, 1);
}

TEST_F(ArrangeDeclarationHandTest, HumanGetsTheHandButNoDeclaration) {
    view.trump = Clubs;
    view.luckySeat = 3;
    SetClock(10, 0);
    EXPECT_EQ(view.ArrangeDeclarationHand(), 1);
    EXPECT_EQ(Sorted(3), (std::vector<int>{0, 8, 9, 10, 20, 21, 31, 32, 42, 43}));
    EXPECT_EQ(view.plannedDeclaration, 0);
    EXPECT_EQ(view.luckySeat, -1);
    EXPECT_EQ(AllCards(), DeckCards());
}

TEST_F(ArrangeDeclarationHandTest, HandWithoutTheTrumpPinPlansNothing) {
    view.trump = Diamonds;
    view.luckySeat = 1;
    SetClock(0, 20);  // hand 4: no diamond pin
    EXPECT_EQ(view.ArrangeDeclarationHand(), 1);
    EXPECT_EQ(Sorted(1), (std::vector<int>{0, 9, 10, 23, 24, 27, 28, 29, 31, 32}));
    EXPECT_EQ(view.plannedDeclaration, 0);
    EXPECT_EQ(view.luckySeat, -1);
    EXPECT_EQ(AllCards(), DeckCards());
}

TEST_F(ArrangeDeclarationHandTest, UnreadableClockArrangesNothing) {
    host.clock = std::nullopt;
    view.plannedDeclaration = 8;
    EXPECT_EQ(view.ArrangeDeclarationHand(), 0);
    EXPECT_EQ(view.plannedDeclaration, 0);
    EXPECT_EQ(view.hand, dealt);
}

TEST_F(ArrangeDeclarationHandTest, EveryHandReachesEverySeatWithAllCardsKept) {
    // Whatever hand goes to whichever seat, the exchange leaves ten cards in
    // every hand and the deck complete.
    for (int seat = 0; seat < SeatCount; ++seat) {
        for (int second = 0; second < 12; ++second) {
            for (int other = 0; other < SeatCount; ++other) {
                SetHand(other, std::vector<int>(dealt[other].begin(), dealt[other].end()));
            }
            view.luckySeat = -1;
            view.trump = Hearts;
            SetClock(seat * 15, second);
            ASSERT_EQ(view.ArrangeDeclarationHand(), 1);
            EXPECT_EQ(AllCards(), DeckCards()) << "seat " << seat << " second " << second;
        }
    }
}

// A host that counts how often the clock is read.
class ClockCountingHost : public TestHost {
public:
    std::optional<LocalTime> Now() override {
        ++clockReads;
        return TestHost::Now();
    }
    int clockReads = 0;
};

TEST(ArrangeDeclarationHandClockTest, ReadsTheClockOnceAndOnlyInBattlesTwoAndThree) {
    ClockCountingHost countingHost;
    MemorySettingsStore settings;
    CFudaDashi player(countingHost, settings);
    for (int seat = 0; seat < SeatCount; ++seat) player.handCount[seat] = HandSize;
    countingHost.clock = LocalTime{2026, 12, 8, 21, 0, 30};  // no hand at second 30

    player.battleNo = 1;
    player.ArrangeDeclarationHand();
    EXPECT_EQ(countingHost.clockReads, 0);
    player.battleNo = 2;
    player.ArrangeDeclarationHand();
    EXPECT_EQ(countingHost.clockReads, 1);
    player.battleNo = 3;
    player.ArrangeDeclarationHand();
    EXPECT_EQ(countingHost.clockReads, 2);
}

}  // namespace
}  // namespace tesseran::testing
