// SPDX-License-Identifier: MIT
#include "CardFaces.h"

#include "Lettering.h"
#include "Palette.h"
#include "Patterns.h"
#include "SuitShapes.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <array>

namespace tesseran::art {

namespace {

constexpr double Width = 151;
constexpr double Height = 215;
const QPointF Centre(Width / 2, Height / 2);

// Where the pips of ranks 2 to 6 stand; the lower half is drawn upside down.
constexpr double LeftColumn = 54;
constexpr double MiddleColumn = Width / 2;
constexpr double RightColumn = Width - 54;
constexpr double TopRow = 50;
constexpr double MiddleRow = Height / 2;
constexpr double BottomRow = Height - 50;
constexpr double PipSize = 31;

QColor SuitInk(Suit suit) { return IsRed(suit) ? QColor(192, 22, 34) : InkBlack; }

// Each suit's face cards have a lacquer of their own (clubs pine green,
// diamonds vermilion, hearts crimson, spades indigo), so the captured face
// cards on the table can be told apart at a glance.
struct LacquerTones {
    QColor light;
    QColor mid;
    QColor deep;
};

LacquerTones SuitLacquer(Suit suit) {
    switch (suit) {
        case Suit::Clubs:
            return {PineLight, PineGreen, PineDeep};
        case Suit::Diamonds:
            return {VermilionLight, Vermilion, VermilionDeep};
        case Suit::Hearts:
            return {CrimsonLight, Crimson, CrimsonDeep};
        case Suit::Spades:
            return {IndigoLight, Indigo, IndigoDeep};
    }
    return {IndigoLight, Indigo, IndigoDeep};
}

QColor LacquerLight(Suit suit) { return SuitLacquer(suit).light; }
QColor Lacquer(Suit suit) { return SuitLacquer(suit).mid; }
QColor LacquerDeep(Suit suit) { return SuitLacquer(suit).deep; }

void PaintPaper(QPainter& painter) {
    QLinearGradient paper(0, 0, 0, Height);
    paper.setColorAt(0, PaperLight);
    paper.setColorAt(1, PaperShade);
    painter.fillRect(QRectF(0, 0, Width, Height), paper);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(CardEdge, 1));
    painter.drawRect(QRectF(0.5, 0.5, Width - 1, Height - 1));
}

// Rank and suit in the top-left corner, then the same turned half a turn in
// the bottom-right, as on any card a player can read from either end. A face
// card's index stands on a gold plate: in a hand only the 33-pixel strip of
// a covered card shows, and a 7, 8 or 9 must not pass for a number card.
enum class IndexPlate { None, Gold };

void PaintIndex(QPainter& painter, const QString& rank, Suit suit, IndexPlate plate) {
    const QPainterPath glyph = TextOutline(rank, LetteringFont(Typeface::Serif, 48));
    const QRectF ink = glyph.boundingRect();
    constexpr double RankHeight = 22;
    const double naturalWidth = ink.width() * RankHeight / ink.height();
    const double rankWidth = std::min(naturalWidth, 25.0);
    const QPainterPath placed = StretchTo(glyph, QRectF(16.5 - rankWidth / 2, 7, rankWidth, RankHeight));
    for (int end = 0; end < 2; ++end) {
        painter.save();
        if (end == 1) {
            painter.translate(Width, Height);
            painter.rotate(180);
        }
        if (plate == IndexPlate::Gold) {
            const QRectF plateBox(3.5, 3.5, 26, 57);
            QLinearGradient gold(plateBox.topLeft(), plateBox.bottomRight());
            gold.setColorAt(0.0, GoldHighlight);
            gold.setColorAt(0.5, GoldLight);
            gold.setColorAt(1.0, GoldMid);
            painter.setPen(QPen(GoldDark, 1.1));
            painter.setBrush(gold);
            painter.drawRoundedRect(plateBox, 4, 4);
        }
        painter.setPen(Qt::NoPen);
        painter.setBrush(SuitInk(suit));
        painter.drawPath(placed);
        PaintSuit(painter, suit, QPointF(16.5, 42), 15);
        painter.restore();
    }
}

// A fine double rule around the pips of a number card, in the manner of
// printed karuta; it stays clear of the corner indices.
void PaintPipFrame(QPainter& painter) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(206, 184, 136), 1.0));
    painter.drawRoundedRect(QRectF(33.5, 11.5, 84, 192), 5, 5);
    painter.setPen(QPen(QColor(222, 206, 168), 0.7));
    painter.drawRoundedRect(QRectF(36, 14, 79, 187), 3.5, 3.5);
    painter.restore();
}

