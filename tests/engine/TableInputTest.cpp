// SPDX-License-Identifier: MIT
// The table's input rules without a window: what a press, a release, a key
// and the pointer on the trump icon mean in each state, and the angle.
#include "EngineFixture.h"

#include "base/ResourceIds.h"

#include <gtest/gtest.h>

namespace tesseran::testing {
namespace {

// Battle 2, second trick: the human follows clubs with nine cards left, one
// card already on the discard pile.
class TableClicks : public ::testing::Test {
protected:
    void SetUp() override {
        auto& v = table.view;
        v.phase = 1;
        v.battleNo = 2;
        v.gameNo = 3;
        v.trump = Hearts;
        v.leader = 2;
        v.currentSeat = HumanSeat;
        v.busy = 1;
        v.requestedSuit = Clubs;
        v.trick = {NoCard, NoCard, 4, NoCard};
        v.discardCount = 1;
        v.discard[0] = 7;
        table.GiveHand(HumanSeat, {2, 13, 14, 15, 25, 29, 36, 40, 43});
    }

    static TablePoint OnHand(int position) {
        TablePoint point;
        point.handPosition = position;
        return point;
    }

    Table table;
};

TEST_F(TableClicks, EachPressShowsOneThingUntilItsReleaseAndOnlyThenACardCanBePlayed) {
    auto& v = table.view;
    TablePoint trickArea;
    trickArea.onTrickArea = true;
    trickArea.inDropArea = true;
    TablePoint pile;
    pile.onDiscardPile = true;

    // The score board is closed by a click, and the press does nothing else.
    v.scoreShown = 1;
    EXPECT_EQ(v.PressOnTable(OnHand(0)), TableResponse::None);
    EXPECT_EQ(v.dragging, 0);
    EXPECT_EQ(v.ReleaseOnTable(OnHand(0)), TableResponse::Redraw);
    EXPECT_EQ(v.scoreShown, 0);

    // The previous trick shows while the button is held over the trick area.
    EXPECT_EQ(v.PressOnTable(trickArea), TableResponse::Redraw);
    EXPECT_EQ(v.showingPrevTrick, 1);
    EXPECT_EQ(v.ReleaseOnTable(trickArea), TableResponse::Redraw);
    EXPECT_EQ(v.showingPrevTrick, 0);

    // The pile spreads out while pressed; meanwhile the keys are not the table's.
    EXPECT_EQ(v.PressOnTable(pile), TableResponse::Redraw);
    EXPECT_EQ(v.showingDiscards, 1);
    EXPECT_FALSE(v.PressKey(TableKey::Play));
    EXPECT_EQ(v.trick[HumanSeat], NoCard);
    EXPECT_EQ(v.ReleaseOnTable(pile), TableResponse::Redraw);
    EXPECT_EQ(v.showingDiscards, 0);

    // A diamond is refused while a club is held; the club follows the pointer
    // and, dropped on the table, is played.
    EXPECT_EQ(v.PressOnTable(OnHand(1)), TableResponse::None);
    EXPECT_EQ(v.dragging, 0);
    v.markedCard = 8;
    EXPECT_EQ(v.PressOnTable(OnHand(0)), TableResponse::CardPickedUp);
    EXPECT_EQ(v.dragging, 1);
    EXPECT_EQ(v.ReleaseOnTable(trickArea), TableResponse::CardDropped);
    EXPECT_EQ(v.trick[HumanSeat], 2);
    EXPECT_EQ(v.handCount[HumanSeat], 8);
    // The mark stood on the last card, which has moved down: it wraps to the first.
    EXPECT_EQ(v.markedCard, 0);
    // The turn has passed: the table takes no more presses.
    EXPECT_EQ(v.PressOnTable(OnHand(0)), TableResponse::None);
}

TEST_F(TableClicks, TheFrontEdgeDragsTheAngleAndOnlyWholeDegreesAreStoredOnRelease) {
    auto& v = table.view;
    TablePoint edge;
    edge.onFrontEdge = true;
    EXPECT_FALSE(v.DragAngleTo(15.0));  // not dragging yet
    EXPECT_EQ(v.PressOnTable(edge), TableResponse::None);
    EXPECT_EQ(v.angleDragging, 1);
    EXPECT_TRUE(v.DragAngleTo(40.0));
    EXPECT_EQ(v.viewAngle, MaximumAngle);
    EXPECT_TRUE(v.DragAngleTo(12.5));
    EXPECT_EQ(v.viewAngle, 12.5);
    EXPECT_EQ(table.store.ReadInt("Last", "Kakudo", -1), -1) << "nothing is stored while dragging";
    EXPECT_EQ(v.ReleaseOnTable(edge), TableResponse::None);
    EXPECT_EQ(v.angleDragging, 0);
    EXPECT_EQ(table.store.ReadInt("Last", "Kakudo", -1), 12);

    TablePoint up;
    up.angleButton = AngleButton::Up;
    EXPECT_EQ(v.PressOnTable(up), TableResponse::AngleChanged);
    EXPECT_EQ(table.store.ReadInt("Last", "Kakudo", -1), 13);
    v.viewAngle = MaximumAngle;
    EXPECT_EQ(v.PressOnTable(up), TableResponse::None);
}

TEST(TrumpIcon, RestingOnItPicksTheLuckySeatFromTheClockWithOneSound) {
    Table table;
    auto& v = table.view;
    table.host.clock = LocalTime{2026, 12, 8, 10, 0, 25};
    v.PointerOnTrumpIcon(true);
    EXPECT_EQ(v.luckySeat, 2);
    v.PointerOnTrumpIcon(true);  // moving on the icon within the same ten seconds
    EXPECT_EQ(table.host.sounds, std::vector<int>{wave::Click});

    table.host.clock->second = 45;  // from second 40 on nobody is lucky
    v.PointerOnTrumpIcon(true);
    EXPECT_EQ(v.luckySeat, -1);
    EXPECT_EQ(table.host.sounds.size(), 1u);

    v.PointerOnTrumpIcon(false);
    table.host.clock->second = 5;
    v.PointerOnTrumpIcon(true);
    EXPECT_EQ(v.luckySeat, 0);
    EXPECT_EQ(table.host.sounds, (std::vector<int>{wave::Click, wave::Click}));
}

}  // namespace
}  // namespace tesseran::testing
