// SPDX-License-Identifier: MIT
// The compiled-in pictures, sounds, cursors and icons, checked through the
// resource store: every number the game uses is there at the size the table
// layout expects, see-through colours sit where they belong and nowhere
// inside a figure, and every wave is a short 16-bit mono PCM sound.
#include "resources/Language.h"
#include "resources/ResourceStore.h"

#include <QFile>
#include <QImage>
#include <QSet>
#include <QtEndian>
#include <QtTest>

#include <map>
#include <vector>

namespace {

constexpr QRgb Purple = 0xff666699u;
constexpr QRgb Mint = 0xff99ff99u;
constexpr QRgb Blue = 0xff0066ccu;
constexpr QRgb Red = 0xffff0000u;
constexpr QRgb Maroon = 0xff800000u;
constexpr QRgb White = 0xffffffffu;

QRgb Opaque(QRgb pixel) { return pixel | 0xff000000u; }

int CountNotKey(const QImage& image, const QRect& area, QRgb key) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (Opaque(image.pixel(x, y)) != key) ++count;
        }
    }
    return count;
}

// Key-coloured pixels that cannot be reached from the picture's edge through
// other key-coloured pixels: holes punched into a figure.
int CountEnclosedKeyPixels(const QImage& image, QRgb key) {
    const int width = image.width(), height = image.height();
    std::vector<char> reached(static_cast<size_t>(width * height), 0);
    std::vector<QPoint> pending;
    auto visit = [&](int x, int y) {
        if (x < 0 || y < 0 || x >= width || y >= height) return;
        char& seen = reached[static_cast<size_t>(y * width + x)];
        if (seen || Opaque(image.pixel(x, y)) != key) return;
        seen = 1;
        pending.emplace_back(x, y);
    };
    for (int x = 0; x < width; ++x) {
        visit(x, 0);
        visit(x, height - 1);
    }
    for (int y = 0; y < height; ++y) {
        visit(0, y);
        visit(width - 1, y);
    }
    while (!pending.empty()) {
        const QPoint point = pending.back();
        pending.pop_back();
        visit(point.x() + 1, point.y());
        visit(point.x() - 1, point.y());
        visit(point.x(), point.y() + 1);
        visit(point.x(), point.y() - 1);
    }
    int enclosed = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (Opaque(image.pixel(x, y)) == key && !reached[static_cast<size_t>(y * width + x)]) ++enclosed;
        }
    }
    return enclosed;
}

struct WaveFormat {
    bool riff = false;
    quint16 format = 0;
    quint16 channels = 0;
    quint32 sampleRate = 0;
    quint16 bitsPerSample = 0;
    QByteArray samples;
};

WaveFormat ParseWave(const QByteArray& bytes) {
    WaveFormat wave;
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE") return wave;
    wave.riff = true;
    qsizetype at = 12;
    while (at + 8 <= bytes.size()) {
        const QByteArray id = bytes.mid(at, 4);
        const quint32 length = qFromLittleEndian<quint32>(bytes.constData() + at + 4);
        const char* body = bytes.constData() + at + 8;
        if (at + 8 + static_cast<qsizetype>(length) > bytes.size()) break;
        if (id == "fmt " && length >= 16) {
            wave.format = qFromLittleEndian<quint16>(body);
            wave.channels = qFromLittleEndian<quint16>(body + 2);
            wave.sampleRate = qFromLittleEndian<quint32>(body + 4);
            wave.bitsPerSample = qFromLittleEndian<quint16>(body + 14);
        } else if (id == "data") {
            wave.samples = QByteArray(body, length);
        }
        at += 8 + length + (length % 2);
    }
    return wave;
}

int LoudestSample(const QByteArray& samples) {
    int loudest = 0;
    for (qsizetype at = 0; at + 1 < samples.size(); at += 2) {
        loudest = std::max(loudest,
                           std::abs(static_cast<int>(qFromLittleEndian<qint16>(samples.constData() + at))));
    }
    return loudest;
}

}  // namespace

