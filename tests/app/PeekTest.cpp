// SPDX-License-Identifier: MIT
// The peek window: the hand strings it reads, the window following "Now",
// the real peek process closing on 4, and the game side's start of the peek
// process, including a stale "CunningView".
#include "AppFixture.h"

#include "app/PeekWindow.h"
#include "base/StringTable.h"

#include <QProcess>

namespace tesseran::testing {
namespace {

TEST(ParseHandString, ReadsUpToTenCardsAndStopsAtTheFirstEmptyOrBadPart) {
    EXPECT_EQ(ParseHandString("3,14,25,"), (std::vector<int>{3, 14, 25}));
    EXPECT_EQ(ParseHandString(""), std::vector<int>{});
    EXPECT_EQ(ParseHandString("0,1,,5,"), (std::vector<int>{0, 1}));
    EXPECT_EQ(ParseHandString("1,2,x,4"), (std::vector<int>{1, 2}));
    EXPECT_EQ(ParseHandString("1,11,4"), (std::vector<int>{1}));     // 11 is no card
    EXPECT_EQ(ParseHandString("4294967297,1"), std::vector<int>{});  // 2^32 + 1 is no card 1
    EXPECT_EQ(ParseHandString("1,2,3,4,5,6,7,8,9,10,12,13,"),
              (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
}

class PeekWindowTest : public ::testing::Test {
protected:
    QTemporaryDir folder;
    QString path = folder.filePath("Tesseran.ini");
    QtSettingsStore writer{path};
    QtSettingsStore reader{path};
    QImage sheet = [] {
        QImage image(1661, 860, QImage::Format_RGB32);
        image.fill(Qt::darkGreen);
        return image;
    }();
};

TEST_F(PeekWindowTest, TitleAndSizeFollowTheSeatTheGameAsksFor) {
    writer.WriteInt("Cun", "Now", 2);
    writer.WriteString("Cun", "Name", "松風刑部");
    writer.WriteString("Cun", "2", "1,2,3,");
    writer.WriteString("Cun", "1", "12,13,14,15,16,");
    writer.Sync();
    PeekWindow window(reader, sheet);
    window.Poll();
    EXPECT_EQ(window.windowTitle(), "松風刑部");
    EXPECT_EQ(window.size(), QSize(3 * 30 + 123, 215));
    EXPECT_EQ(window.cards(), (std::vector<int>{1, 2, 3}));

    writer.WriteInt("Cun", "Now", 1);
    writer.WriteString("Cun", "Name", "鳰海弾正");
    writer.Sync();
    window.Poll();
    EXPECT_EQ(window.windowTitle(), "鳰海弾正");
    EXPECT_EQ(window.size(), QSize(5 * 30 + 123, 215));
}

TEST_F(PeekWindowTest, AnEmptyHandKeepsWhatIsShown) {
    writer.WriteInt("Cun", "Now", 0);
    writer.WriteString("Cun", "0", "5,6,");
    writer.Sync();
    PeekWindow window(reader, sheet);
    window.Poll();
    writer.WriteString("Cun", "0", "");
    writer.Sync();
    window.Poll();
    EXPECT_EQ(window.cards(), (std::vector<int>{5, 6}));
}

TEST_F(PeekWindowTest, NowFourClosesTheWindowAndTellsTheGame) {
    writer.WriteInt("Cun", "CunningView", 1);
    writer.WriteInt("Cun", "Now", 4);
    writer.Sync();
    PeekWindow window(reader, sheet);
    window.show();
    window.Poll();
    EXPECT_FALSE(window.isVisible());
    QtSettingsStore reread(path);
    EXPECT_EQ(reread.ReadInt("Cun", "CunningView", -1), 0);
}

// Watches a real peek process through the title and size lines it logs.
class PeekProcess : public ::testing::Test {
protected:
    void SetUp() override {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_CONFIG_HOME", home.filePath("config"));
        environment.insert("TMPDIR", home.path());
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("QT_LOGGING_RULES", "tesseran.peek.debug=true");
        environment.remove("QT_MESSAGE_PATTERN");
        peek.setProcessEnvironment(environment);
    }
    void TearDown() override {
        if (peek.state() != QProcess::NotRunning) {
            peek.kill();
            peek.waitForFinished(3000);
        }
    }

    void Show(int seat, const char* name, const char* hand) {
        channel.WriteString("Cun", std::to_string(seat), hand);
        channel.WriteString("Cun", "Name", name);
        channel.WriteInt("Cun", "Now", seat);
        channel.Sync();
    }

    // Whether the process logs `line` within the time allowed.
    bool Logs(const QString& line, int milliseconds) {
        return QTest::qWaitFor(
            [&] {
                log += QString::fromUtf8(peek.readAllStandardError());
                return log.split('\n').contains(line);
            },
            milliseconds);
    }

    QTemporaryDir home;
    QtSettingsStore channel{home.filePath("config/Brindlewick/Tesseran.conf")};
    QProcess peek;
    QString log;
};

TEST_F(PeekProcess, TitleAndSizeFollowNowWithinASecondAndFourClosesIt) {
    Show(1, "鳰海弾正", "7,8,9,");
    peek.start(TESSERAN_EXECUTABLE, {"/W"});
    ASSERT_TRUE(peek.waitForStarted(5000));
    ASSERT_TRUE(Logs("tesseran.peek: title 鳰海弾正", 5000)) << log.toStdString();
    ASSERT_TRUE(Logs("tesseran.peek: size 213 215", 1000)) << log.toStdString();

    log.clear();
    Show(2, "松風刑部", "1,2,3,4,5,");
    EXPECT_TRUE(Logs("tesseran.peek: title 松風刑部", 1000)) << log.toStdString();
    EXPECT_TRUE(Logs("tesseran.peek: size 273 215", 1000)) << log.toStdString();

    log.clear();
    Show(0, "白根左京", "20,21,");
    EXPECT_TRUE(Logs("tesseran.peek: title 白根左京", 1000)) << log.toStdString();
    EXPECT_TRUE(Logs("tesseran.peek: size 183 215", 1000)) << log.toStdString();
    EXPECT_EQ(peek.state(), QProcess::Running);

    channel.WriteInt("Cun", "Now", 4);
    channel.Sync();
    ASSERT_TRUE(peek.waitForFinished(3000)) << "the peek process did not close on 4";
    EXPECT_EQ(peek.exitStatus(), QProcess::NormalExit);
    channel.Refresh();
    EXPECT_EQ(channel.ReadInt("Cun", "CunningView", -1), 0);
}

class PeekCommand : public AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        store->WriteInt("Settei", "AutoStart", 1);
        store->WriteInt("Settei", "Speed", 17);
        AnswerMessageBoxes([](const QString&) { return true; });
        OpenWindow();
        ASSERT_TRUE(QTest::qWaitFor([this] { return game().phase >= 1; }, 5000));
        table()->StopTurnTimer();
        table()->peekChannel().startProcess = [this](qint64* processId) {
            ++starts;
            *processId = peekProcessId;
            return startSucceeds;
        };
    }
    int starts = 0;
    qint64 peekProcessId = QCoreApplication::applicationPid();  // a process that certainly runs
    bool startSucceeds = true;
};

TEST_F(PeekCommand, StartsThePeekProcessOnceAndThenOnlyChangesTheSeat) {
    table()->Peek(2);
    EXPECT_EQ(starts, 1);
    EXPECT_EQ(store->ReadInt("Cun", "CunningView", 0), 1);
    EXPECT_EQ(store->ReadInt("Cun", "Now", -1), 2);
    EXPECT_EQ(store->ReadString("Cun", "Name", ""), game().participantName[game().participantAt[2]]);
    table()->Peek(1);
    EXPECT_EQ(starts, 1);
    EXPECT_EQ(store->ReadInt("Cun", "Now", -1), 1);
}

TEST_F(PeekCommand, TheNameFollowsWhoeverSitsAtTheSeatAfterASwap) {
    table()->Peek(1);
    // Battle 2 seats two players anew: another participant now sits across.
    std::swap(game().participantAt[1], game().participantAt[2]);
    std::swap(game().hand[1], game().hand[2]);
    std::swap(game().handCount[1], game().handCount[2]);
    table()->Repaint(TableLayer::Changed);
    store->Refresh();
    EXPECT_EQ(store->ReadString("Cun", "Name", ""), game().participantName[game().participantAt[1]]);

    // The window shows that name even where the hand it shows did not change.
    PeekWindow window(*store, QImage(1661, 860, QImage::Format_RGB32));
    window.Poll();
    store->WriteString("Cun", "Name", "鳰海弾正");
    store->Sync();
    window.Poll();
    EXPECT_EQ(window.windowTitle(), "鳰海弾正");
}

TEST_F(PeekCommand, AStaleCunningViewDoesNotBlockPeeking) {
    // A process id that no longer names a running process.
    QProcess finished;
    finished.start("true");
    ASSERT_TRUE(finished.waitForFinished(5000));
    const qint64 endedProcess = finished.processId() > 0 ? finished.processId() : 999999;

    // A peek process of an earlier run died without closing its window.
    store->WriteInt("Cun", "CunningView", 1);
    peekProcessId = endedProcess;
    table()->Peek(0);
    EXPECT_EQ(starts, 1);
    // The one this window started ended the same way: the next press starts another.
    table()->Peek(1);
    EXPECT_EQ(starts, 2);
    // While the peek process runs, a press only changes the seat.
    peekProcessId = QCoreApplication::applicationPid();
    table()->Peek(2);
    EXPECT_EQ(starts, 3);
    table()->Peek(0);
    EXPECT_EQ(starts, 3);
    EXPECT_EQ(store->ReadInt("Cun", "Now", -1), 0);
}

TEST_F(PeekCommand, ASeatWithoutCardsStartsNothingAndAFailedStartSaysSo) {
    game().handCount[1] = 0;
    table()->Peek(1);
    EXPECT_EQ(starts, 0);
    EXPECT_EQ(store->ReadInt("Cun", "Now", -1), 1);
    startSucceeds = false;
    table()->Peek(0);
    EXPECT_EQ(starts, 1);
    EXPECT_EQ(store->ReadInt("Cun", "CunningView", 0), 0);
    ASSERT_FALSE(shownTexts.empty());
    EXPECT_EQ(shownTexts.back(), QString::fromStdString(LoadString(30055)));
}

}  // namespace
}  // namespace tesseran::testing
