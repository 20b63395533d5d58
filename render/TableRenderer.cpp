// SPDX-License-Identifier: MIT
// Composing the table: the table layer, its projection band by band, the
// hands around it, and the window-side drawings of the moment.
#include "render/TableRenderer.h"

#include "base/ResourceIds.h"
#include "base/StringTable.h"
#include "render/CardSheet.h"
#include "render/FramedRect.h"
#include "render/ImageStretch.h"

#include <QColor>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace tesseran {

namespace {

const QColor BackgroundColour(102, 102, 153);
const QColor ClothColour(24, 131, 56);
const QColor TrickAreaColour(0, 160, 0);
const QColor TrickAreaEdge(0, 100, 0);
const QColor FrontEdgeColour(0, 72, 0);
const QColor PileSideColour(164, 164, 164);
const QColor PileSideLines(96, 96, 96);

// The card sheet must hold at least the 11 x 4 cells.
constexpr int SheetMinimumWidth = 11 * CardWidth;
constexpr int SheetMinimumHeight = 4 * CardHeight;

// A card turned a quarter turn.
constexpr int TurnedWidth = CardHeight;
constexpr int TurnedHeight = CardWidth;

constexpr int FaceStripHeight = FaceCardCount * TurnedHeight;

// Anchors by seat: captured face cards and the trick, in layer coordinates.
constexpr std::array<QPoint, SeatCount> FaceAnchors = {QPoint(915, 235), QPoint(382, 10), QPoint(10, 235),
                                                       QPoint(382, 621)};
constexpr std::array<QPoint, SeatCount> TrickAnchors = {QPoint(690, 235), QPoint(409, 235), QPoint(235, 460),
                                                        QPoint(580, 396)};

constexpr QRect TrickAreaRect = RectFromEdges(234, 234, 906, 612);
// The part of the layer the trick area and the pile answer clicks on.
constexpr QRect TrickAreaHitRect = RectFromEdges(235, 235, 905, 611);
constexpr QRect DiscardHitRect = RectFromEdges(55, 653, 270, 804);
constexpr QPoint PileAt(55, 644);

constexpr int ShowCardsX = 399;
constexpr int ShowCardsStep = 191;
constexpr int ShowCardsY = 315;

// The human's hand: each card shows a strip of this width under the next.
constexpr int HandStep = 33;
constexpr int HandLeft = 376;

// The top seat's fan keeps the proportions of the strip at 215 pixels high.
constexpr double TopFanScale = 0.628654956817627;
constexpr QSize SideFanSize(150, 300);
constexpr QSize TopFaceSize(115, 165);
constexpr QSize SideFaceSize(140, 200);
constexpr int TopFaceStep = 20;
constexpr int SideFaceStep = 27;
constexpr int PeekCardStep = 30;
constexpr int SpreadStep = 20;

bool IsSeat(int seat) { return seat >= 0 && seat < SeatCount; }
int CardsHeld(int count) { return std::clamp(count, 0, HandSize); }

// The strip's see-through colour as transparency, so that the fans can be
// scaled smoothly and laid over the table.
QImage WithSeeThroughBackground(const QImage& image) {
    QImage result = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < result.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x) {
            if (line[x] == FanBackground) line[x] = 0;
        }
    }
    return result;
}

}  // namespace

TableRenderer::TableRenderer(const CTorvelView& view, const QImage& sheet, const CardBacks& backs)
    : panels(view, pictures),
      scoreBoard(view, pictures),
      view_(view),
      cardSheet_(sheet.convertToFormat(QImage::Format_RGB32)),
      backs_(backs) {}

bool TableRenderer::CreateSurfaces(Messages& messages) {
    backBuffer = QImage(CanvasWidth, CanvasHeight, QImage::Format_RGB32);
    tableLayer = QImage(LayerWidth, LayerHeight, QImage::Format_RGB32);
    rotateScratch = QImage(TurnedWidth, TurnedHeight, QImage::Format_RGB32);
    const bool surfaces = !backBuffer.isNull() && !tableLayer.isNull() && !rotateScratch.isNull();
    if (!surfaces || !pictures.Load()) {
        messages.ShowMessage(LoadString(text::OutOfMemory), MessageIcon::Stop);
        return false;
    }
    backBuffer.fill(BackgroundColour);
    tableLayer.fill(ClothColour);
    rotateScratch.fill(Qt::black);
    return !cardSheet_.isNull() && cardSheet_.width() >= SheetMinimumWidth &&
           cardSheet_.height() >= SheetMinimumHeight;
}

