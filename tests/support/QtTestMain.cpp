// SPDX-License-Identifier: MIT
// The main of the Qt-side test executables: GoogleTest inside a QApplication,
// so that fonts, painting, widgets and timers work under the offscreen platform.
#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // The program's data folder (where a match in progress is kept) is the
    // run's own, never the user's.
    QTemporaryDir data;
    qputenv("XDG_DATA_HOME", data.path().toUtf8());
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
