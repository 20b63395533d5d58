// SPDX-License-Identifier: MIT
// The regulars' turn, pulled event by event as the conquest window does.
#include "campaign/RegularsTurn.h"

#include "campaign/Campaign.h"

#include <gtest/gtest.h>

#include <vector>

namespace tesseran {
namespace {

using Kind = RegularsTurnEvent::Kind;

// Pulls the whole turn, committing every take as the window would.
std::vector<RegularsTurnEvent> RunTurn(SettingsStore& store) {
    std::vector<RegularsTurnEvent> events;
    RegularsTurn turn(store);
    for (int step = 0; step < 400; ++step) {
        events.push_back(turn.Next());
        if (events.back().kind != Kind::Take) break;
        turn.CommitTake();
    }
    return events;
}

MemorySettingsStore FreshCampaign() {
    MemorySettingsStore store;
    InitialiseCampaignAtStartUp(store);
    return store;
}

void ExpectTake(const RegularsTurnEvent& event, int regular, int province, int balanceLeft) {
    EXPECT_EQ(event.kind, Kind::Take);
    EXPECT_EQ(event.regular, regular);
    EXPECT_EQ(event.province, province);
    EXPECT_EQ(event.balanceLeft, balanceLeft);
}

TEST(RegularsTurnTest, FreshCampaignWithoutKokuTakesNothing) {
    MemorySettingsStore store = FreshCampaign();
    const int writes = store.WriteCount();
    auto events = RunTurn(store);
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].kind, Kind::Finished);
    EXPECT_EQ(store.WriteCount(), writes);
}

TEST(RegularsTurnTest, RegularWithTooLittleKokuIsPassedOver) {
    // 三河's cheapest neighbour is 遠江 at 51 koku.
    MemorySettingsStore store = FreshCampaign();
    SetBalance(store, 2, 50);
    auto events = RunTurn(store);
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].kind, Kind::Finished);
    EXPECT_EQ(OwnerOf(store, 30), Unowned);
    EXPECT_EQ(BalanceOf(store, 2), 50);
}

TEST(RegularsTurnTest, RegularKeepsTakingWhileItCanPay) {
    // 遠江 51, then 駿河 30, then 伊豆 14; 相模 at 38 is then out of reach.
    MemorySettingsStore store = FreshCampaign();
    SetBalance(store, 2, 95);
    RegularsTurn turn(store);

    ExpectTake(turn.Next(), 2, 30, 44);
    // The window announces the take before anything is written.
    EXPECT_EQ(OwnerOf(store, 30), Unowned);
    EXPECT_EQ(BalanceOf(store, 2), 95);
    turn.CommitTake();
    EXPECT_EQ(OwnerOf(store, 30), 2);
    EXPECT_EQ(BalanceOf(store, 2), 44);

    ExpectTake(turn.Next(), 2, 29, 14);
    // Pulling on without committing still writes the announced take.
    ExpectTake(turn.Next(), 2, 28, 0);
    EXPECT_EQ(OwnerOf(store, 29), 2);
    EXPECT_EQ(turn.Next().kind, Kind::Finished);
    EXPECT_EQ(OwnerOf(store, 28), 2);
    EXPECT_EQ(BalanceOf(store, 2), 0);
    EXPECT_EQ(turn.Next().kind, Kind::Finished);
}

TEST(RegularsTurnTest, RegularsMoveInOrderAndEntryEightNeverGainsKoku) {
    MemorySettingsStore store = FreshCampaign();
    CreditMatch(store, {60, 1, 51, 0}, 0);
    auto events = RunTurn(store);
    // Entry 2 takes 遠江; entry 5 (尾張, 60 koku) takes 三河 (58) from entry 2;
    // entry 6 cannot pay for 伊賀 (2); entry 8 has nothing.
    ASSERT_EQ(events.size(), 3u);
    ExpectTake(events[0], 2, 30, 0);
    ExpectTake(events[1], 5, 31, 2);
    EXPECT_EQ(events[2].kind, Kind::Finished);
    EXPECT_EQ(OwnerOf(store, 31), 5);
    EXPECT_EQ(OwnerOf(store, 41), 8);
    EXPECT_EQ(BalanceOf(store, 8), 0);
}

TEST(RegularsTurnTest, UnificationEndsTheTurnForEveryone) {
    MemorySettingsStore store;
    for (int province = 0; province < ProvinceCount; ++province) SetOwner(store, province, 5);
    SetOwner(store, 30, Unowned);
    SetBalance(store, 5, 51);

    RegularsTurn turn(store);
    ExpectTake(turn.Next(), 5, 30, 0);
    turn.CommitTake();
    RegularsTurnEvent unified = turn.Next();
    EXPECT_EQ(unified.kind, Kind::Unified);
    EXPECT_EQ(unified.regular, 5);
    // The turn only reports the unification; the window resets afterwards.
    EXPECT_EQ(OwnerOf(store, 32), 5);
    EXPECT_EQ(store.ReadInt("Kunitori", "INIT", 1), 1);

    OnUnification(store);
    for (int regular : Regulars) SetBalance(store, regular, 1000);
    EXPECT_EQ(turn.Next().kind, Kind::Finished);
    EXPECT_EQ(OwnerOf(store, 30), Unowned);
}

}  // namespace
}  // namespace tesseran
