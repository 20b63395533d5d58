// SPDX-License-Identifier: MIT
// No stored value stops the game. For every value the program keeps, the
// settings file is written with that value wrong in every way a file can
// hold it (beyond any range, negative, at and past the 32- and 64-bit limits,
// text, empty, bytes of no text at all); then the game starts, a match begins,
// a trick is played, the conquest window opens and closes, and the window
// closes. Nothing may crash or hang, and what the program reads back is a
// value it can use.
#include "AppFixture.h"
#include "app/CommandIds.h"

#include "base/SettingsKeys.h"
#include "base/StringTable.h"
#include "conquest/CKunitori.h"
#include "dialogs/CMonSel.h"
#include "dialogs/CSelect.h"
#include "engine/Invariants.h"

#include <QAbstractButton>
#include <QDeadlineTimer>
#include <QFile>
#include <QGuiApplication>
#include <QScreen>

#include <cctype>
#include <string>
#include <vector>

namespace tesseran::testing {
namespace {

struct StoredKey {
    std::string section;
    std::string key;
    int defaultValue = 0;
    bool (*accepts)(int) = nullptr;
};

std::vector<StoredKey> EveryKey() {
    std::vector<StoredKey> keys;
    for (const IntSetting& s : setting::AllIntSettings)
        keys.push_back({std::string(s.section), std::string(s.key), s.defaultValue, s.accepts});
    for (const TextSetting& s : setting::AllTextSettings)
        keys.push_back({std::string(s.section), std::string(s.key)});
    // The campaign's own keys, one of each kind.
    keys.push_back({std::string(setting::OwnerSection), setting::OwnerKey(1)});
    keys.push_back({std::string(setting::BalanceSection), setting::BalanceKey(0)});
    return keys;
}

const QByteArray BadValues[] = {
    "99999",
    "-1",
    "-2147483648",
    "2147483648",
    "9223372036854775807",
    "-9223372036854775808",
    "fast",
    "",
    QByteArray("\x01\xff\xfe\x80\x7f\"@\\\x00\x1b[", 12),
};

class BadSettings : public AppFixture, public ::testing::WithParamInterface<StoredKey> {
protected:
    void WriteSettingsFile(const StoredKey& bad, const QByteArray& value) {
        QByteArray contents;
        auto add = [&contents](const std::string& section, const std::string& key, const QByteArray& text) {
            contents += "[" + QByteArray::fromStdString(section) + "]\n" + QByteArray::fromStdString(key) +
                        "=" + text + "\n";
        };
        add(bad.section, bad.key, value);
        // Quiet and without remarks, unless that is the value under test.
        for (const char* quiet : {"Koukaon", "DspRem", "RuleRem"}) {
            if (bad.key != quiet) add("Settei", quiet, "0");
        }
        QFile file(folder.filePath("Tesseran.ini"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(contents);
    }

    // Answers whatever dialog is up: the entry dialog with the first entry,
    // the suit dialog with its choice; the conquest window is closed once it
    // has been seen.
    void AnswerDialogs() {
        dialogs.setInterval(5);
        QObject::connect(&dialogs, &QTimer::timeout, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* conquest = qobject_cast<CKunitori*>(modal)) {
                conquestOpened = true;
                conquest->close();
            } else if (auto* suit = qobject_cast<CMonSel*>(modal)) {
                suit->accept();
            } else if (auto* entry = qobject_cast<CSelect*>(modal)) {
                for (auto* button : entry->findChildren<QAbstractButton*>()) {
                    if (button->text().contains(QString::fromStdString(RosterName(3)))) {
                        button->click();
                        break;
                    }
                }
            }
        });
        dialogs.start();
    }

    QTimer dialogs;
    bool conquestOpened = false;
};

TEST_P(BadSettings, TheGameStartsPlaysATrickOpensTheConquestAndCloses) {
    const StoredKey& bad = GetParam();
    for (const QByteArray& value : BadValues) {
        SCOPED_TRACE(bad.section + "/" + bad.key + "=" + value.toHex().toStdString());
        WriteSettingsFile(bad, value);
        // Each value starts the game afresh: the match the last one left is dropped.
        QFile::remove(MatchFile().path());
        store = std::make_unique<QtSettingsStore>(folder.filePath("Tesseran.ini"));
        conquestOpened = false;
        AnswerMessageBoxes([](const QString&) { return true; });
        AnswerDialogs();
        OpenWindow();
        ASSERT_TRUE(frame->isVisible());
        EXPECT_TRUE(setting::IsSpeed(game().speed));
        PlayWithoutPauses();
        ASSERT_TRUE(QTest::qWaitFor([this] { return !renderer().initialising; }, 5000));
        if (game().phase == 0) table()->commands().Execute(command::Start);
        ASSERT_TRUE(QTest::qWaitFor([this] { return game().phase == 1; }, 5000));

        // The human plays when the turn comes; the first trick is over once
        // every hand has given a card (with the computers playing without
        // pauses, the next trick may have begun by the time this looks).
        const QDeadlineTimer deadline(10000);
        auto trickDone = [this] {
            for (int seat = 0; seat < SeatCount; ++seat)
                if (game().handCount[seat] > HandSize - 1) return false;
            return true;
        };
        while (!trickDone() && !deadline.hasExpired()) {
            QTest::qWait(2);
            auto& g = game();
            if (g.currentSeat != HumanSeat || g.busy != 1 || !g.HumanMayPlay() ||
                QApplication::activeModalWidget() != nullptr || g.handCount[HumanSeat] != HandSize)
                continue;
            const int position = LegalPosition();
            ASSERT_GE(position, 0);
            while (g.markedCard != position) Key(g.markedCard < position ? Qt::Key_Right : Qt::Key_Left);
            Key(Qt::Key_Return);
        }
        ASSERT_TRUE(trickDone()) << "no trick was played";
        EXPECT_EQ(CheckInvariants(game()), std::nullopt);

        table()->commands().Execute(command::Conquest);
        EXPECT_TRUE(conquestOpened);

        frame->close();
        ASSERT_TRUE(QTest::qWaitFor([this] { return !frame->isVisible(); }, 5000));
        table()->StopTurnTimer();
        frame.reset();
        dialogs.stop();
        answerer.reset();

        // What the program reads back now is a value it can use: repaired,
        // or (no whole number at all) read as the default.
        QtSettingsStore reread(folder.filePath("Tesseran.ini"));
        if (bad.accepts != nullptr) {
            EXPECT_TRUE(bad.accepts(reread.ReadInt(bad.section, bad.key, bad.defaultValue)));
        }
        const QRect desktop = QGuiApplication::primaryScreen()->availableGeometry();
        EXPECT_LE(reread.Read(setting::ConquestWidth), desktop.width() + 50);
        EXPECT_LE(reread.Read(setting::ConquestHeight), desktop.height() + 50);
    }
}

INSTANTIATE_TEST_SUITE_P(EveryKey, BadSettings, ::testing::ValuesIn(EveryKey()),
                         [](const ::testing::TestParamInfo<StoredKey>& each) {
                             std::string name = each.param.section + "_" + each.param.key;
                             for (char& c : name)
                                 if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                             return name;
                         });

}  // namespace
}  // namespace tesseran::testing
