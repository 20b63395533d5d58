// SPDX-License-Identifier: MIT
// The program's message boxes: modal over a window, titled "Tesseran", with
// the icon asked for, and Yes/No questions that default to Yes.
#pragma once

#include "base/Host.h"

#include <functional>
#include <utility>

class QMessageBox;
class QWidget;

namespace tesseran {

class MessageBoxes : public Messages {
public:
    // Moves a box, already sized, to where it is to open.
    using Placement = std::function<void(QWidget& box)>;

    // parent: the window the boxes are centred on; none for a free box.
    // place: where the boxes open instead, when given.
    explicit MessageBoxes(QWidget* parent = nullptr, Placement place = {})
        : parent_(parent), place_(std::move(place)) {}

    void ShowMessage(std::string_view text, MessageIcon icon) override;
    bool AskYesNo(std::string_view text) override;

private:
    int Open(QMessageBox& box);

    QWidget* parent_;
    Placement place_;
};

}  // namespace tesseran
