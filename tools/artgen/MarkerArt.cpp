// SPDX-License-Identifier: MIT
#include "MarkerArt.h"

#include "KeyedCanvas.h"
#include "Lettering.h"
#include "LetteringTable.h"
#include "Palette.h"
#include "Patterns.h"
#include "SuitShapes.h"
#include "base/StringTable.h"
#include "resources/ResourceCatalogue.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <QStringList>

#include <array>

namespace tesseran::art {

namespace {

void FillOutline(QPainter& painter, const QPainterPath& outline, const QBrush& brush) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(brush);
    painter.drawPath(outline);
    painter.restore();
}

// Lettering with a thin dark rim, so it reads on any of the plates.
void PaintRimmedLettering(QPainter& painter, const QPainterPath& outline, const QColor& fill,
                          const QColor& rim) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(rim, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(outline);
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawPath(outline);
    painter.restore();
}

QLinearGradient Lacquer(const QRectF& box, const QColor& light, const QColor& mid, const QColor& deep) {
    QLinearGradient gradient(box.topLeft(), box.bottomLeft());
    gradient.setColorAt(0, light);
    gradient.setColorAt(0.5, mid);
    gradient.setColorAt(1, deep);
    return gradient;
}

// A badge with a pointer at its foot, for the lead and partner markers.
// A name on its plate: Japanese on one line; a name in Latin letters, too
// long for one, on two, the family name above the given name.
QPainterPath PlateLettering(const QString& name, const QRectF& plate, bool latin) {
    const QRectF inside = plate.adjusted(5, 5, -5, -5);
    if (!latin) return FitCentred(TextOutline(name, LetteringFont(Typeface::Sans, 14)), inside);
    // Both lines at one size, each centred across, the pair fitted whole.
    const QFont font = LetteringFont(Typeface::Sans, 11, QFont::Bold, true);
    const QStringList parts = name.split(QLatin1Char(' '));
    const double lineStep = QFontMetricsF(font).ascent() * 1.05;
    QPainterPath lines;
    for (int line = 0; line < std::min<int>(2, static_cast<int>(parts.size())); ++line) {
        const QPainterPath text = TextOutline(parts[line], font);
        lines.addPath(
            text.translated(-text.boundingRect().width() / 2 - text.boundingRect().left(), lineStep * line));
    }
    return FitCentred(lines, inside);
}

QImage PaintMarkerBadge(const QString& text, const QColor& light, const QColor& mid, const QColor& deep,
                        bool latin) {
    QImage figure = TransparentLayer(QSize(64, 34));
    QPainter painter(&figure);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF body(1.5, 1.5, 61, 25);
    QPainterPath badge;
    badge.addRoundedRect(body, 7, 7);
    QPainterPath pointer;
    pointer.moveTo(26, body.bottom() - 1);
    pointer.lineTo(32, 32.5);
    pointer.lineTo(38, body.bottom() - 1);
    pointer.closeSubpath();
    badge = badge.united(pointer);
    painter.setPen(QPen(QColor(20, 10, 10), 1.2));
    painter.setBrush(Lacquer(body, light, mid, deep));
    painter.drawPath(badge);
    painter.setPen(QPen(GoldLight, 1.1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(body.adjusted(2.5, 2.5, -2.5, -2.5), 5, 5);
    PaintSparkle(painter, QPointF(10.5, body.center().y()), 4, GoldLight);
    PaintSparkle(painter, QPointF(53.5, body.center().y()), 4, GoldLight);
    // A word in Latin letters takes the room between the sparkles.
    const QPainterPath lettering =
        FitCentred(TextOutline(text, LetteringFont(Typeface::Serif, latin ? 15 : 17, QFont::Bold, latin)),
                   latin ? QRectF(15, 6, 34, 16) : QRectF(16, 5, 32, 18));
    PaintRimmedLettering(painter, lettering, GoldHighlight, QColor(30, 10, 10));
    painter.end();
    return CutOutOnKey(figure, TablePurple);
}

void PaintThumbsUp(QPainter& painter) {
    const QColor skinEdge(110, 60, 34);
    QLinearGradient skin(QPointF(6, 4), QPointF(30, 30));
    skin.setColorAt(0, QColor(255, 226, 188));
    skin.setColorAt(1, QColor(228, 164, 112));
    // Sleeve, lacquer red with a gold cuff.
    painter.setPen(QPen(QColor(30, 8, 10), 1));
    painter.setBrush(Lacquer(QRectF(1, 15, 8, 17), VermilionLight, Vermilion, VermilionDeep));
    painter.drawRoundedRect(QRectF(1.5, 15.5, 7.5, 16), 1.5, 1.5);
    painter.setBrush(GoldBrush(QRectF(8, 15, 3, 17)));
    painter.drawRect(QRectF(8.5, 15.5, 2.5, 16));
    // Thumb, pointing up.
    QPainterPath thumb;
    thumb.moveTo(12, 17);
    thumb.lineTo(12.5, 7);
    thumb.cubicTo(12.6, 2.6, 19.4, 2.6, 19, 7.5);
    thumb.lineTo(18.6, 15.5);
    thumb.closeSubpath();
    painter.setPen(QPen(skinEdge, 1));
    painter.setBrush(skin);
    painter.drawPath(thumb);
    // Palm and the four curled fingers.
    painter.drawRoundedRect(QRectF(11, 14.5, 13, 17), 3.5, 3.5);
    for (int finger = 0; finger < 4; ++finger) {
        painter.drawRoundedRect(QRectF(19.5, 14.5 + finger * 4.2, 11.5 - finger * 0.8, 4.6), 2.3, 2.3);
    }
    painter.setPen(QPen(QColor(255, 240, 220, 180), 1));
    painter.drawLine(QPointF(14.2, 8), QPointF(14.2, 13));
}

}  // namespace

QImage PaintSelectionMarker() {
    QImage figure = TransparentLayer(QSize(20, 18));
    QPainter painter(&figure);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath triangle;
    triangle.moveTo(2.5, 2.5);
    triangle.lineTo(17.5, 2.5);
    triangle.lineTo(10, 16);
    triangle.closeSubpath();
    QLinearGradient fill(QPointF(10, 2), QPointF(10, 16));
    fill.setColorAt(0, QColor(255, 200, 60));
    fill.setColorAt(1, QColor(220, 40, 24));
    painter.setPen(QPen(QColor(60, 10, 4), 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(fill);
    painter.drawPath(triangle);
    painter.setPen(QPen(QColor(255, 244, 200), 0.9));
    painter.drawLine(QPointF(5, 4.3), QPointF(15, 4.3));
    painter.end();
    return CutOutOnKey(figure, PlainWhite);
}

QImage PaintSuitIcon(int suit) {
    // A lacquer tile in the style of the counters beside it, with the suit as
    // a crest on an ivory disc. The tile fills the picture to its edges, all
    // but the four corner pixels, because the trump icon is shown without
    // transparency and the key green must not show around it.
    QImage figure = TransparentLayer(QSize(47, 53));
    QPainter painter(&figure);
    const QRectF whole(0, 0, 47, 53);
    painter.fillRect(whole, QColor(10, 8, 20));
    painter.fillRect(whole.adjusted(1, 1, -1, -1), GoldBrush(whole));
    QRadialGradient lacquer(QPointF(20, 20), 40);
    lacquer.setColorAt(0, IndigoLight);
    lacquer.setColorAt(0.6, Indigo);
    lacquer.setColorAt(1, IndigoDeep);
    painter.fillRect(whole.adjusted(3, 3, -3, -3), lacquer);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(23.5, 26.5);
    painter.setPen(QPen(GoldLight, 1.6));
    QRadialGradient ivory(centre - QPointF(6, 6), 26);
    ivory.setColorAt(0, PaperLight);
    ivory.setColorAt(1, PaperShade);
    painter.setBrush(ivory);
    painter.drawEllipse(centre, 19, 19);
    PaintSuit(painter, static_cast<Suit>(suit), centre, 26);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    for (const QPoint corner : {QPoint(0, 0), QPoint(46, 0), QPoint(0, 52), QPoint(46, 52)}) {
        painter.fillRect(QRect(corner, QSize(1, 1)), Qt::transparent);
    }
    painter.end();
    return ComposeOnKey(figure, IconGreen);
}

QImage PaintTurnMarker() {
    QImage figure = TransparentLayer(QSize(34, 34));
    QPainter painter(&figure);
    painter.setRenderHint(QPainter::Antialiasing);
    PaintThumbsUp(painter);
    painter.end();
    return CutOutOnKey(figure, TablePurple);
}

QImage PaintNamePlates(ArtLanguage language) {
    const LetteringTable& table = LetteringFor(language);
    struct Tone {
        QColor light;
        QColor mid;
        QColor deep;
    };
    // Related, unrelated, not yet known.
    const std::array<Tone, 3> tones{{{VermilionLight, Vermilion, VermilionDeep},
                                     {IndigoLight, Indigo, IndigoDeep},
                                     {QColor(140, 126, 108), QColor(96, 84, 72), QColor(54, 46, 40)}}};
    QImage figure = TransparentLayer(QSize(198, 340));
    QPainter painter(&figure);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int entry = 0; entry < 10; ++entry) {
        const QString& name = table.names[static_cast<std::size_t>(entry)];
        for (int group = 0; group < 3; ++group) {
            const QRectF plate(66 * group + 1.5, 34 * entry + 2.5, 63, 29);
            painter.setPen(QPen(QColor(16, 10, 10), 1));
            painter.setBrush(Lacquer(plate, tones[group].light, tones[group].mid, tones[group].deep));
            painter.drawRoundedRect(plate, 5, 5);
            painter.setPen(QPen(GoldLight, 0.9));
            painter.setBrush(Qt::NoBrush);
            painter.drawRoundedRect(plate.adjusted(2, 2, -2, -2), 3.5, 3.5);
            PaintRimmedLettering(painter, PlateLettering(name, plate, !table.writtenDownwards), Cream,
                                 QColor(20, 8, 8));
        }
    }
    painter.end();
    return CutOutOnKey(figure, PlainWhite);
}

QImage PaintPartnerMarker(ArtLanguage language) {
    const LetteringTable& table = LetteringFor(language);
    return PaintMarkerBadge(table.partnerMarker, IndigoLight, Indigo, IndigoDeep, !table.writtenDownwards);
}

QImage PaintLeadMarker(ArtLanguage language) {
    const LetteringTable& table = LetteringFor(language);
    return PaintMarkerBadge(table.leadMarker, VermilionLight, Vermilion, VermilionDeep,
                            !table.writtenDownwards);
}

QImage PaintTrumpBalloon(ArtLanguage language) {
    const LetteringTable& table = LetteringFor(language);
    // An ivory plaque framed in gold, with a red seal ヤク (yaku: the trump)
    // on its left and room for the suit icon at (29, 1), 32 x 36.
    QImage figure = TransparentLayer(QSize(74, 38));
    QPainter painter(&figure);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF body(0.8, 0.8, 72.4, 36.4);
    painter.setPen(QPen(GoldDark, 1.2));
    painter.setBrush(GoldBrush(body));
    painter.drawRoundedRect(body, 8, 8);
    QLinearGradient paper(body.topLeft(), body.bottomLeft());
    paper.setColorAt(0, PaperLight);
    paper.setColorAt(1, PaperShade);
    painter.setPen(Qt::NoPen);
    painter.setBrush(paper);
    painter.drawRoundedRect(body.adjusted(2.5, 2.5, -2.5, -2.5), 6, 6);
    const QRectF seal(5, 4.5, 20, 29);
    painter.setPen(QPen(QColor(90, 10, 14), 1));
    painter.setBrush(Lacquer(seal, VermilionLight, Vermilion, VermilionDeep));
    painter.drawRoundedRect(seal, 3, 3);
    const QPainterPath caption =
        table.writtenDownwards
            ? VerticalText(table.trumpBalloon, LetteringFont(Typeface::Serif, 13), seal.center().x(),
                           seal.top() + 2, seal.bottom() - 2)
            : TurnedText(table.trumpBalloon, LetteringFont(Typeface::Sans, 13, QFont::Bold, true),
                         seal.center().x(), seal.width() - 6, seal.top() + 2, seal.bottom() - 2);
    FillOutline(painter, caption, QBrush(Cream));
    painter.end();
    return CutOutOnKey(figure, TablePurple);
}

QImage PaintSpeechBalloon(ArtLanguage language) {
    const LetteringTable& table = LetteringFor(language);
    // A speech bubble whose tail points down to the right; the suit icon goes
    // at (5, 0), 34 x 38, and 請求 (requested) is written down its right side.
    QImage figure = TransparentLayer(QSize(74, 38));
    QPainter painter(&figure);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath bubble;
    bubble.addRoundedRect(QRectF(0.8, 0.8, 65, 36.4), 11, 11);
    QPainterPath tail;
    tail.moveTo(58, 22);
    tail.quadTo(66, 30, 72, 35.2);
    tail.quadTo(62, 34, 54, 31);
    tail.closeSubpath();
    bubble = bubble.united(tail).simplified();
    QLinearGradient paper(QPointF(0, 0), QPointF(0, 38));
    paper.setColorAt(0, PaperLight);
    paper.setColorAt(1, PaperShade);
    painter.setPen(QPen(InkSoft, 1.3));
    painter.setBrush(paper);
    painter.drawPath(bubble);
    const QPainterPath caption =
        table.writtenDownwards
            ? VerticalText(table.requestBalloon, LetteringFont(Typeface::Serif, 13), 50, 4, 33)
            : TurnedText(table.requestBalloon, LetteringFont(Typeface::Sans, 13, QFont::Bold, true), 50, 12,
                         4, 33);
    FillOutline(painter, caption, QBrush(QColor(170, 20, 30)));
    painter.end();
    return CutOutOnKey(figure, TablePurple);
}

QImage PaintRightSigns() {
    QImage figure = TransparentLayer(QSize(80, 37));
    QPainter painter(&figure);
    painter.setRenderHint(QPainter::Antialiasing);

    // Safe zone: a white V on a dark blue square.
    const QRectF square(3.5, 2, 33, 33);
    painter.setPen(QPen(QColor(8, 14, 40), 1.2));
    painter.setBrush(Lacquer(square, QColor(50, 80, 170), QColor(22, 44, 120), QColor(10, 20, 70)));
    painter.drawRoundedRect(square, 4, 4);
    painter.setPen(QPen(QColor(230, 236, 255), 0.8));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(square.adjusted(2, 2, -2, -2), 2.5, 2.5);
    QPainterPath vee;
    vee.moveTo(10, 9.5);
    vee.lineTo(20, 28.5);
    vee.lineTo(30, 9.5);
    painter.setPen(QPen(QColor(255, 255, 255), 4.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(vee);

    // Danger elsewhere: a black "!" on a yellow diamond.
    QPainterPath diamond;
    diamond.moveTo(60, 1);
    diamond.lineTo(78, 18.5);
    diamond.lineTo(60, 36);
    diamond.lineTo(42, 18.5);
    diamond.closeSubpath();
    QLinearGradient yellow(QPointF(60, 1), QPointF(60, 36));
    yellow.setColorAt(0, QColor(255, 236, 90));
    yellow.setColorAt(1, QColor(245, 190, 20));
    painter.setPen(QPen(QColor(30, 24, 0), 1.3, Qt::SolidLine, Qt::SquareCap, Qt::RoundJoin));
    painter.setBrush(yellow);
    painter.drawPath(diamond);
    painter.setPen(Qt::NoPen);
    painter.setBrush(InkBlack);
    QPainterPath bar;
    bar.moveTo(57.6, 8.5);
    bar.lineTo(62.4, 8.5);
    bar.lineTo(61.3, 22);
    bar.lineTo(58.7, 22);
    bar.closeSubpath();
    painter.drawPath(bar);
    painter.drawEllipse(QPointF(60, 27), 2.5, 2.5);
    painter.end();
    return CutOutOnKey(figure, SignRed);
}

}  // namespace tesseran::art
