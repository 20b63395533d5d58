// SPDX-License-Identifier: MIT
// The statistics window (戦績): how the player has fared over every match the
// chronicle holds. Four pages: the figures (matches, games and battles, how
// often the player's group won, overall and as related or unrelated, the
// result kinds, the best and worst match), two charts (the player's koku
// after each match, and the provinces the player's entry held over time), the
// matches newest first with the score board of the chosen one drawn as the
// table drew it at the match's end, and the campaign's steps. The chronicle
// can be written out as CSV from here.
//
// The window only reads: every figure comes from the chronicle's indexed
// queries when the window opens, and the lists fetch their rows as they are
// scrolled to, so it opens as fast with thousands of matches as with one.
#pragma once

#include "chronicle/ChronicleDatabase.h"
#include "render/PanelPictures.h"

#include <QDialog>
#include <QImage>

#include <functional>

class QLabel;
class QLineSeries;
class QTableView;
class QTabWidget;

namespace tesseran {

class MatchListModel;
class ConquestListModel;

class StatisticsWindow : public QDialog {
    Q_OBJECT

public:
    // humanEntry: the entry whose provinces the chart follows (the one the
    // player plays as); provincesHeldNow: how many it holds now, the chart's
    // last point.
    StatisticsWindow(const ChronicleDatabase& chronicle, int humanEntry, int provincesHeldNow,
                     QWidget* parent = nullptr);
    ~StatisticsWindow() override;

    // Opens the window over `parent` and runs it until it is closed.
    static void Run(const ChronicleDatabase& chronicle, int humanEntry, int provincesHeldNow,
                    QWidget* parent);

    // Asks for the file the matches are written to (the battles go beside
    // it): parent, title, suggested path, filter; the empty text when the
    // player cancels. Tests replace it.
    using SaveFileChooser = std::function<QString(QWidget*, const QString& title, const QString& suggestion,
                                                  const QString& filter)>;
    SaveFileChooser chooseSaveFile;
    // Writes the chronicle out as two CSV files where the player says, and
    // says where they went or why they could not be written.
    void ExportCsv();
    // Where the battles go when the matches go to `matchesPath`.
    static QString BattlesPathBeside(const QString& matchesPath);

    // The pages, in order.
    enum Page { Figures, Charts, Matches, Conquests };
    QTabWidget* pages() const { return pages_; }
    QLineSeries* kokuSeries() const { return kokuSeries_; }
    QLineSeries* provincesSeries() const { return provincesSeries_; }
    QTableView* matchList() const { return matchList_; }
    QTableView* conquestList() const { return conquestList_; }
    // The score board of the match chosen in the list; null while none is.
    const QImage& scoreBoardShown() const { return scoreBoard_; }

private:
    QWidget* BuildFigures();
    QWidget* BuildCharts();
    QWidget* BuildMatches();
    QWidget* BuildConquests();
    void ShowMatch(int row);

    const ChronicleDatabase& chronicle_;
    int humanEntry_;
    int provincesHeldNow_;
    PanelPictures pictures_;
    bool picturesLoaded_ = false;
    QTabWidget* pages_ = nullptr;
    QLineSeries* kokuSeries_ = nullptr;
    QLineSeries* provincesSeries_ = nullptr;
    MatchListModel* matches_ = nullptr;
    ConquestListModel* conquests_ = nullptr;
    QTableView* matchList_ = nullptr;
    QTableView* conquestList_ = nullptr;
    QLabel* boardCaption_ = nullptr;
    QLabel* boardPicture_ = nullptr;
    QImage scoreBoard_;
};

}  // namespace tesseran
