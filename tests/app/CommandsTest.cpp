// SPDX-License-Identifier: MIT
// The popup menus and their commands: check marks and greyed items, every
// setting written to the store when it changes, the screen sizes, the auto
// start message, the conquest window, and the question before leaving a match.
#include "AppFixture.h"

#include "app/CommandIds.h"
#include "base/StringTable.h"
#include "campaign/Campaign.h"
#include "campaign/ProvinceMap.h"
#include "conquest/CKunitori.h"
#include "dialogs/CBackSet.h"

#include <QActionGroup>
#include <QMenu>

namespace tesseran::testing {
namespace {

QAction* Item(QMenu& menu, int command) {
    for (QAction* action : menu.findChildren<QAction*>()) {
        if (action->data().toInt() == command) return action;
    }
    return nullptr;
}

class Commands : public AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        store->WriteInt("Settei", "Koukaon", 0);
        AnswerMessageBoxes([this](const QString&) { return answerYes; });
    }
    bool answerYes = true;
};

TEST_F(Commands, BeforeAMatchTheStartIsOfferedAndTheMatchItemsAreGreyed) {
    OpenWindow();
    auto game = table()->commands().BuildPopupMenu(0);
    ASSERT_NE(Item(*game, command::Start), nullptr);
    EXPECT_TRUE(Item(*game, command::Start)->isEnabled());
    auto settings = table()->commands().BuildPopupMenu(1);
    for (int id : {command::Score, command::Conquest, command::CardBack})
        EXPECT_FALSE(Item(*settings, id)->isEnabled()) << id;
    EXPECT_TRUE(Item(*settings, command::ResetConquest)->isEnabled());
    EXPECT_TRUE(Item(*settings, command::SpeedNormal)->isChecked());  // 普通
    // Speeds and screen sizes are radio items: one choice of several.
    for (int id : {command::SpeedNormal, command::Screen800}) {
        ASSERT_NE(Item(*settings, id)->actionGroup(), nullptr) << id;
        EXPECT_TRUE(Item(*settings, id)->actionGroup()->isExclusive()) << id;
    }
    EXPECT_EQ(Item(*settings, command::Sound)->actionGroup(), nullptr);
    EXPECT_TRUE(Item(*settings, command::Sound)->isCheckable());
    EXPECT_FALSE(Item(*settings, command::Sound)->isChecked());          // sound stored off
    EXPECT_TRUE(Item(*settings, command::RemainingCards)->isChecked());  // remaining cards on by default
}

TEST_F(Commands, ANewCardBackReachesTheFannedHandsAndTheLargeFanStripIsLetGo) {
    store->WriteInt("Settei", "AutoStart", 1);
    store->WriteInt("Last", "BackSet", 0);
    OpenWindow();
    ASSERT_TRUE(QTest::qWaitFor([this] { return game().phase >= 1; }, 5000));
    table()->StopTurnTimer();
    // Once the table has made its fans, the five-megabyte strip is let go.
    EXPECT_TRUE(table()->cardBacks()->backFanStrip().isNull());
    const QRect topHand(420, 0, 360, 200);
    table()->Repaint(TableLayer::Changed);
    const QImage before = renderer().backBuffer.copy(topHand);

    QTimer::singleShot(50, [] {
        auto* dialog = qobject_cast<CBackSet*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->SelectPreview(2);
        dialog->Save();
    });
    table()->commands().Execute(command::CardBack);
    EXPECT_EQ(store->ReadInt("Last", "BackSet", -1), 2);
    EXPECT_NE(renderer().backBuffer.copy(topHand), before);
    EXPECT_TRUE(table()->cardBacks()->backFanStrip().isNull());
}

TEST_F(Commands, OnceAMatchRunsStartIsGreyedAndTheMatchItemsAreOffered) {
    store->WriteInt("Settei", "AutoStart", 1);
    OpenWindow();
    ASSERT_TRUE(QTest::qWaitFor([this] { return game().phase >= 1; }, 5000));
    auto menu = table()->commands().BuildPopupMenu(0);
    EXPECT_FALSE(Item(*menu, command::Start)->isEnabled());
    auto settings = table()->commands().BuildPopupMenu(1);
    for (int id : {command::Score, command::Conquest, command::CardBack})
        EXPECT_TRUE(Item(*settings, id)->isEnabled()) << id;
    EXPECT_TRUE(Item(*settings, command::AutoStart)->isChecked());  // 自動スタート
}

