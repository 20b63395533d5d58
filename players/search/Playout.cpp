// SPDX-License-Identifier: MIT
#include "players/search/Playout.h"

#include "players/FollowRules.h"
#include "players/RulePolicy.h"

#include <algorithm>

namespace tesseran::search {

namespace {

// A battle lasts ten tricks; anything longer is a fault of the record.
constexpr int MostPlays = 4 * HandSize + 4;

bool TrickFull(const GameState& world) {
    return std::none_of(world.trick.begin(), world.trick.end(), [](int card) { return card == NoCard; });
}

void RemoveCard(GameState& world, int seat, int card) {
    auto& cards = world.hand[seat];
    const int count = world.handCount[seat];
    int position = 0;
    while (position < count && cards[position] != card) ++position;
    if (position == count) return;
    for (int i = position; i + 1 < count; ++i) cards[i] = cards[i + 1];
    world.handCount[seat] = count - 1;
    cards[count - 1] = 0;
}

}  // namespace

void PlayCard(GameState& world, int card, int jokerSuit) {
    const int seat = world.currentSeat;
    if (seat == world.leader) {
        if (card != Joker) {
            world.requestedSuit = SuitOf(card);
        } else if (jokerSuit >= Clubs && jokerSuit <= Spades) {
            world.requestedSuit = jokerSuit;
        }
    }
    RemoveCard(world, seat, card);
    world.trick[seat] = card;
    if (IsFace(card)) {
        world.facePlayed[SuitOf(card)] += 1;
    } else if (card != Joker) {
        world.numberPlayed[SuitOf(card)] += 1;
    }
    NotePlay(world, seat, card);
    RevealKeyCard(world, seat);
    world.currentSeat = (seat + 1) % SeatCount;
}

bool CloseTrick(GameState& world, BattleEnd& end) {
    world.prevTrick = world.trick;
    const int winner = TrickWinner(world);
    CaptureTrick(world, winner);
    const FaceTally tally = CountFaceCards(world);
    if (world.declaration < 0 || world.declaration > 6) world.declaration = 0;
    const BattleVerdict verdict = JudgeTally(world, tally);
    bool over = verdict.decided;
    if (verdict.offersSixteen) {
        // The engine asks with the turn at the trick's leader, as here.
        if (computer::GoOnForSixteen(world)) {
            world.declaration =
                verdict.result == BattleResult::Skunk ? SixteenDeclaration : ReverseSixteenDeclaration;
            over = false;
        }
    }
    if (over) {
        end = {verdict.result, verdict.points, verdict.replaces, verdict.answer};
        return true;
    }
    NextTrick(world, tally, winner);
    return false;
}

void NextTrick(GameState& world, FaceTally tally, int winner) {
    UpdateToGo(world, tally);
    for (int card : world.trick) {
        if (card == Joker) {
            world.jokerLeft = 0;
        } else if (card != NoCard) {
            world.suitLeft[SuitOf(card)] -= 1;
        }
    }
    world.faceLeft = FaceCardCount - tally.related - tally.unrelated;
    world.trick.fill(NoCard);
    world.leader = world.currentSeat = winner;
}

BattleEnd PlayOut(GameState& world) {
    BattleEnd end;
    for (int plays = 0; plays < MostPlays; ++plays) {
        if (TrickFull(world)) {
            if (CloseTrick(world, end)) return end;
            continue;
        }
        const int seat = world.currentSeat;
        if (world.handCount[seat] <= 0) break;
        int position;
        int jokerSuit = -1;
        if (seat == world.leader) {
            const computer::LeadChoice choice = computer::LeadDecision(world);
            position = choice.position;
            jokerSuit = choice.requestedSuit;
            if (choice.declaration != 0) world.declaration = choice.declaration;
        } else {
            position = std::clamp(computer::FollowCard(world), 0, world.handCount[seat] - 1);
        }
        PlayCard(world, world.hand[seat][position], jokerSuit);
    }
    // Out of cards with no result: nothing is decided, nobody scores.
    return {};
}

void PrepareForPlayOut(GameState& world) {
    for (int& participant : world.participantAt) {
        if (participant == HumanSeat) participant = 0;
    }
    world.plannedDeclaration = 0;
    world.luckySeat = -1;
    world.busy = 0;
    world.dragging = 0;
}

}  // namespace tesseran::search
