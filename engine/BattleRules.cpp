// SPDX-License-Identifier: MIT
// Who wins a trick, where its cards go, which cards may be played, and what
// the face cards taken so far decide.
//
// A card's strength is its code lifted by 200 in the trump suit and by 100 in
// the requested suit; the joker is 300 while its player still holds cards, and
// as a player's last card it is simply the club of rank 0.
#include "engine/BattleRules.h"

#include "base/ResourceIds.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace tesseran {

bool RelatedGroupWins(BattleResult result) {
    switch (result) {
        case BattleResult::RelatedWin:
        case BattleResult::Skunk:
        case BattleResult::Sixteen:
        case BattleResult::ReverseSixteenFailed:
        case BattleResult::DeclaredSkunk:
        case BattleResult::DeclaredSixteen:
        case BattleResult::DeclaredReverseSkunkFailed:
        case BattleResult::DeclaredReverseSixteenFailed:
            return true;
        default:
            return false;
    }
}

const char* BattleResultName(BattleResult result) {
    static const char* const names[] = {
        "related win",
        "unrelated win",
        "skunk",
        "reverse skunk",
        "16",
        "16 failed",
        "reverse 16",
        "reverse 16 failed",
        "declared skunk",
        "declared skunk failed",
        "declared 16",
        "declared 16 failed",
        "declared reverse skunk",
        "declared reverse skunk failed",
        "declared reverse 16",
        "declared reverse 16 failed",
    };
    static_assert(std::size(names) == static_cast<std::size_t>(BattleResult::Count));
    const int index = static_cast<int>(result);
    return index >= 0 && index < static_cast<int>(BattleResult::Count) ? names[index] : "?";
}

int CardStrength(const GameState& state, int seat, int card) {
    const int suit = SuitOf(card);
    const bool trump = suit == state.trump;
    const int lift = 200 * trump + 100 * (!trump & (suit == state.requestedSuit));
    return Choose((card == Joker) & (state.handCount[seat] >= 1), 300, card + lift);
}

namespace {

// The first seat whose strength none of the others exceeds: the maximum as
// a tree of comparisons, then the first seat that has it.
int FirstStrongest(const std::array<int, SeatCount>& strength) {
    const int best = std::max(std::max(strength[0], strength[1]), std::max(strength[2], strength[3]));
    return Choose(strength[0] == best, 0, Choose(strength[1] == best, 1, Choose(strength[2] == best, 2, 3)));
}

}  // namespace

int TrickWinner(GameState& state) {
    for (int seat = 0; seat < SeatCount; ++seat)
        state.trickStrength[seat] = CardStrength(state, seat, state.trick[seat]);
    return FirstStrongest(state.trickStrength);
}

void CaptureTrick(GameState& state, int winner) {
    // Face cards go to the winner, number cards and the joker to the discard
    // pile while it has room. Each card is placed by arithmetic: which of
    // the two a card is depends on the deal, and a jump on it would be
    // mispredicted as often as not.
    for (int seat = 0; seat < SeatCount; ++seat) {
        const int card = state.trick[seat];
        const bool face = IsFace(card);
        const int faceIndex = Choose(face, FaceIndex(card), 0);
        state.faceOwner[faceIndex] = Choose(face, winner, state.faceOwner[faceIndex]);
        const bool discarded = (card != NoCard) & !face & (state.discardCount < DiscardCapacity);
        const int slot = std::min(state.discardCount, DiscardCapacity - 1);
        state.discard[slot] = Choose(discarded, card, state.discard[slot]);
        state.discardCount += discarded;
    }
}

int TrickHolderStrength(const GameState& state, std::array<int, SeatCount>* strengths) {
    if (state.battleNo == 1 && state.relationKnown == 0) return -1;
    const int seat = state.currentSeat;
    if (seat < 0 || seat >= SeatCount) return 0;
    // A place with no card counts as strength 0, which holds nothing.
    std::array<int, SeatCount> strength{};
    for (int other = 0; other < SeatCount; ++other) {
        const int card = state.trick[other];
        strength[other] = Choose(card == NoCard, 0, CardStrength(state, other, card));
        if (strengths != nullptr)
            (*strengths)[other] = Choose(card == NoCard, (*strengths)[other], strength[other]);
    }
    const int holder = FirstStrongest(strength);
    const int best = strength[holder];
    return best == 0 || state.SameSide(holder, seat) ? 0 : best;
}

