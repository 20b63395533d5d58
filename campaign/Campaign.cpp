// SPDX-License-Identifier: MIT
// The campaign's rules: owners, balances, crediting, targets, takes and resets,
// all read from and written to the settings store value by value.
#include "campaign/Campaign.h"

#include "base/ResourceIds.h"
#include "base/StringTable.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string>

namespace tesseran {

namespace {

using setting::BalanceKey;
using setting::BalanceSection;
using setting::OwnerKey;
using setting::OwnerSection;

// Balances are kept as 32-bit values; sums and differences are worked out in
// 64 bits and brought back into range instead of overflowing.
int ClampToInt(std::int64_t value) {
    return static_cast<int>(
        std::clamp<std::int64_t>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

// The writes below leave committing to the public rule that calls them.
void WriteOwner(SettingsStore& store, int province, int owner) {
    store.WriteInt(OwnerSection, OwnerKey(province), owner);
}

void WriteBalance(SettingsStore& store, int entry, int balance) {
    store.WriteInt(BalanceSection, BalanceKey(entry), balance);
}

void WriteInitialCampaign(SettingsStore& store) {
    for (int province = 0; province < ProvinceCount; ++province) {
        WriteOwner(store, province, InitialOwner(province));
    }
    for (int entry = 0; entry < EntryCount; ++entry) WriteBalance(store, entry, 0);
}

// Adds a match total to an entry's balance, never below 0, and returns the
// new balance.
int Credit(SettingsStore& store, int entry, int total) {
    int balance = ClampToInt(std::max<std::int64_t>(0, std::int64_t{BalanceOf(store, entry)} + total));
    WriteBalance(store, entry, balance);
    return balance;
}

}  // namespace

int OwnerOf(SettingsStore& store, int province) {
    if (!IsProvince(province)) return Unowned;
    int owner = store.ReadInt(OwnerSection, OwnerKey(province), Unowned);
    return owner >= 0 && owner <= Unowned ? owner : Unowned;
}

void SetOwner(SettingsStore& store, int province, int owner) {
    if (!IsProvince(province) || owner < 0 || owner > Unowned) return;
    WriteOwner(store, province, owner);
    store.Sync();
}

int BalanceOf(SettingsStore& store, int entry) {
    return IsEntry(entry) ? store.ReadInt(BalanceSection, BalanceKey(entry), setting::BalanceDefault) : 0;
}

void SetBalance(SettingsStore& store, int entry, int balance) {
    if (!IsEntry(entry)) return;
    WriteBalance(store, entry, balance);
    store.Sync();
}

bool ResetCampaign(SettingsStore& store, Messages* messages, CampaignChronicle* chronicle) {
    if (messages != nullptr && !messages->AskYesNo(LoadString(text::ResetCampaignQuestion))) return false;
    WriteInitialCampaign(store);
    store.Sync();
    if (chronicle != nullptr) chronicle->RecordReset();
    return true;
}

void InitialiseCampaignAtStartUp(SettingsStore& store) {
    if (store.Read(setting::CampaignInitialised) != 0) return;
    WriteInitialCampaign(store);
    store.Write(setting::CampaignInitialised, 1);
    store.Sync();
}

std::array<int, 4> CreditMatch(SettingsStore& store, const std::array<int, 4>& totals, int humanEntry,
                               std::string_view matchId) {
    if (!matchId.empty() && store.Read(setting::CreditedMatch) == matchId) {
        std::array<int, 4> balances{};
        for (int participant = 0; participant < 4; ++participant)
            balances[participant] = BalanceOf(store, ParticipantEntry(participant, humanEntry));
        return balances;
    }
    // Participants are credited one after the other, each reading the balance
    // afresh, so an entry seated twice would be credited twice.
    std::array<int, 4> balances{};
    for (std::size_t participant = 0; participant < ComputerEntries.size(); ++participant) {
        balances[participant] = Credit(store, ComputerEntries[participant], totals[participant]);
    }
    if (IsEntry(humanEntry)) balances[3] = Credit(store, humanEntry, totals[3]);
    if (!matchId.empty()) store.Write(setting::CreditedMatch, matchId);
    store.Sync();
    return balances;
}

int NextTarget(SettingsStore& store, int entry) {
    std::array<int, ProvinceCount> owners{};
    bool ownsAny = false;
    for (int province = 0; province < ProvinceCount; ++province) {
        owners[province] = OwnerOf(store, province);
        ownsAny = ownsAny || (IsEntry(entry) && owners[province] == entry);
    }
    if (!ownsAny) return OwnsNoProvince;

    // Above every price, so the first neighbour found not owned is taken.
    int bound = 200;
    int best = NoTargetLeft;
    for (int province = 0; province < ProvinceCount; ++province) {
        if (owners[province] != entry) continue;
        for (int neighbour : ProvinceNeighbours(province)) {
            if (owners[neighbour] == entry) continue;
            if (ProvincePrice(neighbour) < bound) {
                best = neighbour;
                bound = ProvincePrice(neighbour);
            }
        }
    }
    return best;
}

bool HumanMayTake(SettingsStore& store, int humanEntry, int province) {
    if (!IsEntry(humanEntry)) return false;
    for (int neighbour : ProvinceNeighbours(province)) {
        if (OwnerOf(store, neighbour) == humanEntry) return true;
    }
    return false;
}

int ProvincesHeld(SettingsStore& store, int entry) {
    if (!IsEntry(entry)) return 0;
    int held = 0;
    for (int province = 0; province < ProvinceCount; ++province) held += OwnerOf(store, province) == entry;
    return held;
}

int InitialProvincesHeld(int entry) {
    if (!IsEntry(entry)) return 0;
    int held = 0;
    for (int province = 0; province < ProvinceCount; ++province) held += InitialOwner(province) == entry;
    return held;
}

bool Take(SettingsStore& store, int entry, int province, CampaignChronicle* chronicle) {
    if (!IsEntry(entry) || !IsProvince(province)) return false;
    const int previousOwner = OwnerOf(store, province);
    int balance = ClampToInt(std::int64_t{BalanceOf(store, entry)} - ProvincePrice(province));
    // Owner and payment are written back to back and committed together.
    WriteOwner(store, province, entry);
    WriteBalance(store, entry, balance);
    store.Sync();
    if (chronicle != nullptr)
        chronicle->RecordTake({entry, province, ProvincePrice(province), previousOwner, balance,
                               ProvincesHeld(store, entry), ProvincesHeld(store, previousOwner)});
    return true;
}

void OnUnification(SettingsStore& store) {
    WriteInitialCampaign(store);
    store.Write(setting::CampaignInitialised, 0);
    store.Sync();
}

}  // namespace tesseran
