// SPDX-License-Identifier: MIT
// The peek window (カンニング): a second process of the program, started with
// "/W", that shows one computer player's hand. It talks to the game only
// through the peek channel: twice a second it reads which hand to show and
// whose it is, and it closes itself when the game says so.
//
// The window reports every title and size it takes in the logging category
// "tesseran.peek" (debug level, off unless enabled by QT_LOGGING_RULES), so
// the process can be watched from outside where no window system shows it.
#pragma once

#include "app/PeekChannel.h"
#include "render/CardSheet.h"

#include <QImage>
#include <QTimer>
#include <QWidget>

#include <string>
#include <vector>

namespace tesseran {

class PeekWindow : public QWidget {
    Q_OBJECT

public:
    static constexpr int PollMilliseconds = 500;

    // cards: where the cards' pictures come from; only the shown ones are
    // ever decoded, and only as much of each as shows.
    PeekWindow(SettingsStore& settings, CardSheetCells cards, QWidget* parent = nullptr);
    PeekWindow(SettingsStore& settings, const QImage& sheet, QWidget* parent = nullptr)
        : PeekWindow(settings, CardSheetCells::FromSheet(sheet), parent) {}

    // One poll of the channel (the timer calls it; tests may too).
    void Poll();
    const std::vector<int>& cards() const { return cards_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    PeekChannel channel_;
    CardSheetCells cells_;
    std::vector<QImage> pictures_;  // what shows of each card, left to right
    QTimer timer_;
    std::string lastShown_;
    std::vector<int> cards_;
};

}  // namespace tesseran
