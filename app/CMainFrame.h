// SPDX-License-Identifier: MIT
// The main window: no menu bar, a fixed 4:3 size chosen by the player (or
// from the desktop the first time), the table inside, and the question before
// a match under way is left.
#pragma once

#include <QMainWindow>

namespace tesseran {

class SettingsStore;
class TableView;

// The window widths the player can choose; the height is width / 4 * 3.
bool IsScreenWidth(int width);
// The width for a desktop of this height, for the first start.
int ScreenWidthForDesktop(int desktopHeight);

class CMainFrame : public QMainWindow {
    Q_OBJECT

public:
    CMainFrame(SettingsStore& settings, bool taskbarFeature);

    TableView* table() const { return table_; }
    // Sets the window to a width (and its 4:3 height), centred on the screen
    // when it is resized by a command.
    enum class Placement { Kept, Centred };
    void ApplyScreenWidth(int width, Placement placement);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    SettingsStore& settings_;
    TableView* table_;
};

}  // namespace tesseran
