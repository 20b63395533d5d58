// SPDX-License-Identifier: MIT
// The window's settings store: values survive a new store on the same file,
// including the peek window's hand strings, and hand-edited nonsense reads as
// the default.
#include "app/QtSettingsStore.h"

#include <QFile>
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

}  // namespace
}  // namespace tesseran
