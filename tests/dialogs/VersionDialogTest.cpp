// SPDX-License-Identifier: MIT
// The version information box: its history lines in order, newest first, and
// its one button.
#include "ModalAnswer.h"
#include "base/StringTable.h"
#include "dialogs/VersionDialog.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace tesseran {
namespace {

using testing::AnswerWhenModal;

TEST(VersionBox, ListsTheEightHistoryLinesNewestFirst) {
    VersionDialog dialog;
    const QStringList lines = dialog.HistoryText().split(u'\n');
    ASSERT_EQ(lines.size(), 8);
    for (int index = 0; index < 8; ++index) {
        SCOPED_TRACE(index);
        const QString expected = QString::fromStdString(LoadString(30207 - index)).trimmed();
        EXPECT_FALSE(expected.isEmpty());
        EXPECT_EQ(lines[index], expected);
    }
}

TEST(VersionBox, HistoryBoxShowsTheSameLinesWithoutCarriageReturns) {
    VersionDialog dialog;
    auto* box = dialog.findChild<QPlainTextEdit*>(QStringLiteral("historyBox"));
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->isReadOnly());
    EXPECT_EQ(box->toPlainText(), dialog.HistoryText());
    EXPECT_FALSE(box->toPlainText().contains(u'\r'));
    EXPECT_EQ(box->document()->blockCount(), 8);
}

TEST(VersionBox, ShowsTheProductLineAndTheIcon) {
    VersionDialog dialog;
    EXPECT_EQ(dialog.findChild<QLabel*>(QStringLiteral("productLabel"))->text(),
              QStringLiteral("Tesseran(トランプゲーム)"));
    auto* icon = dialog.findChild<QLabel*>(QStringLiteral("programIcon"));
    ASSERT_NE(icon, nullptr);
    EXPECT_FALSE(icon->pixmap().isNull());
}

TEST(VersionBox, ConfirmButtonClosesIt) {
    AnswerWhenModal<VersionDialog>([](VersionDialog& dialog) {
        auto* confirm = dialog.findChild<QPushButton*>(QStringLiteral("confirmButton"));
        EXPECT_EQ(confirm->text(), QStringLiteral("確認 (&Y)"));
        QTest::mouseClick(confirm, Qt::LeftButton);
    });
    VersionDialog dialog;
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
}

}  // namespace
}  // namespace tesseran
