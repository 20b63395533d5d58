// SPDX-License-Identifier: MIT
#include "app/TableView.h"

#include "app/CommandIds.h"
#include "app/HoverTip.h"
#include "app/MessageBoxes.h"
#include "dialogs/CBackSet.h"
#include "campaign/Campaign.h"
#include "base/StringTable.h"
#include "dialogs/CMonSel.h"
#include "dialogs/CSelect.h"
#include "dialogs/CSengen.h"
#include "dialogs/VersionDialog.h"
#include "render/CardSheet.h"
#include "resources/ResourceStore.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDateTime>
#include <QProcess>
#include <QEventLoop>
#include <QKeyEvent>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

#include <cmath>

#include <signal.h>

namespace tesseran {

namespace {

// Canvas points are whole pixels, cut toward zero like every canvas position.
QPoint Whole(QPointF canvas) { return QPoint(static_cast<int>(canvas.x()), static_cast<int>(canvas.y())); }


QCursor CursorFromResource(int id, Qt::CursorShape fallback) {
    CursorPicture picture = LoadCursorPicture(id);
    if (picture.image.isNull()) return QCursor(fallback);
    return QCursor(QPixmap::fromImage(picture.image), picture.hotspot.x(), picture.hotspot.y());
}

// The five buttons at the top left: three popup menus, angle up, angle down.
const QRect ToolbarButtons[5] = {QRect(QPoint(10, 64), QPoint(54, 95)), QRect(QPoint(55, 64), QPoint(86, 95)),
                                 QRect(QPoint(87, 64), QPoint(118, 95)), QRect(QPoint(119, 64), QPoint(145, 95)),
                                 QRect(QPoint(146, 64), QPoint(172, 95))};

constexpr int CanvasMenuX = 10;
constexpr int CanvasMenuY = 96;

}  // namespace

TableView::TableView(SettingsStore& settings, bool taskbarFeature, QWidget* parent)
    : QWidget(parent), settings_(settings), taskbarFeature_(taskbarFeature), game_(*this, settings) {
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    tip_ = new HoverTip(this);
    connect(&turnTimer_, &QTimer::timeout, this, [this] {
        // A pause, a sound played to its end or a dialog inside a tick runs a
        // nested event loop. The game expects a tick to finish before the next
        // one begins (a computer's lead marker pauses before the turn passes
        // on); Qt does not deliver a timer inside its own slot, and this guard
        // keeps that promise explicit.
        if (tickRunning_) return;
        tickRunning_ = true;
        game_.TurnTick();
        tickRunning_ = false;
    });
    edgeCursor_ = CursorFromResource(131, Qt::SizeVerCursor);
    forbiddenCursor_ = CursorFromResource(133, Qt::ForbiddenCursor);
    angleCursor_ = CursorFromResource(134, Qt::SizeVerCursor);
}

TableView::~TableView() { turnTimer_.stop(); }

namespace {

// Whether the peek process this window started still runs.
bool ProcessRunning(qint64 processId) {
    return processId > 0 && ::kill(static_cast<pid_t>(processId), 0) == 0;
}

}  // namespace

void TableView::Peek(int seat) {
    if (!taskbarFeature_ || seat < 0 || seat > 2) return;
    settings_.WriteInt("Cun", "Now", seat);
    settings_.WriteString("Cun", "Name", game_.participantName[game_.participantAt[seat]]);
    settings_.Sync();
    // A value left at 1 by a peek process that ended without closing its
    // window must not block peeking: trust it only while our process runs.
    const bool running = settings_.ReadInt("Cun", "CunningView", 0) == 1 && ProcessRunning(peekProcessId_);
    if (running || game_.handCount[seat] <= 0) return;
    qint64 processId = 0;
    const bool started = startPeek ? startPeek(&processId)
                                   : QProcess::startDetached(QCoreApplication::applicationFilePath(), {"/W"},
                                                             QString(), &processId);
    if (!started) {
        ShowMessage(LoadString(30055), MessageIcon::Information);
        return;
    }
    peekProcessId_ = processId;
    settings_.WriteInt("Cun", "CunningView", 1);
    settings_.Sync();
}

void TableView::contextMenuEvent(QContextMenuEvent* event) {
    if (!taskbarFeature_ || !ready_ || game_.phase < 1) return;
    tip_->Deactivate();
    QMenu menu(this);
    const QImage images = LoadTransparentBitmap(177);
    // Left neighbour (seat 2), opposite (seat 1), right neighbour (seat 0).
    const std::pair<const char*, int> items[] = {
        {"左隣りの手札のカンニング", 2}, {"向いの手札のカンニング", 1}, {"右隣りの手札のカンニング", 0}};
    for (int i = 0; i < 3; ++i) {
        QAction* action =
            menu.addAction(QIcon(QPixmap::fromImage(images.copy(16 * i, 0, 16, 16))), QString::fromUtf8(items[i].first));
        const int seat = items[i].second;
        connect(action, &QAction::triggered, this, [this, seat] { Peek(seat); });
    }
    menu.exec(event->globalPos());
}

bool TableView::Initialise() {
    sheet_ = LoadCardSheet(*this);
    backs_ = std::make_unique<CardBacks>(sheet_, settings_, *this);
    renderer_ = std::make_unique<TableRenderer>(game_, sheet_, *backs_, settings_, taskbarFeature_);
    if (sheet_.isNull() || !renderer_->CreateSurfaces()) return false;
    renderer_->BuildFaceStrip();
    UpdateScale();
    game_.StartUp();
    ready_ = true;
    QTimer::singleShot(100, this, &TableView::OnStartUpTimer);
    return true;
}

void TableView::OnStartUpTimer() {
    renderer_->FinishInitialising();
    const bool backsLoaded = backs_ && backs_->LoadBackStrip(false);
    game_.OnStartUpTimer(backsLoaded ? CardBacksLoaded::Yes : CardBacksLoaded::No);
    update();
}

void TableView::UpdateScale() {
    if (renderer_) renderer_->SetClientSize(size());
}

QPointF TableView::ToCanvas(QPointF windowPoint) const {
    if (!renderer_) return windowPoint;
    return QPointF(windowPoint.x() / renderer_->scaleX, windowPoint.y() / renderer_->scaleY);
}

// --- Host -------------------------------------------------------------------

void TableView::ShowMessage(std::string_view text, MessageIcon icon) { MessageBoxes(this).ShowMessage(text, icon); }

bool TableView::AskYesNo(std::string_view text) { return MessageBoxes(this).AskYesNo(text); }

void TableView::Pause(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

void TableView::Repaint(bool layerChanged) {
    overlays_.clear();
    discardSpreadShown_ = false;
    if (renderer_) renderer_->RedrawTable(layerChanged);
    repaint();
}

void TableView::PlaySound(int waveId, SoundMode mode) {
    if (mode == SoundMode::Synchronous) {
        sound_.PlayToEnd(waveId);
    } else {
        sound_.Play(waveId);
    }
}

void TableView::DrawMarker(int seat, Marker marker) {
    overlays_.push_back({Overlay::Kind::Marker, seat, marker, Balloon::Trump, 0});
    repaint();
}

void TableView::DrawBalloon(int seat, Balloon balloon, int suit) {
    overlays_.push_back({Overlay::Kind::Balloon, seat, Marker::Lead, balloon, suit});
    repaint();
}

int TableView::ChooseSuit(SuitDialogMode mode) {
    return CMonSel::Ask(this, mode == SuitDialogMode::Trump ? CMonSel::TrumpCaptionText : QString(),
                        [this](int waveId) {
                            if (game_.soundOn == 1) sound_.Play(waveId);
                        });
}

int TableView::ChooseDeclaration(bool related) { return CSengen::Ask(this, related); }

int TableView::ChooseEntry() {
    return CSelect::Ask(this);
}

bool TableView::StartTurnTimer(int intervalMilliseconds) {
    turnTimer_.start(intervalMilliseconds);
    return turnTimer_.isActive();
}

void TableView::StopTurnTimer() { turnTimer_.stop(); }


std::optional<LocalTime> TableView::Now() {
    QDateTime now = QDateTime::currentDateTime();
    if (!now.isValid()) return std::nullopt;
    return LocalTime{now.date().year(),  now.date().month(),  now.date().day(),
                     now.time().hour(), now.time().minute(), now.time().second()};
}

void TableView::CloseMainWindow() {
    // The match has ended and the player wants no more: the frame closes
    // without asking whether to leave a match half played.
    closingAfterMatch_ = true;
    QWidget* frame = window();
    QMetaObject::invokeMethod(frame, [frame] { frame->close(); }, Qt::QueuedConnection);
}

bool TableView::AsksBeforeClosing() const { return game_.phase > 0 && !closingAfterMatch_; }

// --- Painting ---------------------------------------------------------------

void TableView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!renderer_ || !ready_) {
        painter.fillRect(rect(), Qt::white);
        return;
    }
    renderer_->PaintWindow(painter, size());
    for (const Overlay& overlay : overlays_) {
        if (overlay.kind == Overlay::Kind::Marker) {
            renderer_->PaintMarker(painter, overlay.seat, overlay.marker);
        } else {
            renderer_->PaintBalloon(painter, overlay.seat, overlay.balloon, overlay.suit);
        }
    }
    if (discardSpreadShown_) renderer_->PaintDiscardSpread(painter);
    if (game_.dragging == 1 && game_.lastPlayed != NoCard) {
        QPointF clamped(std::clamp(dragPoint_.x(), 0.0, 1200.0), std::clamp(dragPoint_.y(), 0.0, 900.0));
        renderer_->PaintDraggedCard(painter, (clamped - grabOffset_).toPoint(), game_.lastPlayed);
    }
}

