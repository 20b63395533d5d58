// SPDX-License-Identifier: MIT
// The program in English and in Japanese: every text the window tests reach
// (the window's title, every menu, every message and question, the hover
// explanations, the hint, every dialog and window with their tooltips, the
// statistics, the review, the guide's balloons, the help pages) is gathered;
// in English none holds a Japanese character, and in Japanese each is the
// text the program has always shown.
#include "AppFixture.h"

#include "app/FirstMatchGuide.h"
#include "app/HoverTip.h"
#include "base/ResourceIds.h"
#include "base/StringTable.h"
#include "chronicle/ChronicleDatabase.h"
#include "conquest/CKunitori.h"
#include "dialogs/CBackSet.h"
#include "dialogs/CHelpDlg.h"
#include "dialogs/CMonSel.h"
#include "dialogs/CSelect.h"
#include "dialogs/CSengen.h"
#include "dialogs/VersionDialog.h"
#include "players/BattleLog.h"
#include "render/GameTerms.h"
#include "resources/Language.h"
#include "resources/QtText.h"
#include "review/BattleReviewWindow.h"
#include "statistics/StatisticsWindow.h"
#include "support/TestHost.h"

#include <QAbstractButton>
#include <QAbstractItemModel>
#include <QChart>
#include <QChartView>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTableView>
#include <QTextBrowser>

namespace tesseran::testing {
namespace {

// What a widget and everything in it shows in writing.
void AddTextsOf(QWidget& widget, QStringList& texts) {
    texts << widget.windowTitle() << widget.toolTip();
    for (QWidget* child : widget.findChildren<QWidget*>()) {
        texts << child->toolTip();
        if (auto* label = qobject_cast<QLabel*>(child)) texts << label->text();
        if (auto* button = qobject_cast<QAbstractButton*>(child)) texts << button->text();
        if (auto* group = qobject_cast<QGroupBox*>(child)) texts << group->title();
        if (auto* browser = qobject_cast<QTextBrowser*>(child)) texts << browser->document()->toPlainText();
        if (auto* tabs = qobject_cast<QTabWidget*>(child)) {
            for (int tab = 0; tab < tabs->count(); ++tab) texts << tabs->tabText(tab);
        }
        if (auto* table = qobject_cast<QTableView*>(child)) {
            const QAbstractItemModel* model = table->model();
            for (int column = 0; column < model->columnCount(); ++column) {
                texts << model->headerData(column, Qt::Horizontal).toString();
                for (int row = 0; row < std::min(model->rowCount(), 20); ++row)
                    texts << model->index(row, column).data().toString();
            }
        }
        if (auto* chart = qobject_cast<QChartView*>(child)) {
            texts << chart->chart()->title();
            for (QAbstractAxis* axis : chart->chart()->axes()) texts << axis->titleText();
        }
    }
}

void AddTextsOf(QMenu& menu, QStringList& texts) {
    texts << menu.title();
    for (QAction* action : menu.actions()) {
        texts << action->text() << action->toolTip();
        if (action->menu() != nullptr) AddTextsOf(*action->menu(), texts);
    }
}

class Languages : public AppFixture {
protected:
    void TearDown() override {
        AppFixture::TearDown();
        UseLanguage(Language::Japanese);
    }

    // A battle played to its end on the core, as the review tells it.
    static BattleReview AFinishedBattle() {
        TestHost host;
        MemorySettingsStore store;
        store.WriteInt("Settei", "AutoStart", 1);
        CFudaDashi view(host, store);
        BattleLog log;
        view.ReportReasonsTo(&log);
        view.StartUp();
        EXPECT_TRUE(view.StartGame());
        std::size_t seen = 0;
        for (int step = 0; step < 100000 && !log.lastFinished(); ++step) {
            for (; seen < host.events.size(); ++seen) log.OnEvent(view, host.events[seen]);
            if (view.IsHumanTurn() && view.busy == 1 && view.HumanMayPlay()) {
                for (int i = view.handCount[HumanSeat] - 1; i >= 0; --i)
                    if (MayPlay(view, HumanSeat, view.hand[HumanSeat][i])) view.markedCard = i;
                view.KeyPlay();
            } else {
                view.TurnTick();
            }
        }
        EXPECT_TRUE(log.lastFinished());
        return log.lastFinished().value_or(BattleReview{});
    }

