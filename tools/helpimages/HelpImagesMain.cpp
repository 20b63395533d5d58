// SPDX-License-Identifier: MIT
// tesseran-helpimages: the pictures of the help pages, made from the
// program's own artwork. It cuts a few cards out of the card sheet in the
// data file, takes panels, markers and signs from the compiled bitmaps, and
// photographs the table in the middle of a game with numbered marks on the
// parts that the operation page explains.
//
//   tesseran-helpimages --sheet PATH/TesseranSys.dll --out DIR [--language ja|en]
//
// The output is the same on every run: the game behind the table picture is
// played on a virtual clock with a scripted player at seat 3.
#include "HelpScene.h"

#include "base/Cards.h"
#include "base/ResourceIds.h"

#include "resources/DataFile.h"
#include "resources/Language.h"
#include "resources/ResourceCatalogue.h"
#include "resources/ResourceStore.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QStringList>

#include <cstdio>
#include <utility>
#include <vector>

namespace {

using namespace tesseran;

// Cards as the pages show them: a little over half size.
constexpr int CardShownWidth = 84;
constexpr int CardShownHeight = 120;
// The preset backs, smaller still.
constexpr int BackShownWidth = 56;
constexpr int BackShownHeight = 80;

class Writer {
public:
    explicit Writer(QString folder) : folder_(std::move(folder)) {}

