// SPDX-License-Identifier: MIT
// tesseran-mapgen as a black box: two runs write the same bytes, the check of
// the committed position table passes and catches a stale one, and writing
// the table reproduces the committed file.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#ifndef TESSERAN_MAPGEN_PATH
#error "the build must say where the map generator is"
#endif
#ifndef TESSERAN_POSITION_TABLE
#error "the build must say where the position table is"
#endif

namespace {

struct GeneratorRun {
    int exitCode = -1;
    QByteArray errors;
};

GeneratorRun RunGenerator(const QStringList& arguments) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(TESSERAN_MAPGEN_PATH), arguments);
    if (!process.waitForFinished(180000)) return {};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardError()};
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(MapGenerator, TwoRunsWriteIdenticalPictures) {
    QTemporaryDir first;
    QTemporaryDir second;
    ASSERT_TRUE(first.isValid() && second.isValid());
    const GeneratorRun firstRun = RunGenerator({QStringLiteral("--output"), first.path()});
    ASSERT_EQ(firstRun.exitCode, 0) << firstRun.errors.toStdString();
    const GeneratorRun secondRun = RunGenerator({QStringLiteral("--output"), second.path()});
    ASSERT_EQ(secondRun.exitCode, 0) << secondRun.errors.toStdString();
    for (const QString& name :
         {QStringLiteral("163.png"), QStringLiteral("164.png"), QStringLiteral("185.png")}) {
        const QByteArray bytes = ReadAll(first.filePath(QStringLiteral("bitmaps/") + name));
        EXPECT_FALSE(bytes.isEmpty()) << name.toStdString();
        EXPECT_EQ(bytes, ReadAll(second.filePath(QStringLiteral("bitmaps/") + name))) << name.toStdString();
    }
}

TEST(MapGenerator, CheckPassesForTheCommittedTable) {
    const GeneratorRun run = RunGenerator({QStringLiteral("--check")});
    EXPECT_EQ(run.exitCode, 0) << run.errors.toStdString();
}

TEST(MapGenerator, CheckFailsForAStaleTable) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QByteArray stale = ReadAll(QStringLiteral(TESSERAN_POSITION_TABLE));
    ASSERT_FALSE(stale.isEmpty());
    const qsizetype row = stale.indexOf("    {");
    ASSERT_GE(row, 0);
    stale.insert(row + 5, "1");
    const QString path = folder.filePath(QStringLiteral("ProvincePositions.cpp"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(stale);
    file.close();
    const GeneratorRun run = RunGenerator({QStringLiteral("--check"), QStringLiteral("--table"), path});
    EXPECT_NE(run.exitCode, 0);
    EXPECT_TRUE(run.errors.contains("does not match")) << run.errors.toStdString();
}

TEST(MapGenerator, WritingTheTableReproducesTheCommittedFile) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("ProvincePositions.cpp"));
    const GeneratorRun run = RunGenerator({QStringLiteral("--write-table"), QStringLiteral("--table"), path});
    ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();
    EXPECT_EQ(ReadAll(path), ReadAll(QStringLiteral(TESSERAN_POSITION_TABLE)));
}

TEST(MapGenerator, RunWithoutATaskFails) { EXPECT_NE(RunGenerator({}).exitCode, 0); }

TEST(MapGenerator, MissingCoastlineFails) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const GeneratorRun run =
        RunGenerator({QStringLiteral("--outline"), folder.filePath(QStringLiteral("none.txt")),
                      QStringLiteral("--output"), folder.path()});
    EXPECT_NE(run.exitCode, 0);
    EXPECT_FALSE(QFile::exists(folder.filePath(QStringLiteral("bitmaps/163.png"))));
}

}  // namespace
