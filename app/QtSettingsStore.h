// SPDX-License-Identifier: MIT
// The settings store of the window: QSettings in the user's native format
// under the company "Brindlewick" and the application "Tesseran" (an INI file
// on Linux), one group per section.
//
// Qt commits what was written at the next turn of the event loop, or at once
// on Sync(); values written one after the other with no event-loop turn in
// between land in the file together.
#pragma once

#include "base/SettingsStore.h"

#include <QSettings>

#include <memory>

namespace tesseran {

class QtSettingsStore : public SettingsStore {
public:
    // The user's store of the program.
    QtSettingsStore();
    // A store in an INI file of our choosing (tests).
    explicit QtSettingsStore(const QString& iniPath);

    int ReadInt(std::string_view section, std::string_view key, int defaultValue) override;
    void WriteInt(std::string_view section, std::string_view key, int value) override;
    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) override;
    void WriteString(std::string_view section, std::string_view key, std::string_view value) override;
    void Sync() override;

    // Rereads what another process may have written (the peek window's poll).
    void Refresh();
    QString fileName() const { return settings_->fileName(); }

    // Removes the half-written copies of the file that a process killed while
    // saving left beside it. Only the game does this, once it is sure to be
    // the only copy running.
    void RemoveStaleTemporaryCopies();

    // The longest text value kept, in characters; longer ones read as absent,
    // are not written, and are dropped from the file when it is opened.
    static constexpr qsizetype LongestValue = 4096;

private:
    void DropOverlongValues();

    std::unique_ptr<QSettings> settings_;
};

}  // namespace tesseran
