// SPDX-License-Identifier: MIT
// The match keeper: a match cut off at its last snapshots, or between its
// credit and the removal of its snapshot, is credited exactly once when it
// is taken up again.
#include "base/SettingsStore.h"
#include "campaign/Campaign.h"
#include "common/ScriptedHuman.h"
#include "engine/MatchKeeper.h"
#include "players/CFudaDashi.h"
#include "support/TestHost.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <optional>
#include <string>

namespace tesseran::testing {
namespace {

// Where the program is killed.
struct Killed {};

// Keeps every snapshot as text, and can kill the program at one of them or
// at the removal.
class Sink : public SnapshotSink {
public:
    std::string NewMatchId() override { return "match-" + std::to_string(++matches); }
    void Keep(const MatchSnapshot& snapshot) override {
        text = WriteSnapshot(snapshot);
        kept += 1;
        if (killAtKeep && kept == *killAtKeep) throw Killed{};
    }
    void Discard() override {
        if (killAtDiscard) throw Killed{};
        text.clear();
        discarded += 1;
    }

    int matches = 0;
    int kept = 0;
    int discarded = 0;
    std::string text;
    std::optional<int> killAtKeep;
    bool killAtDiscard = false;
};

// One run of the program over a settings store that outlives it.
struct ProgramRun {
    TestHost host;
    MatchKeeper keeper;
    CFudaDashi view;

    ProgramRun(SettingsStore& store, Sink& sink) : keeper(host, sink), view(keeper, store) {
        keeper.Attach(view);
        host.defaultAnswer = false;  // no 16, and no new match at the end
    }

    // Plays until the match is credited or the program is killed; true when killed.
    bool PlayOn() {
        try {
            for (int step = 0; step < 100000 && !host.closed; ++step) {
                if (view.currentSeat == HumanSeat && view.busy == 1 && view.HumanMayPlay()) {
                    PlayScriptedHumanTurn(view);
                } else {
                    keeper.Tick();
                }
            }
        } catch (const Killed&) {
            return true;
        }
        return false;
    }
    std::array<int, 4> Credited() const {
        std::array<int, 4> balances{};
        int participant = 0;
        for (const EngineEvent& event : host.events) {
            if (event.kind == EngineEvent::Kind::Credited && participant < 4)
                balances[participant++] = event.b;
        }
        return balances;
    }
};

std::array<int, 4> Balances(SettingsStore& store) {
    std::array<int, 4> balances{};
    for (int participant = 0; participant < 4; ++participant)
        balances[participant] = BalanceOf(store, ParticipantEntry(participant, 0));
    return balances;
}

TEST(MatchKeeper, AMatchKilledAroundItsCreditIsCreditedExactlyOnce) {
    // The whole match, uninterrupted: what it credits and how many snapshots
    // it keeps.
    MemorySettingsStore plainStore;
    plainStore.Write(setting::AutoStart, 1);
    Sink plainSink;
    std::array<int, 4> once{};
    {
        ProgramRun run(plainStore, plainSink);
        run.view.StartUp();
        run.view.OnStartUpTimer();
        ASSERT_FALSE(run.PlayOn());
        ASSERT_TRUE(run.host.closed);
        once = Balances(plainStore);
    }
    ASSERT_EQ(plainSink.discarded, 1);
    ASSERT_GT(plainSink.kept, 100);
    ASSERT_NE(once, (std::array<int, 4>{}));

    struct Case {
        const char* name;
        std::optional<int> killAtKeep;
        bool killAtDiscard;
    };
    // The last snapshot comes before the final trick's result message: killed
    // there, the match is credited by the resumed run; killed once the credit
    // is committed, the resumed run finds it already credited.
    for (const Case& c : {Case{"at the last snapshot", plainSink.kept, false},
                          Case{"between the credit and the removal", std::nullopt, true}}) {
        SCOPED_TRACE(c.name);
        MemorySettingsStore store;
        store.Write(setting::AutoStart, 1);
        Sink sink;
        sink.killAtKeep = c.killAtKeep;
        sink.killAtDiscard = c.killAtDiscard;
        {
            ProgramRun first(store, sink);
            first.view.StartUp();
            first.view.OnStartUpTimer();
            ASSERT_TRUE(first.PlayOn());
        }
        const SnapshotReading reading = ReadSnapshot(sink.text);
        ASSERT_TRUE(reading.snapshot) << reading.error;
        EXPECT_EQ(reading.snapshot->flow.position, TurnFlow::Position::InTick);

        sink.killAtKeep.reset();
        sink.killAtDiscard = false;
        ProgramRun second(store, sink);
        second.view.StartUp();
        ASSERT_TRUE(second.keeper.Resume(*reading.snapshot));
        ASSERT_FALSE(second.PlayOn());
        EXPECT_TRUE(second.host.closed);
        EXPECT_EQ(Balances(store), once);
        EXPECT_EQ(second.Credited(), once);
        EXPECT_EQ(sink.discarded, 1);
        EXPECT_TRUE(sink.text.empty());
        // The result the match ended with was shown to the resumed run.
        ASSERT_FALSE(second.host.messages.empty());
    }
}

}  // namespace
}  // namespace tesseran::testing
