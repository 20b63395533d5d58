// SPDX-License-Identifier: MIT
// tesseran-artgen: draws all pictures and synthesises all sounds of the game.
//
//   tesseran-artgen --output DIR          write every resource file into DIR
//   tesseran-artgen --contact-sheet FILE  write one PNG showing every picture
//
// Both options may be given together. Run it with QT_QPA_PLATFORM=offscreen
// where there is no display; it needs the platform only for its fonts.
#include "ArtCatalogue.h"
#include "ContactSheet.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTextStream>

namespace {

bool WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) return false;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    return file.write(bytes) == bytes.size();
}

}  // namespace

int main(int argc, char* argv[]) {
    QGuiApplication application(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Draws the pictures and sounds of Tesseran."));
    parser.addHelpOption();
    const QCommandLineOption outputOption(QStringLiteral("output"),
                                          QStringLiteral("Write every resource file into <folder>."),
                                          QStringLiteral("folder"));
    const QCommandLineOption contactOption(QStringLiteral("contact-sheet"),
                                           QStringLiteral("Write a PNG showing every picture to <file>."),
                                           QStringLiteral("file"));
    parser.addOption(outputOption);
    parser.addOption(contactOption);
    parser.process(application);

    QTextStream errors(stderr);
    if (!parser.isSet(outputOption) && !parser.isSet(contactOption)) {
        errors << "tesseran-artgen: give --output <folder> and/or --contact-sheet <file>\n";
        return 2;
    }

    const tesseran::art::Artwork artwork = tesseran::art::RenderArtwork();
    if (parser.isSet(outputOption)) {
        const QString folder = parser.value(outputOption);
        const std::vector<tesseran::art::GeneratedFile> files = tesseran::art::EncodeArtwork(artwork);
        if (files.empty()) {
            errors << "tesseran-artgen: could not encode the artwork\n";
            return 1;
        }
        for (const tesseran::art::GeneratedFile& file : files) {
            if (!WriteFile(QDir(folder).filePath(file.relativePath), file.bytes)) {
                errors << "tesseran-artgen: cannot write " << file.relativePath << " in " << folder << "\n";
                return 1;
            }
        }
    }
    if (parser.isSet(contactOption)) {
        const QString path = parser.value(contactOption);
        if (!tesseran::art::PaintContactSheet(artwork).save(path, "png")) {
            errors << "tesseran-artgen: cannot write " << path << "\n";
            return 1;
        }
    }
    return 0;
}
