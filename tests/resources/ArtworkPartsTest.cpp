// SPDX-License-Identifier: MIT
// The parts the art generator is built from, checked one by one: laying a
// figure onto a key colour never punches a hole, lettering lands where it is
// put, the suit symbols fit their box, the card faces carry their index in
// the suit's colour, the face cards and the pin stand out, the sheet's data
// file hides its signature, and the synthesiser writes what a wave player
// expects.
#include "tools/artgen/ArtCatalogue.h"
#include "tools/artgen/CardBacks.h"
#include "tools/artgen/CardFaces.h"
#include "tools/artgen/CardSheetArt.h"
#include "tools/artgen/KeyedCanvas.h"
#include "tools/artgen/Lettering.h"
#include "tools/artgen/SoundEffects.h"
#include "tools/artgen/SuitShapes.h"
#include "tools/artgen/Synthesiser.h"

#include <QBuffer>
#include <QImageReader>
#include <QPainter>
#include <QtEndian>
#include <QtTest>

#include <cmath>

using namespace tesseran::art;

namespace {

QRgb Opaque(QRgb pixel) { return pixel | 0xff000000u; }

struct Ink {
    int pixels = 0;
    double red = 0;
    double green = 0;
    double blue = 0;
};

// The pixels in `area` clearly darker or more coloured than card paper.
// Pixels that look like gold leaf: warm, bright, clearly yellow.
bool LooksGold(QRgb pixel) {
    return qRed(pixel) > 180 && qGreen(pixel) > 120 && qRed(pixel) - qBlue(pixel) > 60 &&
           qGreen(pixel) - qBlue(pixel) > 40;
}

// The dark pixels of an area, paper and gold left out.
Ink InkIn(const QImage& image, const QRect& area) {
    Ink ink;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (qRed(pixel) + qGreen(pixel) + qBlue(pixel) > 560 || LooksGold(pixel)) continue;
            ++ink.pixels;
            ink.red += qRed(pixel);
            ink.green += qGreen(pixel);
            ink.blue += qBlue(pixel);
        }
    }
    if (ink.pixels > 0) {
        ink.red /= ink.pixels;
        ink.green /= ink.pixels;
        ink.blue /= ink.pixels;
    }
    return ink;
}

int GoldPixels(const QImage& image, const QRect& area) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) count += LooksGold(image.pixel(x, y));
    }
    return count;
}

double MeanDifference(const QImage& first, const QImage& second) {
    double total = 0;
    for (int y = 0; y < first.height(); ++y) {
        for (int x = 0; x < first.width(); ++x) {
            const QRgb a = first.pixel(x, y), b = second.pixel(x, y);
            total +=
                std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
        }
    }
    return total / (3.0 * first.width() * first.height());
}

QList<qint16> Samples(const QByteArray& wave) {
    QList<qint16> samples;
    for (qsizetype at = 44; at + 1 < wave.size(); at += 2)
        samples << qFromLittleEndian<qint16>(wave.constData() + at);
    return samples;
}

int Loudest(const QList<qint16>& samples) {
    int loudest = 0;
    for (const qint16 sample : samples) loudest = std::max(loudest, std::abs(static_cast<int>(sample)));
    return loudest;
}

}  // namespace

class ArtworkPartsTest : public QObject {
    Q_OBJECT

private slots:
    void FigureOnKeyNeverTurnsIntoTheKey_data() {
        QTest::addColumn<uint>("key");
        QTest::newRow("table purple") << 0xff666699u;
        QTest::newRow("icon green") << 0xff99ff99u;
        QTest::newRow("panel blue") << 0xff0066ccu;
        QTest::newRow("sign red") << 0xffff0000u;
        QTest::newRow("mask maroon") << 0xff800000u;
        QTest::newRow("white") << 0xffffffffu;
        QTest::newRow("black") << 0xff000000u;
    }

