// SPDX-License-Identifier: MIT
// The human's play: legal cards, keyboard and mouse plays, declarations,
// the requested suit of a joker lead, and show cards.
#include "EngineFixture.h"
#include "base/StringTable.h"

#include <gtest/gtest.h>

namespace tesseran::testing {
namespace {

// Battle 1, first trick, the human to lead with the spade pin in hand.
class FirstLead : public ::testing::Test {
protected:
    void SetUp() override {
        auto& v = table.view;
        v.phase = 1;
        v.battleNo = 1;
        v.gameNo = 3;
        v.trump = Hearts;
        v.leader = HumanSeat;
        v.currentSeat = HumanSeat;
        v.busy = 1;
        table.GiveHand(HumanSeat, {0, 2, 13, 19, 25, 29, 36, 40, 41, 43});
    }
    Table table;
};

TEST_F(FirstLead, OnlyTheSpadePinOrTheJokerMayOpenTheFirstBattle) {
    auto& v = table.view;
    EXPECT_FALSE(v.CheckPick(13));
    EXPECT_FALSE(v.CheckPick(41));
    EXPECT_TRUE(v.CheckPick(43));
    EXPECT_TRUE(v.CheckPick(0));
    ASSERT_EQ(table.host.messages.size(), 2u);
    EXPECT_EQ(table.host.messages[0].text, LoadString(30008));
    EXPECT_EQ(table.host.messages[0].icon, MessageIcon::Information);
}

TEST_F(FirstLead, TheTenthGameAsksForTheClubPin) {
    auto& v = table.view;
    v.gameNo = 10;
    table.GiveHand(HumanSeat, {2, 10, 13, 19, 25, 29, 36, 40, 41, 43});
    EXPECT_FALSE(v.CheckPick(43));
    EXPECT_TRUE(v.CheckPick(10));
    ASSERT_EQ(table.host.messages.size(), 1u);
    EXPECT_EQ(table.host.messages[0].text, LoadString(30009));
}

TEST_F(FirstLead, RefusalsAreSilentWithoutRuleRemarksOrWhenAskedSilently) {
    auto& v = table.view;
    EXPECT_FALSE(v.CheckPick(13, Remarks::Silent));
    v.ruleRemarks = 0;
    EXPECT_FALSE(v.CheckPick(13));
    EXPECT_TRUE(table.host.messages.empty());
}

TEST_F(FirstLead, ThePinRuleIsOnlyForTheFirstBattle) {
    table.view.battleNo = 2;
    EXPECT_TRUE(table.view.CheckPick(13));
}

TEST_F(FirstLead, RefusedKeyboardPlayChangesNothing) {
    auto& v = table.view;
    v.markedCard = 2;
    GameState before = v;
    v.KeyPlay();
    EXPECT_EQ(v.hand, before.hand);
    EXPECT_EQ(v.handCount, before.handCount);
    EXPECT_EQ(v.trick, before.trick);
    EXPECT_EQ(v.lastPlayed, before.lastPlayed);
    EXPECT_EQ(v.currentSeat, HumanSeat);
}

TEST_F(FirstLead, KeyboardPlayOfThePinPutsItOnTheTableAndPassesTheTurn) {
    auto& v = table.view;
    v.markedCard = 9;
    v.KeyPlay();
    EXPECT_EQ(v.trick[HumanSeat], 43);
    EXPECT_EQ(v.handCount[HumanSeat], 9);
    EXPECT_EQ(v.requestedSuit, Spades);
    EXPECT_EQ(v.played[43], 1);
    EXPECT_EQ(v.facePlayed[Spades], 1);
    EXPECT_EQ(v.currentSeat, 0);
    EXPECT_EQ(v.busy, 0);
    EXPECT_EQ(table.host.sounds.back(), 149);
}

TEST_F(FirstLead, JokerAsFirstCardNeedsADeclarationAndCancelPutsItBack) {
    auto& v = table.view;
    v.relation = {0, 2, 0, 1};
    v.markedCard = 0;
    table.host.defaultDeclaration = 0;
    v.KeyPlay();
    ASSERT_EQ(table.host.declarationDialogs.size(), 1u);
    EXPECT_TRUE(table.host.declarationDialogs[0]);
    EXPECT_EQ(v.handCount[HumanSeat], 10);
    EXPECT_EQ(v.hand[HumanSeat][0], Joker);
    EXPECT_EQ(v.trick[HumanSeat], NoCard);
    EXPECT_EQ(v.declaration, 0);
}

TEST_F(FirstLead, DeclaredJokerLeadAsksForTheRequestedSuit) {
    auto& v = table.view;
    v.relation = {1, 0, 2, 0};  // the human is unrelated
    v.markedCard = 0;
    table.host.declarationChoices = {6};
    table.host.suitChoices = {Diamonds};
    v.KeyPlay();
    ASSERT_EQ(table.host.declarationDialogs.size(), 1u);
    EXPECT_FALSE(table.host.declarationDialogs[0]);
    EXPECT_EQ(v.declaration, 6);
    EXPECT_EQ(v.trick[HumanSeat], Joker);
    EXPECT_EQ(v.requestedSuit, Diamonds);
    ASSERT_EQ(table.host.messages.size(), 1u);
    EXPECT_EQ(table.host.messages[0].text, LoadString(30030));
    ASSERT_EQ(table.host.suitDialogs.size(), 1u);
    EXPECT_EQ(table.host.suitDialogs[0], SuitDialogMode::RequestedSuit);
    EXPECT_EQ(table.host.sounds, (std::vector<int>{172, 149}));
}

TEST_F(FirstLead, DroppedJokerWithCancelledDeclarationGoesBackToItsPlace) {
    auto& v = table.view;
    ASSERT_TRUE(v.PickUp(0));
    EXPECT_EQ(v.dragging, 1);
    EXPECT_EQ(v.handCount[HumanSeat], 9);
    v.Drop(true);
    EXPECT_EQ(v.dragging, 0);
    EXPECT_EQ(v.handCount[HumanSeat], 10);
    EXPECT_EQ(v.hand[HumanSeat][0], Joker);
    EXPECT_EQ(v.lastPlayed, NoCard);
    EXPECT_EQ(v.trick[HumanSeat], NoCard);
}

TEST_F(FirstLead, RefusedCardCannotBePickedUp) {
    EXPECT_FALSE(table.view.PickUp(3));
    EXPECT_EQ(table.view.dragging, 0);
    EXPECT_EQ(table.view.handCount[HumanSeat], 10);
}

TEST_F(FirstLead, CardDroppedAwayFromTheTableReturnsToTheSamePosition) {
    auto& v = table.view;
    v.battleNo = 2;
    auto before = v.hand[HumanSeat];
    ASSERT_TRUE(v.PickUp(4));
    EXPECT_EQ(v.lastPlayed, 25);
    v.Drop(false);
    EXPECT_EQ(v.hand[HumanSeat], before);
    EXPECT_EQ(v.handCount[HumanSeat], 10);
    EXPECT_EQ(v.chosenIndex, -1);
    EXPECT_EQ(v.trick[HumanSeat], NoCard);
}

TEST_F(FirstLead, CardDroppedOnTheTableIsPlayed) {
    auto& v = table.view;
    ASSERT_TRUE(v.PickUp(9));
    v.Drop(true);
    EXPECT_EQ(v.trick[HumanSeat], 43);
    EXPECT_EQ(v.currentSeat, 0);
    EXPECT_EQ(v.handCount[HumanSeat], 9);
}

// The human follows a diamond lead.
class Following : public ::testing::Test {
protected:
    void SetUp() override {
        auto& v = table.view;
        v.phase = 1;
        v.battleNo = 2;
        v.trump = Clubs;
        v.leader = 1;
        v.currentSeat = HumanSeat;
        v.busy = 1;
        v.requestedSuit = Diamonds;
        v.trick = {NoCard, 15, 20, NoCard};
        table.GiveHand(HumanSeat, {0, 3, 17, 24, 30, 38});
    }
    Table table;
};

TEST_F(Following, AFollowerHoldingTheRequestedSuitMustPlayIt) {
    auto& v = table.view;
    EXPECT_FALSE(v.CheckPick(3));
    EXPECT_FALSE(v.CheckPick(38));
    ASSERT_EQ(table.host.messages.size(), 2u);
    EXPECT_EQ(table.host.messages[0].text, LoadString(30029));
    EXPECT_TRUE(v.CheckPick(17));
}

TEST_F(Following, TheJokerMayAlwaysBePlayed) { EXPECT_TRUE(table.view.CheckPick(Joker)); }

TEST_F(Following, AVoidFollowerMayPlayAnyCard) {
    table.GiveHand(HumanSeat, {0, 3, 24, 30, 38});
    EXPECT_TRUE(table.view.CheckPick(3));
    EXPECT_TRUE(table.view.CheckPick(38));
}

TEST_F(Following, TheJokerAsFirstCardOfABattleOpensTheDeclarationEvenWhenFollowing) {
    auto& v = table.view;
    table.GiveHand(HumanSeat, {0, 3, 17, 24, 30, 38, 39, 40, 41, 42});
    v.relation = {0, 0, 1, 2};
    table.host.declarationChoices = {3};
    v.markedCard = 0;
    v.KeyPlay();
    EXPECT_EQ(v.declaration, 3);
    EXPECT_EQ(v.trick[HumanSeat], Joker);
    EXPECT_TRUE(table.host.suitDialogs.empty());  // only a leader names a suit
    EXPECT_EQ(v.requestedSuit, Diamonds);
}

TEST_F(Following, NothingIsPlayedWhileTheFinishedTrickIsStillOnShow) {
    auto& v = table.view;
    v.trick = {12, 15, 20, 17};  // the human has already played to this trick
    table.GiveHand(HumanSeat, {0, 3, 24, 30, 38});
    v.markedCard = 1;
    v.KeyPlay();
    EXPECT_FALSE(v.PickUp(1));
    EXPECT_EQ(v.trick[HumanSeat], 17);
    EXPECT_EQ(v.handCount[HumanSeat], 5);
}

TEST(MoveMark, ArrowsWrapAroundTheHandAndClick) {
    Table table;
    auto& v = table.view;
    table.GiveHand(HumanSeat, {1, 2, 3});
    v.markedCard = 0;
    v.MoveMark(-1);
    EXPECT_EQ(v.markedCard, 2);
    v.MoveMark(+1);
    EXPECT_EQ(v.markedCard, 0);
    v.MoveMark(+1);
    EXPECT_EQ(v.markedCard, 1);
    EXPECT_EQ(table.host.sounds, (std::vector<int>{150, 150, 150}));
    v.soundOn = 0;
    v.MoveMark(+1);
    EXPECT_EQ(table.host.sounds.size(), 3u);
}

TEST(MoveMark, AnEmptyHandKeepsTheMarkWhereItWas) {
    Table table;
    table.view.handCount[HumanSeat] = 0;
    table.view.markedCard = 0;
    table.view.MoveMark(-1);
    EXPECT_EQ(table.view.markedCard, -1);
}

// Battle 2: the human shows two cards to the computer trump chooser.
TEST(ShowCards, TwoShownCardsLetTheComputerNameTrumpAndReturnToTheHand) {
    Table table;
    auto& v = table.view;
    v.phase = 2;
    v.battleNo = 2;
    v.busy = 1;
    v.currentSeat = HumanSeat;
    v.showSeat = HumanSeat;
    v.chooserSeat = 1;
    v.leader = 1;
    v.relation = {0, 1, 0, 2};
    table.GiveHand(0, {2, 3, 4, 5, 6, 7, 8, 9, 10, 12});
    table.GiveHand(1, {13, 14, 15, 16, 17, 18, 19, 20, 21, 23});
    table.GiveHand(2, {24, 25, 26, 27, 28, 29, 30, 31, 32, 35});
    table.GiveHand(HumanSeat, {0, 1, 36, 37, 38, 39, 40, 41, 42, 43});

    v.markedCard = 0;
    v.KeyPlay();
    EXPECT_EQ(v.shownCount, 1);
    EXPECT_EQ(v.handCount[HumanSeat], 9);
    EXPECT_EQ(v.phase, 2);
    v.markedCard = 0;
    v.KeyPlay();

    EXPECT_EQ(v.phase, 1);
    EXPECT_EQ(v.shownCount, 0);
    EXPECT_EQ(v.handCount[HumanSeat], 10);
    EXPECT_EQ(v.hand[HumanSeat], (std::array<int, 10>{0, 1, 36, 37, 38, 39, 40, 41, 42, 43}));
    EXPECT_EQ(v.currentSeat, 1);
    EXPECT_EQ(v.busy, 0);
    EXPECT_EQ(v.trump, Spades);  // the human's long suit
    ASSERT_EQ(table.host.balloons.size(), 1u);
    EXPECT_EQ(table.host.balloons[0], std::make_pair(1, Balloon::Trump));
    EXPECT_EQ(table.host.sounds.back(), 151);
}

}  // namespace
}  // namespace tesseran::testing
