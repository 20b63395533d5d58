// SPDX-License-Identifier: MIT
#include "players/search/Knowledge.h"

#include <algorithm>

namespace tesseran::search {

namespace {

constexpr int DealTries = 64;

std::uint64_t Mix(std::uint64_t hash, std::int64_t value) {
    hash ^= static_cast<std::uint64_t>(value) + 0x9E3779B97F4A7C15ull + (hash << 6) + (hash >> 2);
    return hash;
}

bool Lacks(const GameState& table, int seat, int card) {
    return card != Joker && (table.shownVoids[seat] & (1 << SuitOf(card))) != 0;
}

}  // namespace

Knowledge KnowledgeOf(const GameState& state, int seat) {
    Knowledge k;
    k.seat = seat;
    k.table = state;
    GameState& table = k.table;
    table.plannedDeclaration = 0;
    table.luckySeat = -1;
    for (int other = 0; other < SeatCount; ++other) {
        if (other != seat) table.hand[other].fill(NoCard);
    }
    k.groupsHidden = state.battleNo == 1 && state.relationKnown == 0;
    if (k.groupsHidden) table.relation.fill(0);

    std::array<bool, CardCodeLimit> accounted{};
    for (int i = 0; i < state.handCount[seat]; ++i) accounted[state.hand[seat][i]] = true;
    for (int card = 0; card < CardCodeLimit; ++card) {
        if (state.played[card] == 1) accounted[card] = true;
    }
    // The show cards of battles 2 and 3 are in their seat's hand, or lie on
    // the table while the human has put them there and the trump is named.
    if (state.battleNo >= 2 && state.showSeat != seat) {
        const bool inHand = state.phase == 1 || state.handCount[state.showSeat] == HandSize;
        for (int card : state.showCards) {
            if (card == NoCard || !IsCardCode(card) || accounted[card]) continue;
            if (inHand) k.known[state.showSeat].push_back(card);
            accounted[card] = true;
        }
    }
    for (int card : Deck) {
        if (!accounted[card]) k.unseen.push_back(card);
    }
    return k;
}

std::uint64_t Knowledge::Digest() const {
    std::uint64_t hash = 0x51ED2701u;
    hash = Mix(hash, seat);
    for (int i = 0; i < table.handCount[seat]; ++i) hash = Mix(hash, table.hand[seat][i]);
    for (int card = 0; card < CardCodeLimit; ++card)
        hash = Mix(hash, table.playedBy[card] + 2 * table.played[card]);
    for (int card : table.trick) hash = Mix(hash, card);
    for (int count : table.handCount) hash = Mix(hash, count);
    for (int value : {table.gameNo, table.battleNo, table.leader, table.currentSeat, table.trump,
                      table.requestedSuit, table.declaration}) {
        hash = Mix(hash, value);
    }
    for (const auto& cards : known) {
        for (int card : cards) hash = Mix(hash, card);
    }
    return hash;
}

void AssignRelationOfDeal(GameState& world, int jokerHolder, int keyHolder) {
    world.relation.fill(0);
    if (jokerHolder >= 0 && jokerHolder == keyHolder) {
        world.relation[jokerHolder] = 1;
        world.relation[OppositeSeat(jokerHolder)] = 2;
        return;
    }
    if (jokerHolder >= 0) world.relation[jokerHolder] = 1;
    if (keyHolder >= 0) world.relation[keyHolder] = 2;
}

bool DealWorld(const Knowledge& k, SampleRandom& random, GameState& world, int* retries) {
    const GameState& table = k.table;
    // Cards of the most constrained suits first: a suit only one seat may
    // hold is placed before the free ones take that seat's room.
    std::vector<int> cards = k.unseen;
    std::array<int, 4> seatsForSuit{};
    for (int suit = 0; suit < 4; ++suit) {
        for (int other = 0; other < SeatCount; ++other) {
            if (other != k.seat && (table.shownVoids[other] & (1 << suit)) == 0) seatsForSuit[suit] += 1;
        }
    }
    auto freedom = [&](int card) { return card == Joker ? 4 : seatsForSuit[SuitOf(card)]; };

    for (int attempt = 0; attempt < DealTries; ++attempt) {
        for (int i = static_cast<int>(cards.size()) - 1; i > 0; --i)
            std::swap(cards[i], cards[random.Below(i + 1)]);
        std::stable_sort(cards.begin(), cards.end(), [&](int a, int b) { return freedom(a) < freedom(b); });

        world = table;
        std::array<int, SeatCount> room{};
        for (int other = 0; other < SeatCount; ++other) {
            if (other == k.seat) continue;
            int filled = 0;
            for (int card : k.known[other]) world.hand[other][filled++] = card;
            room[other] = table.handCount[other] - filled;
            world.handCount[other] = filled;
        }
        bool dealt = true;
        for (int card : cards) {
            // A seat with room that may hold the card, chosen in proportion to its room.
            int total = 0;
            for (int other = 0; other < SeatCount; ++other) {
                if (room[other] > 0 && !Lacks(table, other, card)) total += room[other];
            }
            if (total == 0) {
                dealt = false;
                break;
            }
            int pick = random.Below(total);
            for (int other = 0; other < SeatCount; ++other) {
                if (room[other] <= 0 || Lacks(table, other, card)) continue;
                if (pick < room[other]) {
                    world.hand[other][world.handCount[other]++] = card;
                    room[other] -= 1;
                    break;
                }
                pick -= room[other];
            }
        }
        if (!dealt) {
            if (retries != nullptr) *retries += 1;
            continue;
        }
        for (int other = 0; other < SeatCount; ++other) {
            if (other != k.seat)
                std::sort(world.hand[other].begin(), world.hand[other].begin() + world.handCount[other]);
        }
        if (k.groupsHidden) {
            const int key = CardOf(table.trump, 7);
            int jokerHolder = table.playedBy[Joker];
            int keyHolder = table.playedBy[key];
            for (int other = 0; other < SeatCount; ++other) {
                if (world.FindInHand(other, Joker) >= 0) jokerHolder = other;
                if (world.FindInHand(other, key) >= 0) keyHolder = other;
            }
            AssignRelationOfDeal(world, jokerHolder, keyHolder);
        }
        return true;
    }
    return false;
}

}  // namespace tesseran::search
