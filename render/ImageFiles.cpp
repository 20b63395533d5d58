// SPDX-License-Identifier: MIT
// Reading and writing picture files with Qt's image plugins, and GIF files
// with giflib (Qt has no GIF writer). Failures reach the player as the
// program's message boxes; nothing here throws.
#include "render/ImageFiles.h"
#include "base/ResourceIds.h"
#include "base/StringTable.h"

#include <QBuffer>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QSaveFile>
#include <QUrl>

#include <gif_lib.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <unordered_map>
#include <vector>

namespace tesseran {

namespace {

constexpr qint64 AllocationLimitBytes = static_cast<qint64>(PictureAllocationLimitMegabytes) * 1024 * 1024;

// The largest side a GIF can describe (its sizes are 16-bit fields).
constexpr int GifMaximumSide = 65535;

void Show(Messages& messages, int id, MessageIcon icon) { messages.ShowMessage(LoadString(id), icon); }

bool FitsAllocationLimit(qint64 width, qint64 height) {
    return width > 0 && height > 0 && width * height * 4 <= AllocationLimitBytes;
}

// --- Palette for GIF files -------------------------------------------------
//
// A GIF holds at most 256 colours. Pictures with no more than that (maps,
// drawings, card backs with flat colours) keep their colours exactly; others
// get a median-cut palette over a 15-bit colour histogram, which keeps the
// colours that cover most of the picture and is deterministic.

struct Palette {
    std::vector<QRgb> colours;
    std::vector<std::uint8_t> indices;  // one per pixel, row after row
};

int HistogramKey(QRgb colour) {
    return ((qRed(colour) >> 3) << 10) | ((qGreen(colour) >> 3) << 5) | (qBlue(colour) >> 3);
}

bool ExactPalette(const QImage& image, Palette& palette) {
    std::unordered_map<QRgb, std::uint8_t> seen;
    palette.indices.resize(static_cast<size_t>(image.width()) * image.height());
    size_t next = 0;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb colour = line[x] | 0xff000000u;
            auto found = seen.find(colour);
            if (found == seen.end()) {
                if (seen.size() == 256) return false;
                found = seen.emplace(colour, static_cast<std::uint8_t>(seen.size())).first;
                palette.colours.push_back(colour);
            }
            palette.indices[next++] = found->second;
        }
    }
    return true;
}

struct HistogramBin {
    int key = 0;
    qint64 count = 0;
    qint64 red = 0;
    qint64 green = 0;
    qint64 blue = 0;
};

int BinChannel(const HistogramBin& bin, int channel) { return (bin.key >> (10 - 5 * channel)) & 31; }

