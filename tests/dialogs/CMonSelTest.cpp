// SPDX-License-Identifier: MIT
// The suit dialog: its prompt in both uses, the selection through radios and
// pictures with their click sound, and that the selection survives however
// the dialog is closed.
#include "ModalAnswer.h"
#include "dialogs/CMonSel.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace tesseran {
namespace {

using testing::AccessKeyClickDelay;
using testing::AnswerWhenModal;
using testing::WaitUntilClosed;

constexpr std::array<const char*, 4> SuitNames{"clubs", "diamonds", "hearts", "spades"};

QRadioButton* Radio(CMonSel& dialog, int suit) {
    return dialog.findChild<QRadioButton*>(QStringLiteral("%1Radio").arg(QLatin1String(SuitNames[suit])));
}

QPushButton* Picture(CMonSel& dialog, int suit) {
    return dialog.findChild<QPushButton*>(QStringLiteral("%1Picture").arg(QLatin1String(SuitNames[suit])));
}

QPushButton* ConfirmButton(CMonSel& dialog) {
    return dialog.findChild<QPushButton*>(QStringLiteral("confirmButton"));
}

QString Prompt(CMonSel& dialog) { return dialog.findChild<QLabel*>(QStringLiteral("promptLabel"))->text(); }

std::vector<int> CheckedRadios(CMonSel& dialog) {
    std::vector<int> checked;
    for (int suit = 0; suit < 4; ++suit) {
        if (Radio(dialog, suit)->isChecked()) checked.push_back(suit);
    }
    return checked;
}

// A dialog shown (not modal) with a recorder in place of the sound output.
struct ShownSuitDialog {
    CMonSel dialog;
    std::vector<int> sounds;

    ShownSuitDialog() {
        dialog.SetSoundPlayer([this](int waveId) { sounds.push_back(waveId); });
        dialog.show();
    }
};

TEST(SuitDialogOpening, ConfirmedAtOnceYieldsClubs) {
    AnswerWhenModal<CMonSel>(
        [](CMonSel& dialog) { QTest::mouseClick(ConfirmButton(dialog), Qt::LeftButton); });
    CMonSel dialog;
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
    EXPECT_EQ(dialog.SelectedSuit(), 0);
}

TEST(SuitDialogOpening, StartsWithOnlyTheClubsRadioChecked) {
    CMonSel dialog;
    EXPECT_EQ(CheckedRadios(dialog), std::vector<int>{0});
}

TEST(SuitDialogOpening, RequestedSuitPromptByDefault) {
    CMonSel dialog;
    EXPECT_EQ(Prompt(dialog), QStringLiteral("請求する紋を指定してください。"));
}

TEST(SuitDialogOpening, TrumpCaptionReplacesTheRequestWord) {
    CMonSel dialog;
    dialog.SetCaptionText(CMonSel::TrumpCaptionText);
    EXPECT_EQ(Prompt(dialog), QStringLiteral("役にする紋を指定してください。"));
}

TEST(SuitDialogOpening, AskInTrumpModeShowsTheTrumpPrompt) {
    QString shownPrompt;
    AnswerWhenModal<CMonSel>([&shownPrompt](CMonSel& dialog) {
        shownPrompt = Prompt(dialog);
        dialog.accept();
    });
    CMonSel::Ask(nullptr, QStringLiteral("役に"));
    EXPECT_EQ(shownPrompt, QStringLiteral("役にする紋を指定してください。"));
}

TEST(SuitDialogOpening, CaptionAndConfirmButton) {
    CMonSel dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("紋の指定"));
    EXPECT_EQ(ConfirmButton(dialog)->text(), QStringLiteral("決 定(&Y)"));
    EXPECT_TRUE(ConfirmButton(dialog)->isDefault());
}

