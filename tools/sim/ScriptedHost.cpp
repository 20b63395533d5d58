// SPDX-License-Identifier: MIT
#include "sim/ScriptedHost.h"

#include "base/ResourceIds.h"
#include "base/StringTable.h"

namespace tesseran::sim {

namespace {

constexpr int SecondsPerDay = 24 * 60 * 60;

std::string Escaped(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c == '\n') {
            out += "\\n";
        } else {
            out += c;
        }
    }
    return out;
}

std::string CardList(const GameState& state, int seat) {
    std::string out;
    for (int i = 0; i < state.handCount[seat]; ++i) {
        if (i > 0) out += ',';
        out += std::to_string(state.hand[seat][i]);
    }
    return out;
}

}  // namespace

const char* ResultKindName(ResultKind kind) { return BattleResultName(kind); }

ScriptedHost::ScriptedHost(int startSecond, int matches, std::ostream* trace)
    : clockSecond_(startSecond % SecondsPerDay), matchesWanted_(matches), trace_(trace) {}

void ScriptedHost::Line(const std::string& text) {
    if (trace_ != nullptr) *trace_ << text << '\n';
}

void ScriptedHost::ShowMessage(std::string_view text, MessageIcon) {
    if (trace_ != nullptr) Line("msg " + Escaped(text));
}

bool ScriptedHost::AskYesNo(std::string_view text) {
    bool answer = true;
    if (text == LoadString(text::PlayOn)) {
        matchesFinished_ += 1;
        answer = matchesFinished_ < matchesWanted_;
    } else if (dialogs_ != nullptr &&
               (text == LoadString(text::GoForSixteen) || text == LoadString(text::GoForReverseSixteen))) {
        answer = dialogs_->GoOnForSixteen();
    }
    if (trace_ != nullptr) Line(std::string("ask ") + (answer ? "yes " : "no ") + Escaped(text));
    return answer;
}

LocalTime ScriptedHost::ClockReading() const {
    LocalTime now;
    now.year = 2026;
    now.month = 1;
    now.day = 1;
    now.hour = clockSecond_ / 3600;
    now.minute = clockSecond_ / 60 % 60;
    now.second = clockSecond_ % 60;
    return now;
}

std::optional<LocalTime> ScriptedHost::Now() {
    const LocalTime now = ClockReading();
    clockSecond_ = (clockSecond_ + 1) % SecondsPerDay;
    return now;
}

void ScriptedHost::OnEvent(const EngineEvent& event) {
    using Kind = EngineEvent::Kind;
    switch (event.kind) {
        case Kind::MatchStarted:
            matchesStarted_ += 1;
            if (recorder_ != nullptr) matchKey_ = "sim-" + std::to_string(matchesStarted_);
            break;
        case Kind::Dealt:
            battlesDealt_ += 1;
            break;
        case Kind::GameScored:
            gamesPlayed_ += 1;
            if (state_ != nullptr && event.a >= 1 && event.a <= 10) {
                const double score = state_->score[event.a - 1][HumanSeat];
                seatThree_.games += 1;
                seatThree_.scoreSum += score;
                seatThree_.scoreSquares += score * score;
            }
            break;
        case Kind::BattleEnded:
            if (event.a >= 0 && event.a < static_cast<int>(ResultKind::Count)) {
                results_[event.a] += 1;
                seatThree_.battles += 1;
                if (state_ != nullptr &&
                    RelatedGroupWins(static_cast<BattleResult>(event.a)) == state_->IsRelated(HumanSeat))
                    seatThree_.battlesWon += 1;
            }
            break;
        default:
            break;
    }
    // The clock as it reads, without moving it on as Now() does: the deals
    // follow the clock.
    if (recorder_ != nullptr && state_ != nullptr)
        recorder_->OnEvent(*state_, event, matchKey_, ClockReading());
    if (trace_ == nullptr || state_ == nullptr) return;
    const GameState& state = *state_;

    auto number = [](int value) { return std::to_string(value); };
    switch (event.kind) {
        case Kind::MatchStarted:
            Line("match " + number(matchesStarted_));
            break;
        case Kind::TrumpSet:
            Line("trump " + number(event.a));
            break;
        case Kind::Dealt:
            Line("deal g=" + number(state.gameNo) + " b=" + number(state.battleNo) +
                 " seed=" + number(event.a));
            for (int seat = 0; seat < SeatCount; ++seat)
                Line("hand " + number(seat) + " " + CardList(state, seat));
            break;
        case Kind::RelationSet:
            Line("relation " + number(state.relation[0]) + " " + number(state.relation[1]) + " " +
                 number(state.relation[2]) + " " + number(state.relation[3]));
            break;
        case Kind::SeatsSwapped:
            Line("swap " + number(event.a) + " " + number(event.b));
            break;
        case Kind::ShowCardsPlaced:
            Line("show " + number(event.a) + " " + number(event.b));
            break;
        case Kind::CardPlayed:
            Line("play " + number(event.a) + " " + number(event.b));
            break;
        case Kind::TrickClosed:
            Line("trick " + number(event.a));
            break;
        case Kind::GameScored: {
            const auto& row = state.score[event.a - 1];
            Line("score g=" + number(event.a) + " " + number(row[0]) + " " + number(row[1]) + " " +
                 number(row[2]) + " " + number(row[3]));
            break;
        }
        case Kind::Credited:
            Line("credit " + number(event.a) + " " + number(event.b));
            break;
        case Kind::BattleEnded:
            break;
    }
}

}  // namespace tesseran::sim
