// SPDX-License-Identifier: MIT
// Who wins a trick and where its cards go.
#include "EngineFixture.h"

#include <gtest/gtest.h>

namespace tesseran::testing {
namespace {

struct TrickCase {
    const char* name;
    int trump;
    int requestedSuit;
    std::array<int, 4> cards;
    std::array<int, 4> cardsLeftAfter;  // handCount of each seat once its card is down
    int winner;
    std::array<int, 4> strengths;
};

class TrickWinnerTable : public ::testing::TestWithParam<TrickCase> {};

TEST_P(TrickWinnerTable, StrongestCardWins) {
    const TrickCase& c = GetParam();
    Table table;
    auto& v = table.view;
    v.trump = c.trump;
    v.requestedSuit = c.requestedSuit;
    v.trick = c.cards;
    v.handCount = c.cardsLeftAfter;
    EXPECT_EQ(v.TrickWinner(), c.winner);
    EXPECT_EQ(v.trickStrength, c.strengths);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Strengths, TrickWinnerTable,
    ::testing::Values(
        TrickCase{"HigherRankOfTheRequestedSuitWins", Hearts, Diamonds, {13, 21, 15, 5}, {5, 5, 5, 5}, 1,
                  {113, 121, 115, 5}},
        TrickCase{"AnyTrumpBeatsTheRequestedSuit", Hearts, Diamonds, {21, 23, 20, 43}, {5, 5, 5, 5}, 1,
                  {121, 223, 120, 43}},
        TrickCase{"JokerLedBeforeTheLastTrickWins", Hearts, Clubs, {0, 10, 32, 31}, {5, 5, 5, 5}, 0,
                  {300, 110, 232, 231}},
        TrickCase{"JokerInTenthTrickLosesToEveryCard", Diamonds, Hearts, {0, 1, 23, 35}, {0, 0, 0, 0}, 2,
                  {0, 1, 123, 35}},
        TrickCase{"JokerInTenthTrickWithClubTrumpLosesOnlyToClubs", Clubs, Hearts, {0, 32, 1, 43}, {0, 0, 0, 0}, 2,
                  {200, 132, 201, 43}},
        TrickCase{"JokerInTenthTrickWithClubsRequestedBeatsOtherSuits", Hearts, Clubs, {14, 0, 43, 3},
                  {0, 0, 0, 0}, 3, {14, 100, 43, 103}},
        TrickCase{"TrumpRequestedCountsOnlyTwoHundred", Spades, Spades, {36, 43, 3, 40}, {3, 3, 3, 3}, 1,
                  {236, 243, 3, 240}},
        TrickCase{"OffSuitCardsRankByCodeAfterAJokerLeadInTheTenthTrick", Diamonds, Hearts, {0, 43, 5, 38},
                  {0, 0, 0, 0}, 1, {0, 43, 5, 38}}),
    [](const ::testing::TestParamInfo<TrickCase>& param) { return std::string(param.param.name); });
// clang-format on

TEST(CaptureTrick, FaceCardsGoToTheWinnerAndTheRestToThePileInSeatOrder) {
    Table table;
    auto& v = table.view;
    v.trick = {3, 29, 0, 14};
    v.discardCount = 2;
    v.discard[0] = 1;
    v.discard[1] = 2;
    v.CaptureTrick(2);
    EXPECT_EQ(v.faceOwner[FaceIndex(29)], 2);
    EXPECT_EQ(v.discardCount, 5);
    EXPECT_EQ((std::array<int, 5>{v.discard[0], v.discard[1], v.discard[2], v.discard[3], v.discard[4]}),
              (std::array<int, 5>{1, 2, 3, 0, 14}));
    int owned = 0;
    for (int owner : v.faceOwner) owned += owner >= 0 ? 1 : 0;
    EXPECT_EQ(owned, 1);
}

TEST(CaptureTrick, AllFaceCardsOfATrickGoToTheWinner) {
    Table table;
    auto& v = table.view;
    v.trick = {7, 43, 20, 31};
    v.CaptureTrick(1);
    for (int card : {7, 43, 20, 31}) EXPECT_EQ(v.faceOwner[FaceIndex(card)], 1) << card;
    EXPECT_EQ(v.discardCount, 0);
}

}  // namespace
}  // namespace tesseran::testing