void TableView::resizeEvent(QResizeEvent*) { UpdateScale(); }

// --- Mouse --------------------------------------------------------------------

int TableView::ToolbarButtonAt(QPointF canvas) const {
    for (int button = 0; button < 5; ++button) {
        if (ToolbarButtons[button].contains(Whole(canvas))) return button;
    }
    return -1;
}

bool TableView::OnFrontEdge(QPointF canvas) const {
    if (!renderer_) return false;
    int angle = static_cast<int>(renderer_->viewAngle);
    int top = 12 * angle + 373;
    int depth = (26 - angle) / 2 + 7;
    return canvas.x() >= 30 && canvas.x() < 1170 && canvas.y() >= top && canvas.y() < top + depth;
}

int TableView::HandPositionAt(QPointF canvas) const {
    if (!renderer_) return -1;
    for (int position = 0; position < game_.handCount[HumanSeat]; ++position) {
        if (renderer_->handCardRects[position].contains(Whole(canvas))) return position;
    }
    return -1;
}

bool TableView::InDropArea(QPointF canvas) const {
    QRect area = renderer_->trickAreaScreenRect;
    int dx = area.width() / 4;
    int dy = area.height() / 4;
    return area.adjusted(-dx, -dy, dx, dy).contains(Whole(canvas));
}

