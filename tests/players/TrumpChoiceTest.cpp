// SPDX-License-Identifier: MIT
// The trump of battles 2 and 3 when a computer names it, and the two cards a
// computer shows when its human partner names it.
#include "PlayerFixture.h"

namespace tesseran::testing {
namespace {

using ShowCardsTest = PlayerFixture;

TEST_F(ShowCardsTest, JokerJoinsTheTopOfTheLongSuit) {
    SetHand(1, {Joker, Club(2), Club(4), Diamond(2), Diamond(8), Heart(2), Heart(5), Heart(8), Heart(9),
                SpadePin});
    view.ChooseShowCards(1);
    EXPECT_EQ(view.showCards[0], Heart(9));
    EXPECT_EQ(view.showCards[1], Joker);
    EXPECT_EQ(view.shownCount, 2);
}

TEST_F(ShowCardsTest, PinOfAnotherSuitJoinsTheTopOfTheLongSuit) {
    SetHand(1, {Club(2), Club(4), Diamond(2), Diamond(10), Heart(3), Heart(6), Heart(8), Heart(9), Spade(7),
                SpadePin});
    view.ChooseShowCards(1);
    // The first pin by position: the diamond pin before the spade pin.
    EXPECT_EQ(view.showCards[0], Heart(9));
    EXPECT_EQ(view.showCards[1], Diamond(10));
    EXPECT_EQ(view.shownCount, 2);
}

TEST_F(ShowCardsTest, WithoutJokerOrOtherPinShowsTheTwoHighestOfTheLongSuit) {
    SetHand(3, {Club(5), Diamond(1), Heart(3), Heart(5), Heart(8), Heart(9), Heart(10), Spade(5), Spade(6),
                Spade(8)});
    view.ChooseShowCards(3);
    // The long suit's own pin is the first card, not a second one.
    EXPECT_EQ(view.showCards[0], Heart(10));
    EXPECT_EQ(view.showCards[1], Heart(9));
}

TEST_F(ShowCardsTest, EqualSuitsMakeTheLowerSuitLong) {
    SetHand(2, {Club(1), Club(2), Club(3), Diamond(1), Diamond(2), Diamond(3), Heart(1), Heart(2), Spade(2),
                Spade(3)});
    view.ChooseShowCards(2);
    EXPECT_EQ(view.showCards[0], Club(3));
    EXPECT_EQ(view.showCards[1], Club(2));
}

class TrumpTogetherTest : public PlayerFixture {
protected:
    TrumpTogetherTest() {
        // Seats 0 and 2 are the related computers; the unrelated hands do not count.
        SetHand(1, {Heart(1), Spade(2), Spade(3), Spade(4), Spade(5), Spade(6), Spade(7), Spade(8), Spade(9),
                    SpadePin});
    }
};

TEST_F(TrumpTogetherTest, LongestSuitOfBothRelatedHandsIsTrump) {
    SetHand(0, {Club(1), Diamond(1), Diamond(2), Diamond(3), Heart(2), Heart(3), Heart(4), Heart(5), Spade(2),
                Spade(3)});
    SetHand(2, {Club(2), Diamond(4), Diamond(5), Diamond(6), Heart(6), Heart(7), Heart(8), Heart(9), Spade(4),
                Spade(5)});
    EXPECT_EQ(view.ChooseTrumpTogether(), Hearts);
}

TEST_F(TrumpTogetherTest, EqualCountsGoToTheLowerSuit) {
    SetHand(0, {Club(1), Diamond(1), Diamond(2), Diamond(3), Diamond(4), Heart(2), Heart(3), Heart(4),
                Spade(2), Spade(3)});
    SetHand(2, {Club(2), Diamond(5), Diamond(6), Diamond(7), Heart(5), Heart(6), Heart(7), Heart(8), Spade(4),
                Spade(5)});
    EXPECT_EQ(view.ChooseTrumpTogether(), Diamonds);
}

TEST_F(TrumpTogetherTest, JokerCountsAsAClub) {
    // Five clubs and the joker against six hearts: with the joker clubs tie
    // hearts and, being the lower suit, win.
    SetHand(0, {Joker, Club(1), Club(2), Diamond(1), Diamond(2), Heart(2), Heart(3), Spade(2), Spade(3),
                Spade(4)});
    SetHand(2, {Club(3), Club(4), Club(5), Diamond(3), Heart(4), Heart(5), Heart(6), Heart(7), Spade(5),
                Spade(6)});
    EXPECT_EQ(view.ChooseTrumpTogether(), Clubs);
}

class TrumpAfterShowTest : public PlayerFixture {
protected:
    TrumpAfterShowTest() {
        // The human (seat 3) has put two cards on the table; seat 1 chooses.
        view.relation = {0, 1, 0, 2};
        view.showSeat = 3;
        view.chooserSeat = 1;
    }

