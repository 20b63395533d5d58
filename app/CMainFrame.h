// SPDX-License-Identifier: MIT
// The main window: no menu bar, a fixed 4:3 size chosen by the player (or
// from the desktop the first time), the table inside, and the question before
// a match under way is left. A match left by closing, or by the desktop
// session ending, is kept for the next start.
#pragma once

#include "resources/Language.h"

#include <QMainWindow>

#include <QSize>
#include <functional>

namespace tesseran {

class SettingsStore;
class TableView;

// The window widths the player can choose; the height is width / 4 * 3.
bool IsScreenWidth(int width);
// The width for the first start: the largest of the six whose window, with
// its frame, fits the desktop's free area (what the panels leave); 640 when
// none does.
int ScreenWidthForArea(QSize available, QSize frame);
// The frame a window manager usually puts around a window, for when the
// window's own is not known yet (before it is first shown).
inline constexpr QSize UsualFrame(8, 38);

class CMainFrame : public QMainWindow {
    Q_OBJECT

public:
    CMainFrame(SettingsStore& settings, bool taskbarFeature);

    TableView* table() const { return table_; }
    // Sets the window to a width (and its 4:3 height), centred on the screen
    // when it is resized by a command.
    enum class Placement { Kept, Centred };
    void ApplyScreenWidth(int width, Placement placement);

    // The player chose another language and wants the program started
    // again: the window has closed, keeping the match under way.
    std::function<void()> onRestart;
    // Stores the language chosen; when it is not the one spoken, offers to
    // start the program again in it.
    void ChooseLanguage(Language language);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    SettingsStore& settings_;
    TableView* table_;
    // The desktop session ends: the match is kept and the window closes
    // without a question that would hold the logout up.
    bool sessionEnding_ = false;
    // Closing to start again in another language: the match is kept, not
    // left.
    bool restarting_ = false;
};

}  // namespace tesseran
