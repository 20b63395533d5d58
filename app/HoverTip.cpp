// SPDX-License-Identifier: MIT
#include "app/HoverTip.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QRegion>
#include <QScreen>

namespace tesseran {

namespace {

const QColor Background(240, 207, 181);
const QColor TextColour(0, 51, 102);
// The balloon's tail points up at the mouse from below it.
constexpr int TailHeight = 10;
constexpr int Margin = 8;

// The balloon's outline: a rounded body with a small tail at its top left.
QPainterPath BalloonPath(QRectF bounds) {
    QRectF body = bounds.adjusted(0.5, TailHeight + 0.5, -0.5, -0.5);
    QPainterPath path;
    path.addRoundedRect(body, 7, 7);
    QPainterPath tail;
    tail.moveTo(18, TailHeight + 1);
    tail.lineTo(24, 0.5);
    tail.lineTo(34, TailHeight + 1);
    tail.closeSubpath();
    return path.united(tail);
}

}  // namespace

HoverTip::HoverTip(QWidget* owner)
    : QWidget(owner, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus), owner_(owner) {
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    showTimer_.setSingleShot(true);
    hideTimer_.setSingleShot(true);
    connect(&showTimer_, &QTimer::timeout, this, &HoverTip::ShowNow);
    connect(&hideTimer_, &QTimer::timeout, this, [this] {
        hiddenText_ = text_;
        sinceHidden_.start();
        hide();
    });
}

void HoverTip::Activate(const QString& text, QPoint globalPoint) {
    if (text.isEmpty()) {
        Deactivate();
        return;
    }
    anchor_ = globalPoint;
    if (text == text_ && (isVisible() || showTimer_.isActive())) return;
    text_ = text;
    hide();
    hideTimer_.stop();
    int delay = InitialDelayMilliseconds;
    // A balloon that has just hidden itself does not pop up again at once.
    if (text == hiddenText_ && sinceHidden_.isValid() && sinceHidden_.elapsed() < ReshowDelayMilliseconds) {
        delay = ReshowDelayMilliseconds;
    }
    showTimer_.start(delay);
}

void HoverTip::Deactivate() {
    showTimer_.stop();
    hideTimer_.stop();
    text_.clear();
    hide();
}

QSize HoverTip::Layout() {
    QFontMetrics metrics(font());
    QRect bounds = metrics.boundingRect(QRect(0, 0, MaximumWidth - 2 * Margin, 10000),
                                        Qt::TextWordWrap | Qt::AlignLeft, text_);
    textRect_ = QRect(Margin, TailHeight + Margin / 2, bounds.width() + 2, bounds.height());
    return QSize(bounds.width() + 2 * Margin + 2, bounds.height() + Margin + TailHeight);
}

void HoverTip::ShowNow() {
    if (text_.isEmpty()) return;
    QSize size = Layout();
    QPoint topLeft = anchor_ + QPoint(-24, 18);
    if (QScreen* screen = owner_ != nullptr ? owner_->screen() : nullptr) {
        QRect area = screen->availableGeometry();
        topLeft.setX(
            std::clamp(topLeft.x(), area.left(), std::max(area.left(), area.right() - size.width())));
        if (topLeft.y() + size.height() > area.bottom()) topLeft.setY(anchor_.y() - size.height() - 8);
    }
    setGeometry(QRect(topLeft, size));
    // A mask rather than a translucent window: the balloon keeps its shape on
    // desktops without a compositor too.
    setMask(QRegion(
        BalloonPath(QRectF(QPointF(0, 0), QSizeF(size)).adjusted(-1, -1, 1, 1)).toFillPolygon().toPolygon()));
    show();
    raise();
    update();
    hideTimer_.start(autoHide_);
}

void HoverTip::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPainterPath path = BalloonPath(QRectF(rect()));
    painter.setPen(QPen(TextColour.lighter(160), 1));
    painter.setBrush(Background);
    painter.drawPath(path);
    painter.setPen(TextColour);
    painter.drawText(textRect_, Qt::TextWordWrap | Qt::AlignLeft, text_);
}

}  // namespace tesseran