    void FigureOnKeyNeverTurnsIntoTheKey() {
        // The worst case: a figure painted in the key colour itself, with
        // soft edges, and half-transparent strokes of it over other paint.
        QFETCH(uint, key);
        QImage figure = TransparentLayer(QSize(40, 30));
        {
            QPainter painter(&figure);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setPen(Qt::NoPen);
            painter.setBrush(QColor::fromRgb(key));
            painter.drawEllipse(QPointF(12, 15), 9.3, 9.3);
            QColor faint = QColor::fromRgb(key);
            faint.setAlpha(90);
            painter.setBrush(faint);
            painter.drawRect(QRectF(24.5, 4.5, 12, 20));
        }
        const QImage composed = ComposeOnKey(figure, key);
        QCOMPARE(composed.size(), figure.size());
        int touched = 0;
        for (int y = 0; y < composed.height(); ++y) {
            for (int x = 0; x < composed.width(); ++x) {
                const bool drawn = qAlpha(figure.pixel(x, y)) > 0;
                touched += drawn;
                if (drawn) {
                    QVERIFY2(Opaque(composed.pixel(x, y)) != key,
                             qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
                } else {
                    QCOMPARE(Opaque(composed.pixel(x, y)), QRgb(key));
                }
            }
        }
        QVERIFY(touched > 200);
    }

    void CutOutFigureCarriesNoBlendWithTheKey() {
        // A gold disc with soft edges on the table's purple and on the panel
        // blue: cut out, each pixel is the key or the gold, nothing between.
        const QRgb gold = 0xffc8a028u;
        for (const QRgb key : {0xff666699u, 0xff0066ccu}) {
            QImage figure = TransparentLayer(QSize(40, 30));
            {
                QPainter painter(&figure);
                painter.setRenderHint(QPainter::Antialiasing);
                painter.setPen(Qt::NoPen);
                painter.setBrush(QColor::fromRgb(gold));
                painter.drawEllipse(QPointF(20, 15), 11.3, 11.3);
            }
            const QImage cut = CutOutOnKey(figure, key);
            int goldPixels = 0;
            for (int y = 0; y < cut.height(); ++y) {
                for (int x = 0; x < cut.width(); ++x) {
                    const QRgb pixel = Opaque(cut.pixel(x, y));
                    // Unpremultiplying an edge pixel may round a step off.
                    const bool isGold = std::abs(qRed(pixel) - qRed(gold)) <= 2 &&
                                        std::abs(qGreen(pixel) - qGreen(gold)) <= 2 &&
                                        std::abs(qBlue(pixel) - qBlue(gold)) <= 2;
                    QVERIFY2(pixel == key || isGold, qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
                    goldPixels += isGold;
                }
            }
            // About the disc's area: half-covered edge pixels count in, the rest out.
            QVERIFY(std::abs(goldPixels - 401) < 30);
        }
    }

    void FaceCardsShowAGoldPlateInTheStripAHandLeavesVisible() {
        // What a covered card shows in the hand: its left 33 pixels; the
        // index sits at the top.
        const auto goldIn = [](int code) { return GoldPixels(PaintCardFace(code), QRect(0, 0, 33, 64)); };
        for (int suit = 0; suit < 4; ++suit) {
            for (int rank = 1; rank <= 10; ++rank) {
                const int code = suit * 11 + rank;
                if (rank >= 7) {
                    QVERIFY2(goldIn(code) > 300, qPrintable(QString::number(code)));
                } else {
                    QVERIFY2(goldIn(code) < 20, qPrintable(QString::number(code)));
                }
            }
        }
    }

    void FilledImageIsOneColour() {
        const QImage image = FilledImage(QSize(5, 4), 0xff123456u);
        QCOMPARE(image.size(), QSize(5, 4));
        QCOMPARE(image.pixel(0, 0), 0xff123456u);
        QCOMPARE(image.pixel(4, 3), 0xff123456u);
    }

    void LetteringLandsInItsBox_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QRectF>("box");
        QTest::newRow("kanji in a small box") << QStringLiteral("戦目") << QRectF(10, 20, 30, 12);
        QTest::newRow("katakana in a wide box") << QStringLiteral("ゲーム") << QRectF(0, 0, 200, 40);
        QTest::newRow("digits") << QStringLiteral("10") << QRectF(5, 5, 17, 15);
    }

    void LetteringLandsInItsBox() {
        QFETCH(QString, text);
        QFETCH(QRectF, box);
        const QPainterPath outline = TextOutline(text, LetteringFont(Typeface::Serif, 24));
        QVERIFY(!outline.isEmpty());
        const QRectF fitted = FitCentred(outline, box).boundingRect();
        QVERIFY(box.adjusted(-0.01, -0.01, 0.01, 0.01).contains(fitted));
        QVERIFY(std::abs(fitted.center().x() - box.center().x()) < 0.01);
        QVERIFY(std::abs(fitted.center().y() - box.center().y()) < 0.01);
        // Fitting never enlarges lettering; filling makes it touch the box.
        QVERIFY(fitted.height() <= outline.boundingRect().height() + 0.01);
        const QRectF filled = FillCentred(outline, box).boundingRect();
        QVERIFY(std::abs(filled.width() - box.width()) < 0.01 ||
                std::abs(filled.height() - box.height()) < 0.01);
        const QRectF stretched = StretchTo(outline, box).boundingRect();
        QVERIFY(std::abs(stretched.left() - box.left()) < 0.01 &&
                std::abs(stretched.bottom() - box.bottom()) < 0.01);
    }

    void VerticalTextRunsDownwards() {
        const QFont font = LetteringFont(Typeface::Serif, 14);
        const QPainterPath column = VerticalText(QStringLiteral("ヤク"), font, 20, 0, 40);
        const QRectF ink = column.boundingRect();
        QVERIFY(std::abs(ink.center().y() - 20) < 0.01);
        QVERIFY(ink.height() > ink.width() * 1.4);
        QVERIFY(std::abs(ink.center().x() - 20) < 3);
    }

    void SuitSymbolsFitTheirBoxAndDiffer() {
        QList<QImage> pictures;
        for (int suit = 0; suit < 4; ++suit) {
            const QRectF box = SuitOutline(static_cast<Suit>(suit)).boundingRect();
            QVERIFY(QRectF(-50.01, -50.01, 100.02, 100.02).contains(box));
            QVERIFY(box.height() > 90);
            const QRectF placed = PlacedSuit(static_cast<Suit>(suit), QPointF(30, 40), 20).boundingRect();
            QVERIFY(std::abs(placed.height() - box.height() / 5) < 0.01);
            QImage picture(40, 40, QImage::Format_RGB32);
            picture.fill(Qt::white);
            QPainter painter(&picture);
            PaintSuitFlat(painter, static_cast<Suit>(suit), QPointF(20, 20), 36, Qt::black);
            painter.end();
            pictures << picture;
        }
        for (int first = 0; first < 4; ++first) {
            for (int second = first + 1; second < 4; ++second) {
                QVERIFY(MeanDifference(pictures[first], pictures[second]) > 10);
            }
        }
        QVERIFY(IsRed(Suit::Diamonds) && IsRed(Suit::Hearts));
        QVERIFY(!IsRed(Suit::Clubs) && !IsRed(Suit::Spades));
    }

    void UpsideDownPipIsTheSameShapeTurned() {
        const QRectF upright = PlacedSuit(Suit::Hearts, QPointF(0, 0), 30).boundingRect();
        const QRectF turned = PlacedSuit(Suit::Hearts, QPointF(0, 0), 30, true).boundingRect();
        QVERIFY(std::abs(upright.top() + turned.bottom()) < 0.01);
        QVERIFY(std::abs(upright.height() - turned.height()) < 0.01);
    }

    void CardIndexIsInTheSuitsColourAtBothEnds_data() {
        QTest::addColumn<int>("code");
        for (int suit = 0; suit < 4; ++suit) {
            for (int rank = (suit == 3 ? 2 : 1); rank <= 10; ++rank) {
                QTest::newRow(qPrintable(QStringLiteral("code %1").arg(suit * 11 + rank)))
                    << suit * 11 + rank;
            }
        }
    }

    void CardIndexIsInTheSuitsColourAtBothEnds() {
        // The strip a fanned hand leaves visible (33 pixels) must show the
        // rank and suit, red for diamonds and hearts, ink for clubs and spades.
        QFETCH(int, code);
        const QImage card = PaintCardFace(code);
        QCOMPARE(card.size(), QSize(151, 215));
        const bool red = code / 11 == 1 || code / 11 == 2;
        for (const QRect& corner : {QRect(4, 6, 26, 44), QRect(151 - 30, 215 - 50, 26, 44)}) {
            const Ink ink = InkIn(card, corner);
            QVERIFY2(ink.pixels > 60, qPrintable(QStringLiteral("only %1 ink pixels").arg(ink.pixels)));
            if (red) {
                QVERIFY(ink.red > ink.green + 60 && ink.red > ink.blue + 60);
            } else {
                QVERIFY(ink.red < 90 && ink.green < 90 && ink.blue < 100);
            }
        }
    }

    void FaceCardsAreGildedAndThePinMostOfAll() {
        for (int suit = 0; suit < 4; ++suit) {
            const int base = suit * 11;
            const QRect middle(40, 60, 71, 95);
            QCOMPARE(GoldPixels(PaintCardFace(base + 6), middle), 0);
            for (int rank = 7; rank <= 9; ++rank)
                QVERIFY(GoldPixels(PaintCardFace(base + rank), middle) > 150);
            const QImage pin = PaintCardFace(base + 10);
            QVERIFY(GoldPixels(pin, middle) > GoldPixels(PaintCardFace(base + 9), middle));
            // Only the pin is framed in gold all round.
            QVERIFY(GoldPixels(pin, QRect(1, 60, 3, 100)) > 100);
            QCOMPARE(GoldPixels(PaintCardFace(base + 9), QRect(1, 60, 3, 100)), 0);
        }
    }

    void JokerLooksLikeNoOtherCard() {
        const QImage joker = PaintCardFace(0);
        for (const int code : {1, 7, 10, 21, 32, 43})
            QVERIFY(MeanDifference(joker, PaintCardFace(code)) > 40);
    }

    void PresetBacksAreFourDifferentDesigns() {
        QList<QImage> backs;
        for (int preset = 0; preset < 4; ++preset) {
            backs << PaintCardBack(preset);
            QCOMPARE(backs.last().size(), QSize(151, 215));
        }
        for (int first = 0; first < 4; ++first) {
            for (int second = first + 1; second < 4; ++second)
                QVERIFY(MeanDifference(backs[first], backs[second]) > 25);
        }
    }

    void SheetFileHidesItsSignatureButIsAJpegBehindIt() {
        const QImage sheet = PaintCardSheet();
        QCOMPARE(sheet.size(), QSize(1661, 860));
        QByteArray bytes = EncodeCardSheetFile(sheet);
        QVERIFY(bytes.size() > 1000);
        QVERIFY(bytes.left(4) != QByteArray("\xFF\xD8\xFF\xE0", 4));
        // Past the four bytes it is an ordinary JFIF file.
        QCOMPARE(bytes.mid(6, 4), QByteArray("JFIF"));
        bytes.replace(0, 4, QByteArray("\xFF\xD8\xFF\xE0", 4));
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer, "jpeg");
        const QImage decoded = reader.read();
        QCOMPARE(decoded.size(), sheet.size());
        // The busiest cell, the joker, survives the compression closely.
        const double difference = MeanDifference(decoded.copy(0, 0, 151, 215), sheet.copy(0, 0, 151, 215));
        QVERIFY2(difference < 6, qPrintable(QString::number(difference)));
    }

