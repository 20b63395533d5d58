// SPDX-License-Identifier: MIT
// The banner's lettering is built up in layers from the outside in: a hard
// shadow and a hard dark outline, then a gold rim and a crimson face shaded
// from top to bottom, with a thin light line along the top of each stroke.
#include "Banner.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QTransform>

#include <algorithm>
#include <vector>

namespace tesseran::mapgen {

namespace {

// The four characters, each centred in its own quarter of the banner and
// all scaled alike so the tallest fits between the outlines' margins.
QPainterPath Lettering() {
    QFont font;
    font.setFamilies({QStringLiteral("Noto Serif CJK JP"), QStringLiteral("Noto Sans CJK JP"),
                      QStringLiteral("IPAGothic")});
    font.setPixelSize(300);
    font.setWeight(QFont::Black);
    const QString characters = QStringLiteral("天下統一");
    std::vector<QPainterPath> glyphs;
    double tallest = 0;
    for (const QChar character : characters) {
        QPainterPath glyph;
        glyph.addText(0, 0, font, QString(character));
        tallest = std::max(tallest, glyph.boundingRect().height());
        glyphs.push_back(glyph);
    }
    // Room inside the dark outline and the shadow below it.
    constexpr double Margin = 26.0;
    const double scale = (BannerHeight - 2 * Margin - 8) / tallest;
    const double cell = (BannerWidth - 2 * Margin) / static_cast<double>(glyphs.size());
    QPainterPath text;
    for (std::size_t i = 0; i < glyphs.size(); ++i) {
        QTransform shrink;
        shrink.scale(scale, scale);
        QPainterPath glyph = shrink.map(glyphs[i]);
        // Each glyph sits on the common baseline and is centred in its cell by its ink.
        const QRectF ink = glyph.boundingRect();
        const double centreX = Margin + cell * (static_cast<double>(i) + 0.5);
        glyph.translate(centreX - ink.center().x(), 0);
        text.addPath(glyph);
    }
    const QRectF ink = text.boundingRect();
    text.translate(0, BannerHeight / 2.0 - 5 - ink.center().y());
    return text;
}

// The English words as one line in a serif face, as large as the margins
// allow and centred by their ink.
QPainterPath EnglishLettering() {
    QFont font;
    font.setFamilies({QStringLiteral("Noto Serif"), QStringLiteral("DejaVu Serif")});
    font.setPixelSize(200);
    font.setWeight(QFont::Black);
    QPainterPath text;
    text.addText(0, 0, font, QStringLiteral("Realm Unified"));
    constexpr double Margin = 40.0;
    const QRectF ink = text.boundingRect();
    const double scale =
        std::min((BannerWidth - 2 * Margin) / ink.width(), (BannerHeight - 2 * Margin - 8) / ink.height());
    QTransform fit;
    fit.scale(scale, scale);
    text = fit.map(text);
    const QRectF fitted = text.boundingRect();
    text.translate(BannerWidth / 2.0 - fitted.center().x(), BannerHeight / 2.0 - 5 - fitted.center().y());
    return text;
}

}  // namespace

QImage DrawBanner(MapLettering lettering) {
    QImage banner(BannerWidth, BannerHeight, QImage::Format_RGB32);
    banner.fill(Qt::white);
    const QPainterPath text = lettering == MapLettering::English ? EnglishLettering() : Lettering();
    QPainter painter(&banner);

    // The hard layers: they meet the white, which must stay exactly white.
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(QColor(70, 40, 20), 26, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(QColor(70, 40, 20));
    painter.drawPath(text.translated(9, 10));
    painter.setPen(QPen(QColor(40, 12, 4), 22, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(QColor(40, 12, 4));
    painter.drawPath(text);

    // The smooth layers lie inside the dark outline, so their soft edges
    // blend with dark colours only.
    painter.setRenderHint(QPainter::Antialiasing, true);
    QLinearGradient gold(0, 30, 0, BannerHeight - 30);
    gold.setColorAt(0.0, QColor(255, 236, 150));
    gold.setColorAt(0.45, QColor(222, 170, 50));
    gold.setColorAt(1.0, QColor(160, 100, 20));
    painter.setPen(QPen(QBrush(gold), 10, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(text);
    QLinearGradient crimson(0, 40, 0, BannerHeight - 40);
    crimson.setColorAt(0.0, QColor(220, 40, 30));
    crimson.setColorAt(0.5, QColor(176, 14, 14));
    crimson.setColorAt(1.0, QColor(110, 0, 8));
    painter.setPen(Qt::NoPen);
    painter.setBrush(crimson);
    painter.drawPath(text);
    // A sheen along the upper half of the face.
    painter.setClipPath(text);
    painter.setPen(QPen(QColor(255, 150, 120, 110), 3));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(text.translated(0, 4));
    painter.end();
    return banner;
}

}  // namespace tesseran::mapgen
