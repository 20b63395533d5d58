// SPDX-License-Identifier: MIT
#include "HelpScene.h"

#include "base/SettingsStore.h"
#include "common/ScriptedHuman.h"
#include "common/VirtualClockHost.h"
#include "players/CFudaDashi.h"
#include "render/CardBacks.h"
#include "render/StatusPanels.h"
#include "render/TableRenderer.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>

#include <functional>
#include <optional>
#include <utility>
#include <vector>

namespace tesseran {

namespace {

int CardsOnTable(const GameState& state) {
    int cards = 0;
    for (int card : state.trick) cards += card != NoCard ? 1 : 0;
    return cards;
}

int FaceCardsTaken(const GameState& state) {
    int taken = 0;
    for (int owner : state.faceOwner) taken += owner >= 0 ? 1 : 0;
    return taken;
}

// The moment worth showing: battle 1 with both groups known, face cards
// taken, cards in the discard pile, and the player following a trick.
bool WorthShowing(const CFudaDashi& view) {
    return view.battleNo >= 2 && view.phase == 1 && view.leader != HumanSeat && CardsOnTable(view) == 2 &&
           view.handCount[HumanSeat] >= 5 && view.handCount[HumanSeat] <= 7 && view.discardCount >= 4 &&
           FaceCardsTaken(view) >= 3 && view.declaration == 0;
}

constexpr double Shrink = 800.0 / 1200.0;
// A band left of the table for the marks of the top-left corner, in the
// colour of the help pages' paper.
constexpr int MarginLeft = 40;
const QColor Paper(250, 247, 239);

struct Mark {
    SceneMark mark;
    QPointF at;                       // the mark's centre (canvas)
    std::optional<QPointF> pointsAt;  // a thin line to the part, when the mark cannot sit beside it
};

void DrawMark(QPainter& painter, const Mark& mark) {
    const QPointF offset(MarginLeft, 0);
    const QPointF centre = mark.at * Shrink + offset;
    constexpr double Radius = 13.0;
    const QColor vermilion(181, 69, 43);
    if (mark.pointsAt) {
        painter.setPen(QPen(QColor(255, 255, 255), 4.0, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(centre, *mark.pointsAt * Shrink + offset);
        painter.setPen(QPen(vermilion, 2.0, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(centre, *mark.pointsAt * Shrink + offset);
    }
    painter.setPen(QPen(QColor(255, 255, 255), 2.5));
    painter.setBrush(vermilion);
    painter.drawEllipse(centre, Radius, Radius);
    QFont font(QStringLiteral("Noto Sans CJK JP"));
    font.setPixelSize(17);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(QColor(255, 255, 255));
    painter.drawText(QRectF(centre.x() - Radius, centre.y() - Radius - 1, 2 * Radius, 2 * Radius),
                     Qt::AlignCenter, QString::number(static_cast<int>(mark.mark)));
}

}  // namespace

QImage HelpTableScene(const QImage& sheet) {
    if (sheet.isNull()) return {};
    MemorySettingsStore store;
    VirtualClockHost host(20 * 3600 + 15 * 60 + 30);
    CFudaDashi view(host, store);
    CardBacks backs(sheet, store, host);
    if (!backs.BuildBackFan()) return {};
    TableRenderer renderer(view, sheet, backs);
    if (!renderer.CreateSurfaces(host)) return {};
    renderer.BuildFaceStrip();

    view.StartUp();
    view.OnStartUpTimer();
    renderer.FinishInitialising();
    if (!view.StartGame()) return {};

    bool found = false;
    for (long step = 0; step < 200000 && !host.closed && !found; ++step) {
        const bool humanWaits = view.currentSeat == HumanSeat && view.busy == 1 && view.HumanMayPlay();
        if (humanWaits) {
            if (WorthShowing(view)) {
                found = true;
                break;
            }
            if (view.phase == 2) {
                view.markedCard = 0;
                view.KeyPlay();
            } else {
                PlayScriptedHumanTurn(view);
            }
        } else if (host.timerRunning) {
            view.TurnTick();
        } else {
            break;
        }
    }
    if (!found) return {};

    const QSize full(1200, 900);
    renderer.RedrawTable(TableLayer::Changed);
    QImage window(full, QImage::Format_RGB32);
    window.fill(Qt::white);
    {
        QPainter painter(&window);
        renderer.SetClientSize(full);
        renderer.PaintWindow(painter, full);
    }
    QImage picture(800 + MarginLeft, 600, QImage::Format_RGB32);
    picture.fill(Paper);
    QPainter painter(&picture);
    painter.drawImage(MarginLeft, 0,
                      window.scaled(800, 600, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));

    // The marks, each beside the part it names (canvas coordinates).
    const QRect trick = renderer.trickAreaScreenRect;
    const QRect pile = renderer.discardScreenRect;
    const QRect hand = renderer.handRect;
    const int edgeTop = FrontEdgeY(view.viewAngle);
    QRect plate = renderer.namePlateRects[1];
    const QRect turn = renderer.turnMarkerRect;
    const std::vector<Mark> marks = {
        {SceneMark::Trump, QPointF(-30, 36), QPointF(12, 36)},
        {SceneMark::Counters, QPointF(215, 26),
         QPointF(GameCounterRect.right() - 4, GameCounterRect.bottom())},
        {SceneMark::Toolbar, QPointF(-30, 80), QPointF(12, 80)},
        {SceneMark::RemainingPanel,
         QPointF(RemainingPanelRect.left() - 22, RemainingPanelRect.center().y()),
         {}},
        {SceneMark::NamePlate, QPointF(plate.right() + 22, plate.center().y()), {}},
        {SceneMark::TrickArea, QPointF(trick.left() + 18, trick.top() + 18), {}},
        {SceneMark::DiscardPile, QPointF(pile.right() + 22, pile.top() + 10), {}},
        {SceneMark::CapturedCards, QPointF(hand.right() + 30, hand.top() - 60),
         QPointF(hand.center().x() + 40, hand.top() - 50)},
        {SceneMark::Hand, QPointF(hand.left() - 22, hand.center().y()), {}},
        {SceneMark::RequestAndRight,
         QPointF(renderer.rightSignRect.isEmpty() ? hand.right() + 70 : renderer.rightSignRect.right() + 20,
                 hand.top() + 18),
         {}},
        {SceneMark::FrontEdge, QPointF(1140, edgeTop + 4), {}},
        {SceneMark::TurnMarker, QPointF(turn.left() - 40, turn.center().y()),
         QPointF(turn.left(), turn.center().y())},
    };
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    for (const Mark& mark : marks) DrawMark(painter, mark);
    return picture;
}

}  // namespace tesseran
