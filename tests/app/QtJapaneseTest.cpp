// SPDX-License-Identifier: MIT
// Qt's own buttons speak the program's language: a question reads はい/いいえ.
#include "app/CTorvelApp.h"

#include <QAbstractButton>
#include <QMessageBox>

#include <gtest/gtest.h>

namespace tesseran {
namespace {

TEST(QtJapanese, AQuestionsButtonsReadHaiAndIie) {
    QTranslator translator;
    ASSERT_TRUE(InstallQtJapanese(translator)) << "Qt's Japanese translation (qtbase_ja.qm) is not installed";
    QMessageBox box(QMessageBox::Question, "Tesseran", "?", QMessageBox::Yes | QMessageBox::No);
    EXPECT_TRUE(box.button(QMessageBox::Yes)->text().contains(QString::fromUtf8("はい")));
    EXPECT_TRUE(box.button(QMessageBox::No)->text().contains(QString::fromUtf8("いいえ")));
    QCoreApplication::removeTranslator(&translator);
}

}  // namespace
}  // namespace tesseran
