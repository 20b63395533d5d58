// SPDX-License-Identifier: MIT
// A match survives the window closing: the next start offers it, Yes puts
// the same table back and play goes on to a match end credited once; No,
// a credited match and every kind of unusable snapshot start afresh, the
// unusable ones set aside with a message and nothing else touched.
#include "AppFixture.h"

#include "base/StringTable.h"
#include "campaign/Campaign.h"
#include "chronicle/ChronicleDatabase.h"
#include "dialogs/CMonSel.h"
#include "engine/MatchSnapshot.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSettings>
#include <QSqlDatabase>
#include <QSqlQuery>

#include <functional>
#include <map>
#include <string>

namespace tesseran::testing {
namespace {

QString Text(int id) { return QString::fromStdString(LoadString(id)); }

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Every stored value but the peek channel's, which carries the computer
// hands of whichever table was last shown.
std::map<QString, QVariant> StoredValues(const QString& path) {
    QSettings settings(path, QSettings::IniFormat);
    std::map<QString, QVariant> values;
    for (const QString& key : settings.allKeys()) {
        if (!key.startsWith("Cun/")) values[key] = settings.value(key);
    }
    return values;
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

// The record as a snapshot's text, the speed aside: tests run the computers
// without pauses, and a resumed match takes the stored speed.
std::string RecordText(GameState state) {
    state.speed = 0;
    return WriteSnapshot(MatchSnapshot{"record", state, {}, {}});
}

class MatchResume : public AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        store->WriteInt("Settei", "Koukaon", 0);
        store->WriteInt("Settei", "DspRem", 0);
        store->WriteInt("Settei", "RuleRem", 0);
        // The suit dialog (the trump of battles 2 and 3) is confirmed as it opens.
        QObject::connect(&suitAnswerer, &QTimer::timeout, [] {
            if (auto* dialog = qobject_cast<CMonSel*>(QApplication::activeModalWidget())) dialog->accept();
        });
        suitAnswerer.start(5);
    }

    // Where the window keeps the match: the test's own data folder.
    static QString MatchPath() { return MatchFile().path(); }
    static QString SetAsidePath() { return MatchPath() + ".bad"; }

    bool HumanWaited() {
        const auto& g = game();
        return g.currentSeat == HumanSeat && g.busy == 1 && g.HumanMayPlay() &&
               QApplication::activeModalWidget() == nullptr;
    }

    // Plays the human's cards by keyboard until `done` holds at his turn, or
    // the window closes.
    void PlayUntil(const std::function<bool()>& done) {
        const QDeadlineTimer deadline(240000);
        while (frame->isVisible() && !deadline.hasExpired()) {
            QTest::qWait(1);
            if (!HumanWaited()) continue;
            if (done()) return;
            auto& g = game();
            const int position = g.phase == 2 ? 0 : LegalPosition();
            ASSERT_GE(position, 0);
            while (g.markedCard != position) Key(g.markedCard < position ? Qt::Key_Right : Qt::Key_Left);
            Key(Qt::Key_Return);
        }
        ASSERT_FALSE(deadline.hasExpired());
    }

    // The window is closed by the player, who says Yes to leaving the match.
    void CloseWindow() {
        frame->close();
        ASSERT_TRUE(QTest::qWaitFor([this] { return !frame->isVisible(); }, 5000));
        table()->StopTurnTimer();
        frame.reset();
    }

    // A snapshot of a match at the human's first turn, as the window keeps it.
    QByteArray KeptSnapshot() {
        store->WriteInt("Settei", "AutoStart", 1);
        OpenWindow();
        PlayWithoutPauses();
        PlayUntil([] { return true; });
        CloseWindow();
        store->WriteInt("Settei", "AutoStart", 0);
        store->Sync();
        return FileBytes(MatchPath());
    }

