// SPDX-License-Identifier: MIT
// The entry dialog shown when a match starts: a map of Japan with the home
// provinces of the six roster entries the human may play as, each with a
// button carrying the entry's name beside its mark. A button chooses the
// entry and closes the dialog; closing it otherwise chooses nobody and the
// match does not start.
#pragma once

#include <QDialog>

#include <array>

class QPushButton;

namespace tesseran {

class CSelect : public QDialog {
    Q_OBJECT

public:
    // The roster entries offered, in the order of the buttons.
    static constexpr std::array<int, 6> SelectableEntries{0, 1, 3, 4, 7, 9};

    explicit CSelect(QWidget* parent = nullptr);

    // The entry chosen, or -1 while none was chosen.
    int ChosenEntry() const { return chosenEntry; }

    // Opens the dialog modally and returns the entry chosen, or -1.
    static int Ask(QWidget* parent);

private:
    void Choose(int entry);

    int chosenEntry = -1;
    std::array<QPushButton*, 6> entryButtons{};
};

}  // namespace tesseran