void PaintPips(QPainter& painter, Suit suit, int rank) {
    struct Pip {
        double x;
        double y;
    };
    std::vector<Pip> pips;
    switch (rank) {
        case 2:
            pips = {{MiddleColumn, TopRow}, {MiddleColumn, BottomRow}};
            break;
        case 3:
            pips = {{MiddleColumn, TopRow}, {MiddleColumn, MiddleRow}, {MiddleColumn, BottomRow}};
            break;
        case 4:
            pips = {{LeftColumn, TopRow},
                    {RightColumn, TopRow},
                    {LeftColumn, BottomRow},
                    {RightColumn, BottomRow}};
            break;
        case 5:
            pips = {{LeftColumn, TopRow},
                    {RightColumn, TopRow},
                    {MiddleColumn, MiddleRow},
                    {LeftColumn, BottomRow},
                    {RightColumn, BottomRow}};
            break;
        case 6:
            pips = {{LeftColumn, TopRow},     {RightColumn, TopRow},   {LeftColumn, MiddleRow},
                    {RightColumn, MiddleRow}, {LeftColumn, BottomRow}, {RightColumn, BottomRow}};
            break;
        default:
            break;
    }
    for (const Pip& pip : pips) {
        PaintSuit(painter, suit, QPointF(pip.x, pip.y), PipSize, pip.y > MiddleRow + 1);
    }
}

void PaintAce(QPainter& painter, Suit suit) {
    // A single large pip in a fine double ring: plain enough to read as a
    // number card, but not a bare corner of paper.
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QColor ring = SuitInk(suit);
    ring.setAlpha(70);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(ring, 1.2));
    painter.drawEllipse(Centre, 37, 37);
    painter.setPen(QPen(ring, 0.7));
    painter.drawEllipse(Centre, 34, 34);
    painter.restore();
    PaintSuit(painter, suit, Centre, 50);
}

// A cream disc with a gold rim holding a suit symbol.
void PaintMedallion(QPainter& painter, Suit suit, QPointF centre, double radius, bool upsideDown) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF box(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    painter.setPen(Qt::NoPen);
    painter.setBrush(GoldBrush(box));
    painter.drawEllipse(centre, radius, radius);
    QRadialGradient cream(centre - QPointF(radius * 0.3, radius * 0.3), radius * 1.4);
    cream.setColorAt(0, PaperLight);
    cream.setColorAt(1, PaperShade);
    painter.setBrush(cream);
    painter.drawEllipse(centre, radius - 2.2, radius - 2.2);
    painter.restore();
    PaintSuit(painter, suit, centre, radius * 1.2, upsideDown);
}

// Gold band around a rounded rectangle; returns the field inside the band.
QRectF PaintGoldFrame(QPainter& painter, const QRectF& outer, double band, double radius) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(GoldDark, 0.8));
    painter.setBrush(GoldBrush(outer));
    painter.drawRoundedRect(outer, radius, radius);
    painter.restore();
    return outer.adjusted(band, band, -band, -band);
}

QPainterPath Rounded(const QRectF& box, double radius) {
    QPainterPath path;
    path.addRoundedRect(box, radius, radius);
    return path;
}

// The big numeral of a face card: gold with a dark shadow and rim.
void PaintGoldNumeral(QPainter& painter, const QString& numeral, const QRectF& box) {
    const QPainterPath outline = FillCentred(TextOutline(numeral, LetteringFont(Typeface::Serif, 80)), box);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 140));
    painter.drawPath(outline.translated(1.4, 1.8));
    QLinearGradient gold(box.topLeft(), box.bottomLeft());
    gold.setColorAt(0.0, GoldHighlight);
    gold.setColorAt(0.45, GoldLight);
    gold.setColorAt(0.55, GoldMid);
    gold.setColorAt(1.0, GoldLight);
    painter.setBrush(gold);
    painter.setPen(QPen(GoldDark, 0.7));
    painter.drawPath(outline);
    painter.restore();
}

