// SPDX-License-Identifier: MIT
// The game as the kill drill runs it: the program's own start-up and window,
// with a player who answers every box and plays the human's cards by
// keyboard as soon as it is his turn, and computers that play without pauses. It says "resumed" on its output
// when it took up a match left by an earlier run, and "box" with the first
// line of every message box it answers.
#include "app/CMainFrame.h"
#include "app/CTorvelApp.h"
#include "app/TableView.h"
#include "base/ResourceIds.h"
#include "base/StringTable.h"
#include "common/ScriptedHuman.h"
#include "dialogs/CMonSel.h"
#include "resources/QtText.h"

#include <QDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <cstdio>

namespace {

using namespace tesseran;

void Answer(QWidget* modal) {
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        if (box->text() == LoadText(text::ResumeMatch)) std::puts("resumed");
        std::printf("box %s\n", qUtf8Printable(box->text().section(QLatin1Char('\n'), 0, 0)));
        std::fflush(stdout);
        // Yes to everything: take the match up, go for 16, play another match.
        box->done(box->standardButtons().testFlag(QMessageBox::Yes) ? QMessageBox::Yes : QMessageBox::Ok);
    } else if (auto* suit = qobject_cast<CMonSel*>(modal)) {
        suit->accept();
    } else if (auto* dialog = qobject_cast<QDialog*>(modal)) {
        dialog->reject();  // a declaration is withdrawn
    }
}

void PlayATurn(TableView& table) {
    CFudaDashi& game = table.game();
    // The computers play without pauses, so that many a match ends (and is
    // credited) between the kills; a resumed match starts at the stored speed.
    if (game.phase >= 1 && game.speed != 0) {
        game.speed = 0;
        table.StartTurnTimer(0);
    }
    if (!(game.currentSeat == HumanSeat && game.busy == 1 && game.HumanMayPlay())) return;
    const int position = ScriptedHumanPosition(game);
    while (game.markedCard != position)
        QTest::keyClick(&table, game.markedCard < position ? Qt::Key_Right : Qt::Key_Left);
    QTest::keyClick(&table, Qt::Key_Return);
}

}  // namespace

int main(int argc, char** argv) {
    CTorvelApp application(argc, argv);
    if (!application.InitInstance()) return 0;
    // Two timers: a card the player plays can open a dialog (a joker led asks
    // for a suit) inside the player's own timeout, which that timer does not
    // interrupt; the answerer's timeouts come meanwhile.
    QTimer player;
    QTimer answerer;
    bool ready = false;
    QObject::connect(&answerer, &QTimer::timeout, [&application, &ready] {
        // The drill times most kills from here: the window is up and the
        // game has begun, or asks something.
        if (!ready && application.frame() != nullptr &&
            (QApplication::activeModalWidget() != nullptr ||
             application.frame()->table()->game().phase >= 1)) {
            ready = true;
            std::puts("ready");
            std::fflush(stdout);
        }
        if (QWidget* modal = QApplication::activeModalWidget()) Answer(modal);
    });
    QObject::connect(&player, &QTimer::timeout, [&application] {
        // A player's keys reach the table only when nothing else runs: a
        // pause or a sound played to its end keeps user input out of its
        // own event loop, and keys sent straight to the widget must wait
        // for it too.
        if (QThread::currentThread()->loopLevel() > 1) return;
        if (QApplication::activeModalWidget() == nullptr && application.frame() != nullptr)
            PlayATurn(*application.frame()->table());
    });
    answerer.start(5);
    player.start(5);
    return application.exec();
}