void TableView::UpdateCursor(const QCursor& cursor) {
    if (cursor.shape() != this->cursor().shape() || cursor.shape() == Qt::BitmapCursor) setCursor(cursor);
}

void TableView::mousePressEvent(QMouseEvent* event) {
    if (!ready_ || event->button() != Qt::LeftButton) return;
    tip_->Deactivate();
    if (!game_.IsHumanTurn()) return;
    const QPointF canvas = ToCanvas(event->position());
    auto& g = game_;
    // While the score board is shown a click only closes it (on release).
    if (g.scoreShown == 1) return;

    if (g.showingPrevTrick == 0 && g.handCount[HumanSeat] < HandSize &&
        renderer_->trickAreaScreenRect.contains(Whole(canvas))) {
        g.showingPrevTrick = 1;
        Repaint(true);
        return;
    }
    int button = ToolbarButtonAt(canvas);
    if ((button == 3 || button == 4) && g.phase > 0) {
        if (button == 3 ? renderer_->AngleUp() : renderer_->AngleDown()) repaint();
        return;
    }
    if (g.showingDiscards == 0 && g.discardCount >= 1 && renderer_->discardScreenRect.contains(Whole(canvas))) {
        g.showingDiscards = 1;
        discardSpreadShown_ = true;
        repaint();
        return;
    }
    int position = HandPositionAt(canvas);
    if (position >= 0) {
        QRect cardRect = renderer_->handCardRects[position];
        if (g.PickUp(position)) {
            grabOffset_ = canvas - QPointF(cardRect.topLeft());
            dragPoint_ = canvas;
            repaint();
        }
        return;
    }
    if (OnFrontEdge(canvas)) g.angleDragging = 1;
}

