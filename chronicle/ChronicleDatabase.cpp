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
#include <QSqlQueryModel>
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

// Version 3 keeps how many provinces each side of a take holds after it, and
// the player's resets beside the unifications (the column that told a
// unification from a take becomes the event's kind).
constexpr const char* SchemaThree[] = {
    "ALTER TABLE conquests RENAME COLUMN unification TO event",  // 0 take, 1 unification, 2 reset
    "ALTER TABLE conquests ADD COLUMN held INTEGER",             // the taker's provinces after; NULL before 3
    "ALTER TABLE conquests ADD COLUMN previous_held INTEGER",    // the previous owner's after
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

// Runs statements in order; the first error, or nothing.
std::optional<QSqlError> Run(QSqlDatabase& db, std::initializer_list<QString> statements) {
    QSqlQuery query(db);
    for (const QString& statement : statements) {
        if (!query.exec(statement)) return query.lastError();
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

// What SQLite's result code says of a failure: only a file that is no
// database, or a damaged one, is ever set aside; a file another program holds
// is left as it is.
ChronicleDatabase::Fault FaultOf(const QSqlError& error) {
    constexpr int Corrupt = 11, NotADatabase = 26, Busy = 5, Locked = 6;
    const int code = error.nativeErrorCode().toInt() & 0xff;  // the primary code of an extended one
    if (code == Corrupt || code == NotADatabase) return ChronicleDatabase::Fault::Corrupt;
    if (code == Busy || code == Locked) return ChronicleDatabase::Fault::Locked;
    return ChronicleDatabase::Fault::CannotOpen;
}

// The file's schema version, or the error that kept it from being read.
std::optional<int> VersionOf(QSqlDatabase& db, QSqlError& error) {
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next()) {
        error = query.lastError();
        return std::nullopt;
    }
    return query.value(0).toInt();
}

// Brings a file of `version` up to the program's schema, in one transaction.
std::optional<QSqlError> Migrate(QSqlDatabase& db, int version) {
    if (version >= ChronicleDatabase::SchemaVersion) return std::nullopt;
    if (!db.transaction()) return db.lastError();
    QSqlQuery query(db);
    auto apply = [&query](const auto& statements) -> std::optional<QSqlError> {
        for (const char* statement : statements) {
            if (!query.exec(QString::fromLatin1(statement))) return query.lastError();
        }
        return std::nullopt;
    };
    std::optional<QSqlError> failed;
    if (version < 1) failed = apply(SchemaOne);
    if (!failed && version < 2) failed = apply(SchemaTwo);
    if (!failed && version < 3) failed = apply(SchemaThree);
    if (failed) {
        db.rollback();
        return failed;
    }
    if (!query.exec(QStringLiteral("PRAGMA user_version = %1").arg(ChronicleDatabase::SchemaVersion))) {
        const QSqlError error = query.lastError();
        db.rollback();
        return error;
    }
    if (!db.commit()) return db.lastError();
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
        // Whatever stops the opening past this point is said once; only a
        // file that is no database is set aside.
        auto stop = [&opening, &c](const QSqlError& error) {
            c.Close();
            opening.fault = FaultOf(error) == Fault::Locked ? Fault::Locked : Fault::CannotOpen;
            opening.detail = error.text();
        };
        QSqlError error;
        const std::optional<int> version = VersionOf(c.db, error);
        if (!version && FaultOf(error) != Fault::Corrupt) {
            stop(error);
            return opening;
        }
        if (!version) {
            // Not a database: kept aside, and a fresh chronicle begun.
            c.Close();
            if (attempt > 0) {
                opening.fault = Fault::CannotOpen;
                opening.detail = error.text();
                return opening;
            }
            const QString aside = path + QStringLiteral(".bad");
            QFile::remove(aside);
            if (!QFile::rename(path, aside)) {
                opening.fault = Fault::CannotOpen;
                opening.detail = QStringLiteral("cannot set %1 aside").arg(path);
                return opening;
            }
            // Its log goes with it: a fresh file must not take up another's pages.
            QFile::remove(aside + QStringLiteral("-wal"));
            QFile::rename(path + QStringLiteral("-wal"), aside + QStringLiteral("-wal"));
            QFile::remove(path + QStringLiteral("-shm"));
            opening.fault = Fault::Corrupt;
            opening.detail = error.text();
            continue;
        }
        if (*version > SchemaVersion) {
            c.Close();
            opening.fault = Fault::Newer;
            opening.detail =
                QStringLiteral("schema %1, this program writes %2").arg(*version).arg(SchemaVersion);
            return opening;
        }
        std::optional<QSqlError> failed = Run(
            c.db, {QStringLiteral("PRAGMA journal_mode = WAL"), QStringLiteral("PRAGMA foreign_keys = ON")});
        if (!failed) failed = Migrate(c.db, *version);
        if (failed) {
            stop(*failed);
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
    if (!recording_) return false;
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    if (!db.isOpen()) return false;
    if (!db.transaction()) return WriteFailed(db.lastError().text());
    QSqlQuery query(db);
    auto fail = [this, &db, &query] {
        const QString detail = query.lastError().isValid() ? query.lastError().text() : db.lastError().text();
        db.rollback();
        return WriteFailed(detail);
    };
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

bool ChronicleDatabase::WriteFailed(const QString& detail) {
    if (recording_) {
        recording_ = false;
        if (onWriteFailure) onWriteFailure(detail);
    }
    return false;
}

bool ChronicleDatabase::InsertConquest(int event, int entry, int province, int price, int previousOwner,
                                       int balanceAfter, std::optional<int> held,
                                       std::optional<int> previousHeld) {
    if (!recording_) return false;
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    if (!db.isOpen()) return false;
    QSqlQuery query(db);
    query.prepare(QStringLiteral(
        "INSERT INTO conquests (at, event, entry, province, price, previous_owner, balance_after,"
        " held, previous_held) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    query.addBindValue(QDateTime::currentDateTime().toString(Qt::ISODate));
    query.addBindValue(event);
    query.addBindValue(entry);
    query.addBindValue(province);
    query.addBindValue(price);
    query.addBindValue(previousOwner);
    query.addBindValue(balanceAfter);
    query.addBindValue(held ? QVariant(*held) : QVariant());
    query.addBindValue(previousHeld ? QVariant(*previousHeld) : QVariant());
    // A statement of its own is a transaction of its own.
    return query.exec() || WriteFailed(query.lastError().text());
}

bool ChronicleDatabase::RecordTake(const TakeRecord& take) {
    return InsertConquest(TakeEvent, take.entry, take.province, take.price, take.previousOwner,
                          take.balanceAfter, take.held, take.previousHeld);
}

bool ChronicleDatabase::RecordUnification(int entry) {
    return InsertConquest(UnificationEvent, entry, -1, 0, -1, 0, std::nullopt, std::nullopt);
}

bool ChronicleDatabase::RecordReset() {
    return InsertConquest(ResetEvent, -1, -1, 0, -1, 0, std::nullopt, std::nullopt);
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
    totals.takes = count(QStringLiteral("SELECT COUNT(*) FROM conquests WHERE event = %1").arg(TakeEvent));
    totals.unifications =
        count(QStringLiteral("SELECT COUNT(*) FROM conquests WHERE event = %1").arg(UnificationEvent));
    if (query.exec(QStringLiteral("SELECT result, COUNT(*) FROM battles GROUP BY result"))) {
        while (query.next()) {
            const int kind = query.value(0).toInt();
            if (kind >= 0 && kind < static_cast<int>(totals.results.size()))
                totals.results[static_cast<std::size_t>(kind)] = query.value(1).toInt();
        }
    }
    return totals;
}

std::vector<ChronicleDatabase::KokuPoint> ChronicleDatabase::ReadKokuAfterMatches() const {
    std::vector<KokuPoint> points;
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT ended, balance3 FROM matches ORDER BY ended, id"))) return points;
    while (query.next())
        points.push_back(
            {QDateTime::fromString(query.value(0).toString(), Qt::ISODate), query.value(1).toInt()});
    return points;
}

std::vector<ChronicleDatabase::HoldingPoint> ChronicleDatabase::ReadProvincesHeld(int entry) const {
    std::vector<HoldingPoint> points;
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    QSqlQuery query(db);
    query.setForwardOnly(true);
    query.prepare(
        QStringLiteral("SELECT at, event, entry, held, previous_held FROM conquests"
                       " WHERE event != ? OR entry = ? OR previous_owner = ? ORDER BY at, id"));
    query.addBindValue(TakeEvent);
    query.addBindValue(entry);
    query.addBindValue(entry);
    if (!query.exec()) return points;
    while (query.next()) {
        const QDateTime at = QDateTime::fromString(query.value(0).toString(), Qt::ISODate);
        if (query.value(1).toInt() != TakeEvent) {
            points.push_back({at, InitialProvincesHeld(entry)});
            continue;
        }
        const QVariant held = query.value(query.value(2).toInt() == entry ? 3 : 4);
        if (!held.isNull()) points.push_back({at, held.toInt()});
    }
    return points;
}

std::optional<ChronicleDatabase::MatchBoard> ChronicleDatabase::ReadMatchBoard(qlonglong id) const {
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    QSqlQuery query(db);
    query.prepare(QStringLiteral("SELECT ended, name0, name1, name2, name3 FROM matches WHERE id = ?"));
    query.addBindValue(id);
    if (!query.exec() || !query.next()) return std::nullopt;
    MatchBoard board;
    board.ended = QDateTime::fromString(query.value(0).toString(), Qt::ISODate);
    for (int participant = 0; participant < SeatCount; ++participant)
        board.names[static_cast<std::size_t>(participant)] =
            query.value(1 + participant).toString().toStdString();
    query.prepare(
        QStringLiteral("SELECT game, score0, score1, score2, score3 FROM games WHERE match_id = ?"));
    query.addBindValue(id);
    if (!query.exec()) return std::nullopt;
    while (query.next()) {
        const int game = query.value(0).toInt();
        if (game < 1 || game > 10) continue;
        for (int participant = 0; participant < SeatCount; ++participant)
            board.scores[static_cast<std::size_t>(game - 1)][static_cast<std::size_t>(participant)] =
                query.value(1 + participant).toInt();
    }
    return board;
}

void ChronicleDatabase::ListMatches(QSqlQueryModel& model) const {
    model.setQuery(
        QStringLiteral("SELECT id, ended, entry, name3, credited3,"
                       " 1 + (credited0 > credited3) + (credited1 > credited3) + (credited2 > credited3),"
                       " name0 || '・' || name1 || '・' || name2"
                       " FROM matches ORDER BY ended DESC, id DESC"),
        QSqlDatabase::database(connection_, false));
}

void ChronicleDatabase::ListConquests(QSqlQueryModel& model) const {
    model.setQuery(QStringLiteral("SELECT at, event, entry, province, price, previous_owner, balance_after"
                                  " FROM conquests ORDER BY at DESC, id DESC"),
                   QSqlDatabase::database(connection_, false));
}

}  // namespace tesseran
