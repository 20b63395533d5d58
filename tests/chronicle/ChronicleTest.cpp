// SPDX-License-Identifier: MIT
// The chronicle database: what the simulator records equals what it
// reports, a file that is no database is set aside, and one of a newer
// schema is left as it is.
#include "chronicle/ChronicleDatabase.h"

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <map>
#include <string>

namespace tesseran {
namespace {

// The summary's "name: count" lines.
std::map<std::string, int> SummaryCounts(const QByteArray& output) {
    std::map<std::string, int> counts;
    for (const QByteArray& line : output.split('\n')) {
        const int colon = line.lastIndexOf(':');
        if (colon <= 0) continue;
        bool number = false;
        const int value = line.mid(colon + 1).trimmed().toInt(&number);
        if (number) counts[line.left(colon).trimmed().toStdString()] = value;
    }
    return counts;
}

QByteArray Simulate(const QStringList& arguments) {
    QProcess sim;
    sim.start(QStringLiteral(TESSERAN_SIM), arguments);
    EXPECT_TRUE(sim.waitForFinished(120000));
    EXPECT_EQ(sim.exitCode(), 0) << sim.readAllStandardError().toStdString();
    return sim.readAllStandardOutput();
}

TEST(Chronicle, WhatTheSimulatorRecordsIsWhatItsSummarySays) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("t.sqlite"));
    const QByteArray output =
        Simulate({QStringLiteral("--matches"), QStringLiteral("500"), QStringLiteral("--chronicle"), path});
    const auto summary = SummaryCounts(output);

    auto opening = ChronicleDatabase::Open(path);
    ASSERT_TRUE(opening.database) << opening.detail.toStdString();
    EXPECT_EQ(opening.fault, ChronicleDatabase::Fault::None);
    const ChronicleDatabase::Totals totals = opening.database->ReadTotals();
    EXPECT_EQ(totals.matches, summary.at("matches"));
    EXPECT_EQ(totals.games, summary.at("games"));
    EXPECT_EQ(totals.battles, summary.at("battles"));
    int declared = 0;
    for (int kind = 0; kind < static_cast<int>(BattleResult::Count); ++kind) {
        const std::string name = BattleResultName(static_cast<BattleResult>(kind));
        EXPECT_EQ(totals.results[static_cast<std::size_t>(kind)], summary.at(name)) << name;
        if (kind >= static_cast<int>(BattleResult::DeclaredSkunk))
            declared += summary.at(BattleResultName(static_cast<BattleResult>(kind)));
    }
    EXPECT_GT(declared, 0) << "the run should reach declared battles";

    // How the player fared, read from the chronicle, is what the simulator
    // counted of seat 3 as it played.
    const QRegularExpression seatLine(
        QStringLiteral("seat 3: battles won by its group (\\d+)/(\\d+), mean score per game (-?[0-9.]+)"));
    const QRegularExpressionMatch seat = seatLine.match(QString::fromUtf8(output));
    ASSERT_TRUE(seat.hasMatch()) << output.toStdString();
    const ChronicleDatabase::PlayerSummary player = opening.database->ReadPlayerSummary();
    EXPECT_EQ(player.battlesWon, seat.captured(1).toInt());
    EXPECT_EQ(player.battles, seat.captured(2).toInt());
    EXPECT_NEAR(player.meanScorePerGame, seat.captured(3).toDouble(), 0.005);
    EXPECT_GT(player.wonAsRelated, 0);
    EXPECT_GT(player.wonAsUnrelated, 0);
    ASSERT_TRUE(player.best && player.worst);
    EXPECT_GT(player.best->total, player.worst->total);

    // The same start plays the same matches: recorded again, they are not
    // recorded twice.
    opening.database.reset();
    Simulate({QStringLiteral("--matches"), QStringLiteral("20"), QStringLiteral("--chronicle"), path});
    opening = ChronicleDatabase::Open(path);
    ASSERT_TRUE(opening.database);
    EXPECT_EQ(opening.database->ReadTotals().matches, summary.at("matches"));
}

