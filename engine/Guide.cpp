// SPDX-License-Identifier: MIT
#include "engine/Guide.h"

#include <algorithm>

namespace tesseran {

namespace {

bool HumansTurn(const GameState& state) { return state.phase == 1 && state.currentSeat == HumanSeat; }

bool Shows(const GameState& state, GuideTopic topic) {
    switch (topic) {
        case GuideTopic::GroupsAndKeyCards:
            return state.phase == 1 && state.battleNo == 1 &&
                   std::all_of(state.handCount.begin(), state.handCount.end(),
                               [](int count) { return count == HandSize; });
        case GuideTopic::Pin:
            return state.phase == 1 && std::any_of(state.trick.begin(), state.trick.end(),
                                                   [](int card) { return card > 0 && RankOf(card) == 10; });
        case GuideTopic::FollowSuit:
            return HumansTurn(state) && state.leader != HumanSeat && state.trick[state.leader] != NoCard;
        case GuideTopic::RightSign:
            // As the status beside the hand shows it.
            return HumansTurn(state) && state.leader != HumanSeat && state.statusDisplay == 1 &&
                   state.scoreShown == 0 && !(state.battleNo == 1 && state.relationKnown == 0);
        case GuideTopic::JokerInHand:
            return HumansTurn(state) && state.HoldsJoker(HumanSeat);
        case GuideTopic::ShowCardsAndTrump:
            return state.phase == 2;
        case GuideTopic::Declarations:
            return state.phase == 1 && state.battleNo >= 2 &&
                   (state.declaration >= 3 ||
                    (HumansTurn(state) && state.leader == HumanSeat &&
                     state.handCount[HumanSeat] == HandSize && state.HoldsJoker(HumanSeat)));
        case GuideTopic::Sixteen:
            return state.phase == 1 && (state.declaration == 1 || state.declaration == 2);
        case GuideTopic::BattleReview:
        case GuideTopic::MatchEnd:
        case GuideTopic::Conquest:
        case GuideTopic::Count:
            return false;
    }
    return false;
}

}  // namespace

std::optional<GuideTopic> TopicDue(const GameState& state, unsigned told) {
    for (int index = 0; index < static_cast<int>(GuideTopic::Count); ++index) {
        const auto topic = static_cast<GuideTopic>(index);
        if ((told & TopicBit(topic)) == 0 && Shows(state, topic)) return topic;
    }
    return std::nullopt;
}

}  // namespace tesseran