Palette MedianCutPalette(const QImage& image) {
    std::vector<HistogramBin> histogram(32768);
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            HistogramBin& bin = histogram[HistogramKey(line[x])];
            ++bin.count;
            bin.red += qRed(line[x]);
            bin.green += qGreen(line[x]);
            bin.blue += qBlue(line[x]);
        }
    }
    std::vector<HistogramBin> bins;
    for (int key = 0; key < 32768; ++key) {
        if (histogram[key].count == 0) continue;
        histogram[key].key = key;
        bins.push_back(histogram[key]);
    }

    // A box is a range of bins; the box to split next is the one whose
    // longest colour extent, weighted by its pixel count, is largest.
    struct Box {
        size_t begin;
        size_t end;
    };
    auto extent = [&](const Box& box, int& widestChannel) {
        int widest = -1;
        for (int channel = 0; channel < 3; ++channel) {
            int low = 31;
            int high = 0;
            for (size_t index = box.begin; index < box.end; ++index) {
                low = std::min(low, BinChannel(bins[index], channel));
                high = std::max(high, BinChannel(bins[index], channel));
            }
            if (high - low > widest) {
                widest = high - low;
                widestChannel = channel;
            }
        }
        return widest;
    };
    std::vector<Box> boxes{{0, bins.size()}};
    while (boxes.size() < 256) {
        size_t chosen = boxes.size();
        double chosenWeight = 0;
        int chosenChannel = 0;
        for (size_t index = 0; index < boxes.size(); ++index) {
            if (boxes[index].end - boxes[index].begin < 2) continue;
            int channel = 0;
            const int widest = extent(boxes[index], channel);
            qint64 pixels = 0;
            for (size_t bin = boxes[index].begin; bin < boxes[index].end; ++bin) pixels += bins[bin].count;
            const double weight = static_cast<double>(widest) * static_cast<double>(pixels);
            if (widest > 0 && weight > chosenWeight) {
                chosen = index;
                chosenWeight = weight;
                chosenChannel = channel;
            }
        }
        if (chosen == boxes.size()) break;
        Box box = boxes[chosen];
        std::sort(bins.begin() + static_cast<std::ptrdiff_t>(box.begin),
                  bins.begin() + static_cast<std::ptrdiff_t>(box.end),
                  [&](const HistogramBin& a, const HistogramBin& b) {
                      return BinChannel(a, chosenChannel) < BinChannel(b, chosenChannel);
                  });
        qint64 total = 0;
        for (size_t bin = box.begin; bin < box.end; ++bin) total += bins[bin].count;
        qint64 running = 0;
        size_t split = box.begin + 1;
        for (size_t bin = box.begin; bin + 1 < box.end; ++bin) {
            running += bins[bin].count;
            split = bin + 1;
            if (running * 2 >= total) break;
        }
        boxes[chosen] = {box.begin, split};
        boxes.push_back({split, box.end});
    }

    Palette palette;
    std::vector<std::uint8_t> binIndex(32768, 0);
    for (const Box& box : boxes) {
        qint64 count = 0, red = 0, green = 0, blue = 0;
        for (size_t bin = box.begin; bin < box.end; ++bin) {
            count += bins[bin].count;
            red += bins[bin].red;
            green += bins[bin].green;
            blue += bins[bin].blue;
            binIndex[bins[bin].key] = static_cast<std::uint8_t>(palette.colours.size());
        }
        palette.colours.push_back(qRgb(static_cast<int>(red / count), static_cast<int>(green / count),
                                       static_cast<int>(blue / count)));
    }
    palette.indices.resize(static_cast<size_t>(image.width()) * image.height());
    size_t next = 0;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) palette.indices[next++] = binIndex[HistogramKey(line[x])];
    }
    return palette;
}

int WriteGifBytes(GifFileType* gif, const GifByteType* data, int length) {
    auto* device = static_cast<QIODevice*>(gif->UserData);
    return static_cast<int>(device->write(reinterpret_cast<const char*>(data), length));
}

// Writes an opaque RGB32 image as a GIF to the open device; false when a
// write failed.
bool WriteGif(const QImage& image, QIODevice& device) {
    Palette palette;
    if (!ExactPalette(image, palette)) palette = MedianCutPalette(image);

    const int mapSize = 1 << GifBitSize(static_cast<int>(palette.colours.size()));
    std::vector<GifColorType> entries(static_cast<size_t>(mapSize), GifColorType{0, 0, 0});
    for (size_t index = 0; index < palette.colours.size(); ++index) {
        entries[index] = GifColorType{static_cast<GifByteType>(qRed(palette.colours[index])),
                                      static_cast<GifByteType>(qGreen(palette.colours[index])),
                                      static_cast<GifByteType>(qBlue(palette.colours[index]))};
    }
    std::unique_ptr<ColorMapObject, void (*)(ColorMapObject*)> colourMap(
        GifMakeMapObject(mapSize, entries.data()), GifFreeMapObject);
    if (!colourMap) return false;

    int error = 0;
    GifFileType* gif = EGifOpen(&device, WriteGifBytes, &error);
    if (gif == nullptr) return false;
    bool written = EGifPutScreenDesc(gif, image.width(), image.height(), 8, 0, colourMap.get()) == GIF_OK &&
                   EGifPutImageDesc(gif, 0, 0, image.width(), image.height(), false, nullptr) == GIF_OK;
    for (int y = 0; written && y < image.height(); ++y) {
        written = EGifPutLine(gif, palette.indices.data() + static_cast<size_t>(y) * image.width(),
                              image.width()) == GIF_OK;
    }
    // Closing writes the trailer and frees the handle even after an error.
    const bool closed = EGifCloseFile(gif, &error) == GIF_OK;
    return written && closed;
}

}  // namespace