Refusal RefusalOf(const GameState& state, int seat, int card) {
    const CardSet held = state.HandSet(seat);
    const int pin = FirstLeadPinOf(state);
    if (state.battleNo == 1 && state.handCount[seat] == HandSize && card != Joker &&
        (held & CardBit(pin)) != 0 && card != pin) {
        return Refusal::FirstLeadPin;
    }
    if (state.leader != seat && card != Joker && SuitOf(card) != state.requestedSuit &&
        (held & SuitCards(state.requestedSuit)) != 0) {
        return Refusal::RequestedSuitHeld;
    }
    return Refusal::None;
}

CardSet PlayableCards(const GameState& state, int seat) {
    const CardSet held = state.HandSet(seat);
    const CardSet joker = CardBit(Joker);
    const int pin = FirstLeadPinOf(state);
    CardSet playable = held;
    if (state.battleNo == 1 && state.handCount[seat] == HandSize && (held & CardBit(pin)) != 0)
        playable &= CardBit(pin) | joker;
    if (state.leader != seat && (held & SuitCards(state.requestedSuit)) != 0)
        playable &= SuitCards(state.requestedSuit) | joker;
    return playable;
}

void NotePlay(GameState& state, int seat, int card) {
    state.played[card] = 1;
    state.playedBy[card] = seat;
    const int requested = state.requestedSuit;
    const bool suitShort = (seat != state.leader) & (card != Joker) & (requested >= Clubs) &
                           (requested <= Spades) & (SuitOf(card) != requested);
    state.shownVoids[seat] |= static_cast<int>(suitShort) << (requested & 3);
}

void RevealKeyCard(GameState& state, int seat) {
    if (state.battleNo != 1 || state.relationKnown != 0) return;
    int shown = 0;
    for (int value : state.revealed) shown += value == 2 ? 1 : 0;
    if (shown >= 2) return;
    const int card = state.trick[seat];
    if (card == NoCard) return;
    if (card != Joker && card != CardOf(state.trump, 7)) return;
    state.revealed[seat] = 2;
    if (shown == 1) {
        state.relationKnown = 1;
        for (int s = 0; s < SeatCount; ++s) state.revealed[s] = state.IsRelated(s) ? 2 : 1;
    }
}

FaceTally CountFaceCards(GameState& state) {
    FaceTally tally;
    for (int seat = 0; seat < SeatCount; ++seat) {
        int taken = 0;
        for (int owner : state.faceOwner) taken += owner == seat;
        state.faceCount[seat] = taken;
        const bool related = state.IsRelated(seat);
        tally.related += Choose(related, taken, 0);
        tally.unrelated += Choose(related, 0, taken);
    }
    return tally;
}

