// SPDX-License-Identifier: MIT
// The chronicle as an SQLite file: one transaction per finished match or
// conquest step, in
// WAL mode, with the schema's version in the file (PRAGMA user_version) and
// the steps that bring an older file up to date.
#pragma once

#include "campaign/Campaign.h"
#include "engine/Chronicle.h"

#include <QString>

#include <array>
#include <memory>
#include <optional>

namespace tesseran {

class ChronicleDatabase final : public ChronicleSink, public CampaignChronicle {
public:
    // The schema this program writes; a file of a newer one is left alone.
    static constexpr int SchemaVersion = 2;

    enum class Fault {
        None,
        CannotOpen,  // the file or its folder cannot be opened or created
        Corrupt,     // not a database; kept aside as FILE.bad, and a fresh one started
        Newer,       // written by a newer program: not touched
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
    // Each take and unification of the campaign, in a transaction of its own.
    bool RecordTake(const TakeRecord& take) override;
    bool RecordUnification(int entry) override;

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

    // The chronicle as two CSV files (RFC 4180, UTF-8): one line per match,
    // one per battle, read and written a row at a time. Each file is written
    // whole or not at all; false, with the reason, when either could not be.
    bool ExportCsv(const QString& matchesPath, const QString& battlesPath, QString& error) const;

private:
    explicit ChronicleDatabase(QString connection);
    QString connection_;
};

}  // namespace tesseran