const QRectF FacePanel(31.5, 11.5, 88, 192);

void PaintFaceCard(QPainter& painter, Suit suit, int rank) {
    static const std::array<QString, 3> Numerals{QStringLiteral("七"), QStringLiteral("八"),
                                                 QStringLiteral("九")};
    const QRectF field = PaintGoldFrame(painter, FacePanel, 4, 7);
    const QPainterPath fieldPath = Rounded(field, 4);

    QRadialGradient lacquer(Centre, 115);
    lacquer.setColorAt(0, LacquerLight(suit));
    lacquer.setColorAt(0.55, Lacquer(suit));
    lacquer.setColorAt(1, LacquerDeep(suit));
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipPath(fieldPath);
    painter.fillRect(field, lacquer);
    QColor waves = GoldLight;
    waves.setAlpha(46);
    PaintSeigaiha(painter, field, 11, QBrush(lacquer), waves, 0.8, 4);
    painter.restore();

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QColor hairline = GoldLight;
    hairline.setAlpha(200);
    painter.setPen(QPen(hairline, 0.8));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(field.adjusted(3, 3, -3, -3), 2.5, 2.5);
    painter.restore();

    PaintMedallion(painter, suit, QPointF(Centre.x(), 46), 15, false);
    PaintMedallion(painter, suit, QPointF(Centre.x(), Height - 46), 15, true);
    PaintGoldNumeral(painter, Numerals[rank - 7], QRectF(Centre.x() - 31, Centre.y() - 30, 62, 60));
}

void PaintPinCard(QPainter& painter, Suit suit) {
    // A gold rule around the whole card marks the pin from across the table.
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(GoldBrush(QRectF(0, 0, Width, Height)), 2.2));
    painter.drawRect(QRectF(2.1, 2.1, Width - 4.2, Height - 4.2));
    painter.setPen(QPen(GoldDark, 0.6));
    painter.drawRect(QRectF(3.8, 3.8, Width - 7.6, Height - 7.6));
    painter.restore();

    // Lacquer band, then a gold field with a sunburst.
    const QPainterPath bandPath = Rounded(FacePanel, 7);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient band(FacePanel.topLeft(), FacePanel.bottomRight());
    band.setColorAt(0, LacquerLight(suit));
    band.setColorAt(1, LacquerDeep(suit));
    painter.setPen(QPen(GoldDark, 0.8));
    painter.setBrush(band);
    painter.drawPath(bandPath);
    const QRectF field = FacePanel.adjusted(5, 5, -5, -5);
    const QPainterPath fieldPath = Rounded(field, 4);
    painter.setClipPath(fieldPath);
    QRadialGradient glow(Centre, 120);
    glow.setColorAt(0, GoldHighlight);
    glow.setColorAt(0.5, GoldLight);
    glow.setColorAt(1, GoldMid);
    painter.fillRect(field, glow);
    QColor ray = GoldMid;
    ray.setAlpha(110);
    PaintSunburst(painter, QPointF(Centre.x(), 112), 160, 40, ray);
    painter.setClipping(false);
    painter.setPen(QPen(GoldHighlight, 0.9));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(fieldPath);
    painter.restore();

    // The crest: the suit in a ringed disc, like a family mon.
    const QPointF crest(Centre.x(), 112);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(90, 50, 0, 90));
    painter.drawEllipse(crest + QPointF(1.5, 2), 33, 33);
    painter.setBrush(GoldBrush(QRectF(crest.x() - 33, crest.y() - 33, 66, 66)));
    painter.drawEllipse(crest, 33, 33);
    painter.setBrush(Lacquer(suit));
    painter.drawEllipse(crest, 30, 30);
    QRadialGradient cream(crest - QPointF(8, 8), 36);
    cream.setColorAt(0, PaperLight);
    cream.setColorAt(1, PaperShade);
    painter.setBrush(cream);
    painter.drawEllipse(crest, 26, 26);
    painter.restore();
    PaintSuit(painter, suit, crest, 34);

    // The title plate ピン above the crest.
    const QRectF plate(Centre.x() - 31, 22, 62, 30);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(GoldBrush(plate), 1.6));
    QLinearGradient plateFill(plate.topLeft(), plate.bottomLeft());
    plateFill.setColorAt(0, LacquerLight(suit));
    plateFill.setColorAt(1, LacquerDeep(suit));
    painter.setBrush(plateFill);
    painter.drawRoundedRect(plate, 5, 5);
    const QPainterPath title =
        FillCentred(TextOutline(QStringLiteral("ピン"), LetteringFont(Typeface::Sans, 40, QFont::Black)),
                    plate.adjusted(8, 5, -8, -5));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 120));
    painter.drawPath(title.translated(0.8, 1));
    painter.setBrush(GoldBrush(plate));
    painter.drawPath(title);
    painter.restore();

    // A ribbon of three small suits below.
    const QRectF ribbon(Centre.x() - 30, 166, 60, 22);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(GoldBrush(ribbon), 1.4));
    painter.setBrush(plateFill);
    painter.drawRoundedRect(ribbon, 4, 4);
    painter.restore();
    for (int index = -1; index <= 1; ++index) {
        PaintSuitFlat(painter, suit, QPointF(Centre.x() + index * 17, ribbon.center().y()), 12, GoldLight);
    }
}

