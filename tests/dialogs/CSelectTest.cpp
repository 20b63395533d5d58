// SPDX-License-Identifier: MIT
// The entry dialog: six named buttons on the map, each choosing its entry,
// and no entry when the dialog is closed otherwise.
#include "ModalAnswer.h"
#include "base/StringTable.h"
#include "dialogs/CSelect.h"
#include "resources/Language.h"
#include "resources/ResourceCatalogue.h"

#include <QLabel>
#include <QPushButton>
#include <QStringList>
#include <QTest>

#include <gtest/gtest.h>

#include <array>

namespace tesseran {
namespace {

using testing::AnswerWhenModal;

constexpr std::array<int, 6> OfferedEntries{0, 1, 3, 4, 7, 9};

QPushButton* EntryButton(CSelect& dialog, int entry) {
    return dialog.findChild<QPushButton*>(QStringLiteral("entry%1Button").arg(entry));
}

QRect GeometryOnMap(CSelect& dialog, int entry) {
    QPushButton* button = EntryButton(dialog, entry);
    QWidget* map = dialog.findChild<QLabel*>(QStringLiteral("mapPicture"));
    return QRect(button->mapTo(map, QPoint(0, 0)), button->size());
}

TEST(EntryDialogLayout, CaptionAndNote) {
    CSelect dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("打ち手の選択 (下の６名の中から選択してください)"));
    EXPECT_EQ(dialog.findChild<QLabel*>(QStringLiteral("autoStartNote"))->text(),
              QStringLiteral("※ 自動スタートにするとこの画面は表示されません。"));
}

TEST(EntryDialogLayout, MapPictureFillsTheDialogWidth) {
    CSelect dialog;
    dialog.show();
    auto* map = dialog.findChild<QLabel*>(QStringLiteral("mapPicture"));
    ASSERT_NE(map, nullptr);
    EXPECT_EQ(map->size(), QSize(326, 458));
    EXPECT_EQ(map->pixmap().size(), QSize(326, 458));
    EXPECT_EQ(dialog.width(), map->width());
}

TEST(EntryDialogLayout, ButtonsAreCaptionedWithTheRosterNames) {
    CSelect dialog;
    for (const int entry : OfferedEntries) {
        SCOPED_TRACE(entry);
        ASSERT_NE(EntryButton(dialog, entry), nullptr);
        EXPECT_EQ(EntryButton(dialog, entry)->text(), QString::fromStdString(RosterName(entry)));
    }
}

TEST(EntryDialogLayout, TooltipsNameTheEntryOnOneLine) {
    CSelect dialog;
    for (const int entry : OfferedEntries) {
        SCOPED_TRACE(entry);
        const QString tooltip = EntryButton(dialog, entry)->toolTip();
        EXPECT_TRUE(tooltip.endsWith(QStringLiteral("を選択します。"))) << tooltip.toStdString();
        EXPECT_TRUE(tooltip.contains(QString::fromStdString(RosterName(entry)))) << tooltip.toStdString();
        EXPECT_FALSE(tooltip.contains(u'\n'));
    }
}

TEST(EntryDialogLayout, TooltipNamesTheHomeProvince) {
    CSelect dialog;
    EXPECT_EQ(
        EntryButton(dialog, 0)->toolTip(),
        QStringLiteral("津軽の") + QString::fromStdString(RosterName(0)) + QStringLiteral("を選択します。"));
    EXPECT_TRUE(EntryButton(dialog, 9)->toolTip().startsWith(QStringLiteral("薩摩の")));
}

// In both languages; the English names go on two lines.
TEST(EntryDialogLayout, ButtonsLieOnTheMapApartAndBesideTheirMarks) {
    struct SpeakJapaneseAfter {
        ~SpeakJapaneseAfter() { UseLanguage(Language::Japanese); }
    } restore;
    for (const Language language : {Language::Japanese, Language::English}) {
        SCOPED_TRACE(LanguageCode(language).toStdString());
        UseLanguage(language);
        CSelect dialog;
        dialog.show();
        const QRect mapArea(0, 0, 326, 458);
        for (const int entry : OfferedEntries) {
            SCOPED_TRACE(entry);
            const QRect button = GeometryOnMap(dialog, entry);
            EXPECT_TRUE(mapArea.contains(button)) << button.x() << "," << button.y();
            for (const EntrySpot& spot : EntryHomeSpots) {
                // No button hides a province's mark.
                EXPECT_FALSE(button.adjusted(-4, -4, 4, 4).contains(QPoint(spot.x, spot.y))) << spot.entry;
                // Each stays near its own mark, so the map says where the entry lives.
                if (spot.entry == entry) {
                    const QPoint distance = button.center() - QPoint(spot.x, spot.y);
                    EXPECT_LT(distance.manhattanLength(), 100);
                }
            }
            for (const int other : OfferedEntries) {
                if (other != entry) {
                    EXPECT_FALSE(button.intersects(GeometryOnMap(dialog, other))) << other;
                }
            }
            // The whole name fits on its button.
            const QPushButton* widget = EntryButton(dialog, entry);
            const QStringList lines = widget->text().split(u'\n');
            for (const QString& line : lines)
                EXPECT_LE(widget->fontMetrics().horizontalAdvance(line), button.width() - 6)
                    << line.toStdString();
            EXPECT_LE(widget->fontMetrics().height() * lines.size(), button.height() - 2);
        }
    }
}

TEST(EntryDialogChoice, EachButtonChoosesItsEntry) {
    for (const int entry : OfferedEntries) {
        SCOPED_TRACE(entry);
        AnswerWhenModal<CSelect>(
            [entry](CSelect& dialog) { QTest::mouseClick(EntryButton(dialog, entry), Qt::LeftButton); });
        EXPECT_EQ(CSelect::Ask(nullptr), entry);
    }
}

TEST(EntryDialogChoice, ButtonAcceptsTheDialog) {
    AnswerWhenModal<CSelect>(
        [](CSelect& dialog) { QTest::mouseClick(EntryButton(dialog, 7), Qt::LeftButton); });
    CSelect dialog;
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
    EXPECT_EQ(dialog.ChosenEntry(), 7);
}

TEST(EntryDialogChoice, NoEntryBeforeAChoice) {
    CSelect dialog;
    EXPECT_EQ(dialog.ChosenEntry(), -1);
}

TEST(EntryDialogChoice, ClosingWithoutAChoiceGivesNoEntry) {
    AnswerWhenModal<CSelect>([](CSelect& dialog) { dialog.close(); });
    CSelect dialog;
    EXPECT_EQ(dialog.exec(), QDialog::Rejected);
    EXPECT_EQ(dialog.ChosenEntry(), -1);
}

TEST(EntryDialogChoice, EscapeGivesNoEntry) {
    AnswerWhenModal<CSelect>([](CSelect& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); });
    EXPECT_EQ(CSelect::Ask(nullptr), -1);
}

TEST(EntryDialogChoice, EnterAloneChoosesNobody) {
    // No entry button is a default button, so Enter cannot pick an entry by accident.
    CSelect dialog;
    dialog.show();
    QTest::keyClick(&dialog, Qt::Key_Return);
    EXPECT_EQ(dialog.ChosenEntry(), -1);
}

}  // namespace
}  // namespace tesseran