    void ArtworkWithAWrongSizedPictureIsNotWritten() {
        Artwork artwork = RenderArtwork();
        QVERIFY(!EncodeArtwork(artwork).empty());
        artwork.bitmaps[152] = QImage(33, 34, QImage::Format_RGB32);
        QVERIFY(EncodeArtwork(artwork).empty());
        artwork = RenderArtwork();
        artwork.bitmaps.erase(175);
        QVERIFY(EncodeArtwork(artwork).empty());
    }

    void NoteFrequenciesAreEqualTempered() {
        QCOMPARE(NoteFrequency(69), 440.0);
        QVERIFY(std::abs(NoteFrequency(81) - 880.0) < 1e-9);
        QVERIFY(std::abs(NoteFrequency(57) - 220.0) < 1e-9);
        QVERIFY(std::abs(NoteFrequency(60) - 261.6256) < 1e-3);
    }

    void WaveHeaderDescribesSixteenBitMonoAt22050() {
        SoundBuffer sound(0.1);
        sound.AddNote(0, 0.1, 440, 0.5, Timbre{{{1, 1, 1}}, 0.001, 0, 0.05});
        const QByteArray wave = sound.ToWave();
        QCOMPARE(wave.size(), 44 + 2 * 2205);
        QCOMPARE(wave.left(4), QByteArray("RIFF"));
        QCOMPARE(qFromLittleEndian<quint32>(wave.constData() + 4), quint32(wave.size() - 8));
        QCOMPARE(wave.mid(8, 8), QByteArray("WAVEfmt "));
        QCOMPARE(qFromLittleEndian<quint16>(wave.constData() + 20), quint16(1));
        QCOMPARE(qFromLittleEndian<quint16>(wave.constData() + 22), quint16(1));
        QCOMPARE(qFromLittleEndian<quint32>(wave.constData() + 24), quint32(22050));
        QCOMPARE(qFromLittleEndian<quint32>(wave.constData() + 28), quint32(44100));
        QCOMPARE(qFromLittleEndian<quint16>(wave.constData() + 32), quint16(2));
        QCOMPARE(qFromLittleEndian<quint16>(wave.constData() + 34), quint16(16));
        QCOMPARE(wave.mid(36, 4), QByteArray("data"));
        QCOMPARE(qFromLittleEndian<quint32>(wave.constData() + 40), quint32(2 * 2205));
    }

