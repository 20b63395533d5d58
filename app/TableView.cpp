// SPDX-License-Identifier: MIT
#include "app/TableView.h"

#include "app/CommandIds.h"
#include "app/FirstMatchGuide.h"
#include "app/HoverTip.h"
#include "app/MessageBoxes.h"
#include "app/TableCommands.h"
#include "base/ResourceIds.h"
#include "base/StringTable.h"
#include "dialogs/CMonSel.h"
#include "dialogs/CSelect.h"
#include "dialogs/CSengen.h"
#include "players/search/SearchPlayer.h"
#include "render/BoxPlacement.h"
#include "render/CardSheet.h"
#include "render/GameTerms.h"
#include "resources/QtText.h"
#include "resources/ResourceStore.h"
#include "review/BattleReviewWindow.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDateTime>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QScreen>

#include <algorithm>

namespace tesseran {

namespace {

// Canvas points are whole pixels, cut toward zero like every canvas position.
QPoint Whole(QPointF canvas) { return QPoint(static_cast<int>(canvas.x()), static_cast<int>(canvas.y())); }

// A dialog opens this far off what it must not cover.
constexpr int DialogGap = 12;

QCursor CursorFromResource(int id, Qt::CursorShape fallback) {
    CursorPicture picture = LoadCursorPicture(id);
    if (picture.image.isNull()) return QCursor(fallback);
    return QCursor(QPixmap::fromImage(picture.image), picture.hotspot.x(), picture.hotspot.y());
}

}  // namespace

TableView::TableView(SettingsStore& settings, bool taskbarFeature, QWidget* parent)
    : QWidget(parent),
      settings_(settings),
      taskbarFeature_(taskbarFeature),
      keeper_(*this, matchFile_),
      game_(keeper_, settings),
      commands_(std::make_unique<TableCommands>(*this)),
      peek_(settings) {
    keeper_.Attach(game_);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    tip_ = new HoverTip(this);
    guide_ = std::make_unique<FirstMatchGuide>(settings_, *this);
    connect(&turnTimer_, &QTimer::timeout, this, [this] {
        // A pause, a sound played to its end or a dialog inside a tick runs a
        // nested event loop. The game expects a tick to finish before the next
        // one begins (a computer's lead marker pauses before the turn passes
        // on); Qt does not deliver a timer inside its own slot, and this guard
        // keeps that promise explicit.
        if (tickRunning_ || ticksHeld_) return;
        tickRunning_ = true;
        keeper_.Tick();
        tickRunning_ = false;
    });
    edgeCursor_ = CursorFromResource(cursor::FrontEdge, Qt::SizeVerCursor);
    forbiddenCursor_ = CursorFromResource(cursor::Forbidden, Qt::ForbiddenCursor);
    angleCursor_ = CursorFromResource(cursor::AngleDragging, Qt::SizeVerCursor);
}

TableView::~TableView() { turnTimer_.stop(); }

bool TableView::Initialise(const QString& dataFile) {
    sheet_ = LoadCardSheet(dataFile.isEmpty() ? CardSheetDataFile() : dataFile);
    backs_ = std::make_unique<CardBacks>(sheet_, settings_, *this);
    renderer_ = std::make_unique<TableRenderer>(game_, sheet_, *backs_);
    hover_ = std::make_unique<HoverExplanations>(game_, *renderer_);
    if (sheet_.isNull()) {
        // The data file is there (the program looked before opening the
        // window) but cannot be read: damaged, cut short or not ours.
        ShowMessage(
            ToUtf8(QString::fromLatin1(CardSheetDataFileName) + "\n" + LoadText(text::DataFileMissing)),
            MessageIcon::Information);
        return false;
    }
    if (!renderer_->CreateSurfaces(*this)) return false;
    UpdateScale();
    game_.StartUp();
    game_.SetStrength(settings_.Read(setting::ComputerStrength) == 1 ? Strength::Strong : Strength::Standard);
    game_.ReportReasonsTo(&battleLog_);
    ready_ = true;
    QTimer::singleShot(100, this, &TableView::OnStartUpTimer);
    return true;
}

void TableView::OnEvent(const EngineEvent& event) {
    battleLog_.OnEvent(game_, event);
    switch (event.kind) {
        case EngineEvent::Kind::MatchStarted:
            guide_->MatchStarted();
            break;
        case EngineEvent::Kind::BattleEnded:
            guide_->Tell(GuideTopic::BattleReview, GuideAnchor(GuideTopic::BattleReview));
            break;
        case EngineEvent::Kind::Credited:
            // The player's entry is credited last.
            if (event.a == game_.entryNo)
                guide_->Tell(GuideTopic::MatchEnd, GuideAnchor(GuideTopic::MatchEnd));
            break;
        default:
            break;
    }
}

void TableView::ShowReview() {
    if (!battleLog_.lastFinished()) return;
    hoverTip()->Deactivate();
    ticksHeld_ = true;
    BattleReviewWindow window(*battleLog_.lastFinished(), sheet_, this);
    window.exec();
    ticksHeld_ = false;
}

void TableView::TakeUpCardBacks() {
    if (!renderer_ || !backs_) return;
    renderer_->RefreshFans();
    backs_->ReleaseFanStrip();
}

void TableView::OnStartUpTimer() {
    renderer_->FinishInitialising();
    const bool backsLoaded = backs_ && backs_->LoadBackStrip(BackStripSource::Cache);
    if (backsLoaded) TakeUpCardBacks();
    OpenChronicle();
    if (!backsLoaded || !ResumeInterruptedMatch())
        game_.OnStartUpTimer(backsLoaded ? CardBacksLoaded::Yes : CardBacksLoaded::No);
    update();
}

void TableView::OpenChronicle() {
    if (chronicle_) return;
    const QString path =
        QFileInfo(matchFile_.path()).dir().filePath(QLatin1String(ChronicleDatabase::FileName));
    ChronicleDatabase::Opening opening = ChronicleDatabase::Open(path);
    switch (opening.fault) {
        case ChronicleDatabase::Fault::None:
            break;
        case ChronicleDatabase::Fault::Corrupt:
            qWarning("The chronicle was damaged and is kept aside: %s", qUtf8Printable(opening.detail));
            ShowMessage(LoadString(text::ChronicleSetAside), MessageIcon::Information);
            break;
        case ChronicleDatabase::Fault::Newer:
            qWarning("The chronicle is left alone: %s", qUtf8Printable(opening.detail));
            ShowMessage(LoadString(text::ChronicleNewer), MessageIcon::Information);
            break;
        case ChronicleDatabase::Fault::CannotOpen:
            qWarning("The chronicle cannot be opened: %s", qUtf8Printable(opening.detail));
            ShowMessage(LoadString(text::ChronicleUnavailable), MessageIcon::Information);
            break;
        case ChronicleDatabase::Fault::Locked:
            qWarning("The chronicle is held by another program: %s", qUtf8Printable(opening.detail));
            ShowMessage(LoadString(text::ChronicleLocked), MessageIcon::Information);
            break;
    }
    chronicle_ = std::move(opening.database);
    if (!chronicle_) return;
    chronicle_->onWriteFailure = [this](const QString& detail) {
        qWarning("The chronicle could not be written: %s", qUtf8Printable(detail));
        // Said once the turn in which it failed is over, never inside it: the
        // match goes on as if nothing had happened.
        QTimer::singleShot(0, this, [this] {
            ShowMessage(LoadString(text::ChronicleWriteFailed), MessageIcon::Information);
        });
    };
    recorder_ = std::make_unique<ChronicleRecorder>(*chronicle_);
    keeper_.RecordInto(recorder_.get());
}

bool TableView::ResumeInterruptedMatch() {
    const std::optional<std::string> text = matchFile_.Load();
    if (!text) return false;
    const SnapshotReading reading = ReadSnapshot(*text);
    if (!reading.snapshot) {
        // Kept to be looked at, and out of the way of the next start.
        qWarning("The interrupted match cannot be restored: %s", reading.error.c_str());
        matchFile_.SetAside();
        ShowMessage(LoadString(text::MatchNotRestored), MessageIcon::Information);
        return false;
    }
    // Stopped after its koku were credited and before its snapshot went: the
    // match is over.
    if (reading.snapshot->matchId == settings_.Read(setting::CreditedMatch)) {
        matchFile_.Remove();
        return false;
    }
    Repaint(TableLayer::Changed);
    if (!AskYesNo(LoadString(text::ResumeMatch))) {
        matchFile_.Remove();
        return false;
    }
    if (!keeper_.Resume(*reading.snapshot)) ShowMessage(LoadString(text::TimerFailed), MessageIcon::Stop);
    return true;
}

void TableView::UpdateScale() {
    if (renderer_) renderer_->SetClientSize(size());
}

QPointF TableView::ToCanvas(QPointF windowPoint) const {
    if (!renderer_) return windowPoint;
    return QPointF(windowPoint.x() / renderer_->scaleX, windowPoint.y() / renderer_->scaleY);
}

void TableView::PlaySoundEffect(int waveId) {
    if (game_.soundOn == 1) sound_.Play(waveId);
}

void TableView::RedrawAfterAngleChange() {
    if (renderer_) renderer_->RedrawTable(TableLayer::Kept);
    repaint();
}

// --- Peek -----------------------------------------------------------------------

void TableView::Peek(int seat) {
    if (!taskbarFeature_ || seat < 0 || seat > 2) return;
    const std::string& name =
        game_.participantName[static_cast<size_t>(game_.participantAt[static_cast<size_t>(seat)])];
    if (peek_.Open(seat, name, game_.handCount[static_cast<size_t>(seat)]) == PeekChannel::Opening::Failed) {
        ShowMessage(LoadString(text::PeekFailed), MessageIcon::Information);
    }
}

void TableView::contextMenuEvent(QContextMenuEvent* event) {
    if (!taskbarFeature_ || !ready_ || game_.phase < 1) return;
    tip_->Deactivate();
    std::unique_ptr<QMenu> menu = commands_->BuildPeekMenu();
    menu->exec(event->globalPos());
}

// --- Host -------------------------------------------------------------------

void TableView::ShowMessage(std::string_view text, MessageIcon icon) { Boxes().ShowMessage(text, icon); }

bool TableView::AskYesNo(std::string_view text) {
    if (text == LoadString(text::GoForSixteen) || text == LoadString(text::GoForReverseSixteen))
        guide_->Tell(GuideTopic::Sixteen, GuideAnchor(GuideTopic::Sixteen));
    return Boxes().AskYesNo(text);
}

MessageBoxes TableView::Boxes() {
    // A box belongs to the window the player is in: the conquest window's
    // messages open over it, not over the table behind it.
    QWidget* modal = QApplication::activeModalWidget();
    QWidget* owner = modal != nullptr && modal->isVisible() ? modal : this;
    if (owner != this || game_.scoreShown != 1) return MessageBoxes(owner);
    // The match-end question leaves the score board in view, below it if it can.
    return MessageBoxes(this, [this](QWidget& box) {
        const QRect board = ScreenRectOf(ScoreBoardRect);
        PlaceClearOf(box, {ScoreBoardRect}, [board](QSize outer) {
            const std::array<QPoint, 4> around = CandidatesAround(board, outer, DialogGap);
            return std::vector<QPoint>(around.begin(), around.end());
        });
    });
}

// --- Where dialogs open ----------------------------------------------------------

QRect TableView::ScreenRectOf(const QRect& canvas) const {
    const float scaleX = renderer_ ? renderer_->scaleX : 1.0f;
    const float scaleY = renderer_ ? renderer_->scaleY : 1.0f;
    const QPoint topLeft(static_cast<int>(canvas.left() * scaleX), static_cast<int>(canvas.top() * scaleY));
    const QPoint bottomRight(static_cast<int>((canvas.left() + canvas.width()) * scaleX),
                             static_cast<int>((canvas.top() + canvas.height()) * scaleY));
    return QRect(mapToGlobal(topLeft), mapToGlobal(bottomRight) - QPoint(1, 1));
}

void TableView::PlaceClearOf(QWidget& box, std::initializer_list<QRect> canvasKeepClear,
                             const std::function<std::vector<QPoint>(QSize outer)>& preferred) const {
    // The frame is not known before the box is shown; the main window's stands in.
    const QWidget* main = window();
    const QSize outer = box.size() + (main->frameGeometry().size() - main->size());
    std::vector<QRect> keepClear;
    for (const QRect& rect : canvasKeepClear) {
        if (!rect.isEmpty()) keepClear.push_back(ScreenRectOf(rect));
    }
    std::vector<QPoint> candidates = preferred(outer);
    // Where nothing on the table is free, outside the window: right of it,
    // left of it, below it, above it.
    const std::array<QPoint, 4> outside = CandidatesAround(main->frameGeometry(), outer, DialogGap);
    for (int index : {2, 3, 0, 1}) candidates.push_back(outside[static_cast<size_t>(index)]);
    const QScreen* shown = screen();
    const QRect area =
        shown != nullptr ? shown->availableGeometry() : QRect(mapToGlobal(QPoint(0, 0)), size());
    box.move(tesseran::PlaceClearOf(outer, area, keepClear, candidates));
}

void TableView::PlaceBesideHand(QWidget& dialog) const {
    if (!renderer_) return;
    dialog.adjustSize();
    // The player chooses with his hand and the trick area (where the show
    // cards lie) in view: the dialog opens beside the hand, at the bottom.
    const QRect hand = renderer_->handRect;
    const QRect right = ScreenRectOf(RectFromEdges(hand.right() + 1, hand.top(), CanvasWidth, CanvasHeight));
    const QRect left = ScreenRectOf(RectFromEdges(0, hand.top(), std::max(1, hand.left()), CanvasHeight));
    PlaceClearOf(dialog, {renderer_->trickAreaScreenRect, hand}, [right, left](QSize outer) {
        return std::vector<QPoint>{
            QPoint(right.left() + DialogGap, right.bottom() + 1 - outer.height()),
            QPoint(left.right() + 1 - DialogGap - outer.width(), left.bottom() + 1 - outer.height())};
    });
}

void TableView::Pause(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(std::clamp(milliseconds, 0, LongestPauseMilliseconds), &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

void TableView::Repaint(TableLayer layer) {
    overlays_.clear();
    // A hint speaks of the hand it was asked for: once a card has left it
    // (played, or taken up to drag), the balloon goes.
    if (hintHandCount_ >= 0 && game_.handCount[HumanSeat] != hintHandCount_) {
        hintHandCount_ = -1;
        if (tip_ != nullptr) tip_->Deactivate();
    }
    if (renderer_) renderer_->RedrawTable(layer);
    if (taskbarFeature_) peek_.PublishHands(game_);
    repaint();
    if (ready_) guide_->Look(game_, [this](GuideTopic topic) { return GuideAnchor(topic); });
}

QPoint TableView::GuideAnchor(GuideTopic topic) const {
    QPointF canvas(600, 330);
    if (renderer_) {
        const int cards = std::clamp(game_.handCount[HumanSeat], 1, HandSize);
        const QRect hand = renderer_->handCardRects[0].united(renderer_->handCardRects[cards - 1]);
        switch (topic) {
            case GuideTopic::Pin:
                canvas = renderer_->trickAreaScreenRect.center();
                break;
            case GuideTopic::FollowSuit:
            case GuideTopic::JokerInHand:
            case GuideTopic::ShowCardsAndTrump:
            case GuideTopic::Declarations:
                canvas = QPointF(hand.center().x(), hand.top());
                break;
            case GuideTopic::RightSign:
                if (!renderer_->rightSignRect.isEmpty()) canvas = renderer_->rightSignRect.center();
                break;
            case GuideTopic::BattleReview:
                canvas = QPointF(90, 64);
                break;
            case GuideTopic::MatchEnd:
                canvas = QPointF(ScoreBoardRect.center().x(), ScoreBoardRect.top() + 40);
                break;
            default:
                break;
        }
    }
    const double scaleX = renderer_ ? renderer_->scaleX : 1.0;
    const double scaleY = renderer_ ? renderer_->scaleY : 1.0;
    return mapToGlobal(QPoint(static_cast<int>(canvas.x() * scaleX), static_cast<int>(canvas.y() * scaleY)));
}

void TableView::PlaySound(int waveId, SoundMode mode) {
    if (mode == SoundMode::Synchronous) {
        sound_.PlayToEnd(waveId);
    } else {
        sound_.Play(waveId);
    }
}

void TableView::DrawMarker(int seat, Marker marker) {
    RecomposeUnderOverlays();
    overlays_.push_back({Overlay::Kind::Marker, seat, marker, Balloon::Trump, 0});
    repaint();
}

void TableView::DrawBalloon(int seat, Balloon balloon, int suit) {
    RecomposeUnderOverlays();
    overlays_.push_back({Overlay::Kind::Balloon, seat, Marker::Lead, balloon, suit});
    repaint();
}

void TableView::RecomposeUnderOverlays() {
    // The game may have moved the turn on since the last repaint (a new
    // leader, a new battle): the turn marker under a lead marker or a balloon
    // stands where the game now is.
    if (renderer_) renderer_->RedrawTable(TableLayer::Kept);
}

namespace {

QString MoveName(const search::Move& move) {
    if (move.card == Joker && move.jokerSuit >= 0)
        return QCoreApplication::translate("tesseran::TableView", "ジョーカー（%1を指定）")
            .arg(SuitName(move.jokerSuit));
    return CardName(move.card);
}

QString Percent(double share) { return QString::number(static_cast<int>(share * 100 + 0.5)) + "%"; }

// The points a move is worth to the player's group, on average: what tells
// two moves apart that win equally often.
QString Points(double value) {
    return QCoreApplication::translate("tesseran::TableView", "%1点")
        .arg((value >= 0 ? "+" : "") + QString::number(value, 'f', 1));
}

}  // namespace

int TableView::ChooseSuit(SuitDialogMode mode) {
    CMonSel dialog(this);
    dialog.SetHint([this, mode] { return SuitHint(mode); });
    dialog.SetCaptionText(mode == SuitDialogMode::Trump ? CMonSel::TrumpCaptionText : QString());
    dialog.SetSoundPlayer([this](int waveId) { PlaySoundEffect(waveId); });
    PlaceBesideHand(dialog);
    dialog.exec();
    return dialog.SelectedSuit();
}

int TableView::ChooseDeclaration(bool related) { return CSengen::Ask(this, related); }

int TableView::ChooseEntry() { return CSelect::Ask(this); }

bool TableView::StartTurnTimer(int intervalMilliseconds) {
    // Qt takes a negative interval for a running timer that never fires.
    if (intervalMilliseconds < 0 || intervalMilliseconds > LongestPauseMilliseconds) return false;
    turnTimer_.start(intervalMilliseconds);
    return turnTimer_.isActive();
}

void TableView::StopTurnTimer() { turnTimer_.stop(); }

std::optional<LocalTime> TableView::Now() {
    if (readClock) return readClock();
    QDateTime now = QDateTime::currentDateTime();
    if (!now.isValid()) return std::nullopt;
    return LocalTime{now.date().year(), now.date().month(),  now.date().day(),
                     now.time().hour(), now.time().minute(), now.time().second()};
}

void TableView::CloseMainWindow() {
    // The match has ended and the player wants no more: the frame closes
    // without asking whether to leave a match half played.
    closingAfterMatch_ = true;
    QWidget* frame = window();
    QMetaObject::invokeMethod(
        frame, [frame] { frame->close(); }, Qt::QueuedConnection);
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
    if (game_.showingDiscards == 1) renderer_->PaintDiscardSpread(painter);
    if (game_.dragging == 1 && game_.lastPlayed != NoCard) {
        QPointF clamped(std::clamp(dragPoint_.x(), 0.0, double(CanvasWidth)),
                        std::clamp(dragPoint_.y(), 0.0, double(CanvasHeight)));
        renderer_->PaintDraggedCard(painter, (clamped - grabOffset_).toPoint(), game_.lastPlayed);
    }
}

void TableView::resizeEvent(QResizeEvent*) { UpdateScale(); }

// --- Mouse --------------------------------------------------------------------

int TableView::ToolbarButtonAt(QPoint canvas) const {
    for (int button = 0; button < static_cast<int>(ToolbarButtonRects.size()); ++button) {
        if (ToolbarButtonRects[static_cast<size_t>(button)].contains(canvas)) return button;
    }
    return -1;
}

TablePoint TableView::PointAt(QPointF canvas) const {
    const QPoint pixel = Whole(canvas);
    const int button = ToolbarButtonAt(pixel);
    TablePoint point;
    point.onTrickArea = renderer_->trickAreaScreenRect.contains(pixel);
    point.inDropArea = renderer_->InDropArea(pixel);
    point.onDiscardPile = renderer_->discardScreenRect.contains(pixel);
    point.onFrontEdge = FrontEdgeRect(game_.viewAngle).contains(pixel);
    point.angleButton = button == AngleUpButton     ? AngleButton::Up
                        : button == AngleDownButton ? AngleButton::Down
                                                    : AngleButton::None;
    point.handPosition = renderer_->HandPositionAt(pixel, game_.handCount[HumanSeat]);
    return point;
}

void TableView::UpdateCursor(const QCursor& cursor) {
    if (cursor.shape() != this->cursor().shape() || cursor.shape() == Qt::BitmapCursor) setCursor(cursor);
}

void TableView::mousePressEvent(QMouseEvent* event) {
    if (!ready_ || event->button() != Qt::LeftButton) return;
    tip_->Deactivate();
    const QPointF canvas = ToCanvas(event->position());
    const TablePoint point = PointAt(canvas);
    switch (game_.PressOnTable(point)) {
        case TableResponse::AngleChanged:
            RedrawAfterAngleChange();
            break;
        case TableResponse::CardPickedUp:
            grabOffset_ =
                canvas - QPointF(renderer_->handCardRects[static_cast<size_t>(point.handPosition)].topLeft());
            dragPoint_ = canvas;
            repaint();
            break;
        case TableResponse::Redraw:
            repaint();
            break;
        case TableResponse::None:
        case TableResponse::CardDropped:
            break;
    }
}

void TableView::mouseMoveEvent(QMouseEvent* event) {
    if (!ready_) return;
    const QPointF canvas = ToCanvas(event->position());
    const QPoint pixel = Whole(canvas);

    // No explanation pops up over a card or the table edge being dragged.
    if (event->buttons() != Qt::NoButton) {
        tip_->Deactivate();
    } else if (game_.displayRemarks == 1) {
        const HoverText hover = hover_->Explain(canvas);
        game_.PointerOnTrumpIcon(HoverExplanations::OnTrumpIcon(canvas));
        if (hover.active) {
            tip_->Activate(hover.text, event->globalPosition().toPoint());
        } else {
            tip_->Deactivate();
        }
    }

    const int button = ToolbarButtonAt(pixel);
    if (button >= 0 && (button < AngleUpButton || game_.phase > 0)) {
        UpdateCursor(QCursor(Qt::PointingHandCursor));
        return;
    }
    if (!game_.IsHumanTurn()) {
        UpdateCursor(QCursor(Qt::ArrowCursor));
        return;
    }
    if (game_.angleDragging == 1) {
        const std::optional<double> angle = TableGeometry::AngleForFrontEdgeAt(canvas.y());
        if (angle) {
            if (game_.DragAngleTo(*angle)) RedrawAfterAngleChange();
            UpdateCursor(angleCursor_);
        } else {
            UpdateCursor(forbiddenCursor_);
        }
        return;
    }
    if (game_.dragging == 1) {
        dragPoint_ = canvas;
        const bool inside = canvas.x() >= 1 && canvas.x() <= CanvasWidth - 1 && canvas.y() >= 1 &&
                            canvas.y() <= CanvasHeight - 1;
        UpdateCursor(inside ? QCursor(Qt::PointingHandCursor) : forbiddenCursor_);
        update();
        return;
    }
    if (renderer_->HandPositionAt(pixel, game_.handCount[HumanSeat]) >= 0 ||
        renderer_->trickAreaScreenRect.contains(pixel)) {
        UpdateCursor(QCursor(Qt::PointingHandCursor));
    } else if (FrontEdgeRect(game_.viewAngle).contains(pixel)) {
        UpdateCursor(edgeCursor_);
    } else {
        UpdateCursor(QCursor(Qt::ArrowCursor));
    }
}

void TableView::mouseReleaseEvent(QMouseEvent* event) {
    if (!ready_ || event->button() != Qt::LeftButton) return;
    const QPointF canvas = ToCanvas(event->position());
    const int button = ToolbarButtonAt(Whole(canvas));
    if (button >= 0 && button < AngleUpButton && game_.dragging == 0 && game_.angleDragging == 0) {
        commands_->OpenPopupMenu(button);
        return;
    }
    if (game_.ReleaseOnTable(PointAt(canvas)) == TableResponse::CardDropped) {
        UpdateCursor(QCursor(Qt::ArrowCursor));
        update();
    }
}

void TableView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (!ready_ || event->button() != Qt::LeftButton) return;
    game_.DoubleClickOnHand(
        renderer_->HandPositionAt(Whole(ToCanvas(event->position())), game_.handCount[HumanSeat]));
}

void TableView::leaveEvent(QEvent*) { tip_->Deactivate(); }

// --- The hint ---------------------------------------------------------------

CMonSel::Hint TableView::SuitHint(SuitDialogMode mode) const {
    search::Advice advice;
    if (mode == SuitDialogMode::Trump) {
        advice = search::AdviseTrump(game_, HumanSeat);
    } else {
        // The joker has left the hand for the table; the suits it may ask
        // for are weighed with it back in the hand, as the lead it is.
        GameState lead = game_;
        auto& hand = lead.hand[HumanSeat];
        const int count = std::min(lead.handCount[HumanSeat], HandSize - 1);
        std::copy_backward(hand.begin(), hand.begin() + count, hand.begin() + count + 1);
        hand[0] = Joker;
        lead.handCount[HumanSeat] = count + 1;
        lead.trick[HumanSeat] = NoCard;
        for (const search::MoveValue& move : search::AdviseCard(lead, HumanSeat).moves) {
            if (move.move.card == Joker)
                advice.moves.push_back({{move.move.jokerSuit, -1}, move.value, move.winShare});
        }
    }
    if (advice.moves.empty()) return {Clubs, QString()};
    const search::MoveValue& best = advice.moves.front();
    QString text = (mode == SuitDialogMode::Trump
                        ? tr("%1を役にすると、あなたのグループが勝つ見込み %2、得点の見込み %3")
                        : tr("%1を指定すると、あなたのグループが勝つ見込み %2、得点の見込み %3"))
                       .arg(SuitName(best.move.card), Percent(best.winShare), Points(best.value));
    if (advice.moves.size() > 1) {
        const search::MoveValue& next = advice.moves[1];
        text += tr("\n次点は %1（%2、%3）")
                    .arg(SuitName(next.move.card), Percent(next.winShare), Points(next.value));
    }
    return {best.move.card, text};
}

void TableView::ShowHint() {
    if (!ready_ || !renderer_ || !game_.HumanMayPlay() || game_.dragging != 0) return;
    QString text;
    int position = -1;
    if (game_.phase == 2) {
        // The show cards: the pair the search finds best to show the partner.
        const search::Advice advice = search::AdviseShowCards(game_, HumanSeat);
        const std::optional<search::MoveValue> best = advice.Best();
        if (!best) return;
        const int first = best->move.card;
        const int second = best->move.jokerSuit;
        position = game_.FindInHand(HumanSeat, game_.shownCount == 0 ? first : second);
        text = game_.shownCount == 0
                   ? tr("見せ札に %1 と %2 を見せると、相方の決める役で、あなたのグループが勝つ見込み "
                        "%3、得点の見込み %4")
                         .arg(CardName(first), CardName(second), Percent(best->winShare), Points(best->value))
                   : tr("もう一枚の見せ札に %1 を見せると、相方の決める役で、あなたのグループが勝つ見込み "
                        "%2、得点の見込み %3")
                         .arg(CardName(second), Percent(best->winShare), Points(best->value));
    } else {
        const search::Advice advice = search::AdviseCard(game_, HumanSeat);
        const std::optional<search::MoveValue> best = advice.Best();
        if (!best) return;
        position = game_.FindInHand(HumanSeat, best->move.card);
        text = tr("%1：あなたのグループがこの戦いに勝つ見込み %2、得点の見込み %3")
                   .arg(MoveName(best->move), Percent(best->winShare), Points(best->value));
        if (advice.moves.size() > 1) {
            const search::MoveValue& next = advice.moves[1];
            text += tr("\n次点は %1（%2、%3）")
                        .arg(MoveName(next.move), Percent(next.winShare), Points(next.value));
        } else {
            text += tr("\n出せる札はこれだけです");
        }
    }
    if (position < 0) return;
    game_.markedCard = position;
    hintHandCount_ = game_.handCount[HumanSeat];
    update();
    const QRect card = renderer_->handCardRects[static_cast<std::size_t>(position)];
    const QPoint anchor(static_cast<int>(card.center().x() * renderer_->scaleX),
                        static_cast<int>(card.top() * renderer_->scaleY));
    tip_->Activate(text, mapToGlobal(anchor));
}

// --- Keyboard -----------------------------------------------------------------

void TableView::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_F1:
            commands_->OpenPopupMenu(0);
            return;
        case Qt::Key_F2:
            commands_->OpenPopupMenu(1);
            return;
        case Qt::Key_F3:
            commands_->OpenPopupMenu(2);
            return;
        case Qt::Key_F4:
            commands_->Execute(command::AngleUp);
            return;
        case Qt::Key_F5:
            commands_->Execute(command::AngleDown);
            return;
        case Qt::Key_F6:
            commands_->Execute(command::Statistics);
            return;
        case Qt::Key_F7:
            commands_->Execute(command::Review);
            return;
        case Qt::Key_H:
            if (ready_ && game_.HumanMayPlay()) {
                ShowHint();
                return;
            }
            break;
        default:
            break;
    }
    std::optional<TableKey> key;
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
        case Qt::Key_Up:
            key = TableKey::Play;
            break;
        case Qt::Key_Left:
            key = TableKey::MarkLeft;
            break;
        case Qt::Key_Right:
            key = TableKey::MarkRight;
            break;
        default:
            break;
    }
    if (ready_ && key && game_.PressKey(*key)) {
        update();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace tesseran
