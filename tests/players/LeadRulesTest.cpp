// SPDX-License-Identifier: MIT
// Which card a computer seat leads: the opening pin, the three lead styles, the
// top-remaining-card rule, joker leads with their announcements and the lead
// of a declared battle.
#include "PlayerFixture.h"

#include <string>

namespace tesseran::testing {
namespace {

using LeadTest = PlayerFixture;

TEST_F(LeadTest, FirstTrickOfGamesOneToNineLeadsTheHighestCard) {
    view.battleNo = 1;
    view.gameNo = 4;
    SetHand(1, {Club(3), Club(10), Diamond(2), Diamond(9), Heart(1), Heart(7), Spade(2), Spade(5), Spade(9),
                SpadePin});
    ToLead(1);
    EXPECT_EQ(view.ChooseLeadCard(), 9);
    EXPECT_EQ(LeadCard(), SpadePin);
}

TEST_F(LeadTest, FirstTrickOfGameTenLeadsTheClubPin) {
    view.battleNo = 1;
    view.gameNo = 10;
    view.participantAt = {3, 3, 3, 3};  // the opening lead does not depend on the style
    SetHand(2, {Club(3), Club(5), ClubPin, Diamond(9), Heart(1), Heart(7), Spade(2), Spade(5), Spade(9),
                SpadePin});
    ToLead(2);
    EXPECT_EQ(LeadCard(), ClubPin);
}

TEST_F(LeadTest, FirstTrickOfGameTenWithoutTheClubPinLeadsPositionNine) {
    view.battleNo = 1;
    view.gameNo = 10;
    SetHand(2, {Club(3), Club(5), Club(9), Diamond(9), Heart(1), Heart(7), Spade(2), Spade(5), Spade(9),
                SpadePin});
    ToLead(2);
    EXPECT_EQ(view.ChooseLeadCard(), 9);
}

TEST_F(LeadTest, LastCardIsLed) {
    SetHand(0, {Heart(4)});
    ToLead(0);
    EXPECT_EQ(view.ChooseLeadCard(), 0);
}

// The three lead styles, case by case.
struct StyleCase {
    const char* name;
    int participant;
    int trump;
    std::vector<int> hand;
    std::vector<int> played;
    int expected;  // the card led
};

class LeadStyleTest : public PlayerFixture, public ::testing::WithParamInterface<StyleCase> {};

TEST_P(LeadStyleTest, LeadsTheCardTheStyleCallsFor) {
    const StyleCase& styleCase = GetParam();
    view.participantAt[0] = styleCase.participant;
    view.trump = styleCase.trump;
    SetHand(0, styleCase.hand);
    for (int card : styleCase.played) view.played[card] = 1;
    ToLead(0);
    EXPECT_EQ(LeadCard(), styleCase.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Styles, LeadStyleTest,
    ::testing::Values(
        // Participant 0: sure winners outside trump, then small cards outside trump.
        StyleCase{"AceLeadsPinOutsideTrump",
                  0,
                  Clubs,
                  {Club(3), Club(9), Diamond(10), Heart(3), Spade(8)},
                  {},
                  Diamond(10)},
        StyleCase{"AceKeepsTrumpPinAndLeadsSmallCard",
                  0,
                  Diamonds,
                  {Club(3), Club(9), Diamond(10), Heart(3), Spade(8)},
                  {},
                  Club(3)},
        StyleCase{"AceLeadsNineOncePinIsPlayed",
                  0,
                  Diamonds,
                  {Club(3), Club(9), Diamond(10), Heart(3), Spade(8)},
                  {ClubPin},
                  Club(9)},
        StyleCase{"AceLeadsEightOnceNineAndPinArePlayed",
                  0,
                  Diamonds,
                  {Club(3), Heart(3), Spade(8)},
                  {Spade(9), SpadePin},
                  Spade(8)},
        StyleCase{"AceLeadsFaceCardOutsideTrumpWhenNoSmallOneIsLeft",
                  0,
                  Clubs,
                  {Club(2), Club(8), Diamond(8), Spade(8)},
                  {},
                  Diamond(8)},
        StyleCase{
            "AceWithOnlyTrumpsLeadsSecondCard", 0, Hearts, {Heart(2), Heart(5), Heart(8)}, {}, Heart(5)},
        // Participant 1: sure winners of any suit, then small cards of any suit.
        StyleCase{"BeeLeadsTrumpPin",
                  1,
                  Diamonds,
                  {Club(3), Club(9), Diamond(10), Heart(3), Spade(8)},
                  {},
                  Diamond(10)},
        StyleCase{"BeeLeadsSmallCardWithoutWinner", 1, Clubs, {Club(8), Diamond(8), Heart(3)}, {}, Heart(3)},
        StyleCase{
            "BeeWithOnlyFaceCardsLeadsSecondCard", 1, Clubs, {Club(8), Diamond(8), Spade(7)}, {}, Diamond(8)},
        // Participant 2: small cards outside trump, then sure winners outside trump, then small trumps.
        StyleCase{"SeeLeadsSmallCardOutsideTrump",
                  2,
                  Clubs,
                  {Club(3), Club(9), Diamond(10), Heart(3), Spade(8)},
                  {},
                  Heart(3)},
        StyleCase{"SeeLeadsPinWhenNoSmallCardOutsideTrump",
                  2,
                  Clubs,
                  {Club(2), Diamond(8), Diamond(10)},
                  {},
                  Diamond(10)},
        StyleCase{"SeeLeadsSmallTrumpLast", 2, Clubs, {Club(2), Club(9), Diamond(8)}, {}, Club(2)},
        StyleCase{
            "SeeWithNothingFittingLeadsSecondCard", 2, Clubs, {Club(8), Club(9), Diamond(8)}, {}, Club(9)},
        // The rank-9 card is not a sure winner while its pin is out, even in the same hand.
        StyleCase{"NineBelowOwnPinIsNotTopRemaining", 1, Diamonds, {Club(9), ClubPin, Heart(3)}, {}, ClubPin},
        StyleCase{"HumanParticipantHasNoStyle", 3, Clubs, {Club(8), Diamond(10)}, {}, Club(8)}),
    [](const ::testing::TestParamInfo<StyleCase>& testInfo) { return std::string(testInfo.param.name); });

TEST_F(LeadTest, StyleSearchNeverTakesTheHeldJoker) {
    // Participant 2 keeps the joker with four cards.
    view.participantAt[0] = 2;
    view.trump = Hearts;
    SetHand(0, {Joker, Club(3), Diamond(10), Spade(8)});
    ToLead(0);
    EXPECT_EQ(LeadCard(), Club(3));
}

// Joker leads by participant and hand count.
struct JokerLeadCase {
    const char* name;
    int participant;
    int cards;
    bool leadsJoker;
};

class JokerLeadTest : public PlayerFixture, public ::testing::WithParamInterface<JokerLeadCase> {};

TEST_P(JokerLeadTest, LeadsTheJokerOnlyFromItsHandCount) {
    const JokerLeadCase& leadCase = GetParam();
    view.participantAt[1] = leadCase.participant;
    std::vector<int> cards = {Joker,    Club(2),  Club(4),  Diamond(3), Diamond(5),
                              Heart(2), Heart(4), Spade(3), Spade(5)};
    cards.resize(leadCase.cards);
    SetHand(1, cards);
    ToLead(1);
    const int position = view.ChooseLeadCard();
    EXPECT_EQ(position == 0, leadCase.leadsJoker);
    EXPECT_EQ(host.sounds.empty(), !leadCase.leadsJoker);
}

INSTANTIATE_TEST_SUITE_P(Participants, JokerLeadTest,
                         ::testing::Values(JokerLeadCase{"AceKeepsItWithEight", 0, 8, false},
                                           JokerLeadCase{"AceLeadsItWithSeven", 0, 7, true},
                                           JokerLeadCase{"BeeLeadsItWithNine", 1, 9, true},
                                           JokerLeadCase{"BeeLeadsItWithTwo", 1, 2, true},
                                           JokerLeadCase{"SeeKeepsItWithFour", 2, 4, false},
                                           JokerLeadCase{"SeeLeadsItWithThree", 2, 3, true}),
                         [](const ::testing::TestParamInfo<JokerLeadCase>& testInfo) {
                             return std::string(testInfo.param.name);
                         });

TEST_F(LeadTest, JokerLeadOfParticipantOneRequestsSuitWithFewestNumberCardsPlayed) {
    view.participantAt[1] = 1;
    view.numberPlayed = {2, 1, 3, 1};
    view.facePlayed = {0, 4, 4, 4};
    SetHand(1, {Joker, Club(2), Diamond(3), Heart(2), Spade(3)});
    ToLead(1);
    EXPECT_EQ(view.ChooseLeadCard(), 0);
    EXPECT_EQ(view.requestedSuit, Diamonds);
    EXPECT_EQ(host.sounds, std::vector<int>{172});
    ASSERT_EQ(host.balloons.size(), 1u);
    EXPECT_EQ(host.balloons[0].first, 1);
    EXPECT_EQ(host.balloons[0].second, Balloon::RequestedSuit);
    EXPECT_GE(host.pauses, 1);
    EXPECT_EQ(view.busy, 0);
}

TEST_F(LeadTest, JokerLeadOfParticipantZeroRequestsSuitWithFewestFaceCardsPlayed) {
    view.participantAt[0] = 0;
    view.numberPlayed = {0, 0, 0, 0};
    view.facePlayed = {3, 2, 4, 2};
    SetHand(0, {Joker, Club(2), Diamond(3), Heart(2), Spade(3)});
    ToLead(0);
    EXPECT_EQ(view.ChooseLeadCard(), 0);
    EXPECT_EQ(view.requestedSuit, Diamonds);
    EXPECT_EQ(host.sounds, std::vector<int>{172});
}

TEST_F(LeadTest, JokerLeadWithSoundOffStaysSilent) {
    view.soundOn = 0;
    view.participantAt[1] = 1;
    view.numberPlayed = {0, 0, 0, 0};
    SetHand(1, {Joker, Club(2), Spade(3)});
    ToLead(1);
    EXPECT_EQ(view.ChooseLeadCard(), 0);
    EXPECT_EQ(view.requestedSuit, Clubs);
    EXPECT_TRUE(host.sounds.empty());
}

TEST_F(LeadTest, FirstTrickWithoutPlannedDeclarationKeepsTheJoker) {
    view.participantAt[1] = 1;  // would lead it at any later trick
    view.plannedDeclaration = 0;
    view.trump = Hearts;
    SetHand(1, {Joker, Club(2), Club(4), Diamond(3), Diamond(10), Heart(2), Heart(4), Spade(3), Spade(5),
                Spade(7)});
    ToLead(1);
    EXPECT_EQ(LeadCard(), Diamond(10));
    EXPECT_EQ(view.declaration, 0);
    EXPECT_TRUE(host.messages.empty());
}

// The planned declaration is carried out by the first lead of the battle.
struct DeclarationCase {
    const char* name;
    int seat;
    int plan;
    int declaration;
    const char* message;
};

class PlannedDeclarationTest : public PlayerFixture, public ::testing::WithParamInterface<DeclarationCase> {};

TEST_P(PlannedDeclarationTest, FirstLeadDeclaresAndRequestsTrump) {
    const DeclarationCase& declarationCase = GetParam();
    const int seat = declarationCase.seat;
    view.participantAt[seat] = 2;  // keeps the joker otherwise
    view.plannedDeclaration = declarationCase.plan;
    view.trump = Hearts;
    SetHand(seat, {Joker, Club(8), Club(9), ClubPin, Diamond(9), Diamond(10), Heart(9), Heart(10), Spade(9),
                   SpadePin});
    ToLead(seat);

    EXPECT_EQ(view.ChooseLeadCard(), 0);
    EXPECT_EQ(view.declaration, declarationCase.declaration);
    EXPECT_EQ(view.requestedSuit, Hearts);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, declarationCase.message);
    EXPECT_EQ(host.messages[0].icon, MessageIcon::Information);
    EXPECT_EQ(host.sounds, std::vector<int>{173});
    // One wait after the message and one with the requested suit.
    EXPECT_EQ(host.pauses, 2);
    EXPECT_EQ(view.busy, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Declarations, PlannedDeclarationTest,
    ::testing::Values(
        DeclarationCase{"RelatedSkunk", 0, 8, 3, "関係グループが「宣言スコンク」を宣言しました"},
        DeclarationCase{"UnrelatedSkunk", 1, 8, 5, "無関係グループが「宣言逆スコンク」を宣言しました"},
        DeclarationCase{"RelatedSixteen", 2, 16, 4, "関係グループが「宣言１６」を宣言しました"},
        DeclarationCase{"UnrelatedSixteen", 1, 16, 6, "無関係グループが「宣言逆１６」を宣言しました"}),
    [](const ::testing::TestParamInfo<DeclarationCase>& testInfo) {
        return std::string(testInfo.param.name);
    });

TEST_F(LeadTest, DeclaredBattleLeadsHighestTrump) {
    view.declaration = 1;
    view.trump = Hearts;
    SetHand(0, {Club(3), Heart(3), Heart(8), Spade(8), SpadePin});
    ToLead(0);
    EXPECT_EQ(LeadCard(), Heart(8));
}

TEST_F(LeadTest, DeclaredBattleLeadsJokerAsLastClubWhenClubsAreTrump) {
    view.declaration = 4;
    view.participantAt[0] = 2;  // would not lead the joker by its style with four cards
    view.trump = Clubs;
    SetHand(0, {Joker, Diamond(10), Heart(8), Spade(8)});
    ToLead(0);
    view.requestedSuit = Hearts;  // left over from the previous trick
    EXPECT_EQ(view.ChooseLeadCard(), 0);
    // Led as the last club, it requests clubs instead of leaving the old suit in force.
    EXPECT_EQ(view.requestedSuit, Clubs);
    EXPECT_EQ(host.sounds, std::vector<int>{171});
    EXPECT_EQ(view.busy, 0);
}

TEST_F(LeadTest, DeclaredBattleWithoutTrumpLeadsHighestRank) {
    view.declaration = 2;
    view.trump = Hearts;
    SetHand(0, {Club(3), Diamond(9), Spade(4), Spade(9)});
    ToLead(0);
    EXPECT_EQ(LeadCard(), Diamond(9));
}

TEST_F(LeadTest, DeclaredBattleStillLetsTheJokerLeadFirst) {
    view.declaration = 3;
    view.participantAt[1] = 1;
    view.trump = Spades;
    SetHand(1, {Joker, Club(3), Spade(9)});
    ToLead(1);
    EXPECT_EQ(view.ChooseLeadCard(), 0);
    EXPECT_EQ(view.requestedSuit, Clubs);
}

}  // namespace
}  // namespace tesseran::testing
