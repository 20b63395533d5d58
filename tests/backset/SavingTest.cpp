// SPDX-License-Identifier: MIT
// Choosing, saving and what follows the dialog: the stored choice, the copy
// of the player's picture, and rebuilding the table's backs only when
// something changed.
#include "backset/BackSetFixture.h"
#include "base/ResourceIds.h"
#include "dialogs/ModalAnswer.h"

#include <QCheckBox>
#include <QDateTime>
#include <QFileInfo>
#include <QPushButton>
#include <QRadioButton>

namespace tesseran::testing {
namespace {

constexpr QRgb Orange = 0xffe67814u;
constexpr QRgb Purple = 0xff8c28b4u;

class SavingTest : public BackSetTest {
protected:
    // A copy of the player's picture as an earlier save left it.
    void StoreOwnPicture(QRgb colour) {
        QImage image(CardWidth, CardHeight, QImage::Format_RGB32);
        image.fill(colour);
        ASSERT_TRUE(image.save(customBack, "JPEG", 100));
    }

    // Dates the cache file back, so that rewriting it shows in its time.
    QDateTime AgeCache() {
        const QDateTime old(QDate(2001, 2, 3), QTime(4, 5, 6));
        QFile file(cache);
        EXPECT_TRUE(file.open(QIODevice::ReadWrite));
        EXPECT_TRUE(file.setFileTime(old, QFileDevice::FileModificationTime));
        return old;
    }

    QDateTime CacheTime() const { return QFileInfo(cache).lastModified(); }

    void Click(CBackSet& target, const char* name) {
        auto* widget = target.findChild<QWidget*>(name);
        ASSERT_NE(widget, nullptr) << name;
        QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
    }

