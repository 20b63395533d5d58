// SPDX-License-Identifier: MIT
// The look the game's small dialogs share: Japanese text in Noto Sans CJK JP
// (IPAGothic where it is missing) at the application's usual size, so that the
// captions read the same on every machine whatever the desktop's default font.
#pragma once

#include <QIcon>

class QWidget;

namespace tesseran {

// Gives `dialog` and everything in it the Japanese typeface.
void ApplyDialogFont(QWidget& dialog);

// Bitmap `id` with its see-through colour applied, as a button icon; a null
// icon for a number the program does not carry.
QIcon ButtonIcon(int id);

}  // namespace tesseran
