// SPDX-License-Identifier: MIT
// The help pages as files: well-formed HTML5 in Japanese with the window's
// title, links and pictures that lead somewhere, the built copies next to the
// executable, and the content the player needs (every menu item, every
// result the game announces, the three opponents).
#include "HtmlCheck.h"
#include "base/StringTable.h"
#include "dialogs/CHelpDlg.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImage>
#include <QSet>
#include <QUrl>

#include <gtest/gtest.h>

namespace tesseran {
namespace {

using testing::CheckHtml;
using testing::HtmlReport;
using testing::HtmlTag;

const HelpPage AllPages[] = {HelpPage::Operation, HelpPage::Rules, HelpPage::Tactics};

QString SourceFolder() { return QStringLiteral(TESSERAN_HELP_SOURCE_DIR); }

QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

QString ReadPage(const QString& folder, const char* fileName) {
    return QString::fromUtf8(ReadBytes(QDir(folder).filePath(QString::fromUtf8(fileName))));
}

QString FileOf(HelpPage page) { return QString::fromUtf8(HelpPageFor(page).fileName); }

QSet<QString> IdsOf(const HtmlReport& report) {
    QSet<QString> ids;
    for (const HtmlTag& tag : report.tags) {
        if (!tag.closing && tag.HasAttribute(QStringLiteral("id")))
            ids.insert(tag.Attribute(QStringLiteral("id")));
    }
    return ids;
}

// --- The checker itself ------------------------------------------------------

const char* const GoodPage =
    "<!DOCTYPE html>\n<html lang=\"ja\"><head><meta charset=\"utf-8\"><title>ルール</title></head>"
    "<body><p>A &amp; B<br></p></body></html>\n";

TEST(HtmlChecker, AcceptsAWellFormedPage) {
    const HtmlReport report = CheckHtml(QString::fromUtf8(GoodPage));
    EXPECT_TRUE(report.problems.isEmpty()) << report.problems.join('\n').toStdString();
    EXPECT_EQ(report.title, QStringLiteral("ルール"));
}

TEST(HtmlChecker, RejectsBrokenPages) {
    const QString good = QString::fromUtf8(GoodPage);
    const QStringList broken = {
        QString(good).replace(QStringLiteral("<!DOCTYPE html>"), QString()),
        QString(good).replace(QStringLiteral("lang=\"ja\""), QStringLiteral("lang=\"en\"")),
        QString(good).replace(QStringLiteral("<meta charset=\"utf-8\">"), QString()),
        QString(good).replace(QStringLiteral("<br></p>"), QStringLiteral("<b></p></b>")),
        QString(good).replace(QStringLiteral("</p>"), QString()),
        QString(good).replace(QStringLiteral("&amp;"), QStringLiteral("&")),
        QString(good).replace(QStringLiteral("<p>"), QStringLiteral("<p class=x>")),
        QString(good).replace(QStringLiteral("<p>"), QStringLiteral("<section>")),
        QString(good).replace(QStringLiteral("<title>ルール</title>"), QString()),
    };
    for (const QString& page : broken) {
        EXPECT_FALSE(CheckHtml(page).problems.isEmpty()) << page.toStdString();
    }
}

// --- The pages ---------------------------------------------------------------

TEST(HelpPages, AreWellFormedJapaneseHtml5WithTheWindowTitle) {
    for (HelpPage page : AllPages) {
        const HelpPageInfo info = HelpPageFor(page);
        const QByteArray bytes = ReadBytes(QDir(SourceFolder()).filePath(QString::fromUtf8(info.fileName)));
        ASSERT_FALSE(bytes.isEmpty()) << info.fileName;
        const QString text = QString::fromUtf8(bytes);
        EXPECT_EQ(text.toUtf8(), bytes) << info.fileName << " is not valid UTF-8";
        EXPECT_FALSE(text.contains(QChar::ReplacementCharacter)) << info.fileName;
        const HtmlReport report = CheckHtml(text);
        EXPECT_TRUE(report.problems.isEmpty()) << info.fileName << ":\n"
                                               << report.problems.join('\n').toStdString();
        EXPECT_EQ(report.title, QString::fromUtf8(info.title)) << info.fileName;
    }
}

TEST(HelpPages, HaveUniqueIdsAndLinksThatLeadToAPageAndPlace) {
    QHash<QString, QSet<QString>> idsByPage;
    for (HelpPage page : AllPages) {
        const QString fileName = FileOf(page);
        const HtmlReport report = CheckHtml(ReadPage(SourceFolder(), HelpPageFor(page).fileName));
        QSet<QString> seen;
        for (const HtmlTag& tag : report.tags) {
            if (tag.closing || !tag.HasAttribute(QStringLiteral("id"))) continue;
            const QString id = tag.Attribute(QStringLiteral("id"));
            EXPECT_FALSE(seen.contains(id))
                << fileName.toStdString() << ": id " << id.toStdString() << " twice";
            seen.insert(id);
        }
        for (const HtmlTag& tag : report.tags) {
            if (tag.closing || tag.name != QLatin1String("a")) continue;
            const QUrl link(tag.Attribute(QStringLiteral("href")));
            ASSERT_FALSE(link.isEmpty())
                << fileName.toStdString() << " line " << tag.line << ": a link without href";
            if (!link.isRelative()) continue;  // an address outside: the desktop opens it
            const QString target = link.path().isEmpty() ? fileName : link.path();
            if (!idsByPage.contains(target)) {
                const QString targetPage = ReadPage(SourceFolder(), target.toUtf8().constData());
                ASSERT_FALSE(targetPage.isEmpty())
                    << fileName.toStdString() << " line " << tag.line << ": no page " << target.toStdString();
                idsByPage.insert(target, IdsOf(CheckHtml(targetPage)));
            }
            if (link.hasFragment()) {
                EXPECT_TRUE(idsByPage.value(target).contains(link.fragment()))
                    << fileName.toStdString() << " line " << tag.line << ": no place #"
                    << link.fragment().toStdString() << " in " << target.toStdString();
            }
        }
    }
}

TEST(HelpPages, LinkToEachOther) {
    for (HelpPage page : AllPages) {
        const HtmlReport report = CheckHtml(ReadPage(SourceFolder(), HelpPageFor(page).fileName));
        QSet<QString> linked;
        for (const HtmlTag& tag : report.tags) {
            if (!tag.closing && tag.name == QLatin1String("a")) {
                linked.insert(QUrl(tag.Attribute(QStringLiteral("href"))).path());
            }
        }
        for (HelpPage other : AllPages) {
            if (other == page) continue;
            EXPECT_TRUE(linked.contains(FileOf(other)))
                << HelpPageFor(page).fileName << " -> " << FileOf(other).toStdString();
        }
    }
}

TEST(HelpPages, PicturesAreBuiltWithTheSizeThePageGives) {
    const QString built = CHelpDlg::DefaultHelpFolder();
    int pictures = 0;
    for (HelpPage page : AllPages) {
        const HtmlReport report = CheckHtml(ReadPage(SourceFolder(), HelpPageFor(page).fileName));
        for (const HtmlTag& tag : report.tags) {
            if (tag.closing || tag.name != QLatin1String("img")) continue;
            ++pictures;
            const QString source = tag.Attribute(QStringLiteral("src"));
            EXPECT_TRUE(tag.HasAttribute(QStringLiteral("alt")))
                << source.toStdString() << " has no alt text";
            const QImage image(QDir(built).filePath(source));
            ASSERT_FALSE(image.isNull())
                << HelpPageFor(page).fileName << ": no picture " << source.toStdString();
            EXPECT_EQ(tag.Attribute(QStringLiteral("width")).toInt(), image.width()) << source.toStdString();
            EXPECT_EQ(tag.Attribute(QStringLiteral("height")).toInt(), image.height())
                << source.toStdString();
        }
    }
    EXPECT_GT(pictures, 0);
}

TEST(HelpPages, LieNextToTheExecutableAsWritten) {
    for (HelpPage page : AllPages) {
        const QString name = FileOf(page);
        const QByteArray written = ReadBytes(QDir(SourceFolder()).filePath(name));
        const QByteArray built = ReadBytes(QDir(CHelpDlg::DefaultHelpFolder()).filePath(name));
        EXPECT_FALSE(built.isEmpty()) << name.toStdString() << " is not in the built help folder";
        EXPECT_EQ(built, written) << name.toStdString();
    }
}

// --- What the pages must tell ------------------------------------------------

QString VisibleText(HelpPage page) {
    return CheckHtml(ReadPage(SourceFolder(), HelpPageFor(page).fileName)).text;
}

TEST(OperationPage, ExplainsEveryMenuItemAndKey) {
    const QString text = VisibleText(HelpPage::Operation);
    const QStringList items = {"開始",
                               "終了",
                               "スピード",
                               "速い",
                               "やや速い",
                               "普通",
                               "やや遅い",
                               "遅い",
                               "オープンモード",
                               "効果音",
                               "ルール説明",
                               "画面表示説明",
                               "残り札",
                               "現状表示",
                               "自動スタート",
                               "得点",
                               "国盗り",
                               "国盗りの初期化",
                               "カード背面の設定",
                               "画面サイズ",
                               "640 X 480",
                               "800 X 600",
                               "1024 X 768",
                               "1200 X 900",
                               "1400 X 1050",
                               "1600 X 1200",
                               "操作方法",
                               "ルール",
                               "カケヒキ",
                               "バージョン情報",
                               "F1",
                               "F2",
                               "F3",
                               "F4",
                               "F5",
                               "Enter",
                               "Zoom",
                               "左隣りの手札のカンニング",
                               "向いの手札のカンニング",
                               "右隣りの手札のカンニング"};
    for (const QString& item : items) EXPECT_TRUE(text.contains(item)) << item.toStdString();
}

TEST(OperationPage, NamesTheSixPlayersToChooseFrom) {
    const QString text = VisibleText(HelpPage::Operation);
    for (int entry : {0, 1, 3, 4, 7, 9}) {
        const QString name = QString::fromStdString(RosterName(entry));
        EXPECT_TRUE(text.contains(name)) << name.toStdString();
    }
}

// The name in 「」 of a result message, e.g. "１６はずし".
QString QuotedName(int stringId) {
    const QString message = QString::fromStdString(LoadString(stringId));
    const qsizetype open = message.indexOf(QStringLiteral("「"));
    const qsizetype close = message.indexOf(QStringLiteral("」"));
    return open >= 0 && close > open ? message.mid(open + 1, close - open - 1) : message;
}

TEST(RulePage, NamesEveryResultTheGameAnnounces) {
    const QString text = VisibleText(HelpPage::Rules);
    for (int id : {30023, 30024, 30025, 30026, 30043, 30045, 30047, 30049, 30007}) {
        const QString name = QuotedName(id);
        ASSERT_FALSE(name.isEmpty());
        EXPECT_TRUE(text.contains(name)) << name.toStdString();
    }
    for (const char* word :
         {"スコン勝ち", "逆スコン勝ち", "関係グループ", "無関係グループ", "請求紋", "見せ札", "石数"}) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(word))) << word;
    }
}

TEST(TacticsPage, DescribesTheThreeComputerOpponents) {
    const QString text = VisibleText(HelpPage::Tactics);
    for (int entry : {5, 6, 2}) {
        const QString name = QString::fromStdString(RosterName(entry));
        EXPECT_TRUE(text.contains(name)) << name.toStdString();
    }
}

}  // namespace
}  // namespace tesseran