TEST_F(Commands, TheConquestCommandOpensTheMapForThePlayersEntryOnlyOnceAMatchRuns) {
    QString openedTitle;
    QTimer watcher;
    watcher.setInterval(5);
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        if (auto* window = qobject_cast<CKunitori*>(QApplication::activeModalWidget())) {
            openedTitle = window->windowTitle();
            window->reject();
        }
    });
    watcher.start();

    OpenWindow();
    table()->commands().Execute(command::Conquest);
    EXPECT_TRUE(openedTitle.isEmpty());

    store->WriteInt("Settei", "AutoStart", 1);
    store->WriteInt("Settei", "EntryNo", 3);
    frame.reset();
    OpenWindow();
    ASSERT_TRUE(QTest::qWaitFor([this] { return game().phase >= 1; }, 5000));
    table()->StopTurnTimer();
    table()->commands().Execute(command::Conquest);
    const QString name = QString::fromStdString(RosterName(3));
    EXPECT_TRUE(openedTitle.startsWith("[ ｢" + name + "｣ の国盗りモード ] ... "))
        << openedTitle.toStdString();
}

struct ToggleCase {
    int command;
    const char* key;
    int initial;
};

TEST_F(Commands, EveryToggleFlipsItsSettingAndStoresIt) {
    OpenWindow();
    const ToggleCase toggles[] = {
        {command::OpenMode, "OpenMode", 0},        {command::Sound, "Koukaon", 0},
        {command::RuleRemarks, "RuleRem", 1},      {command::DisplayRemarks, "DspRem", 1},
        {command::RemainingCards, "NokoriDsp", 1}, {command::StatusDisplay, "DspInfo", 1}};
    for (const ToggleCase& toggle : toggles) {
        table()->commands().Execute(toggle.command);
        EXPECT_EQ(store->ReadInt("Settei", toggle.key, -1), 1 - toggle.initial) << toggle.key;
        auto menu = table()->commands().BuildPopupMenu(1);
        EXPECT_EQ(Item(*menu, toggle.command)->isChecked(), toggle.initial == 0) << toggle.key;
        table()->commands().Execute(toggle.command);
        EXPECT_EQ(store->ReadInt("Settei", toggle.key, -1), toggle.initial) << toggle.key;
    }
}

TEST_F(Commands, TheComputersStrengthIsStoredCheckedAndTakenUpAtTheNextStart) {
    store->WriteInt("Settei", "Tsuyosa", 1);
    OpenWindow();
    EXPECT_EQ(game().strength(), Strength::Strong);
    auto menu = table()->commands().BuildPopupMenu(1);
    EXPECT_TRUE(Item(*menu, command::StrengthStrong)->isChecked());
    ASSERT_NE(Item(*menu, command::StrengthStrong)->actionGroup(), nullptr);
    EXPECT_TRUE(Item(*menu, command::StrengthStrong)->actionGroup()->isExclusive());
    table()->commands().Execute(command::StrengthStandard);
    EXPECT_EQ(store->ReadInt("Settei", "Tsuyosa", -1), 0);
    EXPECT_EQ(game().strength(), Strength::Standard);
    // Out of the game's turn there is no hint to give.
    EXPECT_FALSE(Item(*table()->commands().BuildPopupMenu(0), command::Hint)->isEnabled());
}

TEST_F(Commands, SpeedsAreStoredAndChecked) {
    OpenWindow();
    const std::pair<int, int> speeds[] = {{command::SpeedFast, 1},
                                          {command::SpeedRatherFast, 5},
                                          {command::SpeedRatherSlow, 13},
                                          {command::SpeedSlow, 17},
                                          {command::SpeedNormal, 9}};
    for (auto [command, speed] : speeds) {
        table()->commands().Execute(command);
        EXPECT_EQ(store->ReadInt("Settei", "Speed", -1), speed);
        EXPECT_EQ(game().speed, speed);
        auto menu = table()->commands().BuildPopupMenu(1);
        EXPECT_TRUE(Item(*menu, command)->isChecked()) << speed;
    }
}