void TableView::mouseMoveEvent(QMouseEvent* event) {
    if (!ready_) return;
    const QPointF canvas = ToCanvas(event->position());
    auto& g = game_;

    // No explanation pops up over a card or the table edge being dragged.
    if (event->buttons() != Qt::NoButton) {
        tip_->Deactivate();
    } else if (g.displayRemarks == 1) {
        HoverText hover = renderer_->panels.UpdateHoverText(canvas, *this);
        if (hover.active) {
            tip_->Activate(hover.text, event->globalPosition().toPoint());
        } else {
            tip_->Deactivate();
        }
    }

    int button = ToolbarButtonAt(canvas);
    if (button >= 0 && (button < 3 || g.phase > 0)) {
        UpdateCursor(QCursor(Qt::PointingHandCursor));
        return;
    }
    if (!g.IsHumanTurn()) {
        UpdateCursor(QCursor(Qt::ArrowCursor));
        return;
    }
    if (g.angleDragging == 1) {
        if (canvas.y() >= renderer_->angleMinY && canvas.y() <= renderer_->angleMaxY) {
            double angle = 9 + (canvas.y() - renderer_->angleMinY) / renderer_->anglePixelsPerDegree;
            if (renderer_->SetAngleFromDrag(angle)) repaint();
            UpdateCursor(angleCursor_);
        } else {
            UpdateCursor(forbiddenCursor_);
        }
        return;
    }
    if (g.dragging == 1) {
        dragPoint_ = canvas;
        bool inside = canvas.x() >= 1 && canvas.x() <= 1199 && canvas.y() >= 1 && canvas.y() <= 899;
        UpdateCursor(inside ? QCursor(Qt::PointingHandCursor) : forbiddenCursor_);
        update();
        return;
    }
    if (HandPositionAt(canvas) >= 0 || renderer_->trickAreaScreenRect.contains(Whole(canvas))) {
        UpdateCursor(QCursor(Qt::PointingHandCursor));
    } else if (OnFrontEdge(canvas)) {
        UpdateCursor(edgeCursor_);
    } else {
        UpdateCursor(QCursor(Qt::ArrowCursor));
    }
}

void TableView::mouseReleaseEvent(QMouseEvent* event) {
    if (!ready_ || event->button() != Qt::LeftButton) return;
    const QPointF canvas = ToCanvas(event->position());
    auto& g = game_;

    int button = ToolbarButtonAt(canvas);
    if (button >= 0 && button < 3 && g.dragging == 0 && g.angleDragging == 0) {
        OpenPopupMenu(button);
        return;
    }
    if (!g.IsHumanTurn()) return;
    if (g.scoreShown == 1) {
        g.scoreShown = 0;
        Repaint(false);
    } else if (g.showingPrevTrick == 1) {
        g.showingPrevTrick = 0;
        Repaint(true);
    } else if (g.showingDiscards == 1) {
        g.showingDiscards = 0;
        Repaint(true);
    } else if (g.dragging == 1) {
        g.Drop(InDropArea(canvas));
        UpdateCursor(QCursor(Qt::ArrowCursor));
        update();
    } else if (g.angleDragging == 1) {
        g.angleDragging = 0;
        renderer_->StoreAngle();
    }
}

void TableView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (!ready_ || event->button() != Qt::LeftButton) return;
    auto& g = game_;
    if (!g.IsHumanTurn() || g.showingDiscards != 0 || g.scoreShown != 0 || g.dragging != 0) return;
    int position = HandPositionAt(ToCanvas(event->position()));
    if (position < 0) return;
    g.markedCard = position;
    g.KeyPlay();
}

void TableView::leaveEvent(QEvent*) { tip_->Deactivate(); }

// --- Keyboard -----------------------------------------------------------------

void TableView::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_F1:
            OpenPopupMenu(0);
            return;
        case Qt::Key_F2:
            OpenPopupMenu(1);
            return;
        case Qt::Key_F3:
            OpenPopupMenu(2);
            return;
        case Qt::Key_F4:
            ExecuteCommand(command::AngleUp);
            return;
        case Qt::Key_F5:
            ExecuteCommand(command::AngleDown);
            return;
        default:
            break;
    }
    auto& g = game_;
    if (!ready_ || g.phase < 1 || g.showingDiscards != 0 || g.scoreShown != 0) {
        QWidget::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
        case Qt::Key_Up:
            if (g.IsHumanTurn() && g.dragging == 0) g.KeyPlay();
            return;
        case Qt::Key_Left:
            g.MoveMark(-1);
            update();
            return;
        case Qt::Key_Right:
            g.MoveMark(+1);
            update();
            return;
        default:
            QWidget::keyPressEvent(event);
    }
}