QString GetWorkFolder(Messages& messages, const QString& subfolder) {
    const QString temporary = QDir::tempPath();
    QString folder;
    bool available = !temporary.isEmpty();
    if (available) {
        folder = temporary + QLatin1Char('/') + QLatin1String(WorkFolderName);
        if (!subfolder.isEmpty()) folder += QLatin1Char('/') + subfolder;
        // mkpath succeeds when the folder is already there.
        available = QDir().mkpath(folder) && QFileInfo(folder).isDir();
    }
    if (!available) {
        Show(messages, text::NoWorkFolder, MessageIcon::Stop);
        return {};
    }
    return folder;
}

namespace {

// Follows a JPEG stream piece by piece. Inside the compressed data a 0xFF
// byte is always followed by 0x00 or a restart marker, so an end-of-image
// marker after the last start of scan is the real end. Data after it (a
// second picture) does no harm.
class JpegEndTracker {
public:
    void Feed(QByteArrayView part) {
        for (const char byte : part) {
            const auto value = static_cast<quint8>(byte);
            if (afterMarkerByte_) {
                if (value == 0xDA) {
                    scanSeen_ = true;
                    endSeen_ = false;
                    scanAt_ = position_ - 1;
                } else if (value == 0xD9 && scanSeen_ && position_ - 1 >= scanAt_ + 2) {
                    endSeen_ = true;
                }
            }
            afterMarkerByte_ = value == 0xFF;
            ++position_;
        }
    }
    bool Complete() const { return scanSeen_ && endSeen_; }

private:
    qint64 position_ = 0;
    qint64 scanAt_ = 0;
    bool afterMarkerByte_ = false;
    bool scanSeen_ = false;
    bool endSeen_ = false;
};

// The first 54 bytes of a BMP file and its whole length.
bool BmpComplete(QByteArrayView header, qint64 length) {
    if (header.size() < 54) return false;
    auto number = [&header](int at, int width) {
        quint32 value = 0;
        for (int index = width - 1; index >= 0; --index)
            value = (value << 8) | static_cast<quint8>(header[at + index]);
        return value;
    };
    const qint64 declared = number(2, 4);
    if (declared > length) return false;
    // Pixels stored uncompressed (plain or with bit fields) fill whole rows
    // of four-byte groups, from the pixel offset on.
    const qint64 headerSize = number(14, 4);
    const quint32 compression = number(30, 4);
    if (headerSize >= 40 && (compression == 0 || compression == 3)) {
        const qint64 width = std::abs(static_cast<qint64>(static_cast<qint32>(number(18, 4))));
        const qint64 height = std::abs(static_cast<qint64>(static_cast<qint32>(number(22, 4))));
        const qint64 bits = number(28, 2);
        const qint64 stride = (width * bits + 31) / 32 * 4;
        const qint64 offset = number(10, 4);
        // Compared by division: a damaged header's sizes multiply past 64 bits.
        if (offset > length || (stride > 0 && height > (length - offset) / stride)) return false;
    }
    return true;
}

// Qt decodes a file cut short as far as it goes and paints the rest grey; the
// two formats the program writes itself are checked for their end. `read`
// gives the picture's bytes from the start, a piece at a time, or nothing at
// the end.
bool EndsWhereItShould(const QByteArray& decoder, qint64 length, const std::function<QByteArray()>& read) {
    if (decoder == "jpeg") {
        JpegEndTracker tracker;
        for (QByteArray part = read(); !part.isEmpty(); part = read()) tracker.Feed(part);
        return tracker.Complete();
    }
    if (decoder == "bmp") return BmpComplete(read().left(54), length);
    return true;
}

// Decodes what `device` holds (`length` bytes, from its start); `reread`
// gives the same bytes again for the completeness check.
QImage DecodeFrom(QIODevice& device, qint64 length, const QByteArray& format, int within,
                  const std::function<QByteArray()>& reread) {
    // With a format named, Qt uses that decoder without looking at the
    // signature; otherwise it recognises the format from the content.
    QImageReader reader(&device, format);
    reader.setAllocationLimit(PictureAllocationLimitMegabytes);
    // Photographs from phones record their orientation separately; the player
    // expects to see them upright.
    reader.setAutoTransform(true);
    const QSize size = reader.size();
    if (size.isValid() && !FitsAllocationLimit(size.width(), size.height())) return {};
    if (!EndsWhereItShould(reader.format(), length, reread)) return {};

    if (within > 0 && size.isValid() && std::max(size.width(), size.height()) > within) {
        // JPEG shrinks while decoding and never holds the whole picture;
        // other formats are decoded whole first, which only pictures of a
        // sensible size may cost.
        if (!reader.supportsOption(QImageIOHandler::ScaledSize) &&
            static_cast<qint64>(size.width()) * size.height() > LargestWholeDecodePixels) {
            return {};
        }
        reader.setScaledSize(size.scaled(within, within, Qt::KeepAspectRatio));
    }
    QImage image;
    if (!reader.read(&image) || image.isNull()) return {};
    return image;
}

}  // namespace

