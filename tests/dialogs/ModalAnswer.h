// SPDX-License-Identifier: MIT
// Answering a modal dialog from a test: a timer polls for the dialog to
// become the active modal widget (exec() may take a few event-loop turns to
// get there) and then runs the test's answer on it. If the dialog never
// appears, or the answer leaves it open, the test fails and the dialog is
// rejected so exec() still returns.
#pragma once

#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace tesseran::testing {

// An access key animates its button's press and clicks it only when the
// animation ends, some 100 ms later.
inline constexpr int AccessKeyClickDelay = 300;

inline void WaitUntilClosed(QDialog& dialog) {
    EXPECT_TRUE(QTest::qWaitFor([&dialog] { return !dialog.isVisible(); }, AccessKeyClickDelay * 5));
}

template <class Dialog>
void AnswerWhenModal(std::function<void(Dialog&)> answer, int timeoutMilliseconds = 5000) {
    auto* timer = new QTimer;
    timer->setInterval(10);
    const QDeadlineTimer deadline(timeoutMilliseconds);
    QObject::connect(timer, &QTimer::timeout, [timer, deadline, answer] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (dialog != nullptr) {
            timer->stop();
            answer(*dialog);
            if (dialog->isVisible()) {
                ADD_FAILURE() << "the answer left the dialog open";
                dialog->reject();
            }
            // Only now: an answer that waits may flush deferred deletions.
            timer->deleteLater();
        } else if (deadline.hasExpired()) {
            timer->stop();
            timer->deleteLater();
            ADD_FAILURE() << "no modal dialog of the expected kind appeared";
            if (auto* other = qobject_cast<QDialog*>(QApplication::activeModalWidget())) other->reject();
        }
    });
    timer->start();
}

}  // namespace tesseran::testing
