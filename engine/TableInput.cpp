// SPDX-License-Identifier: MIT
// The human's input at the table beyond playing a card: what a press, a
// release, a double click or a key means in each state of the game, the
// bird's-eye angle, the play settings of the menu, and the trump icon's
// moment of luck.
//
// The window only finds out what lies under the pointer and forwards it
// here, so every rule of the table's input can be driven without a window.
#include "engine/CTorvelView.h"

#include "base/TextMarker.h"

#include "base/ResourceIds.h"
#include "base/StringTable.h"

#include <algorithm>
#include <cmath>

namespace tesseran {

// --- Pointer and keys ----------------------------------------------------------

TableResponse CTorvelView::PressOnTable(const TablePoint& point) {
    if (!IsHumanTurn()) return TableResponse::None;
    // While the score board is shown a click only closes it (on release).
    if (scoreShown == 1) return TableResponse::None;

    if (showingPrevTrick == 0 && handCount[HumanSeat] < HandSize && point.onTrickArea) {
        showingPrevTrick = 1;
        host_.Repaint(TableLayer::Changed);
        return TableResponse::Redraw;
    }
    if (point.angleButton != AngleButton::None && phase > 0) {
        const bool changed = point.angleButton == AngleButton::Up ? RaiseAngle() : LowerAngle();
        return changed ? TableResponse::AngleChanged : TableResponse::None;
    }
    // The pile is spread out over the table for as long as the button is held.
    if (showingDiscards == 0 && discardCount >= 1 && point.onDiscardPile) {
        showingDiscards = 1;
        return TableResponse::Redraw;
    }
    if (point.handPosition >= 0) {
        return PickUp(point.handPosition) ? TableResponse::CardPickedUp : TableResponse::None;
    }
    if (point.onFrontEdge) angleDragging = 1;
    return TableResponse::None;
}

TableResponse CTorvelView::ReleaseOnTable(const TablePoint& point) {
    if (!IsHumanTurn()) return TableResponse::None;
    if (scoreShown == 1) {
        scoreShown = 0;
        host_.Repaint(TableLayer::Kept);
        return TableResponse::Redraw;
    }
    if (showingPrevTrick == 1) {
        showingPrevTrick = 0;
        host_.Repaint(TableLayer::Changed);
        return TableResponse::Redraw;
    }
    if (showingDiscards == 1) {
        showingDiscards = 0;
        host_.Repaint(TableLayer::Changed);
        return TableResponse::Redraw;
    }
    if (dragging == 1) {
        Drop(point.inDropArea);
        return TableResponse::CardDropped;
    }
    if (angleDragging == 1) {
        angleDragging = 0;
        StoreAngle();
    }
    return TableResponse::None;
}

void CTorvelView::DoubleClickOnHand(int position) {
    if (!IsHumanTurn() || showingDiscards != 0 || scoreShown != 0 || dragging != 0) return;
    if (position < 0 || position >= handCount[HumanSeat]) return;
    markedCard = position;
    KeyPlay();
}

bool CTorvelView::PressKey(TableKey key) {
    if (phase < 1 || showingDiscards != 0 || scoreShown != 0) return false;
    switch (key) {
        case TableKey::Play:
            if (IsHumanTurn() && dragging == 0) KeyPlay();
            return true;
        case TableKey::MarkLeft:
            MoveMark(-1);
            return true;
        case TableKey::MarkRight:
            MoveMark(+1);
            return true;
    }
    return false;
}

void CTorvelView::PointerOnTrumpIcon(bool resting) {
    if (!resting) {
        pointerOnTrumpIcon_ = false;
        return;
    }
    // The seat of the clock's ten seconds (0..3) gets a prearranged hand at
    // the next deal; from second 40 on nobody does.
    const int before = luckySeat;
    const std::optional<LocalTime> now = host_.Now();
    const bool lucky = now.has_value() && now->second >= 0 && now->second < 40;
    luckySeat = lucky ? now->second / 10 : -1;
    // The sound marks the moment of luck once, not every move across the icon.
    const bool news = !pointerOnTrumpIcon_ || before != luckySeat;
    pointerOnTrumpIcon_ = true;
    if (lucky && news) Sound(wave::Click, SoundMode::Synchronous);
}

// --- The angle -------------------------------------------------------------------

bool CTorvelView::RaiseAngle() {
    if (phase <= 0 || viewAngle >= MaximumAngle) return false;
    viewAngle = std::min(viewAngle + 1.0, static_cast<double>(MaximumAngle));
    StoreAngle();
    return true;
}

bool CTorvelView::LowerAngle() {
    if (phase <= 0 || viewAngle <= MinimumAngle) return false;
    viewAngle = std::max(viewAngle - 1.0, static_cast<double>(MinimumAngle));
    StoreAngle();
    return true;
}

bool CTorvelView::DragAngleTo(double angle) {
    if (angleDragging != 1 || !std::isfinite(angle)) return false;
    const double clamped =
        std::clamp(angle, static_cast<double>(MinimumAngle), static_cast<double>(MaximumAngle));
    if (clamped == viewAngle) return false;
    viewAngle = clamped;
    return true;
}

void CTorvelView::StoreAngle() {
    const int whole = static_cast<int>(viewAngle);
    if (whole == storedAngle_) return;
    settings_.Write(setting::Angle, whole);
    settings_.Sync();
    storedAngle_ = whole;
}

// --- Settings of the menu -------------------------------------------------------

bool CTorvelView::ToggleOption(PlayOption option) {
    struct Switch {
        int* field;
        const IntSetting* setting;
        bool redrawWhilePlaying;  // it changes what lies on the table
    };
    const Switch toggle = [&]() -> Switch {
        switch (option) {
            case PlayOption::OpenMode:
                return {&openMode, &setting::OpenMode, true};
            case PlayOption::Sound:
                return {&soundOn, &setting::Sound, false};
            case PlayOption::RuleRemarks:
                return {&ruleRemarks, &setting::RuleRemarks, false};
            case PlayOption::DisplayRemarks:
                return {&displayRemarks, &setting::DisplayRemarks, false};
            case PlayOption::RemainingCards:
                return {&remainingDisplay, &setting::RemainingCards, true};
            case PlayOption::StatusDisplay:
                break;
        }
        return {&statusDisplay, &setting::StatusDisplay, false};
    }();
    *toggle.field = *toggle.field == 1 ? 0 : 1;
    settings_.Write(*toggle.setting, *toggle.field);
    if (toggle.redrawWhilePlaying && phase == 1) {
        host_.Repaint(TableLayer::Kept);
        return true;
    }
    return false;
}

void CTorvelView::ToggleAutoStart() {
    const bool wasOn = settings_.Read(setting::AutoStart) == 1;
    // Each message whole (30028 after the first line), so that the window
    // finds its translation as it stands.
    const char* text =
        wasOn ? TESSERAN_TEXT("Messages", "自動スタートの設定を解除しました\n次回の起動時から適用されます")
              : TESSERAN_TEXT("Messages", "自動スタートに設定しました\n次回の起動時から適用されます");
    host_.ShowMessage(text, MessageIcon::Information);
    settings_.Write(setting::AutoStart, wasOn ? 0 : 1);
}

void CTorvelView::ToggleScoreBoard() {
    if (phase == 0) return;
    scoreShown = scoreShown == 1 ? 0 : 1;
    if (phase == 1) host_.Repaint(TableLayer::Kept);
}

// --- What the table shows ---------------------------------------------------------

void CTorvelView::KeepMarkInHand() {
    const int count = handCount[HumanSeat];
    if (count <= 0) return;
    if (markedCard < 0) markedCard = count - 1;
    if (markedCard > count - 1) markedCard = 0;
}

}  // namespace tesseran
