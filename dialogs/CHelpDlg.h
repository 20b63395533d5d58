// SPDX-License-Identifier: MIT
// The help window: one of the three HTML pages of the "help" folder next to
// the executable, shown maximised in a modal dialog. The program only finds
// and shows the pages; it never reads or writes their content.
//
// Links between the pages are followed inside the window (the title follows
// the page's own <title>); links to anything outside the help folder, such as
// web addresses, are handed to the desktop.
#pragma once

#include <QDialog>
#include <QString>

class QTextBrowser;
class QUrl;

namespace tesseran {

// The three pages of the help menu.
enum class HelpPage { Operation, Rules, Tactics };

struct HelpPageInfo {
    const char* fileName;  // inside the help folder
    const char* title;     // the window title, UTF-8
};

HelpPageInfo HelpPageFor(HelpPage page);

class CHelpDlg : public QDialog {
    Q_OBJECT

public:
    // `helpFolder` empty: DefaultHelpFolder().
    CHelpDlg(QWidget* parent, const QString& fileName, const QString& title,
             const QString& helpFolder = QString());

    // The folder "help" next to the running executable, or the installed one
    // (resources/ProgramData.h).
    static QString DefaultHelpFolder();

    // The full path of the page.
    QString PagePath() const;

    // Loads the page, sets the title and asks for a maximised window. When the
    // page is missing, tells the player (string 30162) and closes at once;
    // returns whether the page was loaded.
    bool Initialise();

    QTextBrowser* browser() const { return browser_; }

    // Creates the dialog, runs it modally when the page is there, destroys it.
    static void Show(QWidget* parent, const QString& fileName, const QString& title);
    static void Show(QWidget* parent, HelpPage page);
    // The same with a help folder of the caller's choosing.
    static void ShowFrom(QWidget* parent, const QString& helpFolder, const QString& fileName,
                         const QString& title);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // Pictures wider than the page shrink to its width, keeping their shape;
    // the others keep the size the page gives them.
    void FitPicturesToWidth();
    void OnAnchorClicked(const QUrl& link);
    void OnSourceChanged(const QUrl& source);

    QString fileName_;
    QString title_;
    QString helpFolder_;
    QTextBrowser* browser_;
};

}  // namespace tesseran
