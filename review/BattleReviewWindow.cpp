// SPDX-License-Identifier: MIT
#include "review/BattleReviewWindow.h"

#include "dialogs/DialogLook.h"
#include "render/CardSheet.h"
#include "render/GameTerms.h"
#include "resources/QtText.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTextDocument>
#include <QVBoxLayout>

#include <algorithm>
#include <array>

namespace tesseran {

// The four cards of a trick where the seats sit at the table (the player at
// the bottom), numbered in play order, the winner's framed.
class TrickPicture : public QWidget {
public:
    static constexpr int CardShownWidth = 91;
    static constexpr int CardShownHeight = 130;

    TrickPicture(const QImage& sheet, QWidget* parent) : QWidget(parent), sheet_(sheet) {
        setFixedSize(CardShownWidth * 3 + 130, CardShownHeight * 2 + 170);
    }

    void Show(const ReviewTrick* trick) {
        trick_ = trick;
        shown_.clear();
        takes_ = {};
        update();
    }
    // The battle's set-up: the show cards at the seat that showed them.
    void ShowCardsAt(int seat, const std::array<int, 2>& cards) {
        Show(nullptr);
        showSeat_ = seat;
        for (int card : cards)
            if (IsCardCode(card)) shown_.push_back(card);
        update();
    }
    // The battle's end: the face cards each group took.
    void ShowTakes(std::vector<int> related, std::vector<int> unrelated) {
        Show(nullptr);
        takes_ = {std::move(related), std::move(unrelated)};
        update();
    }
    // Who sits where, as the cards' captions say it.
    void SetSeats(const std::array<QString, SeatCount>& captions) {
        captions_ = captions;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.fillRect(rect(), QColor(0, 70, 0));
        painter.setPen(QColor(255, 230, 140));
        for (int seat = 0; seat < SeatCount; ++seat) {
            const QRect card = CardRect(seat);
            // Each seat's caption above its card, the player's below.
            const QRect caption = seat == HumanSeat
                                      ? QRect(card.left() - 60, card.bottom() + 6, card.width() + 120, 20)
                                      : QRect(card.left() - 60, card.top() - 34, card.width() + 120, 20);
            painter.drawText(caption, Qt::AlignCenter, captions_[static_cast<std::size_t>(seat)]);
            if (trick_ == nullptr) {
                painter.setPen(QPen(QColor(0, 110, 0), 2, Qt::DashLine));
                painter.drawRoundedRect(card, 6, 6);
                painter.setPen(QColor(255, 230, 140));
            }
        }
        if (!takes_[0].empty() || !takes_[1].empty()) {
            PaintTakes(painter);
            return;
        }
        for (std::size_t i = 0; i < shown_.size(); ++i) {
            const QRect card = CardRect(showSeat_).translated(static_cast<int>(i) * 26 - 13, 0);
            if (!sheet_.isNull()) painter.drawImage(card, sheet_, CardCell(shown_[i]));
        }
        if (trick_ == nullptr) return;
        for (std::size_t order = 0; order < trick_->plays.size(); ++order) {
            const ReviewPlay& play = trick_->plays[order];
            const QRect card = CardRect(play.seat);
            if (!sheet_.isNull() && IsCardCode(play.card)) {
                painter.drawImage(card, sheet_, CardCell(play.card));
            } else {
                painter.fillRect(card, Qt::white);
            }
            if (play.seat == trick_->winner) {
                painter.setPen(QPen(QColor(255, 214, 0), 5));
                painter.setBrush(Qt::NoBrush);
                painter.drawRect(card.adjusted(-3, -3, 3, 3));
            }
            // The play's number in a disc at the card's corner.
            const QRect disc(card.left() - 12, card.top() - 12, 26, 26);
            painter.setPen(Qt::NoPen);
            painter.setBrush(order == 0 ? QColor(200, 40, 40) : QColor(30, 30, 30));
            painter.drawEllipse(disc);
            painter.setPen(Qt::white);
            QFont font = painter.font();
            font.setBold(true);
            painter.setFont(font);
            painter.drawText(disc, Qt::AlignCenter, QString::number(order + 1));
        }
    }

private:
    // Two rows of small cards over the whole cloth, with their group's name.
    void PaintTakes(QPainter& painter) {
        painter.fillRect(rect(), QColor(0, 70, 0));
        const int w = CardShownWidth / 2;
        const int h = CardShownHeight / 2;
        const QString groups[] = {BattleReviewWindow::tr("関係グループ"),
                                  BattleReviewWindow::tr("無関係グループ")};
        for (int group = 0; group < 2; ++group) {
            const int top = 30 + group * (h + 90);
            painter.setPen(QColor(255, 230, 140));
            painter.drawText(QRect(16, top, width() - 32, 20), Qt::AlignLeft,
                             BattleReviewWindow::tr("%1：%2枚").arg(groups[group]).arg(takes_[group].size()));
            for (std::size_t i = 0; i < takes_[group].size(); ++i) {
                // Nine cards fit a row; more overlap.
                const int step = std::min(
                    w + 4, (width() - 32 - w) / std::max<int>(1, static_cast<int>(takes_[group].size()) - 1));
                const QRect card(16 + static_cast<int>(i) * step, top + 26, w, h);
                if (!sheet_.isNull()) painter.drawImage(card, sheet_, CardCell(takes_[group][i]));
            }
        }
    }

