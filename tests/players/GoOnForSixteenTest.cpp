// SPDX-License-Identifier: MIT
// Whether a computer that has just won a skunk (or a reverse skunk) goes on
// for 16: enough trumps, and neither the joker nor the trump pin with the enemy.
#include "PlayerFixture.h"

namespace tesseran::testing {
namespace {

class GoOnForSixteenTest : public PlayerFixture {
protected:
    GoOnForSixteenTest() {
        view.trump = Hearts;
        view.currentSeat = 0;  // related, partner of seat 2
        SetHand(1, {Club(2), Diamond(3)});
        SetHand(2, {Club(3), Diamond(4)});
        SetHand(3, {Club(4), Diamond(5)});
    }
};

TEST_F(GoOnForSixteenTest, TrumpsExactlyCoveringTheUnplayedNumberCardsGoOn) {
    // 2 x 4 trumps = 10 - 2 number cards of trump played.
    view.numberPlayed[Hearts] = 2;
    SetHand(0, {Heart(1), Heart(3), Heart(4), Heart(6)});
    EXPECT_EQ(view.ContinueForSixteen(), 1);
}

TEST_F(GoOnForSixteenTest, OneTrumpTooFewStops) {
    view.numberPlayed[Hearts] = 2;
    SetHand(0, {Heart(1), Heart(3), Heart(4), Spade(6)});
    EXPECT_EQ(view.ContinueForSixteen(), 0);
}

TEST_F(GoOnForSixteenTest, JokerDoesNotCountAsTrump) {
    view.trump = Clubs;
    view.numberPlayed[Clubs] = 4;
    SetHand(0, {Joker, Club(5), Club(6), Spade(3)});
    SetHand(1, {Diamond(2), Diamond(3)});
    SetHand(2, {Diamond(4), Diamond(6)});
    SetHand(3, {Diamond(5), Spade(2)});
    // 2 x 2 clubs < 10 - 4.
    EXPECT_EQ(view.ContinueForSixteen(), 0);
}

TEST_F(GoOnForSixteenTest, EnemyJokerStopsHoweverManyTrumps) {
    SetHand(0, {Heart(1), Heart(2), Heart(3), Heart(4), Heart(5), Heart(6)});
    SetHand(3, {Joker, Diamond(5)});
    EXPECT_EQ(view.ContinueForSixteen(), 0);
}

TEST_F(GoOnForSixteenTest, PartnerJokerGoesOn) {
    SetHand(0, {Heart(1), Heart(2), Heart(3), Heart(4), Heart(5), Heart(6)});
    SetHand(2, {Joker, Diamond(4)});
    EXPECT_EQ(view.ContinueForSixteen(), 1);
}

TEST_F(GoOnForSixteenTest, EnemyTrumpPinStopsHoweverManyTrumps) {
    SetHand(0, {Heart(1), Heart(2), Heart(3), Heart(4), Heart(5), Heart(6)});
    SetHand(1, {Club(2), Heart(10)});
    EXPECT_EQ(view.ContinueForSixteen(), 0);
}

TEST_F(GoOnForSixteenTest, PartnerTrumpPinGoesOn) {
    SetHand(0, {Heart(1), Heart(2), Heart(3), Heart(4), Heart(5), Heart(6)});
    SetHand(2, {Club(3), Heart(10)});
    EXPECT_EQ(view.ContinueForSixteen(), 1);
}

TEST_F(GoOnForSixteenTest, ReverseSixteenGoesOnWithPartnerHoldingJokerAndPin) {
    view.currentSeat = 1;  // unrelated, partner of seat 3
    SetHand(1, {Heart(1), Heart(2), Heart(3), Heart(4), Heart(5), Heart(6)});
    SetHand(3, {Joker, Heart(10)});
    EXPECT_EQ(view.ContinueForReverseSixteen(), 1);
}

TEST_F(GoOnForSixteenTest, ReverseSixteenIsRefusedWhenTheRelatedSideHoldsTheJoker) {
    view.currentSeat = 1;
    SetHand(1, {Heart(1), Heart(2), Heart(3), Heart(4), Heart(5), Heart(6)});
    SetHand(2, {Joker, Diamond(4)});
    EXPECT_EQ(view.ContinueForReverseSixteen(), 0);
}

}  // namespace
}  // namespace tesseran::testing
