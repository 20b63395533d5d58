// SPDX-License-Identifier: MIT
// What the dialogs look like: each paints at a steady size with its pictures
// in place. When TESSERAN_DIALOG_PICTURES names a folder, the pictures taken
// here are also written there for a person to look at.
#include "dialogs/CMonSel.h"
#include "dialogs/CSelect.h"
#include "dialogs/CSengen.h"
#include "dialogs/VersionDialog.h"

#include <QAbstractScrollArea>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include <array>
#include <functional>

namespace tesseran {
namespace {

QImage Picture(QWidget& widget, const QString& fileName) {
    widget.show();
    // Some widgets settle their scroll bars and layouts in posted events.
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&widget));
    QCoreApplication::processEvents();
    const QImage image = widget.grab().toImage();
    const QString folder = qEnvironmentVariable("TESSERAN_DIALOG_PICTURES");
    if (!folder.isEmpty()) {
        QDir().mkpath(folder);
        image.save(QDir(folder).filePath(fileName));
    }
    return image;
}

int CountPixels(const QImage& image, const std::function<bool(QColor)>& wanted) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (wanted(image.pixelColor(x, y))) ++count;
        }
    }
    return count;
}

bool Reddish(QColor colour) { return colour.red() > 150 && colour.green() < 90 && colour.blue() < 90; }

TEST(DialogPictures, SuitDialogShowsRedSuitsOnlyOnTheRedPictures) {
    CMonSel dialog;
    dialog.SetCaptionText(CMonSel::TrumpCaptionText);
    Picture(dialog, QStringLiteral("suit-trump.png"));
    const std::array<const char*, 4> names{"clubsPicture", "diamondsPicture", "heartsPicture",
                                           "spadesPicture"};
    for (int suit = 0; suit < 4; ++suit) {
        SCOPED_TRACE(names[suit]);
        auto* button = dialog.findChild<QPushButton*>(QLatin1String(names[suit]));
        const int red = CountPixels(button->grab().toImage(), Reddish);
        if (suit == 1 || suit == 2) {
            EXPECT_GT(red, 100);
        } else {
            EXPECT_LT(red, 20);
        }
    }
}

TEST(DialogPictures, DeclarationDialogShowsItsCancelPicture) {
    for (const DeclarationSide side : {DeclarationSide::Related, DeclarationSide::Unrelated}) {
        CSengen dialog(side);
        const QImage image =
            Picture(dialog, side == DeclarationSide::Related ? QStringLiteral("declaration-related.png")
                                                             : QStringLiteral("declaration-unrelated.png"));
        EXPECT_EQ(image.size(), dialog.size() * dialog.devicePixelRatioF());
        auto* cancel = dialog.findChild<QPushButton*>(QStringLiteral("cancelButton"));
        EXPECT_GT(CountPixels(cancel->grab().toImage(), Reddish), 100);
    }
}

TEST(DialogPictures, EntryDialogPaintsTheMapUnderItsButtons) {
    CSelect dialog;
    const QImage image = Picture(dialog, QStringLiteral("entry.png"));
    auto* map = dialog.findChild<QLabel*>(QStringLiteral("mapPicture"));
    const QImage mapImage = map->pixmap().toImage();
    // A corner of the map away from every button shows the picture itself.
    EXPECT_EQ(image.pixel(20, 440), mapImage.pixel(20, 440));
    EXPECT_GT(image.height(), 458);
}

TEST(DialogPictures, VersionBoxShowsTheWholeHistoryWithoutScrolling) {
    VersionDialog dialog;
    Picture(dialog, QStringLiteral("version.png"));
    auto* box = dialog.findChild<QWidget*>(QStringLiteral("historyBox"));
    ASSERT_NE(box, nullptr);
    const auto* scrollArea = qobject_cast<QAbstractScrollArea*>(box);
    ASSERT_NE(scrollArea, nullptr);
    EXPECT_FALSE(scrollArea->verticalScrollBar()->isVisible());
    EXPECT_FALSE(scrollArea->horizontalScrollBar()->isVisible());
}

}  // namespace
}  // namespace tesseran
