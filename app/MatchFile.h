// SPDX-License-Identifier: MIT
// Where a match in progress is kept between runs of the program: match.json
// in the program's data folder ($XDG_DATA_HOME/Brindlewick/Tesseran). It is
// written through QSaveFile (a temporary file beside it, flushed, then
// renamed over the old one), so a kill at any instant leaves the previous
// snapshot or the new one, never a torn one. A snapshot that cannot be used
// is moved aside to match.json.bad (only the newest is kept) rather than
// deleted, so that it can still be looked at.
#pragma once

#include "engine/MatchKeeper.h"

#include <QString>

#include <optional>
#include <string>

namespace tesseran {

// The window's sink of snapshots: each is written over the last, and the
// file goes when the match is credited.
class MatchFile : public SnapshotSink {
public:
    static constexpr char FileName[] = "match.json";
    static constexpr char SetAsideName[] = "match.json.bad";
    // Far beyond any snapshot (a few kilobytes): a larger file is no snapshot
    // of ours and is not read into memory.
    static constexpr qint64 LargestBytes = 1024 * 1024;

    // folder: where the file lies; the program's data folder when empty.
    explicit MatchFile(const QString& folder = {});

    QString path() const;
    // Writes the text atomically, making the folder if need be; false when
    // it could not be written (the previous file then stays as it was).
    bool Save(const std::string& text) const;
    // The file's text; nothing when there is no file. An unreadable or
    // oversized file reads as an empty text, which no snapshot is.
    std::optional<std::string> Load() const;
    // Removes the file; true when it is gone.
    bool Remove() const;
    // Moves the file to match.json.bad, replacing an older one there.
    bool SetAside() const;

    // --- SnapshotSink ------------------------------------------------------
    // A random id (a UUID): no two matches anywhere share one.
    std::string NewMatchId() override;
    // A snapshot that cannot be written (a full disk, a folder taken away)
    // leaves the last one in place and play goes on; the first failure is
    // logged.
    void Keep(const MatchSnapshot& snapshot) override;
    void Discard() override;

private:
    QString folder_;
    bool failureLogged_ = false;
};

}  // namespace tesseran
