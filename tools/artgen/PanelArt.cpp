// SPDX-License-Identifier: MIT
#include "PanelArt.h"

#include "KeyedCanvas.h"
#include "Lettering.h"
#include "LetteringTable.h"
#include "Palette.h"
#include "Patterns.h"
#include "SuitShapes.h"
#include "resources/ResourceCatalogue.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>

#include <array>
#include <functional>

namespace tesseran::art {

namespace {

constexpr int PlateHeight = 26;

enum class PlateTone { Indigo, Vermilion };

// The background of a plate row: it depends on y only, so any cut of it
// lines up with any other cut of the same tone.
void PaintPlateRow(QPainter& painter, const QRectF& row, PlateTone tone) {
    QLinearGradient fill(row.topLeft(), row.bottomLeft());
    if (tone == PlateTone::Indigo) {
        fill.setColorAt(0, QColor(60, 66, 116));
        fill.setColorAt(0.45, QColor(28, 32, 66));
        fill.setColorAt(1, QColor(12, 12, 30));
    } else {
        fill.setColorAt(0, QColor(206, 62, 48));
        fill.setColorAt(0.45, QColor(150, 24, 28));
        fill.setColorAt(1, QColor(78, 8, 14));
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(row, fill);
    painter.setPen(QColor(10, 6, 16));
    painter.drawLine(QPointF(row.left(), row.top()), QPointF(row.right() - 1, row.top()));
    painter.drawLine(QPointF(row.left(), row.bottom() - 1), QPointF(row.right() - 1, row.bottom() - 1));
    painter.setPen(GoldMid);
    painter.drawLine(QPointF(row.left(), row.top() + 2), QPointF(row.right() - 1, row.top() + 2));
    painter.drawLine(QPointF(row.left(), row.bottom() - 3), QPointF(row.right() - 1, row.bottom() - 3));
    painter.restore();
}

// Closes a plate at its left and right ends.
void PaintPlateEnds(QPainter& painter, const QRectF& row) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QColor(10, 6, 16));
    painter.drawLine(QPointF(row.left(), row.top()), QPointF(row.left(), row.bottom() - 1));
    painter.drawLine(QPointF(row.right() - 1, row.top()), QPointF(row.right() - 1, row.bottom() - 1));
    painter.setPen(GoldMid);
    painter.drawLine(QPointF(row.left() + 2, row.top() + 2), QPointF(row.left() + 2, row.bottom() - 3));
    painter.drawLine(QPointF(row.right() - 3, row.top() + 2), QPointF(row.right() - 3, row.bottom() - 3));
    painter.restore();
}

QBrush LetterGold(const QRectF& box) {
    QLinearGradient gold(box.topLeft(), box.bottomLeft());
    gold.setColorAt(0.0, GoldHighlight);
    gold.setColorAt(0.5, GoldLight);
    gold.setColorAt(1.0, GoldMid);
    return gold;
}

// Gold lettering with a dark drop shadow, its ink centred in `box`.
void PaintGoldLettering(QPainter& painter, const QString& text, const QRectF& box, double size,
                        Typeface typeface = Typeface::Serif, bool latin = false) {
    const QPainterPath outline =
        FitCentred(TextOutline(text, LetteringFont(typeface, size, QFont::Bold, latin)), box);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 170));
    painter.drawPath(outline.translated(0.8, 0.9));
    painter.setBrush(LetterGold(outline.boundingRect()));
    painter.drawPath(outline);
    painter.restore();
}

void PaintCreamLettering(QPainter& painter, const QString& text, const QRectF& box, double size,
                         bool latin = false) {
    const QPainterPath outline =
        FitCentred(TextOutline(text, LetteringFont(Typeface::Sans, size, QFont::Bold, latin)), box);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 170));
    painter.drawPath(outline.translated(0.8, 0.9));
    painter.setBrush(Cream);
    painter.drawPath(outline);
    painter.restore();
}

