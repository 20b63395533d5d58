// SPDX-License-Identifier: MIT
// The card-back dialog: the player picks one of the four preset backs of the
// card sheet or a picture of their own (from a file dialog or dropped on the
// black frame), and whether backs get a thin frame line. Saving stores the
// choice in section "Last" and the picture as "CardBack.jpg" in the work
// folder; after the dialog the back pictures of the table are rebuilt when
// anything changed.
#pragma once

#include "base/Host.h"
#include "base/SettingsStore.h"
#include "render/CardBacks.h"

#include <QDialog>
#include <QImage>
#include <QRect>
#include <QString>

#include <array>
#include <functional>

class QCheckBox;
class QPushButton;
class QRadioButton;
class QWidget;

namespace tesseran {

class CBackSet : public QDialog {
    Q_OBJECT

public:
    // Previews 0..3 are the presets ("BackSet" 0..3), preview 4 is the
    // player's own picture ("BackSet" 4).
    static constexpr int PresetCount = 4;
    static constexpr int CustomPreview = 4;
    static constexpr int PreviewCount = 5;

    // Asks for a picture file: parent, title, filter; the empty text when
    // the player cancels.
    using FileChooser = std::function<QString(QWidget*, const QString&, const QString&)>;

    // The file dialog's filter: the display texts of the Windows version of
    // the game with Qt's pattern syntax.
    // The file dialog's filter and title, as the source texts to translate.
    static const char* const PictureFileFilter;
    static const char* const PictureFileTitle;

    // sheet: the card sheet with the preset backs; backs: the table's card
    // backs (the player's picture is loaded into its current back); settings:
    // "Last"/"BackSet" and "Last"/"CardWaku"; messages: message boxes;
    // playSound: called with the click sound's wave number (the window
    // decides whether sounds are on).
    CBackSet(const QImage& sheet, CardBacks& backs, SettingsStore& settings, Messages& messages,
             std::function<void(int)> playSound, QWidget* parent = nullptr);

    // Runs the dialog modally, then the steps after it (see
    // ApplyAfterClose). True when the back pictures were rebuilt, so the
    // table has to be redrawn.
    static bool Run(const QImage& sheet, CardBacks& backs, SettingsStore& settings, Messages& messages,
                    std::function<void(int)> playSound, QWidget* parent);

    // Where a 151 x 215 picture is drawn inside a preview frame: at its own
    // size and centred when the frame is larger in both directions, otherwise
    // as large as fits with the card's proportions, centred along the other
    // direction.
    static QRect FitPicture(const QRect& frame);

    // Loads a picture file as the button "変更" or a drop on the black frame
    // does: a missing, unreadable, corrupt or oversized file changes nothing.
    // True when the picture was taken.
    bool LoadPictureFromFile(const QString& path);

    // A click on preview 0..4: checks its radio button and plays the click sound.
    void SelectPreview(int preview);

    // Stores the choice and closes with OK; false (the dialog stays open)
    // when the own picture is chosen but none is loaded.
    bool Save();

    // The steps after the dialog, however it was closed: "CardBack.jpg" is
    // deleted unless the own picture is the stored choice, and after OK with a
    // change the back pictures are rebuilt (message 30061 when that fails).
    // True when they were rebuilt.
    bool ApplyAfterClose();

    // Replaces the file dialog (tests script it).
    void SetFileChooser(FileChooser chooser);

    // 0..3 for the presets, 4 for the own picture, as the radio buttons say.
    int Selection() const;
    bool PicturePresent() const { return picturePresent; }
    bool Changed() const { return changed; }
    int FrameOption() const { return frameOption; }
    // The preview frame in dialog coordinates, and the picture inside it.
    QRect HitRectangle(int preview) const;
    QRect PictureRectangle(int preview) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void ChoosePictureFile();
    // Stores the choice (0..3 a preset, CustomBackChoice the own picture) and
    // the frame line (0 or 1), committing both together; true when either
    // differed from what was stored.
    bool StoreChoice(int choice);
    void SetFrameOption(bool on);
    void SetDropHighlight(bool on);
    void PaintPreview(QPainter& painter, int preview, const QPoint& frameOrigin) const;
    int PreviewAt(const QPoint& position) const;
    void RefreshPreviews();

    const QImage& cardSheet;
    CardBacks& cardBacks;
    SettingsStore& store;
    Messages& messageBoxes;
    std::function<void(int)> clickSoundPlayer;
    FileChooser fileChooser;

    bool picturePresent = false;
    bool changed = false;
    int frameOption = 1;
    bool dropHighlight = false;

    std::array<QRadioButton*, PreviewCount> radios{};
    std::array<QWidget*, PreviewCount> frames{};
    QCheckBox* frameCheckBox = nullptr;
    QPushButton* changeButton = nullptr;
    QPushButton* okButton = nullptr;
    QPushButton* cancelButton = nullptr;
};

}  // namespace tesseran
