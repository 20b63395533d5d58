// SPDX-License-Identifier: MIT
// A main window for tests: a settings file and a work folder of its own, the
// real table widget, and helpers that act as a player would: clicks, drags and
// keys at the canvas positions the renderer reports, and answers to whatever
// modal dialog comes up.
#pragma once

#include "app/CMainFrame.h"
#include "app/QtSettingsStore.h"
#include "app/TableCommands.h"
#include "app/TableView.h"

#include <QApplication>
#include <QMessageBox>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace tesseran::testing {

class AppFixture : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        // The work folder (card.jpeg, CardBack.bmp) lives under TMPDIR.
        qputenv("TMPDIR", folder.path().toUtf8());
        // The data folder, where a match in progress is kept, is the test's own.
        qputenv("XDG_DATA_HOME", folder.filePath("data").toUtf8());
        store = std::make_unique<QtSettingsStore>(folder.filePath("Tesseran.ini"));
    }

    void TearDown() override {
        if (frame) {
            frame->table()->StopTurnTimer();
            frame.reset();
        }
    }

    // Builds the window with what the test stored so far.
    void OpenWindow() {
        frame = std::make_unique<CMainFrame>(*store, true);
        frame->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
        ASSERT_TRUE(table()->Initialise());
    }

    // The computers move at once: no stored speed goes below the menu's
    // fastest (111 ms a move), so this sets the game's own after start-up.
    void PlayWithoutPauses() { game().speed = 0; }

    // The first position whose card may be played, the joker only as a last resort.
    int LegalPosition() {
        int joker = -1;
        for (int position = 0; position < game().handCount[HumanSeat]; ++position) {
            int card = game().hand[HumanSeat][position];
            if (card == Joker) {
                joker = position;
                continue;
            }
            if (game().CheckPick(card, Remarks::Silent)) return position;
        }
        return joker;
    }

    TableView* table() const { return frame->table(); }
    CFudaDashi& game() const { return frame->table()->game(); }
    TableRenderer& renderer() const { return *frame->table()->renderer(); }

    QPoint WindowPoint(QPointF canvas) const {
        return QPoint(static_cast<int>(canvas.x() * renderer().scaleX),
                      static_cast<int>(canvas.y() * renderer().scaleY));
    }
    QPointF CardCentre(int position) const {
        QRect strip = renderer().handCardRects[position];
        return QPointF(strip.left() + std::min(strip.width(), 33) / 2.0, strip.top() + strip.height() / 2.0);
    }

    void Press(QPointF canvas) { QTest::mousePress(table(), Qt::LeftButton, {}, WindowPoint(canvas)); }
    void Release(QPointF canvas) { QTest::mouseRelease(table(), Qt::LeftButton, {}, WindowPoint(canvas)); }
    // QTest::mouseMove sends no button state, so a drag sends its own events.
    void DragTo(QPointF canvas) {
        QPoint local = WindowPoint(canvas);
        QMouseEvent move(QEvent::MouseMove, local, table()->mapToGlobal(local), Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QApplication::sendEvent(table(), &move);
    }
    void DoubleClick(QPointF canvas) { QTest::mouseDClick(table(), Qt::LeftButton, {}, WindowPoint(canvas)); }
    void Key(Qt::Key key) { QTest::keyClick(table(), key); }

    // Answers every message box as it comes: `answer` decides Yes/No for
    // questions by their text; information boxes are confirmed.
    void AnswerMessageBoxes(std::function<bool(const QString&)> answer) {
        answerer = std::make_unique<QTimer>();
        answerer->setInterval(5);
        QObject::connect(answerer.get(), &QTimer::timeout, [this, answer] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr || !box->isVisible()) return;
            shownTexts.push_back(box->text());
            if (box->standardButtons().testFlag(QMessageBox::Yes)) {
                box->done(answer(box->text()) ? QMessageBox::Yes : QMessageBox::No);
            } else {
                box->done(QMessageBox::Ok);
            }
        });
        answerer->start();
    }

    QTemporaryDir folder;
    std::unique_ptr<QtSettingsStore> store;
    std::unique_ptr<CMainFrame> frame;
    std::unique_ptr<QTimer> answerer;
    std::vector<QString> shownTexts;
};

}  // namespace tesseran::testing