// ---- the joker ------------------------------------------------------------

void PaintOniMask(QPainter& painter, QPointF centre) {
    const double cx = centre.x();
    const double top = centre.y() - 52;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);

    // Mane: dark curls behind the head.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(16, 8, 20));
    const std::array<QPointF, 9> curls{QPointF(-40, 44), QPointF(-44, 62), QPointF(-40, 82),
                                       QPointF(-30, 30), QPointF(40, 44),  QPointF(44, 62),
                                       QPointF(40, 82),  QPointF(30, 30),  QPointF(0, 22)};
    for (const QPointF& curl : curls) painter.drawEllipse(QPointF(cx, top) + curl, 13, 13);

    // Horns, ivory shading to gold at the root.
    for (int side = -1; side <= 1; side += 2) {
        QPainterPath horn;
        horn.moveTo(cx + side * 14, top + 24);
        horn.cubicTo(cx + side * 20, top + 8, cx + side * 30, top - 2, cx + side * 42, top - 8);
        horn.cubicTo(cx + side * 38, top + 4, cx + side * 34, top + 18, cx + side * 32, top + 30);
        horn.closeSubpath();
        QLinearGradient ivory(cx + side * 42, top - 8, cx + side * 20, top + 28);
        ivory.setColorAt(0, QColor(255, 250, 232));
        ivory.setColorAt(0.6, QColor(236, 214, 160));
        ivory.setColorAt(1, GoldMid);
        painter.setBrush(ivory);
        painter.setPen(QPen(QColor(90, 60, 20), 0.8));
        painter.drawPath(horn);
    }

    // Face.
    QPainterPath face;
    face.moveTo(cx, top + 14);
    face.cubicTo(cx + 26, top + 14, cx + 40, top + 30, cx + 39, top + 58);
    face.cubicTo(cx + 38, top + 80, cx + 28, top + 100, cx, top + 106);
    face.cubicTo(cx - 28, top + 100, cx - 38, top + 80, cx - 39, top + 58);
    face.cubicTo(cx - 40, top + 30, cx - 26, top + 14, cx, top + 14);
    face.closeSubpath();
    QRadialGradient skin(QPointF(cx - 8, top + 44), 70);
    skin.setColorAt(0, QColor(246, 96, 64));
    skin.setColorAt(0.6, QColor(204, 40, 34));
    skin.setColorAt(1, QColor(120, 12, 18));
    painter.setBrush(skin);
    painter.setPen(QPen(QColor(60, 6, 10), 1.2));
    painter.drawPath(face);

    // Forehead furrows.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(120, 14, 20), 1.4, Qt::SolidLine, Qt::RoundCap));
    for (int furrow = 0; furrow < 2; ++furrow) {
        QPainterPath line;
        const double y = top + 28 + furrow * 6;
        line.moveTo(cx - 16 + furrow * 3, y + 3);
        line.quadTo(cx, y - 4, cx + 16 - furrow * 3, y + 3);
        painter.drawPath(line);
    }

    // Eyes: gold, slanting, with black pupils, under heavy brows.
    for (int side = -1; side <= 1; side += 2) {
        QPainterPath eye;
        eye.moveTo(cx + side * 6, top + 54);
        eye.quadTo(cx + side * 16, top + 44, cx + side * 29, top + 47);
        eye.quadTo(cx + side * 20, top + 60, cx + side * 6, top + 54);
        eye.closeSubpath();
        painter.setPen(QPen(QColor(50, 4, 8), 1.2));
        painter.setBrush(QColor(255, 214, 70));
        painter.drawPath(eye);
        painter.setPen(Qt::NoPen);
        painter.setBrush(InkBlack);
        painter.drawEllipse(QPointF(cx + side * 16, top + 51.5), 3.6, 3.6);

        QPainterPath brow;
        brow.moveTo(cx + side * 4, top + 46);
        brow.quadTo(cx + side * 18, top + 32, cx + side * 35, top + 36);
        brow.lineTo(cx + side * 33, top + 42);
        brow.quadTo(cx + side * 18, top + 40, cx + side * 6, top + 50);
        brow.closeSubpath();
        painter.setBrush(QColor(24, 10, 16));
        painter.drawPath(brow);
    }

    // Nose.
    QPainterPath nose;
    nose.moveTo(cx, top + 56);
    nose.cubicTo(cx + 5, top + 62, cx + 13, top + 66, cx + 11, top + 72);
    nose.cubicTo(cx + 6, top + 76, cx - 6, top + 76, cx - 11, top + 72);
    nose.cubicTo(cx - 13, top + 66, cx - 5, top + 62, cx, top + 56);
    painter.setBrush(QColor(214, 56, 44));
    painter.setPen(QPen(QColor(110, 12, 18), 1));
    painter.drawPath(nose);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(70, 6, 12));
    painter.drawEllipse(QPointF(cx - 5, top + 72), 2.6, 1.8);
    painter.drawEllipse(QPointF(cx + 5, top + 72), 2.6, 1.8);

    // Mouth with teeth and two fangs.
    QPainterPath mouth;
    mouth.moveTo(cx - 24, top + 80);
    mouth.quadTo(cx, top + 74, cx + 24, top + 80);
    mouth.quadTo(cx + 16, top + 97, cx, top + 97);
    mouth.quadTo(cx - 16, top + 97, cx - 24, top + 80);
    mouth.closeSubpath();
    painter.setBrush(QColor(70, 0, 12));
    painter.setPen(QPen(QColor(40, 0, 6), 1));
    painter.drawPath(mouth);
    painter.save();
    painter.setClipPath(mouth);
    painter.setPen(QPen(QColor(150, 130, 110), 0.6));
    painter.setBrush(QColor(252, 246, 230));
    painter.drawRect(QRectF(cx - 26, top + 70, 52, 13.5));
    for (int tooth = -2; tooth <= 2; ++tooth) {
        painter.drawLine(QPointF(cx + tooth * 7.5, top + 76), QPointF(cx + tooth * 7.5, top + 83.5));
    }
    painter.restore();
    for (int side = -1; side <= 1; side += 2) {
        QPolygonF fang;
        fang << QPointF(cx + side * 10, top + 97) << QPointF(cx + side * 18, top + 94)
             << QPointF(cx + side * 15.5, top + 81);
        painter.setBrush(QColor(252, 246, 230));
        painter.setPen(QPen(QColor(120, 100, 80), 0.7));
        painter.drawPolygon(fang);
    }
    painter.restore();
}