// --- Menus and commands -------------------------------------------------------

std::unique_ptr<QMenu> TableView::BuildPopupMenu(int index) {
    auto menu = std::make_unique<QMenu>(this);
    // checked: nothing for a plain command, or whether the item shows its mark.
    auto add = [this](QMenu* into, const QString& caption, int command, std::optional<bool> checked = {},
                      bool enabled = true) {
        QAction* action = into->addAction(caption);
        action->setData(command);
        action->setCheckable(checked.has_value());
        action->setChecked(checked.value_or(false));
        action->setEnabled(enabled);
        connect(action, &QAction::triggered, this, [this, command] { ExecuteCommand(command); });
        return action;
    };
    const auto& g = game_;
    const bool playing = g.phase > 0;
    if (index == 0) {
        add(menu.get(), "開始(&P)", command::Start, std::nullopt, !playing);
        menu->addSeparator();
        add(menu.get(), "終了(&X)", command::Exit);
    } else if (index == 1) {
        QMenu* speed = menu->addMenu("スピード(&S)");
        const int current = g.speed;
        add(speed, "速い(&F)", command::SpeedFast, current == 1);
        add(speed, "やや速い(&G)", command::SpeedRatherFast, current == 5);
        add(speed, "普通(&N)", command::SpeedNormal, current != 1 && current != 5 && current != 13 && current != 17);
        add(speed, "やや遅い(&T)", command::SpeedRatherSlow, current == 13);
        add(speed, "遅い(&S)", command::SpeedSlow, current == 17);
        add(menu.get(), "オープンモード(&O)", command::OpenMode, g.openMode == 1);
        add(menu.get(), "効果音(&K)", command::Sound, g.soundOn == 1);
        add(menu.get(), "ルール説明(&R)", command::RuleRemarks, g.ruleRemarks == 1);
        add(menu.get(), "画面表示説明(&D)", command::DisplayRemarks, g.displayRemarks == 1);
        add(menu.get(), "残り札(&N)", command::RemainingCards, g.remainingDisplay == 1);
        add(menu.get(), "現状表示(&J)", command::StatusDisplay, g.statusDisplay == 1);
        add(menu.get(), "自動スタート(&A)", command::AutoStart, settings_.ReadInt("Settei", "AutoStart", 0) == 1);
        menu->addSeparator();
        add(menu.get(), "得点(&T)", command::Score, g.scoreShown == 1, playing);
        add(menu.get(), "国盗り(&M)", command::Conquest, std::nullopt, playing);
        add(menu.get(), "国盗りの初期化(&I)", command::ResetConquest);
        add(menu.get(), "カード背面の設定(&B)", command::CardBack, std::nullopt, playing);
        QMenu* screen = menu->addMenu("画面サイズ(&G)");
        const int width = settings_.ReadInt("Settei", "Gamen", 640);
        auto known = [width](int w) { return width == w; };
        bool any = known(800) || known(1024) || known(1200) || known(1400) || known(1600);
        add(screen, "640 X 480(&1)", command::Screen640, !any);
        add(screen, "800 X 600(&2)", command::Screen800, known(800));
        add(screen, "1024 X 768(&3)", command::Screen1024, known(1024));
        add(screen, "1200 X 900(&4)\t推奨", command::Screen1200, known(1200));
        add(screen, "1400 X 1050(&5)", command::Screen1400, known(1400));
        add(screen, "1600 X 1200(&6)", command::Screen1600, known(1600));
    } else {
        add(menu.get(), "操作方法(&S)", command::HelpOperation);
        add(menu.get(), "ルール(&R)", command::HelpRules);
        add(menu.get(), "カケヒキ(&K)", command::HelpTactics);
        menu->addSeparator();
        add(menu.get(), "バージョン情報(&A)", command::About);
    }
    return menu;
}

void TableView::OpenPopupMenu(int index) {
    if (!renderer_) return;
    tip_->Deactivate();
    auto menu = BuildPopupMenu(index);
    QPoint corner(static_cast<int>(CanvasMenuX * renderer_->scaleX), static_cast<int>(CanvasMenuY * renderer_->scaleY));
    menu->exec(mapToGlobal(corner));
}