    void NormaliseSetsTheLoudestSample_data() {
        QTest::addColumn<double>("peak");
        QTest::newRow("half") << 0.5;
        QTest::newRow("most") << 0.9;
    }

    void NormaliseSetsTheLoudestSample() {
        QFETCH(double, peak);
        SoundBuffer sound(0.2);
        sound.AddNote(0, 0.2, 330, 3.0, Timbre{{{1, 1, 1}, {2, 0.5, 1}}, 0.002, 0, 0.1});
        sound.AddNoise(0.05, 0.05, 2000, 1000, 2.0, 0.01);
        sound.Normalise(peak);
        QCOMPARE(Loudest(Samples(sound.ToWave())), static_cast<int>(std::lround(peak * 32767)));
    }

    void PartialsAboveHalfTheSampleRateAreLeftOut() {
        SoundBuffer sound(0.05);
        sound.AddNote(0, 0.05, 12000, 1.0, Timbre{{{1, 1, 1}}, 0.001, 0, 0.1});
        QCOMPARE(Loudest(Samples(sound.ToWave())), 0);
        sound.AddNote(0, 0.05, 6000, 1.0, Timbre{{{1, 1, 1}, {2, 1, 1}}, 0.001, 0, 0.1});
        QVERIFY(Loudest(Samples(sound.ToWave())) > 0);
    }

