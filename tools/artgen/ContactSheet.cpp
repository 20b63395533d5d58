// SPDX-License-Identifier: MIT
#include "ContactSheet.h"

#include "Lettering.h"
#include "resources/ResourceCatalogue.h"

#include <QPainter>

#include <algorithm>
#include <array>

namespace tesseran::art {

namespace {

constexpr int SheetWidth = 1720;
constexpr int Margin = 24;
constexpr int Gap = 22;
constexpr int LabelHeight = 18;

const QColor Backdrop(58, 60, 66);
const QColor LabelColour(230, 230, 230);

QImage Checkerboard(QSize size) {
    QImage board(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            const bool light = ((x / 8) + (y / 8)) % 2 == 0;
            board.setPixel(x, y, light ? qRgb(200, 200, 200) : qRgb(150, 150, 150));
        }
    }
    return board;
}

// Places labelled tiles left to right, starting a new row when one is full.
class FlowLayout {
public:
    explicit FlowLayout(int top) : cursor_(Margin, top), rowBottom_(top) {}

    QPoint Place(QSize size) {
        if (cursor_.x() + size.width() > SheetWidth - Margin && cursor_.x() > Margin) {
            cursor_ = QPoint(Margin, rowBottom_ + Gap);
        }
        const QPoint place = cursor_;
        cursor_.rx() += size.width() + Gap;
        rowBottom_ = std::max(rowBottom_, place.y() + size.height());
        return place;
    }

    int Bottom() const { return rowBottom_; }

private:
    QPoint cursor_;
    int rowBottom_;
};

struct Tile {
    QString label;
    QImage image;
    int zoom;
    bool checkered;
};

void PaintTile(QPainter& painter, QPoint place, const Tile& tile) {
    const QSize shown = tile.image.size() * tile.zoom;
    painter.setPen(LabelColour);
    painter.setFont(LetteringFont(Typeface::Sans, 12, QFont::Normal));
    painter.drawText(QRect(place, QSize(std::max(shown.width(), 160), LabelHeight)),
                     Qt::AlignLeft | Qt::AlignVCenter, tile.label);
    const QPoint imageAt = place + QPoint(0, LabelHeight);
    if (tile.checkered) painter.drawImage(imageAt, Checkerboard(shown));
    painter.drawImage(QRect(imageAt, shown), tile.image);
}

QSize TileSize(const Tile& tile) {
    const QSize shown = tile.image.size() * tile.zoom;
    return QSize(std::max(shown.width(), 160), shown.height() + LabelHeight);
}

// Eight cards overlapping as in the player's hand, scaled like the window.
QImage HandPreview(const QImage& sheet, double scale) {
    constexpr std::array<int, 8> Hand{0, 3, 9, 10, 16, 20, 29, 43};
    constexpr int Step = 33;
    const int width = Step * (static_cast<int>(Hand.size()) - 1) + CardWidth + 20;
    QImage table(width, CardHeight + 20, QImage::Format_RGB32);
    table.fill(QColor(24, 131, 56));
    QPainter painter(&table);
    for (int index = 0; index < static_cast<int>(Hand.size()); ++index) {
        const int code = Hand[index];
        const QRect cell((code % 11) * CardWidth, (code / 11) * CardHeight, CardWidth, CardHeight);
        painter.drawImage(QPoint(10 + Step * index, 10), sheet.copy(cell));
    }
    painter.end();
    if (scale == 1.0) return table;
    return table.scaled(table.size() * scale, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QImage KeyToAlpha(const QImage& image, QRgb key) {
    QImage keyed = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < keyed.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(keyed.scanLine(y));
        for (int x = 0; x < keyed.width(); ++x) {
            if ((row[x] & 0xffffffu) == (key & 0xffffffu)) row[x] = 0;
        }
    }
    return keyed;
}

QImage Bitmap(const Artwork& artwork, int id) {
    const auto found = artwork.bitmaps.find(id);
    return found == artwork.bitmaps.end() ? QImage() : found->second;
}

// The status corner, the remaining-cards panel and the announcements put
// together the way the table puts them together, to judge them side by side.
QImage TableMockUp(const Artwork& artwork) {
    QImage table(420, 210, QImage::Format_RGB32);
    table.fill(TablePurple);
    QPainter painter(&table);
    painter.drawImage(10, 10, Bitmap(artwork, 148));
    QImage gameCaption = Bitmap(artwork, 134);
    {
        QPainter caption(&gameCaption);
        caption.drawImage(QPoint(32, 0), Bitmap(artwork, 170).copy(21 * 2, 0, 21, 26));
    }
    painter.drawImage(58, 10, gameCaption);
    QImage battleCaption = Bitmap(artwork, 171);
    {
        QPainter caption(&battleCaption);
        caption.drawImage(QPoint(22, 0), Bitmap(artwork, 172).copy(23, 0, 23, 26));
    }
    painter.drawImage(58, 37, battleCaption);
    painter.drawImage(10, 64, Bitmap(artwork, 165));
    painter.drawImage(10, 97, Bitmap(artwork, 137).copy(0, 26 * 4, 163, 26));

    QImage panel = Bitmap(artwork, 130);
    {
        QPainter digits(&panel);
        digits.fillRect(2, 40, 169, 27, QColor(PanelBlue));
        digits.fillRect(2, 106, 169, 27, QColor(PanelBlue));
        const QImage glyphs = KeyToAlpha(Bitmap(artwork, 169), PanelBlue);
        const int values[8] = {7, 8, 16, 1, 10, 6, 9, 4};
        const int columns[4] = {7, 50, 93, 136};
        for (int item = 0; item < 8; ++item) {
            const int x = columns[item % 4];
            const int y = item < 4 ? 40 : 106;
            const int value = values[item];
            if (value < 10) {
                digits.drawImage(x + 8, y, glyphs.copy(16 * value, 0, 16, 27));
            } else {
                digits.drawImage(x - 5, y, glyphs.copy(16, 0, 16, 27));
                digits.drawImage(x + 11, y, glyphs.copy(16 * (value - 10), 0, 16, 27));
            }
        }
    }
    painter.drawImage(190, 4, KeyToAlpha(panel, PanelBlue));

    QImage trumpBalloon = Bitmap(artwork, 173);
    {
        QPainter balloon(&trumpBalloon);
        balloon.setRenderHint(QPainter::SmoothPixmapTransform);
        balloon.drawImage(QRect(29, 1, 32, 36), KeyToAlpha(Bitmap(artwork, 147), IconGreen));
    }
    painter.drawImage(10, 150, KeyToAlpha(trumpBalloon, TablePurple));
    QImage speechBalloon = Bitmap(artwork, 174);
    {
        QPainter balloon(&speechBalloon);
        balloon.setRenderHint(QPainter::SmoothPixmapTransform);
        balloon.drawImage(QRect(5, 0, 34, 38), KeyToAlpha(Bitmap(artwork, 149), IconGreen));
    }
    painter.drawImage(94, 150, KeyToAlpha(speechBalloon, TablePurple));
    painter.drawImage(178, 152, KeyToAlpha(Bitmap(artwork, 168), TablePurple));
    painter.drawImage(250, 152, KeyToAlpha(Bitmap(artwork, 152), TablePurple));
    painter.drawImage(290, 152, KeyToAlpha(Bitmap(artwork, 154).copy(0, 34 * 3, 66, 34), PlainWhite));
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRect(362, 150, 40, 37), KeyToAlpha(Bitmap(artwork, 175).copy(0, 0, 40, 37), SignRed));
    painter.drawImage(QRect(362 - 44, 188, 40, 20),
                      KeyToAlpha(Bitmap(artwork, 175).copy(40, 0, 40, 37), SignRed));
    return table;
}

}  // namespace

