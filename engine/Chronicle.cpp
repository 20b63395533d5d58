// SPDX-License-Identifier: MIT
#include "engine/Chronicle.h"

namespace tesseran {

void ChronicleRecorder::OnEvent(const GameState& state, const EngineEvent& event, const std::string& matchId,
                                const std::optional<LocalTime>& now) {
    using Kind = EngineEvent::Kind;
    switch (event.kind) {
        case Kind::MatchStarted:
            match_ = MatchRecord{};
            credits_ = 0;
            break;
        case Kind::TrickClosed:
            // The declaration is cleared as the battle is judged; it is read
            // at each trick's close, while it still stands.
            declaration_ = state.declaration;
            break;
        case Kind::BattleEnded: {
            BattleRecord battle;
            battle.game = state.gameNo;
            battle.battle = event.b;
            battle.trump = state.trump;
            battle.chooserSeat = event.b >= 2 ? state.chooserSeat : -1;
            battle.declaration = declaration_;
            battle.result = static_cast<BattleResult>(event.a);
            battle.points = event.c;
            battle.participantAt = state.participantAt;
            battle.relation = state.relation;
            // A battle reported again (a tick replayed after a resume) takes
            // the place of its first report.
            if (!match_.battles.empty() && match_.battles.back().game == battle.game &&
                match_.battles.back().battle == battle.battle) {
                match_.battles.back() = battle;
            } else {
                match_.battles.push_back(battle);
            }
            declaration_ = 0;
            break;
        }
        case Kind::Credited: {
            // The four participants are credited in turn, the player last.
            const int participant = credits_;
            if (participant >= SeatCount) break;
            match_.balances[static_cast<std::size_t>(participant)] = event.b;
            credits_ += 1;
            if (credits_ < SeatCount) break;
            match_.matchId = matchId;
            if (now) match_.ended = *now;
            match_.entry = state.entryNo;
            match_.names = state.participantName;
            match_.scores = state.score;
            if (sink_.RecordMatch(match_)) recorded_ += 1;
            break;
        }
        default:
            break;
    }
}

void ChronicleRecorder::Resume(const GameState& state, std::vector<BattleRecord> battles) {
    match_ = MatchRecord{};
    match_.battles = std::move(battles);
    credits_ = 0;
    declaration_ = state.declaration;
}

}  // namespace tesseran
