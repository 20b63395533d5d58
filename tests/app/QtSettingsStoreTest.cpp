// SPDX-License-Identifier: MIT
// The window's settings store: values survive a new store on the same file,
// including the peek window's hand strings, and hand-edited nonsense reads as
// the default.
#include "app/QtSettingsStore.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tesseran {
namespace {

TEST(QtSettingsStore, ValuesSurviveInTheFileByGroupAndKey) {
    QTemporaryDir folder;
    const QString path = folder.filePath("Tesseran.ini");
    {
        QtSettingsStore store(path);
        store.WriteInt("Settei", "Speed", 13);
        store.WriteInt("Owner", "Kuni10", 5);
        store.WriteString("Cun", "0", "3,14,25,");
        store.WriteString("Cun", "Name", "鳴海大膳");
        store.WriteString("Cun", "1", "");
        store.Sync();
    }
    QtSettingsStore store(path);
    EXPECT_EQ(store.ReadInt("Settei", "Speed", 9), 13);
    EXPECT_EQ(store.ReadInt("Owner", "Kuni10", 10), 5);
    EXPECT_EQ(store.ReadString("Cun", "0", "x"), "3,14,25,");
    EXPECT_EQ(store.ReadString("Cun", "Name", ""), "鳴海大膳");
    EXPECT_EQ(store.ReadString("Cun", "1", "x"), "");
    EXPECT_EQ(store.ReadInt("Settei", "Missing", 42), 42);
    EXPECT_EQ(store.ReadString("Cun", "2", "none"), "none");
}

TEST(QtSettingsStore, AnotherProcessesWritesAreSeenAfterARefresh) {
    QTemporaryDir folder;
    const QString path = folder.filePath("Tesseran.ini");
    QtSettingsStore reader(path);
    EXPECT_EQ(reader.ReadInt("Cun", "Now", 0), 0);
    QtSettingsStore writer(path);
    writer.WriteInt("Cun", "Now", 2);
    writer.Sync();
    reader.Refresh();
    EXPECT_EQ(reader.ReadInt("Cun", "Now", 0), 2);
}

TEST(QtSettingsStore, HandEditedValuesThatAreNoNumbersReadAsTheDefault) {
    QTemporaryDir folder;
    const QString path = folder.filePath("Tesseran.ini");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[Settei]\nSpeed=fast\nGamen=99999999999\nKoukaon=0\n");
    file.close();
    QtSettingsStore store(path);
    EXPECT_EQ(store.ReadInt("Settei", "Speed", 9), 9);
    EXPECT_EQ(store.ReadInt("Settei", "Gamen", 1000), 1000);
    EXPECT_EQ(store.ReadInt("Settei", "Koukaon", 1), 0);
}

TEST(QtSettingsStore, AValueOfMegabytesIsDroppedSoSavesStaySmall) {
    QTemporaryDir folder;
    const QString path = folder.filePath("Tesseran.ini");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[Cun]\nName=" + QByteArray(8 * 1024 * 1024, 'x') + "\n0=\"3,14,\"\n");
    file.close();
    {
        QtSettingsStore store(path);
        EXPECT_EQ(store.ReadString("Cun", "Name", "none"), "none");
        EXPECT_EQ(store.ReadString("Cun", "0", ""), "3,14,");
        store.WriteString("Cun", "1", std::string(100000, 'y'));
        EXPECT_EQ(store.ReadString("Cun", "1", "none"), "none");
        store.Sync();
    }
    EXPECT_LT(QFileInfo(path).size(), 1000);
}

TEST(QtSettingsStore, HalfWrittenCopiesLeftByAKillAreRemovedWhenStale) {
    QTemporaryDir folder;
    const QString path = folder.filePath("Tesseran.ini");
    auto leave = [&folder](const QString& name, int secondsAgo) {
        QFile copy(folder.filePath(name));
        if (!copy.open(QIODevice::WriteOnly)) return;
        copy.write("[Settei]\nSpe");
        copy.flush();
        copy.setFileTime(QDateTime::currentDateTime().addSecs(-secondsAgo),
                         QFileDevice::FileModificationTime);
    };
    leave("Tesseran.ini.aB3xYz", 3600);
    leave("Tesseran.ini.Qw9e8R", 0);  // another process may be saving right now
    leave("Tesseran.ini.bak", 3600);  // not ours: no six-character suffix of Qt's
    leave("Other.ini.aB3xYz", 3600);
    QtSettingsStore store(path);
    store.RemoveStaleTemporaryCopies();
    EXPECT_FALSE(QFileInfo::exists(folder.filePath("Tesseran.ini.aB3xYz")));
    EXPECT_TRUE(QFileInfo::exists(folder.filePath("Tesseran.ini.Qw9e8R")));
    EXPECT_TRUE(QFileInfo::exists(folder.filePath("Tesseran.ini.bak")));
    EXPECT_TRUE(QFileInfo::exists(folder.filePath("Other.ini.aB3xYz")));
}

}  // namespace
}  // namespace tesseran
