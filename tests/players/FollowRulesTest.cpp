// SPDX-License-Identifier: MIT
// Which card a computer seat plays to a trick another seat led, and who holds
// the right in the trick. Seats 0 and 2 are partners against seats 1 and 3
// unless a test says otherwise.
#include "PlayerFixture.h"

#include <string>

namespace tesseran::testing {
namespace {

constexpr int None = NoCard;

using RightTest = PlayerFixture;

TEST_F(RightTest, IsUnknownInBattleOneBeforeTheRelationIsShown) {
    view.battleNo = 1;
    view.relationKnown = 0;
    ToFollow(1, Hearts, {None, Heart(9), None, None}, 2);
    EXPECT_EQ(view.RightStrength(), -1);
}

TEST_F(RightTest, EmptyTrickBelongsToTheSeatToPlay) {
    ToFollow(0, -1, {None, None, None, None}, 0);
    EXPECT_EQ(view.RightStrength(), 0);
}

TEST_F(RightTest, PartnerHoldingTheTrickGivesZero) {
    view.trump = Clubs;
    view.handCount = {5, 4, 4, 5};
    ToFollow(1, Hearts, {None, Heart(9), Heart(3), None}, 3);
    EXPECT_EQ(view.RightStrength(), 0);
}

TEST_F(RightTest, EnemyHoldingTheTrickGivesItsStrength) {
    view.trump = Clubs;
    view.handCount = {5, 4, 4, 5};
    ToFollow(0, Hearts, {Heart(3), Heart(9), None, None}, 2);
    EXPECT_EQ(view.RightStrength(), Heart(9) + 100);
    EXPECT_EQ(view.trickStrength[0], Heart(3) + 100);
    EXPECT_EQ(view.trickStrength[1], Heart(9) + 100);
}

TEST_F(RightTest, TrumpBeatsTheRequestedSuit) {
    view.trump = Spades;
    view.handCount = {5, 4, 4, 5};
    ToFollow(1, Hearts, {None, Heart(10), Spade(2), None}, 3);
    EXPECT_EQ(view.RightStrength(), Spade(2) + 200);
}

TEST_F(RightTest, JokerStillBackedByCardsHoldsTheTrick) {
    view.handCount = {4, 3, 4, 4};
    ToFollow(1, Diamonds, {None, Joker, None, None}, 2);
    EXPECT_EQ(view.RightStrength(), 300);
}

TEST_F(RightTest, JokerPlayedAsLastCardIsWorthNothing) {
    view.trump = Hearts;
    view.handCount = {0, 0, 1, 1};
    ToFollow(1, Diamonds, {None, Joker, None, None}, 2);
    // Strength 0 never takes the right from the seat to play.
    EXPECT_EQ(view.RightStrength(), 0);
    EXPECT_EQ(view.trickStrength[1], 0);
}

using FollowTest = PlayerFixture;

TEST_F(FollowTest, FollowsWithThePinOfTheRequestedSuit) {
    SetHand(1, {Club(5), Heart(2), Heart(10), Spade(8)});
    ToFollow(0, Hearts, {Heart(3), None, None, None}, 1);
    EXPECT_EQ(FollowCard(), Heart(10));
}

TEST_F(FollowTest, FollowsWithLowestCardOfTheRequestedSuitWithoutThePin) {
    SetHand(1, {Club(5), Heart(2), Heart(8), Spade(8)});
    ToFollow(0, Hearts, {Heart(3), None, None, None}, 1);
    EXPECT_EQ(FollowCard(), Heart(2));
}

TEST_F(FollowTest, FeedsSevenOntoPartnersPin) {
    SetHand(2, {Heart(4), Heart(7), Heart(8)});
    ToFollow(0, Hearts, {Heart(10), Heart(2), None, None}, 2);
    EXPECT_EQ(FollowCard(), Heart(7));
}

TEST_F(FollowTest, FeedsEightOntoPartnersPinWithoutSeven) {
    SetHand(2, {Heart(4), Heart(8), Heart(9)});
    ToFollow(0, Hearts, {Heart(10), Heart(2), None, None}, 2);
    EXPECT_EQ(FollowCard(), Heart(8));
}

TEST_F(FollowTest, VoidFollowerFeedsNonTrumpSevenOrEightOntoPartnersPin) {
    view.trump = Clubs;
    SetHand(2, {Club(2), Club(8), Diamond(7), Spade(3)});
    ToFollow(0, Hearts, {Heart(10), Heart(2), None, None}, 2);
    EXPECT_EQ(FollowCard(), Diamond(7));
}

TEST_F(FollowTest, EnemyPinIsNotFed) {
    view.trump = Clubs;
    SetHand(1, {Diamond(7), Spade(3)});
    // Seat 0 is seat 1's enemy.
    ToFollow(0, Hearts, {Heart(10), None, None, None}, 1);
    EXPECT_EQ(FollowCard(), Spade(3));
}

TEST_F(FollowTest, LastPlayerFeedsFirstSevenOrEightToItsSidesTrick) {
    view.trump = Clubs;
    view.handCount = {2, 3, 3, 3};
    // Seat 2, the partner of seat 0, holds the trick that seat 1 led.
    SetHand(0, {Diamond(8), Spade(7)});
    ToFollow(1, Hearts, {None, Heart(3), Heart(9), Heart(4)}, 0);
    EXPECT_EQ(FollowCard(), Diamond(8));
}

TEST_F(FollowTest, LastPlayerGivesSevenOfRequestedSuitToItsSidesTrick) {
    SetHand(0, {Heart(2), Heart(7), Heart(10)});
    view.handCount = {3, 3, 3, 3};
    ToFollow(1, Hearts, {None, Heart(3), Heart(9), Heart(4)}, 0);
    EXPECT_EQ(FollowCard(), Heart(7));
}

TEST_F(FollowTest, LastPlayerBeatsTheEnemyWithLowestFaceCardThatWins) {
    SetHand(0, {Heart(2), Heart(8), Heart(10)});
    view.handCount = {3, 3, 3, 3};
    ToFollow(1, Hearts, {None, Heart(9), Heart(3), Heart(4)}, 0);
    EXPECT_EQ(FollowCard(), Heart(10));
}

TEST_F(FollowTest, LastPlayerUnableToBeatTheEnemyPlaysLowestOfRequestedSuit) {
    SetHand(0, {Heart(2), Heart(8), Heart(9)});
    view.handCount = {3, 3, 3, 3};
    ToFollow(1, Hearts, {None, Heart(10), Heart(3), Heart(4)}, 0);
    EXPECT_EQ(FollowCard(), Heart(2));
}

TEST_F(FollowTest, LastPlayerTrumpsAnEnemyTrickWithAFaceCard) {
    view.trump = Spades;
    SetHand(0, {Diamond(1), Spade(3)});
    view.handCount = {2, 3, 3, 3};
    ToFollow(1, Hearts, {None, Heart(9), Heart(3), Heart(4)}, 0);
    EXPECT_EQ(FollowCard(), Spade(3));
}

TEST_F(FollowTest, LastPlayerDoesNotTrumpATrickWithoutFaceCards) {
    view.trump = Spades;
    SetHand(0, {Diamond(1), Spade(3)});
    view.handCount = {2, 3, 3, 3};
    ToFollow(1, Hearts, {None, Heart(5), Heart(3), Heart(4)}, 0);
    EXPECT_EQ(FollowCard(), Diamond(1));
}

TEST_F(FollowTest, EnemyJokerLeadIsAnsweredWithLowestCardOfTheRequestedSuit) {
    view.handCount = {5, 5, 6, 6};
    SetHand(2, {Diamond(2), Diamond(8), Diamond(10)});
    ToFollow(1, Diamonds, {None, Joker, None, None}, 2);
    // Not last to play, but the joker decides the trick: no use spending the pin.
    EXPECT_EQ(FollowCard(), Diamond(2));
}

TEST_F(FollowTest, PartnersJokerLeadIsFedANonTrumpSevenBeforeAnEight) {
    view.trump = Clubs;
    view.handCount = {6, 6, 6, 6};
    SetHand(2, {Club(2), Diamond(8), Spade(7)});
    // Seat 0 led the joker requesting hearts; seat 1 followed.
    ToFollow(0, Hearts, {Joker, Heart(3), None, None}, 2);
    EXPECT_EQ(FollowCard(), Spade(7));
}

TEST_F(FollowTest, BattleOneBeforeTheRelationIsKnownSkipsOurAndTheirTrick) {
    view.battleNo = 1;
    view.relationKnown = 0;
    SetHand(0, {Heart(2), Heart(7), Heart(10)});
    view.handCount = {3, 3, 3, 3};
    ToFollow(1, Hearts, {None, Heart(3), Heart(9), Heart(4)}, 0);
    // Same trick as LastPlayerGivesSevenOfRequestedSuitToItsSidesTrick, but the
    // partner is not known yet, so the follower plays its pin.
    EXPECT_EQ(FollowCard(), Heart(10));
}

TEST_F(FollowTest, TwoCardsLeftKeepsFaceCardBackFromEnemyJoker) {
    // Seat 1, an enemy of seat 0, still holds the joker.
    SetHand(1, {Joker});
    SetHand(0, {Heart(2), Heart(8)});
    view.handCount[2] = 1;
    view.handCount[3] = 1;
    ToFollow(1, Hearts, {None, Heart(3), Heart(4), Heart(5)}, 0);
    EXPECT_EQ(FollowCard(), Heart(2));
}

TEST_F(FollowTest, TwoCardsLeftWithPartnerJokerBeatsTheEnemy) {
    SetHand(2, {Joker});
    SetHand(0, {Heart(2), Heart(8)});
    view.handCount[1] = 1;
    view.handCount[3] = 1;
    ToFollow(1, Hearts, {None, Heart(3), Heart(4), Heart(5)}, 0);
    EXPECT_EQ(FollowCard(), Heart(8));
}

TEST_F(FollowTest, VoidFollowerThrowsSmallCardOntoItsSidesTrick) {
    view.trump = Clubs;
    view.handCount = {4, 4, 3, 3};
    SetHand(3, {Club(3), Diamond(8), Spade(2)});
    // Seat 1, the partner of seat 3, leads; seat 2 has followed low.
    ToFollow(1, Hearts, {None, Heart(9), Heart(3), None}, 3);
    EXPECT_EQ(FollowCard(), Spade(2));
}

TEST_F(FollowTest, VoidFollowerTrumpsEnemyHighCard) {
    view.trump = Spades;
    view.handCount = {4, 3, 4, 4};
    SetHand(2, {Club(3), Diamond(8), Spade(2), Spade(9)});
    ToFollow(1, Hearts, {None, Heart(9), None, None}, 2);
    EXPECT_EQ(FollowCard(), Spade(2));
}

TEST_F(FollowTest, VoidFollowerDoesNotTrumpEnemyLowCard) {
    view.trump = Diamonds;
    view.handCount = {4, 3, 4, 4};
    SetHand(2, {Club(3), Diamond(2), Diamond(9)});
    ToFollow(1, Hearts, {None, Heart(8), None, None}, 2);
    EXPECT_EQ(FollowCard(), Club(3));
}

TEST_F(FollowTest, VoidFollowerWithOnlyFaceCardsPlaysLowestRank) {
    view.trump = Diamonds;
    view.handCount = {4, 3, 4, 4};
    SetHand(2, {Club(9), Diamond(8), Spade(7)});
    ToFollow(1, Hearts, {None, Heart(5), None, None}, 2);
    EXPECT_EQ(FollowCard(), Spade(7));
}

TEST_F(FollowTest, LastCardIsPlayed) {
    SetHand(2, {Spade(4)});
    ToFollow(1, Hearts, {None, Heart(5), None, None}, 2);
    EXPECT_EQ(view.ChooseFollowCard(), 0);
}

// Whether a follower spends the joker, by participant, hand size and the
// number of face cards in a trick the enemy holds. Seat 0 follows and keeps a
// small heart, so only the hand size and the face cards decide.
struct JokerFollowCase {
    const char* name;
    int participant;
    int cards;
    int faces;  // face cards on the table
    int relatedToGo;
    bool playsJoker;
};

class JokerFollowTest : public PlayerFixture, public ::testing::WithParamInterface<JokerFollowCase> {};

TEST_P(JokerFollowTest, SpendsTheJokerOnEnoughFaceCards) {
    const JokerFollowCase& followCase = GetParam();
    view.participantAt[0] = followCase.participant;
    view.relatedToGo = followCase.relatedToGo;
    view.trump = Clubs;
    std::vector<int> cards = {Joker, Heart(2), Club(2), Diamond(2), Diamond(3), Heart(4), Spade(2), Spade(3)};
    cards.resize(followCase.cards);
    SetHand(0, cards);
    view.handCount[1] = view.handCount[2] = view.handCount[3] = 8;
    switch (followCase.faces) {
        case 0:  // the enemy leads a small heart
            ToFollow(3, Hearts, {None, None, None, Heart(5)}, 0);
            break;
        case 1:  // the enemy leads a face card
            ToFollow(3, Hearts, {None, None, None, Heart(8)}, 0);
            break;
        case 2:  // the partner leads a face card and the enemy covers it
            ToFollow(2, Hearts, {None, None, Heart(7), Heart(9)}, 0);
            break;
        default:  // three face cards, the enemy's the highest
            ToFollow(1, Hearts, {None, Heart(9), Heart(7), Heart(8)}, 0);
            break;
    }
    const int position = view.ChooseFollowCard();
    EXPECT_EQ(position == 0, followCase.playsJoker);
}

INSTANTIATE_TEST_SUITE_P(
    Thresholds, JokerFollowTest,
    ::testing::Values(JokerFollowCase{"AceWithSixKeepsItForOneFaceCard", 0, 6, 1, 9, false},
                      JokerFollowCase{"AceWithFourSpendsItOnOneFaceCard", 0, 4, 1, 9, true},
                      JokerFollowCase{"BeeWithFourKeepsItForOneFaceCard", 1, 4, 1, 9, false},
                      JokerFollowCase{"BeeWithThreeSpendsItOnOneFaceCard", 1, 3, 1, 9, true},
                      JokerFollowCase{"SeeWithFiveSpendsItOnOneFaceCard", 2, 5, 1, 9, true},
                      JokerFollowCase{"SeeWithSixKeepsItForOneFaceCard", 2, 6, 1, 9, false},
                      JokerFollowCase{"AceWithEightSpendsItOnTwoFaceCards", 0, 8, 2, 9, true},
                      JokerFollowCase{"BeeWithEightSpendsItOnThreeFaceCards", 1, 8, 3, 9, true},
                      JokerFollowCase{"NoFaceCardNoJoker", 2, 3, 0, 9, false},
                      JokerFollowCase{"OneFaceCardThatWinsTheBattleTakesIt", 1, 8, 1, 1, true},
                      JokerFollowCase{"OneFaceCardShortOfTheNeedWaits", 1, 8, 1, 2, false}),
    [](const ::testing::TestParamInfo<JokerFollowCase>& testInfo) {
        return std::string(testInfo.param.name);
    });

TEST_F(FollowTest, NinthTrickJokerIsPlayedWhenTheEnemyHoldsTheTrick) {
    SetHand(0, {Joker, Heart(2)});
    view.handCount = {2, 2, 2, 2};
    ToFollow(1, Hearts, {None, Heart(9), Heart(3), Heart(4)}, 0);
    EXPECT_EQ(view.ChooseFollowCard(), 0);
}

TEST_F(FollowTest, NinthTrickJokerIsKeptWhenItsSideHoldsTheTrick) {
    SetHand(0, {Joker, Heart(2)});
    view.handCount = {2, 2, 2, 2};
    ToFollow(1, Hearts, {None, Heart(3), Heart(9), Heart(4)}, 0);
    EXPECT_EQ(FollowCard(), Heart(2));
}

TEST_F(FollowTest, NinthTrickJokerIsPlayedWhileTheRelationIsUnknown) {
    view.battleNo = 1;
    view.relationKnown = 0;
    SetHand(0, {Joker, Heart(2)});
    view.handCount = {2, 2, 2, 2};
    ToFollow(1, Hearts, {None, Heart(3), Heart(9), Heart(4)}, 0);
    EXPECT_EQ(view.ChooseFollowCard(), 0);
}

TEST_F(FollowTest, JokerIsNeverPlayedToTheFirstTrick) {
    SetHand(0, {Joker, Club(2), Club(4), Diamond(3), Diamond(5), Heart(2), Heart(4), Spade(3), Spade(5),
                Spade(7)});
    view.handCount[1] = view.handCount[2] = view.handCount[3] = 9;
    ToFollow(1, Hearts, {None, Heart(10), Heart(9), Heart(8)}, 0);
    EXPECT_EQ(FollowCard(), Heart(2));
}

TEST_F(FollowTest, VoidFollowerWithAWinningTrumpKeepsTheJoker) {
    view.trump = Clubs;
    SetHand(0, {Joker, ClubPin, Diamond(3), Spade(2), Spade(4), Spade(6)});
    view.handCount[1] = view.handCount[2] = view.handCount[3] = 6;
    // The partner led a heart and the enemy trumped it with the club 9.
    ToFollow(2, Hearts, {None, None, Heart(5), Club(9)}, 0);
    EXPECT_EQ(FollowCard(), ClubPin);
}

TEST_F(FollowTest, VoidFollowerWithoutAWinningTrumpPlaysTheJoker) {
    view.trump = Clubs;
    SetHand(0, {Joker, Club(3), Diamond(3), Spade(2), Spade(4), Spade(6)});
    view.handCount[1] = view.handCount[2] = view.handCount[3] = 6;
    ToFollow(2, Hearts, {None, None, Heart(5), Club(9)}, 0);
    EXPECT_EQ(view.ChooseFollowCard(), 0);
}

TEST_F(FollowTest, FollowerWithOnlyLosingFaceCardsOfTheSuitPlaysTheJoker) {
    SetHand(0, {Joker, Diamond(3), Heart(8), Spade(2), Spade(4), Spade(6)});
    view.handCount[1] = view.handCount[2] = view.handCount[3] = 6;
    ToFollow(3, Hearts, {None, None, None, Heart(9)}, 0);
    EXPECT_EQ(view.ChooseFollowCard(), 0);
}

TEST_F(FollowTest, FollowerWithAWinningFaceCardOfTheSuitKeepsTheJoker) {
    SetHand(0, {Joker, Diamond(3), Heart(8), Spade(2), Spade(4), Spade(6)});
    view.handCount[1] = view.handCount[2] = view.handCount[3] = 6;
    ToFollow(3, Hearts, {None, None, None, Heart(7)}, 0);
    EXPECT_EQ(FollowCard(), Heart(8));
}

}  // namespace
}  // namespace tesseran::testing
