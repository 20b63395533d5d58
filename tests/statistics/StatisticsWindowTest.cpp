// SPDX-License-Identifier: MIT
// The statistics window over chronicles of simulated matches: what it shows
// is what the simulator traced as it played (the koku credited after each
// match, every game's score), the lists run newest first, the provinces
// chart steps with every take and reset, and the export writes both files.
#include "statistics/StatisticsWindow.h"

#include "base/SettingsStore.h"
#include "base/StringTable.h"
#include "campaign/Campaign.h"
#include "render/ScoreBoard.h"
#include "sim/Simulation.h"
#include "statistics/ChronicleLists.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineSeries>
#include <QMessageBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace tesseran {
namespace {

// One match as the simulator's trace tells it: the game rows and the
// player's balance after the credit.
struct TracedMatch {
    std::array<std::array<int, SeatCount>, 10> scores{};
    int koku = 0;
};

std::vector<TracedMatch> PlayAndRecord(ChronicleDatabase& chronicle, int matches) {
    sim::SimulationOptions options;
    options.matches = matches;
    options.chronicle = &chronicle;
    std::ostringstream trace;
    const sim::SimulationResult result = sim::RunSimulation(options, &trace);
    EXPECT_EQ(result.recorded, matches);
    std::vector<TracedMatch> traced;
    std::istringstream lines(trace.str());
    std::string line;
    int credits = 0;
    while (std::getline(lines, line)) {
        std::istringstream words(line);
        std::string word;
        words >> word;
        if (word == "match") {
            traced.emplace_back();
            credits = 0;
        } else if (word == "score") {
            std::string game;
            words >> game;  // g=N
            auto& row = traced.back().scores[static_cast<std::size_t>(std::stoi(game.substr(2)) - 1)];
            for (int& points : row) words >> points;
        } else if (word == "credit" && ++credits == SeatCount) {
            int entry = 0;
            words >> entry >> traced.back().koku;  // the player is credited last
        }
    }
    return traced;
}

std::array<std::string, SeatCount> SimulatedNames() {
    // The computers' entries at participants 0..2, and the player's (entry 0).
    return {RosterName(5), RosterName(6), RosterName(2), RosterName(0)};
}

class StatisticsWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        auto opening = ChronicleDatabase::Open(folder.filePath(QStringLiteral("chronicle.sqlite")));
        ASSERT_TRUE(opening.database);
        chronicle = std::move(opening.database);
        pictures.Load();
    }

    // Confirms every message box as it comes, keeping its text.
    void ConfirmMessageBoxes() {
        QObject::connect(&answerer, &QTimer::timeout, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr || !box->isVisible()) return;
            shownTexts.push_back(box->text());
            box->done(box->standardButtons().testFlag(QMessageBox::Yes) ? QMessageBox::Yes : QMessageBox::Ok);
        });
        answerer.start(5);
    }

    static std::vector<double> Heights(const QLineSeries& series) {
        std::vector<double> heights;
        for (const QPointF& point : series.points()) heights.push_back(point.y());
        return heights;
    }

    QTemporaryDir folder;
    std::unique_ptr<ChronicleDatabase> chronicle;
    PanelPictures pictures;
    QTimer answerer;
    std::vector<QString> shownTexts;
};

TEST_F(StatisticsWindowTest, AnEmptyChronicleOpensWithNothingToShow) {
    StatisticsWindow window(*chronicle, 3, 1);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    for (int page = 0; page < window.pages()->count(); ++page) {
        window.pages()->setCurrentIndex(page);
        QApplication::processEvents();
    }
    EXPECT_EQ(window.findChild<QLabel*>(QStringLiteral("shareOverall"))->text(), QStringLiteral("―"));
    EXPECT_EQ(window.kokuSeries()->count(), 0);
    EXPECT_EQ(window.matchList()->model()->rowCount(), 0);
    EXPECT_EQ(window.conquestList()->model()->rowCount(), 0);
    EXPECT_TRUE(window.scoreBoardShown().isNull());
    // With no step recorded the chart still shows where the player stands now.
    ASSERT_EQ(window.provincesSeries()->count(), 1);
    EXPECT_EQ(window.provincesSeries()->at(0).y(), 1);
}

