// SPDX-License-Identifier: MIT
// The balloon that explains the part of the table under the mouse: warm paper
// colour, dark blue text, at most 512 pixels wide; it appears after 100 ms,
// hides itself after 5 s, and, once hidden, waits 1 s before it shows the same
// text again.
#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

namespace tesseran {

class HoverTip : public QWidget {
    Q_OBJECT

public:
    static constexpr int InitialDelayMilliseconds = 100;
    static constexpr int AutoHideMilliseconds = 5000;
    static constexpr int ReshowDelayMilliseconds = 1000;
    static constexpr int MaximumWidth = 512;

    explicit HoverTip(QWidget* owner);

    // The text to explain at a global point; an empty text deactivates.
    void Activate(const QString& text, QPoint globalPoint);
    // How long the balloon stays before it hides itself (AutoHideMilliseconds
    // unless set).
    void SetAutoHide(int milliseconds) { autoHide_ = milliseconds; }
    void Deactivate();
    const QString& text() const { return text_; }
    bool showing() const { return isVisible(); }
    // A balloon is about to appear.
    bool pending() const { return showTimer_.isActive(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void ShowNow();
    QSize Layout();

    QWidget* owner_;
    QString text_;
    QPoint anchor_;
    QTimer showTimer_;
    QTimer hideTimer_;
    QElapsedTimer sinceHidden_;
    QString hiddenText_;
    QRect textRect_;
    int autoHide_ = AutoHideMilliseconds;
};

}  // namespace tesseran
