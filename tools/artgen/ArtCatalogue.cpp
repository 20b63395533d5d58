// SPDX-License-Identifier: MIT
#include "ArtCatalogue.h"

#include "CardSheetArt.h"
#include "CursorArt.h"
#include "DialogArt.h"
#include "MarkerArt.h"
#include "PanelArt.h"
#include "SoundEffects.h"
#include "resources/ResourceCatalogue.h"

#include <QBuffer>
#include <QImageWriter>

namespace tesseran::art {

namespace {

QByteArray EncodePng(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    // Qt maps PNG "quality" 0 to the strongest compression. PNG carries no
    // timestamp unless asked, so the bytes depend on the pixels only.
    writer.setQuality(0);
    if (!writer.write(image)) return {};
    return bytes;
}

}  // namespace

Artwork RenderArtwork() {
    Artwork artwork;
    artwork.cardSheet = PaintCardSheet();
    artwork.bitmaps = {
        {106, PaintEntryPicture()},    {130, PaintRemainingPanel()}, {134, PaintGameCaption()},
        {136, PaintSelectionMarker()}, {137, PaintStatusBanners()},  {146, PaintSuitIcon(0)},
        {147, PaintSuitIcon(1)},       {148, PaintSuitIcon(2)},      {149, PaintSuitIcon(3)},
        {152, PaintTurnMarker()},      {154, PaintNamePlates()},     {165, PaintToolbar()},
        {167, PaintPartnerMarker()},   {168, PaintLeadMarker()},     {169, PaintSegmentDigits()},
        {170, PaintGameNumbers()},     {171, PaintBattleCaption()},  {172, PaintBattleNumbers()},
        {173, PaintTrumpBalloon()},    {174, PaintSpeechBalloon()},  {175, PaintRightSigns()},
        {177, PaintPeekPictures()},    {179, PaintCancelPicture()},  {180, PaintSavePicture()},
    };
    for (const OtherLanguage& other : OtherLanguages) {
        const ArtLanguage language = other.language;
        artwork.letteredBitmaps[QString::fromLatin1(other.code)] = {
            {106, PaintEntryPicture(language)},  {130, PaintRemainingPanel(language)},
            {134, PaintGameCaption(language)},   {137, PaintStatusBanners(language)},
            {154, PaintNamePlates(language)},    {167, PaintPartnerMarker(language)},
            {168, PaintLeadMarker(language)},    {171, PaintBattleCaption(language)},
            {172, PaintBattleNumbers(language)}, {173, PaintTrumpBalloon(language)},
            {174, PaintSpeechBalloon(language)}, {180, PaintSavePicture(language)},
        };
    }
    artwork.cursors = {
        {131, PaintAngleGripCursor()},
        {133, PaintForbiddenCursor()},
        {134, PaintAngleDraggingCursor()},
    };
    for (const int size : ProgramIconSizes) artwork.icons[size] = PaintProgramIcon(size);
    for (const int id : WaveCatalogue) artwork.waves[id] = SynthesiseSound(id);
    return artwork;
}

std::vector<GeneratedFile> EncodeArtwork(const Artwork& artwork) {
    std::vector<GeneratedFile> files;
    auto add = [&files](const QString& path, const QByteArray& bytes) {
        files.push_back({path, bytes});
        return !bytes.isEmpty();
    };
    bool complete = true;
    // Every picture must come out at the size the program expects.
    for (const BitmapDescription& description : BitmapCatalogue) {
        const auto found = artwork.bitmaps.find(description.id);
        complete &= found != artwork.bitmaps.end() &&
                    found->second.size() == QSize(description.width, description.height);
    }
    complete &= artwork.bitmaps.size() == BitmapCatalogue.size();
    for (const auto& [id, image] : artwork.bitmaps) {
        complete &= add(QStringLiteral("bitmaps/%1.png").arg(id), EncodePng(image));
    }
    for (const auto& [code, bitmaps] : artwork.letteredBitmaps) {
        for (const auto& [id, image] : bitmaps) {
            // A picture of another language is the Japanese one's size.
            const auto japanese = artwork.bitmaps.find(id);
            complete &= japanese != artwork.bitmaps.end() && japanese->second.size() == image.size();
            complete &= add(QStringLiteral("bitmaps/%1/%2.png").arg(code).arg(id), EncodePng(image));
        }
    }
    for (const auto& [id, image] : artwork.cursors) {
        complete &= add(QStringLiteral("cursors/%1.png").arg(id), EncodePng(image));
    }
    for (const auto& [size, image] : artwork.icons) {
        complete &= add(QStringLiteral("icons/tesseran-%1.png").arg(size), EncodePng(image));
    }
    for (const auto& [id, wave] : artwork.waves) {
        complete &= add(QStringLiteral("waves/%1.wav").arg(id), wave);
    }
    complete &= add(QStringLiteral("TesseranSys.dll"), EncodeCardSheetFile(artwork.cardSheet));
    if (!complete) return {};
    return files;
}

}  // namespace tesseran::art
