// SPDX-License-Identifier: MIT
// Reading and writing picture files, the format from a file name, the
// flattening reader and the work folder. Every test runs with its own
// temporary folder as the system's temporary folder, so the work folder is
// fresh each time.
#include "render/ImageFiles.h"

#include "base/StringTable.h"
#include "support/TestHost.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontInfo>
#include <QObject>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

namespace tesseran::testing {

// Stands in for the desktop's file manager. It lives outside the anonymous
// namespace because the meta-object compiler has to name it.
class FolderOpener : public QObject {
    Q_OBJECT
public:
    std::vector<QUrl> opened;
public slots:
    void Open(const QUrl& url) { opened.push_back(url); }
};

}  // namespace tesseran::testing

namespace tesseran {
namespace {

using testing::FolderOpener;
using testing::TestHost;

// Points the system's temporary folder at a folder of the test's own.
class ImageFilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(temporary.isValid());
        hadTemporaryVariable = qEnvironmentVariableIsSet("TMPDIR");
        savedTemporaryVariable = qgetenv("TMPDIR");
        qputenv("TMPDIR", QFile::encodeName(temporary.path()));
        workFolder = temporary.path() + "/Tesseran";
    }
    void TearDown() override {
        if (hadTemporaryVariable) {
            qputenv("TMPDIR", savedTemporaryVariable);
        } else {
            qunsetenv("TMPDIR");
        }
    }

    QString PathFor(const QString& name) const { return temporary.path() + "/" + name; }

    std::vector<int> MessageIds() const {
        std::vector<int> ids;
        for (const auto& shown : host.messages) {
            for (int id : {30001, 30054, 30056, 30058, 30163}) {
                if (shown.text == LoadString(id)) ids.push_back(id);
            }
        }
        return ids;
    }

    QTemporaryDir temporary;
    QString workFolder;
    TestHost host;
    bool hadTemporaryVariable = false;
    QByteArray savedTemporaryVariable;
};

// Four flat quadrants, so that colours survive scaling at the quadrant centres.
QImage Quadrants(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const bool right = x >= width / 2;
            const bool bottom = y >= height / 2;
            QRgb colour = !right && !bottom  ? qRgb(200, 40, 40)
                          : right && !bottom ? qRgb(40, 180, 60)
                          : !right           ? qRgb(30, 60, 200)
                                             : qRgb(230, 220, 50);
            image.setPixel(x, y, colour);
        }
    }
    return image;
}

