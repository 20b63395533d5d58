// SPDX-License-Identifier: MIT
// Loading the card sheet. The data file is a JPEG whose first four bytes are
// not the JPEG signature, so that it is not taken for a picture; the loader
// puts the signature back in a copy in the work folder, decodes the copy and
// deletes it again. The data file itself is only ever read.
#include "render/CardSheet.h"

#include "render/ImageFiles.h"
#include "resources/ProgramData.h"

#include <QFile>
#include <QFileInfo>

#include <utility>

namespace tesseran {

namespace {

constexpr char DataFileName[] = "TesseranSys.dll";

// The JPEG start-of-image marker and the start of the JFIF application marker.
constexpr char JpegSignature[4] = {'\xFF', '\xD8', '\xFF', '\xE0'};

// Deletes the transient copy however the load ends.
class RemoveOnExit {
public:
    explicit RemoveOnExit(QString path) : path_(std::move(path)) {}
    ~RemoveOnExit() { QFile::remove(path_); }
    RemoveOnExit(const RemoveOnExit&) = delete;
    RemoveOnExit& operator=(const RemoveOnExit&) = delete;

private:
    QString path_;
};

bool WriteSignature(const QString& path) {
    QFile copy(path);
    if (!copy.open(QIODevice::ReadWrite)) return false;
    return copy.write(JpegSignature, sizeof JpegSignature) == static_cast<qint64>(sizeof JpegSignature);
}

}  // namespace

QString CardSheetDataFile() { return ProgramDataPath(QLatin1String(DataFileName)); }

QImage LoadCardSheet(Messages& messages) { return LoadCardSheet(messages, CardSheetDataFile()); }

QImage LoadCardSheet(Messages& messages, const QString& dataFile) {
    if (!QFileInfo(dataFile).isFile()) return {};
    const QString folder = GetWorkFolder(messages);
    if (folder.isEmpty()) return {};
    const QString copy = folder + QLatin1Char('/') + QLatin1String(CardSheetCopyName);

    // QFile::copy never overwrites, and a read-only leftover could not be
    // patched, so any earlier copy goes first.
    QFile::remove(copy);
    if (!QFile::copy(dataFile, copy)) return {};
    RemoveOnExit removeCopy(copy);
    // An installed data file may be read-only, and the copy inherits that.
    QFile::setPermissions(copy, QFile::permissions(copy) | QFileDevice::WriteOwner | QFileDevice::ReadOwner);
    if (!WriteSignature(copy)) return {};

    // Named outright: the format is known, whatever the content claims.
    const QImage decoded = LoadPictureFile(copy, QByteArrayLiteral("jpeg"));
    if (decoded.isNull() || decoded.width() < CardSheetMinimumWidth ||
        decoded.height() < CardSheetMinimumHeight) {
        return {};
    }
    return decoded.convertToFormat(QImage::Format_RGB32);
}

}  // namespace tesseran
