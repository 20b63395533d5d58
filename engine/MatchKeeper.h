// SPDX-License-Identifier: MIT
// Keeps a match in progress, so that it survives the program being closed or
// killed, and takes it up again.
//
// The keeper stands between the engine and its host: every call of the
// engine passes through it to the real host, and the turn timer's ticks go
// through Tick(). It hands a snapshot of the match to its sink whenever play
// waits: when the human's turn begins (the show cards' placing too), after
// each trick closes, once the human has played, and before every dialog a
// tick opens. Play is never paused for it.
//
// A dialog opens in the middle of a tick, with half the tick's work done, and
// the engine cannot be stopped there and started again. So the snapshot
// before a dialog is the record the tick began with, together with what the
// host had told the tick so far (the clock readings of the deals, the answers
// of earlier dialogs). Taken up again, the tick runs anew from that record and
// is given those same answers, the calls it makes to the world up to the open
// dialog are held back (they were seen before), and the dialog opens again:
// the match goes on exactly as it would have.
#pragma once

#include "base/Host.h"
#include "engine/CTorvelView.h"
#include "engine/Chronicle.h"
#include "engine/MatchSnapshot.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace tesseran {

// Where the snapshots go: a file for the window, memory for the simulator.
class SnapshotSink {
public:
    virtual ~SnapshotSink() = default;
    // An id no earlier match had, for the match that starts now.
    virtual std::string NewMatchId() = 0;
    // The match as it stands now replaces the one kept before.
    virtual void Keep(const MatchSnapshot& snapshot) = 0;
    // The match has ended and its koku are credited: nothing is kept.
    virtual void Discard() = 0;
};

class MatchKeeper final : public Host {
public:
    MatchKeeper(Host& host, SnapshotSink& sink);
    MatchKeeper(const MatchKeeper&) = delete;
    MatchKeeper& operator=(const MatchKeeper&) = delete;

    // The view whose match is kept; its host is this keeper.
    void Attach(CTorvelView& view) { view_ = &view; }
    // Every match's events also go to the chronicle's recorder (never twice:
    // a tick replayed after a resume is not passed on), and its battles so
    // far go into each snapshot and come back with the match.
    void RecordInto(ChronicleRecorder* recorder) { recorder_ = recorder; }

    // A tick of the turn timer: the view's TurnTick, with the snapshots
    // around it.
    void Tick();
    // Takes the match of a snapshot up into the view, with the turn timer
    // running; a tick that was cut off runs again at the next tick. False
    // when the turn timer could not be started.
    bool Resume(const MatchSnapshot& snapshot);
    // Keeps the match as it stands, if one is under way and play waits (the
    // window closes).
    void KeepNow();
    // Whether a match is under way that has not been credited.
    bool underWay() const { return underWay_; }

    // --- Host: passed on, with the answers of ticks remembered --------------
    void ShowMessage(std::string_view text, MessageIcon icon) override;
    bool AskYesNo(std::string_view text) override;
    void Pause(int milliseconds) override;
    std::optional<LocalTime> Now() override;
    void Repaint(TableLayer layer) override;
    void PlaySound(int waveId, SoundMode mode) override;
    void DrawMarker(int seat, Marker marker) override;
    void DrawBalloon(int seat, Balloon balloon, int suit) override;
    int ChooseSuit(SuitDialogMode mode) override;
    int ChooseDeclaration(bool related) override;
    int ChooseEntry() override;
    bool StartTurnTimer(int intervalMilliseconds) override;
    void StopTurnTimer() override;
    void CloseMainWindow() override;
    void OnEvent(const EngineEvent& event) override;

private:
    // The next answer of the replay, if it is of the kind asked for. Past the
    // replay's answers, or where they no longer match what the engine asks,
    // the replay ends and the call goes to the host.
    std::optional<HostAnswer> NextReplayed(HostAnswer::Kind kind);
    // The replay is over: the table is shown as it now stands.
    void EndReplay();
    // Before a dialog of a tick: the tick's record and its answers so far.
    void KeepBeforeDialog();
    // The record as it stands, with play waiting.
    void KeepWaiting();
    void Remember(HostAnswer answer);
    // Runs a dialog of the host with the keeper's bookkeeping around it.
    template <class Ask>
    int Dialog(HostAnswer::Kind kind, Ask&& ask);

    Host& host_;
    SnapshotSink& sink_;
    CTorvelView* view_ = nullptr;
    ChronicleRecorder* recorder_ = nullptr;

    std::vector<BattleRecord> BattlesSoFar() const;

    // A match is under way and not yet credited; its id is the view's.
    bool underWay_ = false;
    // Something worth keeping happened outside a tick (the human played, a
    // match started): it is kept when the next tick begins, with play waiting.
    bool keepAtNextTick_ = false;

    // The tick under way: the record it began with and what it was told.
    bool inTick_ = false;
    // The tick's dialogs may be kept: a match is under way, none began or
    // ended during the tick, and its answers fit a snapshot.
    bool tickKeepable_ = false;
    bool trickClosed_ = false;
    GameState tickStart_;
    std::vector<HostAnswer> answers_;
    // A dialog, a pause or a sound played to its end is running; ticks that
    // the window delivers meanwhile go straight to the view.
    int nested_ = 0;

    // A cut-off tick runs again: its answers are given again, and its calls
    // to the world are held back until it reaches the dialog it was cut off at.
    bool replaying_ = false;
    std::vector<HostAnswer> replay_;
    std::size_t replayAt_ = 0;
};

}  // namespace tesseran
