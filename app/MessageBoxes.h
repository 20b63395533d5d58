// SPDX-License-Identifier: MIT
// The program's message boxes: modal over a window, titled "Tesseran", with
// the icon asked for, and Yes/No questions that default to Yes.
#pragma once

#include "base/Host.h"

class QWidget;

namespace tesseran {

class MessageBoxes : public Messages {
public:
    // parent: the window the boxes are centred on; none for a free box.
    explicit MessageBoxes(QWidget* parent = nullptr) : parent_(parent) {}

    void ShowMessage(std::string_view text, MessageIcon icon) override;
    bool AskYesNo(std::string_view text) override;

private:
    QWidget* parent_;
};

}  // namespace tesseran
