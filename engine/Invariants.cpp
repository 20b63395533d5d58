// SPDX-License-Identifier: MIT
#include "engine/Invariants.h"

#include <array>
#include <numeric>

namespace tesseran {

namespace {

std::string CardText(int card) { return std::to_string(card); }

}  // namespace

std::optional<std::string> CheckInvariants(const GameState& state) {
    if (state.relatedNeeded + state.unrelatedNeeded != 17) {
        return "the two needs do not add up to 17";
    }

    // Where every card is: exactly once among the hands, the table, the
    // discard pile, the captured face cards, the card being dragged and the
    // human's show cards while they are out of the hand.
    std::array<int, CardCodeLimit> seen{};
    std::array<int, CardCodeLimit> onTable{};
    auto count = [&seen](int card) -> std::optional<std::string> {
        if (!IsCardCode(card)) return "a field holds " + CardText(card) + ", which is no card";
        seen[card] += 1;
        return std::nullopt;
    };
    for (int seat = 0; seat < SeatCount; ++seat) {
        int n = state.handCount[seat];
        if (n < 0 || n > HandSize)
            return "seat " + std::to_string(seat) + " holds " + std::to_string(n) + " cards";
        for (int i = 0; i < n; ++i) {
            if (auto error = count(state.hand[seat][i])) return error;
            if (i > 0 && state.hand[seat][i - 1] >= state.hand[seat][i]) {
                return "the hand of seat " + std::to_string(seat) + " is not sorted";
            }
        }
        if (state.trick[seat] != NoCard) {
            if (auto error = count(state.trick[seat])) return error;
            onTable[state.trick[seat]] = 1;
        }
    }
    if (state.discardCount < 0 || state.discardCount > DiscardCapacity)
        return "the discard count is out of range";
    for (int i = 0; i < state.discardCount; ++i) {
        if (auto error = count(state.discard[i])) return error;
        if (IsFace(state.discard[i]))
            return "face card " + CardText(state.discard[i]) + " lies on the discard pile";
        onTable[state.discard[i]] = 1;
    }
    for (int face = 0; face < FaceCardCount; ++face) {
        if (state.faceOwner[face] >= 0) {
            if (auto error = count(FaceCardAt(face))) return error;
            onTable[FaceCardAt(face)] = 1;
        }
    }
    if (state.dragging == 1 && state.lastPlayed != NoCard) {
        if (auto error = count(state.lastPlayed)) return error;
    }
    if (state.phase == 2 && state.showSeat == HumanSeat) {
        for (int i = 0; i < state.shownCount; ++i) {
            if (auto error = count(state.showCards[i])) return error;
        }
    }
    for (int card : Deck) {
        if (seen[card] != 1) {
            return "card " + CardText(card) + " is accounted for " + std::to_string(seen[card]) + " times";
        }
    }

    // A card counts as played exactly while it lies on the table, on the
    // discard pile or among the captured face cards.
    for (int card : Deck) {
        if (state.played[card] != onTable[card]) {
            return "played[" + CardText(card) + "] is " + std::to_string(state.played[card]) +
                   (onTable[card] ? " but the card has been played" : " but the card has not been played");
        }
    }

    // The face-card tallies, once they have been counted after a trick.
    if (state.faceCount[0] >= 0) {
        int taken = std::accumulate(state.faceCount.begin(), state.faceCount.end(), 0);
        if (taken != FaceCardCount - state.faceLeft) {
            return "faceCount sums to " + std::to_string(taken) + " but faceLeft is " +
                   std::to_string(state.faceLeft);
        }
        for (int seat = 0; seat < SeatCount; ++seat) {
            int owned = 0;
            for (int owner : state.faceOwner) owned += owner == seat ? 1 : 0;
            if (owned != state.faceCount[seat]) {
                return "faceCount of seat " + std::to_string(seat) +
                       " does not match the captured face cards";
            }
        }
    }
    return std::nullopt;
}

}  // namespace tesseran
