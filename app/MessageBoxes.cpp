// SPDX-License-Identifier: MIT
#include "app/MessageBoxes.h"

#include "resources/Language.h"
#include "resources/QtText.h"

#include <QMessageBox>

namespace tesseran {

void MessageBoxes::ShowMessage(std::string_view text, MessageIcon icon) {
    QMessageBox box(icon == MessageIcon::Stop ? QMessageBox::Critical : QMessageBox::Information, "Tesseran",
                    Translated("Messages", text), QMessageBox::Ok, parent_);
    Open(box);
}

bool MessageBoxes::AskYesNo(std::string_view text) {
    QMessageBox box(QMessageBox::Question, "Tesseran", Translated("Messages", text),
                    QMessageBox::Yes | QMessageBox::No, parent_);
    box.setDefaultButton(QMessageBox::Yes);
    return Open(box) == QMessageBox::Yes;
}

int MessageBoxes::Open(QMessageBox& box) {
    if (place_) {
        box.adjustSize();
        place_(box);
    }
    return box.exec();
}

}  // namespace tesseran
