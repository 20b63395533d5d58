// SPDX-License-Identifier: MIT
#include "players/BattleLog.h"

#include <algorithm>

namespace tesseran {

bool BattleReview::GroupsShown() const {
    for (int shown : group)
        if (shown == 0) return false;
    return true;
}

void BattleLog::Begin(const GameState& state, bool fromTheStart) {
    current_ = BattleReview{};
    current_.game = state.gameNo;
    current_.battle = state.battleNo;
    current_.trump = state.trump;
    current_.fromTheStart = fromTheStart;
    // What was decided for the deal (a lucky hand) came before the deal itself.
    current_.decisions = std::move(pendingDecisions_);
    pendingDecisions_.clear();
    pendingCard_.fill(std::nullopt);
    underWay_ = true;
    TakeSeats(state);
}

void BattleLog::TakeSeats(const GameState& state) {
    for (int seat = 0; seat < SeatCount; ++seat) {
        const int participant = state.participantAt[static_cast<std::size_t>(seat)];
        if (participant >= 0 && participant < SeatCount)
            current_.names[static_cast<std::size_t>(seat)] =
                state.participantName[static_cast<std::size_t>(participant)];
        // Battle 1 shows the groups as the key cards fall; from battle 2 on
        // every seat knows them.
        // The player knows his own group from his own cards.
        const int related = state.IsRelated(seat) ? 2 : 1;
        current_.group[static_cast<std::size_t>(seat)] = state.battleNo == 1 && seat != HumanSeat
                                                             ? state.revealed[static_cast<std::size_t>(seat)]
                                                             : related;
    }
    // Two of a group known tell the other two: they are of the other group.
    for (int known : {1, 2}) {
        if (std::count(current_.group.begin(), current_.group.end(), known) != 2) continue;
        for (int& group : current_.group)
            if (group == 0) group = 3 - known;
    }
    current_.showSeat = state.battleNo >= 2 ? state.showSeat : -1;
    current_.chooserSeat = state.battleNo >= 2 ? state.chooserSeat : -1;
}

void BattleLog::Decided(computer::Decision decision, int seat, const computer::Why& why) {
    if (seat < 0 || seat >= SeatCount) return;
    if (decision == computer::Decision::Card) {
        pendingCard_[static_cast<std::size_t>(seat)] = why;
    } else if (decision == computer::Decision::DeclarationHand || !underWay_) {
        pendingDecisions_.push_back({decision, seat, why});
    } else {
        current_.decisions.push_back({decision, seat, why});
    }
}

void BattleLog::OnEvent(const GameState& state, const EngineEvent& event) {
    using Kind = EngineEvent::Kind;
    switch (event.kind) {
        case Kind::Dealt:
            Begin(state, true);
            break;
        case Kind::TrumpSet:
            if (underWay_) current_.trump = event.a;
            break;
        case Kind::ShowCardsPlaced:
            if (underWay_) current_.showCards = {event.a, event.b};
            break;
        case Kind::CardPlayed: {
            // A log that begins in the middle of a battle begins at its first card seen.
            if (!underWay_) Begin(state, false);
            const int seat = event.a;
            if (seat < 0 || seat >= SeatCount) break;
            if (current_.tricks.empty() || current_.tricks.back().winner >= 0) {
                current_.tricks.push_back({});
                current_.tricks.back().leader = state.leader;
                TakeSeats(state);
            }
            ReviewTrick& trick = current_.tricks.back();
            trick.requestedSuit = state.requestedSuit;
            ReviewPlay play{seat, event.b, std::nullopt};
            // Only a computer's play carries the reason it gave just before.
            if (seat != HumanSeat) play.why = pendingCard_[static_cast<std::size_t>(seat)];
            pendingCard_[static_cast<std::size_t>(seat)].reset();
            trick.plays.push_back(play);
            break;
        }
        case Kind::TrickClosed: {
            if (!underWay_ || current_.tricks.empty()) break;
            ReviewTrick& trick = current_.tricks.back();
            trick.winner = event.a;
            for (const ReviewPlay& play : trick.plays)
                if (IsFace(play.card)) trick.facesTaken.push_back(play.card);
            break;
        }
        case Kind::BattleEnded: {
            if (!underWay_) break;
            TakeSeats(state);
            current_.result = static_cast<BattleResult>(event.a);
            current_.points = event.c;
            current_.relatedFaces = 0;
            current_.unrelatedFaces = 0;
            for (const ReviewTrick& trick : current_.tricks) {
                if (trick.winner < 0) continue;
                const int taken = static_cast<int>(trick.facesTaken.size());
                (state.IsRelated(trick.winner) ? current_.relatedFaces : current_.unrelatedFaces) += taken;
            }
            finished_ = current_;
            underWay_ = false;
            break;
        }
        case Kind::MatchStarted:
            underWay_ = false;
            pendingDecisions_.clear();
            break;
        default:
            break;
    }
}

}  // namespace tesseran
