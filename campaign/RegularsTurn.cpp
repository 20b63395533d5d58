// SPDX-License-Identifier: MIT
// The regulars' turn as a sequence of events pulled by the conquest window.
#include "campaign/RegularsTurn.h"

#include "campaign/Campaign.h"
#include "campaign/ProvinceMap.h"

namespace tesseran {

RegularsTurnEvent RegularsTurn::Next() {
    CommitTake();
    // The same regular stays on move after a take: its next target is read
    // afresh from the store, which now includes the province just taken.
    while (!over_ && regularIndex_ < Regulars.size()) {
        const int regular = Regulars[regularIndex_];
        const int target = NextTarget(store_, regular);
        if (target == OwnsNoProvince) {
            ++regularIndex_;
            continue;
        }
        if (target == NoTargetLeft) {
            over_ = true;
            return {RegularsTurnEvent::Kind::Unified, regular, -1, BalanceOf(store_, regular)};
        }
        const int balance = BalanceOf(store_, regular);
        const int price = ProvincePrice(target);
        if (balance < price) {
            ++regularIndex_;
            continue;
        }
        pending_ = PendingTake{regular, target};
        return {RegularsTurnEvent::Kind::Take, regular, target, balance - price};
    }
    over_ = true;
    return {};
}

void RegularsTurn::CommitTake() {
    if (!pending_) return;
    Take(store_, pending_->regular, pending_->province, chronicle_);
    pending_.reset();
}

}  // namespace tesseran
