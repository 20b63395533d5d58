// SPDX-License-Identifier: MIT
// tesseran-mapgen: draws the conquest maps and the unification banner, and
// writes or checks the province-position table that belongs to the maps.
//
//   tesseran-mapgen --output <folder>   writes bitmaps/163.png, 164.png, 185.png
//                                       and the English ones under bitmaps/en
//   tesseran-mapgen --write-table       rewrites campaign/map/ProvincePositions.cpp
//   tesseran-mapgen --check             fails when that file differs from the maps
//   tesseran-mapgen --draft --output <folder>   writes the pictures even when the
//                                       layout fails its checks, to look at them
//
// Everything is drawn from the committed coastline by code; the same input
// gives the same bytes on every run.
#include "Banner.h"
#include "Coastline.h"
#include "MapPictures.h"
#include "PositionTable.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImageWriter>
#include <QTextStream>

#ifndef TESSERAN_MAP_OUTLINE
#error "the build must say where the coastline file is"
#endif
#ifndef TESSERAN_POSITION_TABLE
#error "the build must say where the position table is"
#endif

namespace {

using namespace tesseran::mapgen;
using tesseran::MapLettering;

int Fail(const QString& message) {
    QTextStream(stderr) << "tesseran-mapgen: " << message.trimmed() << '\n';
    return 1;
}

bool WritePng(const QImage& image, const QString& path) {
    // Qt's default compression; the bytes depend on nothing but the pixels.
    QImageWriter writer(path, "png");
    return writer.write(image);
}

bool WritePictures(const MapPictures& pictures, MapLettering lettering, const QString& folder) {
    return WritePng(pictures.large, folder + QStringLiteral("/163.png")) &&
           WritePng(pictures.overview, folder + QStringLiteral("/164.png")) &&
           WritePng(DrawBanner(lettering), folder + QStringLiteral("/185.png"));
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Draws the conquest maps and the unification banner."));
    parser.addHelpOption();
    const QCommandLineOption outline(QStringLiteral("outline"), QStringLiteral("The coastline file."),
                                     QStringLiteral("file"), QStringLiteral(TESSERAN_MAP_OUTLINE));
    const QCommandLineOption output(
        QStringLiteral("output"),
        QStringLiteral("Write bitmaps/163.png, 164.png and 185.png, and the English ones in "
                       "bitmaps/en, under this folder."),
        QStringLiteral("folder"));
    const QCommandLineOption table(QStringLiteral("table"),
                                   QStringLiteral("The position table's source file."),
                                   QStringLiteral("file"), QStringLiteral(TESSERAN_POSITION_TABLE));
    const QCommandLineOption writeTable(QStringLiteral("write-table"),
                                        QStringLiteral("Rewrite the position table."));
    const QCommandLineOption check(QStringLiteral("check"),
                                   QStringLiteral("Fail unless the position table matches the maps."));
    const QCommandLineOption draft(
        QStringLiteral("draft"), QStringLiteral("Write the pictures even when the layout fails its checks."));
    parser.addOptions({outline, output, table, writeTable, check, draft});
    parser.process(application);
    if (!parser.isSet(output) && !parser.isSet(writeTable) && !parser.isSet(check)) {
        return Fail(QStringLiteral("nothing to do: give --output, --write-table or --check"));
    }

    QString error;
    const std::vector<Island> coastline = ReadCoastline(parser.value(outline), error);
    if (coastline.empty()) return Fail(error);
    const MapPictures pictures = DrawMapPictures(coastline, MapLettering::Japanese, error);
    if (pictures.large.isNull()) return Fail(error);
    const MapPictures english = DrawMapPictures(coastline, MapLettering::English, error);
    if (english.large.isNull()) return Fail(error);
    if (!error.isEmpty() && !parser.isSet(draft)) return Fail(error);
    const QByteArray source = PositionTableSource(pictures.positions, english.positions);

    if (parser.isSet(check)) {
        QFile committed(parser.value(table));
        if (!committed.open(QIODevice::ReadOnly))
            return Fail(QStringLiteral("cannot read ") + committed.fileName());
        if (committed.readAll() != source) {
            return Fail(committed.fileName() +
                        QStringLiteral(" does not match the maps; run tesseran-mapgen --write-table"));
        }
    }
    if (parser.isSet(writeTable)) {
        QFile file(parser.value(table));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(source) != source.size()) {
            return Fail(QStringLiteral("cannot write ") + file.fileName());
        }
    }
    if (parser.isSet(output)) {
        const QDir folder(parser.value(output));
        if (!folder.mkpath(QStringLiteral("bitmaps/en")))
            return Fail(QStringLiteral("cannot create ") + folder.path());
        const QString bitmaps = folder.filePath(QStringLiteral("bitmaps"));
        if (!WritePictures(pictures, MapLettering::Japanese, bitmaps) ||
            !WritePictures(english, MapLettering::English, bitmaps + QStringLiteral("/en"))) {
            return Fail(QStringLiteral("cannot write the pictures under ") + bitmaps);
        }
    }
    return error.isEmpty() ? 0 : Fail(error);
}
