// SPDX-License-Identifier: MIT
// The application: checks for the data file, decides whether this process is
// the game or a peek window, and builds the main window.
#pragma once

#include <QApplication>
#include <QStringList>
#include <QTranslator>

#include <initializer_list>
#include <memory>

class QStyle;

namespace tesseran {

class CMainFrame;
class PeekWindow;
class QtSettingsStore;
class SingleInstance;

// The program's own look over a desktop style (the application's when none
// is given): buttons of dialogs and message boxes carry no generic style
// icons, which clash with the artwork.
QStyle* MakeHouseStyle(QStyle* desktop = nullptr);
void InstallHouseStyle();

class CTorvelApp : public QApplication {
    Q_OBJECT

public:
    CTorvelApp(int& argc, char** argv);
    ~CTorvelApp() override;

    // Start-up; false when the program must end at once (no data file).
    bool InitInstance();

    bool peekMode() const { return peekMode_; }
    bool taskbarFeature() const { return taskbarFeature_; }
    CMainFrame* frame() const { return frame_.get(); }

    // "/W" anywhere on the command line makes the process a peek window.
    static bool HasPeekFlag(const QStringList& arguments);

    // Runs the event loop; when the player asked for a restart (to speak
    // another language), starts the program again once this one has let go
    // of the game.
    int Run();

private:
    void BringToFront();
    void SetProgramIcon(std::initializer_list<int> sizes);

    bool peekMode_ = false;
    bool restart_ = false;
    bool taskbarFeature_ = false;
    std::unique_ptr<SingleInstance> instance_;
    std::unique_ptr<QtSettingsStore> settings_;
    std::unique_ptr<CMainFrame> frame_;
    std::unique_ptr<PeekWindow> peek_;
};

}  // namespace tesseran
