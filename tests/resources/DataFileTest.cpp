// SPDX-License-Identifier: MIT
// The card sheet's data file as the build leaves it next to the executable,
// read back through the same reader the game uses: it is a 1661 x 860 sheet
// laid out by card code, whatever its first four bytes say, and files that
// are no card sheet are refused without harm.
#include "resources/DataFile.h"
#include "resources/ResourceCatalogue.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

#ifndef TESSERAN_DATA_FILE_PATH
#error "the build must tell this test where the data file is"
#endif

namespace {

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

bool WriteAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

QImage Cell(const QImage& sheet, int code) {
    return sheet.copy((code % 11) * tesseran::CardWidth, (code / 11) * tesseran::CardHeight,
                      tesseran::CardWidth, tesseran::CardHeight);
}

// Mean difference per colour channel between two pictures of the same size.
double MeanDifference(const QImage& first, const QImage& second) {
    double total = 0;
    for (int y = 0; y < first.height(); ++y) {
        for (int x = 0; x < first.width(); ++x) {
            const QRgb a = first.pixel(x, y), b = second.pixel(x, y);
            total +=
                std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
        }
    }
    return total / (3.0 * first.width() * first.height());
}

// Position of the first start-of-frame marker's height field, or -1.
qsizetype FrameSizeOffset(const QByteArray& jpeg) {
    for (qsizetype at = 2; at + 9 < jpeg.size(); ++at) {
        const auto marker = static_cast<unsigned char>(jpeg[at + 1]);
        if (static_cast<unsigned char>(jpeg[at]) == 0xFF &&
            (marker == 0xC0 || marker == 0xC1 || marker == 0xC2)) {
            return at + 5;
        }
    }
    return -1;
}

}  // namespace

class DataFileTest : public QObject {
    Q_OBJECT

private:
    const QString dataFile_ = QStringLiteral(TESSERAN_DATA_FILE_PATH);
    QImage sheet_;
    QTemporaryDir folder_;

private slots:
    void initTestCase() {
        QVERIFY2(QFile::exists(dataFile_), qPrintable(dataFile_));
        QVERIFY(folder_.isValid());
        sheet_ = tesseran::DecodeCardSheetFile(dataFile_);
    }

    void DataFileDecodesToTheWholeSheet() {
        QVERIFY(!sheet_.isNull());
        QCOMPARE(sheet_.size(), QSize(1661, 860));
    }

    void DataFileDoesNotStartWithTheJpegSignature() {
        const QByteArray bytes = ReadAll(dataFile_);
        QVERIFY(bytes.size() > 4);
        QVERIFY(!bytes.startsWith(QByteArray("\xFF\xD8\xFF", 3)));
    }

    void JokerAndThePresetBacksAreWhereTheCodesSay() {
        // Code 0 (joker) and the codes 11, 22, 33, 34 (no cards: the four
        // preset backs) must each show a picture of its own.
        const QImage joker = Cell(sheet_, 0);
        for (const int back : tesseran::PresetBackCodes) {
            QVERIFY2(MeanDifference(joker, Cell(sheet_, back)) > 20, qPrintable(QString::number(back)));
        }
        for (int first = 0; first < 4; ++first) {
            for (int second = first + 1; second < 4; ++second) {
                QVERIFY(MeanDifference(Cell(sheet_, tesseran::PresetBackCodes[first]),
                                       Cell(sheet_, tesseran::PresetBackCodes[second])) > 20);
            }
        }
    }

    void EveryCardHasAFaceOfItsOwn() {
        // Any two cards differ visibly; the same pips in another suit differ
        // at least by colour and shape.
        QList<int> codes{0};
        for (int suit = 0; suit < 4; ++suit) {
            for (int rank = (suit == 3 ? 2 : 1); rank <= 10; ++rank) codes << suit * 11 + rank;
        }
        QCOMPARE(codes.size(), 40);
        QList<QImage> cells;
        for (const int code : codes) cells << Cell(sheet_, code);
        for (int first = 0; first < cells.size(); ++first) {
            for (int second = first + 1; second < cells.size(); ++second) {
                QVERIFY2(
                    MeanDifference(cells[first], cells[second]) > 1.0,
                    qPrintable(QStringLiteral("%1 and %2 look alike").arg(codes[first]).arg(codes[second])));
            }
        }
    }

    void AnyFirstFourBytesStillDecode_data() {
        QTest::addColumn<QByteArray>("header");
        QTest::newRow("the JPEG signature itself") << QByteArray("\xFF\xD8\xFF\xE0", 4);
        QTest::newRow("zeros") << QByteArray(4, '\0');
        QTest::newRow("all ones") << QByteArray(4, '\xFF');
        QTest::newRow("letters") << QByteArray("MZ\x90\x00", 4);
    }

    void AnyFirstFourBytesStillDecode() {
        QFETCH(QByteArray, header);
        QByteArray bytes = ReadAll(dataFile_);
        bytes.replace(0, 4, header);
        const QString path = folder_.filePath(QStringLiteral("patched.dll"));
        QVERIFY(WriteAll(path, bytes));
        const QImage decoded = tesseran::DecodeCardSheetFile(path);
        QCOMPARE(decoded, sheet_);
    }

    void ReadingLeavesTheFileUntouched() {
        const QByteArray before = ReadAll(dataFile_);
        QVERIFY(!tesseran::DecodeCardSheetFile(dataFile_).isNull());
        QCOMPARE(QCryptographicHash::hash(ReadAll(dataFile_), QCryptographicHash::Sha256),
                 QCryptographicHash::hash(before, QCryptographicHash::Sha256));
    }

    void FilesThatAreNoCardSheetGiveNullImages_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("only four bytes") << QByteArray("\xFF\xD8\xFF\xE0", 4);
        QTest::newRow("text") << QByteArray("this is not a picture at all, only some words");
        QTest::newRow("a PNG") << [] {
            QImage image(4, 4, QImage::Format_RGB32);
            image.fill(Qt::red);
            QByteArray png;
            QBuffer buffer(&png);
            buffer.open(QIODevice::WriteOnly);
            image.save(&buffer, "png");
            return png;
        }();
    }

    void FilesThatAreNoCardSheetGiveNullImages() {
        QFETCH(QByteArray, bytes);
        const QString path = folder_.filePath(QStringLiteral("wrong.dll"));
        QVERIFY(WriteAll(path, bytes));
        QVERIFY(tesseran::DecodeCardSheetFile(path).isNull());
    }

    void MissingFileGivesNullImage() {
        QVERIFY(tesseran::DecodeCardSheetFile(folder_.filePath(QStringLiteral("absent.dll"))).isNull());
        QVERIFY(tesseran::DecodeCardSheetFile(QString()).isNull());
    }

    void ImplausiblyLargePictureIsRefusedBeforeDecoding() {
        // The frame header claims 60000 x 60000 pixels: about 14 GB decoded.
        QByteArray bytes = ReadAll(dataFile_);
        const qsizetype at = FrameSizeOffset(bytes);
        QVERIFY(at > 0);
        for (const qsizetype field : {at, at + 2}) {
            bytes[field] = static_cast<char>(0xEA);
            bytes[field + 1] = static_cast<char>(0x60);
        }
        const QString path = folder_.filePath(QStringLiteral("huge.dll"));
        QVERIFY(WriteAll(path, bytes));
        QVERIFY(tesseran::DecodeCardSheetFile(path).isNull());
    }
};

QTEST_GUILESS_MAIN(DataFileTest)
#include "DataFileTest.moc"
