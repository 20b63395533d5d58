// SPDX-License-Identifier: MIT
#include "Lettering.h"

#include <QColor>
#include <QPainter>
#include <QStringList>
#include <QTransform>

#include <algorithm>

namespace tesseran::art {

QFont LetteringFont(Typeface typeface, double pixelSize, QFont::Weight weight, bool latin) {
    QFont font;
    if (latin) {
        font.setFamilies(
            {typeface == Typeface::Serif ? QStringLiteral("Noto Serif") : QStringLiteral("Noto Sans"),
             QStringLiteral("DejaVu Sans")});
    } else if (typeface == Typeface::Serif) {
        font.setFamilies({QStringLiteral("Noto Serif CJK JP"), QStringLiteral("Noto Sans CJK JP"),
                          QStringLiteral("IPAGothic")});
    } else {
        font.setFamilies({QStringLiteral("Noto Sans CJK JP"), QStringLiteral("IPAGothic")});
    }
    font.setPixelSize(std::max(1, static_cast<int>(pixelSize + 0.5)));
    font.setWeight(weight);
    font.setStyleStrategy(QFont::PreferAntialias);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(true);
    return font;
}

QPainterPath TextOutline(const QString& text, const QFont& font) {
    QPainterPath path;
    path.addText(0, 0, font, text);
    return path;
}

QPainterPath FitCentred(const QPainterPath& outline, const QRectF& box) {
    const QRectF ink = outline.boundingRect();
    if (ink.isEmpty()) return outline;
    const double scale = std::min({1.0, box.width() / ink.width(), box.height() / ink.height()});
    QTransform transform;
    transform.translate(box.center().x(), box.center().y());
    transform.scale(scale, scale);
    transform.translate(-ink.center().x(), -ink.center().y());
    return transform.map(outline);
}

QPainterPath FillCentred(const QPainterPath& outline, const QRectF& box) {
    const QRectF ink = outline.boundingRect();
    if (ink.isEmpty()) return outline;
    const double scale = std::min(box.width() / ink.width(), box.height() / ink.height());
    QTransform transform;
    transform.translate(box.center().x(), box.center().y());
    transform.scale(scale, scale);
    transform.translate(-ink.center().x(), -ink.center().y());
    return transform.map(outline);
}

QPainterPath StretchTo(const QPainterPath& outline, const QRectF& box) {
    const QRectF ink = outline.boundingRect();
    if (ink.isEmpty()) return outline;
    QTransform transform;
    transform.translate(box.left(), box.top());
    transform.scale(box.width() / ink.width(), box.height() / ink.height());
    transform.translate(-ink.left(), -ink.top());
    return transform.map(outline);
}

void DrawCentredText(QPainter& painter, const QRectF& box, const QString& text, const QFont& font,
                     const QColor& colour) {
    painter.save();
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(box, Qt::AlignCenter, text);
    painter.restore();
}

QPainterPath TurnedText(const QString& text, const QFont& font, double centreX, double width, double top,
                        double bottom) {
    QTransform turn;
    turn.rotate(90);
    const QPainterPath turned = turn.map(TextOutline(text, font));
    return FitCentred(turned, QRectF(centreX - width / 2, top, width, bottom - top));
}

QPainterPath VerticalText(const QString& text, const QFont& font, double centreX, double top, double bottom) {
    // Each character sits in a square cell of the font's size, so that the
    // column has the even rhythm of vertical writing whatever the glyph.
    const double cell = font.pixelSize();
    QPainterPath column;
    for (int index = 0; index < text.size(); ++index) {
        const QPainterPath glyph = TextOutline(text.mid(index, 1), font);
        const QRectF slot(centreX - cell / 2, index * cell, cell, cell);
        column.addPath(FitCentred(glyph, slot));
    }
    const QRectF ink = column.boundingRect();
    const double shift = (top + bottom) / 2 - ink.center().y();
    return column.translated(0, shift);
}

}  // namespace tesseran::art
