// SPDX-License-Identifier: MIT
// A chronicle the window cannot write to is said once, and the game plays
// on: at start-up a damaged file is kept aside and a fresh one begun, a file
// of a newer version or one another program holds is left alone, and one
// that cannot be opened at all is passed over; a record that cannot be
// written later (a lock, a full disk) is said once and recording stops. The
// statistics key opens the window over whatever chronicle there is.
#include "AppFixture.h"
#include "app/CommandIds.h"

#include "app/MatchFile.h"
#include "base/ResourceIds.h"
#include "base/StringTable.h"
#include "chronicle/ChronicleDatabase.h"
#include "statistics/StatisticsWindow.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>

#include <algorithm>
#include <functional>

namespace tesseran::testing {
namespace {

class ChronicleWindow : public AppFixture {
protected:
    static QString ChroniclePath() {
        return QFileInfo(MatchFile().path()).dir().filePath(ChronicleDatabase::FileName);
    }

    // Another program takes the chronicle and holds it until Release.
    static void Hold() {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "holder");
        db.setDatabaseName(ChroniclePath());
        ASSERT_TRUE(db.open());
        QSqlQuery query(db);
        ASSERT_TRUE(query.exec("BEGIN EXCLUSIVE"));
        ASSERT_TRUE(query.exec("CREATE TABLE IF NOT EXISTS held (x)"));
    }
    static void Release() {
        if (!QSqlDatabase::contains("holder")) return;
        QSqlDatabase::database("holder").close();
        QSqlDatabase::removeDatabase("holder");
    }
    void TearDown() override {
        AppFixture::TearDown();
        Release();
    }

    // Presses the statistics key and tells what opened: the window, or a box with its text.
    QString PressStatisticsKey() {
        QString opened;
        QTimer closer;
        QObject::connect(&closer, &QTimer::timeout, [&opened] {
            if (auto* window = qobject_cast<StatisticsWindow*>(QApplication::activeModalWidget())) {
                opened = QStringLiteral("statistics window");
                window->reject();
            }
        });
        closer.start(5);
        const std::size_t boxesBefore = shownTexts.size();
        Key(Qt::Key_F6);
        if (opened.isEmpty() && shownTexts.size() > boxesBefore) opened = shownTexts.back();
        return opened;
    }
};

TEST_F(ChronicleWindow, AChronicleThatCannotBeWrittenIsSaidOnceAndTheGamePlaysOn) {
    store->WriteInt("Settei", "AutoStart", 1);
    AnswerMessageBoxes([](const QString&) { return true; });
    QDir().mkpath(QFileInfo(ChroniclePath()).absolutePath());

    auto newerFile = [] {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "newer");
        db.setDatabaseName(ChroniclePath());
        ASSERT_TRUE(db.open());
        QSqlQuery(db).exec(
            QStringLiteral("PRAGMA user_version = %1").arg(ChronicleDatabase::SchemaVersion + 1));
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase("newer");
    };
    const struct {
        const char* name;
        std::function<void()> prepare;
        int message;
        bool recording;
    } cases[] = {
        {"damaged",
         [] {
             QFile file(ChroniclePath());
             ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
             file.write("SQLite format 2, or so it says");
         },
         text::ChronicleSetAside, true},
        {"newer", newerFile, text::ChronicleNewer, false},
        {"no file but a folder", [] { ASSERT_TRUE(QDir().mkpath(ChroniclePath())); },
         text::ChronicleUnavailable, false},
        {"held by another program", Hold, text::ChronicleLocked, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(ChroniclePath());
        QDir(ChroniclePath()).removeRecursively();
        c.prepare();
        shownTexts.clear();
        OpenWindow();
        ASSERT_TRUE(QTest::qWaitFor([this] { return game().phase >= 1; }, 5000));
        ASSERT_FALSE(shownTexts.empty());
        EXPECT_EQ(shownTexts.front(), QString::fromStdString(LoadString(c.message)));
        EXPECT_EQ(std::count(shownTexts.begin(), shownTexts.end(), shownTexts.front()), 1);
        EXPECT_EQ(table()->chronicle() != nullptr, c.recording);
        // Play goes on to the human's turn.
        PlayWithoutPauses();
        ASSERT_TRUE(QTest::qWaitFor(
            [this] { return game().currentSeat == HumanSeat && game().HumanMayPlay(); }, 10000));
        frame->table()->StopTurnTimer();
        // The statistics show what there is, or say why there is nothing.
        EXPECT_EQ(PressStatisticsKey(), c.recording
                                            ? QStringLiteral("statistics window")
                                            : QString::fromStdString(LoadString(text::ChronicleNotOpen)));
        frame.reset();
        Release();
        QFile::remove(MatchFile().path());
    }
    EXPECT_TRUE(QFile::exists(ChroniclePath() + ".bad") || QDir(ChroniclePath()).exists());
}

TEST_F(ChronicleWindow, ARecordThatCannotBeWrittenIsSaidOnceAndRecordingStopsTillTheNextStart) {
    store->WriteInt("Settei", "AutoStart", 1);
    AnswerMessageBoxes([](const QString&) { return true; });
    OpenWindow();
    PlayWithoutPauses();
    ASSERT_TRUE(QTest::qWaitFor([this] { return table()->chronicle() != nullptr; }, 5000));
    ChronicleDatabase& chronicle = *table()->chronicle();
    // Another program takes the file in the middle of the match.
    Hold();
    EXPECT_FALSE(chronicle.RecordTake({3, 12, 30, 10, 70, 2, 0}));
    EXPECT_FALSE(chronicle.recording());
    // The next record is not even tried: no second wait, no second message.
    QElapsedTimer clock;
    clock.start();
    EXPECT_FALSE(chronicle.RecordUnification(3));
    EXPECT_LT(clock.elapsed(), 1000);
    const QString said = QString::fromStdString(LoadString(text::ChronicleWriteFailed));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !shownTexts.empty() && shownTexts.back() == said; }, 5000));
    QTest::qWait(50);
    EXPECT_EQ(std::count(shownTexts.begin(), shownTexts.end(), said), 1);
    // The match goes on to the human's turn.
    ASSERT_TRUE(
        QTest::qWaitFor([this] { return game().currentSeat == HumanSeat && game().HumanMayPlay(); }, 10000));
}

}  // namespace
}  // namespace tesseran::testing
