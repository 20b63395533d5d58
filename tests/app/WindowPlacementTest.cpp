// SPDX-License-Identifier: MIT
// Where the game's windows and boxes open: the first window fits the desktop,
// the suit dialog leaves the hand and the trick in view, the match-end
// question leaves the score board in view, and a box raised while the
// conquest window is open belongs to that window. Also that a lead marker
// never stands over a turn marker left at another seat.
#include "AppFixture.h"

#include "app/MessageBoxes.h"
#include "base/StringTable.h"
#include "dialogs/CMonSel.h"

#include <QScreen>

namespace tesseran::testing {
namespace {

TEST(FirstStart, TheWindowAndItsFrameFitTheDesktopsFreeArea) {
    // A 1366 x 768 laptop with a 27-pixel panel: 1024 x 768 would lose the hand.
    EXPECT_EQ(ScreenWidthForArea(QSize(1366, 741), UsualFrame), 800);
    EXPECT_EQ(ScreenWidthForArea(QSize(1920, 1050), UsualFrame), 1200);
    EXPECT_EQ(ScreenWidthForArea(QSize(2560, 1400), UsualFrame), 1600);
    // A tall, narrow desktop is held by its width.
    EXPECT_EQ(ScreenWidthForArea(QSize(1080, 1880), UsualFrame), 1024);
    EXPECT_EQ(ScreenWidthForArea(QSize(600, 400), UsualFrame), 640);
}

class WindowPlacement : public AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        store->WriteInt("Settei", "AutoStart", 1);
        store->WriteInt("Settei", "Koukaon", 0);
    }

    void StartPlaying(int width) {
        store->WriteInt("Settei", "Gamen", width);
        OpenWindow();
        ASSERT_TRUE(QTest::qWaitFor([this] { return game().phase >= 1; }, 5000));
        table()->StopTurnTimer();
        frame->move(0, 0);
        QTest::qWait(20);
    }

    // Where a canvas rectangle lies on the screen.
    QRect OnScreen(const QRect& canvas) const {
        return QRect(table()->mapToGlobal(WindowPoint(canvas.topLeft())),
                     table()->mapToGlobal(WindowPoint(canvas.bottomRight())));
    }

    // The frame of the next modal dialog, which is then closed.
    QRect FrameOfNextDialog(const std::function<void()>& open) {
        QRect shown;
        QTimer::singleShot(50, [&shown] {
            QWidget* dialog = QApplication::activeModalWidget();
            if (dialog == nullptr) return;
            shown = dialog->frameGeometry();
            dialog->close();
        });
        open();
        return shown;
    }
};

TEST_F(WindowPlacement, TheSuitDialogLeavesTheHandAndTheTrickInViewAtEverySize) {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    ASSERT_GE(screen.height(), 1200) << "the test's desktop is missing";
    for (int width : {640, 800, 1024, 1200, 1400, 1600}) {
        SCOPED_TRACE(width);
        StartPlaying(width);
        const QRect dialog = FrameOfNextDialog([this] { table()->ChooseSuit(SuitDialogMode::Trump); });
        ASSERT_FALSE(dialog.isEmpty());
        EXPECT_TRUE(screen.contains(dialog));
        EXPECT_FALSE(dialog.intersects(OnScreen(renderer().trickAreaScreenRect)));
        EXPECT_FALSE(dialog.intersects(OnScreen(renderer().handRect)));
        frame.reset();
    }
}

TEST_F(WindowPlacement, TheMatchEndQuestionLeavesTheScoreBoardInView) {
    StartPlaying(800);
    game().scoreShown = 1;
    table()->Repaint(TableLayer::Kept);
    const QRect box = FrameOfNextDialog([this] { table()->AskYesNo(LoadString(30018)); });
    ASSERT_FALSE(box.isEmpty());
    EXPECT_FALSE(box.intersects(OnScreen(ScoreBoardRect)));
    // Below the board, where there is room.
    EXPECT_GT(box.top(), OnScreen(ScoreBoardRect).bottom());
}

TEST_F(WindowPlacement, ABoxRaisedWhileTheConquestWindowIsOpenIsCentredOnIt) {
    StartPlaying(800);
    QDialog conquest(frame.get());
    conquest.setGeometry(400, 150, 300, 200);
    QRect box;
    QTimer::singleShot(50, [&] {
        box =
            FrameOfNextDialog([this] { table()->ShowMessage(LoadString(30032), MessageIcon::Information); });
        conquest.close();
    });
    conquest.exec();
    ASSERT_FALSE(box.isEmpty());
    EXPECT_LE(std::abs(box.center().x() - conquest.frameGeometry().center().x()), 2);
    EXPECT_LE(std::abs(box.center().y() - conquest.frameGeometry().center().y()), 2);
}

TEST_F(WindowPlacement, ALeadMarkerIsDrawnOverTheTurnMarkerOfTheSameSeat) {
    StartPlaying(800);
    // The game has moved the turn on since the last repaint, as at the start
    // of a game or a battle.
    game().currentSeat = 0;
    table()->Repaint(TableLayer::Kept);
    game().currentSeat = 2;
    table()->DrawMarker(2, Marker::Lead);
    const QImage shown = renderer().backBuffer.copy();
    renderer().RedrawTable(TableLayer::Changed);
    EXPECT_EQ(shown, renderer().backBuffer);
}

}  // namespace
}  // namespace tesseran::testing
