// SPDX-License-Identifier: MIT
#include "app/MatchFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QUuid>
#include <QtGlobal>

namespace tesseran {

MatchFile::MatchFile(const QString& folder)
    : folder_(folder.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) : folder) {
}

QString MatchFile::path() const { return QDir(folder_).filePath(QLatin1String(FileName)); }

bool MatchFile::Save(const std::string& text) const {
    if (!QDir().mkpath(folder_)) return false;
    QSaveFile file(path());
    if (!file.open(QIODevice::WriteOnly)) return false;
    const auto length = static_cast<qint64>(text.size());
    if (file.write(text.data(), length) != length) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

std::optional<std::string> MatchFile::Load() const {
    const QFileInfo info(path());
    if (!info.exists()) return std::nullopt;
    QFile file(path());
    if (!info.isFile() || info.size() > LargestBytes || !file.open(QIODevice::ReadOnly)) return std::string();
    const QByteArray bytes = file.read(LargestBytes);
    return bytes.toStdString();
}

bool MatchFile::Remove() const { return !QFileInfo::exists(path()) || QFile::remove(path()); }

bool MatchFile::SetAside() const {
    const QString aside = QDir(folder_).filePath(QLatin1String(SetAsideName));
    if (QFileInfo::exists(aside) && !QFile::remove(aside)) return false;
    return QFile::rename(path(), aside);
}

std::string MatchFile::NewMatchId() {
    return QUuid::createUuid().toString(QUuid::WithoutBraces).toStdString();
}

void MatchFile::Keep(const MatchSnapshot& snapshot) {
    if (Save(WriteSnapshot(snapshot)) || failureLogged_) return;
    failureLogged_ = true;
    qWarning("The match in progress could not be saved to %s", qPrintable(path()));
}

void MatchFile::Discard() { Remove(); }

}  // namespace tesseran
