// SPDX-License-Identifier: MIT
// Building the card-back pictures from the stored choice: the upright back,
// the back turned a quarter turn and the strip of fanned hands, with the
// strip cached in the work folder because turning 54 cards pixel by pixel is
// the costliest drawing the table does.
//
// Pixels are read and written through scan lines of RGB32 images; a fan is
// sampled straight into the strip (skipping the see-through colour), which
// gives the same picture as drawing each turned card on a scratch surface
// first and copying it over with that colour transparent.
#include "render/CardBacks.h"

#include "base/ResourceIds.h"
#include "base/StringTable.h"
#include "render/CardSheet.h"
#include "render/ImageFiles.h"

#include <QFileInfo>
#include <QPainter>
#include <QPolygon>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace tesseran {

namespace {

// Sheet cells of the four preset designs ("BackSet" 0..3): the cells of the
// codes 11, 22, 33 and 34, which are no cards.
constexpr std::array<int, 4> PresetCellCodes = {11, 22, 33, 34};

// A back picture is decoded no larger than four times the card's height:
// enough for a smooth shrink, and a photograph of many megapixels never
// lies in memory whole.
constexpr int BackPictureSide = 4 * CardHeight;

// The rotated back is 215 x 151: the upright back's height becomes its width.
constexpr int RotatedWidth = CardHeight;
constexpr int RotatedHeight = CardWidth;

// Where the single back of segment 1 stands and where every fan turns.
constexpr int SingleBackTop = 46;
constexpr int FanPivotY = SingleBackTop + CardHeight;

// Angle of the first card of the fans of 2..10 cards; each next card of a fan
// is turned 15 degrees less.
constexpr std::array<int, 9> FirstCardAngles = {120, 120, 120, 135, 150, 165, 180, 180, 195};
constexpr int AngleStep = 15;

// Draws a one-pixel frame along the border of rectangle inside image.
void DrawFrame(QImage& image, const QRect& rectangle) {
    const QRect frame = rectangle.intersected(image.rect());
    if (frame.isEmpty()) return;
    auto* top = reinterpret_cast<QRgb*>(image.scanLine(frame.top()));
    auto* bottom = reinterpret_cast<QRgb*>(image.scanLine(frame.bottom()));
    std::fill(top + frame.left(), top + frame.right() + 1, BackFrameColour);
    std::fill(bottom + frame.left(), bottom + frame.right() + 1, BackFrameColour);
    for (int y = frame.top(); y <= frame.bottom(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        line[frame.left()] = BackFrameColour;
        line[frame.right()] = BackFrameColour;
    }
}

// The upright back turned a quarter turn clockwise: its pixel (i, j) goes to
// (214 - j, i), so that its top edge ends up on the right.
QImage TurnQuarter(const QImage& back) {
    // The card-back dialog draws into the upright back too; whatever it left
    // there is brought to the card's size and format first.
    QImage upright = back.convertToFormat(QImage::Format_RGB32);
    if (upright.size() != QSize(CardWidth, CardHeight)) {
        upright = upright.scaled(CardWidth, CardHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    QImage turned(RotatedWidth, RotatedHeight, QImage::Format_RGB32);
    if (upright.isNull() || turned.isNull()) return {};
    for (int j = 0; j < CardHeight; ++j) {
        const auto* source = reinterpret_cast<const QRgb*>(upright.constScanLine(j));
        for (int i = 0; i < CardWidth; ++i) {
            reinterpret_cast<QRgb*>(turned.scanLine(i))[RotatedWidth - 1 - j] = source[i];
        }
    }
    return turned;
}

// One card of a fan: the rotated back turned by an angle about its corner
// (0, 0). The box is the turned card's bounding box in whole pixels, and
// offset is where the corner lies inside that box.
struct TurnedCard {
    double cosine = 0;
    double sine = 0;
    double minimumX = 0;
    double minimumY = 0;
    int boxWidth = 0;
    int boxHeight = 0;
    int offsetX = 0;
    int offsetY = 0;
    std::array<QPointF, 4> corners;
};

TurnedCard TurnCard(int degrees) {
    TurnedCard card;
    const double theta = degrees * std::numbers::pi / 180.0;
    card.cosine = std::cos(theta);
    card.sine = std::sin(theta);
    const std::array<QPointF, 4> source = {QPointF(0, 0), QPointF(RotatedWidth - 1, 0),
                                           QPointF(RotatedWidth - 1, RotatedHeight - 1),
                                           QPointF(0, RotatedHeight - 1)};
    double maximumX = 0;
    double maximumY = 0;
    for (size_t corner = 0; corner < source.size(); ++corner) {
        const double x = source[corner].x();
        const double y = source[corner].y();
        card.corners[corner] = QPointF(x * card.cosine + y * card.sine, y * card.cosine - x * card.sine);
        card.minimumX = std::min(card.minimumX, card.corners[corner].x());
        card.minimumY = std::min(card.minimumY, card.corners[corner].y());
        maximumX = std::max(maximumX, card.corners[corner].x());
        maximumY = std::max(maximumY, card.corners[corner].y());
    }
    card.boxWidth = static_cast<int>(maximumX - card.minimumX + 1.5);
    card.boxHeight = static_cast<int>(maximumY - card.minimumY + 1.5);
    card.offsetX = static_cast<int>(-card.minimumX);
    card.offsetY = static_cast<int>(-card.minimumY);
    return card;
}

// Samples the turned card into the strip with its box at (left, top): every
// box pixel takes the rotated back's pixel it came from (rounded by adding
// 0.5 and truncating), unless it came from outside the back or has the
// see-through colour.
void DrawTurnedCard(QImage& strip, const QImage& rotated, const TurnedCard& card, int left, int top) {
    const int firstRow = std::max(0, -top);
    const int lastRow = std::min(card.boxHeight, strip.height() - top);
    const int firstColumn = std::max(0, -left);
    const int lastColumn = std::min(card.boxWidth, strip.width() - left);
    for (int v = firstRow; v < lastRow; ++v) {
        auto* target = reinterpret_cast<QRgb*>(strip.scanLine(top + v)) + left;
        const double rowY = v + card.minimumY;
        const double rowSine = rowY * card.sine;
        const double rowCosine = rowY * card.cosine;
        for (int u = firstColumn; u < lastColumn; ++u) {
            const double columnX = u + card.minimumX;
            const int column = static_cast<int>(columnX * card.cosine - rowSine + 0.5);
            const int row = static_cast<int>(columnX * card.sine + rowCosine + 0.5);
            if (column < 0 || column >= RotatedWidth || row < 0 || row >= RotatedHeight) continue;
            const QRgb pixel = reinterpret_cast<const QRgb*>(rotated.constScanLine(row))[column];
            if (pixel != FanBackground) target[u] = pixel;
        }
    }
}

// The outline of a turned card through its four corners about the pivot.
// Corner coordinates are truncated toward zero before the pivot is added.
void DrawTurnedOutline(QPainter& painter, const TurnedCard& card, QPoint pivot) {
    QPolygon outline;
    for (const QPointF& corner : card.corners) {
        outline << QPoint(pivot.x() + static_cast<int>(corner.x()), pivot.y() + static_cast<int>(corner.y()));
    }
    painter.drawPolygon(outline);
}

}  // namespace

CardBacks::CardBacks(const QImage& sheet, SettingsStore& settings, Messages& messages)
    : sheet_(sheet), settings_(settings), messages_(messages) {}

int CardBacks::FanSegmentStart(int cards) {
    const int segments = std::clamp(cards, 1, static_cast<int>(FanSegmentWidths.size())) - 1;
    int start = 0;
    for (int segment = 0; segment < segments; ++segment)
        start += FanSegmentWidths[static_cast<size_t>(segment)];
    return start;
}

bool CardBacks::LoadCustomBack() {
    const QString folder = GetWorkFolder(messages_);
    if (folder.isEmpty()) return false;
    const QString path = folder + QLatin1Char('/') + QLatin1String(CustomBackName);
    if (!QFileInfo::exists(path)) return false;
    QImage back(CardWidth, CardHeight, QImage::Format_RGB32);
    if (back.isNull()) {
        messages_.ShowMessage(LoadString(text::OutOfMemory), MessageIcon::Stop);
        return false;
    }
    const QImage picture = LoadPictureFile(path, {}, BackPictureSide);
    if (picture.isNull()) return false;
    // The card-back dialog always writes 151 x 215; a picture of another size
    // put there by hand is stretched rather than cut off.
    back.fill(Qt::black);
    {
        QPainter painter(&back);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(back.rect(), picture);
    }
    currentBack_ = back;
    return true;
}

bool CardBacks::MakeCurrentBack() {
    const int choice = settings_.Read(setting::CardBack);
    if (choice == CustomBackChoice && LoadCustomBack()) return true;
    // The player's picture when it cannot be loaded, and any value no version
    // of the program ever stored, show the first preset.
    const int preset = choice >= 0 && choice < static_cast<int>(PresetCellCodes.size()) ? choice : 0;
    if (sheet_.isNull()) return false;
    QImage back = sheet_.copy(CardCell(PresetCellCodes[static_cast<size_t>(preset)]));
    if (!back.isNull()) back = back.convertToFormat(QImage::Format_RGB32);
    if (back.isNull()) {
        messages_.ShowMessage(LoadString(text::OutOfMemory), MessageIcon::Stop);
        return false;
    }
    currentBack_ = back;
    return true;
}

bool CardBacks::MakeRotatedBack() {
    if (!MakeCurrentBack()) return false;
    QImage turned = TurnQuarter(currentBack_);
    if (turned.isNull()) {
        messages_.ShowMessage(LoadString(text::OutOfMemory), MessageIcon::Stop);
        return false;
    }
    // The frame belongs to the rotated back however it was made, so that the
    // discard pile looks the same after a start from the cache as after a rebuild.
    if (settings_.Read(setting::CardFrame) != 0) DrawFrame(turned, turned.rect());
    rotatedBack_ = turned;
    return true;
}

bool CardBacks::BuildBackFan() {
    QImage strip(BackFanStripWidth, BackFanStripHeight, QImage::Format_RGB32);
    if (strip.isNull()) {
        messages_.ShowMessage(LoadString(text::OutOfMemory), MessageIcon::Stop);
        return false;
    }
    strip.fill(FanBackground);
    const bool framed = settings_.Read(setting::CardFrame) != 0;

    if (!MakeCurrentBack()) return false;
    const QRect single(0, SingleBackTop, CardWidth, CardHeight);
    for (int y = 0; y < CardHeight; ++y) {
        std::copy_n(reinterpret_cast<const QRgb*>(currentBack_.constScanLine(y)), CardWidth,
                    reinterpret_cast<QRgb*>(strip.scanLine(SingleBackTop + y)));
    }
    if (framed) DrawFrame(strip, single);

    // The fans are sampled from the unframed back; their own outlines follow
    // the turned corners instead.
    const QImage rotated = TurnQuarter(currentBack_);
    if (rotated.isNull() || rotated.depth() < 16 || rotated.depth() > 32) return false;

    QPainter painter(&strip);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(QColor::fromRgb(BackFrameColour), 1));
    painter.setBrush(Qt::NoBrush);
    for (size_t fan = 0; fan < FirstCardAngles.size(); ++fan) {
        const int cards = static_cast<int>(fan) + 2;
        const int segmentStart = FanSegmentStart(cards);
        QPoint pivot;
        for (int card = 0; card < cards; ++card) {
            const TurnedCard turned = TurnCard(FirstCardAngles[fan] - AngleStep * card);
            if (card == 0) pivot = QPoint(segmentStart + turned.offsetX, FanPivotY);
            DrawTurnedCard(strip, rotated, turned, pivot.x() - turned.offsetX, pivot.y() - turned.offsetY);
            if (framed) DrawTurnedOutline(painter, turned, pivot);
        }
    }
    painter.end();

    QImage framedRotated = rotated;
    if (framed) DrawFrame(framedRotated, framedRotated.rect());
    backFanStrip_ = strip;
    rotatedBack_ = framedRotated;
    return true;
}

bool CardBacks::LoadBackFanFile(const QString& path) {
    const QImage picture = LoadPictureFile(path);
    // A strip of another size is not one this program wrote: it would leave
    // fans cut off or missing.
    if (picture.isNull() || picture.size() != QSize(BackFanStripWidth, BackFanStripHeight)) return false;
    QImage strip = picture.convertToFormat(QImage::Format_RGB32);
    if (strip.isNull()) return false;
    backFanStrip_ = strip;
    return true;
}

bool CardBacks::LoadBackStrip(BackStripSource source) {
    const QString folder = GetWorkFolder(messages_);
    if (folder.isEmpty()) return false;
    const QString cache = folder + QLatin1Char('/') + QLatin1String(BackFanCacheName);

    // A cache that cannot be read (cut short, damaged, foreign) is rebuilt
    // rather than leaving the table without card backs.
    if (source == BackStripSource::Cache && QFileInfo::exists(cache) && LoadBackFanFile(cache) &&
        MakeRotatedBack())
        return true;

    if (!BuildBackFan()) return false;
    // A cache that cannot be written costs only the time of a rebuild at the
    // next start; the player has been told, and the backs are ready now.
    // Something else under the cache's name (a folder) is left alone, and
    // not reported at every start.
    if (QFileInfo::exists(cache) && !QFileInfo(cache).isFile()) return true;
    SaveBitmapAs(backFanStrip_, cache, BackFanStripWidth, BackFanStripHeight, QStringLiteral("bmp"),
                 messages_);
    return true;
}

bool CardBacks::ImportPicture(const QString& path) {
    if (path.isEmpty() || !QFileInfo::exists(path)) return false;
    // JPEG files are read directly, other formats with their see-through
    // areas filled in the colour of the top-left pixel; oversized and damaged
    // files come back null.
    const QImage picture = OpenPictureChosenByUser(path, messages_, BackPictureSide);
    if (picture.isNull()) return false;
    const QImage opaque = picture.convertToFormat(QImage::Format_RGB32);
    if (opaque.isNull()) {
        messages_.ShowMessage(LoadString(text::CannotRender), MessageIcon::Stop);
        return false;
    }
    // Any size and shape is stretched to the whole card: nothing is cut off
    // and no bands are added. Smooth scaling averages the pixels of large
    // photographs instead of picking some of them.
    QImage back = opaque.scaled(CardWidth, CardHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (!back.isNull()) back = back.convertToFormat(QImage::Format_RGB32);
    if (back.isNull()) return false;
    currentBack_ = back;
    return true;
}

void CardBacks::KeepCustomBack() {
    const QString folder = GetWorkFolder(messages_);
    // Without a work folder the picture cannot be kept; the table then shows
    // the first preset, as for a lost "CardBack.jpg".
    if (folder.isEmpty()) return;
    SaveBitmapAs(currentBack_, folder + QLatin1Char('/') + QLatin1String(CustomBackName), CardWidth,
                 CardHeight, QStringLiteral("jpeg"), messages_);
}

bool CardBacks::ApplyChoice(Choice choice) {
    // After a preset the player's picture must be chosen again from its file.
    if (settings_.Read(setting::CardBack) != CustomBackChoice) DeleteCustomBackCopy(messages_);
    if (choice == Choice::Kept) return false;
    if (!LoadBackStrip(BackStripSource::Rebuild)) {
        messages_.ShowMessage(LoadString(text::BacksNotSet), MessageIcon::Stop);
        return false;
    }
    return true;
}

}  // namespace tesseran
