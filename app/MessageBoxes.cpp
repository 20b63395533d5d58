// SPDX-License-Identifier: MIT
#include "app/MessageBoxes.h"

#include "resources/QtText.h"

#include <QMessageBox>

namespace tesseran {

void MessageBoxes::ShowMessage(std::string_view text, MessageIcon icon) {
    QMessageBox box(icon == MessageIcon::Stop ? QMessageBox::Critical : QMessageBox::Information, "Tesseran",
                    ToQString(text), QMessageBox::Ok, parent_);
    box.exec();
}

bool MessageBoxes::AskYesNo(std::string_view text) {
    QMessageBox box(QMessageBox::Question, "Tesseran", ToQString(text), QMessageBox::Yes | QMessageBox::No,
                    parent_);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

}  // namespace tesseran