    void Show(std::vector<int> handWithoutShown, int first, int second) {
        SetHand(3, handWithoutShown);
        view.showCards = {first, second};
        view.shownCount = 2;
    }
};

TEST_F(TrumpAfterShowTest, HumansSixCardSuitCountingTheShownCardsIsTrump) {
    Show({Club(1), Diamond(2), Heart(2), Heart(3), Heart(4), Heart(5), Spade(2), Spade(3)}, Heart(9),
         Heart(10));
    // The chooser's seven spades would win if the shown hearts were left out.
    SetHand(1, {Club(2), Diamond(3), Diamond(4), Spade(4), Spade(5), Spade(6), Spade(7), Spade(8), Spade(9),
                SpadePin});
    EXPECT_EQ(view.ChooseTrumpAfterShow(), Hearts);
}

TEST_F(TrumpAfterShowTest, JokerCountsAsAClubInTheHumansHand) {
    Show({Club(1), Club(2), Club(3), Club(4), Diamond(2), Heart(2), Spade(2), Spade(3)}, Joker, Club(9));
    SetHand(1, {Club(5), Diamond(3), Diamond(4), Spade(4), Spade(5), Spade(6), Spade(7), Spade(8), Spade(9),
                SpadePin});
    EXPECT_EQ(view.ChooseTrumpAfterShow(), Clubs);
}

TEST_F(TrumpAfterShowTest, ChoosersOwnSixCardSuitComesNext) {
    Show({Club(1), Diamond(2), Heart(2), Heart(3), Heart(4), Spade(2), Spade(3), Spade(4)}, Heart(9),
         Diamond(10));
    SetHand(1, {Club(2), Diamond(3), Diamond(4), Heart(5), Spade(5), Spade(6), Spade(7), Spade(8), Spade(9),
                SpadePin});
    EXPECT_EQ(view.ChooseTrumpAfterShow(), Spades);
}

TEST_F(TrumpAfterShowTest, EightCardsOfASuitBetweenThemMakeTrump) {
    Show({Club(1), Club(2), Club(3), Diamond(2), Heart(2), Heart(3), Spade(2), Spade(3)}, Heart(10), Club(9));
    SetHand(1, {Club(4), Club(5), Club(6), Club(7), Diamond(3), Diamond(4), Heart(4), Heart(5), Spade(4),
                Spade(5)});
    // Clubs 4 + 4; the first show card alone would have named hearts.
    EXPECT_EQ(view.ChooseTrumpAfterShow(), Clubs);
}

TEST_F(TrumpAfterShowTest, FirstShowCardNamesTheSuitWhenNothingStandsOut) {
    Show({Club(1), Club(2), Diamond(2), Diamond(3), Heart(2), Spade(2), Spade(3), Spade(4)}, Heart(9),
         Heart(10));
    SetHand(1, {Club(3), Club(4), Diamond(4), Diamond(5), Diamond(6), Heart(3), Heart(4), Spade(5), Spade(6),
                Spade(7)});
    // Spades 3 + 3 = 6 is the longest suit between them, but short of eight.
    EXPECT_EQ(view.ChooseTrumpAfterShow(), Hearts);
}

TEST_F(TrumpAfterShowTest, JokerShownFirstLetsTheSecondCardNameTheSuit) {
    Show({Club(1), Club(2), Diamond(2), Diamond(3), Heart(2), Spade(2), Spade(3), Spade(4)}, Joker,
         Diamond(10));
    SetHand(1, {Club(3), Club(4), Diamond(4), Diamond(5), Heart(3), Heart(4), Heart(5), Spade(5), Spade(6),
                Spade(7)});
    EXPECT_EQ(view.ChooseTrumpAfterShow(), Diamonds);
}

TEST_F(TrumpAfterShowTest, ShowCardsBackInTheHandAreNotCountedTwice) {
    // Two hearts in hand and the two shown ones back among them make four, not six.
    SetHand(3, {Club(1), Club(2), Diamond(2), Diamond(3), Heart(2), Heart(3), Heart(9), Heart(10), Spade(2),
                Spade(3)});
    view.showCards = {Heart(9), Heart(10)};
    SetHand(1, {Club(3), Diamond(4), Diamond(5), Spade(4), Spade(5), Spade(6), Spade(7), Spade(8), Spade(9),
                SpadePin});
    EXPECT_EQ(view.ChooseTrumpAfterShow(), Spades);
}

TEST_F(TrumpAfterShowTest, MissingShowCardsNameHearts) {
    Show({Club(1), Club(2), Diamond(2), Diamond(3), Heart(2), Spade(2), Spade(3), Spade(4)}, NoCard, NoCard);
    SetHand(1, {Club(3), Club(4), Diamond(4), Diamond(5), Diamond(6), Heart(3), Spade(5), Spade(6), Spade(7),
                Spade(8)});
    EXPECT_EQ(view.ChooseTrumpAfterShow(), Hearts);
}

}  // namespace
}  // namespace tesseran::testing
