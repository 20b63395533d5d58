// SPDX-License-Identifier: MIT
// The campaign's rules over a settings store: start-up, resets, crediting,
// target choice, the human's neighbourhood check, takes and unification.
#include "campaign/Campaign.h"

#include "support/RecordingStore.h"
#include "support/TestHost.h"

#include <gtest/gtest.h>

#include <climits>
#include <map>
#include <string>
#include <vector>

namespace tesseran {
namespace {

// The home provinces by entry, as the roster gives them.
const std::map<int, int> HomeOwners = {{1, 0},  {3, 1},  {31, 2}, {27, 3}, {15, 4},
                                       {32, 5}, {13, 6}, {55, 7}, {41, 8}, {70, 9}};

void ExpectInitialCampaign(SettingsStore& store) {
    for (int province = 0; province < ProvinceCount; ++province) {
        auto home = HomeOwners.find(province);
        EXPECT_EQ(OwnerOf(store, province), home == HomeOwners.end() ? Unowned : home->second)
            << "province " << province;
    }
    for (int entry = 0; entry < EntryCount; ++entry)
        EXPECT_EQ(BalanceOf(store, entry), 0) << "entry " << entry;
}

// A store in which the given entry owns exactly the given provinces.
MemorySettingsStore StoreWith(int entry, const std::vector<int>& provinces) {
    MemorySettingsStore store;
    for (int province = 0; province < ProvinceCount; ++province) SetOwner(store, province, Unowned);
    for (int province : provinces) SetOwner(store, province, entry);
    return store;
}

TEST(CampaignTest, FirstStartUpCreatesTheInitialCampaignOnce) {
    MemorySettingsStore store;
    InitialiseCampaignAtStartUp(store);
    ExpectInitialCampaign(store);
    EXPECT_EQ(store.ReadInt("Kunitori", "INIT", 0), 1);

    Take(store, 2, 30);
    SetBalance(store, 2, 500);
    InitialiseCampaignAtStartUp(store);
    EXPECT_EQ(OwnerOf(store, 30), 2);
    EXPECT_EQ(BalanceOf(store, 2), 500);
}

TEST(CampaignTest, ResetAnsweredNoChangesNothing) {
    MemorySettingsStore store;
    SetOwner(store, 30, 2);
    SetBalance(store, 2, 500);
    testing::TestHost host;
    host.answers = {false};
    const int writes = store.WriteCount();
    EXPECT_FALSE(ResetCampaign(store, &host));
    EXPECT_EQ(store.WriteCount(), writes);
    ASSERT_EQ(host.questions.size(), 1u);
    EXPECT_EQ(host.questions[0], "現在の獲得数がなくなりますがよろしいですか");
}

TEST(CampaignTest, ResetRestoresHomesAndZeroBalancesButKeepsTheStartUpMarker) {
    MemorySettingsStore answeredYes;
    MemorySettingsStore unasked;
    for (MemorySettingsStore* store : {&answeredYes, &unasked}) {
        InitialiseCampaignAtStartUp(*store);
        Take(*store, 2, 30);
        SetOwner(*store, 31, 5);
        SetBalance(*store, 9, 77);
    }
    testing::TestHost host;
    host.answers = {true};
    EXPECT_TRUE(ResetCampaign(answeredYes, &host));
    EXPECT_TRUE(ResetCampaign(unasked, nullptr));
    EXPECT_EQ(host.questions.size(), 1u);
    for (MemorySettingsStore* store : {&answeredYes, &unasked}) {
        ExpectInitialCampaign(*store);
        EXPECT_EQ(store->ReadInt("Kunitori", "INIT", 0), 1);
    }
}

TEST(CampaignTest, UnificationResetsAndAsksForAnotherResetAtStartUp) {
    MemorySettingsStore store;
    InitialiseCampaignAtStartUp(store);
    Take(store, 6, 20);
    SetBalance(store, 6, 900);
    OnUnification(store);
    ExpectInitialCampaign(store);
    EXPECT_EQ(store.ReadInt("Kunitori", "INIT", 1), 0);

    SetBalance(store, 0, 40);
    InitialiseCampaignAtStartUp(store);
    EXPECT_EQ(BalanceOf(store, 0), 0);
    EXPECT_EQ(store.ReadInt("Kunitori", "INIT", 0), 1);
}

TEST(CampaignTest, StoredOwnersOutsideTheRangeCountAsUnowned) {
    for (int stored : {-1, 11, INT_MIN, INT_MAX}) {
        MemorySettingsStore store = StoreWith(0, {1});
        store.WriteInt("Owner", "Kuni6", stored);
        EXPECT_EQ(OwnerOf(store, 6), Unowned) << stored;
        EXPECT_EQ(NextTarget(store, 0), 6) << stored;  // 秋田 is still to be had
    }
}

struct CreditRow {
    const char* name;
    int before;
    int total;
    int after;
};

TEST(CampaignTest, CreditingNeverLeavesTheBalanceRange) {
    const CreditRow rows[] = {
        {"gain", 100, 50, 150},
        {"loss", 100, -40, 60},
        {"loss larger than the balance", 100, -150, 0},
        {"damaged negative balance", -50, 20, 0},
        {"near the top", INT_MAX - 10, 100, INT_MAX},
        {"both at the top", INT_MAX, INT_MAX, INT_MAX},
    };
    for (const CreditRow& row : rows) {
        SCOPED_TRACE(row.name);
        MemorySettingsStore store;
        SetBalance(store, 6, row.before);
        auto balances = CreditMatch(store, {0, row.total, 0, 0}, 0);
        EXPECT_EQ(balances[1], row.after);
        EXPECT_EQ(BalanceOf(store, 6), row.after);
    }
}

TEST(CampaignTest, CreditGoesToTheParticipantsEntriesInOrder) {
    MemorySettingsStore store;
    SetBalance(store, 5, 10);
    auto balances = CreditMatch(store, {1, 2, 3, 4}, 7);
    EXPECT_EQ(balances, (std::array<int, 4>{11, 2, 3, 4}));
    EXPECT_EQ(BalanceOf(store, 7), 4);

    // An entry seated twice is credited twice, in participant order.
    balances = CreditMatch(store, {100, 0, 0, -200}, 5);
    EXPECT_EQ(balances[0], 111);
    EXPECT_EQ(balances[3], 0);

    for (int humanEntry : {-1, 10}) {
        balances = CreditMatch(store, {0, 0, 0, 50}, humanEntry);
        EXPECT_EQ(balances[3], 0);
    }
    for (int entry : {0, 1, 3, 4, 8, 9}) EXPECT_EQ(BalanceOf(store, entry), 0) << entry;
}

struct TargetRow {
    const char* name;
    std::vector<int> owned;
    std::vector<int> ownedByEntry2;
    int expected;
};

TEST(CampaignTest, NextTargetIsTheCheapestNeighbourFirstFound) {
    const TargetRow rows[] = {
        {"cheapest neighbour", {31}, {}, 30},
        {"another entry's province is fair game", {32}, {31}, 31},
        {"equal prices keep the neighbour listed first", {20, 41}, {}, 42},
        {"equal prices keep the lowest own province first", {48, 56, 58}, {}, 65},
        {"owning nothing", {}, {31}, OwnsNoProvince},
    };
    for (const TargetRow& row : rows) {
        SCOPED_TRACE(row.name);
        MemorySettingsStore store = StoreWith(4, row.owned);
        for (int province : row.ownedByEntry2) SetOwner(store, province, 2);
        EXPECT_EQ(NextTarget(store, 4), row.expected);
    }
    MemorySettingsStore fresh;
    InitialiseCampaignAtStartUp(fresh);
    for (int entry : {-1, Unowned, 11}) EXPECT_EQ(NextTarget(fresh, entry), OwnsNoProvince) << entry;
}

TEST(CampaignTest, NothingLeftToTakeOnlyWhenTheWholeMapIsOwned) {
    std::vector<int> all;
    for (int province = 0; province < ProvinceCount; ++province) all.push_back(province);
    MemorySettingsStore store = StoreWith(3, all);
    EXPECT_EQ(NextTarget(store, 3), NoTargetLeft);
    // Every province is listed by some other province, so a single missing
    // one is always found.
    for (int missing = 0; missing < ProvinceCount; ++missing) {
        SetOwner(store, missing, 7);
        EXPECT_EQ(NextTarget(store, 3), missing);
        SetOwner(store, missing, 3);
    }
}

TEST(CampaignTest, HumanMayTakeReadsTheClickedProvincesOwnList) {
    auto humanOwning = [](int province, int clicked) {
        MemorySettingsStore store = StoreWith(0, {province});
        return HumanMayTake(store, 0, clicked);
    };
    // 摂津 does not list 大和, and 河内 does not list 紀伊.
    EXPECT_FALSE(humanOwning(37, 38));
    EXPECT_TRUE(humanOwning(38, 37));
    EXPECT_FALSE(humanOwning(57, 39));
    EXPECT_TRUE(humanOwning(39, 57));

    // 信濃 borders ten provinces, 駿河, 遠江 and 三河 at the end of its list.
    for (int neighbour : {9, 11, 12, 15, 16, 25, 27, 29, 30, 31}) {
        EXPECT_TRUE(humanOwning(neighbour, 10)) << neighbour;
    }
    EXPECT_FALSE(humanOwning(13, 10));

    // Unowned provinces never count as the human's, whatever the entry index.
    MemorySettingsStore empty = StoreWith(0, {});
    for (int humanEntry : {-1, Unowned}) EXPECT_FALSE(HumanMayTake(empty, humanEntry, 10)) << humanEntry;
    EXPECT_FALSE(HumanMayTake(empty, 0, ProvinceCount));
}

TEST(CampaignTest, TakeWritesOwnerAndPaymentInOneCommit) {
    testing::RecordingStore store;
    SetBalance(store, 7, 100);
    store.log.clear();
    EXPECT_TRUE(Take(store, 7, 48));
    EXPECT_EQ(store.log, (std::vector<std::string>{"Owner/Kuni48=7", "Entry/Entry7=78", "sync"}));

    store.log.clear();
    EXPECT_FALSE(Take(store, Unowned, 48));
    EXPECT_FALSE(Take(store, 7, -1));
    EXPECT_TRUE(store.log.empty());
}

TEST(CampaignTest, ResetAndCreditEachCommitOnce) {
    testing::RecordingStore store;
    ResetCampaign(store, nullptr);
    EXPECT_EQ(store.log.size(), static_cast<std::size_t>(ProvinceCount + EntryCount + 1));
    EXPECT_EQ(store.log.back(), "sync");
    store.log.clear();
    CreditMatch(store, {1, 2, 3, 4}, 0);
    EXPECT_EQ(store.log.size(), 5u);
    EXPECT_EQ(store.log.back(), "sync");
}

}  // namespace
}  // namespace tesseran
