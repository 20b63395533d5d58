// SPDX-License-Identifier: MIT
// A chronicle the window cannot write to is said once at start-up, and the
// game plays on: a damaged file is kept aside and a fresh one begun, a file
// of a newer version is left alone, and one that cannot be opened at all is
// passed over.
#include "AppFixture.h"

#include "app/MatchFile.h"
#include "base/ResourceIds.h"
#include "base/StringTable.h"
#include "chronicle/ChronicleDatabase.h"

#include <QDir>
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
        frame.reset();
        QFile::remove(MatchFile().path());
    }
    EXPECT_TRUE(QFile::exists(ChroniclePath() + ".bad") || QDir(ChroniclePath()).exists());
}

}  // namespace
}  // namespace tesseran::testing
