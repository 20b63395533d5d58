// SPDX-License-Identifier: MIT
// The help window: each page of the help menu opens maximised with its title,
// a missing page or folder gives the help-folder message and leaves the other
// pages working, and a link to another page opens it in the same window.
#include "base/StringTable.h"
#include "dialogs/CHelpDlg.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace tesseran {
namespace {

// Runs `answer` on the first modal widget of type W that becomes active; if
// none comes within the time, the test fails and any modal widget is closed
// so that the call under test still returns.
template <class W>
void AnswerWhenModal(std::function<void(W&)> answer, bool* answered) {
    auto* timer = new QTimer;
    timer->setInterval(10);
    const QDeadlineTimer deadline(5000);
    QObject::connect(timer, &QTimer::timeout, [timer, deadline, answer, answered] {
        if (auto* widget = qobject_cast<W*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            *answered = true;
            answer(*widget);
            if (widget->isVisible()) {
                ADD_FAILURE() << "the answer left the window open";
                widget->close();
            }
        } else if (deadline.hasExpired()) {
            timer->stop();
            timer->deleteLater();
            ADD_FAILURE() << "the expected modal window did not appear";
            if (QWidget* other = QApplication::activeModalWidget()) other->close();
        }
    });
    timer->start();
}

void PressOk(QMessageBox& box) {
    QAbstractButton* ok = box.button(QMessageBox::Ok);
    ASSERT_NE(ok, nullptr);
    ok->click();
}

QString PageFile(HelpPage page) { return QString::fromUtf8(HelpPageFor(page).fileName); }
QString PageTitle(HelpPage page) { return QString::fromUtf8(HelpPageFor(page).title); }

// A help folder holding only some of the built pages.
bool CopyPages(const QString& folder, std::initializer_list<HelpPage> pages) {
    for (HelpPage page : pages) {
        const QString from = QDir(CHelpDlg::DefaultHelpFolder()).filePath(PageFile(page));
        if (!QFile::copy(from, QDir(folder).filePath(PageFile(page)))) return false;
    }
    return true;
}

TEST(HelpMenuPages, MapToTheirFilesAndTitles) {
    EXPECT_STREQ(HelpPageFor(HelpPage::Operation).fileName, "tesseran_sousa.html");
    EXPECT_STREQ(HelpPageFor(HelpPage::Operation).title, "操作方法");
    EXPECT_STREQ(HelpPageFor(HelpPage::Rules).fileName, "tesseran_rule.html");
    EXPECT_STREQ(HelpPageFor(HelpPage::Rules).title, "ルール");
    EXPECT_STREQ(HelpPageFor(HelpPage::Tactics).fileName, "tesseran_kakehiki.html");
    EXPECT_STREQ(HelpPageFor(HelpPage::Tactics).title, "カケヒキ");
}

TEST(HelpWindow, LooksForThePagesInTheHelpFolderNextToTheExecutable) {
    CHelpDlg dialog(nullptr, QStringLiteral("tesseran_rule.html"), QStringLiteral("ルール"));
    EXPECT_EQ(dialog.PagePath(), QCoreApplication::applicationDirPath() + "/help/tesseran_rule.html");
}

TEST(HelpWindow, OpensEachPageMaximisedWithItsTitle) {
    for (HelpPage page : {HelpPage::Operation, HelpPage::Rules, HelpPage::Tactics}) {
        bool answered = false;
        AnswerWhenModal<CHelpDlg>(
            [page](CHelpDlg& dialog) {
                EXPECT_EQ(dialog.windowTitle(), PageTitle(page));
                EXPECT_TRUE(dialog.windowState() & Qt::WindowMaximized);
                EXPECT_EQ(dialog.browser()->source().fileName(), PageFile(page));
                EXPECT_EQ(dialog.browser()->documentTitle(), PageTitle(page));
                EXPECT_GT(dialog.browser()->document()->characterCount(), 1000);
                dialog.reject();
            },
            &answered);
        CHelpDlg::Show(nullptr, page);
        EXPECT_TRUE(answered) << PageFile(page).toStdString();
    }
}

TEST(HelpWindow, PicturesShrinkToTheWindowsWidthAndGrowBackToTheirOwn) {
    CHelpDlg dialog(nullptr, PageFile(HelpPage::Operation), PageTitle(HelpPage::Operation));
    ASSERT_TRUE(dialog.Initialise());
    dialog.setWindowState(Qt::WindowNoState);
    dialog.resize(640, 480);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    QScrollBar* across = dialog.browser()->horizontalScrollBar();
    // The table picture is 840 pixels wide: it fits a 640-pixel window.
    EXPECT_TRUE(QTest::qWaitFor([across] { return across->maximum() == 0; }, 1000)) << across->maximum();
    dialog.resize(1100, 700);
    QTest::qWait(50);
    EXPECT_EQ(across->maximum(), 0);
    const QTextBlock picture = dialog.browser()->document()->find(QStringLiteral("\uFFFC")).block();
    bool natural = false;
    for (QTextBlock::iterator part = picture.begin(); !part.atEnd(); ++part) {
        const QTextCharFormat format = part.fragment().charFormat();
        if (format.isImageFormat() && format.toImageFormat().name().endsWith("table.png"))
            natural = qFuzzyCompare(format.toImageFormat().width(), 840.0);
    }
    EXPECT_TRUE(natural) << "the table picture did not grow back to 840 pixels";
}

TEST(HelpWindow, MissingPageGivesTheHelpFolderMessageAndTheOtherPagesStillOpen) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    ASSERT_TRUE(CopyPages(folder.path(), {HelpPage::Operation, HelpPage::Tactics}));