    int StoredBackSet() { return settings.ReadInt("Last", "BackSet", -1); }
};

TEST_F(SavingTest, OpeningChecksTheStoredChoiceAndFrameOption) {
    const std::pair<int, int> choices[] = {{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 4}, {7, 0}, {-1, 0}};
    for (const auto& [stored, selection] : choices) {
        Store(stored, 0);
        CBackSet& opened = Open();
        EXPECT_EQ(opened.Selection(), selection) << stored;
        EXPECT_EQ(opened.FrameOption(), 0);
        EXPECT_FALSE(opened.findChild<QCheckBox*>("frameCheckBox")->isChecked());
        EXPECT_FALSE(opened.Changed());
    }
    Store(0, 1);
    EXPECT_TRUE(Open().findChild<QCheckBox*>("frameCheckBox")->isChecked());
}

TEST_F(SavingTest, ChoosingAPresetAndSavingStoresItAndDeletesTheOwnPicture) {
    Store(4, 1);
    StoreOwnPicture(Orange);
    CBackSet& opened = OpenShown();
    ASSERT_TRUE(opened.PicturePresent());
    ASSERT_EQ(opened.Selection(), 4);

    Click(opened, "presetFrame2");
    EXPECT_EQ(opened.Selection(), 1);
    EXPECT_EQ(clicks, std::vector<int>{wave::Click});
    Click(opened, "okButton");
    EXPECT_FALSE(opened.isVisible());
    EXPECT_EQ(opened.result(), QDialog::Accepted);

    EXPECT_TRUE(opened.ApplyAfterClose());
    EXPECT_EQ(StoredBackSet(), 1);
    EXPECT_FALSE(QFileInfo::exists(customBack));
    EXPECT_EQ(backs.currentBack().pixel(75, 107), PresetColours[1]);
    EXPECT_EQ(backs.rotatedBack().pixel(100, 75), PresetColours[1]);
    EXPECT_TRUE(QFileInfo::exists(cache));
}

TEST_F(SavingTest, SavingTheOwnPictureWritesCardBackJpgAndRebuildsFromIt) {
    Store(0, 1);
    CBackSet& opened = OpenShown();
    QImage picture(640, 480, QImage::Format_RGB32);
    picture.fill(Purple);
    ASSERT_TRUE(opened.LoadPictureFromFile(WritePicture("mine.jpg", picture, "JPEG")));
    Click(opened, "okButton");
    ASSERT_EQ(opened.result(), QDialog::Accepted);

    const QImage saved(customBack);
    ASSERT_FALSE(saved.isNull());
    EXPECT_EQ(saved.size(), QSize(CardWidth, CardHeight));
    EXPECT_LE(ChannelDistance(saved.pixel(75, 107), Purple), 8);
    EXPECT_EQ(StoredBackSet(), 4);

    EXPECT_TRUE(opened.ApplyAfterClose());
    EXPECT_TRUE(QFileInfo::exists(customBack));
    EXPECT_LE(ChannelDistance(backs.rotatedBack().pixel(100, 75), Purple), 8);
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(SavingTest, OkWithTheOwnPictureChosenButNoneLoadedShows30050AndStaysOpen) {
    Store(0, 1);
    const int writes = settings.WriteCount();
    CBackSet& opened = OpenShown();
    Click(opened, "customRadio");
    ASSERT_EQ(opened.Selection(), 4);
    Click(opened, "okButton");

    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, LoadString(30050));
    EXPECT_EQ(host.messages[0].icon, MessageIcon::Stop);
    EXPECT_TRUE(opened.isVisible());
    EXPECT_NE(opened.result(), QDialog::Accepted);
    EXPECT_EQ(settings.WriteCount(), writes);
    EXPECT_FALSE(QFileInfo::exists(customBack));
}

TEST_F(SavingTest, SavingWithNothingChangedDoesNotRebuild) {
    Store(2, 0);
    ASSERT_TRUE(backs.LoadBackStrip(BackStripSource::Rebuild));
    const QDateTime aged = AgeCache();
    const int writes = settings.WriteCount();
    CBackSet& opened = OpenShown();
    // Looking at another preset and coming back is no change.
    Click(opened, "presetFrame1");
    Click(opened, "presetRadio3");
    Click(opened, "okButton");
    ASSERT_EQ(opened.result(), QDialog::Accepted);

    EXPECT_FALSE(opened.ApplyAfterClose());
    EXPECT_FALSE(opened.Changed());
    EXPECT_EQ(CacheTime(), aged);
    EXPECT_EQ(settings.WriteCount(), writes);
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(SavingTest, TheFrameOptionReachesTheBacks) {
    Store(0, 1);
    ASSERT_TRUE(backs.LoadBackStrip(BackStripSource::Rebuild));
    const QImage framed = backs.rotatedBack();
    const int ring = 2 * (framed.width() + framed.height()) - 4;
    ASSERT_EQ(BorderPixelsOfColour(framed, BackFrameColour), ring);
    const QDateTime aged = AgeCache();

    CBackSet& opened = OpenShown();
    Click(opened, "frameCheckBox");
    EXPECT_EQ(opened.FrameOption(), 0);
    EXPECT_TRUE(clicks.empty());
    Click(opened, "okButton");
    ASSERT_EQ(opened.result(), QDialog::Accepted);

    EXPECT_TRUE(opened.ApplyAfterClose());
    EXPECT_EQ(settings.ReadInt("Last", "CardWaku", -1), 0);
    EXPECT_EQ(BorderPixelsOfColour(backs.rotatedBack(), BackFrameColour), 0);
    const QImage single = backs.backFanStrip().copy(0, 46, CardWidth, CardHeight);
    EXPECT_EQ(BorderPixelsOfColour(single, BackFrameColour), 0);
    EXPECT_NE(CacheTime(), aged);
}

TEST_F(SavingTest, CancelKeepsTheStoredChoiceAndItsPicture) {
    Store(4, 1);
    StoreOwnPicture(Orange);
    CBackSet& opened = OpenShown();
    QImage other(50, 50, QImage::Format_RGB32);
    other.fill(Purple);
    ASSERT_TRUE(opened.LoadPictureFromFile(WritePicture("other.png", other, "PNG")));
    Click(opened, "presetFrame3");
    Click(opened, "cancelButton");
    EXPECT_EQ(opened.result(), QDialog::Rejected);

    EXPECT_FALSE(opened.ApplyAfterClose());
    EXPECT_EQ(StoredBackSet(), 4);
    const QImage kept(customBack);
    ASSERT_FALSE(kept.isNull());
    EXPECT_LE(ChannelDistance(kept.pixel(75, 107), Orange), 8);
    EXPECT_FALSE(QFileInfo::exists(cache));
}

TEST_F(SavingTest, ALeftoverPictureCopyGoesWhenAPresetIsStoredHoweverTheDialogCloses) {
    Store(3, 1);
    StoreOwnPicture(Orange);
    CBackSet& opened = OpenShown();
    Click(opened, "cancelButton");
    EXPECT_FALSE(opened.ApplyAfterClose());
    EXPECT_FALSE(QFileInfo::exists(customBack));
}

TEST_F(SavingTest, DoubleClickOnAPreviewSavesAndClosesWithOk) {
    Store(0, 1);
    CBackSet& opened = OpenShown();
    auto* preview = opened.findChild<QWidget*>("presetFrame4");
    ASSERT_NE(preview, nullptr);
    QTest::mouseDClick(preview, Qt::LeftButton, Qt::NoModifier, preview->rect().center());
    EXPECT_FALSE(opened.isVisible());
    EXPECT_EQ(opened.result(), QDialog::Accepted);
    EXPECT_EQ(StoredBackSet(), 3);
    EXPECT_TRUE(opened.ApplyAfterClose());
    EXPECT_EQ(backs.currentBack().pixel(10, 10), PresetColours[3]);
}

TEST_F(SavingTest, DoubleClickOnTheEmptyBlackFrameShows30050AndStaysOpen) {
    Store(0, 1);
    CBackSet& opened = OpenShown();
    auto* own = opened.findChild<QWidget*>("customFrame");
    ASSERT_NE(own, nullptr);
    QTest::mouseDClick(own, Qt::LeftButton, Qt::NoModifier, own->rect().center());
    EXPECT_TRUE(opened.isVisible());
    EXPECT_TRUE(MessageShown(30050));
    EXPECT_EQ(StoredBackSet(), 0);
}

TEST_F(SavingTest, RadioButtonsAndPreviewsPlayTheClickSound) {
    CBackSet& opened = OpenShown();
    Click(opened, "presetRadio2");
    Click(opened, "presetFrame3");
    Click(opened, "promptLabel");
    EXPECT_EQ(clicks, (std::vector<int>{wave::Click, wave::Click}));
    EXPECT_EQ(opened.Selection(), 2);
}

TEST_F(SavingTest, AFailedRebuildShows30061) {
    // Without a card sheet no preset back can be made.
    const QImage noSheet;
    CardBacks sheetless(noSheet, settings, host);
    Store(0, 1);
    CBackSet failing(noSheet, sheetless, settings, host, {});
    failing.SelectPreview(1);
    ASSERT_TRUE(failing.Save());
    EXPECT_FALSE(failing.ApplyAfterClose());
    ASSERT_TRUE(MessageShown(30061));
    EXPECT_EQ(host.messages.back().icon, MessageIcon::Stop);
}

TEST_F(SavingTest, RunSavesThroughTheModalDialogAndReportsTheRebuild) {
    Store(0, 1);
    AnswerWhenModal<CBackSet>([](CBackSet& shown) {
        QTest::mouseClick(shown.findChild<QRadioButton*>("presetRadio3"), Qt::LeftButton);
        QTest::mouseClick(shown.findChild<QPushButton*>("okButton"), Qt::LeftButton);
    });
    EXPECT_TRUE(CBackSet::Run(
        sheet, backs, settings, host, [this](int waveId) { clicks.push_back(waveId); }, nullptr));
    EXPECT_EQ(StoredBackSet(), 2);
    EXPECT_EQ(clicks, std::vector<int>{wave::Click});
    EXPECT_EQ(backs.rotatedBack().pixel(100, 75), PresetColours[2]);
}

TEST_F(SavingTest, RunClosedWithCancelReportsNoRebuild) {
    Store(1, 1);
    AnswerWhenModal<CBackSet>([](CBackSet& shown) {
        QTest::mouseClick(shown.findChild<QRadioButton*>("presetRadio4"), Qt::LeftButton);
        QTest::mouseClick(shown.findChild<QPushButton*>("cancelButton"), Qt::LeftButton);
    });
    EXPECT_FALSE(CBackSet::Run(sheet, backs, settings, host, {}, nullptr));
    EXPECT_EQ(StoredBackSet(), 1);
    EXPECT_FALSE(QFileInfo::exists(cache));
}

}  // namespace
}  // namespace tesseran::testing