QImage DecodePicture(const QByteArray& data, const QByteArray& format, int within) {
    if (data.isEmpty() || data.size() > AllocationLimitBytes) return {};
    QByteArray bytes = data;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    bool given = false;
    return DecodeFrom(buffer, bytes.size(), format, within, [&bytes, &given] {
        if (given) return QByteArray();
        given = true;
        return bytes;
    });
}

QImage LoadPictureFile(const QString& path, const QByteArray& format, int within) {
    // Read from the file as the decoder goes, never held whole: the card
    // backs' cache alone is five megabytes.
    QFile file(path);
    // A folder opens as an empty file; it is no picture either.
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) return {};
    const qint64 length = file.size();
    if (length <= 0 || length > AllocationLimitBytes) return {};
    QFile again(path);
    if (!again.open(QIODevice::ReadOnly)) return {};
    constexpr qint64 Piece = 64 * 1024;
    return DecodeFrom(file, length, format, within, [&again] { return again.read(Piece); });
}

bool SaveBitmapAs(const QImage& image, const QString& path, int width, int height, const QString& formatWord,
                  Messages& messages) {
    static const std::array<QString, 5> formats = {QStringLiteral("jpeg"), QStringLiteral("gif"),
                                                   QStringLiteral("bmp"), QStringLiteral("png"),
                                                   QStringLiteral("tiff")};
    const QString format = formatWord.toLower();
    const bool known = std::find(formats.begin(), formats.end(), format) != formats.end();
    if (!known || image.isNull() || !FitsAllocationLimit(width, height) ||
        (format == QLatin1String("gif") && (width > GifMaximumSide || height > GifMaximumSide))) {
        Show(messages, text::OutOfMemory, MessageIcon::Stop);
        return false;
    }

    // Only PNG and TIFF keep see-through areas; the others are written opaque.
    const bool keepsAlpha = format == QLatin1String("png") || format == QLatin1String("tiff");
    QImage prepared = image.convertToFormat(
        keepsAlpha && image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    if (!prepared.isNull() && prepared.size() != QSize(width, height)) {
        prepared = prepared.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    if (prepared.isNull()) {
        Show(messages, text::OutOfMemory, MessageIcon::Stop);
        return false;
    }

    // The file is written beside its final name and renamed only when
    // complete, so a failed save never leaves half a picture behind.
    QSaveFile file(path);
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly)) {
        Show(messages, text::CannotSave, MessageIcon::Stop);
        return false;
    }
    bool written = false;
    if (format == QLatin1String("gif")) {
        written = WriteGif(prepared.convertToFormat(QImage::Format_RGB32), file);
    } else {
        QImageWriter writer(&file, format.toLatin1());
        if (format == QLatin1String("jpeg")) writer.setQuality(100);
        written = writer.write(prepared);
        if (!written && writer.error() == QImageWriter::UnsupportedFormatError) {
            file.cancelWriting();
            Show(messages, text::OutOfMemory, MessageIcon::Stop);
            return false;
        }
    }
    if (!written) file.cancelWriting();
    if (!file.commit() || !written) {
        Show(messages, text::CannotSave, MessageIcon::Stop);
        return false;
    }
    return true;
}

