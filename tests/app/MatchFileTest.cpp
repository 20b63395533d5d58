// SPDX-License-Identifier: MIT
// The file a match in progress is kept in: a snapshot goes in and comes back
// whole, a new one replaces the old without leaving anything beside it, a
// missing, oversized or damaged file never passes for a snapshot, and a bad
// one is set aside, the newest only.
#include "app/MatchFile.h"
#include "base/SettingsStore.h"
#include "engine/MatchSnapshot.h"
#include "players/CFudaDashi.h"
#include "tools/common/SilentHost.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tesseran::testing {
namespace {

std::string SnapshotOfAStartedMatch(const std::string& id) {
    SilentHost host;
    MemorySettingsStore settings;
    CFudaDashi view(host, settings);
    settings.WriteInt("Settei", "AutoStart", 1);
    view.StartUp();
    EXPECT_TRUE(view.StartGame());
    return WriteSnapshot(MatchSnapshot{id, view, {}, {}});
}

TEST(MatchFile, KeepsTheNewestSnapshotWholeAndNothingBesideIt) {
    QTemporaryDir home;
    const MatchFile file(home.filePath("data/Tesseran"));  // made when first written
    EXPECT_EQ(file.Load(), std::nullopt);

    const std::string first = SnapshotOfAStartedMatch("first");
    const std::string second = SnapshotOfAStartedMatch("second");
    ASSERT_TRUE(file.Save(first));
    ASSERT_TRUE(file.Save(second));
    ASSERT_TRUE(file.Load());
    const SnapshotReading reading = ReadSnapshot(*file.Load());
    ASSERT_TRUE(reading.snapshot) << reading.error;
    EXPECT_EQ(reading.snapshot->matchId, "second");
    EXPECT_EQ(QDir(home.filePath("data/Tesseran")).entryList(QDir::Files), QStringList{"match.json"});

    ASSERT_TRUE(file.Remove());
    EXPECT_EQ(file.Load(), std::nullopt);
    EXPECT_TRUE(file.Remove());
}

TEST(MatchFile, AnOversizedOrDamagedFileIsNoSnapshotAndIsSetAsideNewestOnly) {
    QTemporaryDir home;
    const MatchFile file(home.path());
    {
        QFile big(file.path());
        ASSERT_TRUE(big.open(QIODevice::WriteOnly));
        big.write(QByteArray(MatchFile::LargestBytes + 1, '{'));
    }
    ASSERT_TRUE(file.Load());
    EXPECT_FALSE(ReadSnapshot(*file.Load()).snapshot);
    ASSERT_TRUE(file.SetAside());

    const std::string cut = SnapshotOfAStartedMatch("cut").substr(0, 200);
    ASSERT_TRUE(file.Save(cut));
    EXPECT_FALSE(ReadSnapshot(*file.Load()).snapshot);
    ASSERT_TRUE(file.SetAside());
    EXPECT_EQ(file.Load(), std::nullopt);
    QFile aside(home.filePath(MatchFile::SetAsideName));
    ASSERT_TRUE(aside.open(QIODevice::ReadOnly));
    EXPECT_EQ(aside.readAll().toStdString(), cut);  // the newest bad one only
}

}  // namespace
}  // namespace tesseran::testing