    QTimer suitAnswerer;
};

TEST_F(MatchResume, AMatchClosedAfterTwoGamesGoesOnAtTheSameTableAndIsCreditedOnce) {
    store->WriteInt("Settei", "AutoStart", 1);
    // Yes to leaving the match and to taking it up again, no 16, no next match.
    AnswerMessageBoxes([](const QString& text) { return text == Text(30006) || text == Text(30301); });
    OpenWindow();
    PlayWithoutPauses();
    PlayUntil([this] { return game().gameNo == 3 && game().battleNo == 1; });
    ASSERT_EQ(game().gameNo, 3);
    const std::string record = RecordText(game());
    const QImage shown = frame->grab().toImage();
    CloseWindow();

    const SnapshotReading kept = ReadSnapshot(FileBytes(MatchPath()).toStdString());
    ASSERT_TRUE(kept.snapshot) << kept.error;
    EXPECT_EQ(RecordText(kept.snapshot->state), record);

    // The next start asks, and Yes puts the table back as it was left.
    shownTexts.clear();
    OpenWindow();
    ASSERT_TRUE(QTest::qWaitFor([this] { return game().phase >= 1; }, 5000));
    ASSERT_FALSE(shownTexts.empty());
    EXPECT_EQ(shownTexts.front(), Text(30301));
    EXPECT_EQ(RecordText(game()), record);
    EXPECT_EQ(frame->grab().toImage(), shown);

    // The resumed match runs at the stored speed; the test's goes on without pauses.
    PlayWithoutPauses();
    table()->StartTurnTimer(0);
    PlayUntil([] { return false; });
    ASSERT_FALSE(frame->isVisible()) << "the match did not end in time";
    EXPECT_EQ(shownTexts.back(), Text(30018));

    // Credited once, under the snapshot's id, and nothing kept any more.
    std::array<int, 4> totals{};
    for (const auto& row : game().score) {
        for (int p = 0; p < 4; ++p) totals[p] += row[p];
    }
    QtSettingsStore reread(folder.filePath("Tesseran.ini"));
    for (int p = 0; p < 4; ++p)
        EXPECT_EQ(BalanceOf(reread, ParticipantEntry(p, game().entryNo)), std::max(0, totals[p])) << p;
    EXPECT_EQ(reread.Read(setting::CreditedMatch), kept.snapshot->matchId);
    EXPECT_FALSE(QFile::exists(MatchPath()));

    // The chronicle holds the match once, with the battles played before the
    // window closed as well as after.
    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "resumed");
    db.setDatabaseName(QFileInfo(MatchPath()).dir().filePath(ChronicleDatabase::FileName));
    ASSERT_TRUE(db.open());
    QSqlQuery query(db);
    ASSERT_TRUE(query.exec("SELECT COUNT(*), MIN(match_key), MAX(match_key) FROM matches") && query.next());
    EXPECT_EQ(query.value(0).toInt(), 1);
    EXPECT_EQ(query.value(1).toString().toStdString(), kept.snapshot->matchId);
    ASSERT_TRUE(query.exec("SELECT MIN(game), COUNT(DISTINCT game), SUM(battle = 1) FROM battles") &&
                query.next());
    EXPECT_EQ(query.value(0).toInt(), 1);
    EXPECT_EQ(query.value(1).toInt(), 10);
    EXPECT_EQ(query.value(2).toInt(), 10);
    query = QSqlQuery();
    db.close();
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase("resumed");
}

TEST_F(MatchResume, WhatCannotOrNeedNotBeTakenUpStartsAfreshAndTouchesNoSetting) {
    AnswerMessageBoxes([](const QString& text) { return text == Text(30006); });
    const QByteArray good = KeptSnapshot();
    const SnapshotReading reading = ReadSnapshot(good.toStdString());
    ASSERT_TRUE(reading.snapshot) << reading.error;

    auto changed = [&good](const std::function<void(QJsonObject & document, QJsonObject & state)>& change) {
        QJsonObject document = QJsonDocument::fromJson(good).object();
        QJsonObject state = document["state"].toObject();
        change(document, state);
        document["state"] = state;
        return QJsonDocument(document).toJson(QJsonDocument::Compact);
    };
    const QByteArray duplicated = changed([](QJsonObject&, QJsonObject& state) {
        QJsonArray hands = state["hand"].toArray();
        QJsonArray first = hands[0].toArray();
        first[0] = hands[1].toArray()[0];
        hands[0] = first;
        state["hand"] = hands;
    });

    const struct {
        const char* name;
        QByteArray text;
        bool setAside;
    } cases[] = {
        {"empty", "", true},
        {"garbage", "\x7f\x45\x4c\x46 not a snapshot", true},
        {"cut short", good.left(good.size() / 2), true},
        {"from a newer version", changed([](QJsonObject& document, QJsonObject&) {
             document["version"] = MatchSnapshot::Version + 1;
         }),
         true},
        {"a value out of range", changed([](QJsonObject&, QJsonObject& state) { state["gameNo"] = 42; }),
         true},
        {"a card twice and one missing", duplicated, true},
        {"a player the roster no longer offers",
         changed([](QJsonObject&, QJsonObject& state) { state["entryNo"] = 8; }), true},
        {"good, but declined", good, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(SetAsidePath());
        WriteFile(MatchPath(), c.text);
        const auto settingsBefore = StoredValues(store->fileName());
        shownTexts.clear();
        OpenWindow();
        ASSERT_TRUE(QTest::qWaitFor([this] { return !shownTexts.empty(); }, 5000));
        QTest::qWait(50);
        EXPECT_EQ(shownTexts.front(), Text(c.setAside ? 30302 : 30301));
        EXPECT_EQ(game().phase, 0);
        EXPECT_FALSE(QFile::exists(MatchPath()));
        EXPECT_EQ(QFile::exists(SetAsidePath()), c.setAside);
        if (c.setAside) {
            EXPECT_EQ(FileBytes(SetAsidePath()), c.text);
        }
        CloseWindow();
        EXPECT_EQ(StoredValues(store->fileName()), settingsBefore);
    }

    // A match whose koku were credited before its snapshot could go is over:
    // it is dropped without a word.
    store->Write(setting::CreditedMatch, reading.snapshot->matchId);
    store->Sync();
    WriteFile(MatchPath(), good);
    shownTexts.clear();
    OpenWindow();
    QTest::qWait(300);
    EXPECT_TRUE(shownTexts.empty());
    EXPECT_FALSE(QFile::exists(MatchPath()));
    EXPECT_EQ(game().phase, 0);
}

}  // namespace
}  // namespace tesseran::testing