    bool told = false;
    AnswerWhenModal<QMessageBox>(
        [](QMessageBox& box) {
            EXPECT_EQ(box.text(), QString::fromStdString(LoadString(30162)));
            EXPECT_EQ(box.windowTitle(), QStringLiteral("Tesseran"));
            EXPECT_EQ(box.icon(), QMessageBox::Information);
            PressOk(box);
        },
        &told);
    CHelpDlg rules(nullptr, PageFile(HelpPage::Rules), PageTitle(HelpPage::Rules), folder.path());
    EXPECT_FALSE(rules.Initialise());
    EXPECT_TRUE(told);
    EXPECT_FALSE(rules.isVisible());
    EXPECT_EQ(rules.result(), QDialog::Rejected);

    for (HelpPage page : {HelpPage::Operation, HelpPage::Tactics}) {
        bool opened = false;
        AnswerWhenModal<CHelpDlg>(
            [page](CHelpDlg& dialog) {
                EXPECT_EQ(dialog.windowTitle(), PageTitle(page));
                dialog.reject();
            },
            &opened);
        CHelpDlg::ShowFrom(nullptr, folder.path(), PageFile(page), PageTitle(page));
        EXPECT_TRUE(opened) << PageFile(page).toStdString();
    }
}

TEST(HelpWindow, MissingFolderGivesTheSameMessage) {
    QTemporaryDir parent;
    ASSERT_TRUE(parent.isValid());
    bool told = false;
    AnswerWhenModal<QMessageBox>(
        [](QMessageBox& box) {
            EXPECT_EQ(box.text(), QString::fromStdString(LoadString(30162)));
            PressOk(box);
        },
        &told);
    CHelpDlg::ShowFrom(nullptr, parent.path() + "/help", PageFile(HelpPage::Operation),
                       PageTitle(HelpPage::Operation));
    EXPECT_TRUE(told);
}

// The place in the browser of the first link to `href`, in viewport coordinates.
QPoint LinkPoint(QTextBrowser& browser, const QString& href) {
    QTextDocument* document = browser.document();
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            const QTextCharFormat format = fragment.fragment().charFormat();
            if (!format.isAnchor() || format.anchorHref() != href) continue;
            QTextCursor cursor(document);
            cursor.setPosition(fragment.fragment().position() + 1);
            browser.setTextCursor(cursor);
            browser.ensureCursorVisible();
            return browser.cursorRect(cursor).center();
        }
    }
    return {-1, -1};
}

TEST(HelpWindow, FollowsALinkToAnotherPageInsideTheWindowWithThatPagesTitle) {
    CHelpDlg dialog(nullptr, PageFile(HelpPage::Operation), PageTitle(HelpPage::Operation));
    ASSERT_TRUE(dialog.Initialise());
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    QTextBrowser& browser = *dialog.browser();
    const QPoint point = LinkPoint(browser, PageFile(HelpPage::Rules));
    ASSERT_GE(point.x(), 0) << "the operation page has no link to the rules";
    QTest::mouseClick(browser.viewport(), Qt::LeftButton, Qt::NoModifier, point);
    EXPECT_TRUE(
        QTest::qWaitFor([&browser] { return browser.source().fileName() == "tesseran_rule.html"; }, 2000));
    EXPECT_EQ(dialog.windowTitle(), PageTitle(HelpPage::Rules));
    // And back again with Alt+Left, as the operation page tells.
    QTest::keyClick(&browser, Qt::Key_Left, Qt::AltModifier);
    EXPECT_EQ(browser.source().fileName(), PageFile(HelpPage::Operation));
    EXPECT_EQ(dialog.windowTitle(), PageTitle(HelpPage::Operation));
}

TEST(HelpWindow, ClosesWithEscape) {
    bool answered = false;
    AnswerWhenModal<CHelpDlg>(
        [](CHelpDlg& dialog) {
            dialog.browser()->setFocus();
            QTest::keyClick(dialog.browser(), Qt::Key_Escape);
            EXPECT_FALSE(dialog.isVisible());
        },
        &answered);
    CHelpDlg::Show(nullptr, HelpPage::Rules);
    EXPECT_TRUE(answered);
}

}  // namespace
}  // namespace tesseran