QPainterPath Digits(const QString& text, const QRectF& box) {
    // Digits keep their natural shape unless they would be too wide, then
    // they are condensed, never squashed in height.
    const QPainterPath glyphs = TextOutline(text, LetteringFont(Typeface::Serif, 48));
    const QRectF ink = glyphs.boundingRect();
    const double width = std::min(box.width(), ink.width() * box.height() / ink.height());
    return StretchTo(glyphs, QRectF(box.center().x() - width / 2, box.top(), width, box.height()));
}

void PaintGoldPath(QPainter& painter, const QPainterPath& outline) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 170));
    painter.drawPath(outline.translated(0.8, 0.9));
    painter.setBrush(LetterGold(outline.boundingRect()));
    painter.drawPath(outline);
    painter.restore();
}

// ---- the remaining-cards panel ----------------------------------------------

void PaintTile(QPainter& painter, const QRectF& tile) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 20, 60, 110));
    painter.drawRoundedRect(tile.translated(1, 1.5), 5, 5);
    QLinearGradient paper(tile.topLeft(), tile.bottomLeft());
    paper.setColorAt(0, PaperLight);
    paper.setColorAt(1, PaperShade);
    painter.setBrush(paper);
    painter.setPen(QPen(GoldDark, 1));
    painter.drawRoundedRect(tile, 5, 5);
    painter.restore();
}

void PaintTileLetter(QPainter& painter, const QRectF& tile, const QString& letter, const QColor& colour) {
    const QPainterPath outline =
        FitCentred(TextOutline(letter, LetteringFont(Typeface::Serif, 26)), tile.adjusted(4, 4, -4, -4));
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPath(outline);
    painter.restore();
}

// A tiny face card: gold frame and red field with the character 絵 (picture),
// or the language's letter for it.
void PaintMiniFaceCard(QPainter& painter, QPointF centre, const QString& mark, bool latin) {
    const QRectF card(centre.x() - 11, centre.y() - 15.5, 22, 31);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(GoldDark, 0.8));
    painter.setBrush(GoldBrush(card));
    painter.drawRoundedRect(card, 2.5, 2.5);
    QLinearGradient lacquer(card.topLeft(), card.bottomLeft());
    lacquer.setColorAt(0, VermilionLight);
    lacquer.setColorAt(1, VermilionDeep);
    painter.setPen(Qt::NoPen);
    painter.setBrush(lacquer);
    painter.drawRect(card.adjusted(2.5, 2.5, -2.5, -2.5));
    painter.restore();
    PaintGoldLettering(painter, mark, card.adjusted(3, 4, -3, -4), 17, Typeface::Serif, latin);
}

// A tiny joker: plum card with the oni's red face and horns.
void PaintMiniJoker(QPainter& painter, QPointF centre) {
    const QRectF card(centre.x() - 11, centre.y() - 15.5, 22, 31);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(GoldDark, 0.8));
    painter.setBrush(GoldBrush(card));
    painter.drawRoundedRect(card, 2.5, 2.5);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Plum);
    painter.drawRect(card.adjusted(2, 2, -2, -2));
    const QPointF face = centre + QPointF(0, 2);
    for (int side = -1; side <= 1; side += 2) {
        QPolygonF horn;
        horn << face + QPointF(side * 3, -6) << face + QPointF(side * 9, -13) << face + QPointF(side * 7, -4);
        painter.setBrush(QColor(250, 236, 200));
        painter.drawPolygon(horn);
    }
    QRadialGradient skin(face - QPointF(2, 2), 9);
    skin.setColorAt(0, QColor(246, 96, 64));
    skin.setColorAt(1, QColor(170, 24, 26));
    painter.setBrush(skin);
    painter.drawEllipse(face, 7, 8);
    painter.setBrush(QColor(255, 214, 70));
    painter.drawEllipse(face + QPointF(-3, -1.5), 1.6, 1.1);
    painter.drawEllipse(face + QPointF(3, -1.5), 1.6, 1.1);
    painter.setBrush(QColor(250, 246, 230));
    painter.drawRect(QRectF(face.x() - 3.5, face.y() + 3, 7, 2));
    painter.restore();
}