TEST_F(StatisticsWindowTest, WhatTheWindowShowsIsWhatTheSimulatorTraced) {
    const std::vector<TracedMatch> traced = PlayAndRecord(*chronicle, 12);
    ASSERT_EQ(traced.size(), 12u);
    StatisticsWindow window(*chronicle, 0, 1);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    // The chart's points: the player's koku after each match, in order.
    std::vector<double> koku;
    for (const TracedMatch& match : traced) koku.push_back(match.koku);
    EXPECT_EQ(Heights(*window.kokuSeries()), koku);

    // The list runs newest first, and a chosen match shows its own board:
    // the newest is chosen as the window opens.
    QAbstractItemModel& list = *window.matchList()->model();
    ASSERT_EQ(list.rowCount(), 12);
    EXPECT_GE(list.index(0, ChronicleDatabase::MatchEnded).data().toString(),
              list.index(11, ChronicleDatabase::MatchEnded).data().toString());
    EXPECT_EQ(window.scoreBoardShown(),
              ScoreBoard::Picture(SimulatedNames(), traced.back().scores, pictures));
    window.matchList()->selectRow(11);
    EXPECT_EQ(window.scoreBoardShown(),
              ScoreBoard::Picture(SimulatedNames(), traced.front().scores, pictures));
    int total = 0;
    for (const auto& row : traced.front().scores) total += row[3];
    EXPECT_EQ(list.index(11, ChronicleDatabase::MatchKoku).data().toString(),
              (total > 0 ? QStringLiteral("+") : QString()) + QStringLiteral("%1石").arg(total));

    // Written out where the player says, the battles beside the matches.
    ConfirmMessageBoxes();
    const QString matches = folder.filePath(QStringLiteral("my matches.csv"));
    window.chooseSaveFile = [&matches](QWidget*, const QString&, const QString&, const QString&) {
        return matches;
    };
    window.ExportCsv();
    QFile battles(folder.filePath(QStringLiteral("my battles.csv")));
    ASSERT_TRUE(battles.open(QIODevice::ReadOnly));
    EXPECT_EQ(battles.readAll().count("\r\n"), 1 + chronicle->ReadTotals().battles);
    QFile matchFile(matches);
    ASSERT_TRUE(matchFile.open(QIODevice::ReadOnly));
    EXPECT_EQ(matchFile.readAll().count("\r\n"), 1 + 12);
    ASSERT_EQ(shownTexts.size(), 1u);
    EXPECT_TRUE(shownTexts[0].contains(QStringLiteral("my battles.csv")));
}

TEST_F(StatisticsWindowTest, TheProvincesChartStepsWithEveryTakeAndReset) {
    MemorySettingsStore store;
    InitialiseCampaignAtStartUp(store);
    const int player = 0;
    const int home = InitialProvincesHeld(player);
    for (int take = 0; take < 3; ++take)
        ASSERT_TRUE(Take(store, player, NextTarget(store, player), chronicle.get()));
    // A regular takes one of them back, and then the player begins again.
    ASSERT_TRUE(Take(store, 5, HomeProvince(player), chronicle.get()));
    ASSERT_TRUE(ResetCampaign(store, nullptr, chronicle.get()));

    StatisticsWindow window(*chronicle, player, ProvincesHeld(store, player));
    std::vector<double> steps;
    for (double height : Heights(*window.provincesSeries()))
        if (steps.empty() || steps.back() != height) steps.push_back(height);
    EXPECT_EQ(steps, (std::vector<double>{home + 1.0, home + 2.0, home + 3.0, home + 2.0, double(home)}));

    // The campaign's list, newest first.
    QAbstractItemModel& list = *window.conquestList()->model();
    ASSERT_EQ(list.rowCount(), 5);
    EXPECT_EQ(list.index(0, ChronicleDatabase::ConquestEvent).data().toString(),
              QStringLiteral("国盗りの初期化"));
    EXPECT_EQ(list.index(1, ChronicleDatabase::ConquestEntry).data().toString(),
              QString::fromStdString(RosterName(5)));
    EXPECT_EQ(list.index(1, ChronicleDatabase::ConquestPreviousOwner).data().toString(),
              QString::fromStdString(RosterName(player)));
}

}  // namespace
}  // namespace tesseran
