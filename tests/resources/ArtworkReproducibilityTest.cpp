// SPDX-License-Identifier: MIT
// The art generator as a black box: two runs into two empty folders give the
// same files byte for byte (no clock, no randomness), those files are the ones
// compiled into the program, and the contact sheet for review is written.
#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#ifndef TESSERAN_ARTGEN_PATH
#error "the build must tell this test where the art generator is"
#endif

namespace {

struct Run {
    int exitCode = -1;
    QByteArray errors;
};

Run RunGenerator(const QStringList& arguments) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(TESSERAN_ARTGEN_PATH), arguments);
    if (!process.waitForFinished(120000)) return {};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardError()};
}

// Every file under `folder`, by path relative to it, with its bytes' hash.
QMap<QString, QByteArray> Fingerprints(const QString& folder) {
    QMap<QString, QByteArray> fingerprints;
    QDirIterator files(folder, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString path = files.next();
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) continue;
        fingerprints.insert(QDir(folder).relativeFilePath(path),
                            QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256));
    }
    return fingerprints;
}

}  // namespace

class ArtworkReproducibilityTest : public QObject {
    Q_OBJECT

private slots:
    void TwoRunsGiveIdenticalFiles() {
        QTemporaryDir first, second;
        QVERIFY(first.isValid() && second.isValid());
        const Run firstRun = RunGenerator({QStringLiteral("--output"), first.path()});
        QVERIFY2(firstRun.exitCode == 0, firstRun.errors.constData());
        const Run secondRun = RunGenerator({QStringLiteral("--output"), second.path()});
        QVERIFY2(secondRun.exitCode == 0, secondRun.errors.constData());

        const QMap<QString, QByteArray> firstFiles = Fingerprints(first.path());
        const QMap<QString, QByteArray> secondFiles = Fingerprints(second.path());
        // 24 bitmaps and 12 of them again in English, 3 cursors, 7 icons,
        // 13 waves and the data file.
        QCOMPARE(firstFiles.size(), 60);
        QCOMPARE(firstFiles.keys(), secondFiles.keys());
        for (auto file = firstFiles.cbegin(); file != firstFiles.cend(); ++file) {
            QVERIFY2(secondFiles.value(file.key()) == file.value(), qPrintable(file.key() + " differs"));
        }
        QVERIFY(firstFiles.contains(QStringLiteral("TesseranSys.dll")));
        QVERIFY(firstFiles.contains(QStringLiteral("bitmaps/130.png")));
        QVERIFY(firstFiles.contains(QStringLiteral("waves/184.wav")));
        QVERIFY(!firstFiles.contains(QStringLiteral("bitmaps/182.png")));
    }

    void GeneratedFilesAreTheCompiledInOnes() {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        QVERIFY(RunGenerator({QStringLiteral("--output"), folder.path()}).exitCode == 0);
        const QMap<QString, QByteArray> files = Fingerprints(folder.path());
        for (auto file = files.cbegin(); file != files.cend(); ++file) {
            if (file.key() == QStringLiteral("TesseranSys.dll")) continue;
            QFile compiled(QStringLiteral(":/") + file.key());
            QVERIFY2(compiled.open(QIODevice::ReadOnly), qPrintable(file.key() + " is not compiled in"));
            QCOMPARE(QCryptographicHash::hash(compiled.readAll(), QCryptographicHash::Sha256), file.value());
        }
    }

    void ContactSheetShowsTheWholeSheetAndMore() {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString path = folder.filePath(QStringLiteral("contact.png"));
        const Run run = RunGenerator({QStringLiteral("--contact-sheet"), path});
        QVERIFY2(run.exitCode == 0, run.errors.constData());
        const QImage sheet(path);
        QVERIFY(!sheet.isNull());
        QVERIFY(sheet.width() > 1661);
        QVERIFY(sheet.height() > 860 + 500);
    }

    void GeneratorWithoutATaskExplainsItself() {
        const Run run = RunGenerator({});
        QCOMPARE(run.exitCode, 2);
        QVERIFY(run.errors.contains("--output"));
    }

    void UnwritableFolderIsReportedAsAFailure() {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString blocker = folder.filePath(QStringLiteral("file"));
        QFile file(blocker);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        // A folder cannot be made inside a plain file.
        const Run run = RunGenerator({QStringLiteral("--output"), blocker + QStringLiteral("/art")});
        QCOMPARE(run.exitCode, 1);
    }
};

QTEST_GUILESS_MAIN(ArtworkReproducibilityTest)
#include "ArtworkReproducibilityTest.moc"