    QRect CardRect(int seat) const {
        const QPoint centre = rect().center();
        const int w = CardShownWidth;
        const int h = CardShownHeight;
        switch (seat) {
            case 0:  // right
                return QRect(centre.x() + w / 2 + 22, centre.y() - h / 2, w, h);
            case 1:  // opposite
                return QRect(centre.x() - w / 2, centre.y() - h - 10, w, h);
            case 2:  // left
                return QRect(centre.x() - w / 2 - 22 - w, centre.y() - h / 2, w, h);
            default:  // the player
                return QRect(centre.x() - w / 2, centre.y() + 10, w, h);
        }
    }

    const QImage& sheet_;
    const ReviewTrick* trick_ = nullptr;
    int showSeat_ = -1;
    std::vector<int> shown_;
    std::array<std::vector<int>, 2> takes_{};
    std::array<QString, SeatCount> captions_{};
};

namespace {

QString Escaped(const QString& text) { return text.toHtmlEscaped(); }

// Lines of rich text, each a paragraph of its own; an empty one leaves a gap.
QString Paragraphs(const QStringList& lines) {
    QString html;
    for (const QString& line : lines)
        html += line.startsWith(QStringLiteral("<p"))
                    ? line
                    : QStringLiteral("<p style=\"margin: 0\">%1</p>")
                          .arg(line.isEmpty() ? QStringLiteral("&nbsp;") : line);
    return html;
}

// A reason under its play, set in.
QString ReasonParagraph(const QString& text) {
    return QStringLiteral("<p style=\"margin: 0 0 4px 22px; color: #24476b\">%1</p>")
        .arg(text.toHtmlEscaped());
}

QString FormatReason(const char* sentence, const computer::Why& why) {
    QString text = QCoreApplication::translate("Reason", sentence);
    text.replace(QStringLiteral("%1"), CardName(why.card));
    text.replace(QStringLiteral("%2"), SuitName(why.suit));
    text.replace(QStringLiteral("%3"), QString::number(why.count));
    return text;
}

}  // namespace

BattleReviewWindow::BattleReviewWindow(BattleReview review, const QImage& sheet, QWidget* parent)
    : QDialog(parent), review_(std::move(review)) {
    setWindowTitle(tr("振り返り"));
    ApplyDialogFont(*this);

    heading_ = new QLabel(this);
    QFont headingFont = heading_->font();
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.2);
    headingFont.setBold(true);
    heading_->setFont(headingFont);
    picture_ = new TrickPicture(sheet, this);
    body_ = new QLabel(this);
    body_->setWordWrap(true);
    body_->setTextFormat(Qt::RichText);
    body_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    body_->setMinimumWidth(360);
    QFont bodyFont = body_->font();
    bodyFont.setPointSizeF(bodyFont.pointSizeF() * 1.1);
    body_->setFont(bodyFont);

    first_ = new QPushButton(tr("≪ 最初"), this);
    back_ = new QPushButton(tr("＜ 前へ"), this);
    forward_ = new QPushButton(tr("次へ ＞"), this);
    last_ = new QPushButton(tr("最後 ≫"), this);
    auto* close = new QPushButton(tr("閉じる"), this);
    for (QPushButton* button : {first_, back_, forward_, last_, close}) button->setAutoDefault(false);
    forward_->setDefault(true);
    connect(first_, &QPushButton::clicked, this, [this] { ShowPage(0); });
    connect(back_, &QPushButton::clicked, this, [this] { ShowPage(page_ - 1); });
    connect(forward_, &QPushButton::clicked, this, [this] { ShowPage(page_ + 1); });
    connect(last_, &QPushButton::clicked, this, [this] { ShowPage(pageCount() - 1); });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    std::array<QString, SeatCount> captions;
    for (int seat = 0; seat < SeatCount; ++seat) {
        const int group = review_.group[static_cast<std::size_t>(seat)];
        captions[static_cast<std::size_t>(seat)] =
            tr("%1（%2）")
                .arg(seat == HumanSeat ? tr("あなた")
                                       : DisplayName(review_.names[static_cast<std::size_t>(seat)]),
                     group == 2   ? tr("関係")
                     : group == 1 ? tr("無関係")
                                  : tr("不明"));
    }
    picture_->SetSeats(captions);

