// SPDX-License-Identifier: MIT
// The battle log, over whole matches: every battle it keeps has its tricks
// in play order from the leader, the winner the engine named, the face cards
// each group took as the engine counted them, and a reason for every
// computer play and none for the player's.
#include "PlayerFixture.h"

#include "players/BattleLog.h"

namespace tesseran::testing {
namespace {

// Passes the engine's events to the log, and checks each battle as it ends.
class LoggingHost : public TestHost {
public:
    const GameState* state = nullptr;
    BattleLog log;
    int battlesChecked = 0;
    int matchesStarted = 0;
    std::vector<int> winners;  // of the battle's tricks, as the engine named them

    void OnEvent(const EngineEvent& event) override {
        TestHost::OnEvent(event);
        if (state == nullptr) return;
        if (event.kind == EngineEvent::Kind::MatchStarted) matchesStarted += 1;
        if (event.kind == EngineEvent::Kind::Dealt) winners.clear();
        if (event.kind == EngineEvent::Kind::TrickClosed) winners.push_back(event.a);
        log.OnEvent(*state, event);
        if (event.kind == EngineEvent::Kind::BattleEnded) Check(event);
    }

    void Check(const EngineEvent& ended) {
        ASSERT_TRUE(log.lastFinished());
        const BattleReview& review = *log.lastFinished();
        SCOPED_TRACE("game " + std::to_string(review.game) + " battle " + std::to_string(review.battle));
        EXPECT_EQ(review.battle, ended.b);
        EXPECT_EQ(static_cast<int>(review.result), ended.a);
        EXPECT_TRUE(review.fromTheStart);
        ASSERT_EQ(review.tricks.size(), winners.size());
        int related = 0;
        int unrelated = 0;
        for (int seat = 0; seat < SeatCount; ++seat)
            (state->IsRelated(seat) ? related : unrelated) += state->faceCount[seat];
        EXPECT_EQ(review.relatedFaces, related);
        EXPECT_EQ(review.unrelatedFaces, unrelated);
        for (std::size_t t = 0; t < review.tricks.size(); ++t) {
            const ReviewTrick& trick = review.tricks[t];
            EXPECT_EQ(trick.winner, winners[t]);
            ASSERT_EQ(trick.plays.size(), 4u);
            for (std::size_t p = 0; p < trick.plays.size(); ++p) {
                const ReviewPlay& play = trick.plays[p];
                EXPECT_EQ(play.seat, (trick.leader + static_cast<int>(p)) % SeatCount);
                EXPECT_EQ(play.why.has_value(), play.seat != HumanSeat);
                EXPECT_NE(play.why.value_or(computer::Why{computer::Reason::LastCard}).reason,
                          computer::Reason::None);
            }
        }
        EXPECT_TRUE(review.battle == 1 || review.GroupsShown());
        battlesChecked += 1;
    }
};

TEST(BattleLog, EveryBattleOfWholeMatchesIsToldTrickByTrickWithTheComputersReasons) {
    LoggingHost host;
    MemorySettingsStore store;
    store.WriteInt("Settei", "AutoStart", 1);
    CFudaDashi view(host, store);
    host.state = &view;
    view.ReportReasonsTo(&host.log);
    view.StartUp();
    ASSERT_TRUE(view.StartGame());
    for (int step = 0; step < 2000000 && !host.closed && host.matchesStarted <= 2; ++step) {
        if (view.IsHumanTurn() && view.busy == 1 && view.HumanMayPlay()) {
            for (int i = view.handCount[HumanSeat] - 1; i >= 0; --i) {
                if (MayPlay(view, HumanSeat, view.hand[HumanSeat][i])) view.markedCard = i;
            }
            view.KeyPlay();
        } else {
            view.TurnTick();
        }
    }
    EXPECT_GE(host.battlesChecked, 20);
}

}  // namespace
}  // namespace tesseran::testing
