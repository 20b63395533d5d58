// SPDX-License-Identifier: MIT
// The first-match guide through the window: over a whole first match each
// of its balloons comes at most once, the ones every match brings all come,
// play never waits for them, and once the first match is over the next one
// brings none.
#include "AppFixture.h"

#include "app/CommandIds.h"
#include "app/FirstMatchGuide.h"
#include "app/HoverTip.h"
#include "base/ResourceIds.h"
#include "base/StringTable.h"

#include <QDeadlineTimer>

#include <algorithm>

namespace tesseran::testing {
namespace {

class Guide : public AppFixture {
protected:
    // Plays the player's first playable card whenever it is his turn, until
    // `done` or the deadline.
    void PlayUntil(const std::function<bool()>& done, int milliseconds) {
        const QDeadlineTimer deadline(milliseconds);
        while (!done() && !deadline.hasExpired()) {
            QTest::qWait(1);
            auto& g = game();
            if (g.phase == 2 && g.currentSeat == HumanSeat && g.busy == 1 && g.HumanMayPlay() &&
                QApplication::activeModalWidget() == nullptr) {
                while (g.markedCard != 0) Key(Qt::Key_Left);
                Key(Qt::Key_Return);
                continue;
            }
            if (!(g.currentSeat == HumanSeat && g.busy == 1 && g.HumanMayPlay() && g.phase == 1)) continue;
            if (QApplication::activeModalWidget() != nullptr) continue;
            const int position = LegalPosition();
            ASSERT_GE(position, 0);
            while (g.markedCard != position) Key(g.markedCard < position ? Qt::Key_Right : Qt::Key_Left);
            Key(Qt::Key_Return);
        }
    }
};

TEST_F(Guide, EachBalloonComesOnceInTheFirstMatchAndNoneAfterIt) {
    store->WriteInt("Settei", "AutoStart", 1);
    store->WriteInt("Settei", "Koukaon", 0);
    store->WriteInt("Settei", "RuleRem", 0);
    // No to 16; yes to another match, once.
    int matchesOffered = 0;
    AnswerMessageBoxes([&matchesOffered](const QString& text) {
        if (text != QString::fromStdString(LoadString(text::PlayOn))) return false;
        return ++matchesOffered == 1;
    });
    QTimer dialogs;
    QObject::connect(&dialogs, &QTimer::timeout, [] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog != nullptr && qobject_cast<QMessageBox*>(dialog) == nullptr) dialog->accept();
    });
    dialogs.start(5);
    OpenWindow();
    table()->readClock = [] { return std::optional<LocalTime>(LocalTime{2026, 12, 10, 10, 20, 30}); };
    PlayWithoutPauses();
    FirstMatchGuide& guide = table()->guide();
    ASSERT_TRUE(guide.on()) << "a player who has never finished a match is guided";

    PlayUntil([&matchesOffered] { return matchesOffered > 0; }, 240000);
    ASSERT_EQ(matchesOffered, 1) << "the first match did not end";
    const std::vector<GuideTopic> firstMatch = guide.told();
    for (GuideTopic topic : firstMatch)
        EXPECT_EQ(std::count(firstMatch.begin(), firstMatch.end(), topic), 1) << static_cast<int>(topic);
    for (GuideTopic topic :
         {GuideTopic::GroupsAndKeyCards, GuideTopic::Pin, GuideTopic::FollowSuit, GuideTopic::RightSign,
          GuideTopic::ShowCardsAndTrump, GuideTopic::BattleReview, GuideTopic::MatchEnd})
        EXPECT_NE(std::find(firstMatch.begin(), firstMatch.end(), topic), firstMatch.end())
            << "never told: " << static_cast<int>(topic);
    EXPECT_FALSE(FirstMatchGuide::Text(GuideTopic::MatchEnd).isEmpty());

    // The second match brings no balloon.
    PlayWithoutPauses();
    PlayUntil([this] { return game().gameNo >= 2; }, 60000);
    ASSERT_GE(game().gameNo, 2);
    EXPECT_FALSE(guide.on());
    EXPECT_EQ(guide.told(), firstMatch);

    // The menu turns it on again, with every balloon to tell anew.
    table()->commands().Execute(command::Guide);
    EXPECT_TRUE(guide.on());
    EXPECT_EQ(store->Read(setting::GuideSeen), 0);
}

}  // namespace
}  // namespace tesseran::testing