// ---- toolbar icons ------------------------------------------------------------

void PaintFlagIcon(QPainter& painter, const QRectF& box) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const double poleX = box.center().x() - 7;
    painter.setPen(QPen(GoldLight, 1.6, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(poleX, box.top() + 1), QPointF(poleX, box.bottom()));
    painter.setPen(Qt::NoPen);
    painter.setBrush(GoldHighlight);
    painter.drawEllipse(QPointF(poleX, box.top() + 1), 1.6, 1.6);
    QPainterPath flag;
    flag.moveTo(poleX + 1, box.top() + 2);
    flag.cubicTo(poleX + 6, box.top() + 0, poleX + 10, box.top() + 5, poleX + 16, box.top() + 3);
    flag.lineTo(poleX + 13, box.top() + 7.5);
    flag.lineTo(poleX + 16, box.top() + 12);
    flag.cubicTo(poleX + 10, box.top() + 14, poleX + 6, box.top() + 9, poleX + 1, box.top() + 11);
    flag.closeSubpath();
    QLinearGradient cloth(QPointF(poleX, box.top()), QPointF(poleX + 16, box.top() + 12));
    cloth.setColorAt(0, QColor(236, 70, 56));
    cloth.setColorAt(1, QColor(168, 20, 28));
    painter.setBrush(cloth);
    painter.setPen(QPen(QColor(250, 230, 200), 0.8));
    painter.drawPath(flag);
    painter.restore();
}

void PaintMonitorIcon(QPainter& painter, const QRectF& box) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF screen(box.center().x() - 9, box.top() + 1, 18, 12.5);
    painter.setPen(QPen(Cream, 1.4));
    QLinearGradient glass(screen.topLeft(), screen.bottomRight());
    glass.setColorAt(0, QColor(120, 190, 240));
    glass.setColorAt(1, QColor(30, 80, 150));
    painter.setBrush(glass);
    painter.drawRoundedRect(screen, 1.5, 1.5);
    painter.setPen(QPen(QColor(255, 255, 255, 150), 1));
    painter.drawLine(screen.topLeft() + QPointF(3, 3), screen.topLeft() + QPointF(7, 3));
    painter.setPen(QPen(Cream, 1.6, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(box.center().x(), screen.bottom() + 1),
                     QPointF(box.center().x(), box.bottom() - 1));
    painter.drawLine(QPointF(box.center().x() - 5, box.bottom() - 0.5),
                     QPointF(box.center().x() + 5, box.bottom() - 0.5));
    painter.restore();
}

void PaintQuestionIcon(QPainter& painter, const QRectF& box) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(box.center().x(), box.center().y());
    const double radius = std::min(box.width(), box.height()) / 2 - 0.5;
    painter.setPen(QPen(GoldLight, 1.4));
    painter.setBrush(QColor(20, 60, 140));
    painter.drawEllipse(centre, radius, radius);
    painter.restore();
    const QPainterPath mark =
        FitCentred(TextOutline(QStringLiteral("?"), LetteringFont(Typeface::Serif, 30)),
                   QRectF(centre.x() - radius + 3, centre.y() - radius + 3, 2 * radius - 6, 2 * radius - 6));
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Cream);
    painter.drawPath(mark);
    painter.restore();
}

void PaintArrowIcon(QPainter& painter, const QRectF& box, bool up) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(box.center());
    if (!up) painter.rotate(180);
    QPainterPath arrow;
    const double h = box.height() / 2;
    arrow.moveTo(0, -h);
    arrow.lineTo(7.5, -h + 8);
    arrow.lineTo(2.8, -h + 8);
    arrow.lineTo(2.8, h);
    arrow.lineTo(-2.8, h);
    arrow.lineTo(-2.8, -h + 8);
    arrow.lineTo(-7.5, -h + 8);
    arrow.closeSubpath();
    painter.setPen(QPen(GoldDark, 0.8));
    painter.setBrush(GoldBrush(QRectF(-8, -h, 16, 2 * h)));
    painter.drawPath(arrow);
    painter.restore();
}

