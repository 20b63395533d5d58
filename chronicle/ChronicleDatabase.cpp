// SPDX-License-Identifier: MIT
#include "chronicle/ChronicleDatabase.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTextStream>
#include <QVariant>

#include <atomic>

namespace tesseran {

namespace {

// Version 1: matches, their game rows and their battles.
constexpr const char* SchemaOne[] = {
    "CREATE TABLE matches ("
    " id INTEGER PRIMARY KEY,"
    " match_key TEXT NOT NULL UNIQUE,"  // the engine's match id
    " ended TEXT NOT NULL,"             // local time, YYYY-MM-DDTHH:MM:SS
    " entry INTEGER NOT NULL,"          // the player's roster entry
    " name0 TEXT NOT NULL, name1 TEXT NOT NULL, name2 TEXT NOT NULL, name3 TEXT NOT NULL,"
    " credited0 INTEGER NOT NULL, credited1 INTEGER NOT NULL,"
    " credited2 INTEGER NOT NULL, credited3 INTEGER NOT NULL,"
    " balance0 INTEGER NOT NULL, balance1 INTEGER NOT NULL,"
    " balance2 INTEGER NOT NULL, balance3 INTEGER NOT NULL)",
    "CREATE INDEX matches_by_end ON matches (ended)",
    "CREATE TABLE games ("
    " match_id INTEGER NOT NULL REFERENCES matches (id),"
    " game INTEGER NOT NULL,"
    " score0 INTEGER NOT NULL, score1 INTEGER NOT NULL, score2 INTEGER NOT NULL, score3 INTEGER NOT NULL,"
    " PRIMARY KEY (match_id, game))",
    // result: the program's result kinds in their order (related win 0,
    // unrelated win 1, skunk 2, reverse skunk 3, 16 4, 16 failed 5, ...).
    "CREATE TABLE battles ("
    " match_id INTEGER NOT NULL REFERENCES matches (id),"
    " game INTEGER NOT NULL,"
    " battle INTEGER NOT NULL,"
    " trump INTEGER NOT NULL,"
    " chooser_seat INTEGER NOT NULL,"
    " declaration INTEGER NOT NULL,"
    " result INTEGER NOT NULL,"
    " points INTEGER NOT NULL,"
    " seat0 INTEGER NOT NULL, seat1 INTEGER NOT NULL, seat2 INTEGER NOT NULL, seat3 INTEGER NOT NULL,"
    " relation0 INTEGER NOT NULL, relation1 INTEGER NOT NULL,"
    " relation2 INTEGER NOT NULL, relation3 INTEGER NOT NULL,"
    " PRIMARY KEY (match_id, game, battle))",
    "CREATE INDEX battles_by_result ON battles (result)",
};

// Version 2 adds the campaign: every take and unification.
constexpr const char* SchemaTwo[] = {
    "CREATE TABLE conquests ("
    " id INTEGER PRIMARY KEY,"
    " at TEXT NOT NULL,"           // local time, YYYY-MM-DDTHH:MM:SS
    " entry INTEGER NOT NULL,"     // who took, or who unified the land
    " province INTEGER NOT NULL,"  // -1 for a unification
    " price INTEGER NOT NULL,"
    " previous_owner INTEGER NOT NULL,"
    " balance_after INTEGER NOT NULL,"
    " unification INTEGER NOT NULL)",
    "CREATE INDEX conquests_by_time ON conquests (at)",
};

QString NewConnectionName() {
    static std::atomic<int> counter{0};
    return QStringLiteral("tesseran-chronicle-%1").arg(counter.fetch_add(1));
}

QString TimeText(const LocalTime& t) {
    return QStringLiteral("%1-%2-%3T%4:%5:%6")
        .arg(t.year, 4, 10, QLatin1Char('0'))
        .arg(t.month, 2, 10, QLatin1Char('0'))
        .arg(t.day, 2, 10, QLatin1Char('0'))
        .arg(t.hour, 2, 10, QLatin1Char('0'))
        .arg(t.minute, 2, 10, QLatin1Char('0'))
        .arg(t.second, 2, 10, QLatin1Char('0'));
}

// Runs statements in order; the first error's text, or nothing.
std::optional<QString> Run(QSqlDatabase& db, std::initializer_list<QString> statements) {
    QSqlQuery query(db);
    for (const QString& statement : statements) {
        if (!query.exec(statement)) return query.lastError().text();
    }
    return std::nullopt;
}

struct Connection {
    QSqlDatabase db;
    QString name;
    void Close() {
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(name);
    }
};

Connection Connect(const QString& path) {
    Connection c;
    c.name = NewConnectionName();
    c.db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), c.name);
    c.db.setDatabaseName(path);
    c.db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=2000"));
    return c;
}

