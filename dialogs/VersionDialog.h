// SPDX-License-Identifier: MIT
// The version information box: the program icon, the product line and the
// version history, newest release first, with one button to close it.
#pragma once

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

namespace tesseran {

class VersionDialog : public QDialog {
    Q_OBJECT

public:
    explicit VersionDialog(QWidget* parent = nullptr);

    // The history as the box shows it, one release per line, newest first.
    QString HistoryText() const;

private:
    QPlainTextEdit* historyBox = nullptr;
    QPushButton* confirmButton = nullptr;
};

}  // namespace tesseran
