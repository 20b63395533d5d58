// SPDX-License-Identifier: MIT
// The province-conquest campaign over the settings store.
//
// Nothing is cached: every rule reads the store afresh and writes each change
// at once, so the campaign survives any exit. Each rule that changes the store
// writes its values one after the other and then commits them with a single
// Sync(), so a crash never keeps half of a change (a province without the
// price paid for it, half a reset).
//
// Owner values outside 0..10 found in the store are read as Unowned by every
// rule, so a damaged store can never make a rule index past a table.
#pragma once

#include "base/Host.h"
#include "base/SettingsStore.h"
#include "campaign/ProvinceMap.h"

#include <array>
#include <string_view>

namespace tesseran {

// What NextTarget answers instead of a province.
inline constexpr int NoTargetLeft = -1;    // every province next to the entry's own is its own
inline constexpr int OwnsNoProvince = -2;  // the entry has lost every province

// The owner of a province: an entry 0..9, or Unowned (also for an index that
// is no province and for a stored value outside 0..10).
int OwnerOf(SettingsStore& store, int province);
// Ignored for an index that is no province or an owner outside 0..10.
void SetOwner(SettingsStore& store, int province, int owner);

// The entry's koku; 0 for an index that is no entry.
int BalanceOf(SettingsStore& store, int entry);
// Ignored for an index that is no entry.
void SetBalance(SettingsStore& store, int entry, int balance);

class CampaignChronicle;

// Gives every province back to its initial owner and every entry a balance of
// 0. With message boxes it first asks whether the player wants to lose the campaign
// and changes nothing on No; without one it resets at once. Returns whether
// it reset, and tells the chronicle, if any, when it did. The start-up marker
// ("Kunitori"/"INIT") is left alone.
bool ResetCampaign(SettingsStore& store, Messages* messages, CampaignChronicle* chronicle = nullptr);

// At the view's start-up: resets the campaign once per store ("Kunitori"/"INIT").
void InitialiseCampaignAtStartUp(SettingsStore& store);

// At the end of a completed match: credits each participant's match total to
// its entry (participants 0..3 are entries 5, 6, 2 and humanEntry), never below
// zero and never above the largest 32-bit value. Returns the new balances by
// participant. A match with an id is credited once: the id is committed with
// the balances, and a second credit of the same id changes nothing and
// returns the balances as they stand.
std::array<int, 4> CreditMatch(SettingsStore& store, const std::array<int, 4>& totals, int humanEntry,
                               std::string_view matchId = {});

// The province the entry would take next: the cheapest province next to its
// own that it does not own, the first one found on a tie (lowest own province
// first, then in that province's neighbour-list order). NoTargetLeft when
// there is none, OwnsNoProvince when the entry owns nothing.
int NextTarget(SettingsStore& store, int entry);

// Whether the province borders the human's territory, judged by the clicked
// province's own neighbour list. Ownership of the province itself and the
// price are the caller's to check.
bool HumanMayTake(SettingsStore& store, int humanEntry, int province);

// How many provinces the entry owns now; 0 for an index that is no entry.
int ProvincesHeld(SettingsStore& store, int entry);
// How many it owns when the campaign begins (its home).
int InitialProvincesHeld(int entry);

// What the chronicle keeps of the campaign: every take, with its price,
// whom the province was taken from and how many provinces each of the two
// holds after it, every unification and every reset. Where it goes is the
// chronicle's business; a chronicle that cannot write never stops a take.
struct TakeRecord {
    int entry = -1;
    int province = -1;
    int price = 0;
    int previousOwner = -1;
    int balanceAfter = 0;
    int held = 0;          // provinces the entry owns after the take
    int previousHeld = 0;  // provinces the previous owner owns after it; 0 when unowned
};
class CampaignChronicle {
public:
    virtual ~CampaignChronicle() = default;
    virtual bool RecordTake(const TakeRecord& take) = 0;
    virtual bool RecordUnification(int entry) = 0;
    // The player began the campaign again; a chronicle that follows only the
    // takes has nothing to do.
    virtual bool RecordReset() { return true; }
};

// The entry takes the province and pays its price, and the chronicle, if
// any, is told. The caller has checked the neighbourhood and the balance.
// Returns false, changing nothing, for an index that is no entry or no
// province.
bool Take(SettingsStore& store, int entry, int province, CampaignChronicle* chronicle = nullptr);

// After a unification: resets without asking and asks for one more reset at
// the next start-up.
void OnUnification(SettingsStore& store);

}  // namespace tesseran
