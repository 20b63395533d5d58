// SPDX-License-Identifier: MIT
// The view's small shared helpers: messages, sounds, pauses, the hand
// operations every rule uses, the announcements and the speed command.
#include "engine/CTorvelView.h"

#include "base/ResourceIds.h"
#include "base/StringTable.h"

#include <algorithm>
#include <bit>

namespace tesseran {

namespace {

bool IsSuit(int suit) { return suit >= 0 && suit < 4; }

}  // namespace

CTorvelView::CTorvelView(Host& host, SettingsStore& settings) : host_(host), settings_(settings) {}

void CTorvelView::SetTrump(int suit) {
    trump = suit;
    host_.OnEvent({EngineEvent::Kind::TrumpSet, suit});
}

void CTorvelView::Message(int stringId, MessageIcon icon) { host_.ShowMessage(LoadString(stringId), icon); }

bool CTorvelView::Ask(int stringId) { return host_.AskYesNo(LoadString(stringId)); }

void CTorvelView::Sound(int waveId, SoundMode mode) {
    if (soundOn == 1) host_.PlaySound(waveId, mode);
}

void CTorvelView::PauseTurn() {
    host_.Pause(PauseMilliseconds());
    host_.Repaint(TableLayer::Kept);
}

void CTorvelView::RemoveFromHand(int seat, int position) {
    auto& cards = hand[seat];
    // The cards after it close up. The whole row is walked, each place
    // taking its right neighbour or keeping its card by arithmetic: a loop
    // that ran from the card would end where the deal says, a mispredicted
    // jump on nearly every card played.
    const int last = handCount[seat] - 1;
    for (int i = 0; i + 1 < HandSize; ++i)
        cards[i] = Choose((i >= position) & (i < last), cards[i + 1], cards[i]);
    --handCount[seat];
    cards[handCount[seat]] = 0;
    if (seat == HumanSeat) KeepMarkInHand();
}

void CTorvelView::SortHands() {
    for (int seat = 0; seat < SeatCount; ++seat) {
        auto& cards = hand[seat];
        const int count = handCount[seat];
        // A hand is a set of distinct codes: it sorts by reading its set's
        // bits from the lowest up. Anything else sorts the ordinary way.
        const CardSet set = HandSet(seat);
        bool distinct = CountCards(set) == count;
        for (int i = 0; i < count; ++i) distinct = distinct && IsCardCode(cards[i]);
        if (!distinct) {
            std::sort(cards.begin(), cards.begin() + count);
            continue;
        }
        CardSet rest = set;
        for (int i = 0; i < count; ++i) {
            cards[i] = std::countr_zero(rest);
            rest &= rest - 1;
        }
    }
}

int CTorvelView::FirstLeadPinHolder() const {
    for (int seat = 0; seat < SeatCount; ++seat) {
        if (FindInHand(seat, FirstLeadPin()) >= 0) return seat;
    }
    return -1;
}

void CTorvelView::AnnounceTrump(int seat, int suit) {
    if (!IsSuit(suit)) return;
    host_.DrawBalloon(seat, Balloon::Trump, suit);
    Sound(wave::Trump[suit], SoundMode::Synchronous);
    PauseTurn();
}

void CTorvelView::AnnounceRequestedSuit(int seat, int suit) {
    if (!IsSuit(suit)) return;
    host_.DrawBalloon(seat, Balloon::RequestedSuit, suit);
    Sound(wave::RequestedSuit[suit], SoundMode::Synchronous);
    PauseTurn();
    requestedSuit = suit;
}

void CTorvelView::ChangeSpeed(int newSpeed) {
    if (phase > 0) {
        host_.StopTurnTimer();
        if (!host_.StartTurnTimer(newSpeed * MillisecondsPerSpeedStep))
            Message(text::TimerFailed, MessageIcon::Stop);
    }
    speed = newSpeed;
    settings_.Write(setting::Speed, newSpeed);
}

}  // namespace tesseran
