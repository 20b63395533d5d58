// SPDX-License-Identifier: MIT
#include "app/QtSettingsStore.h"

#include "resources/QtText.h"

namespace tesseran {

namespace {

QString KeyOf(std::string_view section, std::string_view key) {
    return ToQString(section) + '/' + ToQString(key);
}

}  // namespace

QtSettingsStore::QtSettingsStore()
    : settings_(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, "Brindlewick",
                                            "Tesseran")) {}

QtSettingsStore::QtSettingsStore(const QString& iniPath)
    : settings_(std::make_unique<QSettings>(iniPath, QSettings::IniFormat)) {}

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
    return ToUtf8(value.toString());
}

void QtSettingsStore::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    settings_->setValue(KeyOf(section, key), ToQString(value));
}

void QtSettingsStore::Sync() { settings_->sync(); }

void QtSettingsStore::Refresh() { settings_->sync(); }

}  // namespace tesseran