TEST(Chronicle, AFileThatIsNoDatabaseIsSetAsideAndOneOfANewerSchemaIsLeftAlone) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("chronicle.sqlite"));
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(4096, 'x'));
    }
    auto opening = ChronicleDatabase::Open(path);
    EXPECT_EQ(opening.fault, ChronicleDatabase::Fault::Corrupt);
    ASSERT_TRUE(opening.database) << "a fresh chronicle begins beside the one set aside";
    EXPECT_EQ(opening.database->ReadTotals().matches, 0);
    QFile aside(path + QStringLiteral(".bad"));
    ASSERT_TRUE(aside.open(QIODevice::ReadOnly));
    EXPECT_EQ(aside.readAll(), QByteArray(4096, 'x'));
    opening.database.reset();

    const QString newer = folder.filePath(QStringLiteral("newer.sqlite"));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("newer"));
        db.setDatabaseName(newer);
        ASSERT_TRUE(db.open());
        QSqlQuery(db).exec(
            QStringLiteral("PRAGMA user_version = %1").arg(ChronicleDatabase::SchemaVersion + 1));
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("newer"));
    opening = ChronicleDatabase::Open(newer);
    EXPECT_EQ(opening.fault, ChronicleDatabase::Fault::Newer);
    EXPECT_FALSE(opening.database);
    EXPECT_FALSE(QFile::exists(newer + QStringLiteral(".bad")));
}

TEST(Chronicle, AnOlderChronicleIsBroughtUpToDateWithItsMatchesAndTakesTheCampaign) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("old.sqlite"));
    MatchRecord match;
    match.matchId = "m-1";
    match.ended = {2026, 12, 10, 9, 30, 0};
    match.names = {"鳴海大膳", "a,b", "say \"hi\"", "氷室兵庫"};
    match.battles.push_back({1, 1, Hearts, -1, 0, BattleResult::RelatedWin, 0, {0, 1, 2, 3}, {1, 0, 2, 0}});
    {
        auto opening = ChronicleDatabase::Open(path);
        ASSERT_TRUE(opening.database);
        ASSERT_TRUE(opening.database->RecordMatch(match));
    }
    // What the first version of the chronicle was: the same without the
    // campaign's table.
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("old"));
        db.setDatabaseName(path);
        ASSERT_TRUE(db.open());
        QSqlQuery query(db);
        ASSERT_TRUE(query.exec(QStringLiteral("DROP TABLE conquests")));
        ASSERT_TRUE(query.exec(QStringLiteral("PRAGMA user_version = 1")));
        query = QSqlQuery();
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("old"));

    auto opening = ChronicleDatabase::Open(path);
    ASSERT_TRUE(opening.database) << opening.detail.toStdString();
    EXPECT_EQ(opening.fault, ChronicleDatabase::Fault::None);
    ASSERT_TRUE(opening.database->RecordTake({4, 12, 30, 5, 70}));
    ASSERT_TRUE(opening.database->RecordUnification(4));
    const auto totals = opening.database->ReadTotals();
    EXPECT_EQ(totals.matches, 1);
    EXPECT_EQ(totals.battles, 1);
    EXPECT_EQ(totals.takes, 1);
    EXPECT_EQ(totals.unifications, 1);
    // Recorded again under its id, the match is not recorded twice.
    EXPECT_TRUE(opening.database->RecordMatch(match));
    EXPECT_EQ(opening.database->ReadTotals().matches, 1);

    // Exported, every field stands where a spreadsheet looks for it.
    const QString matches = folder.filePath(QStringLiteral("matches.csv"));
    const QString battles = folder.filePath(QStringLiteral("battles.csv"));
    QString error;
    ASSERT_TRUE(opening.database->ExportCsv(matches, battles, error)) << error.toStdString();
    auto lines = [](const QString& csv) {
        QFile file(csv);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return QString::fromUtf8(file.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    };
    const QStringList matchLines = lines(matches);
    ASSERT_EQ(matchLines.size(), 2);
    EXPECT_TRUE(matchLines[0].startsWith(QStringLiteral("match,ended,entry,")));
    EXPECT_TRUE(matchLines[1].contains(QStringLiteral(",2026-12-10T09:30:00,")));
    EXPECT_TRUE(matchLines[1].contains(QStringLiteral(",鳴海大膳,\"a,b\",\"say \"\"hi\"\"\",氷室兵庫,")));
    const QStringList battleLines = lines(battles);
    ASSERT_EQ(battleLines.size(), 2);
    EXPECT_TRUE(battleLines[1].contains(QStringLiteral(",1,1,hearts,-1,0,related win,0,0,1,2,3,1,0,2,0")))
        << battleLines[1].toStdString();
    // A file that cannot be written says why, and leaves nothing half written.
    EXPECT_FALSE(
        opening.database->ExportCsv(folder.filePath(QStringLiteral("no/such/folder/m.csv")), battles, error));
    EXPECT_FALSE(error.isEmpty());
}

}  // namespace
}  // namespace tesseran

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
