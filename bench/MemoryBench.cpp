// SPDX-License-Identifier: MIT
// How much memory the game takes: the peak resident size (VmHWM) of the
// game right after start-up, of the game after a whole match played through
// its window, and of the peek process showing a hand. Each figure comes from
// a process of its own, started afresh (this program again, as the game with
// a scripted player), so that one measurement never inflates the next; the
// benchmark reports them as counters in megabytes.
#include "app/CMainFrame.h"
#include "app/CTorvelApp.h"
#include "app/TableView.h"
#include "base/ResourceIds.h"
#include "base/StringTable.h"
#include "common/ScriptedHuman.h"
#include "dialogs/CMonSel.h"
#include "dialogs/CSengen.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QMessageBox>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace tesseran {
namespace {

// The peak resident size of this process in kB, from /proc.
long PeakResidentKilobytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:")) return line.mid(6).trimmed().split(' ').front().toLong();
    }
    return -1;
}

void Report() {
    std::printf("VmHWM %ld\n", PeakResidentKilobytes());
    std::fflush(stdout);
}

// --- The measured processes ------------------------------------------------------

// The game as a player starts it (the window up, the table drawn, no match),
// or the peek process when "/W" is on the command line.
int RunStartUp(int argc, char** argv) {
    CTorvelApp application(argc, argv);
    if (!application.InitInstance()) return 2;
    QTimer::singleShot(3000, [] {
        Report();
        QCoreApplication::exit(0);
    });
    return application.exec();
}

// A whole match of ten games with the computers at full speed; the human
// plays the first card it may by the keyboard and answers every box. The
// figure is taken at the question that ends the match.
int RunFullMatch(int argc, char** argv) {
    CTorvelApp application(argc, argv);
    if (!application.InitInstance()) return 2;
    TableView* table = application.frame()->table();
    const QByteArray playOn = QByteArray::fromStdString(LoadString(text::PlayOn));
    QTimer player;
    // A key press may open a dialog that runs until it is answered: the press
    // is sent from outside the timer's slot, so that the timer goes on firing
    // to answer it.
    bool pressing = false;
    QObject::connect(&player, &QTimer::timeout, [table, &playOn, &pressing] {
        CFudaDashi& game = table->game();
        if (game.phase >= 1) game.speed = 0;
        if (QWidget* modal = QApplication::activeModalWidget()) {
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                if (box->text().toUtf8() == playOn) {
                    std::printf("Games %d\n", game.gameNo - 1);
                    Report();
                    box->done(QMessageBox::No);
                } else {
                    box->done(box->standardButtons().testFlag(QMessageBox::Yes) ? QMessageBox::Yes
                                                                                : QMessageBox::Ok);
                }
            } else if (auto* suit = qobject_cast<CMonSel*>(modal)) {
                suit->accept();
            } else if (auto* declaration = qobject_cast<CSengen*>(modal)) {
                declaration->reject();
            }
            return;
        }
        if (pressing || !(game.currentSeat == HumanSeat && game.busy == 1 && game.HumanMayPlay())) return;
        game.markedCard = ScriptedHumanPosition(game);
        pressing = true;
        QTimer::singleShot(0, table, [table, &pressing] {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
            QCoreApplication::sendEvent(table, &press);
            pressing = false;
        });
    });
    player.start(1);
    return application.exec();
}

// --- The benchmark side ----------------------------------------------------------------

struct Measured {
    double megabytes = -1;
    int games = 0;  // the games a whole match played
    QString errors;
};

// Runs this program as `role` in a settings, data and runtime folder of its
// own, `runs` times over (a later start finds what an earlier one left, the
// card backs' cache), and reads the figure the last run reports.
Measured Measure(const QString& role, const QByteArray& settings, QStringList extra = {}, int runs = 1) {
    QTemporaryDir home;
    const QString configFolder = home.filePath(QStringLiteral("config/Brindlewick"));
    QDir().mkpath(configFolder);
    QDir().mkpath(home.filePath(QStringLiteral("data")));
    QDir().mkpath(home.filePath(QStringLiteral("runtime")));
    QFile(home.filePath(QStringLiteral("runtime")))
        .setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QFile file(configFolder + QStringLiteral("/Tesseran.conf"));
    if (file.open(QIODevice::WriteOnly)) file.write(settings);
    file.close();

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (!environment.contains(QStringLiteral("QT_QPA_PLATFORM")))
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.filePath(QStringLiteral("runtime")));
    environment.insert(QStringLiteral("TMPDIR"), home.path());
    // Qt's warnings would fill a pipe and stall the game: they go to a file.
    const QString errorFile = home.filePath(QStringLiteral("errors.txt"));
    Measured measured;
    QByteArray output;
    for (int run = 0; run < runs; ++run) {
        QProcess process;
        process.setProcessEnvironment(environment);
        process.setStandardErrorFile(errorFile);
        process.start(QCoreApplication::applicationFilePath(),
                      QStringList{QStringLiteral("--measure"), role} + extra);
        if (!process.waitForFinished(600000) && process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished();
            measured.errors = QStringLiteral("no figure in ten minutes");
            return measured;
        }
        output = process.readAllStandardOutput();
    }
    for (const QByteArray& line : output.split('\n')) {
        if (line.startsWith("VmHWM ")) measured.megabytes = line.mid(6).toDouble() / 1024.0;
        if (line.startsWith("Games ")) measured.games = line.mid(6).toInt();
    }
    if (measured.megabytes < 0) {
        QFile errors(errorFile);
        measured.errors = errors.open(QIODevice::ReadOnly) ? QString::fromUtf8(errors.readAll().right(400))
                                                           : QStringLiteral("no figure");
    }
    return measured;
}

void Run(benchmark::State& state, const QString& role, const QByteArray& settings, QStringList extra = {},
         int runs = 1) {
    Measured measured;
    for (auto _ : state) measured = Measure(role, settings, extra, runs);
    if (measured.megabytes < 0) {
        state.SkipWithError(measured.errors.toStdString().c_str());
        return;
    }
    state.counters["peak_MB"] = measured.megabytes;
    if (measured.games > 0) state.counters["games"] = measured.games;
}

void GameAtFirstStartUp(benchmark::State& state) {
    Run(state, QStringLiteral("start-up"), "[Settei]\nKoukaon=0\n");
}

void GameAtALaterStartUp(benchmark::State& state) {
    Run(state, QStringLiteral("start-up"), "[Settei]\nKoukaon=0\n", {}, 2);
}

void GameAfterAFullMatch(benchmark::State& state) {
    Run(state, QStringLiteral("full-match"),
        "[Settei]\nAutoStart=1\nKoukaon=0\nRuleRem=0\nDspRem=0\nSpeed=1\n");
}

void PeekWindowShowingAHand(benchmark::State& state) {
    Run(state, QStringLiteral("peek"),
        "[Cun]\nNow=1\nName=peek\n1=\"1,2,3,4,5,6,7,8,9,10,\"\nCunningView=1\n", {QStringLiteral("/W")});
}

BENCHMARK(GameAtFirstStartUp)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(GameAtALaterStartUp)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(GameAfterAFullMatch)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(PeekWindowShowingAHand)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
}  // namespace tesseran

int main(int argc, char** argv) {
    if (argc >= 3 && std::strcmp(argv[1], "--measure") == 0) {
        const std::string role = argv[2];
        if (role == "start-up") return tesseran::RunStartUp(argc, argv);
        if (role == "full-match") return tesseran::RunFullMatch(argc, argv);
        if (role == "peek") return tesseran::RunStartUp(argc, argv);
        return 2;
    }
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