void PaintJoker(QPainter& painter) {
    const QRectF field(5.5, 5.5, Width - 11, Height - 11);
    const QRectF inner = PaintGoldFrame(painter, field, 3, 6);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QRadialGradient night(QPointF(Width / 2, 96), 130);
    night.setColorAt(0, PlumLight);
    night.setColorAt(0.5, Plum);
    night.setColorAt(1, PlumDeep);
    painter.setPen(Qt::NoPen);
    painter.setBrush(night);
    painter.drawRoundedRect(inner, 4, 4);
    painter.restore();

    // Fixed star positions: the picture must come out the same every time.
    struct Star {
        double x;
        double y;
        double radius;
    };
    const std::array<Star, 16> stars{{{40, 18, 4},
                                      {62, 13, 2.5},
                                      {118, 20, 3.5},
                                      {132, 48, 2.5},
                                      {128, 88, 3},
                                      {136, 120, 2},
                                      {124, 150, 3.5},
                                      {112, 40, 2},
                                      {22, 100, 2.5},
                                      {14, 132, 3},
                                      {26, 158, 2},
                                      {40, 146, 2.5},
                                      {106, 160, 2},
                                      {96, 16, 2},
                                      {138, 196, 2.5},
                                      {58, 196, 2}}};
    for (const Star& star : stars) PaintSparkle(painter, QPointF(star.x, star.y), star.radius, GoldLight);

    PaintOniMask(painter, QPointF(Width / 2 + 3, 98));

    // Gold ribbon with the word JOKER.
    const QRectF ribbon(24, 170, 94, 24);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath banner;
    banner.moveTo(ribbon.left() - 8, ribbon.top() + 3);
    banner.lineTo(ribbon.right() + 8, ribbon.top() + 3);
    banner.lineTo(ribbon.right() + 2, ribbon.center().y() + 1.5);
    banner.lineTo(ribbon.right() + 8, ribbon.bottom());
    banner.lineTo(ribbon.left() - 8, ribbon.bottom());
    banner.lineTo(ribbon.left() - 2, ribbon.center().y() + 1.5);
    banner.closeSubpath();
    painter.setPen(QPen(GoldDark, 0.8));
    painter.setBrush(GoldBrush(ribbon));
    painter.drawPath(banner);
    const QPainterPath word =
        FillCentred(TextOutline(QStringLiteral("JOKER"), LetteringFont(Typeface::Serif, 40)),
                    ribbon.adjusted(6, 6.5, -6, -3.5));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(70, 10, 24));
    painter.drawPath(word);
    painter.restore();

    // Corner index: the word written downwards, readable in a fanned hand.
    const QPainterPath letters =
        VerticalText(QStringLiteral("JOKER"), LetteringFont(Typeface::Serif, 13), 17, 12, 78);
    for (int end = 0; end < 2; ++end) {
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing);
        if (end == 1) {
            painter.translate(Width, Height);
            painter.rotate(180);
        }
        painter.setPen(Qt::NoPen);
        painter.setBrush(GoldLight);
        painter.drawPath(letters);
        painter.restore();
    }
}

}  // namespace

QImage PaintCardFace(int code) {
    QImage card(static_cast<int>(Width), static_cast<int>(Height), QImage::Format_RGB32);
    QPainter painter(&card);
    painter.setRenderHint(QPainter::Antialiasing);
    PaintPaper(painter);
    if (code == 0) {
        PaintJoker(painter);
        return card;
    }
    const Suit suit = static_cast<Suit>(code / 11);
    const int rank = code % 11;
    if (rank == 10) {
        PaintPinCard(painter, suit);
    } else if (rank >= 7) {
        PaintFaceCard(painter, suit, rank);
    } else if (rank == 1) {
        PaintPipFrame(painter);
        PaintAce(painter, suit);
    } else {
        PaintPipFrame(painter);
        PaintPips(painter, suit, rank);
    }
    PaintIndex(painter, QString::number(rank), suit, rank >= 7 ? IndexPlate::Gold : IndexPlate::None);
    return card;
}

}  // namespace tesseran::art
