// SPDX-License-Identifier: MIT
#include "dialogs/CSelect.h"
#include "base/ResourceIds.h"
#include "campaign/ProvinceMap.h"
#include "render/GameTerms.h"
#include "resources/Language.h"
#include "resources/QtText.h"

#include "base/StringTable.h"
#include "dialogs/DialogLook.h"
#include "resources/ResourceCatalogue.h"
#include "resources/ResourceStore.h"

#include <QFont>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QStringList>
#include <QVBoxLayout>

#include <algorithm>

namespace tesseran {

namespace {

constexpr QSize EntryButtonSize(78, 25);
// A button of two lines is this much taller, about its one-line centre.
constexpr int TwoLineGrowth = 12;

// Where each button sits relative to its entry's mark on the map. The map
// writes each province's name on one side of its mark, so the button goes on
// a side that keeps both the mark and the name readable, and clear of the
// other buttons.
struct ButtonPlacement {
    int entry;
    QPoint offset;  // of the button's top-left corner from the mark
    // Which way a taller button grows, to keep clear of the names and the
    // other buttons: from its one-line centre, or all upwards or downwards.
    enum Growth { Centre, Up, Down } growth;
    // A two-line button's shift, where the map's Latin name is longer.
    QPoint twoLineShift = QPoint(0, 0);
};
constexpr std::array<ButtonPlacement, 6> ButtonPlacements{{
    {0, QPoint(10, -12), ButtonPlacement::Centre},  // east of the mark, the name being written west
    {1, QPoint(8, 10), ButtonPlacement::Centre},    // below and east, under the name
    {3, QPoint(40, -12), ButtonPlacement::Down},    // east, after the name
    {4, QPoint(-82, -36), ButtonPlacement::Up},     // above the name, out in the Sea of Japan
    {7, QPoint(-40, -38), ButtonPlacement::Up},     // above the mark, in the Sea of Japan
    {9, QPoint(40, -12), ButtonPlacement::Centre, QPoint(18, 0)},  // east, after the name
}};

QPoint MarkOf(int entry) {
    const auto spot = std::find_if(EntryHomeSpots.begin(), EntryHomeSpots.end(),
                                   [entry](const EntrySpot& candidate) { return candidate.entry == entry; });
    return spot == EntryHomeSpots.end() ? QPoint() : QPoint(spot->x, spot->y);
}

// The entry's button on the map, one line high or two.
QRect ButtonRect(int entry, bool twoLines) {
    const auto placement =
        std::find_if(ButtonPlacements.begin(), ButtonPlacements.end(),
                     [entry](const ButtonPlacement& candidate) { return candidate.entry == entry; });
    if (placement == ButtonPlacements.end()) return {};
    const QRect oneLine(MarkOf(entry) + placement->offset, EntryButtonSize);
    if (!twoLines) return oneLine;
    const int upwards = placement->growth == ButtonPlacement::Up     ? TwoLineGrowth
                        : placement->growth == ButtonPlacement::Down ? 0
                                                                     : TwoLineGrowth / 2;
    return oneLine.adjusted(0, -upwards, 0, TwoLineGrowth - upwards).translated(placement->twoLineShift);
}

// The home province from the profile's last line ("本拠地：津軽"), or the
// empty text when the profile has none.
QString HomeProvince(int entry) {
    const QStringList lines = LoadText(text::FirstProfile + entry).split(u'\n');
    if (lines.size() < 3) return {};
    const QString& homeLine = lines.last();
    const qsizetype colon = homeLine.indexOf(QStringLiteral("："));
    return colon < 0 ? QString() : homeLine.mid(colon + 1).trimmed();
}

QString EntryTooltip(int entry) {
    const QString name = EntryName(entry);
    // The home's name as the profile gives it, in Latin letters as the map does.
    const QString province = CurrentLanguage() == Language::Japanese
                                 ? HomeProvince(entry)
                                 : ProvinceLabel(tesseran::HomeProvince(entry));
    return province.isEmpty() ? CSelect::tr("%1を選択します。").arg(name)
                              : CSelect::tr("%1の%2を選択します。").arg(province, name);
}

// Light paper buttons with an ink border, so the names stand out on the map
// without hiding it.
const char* const EntryButtonStyle = R"(
QPushButton {
    color: #2b1d12;
    background-color: rgba(255, 251, 238, 235);
    border: 1px solid #6b4a2b;
    border-radius: 4px;
    padding: 1px 4px;
}
QPushButton:hover, QPushButton:focus {
    background-color: #fff3d0;
    border: 1px solid #b0321e;
}
QPushButton:pressed {
    background-color: #ecd6a4;
}
)";

}  // namespace

CSelect::CSelect(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("打ち手の選択 (下の６名の中から選択してください)"));
    ApplyDialogFont(*this);

    auto* map = new QLabel(this);
    map->setObjectName(QStringLiteral("mapPicture"));
    const QImage picture = LoadBitmap(bitmap::EntryMap);
    map->setPixmap(QPixmap::fromImage(picture));
    map->setFixedSize(picture.isNull() ? QSize(326, 458) : picture.size());

    for (std::size_t index = 0; index < SelectableEntries.size(); ++index) {
        const int entry = SelectableEntries[index];
        // Latin names are too long for one line of the button: the family
        // name and the given name go on two, as on the table's name plates.
        const bool twoLines = CurrentLanguage() != Language::Japanese;
        QString name = EntryName(entry);
        if (twoLines) name.replace(name.indexOf(u' '), 1, u'\n');
        auto* button = new QPushButton(name, map);
        button->setObjectName(QStringLiteral("entry%1Button").arg(entry));
        button->setToolTip(EntryTooltip(entry));
        button->setStyleSheet(QLatin1String(EntryButtonStyle));
        button->setCursor(Qt::PointingHandCursor);
        button->setAutoDefault(false);
        button->setGeometry(ButtonRect(entry, twoLines));
        connect(button, &QPushButton::clicked, this, [this, entry] { Choose(entry); });
        entryButtons[index] = button;
    }

    auto* note = new QLabel(tr("※ 自動スタートにするとこの画面は表示されません。"), this);
    note->setObjectName(QStringLiteral("autoStartNote"));
    note->setContentsMargins(6, 6, 6, 8);
    // The note never widens the dialog beyond the map: it wraps instead.
    note->setWordWrap(true);
    note->setAlignment(Qt::AlignHCenter);
    note->setFixedWidth(map->width());
    QFont noteFont = note->font();
    noteFont.setPointSizeF(noteFont.pointSizeF() * 0.9);
    note->setFont(noteFont);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(map);
    layout->addWidget(note);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void CSelect::Choose(int entry) {
    chosenEntry = entry;
    accept();
}

int CSelect::Ask(QWidget* parent) {
    CSelect dialog(parent);
    dialog.exec();
    return dialog.ChosenEntry();
}

}  // namespace tesseran
