// SPDX-License-Identifier: MIT
// The search player decides only from what its seat may know: in positions
// taken from played matches, dealing the cards it cannot see among the other
// seats in any other way that agrees with what the table has shown changes
// none of its estimates, of the card to play or of the cards to show. And it
// knows a good trump when it holds one.
#include "PlayerFixture.h"

#include "engine/BattleRules.h"
#include "engine/Random.h"
#include "players/TrumpChoice.h"
#include "players/search/Knowledge.h"
#include "players/search/SearchPlayer.h"

#include <set>

namespace tesseran::testing {
namespace {

using search::Advice;
using search::AdviseCard;
using search::AdviseShowCards;
using search::SearchOptions;

// A clock that moves on a second at every reading, so every deal differs.
class TickingHost : public TestHost {
public:
    std::optional<LocalTime> Now() override {
        LocalTime now{2026, 12, 10, second_ / 3600 % 24, second_ / 60 % 60, second_ % 60};
        second_ += 37;
        return now;
    }

private:
    int second_ = 0;
};

// The computer seats note every position they decide in, the show cards
// apart.
class RecordingView : public CFudaDashi {
public:
    using CFudaDashi::CFudaDashi;
    std::vector<GameState> positions;
    std::vector<GameState> showPositions;
    void ChooseShowCards(int seat) override {
        showPositions.push_back(*this);
        CFudaDashi::ChooseShowCards(seat);
    }
    int ChooseLeadCard() override {
        positions.push_back(*this);
        return CFudaDashi::ChooseLeadCard();
    }
    int ChooseFollowCard() override {
        positions.push_back(*this);
        return CFudaDashi::ChooseFollowCard();
    }
};

struct PlayedPositions {
    std::vector<GameState> cards;  // a card to play
    std::vector<GameState> shows;  // show cards to choose, the human's one at a time
};

// Positions of whole matches: the computer seats' and the human's turns (the
// human plays the first card the table allows, the joker last): the first
// wanted cards to play, and play goes on until wantedShows show card choices
// have come too.
PlayedPositions PositionsOfPlayedMatches(std::size_t wanted, std::size_t wantedShows) {
    TickingHost host;
    MemorySettingsStore store;
    store.WriteInt("Settei", "AutoStart", 1);
    RecordingView view(host, store);
    view.StartUp();
    EXPECT_TRUE(view.StartGame());
    for (int step = 0; step < 2000000 && !host.closed; ++step) {
        if (view.positions.size() >= wanted && view.showPositions.size() >= wantedShows) break;
        if (view.IsHumanTurn() && view.busy == 1 && view.HumanMayPlay()) {
            if (view.phase == 1) view.positions.push_back(view);
            if (view.phase == 2) view.showPositions.push_back(view);
            int position = 0;
            for (int i = view.handCount[HumanSeat] - 1; i >= 0; --i) {
                if (view.hand[HumanSeat][i] != Joker && MayPlay(view, HumanSeat, view.hand[HumanSeat][i]))
                    position = i;
            }
            view.markedCard = position;
            view.KeyPlay();
        } else {
            view.TurnTick();
        }
    }
    if (view.positions.size() > wanted) view.positions.resize(wanted);
    return {view.positions, view.showPositions};
}

bool MayHold(const GameState& state, int seat, int card) {
    return card == Joker || (state.shownVoids[seat] & (1 << SuitOf(card))) == 0;
}

// The hidden cards dealt anew among the other seats by random exchanges that
// keep every count, every shown void and every show card in its place; in
// battle 1 the groups follow the new deal while the table has not shown them.
GameState RedealHiddenCards(const GameState& state, int seat, Lcg& random) {
    GameState redealt = state;
    std::set<int> fixed;
    if (state.battleNo >= 2) fixed.insert(state.showCards.begin(), state.showCards.end());
    struct Slot {
        int seat;
        int position;
    };
    std::vector<Slot> slots;
    for (int other = 0; other < SeatCount; ++other) {
        if (other == seat) continue;
        for (int i = 0; i < state.handCount[other]; ++i) {
            if (!fixed.count(state.hand[other][i])) slots.push_back({other, i});
        }
    }
    for (int exchange = 0; exchange < 300 && slots.size() > 1; ++exchange) {
        const Slot a = slots[random.Draw() % slots.size()];
        const Slot b = slots[random.Draw() % slots.size()];
        int& first = redealt.hand[a.seat][a.position];
        int& second = redealt.hand[b.seat][b.position];
        if (a.seat == b.seat || !MayHold(redealt, b.seat, first) || !MayHold(redealt, a.seat, second))
            continue;
        std::swap(first, second);
    }
    for (int other = 0; other < SeatCount; ++other)
        std::sort(redealt.hand[other].begin(), redealt.hand[other].begin() + redealt.handCount[other]);
    if (state.battleNo == 1 && state.relationKnown == 0) {
        const int key = CardOf(state.trump, 7);
        int jokerHolder = state.playedBy[Joker];
        int keyHolder = state.playedBy[key];
        for (int other = 0; other < SeatCount; ++other) {
            if (redealt.FindInHand(other, Joker) >= 0) jokerHolder = other;
            if (redealt.FindInHand(other, key) >= 0) keyHolder = other;
        }
        search::AssignRelationOfDeal(redealt, jokerHolder, keyHolder);
    }
    return redealt;
}

void ExpectSameAdvice(const Advice& a, const Advice& b) {
    ASSERT_EQ(a.moves.size(), b.moves.size());
    EXPECT_EQ(a.worlds, b.worlds);
    for (std::size_t i = 0; i < a.moves.size(); ++i) {
        EXPECT_EQ(a.moves[i].move, b.moves[i].move) << i;
        EXPECT_EQ(a.moves[i].value, b.moves[i].value) << i;
        EXPECT_EQ(a.moves[i].winShare, b.moves[i].winShare) << i;
    }
}

TEST(SearchPlayer, NoDecisionChangesWhenTheUnseenCardsAreDealtOtherwise) {
    const PlayedPositions played = PositionsOfPlayedMatches(1200, 48);
    const std::vector<GameState>& positions = played.cards;
    ASSERT_GE(positions.size(), 1000u);
    Lcg random(20261210);
    const SearchOptions options{12, 99};
    int redealtPositions = 0;
    int changedDecisions = 0;
    for (std::size_t i = 0; i < positions.size(); ++i) {
        SCOPED_TRACE(i);
        const GameState& position = positions[i];
        const int seat = position.currentSeat;
        // What the table shows of the hidden hands is true of them.
        for (int other = 0; other < SeatCount; ++other) {
            for (int c = 0; c < position.handCount[other]; ++c)
                ASSERT_TRUE(MayHold(position, other, position.hand[other][c])) << "seat " << other;
        }
        const Advice advice = AdviseCard(position, seat, options);
        ASSERT_FALSE(advice.moves.empty());
        const GameState redealt = RedealHiddenCards(position, seat, random);
        if (redealt.hand != position.hand) redealtPositions += 1;
        ExpectSameAdvice(advice, AdviseCard(redealt, seat, options));
        // Another seed of its own sampler may well choose otherwise: the
        // estimates rest on the samples, not on the real hands.
        const Advice reseeded = AdviseCard(position, seat, {12, 100});
        if (!(reseeded.Best()->move == advice.Best()->move)) changedDecisions += 1;
    }
    EXPECT_GT(redealtPositions, 900);
    EXPECT_GT(changedDecisions, 0);

    // The show cards: the computer's, shown to the human, and the human's.
    int computerShows = 0;
    int humanSecondCards = 0;
    int departures = 0;
    for (std::size_t i = 0; i < played.shows.size(); ++i) {
        SCOPED_TRACE("show " + std::to_string(i));
        const GameState& position = played.shows[i];
        const int seat = position.showSeat;
        const bool secondCard = position.shownCount == 1;
        const Advice advice = AdviseShowCards(position, seat, options);
        const int held = position.handCount[seat];
        ASSERT_EQ(advice.moves.size(), static_cast<std::size_t>(secondCard ? held : held * (held - 1)));
        for (const search::MoveValue& pair : advice.moves) {
            ASSERT_NE(pair.move.card, pair.move.jokerSuit);
            if (secondCard) {
                ASSERT_EQ(pair.move.card, position.showCards[0]);
            } else {
                ASSERT_GE(position.FindInHand(seat, pair.move.card), 0);
            }
            ASSERT_GE(position.FindInHand(seat, pair.move.jokerSuit), 0);
        }
        ExpectSameAdvice(advice, AdviseShowCards(RedealHiddenCards(position, seat, random), seat, options));

        // Nothing gained, the rules' own pair is shown.
        GameState rules = position;
        computer::PickShowCards(rules, seat);
        const search::Move rulesPair{rules.showCards[0], rules.showCards[1]};
        const auto rulesEstimate =
            std::find_if(advice.moves.begin(), advice.moves.end(),
                         [&](const search::MoveValue& pair) { return pair.move == rulesPair; });
        if (!secondCard) {
            ASSERT_NE(rulesEstimate, advice.moves.end());
            if (rulesEstimate->value == advice.Best()->value) {
                EXPECT_EQ(advice.Best()->move, rulesPair);
            }
            if (!(advice.Best()->move == rulesPair)) departures += 1;
        }
        humanSecondCards += secondCard ? 1 : 0;

        // The strong computer shows the human the pair its search finds best.
        if (seat != HumanSeat) {
            computerShows += 1;
            TickingHost host;
            MemorySettingsStore store;
            CFudaDashi strong(host, store);
            static_cast<GameState&>(strong) = position;
            strong.SetStrength(Strength::Strong);
            strong.ChooseShowCards(seat);
            const search::Move best = AdviseShowCards(position, seat).Best()->move;
            EXPECT_EQ(strong.showCards[0], best.card);
            EXPECT_EQ(strong.showCards[1], best.jokerSuit);
        }
    }
    EXPECT_GT(computerShows, 0);
    EXPECT_GT(humanSecondCards, 0);
    EXPECT_GT(departures, 0);
}

TEST(SearchPlayer, TheChooserNamesTheSuitItHoldsMostOf) {
    TickingHost host;
    MemorySettingsStore store;
    CFudaDashi view(host, store);
    // Battle 2: seat 0 chooses, holding seven hearts with both top ones.
    view.battleNo = 2;
    view.gameNo = 3;
    view.phase = 1;
    view.relation = {1, 0, 2, 0};
    view.relationKnown = 1;
    view.chooserSeat = 0;
    view.showSeat = 2;
    view.showCards = {NoCard, NoCard};
    const std::vector<int> chooser = {
        CardOf(Hearts, 10), CardOf(Hearts, 9), CardOf(Hearts, 8), CardOf(Hearts, 6),   CardOf(Hearts, 5),
        CardOf(Hearts, 3),  CardOf(Hearts, 2), CardOf(Clubs, 1),  CardOf(Diamonds, 1), CardOf(Spades, 2)};
    std::vector<int> rest;
    for (int card : Deck) {
        if (std::find(chooser.begin(), chooser.end(), card) == chooser.end()) rest.push_back(card);
    }
    std::vector<int> sorted = chooser;
    std::sort(sorted.begin(), sorted.end());
    std::copy(sorted.begin(), sorted.end(), view.hand[0].begin());
    for (int seat = 1; seat < SeatCount; ++seat)
        std::copy(rest.begin() + (seat - 1) * HandSize, rest.begin() + seat * HandSize,
                  view.hand[seat].begin());
    view.handCount.fill(HandSize);
    const Advice advice = search::AdviseTrump(view, 0, {64, 5});
    ASSERT_EQ(advice.moves.size(), 4u);
    EXPECT_EQ(advice.worlds, 64);
    EXPECT_EQ(advice.Best()->move.card, Hearts);
    EXPECT_GT(advice.Best()->winShare, advice.moves.back().winShare);
}

}  // namespace
}  // namespace tesseran::testing