    // Every text the program shows that the tests can reach, in order.
    QStringList EveryText() {
        QStringList texts;
        texts << frame->windowTitle();
        for (int index = 0; index < 3; ++index) AddTextsOf(*table()->commands().BuildPopupMenu(index), texts);
        AddTextsOf(*table()->commands().BuildPeekMenu(), texts);

        // Every numbered text but the packed province names, every message
        // put together by its caller, the reasons, the guide, the game's terms.
        for (int id = 29000; id <= 31000; ++id)
            if (id != text::ProvinceNames && !LoadString(id).empty()) texts << LoadText(id);
        shownTexts.clear();
        game().ToggleAutoStart();
        game().ToggleAutoStart();
        for (const QString& shown : shownTexts) texts << shown;
        for (int reason = 1; reason < static_cast<int>(computer::Reason::Count); ++reason) {
            computer::Why why{static_cast<computer::Reason>(reason), 23, Hearts, 3, 12};
            texts << BattleReviewWindow::ReasonText(why, true) << BattleReviewWindow::ReasonText(why, false);
        }
        for (int topic = 0; topic < static_cast<int>(GuideTopic::Count); ++topic)
            texts << FirstMatchGuide::Text(static_cast<GuideTopic>(topic));
        for (int card : Deck) texts << CardName(card);
        for (int result = 0; result < static_cast<int>(BattleResult::Count); ++result)
            texts << ResultName(static_cast<BattleResult>(result));
        for (int entry = 0; entry < EntryCount; ++entry) texts << EntryName(entry);
        for (int province = 0; province < ProvinceCount; ++province) texts << ProvinceLabel(province);

        // The hover explanations of the table and the hint of the player's turn.
        for (int y = 0; y < CanvasHeight; y += 12)
            for (int x = 0; x < CanvasWidth; x += 12)
                texts << HoverExplanations(game(), renderer()).Explain(QPointF(x, y)).text;
        ShowTheHint(texts);

        // The dialogs and windows.
        CMonSel suit(table());
        AddTextsOf(suit, texts);
        suit.SetCaptionText(CMonSel::TrumpCaptionText);
        AddTextsOf(suit, texts);
        for (DeclarationSide side : {DeclarationSide::Related, DeclarationSide::Unrelated}) {
            CSengen declaration(side, table());
            AddTextsOf(declaration, texts);
        }
        CSelect entry(table());
        AddTextsOf(entry, texts);
        VersionDialog version(table());
        AddTextsOf(version, texts);
        CBackSet backs(table()->cardSheet(), *table()->cardBacks(), *store, *table(), {}, table());
        AddTextsOf(backs, texts);
        std::array<QString, EntryCount> names;
        for (int e = 0; e < EntryCount; ++e) names[static_cast<std::size_t>(e)] = EntryName(e);
        CKunitori conquest(*store, *table(), *table(), 0, names, {}, table());
        if (conquest.Open()) AddTextsOf(conquest, texts);
        for (HelpPage page : {HelpPage::Operation, HelpPage::Rules, HelpPage::Tactics}) {
            const HelpPageInfo info = HelpPageFor(page);
            CHelpDlg help(table(), QString::fromUtf8(info.fileName), CHelpDlg::tr(info.title), QString());
            if (help.Initialise()) AddTextsOf(help, texts);
        }
        auto chronicle = ChronicleDatabase::Open(folder.filePath("texts.sqlite"));
        if (chronicle.database) {
            StatisticsWindow statistics(*chronicle.database, 0, 1, table());
            for (int page = 0; page < statistics.pages()->count(); ++page)
                statistics.pages()->setCurrentIndex(page);
            AddTextsOf(statistics, texts);
        }
        BattleReviewWindow review(AFinishedBattle(), table()->cardSheet(), table());
        for (int page = 0; page < review.pageCount(); ++page) {
            review.ShowPage(page);
            texts << review.shownText();
        }
        AddTextsOf(review, texts);
        texts.removeAll(QString());
        return texts;
    }

    void ShowTheHint(QStringList& texts) {
        PlayWithoutPauses();
        if (!QTest::qWaitFor([this] { return game().currentSeat == HumanSeat && game().HumanMayPlay(); },
                             10000))
            return;
        table()->StopTurnTimer();
        table()->ShowHint();
        texts << table()->hoverTip()->text();
    }

    QStringList TextsIn(Language language) {
        UseLanguage(language);
        store->WriteInt("Settei", "AutoStart", 1);
        store->WriteInt("Settei", "RuleRem", 0);
        AnswerMessageBoxes([](const QString&) { return true; });
        OpenDealtWindow();
        return EveryText();
    }

    // The window, dealing as at one fixed moment: the texts of two windows
    // (the hint's above all) are the same only when their deals are.
    void OpenDealtWindow() {
        OpenWindow();
        table()->readClock = [] { return std::optional<LocalTime>(LocalTime{2026, 12, 10, 15, 0, 0}); };
    }
};

TEST_F(Languages, InEnglishNoTextIsJapanese) {
    const QRegularExpression japanese(
        QStringLiteral("[\\x{3000}-\\x{30ff}\\x{3400}-\\x{9fff}\\x{ff00}-\\x{ffef}]"));
    const QStringList texts = TextsIn(Language::English);
    EXPECT_GT(texts.size(), 500);
    for (const QString& text : texts) EXPECT_FALSE(text.contains(japanese)) << text.toStdString();
}

TEST_F(Languages, InJapaneseEveryTextIsAsWritten) {
    const QStringList japanese = TextsIn(Language::Japanese);
    frame.reset();
    // The texts as the program writes them, its own translation taken away
    // (Qt's Japanese stays).
    ASSERT_NE(ProgramTranslation(), nullptr);
    QCoreApplication::removeTranslator(ProgramTranslation());
    OpenDealtWindow();
    const QStringList written = EveryText();
    ASSERT_EQ(japanese.size(), written.size());
    for (qsizetype i = 0; i < written.size(); ++i) EXPECT_EQ(japanese[i], written[i]);
}

}  // namespace
}  // namespace tesseran::testing
