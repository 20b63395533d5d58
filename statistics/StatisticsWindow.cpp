// SPDX-License-Identifier: MIT
#include "statistics/StatisticsWindow.h"

#include "base/StringTable.h"
#include "dialogs/DialogLook.h"
#include "render/GameTerms.h"
#include "render/ScoreBoard.h"
#include "resources/QtText.h"
#include "statistics/ChronicleLists.h"

#include <QChart>
#include <QChartView>
#include <QDateTimeAxis>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>

namespace tesseran {

namespace {

// "57.9%（3626/6258戦）", or a dash before the first battle.
QString Share(int won, int of) {
    if (of <= 0) return StatisticsWindow::tr("―");
    return StatisticsWindow::tr("%1%（%2/%3戦）").arg(100.0 * won / of, 0, 'f', 1).arg(won).arg(of);
}

QString Signed(double value, int decimals) {
    const QString digits = QString::number(value, 'f', decimals);
    return value > 0 ? QStringLiteral("+") + digits : digits;
}

QString MatchText(const std::optional<ChronicleDatabase::MatchLine>& match) {
    if (!match) return StatisticsWindow::tr("―");
    return StatisticsWindow::tr("%1　%2石")
        .arg(ShownTime(QDateTime::fromString(match->ended, Qt::ISODate)), Signed(match->total, 0));
}

QLabel* Figure(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

// A chart with the game's cloth green behind its plot and a line in the
// score board's yellow.
QChart* NewChart(const QString& title, QLineSeries* series) {
    auto* chart = new QChart;
    chart->setTitle(title);
    chart->legend()->hide();
    chart->setBackgroundRoundness(0);
    chart->setPlotAreaBackgroundVisible(true);
    chart->setPlotAreaBackgroundBrush(QColor(0, 70, 0));
    QPen pen(QColor(255, 214, 0));
    pen.setWidthF(2);
    series->setPen(pen);
    series->setColor(QColor(255, 214, 0));
    chart->addSeries(series);
    return chart;
}

void StyleAxis(QAbstractAxis& axis, const QString& title) {
    axis.setTitleText(title);
    axis.setGridLineColor(QColor(0, 110, 0));
}

// A read-only list of whole rows, one chosen at a time, in rows as tall as
// the text needs.
QTableView* NewList(QAbstractItemModel& model, QWidget* parent) {
    auto* list = new QTableView(parent);
    list->setModel(&model);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->verticalHeader()->hide();
    list->verticalHeader()->setDefaultSectionSize(list->fontMetrics().height() + 8);
    return list;
}

// Ticks at whole numbers, at most about eight of them: 1, 2 or 5 times a
// power of ten apart.
void WholeTicks(QValueAxis& axis, double from, double to) {
    axis.setRange(from, to);
    double step = 1;
    for (double power = 1; (to - from) / step > 8; power *= 10) {
        for (double factor : {1.0, 2.0, 5.0}) {
            step = factor * power;
            if ((to - from) / step <= 8) break;
        }
    }
    axis.setTickType(QValueAxis::TicksDynamic);
    axis.setTickAnchor(0);
    axis.setTickInterval(step);
    axis.setLabelFormat(QStringLiteral("%d"));
}

QString DocumentsFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return documents.isEmpty() ? QDir::homePath() : documents;
}

}  // namespace

StatisticsWindow::StatisticsWindow(const ChronicleDatabase& chronicle, int humanEntry, int provincesHeldNow,
                                   QWidget* parent)
    : QDialog(parent), chronicle_(chronicle), humanEntry_(humanEntry), provincesHeldNow_(provincesHeldNow) {
    setWindowTitle(tr("戦績"));
    ApplyDialogFont(*this);
    picturesLoaded_ = pictures_.Load();
    chooseSaveFile = [](QWidget* owner, const QString& title, const QString& suggestion,
                        const QString& filter) {
        return QFileDialog::getSaveFileName(owner, title, suggestion, filter);
    };

    pages_ = new QTabWidget(this);
    pages_->addTab(BuildFigures(), tr("概要(&S)"));
    pages_->addTab(BuildCharts(), tr("グラフ(&G)"));
    pages_->addTab(BuildMatches(), tr("試合(&M)"));
    pages_->addTab(BuildConquests(), tr("国盗り(&K)"));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(tr("閉じる"));
    QPushButton* exportButton = buttons->addButton(tr("CSVに書き出す(&E)..."), QDialogButtonBox::ActionRole);
    exportButton->setObjectName(QStringLiteral("exportButton"));
    connect(exportButton, &QPushButton::clicked, this, &StatisticsWindow::ExportCsv);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages_);
    layout->addWidget(buttons);
    resize(1000, 660);
}