void TableRenderer::RotateCard(int code) {
    if (rotateScratch.isNull() || !IsCardCode(code)) return;
    const QRect cell = CardCell(code);
    if (!cardSheet_.rect().contains(cell)) return;
    std::array<QRgb*, TurnedHeight> rows{};
    for (int i = 0; i < TurnedHeight; ++i)
        rows[static_cast<size_t>(i)] = reinterpret_cast<QRgb*>(rotateScratch.scanLine(i));
    for (int j = 0; j < CardHeight; ++j) {
        const auto* source =
            reinterpret_cast<const QRgb*>(cardSheet_.constScanLine(cell.top() + j)) + cell.left();
        for (int i = 0; i < CardWidth; ++i) rows[static_cast<size_t>(i)][TurnedWidth - 1 - j] = source[i];
    }
}

void TableRenderer::BuildFaceStrip() {
    // Two megabytes that most of a game does without: made when a side seat
    // first shows a captured face card.
    if (faceStrip.isNull()) faceStrip = QImage(TurnedWidth, FaceStripHeight, QImage::Format_RGB32);
    if (faceStrip.isNull()) return;
    for (int face = 0; face < FaceCardCount; ++face) {
        RotateCard(FaceCardAt(face));
        for (int row = 0; row < TurnedHeight; ++row) {
            std::memcpy(faceStrip.scanLine(face * TurnedHeight + row), rotateScratch.constScanLine(row),
                        sizeof(QRgb) * TurnedWidth);
        }
    }
}

// --- Repaint ----------------------------------------------------------------

void TableRenderer::RedrawTable(TableLayer layer) {
    if (backBuffer.isNull() || tableLayer.isNull()) return;
    RefreshFans();
    namePlateRects.fill(QRect());
    turnMarkerRect = QRect();

    {
        QPainter painter(&backBuffer);
        painter.fillRect(backBuffer.rect(), BackgroundColour);
        panels.DrawStatusIcons(painter);
        if (view_.remainingDisplay == 1) panels.DrawRemainingPanel(painter);
        // The far hand goes first: the table covers its lower edge.
        DrawTopHand(painter);
    }

    // The pile rises with the angle, so a layer drawn at another angle with
    // cards on the pile is out of date even when nothing on the table moved.
    const int wholeAngle = Projection(view_.viewAngle).wholeAngle();
    const bool pileOutOfDate = view_.discardCount > 0 && layerAngle_ != wholeAngle;
    if (layer == TableLayer::Changed || layerAngle_ < 0 || pileOutOfDate) DrawTableLayer();
    ProjectTableLayer();

    QPainter painter(&backBuffer);
    DrawFrontEdgeAndPileSide(painter);
    DrawSideHand(painter, 0);
    DrawSideHand(painter, 2);
    DrawHumanHand(painter);
    if (view_.scoreShown != 0) scoreBoard.Draw(painter);
}

void TableRenderer::DrawTableLayer() {
    QPainter painter(&tableLayer);
    DrawTableBase(painter);
    DrawCapturedCards(painter);
    DrawTrickCards(painter);
    DrawShowCards(painter);
    layerAngle_ = Projection(view_.viewAngle).wholeAngle();
}

void TableRenderer::DrawTableBase(QPainter& painter) {
    FillFramedRect(painter, tableLayer.rect(), ClothColour, Qt::black, 1);
    FillFramedRect(painter, TrickAreaRect, TrickAreaColour, TrickAreaEdge, 2);

    pileTopY = 0;
    pileBottomY = 0;
    const int cards = std::clamp(view_.discardCount, 0, DiscardCapacity);
    if (cards == 0) return;
    // The pile's top card rises with the number of cards, more steeply at
    // low angles, where the table is seen more from the side.
    const int wholeAngle = Projection(view_.viewAngle).wholeAngle();
    const int y = PileAt.y() - (MaximumAngle - wholeAngle) * cards / 5;
    painter.drawImage(QPoint(PileAt.x(), y), backs_.rotatedBack());
    pileTopY = y + TurnedHeight;
    pileBottomY = pileTopY + cards;
}

