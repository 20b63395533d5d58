// SPDX-License-Identifier: MIT
#include "app/CMainFrame.h"

#include "app/CommandIds.h"
#include "app/FirstMatchGuide.h"
#include "app/TableView.h"
#include "base/ResourceIds.h"
#include "base/SettingsStore.h"
#include "base/StringTable.h"
#include "campaign/Campaign.h"
#include "conquest/CKunitori.h"
#include "dialogs/CHelpDlg.h"
#include "render/GameTerms.h"
#include "resources/QtText.h"
#include "statistics/StatisticsWindow.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QSessionManager>

#include <array>

namespace tesseran {

bool IsScreenWidth(int width) {
    return width == 640 || width == 800 || width == 1024 || width == 1200 || width == 1400 || width == 1600;
}

int ScreenWidthForArea(QSize available, QSize frame) {
    for (int width : {1600, 1400, 1200, 1024, 800}) {
        if (width + frame.width() <= available.width() &&
            width / 4 * 3 + frame.height() <= available.height())
            return width;
    }
    return 640;
}

CMainFrame::CMainFrame(SettingsStore& settings, bool taskbarFeature) : settings_(settings) {
    setWindowTitle("Tesseran");
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    table_ = new TableView(settings, taskbarFeature, this);
    setCentralWidget(table_);
    table_->onScreenSize = [this](int width) { ApplyScreenWidth(width, Placement::Centred); };
    connect(
        qGuiApp, &QGuiApplication::commitDataRequest, this,
        [this](QSessionManager&) {
            sessionEnding_ = true;
            table_->KeepMatch();
        },
        Qt::DirectConnection);
    connect(qGuiApp, &QCoreApplication::aboutToQuit, this, [this] { table_->KeepMatch(); });
    table_->onLanguage = [this](Language language) { ChooseLanguage(language); };
    table_->onHelp = [this](int command) {
        HelpPage page = command == command::HelpOperation ? HelpPage::Operation
                        : command == command::HelpRules   ? HelpPage::Rules
                                                          : HelpPage::Tactics;
        CHelpDlg::Show(this, page);
    };
    table_->onConquest = [this] {
        table_->guide().Tell(GuideTopic::Conquest, mapToGlobal(QPoint(width() / 2, height() / 3)));
        std::array<QString, EntryCount> names;
        for (int entry = 0; entry < EntryCount; ++entry) names[entry] = EntryName(entry);
        auto playSound = [this](int waveId) { table_->PlaySoundEffect(waveId); };
        CKunitori::Run(settings_, *table_, *table_, table_->game().entryNo, names, playSound, this,
                       table_->chronicle());
    };
    table_->onStatistics = [this] {
        const ChronicleDatabase* chronicle = table_->chronicle();
        if (chronicle == nullptr) {
            table_->ShowMessage(LoadString(text::ChronicleNotOpen), MessageIcon::Information);
            return;
        }
        const int entry = table_->game().entryNo;
        StatisticsWindow::Run(*chronicle, entry, ProvincesHeld(settings_, entry), this);
    };

    // A stored width that is not one of the six (absent, or edited by hand) is
    // chosen again from the desktop, so the window never takes an absurd size.
    int width = settings.Read(setting::ScreenWidth);
    if (!IsScreenWidth(width)) {
        // The whole table must be visible: a laptop's 768 rows less its panel
        // and the title bar hold no 1024 x 768 window.
        QScreen* screen = QGuiApplication::primaryScreen();
        const QSize available = screen != nullptr ? screen->availableGeometry().size() : QSize(1024, 768);
        width = ScreenWidthForArea(available, UsualFrame);
        settings.Write(setting::ScreenWidth, width);
    }
    ApplyScreenWidth(width, Placement::Kept);
}

void CMainFrame::ApplyScreenWidth(int width, Placement placement) {
    const QSize size(width, width / 4 * 3);
    setFixedSize(size);
    resize(size);
    table_->UpdateScale();
    if (placement == Placement::Centred) {
        if (QScreen* screen = this->screen()) {
            QRect area = screen->availableGeometry();
            move(area.center() - QPoint(size.width() / 2, size.height() / 2));
        }
    }
}

void CMainFrame::ChooseLanguage(Language language) {
    settings_.Write(setting::LanguageChoice, ToUtf8(LanguageCode(language)));
    settings_.Sync();
    if (language == CurrentLanguage()) return;
    // Said in both languages: the player may read only the one chosen.
    const QString question = QStringLiteral(
        "言語は次に起動したときから切り替わります。いま起動し直しますか\n"
        "（対戦の途中なら、その続きから始まります）\n\n"
        "The language changes when the program starts again. Restart now?\n"
        "(A match under way goes on where it stands.)");
    if (QMessageBox::question(this, QStringLiteral("Tesseran"), question, QMessageBox::Yes | QMessageBox::No,
                              QMessageBox::Yes) != QMessageBox::Yes)
        return;
    if (!onRestart) return;
    restarting_ = true;
    onRestart();
    close();
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (!sessionEnding_ && !restarting_ && table_->AsksBeforeClosing() &&
        !table_->AskYesNo(LoadString(text::LeaveMatch))) {
        event->ignore();
        return;
    }
    table_->KeepMatch();
    table_->peekChannel().Close();
    event->accept();
}

}  // namespace tesseran