QImage PaintContactSheet(const Artwork& artwork) {
    std::vector<Tile> tiles;
    tiles.push_back({QStringLiteral("hand at 1200 x 900"), HandPreview(artwork.cardSheet, 1.0), 1, false});
    tiles.push_back(
        {QStringLiteral("hand at 640 x 480"), HandPreview(artwork.cardSheet, 640.0 / 1200.0), 1, false});
    tiles.push_back({QStringLiteral("pieces put together on the table"), TableMockUp(artwork), 2, false});
    for (const auto& [id, image] : artwork.bitmaps) {
        const int zoom = image.width() <= 80 && image.height() <= 60 ? 3 : (image.width() <= 220 ? 2 : 1);
        tiles.push_back({QStringLiteral("%1  (%2 x %3)").arg(id).arg(image.width()).arg(image.height()),
                         image, zoom, image.hasAlphaChannel()});
    }
    for (const auto& [id, image] : artwork.cursors) {
        tiles.push_back({QStringLiteral("cursor %1").arg(id), image, 3, true});
    }
    for (const auto& [size, image] : artwork.icons) {
        tiles.push_back({QStringLiteral("icon %1").arg(size), image, 1, true});
    }

    // Measure first, then paint on a sheet of the right height.
    const int cardsTop = Margin + 30;
    const int tilesTop = cardsTop + CardSheetHeight + Gap;
    FlowLayout measure(tilesTop);
    for (const Tile& tile : tiles) measure.Place(TileSize(tile));

    QImage sheet(SheetWidth, measure.Bottom() + Margin, QImage::Format_RGB32);
    sheet.fill(Backdrop);
    QPainter painter(&sheet);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(LabelColour);
    painter.setFont(LetteringFont(Typeface::Sans, 20));
    painter.drawText(QPoint(Margin, Margin + 16),
                     QStringLiteral("Tesseran artwork — card sheet, bitmaps, cursors, icons"));
    painter.drawImage(QPoint(Margin, cardsTop), artwork.cardSheet);
    FlowLayout layout(tilesTop);
    for (const Tile& tile : tiles) PaintTile(painter, layout.Place(TileSize(tile)), tile);
    return sheet;
}

}  // namespace tesseran::art