// The file's schema version, or nothing when it is not a database at all.
std::optional<int> VersionOf(QSqlDatabase& db, QString& error) {
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next()) {
        error = query.lastError().text();
        return std::nullopt;
    }
    return query.value(0).toInt();
}

// Brings a file of `version` up to the program's schema, in one transaction.
std::optional<QString> Migrate(QSqlDatabase& db, int version) {
    if (version >= ChronicleDatabase::SchemaVersion) return std::nullopt;
    if (!db.transaction()) return db.lastError().text();
    QSqlQuery query(db);
    auto apply = [&query](const auto& statements) -> std::optional<QString> {
        for (const char* statement : statements) {
            if (!query.exec(QString::fromLatin1(statement))) return query.lastError().text();
        }
        return std::nullopt;
    };
    std::optional<QString> failed;
    if (version < 1) failed = apply(SchemaOne);
    if (!failed && version < 2) failed = apply(SchemaTwo);
    if (failed) {
        db.rollback();
        return failed;
    }
    if (!query.exec(QStringLiteral("PRAGMA user_version = %1").arg(ChronicleDatabase::SchemaVersion))) {
        const QString error = query.lastError().text();
        db.rollback();
        return error;
    }
    if (!db.commit()) return db.lastError().text();
    return std::nullopt;
}

}  // namespace

ChronicleDatabase::Opening ChronicleDatabase::Open(const QString& path) {
    Opening opening;
    const QFileInfo file(path);
    if (!QDir().mkpath(file.absolutePath())) {
        opening.fault = Fault::CannotOpen;
        opening.detail = QStringLiteral("cannot create %1").arg(file.absolutePath());
        return opening;
    }
    for (int attempt = 0; attempt < 2; ++attempt) {
        Connection c = Connect(path);
        if (!c.db.open()) {
            opening.fault = Fault::CannotOpen;
            opening.detail = c.db.lastError().text();
            c.Close();
            return opening;
        }
        QString error;
        const std::optional<int> version = VersionOf(c.db, error);
        if (!version) {
            // Not a database: kept aside, and a fresh chronicle begun.
            c.Close();
            if (attempt > 0) {
                opening.fault = Fault::CannotOpen;
                opening.detail = error;
                return opening;
            }
            const QString aside = path + QStringLiteral(".bad");
            QFile::remove(aside);
            if (!QFile::rename(path, aside)) {
                opening.fault = Fault::CannotOpen;
                opening.detail = QStringLiteral("cannot set %1 aside").arg(path);
                return opening;
            }
            opening.fault = Fault::Corrupt;
            opening.detail = error;
            continue;
        }
        if (*version > SchemaVersion) {
            c.Close();
            opening.fault = Fault::Newer;
            opening.detail =
                QStringLiteral("schema %1, this program writes %2").arg(*version).arg(SchemaVersion);
            return opening;
        }
        if (auto failed = Run(c.db, {QStringLiteral("PRAGMA journal_mode = WAL"),
                                     QStringLiteral("PRAGMA foreign_keys = ON")})) {
            c.Close();
            opening.fault = Fault::CannotOpen;
            opening.detail = *failed;
            return opening;
        }
        if (auto failed = Migrate(c.db, *version)) {
            c.Close();
            opening.fault = Fault::CannotOpen;
            opening.detail = *failed;
            return opening;
        }
        opening.database.reset(new ChronicleDatabase(c.name));
        return opening;
    }
    return opening;
}