StatisticsWindow::~StatisticsWindow() = default;

void StatisticsWindow::Run(const ChronicleDatabase& chronicle, int humanEntry, int provincesHeldNow,
                           QWidget* parent) {
    StatisticsWindow window(chronicle, humanEntry, provincesHeldNow, parent);
    window.exec();
}

QWidget* StatisticsWindow::BuildFigures() {
    auto* page = new QWidget;
    const ChronicleDatabase::Totals totals = chronicle_.ReadTotals();
    const ChronicleDatabase::PlayerSummary player = chronicle_.ReadPlayerSummary();

    // The figures' captions, made as wide as the widest so that the
    // figures of every group stand in one column.
    std::vector<QLabel*> captions;
    auto group = [page, &captions](const QString& title,
                                   std::initializer_list<std::pair<QString, QLabel*>> rows) {
        auto* box = new QGroupBox(title, page);
        auto* form = new QFormLayout(box);
        for (const auto& [caption, figure] : rows) {
            auto* label = new QLabel(caption, box);
            captions.push_back(label);
            figure->setParent(box);
            form->addRow(label, figure);
        }
        return box;
    };
    auto* overall = Figure(Share(player.battlesWon, player.battles), page);
    overall->setObjectName(QStringLiteral("shareOverall"));
    QGroupBox* play =
        group(tr("対戦"), {{tr("試合"), Figure(QString::number(totals.matches), page)},
                           {tr("ゲーム"), Figure(QString::number(totals.games), page)},
                           {tr("戦い"), Figure(QString::number(totals.battles), page)},
                           {tr("1ゲームの平均得点"),
                            Figure(totals.games > 0 ? Signed(player.meanScorePerGame, 2) : tr("―"), page)}});
    QGroupBox* shares =
        group(tr("あなたのグループが戦いに勝った割合"),
              {{tr("全体"), overall},
               {tr("関係グループのとき"), Figure(Share(player.wonAsRelated, player.battlesAsRelated), page)},
               {tr("無関係グループのとき"),
                Figure(Share(player.wonAsUnrelated, player.battlesAsUnrelated), page)}});
    QGroupBox* extremes =
        group(tr("あなたの試合"), {{tr("最高の試合"), Figure(MatchText(player.best), page)},
                                   {tr("最低の試合"), Figure(MatchText(player.worst), page)}});
    QGroupBox* campaign =
        group(tr("国盗り"), {{tr("国を盗った回数（全員）"), Figure(QString::number(totals.takes), page)},
                             {tr("天下統一"), Figure(tr("%1回").arg(totals.unifications), page)}});
    int widest = 0;
    for (QLabel* caption : captions) widest = std::max(widest, caption->sizeHint().width());
    for (QLabel* caption : captions) caption->setMinimumWidth(widest);

    // The kinds side by side: the plain results and the sixteens on the
    // left, the declared ones on the right.
    auto* results = new QGroupBox(tr("戦いの結果（全員）"), page);
    auto* resultsGrid = new QGridLayout(results);
    constexpr int FirstDeclared = static_cast<int>(BattleResult::DeclaredSkunk);
    for (int kind = 0; kind < static_cast<int>(BattleResult::Count); ++kind) {
        const int column = kind < FirstDeclared ? 0 : 2;
        const int row = kind < FirstDeclared ? kind : kind - FirstDeclared;
        resultsGrid->addWidget(new QLabel(ResultName(static_cast<BattleResult>(kind)), results), row, column);
        auto* count = Figure(QString::number(totals.results[static_cast<std::size_t>(kind)]), results);
        count->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        count->setObjectName(QStringLiteral("result%1").arg(kind));
        resultsGrid->addWidget(count, row, column + 1);
    }
    resultsGrid->setHorizontalSpacing(18);

    auto* left = new QVBoxLayout;
    left->addWidget(play);
    left->addWidget(shares);
    left->addWidget(extremes);
    left->addWidget(campaign);
    left->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(results);
    right->addStretch();
    auto* layout = new QHBoxLayout(page);
    layout->addLayout(left, 1);
    layout->addLayout(right, 1);
    return page;
}

