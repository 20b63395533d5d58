// SPDX-License-Identifier: MIT
// The chronicle as an SQLite file: one transaction per finished match or
// conquest step, in
// WAL mode, with the schema's version in the file (PRAGMA user_version) and
// the steps that bring an older file up to date.
#pragma once

#include "campaign/Campaign.h"
#include "engine/Chronicle.h"

#include <QDateTime>
#include <QString>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QSqlQueryModel;

namespace tesseran {

class ChronicleDatabase final : public ChronicleSink, public CampaignChronicle {
public:
    // The schema this program writes; a file of a newer one is left alone.
    static constexpr int SchemaVersion = 3;

    enum class Fault {
        None,
        CannotOpen,  // the file or its folder cannot be opened or created
        Corrupt,     // not a database; kept aside as FILE.bad, and a fresh one started
        Newer,       // written by a newer program: not touched
        Locked,      // another program holds it; not touched
    };
    struct Opening {
        std::unique_ptr<ChronicleDatabase> database;  // null when the chronicle is off
        Fault fault = Fault::None;
        QString detail;  // the driver's words, for the log
    };
    // The file's name in the program's data folder.
    static constexpr const char* FileName = "chronicle.sqlite";
    // Opens (or creates) the chronicle at `path`. After Corrupt the fresh
    // chronicle is open; after the other faults there is none.
    static Opening Open(const QString& path);

    ~ChronicleDatabase() override;
    ChronicleDatabase(const ChronicleDatabase&) = delete;
    ChronicleDatabase& operator=(const ChronicleDatabase&) = delete;

    // A match whose id is already recorded is not recorded again (a match
    // resumed after a crash ends once).
    bool RecordMatch(const MatchRecord& match) override;
    // Each take, unification and reset of the campaign, in a transaction of its own.
    bool RecordTake(const TakeRecord& take) override;
    bool RecordUnification(int entry) override;
    bool RecordReset() override;

    // Called once, with the driver's words, when something could not be
    // recorded (a locked file, a full disk). From then on nothing more is
    // recorded until the chronicle is opened again, so a file that cannot be
    // written costs one wait, not one at every take; reading goes on.
    std::function<void(const QString& detail)> onWriteFailure;
    bool recording() const { return recording_; }

    struct Totals {
        int matches = 0;
        int games = 0;
        int battles = 0;
        std::array<int, static_cast<int>(BattleResult::Count)> results{};
        int takes = 0;
        int unifications = 0;
    };
    Totals ReadTotals() const;

    // How the player (participant 3, whichever roster entry) has fared, read
    // with a handful of aggregate queries over the whole chronicle.
    struct MatchLine {
        qlonglong id = 0;
        QString ended;
        int total = 0;  // the player's koku from the match
    };
    struct PlayerSummary {
        int battles = 0;
        int battlesWon = 0;  // by the player's group
        int battlesAsRelated = 0;
        int wonAsRelated = 0;
        int battlesAsUnrelated = 0;
        int wonAsUnrelated = 0;
        double meanScorePerGame = 0;
        std::optional<MatchLine> best;
        std::optional<MatchLine> worst;
    };
    PlayerSummary ReadPlayerSummary() const;

    // The player's koku after each match, oldest first.
    struct KokuPoint {
        QDateTime ended;
        int koku = 0;
    };
    std::vector<KokuPoint> ReadKokuAfterMatches() const;

    // How many provinces the entry held after each step of the campaign that
    // changed it, oldest first: its takes, the takes from it, and every
    // unification and reset (after which it holds its home again). Steps
    // recorded before the chronicle kept the counts are passed over.
    struct HoldingPoint {
        QDateTime at;
        int held = 0;
    };
    std::vector<HoldingPoint> ReadProvincesHeld(int entry) const;

    // One match's score board: the participants' names and the ten games'
    // points, as the table showed them at its end.
    struct MatchBoard {
        QDateTime ended;
        std::array<std::string, SeatCount> names{};
        std::array<std::array<int, SeatCount>, 10> scores{};
    };
    std::optional<MatchBoard> ReadMatchBoard(qlonglong id) const;

    // Lists for views, read as the view scrolls rather than all at once.
    // Matches, newest first: id, ended, entry, the player's name, the
    // player's koku from the match, the player's place (1..4), the three
    // others' names.
    enum MatchColumn { MatchId, MatchEnded, MatchEntry, MatchPlayer, MatchKoku, MatchPlace, MatchOthers };
    void ListMatches(QSqlQueryModel& model) const;
    // Conquests, newest first: at, event (0 take, 1 unification, 2 reset),
    // entry, province, price, previous owner, balance after.
    enum ConquestColumn {
        ConquestAt,
        ConquestEvent,
        ConquestEntry,
        ConquestProvince,
        ConquestPrice,
        ConquestPreviousOwner,
        ConquestBalance
    };
    enum ConquestEvent { TakeEvent = 0, UnificationEvent = 1, ResetEvent = 2 };
    void ListConquests(QSqlQueryModel& model) const;

    // The chronicle as two CSV files (RFC 4180, UTF-8): one line per match,
    // one per battle, read and written a row at a time. Each file is written
    // whole or not at all; false, with the reason, when either could not be.
    bool ExportCsv(const QString& matchesPath, const QString& battlesPath, QString& error) const;

private:
    explicit ChronicleDatabase(QString connection);
    // Reports a failed record once and stops recording; always false.
    bool WriteFailed(const QString& detail);
    bool InsertConquest(int event, int entry, int province, int price, int previousOwner, int balanceAfter,
                        std::optional<int> held, std::optional<int> previousHeld);

    QString connection_;
    bool recording_ = true;
};

}  // namespace tesseran
