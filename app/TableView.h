// SPDX-License-Identifier: MIT
// The game table on screen: the widget that owns the game (a CFudaDashi), is
// its Host, paints the renderer's back buffer, and turns the player's mouse
// and keys into plays.
//
// The game itself decides nothing here: this class asks, draws and waits. A
// pause or a modal dialog inside a turn runs a nested event loop that keeps
// the window painting, and the engine's busy flag makes timer ticks that
// arrive meanwhile do nothing.
#pragma once

#include "app/SoundPlayer.h"
#include "base/Host.h"
#include "base/SettingsStore.h"
#include "players/CFudaDashi.h"
#include "render/CardBacks.h"
#include "render/TableRenderer.h"

#include <QCursor>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QMenu;

namespace tesseran {

class HoverTip;

class TableView : public QWidget, public Host {
    Q_OBJECT

public:
    // taskbarFeature: publish the computer hands for the peek window.
    TableView(SettingsStore& settings, bool taskbarFeature, QWidget* parent = nullptr);
    ~TableView() override;

    // The view's initial update: surfaces, card sheet, settings, campaign,
    // then the one-shot start-up timer. False when the table cannot be shown
    // (no game can start; the window stays).
    bool Initialise();

    CFudaDashi& game() { return game_; }
    TableRenderer* renderer() { return renderer_.get(); }
    HoverTip* hoverTip() { return tip_; }

    // Runs a menu command by its number.
    void ExecuteCommand(int command);
    // Builds popup menu 0, 1 or 2 as it is about to be shown: captions,
    // check marks and greyed items from the current state.
    std::unique_ptr<QMenu> BuildPopupMenu(int index);
    // Opens popup menu 0, 1 or 2 at the flag icon's corner.
    void OpenPopupMenu(int index);

    // Called by the frame once its size is set: the scale factors.
    void UpdateScale();

    // Where the window's others hook in: the frame resizes itself for a
    // screen-size command; dialogs that later parts of the program provide.
    std::function<void(int width)> onScreenSize;
    std::function<void()> onConquest;
    std::function<void(int command)> onHelp;

    // --- Host ---------------------------------------------------------------
    void ShowMessage(std::string_view text, MessageIcon icon) override;
    bool AskYesNo(std::string_view text) override;
    void Pause(int milliseconds) override;
    void Repaint(bool layerChanged) override;
    void PlaySound(int waveId, SoundMode mode) override;
    void DrawMarker(int seat, Marker marker) override;
    void DrawBalloon(int seat, Balloon balloon, int suit) override;
    int ChooseSuit(SuitDialogMode mode) override;
    int ChooseDeclaration(bool related) override;
    int ChooseEntry() override;
    bool StartTurnTimer(int intervalMilliseconds) override;
    void StopTurnTimer() override;
    std::optional<LocalTime> Now() override;
    void CloseMainWindow() override;

    // Shows a computer seat's hand in the peek window, starting the peek
    // process when none runs. `startPeek` starts it (tests replace it).
    void Peek(int seat);
    std::function<bool(qint64* processId)> startPeek;

    // Whether closing the window must first ask about the match under way.
    bool AsksBeforeClosing() const;

    // Canvas point of a window position.
    QPointF ToCanvas(QPointF windowPoint) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    struct Overlay {
        enum class Kind { Marker, Balloon } kind;
        int seat;
        Marker marker;
        Balloon balloon;
        int suit;
    };

    void OnStartUpTimer();
    void ToggleSetting(int& field, const char* key, bool redrawWhilePlaying);
    void ToggleAutoStart();
    void SetScreenWidth(int width);
    int ToolbarButtonAt(QPointF canvas) const;
    bool OnFrontEdge(QPointF canvas) const;
    int HandPositionAt(QPointF canvas) const;
    bool InDropArea(QPointF canvas) const;
    void UpdateCursor(const QCursor& cursor);
    void ShowVersionBox();

    SettingsStore& settings_;
    bool taskbarFeature_;
    CFudaDashi game_;
    QImage sheet_;
    std::unique_ptr<CardBacks> backs_;
    std::unique_ptr<TableRenderer> renderer_;
    SoundPlayer sound_;
    QTimer turnTimer_;
    HoverTip* tip_ = nullptr;
    bool ready_ = false;
    bool closingAfterMatch_ = false;
    qint64 peekProcessId_ = 0;
    bool tickRunning_ = false;

    std::vector<Overlay> overlays_;
    bool discardSpreadShown_ = false;
    QPointF dragPoint_;   // canvas point of the mouse while a card is dragged
    QPointF grabOffset_;  // mouse point minus the dragged card's top-left corner
    bool mouseCaptured_ = false;

    QCursor edgeCursor_;
    QCursor forbiddenCursor_;
    QCursor angleCursor_;
};

}  // namespace tesseran