QWidget* StatisticsWindow::BuildCharts() {
    auto* page = new QWidget;

    const std::vector<ChronicleDatabase::KokuPoint> koku = chronicle_.ReadKokuAfterMatches();
    QList<QPointF> kokuPoints;
    kokuPoints.reserve(static_cast<qsizetype>(koku.size()));
    int highest = 0;
    for (std::size_t match = 0; match < koku.size(); ++match) {
        kokuPoints.append(QPointF(static_cast<double>(match + 1), koku[match].koku));
        highest = std::max(highest, koku[match].koku);
    }
    kokuSeries_ = new QLineSeries;
    kokuSeries_->replace(kokuPoints);
    kokuSeries_->setPointsVisible(koku.size() <= 40);
    QChart* kokuChart =
        NewChart(koku.empty() ? tr("試合ごとの石数（記録された試合はまだありません）") : tr("試合ごとの石数"),
                 kokuSeries_);
    auto* matchAxis = new QValueAxis;
    StyleAxis(*matchAxis, tr("試合"));
    WholeTicks(*matchAxis, koku.size() > 1 ? 1 : 0, std::max<double>(2, static_cast<double>(koku.size())));
    auto* kokuAxis = new QValueAxis;
    StyleAxis(*kokuAxis, tr("石数"));
    WholeTicks(*kokuAxis, 0, std::max(10, highest));
    kokuChart->addAxis(matchAxis, Qt::AlignBottom);
    kokuChart->addAxis(kokuAxis, Qt::AlignLeft);
    kokuSeries_->attachAxis(matchAxis);
    kokuSeries_->attachAxis(kokuAxis);

    // Provinces held change in steps: each step is drawn level until the
    // moment it changed, and the line runs on to now.
    const std::vector<ChronicleDatabase::HoldingPoint> held = chronicle_.ReadProvincesHeld(humanEntry_);
    QList<QPointF> heldPoints;
    int most = provincesHeldNow_;
    const QDateTime now = QDateTime::currentDateTime();
    for (const ChronicleDatabase::HoldingPoint& point : held) {
        const double at = static_cast<double>(point.at.toMSecsSinceEpoch());
        if (!heldPoints.isEmpty()) heldPoints.append(QPointF(at, heldPoints.last().y()));
        heldPoints.append(QPointF(at, point.held));
        most = std::max(most, point.held);
    }
    const double nowAt = static_cast<double>(now.toMSecsSinceEpoch());
    if (!heldPoints.isEmpty()) heldPoints.append(QPointF(nowAt, heldPoints.last().y()));
    heldPoints.append(QPointF(nowAt, provincesHeldNow_));
    provincesSeries_ = new QLineSeries;
    provincesSeries_->replace(heldPoints);
    provincesSeries_->setPointsVisible(heldPoints.size() <= 2);
    const QString name = EntryName(humanEntry_);
    QChart* heldChart =
        NewChart(name.isEmpty() ? tr("国の数（打ち手がまだ決まっていません）") : tr("%1の国の数").arg(name),
                 provincesSeries_);
    auto* timeAxis = new QDateTimeAxis;
    StyleAxis(*timeAxis, tr("日時"));
    const QDateTime first = held.empty() ? now.addDays(-1) : held.front().at;
    timeAxis->setRange(first < now ? first : now.addDays(-1), now);
    timeAxis->setFormat(first.daysTo(now) >= 2 ? QStringLiteral("yyyy/MM/dd")
                                               : QStringLiteral("MM/dd HH:mm"));
    auto* countAxis = new QValueAxis;
    StyleAxis(*countAxis, tr("国の数"));
    WholeTicks(*countAxis, 0, std::max(5, most + 1));
    heldChart->addAxis(timeAxis, Qt::AlignBottom);
    heldChart->addAxis(countAxis, Qt::AlignLeft);
    provincesSeries_->attachAxis(timeAxis);
    provincesSeries_->attachAxis(countAxis);

    auto* kokuView = new QChartView(kokuChart, page);
    kokuView->setRenderHint(QPainter::Antialiasing);
    auto* heldView = new QChartView(heldChart, page);
    heldView->setRenderHint(QPainter::Antialiasing);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(kokuView);
    layout->addWidget(heldView);
    return page;
}

