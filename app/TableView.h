// SPDX-License-Identifier: MIT
// The game table on screen: the widget that owns the game (a CFudaDashi), is
// its Host, paints the renderer's back buffer, and forwards the player's
// mouse and keys to the engine's input rules.
//
// The game itself decides nothing here: this class finds out what lies under
// the pointer, asks the engine what that means, and draws what the engine
// says changed. A pause or a modal dialog inside a turn runs a nested event
// loop that keeps the window painting, and the engine's busy flag makes timer
// ticks that arrive meanwhile do nothing. The menus and commands are
// TableCommands'; the peek window's channel is PeekChannel's.
#pragma once

#include "app/MatchFile.h"
#include "app/MessageBoxes.h"
#include "app/PeekChannel.h"
#include "app/SoundPlayer.h"
#include "base/Host.h"
#include "base/SettingsStore.h"
#include "chronicle/ChronicleDatabase.h"
#include "dialogs/CMonSel.h"
#include "engine/Guide.h"
#include "engine/MatchKeeper.h"
#include "players/BattleLog.h"
#include "players/CFudaDashi.h"
#include "render/CardBacks.h"
#include "render/HoverExplanations.h"
#include "render/TableRenderer.h"
#include "resources/Language.h"

#include <QCursor>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <vector>

namespace tesseran {

class FirstMatchGuide;
class HoverTip;
class TableCommands;

class TableView : public QWidget, public Host {
    Q_OBJECT

public:
    // taskbarFeature: publish the computer hands for the peek window.
    TableView(SettingsStore& settings, bool taskbarFeature, QWidget* parent = nullptr);
    ~TableView() override;

    // The view's initial update: surfaces, card sheet, settings, campaign,
    // then the one-shot start-up timer. False, after telling the player why,
    // when the table cannot be shown: the program then ends. The card sheet
    // comes from the usual data file unless another is named.
    bool Initialise(const QString& dataFile = {});
    bool ready() const { return ready_; }

    CFudaDashi& game() { return game_; }
    TableRenderer* renderer() { return renderer_.get(); }
    HoverTip* hoverTip() { return tip_; }
    FirstMatchGuide& guide() { return *guide_; }
    // Where a guide balloon about the topic points, on the screen.
    QPoint GuideAnchor(GuideTopic topic) const;
    // In the human's turn: marks the card the search player would play and
    // says in a balloon why (or, while show cards are placed, names them).
    void ShowHint();
    // What the suit dialog's hint says: the suit to name and why.
    CMonSel::Hint SuitHint(SuitDialogMode mode) const;
    // The review of the last battle that ended, while the game waits.
    bool CanReview() const { return battleLog_.lastFinished().has_value(); }
    void ShowReview();
    TableCommands& commands() { return *commands_; }
    PeekChannel& peekChannel() { return peek_; }
    SettingsStore& settings() { return settings_; }
    const QImage& cardSheet() const { return sheet_; }
    CardBacks* cardBacks() { return backs_.get(); }

    // Called by the frame once its size is set: the scale factors.
    void UpdateScale();
    // Plays a sound effect when sound effects are on.
    void PlaySoundEffect(int waveId);
    // Recomposes the table after the angle changed, keeping the markers and
    // balloons of the moment.
    void RedrawAfterAngleChange();
    // The card backs were loaded or changed: the table makes its fans from
    // them and the backs let their large strip go.
    void TakeUpCardBacks();

    // Where the window's others hook in: the frame resizes itself for a
    // screen-size command; dialogs that later parts of the program provide.
    std::function<void(int width)> onScreenSize;
    std::function<void()> onConquest;
    std::function<void()> onStatistics;
    std::function<void(Language)> onLanguage;
    // Where the game reads the time of day (the deals are seeded by it):
    // the desktop's clock unless a test pins it.
    std::function<std::optional<LocalTime>()> readClock;
    std::function<void(int command)> onHelp;

    // --- Host ---------------------------------------------------------------
    void ShowMessage(std::string_view text, MessageIcon icon) override;
    bool AskYesNo(std::string_view text) override;
    void Pause(int milliseconds) override;
    void Repaint(TableLayer layer) override;
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
    void OnEvent(const EngineEvent& event) override;

    // Shows a computer seat's hand in the peek window, starting the peek
    // process when none runs.
    void Peek(int seat);

    // Whether closing the window must first ask about the match under way.
    bool AsksBeforeClosing() const;
    // The window closes or the session ends: the match under way is kept as
    // it stands, to be taken up at the next start.
    void KeepMatch() { keeper_.KeepNow(); }
    const MatchFile& matchFile() const { return matchFile_; }
    // The chronicle of finished matches, while it can be written.
    ChronicleDatabase* chronicle() const { return chronicle_.get(); }

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
    // At start-up: a match the program was closed or killed in is offered to
    // the player, and taken up if he wants; true when it was.
    bool ResumeInterruptedMatch();
    // Opens the chronicle beside the match file, saying once why when it
    // cannot be written; the game plays on either way.
    void OpenChronicle();
    // The boxes of the game's messages and questions, over the window the
    // player is in.
    MessageBoxes Boxes();
    // Where a canvas rectangle lies on the screen as the window shows it now.
    QRect ScreenRectOf(const QRect& canvas) const;
    // Moves a sized box to the first of the corners `preferred` gives for its
    // outer size, then of the corners around the main window, that leaves the
    // canvas rectangles `canvasKeepClear` in view.
    void PlaceClearOf(QWidget& box, std::initializer_list<QRect> canvasKeepClear,
                      const std::function<std::vector<QPoint>(QSize outer)>& preferred) const;
    // The suit dialog opens beside the human's hand, clear of it and of the trick area.
    void PlaceBesideHand(QWidget& dialog) const;
    // Composes the table from the game state before a marker or balloon goes over it.
    void RecomposeUnderOverlays();
    // What lies under a canvas point, for the engine's input rules.
    TablePoint PointAt(QPointF canvas) const;
    int ToolbarButtonAt(QPoint canvas) const;
    void UpdateCursor(const QCursor& cursor);

    SettingsStore& settings_;
    bool taskbarFeature_;
    // The game's host is the keeper, which passes everything on to this
    // widget and keeps the match in the match file as it goes.
    MatchFile matchFile_;
    std::unique_ptr<ChronicleDatabase> chronicle_;
    std::unique_ptr<ChronicleRecorder> recorder_;
    MatchKeeper keeper_;
    CFudaDashi game_;
    QImage sheet_;
    std::unique_ptr<CardBacks> backs_;
    std::unique_ptr<TableRenderer> renderer_;
    std::unique_ptr<HoverExplanations> hover_;
    std::unique_ptr<TableCommands> commands_;
    PeekChannel peek_;
    SoundPlayer sound_;
    QTimer turnTimer_;
    HoverTip* tip_ = nullptr;
    std::unique_ptr<FirstMatchGuide> guide_;
    // The hand's size when the hint balloon was shown, -1 while none shows.
    int hintHandCount_ = -1;
    bool ready_ = false;
    bool closingAfterMatch_ = false;
    bool tickRunning_ = false;
    // While the player reads a review, the game waits for him.
    bool ticksHeld_ = false;
    BattleLog battleLog_;

    std::vector<Overlay> overlays_;
    QPointF dragPoint_;   // canvas point of the pointer while a card is dragged
    QPointF grabOffset_;  // pointer point minus the dragged card's top-left corner

    QCursor edgeCursor_;
    QCursor forbiddenCursor_;
    QCursor angleCursor_;
};

}  // namespace tesseran
