// SPDX-License-Identifier: MIT
#include "app/CTorvelApp.h"
#include "base/ResourceIds.h"
#include "resources/QtText.h"

#include "app/CMainFrame.h"
#include "app/PeekWindow.h"
#include "app/QtSettingsStore.h"
#include "app/SingleInstance.h"
#include "app/TableView.h"
#include "base/StringTable.h"
#include "render/CardSheet.h"
#include "resources/Language.h"
#include "resources/ResourceStore.h"

#include <QFileInfo>
#include <QFont>
#include <QFontDatabase>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QPixmap>
#include <QProcess>
#include <QProxyStyle>
#include <QScreen>

namespace tesseran {

CTorvelApp::CTorvelApp(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName("Tesseran");
    setOrganizationName("Brindlewick");
    // The installed desktop entry (packaging/), so the desktop shows the
    // window under the game's own name and icon. No application display name:
    // Qt would append it to every window title, and the conquest and peek
    // windows' titles are their own.
    setDesktopFileName("org.tesseran.Tesseran");
}

CTorvelApp::~CTorvelApp() {
    peek_.reset();
    frame_.reset();
    settings_.reset();
}

bool CTorvelApp::HasPeekFlag(const QStringList& arguments) {
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments[i].contains("/W")) return true;
    }
    return false;
}

namespace {

class HouseStyle : public QProxyStyle {
public:
    explicit HouseStyle(QStyle* desktop) : QProxyStyle(desktop) {}

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_DialogButtonBox_ButtonsHaveIcons) return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

}  // namespace

QStyle* MakeHouseStyle(QStyle* desktop) { return new HouseStyle(desktop); }

void InstallHouseStyle() { QApplication::setStyle(MakeHouseStyle()); }

int CTorvelApp::Run() {
    const int status = exec();
    if (!restart_) return status;
    // The game lets go of its lock first, so the new one is the one game.
    frame_.reset();
    instance_.reset();
    QProcess::startDetached(applicationFilePath(), {});
    return status;
}

void CTorvelApp::SetProgramIcon(std::initializer_list<int> sizes) {
    QIcon icon;
    for (int size : sizes) icon.addPixmap(QPixmap::fromImage(ProgramIcon(size)));
    setWindowIcon(icon);
}

void CTorvelApp::BringToFront() {
    // A question or dialog that is up comes along with the window it belongs to.
    for (QWidget* window : {static_cast<QWidget*>(frame_.get()), activeModalWidget()}) {
        if (window == nullptr) continue;
        window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
        window->show();
        window->raise();
        window->activateWindow();
    }
}

bool CTorvelApp::InitInstance() {
    // The program speaks the language chosen (the desktop's until one is);
    // Qt's own buttons and dialogs follow.
    settings_ = std::make_unique<QtSettingsStore>();
    UseLanguage(ChosenLanguage(*settings_));
    InstallHouseStyle();
    // Hands are published for the peek window only on a true-colour display.
    QScreen* screen = primaryScreen();
    taskbarFeature_ = screen != nullptr && screen->depth() >= 24;

    peekMode_ = HasPeekFlag(arguments());
    if (!peekMode_) {
        // Japanese text everywhere in one family, whatever the desktop's
        // default. The peek process shows pictures and a title only, and does
        // without the font set-up and the large icons.
        for (const char* family : {"Noto Sans CJK JP", "IPAGothic"}) {
            if (QFontDatabase::hasFamily(family)) {
                QFont font(family);
                font.setPointSize(10);
                setFont(font);
                break;
            }
        }
        SetProgramIcon({16, 32, 48, 64, 128, 256});
    } else {
        SetProgramIcon({16, 32, 48});
    }

    if (!QFileInfo::exists(CardSheetDataFile())) {
        QMessageBox::information(nullptr, "Tesseran",
                                 QString("TesseranSys.dll\n") + LoadText(text::DataFileMissing));
        return false;
    }

    if (peekMode_) {
        // The peek process decodes only the cards it shows. Its one possible
        // message (no work folder) goes to a free message box.
        peek_ = std::make_unique<PeekWindow>(*settings_, CardSheetCells::FromDataFile(CardSheetDataFile()));
        peek_->show();
        return true;
    }
    instance_ = std::make_unique<SingleInstance>();
    switch (instance_->Claim()) {
        case SingleInstance::Start::First:
            break;
        case SingleInstance::Start::OtherRaised:
            return false;
        case SingleInstance::Start::OtherUnreached:
            QMessageBox::information(nullptr, "Tesseran", LoadText(text::AlreadyRunning));
            return false;
    }
    // Only now is this sure to be the one game that writes the file.
    settings_->RemoveStaleTemporaryCopies();
    frame_ = std::make_unique<CMainFrame>(*settings_, taskbarFeature_);
    frame_->onRestart = [this] { restart_ = true; };
    instance_->onShowRequest = [this] { BringToFront(); };
    frame_->show();
    // Without its card sheet or drawing surfaces the table cannot be played;
    // the player has been told why, and the program ends.
    return frame_->table()->Initialise();
}

}  // namespace tesseran
