// SPDX-License-Identifier: MIT
// The player's input on the table: refused cards and their messages, the
// enlarged drop target and putting a card back, reviewing the previous trick
// and the discard pile while the button is held, the keyboard mark, the
// score board closing on a click.
#include "AppFixture.h"

#include "app/CommandIds.h"
#include "app/HoverTip.h"
#include "base/StringTable.h"
#include "players/search/SearchPlayer.h"

#include <algorithm>

namespace tesseran::testing {
namespace {

class TableInput : public AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        store->WriteInt("Settei", "AutoStart", 1);
        store->WriteInt("Settei", "Koukaon", 0);
        store->WriteInt("Settei", "DspRem", 0);
        AnswerMessageBoxes([](const QString&) { return true; });
        OpenWindow();
        PlayWithoutPauses();
        ASSERT_TRUE(QTest::qWaitFor([this] { return game().phase == 1; }, 5000));
        // Let the computers play up to the human's first turn, then hold the timer.
        ASSERT_TRUE(QTest::qWaitFor(
            [this] { return game().currentSeat == HumanSeat && game().busy == 1 && game().HumanMayPlay(); },
            10000));
        table()->StopTurnTimer();
        shownTexts.clear();
    }

    // The human follows a club lead holding clubs.
    void SetUpFollowingClubs() {
        auto& g = game();
        g.leader = 2;
        g.requestedSuit = Clubs;
        g.trick = {NoCard, NoCard, 4, NoCard};
        g.handCount[HumanSeat] = 9;
        g.hand[HumanSeat] = {0, 2, 13, 14, 25, 29, 36, 40, 43, 0};
        g.battleNo = 2;
        table()->Repaint(TableLayer::Changed);
    }
};

TEST_F(TableInput, ACardOfAnotherSuitIsRefusedWithItsRuleAndStaysInTheHand) {
    SetUpFollowingClubs();
    auto before = game().hand[HumanSeat];
    Press(CardCentre(2));  // a diamond while holding a club; the refusal's box is answered inside
    EXPECT_EQ(game().dragging, 0);
    EXPECT_EQ(game().hand[HumanSeat], before);
    ASSERT_EQ(shownTexts.size(), 1u);
    EXPECT_EQ(shownTexts[0], QString::fromStdString(LoadString(30029)));
}

TEST_F(TableInput, WithoutRuleRemarksTheRefusalIsSilent) {
    SetUpFollowingClubs();
    table()->commands().Execute(command::RuleRemarks);  // ルール説明 off
    Press(CardCentre(2));
    EXPECT_EQ(game().dragging, 0);
    EXPECT_TRUE(shownTexts.empty());
    // The table still takes the club it must play.
    Press(CardCentre(1));
    EXPECT_EQ(game().dragging, 1);
    EXPECT_TRUE(shownTexts.empty());
}

TEST_F(TableInput, ADropJustOutsideTheTrickAreaStillCountsAndAFarDropPutsTheCardBack) {
    SetUpFollowingClubs();
    const QRect area = renderer().trickAreaScreenRect;
    // Just outside the left edge, within a quarter of the width.
    QPointF nearLeft(area.left() - area.width() / 8.0, area.center().y());
    // Far to the right of the table, beyond the quarter.
    QPointF far(std::min(1190.0, area.right() + area.width() / 4.0 + 20), area.center().y());

    Press(CardCentre(1));
    DragTo(far);
    Release(far);
    EXPECT_EQ(game().trick[HumanSeat], NoCard);
    EXPECT_EQ(game().hand[HumanSeat][1], 2);
    EXPECT_EQ(game().handCount[HumanSeat], 9);

    Press(CardCentre(1));
    DragTo(nearLeft);
    Release(nearLeft);
    EXPECT_EQ(game().trick[HumanSeat], 2);
    EXPECT_EQ(game().handCount[HumanSeat], 8);
    EXPECT_EQ(game().currentSeat, 0);
}

TEST_F(TableInput, NoExplanationPopsUpWhileACardIsDragged) {
    SetUpFollowingClubs();
    table()->commands().Execute(command::DisplayRemarks);  // on
    const QPointF field = renderer().trickAreaScreenRect.center();
    QTest::mouseMove(table(), WindowPoint(field));
    ASSERT_TRUE(QTest::qWaitFor([this] { return table()->hoverTip()->showing(); }, 2000));

    Press(CardCentre(1));
    EXPECT_FALSE(table()->hoverTip()->showing());
    DragTo(field);
    // Nothing is waiting to pop up either.
    EXPECT_FALSE(table()->hoverTip()->pending());
    EXPECT_FALSE(table()->hoverTip()->showing());
    Release(field);
    EXPECT_EQ(game().trick[HumanSeat], 2);
}

TEST_F(TableInput, ThePreviousTrickAndTheDiscardPileShowOnlyWhileTheButtonIsHeld) {
    auto& g = game();
    SetUpFollowingClubs();
    g.prevTrick = {5, 6, 7, 8};
    g.discardCount = 3;
    g.discard[0] = 5;
    g.discard[1] = 6;
    g.discard[2] = 8;
    table()->Repaint(TableLayer::Changed);

    QPointF trickArea = renderer().trickAreaScreenRect.center();
    Press(trickArea);
    EXPECT_EQ(g.showingPrevTrick, 1);
    Release(trickArea);
    EXPECT_EQ(g.showingPrevTrick, 0);

    QPointF pile = renderer().discardScreenRect.center();
    Press(pile);
    EXPECT_EQ(g.showingDiscards, 1);
    Key(Qt::Key_Right);  // keys do nothing while the pile is spread out
    Release(pile);
    EXPECT_EQ(g.showingDiscards, 0);
}