void PaintToolButton(QPainter& painter, const QRectF& button, const QString& label,
                     const std::function<void(QPainter&, const QRectF&)>& icon) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF face = button.adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient bevel(face.topLeft(), face.bottomLeft());
    bevel.setColorAt(0, QColor(82, 88, 140));
    bevel.setColorAt(0.5, QColor(36, 40, 80));
    bevel.setColorAt(1, QColor(16, 16, 38));
    painter.setPen(QPen(QColor(8, 6, 16), 1));
    painter.setBrush(bevel);
    painter.drawRoundedRect(face, 3, 3);
    painter.setPen(QPen(GoldMid, 0.9));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(face.adjusted(1.5, 1.5, -1.5, -1.5), 2, 2);
    painter.restore();
    icon(painter, QRectF(button.left() + 3, button.top() + 4, button.width() - 6, 16));
    PaintCreamLettering(painter, label,
                        QRectF(button.left() + 2, button.bottom() - 11, button.width() - 4, 8), 10);
}

// ---- seven-segment digits ------------------------------------------------------

QPolygonF Segment(QPointF from, QPointF to, double thickness) {
    const double half = thickness / 2;
    QPolygonF polygon;
    if (from.y() == to.y()) {
        polygon << from << QPointF(from.x() + half, from.y() - half) << QPointF(to.x() - half, to.y() - half)
                << to << QPointF(to.x() - half, to.y() + half) << QPointF(from.x() + half, from.y() + half);
    } else {
        polygon << from << QPointF(from.x() + half, from.y() + half) << QPointF(to.x() + half, to.y() - half)
                << to << QPointF(to.x() - half, to.y() - half) << QPointF(from.x() - half, from.y() + half);
    }
    return polygon;
}

void PaintSegmentGlyph(QPainter& painter, double left, int glyph) {
    // Segment order a b c d e f g; one bit per segment.
    static constexpr std::array<int, 11> Lit{0b0111111, 0b0000110, 0b1011011, 0b1001111, 0b1100110, 0b1101101,
                                             0b1111101, 0b0000111, 0b1111111, 0b1101111, 0b1000000};
    constexpr double Thickness = 2.8;
    constexpr double Gap = 0.9;
    const double x0 = left + 3, x1 = left + 13;
    const double y0 = 3, y1 = 13.5, y2 = 24;
    const std::array<QPolygonF, 7> segments{
        Segment(QPointF(x0 + Gap, y0), QPointF(x1 - Gap, y0), Thickness),
        Segment(QPointF(x1, y0 + Gap), QPointF(x1, y1 - Gap), Thickness),
        Segment(QPointF(x1, y1 + Gap), QPointF(x1, y2 - Gap), Thickness),
        Segment(QPointF(x0 + Gap, y2), QPointF(x1 - Gap, y2), Thickness),
        Segment(QPointF(x0, y1 + Gap), QPointF(x0, y2 - Gap), Thickness),
        Segment(QPointF(x0, y0 + Gap), QPointF(x0, y1 - Gap), Thickness),
        Segment(QPointF(x0 + Gap, y1), QPointF(x1 - Gap, y1), Thickness),
    };
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    for (int segment = 0; segment < 7; ++segment) {
        if ((Lit[glyph] & (1 << segment)) == 0) continue;
        painter.setBrush(QColor(96, 250, 132));
        painter.drawPolygon(segments[segment]);
    }
    painter.restore();
}

}  // namespace