QWidget* StatisticsWindow::BuildMatches() {
    auto* page = new QWidget;
    matches_ = new MatchListModel(chronicle_, this);
    matchList_ = NewList(*matches_, page);
    matchList_->hideColumn(ChronicleDatabase::MatchId);
    matchList_->hideColumn(ChronicleDatabase::MatchEntry);
    matchList_->horizontalHeader()->setStretchLastSection(true);
    matchList_->resizeColumnsToContents();
    connect(matchList_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { ShowMatch(current.row()); });

    boardCaption_ = new QLabel(page);
    boardPicture_ = new QLabel(page);
    boardPicture_->setFixedSize(ScoreBoardRect.size());
    boardPicture_->setAlignment(Qt::AlignCenter);
    auto* board = new QVBoxLayout;
    board->addWidget(boardCaption_);
    board->addWidget(boardPicture_);
    board->addStretch();
    auto* layout = new QHBoxLayout(page);
    layout->addWidget(matchList_, 1);
    layout->addLayout(board);

    if (matches_->rowCount() > 0) {
        matchList_->selectRow(0);
    } else {
        boardCaption_->setText(tr("記録された試合はまだありません"));
    }
    return page;
}

QWidget* StatisticsWindow::BuildConquests() {
    auto* page = new QWidget;
    conquests_ = new ConquestListModel(chronicle_, this);
    conquestList_ = NewList(*conquests_, page);
    conquestList_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    auto* layout = new QVBoxLayout(page);
    if (conquests_->rowCount() == 0) layout->addWidget(new QLabel(tr("国盗りの記録はまだありません"), page));
    layout->addWidget(conquestList_);
    return page;
}

void StatisticsWindow::ShowMatch(int row) {
    scoreBoard_ = QImage();
    const std::optional<ChronicleDatabase::MatchBoard> board =
        row >= 0 ? chronicle_.ReadMatchBoard(matches_->MatchIdAt(row)) : std::nullopt;
    if (!board) {
        boardCaption_->clear();
        boardPicture_->clear();
        return;
    }
    boardCaption_->setText(tr("%1 に終わった試合の得点").arg(ShownTime(board->ended)));
    if (!picturesLoaded_) {
        boardPicture_->setText(tr("得点表の絵を読み込めません"));
        return;
    }
    scoreBoard_ = ScoreBoard::Picture(board->names, board->scores, pictures_);
    boardPicture_->setPixmap(QPixmap::fromImage(scoreBoard_));
}

QString StatisticsWindow::BattlesPathBeside(const QString& matchesPath) {
    const QFileInfo file(matchesPath);
    QString name = file.completeBaseName();
    if (name.contains(QStringLiteral("matches"))) {
        name.replace(QStringLiteral("matches"), QStringLiteral("battles"));
    } else {
        name += QStringLiteral("-battles");
    }
    return file.dir().filePath(name + QStringLiteral(".csv"));
}

void StatisticsWindow::ExportCsv() {
    QString matchesPath = chooseSaveFile(
        this, tr("CSVに書き出す（試合の記録のファイル名）"),
        QDir(DocumentsFolder()).filePath(QStringLiteral("tesseran-matches.csv")), tr("CSV ファイル (*.csv)"));
    if (matchesPath.isEmpty()) return;
    if (QFileInfo(matchesPath).suffix().isEmpty()) matchesPath += QStringLiteral(".csv");
    const QString battlesPath = BattlesPathBeside(matchesPath);
    if (QFileInfo::exists(battlesPath) &&
        QMessageBox::question(
            this, QStringLiteral("Tesseran"),
            tr("%1 はすでにあります。\n上書きしますか").arg(QDir::toNativeSeparators(battlesPath)),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes)
        return;
    QString error;
    if (!chronicle_.ExportCsv(matchesPath, battlesPath, error)) {
        QMessageBox::warning(this, QStringLiteral("Tesseran"),
                             tr("戦績を書き出せませんでした\n%1").arg(error));
        return;
    }
    QMessageBox::information(
        this, QStringLiteral("Tesseran"),
        tr("戦績を書き出しました\n試合：%1\n戦い：%2")
            .arg(QDir::toNativeSeparators(matchesPath), QDir::toNativeSeparators(battlesPath)));
}

}  // namespace tesseran
