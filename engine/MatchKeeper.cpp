// SPDX-License-Identifier: MIT
#include "engine/MatchKeeper.h"

#include <utility>

namespace tesseran {

namespace {

// The human is to play a card or to place a show card, and play waits for him.
bool HumanWaits(const GameState& state) {
    return state.phase >= 1 && state.currentSeat == HumanSeat && state.busy == 1;
}

}  // namespace

MatchKeeper::MatchKeeper(Host& host, SnapshotSink& sink) : host_(host), sink_(sink) {}

void MatchKeeper::Tick() {
    if (view_ == nullptr) return;
    // A tick during a dialog or pause of the human's own play: the view
    // ignores it (play is busy), and nothing stands still enough to keep.
    if (nested_ > 0) {
        view_->TurnTick();
        return;
    }
    if (keepAtNextTick_) KeepWaiting();

    inTick_ = true;
    tickStart_ = *view_;
    answers_.clear();
    tickKeepable_ = underWay_ && tickStart_.phase >= 1;
    trickClosed_ = false;
    view_->TurnTick();
    inTick_ = false;
    if (replaying_) EndReplay();

    if (trickClosed_ || (HumanWaits(*view_) && !HumanWaits(tickStart_))) KeepWaiting();
}

bool MatchKeeper::Resume(const MatchSnapshot& snapshot) {
    if (view_ == nullptr) return false;
    view_->Restore(snapshot.state, snapshot.matchId);
    if (recorder_ != nullptr) recorder_->Resume(snapshot.state, snapshot.battles);
    underWay_ = true;
    keepAtNextTick_ = false;
    replaying_ = snapshot.flow.position == TurnFlow::Position::InTick;
    replay_ = snapshot.flow.answers;
    replayAt_ = 0;
    host_.Repaint(TableLayer::Changed);
    return host_.StartTurnTimer(view_->speed * MillisecondsPerSpeedStep);
}

void MatchKeeper::KeepNow() {
    // A cut-off tick that has not run again yet is kept as it was taken up,
    // answers and all.
    if (nested_ == 0 && !inTick_ && !replaying_) KeepWaiting();
}

void MatchKeeper::KeepWaiting() {
    if (view_ == nullptr || !underWay_ || view_->phase < 1) {
        keepAtNextTick_ = false;
        return;
    }
    // A card that follows the pointer is in neither the hand nor the table:
    // the match is kept once it has landed.
    if (view_->dragging != 0) {
        keepAtNextTick_ = true;
        return;
    }
    keepAtNextTick_ = false;
    sink_.Keep(MatchSnapshot{view_->matchId(), *view_, {}, BattlesSoFar()});
}

void MatchKeeper::KeepBeforeDialog() {
    if (!inTick_ || !tickKeepable_ || replaying_) return;
    sink_.Keep(MatchSnapshot{view_->matchId(), tickStart_, TurnFlow{TurnFlow::Position::InTick, answers_},
                             BattlesSoFar()});
}

void MatchKeeper::Remember(HostAnswer answer) {
    if (!inTick_) return;
    if (answers_.size() == TurnFlow::MostAnswers) {
        // More than a snapshot holds: this tick is not kept from here on.
        tickKeepable_ = false;
        return;
    }
    answers_.push_back(std::move(answer));
}

std::optional<HostAnswer> MatchKeeper::NextReplayed(HostAnswer::Kind kind) {
    if (replayAt_ < replay_.size() && replay_[replayAt_].kind == kind) {
        HostAnswer answer = replay_[replayAt_++];
        answers_.push_back(answer);
        return answer;
    }
    EndReplay();
    return std::nullopt;
}

void MatchKeeper::EndReplay() {
    replaying_ = false;
    replay_.clear();
    replayAt_ = 0;
    host_.Repaint(TableLayer::Changed);
}

template <class Ask>
int MatchKeeper::Dialog(HostAnswer::Kind kind, Ask&& ask) {
    if (replaying_) {
        if (auto answer = NextReplayed(kind)) return answer->value;
    }
    KeepBeforeDialog();
    ++nested_;
    const int value = ask();
    --nested_;
    Remember({kind, value, std::nullopt});
    return value;
}

void MatchKeeper::ShowMessage(std::string_view text, MessageIcon icon) {
    Dialog(HostAnswer::Kind::Message, [&] {
        host_.ShowMessage(text, icon);
        return 0;
    });
}

bool MatchKeeper::AskYesNo(std::string_view text) {
    return Dialog(HostAnswer::Kind::Question, [&] { return host_.AskYesNo(text) ? 1 : 0; }) != 0;
}

int MatchKeeper::ChooseSuit(SuitDialogMode mode) {
    return Dialog(HostAnswer::Kind::Suit, [&] { return host_.ChooseSuit(mode); });
}

int MatchKeeper::ChooseDeclaration(bool related) {
    return Dialog(HostAnswer::Kind::Declaration, [&] { return host_.ChooseDeclaration(related); });
}

int MatchKeeper::ChooseEntry() {
    return Dialog(HostAnswer::Kind::Entry, [&] { return host_.ChooseEntry(); });
}

std::optional<LocalTime> MatchKeeper::Now() {
    if (replaying_) {
        if (auto answer = NextReplayed(HostAnswer::Kind::Clock)) return answer->time;
    }
    std::optional<LocalTime> now = host_.Now();
    Remember({HostAnswer::Kind::Clock, 0, now});
    return now;
}

bool MatchKeeper::StartTurnTimer(int intervalMilliseconds) {
    if (replaying_) {
        if (auto answer = NextReplayed(HostAnswer::Kind::Timer)) return answer->value != 0;
    }
    const bool started = host_.StartTurnTimer(intervalMilliseconds);
    Remember({HostAnswer::Kind::Timer, started ? 1 : 0, std::nullopt});
    return started;
}

// What the engine shows and plays is held back while a cut-off tick runs
// again: it was all seen and heard before the program stopped.

void MatchKeeper::Pause(int milliseconds) {
    if (replaying_) return;
    ++nested_;
    host_.Pause(milliseconds);
    --nested_;
}

void MatchKeeper::Repaint(TableLayer layer) {
    if (!replaying_) host_.Repaint(layer);
}

void MatchKeeper::PlaySound(int waveId, SoundMode mode) {
    if (replaying_) return;
    ++nested_;
    host_.PlaySound(waveId, mode);
    --nested_;
}

void MatchKeeper::DrawMarker(int seat, Marker marker) {
    if (!replaying_) host_.DrawMarker(seat, marker);
}

void MatchKeeper::DrawBalloon(int seat, Balloon balloon, int suit) {
    if (!replaying_) host_.DrawBalloon(seat, balloon, suit);
}

void MatchKeeper::StopTurnTimer() {
    if (!replaying_) host_.StopTurnTimer();
}

void MatchKeeper::CloseMainWindow() {
    if (!replaying_) host_.CloseMainWindow();
}

void MatchKeeper::OnEvent(const EngineEvent& event) {
    using Kind = EngineEvent::Kind;
    switch (event.kind) {
        case Kind::MatchStarted:
            if (view_ != nullptr) view_->SetMatchId(sink_.NewMatchId());
            underWay_ = true;
            // The tick's record is the old match's: the new one is kept once
            // it stands still.
            tickKeepable_ = false;
            keepAtNextTick_ = true;
            break;
        case Kind::Credited:
            // The koku and the match's id are committed; only now does the
            // snapshot go, so that a crash in between loses no credit and a
            // resumed match is not credited twice.
            if (underWay_) sink_.Discard();
            underWay_ = false;
            tickKeepable_ = false;
            keepAtNextTick_ = false;
            break;
        case Kind::TrickClosed:
            if (inTick_) trickClosed_ = true;
            break;
        case Kind::CardPlayed:
            if (!inTick_ && event.a == HumanSeat) keepAtNextTick_ = true;
            break;
        case Kind::ShowCardsPlaced:
            if (!inTick_) keepAtNextTick_ = true;
            break;
        default:
            break;
    }
    if (replaying_) return;
    if (recorder_ != nullptr && view_ != nullptr)
        recorder_->OnEvent(*view_, event, view_->matchId(), std::nullopt);
    host_.OnEvent(event);
}

std::vector<BattleRecord> MatchKeeper::BattlesSoFar() const {
    return recorder_ != nullptr ? recorder_->battles() : std::vector<BattleRecord>{};
}

}  // namespace tesseran
