// SPDX-License-Identifier: MIT
#include "app/QtSettingsStore.h"

#include "resources/QtText.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace tesseran {

namespace {

QString KeyOf(std::string_view section, std::string_view key) {
    return ToQString(section) + '/' + ToQString(key);
}

// Qt writes the file beside itself under a name with six more characters
// and renames it over the old one; a copy older than this was left by a
// process that was killed while writing.
constexpr int StaleTemporaryCopySeconds = 10;

}  // namespace

QtSettingsStore::QtSettingsStore()
    : settings_(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, "Brindlewick",
                                            "Tesseran")) {
    DropOverlongValues();
}

QtSettingsStore::QtSettingsStore(const QString& iniPath)
    : settings_(std::make_unique<QSettings>(iniPath, QSettings::IniFormat)) {
    DropOverlongValues();
}

void QtSettingsStore::DropOverlongValues() {
    // Every save writes the whole file: a value of megabytes (edited in, or
    // damage) would make each of them crawl. None the program keeps is near
    // the limit.
    bool dropped = false;
    for (const QString& key : settings_->allKeys()) {
        const QVariant value = settings_->value(key);
        qsizetype length = 0;
        if (value.typeId() == QMetaType::QByteArray) {
            length = value.toByteArray().size();
        } else if (value.typeId() == QMetaType::QStringList) {
            length = value.toStringList().join(QLatin1Char(',')).size();
        } else {
            length = value.toString().size();
        }
        if (length > LongestValue) {
            settings_->remove(key);
            dropped = true;
        }
    }
    if (dropped) settings_->sync();
}

void QtSettingsStore::RemoveStaleTemporaryCopies() {
    const QFileInfo file(settings_->fileName());
    const QDir folder = file.absoluteDir();
    const QDateTime stale = QDateTime::currentDateTime().addSecs(-StaleTemporaryCopySeconds);
    for (const QFileInfo& copy :
         folder.entryInfoList({file.fileName() + QStringLiteral(".??????")}, QDir::Files | QDir::Hidden)) {
        if (copy.lastModified() < stale) QFile::remove(copy.absoluteFilePath());
    }
}

int QtSettingsStore::ReadInt(std::string_view section, std::string_view key, int defaultValue) {
    QVariant value = settings_->value(KeyOf(section, key));
    if (!value.isValid()) return defaultValue;
    bool ok = false;
    // A hand-edited value that is not a whole number reads as absent.
    qlonglong number = value.toLongLong(&ok);
    if (!ok || number < INT32_MIN || number > INT32_MAX) return defaultValue;
    return static_cast<int>(number);
}

void QtSettingsStore::WriteInt(std::string_view section, std::string_view key, int value) {
    settings_->setValue(KeyOf(section, key), value);
}

std::string QtSettingsStore::ReadString(std::string_view section, std::string_view key,
                                        std::string_view defaultValue) {
    QVariant value = settings_->value(KeyOf(section, key));
    if (!value.isValid()) return std::string(defaultValue);
    const QString text = value.toString();
    if (text.size() > LongestValue) return std::string(defaultValue);
    return ToUtf8(text);
}

void QtSettingsStore::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    if (value.size() > static_cast<size_t>(LongestValue)) return;
    settings_->setValue(KeyOf(section, key), ToQString(value));
}

void QtSettingsStore::Sync() { settings_->sync(); }

void QtSettingsStore::Refresh() { settings_->sync(); }

}  // namespace tesseran
