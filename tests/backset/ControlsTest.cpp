// SPDX-License-Identifier: MIT
// The dialog's controls as the player meets them: captions with their access
// keys, the pictures on the two closing buttons, and the access keys at work.
#include "backset/BackSetFixture.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace tesseran::testing {
namespace {

using ControlsTest = BackSetTest;

TEST_F(ControlsTest, ControlsCarryTheirCaptions) {
    CBackSet& opened = Open();
    EXPECT_EQ(opened.windowTitle(), QStringLiteral("カード背面の設定"));
    const std::pair<const char*, QString> captions[] = {
        {"customRadio", QStringLiteral("自由設定イメージ(&5)")},
        {"okButton", QStringLiteral("保存終了(&S)")},
        {"cancelButton", QStringLiteral("中止(&C)")},
        {"changeButton", QStringLiteral("変更(&P)")},
        {"frameCheckBox", QStringLiteral("カード外周に枠線を付ける(&W)")},
    };
    for (const auto& [name, caption] : captions) {
        auto* button = opened.findChild<QAbstractButton*>(name);
        ASSERT_NE(button, nullptr) << name;
        EXPECT_EQ(button->text(), caption) << name;
    }
    for (int preset = 1; preset <= CBackSet::PresetCount; ++preset) {
        auto* radio = opened.findChild<QRadioButton*>(QStringLiteral("presetRadio%1").arg(preset));
        ASSERT_NE(radio, nullptr) << preset;
        EXPECT_TRUE(radio->text().endsWith(QStringLiteral("(&%1)").arg(preset))) << preset;
    }
    EXPECT_EQ(opened.findChild<QLabel*>("promptLabel")->text(),
              QStringLiteral("カードの背面に設定したいイメージを選択してください。"));
    EXPECT_EQ(opened.findChild<QLabel*>("noteLabel")->text(),
              QStringLiteral(
                  "※ 自由設定イメージを変更したい場合は、「変更」ボタンをクリックしてファイルを選択して"
                  "ください。\n\n 黒枠内に直接ファイルをドラッグ＆ドロップしてセットすることもできます。"));
}

TEST_F(ControlsTest, ClosingButtonsShowTheirPictures) {
    CBackSet& opened = Open();
    for (const char* name : {"okButton", "cancelButton"}) {
        auto* button = opened.findChild<QPushButton*>(name);
        ASSERT_NE(button, nullptr) << name;
        EXPECT_FALSE(button->icon().isNull()) << name;
    }
}

TEST_F(ControlsTest, AccessKeysChooseAPresetAndSave) {
    Store(0, 1);
    CBackSet& opened = OpenShown();
    opened.activateWindow();
    QTest::keyClick(&opened, Qt::Key_3, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&opened] { return opened.Selection() == 2; }, 1000));
    QTest::keyClick(&opened, Qt::Key_S, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&opened] { return !opened.isVisible(); }, 1500));
    EXPECT_EQ(settings.ReadInt("Last", "BackSet", -1), 2);
}

}  // namespace
}  // namespace tesseran::testing