int ChannelDistance(QRgb a, QRgb b) {
    return std::max(
        {std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
}

TEST_F(ImageFilesTest, FormatWordFollowsTheExtensionInAnyCase) {
    struct Case {
        const char* path;
        const char* format;
    };
    const Case cases[] = {
        {"card.JPG", "jpeg"},    {"photo.jpeg", "jpeg"},
        {"map.Gif", "gif"},      {"back.bmp", "bmp"},
        {"shot.PNG", "png"},     {"scan.TIF", "tiff"},
        {"scan.tiff", "tiff"},   {"/a.b/c/picture.jpg", "jpeg"},
        {"noextension", ""},     {"archive.zip", ""},
        {"trailing.", ""},       {"photo.jpg.txt", ""},
        {"folder.png/file", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        host.ClearRecords();
        const QString format = ImageFormatFromName(QString::fromUtf8(c.path), host);
        EXPECT_EQ(format.toStdString(), c.format);
        if (std::string(c.format).empty()) {
            ASSERT_EQ(host.messages.size(), 1u);
            EXPECT_EQ(host.messages[0].text, LoadString(30056));
            EXPECT_EQ(host.messages[0].icon, MessageIcon::Information);
        } else {
            EXPECT_TRUE(host.messages.empty());
        }
    }
}

TEST_F(ImageFilesTest, SavedPictureReadsBackAtTheRequestedSizeInEveryFormat) {
    struct Case {
        const char* format;
        const char* name;
        int width;
        int height;
        int tolerance;
    };
    // The source is 40 x 30; every format is written at another size, and the
    // BMP at a different aspect, so that scaling is seen in each.
    const Case cases[] = {
        {"jpeg", "out.jpg", 80, 60, 8}, {"gif", "out.gif", 60, 45, 0},  {"bmp", "out.bmp", 120, 20, 0},
        {"png", "out.png", 20, 15, 0},  {"tiff", "out.tif", 64, 48, 0}, {"JPEG", "upper.jpeg", 41, 31, 8},
    };
    const QImage source = Quadrants(40, 30);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.format);
        host.ClearRecords();
        const QString path = PathFor(c.name);
        ASSERT_TRUE(SaveBitmapAs(source, path, c.width, c.height, c.format, host));
        EXPECT_TRUE(host.messages.empty());
        const QImage back = LoadPictureFile(path);
        ASSERT_FALSE(back.isNull());
        EXPECT_EQ(back.size(), QSize(c.width, c.height));
        const int quarterX = c.width / 4;
        const int quarterY = c.height / 4;
        EXPECT_LE(ChannelDistance(back.pixel(quarterX, quarterY), qRgb(200, 40, 40)), c.tolerance);
        EXPECT_LE(ChannelDistance(back.pixel(c.width - 1 - quarterX, quarterY), qRgb(40, 180, 60)),
                  c.tolerance);
        EXPECT_LE(ChannelDistance(back.pixel(quarterX, c.height - 1 - quarterY), qRgb(30, 60, 200)),
                  c.tolerance);
        EXPECT_LE(
            ChannelDistance(back.pixel(c.width - 1 - quarterX, c.height - 1 - quarterY), qRgb(230, 220, 50)),
            c.tolerance);
    }
}

TEST_F(ImageFilesTest, GifOfManyColoursKeepsThemClose) {
    // 65536 colours: far more than a GIF palette holds.
    QImage gradient(256, 256, QImage::Format_RGB32);
    for (int y = 0; y < 256; ++y) {
        for (int x = 0; x < 256; ++x) gradient.setPixel(x, y, qRgb(x, y, (x + y) / 2));
    }
    const QString path = PathFor("gradient.gif");
    ASSERT_TRUE(SaveBitmapAs(gradient, path, 256, 256, "gif", host));
    const QImage back = LoadPictureFile(path).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(back.size(), QSize(256, 256));
    int worst = 0;
    for (int y = 0; y < 256; y += 5) {
        for (int x = 0; x < 256; x += 5)
            worst = std::max(worst, ChannelDistance(back.pixel(x, y), gradient.pixel(x, y)));
    }
    EXPECT_LE(worst, 24);
}

TEST_F(ImageFilesTest, SavingToAnUnwritablePlaceFailsWithMessage30058) {
    const QString missingFolder = PathFor("no such folder");
    QDir(temporary.path()).mkdir("a folder");
    for (const char* format : {"jpeg", "gif", "bmp", "png", "tiff"}) {
        SCOPED_TRACE(format);
        for (const QString& path : {missingFolder + "/picture", PathFor("a folder")}) {
            host.ClearRecords();
            EXPECT_FALSE(SaveBitmapAs(Quadrants(8, 8), path, 8, 8, format, host));
            EXPECT_EQ(MessageIds(), std::vector<int>{30058});
            ASSERT_EQ(host.messages.size(), 1u);
            EXPECT_EQ(host.messages[0].icon, MessageIcon::Stop);
        }
    }
    EXPECT_FALSE(QFileInfo::exists(missingFolder));
}

TEST_F(ImageFilesTest, UnpreparableSavesFailWithMessage30001AndWriteNothing) {
    struct Case {
        const char* name;
        QImage image;
        int width;
        int height;
        const char* format;
    };
    const Case cases[] = {
        {"unknown format word", Quadrants(8, 8), 8, 8, "webp"},
        {"empty format word", Quadrants(8, 8), 8, 8, ""},
        {"null image", QImage(), 8, 8, "png"},
        {"zero width", Quadrants(8, 8), 0, 8, "png"},
        {"negative height", Quadrants(8, 8), 8, -1, "bmp"},
        {"absurd size", Quadrants(8, 8), 1 << 20, 1 << 20, "jpeg"},
        {"wider than a GIF can be", Quadrants(8, 8), 70000, 1, "gif"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        host.ClearRecords();
        const QString path = PathFor("never written");
        EXPECT_FALSE(SaveBitmapAs(c.image, path, c.width, c.height, c.format, host));
        EXPECT_EQ(MessageIds(), std::vector<int>{30001});
        ASSERT_EQ(host.messages.size(), 1u);
        EXPECT_EQ(host.messages[0].icon, MessageIcon::Stop);
        EXPECT_FALSE(QFileInfo::exists(path));
    }
}

TEST_F(ImageFilesTest, FailedSaveLeavesAnEarlierFileIntact) {
    const QString path = PathFor("kept.png");
    ASSERT_TRUE(SaveBitmapAs(Quadrants(10, 10), path, 10, 10, "png", host));
    QFile before(path);
    ASSERT_TRUE(before.open(QIODevice::ReadOnly));
    const QByteArray original = before.readAll();
    before.close();

    EXPECT_FALSE(SaveBitmapAs(Quadrants(10, 10), path, 10, 10, "webp", host));
    QFile after(path);
    ASSERT_TRUE(after.open(QIODevice::ReadOnly));
    EXPECT_EQ(after.readAll(), original);
}

TEST_F(ImageFilesTest, FlatteningReaderFillsSeeThroughAreasWithTheTopLeftColour) {
    QImage picture(40, 40, QImage::Format_ARGB32);
    picture.fill(qRgba(20, 60, 220, 255));
    picture.setPixel(0, 0, qRgba(210, 40, 30, 255));
    // A hole whose hidden colour is green: it must not show through.
    for (int y = 10; y < 30; ++y) {
        for (int x = 10; x < 30; ++x) picture.setPixel(x, y, qRgba(0, 255, 0, 0));
    }
    const QString path = PathFor("hole.png");
    ASSERT_TRUE(picture.save(path, "png"));

    const QImage flattened = LoadImageViaGdiplus(path, host);
    ASSERT_EQ(flattened.size(), QSize(40, 40));
    EXPECT_FALSE(flattened.hasAlphaChannel());
    EXPECT_LE(ChannelDistance(flattened.pixel(20, 20), qRgb(210, 40, 30)), 8);
    EXPECT_LE(ChannelDistance(flattened.pixel(12, 27), qRgb(210, 40, 30)), 8);
    EXPECT_LE(ChannelDistance(flattened.pixel(35, 35), qRgb(20, 60, 220)), 8);
    EXPECT_TRUE(QFileInfo::exists(workFolder + "/temp.jpeg"));
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(ImageFilesTest, UnreadableFilesDecodeToNothing) {
    struct Case {
        const char* name;
        QByteArray bytes;
    };
    QByteArray truncatedHeader("\x89PNG\r\n\x1a\n", 8);
    QByteArray noise;
    for (int index = 0; index < 4096; ++index) noise.append(static_cast<char>((index * 7919) % 251));
    const Case cases[] = {
        {"empty.jpg", QByteArray()},
        {"noise.png", noise},
        {"header-only.png", truncatedHeader},
        {"text.bmp", QByteArray("just some words")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QFile file(PathFor(c.name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(c.bytes);
        file.close();
        EXPECT_TRUE(LoadPictureFile(file.fileName()).isNull());
        EXPECT_TRUE(LoadPictureFile(file.fileName(), "jpeg").isNull());
        EXPECT_TRUE(LoadImageViaGdiplus(file.fileName(), host).isNull());
    }
    EXPECT_TRUE(LoadPictureFile(PathFor("missing.png")).isNull());
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(ImageFilesTest, PictureClaimingToBeHugeIsRefused) {
    // A valid BMP header announcing 60000 x 60000 pixels of 32 bits (14 GB)
    // followed by almost nothing must be refused, not allocated; so must one
    // whose sizes (2^31 - 1 square, 65535 bits a pixel) multiply past 64 bits.
    for (auto [side, bits] : {std::pair{60000u, 32}, std::pair{0x7fffffffu, 65535}}) {
        SCOPED_TRACE(bits);
        QByteArray bytes(54, '\0');
        auto put32 = [&](int offset, quint32 value) {
            for (int index = 0; index < 4; ++index)
                bytes[offset + index] = static_cast<char>((value >> (8 * index)) & 0xff);
        };
        bytes[0] = 'B';
        bytes[1] = 'M';
        put32(2, 54 + 16);
        put32(10, 54);
        put32(14, 40);
        put32(18, side);
        put32(22, side);
        bytes[26] = 1;
        bytes[28] = static_cast<char>(bits & 0xff);
        bytes[29] = static_cast<char>(bits >> 8);
        bytes.append(QByteArray(16, '\x7f'));
        QFile file(PathFor("huge.bmp"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        file.close();
        EXPECT_TRUE(LoadPictureFile(file.fileName()).isNull());
        EXPECT_TRUE(DecodePicture(bytes, "bmp", 860).isNull());
    }
}

TEST_F(ImageFilesTest, PictureChosenByTheUserIsReadByItsExtension) {
    QImage picture(16, 16, QImage::Format_ARGB32);
    picture.fill(qRgba(0, 0, 0, 0));
    picture.setPixel(0, 0, qRgba(250, 250, 250, 255));
    ASSERT_TRUE(picture.save(PathFor("clear.png"), "png"));
    ASSERT_TRUE(Quadrants(16, 16).save(PathFor("photo.JPG"), "jpeg", 100));
    ASSERT_TRUE(Quadrants(16, 16).save(PathFor("photo.txt"), "jpeg", 100));

    const QImage png = OpenPictureChosenByUser(PathFor("clear.png"), host);
    ASSERT_EQ(png.size(), QSize(16, 16));
    // Flattened: the transparent picture takes its top-left colour all over.
    EXPECT_LE(ChannelDistance(png.pixel(8, 8), qRgb(250, 250, 250)), 8);

    const QImage jpeg = OpenPictureChosenByUser(PathFor("photo.JPG"), host);
    ASSERT_EQ(jpeg.size(), QSize(16, 16));
    EXPECT_LE(ChannelDistance(jpeg.pixel(3, 3), qRgb(200, 40, 40)), 8);
    EXPECT_TRUE(host.messages.empty());

    EXPECT_TRUE(OpenPictureChosenByUser(PathFor("photo.txt"), host).isNull());
    EXPECT_EQ(MessageIds(), std::vector<int>{30056});
}

TEST_F(ImageFilesTest, WorkFolderAndSubfolderAreCreated) {
    EXPECT_EQ(GetWorkFolder(host), workFolder);
    EXPECT_TRUE(QFileInfo(workFolder).isDir());
    EXPECT_EQ(GetWorkFolder(host), workFolder);
    EXPECT_EQ(GetWorkFolder(host, "maps"), workFolder + "/maps");
    EXPECT_TRUE(QFileInfo(workFolder + "/maps").isDir());
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(ImageFilesTest, BlockedWorkFolderGivesNothingAfterMessage30054) {
    QFile blocker(workFolder);
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_TRUE(GetWorkFolder(host).isEmpty());
    EXPECT_EQ(MessageIds(), std::vector<int>{30054});
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].icon, MessageIcon::Stop);

    host.ClearRecords();
    EXPECT_FALSE(DeleteCustomBackCopy(host));
    EXPECT_EQ(MessageIds(), std::vector<int>{30054});
}

TEST_F(ImageFilesTest, DeletingTheCustomBackCopyTellsWhetherItExisted) {
    EXPECT_FALSE(DeleteCustomBackCopy(host));
    QFile copy(workFolder + "/CardBack.jpg");
    ASSERT_TRUE(copy.open(QIODevice::WriteOnly));
    copy.write("x");
    copy.close();
    EXPECT_TRUE(DeleteCustomBackCopy(host));
    EXPECT_FALSE(QFileInfo::exists(copy.fileName()));
    EXPECT_FALSE(DeleteCustomBackCopy(host));
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(ImageFilesTest, OpeningAFolderShowsTheFolderOfTheFile) {
    FolderOpener opener;
    QDesktopServices::setUrlHandler("file", &opener, "Open");
    QDir(temporary.path()).mkdir("maps");
    const bool opened = OpenFolderOf(PathFor("maps/japan.png"), host);
    QDesktopServices::unsetUrlHandler("file");

    EXPECT_TRUE(opened);
    ASSERT_EQ(opener.opened.size(), 1u);
    EXPECT_EQ(QDir::cleanPath(opener.opened[0].toLocalFile()), QDir::cleanPath(PathFor("maps")));
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(ImageFilesTest, BoldFontIsTwentyPointsWithAJapaneseFallback) {
    const QFont font = SelectBoldFont();
    EXPECT_TRUE(font.bold());
    EXPECT_EQ(font.pointSize(), 20);
    EXPECT_FALSE(font.italic());
    EXPECT_FALSE(font.underline());
    if (QFontDatabase::hasFamily("Meiryo UI")) {
        EXPECT_EQ(QFontInfo(font).family(), "Meiryo UI");
    } else if (QFontDatabase::hasFamily("Noto Sans CJK JP")) {
        EXPECT_EQ(QFontInfo(font).family(), "Noto Sans CJK JP");
    }
    const QFont named = SelectBoldFont("A face that no machine has installed");
    EXPECT_TRUE(named.bold());
    EXPECT_EQ(named.pointSize(), 20);
    if (QFontDatabase::hasFamily("Noto Sans CJK JP")) {
        EXPECT_EQ(QFontInfo(named).family(), "Noto Sans CJK JP");
    }
}

}  // namespace
}  // namespace tesseran

#include "ImageFilesTest.moc"