ChronicleDatabase::ChronicleDatabase(QString connection) : connection_(std::move(connection)) {}

ChronicleDatabase::~ChronicleDatabase() {
    {
        QSqlDatabase db = QSqlDatabase::database(connection_, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(connection_);
}

bool ChronicleDatabase::RecordMatch(const MatchRecord& match) {
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    if (!db.isOpen() || !db.transaction()) return false;
    auto fail = [&db] {
        db.rollback();
        return false;
    };
    QSqlQuery query(db);
    query.prepare(QStringLiteral("SELECT 1 FROM matches WHERE match_key = ?"));
    query.addBindValue(QString::fromStdString(match.matchId));
    if (!query.exec()) return fail();
    if (query.next()) {
        db.rollback();
        return true;  // already there
    }

    query.prepare(
        QStringLiteral("INSERT INTO matches (match_key, ended, entry, name0, name1, name2, name3,"
                       " credited0, credited1, credited2, credited3, balance0, balance1, balance2, balance3)"
                       " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    query.addBindValue(QString::fromStdString(match.matchId));
    // A match without its end's time (the game's own) ends now.
    query.addBindValue(match.ended.year == 0 ? QDateTime::currentDateTime().toString(Qt::ISODate)
                                             : TimeText(match.ended));
    query.addBindValue(match.entry);
    for (const std::string& name : match.names) query.addBindValue(QString::fromStdString(name));
    // Each participant is credited the sum of its column.
    for (std::size_t participant = 0; participant < SeatCount; ++participant) {
        int credited = 0;
        for (const auto& row : match.scores) credited += row[participant];
        query.addBindValue(credited);
    }
    for (int balance : match.balances) query.addBindValue(balance);
    if (!query.exec()) return fail();
    const qlonglong id = query.lastInsertId().toLongLong();

    query.prepare(QStringLiteral(
        "INSERT INTO games (match_id, game, score0, score1, score2, score3) VALUES (?, ?, ?, ?, ?, ?)"));
    for (int game = 0; game < static_cast<int>(match.scores.size()); ++game) {
        query.addBindValue(id);
        query.addBindValue(game + 1);
        for (int score : match.scores[static_cast<std::size_t>(game)]) query.addBindValue(score);
        if (!query.exec()) return fail();
    }

    query.prepare(QStringLiteral(
        "INSERT INTO battles (match_id, game, battle, trump, chooser_seat, declaration, result, points,"
        " seat0, seat1, seat2, seat3, relation0, relation1, relation2, relation3)"
        " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    for (const BattleRecord& battle : match.battles) {
        query.addBindValue(id);
        query.addBindValue(battle.game);
        query.addBindValue(battle.battle);
        query.addBindValue(battle.trump);
        query.addBindValue(battle.chooserSeat);
        query.addBindValue(battle.declaration);
        query.addBindValue(static_cast<int>(battle.result));
        query.addBindValue(battle.points);
        for (int participant : battle.participantAt) query.addBindValue(participant);
        for (int relation : battle.relation) query.addBindValue(relation);
        if (!query.exec()) return fail();
    }
    return db.commit() || fail();
}

namespace {

bool InsertConquest(const QString& connection, int entry, int province, int price, int previousOwner,
                    int balanceAfter, bool unification) {
    QSqlDatabase db = QSqlDatabase::database(connection, false);
    if (!db.isOpen()) return false;
    QSqlQuery query(db);
    query.prepare(QStringLiteral(
        "INSERT INTO conquests (at, entry, province, price, previous_owner, balance_after, unification)"
        " VALUES (?, ?, ?, ?, ?, ?, ?)"));
    query.addBindValue(QDateTime::currentDateTime().toString(Qt::ISODate));
    query.addBindValue(entry);
    query.addBindValue(province);
    query.addBindValue(price);
    query.addBindValue(previousOwner);
    query.addBindValue(balanceAfter);
    query.addBindValue(unification ? 1 : 0);
    return query.exec();  // a statement of its own is a transaction of its own
}

}  // namespace

bool ChronicleDatabase::RecordTake(const TakeRecord& take) {
    return InsertConquest(connection_, take.entry, take.province, take.price, take.previousOwner,
                          take.balanceAfter, false);
}

bool ChronicleDatabase::RecordUnification(int entry) {
    return InsertConquest(connection_, entry, -1, 0, -1, 0, true);
}

namespace {

// A field as CSV has it: quoted, with its quotes doubled, when it holds a
// separator, a quote or a line break.
QString CsvField(const QString& field) {
    if (!field.contains(QLatin1Char(',')) && !field.contains(QLatin1Char('"')) &&
        !field.contains(QLatin1Char('\n')) && !field.contains(QLatin1Char('\r')))
        return field;
    QString quoted = field;
    quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

// Writes the rows of `sql` under `header`; a column of result kinds or suits
// is written by name.
bool ExportQuery(QSqlDatabase& db, const QString& path, const QStringList& header, const QString& sql,
                 int resultColumn, int trumpColumn, QString& error) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        error = file.errorString();
        return false;
    }
    QTextStream out(&file);
    out.setEncoding(QStringConverter::Utf8);
    out << header.join(QLatin1Char(',')) << "\r\n";
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.exec(sql)) {
        error = query.lastError().text();
        file.cancelWriting();
        return false;
    }
    static const char* const Suits[] = {"clubs", "diamonds", "hearts", "spades"};
    const int columns = static_cast<int>(header.size());
    while (query.next()) {
        QStringList fields;
        for (int column = 0; column < columns; ++column) {
            const QVariant value = query.value(column);
            if (column == resultColumn) {
                fields << QString::fromLatin1(BattleResultName(static_cast<BattleResult>(value.toInt())));
            } else if (column == trumpColumn && value.toInt() >= 0 && value.toInt() < 4) {
                fields << QString::fromLatin1(Suits[value.toInt()]);
            } else {
                fields << CsvField(value.toString());
            }
        }
        out << fields.join(QLatin1Char(',')) << "\r\n";
    }
    out.flush();
    if (out.status() != QTextStream::Ok || !file.commit()) {
        error = file.errorString();
        return false;
    }
    return true;
}

}  // namespace

bool ChronicleDatabase::ExportCsv(const QString& matchesPath, const QString& battlesPath,
                                  QString& error) const {
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    if (!db.isOpen()) {
        error = QStringLiteral("the chronicle is not open");
        return false;
    }
    const QStringList matchColumns = {"match",        "ended",    "entry",     "participant0", "participant1",
                                      "participant2", "player",   "credited0", "credited1",    "credited2",
                                      "credited3",    "balance0", "balance1",  "balance2",     "balance3"};
    const QStringList battleColumns = {
        "match", "ended", "game",  "battle", "trump",     "chooser_seat", "declaration", "result",   "points",
        "seat0", "seat1", "seat2", "seat3",  "relation0", "relation1",    "relation2",   "relation3"};
    return ExportQuery(
               db, matchesPath, matchColumns,
               QStringLiteral("SELECT id, ended, entry, name0, name1, name2, name3, credited0, credited1,"
                              " credited2, credited3, balance0, balance1, balance2, balance3"
                              " FROM matches ORDER BY ended, id"),
               -1, -1, error) &&
           ExportQuery(
               db, battlesPath, battleColumns,
               QStringLiteral("SELECT b.match_id, m.ended, b.game, b.battle, b.trump, b.chooser_seat,"
                              " b.declaration, b.result, b.points, b.seat0, b.seat1, b.seat2, b.seat3,"
                              " b.relation0, b.relation1, b.relation2, b.relation3"
                              " FROM battles b JOIN matches m ON m.id = b.match_id"
                              " ORDER BY m.ended, b.match_id, b.game, b.battle"),
               7, 4, error);
}

ChronicleDatabase::PlayerSummary ChronicleDatabase::ReadPlayerSummary() const {
    PlayerSummary summary;
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    QSqlQuery query(db);
    // The result kinds the related group wins, as the battle rules say.
    QStringList relatedWins;
    for (int kind = 0; kind < static_cast<int>(BattleResult::Count); ++kind) {
        if (RelatedGroupWins(static_cast<BattleResult>(kind))) relatedWins << QString::number(kind);
    }
    const QString wins = relatedWins.join(QLatin1Char(','));
    const QString sql = QStringLiteral(
                            "SELECT COUNT(*),"
                            " TOTAL(related),"
                            " TOTAL(related AND result IN (%1)),"
                            " TOTAL(NOT related AND result NOT IN (%1))"
                            " FROM (SELECT result,"
                            " (CASE 3 WHEN seat0 THEN relation0 WHEN seat1 THEN relation1"
                            " WHEN seat2 THEN relation2 ELSE relation3 END) != 0 AS related"
                            " FROM battles)")
                            .arg(wins);
    if (query.exec(sql) && query.next()) {
        summary.battles = query.value(0).toInt();
        summary.battlesAsRelated = query.value(1).toInt();
        summary.wonAsRelated = query.value(2).toInt();
        summary.battlesAsUnrelated = summary.battles - summary.battlesAsRelated;
        summary.wonAsUnrelated = query.value(3).toInt();
        summary.battlesWon = summary.wonAsRelated + summary.wonAsUnrelated;
    }
    if (query.exec(QStringLiteral("SELECT AVG(score3) FROM games")) && query.next())
        summary.meanScorePerGame = query.value(0).toDouble();
    auto line = [&query](const QString& order) -> std::optional<MatchLine> {
        if (!query.exec(QStringLiteral(
                            "SELECT id, ended, credited3 FROM matches ORDER BY credited3 %1, ended LIMIT 1")
                            .arg(order)) ||
            !query.next())
            return std::nullopt;
        return MatchLine{query.value(0).toLongLong(), query.value(1).toString(), query.value(2).toInt()};
    };
    summary.best = line(QStringLiteral("DESC"));
    summary.worst = line(QStringLiteral("ASC"));
    return summary;
}

ChronicleDatabase::Totals ChronicleDatabase::ReadTotals() const {
    Totals totals;
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    QSqlQuery query(db);
    auto count = [&query](const QString& sql) {
        return query.exec(sql) && query.next() ? query.value(0).toInt() : 0;
    };
    totals.matches = count(QStringLiteral("SELECT COUNT(*) FROM matches"));
    totals.games = count(QStringLiteral("SELECT COUNT(*) FROM games"));
    totals.battles = count(QStringLiteral("SELECT COUNT(*) FROM battles"));
    totals.takes = count(QStringLiteral("SELECT COUNT(*) FROM conquests WHERE unification = 0"));
    totals.unifications = count(QStringLiteral("SELECT COUNT(*) FROM conquests WHERE unification = 1"));
    if (query.exec(QStringLiteral("SELECT result, COUNT(*) FROM battles GROUP BY result"))) {
        while (query.next()) {
            const int kind = query.value(0).toInt();
            if (kind >= 0 && kind < static_cast<int>(totals.results.size()))
                totals.results[static_cast<std::size_t>(kind)] = query.value(1).toInt();
        }
    }
    return totals;
}

}  // namespace tesseran