    auto* middle = new QHBoxLayout;
    middle->addWidget(picture_, 0, Qt::AlignTop);
    middle->addWidget(body_, 1);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {first_, back_, forward_, last_}) buttons->addWidget(button);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading_);
    layout->addLayout(middle, 1);
    layout->addLayout(buttons);
    resize(980, 520);
    ShowPage(0);
}

BattleReviewWindow::~BattleReviewWindow() = default;

QString BattleReviewWindow::SeatPlace(int seat) {
    switch (seat) {
        case 0:
            return tr("右");
        case 1:
            return tr("向かい");
        case 2:
            return tr("左");
        default:
            return tr("あなた");
    }
}

QString BattleReviewWindow::SeatLabel(int seat) const {
    if (seat < 0 || seat >= SeatCount) return QString();
    const int group = review_.group[static_cast<std::size_t>(seat)];
    const QString groupName = group == 2 ? tr("関係") : group == 1 ? tr("無関係") : tr("グループ不明");
    const QString name = DisplayName(review_.names[static_cast<std::size_t>(seat)]);
    if (seat == HumanSeat) return tr("あなた（%1、%2）").arg(name, groupName);
    return tr("%1の%2（%3）").arg(SeatPlace(seat), name, groupName);
}

QString BattleReviewWindow::ReasonText(const computer::Why& why, bool groupsShown) {
    if (why.reason == computer::Reason::None) return QString();
    if (!groupsShown && computer::TellsGroups(why.reason))
        return tr("（この手の理由はグループを明かすので、グループが明かされるまで伏せます）");
    QString text = FormatReason(computer::ReasonSentence(why.reason), why);
    if (why.reason == computer::Reason::SearchBest)
        text += tr("。得点の見込みは%1%2点")
                    .arg(why.points >= 0 ? QStringLiteral("+") : QString())
                    .arg(QString::number(why.points / 10.0, 'f', 1));
    return text;
}

const ReviewTrick* BattleReviewWindow::shownTrick() const {
    if (page_ <= 0 || page_ > static_cast<int>(review_.tricks.size())) return nullptr;
    return &review_.tricks[static_cast<std::size_t>(page_ - 1)];
}

QString BattleReviewWindow::shownText() const {
    QTextDocument document;
    document.setHtml(body_->text());
    return heading_->text() + QLatin1Char('\n') + document.toPlainText();
}

QString BattleReviewWindow::SetUpText() const {
    QStringList lines;
    if (!review_.fromTheStart)
        lines << tr("この戦いは途中から再開したため、それより前の札は記録されていません。");
    lines << tr("切り札は%1。").arg(Escaped(SuitName(review_.trump)));
    const bool shown = review_.GroupsShown();
    // In the order they came: the lucky hand, the show cards, the trump.
    auto decided = [this](computer::Decision kind) -> const ReviewDecision* {
        for (const ReviewDecision& decision : review_.decisions)
            if (decision.kind == kind) return &decision;
        return nullptr;
    };
    if (const ReviewDecision* hand = decided(computer::Decision::DeclarationHand))
        lines << tr("%1には、%2").arg(Escaped(SeatLabel(hand->seat)), Escaped(ReasonText(hand->why, shown)));
    const QString showCards =
        tr("%1と%2").arg(Escaped(CardName(review_.showCards[0])), Escaped(CardName(review_.showCards[1])));
    if (const ReviewDecision* show = decided(computer::Decision::ShowCards)) {
        lines << tr("%1は見せ札に%2を見せた：%3")
                     .arg(Escaped(SeatLabel(show->seat)), showCards, Escaped(ReasonText(show->why, shown)));
    } else if (review_.battle >= 2 && review_.showSeat == HumanSeat) {
        lines << tr("あなたは見せ札に%1を見せた。").arg(showCards);
    }
    if (const ReviewDecision* trump = decided(computer::Decision::Trump)) {
        lines << tr("%1は%2を役にした：%3")
                     .arg(Escaped(SeatLabel(trump->seat)), Escaped(SuitName(review_.trump)),
                          Escaped(ReasonText(trump->why, shown)));
    } else if (review_.battle >= 2 && review_.chooserSeat == HumanSeat) {
        lines << tr("あなたは%1を役にした。").arg(Escaped(SuitName(review_.trump)));
    }
    QStringList seats;
    for (int seat : {HumanSeat, 0, 1, 2}) seats << Escaped(SeatLabel(seat));
    lines << QString() << tr("席：") + seats.join(tr("、"));
    if (!shown) lines << tr("この戦いでは、最後までグループが明かされないままでした。");
    return Paragraphs(lines);
}

