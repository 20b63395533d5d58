// SPDX-License-Identifier: MIT
// The declaration dialog: which pair each group is offered, what each button
// declares, and that every way of cancelling withdraws the joker play.
#include "ModalAnswer.h"
#include "dialogs/CSengen.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <array>

namespace tesseran {
namespace {

using testing::AccessKeyClickDelay;
using testing::AnswerWhenModal;
using testing::WaitUntilClosed;

struct DeclarationButton {
    const char* name;
    const char* caption;
    int declaration;
    bool related;
};

const std::array<DeclarationButton, 4> DeclarationButtons{{
    {"skunkButton", "宣言スコンク(&1)", 3, true},
    {"sixteenButton", "宣言１６(&3)", 4, true},
    {"reverseSkunkButton", "宣言逆スコンク(&2)", 5, false},
    {"reverseSixteenButton", "宣言逆１６(&4)", 6, false},
}};

QPushButton* Button(CSengen& dialog, const char* name) {
    return dialog.findChild<QPushButton*>(QLatin1String(name));
}

QPushButton* CancelButton(CSengen& dialog) { return Button(dialog, "cancelButton"); }

TEST(DeclarationDialogOffer, UnrelatedHumanIsOfferedOnlyTheReversePair) {
    CSengen dialog(DeclarationSide::Unrelated);
    EXPECT_FALSE(Button(dialog, "skunkButton")->isEnabled());
    EXPECT_FALSE(Button(dialog, "sixteenButton")->isEnabled());
    EXPECT_TRUE(Button(dialog, "reverseSkunkButton")->isEnabled());
    EXPECT_TRUE(Button(dialog, "reverseSixteenButton")->isEnabled());
    EXPECT_TRUE(CancelButton(dialog)->isEnabled());
}

TEST(DeclarationDialogOffer, RelatedHumanIsOfferedOnlyThePlainPair) {
    CSengen dialog(DeclarationSide::Related);
    EXPECT_TRUE(Button(dialog, "skunkButton")->isEnabled());
    EXPECT_TRUE(Button(dialog, "sixteenButton")->isEnabled());
    EXPECT_FALSE(Button(dialog, "reverseSkunkButton")->isEnabled());
    EXPECT_FALSE(Button(dialog, "reverseSixteenButton")->isEnabled());
    EXPECT_TRUE(CancelButton(dialog)->isEnabled());
}

TEST(DeclarationDialogOffer, CaptionTextsAndTooltips) {
    CSengen dialog(DeclarationSide::Related);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("宣言の選択"));
    EXPECT_EQ(dialog.findChild<QLabel*>(QStringLiteral("explanationLabel"))->text(),
              QStringLiteral("初巡ジョーカー出しは、宣言する時だけ可能です。\nどの宣言にしますか。"));
    const QString skunkTooltip =
        QStringLiteral("相手グループに絵札を1枚も取らせずに勝敗決定枚数を獲得することを宣言します");
    const QString sixteenTooltip = QStringLiteral("絵札全部（１６枚）の獲得を宣言します");
    for (const DeclarationButton& expected : DeclarationButtons) {
        SCOPED_TRACE(expected.name);
        QPushButton* button = Button(dialog, expected.name);
        EXPECT_EQ(button->text(), QString::fromUtf8(expected.caption));
        EXPECT_EQ(button->toolTip(), expected.declaration % 2 == 1 ? skunkTooltip : sixteenTooltip);
    }
}

TEST(DeclarationDialogOffer, CancelIsTheDefaultButtonWithItsPicture) {
    CSengen dialog(DeclarationSide::Unrelated);
    QPushButton* cancel = CancelButton(dialog);
    EXPECT_EQ(cancel->text(), QStringLiteral("ジョーカー出し中止(&C)"));
    EXPECT_EQ(cancel->toolTip(), QStringLiteral("初巡のジョーカー出しを中止します"));
    EXPECT_TRUE(cancel->isDefault());
    EXPECT_FALSE(cancel->icon().isNull());
    for (const DeclarationButton& declaration : DeclarationButtons) {
        EXPECT_FALSE(Button(dialog, declaration.name)->isDefault()) << declaration.name;
    }
}

TEST(DeclarationDialogChoice, EachButtonOfItsGroupDeclares) {
    for (const DeclarationButton& expected : DeclarationButtons) {
        SCOPED_TRACE(expected.name);
        AnswerWhenModal<CSengen>([&expected](CSengen& dialog) {
            QTest::mouseClick(Button(dialog, expected.name), Qt::LeftButton);
        });
        EXPECT_EQ(CSengen::Ask(nullptr, expected.related), expected.declaration);
    }
}

TEST(DeclarationDialogChoice, AccessKeyDeclares) {
    AnswerWhenModal<CSengen>([](CSengen& dialog) {
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
        QTest::keyClick(&dialog, Qt::Key_3, Qt::AltModifier);
        WaitUntilClosed(dialog);
    });
    EXPECT_EQ(CSengen::Ask(nullptr, true), 4);
}

TEST(DeclarationDialogChoice, AccessKeyOfTheOtherGroupDeclaresNothing) {
    AnswerWhenModal<CSengen>([](CSengen& dialog) {
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
        // An access key clicks its button after a short delay; a button
        // behind Alt+4 would be clicked before the cancel button behind
        // Alt+C and close the dialog with its declaration.
        QTest::keyClick(&dialog, Qt::Key_4, Qt::AltModifier);
        QTest::keyClick(&dialog, Qt::Key_C, Qt::AltModifier);
        WaitUntilClosed(dialog);
    });
    EXPECT_EQ(CSengen::Ask(nullptr, true), 0);
}

TEST(DeclarationDialogChoice, NothingIsChosenBeforeAButtonIsPressed) {
    CSengen dialog(DeclarationSide::Related);
    EXPECT_EQ(dialog.ChosenDeclaration(), 0);
}

TEST(DeclarationDialogChoice, DisabledButtonOfTheOtherGroupDeclaresNothing) {
    CSengen dialog(DeclarationSide::Related);
    dialog.show();
    QTest::mouseClick(Button(dialog, "reverseSixteenButton"), Qt::LeftButton);
    EXPECT_EQ(dialog.ChosenDeclaration(), 0);
    EXPECT_TRUE(dialog.isVisible());
}

TEST(DeclarationDialogWithdrawal, CancelButtonWithdrawsTheJoker) {
    AnswerWhenModal<CSengen>(
        [](CSengen& dialog) { QTest::mouseClick(CancelButton(dialog), Qt::LeftButton); });
    EXPECT_EQ(CSengen::Ask(nullptr, true), 0);
}

TEST(DeclarationDialogWithdrawal, EscapeWithdrawsTheJoker) {
    AnswerWhenModal<CSengen>([](CSengen& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); });
    EXPECT_EQ(CSengen::Ask(nullptr, false), 0);
}

TEST(DeclarationDialogWithdrawal, EnterPressesTheDefaultCancel) {
    AnswerWhenModal<CSengen>([](CSengen& dialog) { QTest::keyClick(&dialog, Qt::Key_Return); });
    CSengen dialog(DeclarationSide::Related);
    EXPECT_EQ(dialog.exec(), QDialog::Rejected);
    EXPECT_EQ(dialog.ChosenDeclaration(), 0);
}

TEST(DeclarationDialogWithdrawal, CloseBoxWithdrawsTheJoker) {
    AnswerWhenModal<CSengen>([](CSengen& dialog) { dialog.close(); });
    CSengen dialog(DeclarationSide::Unrelated);
    EXPECT_EQ(dialog.exec(), QDialog::Rejected);
    EXPECT_EQ(dialog.ChosenDeclaration(), 0);
}

}  // namespace
}  // namespace tesseran