void TableView::ToggleSetting(int& field, const char* key, bool redrawWhilePlaying) {
    field = field == 1 ? 0 : 1;
    settings_.WriteInt("Settei", key, field);
    if (redrawWhilePlaying && game_.phase == 1) {
        Repaint(false);
    } else {
        update();
    }
}

void TableView::ToggleAutoStart() {
    const bool wasOn = settings_.ReadInt("Settei", "AutoStart", 0) == 1;
    std::string text = std::string("自動スタート") + (wasOn ? "の設定を解除しました\n" : "に設定しました\n") +
                       LoadString(30028);
    ShowMessage(text, MessageIcon::Information);
    settings_.WriteInt("Settei", "AutoStart", wasOn ? 0 : 1);
}

void TableView::SetScreenWidth(int width) {
    settings_.WriteInt("Settei", "Gamen", width);
    if (onScreenSize) onScreenSize(width);
    UpdateScale();
    if (ready_) Repaint(false);
}

void TableView::ShowVersionBox() {
    VersionDialog dialog(this);
    dialog.exec();
}

void TableView::ExecuteCommand(int command) {
    auto& g = game_;
    switch (command) {
        case command::Start:
            if (ready_ && g.phase == 0 && g.StartGame()) Repaint(true);
            break;
        case command::Exit:
            window()->close();
            break;
        case command::SpeedFast:
            g.ChangeSpeed(1);
            break;
        case command::SpeedRatherFast:
            g.ChangeSpeed(5);
            break;
        case command::SpeedNormal:
            g.ChangeSpeed(9);
            break;
        case command::SpeedRatherSlow:
            g.ChangeSpeed(13);
            break;
        case command::SpeedSlow:
            g.ChangeSpeed(17);
            break;
        case command::OpenMode:
            ToggleSetting(g.openMode, "OpenMode", true);
            break;
        case command::Sound:
            ToggleSetting(g.soundOn, "Koukaon", false);
            break;
        case command::RuleRemarks:
            ToggleSetting(g.ruleRemarks, "RuleRem", false);
            break;
        case command::DisplayRemarks:
            ToggleSetting(g.displayRemarks, "DspRem", false);
            if (g.displayRemarks == 0) tip_->Deactivate();
            break;
        case command::RemainingCards:
            ToggleSetting(g.remainingDisplay, "NokoriDsp", true);
            break;
        case command::StatusDisplay:
            ToggleSetting(g.statusDisplay, "DspInfo", false);
            break;
        case command::AutoStart:
            ToggleAutoStart();
            break;
        case command::Score:
            if (g.phase == 0) break;
            g.scoreShown = g.scoreShown == 1 ? 0 : 1;
            if (g.phase == 1) Repaint(false);
            break;
        case command::Conquest:
            if (g.phase > 0 && onConquest) onConquest();
            break;
        case command::ResetConquest:
            ResetCampaign(settings_, this);
            break;
        case command::CardBack:
            if (g.phase > 0 && ready_) {
                auto playSound = [this](int waveId) {
                    if (game_.soundOn == 1) sound_.Play(waveId);
                };
                // The pile's top card shows the back, so the layer is redrawn.
                if (CBackSet::Run(sheet_, *backs_, settings_, *this, playSound, this)) Repaint(true);
            }
            break;
        case command::Screen640:
            SetScreenWidth(640);
            break;
        case command::Screen800:
            SetScreenWidth(800);
            break;
        case command::Screen1024:
            SetScreenWidth(1024);
            break;
        case command::Screen1200:
            SetScreenWidth(1200);
            break;
        case command::Screen1400:
            SetScreenWidth(1400);
            break;
        case command::Screen1600:
            SetScreenWidth(1600);
            break;
        case command::HelpOperation:
        case command::HelpRules:
        case command::HelpTactics:
            if (onHelp) onHelp(command);
            break;
        case command::About:
            ShowVersionBox();
            break;
        case command::OpenGameMenu:
            OpenPopupMenu(0);
            break;
        case command::OpenSettingsMenu:
            OpenPopupMenu(1);
            break;
        case command::OpenHelpMenu:
            OpenPopupMenu(2);
            break;
        case command::AngleUp:
            if (renderer_ && g.phase > 0 && renderer_->AngleUp()) repaint();
            break;
        case command::AngleDown:
            if (renderer_ && g.phase > 0 && renderer_->AngleDown()) repaint();
            break;
        default:
            break;
    }
}

}  // namespace tesseran