    void Save(const QImage& image, const QString& name) {
        const QString path = folder_ + "/" + name;
        if (image.isNull() || !image.save(path, "PNG")) {
            std::fprintf(stderr, "tesseran-helpimages: could not write %s\n", qPrintable(path));
            failed_ = true;
            return;
        }
        ++written_;
    }
    bool failed() const { return failed_; }
    int written() const { return written_; }

private:
    QString folder_;
    bool failed_ = false;
    int written_ = 0;
};

QImage Scaled(const QImage& image, int width, int height) {
    return image.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QImage CardCell(const QImage& sheet, int code) {
    return sheet.copy((code % CardSheetColumns) * CardWidth, (code / CardSheetColumns) * CardHeight,
                      CardWidth, CardHeight);
}

void WriteCards(const QImage& sheet, Writer& writer) {
    const std::vector<std::pair<int, const char*>> cards = {
        {0, "card-joker.png"},     {10, "card-club-pin.png"},  {43, "card-spade-pin.png"},
        {29, "card-heart-7.png"},  {30, "card-heart-8.png"},   {31, "card-heart-9.png"},
        {32, "card-heart-10.png"}, {14, "card-diamond-3.png"}, {35, "card-spade-2.png"},
        {1, "card-club-1.png"},
    };
    for (const auto& [code, name] : cards) {
        writer.Save(Scaled(CardCell(sheet, code), CardShownWidth, CardShownHeight), name);
    }
    for (size_t i = 0; i < PresetBackCodes.size(); ++i) {
        writer.Save(Scaled(CardCell(sheet, PresetBackCodes[i]), BackShownWidth, BackShownHeight),
                    QStringLiteral("back-%1.png").arg(i + 1));
    }
}

// The remaining-cards panel with the numbers of a battle's start drawn in,
// the way the table draws them.
QImage PanelWithNumbers() {
    QImage panel = LoadBitmap(bitmap::RemainingPanel).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage digits = LoadTransparentBitmap(bitmap::Digits);
    if (panel.isNull() || digits.isNull()) return {};
    QPainter painter(&panel);
    auto glyph = [&](int digit, int x, int y) {
        painter.drawImage(QPoint(x, y), digits, QRect(16 * digit, 0, 16, 27));
    };
    auto number = [&](int value, int column, int y) {
        const int x = 7 + 43 * column;
        if (value < 10) {
            glyph(value, x + 8, y);
        } else {
            glyph(1, x - 5, y);
            glyph(value - 10, x + 11, y);
        }
    };
    const int top[4] = {9, 8, 16, 1};
    const int bottom[4] = {10, 10, 10, 9};
    for (int column = 0; column < 4; ++column) {
        number(top[column], column, 40);
        number(bottom[column], column, 106);
    }
    return panel;
}

// A balloon with a suit icon inside, as the table announces it.
QImage BalloonWithSuit(int balloonId, int suitIconId, QRect iconArea) {
    QImage balloon = LoadTransparentBitmap(balloonId).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage icon = LoadTransparentBitmap(suitIconId);
    if (balloon.isNull() || icon.isNull()) return {};
    QPainter painter(&balloon);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(iconArea, icon);
    return balloon;
}

void WritePanels(Writer& writer) {
    writer.Save(LoadBitmap(bitmap::Toolbar), "toolbar.png");
    writer.Save(PanelWithNumbers(), "panel.png");
    const QImage signs = LoadTransparentBitmap(bitmap::RightSigns);
    writer.Save(signs.copy(0, 0, 40, 37), "sign-safe.png");
    writer.Save(signs.copy(40, 0, 40, 37), "sign-danger.png");
    writer.Save(LoadTransparentBitmap(bitmap::LeadMarker), "marker-lead.png");
    writer.Save(LoadTransparentBitmap(bitmap::PartnerMarker), "marker-partner.png");
    writer.Save(LoadTransparentBitmap(bitmap::TurnMarker), "turn.png");
    writer.Save(LoadTransparentBitmap(bitmap::SelectionMarker), "mark.png");
    writer.Save(BalloonWithSuit(bitmap::TrumpBalloon, bitmap::SuitIcons[Hearts], QRect(29, 1, 32, 36)),
                "balloon-trump.png");
    writer.Save(BalloonWithSuit(bitmap::RequestBalloon, bitmap::SuitIcons[Spades], QRect(5, 0, 34, 38)),
                "balloon-request.png");
    const char* suits[4] = {"club", "diamond", "heart", "spade"};
    for (int suit = 0; suit < 4; ++suit) {
        writer.Save(LoadTransparentBitmap(bitmap::SuitIcons[static_cast<std::size_t>(suit)]),
                    QStringLiteral("suit-%1.png").arg(suits[suit]));
    }
    // Name plates of one entry (白根左京, row 3): related, unrelated, not yet known.
    const QImage plates = LoadTransparentBitmap(bitmap::NamePlates);
    const char* plateNames[3] = {"plate-related.png", "plate-unrelated.png", "plate-unknown.png"};
    for (int column = 0; column < 3; ++column)
        writer.Save(plates.copy(66 * column, 34 * 3, 66, 34), plateNames[column]);
    // The status banners, row 1..9 (row 0 only captions the score board).
    const QImage banners = LoadBitmap(bitmap::StatusBanners);
    for (int row = 1; row < 10; ++row)
        writer.Save(banners.copy(0, 26 * row, 163, 26), QStringLiteral("banner-%1.png").arg(row));
    // The cursors of the viewing-angle slider.
    const std::pair<int, const char*> cursors[3] = {
        {131, "cursor-edge.png"}, {134, "cursor-angle.png"}, {133, "cursor-forbidden.png"}};
    for (const auto& [id, name] : cursors) writer.Save(LoadCursorPicture(id).image, name);
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);

    QString sheetPath;
    QString folder;
    const QStringList arguments = application.arguments();
    for (int i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == QLatin1String("--sheet") && i + 1 < arguments.size()) {
            sheetPath = arguments[++i];
        } else if (arguments[i] == QLatin1String("--out") && i + 1 < arguments.size()) {
            folder = arguments[++i];
        } else if (arguments[i] == QLatin1String("--language") && i + 1 < arguments.size()) {
            // The pictures with lettering in that language's own.
            UseLanguage(arguments[++i] == QLatin1String("en") ? Language::English : Language::Japanese);
        } else {
            folder.clear();
            break;
        }
    }
    if (sheetPath.isEmpty() || folder.isEmpty()) {
        std::fprintf(
            stderr, "usage: tesseran-helpimages --sheet PATH/TesseranSys.dll --out DIR [--language ja|en]\n");
        return 2;
    }
    const QImage sheet = DecodeCardSheetFile(sheetPath);
    if (sheet.isNull() || sheet.width() < CardSheetWidth || sheet.height() < CardSheetHeight) {
        std::fprintf(stderr, "tesseran-helpimages: no card sheet in %s\n", qPrintable(sheetPath));
        return 1;
    }
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "tesseran-helpimages: cannot create %s\n", qPrintable(folder));
        return 1;
    }

    Writer writer(folder);
    WriteCards(sheet, writer);
    WritePanels(writer);
    writer.Save(HelpTableScene(sheet), "table.png");
    if (writer.failed()) return 1;
    std::printf("tesseran-helpimages: %d pictures in %s\n", writer.written(), qPrintable(folder));
    return 0;
}
