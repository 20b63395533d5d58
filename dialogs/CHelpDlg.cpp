// SPDX-License-Identifier: MIT
#include "dialogs/CHelpDlg.h"
#include "base/ResourceIds.h"
#include "resources/Language.h"
#include "resources/QtText.h"

#include "base/StringTable.h"
#include "resources/ProgramData.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFormat>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>

namespace tesseran {

namespace {
constexpr int PageMargin = 18;
// The size a page gives a picture, kept on the picture's format.
constexpr int NaturalWidth = QTextFormat::UserProperty + 1;
constexpr int NaturalHeight = QTextFormat::UserProperty + 2;
}  // namespace

HelpPageInfo HelpPageFor(HelpPage page) {
    switch (page) {
        case HelpPage::Operation:
            return {"tesseran_sousa.html", QT_TRANSLATE_NOOP("tesseran::CHelpDlg", "操作方法")};
        case HelpPage::Rules:
            return {"tesseran_rule.html", QT_TRANSLATE_NOOP("tesseran::CHelpDlg", "ルール")};
        case HelpPage::Tactics:
            break;
    }
    return {"tesseran_kakehiki.html", QT_TRANSLATE_NOOP("tesseran::CHelpDlg", "カケヒキ")};
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

QString CHelpDlg::DefaultHelpFolder() {
    // Each language's pages in a folder of their own under the Japanese ones.
    if (CurrentLanguage() != Language::Japanese) {
        const QString own = ProgramDataPath(QStringLiteral("help/") + LanguageCode(CurrentLanguage()));
        if (QFileInfo::exists(own)) return own;
    }
    return ProgramDataPath(QStringLiteral("help"));
}

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
    Show(parent, ToQString(info.fileName), tr(info.title));
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

void CHelpDlg::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    FitPicturesToWidth();
}

void CHelpDlg::FitPicturesToWidth() {
    QTextDocument* document = browser_->document();
    // The room inside the margins, less a little for the frame of a paragraph.
    const qreal room = browser_->viewport()->width() - 2 * PageMargin - 8;
    if (room <= 0) return;
    document->setUndoRedoEnabled(false);
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        for (QTextBlock::iterator part = block.begin(); !part.atEnd(); ++part) {
            const QTextFragment fragment = part.fragment();
            if (!fragment.isValid() || !fragment.charFormat().isImageFormat()) continue;
            QTextImageFormat picture = fragment.charFormat().toImageFormat();
            if (!picture.hasProperty(NaturalWidth)) {
                picture.setProperty(NaturalWidth, picture.width());
                picture.setProperty(NaturalHeight, picture.height());
            }
            const qreal width = picture.doubleProperty(NaturalWidth);
            const qreal height = picture.doubleProperty(NaturalHeight);
            if (width <= 0 || height <= 0) continue;
            const qreal scale = std::min<qreal>(1.0, room / width);
            if (qFuzzyCompare(picture.width(), width * scale)) continue;
            picture.setWidth(width * scale);
            picture.setHeight(height * scale);
            QTextCursor cursor(document);
            cursor.setPosition(fragment.position());
            cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
            cursor.setCharFormat(picture);
        }
    }
}

void CHelpDlg::OnSourceChanged(const QUrl& source) {
    // Room between the window's edge and the text.
    browser_->document()->setDocumentMargin(PageMargin);
    FitPicturesToWidth();
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
