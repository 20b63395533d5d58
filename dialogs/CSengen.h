// SPDX-License-Identifier: MIT
// The declaration dialog: a joker played as the human's first card of a
// battle must announce a declaration. The human's group decides which pair
// is offered (skunk and 16 for the related group, their reverse forms for the
// unrelated one); cancelling withdraws the joker play.
#pragma once

#include <QDialog>

#include <array>

class QPushButton;

namespace tesseran {

// The group the human belongs to in this game.
enum class DeclarationSide { Unrelated = 0, Related = 1 };

class CSengen : public QDialog {
    Q_OBJECT

public:
    // The declarations the buttons stand for.
    static constexpr int DeclaredSkunk = 3;
    static constexpr int DeclaredSixteen = 4;
    static constexpr int DeclaredReverseSkunk = 5;
    static constexpr int DeclaredReverseSixteen = 6;

    explicit CSengen(DeclarationSide side, QWidget* parent = nullptr);

    DeclarationSide Side() const { return side; }

    // 3..6 once a declaration button was pressed, 0 before.
    int ChosenDeclaration() const { return chosenDeclaration; }

    // Opens the dialog modally; returns the declaration 3..6, or 0 when the
    // human cancelled and the joker goes back to the hand.
    static int Ask(QWidget* parent, bool related);

private:
    void Declare(int declaration);

    DeclarationSide side;
    int chosenDeclaration = 0;
    QPushButton* cancelButton = nullptr;
    std::array<QPushButton*, 4> declarationButtons{};
};

}  // namespace tesseran