TEST_F(Commands, AutoStartToggledTwiceSaysSoAndEndsWhereItBegan) {
    OpenWindow();
    // The start-up's own hint comes first, from its timer.
    ASSERT_TRUE(QTest::qWaitFor([this] { return !renderer().initialising; }, 5000));
    shownTexts.clear();
    table()->commands().Execute(command::AutoStart);
    table()->commands().Execute(command::AutoStart);
    ASSERT_EQ(shownTexts.size(), 2u);
    const QString tail = QString::fromStdString(LoadString(30028));
    EXPECT_EQ(shownTexts[0], "自動スタートに設定しました\n" + tail);
    EXPECT_EQ(shownTexts[1], "自動スタートの設定を解除しました\n" + tail);
    EXPECT_EQ(store->ReadInt("Settei", "AutoStart", -1), 0);
}

TEST_F(Commands, AScreenSizeIsStoredAndSizesTheWindowFourByThree) {
    OpenWindow();
    table()->commands().Execute(command::Screen1024);  // 1024 X 768
    EXPECT_EQ(store->ReadInt("Settei", "Gamen", 0), 1024);
    EXPECT_EQ(frame->size(), QSize(1024, 768));
    EXPECT_FLOAT_EQ(renderer().scaleX, 1024.0f / 1200.0f);
    auto menu = table()->commands().BuildPopupMenu(1);
    EXPECT_TRUE(Item(*menu, command::Screen1024)->isChecked());
    table()->commands().Execute(command::Screen640);  // 640 X 480
    EXPECT_EQ(frame->size(), QSize(640, 480));
}

TEST_F(Commands, AStrayStoredWidthIsChosenAgainFromTheDesktop) {
    store->WriteInt("Settei", "Gamen", 1234);
    OpenWindow();
    int width = store->ReadInt("Settei", "Gamen", 0);
    EXPECT_TRUE(IsScreenWidth(width)) << width;
    EXPECT_EQ(frame->width(), width);
    EXPECT_EQ(frame->height(), width / 4 * 3);
}

TEST_F(Commands, ResettingTheCampaignAsksFirst) {
    OpenWindow();
    // The start-up hint comes first, so that it cannot arrive last.
    ASSERT_TRUE(QTest::qWaitFor([this] { return !renderer().initialising; }, 5000));
    SetOwner(*store, 0, 3);
    answerYes = false;
    table()->commands().Execute(command::ResetConquest);
    EXPECT_EQ(OwnerOf(*store, 0), 3);
    answerYes = true;
    table()->commands().Execute(command::ResetConquest);
    EXPECT_EQ(OwnerOf(*store, 0), Unowned);
    EXPECT_EQ(shownTexts.back(), QString::fromStdString(LoadString(30012)));
}

TEST_F(Commands, LeavingAMatchAsksAndNoKeepsTheWindowOpen) {
    store->WriteInt("Settei", "AutoStart", 1);
    store->WriteInt("Settei", "Speed", 17);
    OpenWindow();
    ASSERT_TRUE(QTest::qWaitFor([this] { return game().phase >= 1; }, 5000));
    answerYes = false;
    frame->close();
    EXPECT_TRUE(frame->isVisible());
    EXPECT_EQ(shownTexts.back(), QString::fromStdString(LoadString(30006)));
    answerYes = true;
    frame->close();
    EXPECT_FALSE(frame->isVisible());
    QtSettingsStore reread(folder.filePath("Tesseran.ini"));
    EXPECT_EQ(reread.ReadInt("Cun", "CunningView", -1), 0);
    EXPECT_EQ(reread.ReadInt("Cun", "Now", -1), 4);
}

TEST_F(Commands, BeforeAMatchTheWindowClosesWithoutAQuestion) {
    store->WriteInt("Settei", "RuleRem", 0);
    OpenWindow();
    shownTexts.clear();
    frame->close();
    EXPECT_FALSE(frame->isVisible());
    EXPECT_TRUE(shownTexts.empty());
}

}  // namespace
}  // namespace tesseran::testing
