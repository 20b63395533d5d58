// SPDX-License-Identifier: MIT
// The turn timer at a real pace: the lead marker's pause lasts as long as a
// timer interval, so the timer fires inside the pause; such a nested tick must
// not play a card of its own.
#include "AppFixture.h"

#include "engine/Invariants.h"

namespace tesseran::testing {
namespace {

class TurnTimer : public AppFixture {};

TEST_F(TurnTimer, TicksInsideAPauseDoNothingAndEachSeatPlaysOnce) {
    store->WriteInt("Settei", "AutoStart", 1);
    store->WriteInt("Settei", "Speed", 1);  // 111 ms: ticks and pauses alike
    store->WriteInt("Settei", "Koukaon", 0);
    store->WriteInt("Settei", "DspRem", 0);
    AnswerMessageBoxes([](const QString&) { return true; });
    OpenWindow();
    ASSERT_TRUE(QTest::qWaitFor([this] { return game().phase == 1; }, 5000));

    // Watch every turn of the event loop until the human is to play.
    bool consistent = true;
    std::string violation;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (!consistent) return;
        int onTable = 0;
        for (int card : game().trick) onTable += card != NoCard ? 1 : 0;
        int played = 0;
        for (int seat = 0; seat < SeatCount; ++seat) played += HandSize - game().handCount[seat];
        if (played != onTable || onTable > 4) {
            consistent = false;
            violation =
                "cards played " + std::to_string(played) + ", on the table " + std::to_string(onTable);
        } else if (auto broken = CheckInvariants(game())) {
            consistent = false;
            violation = *broken;
        }
    });
    watch.start(0);
    ASSERT_TRUE(QTest::qWaitFor(
        [this] {
            return game().currentSeat == HumanSeat && game().busy == 1 && game().trick[HumanSeat] == NoCard;
        },
        10000));
    watch.stop();
    EXPECT_TRUE(consistent) << violation;
    // Before the human's first card every computer ahead of him played exactly one.
    int onTable = 0;
    for (int card : game().trick) onTable += card != NoCard ? 1 : 0;
    EXPECT_EQ(onTable, (HumanSeat - game().leader + SeatCount) % SeatCount);
}

TEST_F(TurnTimer, NonsenseLengthsAreRefused) {
    OpenWindow();
    // Qt would take a negative interval for a timer that runs and never fires.
    EXPECT_FALSE(table()->StartTurnTimer(-1));
    EXPECT_FALSE(table()->StartTurnTimer(INT32_MAX));
    EXPECT_TRUE(table()->StartTurnTimer(17 * 111));
    table()->StopTurnTimer();
    // A pause of a negative length returns (it used to wait for ever).
    table()->Pause(-1);
    table()->Pause(INT32_MIN);
}

}  // namespace
}  // namespace tesseran::testing
