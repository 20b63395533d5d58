// SPDX-License-Identifier: MIT
#include "app/PeekWindow.h"

#include "base/Cards.h"
#include "resources/QtText.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLoggingCategory>
#include <QPainter>
#include <QResizeEvent>
#include <QScreen>

#include <utility>

namespace tesseran {

namespace {

Q_LOGGING_CATEGORY(peekLog, "tesseran.peek", QtWarningMsg)

// The window shows the cards 30 pixels apart, the last one whole.
constexpr int CardStep = 30;
constexpr int ExtraWidth = 123;

}  // namespace

PeekWindow::PeekWindow(SettingsStore& settings, CardSheetCells cards, QWidget* parent)
    : QWidget(parent), channel_(settings), cells_(std::move(cards)) {
    setWindowTitle("Tesseran");
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(ExtraWidth, CardHeight);
    // On this desktop there is no taskbar thumbnail to show a window kept off
    // the screen, so the peek window stands at the top right of the desktop.
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect area = screen->availableGeometry();
        move(area.right() - 480, area.top() + 40);
    }
    connect(&timer_, &QTimer::timeout, this, &PeekWindow::Poll);
    timer_.start(PollMilliseconds);
}

void PeekWindow::Poll() {
    const PeekChannel::Reading reading = channel_.Read();
    if (reading.closed) {
        timer_.stop();
        close();
        return;
    }
    const std::string& hand = reading.hand;
    if (hand != lastShown_ && !hand.empty()) {
        setWindowTitle(ToQString(channel_.Name()));
        cards_ = ParseHandString(hand);
        // Every card but the last shows a 30-pixel strip; the last shows whole.
        pictures_.clear();
        for (size_t i = 0; i < cards_.size(); ++i)
            pictures_.push_back(cells_.Cell(cards_[i], i + 1 == cards_.size() ? CardWidth : CardStep));
        resize(static_cast<int>(cards_.size()) * CardStep + ExtraWidth, CardHeight);
        update();
    } else if (!cards_.empty()) {
        // Someone else may have sat down at the seat with the same cards.
        const QString name = ToQString(channel_.Name());
        if (name != windowTitle()) setWindowTitle(name);
    }
    lastShown_ = hand;
}

void PeekWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    for (size_t i = 0; i < pictures_.size(); ++i) {
        painter.drawImage(QPoint(CardStep * static_cast<int>(i), 0), pictures_[i]);
    }
}

void PeekWindow::closeEvent(QCloseEvent* event) {
    channel_.Close();
    event->accept();
}

void PeekWindow::resizeEvent(QResizeEvent* event) {
    qCDebug(peekLog).noquote() << "size" << event->size().width() << event->size().height();
    QWidget::resizeEvent(event);
}

void PeekWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::WindowTitleChange) qCDebug(peekLog).noquote() << "title" << windowTitle();
    QWidget::changeEvent(event);
}

}  // namespace tesseran
