// SPDX-License-Identifier: MIT
#include "dialogs/CMonSel.h"
#include "base/ResourceIds.h"

#include "dialogs/DialogLook.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QToolTip>
#include <QVBoxLayout>

#include <array>
#include <utility>

namespace tesseran {

namespace {

constexpr QSize SuitPictureSize(47, 53);

struct SuitControl {
    const char* name;
    const char* tooltip;
};

constexpr std::array<SuitControl, 4> SuitControls{{
    {"clubs", QT_TRANSLATE_NOOP("tesseran::CMonSel", "クラブを指定します")},
    {"diamonds", QT_TRANSLATE_NOOP("tesseran::CMonSel", "ダイヤを指定します")},
    {"hearts", QT_TRANSLATE_NOOP("tesseran::CMonSel", "ハートを指定します")},
    {"spades", QT_TRANSLATE_NOOP("tesseran::CMonSel", "スッペを指定します")},
}};

// The prompt for a caption: each whole, so that a language that cannot
// put the caption before the same tail still reads right.
QString Prompt(const QString& caption) {
    if (caption.isEmpty()) return CMonSel::tr("請求する紋を指定してください。");
    if (caption == CMonSel::TrumpCaptionText) return CMonSel::tr("役にする紋を指定してください。");
    return caption + CMonSel::tr("する紋を指定してください。");
}

}  // namespace

const QString CMonSel::TrumpCaptionText = QStringLiteral("役に");

CMonSel::CMonSel(QWidget* parent) : QDialog(parent) {
    // A suit must always be named, so there is no system menu and no close
    // box; Escape still ends the dialog, and the caller takes the selection
    // all the same.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setWindowTitle(tr("紋の指定"));
    ApplyDialogFont(*this);

    promptLabel = new QLabel(Prompt(QString()), this);
    promptLabel->setObjectName(QStringLiteral("promptLabel"));
    promptLabel->setAlignment(Qt::AlignCenter);

    auto* suitGrid = new QGridLayout;
    suitGrid->setHorizontalSpacing(10);
    suitGrid->setVerticalSpacing(4);
    auto* radioGroup = new QButtonGroup(this);
    for (int suit = 0; suit < 4; ++suit) {
        const SuitControl& control = SuitControls[static_cast<std::size_t>(suit)];
        const QString tooltip = tr(control.tooltip);

        auto* radio = new QRadioButton(this);
        radio->setObjectName(QStringLiteral("%1Radio").arg(QLatin1String(control.name)));
        radio->setAccessibleName(tooltip);
        radioGroup->addButton(radio, suit);
        connect(radio, &QRadioButton::clicked, this, [this, suit] { SelectSuit(suit, ClickedOn::Radio); });
        suitRadios[suit] = radio;
        suitGrid->addWidget(radio, 0, suit, Qt::AlignHCenter);

        auto* picture = new QPushButton(this);
        picture->setObjectName(QStringLiteral("%1Picture").arg(QLatin1String(control.name)));
        picture->setIcon(ButtonIcon(bitmap::SuitIcons[static_cast<std::size_t>(suit)]));
        picture->setIconSize(SuitPictureSize);
        picture->setFixedSize(SuitPictureSize + QSize(10, 10));
        picture->setToolTip(tooltip);
        picture->setAccessibleName(tooltip);
        picture->setCursor(Qt::PointingHandCursor);
        // Only the confirm button answers Enter; a picture merely selects.
        picture->setAutoDefault(false);
        connect(picture, &QPushButton::clicked, this, [this, suit] { SelectSuit(suit, ClickedOn::Picture); });
        suitPictures[suit] = picture;
        suitGrid->addWidget(picture, 1, suit, Qt::AlignHCenter);
    }
    suitRadios[0]->setChecked(true);

    confirmButton = new QPushButton(tr("決 定(&Y)"), this);
    confirmButton->setObjectName(QStringLiteral("confirmButton"));
    confirmButton->setDefault(true);
    confirmButton->setMinimumWidth(96);
    connect(confirmButton, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch();
    buttonRow->addWidget(confirmButton);
    buttonRow->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 16, 12);
    layout->setSpacing(10);
    layout->addWidget(promptLabel);
    layout->addLayout(suitGrid);
    layout->addLayout(buttonRow);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    confirmButton->setFocus();
}

void CMonSel::SetCaptionText(const QString& text) {
    captionText = text;
    promptLabel->setText(Prompt(captionText));
}

void CMonSel::ShowHint() {
    if (!hintSource) return;
    const Hint hint = hintSource();
    if (hint.suit < 0 || hint.suit > 3) return;
    SelectSuit(hint.suit, ClickedOn::Picture);
    hintText = hint.text;
    QWidget* picture = suitPictures[static_cast<std::size_t>(hint.suit)];
    QToolTip::showText(picture->mapToGlobal(QPoint(picture->width() / 2, picture->height())), hintText,
                       picture);
}

void CMonSel::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_H && hintSource) {
        ShowHint();
        return;
    }
    QDialog::keyPressEvent(event);
}

void CMonSel::SetSoundPlayer(std::function<void(int waveId)> player) { playSound = std::move(player); }

void CMonSel::SelectSuit(int suit, ClickedOn clicked) {
    selectedSuit = suit;
    // The radios form one exclusive group, so checking one clears the others.
    if (clicked == ClickedOn::Picture) suitRadios[suit]->setChecked(true);
    if (playSound) playSound(wave::Click);
}

int CMonSel::Ask(QWidget* parent, const QString& captionText, std::function<void(int waveId)> player) {
    CMonSel dialog(parent);
    dialog.SetCaptionText(captionText);
    dialog.SetSoundPlayer(std::move(player));
    dialog.exec();
    return dialog.SelectedSuit();
}

}  // namespace tesseran
