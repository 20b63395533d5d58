// SPDX-License-Identifier: MIT
// The battle review (振り返り): the battle that just ended, replayed trick by
// trick. Its first page tells how the battle was set up (the lucky hand, the
// show cards, the trump, each with the reason of the computer that decided
// it); then one page a trick, with the four cards in play order, who led and
// who won, the face cards taken, the requested suit and the trump, and for
// every computer play the reason in one plain sentence; the last page gives
// the face cards each group took and the result.
//
// It tells only what the table had shown by the battle's end: a group the
// table never showed stays unknown, and a reason that would tell it is held
// back.
#pragma once

#include "players/BattleLog.h"

#include <QDialog>
#include <QImage>

class QLabel;
class QPushButton;

namespace tesseran {

class TrickPicture;

class BattleReviewWindow : public QDialog {
    Q_OBJECT

public:
    // sheet: the card sheet the table draws with.
    BattleReviewWindow(BattleReview review, const QImage& sheet, QWidget* parent = nullptr);
    ~BattleReviewWindow() override;

    // The pages: the set-up, one a trick, the result.
    int pageCount() const { return static_cast<int>(review_.tricks.size()) + 2; }
    int page() const { return page_; }
    void ShowPage(int page);
    // The trick the page shows, or null on the first and last page.
    const ReviewTrick* shownTrick() const;
    // What the page says, as plain text.
    QString shownText() const;

    // The sentence for a computer's reason, with its values in place; a
    // reason that would tell the groups while the table had not shown them
    // is held back.
    static QString ReasonText(const computer::Why& why, bool groupsShown);
    // Where a seat sits, as the player sees the table ("右", "あなた").
    static QString SeatPlace(int seat);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QString SeatLabel(int seat) const;
    QString SetUpText() const;
    QString TrickText(const ReviewTrick& trick, int number) const;
    QString ResultText() const;

    BattleReview review_;
    int page_ = 0;
    QLabel* heading_ = nullptr;
    QLabel* body_ = nullptr;
    TrickPicture* picture_ = nullptr;
    QPushButton* first_ = nullptr;
    QPushButton* back_ = nullptr;
    QPushButton* forward_ = nullptr;
    QPushButton* last_ = nullptr;
};

}  // namespace tesseran
