// SPDX-License-Identifier: MIT
// The table's menus and commands: the three popup menus of the toolbar (F1 to
// F3) with their check marks and greyed items, the commands they run, the
// angle keys F4 and F5, and the peek commands of the context menu. What a
// command changes in the game, the engine decides; this class only picks the
// engine's operation or the dialog that belongs to the command.
#pragma once

#include <QObject>

#include <memory>

class QMenu;

namespace tesseran {

class TableView;

class TableCommands : public QObject {
    Q_OBJECT

public:
    explicit TableCommands(TableView& table) : table_(table) {}

    // Runs a menu command by its number (CommandIds.h).
    void Execute(int command);
    // Builds popup menu 0, 1 or 2 as it is about to be shown: captions,
    // check marks and greyed items from the current state.
    std::unique_ptr<QMenu> BuildPopupMenu(int index);
    // Opens popup menu 0, 1 or 2 at the toolbar's corner.
    void OpenPopupMenu(int index);
    // The context menu of the table: peek at the left, opposite or right seat.
    std::unique_ptr<QMenu> BuildPeekMenu();

private:
    void SetScreenWidth(int width);
    void ChangeAngle(int command);

    TableView& table_;
};

}  // namespace tesseran
