// SPDX-License-Identifier: MIT
// The conquest window: the campaign's map as a small overview with the koku
// legend and as a large, scrollable map on which the player takes provinces
// by clicking their name labels. Switching to the large map lets the four
// regulars move; a unification by the player ends in the animated banner, an
// offer to save the map as a picture, and a fresh campaign.
//
// The window decides nothing itself: ownership, prices and the regulars'
// choices come from the campaign rules over the settings store, read afresh
// at every opening, so the pictures always match what is stored.
#pragma once

#include "base/Host.h"
#include "base/SettingsStore.h"
#include "campaign/Campaign.h"
#include "campaign/ProvinceMap.h"
#include "conquest/KunitoriMaps.h"

#include <QDialog>
#include <QPoint>
#include <QString>

#include <array>
#include <functional>

class QPushButton;
class QScrollBar;

namespace tesseran {

class CKunitori : public QDialog {
    Q_OBJECT

public:
    static constexpr int MinimumWidth = 489;
    static constexpr int MinimumHeight = 538;
    // The client area holds the picture from (2, 2) and a band of 21 pixels
    // for the scroll bars on the right and at the bottom.
    static constexpr int PictureMargin = 2;
    static constexpr int BarBand = 21;
    static constexpr QRgb BackgroundGrey = 0xffc6c6c6u;

    // Asks for the file to save the map in: parent, title, initial name,
    // filter; the empty text when the player cancels.
    using SaveFileChooser = std::function<QString(QWidget*, const QString& title, const QString& initialName,
                                                  const QString& filter)>;

    // The save dialog's title, suggested name and filter, as the source
    // texts to translate.
    static const char* const SaveFileTitle;
    static const char* const SaveFileInitialName;
    static const char* const SaveFileFilter;

    // settings: the campaign and the window's placement ("Last"); messages:
    // message boxes; clock: the unification's date line and its pause; humanEntry: the entry the player
    // plays as; displayNames: every entry's name by entry; playSound: called
    // with a wave number whenever the window would play one (the caller
    // decides whether sound effects are on).
    CKunitori(SettingsStore& settings, Messages& messages, Clock& clock, int humanEntry,
              const std::array<QString, EntryCount>& displayNames, std::function<void(int)> playSound,
              QWidget* parent = nullptr);
    ~CKunitori() override;

    // Opens the window over `parent` and runs it modally until it is closed.
    static void Run(SettingsStore& settings, Messages& messages, Clock& clock, int humanEntry,
                    const std::array<QString, EntryCount>& displayNames, std::function<void(int)> playSound,
                    QWidget* parent, CampaignChronicle* chronicle = nullptr);

    // The opening: placement, pictures, colours, title and status. False,
    // after message 30001, when the pictures cannot be had; the window is
    // then not to be shown.
    bool Open();

    // The "Zoom" button: switches between the overview and the large map.
    void ToggleZoom();
    // Offers to save the large map as a picture file.
    void SaveImage();

    // Where the window's pictures come from (tests replace it).
    KunitoriMaps::BitmapLoader loadBitmap;
    // The save-file dialog (tests replace it).
    SaveFileChooser chooseSaveFile;
    // Where every take and unification is recorded, if anywhere.
    CampaignChronicle* chronicle = nullptr;

    // What the window shows, for its owner's tests.
    bool overviewShown() const { return overviewShown_; }
    bool conquering() const { return conquering_; }
    QPoint scrollPosition() const { return scroll_; }
    const KunitoriMaps& maps() const { return maps_; }
    QScrollBar* horizontalBar() const { return horizontalBar_; }
    QScrollBar* verticalBar() const { return verticalBar_; }
    QPushButton* zoomButton() const { return zoomButton_; }

    // The large-map point under a point of the client area.
    QPoint MapPointAt(QPoint clientPoint) const;
    // The province whose name label lies under a large-map point, or -1.
    int ProvinceAtMapPoint(QPoint mapPoint) const;

    void done(int result) override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void Click(QPoint clientPoint);
    void RunRegularsTurn();
    void RunHumanUnification();
    void AfterUnification();
    void ShowOpeningStatus();
    void ShowBalanceStatus(int target, int balance);
    void SetStatus(const QString& status);
    void UpdateScrollRanges();
    void PlaceControls();
    void SetScrollPosition(Qt::Orientation orientation, int position);
    void SavePlacement();
    void RepaintAtOnce();
    // Scrolls the large map so that a province stands in the middle of the
    // window, and returns where it then lies on the screen (the whole window
    // while the overview is shown).
    QRect ScrollProvinceIntoView(int province);
    // The window frame's share of the outer size.
    QSize FrameExtra() const;
    // The free area of the window's screen.
    QRect AvailableArea() const;

    SettingsStore& settings_;
    Messages& messages_;
    Clock& clock_;
    int humanEntry_;
    std::array<QString, EntryCount> displayNames_;
    std::function<void(int)> playSound_;

    KunitoriMaps maps_;
    QScrollBar* horizontalBar_ = nullptr;
    QScrollBar* verticalBar_ = nullptr;
    QPushButton* zoomButton_ = nullptr;

    QPoint scroll_;
    QSize client_;
    bool overviewShown_ = true;
    bool conquering_ = true;
    bool paintBackground_ = true;
    bool opened_ = false;
    QString modeTitle_;
};

}  // namespace tesseran
