// SPDX-License-Identifier: MIT
// Fonts and lettering for the artwork. Large lettering is turned into vector
// outlines so it can be filled with gradients and placed by its ink, not by
// its font metrics; small lettering is drawn as ordinary text so it keeps the
// font's hinting. Japanese text uses Noto Sans CJK JP or Noto Serif CJK JP and
// falls back to IPAGothic, so the pictures come out the same on every machine
// that has the fonts the build asks for.
#pragma once

#include <QFont>
#include <QPainterPath>
#include <QRectF>
#include <QString>

class QPainter;
class QColor;

namespace tesseran::art {

enum class Typeface { Sans, Serif };

// Japanese lettering in Noto Sans or Serif CJK JP; `latin` gives Noto Sans or
// Serif for a language written in Latin letters.
QFont LetteringFont(Typeface typeface, double pixelSize, QFont::Weight weight = QFont::Bold,
                    bool latin = false);

// The outline of `text` with its baseline at y = 0.
QPainterPath TextOutline(const QString& text, const QFont& font);

// `outline` moved (and shrunk if needed, never enlarged) so that its ink is
// centred in `box` and fits inside it.
QPainterPath FitCentred(const QPainterPath& outline, const QRectF& box);

// `outline` scaled, keeping its proportions, so its ink fills `box` as far as
// it can, and centred there.
QPainterPath FillCentred(const QPainterPath& outline, const QRectF& box);

// `outline` stretched to exactly the ink box `box` (for condensed digits).
QPainterPath StretchTo(const QPainterPath& outline, const QRectF& box);

// Draws `text` as ordinary antialiased text centred in `box`.
void DrawCentredText(QPainter& painter, const QRectF& box, const QString& text, const QFont& font,
                     const QColor& colour);

// `text` on one line turned a quarter clockwise (read from the top down),
// its ink centred on `centreX` and fitted into [top, bottom] and `width`.
QPainterPath TurnedText(const QString& text, const QFont& font, double centreX, double width, double top,
                        double bottom);

// Columns of characters one under the other, each centred on `centreX`, the
// column's ink centred vertically in [top, bottom]: Japanese written downwards.
QPainterPath VerticalText(const QString& text, const QFont& font, double centreX, double top, double bottom);

}  // namespace tesseran::art
