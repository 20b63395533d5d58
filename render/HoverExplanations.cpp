// SPDX-License-Identifier: MIT
#include "render/HoverExplanations.h"

#include "base/ResourceIds.h"
#include "base/Roster.h"
#include "render/StatusPanels.h"
#include "resources/QtText.h"

#include <cmath>

namespace tesseran {

namespace {

QPoint Pixel(QPointF canvasPoint) {
    return QPoint(static_cast<int>(std::floor(canvasPoint.x())),
                  static_cast<int>(std::floor(canvasPoint.y())));
}

// Whether a point lies on a rectangle; empty rectangles hold no point.
bool Hits(const QRect& rect, QPoint point) { return !rect.isEmpty() && rect.contains(point); }

HoverText Explain(int textId) { return HoverText{true, LoadText(textId)}; }

}  // namespace

bool HoverExplanations::OnTrumpIcon(QPointF canvasPoint) { return Hits(TrumpIconRect, Pixel(canvasPoint)); }

HoverText HoverExplanations::Explain(QPointF canvasPoint) {
    const QPoint point = Pixel(canvasPoint);
    const bool playing = state_.phase >= 1;

    auto plateSeat = [&]() {
        for (int seat = 0; seat < SeatCount; ++seat) {
            if (Hits(geometry_.namePlateRects[static_cast<size_t>(seat)], point)) return seat;
        }
        return -1;
    };
    auto panelItem = [&]() {
        for (int item = 0; item < static_cast<int>(RemainingPanelItemRects.size()); ++item) {
            if (Hits(RemainingPanelItemRects[static_cast<size_t>(item)], point)) return item;
        }
        return -1;
    };

    HoverText result;
    if (state_.displayRemarks != 1) {
        result = HoverText{};
    } else if (const int seat = playing ? plateSeat() : -1; seat >= 0) {
        const int entry = ParticipantEntry(state_.participantAt[static_cast<size_t>(seat)], state_.entryNo);
        result = IsEntry(entry) ? tesseran::Explain(text::FirstProfile + entry) : HoverText{true, QString()};
    } else if (TurnHintsShown(state_) && Hits(geometry_.requestedSuitRect, point)) {
        result = tesseran::Explain(text::ExplainRequestedSuit);
    } else if (RightSignShown(state_) && Hits(geometry_.rightSignRect, point)) {
        result = tesseran::Explain(text::ExplainRight);
    } else if (Hits(ToolbarButtonRects[AngleUpButton], point)) {
        result = tesseran::Explain(text::ExplainAngleUp);
    } else if (Hits(ToolbarButtonRects[AngleDownButton], point)) {
        result = tesseran::Explain(text::ExplainAngleDown);
    } else if (playing && Hits(geometry_.turnMarkerRect, point)) {
        result = tesseran::Explain(text::ExplainTurnMarker);
    } else if (playing && Hits(geometry_.trickAreaScreenRect, point)) {
        result = tesseran::Explain(text::ExplainTrickArea);
    } else if (state_.discardCount >= 1 && Hits(geometry_.discardScreenRect, point)) {
        result = tesseran::Explain(text::ExplainDiscards);
    } else if (Hits(TrumpIconRect, point)) {
        result = tesseran::Explain(text::ExplainTrump);
    } else if (Hits(GameCounterRect, point)) {
        result = tesseran::Explain(text::ExplainGame);
    } else if (Hits(BattleCounterRect, point)) {
        result = tesseran::Explain(text::ExplainBattle);
    } else if (playing && state_.remainingDisplay == 1 && Hits(RemainingPanelRect, point)) {
        const int item = panelItem();
        result = item >= 0 ? tesseran::Explain(text::ExplainFirstRemaining + item) : last_;
    } else {
        result = HoverText{};
    }
    last_ = result;
    return result;
}

}  // namespace tesseran