class ResourceStoreTest : public QObject {
    Q_OBJECT

private slots:
    void BitmapHasTheSizeTheTableExpects_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<QSize>("size");
        QTest::newRow("106 entry picture") << 106 << QSize(326, 458);
        QTest::newRow("130 remaining-cards panel") << 130 << QSize(175, 138);
        QTest::newRow("134 game caption") << 134 << QSize(115, 26);
        QTest::newRow("136 selection marker") << 136 << QSize(20, 18);
        QTest::newRow("137 status banners") << 137 << QSize(163, 260);
        QTest::newRow("146 clubs icon") << 146 << QSize(47, 53);
        QTest::newRow("147 diamonds icon") << 147 << QSize(47, 53);
        QTest::newRow("148 hearts icon") << 148 << QSize(47, 53);
        QTest::newRow("149 spades icon") << 149 << QSize(47, 53);
        QTest::newRow("152 turn marker") << 152 << QSize(34, 34);
        QTest::newRow("154 name plates") << 154 << QSize(198, 340);
        QTest::newRow("165 toolbar") << 165 << QSize(163, 32);
        QTest::newRow("167 partner marker") << 167 << QSize(64, 34);
        QTest::newRow("168 lead marker") << 168 << QSize(64, 34);
        QTest::newRow("169 segment digits") << 169 << QSize(176, 27);
        QTest::newRow("170 game numbers") << 170 << QSize(210, 26);
        QTest::newRow("171 battle caption") << 171 << QSize(115, 26);
        QTest::newRow("172 battle numbers") << 172 << QSize(69, 26);
        QTest::newRow("173 trump balloon") << 173 << QSize(74, 38);
        QTest::newRow("174 speech balloon") << 174 << QSize(74, 38);
        QTest::newRow("175 right signs") << 175 << QSize(80, 37);
        QTest::newRow("177 peek pictures") << 177 << QSize(48, 16);
        QTest::newRow("179 cancel button") << 179 << QSize(32, 32);
        QTest::newRow("180 save button") << 180 << QSize(32, 32);
    }

    void BitmapHasTheSizeTheTableExpects() {
        QFETCH(int, id);
        QFETCH(QSize, size);
        const QImage bitmap = tesseran::LoadBitmap(id);
        QVERIFY2(!bitmap.isNull(), qPrintable(QStringLiteral("bitmap %1 is missing").arg(id)));
        QCOMPARE(bitmap.size(), size);
    }

    void EveryCatalogueEntryLoads() {
        for (const tesseran::BitmapDescription& description : tesseran::BitmapCatalogue) {
            QVERIFY2(!tesseran::LoadBitmap(description.id).isNull(),
                     qPrintable(QString::number(description.id)));
        }
    }

    void NumbersTheProgramDoesNotCarryGiveNullImages_data() {
        QTest::addColumn<int>("id");
        QTest::newRow("182, named by the suit dialog's OK button but never drawn") << 182;
        QTest::newRow("163, the conquest map, drawn by the conquest window") << 163;
        QTest::newRow("zero") << 0;
        QTest::newRow("negative") << -1;
    }

    void NumbersTheProgramDoesNotCarryGiveNullImages() {
        QFETCH(int, id);
        QVERIFY(tesseran::LoadBitmap(id).isNull());
        QVERIFY(tesseran::LoadTransparentBitmap(id).isNull());
        QVERIFY(!QFile::exists(QStringLiteral(":/bitmaps/%1.png").arg(id)));
    }

    void KeyColourFramesTheFigure_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<uint>("key");
        QTest::addColumn<bool>("figureHasNoHoles");
        // The digits and the framed panel enclose background by design: the
        // inside of a 0, the panel inside its rim.
        QTest::newRow("130 panel on blue") << 130 << uint(Blue) << false;
        QTest::newRow("136 selection marker on white") << 136 << uint(White) << true;
        QTest::newRow("146 clubs icon on mint") << 146 << uint(Mint) << true;
        QTest::newRow("147 diamonds icon on mint") << 147 << uint(Mint) << true;
        QTest::newRow("148 hearts icon on mint") << 148 << uint(Mint) << true;
        QTest::newRow("149 spades icon on mint") << 149 << uint(Mint) << true;
        QTest::newRow("152 turn marker on purple") << 152 << uint(Purple) << true;
        QTest::newRow("154 name plates on white") << 154 << uint(White) << true;
        QTest::newRow("167 partner marker on purple") << 167 << uint(Purple) << true;
        QTest::newRow("168 lead marker on purple") << 168 << uint(Purple) << true;
        QTest::newRow("169 digits on blue") << 169 << uint(Blue) << false;
        QTest::newRow("173 trump balloon on purple") << 173 << uint(Purple) << true;
        QTest::newRow("174 speech balloon on purple") << 174 << uint(Purple) << true;
        QTest::newRow("175 right signs on red") << 175 << uint(Red) << true;
        QTest::newRow("177 peek pictures on maroon") << 177 << uint(Maroon) << true;
    }

    void KeyColourFramesTheFigure() {
        QFETCH(int, id);
        QFETCH(uint, key);
        QFETCH(bool, figureHasNoHoles);
        const QImage bitmap = tesseran::LoadBitmap(id);
        QVERIFY(!bitmap.isNull());
        const int right = bitmap.width() - 1, bottom = bitmap.height() - 1;
        for (const QPoint corner :
             {QPoint(0, 0), QPoint(right, 0), QPoint(0, bottom), QPoint(right, bottom)}) {
            QCOMPARE(Opaque(bitmap.pixel(corner)), QRgb(key));
        }
        const int drawn = CountNotKey(bitmap, bitmap.rect(), key);
        QVERIFY2(drawn > bitmap.width() * bitmap.height() / 10,
                 qPrintable(QStringLiteral("only %1 pixels drawn").arg(drawn)));
        QVERIFY2(drawn < bitmap.width() * bitmap.height(), "the key colour does not show anywhere");
        QCOMPARE(tesseran::BitmapKeyColour(id).value_or(0), QRgb(key));
        if (figureHasNoHoles) QCOMPARE(CountEnclosedKeyPixels(bitmap, key), 0);
    }

    void OpaquePicturesHaveNoKeyColour_data() {
        QTest::addColumn<int>("id");
        QTest::newRow("106") << 106;
        QTest::newRow("134") << 134;
        QTest::newRow("137") << 137;
        QTest::newRow("165") << 165;
        QTest::newRow("170") << 170;
        QTest::newRow("171") << 171;
        QTest::newRow("172") << 172;
    }

    void OpaquePicturesHaveNoKeyColour() {
        QFETCH(int, id);
        QVERIFY(!tesseran::BitmapKeyColour(id).has_value());
        const QImage bitmap = tesseran::LoadBitmap(id);
        QVERIFY(!bitmap.hasAlphaChannel());
        QCOMPARE(tesseran::LoadTransparentBitmap(id), bitmap);
    }

    void SuitIconsCoverAllButTheirCorners() {
        // The trump icon is copied without transparency beside the counters;
        // the key green may show only in the four corner pixels.
        for (int id = 146; id <= 149; ++id) {
            const QImage icon = tesseran::LoadBitmap(id);
            QCOMPARE(CountNotKey(icon, icon.rect(), Mint), icon.width() * icon.height() - 4);
        }
        QVERIFY(tesseran::LoadBitmap(146) != tesseran::LoadBitmap(147));
        QVERIFY(tesseran::LoadBitmap(148) != tesseran::LoadBitmap(149));
    }

    void EveryNamePlateCellHoldsAPlate() {
        const QImage plates = tesseran::LoadBitmap(154);
        for (int row = 0; row < 10; ++row) {
            for (int column = 0; column < 3; ++column) {
                const QRect cell(66 * column, 34 * row, 66, 34);
                QCOMPARE(Opaque(plates.pixel(cell.topLeft())), White);
                QCOMPARE(Opaque(plates.pixel(cell.bottomRight())), White);
                QVERIFY(CountNotKey(plates, cell, White) > cell.width() * cell.height() / 2);
            }
        }
        // Each roster entry has its own name, so no two rows are alike.
        QSet<QByteArray> rows;
        for (int row = 0; row < 10; ++row) {
            const QImage strip = plates.copy(0, 34 * row, 66, 34);
            rows.insert(QByteArray(reinterpret_cast<const char*>(strip.constBits()), strip.sizeInBytes()));
        }
        QCOMPARE(rows.size(), 10);
    }

    void GlyphStripsHaveOneGlyphPerCell_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<int>("cellWidth");
        QTest::addColumn<int>("cells");
        QTest::newRow("169 digits and minus") << 169 << 16 << 11;
        QTest::newRow("170 game numbers 1..10") << 170 << 21 << 10;
        QTest::newRow("172 battle numbers 1..3") << 172 << 23 << 3;
    }

    void GlyphStripsHaveOneGlyphPerCell() {
        QFETCH(int, id);
        QFETCH(int, cellWidth);
        QFETCH(int, cells);
        const QImage strip = tesseran::LoadBitmap(id);
        QSet<QByteArray> seen;
        for (int cell = 0; cell < cells; ++cell) {
            const QImage glyph = strip.copy(cell * cellWidth, 0, cellWidth, strip.height());
            seen.insert(QByteArray(reinterpret_cast<const char*>(glyph.constBits()), glyph.sizeInBytes()));
        }
        QCOMPARE(seen.size(), cells);
    }

    void NumberGlyphsJoinTheirCaptionWithoutASeam_data() {
        QTest::addColumn<int>("captionId");
        QTest::addColumn<int>("gapX");
        QTest::addColumn<int>("glyphsId");
        QTest::addColumn<int>("glyphWidth");
        QTest::newRow("game number into 第 … ゲーム") << 134 << 32 << 170 << 21;
        QTest::newRow("battle number into 戦目") << 171 << 22 << 172 << 23;
    }

    void NumberGlyphsJoinTheirCaptionWithoutASeam() {
        // The glyph's outer columns must match the caption's columns on
        // either side of the gap, or a line would show where it was pasted.
        QFETCH(int, captionId);
        QFETCH(int, gapX);
        QFETCH(int, glyphsId);
        QFETCH(int, glyphWidth);
        const QImage caption = tesseran::LoadBitmap(captionId);
        const QImage glyphs = tesseran::LoadBitmap(glyphsId);
        for (int y = 0; y < caption.height(); ++y) {
            QCOMPARE(glyphs.pixel(0, y), caption.pixel(gapX - 1, y));
            QCOMPARE(glyphs.pixel(glyphWidth - 1, y), caption.pixel(gapX + glyphWidth, y));
        }
    }

    // In English the pictures with lettering are English ones of the same
    // size (the others stay), and the counters' numbers join the English
    // captions without a seam at the place the captions give.
    void InEnglishTheLetteredPicturesAreEnglishAndTheNumbersJoinTheirCaptions() {
        std::map<int, QImage> japanese;
        for (const tesseran::BitmapDescription& description : tesseran::BitmapCatalogue)
            japanese[description.id] = tesseran::LoadBitmap(description.id);
        tesseran::UseLanguage(tesseran::Language::English);
        QList<int> english;
        for (const auto& [id, picture] : japanese) {
            const QImage own = tesseran::LoadBitmap(id);
            QCOMPARE(own.size(), picture.size());
            if (own != picture) english << id;
        }
        QCOMPARE(english, (QList<int>{106, 130, 134, 137, 154, 167, 168, 171, 172, 173, 174, 180}));
        const struct {
            int caption;
            int glyphs;
            int glyphWidth;
        } counters[] = {{134, 170, 21}, {171, 172, 23}};
        for (const auto& counter : counters) {
            const QImage caption = tesseran::LoadBitmap(counter.caption);
            const QImage glyphs = tesseran::LoadBitmap(counter.glyphs);
            bool given = false;
            const int gap = caption.text(QStringLiteral("NumberGap")).toInt(&given);
            QVERIFY2(given, "an English caption says where its number goes");
            QVERIFY(gap > 0 && gap + counter.glyphWidth < caption.width());
            for (int y = 0; y < caption.height(); ++y) {
                QCOMPARE(glyphs.pixel(0, y), caption.pixel(gap - 1, y));
                QCOMPARE(glyphs.pixel(counter.glyphWidth - 1, y), caption.pixel(gap + counter.glyphWidth, y));
            }
        }
        tesseran::UseLanguage(tesseran::Language::Japanese);
    }

    void StatusBannersAreTenDistinctRows() {
        const QImage banners = tesseran::LoadBitmap(137);
        QSet<QByteArray> rows;
        for (int row = 0; row < 10; ++row) {
            const QImage strip = banners.copy(0, 26 * row, 115, 26);
            rows.insert(QByteArray(reinterpret_cast<const char*>(strip.constBits()), strip.sizeInBytes()));
        }
        QCOMPARE(rows.size(), 10);
    }

    void ButtonPicturesAreSeeThroughAroundTheirFigure_data() {
        QTest::addColumn<int>("id");
        QTest::newRow("179 cancel") << 179;
        QTest::newRow("180 save") << 180;
    }

    void ButtonPicturesAreSeeThroughAroundTheirFigure() {
        QFETCH(int, id);
        const QImage picture = tesseran::LoadBitmap(id);
        QVERIFY(picture.hasAlphaChannel());
        QCOMPARE(qAlpha(picture.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(picture.pixel(31, 0)), 0);
        QCOMPARE(qAlpha(picture.pixel(16, 16)), 255);
    }

    void KeyColourToAlphaClearsExactlyTheKey() {
        QImage image(3, 1, QImage::Format_RGB32);
        image.setPixel(0, 0, Purple);
        image.setPixel(1, 0, qRgb(102, 102, 152));  // one step off the key
        image.setPixel(2, 0, qRgb(10, 20, 30));
        const QImage keyed = tesseran::KeyColourToAlpha(image, Purple);
        QCOMPARE(keyed.pixel(0, 0), 0u);
        QCOMPARE(keyed.pixel(1, 0), qRgb(102, 102, 152));
        QCOMPARE(keyed.pixel(2, 0), qRgb(10, 20, 30));
    }

    void TransparentBitmapHidesItsKeyColour() {
        const QImage marker = tesseran::LoadTransparentBitmap(168);
        QVERIFY(marker.hasAlphaChannel());
        QCOMPARE(qAlpha(marker.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(marker.pixel(32, 14)), 255);
    }

    void WaveIsAShortSixteenBitMonoSound_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<double>("longestSeconds");
        QTest::newRow("143 diamonds trump") << 143 << 1.2;
        QTest::newRow("144 clubs trump") << 144 << 1.2;
        QTest::newRow("145 hearts trump") << 145 << 1.2;
        QTest::newRow("146 lead fanfare") << 146 << 1.5;
        QTest::newRow("148 partner chime") << 148 << 1.5;
        QTest::newRow("149 card laid down") << 149 << 0.3;
        QTest::newRow("150 click") << 150 << 0.15;
        QTest::newRow("151 spades trump") << 151 << 1.2;
        QTest::newRow("171 clubs requested") << 171 << 1.0;
        QTest::newRow("172 diamonds requested") << 172 << 1.0;
        QTest::newRow("173 hearts requested") << 173 << 1.0;
        QTest::newRow("174 spades requested") << 174 << 1.0;
        QTest::newRow("184 Japan unified") << 184 << 2.2;
    }

    void WaveIsAShortSixteenBitMonoSound() {
        QFETCH(int, id);
        QFETCH(double, longestSeconds);
        const QString path = tesseran::WavePath(id);
        QCOMPARE(path, QStringLiteral(":/waves/%1.wav").arg(id));
        QCOMPARE(tesseran::WaveUrl(id), QUrl(QStringLiteral("qrc:/waves/%1.wav").arg(id)));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.size() < 100 * 1024);
        const WaveFormat wave = ParseWave(bytes);
        QVERIFY(wave.riff);
        QCOMPARE(wave.format, quint16(1));
        QCOMPARE(wave.channels, quint16(1));
        QCOMPARE(wave.bitsPerSample, quint16(16));
        QCOMPARE(wave.sampleRate, quint32(22050));
        const double seconds = wave.samples.size() / 2.0 / 22050.0;
        QVERIFY2(seconds > 0.02 && seconds <= longestSeconds, qPrintable(QString::number(seconds)));
        QVERIFY2(LoudestSample(wave.samples) > 8000, "the sound is too quiet to hear");
    }

    void EverySoundIsDifferent() {
        QSet<QByteArray> sounds;
        for (const int id : tesseran::WaveCatalogue) {
            QFile file(tesseran::WavePath(id));
            QVERIFY(file.open(QIODevice::ReadOnly));
            sounds.insert(file.readAll());
        }
        QCOMPARE(sounds.size(), static_cast<qsizetype>(tesseran::WaveCatalogue.size()));
    }

    void UnknownWaveHasNoPath() {
        QVERIFY(tesseran::WavePath(147).isEmpty());
        QVERIFY(tesseran::WaveUrl(147).isEmpty());
        QVERIFY(tesseran::WavePath(0).isEmpty());
    }

    void CursorIsDrawnAroundItsHotspot_data() {
        QTest::addColumn<int>("id");
        QTest::newRow("131 angle grip") << 131;
        QTest::newRow("133 forbidden") << 133;
        QTest::newRow("134 angle dragging") << 134;
    }

    void CursorIsDrawnAroundItsHotspot() {
        QFETCH(int, id);
        const tesseran::CursorPicture cursor = tesseran::LoadCursorPicture(id);
        QCOMPARE(cursor.image.size(), QSize(32, 32));
        QVERIFY(cursor.image.hasAlphaChannel());
        QVERIFY(QRect(0, 0, 32, 32).contains(cursor.hotspot));
        QVERIFY2(qAlpha(cursor.image.pixel(cursor.hotspot)) > 0, "nothing is drawn where the cursor points");
        QCOMPARE(qAlpha(cursor.image.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(cursor.image.pixel(31, 31)), 0);
    }

    void CursorsLookDifferent() {
        const QImage grip = tesseran::LoadCursorPicture(131).image;
        QVERIFY(grip != tesseran::LoadCursorPicture(133).image);
        QVERIFY(grip != tesseran::LoadCursorPicture(134).image);
    }

    void UnknownCursorIsNull() {
        QVERIFY(tesseran::LoadCursorPicture(132).image.isNull());
        QVERIFY(tesseran::LoadCursorPicture(0).image.isNull());
    }

    void ProgramIconComesAtEverySize_data() {
        QTest::addColumn<int>("size");
        for (const int size : {16, 32, 48, 64, 128, 256, 24, 100, 512}) {
            QTest::newRow(qPrintable(QString::number(size))) << size;
        }
    }

    void ProgramIconComesAtEverySize() {
        QFETCH(int, size);
        const QImage icon = tesseran::ProgramIcon(size);
        QCOMPARE(icon.size(), QSize(size, size));
        QVERIFY(icon.hasAlphaChannel());
        QCOMPARE(qAlpha(icon.pixel(0, 0)), 0);
        QVERIFY(qAlpha(icon.pixel(size / 2, size / 2)) > 0);
    }

    void ProgramIconOfNoSizeIsNull() {
        QVERIFY(tesseran::ProgramIcon(0).isNull());
        QVERIFY(tesseran::ProgramIcon(-16).isNull());
    }
};

QTEST_GUILESS_MAIN(ResourceStoreTest)
#include "ResourceStoreTest.moc"
