// SPDX-License-Identifier: MIT
// One game at a time: a later start finds the first, asks it to the front and
// yields; a lock left by a game that crashed does not keep anyone out.
#include "app/SingleInstance.h"

#include <QCoreApplication>
#include <QFile>
#include <QHostInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace tesseran {
namespace {

// The game in folder plays, and a start after it asks it to the front once.
void ExpectTheFirstPlaysAndALaterStartRaisesIt(const QString& folder) {
    int raised = 0;
    SingleInstance first(folder);
    first.onShowRequest = [&raised] { ++raised; };
    ASSERT_EQ(first.Claim(), SingleInstance::Start::First);
    SingleInstance later(folder);
    EXPECT_EQ(later.Claim(), SingleInstance::Start::OtherRaised);
    EXPECT_TRUE(QTest::qWaitFor([&raised] { return raised == 1; }, 5000));
}

TEST(SingleInstance, ALaterStartRaisesTheFirstAndYieldsUntilTheFirstEnds) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    ExpectTheFirstPlaysAndALaterStartRaisesIt(folder.path());
    // The first has ended: the next start plays.
    SingleInstance third(folder.path());
    EXPECT_EQ(third.Claim(), SingleInstance::Start::First);
}

TEST(SingleInstance, TheLockOfAGameThatDiedIsTakenOver) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    // A process that has ended leaves its number in the lock, as a killed game would.
    QProcess ended;
    ended.start("sleep", {"0.2"});
    ASSERT_TRUE(ended.waitForStarted(5000));
    const qint64 deadProcess = ended.processId();
    ASSERT_TRUE(ended.waitForFinished(5000));
    SingleInstance probe(folder.path());
    QFile lock(probe.lockPath());
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    lock.write(QByteArray::number(deadProcess) + "\n" + QCoreApplication::applicationName().toUtf8() + "\n" +
               QHostInfo::localHostName().toUtf8() + "\n");
    lock.close();
    // The socket file of the dead game is left behind too.
    QFile(probe.socketPath()).open(QIODevice::WriteOnly);

    ExpectTheFirstPlaysAndALaterStartRaisesIt(folder.path());
}

}  // namespace
}  // namespace tesseran
