// SPDX-License-Identifier: MIT
// The battle review through the window: after a battle of a pinned deal the
// review key opens it, and its pages, stepped through by keys, show every
// trick's cards in play order, the winner and the face cards taken as a
// separate run of the same deal played them, and a reason beside each
// computer's card.
#include "AppFixture.h"

#include "app/CommandIds.h"
#include "review/BattleReviewWindow.h"
#include "support/TestHost.h"

#include <QDeadlineTimer>

namespace tesseran::testing {
namespace {

constexpr LocalTime PinnedTime{2026, 12, 10, 10, 20, 30};

struct PlayedTrick {
    std::vector<int> cards;  // in play order
    int winner = -1;
};

// The first battle of the pinned deal, played on the core alone with the
// player's first playable card (the joker last) and No to every question.
std::vector<PlayedTrick> FirstBattleOnTheCore() {
    TestHost host;
    host.clock = PinnedTime;
    host.defaultAnswer = false;
    MemorySettingsStore store;
    store.WriteInt("Settei", "AutoStart", 1);
    store.WriteInt("Settei", "EntryNo", 0);
    CFudaDashi view(host, store);
    view.StartUp();
    EXPECT_TRUE(view.StartGame());
    std::vector<PlayedTrick> tricks(1);
    std::size_t seen = 0;
    for (int step = 0; step < 100000; ++step) {
        for (; seen < host.events.size(); ++seen) {
            const EngineEvent& event = host.events[seen];
            if (event.kind == EngineEvent::Kind::CardPlayed) tricks.back().cards.push_back(event.b);
            if (event.kind == EngineEvent::Kind::TrickClosed) {
                tricks.back().winner = event.a;
                tricks.emplace_back();
            }
            if (event.kind == EngineEvent::Kind::BattleEnded) {
                tricks.pop_back();
                return tricks;
            }
        }
        if (view.IsHumanTurn() && view.busy == 1 && view.HumanMayPlay()) {
            int joker = -1;
            int position = -1;
            for (int i = 0; i < view.handCount[HumanSeat] && position < 0; ++i) {
                const int card = view.hand[HumanSeat][i];
                if (card == Joker) {
                    joker = i;
                } else if (MayPlay(view, HumanSeat, card)) {
                    position = i;
                }
            }
            view.markedCard = position >= 0 ? position : joker;
            view.KeyPlay();
        } else {
            view.TurnTick();
        }
    }
    ADD_FAILURE() << "the battle did not end";
    return tricks;
}

class BattleReview : public AppFixture {};

TEST_F(BattleReview, TheReviewKeyShowsEveryTrickOfThePinnedBattleWithItsWinnerCapturesAndReasons) {
    const std::vector<PlayedTrick> expected = FirstBattleOnTheCore();
    ASSERT_FALSE(expected.empty());

    store->WriteInt("Settei", "AutoStart", 1);
    store->WriteInt("Settei", "EntryNo", 0);
    store->WriteInt("Settei", "Koukaon", 0);
    store->WriteInt("Settei", "DspRem", 0);
    store->WriteInt("Settei", "RuleRem", 0);
    AnswerMessageBoxes([](const QString&) { return false; });
    OpenWindow();
    table()->readClock = [] { return std::optional<LocalTime>(PinnedTime); };
    PlayWithoutPauses();
    EXPECT_FALSE(table()->CanReview());

    const QDeadlineTimer deadline(60000);
    while (!table()->CanReview() && !deadline.hasExpired()) {
        QTest::qWait(1);
        auto& g = game();
        if (!(g.currentSeat == HumanSeat && g.busy == 1 && g.HumanMayPlay())) continue;
        if (QApplication::activeModalWidget() != nullptr) continue;
        const int position = LegalPosition();
        ASSERT_GE(position, 0);
        while (g.markedCard != position) Key(g.markedCard < position ? Qt::Key_Right : Qt::Key_Left);
        Key(Qt::Key_Return);
    }
    ASSERT_TRUE(table()->CanReview()) << "the first battle did not end";

    // The review opens on the key, and the game waits while it is read.
    std::vector<QString> failures;
    int pagesSeen = 0;
    QTimer reader;
    QObject::connect(&reader, &QTimer::timeout, [&] {
        auto* review = qobject_cast<BattleReviewWindow*>(QApplication::activeModalWidget());
        if (review == nullptr) return;
        reader.stop();
        auto fail = [&failures](const QString& what) { failures.push_back(what); };
        if (review->pageCount() != static_cast<int>(expected.size()) + 2)
            fail(QStringLiteral("%1 pages for %2 tricks").arg(review->pageCount()).arg(expected.size()));
        for (int page = 0; page < review->pageCount(); ++page, ++pagesSeen) {
            if (review->page() != page)
                fail(QStringLiteral("the keys reached page %1, not %2").arg(review->page()).arg(page));
            const ReviewTrick* trick = review->shownTrick();
            const bool trickPage = page >= 1 && page <= static_cast<int>(expected.size());
            if ((trick != nullptr) != trickPage)
                fail(QStringLiteral("page %1 shows the wrong kind").arg(page));
            if (trick != nullptr) {
                const PlayedTrick& played = expected[static_cast<std::size_t>(page - 1)];
                std::vector<int> cards;
                for (const ReviewPlay& play : trick->plays) {
                    cards.push_back(play.card);
                    if (play.seat != HumanSeat &&
                        !review->shownText().contains(
                            BattleReviewWindow::ReasonText(*play.why, true).left(4)))
                        fail(QStringLiteral("trick %1: no reason for seat %2").arg(page).arg(play.seat));
                }
                if (cards != played.cards) fail(QStringLiteral("trick %1: other cards").arg(page));
                if (trick->winner != played.winner)
                    fail(QStringLiteral("trick %1: another winner").arg(page));
                std::vector<int> faces;
                for (int card : played.cards)
                    if (IsFace(card)) faces.push_back(card);
                if (trick->facesTaken != faces) fail(QStringLiteral("trick %1: other faces taken").arg(page));
                if (!review->shownText().contains(BattleReviewWindow::SeatPlace(played.winner)))
                    fail(QStringLiteral("trick %1: the winner is not named").arg(page));
            }
            if (qEnvironmentVariableIsSet("REVIEW_SHOTS"))
                review->grab().save(QStringLiteral("/tmp/review-%1.png").arg(page));
            QTest::keyClick(review, Qt::Key_Right);
        }
        // At the end the result; Home goes back to the start.
        if (!review->shownText().contains(QStringLiteral("結果")))
            fail(QStringLiteral("no result at the end"));
        QTest::keyClick(review, Qt::Key_Home);
        if (review->page() != 0) fail(QStringLiteral("Home did not go back"));
        review->accept();
    });
    reader.start(5);
    const int handBefore = game().handCount[HumanSeat];
    const int phaseBefore = game().phase;
    Key(Qt::Key_F7);
    EXPECT_EQ(pagesSeen, static_cast<int>(expected.size()) + 2);
    for (const QString& failure : failures) ADD_FAILURE() << failure.toStdString();
    EXPECT_EQ(game().handCount[HumanSeat], handBefore);
    EXPECT_EQ(game().phase, phaseBefore);
}

}  // namespace
}  // namespace tesseran::testing