TEST_F(TableInput, NoPreviousTrickBeforeTheHumansFirstCard) {
    auto& g = game();
    ASSERT_EQ(g.handCount[HumanSeat], 10);
    Press(renderer().trickAreaScreenRect.center());
    EXPECT_EQ(g.showingPrevTrick, 0);
}

TEST_F(TableInput, ArrowsWrapAroundTheHandAndEnterPlaysTheMarkedCard) {
    auto& g = game();
    SetUpFollowingClubs();
    g.markedCard = 0;
    Key(Qt::Key_Left);
    EXPECT_EQ(g.markedCard, 8);
    Key(Qt::Key_Right);
    EXPECT_EQ(g.markedCard, 0);
    Key(Qt::Key_Right);
    Key(Qt::Key_Return);  // the club 2 at position 1
    EXPECT_EQ(g.trick[HumanSeat], 2);
}

TEST_F(TableInput, ADoubleClickPlaysTheCardUnderThePointer) {
    SetUpFollowingClubs();
    DoubleClick(CardCentre(1));
    EXPECT_EQ(game().trick[HumanSeat], 2);
    EXPECT_EQ(game().markedCard, 1);
}

TEST_F(TableInput, TheScoreBoardClosesOnAClickAndBlocksKeysMeanwhile) {
    auto& g = game();
    SetUpFollowingClubs();
    table()->commands().Execute(command::Score);  // 得点
    EXPECT_EQ(g.scoreShown, 1);
    Key(Qt::Key_Return);
    EXPECT_EQ(g.trick[HumanSeat], NoCard);
    Press(CardCentre(1));
    EXPECT_EQ(g.dragging, 0);
    Release(CardCentre(1));
    EXPECT_EQ(g.scoreShown, 0);
}

TEST_F(TableInput, TheHintKeyMarksTheSearchPlayersCardAndSaysHowLikelyItWins) {
    const std::optional<search::MoveValue> best = search::AdviseCard(game(), HumanSeat).Best();
    ASSERT_TRUE(best);
    Key(Qt::Key_H);
    EXPECT_EQ(game().hand[HumanSeat][game().markedCard], best->move.card);
    ASSERT_TRUE(QTest::qWaitFor([this] { return table()->hoverTip()->showing(); }, 2000));
    const QString percent = QString::number(static_cast<int>(best->winShare * 100 + 0.5)) + "%";
    EXPECT_TRUE(table()->hoverTip()->text().contains(percent)) << table()->hoverTip()->text().toStdString();
    // Enter then plays the card the hint marked, and the balloon, which
    // spoke of that hand, goes with it.
    Key(Qt::Key_Return);
    EXPECT_EQ(game().trick[HumanSeat], best->move.card);
    EXPECT_FALSE(table()->hoverTip()->showing());
}

TEST_F(TableInput, WhilePlacingShowCardsTheHintMarksTheSearchedPairOneCardAtATime) {
    // Battle 2 opens with the human to show two cards to the partner opposite.
    auto& g = game();
    g.battleNo = 2;
    g.relationKnown = 1;
    g.relation = {0, 1, 0, 2};
    g.chooserSeat = 1;
    g.showSeat = HumanSeat;
    g.leader = 1;
    g.currentSeat = HumanSeat;
    g.phase = 2;
    g.shownCount = 0;
    g.showCards = {NoCard, NoCard};
    g.trick.fill(NoCard);
    g.handCount.fill(HandSize);
    // A deal whose best pair is not the one the rules would show.
    for (int i = 0; i < DeckSize; ++i) g.hand[i % SeatCount][i / SeatCount] = Deck[i * 7 % DeckSize];
    for (auto& hand : g.hand) std::sort(hand.begin(), hand.end());
    g.played.fill(0);
    g.playedBy.fill(-1);
    g.shownVoids.fill(0);
    g.faceOwner.fill(-1);
    table()->Repaint(TableLayer::Changed);

    const std::optional<search::MoveValue> pair = search::AdviseShowCards(game(), HumanSeat).Best();
    ASSERT_TRUE(pair);
    Key(Qt::Key_H);
    EXPECT_EQ(g.hand[HumanSeat][g.markedCard], pair->move.card);
    ASSERT_TRUE(QTest::qWaitFor([this] { return table()->hoverTip()->showing(); }, 2000));
    const QString percent = QString::number(static_cast<int>(pair->winShare * 100 + 0.5)) + "%";
    EXPECT_TRUE(table()->hoverTip()->text().contains(percent)) << table()->hoverTip()->text().toStdString();

    // The marked card goes down as the first show card; the hint then names
    // the second of the same pair.
    Key(Qt::Key_Return);
    ASSERT_EQ(g.shownCount, 1);
    EXPECT_EQ(g.showCards[0], pair->move.card);
    Key(Qt::Key_H);
    EXPECT_EQ(g.hand[HumanSeat][g.markedCard], pair->move.jokerSuit);
}

}  // namespace
}  // namespace tesseran::testing