TEST(SuitDialogOpening, HasNoCloseBox) {
    CMonSel dialog;
    EXPECT_TRUE(dialog.windowFlags().testFlag(Qt::CustomizeWindowHint));
    EXPECT_FALSE(dialog.windowFlags().testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(dialog.windowFlags().testFlag(Qt::WindowSystemMenuHint));
}

TEST(SuitDialogOpening, PicturesShowTheSuitsWithTheirTooltips) {
    const std::array<QString, 4> tooltips{
        QStringLiteral("クラブを指定します"), QStringLiteral("ダイヤを指定します"),
        QStringLiteral("ハートを指定します"), QStringLiteral("スッペを指定します")};
    CMonSel dialog;
    for (int suit = 0; suit < 4; ++suit) {
        SCOPED_TRACE(SuitNames[suit]);
        EXPECT_EQ(Picture(dialog, suit)->toolTip(), tooltips[suit]);
        EXPECT_FALSE(Picture(dialog, suit)->icon().isNull());
        EXPECT_EQ(Picture(dialog, suit)->iconSize(), QSize(47, 53));
    }
}

TEST(SuitDialogOpening, RadiosStandAboveTheirPictures) {
    ShownSuitDialog shown;
    for (int suit = 0; suit < 4; ++suit) {
        SCOPED_TRACE(SuitNames[suit]);
        const QRect radio = Radio(shown.dialog, suit)->geometry();
        const QRect picture = Picture(shown.dialog, suit)->geometry();
        EXPECT_LE(radio.bottom(), picture.top());
        EXPECT_GE(radio.center().x(), picture.left());
        EXPECT_LE(radio.center().x(), picture.right());
    }
}

TEST(SuitDialogSelection, PictureClickSelectsItsSuitChecksItsRadioAndClicks) {
    for (int suit = 0; suit < 4; ++suit) {
        SCOPED_TRACE(SuitNames[suit]);
        ShownSuitDialog shown;
        QTest::mouseClick(Picture(shown.dialog, suit), Qt::LeftButton);
        EXPECT_EQ(shown.dialog.SelectedSuit(), suit);
        EXPECT_EQ(CheckedRadios(shown.dialog), std::vector<int>{suit});
        EXPECT_EQ(shown.sounds, std::vector<int>{150});
    }
}

TEST(SuitDialogSelection, RadioClickSelectsItsSuitAndClicks) {
    for (int suit = 0; suit < 4; ++suit) {
        SCOPED_TRACE(SuitNames[suit]);
        ShownSuitDialog shown;
        QTest::mouseClick(Radio(shown.dialog, suit), Qt::LeftButton);
        EXPECT_EQ(shown.dialog.SelectedSuit(), suit);
        EXPECT_EQ(CheckedRadios(shown.dialog), std::vector<int>{suit});
        EXPECT_EQ(shown.sounds, std::vector<int>{150});
    }
}

TEST(SuitDialogSelection, LaterClickReplacesTheEarlierOne) {
    ShownSuitDialog shown;
    QTest::mouseClick(Picture(shown.dialog, 3), Qt::LeftButton);
    QTest::mouseClick(Radio(shown.dialog, 1), Qt::LeftButton);
    EXPECT_EQ(shown.dialog.SelectedSuit(), 1);
    EXPECT_EQ(CheckedRadios(shown.dialog), std::vector<int>{1});
    QTest::mouseClick(Picture(shown.dialog, 2), Qt::LeftButton);
    EXPECT_EQ(shown.dialog.SelectedSuit(), 2);
    EXPECT_EQ(CheckedRadios(shown.dialog), std::vector<int>{2});
    EXPECT_EQ(shown.sounds, (std::vector<int>{150, 150, 150}));
}

TEST(SuitDialogSelection, ClickingWithoutASoundPlayerStillSelects) {
    CMonSel dialog;
    dialog.show();
    QTest::mouseClick(Picture(dialog, 2), Qt::LeftButton);
    EXPECT_EQ(dialog.SelectedSuit(), 2);
}

TEST(SuitDialogClosing, EscapeKeepsTheSelection) {
    AnswerWhenModal<CMonSel>([](CMonSel& dialog) {
        QTest::mouseClick(Picture(dialog, 2), Qt::LeftButton);
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    EXPECT_EQ(CMonSel::Ask(nullptr, QString()), 2);
}

TEST(SuitDialogClosing, EscapeAtOnceYieldsClubs) {
    AnswerWhenModal<CMonSel>([](CMonSel& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); });
    CMonSel dialog;
    EXPECT_EQ(dialog.exec(), QDialog::Rejected);
    EXPECT_EQ(dialog.SelectedSuit(), 0);
}

TEST(SuitDialogClosing, EnterConfirmsTheSelection) {
    AnswerWhenModal<CMonSel>([](CMonSel& dialog) {
        QTest::mouseClick(Picture(dialog, 3), Qt::LeftButton);
        QTest::keyClick(&dialog, Qt::Key_Return);
    });
    CMonSel dialog;
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
    EXPECT_EQ(dialog.SelectedSuit(), 3);
}

TEST(SuitDialogClosing, AccessKeyConfirms) {
    AnswerWhenModal<CMonSel>([](CMonSel& dialog) {
        QTest::mouseClick(Picture(dialog, 1), Qt::LeftButton);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
        QTest::keyClick(&dialog, Qt::Key_Y, Qt::AltModifier);
        WaitUntilClosed(dialog);
    });
    CMonSel dialog;
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
    EXPECT_EQ(dialog.SelectedSuit(), 1);
}

TEST(SuitDialogClosing, AskPassesTheSoundPlayerOn) {
    std::vector<int> sounds;
    AnswerWhenModal<CMonSel>([](CMonSel& dialog) {
        QTest::mouseClick(Radio(dialog, 1), Qt::LeftButton);
        QTest::mouseClick(ConfirmButton(dialog), Qt::LeftButton);
    });
    EXPECT_EQ(
        CMonSel::Ask(nullptr, CMonSel::TrumpCaptionText, [&sounds](int waveId) { sounds.push_back(waveId); }),
        1);
    EXPECT_EQ(sounds, std::vector<int>{150});
}

}  // namespace
}  // namespace tesseran