void TableRenderer::DrawCapturedCards(QPainter& painter) {
    std::array<int, SeatCount> held{};
    for (int owner : view_.faceOwner) {
        if (IsSeat(owner)) ++held[static_cast<size_t>(owner)];
    }
    std::array<int, SeatCount> spacing{};
    for (int seat = 0; seat < SeatCount; ++seat) {
        const int count = held[static_cast<size_t>(seat)];
        spacing[static_cast<size_t>(seat)] = count < 6 ? 45 : count <= 10 ? 30 : 15;
    }

    std::array<int, SeatCount> placed{};
    for (int face = 0; face < FaceCardCount; ++face) {
        const int owner = view_.faceOwner[static_cast<size_t>(face)];
        if (!IsSeat(owner)) continue;
        const auto seat = static_cast<size_t>(owner);
        // The first card of a seat already stands one spacing from the anchor.
        const int offset = ++placed[seat] * spacing[seat];
        if (owner == 1 || owner == 3) {
            painter.drawImage(FaceAnchors[seat] + QPoint(offset, 0), cardSheet_, CardCell(FaceCardAt(face)));
        } else {
            if (faceStrip.isNull()) BuildFaceStrip();
            painter.drawImage(FaceAnchors[seat] + QPoint(0, offset), faceStrip,
                              QRect(0, face * TurnedHeight, TurnedWidth, TurnedHeight));
        }
    }
}

void TableRenderer::DrawTrickCards(QPainter& painter) {
    for (int seat = 0; seat < SeatCount; ++seat) {
        const auto index = static_cast<size_t>(seat);
        const int card = view_.showingPrevTrick == 1 ? view_.prevTrick[index] : view_.trick[index];
        if (!IsCardCode(card)) continue;
        if (seat == 1 || seat == 3) {
            painter.drawImage(TrickAnchors[index], cardSheet_, CardCell(card));
        } else {
            RotateCard(card);
            painter.drawImage(TrickAnchors[index], rotateScratch);
        }
    }
}

void TableRenderer::DrawShowCards(QPainter& painter) {
    const int shown = std::clamp(view_.shownCount, 0, 2);
    for (int i = 0; i < shown; ++i) {
        const int card = view_.showCards[static_cast<size_t>(i)];
        if (!IsCardCode(card)) continue;
        painter.drawImage(QPoint(ShowCardsX + ShowCardsStep * i, ShowCardsY), cardSheet_, CardCell(card));
    }
}

// --- Projection --------------------------------------------------------------

QRect TableRenderer::MapLayerRect(const QRect& layerRect) const {
    return Projection(view_.viewAngle).MapLayerRect(layerRect);
}

void TableRenderer::ProjectTableLayer() {
    if (backBuffer.isNull() || tableLayer.isNull()) return;
    const Projection projection(view_.viewAngle);

    // Bands overlap, each covering rows of the one before, and the one drawn
    // last shows. So each canvas row is filled once, from the last band that
    // reaches it, which gives the same picture as drawing every band in turn.
    std::array<Projection::Band, BandCount> bands{};
    std::array<int, CanvasHeight> rowBand;
    rowBand.fill(-1);

    bool sideTopFound = false;
    bool sideBottomFound = false;
    int sideLeft = 0;
    int sideRight = 0;
    int sideTop = 0;
    int sideBottom = 0;
    const bool pile = view_.discardCount > 0 && pileBottomY > pileTopY;

    for (int index = 0; index < BandCount; ++index) {
        const int sourceRow = index * BandStep;
        const Projection::Band band = projection.BandAt(sourceRow);
        bands[static_cast<size_t>(index)] = band;
        const int rows = std::min(BandStep, LayerHeight - sourceRow);
        for (int row = 0; row < rows; ++row) {
            const int y = band.y + row;
            if (y >= 0 && y < CanvasHeight) rowBand[static_cast<size_t>(y)] = index;
        }

        if (pile && !sideTopFound && sourceRow >= pileTopY) {
            sideTopFound = true;
            sideTop = band.y;
            const int widthLost = LayerWidth - band.width;
            const float squeeze = static_cast<float>(band.width) / static_cast<float>(LayerWidth);
            sideLeft = static_cast<int>(static_cast<float>(widthLost / 2 + 85) * squeeze);
            sideRight = static_cast<int>(static_cast<float>(widthLost / 2 + 270) * squeeze) + 30;
        }
        if (pile && !sideBottomFound && sourceRow >= pileBottomY) {
            sideBottomFound = true;
            sideBottom = band.y;
        }
    }
    pileSideRect =
        sideTopFound && sideBottomFound ? RectFromEdges(sideLeft, sideTop, sideRight, sideBottom) : QRect();

    for (int y = 0; y < CanvasHeight; ++y) {
        const int index = rowBand[static_cast<size_t>(y)];
        if (index < 0) continue;
        const Projection::Band& band = bands[static_cast<size_t>(index)];
        const int sourceRow = band.sourceRow + (y - band.y);
        const auto* source = reinterpret_cast<const QRgb*>(tableLayer.constScanLine(sourceRow));
        auto* target = reinterpret_cast<QRgb*>(backBuffer.scanLine(y)) + band.x;
        SqueezeRow(source, LayerWidth, target, band.width);
    }

    trickAreaScreenRect = projection.MapLayerRect(TrickAreaHitRect);
    discardScreenRect = projection.MapLayerRect(DiscardHitRect);
}

