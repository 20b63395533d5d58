// SPDX-License-Identifier: MIT
#include "dialogs/CSengen.h"
#include "base/ResourceIds.h"

#include "dialogs/DialogLook.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tesseran {

namespace {

struct DeclarationControl {
    const char* name;
    const char* caption;
    const char* tooltip;
    int declaration;
    DeclarationSide side;
    int row;
    int column;
};

constexpr const char* SkunkTooltip = QT_TRANSLATE_NOOP(
    "tesseran::CSengen", "相手グループに絵札を1枚も取らせずに勝敗決定枚数を獲得することを宣言します");
constexpr const char* SixteenTooltip =
    QT_TRANSLATE_NOOP("tesseran::CSengen", "絵札全部（１６枚）の獲得を宣言します");

// The plain pair stands in the left column and the reverse pair in the right
// one, so the access keys 1 to 4 run along the rows.
constexpr std::array<DeclarationControl, 4> DeclarationControls{{
    {"skunkButton", QT_TRANSLATE_NOOP("tesseran::CSengen", "宣言スコンク(&1)"), SkunkTooltip,
     CSengen::DeclaredSkunk, DeclarationSide::Related, 0, 0},
    {"sixteenButton", QT_TRANSLATE_NOOP("tesseran::CSengen", "宣言１６(&3)"), SixteenTooltip,
     CSengen::DeclaredSixteen, DeclarationSide::Related, 1, 0},
    {"reverseSkunkButton", QT_TRANSLATE_NOOP("tesseran::CSengen", "宣言逆スコンク(&2)"), SkunkTooltip,
     CSengen::DeclaredReverseSkunk, DeclarationSide::Unrelated, 0, 1},
    {"reverseSixteenButton", QT_TRANSLATE_NOOP("tesseran::CSengen", "宣言逆１６(&4)"), SixteenTooltip,
     CSengen::DeclaredReverseSixteen, DeclarationSide::Unrelated, 1, 1},
}};

}  // namespace

CSengen::CSengen(DeclarationSide declarationSide, QWidget* parent) : QDialog(parent), side(declarationSide) {
    setWindowTitle(tr("宣言の選択"));
    ApplyDialogFont(*this);

    auto* explanation =
        new QLabel(tr("初巡ジョーカー出しは、宣言する時だけ可能です。\nどの宣言にしますか。"), this);
    explanation->setObjectName(QStringLiteral("explanationLabel"));

    auto* declarationGrid = new QGridLayout;
    declarationGrid->setHorizontalSpacing(8);
    declarationGrid->setVerticalSpacing(6);
    for (std::size_t index = 0; index < declarationButtons.size(); ++index) {
        const DeclarationControl& control = DeclarationControls[index];
        auto* button = new QPushButton(tr(control.caption), this);
        button->setObjectName(QLatin1String(control.name));
        button->setToolTip(tr(control.tooltip));
        button->setMinimumHeight(28);
        // Only the pair of the human's own group may be declared.
        button->setEnabled(control.side == side);
        // Enter belongs to the cancel button, the dialog's default.
        button->setAutoDefault(false);
        const int declaration = control.declaration;
        connect(button, &QPushButton::clicked, this, [this, declaration] { Declare(declaration); });
        declarationButtons[index] = button;
        declarationGrid->addWidget(button, control.row, control.column);
    }

    cancelButton = new QPushButton(ButtonIcon(bitmap::CancelPicture), tr("ジョーカー出し中止(&C)"), this);
    cancelButton->setObjectName(QStringLiteral("cancelButton"));
    cancelButton->setIconSize(QSize(32, 32));
    cancelButton->setToolTip(tr("初巡のジョーカー出しを中止します"));
    cancelButton->setMinimumHeight(44);
    cancelButton->setCursor(Qt::PointingHandCursor);
    cancelButton->setDefault(true);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 16, 14);
    layout->setSpacing(12);
    layout->addWidget(explanation);
    layout->addLayout(declarationGrid);
    layout->addWidget(cancelButton);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    cancelButton->setFocus();
}

void CSengen::Declare(int declaration) {
    chosenDeclaration = declaration;
    accept();
}

int CSengen::Ask(QWidget* parent, bool related) {
    CSengen dialog(related ? DeclarationSide::Related : DeclarationSide::Unrelated, parent);
    if (dialog.exec() != QDialog::Accepted) return 0;
    return dialog.ChosenDeclaration();
}

}  // namespace tesseran
