// SPDX-License-Identifier: MIT
#include "dialogs/CHelpDlg.h"
#include "base/ResourceIds.h"
#include "resources/QtText.h"

#include "base/StringTable.h"
#include "resources/ProgramData.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>
#include <QVBoxLayout>

namespace tesseran {

namespace {
constexpr int PageMargin = 18;
}  // namespace

HelpPageInfo HelpPageFor(HelpPage page) {
    switch (page) {
        case HelpPage::Operation:
            return {"tesseran_sousa.html", "操作方法"};
        case HelpPage::Rules:
            return {"tesseran_rule.html", "ルール"};
        case HelpPage::Tactics:
            break;
    }
    return {"tesseran_kakehiki.html", "カケヒキ"};
}

CHelpDlg::CHelpDlg(QWidget* parent, const QString& fileName, const QString& title, const QString& helpFolder)
    : QDialog(parent),
      fileName_(fileName),
      title_(title),
      helpFolder_(helpFolder.isEmpty() ? DefaultHelpFolder() : helpFolder),
      browser_(new QTextBrowser(this)) {
    setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setSizeGripEnabled(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    // Links are followed here, so that only pages of the help folder are
    // shown inside the window and everything else goes to the desktop.
    browser_->setOpenLinks(false);
    browser_->setOpenExternalLinks(false);
    connect(browser_, &QTextBrowser::anchorClicked, this, &CHelpDlg::OnAnchorClicked);
    connect(browser_, &QTextBrowser::sourceChanged, this, &CHelpDlg::OnSourceChanged);
    // The size the window takes when the player restores it from maximised.
    resize(820, 640);
}

QString CHelpDlg::DefaultHelpFolder() { return ProgramDataPath(QStringLiteral("help")); }

QString CHelpDlg::PagePath() const { return QDir(helpFolder_).filePath(fileName_); }

bool CHelpDlg::Initialise() {
    const QString path = PagePath();
    if (!QFileInfo(path).isFile()) {
        QMessageBox::information(parentWidget(), QStringLiteral("Tesseran"), LoadText(text::NoHelpFolder));
        reject();
        return false;
    }
    browser_->setSource(QUrl::fromLocalFile(path));
    setWindowTitle(title_);
    setWindowState(windowState() | Qt::WindowMaximized);
    return true;
}

void CHelpDlg::Show(QWidget* parent, const QString& fileName, const QString& title) {
    ShowFrom(parent, DefaultHelpFolder(), fileName, title);
}

void CHelpDlg::Show(QWidget* parent, HelpPage page) {
    const HelpPageInfo info = HelpPageFor(page);
    Show(parent, ToQString(info.fileName), ToQString(info.title));
}

void CHelpDlg::ShowFrom(QWidget* parent, const QString& helpFolder, const QString& fileName,
                        const QString& title) {
    CHelpDlg dialog(parent, fileName, title, helpFolder);
    if (dialog.Initialise()) dialog.exec();
}

void CHelpDlg::OnAnchorClicked(const QUrl& link) {
    const QUrl target = browser_->source().resolved(link);
    if (target.isLocalFile()) {
        const QFileInfo file(target.toLocalFile());
        const QString folder = QFileInfo(helpFolder_).canonicalFilePath();
        if (file.isFile() && !folder.isEmpty() && file.canonicalPath() == folder) {
            browser_->setSource(target);
            return;
        }
    }
    QDesktopServices::openUrl(target);
}

void CHelpDlg::OnSourceChanged(const QUrl& source) {
    // Room between the window's edge and the text.
    browser_->document()->setDocumentMargin(PageMargin);
    // A page reached by a link names itself; the opening page keeps the
    // title it was opened with.
    const QString pageTitle = browser_->documentTitle();
    if (!pageTitle.isEmpty() && source.fileName() != fileName_) {
        setWindowTitle(pageTitle);
    } else {
        setWindowTitle(title_);
    }
}

}  // namespace tesseran
