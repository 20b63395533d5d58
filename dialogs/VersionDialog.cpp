// SPDX-License-Identifier: MIT
#include "dialogs/VersionDialog.h"
#include "base/ResourceIds.h"
#include "resources/QtText.h"

#include "base/StringTable.h"
#include "dialogs/DialogLook.h"
#include "resources/ResourceStore.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringList>
#include <QTextDocument>
#include <QVBoxLayout>

#include <algorithm>

namespace tesseran {

namespace {

constexpr int IconSize = 48;

QString History() {
    QStringList lines;
    for (int id = text::LastVersion; id >= text::FirstVersion; --id) {
        // Each entry ends in a CR LF pair; the box wants plain lines.
        QString line = LoadText(id);
        while (line.endsWith(u'\n') || line.endsWith(u'\r')) line.chop(1);
        lines << line;
    }
    return lines.join(u'\n');
}

}  // namespace

VersionDialog::VersionDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Tesseranのバージョン情報"));
    ApplyDialogFont(*this);

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("programIcon"));
    icon->setPixmap(QPixmap::fromImage(ProgramIcon(IconSize)));
    icon->setFixedSize(IconSize, IconSize);

    auto* product = new QLabel(tr("Tesseran(トランプゲーム)"), this);
    product->setObjectName(QStringLiteral("productLabel"));
    QFont productFont = product->font();
    productFont.setPointSizeF(productFont.pointSizeF() * 1.25);
    productFont.setBold(true);
    product->setFont(productFont);

    historyBox = new QPlainTextEdit(this);
    historyBox->setObjectName(QStringLiteral("historyBox"));
    historyBox->setReadOnly(true);
    historyBox->setLineWrapMode(QPlainTextEdit::NoWrap);
    historyBox->setPlainText(History());
    // Big enough for every line of the history, so the box never scrolls
    // at the usual font size; a bigger font still gets scroll bars.
    const QFontMetrics metrics(historyBox->font());
    int widest = 0;
    const QStringList lines = historyBox->toPlainText().split(u'\n');
    for (const QString& line : lines) widest = std::max(widest, metrics.horizontalAdvance(line));
    const int margins =
        2 * (historyBox->frameWidth() + static_cast<int>(historyBox->document()->documentMargin()));
    historyBox->setFixedSize(widest + margins + metrics.averageCharWidth() * 3,
                             metrics.lineSpacing() * (static_cast<int>(lines.size()) + 1) + margins);

    confirmButton = new QPushButton(tr("確認 (&Y)"), this);
    confirmButton->setObjectName(QStringLiteral("confirmButton"));
    confirmButton->setDefault(true);
    confirmButton->setMinimumWidth(96);
    connect(confirmButton, &QPushButton::clicked, this, &QDialog::accept);

    auto* heading = new QHBoxLayout;
    heading->setSpacing(14);
    heading->addWidget(icon);
    heading->addWidget(product, 1);

    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch();
    buttonRow->addWidget(confirmButton);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 16, 14);
    layout->setSpacing(12);
    layout->addLayout(heading);
    layout->addWidget(historyBox);
    layout->addLayout(buttonRow);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    confirmButton->setFocus();
}

QString VersionDialog::HistoryText() const { return historyBox->toPlainText(); }

}  // namespace tesseran
