// SPDX-License-Identifier: MIT
// A whole match played through the real window: the human's cards go on the
// table by mouse drags, double clicks and the keyboard in turn, every message
// box and dialog is answered as a player would, and at the end the koku land
// in the settings file and the match in the chronicle, whose statistics
// window shows the score board the table showed.
#include "AppFixture.h"
#include "app/CommandIds.h"

#include "base/StringTable.h"
#include "dialogs/CMonSel.h"
#include "engine/Invariants.h"
#include "statistics/StatisticsWindow.h"

#include <QAbstractButton>
#include <QDeadlineTimer>
#include <QLineSeries>
#include <QTableView>

namespace tesseran::testing {
namespace {

class FullMatch : public AppFixture {
protected:
    void PlayByDrag(int position) {
        QPointF from = CardCentre(position);
        QPointF to = renderer().trickAreaScreenRect.center();
        Press(from);
        ASSERT_EQ(game().dragging, 1);
        DragTo((from + to) / 2);
        DragTo(to);
        Release(to);
    }

    void PlayByKeyboard(int position) {
        // Walk the mark to the card with the arrows, then Enter.
        while (game().markedCard != position)
            Key(game().markedCard < position ? Qt::Key_Right : Qt::Key_Left);
        Key(Qt::Key_Return);
    }

    int plays = 0;
};

TEST_F(FullMatch, FromTheStartCommandToTheLastQuestionByMouseAndKeyboard) {
    store->WriteInt("Settei", "AutoStart", 0);
    store->WriteInt("Settei", "Koukaon", 0);
    store->WriteInt("Settei", "DspRem", 0);
    store->WriteInt("Settei", "RuleRem", 0);
    OpenWindow();
    PlayWithoutPauses();
    ASSERT_TRUE(QTest::qWaitFor([this] { return !renderer().initialising; }, 5000));

    // The player asks to go on for 16 when asked, and declines another
    // match, looking at the score board the table shows as it asks.
    QImage boardAtEnd;
    AnswerMessageBoxes([this, &boardAtEnd](const QString& text) {
        if (text != QString::fromStdString(LoadString(30018))) return true;
        boardAtEnd = renderer().backBuffer.copy(ScoreBoardRect);
        return false;
    });
    // The suit dialog (trump in battles 2 and 3) is confirmed as it opens.
    QTimer suitAnswerer;
    QObject::connect(&suitAnswerer, &QTimer::timeout, [] {
        if (auto* dialog = qobject_cast<CMonSel*>(QApplication::activeModalWidget())) dialog->accept();
    });
    suitAnswerer.start(5);
    // The entry dialog at the start: the player chooses the third entry.
    QTimer entryAnswerer;
    QObject::connect(&entryAnswerer, &QTimer::timeout, [] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr || qobject_cast<QMessageBox*>(dialog) || qobject_cast<CMonSel*>(dialog)) return;
        for (auto* button : dialog->findChildren<QAbstractButton*>()) {
            if (button->text().contains(QString::fromStdString(RosterName(3)))) {
                button->click();
                return;
            }
        }
    });
    entryAnswerer.start(5);

    table()->commands().Execute(command::Start);  // 開始
    ASSERT_EQ(game().entryNo, 3);

    const QDeadlineTimer deadline(240000);
    while (frame->isVisible() && !deadline.hasExpired()) {
        QTest::qWait(1);
        auto& g = game();
        if (!(g.currentSeat == HumanSeat && g.busy == 1 && g.HumanMayPlay())) continue;
        if (QApplication::activeModalWidget() != nullptr) continue;
        if (g.phase == 2) {
            // Two show cards, by keyboard.
            while (g.markedCard != 0) Key(Qt::Key_Left);
            Key(Qt::Key_Return);
            continue;
        }
        int position = LegalPosition();
        ASSERT_GE(position, 0);
        int before = g.handCount[HumanSeat];
        switch (plays++ % 3) {
            case 0:
                PlayByDrag(position);
                break;
            case 1:
                DoubleClick(CardCentre(position));
                break;
            default:
                PlayByKeyboard(position);
                break;
        }
        EXPECT_EQ(g.handCount[HumanSeat], before - 1) << "play " << plays;
        // Nested event loops (pauses, sounds, dialogs) never let a second tick
        // run inside another: the cards stay where the rules put them.
        EXPECT_EQ(CheckInvariants(g), std::nullopt) << "play " << plays;
    }
    ASSERT_FALSE(frame->isVisible()) << "the match did not end in time";
    EXPECT_GE(plays, 100);
    ASSERT_FALSE(shownTexts.empty());
    EXPECT_EQ(shownTexts.back(), QString::fromStdString(LoadString(30018)));

    // The totals of the ten games were credited (never below zero).
    std::array<int, 4> totals{};
    for (const auto& row : game().score) {
        for (int p = 0; p < 4; ++p) totals[p] += row[p];
    }
    QtSettingsStore reread(folder.filePath("Tesseran.ini"));
    const int entries[4] = {5, 6, 2, 3};
    for (int p = 0; p < 4; ++p) {
        EXPECT_EQ(reread.ReadInt("Entry", "Entry" + std::to_string(entries[p]), -1), std::max(0, totals[p]))
            << p;
    }

    // The chronicle holds the match, and its board is the one the table showed.
    ASSERT_NE(table()->chronicle(), nullptr);
    StatisticsWindow statistics(*table()->chronicle(), 3, 1);
    ASSERT_EQ(statistics.matchList()->model()->rowCount(), 1);
    ASSERT_FALSE(boardAtEnd.isNull());
    EXPECT_EQ(statistics.scoreBoardShown(), boardAtEnd);
    ASSERT_EQ(statistics.kokuSeries()->count(), 1);
    EXPECT_EQ(statistics.kokuSeries()->at(0).y(), std::max(0, totals[3]));
}

}  // namespace
}  // namespace tesseran::testing
