// SPDX-License-Identifier: MIT
// The regulars' conquests, one step at a time.
//
// When the large map is switched on in conquest mode, the four regulars take
// provinces in turn: each keeps taking the cheapest province next to its
// territory while it can pay, a regular that owns nothing or cannot pay is
// passed over, and a regular with nothing left to take has unified the map,
// which ends the turn for everyone. The window shows a message box for every
// take and for a unification, so the turn is a sequence of events that the
// window pulls one by one between its message boxes.
//
// A take is announced before it is written: Next() reports it, the window
// shows its message and colours the province, then calls CommitTake(), which
// writes owner and payment. Calling Next() again with a take still pending
// commits it first, so the turn always moves on. A unification is only
// reported: the window shows its message and then calls OnUnification itself.
#pragma once

#include "base/SettingsStore.h"
#include "campaign/Campaign.h"

#include <cstddef>
#include <optional>

namespace tesseran {

struct RegularsTurnEvent {
    enum class Kind {
        Take,      // regular takes province
        Unified,   // regular owns everything it can reach; the turn is over
        Finished,  // nobody can take anything more
    };
    // regular and balanceLeft are set for Take and Unified, province for Take;
    // balanceLeft is what the regular keeps after paying for the take.
    Kind kind = Kind::Finished;
    int regular = -1;
    int province = -1;
    int balanceLeft = 0;
};

class RegularsTurn {
public:
    // The chronicle, if any, hears of every take committed.
    explicit RegularsTurn(SettingsStore& store, CampaignChronicle* chronicle = nullptr)
        : store_(store), chronicle_(chronicle) {}

    // The next event of the turn; Finished for ever once the turn is over.
    RegularsTurnEvent Next();
    // Writes the take that Next() announced last; does nothing without one.
    void CommitTake();

private:
    struct PendingTake {
        int regular;
        int province;
    };

    SettingsStore& store_;
    CampaignChronicle* chronicle_;
    std::size_t regularIndex_ = 0;
    bool over_ = false;
    std::optional<PendingTake> pending_;
};

}  // namespace tesseran