QString ImageFormatFromName(const QString& path, Messages& messages) {
    const qsizetype stop = path.lastIndexOf(QLatin1Char('.'));
    const QString extension = stop < 0 ? QString() : path.mid(stop + 1).toLower();
    if (extension == QLatin1String("jpg") || extension == QLatin1String("jpeg"))
        return QStringLiteral("jpeg");
    if (extension == QLatin1String("gif") || extension == QLatin1String("bmp") ||
        extension == QLatin1String("png")) {
        return extension;
    }
    if (extension == QLatin1String("tif") || extension == QLatin1String("tiff"))
        return QStringLiteral("tiff");
    Show(messages, text::UnsupportedFileType, MessageIcon::Information);
    return {};
}

QImage LoadImageViaGdiplus(const QString& path, Messages& messages, int within) {
    const QImage picture = LoadPictureFile(path, {}, within);
    if (picture.isNull()) return {};

    // The see-through areas take the colour of the top-left pixel, made opaque.
    const QColor topLeft = picture.pixelColor(0, 0);
    QImage flattened(picture.size(), QImage::Format_RGB32);
    if (flattened.isNull()) return {};
    flattened.fill(qRgb(topLeft.red(), topLeft.green(), topLeft.blue()));
    {
        QPainter painter(&flattened);
        painter.drawImage(0, 0, picture);
    }

    const QString folder = GetWorkFolder(messages);
    if (folder.isEmpty()) return {};
    const QString temporary = folder + QLatin1Char('/') + QLatin1String(FlattenedPictureName);
    if (!SaveBitmapAs(flattened, temporary, flattened.width(), flattened.height(), QStringLiteral("jpeg"),
                      messages)) {
        return {};
    }
    return LoadPictureFile(temporary);
}

QImage OpenPictureChosenByUser(const QString& path, Messages& messages, int within) {
    const QString format = ImageFormatFromName(path, messages);
    if (format.isEmpty()) return {};
    if (format == QLatin1String("jpeg")) {
        QImage picture = LoadPictureFile(path, {}, within);
        if (!picture.isNull()) return picture;
    }
    return LoadImageViaGdiplus(path, messages, within);
}

bool DeleteCustomBackCopy(Messages& messages) {
    const QString folder = GetWorkFolder(messages);
    if (folder.isEmpty()) return false;
    const QString copy = folder + QLatin1Char('/') + QLatin1String(CustomBackName);
    if (!QFileInfo::exists(copy)) return false;
    // A copy that cannot be deleted is replaced on the next save anyway.
    QFile::remove(copy);
    return true;
}

bool OpenFolderOf(const QString& path, Messages& messages) {
    const QString folder = QFileInfo(path).absolutePath();
    if (QDesktopServices::openUrl(QUrl::fromLocalFile(folder))) return true;
    Show(messages, text::CannotOpenFolder, MessageIcon::Stop);
    return false;
}

QFont SelectBoldFont(const QString& faceName) {
    // A Windows face name holds at most 31 characters.
    const QString face = faceName.isEmpty() ? QStringLiteral("Meiryo UI") : faceName.left(31);
    QStringList families{face};
    for (const QString& fallback : {QStringLiteral("Noto Sans CJK JP"), QStringLiteral("IPAGothic")}) {
        if (QFontDatabase::hasFamily(fallback)) families.append(fallback);
    }
    // Without the face itself, the first installed Japanese font stands in, so
    // that the Japanese texts of saved pictures never fall back to boxes.
    if (!QFontDatabase::hasFamily(face) && families.size() > 1) families.removeFirst();
    QFont font(families.first());
    font.setFamilies(families);
    font.setPointSize(20);
    font.setWeight(QFont::Bold);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    return font;
}

}  // namespace tesseran