QString BattleReviewWindow::TrickText(const ReviewTrick& trick, int number) const {
    QStringList lines;
    const QString requested = trick.requestedSuit >= 0 ? SuitName(trick.requestedSuit) : tr("なし");
    lines << tr("第%1トリック：%2が先に出した。求められた紋は%3、切り札は%4。")
                 .arg(number)
                 .arg(Escaped(SeatLabel(trick.leader)), Escaped(requested), Escaped(SuitName(review_.trump)));
    const bool shown = review_.GroupsShown();
    for (std::size_t order = 0; order < trick.plays.size(); ++order) {
        const ReviewPlay& play = trick.plays[order];
        lines << tr("%1. %2　<b>%3</b>")
                     .arg(order + 1)
                     .arg(Escaped(SeatLabel(play.seat)), Escaped(CardName(play.card)));
        if (play.why) lines << ReasonParagraph(ReasonText(*play.why, shown));
    }
    if (trick.winner >= 0) {
        QStringList faces;
        for (int card : trick.facesTaken) faces << Escaped(CardName(card));
        lines
            << QString()
            << (faces.isEmpty()
                    ? tr("%1が取った。絵札はなし。").arg(Escaped(SeatLabel(trick.winner)))
                    : tr("%1が取った。絵札：%2").arg(Escaped(SeatLabel(trick.winner)), faces.join(tr("、"))));
    }
    return Paragraphs(lines);
}

QString BattleReviewWindow::ResultText() const {
    QStringList lines;
    lines << tr("関係グループが取った絵札：%1枚").arg(review_.relatedFaces)
          << tr("無関係グループが取った絵札：%1枚").arg(review_.unrelatedFaces) << QString()
          << tr("結果：<b>%1</b>").arg(Escaped(ResultName(review_.result)));
    const int playerGroup = review_.group[HumanSeat];
    if (playerGroup != 0 && review_.result != BattleResult::Count) {
        const bool won = RelatedGroupWins(review_.result) == (playerGroup == 2);
        lines << (won ? tr("あなたのグループの勝ちです。") : tr("あなたのグループの負けです。"));
    }
    if (review_.points > 0) lines << tr("得点：%1点").arg(review_.points);
    for (const ReviewDecision& decision : review_.decisions) {
        if (decision.kind != computer::Decision::Sixteen) continue;
        lines << QString()
              << tr("%1：%2").arg(Escaped(SeatLabel(decision.seat)),
                                  Escaped(ReasonText(decision.why, review_.GroupsShown())));
    }
    return Paragraphs(lines);
}

void BattleReviewWindow::ShowPage(int page) {
    page_ = std::clamp(page, 0, pageCount() - 1);
    const int tricks = static_cast<int>(review_.tricks.size());
    QString where;
    if (page_ == 0) {
        where = tr("始まり");
        body_->setText(SetUpText());
    } else if (page_ <= tricks) {
        where = tr("第%1トリック（全%2）").arg(page_).arg(tricks);
        body_->setText(TrickText(*shownTrick(), page_));
    } else {
        where = tr("結果");
        body_->setText(ResultText());
    }
    heading_->setText(
        tr("第%1ゲーム 第%2戦の振り返り ― %3").arg(review_.game).arg(review_.battle).arg(where));
    if (page_ == 0 && review_.showSeat >= 0) {
        picture_->ShowCardsAt(review_.showSeat, review_.showCards);
    } else if (page_ == pageCount() - 1 && review_.GroupsShown()) {
        std::vector<int> related;
        std::vector<int> unrelated;
        for (const ReviewTrick& trick : review_.tricks) {
            if (trick.winner < 0) continue;
            auto& taken = review_.group[static_cast<std::size_t>(trick.winner)] == 2 ? related : unrelated;
            taken.insert(taken.end(), trick.facesTaken.begin(), trick.facesTaken.end());
        }
        picture_->ShowTakes(std::move(related), std::move(unrelated));
    } else {
        picture_->Show(shownTrick());
    }
    first_->setEnabled(page_ > 0);
    back_->setEnabled(page_ > 0);
    forward_->setEnabled(page_ < pageCount() - 1);
    last_->setEnabled(page_ < pageCount() - 1);
}

void BattleReviewWindow::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Right:
        case Qt::Key_PageDown:
        case Qt::Key_Space:
            ShowPage(page_ + 1);
            return;
        case Qt::Key_Left:
        case Qt::Key_PageUp:
        case Qt::Key_Backspace:
            ShowPage(page_ - 1);
            return;
        case Qt::Key_Home:
            ShowPage(0);
            return;
        case Qt::Key_End:
            ShowPage(pageCount() - 1);
            return;
        default:
            QDialog::keyPressEvent(event);
    }
}

}  // namespace tesseran
