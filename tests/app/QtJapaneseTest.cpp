// SPDX-License-Identifier: MIT
// Qt's own buttons speak the program's language (a question reads はい/いいえ
// in Japanese, Yes/No in English) and carry no style icons of the desktop's.
#include "app/CTorvelApp.h"
#include "resources/Language.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QProxyStyle>

#include <gtest/gtest.h>

namespace tesseran {
namespace {

TEST(QtJapanese, AQuestionsButtonsReadHaiAndIieInJapaneseAndYesNoInEnglish) {
    ASSERT_TRUE(UseLanguage(Language::Japanese))
        << "Qt's Japanese translation (qtbase_ja.qm) is not installed";
    {
        QMessageBox box(QMessageBox::Question, "Tesseran", "?", QMessageBox::Yes | QMessageBox::No);
        EXPECT_TRUE(box.button(QMessageBox::Yes)->text().contains(QString::fromUtf8("はい")));
        EXPECT_TRUE(box.button(QMessageBox::No)->text().contains(QString::fromUtf8("いいえ")));
    }
    ASSERT_TRUE(UseLanguage(Language::English));
    QMessageBox box(QMessageBox::Question, "Tesseran", "?", QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(box.button(QMessageBox::Yes)->text().remove(QLatin1Char('&')), QStringLiteral("Yes"));
    EXPECT_EQ(box.button(QMessageBox::No)->text().remove(QLatin1Char('&')), QStringLiteral("No"));
    UseLanguage(Language::Japanese);
}

// A desktop theme that puts style icons on every dialog button.
class IconsOnButtons : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_DialogButtonBox_ButtonsHaveIcons) return 1;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

bool OkHasAnIcon() {
    QMessageBox box(QMessageBox::Information, "Tesseran", "!", QMessageBox::Ok);
    box.show();
    return !box.button(QMessageBox::Ok)->icon().isNull();
}

TEST(HouseStyle, MessageBoxButtonsCarryNoStyleIconsWhateverTheDesktopsTheme) {
    QApplication::setStyle(new IconsOnButtons);
    ASSERT_TRUE(OkHasAnIcon()) << "the stand-in desktop theme shows no icons";
    QApplication::setStyle(MakeHouseStyle(new IconsOnButtons));
    EXPECT_FALSE(OkHasAnIcon());
    QApplication::setStyle(MakeHouseStyle());
}

}  // namespace
}  // namespace tesseran