QImage PaintRemainingPanel(ArtLanguage language) {
    const LetteringTable& lettering = LetteringFor(language);
    QImage figure = TransparentLayer(QSize(175, 138));
    QPainter painter(&figure);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(GoldLight, 1.6));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(0.8, 0.8, 173.4, 136.4), 7, 7);

    constexpr std::array<double, 4> Columns{23, 66, 109, 152};
    const auto tileAt = [](double centreX, double top) { return QRectF(centreX - 15, top, 30, 32); };
    PaintTile(painter, tileAt(Columns[0], 4));
    PaintTileLetter(painter, tileAt(Columns[0], 4), lettering.relatedTile, QColor(200, 24, 32));
    PaintTile(painter, tileAt(Columns[1], 4));
    PaintTileLetter(painter, tileAt(Columns[1], 4), lettering.unrelatedTile, QColor(20, 140, 60));
    PaintTile(painter, tileAt(Columns[2], 4));
    PaintMiniFaceCard(painter, tileAt(Columns[2], 4).center(), lettering.faceCardTile,
                      !lettering.writtenDownwards);
    PaintTile(painter, tileAt(Columns[3], 4));
    PaintMiniJoker(painter, tileAt(Columns[3], 4).center());
    for (int suit = 0; suit < 4; ++suit) {
        const QRectF tile = tileAt(Columns[suit], 70);
        PaintTile(painter, tile);
        PaintSuit(painter, static_cast<Suit>(suit), tile.center(), 21);
    }
    painter.end();
    return ComposeOnKey(figure, PanelBlue);
}

namespace {

// A caption plate of the game and battle counters: 第 before the number's
// place and the counter's word after it, in gold on indigo (in English the
// word before it). The number's place is written into the picture, where
// the program reads it.
QImage PaintCounterCaption(const CaptionLettering& words, bool latin) {
    QImage caption(115, PlateHeight, QImage::Format_RGB32);
    QPainter painter(&caption);
    const QRectF row(0, 0, 115, PlateHeight);
    PaintPlateRow(painter, row, PlateTone::Indigo);
    PaintPlateEnds(painter, row);
    PaintGoldLettering(painter, words.before, words.beforeBox, words.beforeSize, Typeface::Serif, latin);
    if (!words.after.isEmpty())
        PaintGoldLettering(painter, words.after, words.afterBox, words.afterSize, Typeface::Serif, latin);
    painter.end();
    if (latin) caption.setText(QStringLiteral("NumberGap"), QString::number(words.numberGap));
    return caption;
}

}  // namespace

QImage PaintGameCaption(ArtLanguage language) {
    const LetteringTable& lettering = LetteringFor(language);
    return PaintCounterCaption(lettering.game, !lettering.writtenDownwards);
}

QImage PaintGameNumbers() {
    QImage numbers(210, PlateHeight, QImage::Format_RGB32);
    QPainter painter(&numbers);
    PaintPlateRow(painter, QRectF(0, 0, 210, PlateHeight), PlateTone::Indigo);
    for (int number = 1; number <= 10; ++number) {
        const double left = 21 * (number - 1);
        PaintGoldPath(painter, Digits(QString::number(number), QRectF(left + 2, 6, 17, 14.5)));
    }
    return numbers;
}

QImage PaintBattleCaption(ArtLanguage language) {
    const LetteringTable& lettering = LetteringFor(language);
    return PaintCounterCaption(lettering.battle, !lettering.writtenDownwards);
}