BattleVerdict JudgeTally(const GameState& state, FaceTally tally) {
    const int r = tally.related;
    const int u = tally.unrelated;
    const int nextOrGameOver = state.battleNo == 3 ? GameOver : NextBattleFollows;
    constexpr bool Add = false;
    constexpr bool Set = true;
    auto result = [](BattleResult kind, int messageId, int points, bool replaces, int answer) {
        BattleVerdict verdict;
        verdict.decided = true;
        verdict.result = kind;
        verdict.messageId = messageId;
        verdict.points = points;
        verdict.replaces = replaces;
        verdict.answer = answer;
        return verdict;
    };
    using R = BattleResult;

    // A declared battle: failure first, then success.
    switch (state.declaration) {
        case 0:
            break;
        case 1:
            if (u > 0) return result(R::SixteenFailed, text::SixteenFailed, 32, Set, GameOver);
            if (r == 16) return result(R::Sixteen, text::Sixteen, 16, Add, nextOrGameOver);
            return {};
        case 2:
            if (r > 0)
                return result(R::ReverseSixteenFailed, text::ReverseSixteenFailed, 64, Add, nextOrGameOver);
            if (u == 16) return result(R::ReverseSixteen, text::ReverseSixteen, 32, Set, GameOver);
            return {};
        case 3:
            if (u > 0) return result(R::DeclaredSkunkFailed, text::DeclaredSkunkFailed, 16, Set, GameOver);
            if (r >= state.relatedNeeded)
                return result(R::DeclaredSkunk, text::DeclaredSkunk, 8, Add, nextOrGameOver);
            return {};
        case 4:
            if (u > 0)
                return result(R::DeclaredSixteenFailed, text::DeclaredSixteenFailed, 64, Set, GameOver);
            if (r == 16) return result(R::DeclaredSixteen, text::DeclaredSixteen, 32, Add, nextOrGameOver);
            return {};
        case 5:
            if (r > 0)
                return result(R::DeclaredReverseSkunkFailed, text::DeclaredReverseSkunkFailed, 32, Add,
                              nextOrGameOver);
            if (u >= state.unrelatedNeeded)
                return result(R::DeclaredReverseSkunk, text::DeclaredReverseSkunk, 16, Set, GameOver);
            return {};
        case 6:
            if (r > 0)
                return result(R::DeclaredReverseSixteenFailed, text::DeclaredReverseSixteenFailed, 128, Add,
                              nextOrGameOver);
            if (u == 16)
                return result(R::DeclaredReverseSixteen, text::DeclaredReverseSixteen, 64, Set, GameOver);
            return {};
        default:
            return {};
    }

    const bool lastBattle = state.battleNo == 3;
    if (r >= state.relatedNeeded) {
        if (u > 0) return result(R::RelatedWin, text::RelatedWin, lastBattle ? 8 : 0, Add, nextOrGameOver);
        BattleVerdict skunk = result(R::Skunk, text::RelatedSkunk, lastBattle ? 10 : 2, Add, nextOrGameOver);
        skunk.offersSixteen = true;
        return skunk;
    }
    if (u < state.unrelatedNeeded) return {};
    if (r > 0) {
        // Battle 1 lost leaves the related group -2; battle 3 lost still
        // gives it 2 for the two battles won before; battle 2 lost keeps what
        // battle 1 brought.
        if (state.battleNo == 1) return result(R::UnrelatedWin, text::UnrelatedWin, 2, Set, GameOver);
        return result(R::UnrelatedWin, text::UnrelatedWin, lastBattle ? 2 : 0, Add, GameOver);
    }
    BattleVerdict reverseSkunk = result(R::ReverseSkunk, text::UnrelatedReverseSkunk, 8, Set, GameOver);
    reverseSkunk.offersSixteen = true;
    return reverseSkunk;
}

SeatSwap SeatSwapForBattleTwo(const GameState& state) {
    auto related = [&state](int a, int b) { return state.IsRelated(a) && state.IsRelated(b); };
    if (related(0, 1)) return {1, 2};
    if (related(0, 3)) return {0, 1};
    if (related(1, 2)) return {1, 0};
    if (related(2, 3)) return {2, 1};
    return {};
}

void ExchangeSeats(GameState& state, SeatSwap swap) {
    const int from = swap.from;
    const int to = swap.to;
    std::swap(state.hand[from], state.hand[to]);
    std::swap(state.handCount[from], state.handCount[to]);
    std::swap(state.participantAt[from], state.participantAt[to]);
    state.relation[to] = state.relation[from];
    state.revealed[to] = 2;
    state.relation[from] = 0;
    state.revealed[from] = 1;
    for (int* seat : {&state.leader, &state.chooserSeat, &state.showSeat}) {
        if (*seat == from) *seat = to;
    }
}

void UpdateToGo(GameState& state, FaceTally tally) {
    const int r = tally.related;
    const int u = tally.unrelated;
    switch (state.declaration) {
        case 1:
        case 4:
            state.relatedToGo = 16 - r;
            state.unrelatedToGo = 1;
            break;
        case 2:
        case 6:
            state.relatedToGo = 1;
            state.unrelatedToGo = 16 - u;
            break;
        case 3:
            state.relatedToGo = state.relatedNeeded - r;
            state.unrelatedToGo = 1;
            break;
        case 5:
            state.relatedToGo = 1;
            state.unrelatedToGo = state.unrelatedNeeded - u;
            break;
        default:
            state.relatedToGo = state.relatedNeeded - r;
            state.unrelatedToGo = state.unrelatedNeeded - u;
            break;
    }
}

}  // namespace tesseran
