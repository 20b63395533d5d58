// SPDX-License-Identifier: MIT
// statistics-shots: pictures of the statistics window for looking at, drawn
// offscreen with the real window over a chronicle of simulated matches and a
// campaign of a few weeks: every page, at the window's usual size.
//
//   statistics-shots [DIR] [MATCHES]    (default /tmp/statistics-shots, 60)
#include "base/SettingsStore.h"
#include "campaign/Campaign.h"
#include "chronicle/ChronicleDatabase.h"
#include "sim/Simulation.h"
#include "statistics/StatisticsWindow.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTabWidget>
#include <QTest>

#include <cstdio>

namespace {

using namespace tesseran;

// The campaign's steps all happen as the tool runs; spread over the last
// few weeks they look as a player's would.
void SpreadConquestsOverWeeks(const QString& path) {
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("spread"));
        db.setDatabaseName(path);
        if (db.open()) {
            QSqlQuery query(db);
            query.exec(QStringLiteral("SELECT COUNT(*) FROM conquests"));
            const int count = query.next() ? query.value(0).toInt() : 0;
            const QDateTime start = QDateTime::currentDateTime().addDays(-21);
            for (int id = 1; id <= count; ++id) {
                query.prepare(QStringLiteral("UPDATE conquests SET at = ? WHERE id = ?"));
                query.addBindValue(
                    start.addSecs(qint64(id) * 21 * 86400 / (count + 1)).toString(Qt::ISODate));
                query.addBindValue(id);
                query.exec();
            }
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("spread"));
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const QString folder =
        argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("/tmp/statistics-shots");
    const int matches = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 60;
    QDir().mkpath(folder);
    const QString path = QDir(folder).filePath(QStringLiteral("chronicle.sqlite"));
    QFile::remove(path);

    MemorySettingsStore store;
    {
        auto opening = ChronicleDatabase::Open(path);
        if (!opening.database) {
            std::printf("FAILED to open %s\n", qPrintable(path));
            return 1;
        }
        sim::SimulationOptions options;
        options.matches = matches;
        options.chronicle = opening.database.get();
        sim::RunSimulation(options, nullptr);
        // The player takes a few provinces, loses one, takes more.
        InitialiseCampaignAtStartUp(store);
        SetBalance(store, 0, 900);
        SetBalance(store, 5, 100);
        for (int take = 0; take < 6; ++take) Take(store, 0, NextTarget(store, 0), opening.database.get());
        Take(store, 5, HomeProvince(0), opening.database.get());
        for (int take = 0; take < 4; ++take) Take(store, 0, NextTarget(store, 0), opening.database.get());
    }
    SpreadConquestsOverWeeks(path);

    auto opening = ChronicleDatabase::Open(path);
    StatisticsWindow window(*opening.database, 0, ProvincesHeld(store, 0));
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) return 1;
    const char* names[] = {"figures", "charts", "matches", "conquests"};
    bool ok = true;
    for (int page = 0; page < window.pages()->count(); ++page) {
        window.pages()->setCurrentIndex(page);
        QTest::qWait(50);
        const QString file = QDir(folder).filePath(QStringLiteral("%1-%2.png").arg(page).arg(names[page]));
        const bool saved = window.grab().save(file);
        std::printf("%s %s\n", saved ? "wrote" : "FAILED", qPrintable(file));
        ok = ok && saved;
    }
    return ok ? 0 : 1;
}