void TableRenderer::DrawFrontEdgeAndPileSide(QPainter& painter) {
    FillFramedRect(painter, FrontEdgeRect(view_.viewAngle), FrontEdgeColour, Qt::black, 1);

    if (view_.discardCount <= 0 || pileSideRect.isEmpty()) return;
    FillFramedRect(painter, pileSideRect, PileSideColour, PileSideLines, 1);
    if (view_.discardCount <= 10) return;
    // One line for every ten cards, evenly spaced down the side.
    const int lines = std::clamp(view_.discardCount, 0, DiscardCapacity) / 10;
    const float spacing = static_cast<float>(pileSideRect.height()) / static_cast<float>(lines + 1);
    int offset = 0;
    for (int line = 0; line < lines; ++line) {
        offset += static_cast<int>(spacing);
        painter.fillRect(QRect(pileSideRect.left(), pileSideRect.top() + offset, pileSideRect.width(), 1),
                         PileSideLines);
    }
}

// --- Hands -------------------------------------------------------------------

bool TableRenderer::ComputerHandsFaceUp() const { return view_.openMode == 1 && view_.gameNo < 4; }

void TableRenderer::RefreshFans() {
    const QImage& strip = backs_.backFanStrip();
    // The strip is let go once the fans are made from it (see CardBacks).
    if (strip.isNull() && fanStripKey_ != 0) return;
    if (strip.cacheKey() == fanStripKey_) return;
    fanStripKey_ = strip.cacheKey();
    for (int cards = 1; cards <= HandSize; ++cards) {
        const auto index = static_cast<size_t>(cards - 1);
        const int start = CardBacks::FanSegmentStart(cards);
        const int width = FanSegmentWidths[index];
        if (strip.isNull() || strip.width() < start + width || strip.height() < BackFanStripHeight) {
            topFans_[index] = QImage();
            sideFans_[index] = QImage();
            continue;
        }
        const QImage segment = WithSeeThroughBackground(strip.copy(start, 0, width, BackFanStripHeight));
        const int topWidth = static_cast<int>(width * TopFanScale);
        topFans_[index] =
            segment.scaled(topWidth, CardHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        sideFans_[index] = segment.scaled(SideFanSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
}

const QImage& TableRenderer::ScaledFace(int code, FaceSeat seat) {
    const bool sideSeat = seat == FaceSeat::Side;
    auto& cache = sideSeat ? sideFaces_ : topFaces_;
    QImage& face = cache[static_cast<size_t>(code)];
    if (face.isNull()) {
        face = cardSheet_.copy(CardCell(code))
                   .scaled(sideSeat ? SideFaceSize : TopFaceSize, Qt::IgnoreAspectRatio,
                           Qt::SmoothTransformation);
    }
    return face;
}

void TableRenderer::DrawTopHand(QPainter& painter) {
    const int cards = CardsHeld(view_.handCount[1]);
    const int x = 498;
    const int y = 7 * (MaximumAngle - Projection(view_.viewAngle).wholeAngle());
    if (ComputerHandsFaceUp()) {
        for (int i = 0; i < cards; ++i) {
            const int card = view_.hand[1][static_cast<size_t>(i)];
            if (IsCardCode(card))
                painter.drawImage(QPoint(x + TopFaceStep * i, y), ScaledFace(card, FaceSeat::Top));
        }
    } else if (cards > 0) {
        painter.drawImage(QPoint(x, y), topFans_[static_cast<size_t>(cards - 1)]);
    }
    namePlateRects[1] = panels.DrawSeatMarks(painter, 1, QPoint(x - TurnMarkerSize, y),
                                             QPoint(x - NamePlateWidth, y + 34), nullptr);
}

void TableRenderer::DrawSideHand(QPainter& painter, int seat) {
    const auto index = static_cast<size_t>(seat);
    const int cards = CardsHeld(view_.handCount[index]);
    const int wholeAngle = Projection(view_.viewAngle).wholeAngle();
    if (ComputerHandsFaceUp()) {
        const int x = seat == 2 ? 10 : 1080 - SideFaceStep * cards - 13;
        const int top = 220 - wholeAngle;
        for (int i = 0; i < cards; ++i) {
            const int card = view_.hand[index][static_cast<size_t>(i)];
            if (IsCardCode(card))
                painter.drawImage(QPoint(x + SideFaceStep * i, top + 26), ScaledFace(card, FaceSeat::Side));
        }
        namePlateRects[index] = panels.DrawSeatMarks(painter, seat, QPoint(x, top - 8),
                                                     QPoint(x + TurnMarkerSize, top - 8), nullptr);
        return;
    }
    const int x = seat == 0 ? 1020 : 10;
    const int y = 220 - wholeAngle + 26;
    if (cards > 0) painter.drawImage(QPoint(x, y), sideFans_[static_cast<size_t>(cards - 1)]);
    namePlateRects[index] =
        panels.DrawSeatMarks(painter, seat, QPoint(x, y - 34), QPoint(x + TurnMarkerSize, y - 34), nullptr);
}

void TableRenderer::DrawHumanHand(QPainter& painter) {
    const int cards = CardsHeld(view_.handCount[HumanSeat]);
    // The hand is centred as if it held eight cards.
    const int left = HandLeft + (8 - cards) * HandStep / 2;
    const int y = 474 + 6 * Projection(view_.viewAngle).wholeAngle();
    handCardRects.fill(QRect());
    for (int i = 0; i < cards; ++i) {
        const int x = left + HandStep * i;
        const int card = view_.hand[HumanSeat][static_cast<size_t>(i)];
        if (IsCardCode(card)) painter.drawImage(QPoint(x, y), cardSheet_, CardCell(card));
        // Only the last card shows its whole width; the others show a strip.
        const int right = i == cards - 1 ? x + CardWidth : x + HandStep;
        handCardRects[static_cast<size_t>(i)] = RectFromEdges(x, y, right, y + CardHeight);
    }
    handRect = RectFromEdges(left, y, left + HandStep * cards + CardWidth - HandStep, y + CardHeight);
    namePlateRects[HumanSeat] = panels.DrawSeatMarks(painter, HumanSeat, QPoint(left - TurnMarkerSize, y),
                                                     QPoint(left - NamePlateWidth, y + 34), &turnMarkerRect);
}

void TableRenderer::SetClientSize(QSize client) {
    scaleX = static_cast<float>(std::max(client.width(), 0)) / static_cast<float>(CanvasWidth);
    scaleY = static_cast<float>(std::max(client.height(), 0)) / static_cast<float>(CanvasHeight);
}

// --- Window ----------------------------------------------------------------------

void TableRenderer::DrawBackBuffer(QPainter& painter, QSize size) {
    if (size == backBuffer.size()) {
        painter.drawImage(QPoint(0, 0), backBuffer);
        return;
    }
    // The window repaints more often than the table changes (a dragged card,
    // a balloon), so the stretched picture is kept until the table changes.
    if (windowPicture_.size() != size || windowPictureKey_ != backBuffer.cacheKey()) {
        windowPictureKey_ = backBuffer.cacheKey();
        if (size.width() < CanvasWidth || size.height() < CanvasHeight) {
            // Shrinking averages whole areas, which keeps thin lines and small
            // glyphs readable in the smaller windows.
            windowPicture_ = backBuffer.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        } else {
            if (windowPicture_.size() != size) windowPicture_ = QImage(size, QImage::Format_RGB32);
            if (windowStretch_.targetSize() != size) windowStretch_ = LinearStretch(backBuffer.size(), size);
            // Each band goes to the window while it is still in the cache.
            constexpr int BandRows = 16;
            for (int y = 0; y < size.height(); y += BandRows) {
                windowStretch_.Apply(backBuffer, windowPicture_, y, BandRows);
                painter.drawImage(QPoint(0, y), windowPicture_, QRect(0, y, size.width(), BandRows));
            }
            return;
        }
    }
    painter.drawImage(QPoint(0, 0), windowPicture_);
}

void TableRenderer::PaintWindow(QPainter& painter, QSize client) {
    const WindowScale scale = Scale();
    const int width = backBuffer.isNull() ? 0 : scale.MapX(CanvasWidth);
    const int height = backBuffer.isNull() ? 0 : scale.MapY(CanvasHeight);

    if (width > 0 && height > 0) {
        DrawBackBuffer(painter, QSize(width, height));
        panels.DrawStatusBanner(painter, scale, initialising);

        // The keyboard's selection marker above the marked card; a mark left
        // beyond either end of a shrunken hand wraps around.
        const int cards = CardsHeld(view_.handCount[HumanSeat]);
        if (view_.scoreShown == 0 && cards > 0) {
            int mark = view_.markedCard;
            if (mark < 0) mark = cards - 1;
            if (mark > cards - 1) mark = 0;
            const QRect& card = handCardRects[static_cast<size_t>(mark)];
            if (!card.isEmpty()) {
                panels.DrawSelectionMarker(
                    painter, QRect(scale.MapX(card.left() + 6), scale.MapY(card.top() - 20), scale.MapX(20),
                                   scale.MapY(18)));
            }
        }
        panels.DrawTurnHints(painter, scale, handRect, requestedSuitRect, rightSignRect);
    }

    // Whatever the picture leaves of the client area is white.
    const int fullWidth = std::max(width, client.width());
    const int fullHeight = std::max(height, client.height());
    painter.fillRect(QRect(width, 0, fullWidth - width, fullHeight), Qt::white);
    painter.fillRect(QRect(0, height, fullWidth, fullHeight - height), Qt::white);
}

void TableRenderer::PaintMarker(QPainter& painter, int seat, Marker marker) const {
    panels.DrawMarker(painter, Scale(), seat, marker);
}

void TableRenderer::PaintBalloon(QPainter& painter, int seat, Balloon balloon, int suit) const {
    panels.DrawBalloon(painter, Scale(), seat, balloon, suit);
}

void TableRenderer::PaintDiscardSpread(QPainter& painter) const {
    const WindowScale scale = Scale();
    const int cards = std::clamp(view_.discardCount, 0, DiscardCapacity);
    const int top = scale.MapY(discardScreenRect.top());
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    for (int i = 0; i < cards; ++i) {
        const int card = view_.discard[static_cast<size_t>(i)];
        if (!IsCardCode(card)) continue;
        painter.drawImage(
            QRect(scale.MapX(SpreadStep * i), top, scale.MapX(CardWidth), scale.MapY(CardHeight)), cardSheet_,
            CardCell(card));
    }
    painter.restore();
}

void TableRenderer::PaintDraggedCard(QPainter& painter, QPoint canvasTopLeft, int card) const {
    if (!IsCardCode(card)) return;
    const WindowScale scale = Scale();
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(scale.Map(canvasTopLeft.x(), canvasTopLeft.y(), CardWidth, CardHeight), cardSheet_,
                      CardCell(card));
    painter.restore();
}

void TableRenderer::PaintPeekHand(QPainter& painter, std::span<const int> cards) const {
    if (const QPaintDevice* device = painter.device(); device != nullptr) {
        painter.fillRect(QRect(0, 0, device->width(), device->height()), Qt::white);
    }
    const auto count = std::min<size_t>(cards.size(), HandSize);
    for (size_t i = 0; i < count; ++i) {
        if (!IsCardCode(cards[i])) continue;
        painter.drawImage(QPoint(PeekCardStep * static_cast<int>(i), 0), cardSheet_, CardCell(cards[i]));
    }
}

}  // namespace tesseran