QImage PaintBattleNumbers(ArtLanguage language) {
    QImage numbers(69, PlateHeight, QImage::Format_RGB32);
    QPainter painter(&numbers);
    PaintPlateRow(painter, QRectF(0, 0, 69, PlateHeight), PlateTone::Indigo);
    if (!LetteringFor(language).battleNumbersAsStrokes) {
        for (int number = 1; number <= 3; ++number) {
            const double left = 23 * (number - 1);
            PaintGoldPath(painter, Digits(QString::number(number), QRectF(left + 3, 6, 17, 14.5)));
        }
        return numbers;
    }
    // One, two and three strokes, as the numerals 一, 二, 三 are written: each
    // stroke rises a little and swells at its end like a brush stroke.
    struct Stroke {
        double y;
        double halfWidth;
    };
    const std::array<std::vector<Stroke>, 3> strokes{{
        {{13, 8.5}},
        {{9.5, 6}, {17, 8.5}},
        {{7, 7}, {13, 5.5}, {19, 8.5}},
    }};
    for (int number = 0; number < 3; ++number) {
        const double centre = 23 * number + 11.5;
        QPainterPath path;
        for (const Stroke& stroke : strokes[number]) {
            const double left = centre - stroke.halfWidth, right = centre + stroke.halfWidth;
            QPainterPath bar;
            bar.moveTo(left, stroke.y);
            bar.quadTo(left + 1, stroke.y - 1.3, left + 3, stroke.y - 1.2);
            bar.lineTo(right - 2.5, stroke.y - 1.6);
            bar.quadTo(right + 0.5, stroke.y - 1.8, right + 0.5, stroke.y + 0.3);
            bar.quadTo(right, stroke.y + 1.6, right - 2.5, stroke.y + 1.2);
            bar.lineTo(left + 3, stroke.y + 1.2);
            bar.quadTo(left, stroke.y + 1.4, left, stroke.y);
            bar.closeSubpath();
            path.addPath(bar);
        }
        PaintGoldPath(painter, path);
    }
    return numbers;
}

QImage PaintStatusBanners(ArtLanguage language) {
    const LetteringTable& lettering = LetteringFor(language);
    const std::array<QString, 10>& Texts = lettering.banners;
    const bool latin = !lettering.writtenDownwards;
    QImage banners(163, PlateHeight * 10, QImage::Format_RGB32);
    QPainter painter(&banners);
    for (int row = 0; row < 10; ++row) {
        const bool declared = row == 1 || row == 2 || row >= 6;
        const PlateTone tone = declared ? PlateTone::Vermilion : PlateTone::Indigo;
        // The total's caption is shown cut to the width of the game captions.
        const double width = row == 0 ? 115 : 163;
        const QRectF plate(0, PlateHeight * row, width, PlateHeight);
        if (row == 0) painter.fillRect(QRectF(0, 0, 163, PlateHeight), QColor(12, 12, 30));
        PaintPlateRow(painter, plate, tone);
        PaintPlateEnds(painter, plate);
        const QRectF textBox = plate.adjusted(7, 4.5, -7, -4.5);
        if (row == 0) {
            PaintGoldLettering(painter, Texts[row], textBox, 17, Typeface::Serif, latin);
        } else {
            PaintCreamLettering(painter, Texts[row], textBox, 15, latin);
        }
    }
    return banners;
}

QImage PaintToolbar() {
    QImage toolbar(163, 32, QImage::Format_RGB32);
    toolbar.fill(QColor(12, 12, 30));
    QPainter painter(&toolbar);
    PaintToolButton(painter, QRectF(0, 0, 45, 32), QStringLiteral("F1"), PaintFlagIcon);
    PaintToolButton(painter, QRectF(45, 0, 32, 32), QStringLiteral("F2"), PaintMonitorIcon);
    PaintToolButton(painter, QRectF(77, 0, 32, 32), QStringLiteral("F3"), PaintQuestionIcon);
    PaintToolButton(painter, QRectF(109, 0, 27, 32), QStringLiteral("F4"),
                    [](QPainter& iconPainter, const QRectF& box) { PaintArrowIcon(iconPainter, box, true); });
    PaintToolButton(
        painter, QRectF(136, 0, 27, 32), QStringLiteral("F5"),
        [](QPainter& iconPainter, const QRectF& box) { PaintArrowIcon(iconPainter, box, false); });
    return toolbar;
}

QImage PaintSegmentDigits() {
    QImage figure = TransparentLayer(QSize(176, 27));
    QPainter painter(&figure);
    for (int glyph = 0; glyph <= 10; ++glyph) PaintSegmentGlyph(painter, 16.0 * glyph, glyph);
    painter.end();
    // Cut out: the digits also stand on the score board's green.
    return CutOutOnKey(figure, PanelBlue);
}

}  // namespace tesseran::art
