// SPDX-License-Identifier: MIT
// Taking the player's own picture: from the file dialog or dropped on the
// black frame, stretched to a whole card, and every file that cannot be a
// picture ignored without harm.
#include "backset/BackSetFixture.h"

#include <QApplication>
#include <QBuffer>
#include <QCursor>
#include <QDataStream>
#include <QDragEnterEvent>
#include <QDragLeaveEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QUrl>

namespace tesseran::testing {
namespace {

constexpr QRgb Orange = 0xffe67814u;
constexpr QRgb Blue = 0xff1428c8u;
constexpr QRgb Red = 0xffdc1e1eu;
constexpr QRgb Green = 0xff1eb41eu;

using PictureLoadingTest = BackSetTest;

// A PNG wider than tall: an opaque orange top-left corner, an opaque blue
// right-hand band and see-through everywhere else.
QImage SeeThroughPicture() {
    QImage image(302, 100, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (x < 20 && y < 20) image.setPixel(x, y, Orange);
            if (x >= 262) image.setPixel(x, y, Blue);
        }
    }
    return image;
}

// A BMP header announcing 40000 x 40000 pixels of 32 bits (6.4 GB) followed
// by a few bytes: far beyond what the reader may allocate.
QByteArray HugeBitmapHeader() {
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream.setByteOrder(QDataStream::LittleEndian);
    stream.writeRawData("BM", 2);
    stream << quint32(70) << quint32(0) << quint32(54);
    stream << quint32(40) << qint32(40000) << qint32(40000) << quint16(1) << quint16(32) << quint32(0)
           << quint32(0) << qint32(2835) << qint32(2835) << quint32(0) << quint32(0);
    stream << quint32(0xffffffff) << quint32(0) << quint32(0) << quint32(0);
    return bytes;
}

// A small JPEG whose frame header is changed to claim 60000 x 60000 pixels:
// a size the JPEG decoder supports, but 14 GB of pixels.
QByteArray HugeJpeg() {
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(Red);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG");
    const qsizetype frame = bytes.indexOf(QByteArray("\xff\xc0", 2));
    if (frame < 0) return {};
    // Height and then width, big-endian, after the marker, length and precision.
    for (qsizetype offset = frame + 5; offset < frame + 9; offset += 2) {
        bytes[offset] = static_cast<char>(60000 >> 8);
        bytes[offset + 1] = static_cast<char>(60000 & 0xff);
    }
    return bytes;
}

QByteArray Noise(int length) {
    QByteArray bytes(length, '\0');
    quint32 state = 12345;
    for (char& byte : bytes) {
        state = state * 214013u + 2531011u;
        byte = static_cast<char>((state >> 16) & 0xff);
    }
    return bytes;
}

QByteArray FirstHalfOfPng() {
    QImage image(200, 200, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) image.setPixel(x, y, qRgb(x, y, (x * y) & 0xff));
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes.left(bytes.size() / 2);
}

TEST_F(PictureLoadingTest, SeeThroughPngBecomesAWholeCardWithTheTopLeftColour) {
    Store(1, 1);
    CBackSet& opened = Open();
    ASSERT_FALSE(opened.PicturePresent());

    ASSERT_TRUE(opened.LoadPictureFromFile(WritePicture("corner.png", SeeThroughPicture(), "PNG")));

    const QImage& back = backs.currentBack();
    ASSERT_EQ(back.size(), QSize(CardWidth, CardHeight));
    // The middle of the picture was see-through and takes the corner's colour.
    EXPECT_LE(ChannelDistance(back.pixel(75, 107), Orange), 10);
    EXPECT_LE(ChannelDistance(back.pixel(2, 2), Orange), 10);
    // The picture is stretched, not cut: the band at its right edge is at the card's right edge.
    EXPECT_LE(ChannelDistance(back.pixel(148, 5), Blue), 10);
    EXPECT_LE(ChannelDistance(back.pixel(148, 210), Blue), 10);
    EXPECT_TRUE(opened.PicturePresent());
    EXPECT_TRUE(opened.Changed());
    EXPECT_EQ(opened.Selection(), CBackSet::CustomPreview);
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(PictureLoadingTest, PicturesOfEveryShapeAreStretchedToTheCard) {
    const QSize sizes[] = {QSize(1, 1), QSize(2000, 40), QSize(30, 900), QSize(151, 215), QSize(1200, 1600)};
    for (const QSize& size : sizes) {
        CBackSet& opened = Open();
        // Left half red, right half green: both halves must survive stretching.
        QImage image(size, QImage::Format_RGB32);
        image.fill(Red);
        for (int y = 0; y < size.height(); ++y) {
            for (int x = size.width() / 2; x < size.width(); ++x) image.setPixel(x, y, Green);
        }
        const QString name = QStringLiteral("shape-%1x%2.bmp").arg(size.width()).arg(size.height());
        ASSERT_TRUE(opened.LoadPictureFromFile(WritePicture(name, image, "BMP"))) << name.toStdString();
        const QImage& back = backs.currentBack();
        ASSERT_EQ(back.size(), QSize(CardWidth, CardHeight)) << name.toStdString();
        if (size.width() > 1) {
            EXPECT_LE(ChannelDistance(back.pixel(1, 1), Red), 12) << name.toStdString();
            EXPECT_LE(ChannelDistance(back.pixel(149, 213), Green), 12) << name.toStdString();
        }
    }
}

TEST_F(PictureLoadingTest, UnusableFilesAreIgnoredWithoutAMessage) {
    QDir().mkpath(pictures + "/folder.jpg");
    struct Case {
        const char* name;
        QString path;
    };
    const Case cases[] = {
        {"huge bitmap", WriteBytes("huge.bmp", HugeBitmapHeader())},
        {"huge jpeg", WriteBytes("huge.jpg", HugeJpeg())},
        {"noise named jpeg", WriteBytes("noise.jpg", Noise(4096))},
        {"noise named png", WriteBytes("noise.png", Noise(4096))},
        {"half a png", WriteBytes("half.png", FirstHalfOfPng())},
        {"empty gif", WriteBytes("empty.gif", QByteArray())},
        {"missing file", pictures + "/missing.jpg"},
        {"folder", pictures + "/folder.jpg"},
        {"no path", QString()},
    };
    Store(2, 1);
    CBackSet& opened = Open();
    const QImage before = backs.currentBack();
    for (const Case& test : cases) {
        EXPECT_FALSE(opened.LoadPictureFromFile(test.path)) << test.name;
        EXPECT_FALSE(opened.PicturePresent()) << test.name;
        EXPECT_FALSE(opened.Changed()) << test.name;
        EXPECT_EQ(opened.Selection(), 2) << test.name;
        EXPECT_EQ(backs.currentBack(), before) << test.name;
    }
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(PictureLoadingTest, AFileOfAnotherTypeIsRefusedWithMessage30056) {
    CBackSet& opened = Open();
    const QString path = WriteBytes("notes.txt", QByteArray("not a picture"));
    EXPECT_FALSE(opened.LoadPictureFromFile(path));
    EXPECT_FALSE(opened.PicturePresent());
    EXPECT_TRUE(MessageShown(30056));
}

TEST_F(PictureLoadingTest, ChangeButtonAsksForAFileWithTheDialogsTitleAndFilter) {
    CBackSet& opened = OpenShown();
    QString askedTitle;
    QString askedFilter;
    QString answer;
    opened.SetFileChooser([&](QWidget*, const QString& title, const QString& filter) {
        askedTitle = title;
        askedFilter = filter;
        return answer;
    });
    auto* change = opened.findChild<QPushButton*>("changeButton");
    ASSERT_NE(change, nullptr);

    // Cancelling the file dialog changes nothing.
    QTest::mouseClick(change, Qt::LeftButton);
    EXPECT_EQ(askedTitle, QStringLiteral("イメージファイルを指定"));
    EXPECT_TRUE(askedFilter.startsWith(QStringLiteral(
        "イメージファイル(jpeg, gif, bmp, png, tiff) (*.jpg *.jpeg *.gif *.bmp *.png *.tif *.tiff);;")));
    EXPECT_TRUE(askedFilter.contains(QStringLiteral("TIFFファイル(*.tiff) (*.tif *.tiff)")));
    EXPECT_FALSE(opened.PicturePresent());

    answer = FlatPicture("chosen.jpg", Green);
    QTest::mouseClick(change, Qt::LeftButton);
    EXPECT_TRUE(opened.PicturePresent());
    EXPECT_LE(ChannelDistance(backs.currentBack().pixel(75, 107), Green), 8);
}

TEST_F(PictureLoadingTest, TheBlackFrameShowsThePointingHandOnlyWhenItHoldsAPicture) {
    CBackSet& opened = Open();
    auto* own = opened.findChild<QWidget*>("customFrame");
    auto* firstPreset = opened.findChild<QWidget*>("presetFrame1");
    ASSERT_NE(own, nullptr);
    ASSERT_NE(firstPreset, nullptr);
    EXPECT_EQ(firstPreset->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_NE(own->cursor().shape(), Qt::PointingHandCursor);
    ASSERT_TRUE(opened.LoadPictureFromFile(FlatPicture("own.jpg", Red)));
    EXPECT_EQ(own->cursor().shape(), Qt::PointingHandCursor);
}

class DroppingTest : public BackSetTest {
protected:
    // A drag that enters the dialog at enterAt and drops the files at dropAt,
    // as the window system delivers it; whether the drop was taken.
    bool Drop(CBackSet& target, const QList<QUrl>& urls, const QPoint& enterAt, const QPoint& dropAt) {
        QMimeData data;
        data.setUrls(urls);
        QDragEnterEvent enter(enterAt, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&target, &enter);
        QDropEvent drop(QPointF(dropAt), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&target, &drop);
        return drop.isAccepted();
    }

    bool Drop(CBackSet& target, const QList<QUrl>& urls, const QPoint& position) {
        return Drop(target, urls, position, position);
    }

    // Whether a drag that entered at enterAt may drop at position.
    bool AcceptsDragAt(CBackSet& target, const QList<QUrl>& urls, const QPoint& enterAt,
                       const QPoint& position) {
        QMimeData data;
        data.setUrls(urls);
        QDragEnterEvent enter(enterAt, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&target, &enter);
        QDragMoveEvent move(position, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&target, &move);
        QDragLeaveEvent leave;
        QApplication::sendEvent(&target, &leave);
        return move.isAccepted();
    }

    static QPoint DropFrameCentre(const CBackSet& target) {
        return target.HitRectangle(CBackSet::CustomPreview).center();
    }
};

TEST_F(DroppingTest, SeveralFilesDroppedOnTheBlackFrameGiveTheFirstOne) {
    CBackSet& opened = OpenShown();
    const QList<QUrl> urls = {QUrl::fromLocalFile(FlatPicture("first.jpg", Red)),
                              QUrl::fromLocalFile(FlatPicture("second.jpg", Green)),
                              QUrl::fromLocalFile(FlatPicture("third.jpg", Blue))};
    EXPECT_TRUE(Drop(opened, urls, DropFrameCentre(opened)));
    EXPECT_TRUE(opened.PicturePresent());
    EXPECT_EQ(opened.Selection(), CBackSet::CustomPreview);
    EXPECT_LE(ChannelDistance(backs.currentBack().pixel(75, 107), Red), 8);
}

TEST_F(DroppingTest, FilesDroppedElsewhereOnTheDialogDoNothing) {
    Store(1, 1);
    CBackSet& opened = OpenShown();
    const QList<QUrl> urls = {QUrl::fromLocalFile(FlatPicture("first.jpg", Red))};
    const QPoint elsewhere[] = {opened.HitRectangle(0).center(), opened.HitRectangle(3).center(),
                                QPoint(3, 3), opened.rect().bottomRight() - QPoint(3, 3)};
    for (const QPoint& position : elsewhere) {
        // Entering elsewhere, and leaving the black frame for elsewhere, both refuse the files.
        EXPECT_FALSE(AcceptsDragAt(opened, urls, position, position)) << position.x() << "," << position.y();
        EXPECT_FALSE(AcceptsDragAt(opened, urls, DropFrameCentre(opened), position))
            << position.x() << "," << position.y();
        EXPECT_FALSE(Drop(opened, urls, position)) << position.x() << "," << position.y();
        EXPECT_FALSE(Drop(opened, urls, DropFrameCentre(opened), position))
            << position.x() << "," << position.y();
    }
    EXPECT_FALSE(opened.PicturePresent());
    EXPECT_EQ(opened.Selection(), 1);
    EXPECT_TRUE(AcceptsDragAt(opened, urls, DropFrameCentre(opened), DropFrameCentre(opened)));
}

TEST_F(DroppingTest, ADroppedFileThatIsNoPictureChangesNothing) {
    CBackSet& opened = OpenShown();
    const QList<QUrl> urls = {QUrl::fromLocalFile(WriteBytes("noise.jpg", Noise(2048))),
                              QUrl::fromLocalFile(FlatPicture("good.jpg", Green))};
    Drop(opened, urls, DropFrameCentre(opened));
    EXPECT_FALSE(opened.PicturePresent());
    EXPECT_EQ(opened.Selection(), 0);
    EXPECT_TRUE(host.messages.empty());
}

}  // namespace
}  // namespace tesseran::testing
