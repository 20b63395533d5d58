// SPDX-License-Identifier: MIT
#include "resources/ProgramData.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

// The installed data folder as seen from the installed executable's folder;
// the build sets it from the install layout.
#ifndef TESSERAN_DATA_FROM_BIN
#define TESSERAN_DATA_FROM_BIN "../share/tesseran"
#endif

namespace tesseran {

QStringList ProgramDataFolders() {
    const QDir programFolder(QCoreApplication::applicationDirPath());
    QStringList folders{programFolder.path(),
                        QDir::cleanPath(programFolder.filePath(QStringLiteral(TESSERAN_DATA_FROM_BIN)))};
    for (const QString& shared : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation)) {
        folders.append(QDir(shared).filePath(QStringLiteral("tesseran")));
    }
    folders.removeDuplicates();
    return folders;
}

QString ProgramDataPath(const QString& name) {
    const QStringList folders = ProgramDataFolders();
    for (const QString& folder : folders) {
        const QString path = QDir(folder).filePath(name);
        if (QFileInfo::exists(path)) return path;
    }
    return QDir(folders.front()).filePath(name);
}

}  // namespace tesseran