    void NotesPastTheEndOfTheSoundAreCutOff() {
        SoundBuffer sound(0.05);
        sound.AddNote(0.04, 1.0, 440, 0.5, Timbre{{{1, 1, 1}}, 0.001, 0, 0.3});
        sound.AddThump(0.2, 0.5, 100, 50, 0.5, 0.1);
        sound.AddNoise(0.3, 0.5, 1000, 500, 0.5, 0.1);
        const QList<qint16> samples = Samples(sound.ToWave());
        QCOMPARE(samples.size(), 1103);
        for (int index = 0; index < 880; ++index) QCOMPARE(samples[index], qint16(0));
    }

    void NotesFadeOutWithoutAClick() {
        SoundBuffer sound(0.3);
        sound.AddNote(0, 0.2, 440, 0.8, Timbre{{{1, 1, 1}}, 0.001, 0.5, 10});
        const QList<qint16> samples = Samples(sound.ToWave());
        const int end = static_cast<int>(0.2 * 22050);
        QVERIFY(std::abs(samples[end - 1]) < 600);
        QCOMPARE(samples[end + 10], qint16(0));
        QVERIFY(Loudest(samples.mid(0, end - 400)) > 20000);
    }

    void SoundsComeOnlyForTheirNumbers() {
        QVERIFY(SynthesiseSound(147).isEmpty());
        QVERIFY(SynthesiseSound(0).isEmpty());
        QCOMPARE(SynthesiseSound(149), SynthesiseSound(149));
        QVERIFY(SynthesiseSound(144) != SynthesiseSound(171));
    }
};

QTEST_MAIN(ArtworkPartsTest)
#include "ArtworkPartsTest.moc"
