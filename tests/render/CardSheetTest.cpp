// SPDX-License-Identifier: MIT
// Loading the card sheet from its data file: a JPEG of 1661 x 860 whose first
// four bytes are anything at all. The tests make their own data files from a
// sheet of flat-coloured cells, with their own temporary folder standing in
// for the system's.
#include "render/CardSheet.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>

namespace tesseran {
namespace {

// Flat colours, far enough apart to survive JPEG compression.
QRgb CellColour(int code) { return qRgb(20 + 5 * code, 230 - 4 * code, (code * 53) % 200 + 20); }

QImage SyntheticSheet(int width = CardSheetMinimumWidth, int height = CardSheetMinimumHeight) {
    QImage sheet(width, height, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    for (int code = 0; code < 44; ++code) {
        const QRect cell = CardCell(code).intersected(sheet.rect());
        for (int y = cell.top(); y <= cell.bottom(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(sheet.scanLine(y));
            std::fill(line + cell.left(), line + cell.right() + 1, CellColour(code));
        }
    }
    return sheet;
}

QByteArray EncodeJpeg(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "jpeg", 100);
    return bytes;
}

int ChannelDistance(QRgb a, QRgb b) {
    return std::max(
        {std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
}

class CardSheetTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(temporary.isValid());
        ASSERT_TRUE(QDir(temporary.path()).mkdir("data"));
        ASSERT_TRUE(QDir(temporary.path()).mkdir("tmp"));
        hadTemporaryVariable = qEnvironmentVariableIsSet("TMPDIR");
        savedTemporaryVariable = qgetenv("TMPDIR");
        qputenv("TMPDIR", QFile::encodeName(temporary.path() + "/tmp"));
        workFolder = temporary.path() + "/tmp/Tesseran";
        dataFile = temporary.path() + "/data/TesseranSys.dll";
    }
    void TearDown() override {
        if (hadTemporaryVariable) {
            qputenv("TMPDIR", savedTemporaryVariable);
        } else {
            qunsetenv("TMPDIR");
        }
    }

    void WriteDataFile(const QByteArray& bytes) {
        QFile file(dataFile);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }
    QByteArray ReadDataFile() const {
        QFile file(dataFile);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    bool CopyRemains() const { return QFileInfo::exists(workFolder + "/card.jpeg"); }

    QTemporaryDir temporary;
    QString workFolder;
    QString dataFile;
    bool hadTemporaryVariable = false;
    QByteArray savedTemporaryVariable;
};

TEST_F(CardSheetTest, DataFileDecodesWhateverItsFirstFourBytesAreAndStaysUntouched) {
    struct Case {
        const char* name;
        QByteArray firstBytes;
    };
    const Case cases[] = {
        {"zeros", QByteArray(4, '\0')},
        {"the JPEG signature itself", QByteArray("\xFF\xD8\xFF\xE0", 4)},
        {"an executable's header", QByteArray("MZ\x90\x00", 4)},
        {"text", QByteArray("TSRN")},
    };
    const QImage sheet = SyntheticSheet();
    const QByteArray jpeg = EncodeJpeg(sheet);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QByteArray bytes = jpeg;
        bytes.replace(0, 4, c.firstBytes);
        WriteDataFile(bytes);

        const QImage loaded = LoadCardSheet(dataFile);
        ASSERT_EQ(loaded.size(), QSize(1661, 860));
        EXPECT_EQ(loaded.format(), QImage::Format_RGB32);
        for (int code = 0; code < 44; ++code) {
            const QPoint centre = CardCell(code).center();
            EXPECT_LE(ChannelDistance(loaded.pixel(centre), CellColour(code)), 6) << "cell of code " << code;
        }
        EXPECT_EQ(ReadDataFile(), bytes);
        EXPECT_FALSE(CopyRemains());
    }
}

TEST_F(CardSheetTest, LargerSheetKeepsItsOwnSize) {
    WriteDataFile(EncodeJpeg(SyntheticSheet(1700, 900)));
    EXPECT_EQ(LoadCardSheet(dataFile).size(), QSize(1700, 900));
}

TEST_F(CardSheetTest, FailedLoadsGiveNothingAndLeaveNoCopy) {
    struct Case {
        const char* name;
        QByteArray bytes;
    };
    QByteArray cutShort = EncodeJpeg(SyntheticSheet()).left(200);
    QByteArray noise;
    for (int index = 0; index < 20000; ++index) noise.append(static_cast<char>((index * 131) % 256));
    const Case cases[] = {
        {"too narrow", EncodeJpeg(SyntheticSheet(1660, 860))},
        {"too low", EncodeJpeg(SyntheticSheet(1661, 859))},
        {"a PNG",
         [] {
             QByteArray bytes;
             QBuffer buffer(&bytes);
             buffer.open(QIODevice::WriteOnly);
             SyntheticSheet().save(&buffer, "png");
             return bytes;
         }()},
        {"noise", noise},
        {"cut short after its header", cutShort},
        {"cut to half", EncodeJpeg(SyntheticSheet()).left(EncodeJpeg(SyntheticSheet()).size() / 2)},
        {"cut to 1,000 bytes", EncodeJpeg(SyntheticSheet()).left(1000)},
        {"four times as wide as a sheet", EncodeJpeg(SyntheticSheet(4 * 1661 + 1, 860))},
        {"empty", QByteArray()},
        {"three bytes", QByteArray("abc")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WriteDataFile(c.bytes);
        EXPECT_TRUE(LoadCardSheet(dataFile).isNull());
        // The peek window's single cards refuse the same files.
        EXPECT_TRUE(CardSheetCells::FromDataFile(dataFile).Cell(1, CardWidth).isNull());
        EXPECT_FALSE(CopyRemains());
        EXPECT_EQ(ReadDataFile(), c.bytes);
    }
}

TEST_F(CardSheetTest, SingleCardsDecodedOnTheirOwnMatchTheWholeSheet) {
    WriteDataFile(EncodeJpeg(SyntheticSheet()));
    const QImage sheet = LoadCardSheet(dataFile);
    ASSERT_FALSE(sheet.isNull());
    const CardSheetCells cells = CardSheetCells::FromDataFile(dataFile);
    for (int code : {0, 1, 10, 21, 32, 43}) {
        SCOPED_TRACE(code);
        const QRect cell = CardCell(code);
        EXPECT_EQ(cells.Cell(code, CardWidth), sheet.copy(cell));
        EXPECT_EQ(cells.Cell(code, 30), sheet.copy(QRect(cell.topLeft(), QSize(30, CardHeight))));
    }
    EXPECT_TRUE(cells.Cell(11, CardWidth).isNull());  // no card
    EXPECT_TRUE(cells.Cell(1, 0).isNull());
}

TEST_F(CardSheetTest, MissingDataFileFails) {
    EXPECT_TRUE(LoadCardSheet(dataFile).isNull());
    EXPECT_TRUE(LoadCardSheet(temporary.path() + "/data").isNull());
}

TEST_F(CardSheetTest, ReadOnlyDataFileLoads) {
    const QByteArray bytes = EncodeJpeg(SyntheticSheet());
    WriteDataFile(bytes);
    QFile::setPermissions(dataFile, QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
    EXPECT_EQ(LoadCardSheet(dataFile).size(), QSize(1661, 860));
    EXPECT_EQ(ReadDataFile(), bytes);
    EXPECT_FALSE(CopyRemains());
}

TEST_F(CardSheetTest, LoadsWithoutTheWorkFolder) {
    // Decoded in memory: a work folder that cannot be had (or that another
    // copy of the program is busy in) does not matter.
    WriteDataFile(EncodeJpeg(SyntheticSheet()));
    QFile blocker(workFolder);
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_EQ(LoadCardSheet(dataFile).size(), QSize(1661, 860));
}

TEST_F(CardSheetTest, DataFileBesideTheProgramIsFoundAndLoads) {
    const QString beside = QDir(QCoreApplication::applicationDirPath()).filePath("TesseranSys.dll");
    if (!QFileInfo::exists(beside)) GTEST_SKIP() << "no data file has been built beside the tests";
    EXPECT_EQ(CardSheetDataFile(), beside);
    const QImage sheet = LoadCardSheet();
    EXPECT_GE(sheet.width(), 1661);
    EXPECT_GE(sheet.height(), 860);
    EXPECT_FALSE(CopyRemains());
}

}  // namespace
}  // namespace tesseran
