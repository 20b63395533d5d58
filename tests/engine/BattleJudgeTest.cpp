// SPDX-License-Identifier: MIT
// Judging a battle after each trick: every row of the result tables, the
// questions to the human, and the face cards still to go.
#include "EngineFixture.h"
#include "base/StringTable.h"

#include <gtest/gtest.h>

namespace tesseran::testing {
namespace {

enum class Points { None, Add, Set };

struct JudgeCase {
    const char* name;
    int declaration;
    int battle;
    int related;
    int unrelated;
    int goOn;  // the computer's go-on answer, where it is asked
    int answer;
    int messageId;  // 0: no message
    Points points;
    int amount;
    int declarationAfter;
};

// Seats 0 and 2 are related; every cell starts at 5 so adds and sets differ.
class JudgeTable : public ::testing::TestWithParam<JudgeCase> {
protected:
    void SetUp() override {
        auto& v = table.view;
        v.relation = {1, 0, 2, 0};
        v.participantAt = {0, 1, 2, 3};
        v.gameNo = 4;
        v.score[3] = {5, 5, 5, 5};
        v.currentSeat = 0;
    }
    Table table;
};

TEST_P(JudgeTable, DecidesScoresAndAnnounces) {
    const JudgeCase& c = GetParam();
    auto& v = table.view;
    v.battleNo = c.battle;
    v.relatedNeeded = c.battle == 2 ? 8 : 9;
    v.unrelatedNeeded = 17 - v.relatedNeeded;
    v.declaration = c.declaration;
    v.goOn = c.goOn;

    int answer = v.JudgeBattle(/*winner=*/1, c.related, c.unrelated);

    EXPECT_EQ(answer, c.answer);
    if (c.messageId == 0) {
        EXPECT_TRUE(table.host.messages.empty());
    } else {
        ASSERT_EQ(table.host.messages.size(), 1u);
        EXPECT_EQ(table.host.messages[0].text, LoadString(c.messageId));
        EXPECT_EQ(table.host.messages[0].icon, MessageIcon::Information);
    }
    std::array<int, 4> expected = {5, 5, 5, 5};
    if (c.points == Points::Add) expected = {5 + c.amount, 5 - c.amount, 5 + c.amount, 5 - c.amount};
    if (c.points == Points::Set) expected = {-c.amount, c.amount, -c.amount, c.amount};
    EXPECT_EQ(v.score[3], expected);
    EXPECT_EQ(v.declaration, c.declarationAfter);
}

INSTANTIATE_TEST_SUITE_P(
    PlainBattles, JudgeTable,
    ::testing::Values(
        JudgeCase{"RelatedWinInBattleOneGoesOnWithoutPoints", 0, 1, 9, 3, 0, 2, 30019, Points::None, 0, 0},
        JudgeCase{"RelatedWinInBattleTwoNeedsEight", 0, 2, 8, 1, 0, 2, 30019, Points::None, 0, 0},
        JudgeCase{"RelatedWinInBattleThreeAddsEight", 0, 3, 9, 2, 0, 1, 30019, Points::Add, 8, 0},
        JudgeCase{"SkunkDeclinedInBattleOneAddsTwo", 0, 1, 9, 0, 0, 2, 30020, Points::Add, 2, 0},
        JudgeCase{"SkunkDeclinedInBattleThreeAddsTen", 0, 3, 9, 0, 0, 1, 30020, Points::Add, 10, 0},
        JudgeCase{"SkunkTakenOnGoesForSixteen", 0, 1, 9, 0, 1, 0, 30037, Points::None, 0, 1},
        JudgeCase{"NeitherGroupThereYet", 0, 1, 8, 7, 0, 0, 0, Points::None, 0, 0},
        JudgeCase{"BattleTwoRelatedAtSevenGoesOn", 0, 2, 7, 8, 0, 0, 0, Points::None, 0, 0},
        JudgeCase{"UnrelatedWinInBattleOneSetsTwo", 0, 1, 3, 8, 0, 1, 30021, Points::Set, 2, 0},
        JudgeCase{"UnrelatedWinInBattleTwoScoresNothing", 0, 2, 3, 9, 0, 1, 30021, Points::None, 0, 0},
        JudgeCase{"UnrelatedWinInBattleThreeStillAddsTwo", 0, 3, 1, 8, 0, 1, 30021, Points::Add, 2, 0},
        JudgeCase{"ReverseSkunkDeclinedSetsEight", 0, 1, 0, 8, 0, 1, 30022, Points::Set, 8, 0},
        JudgeCase{"ReverseSkunkTakenOnGoesForReverseSixteen", 0, 1, 0, 8, 1, 0, 30036, Points::None, 0, 2}),
    [](const ::testing::TestParamInfo<JudgeCase>& param) { return std::string(param.param.name); });

INSTANTIATE_TEST_SUITE_P(
    DeclaredBattles, JudgeTable,
    ::testing::Values(
        JudgeCase{"SixteenFailsOnAnyUnrelatedFace", 1, 1, 10, 1, 0, 1, 30023, Points::Set, 32, 0},
        JudgeCase{"SixteenSucceedsWithAllFaces", 1, 1, 16, 0, 0, 2, 30024, Points::Add, 16, 0},
        JudgeCase{"SixteenInBattleThreeEndsTheGame", 1, 3, 16, 0, 0, 1, 30024, Points::Add, 16, 0},
        JudgeCase{"SixteenStillOpen", 1, 1, 12, 0, 0, 0, 0, Points::None, 0, 1},
        JudgeCase{"ReverseSixteenFailsOnAnyRelatedFace", 2, 1, 1, 9, 0, 2, 30025, Points::Add, 64, 0},
        JudgeCase{"ReverseSixteenSucceeds", 2, 2, 0, 16, 0, 1, 30026, Points::Set, 32, 0},
        JudgeCase{"ReverseSixteenStillOpen", 2, 1, 0, 12, 0, 0, 0, Points::None, 0, 2},
        JudgeCase{"DeclaredSkunkFails", 3, 2, 5, 1, 0, 1, 30043, Points::Set, 16, 0},
        JudgeCase{"DeclaredSkunkSucceeds", 3, 2, 8, 0, 0, 2, 30044, Points::Add, 8, 0},
        JudgeCase{"DeclaredSkunkStillOpen", 3, 2, 7, 0, 0, 0, 0, Points::None, 0, 3},
        JudgeCase{"DeclaredSixteenFails", 4, 2, 9, 1, 0, 1, 30045, Points::Set, 64, 0},
        JudgeCase{"DeclaredSixteenSucceeds", 4, 3, 16, 0, 0, 1, 30046, Points::Add, 32, 0},
        JudgeCase{"DeclaredSixteenStillOpenPastTheNeed", 4, 2, 9, 0, 0, 0, 0, Points::None, 0, 4},
        JudgeCase{"DeclaredReverseSkunkFails", 5, 2, 1, 3, 0, 2, 30047, Points::Add, 32, 0},
        JudgeCase{"DeclaredReverseSkunkSucceeds", 5, 2, 0, 9, 0, 1, 30048, Points::Set, 16, 0},
        JudgeCase{"DeclaredReverseSkunkStillOpen", 5, 2, 0, 8, 0, 0, 0, Points::None, 0, 5},
        JudgeCase{"DeclaredReverseSixteenFails", 6, 3, 1, 15, 0, 1, 30049, Points::Add, 128, 0},
        JudgeCase{"DeclaredReverseSixteenSucceeds", 6, 1, 0, 16, 0, 1, 30007, Points::Set, 64, 0},
        JudgeCase{"DeclaredReverseSixteenStillOpen", 6, 1, 0, 15, 0, 0, 0, Points::None, 0, 6}),
    [](const ::testing::TestParamInfo<JudgeCase>& param) { return std::string(param.param.name); });

class HumanQuestions : public ::testing::Test {
protected:
    void SetUp() override {
        auto& v = table.view;
        v.battleNo = 1;
        v.relatedNeeded = 9;
        v.unrelatedNeeded = 8;
        v.participantAt = {0, 1, 2, 3};
        v.gameNo = 1;
        v.goOn = 0;
    }
    Table table;
};

TEST_F(HumanQuestions, RelatedHumanWhoTookTheSkunkTrickIsAskedInsteadOfTheComputer) {
    table.view.relation = {0, 1, 0, 2};
    table.host.answers = {true};
    EXPECT_EQ(table.view.JudgeBattle(HumanSeat, 9, 0), 0);
    ASSERT_EQ(table.host.questions.size(), 1u);
    EXPECT_EQ(table.host.questions[0], LoadString(30016));
    EXPECT_EQ(table.view.goOnCalls, 0);
    EXPECT_TRUE(table.host.messages.empty());
    EXPECT_EQ(table.view.declaration, 1);
}

TEST_F(HumanQuestions, RelatedHumanDecliningSixteenScoresTheSkunkSilently) {
    table.view.relation = {0, 1, 0, 2};
    table.host.answers = {false};
    EXPECT_EQ(table.view.JudgeBattle(HumanSeat, 9, 0), 2);
    EXPECT_TRUE(table.host.messages.empty());
    EXPECT_EQ(table.view.score[0], (std::array<int, 4>{-2, 2, -2, 2}));
}

TEST_F(HumanQuestions, HumanWhoDidNotTakeTheDecidingTrickIsNotAsked) {
    table.view.relation = {0, 1, 0, 2};
    EXPECT_EQ(table.view.JudgeBattle(1, 9, 0), 2);
    EXPECT_TRUE(table.host.questions.empty());
    EXPECT_EQ(table.view.goOnCalls, 1);
}

TEST_F(HumanQuestions, UnrelatedHumanIsAskedAboutReverseSixteen) {
    table.view.relation = {1, 0, 2, 0};
    table.host.answers = {true};
    EXPECT_EQ(table.view.JudgeBattle(HumanSeat, 0, 8), 0);
    ASSERT_EQ(table.host.questions.size(), 1u);
    EXPECT_EQ(table.host.questions[0], LoadString(30017));
    EXPECT_EQ(table.view.declaration, 2);
}

TEST_F(HumanQuestions, HumanOnTheLosingSideIsNeverAsked) {
    table.view.relation = {1, 0, 2, 0};  // the human is unrelated
    EXPECT_EQ(table.view.JudgeBattle(HumanSeat, 9, 0), 2);
    EXPECT_TRUE(table.host.questions.empty());
    EXPECT_EQ(table.view.goOnCalls, 1);
}

TEST(ScoreCells, PointsFollowTheParticipantAfterASeatSwap) {
    Table table;
    auto& v = table.view;
    v.relation = {1, 0, 2, 0};
    v.participantAt = {0, 2, 1, 3};  // participants 1 and 2 have changed seats
    v.battleNo = 3;
    v.relatedNeeded = 9;
    v.unrelatedNeeded = 8;
    v.gameNo = 10;
    v.JudgeBattle(0, 9, 1);
    // Related seats 0 and 2 hold participants 0 and 1.
    EXPECT_EQ(v.score[9], (std::array<int, 4>{8, 8, -8, -8}));
}

struct ToGoCase {
    int declaration;
    int related;
    int unrelated;
    int relatedToGo;
    int unrelatedToGo;
};

class ToGoTable : public ::testing::TestWithParam<ToGoCase> {};

TEST_P(ToGoTable, ShowsWhatEachGroupStillNeeds) {
    Table table;
    auto& v = table.view;
    const ToGoCase& c = GetParam();
    v.relatedNeeded = 8;
    v.unrelatedNeeded = 9;
    v.declaration = c.declaration;
    v.UpdateToGo(c.related, c.unrelated);
    EXPECT_EQ(v.relatedToGo, c.relatedToGo);
    EXPECT_EQ(v.unrelatedToGo, c.unrelatedToGo);
}

INSTANTIATE_TEST_SUITE_P(EveryDeclaration, ToGoTable,
                         ::testing::Values(ToGoCase{0, 3, 2, 5, 7}, ToGoCase{1, 9, 0, 7, 1},
                                           ToGoCase{4, 2, 0, 14, 1}, ToGoCase{2, 0, 10, 1, 6},
                                           ToGoCase{6, 0, 3, 1, 13}, ToGoCase{3, 4, 0, 4, 1},
                                           ToGoCase{5, 0, 4, 1, 5}));

}  // namespace
}  // namespace tesseran::testing
