// SPDX-License-Identifier: MIT
// The game with a data folder it may not write to (a read-only home, a
// folder another user owns): the chronicle cannot be made there, which is
// said once at start-up, and the game plays whole matches and credits them
// all the same. Folder modes do not stop root, so as root the game runs as
// the unprivileged user "nobody".
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr uid_t Nobody = 65534;

TEST(ReadOnlyData, TheChronicleIsSaidUnavailableOnceAndTheGamePlaysOn) {
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const bool asRoot = geteuid() == 0;
    ASSERT_EQ(::chmod(QFile::encodeName(root.path()).constData(), 0755), 0);
    for (const char* folder : {"home", "config/Brindlewick", "data/Brindlewick/Tesseran", "run", "tmp"})
        ASSERT_TRUE(QDir(root.path()).mkpath(folder));
    const QString settingsPath = root.filePath("config/Brindlewick/Tesseran.conf");
    {
        QSettings initial(settingsPath, QSettings::IniFormat);
        initial.setValue("Settei/AutoStart", 1);
        initial.setValue("Settei/Language", "ja");
        initial.setValue("Settei/Koukaon", 0);
        initial.setValue("Settei/RuleRem", 0);
        initial.setValue("Settei/DspRem", 0);
    }
    // Everything of the player's is his, but the data folder.
    for (const char* path :
         {"home", "config", "config/Brindlewick", "config/Brindlewick/Tesseran.conf", "run", "tmp"}) {
        if (!asRoot) break;
        ASSERT_EQ(::chown(QFile::encodeName(root.filePath(path)).constData(), Nobody, Nobody), 0) << path;
    }
    ASSERT_EQ(::chmod(QFile::encodeName(root.filePath("run")).constData(), 0700), 0);
    for (const char* path : {"data/Brindlewick/Tesseran", "data/Brindlewick", "data"})
        ASSERT_EQ(::chmod(QFile::encodeName(root.filePath(path)).constData(), 0555), 0) << path;

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("HOME", root.filePath("home"));
    environment.insert("XDG_CONFIG_HOME", root.filePath("config"));
    environment.insert("XDG_DATA_HOME", root.filePath("data"));
    environment.insert("XDG_RUNTIME_DIR", root.filePath("run"));
    environment.insert("TMPDIR", root.filePath("tmp"));
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    QProcess game;
    game.setProcessEnvironment(environment);
    if (asRoot) {
        game.start("setpriv", {"--reuid=65534", "--regid=65534", "--clear-groups", TESSERAN_DRILL_GAME});
    } else {
        game.start(TESSERAN_DRILL_GAME, {});
    }
    ASSERT_TRUE(game.waitForStarted(10000));

    // A match is played to its end and credited.
    QByteArray output;
    // Read as the file stands: this process's QSettings would answer from
    // the copy it read when it wrote the file.
    auto credited = [&settingsPath] {
        QFile file(settingsPath);
        return file.open(QIODevice::ReadOnly) && file.readAll().contains("\nCredited=");
    };
    const QDeadlineTimer deadline(120000);
    while (!credited() && !deadline.hasExpired() && game.state() == QProcess::Running) {
        game.waitForReadyRead(200);
        output += game.readAllStandardOutput();
    }
    const bool running = game.state() == QProcess::Running;
    game.kill();
    game.waitForFinished(10000);
    output += game.readAllStandardOutput();
    EXPECT_TRUE(running) << game.readAllStandardError().toStdString();
    EXPECT_TRUE(credited()) << "no match was credited";
    // Said once: the drill prints every box it answers.
    EXPECT_EQ(output.count("box 戦績の記録を開けないため"), 1) << output.toStdString();
    EXPECT_FALSE(QFile::exists(root.filePath("data/Brindlewick/Tesseran/chronicle.sqlite")));

    for (const char* path : {"data", "data/Brindlewick", "data/Brindlewick/Tesseran"})
        ::chmod(QFile::encodeName(root.filePath(path)).constData(), 0755);
}

}  // namespace
