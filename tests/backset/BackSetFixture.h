// SPDX-License-Identifier: MIT
// What the card-back dialog's tests share: a work folder in a temporary
// TMPDIR, an in-memory settings store, a recording host and a card sheet made
// in memory whose four preset cells are flat, easily told colours.
#pragma once

#include "base/StringTable.h"
#include "dialogs/CBackSet.h"
#include "render/CardBacks.h"
#include "render/CardSheet.h"
#include "support/TestHost.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <memory>
#include <vector>

namespace tesseran::testing {

// Colours of the preset cells (codes 11, 22, 33, 34); none of them is the
// frame colour RGB(120, 120, 60), so a frame line always shows.
inline constexpr std::array<QRgb, 4> PresetColours = {0xffc82828u, 0xff28c828u, 0xff2828c8u, 0xffc8c828u};
inline constexpr QRgb OtherCellColour = 0xff5a5a5au;

inline QImage FlatPresetSheet() {
    QImage sheet(CardSheetMinimumWidth, CardSheetMinimumHeight, QImage::Format_RGB32);
    sheet.fill(OtherCellColour);
    for (size_t preset = 0; preset < PresetColours.size(); ++preset) {
        const QRect cell = CardCell(PresetBackCodes[preset]);
        for (int y = cell.top(); y <= cell.bottom(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(sheet.scanLine(y));
            std::fill(line + cell.left(), line + cell.right() + 1, PresetColours[preset]);
        }
    }
    return sheet;
}

// The largest difference of one colour channel: JPEG round trips move colours a little.
inline int ChannelDistance(QRgb a, QRgb b) {
    return std::max(
        {std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
}

// Pixels on the outermost ring of the image that have exactly this colour.
inline int BorderPixelsOfColour(const QImage& image, QRgb colour) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const bool border = x == 0 || y == 0 || x == image.width() - 1 || y == image.height() - 1;
            if (border && image.pixel(x, y) == colour) ++count;
        }
    }
    return count;
}

class BackSetTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(temporary.isValid());
        hadTemporaryVariable = qEnvironmentVariableIsSet("TMPDIR");
        savedTemporaryVariable = qgetenv("TMPDIR");
        // The work folder lives in the system's temporary folder; the tests
        // move that into a folder of their own before anything asks for it.
        qputenv("TMPDIR", QFile::encodeName(temporary.path()));
        workFolder = temporary.path() + "/Tesseran";
        ASSERT_TRUE(QDir().mkpath(workFolder));
        customBack = workFolder + "/CardBack.jpg";
        cache = workFolder + "/CardBack.bmp";
        pictures = temporary.path() + "/pictures";
        ASSERT_TRUE(QDir().mkpath(pictures));
    }

    void TearDown() override {
        dialog.reset();
        if (hadTemporaryVariable) {
            qputenv("TMPDIR", savedTemporaryVariable);
        } else {
            qunsetenv("TMPDIR");
        }
    }

    void Store(int backSet, int frame) {
        settings.WriteInt("Last", "BackSet", backSet);
        settings.WriteInt("Last", "CardWaku", frame);
    }

    CBackSet& Open() {
        dialog = std::make_unique<CBackSet>(sheet, backs, settings, host,
                                            [this](int waveId) { clicks.push_back(waveId); });
        return *dialog;
    }

    CBackSet& OpenShown() {
        CBackSet& opened = Open();
        opened.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&opened));
        return opened;
    }

    // Writes image as a picture file in the pictures folder; its path.
    QString WritePicture(const QString& name, const QImage& image, const char* format = nullptr) {
        const QString path = pictures + "/" + name;
        EXPECT_TRUE(image.save(path, format)) << name.toStdString();
        return path;
    }

    QString WriteBytes(const QString& name, const QByteArray& bytes) {
        const QString path = pictures + "/" + name;
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        return path;
    }

    // A JPEG of one flat colour, as a player's own picture.
    QString FlatPicture(const QString& name, QRgb colour, QSize size = QSize(300, 200)) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(colour);
        return WritePicture(name, image, "JPEG");
    }

    bool MessageShown(int id) const {
        return std::any_of(host.messages.begin(), host.messages.end(),
                           [id](const TestHost::Shown& shown) { return shown.text == LoadString(id); });
    }

    QTemporaryDir temporary;
    QString workFolder;
    QString customBack;
    QString cache;
    QString pictures;
    const QImage sheet = FlatPresetSheet();
    MemorySettingsStore settings;
    TestHost host;
    CardBacks backs{sheet, settings, host};
    std::vector<int> clicks;
    std::unique_ptr<CBackSet> dialog;
    bool hadTemporaryVariable = false;
    QByteArray savedTemporaryVariable;
};

}  // namespace tesseran::testing
