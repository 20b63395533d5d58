// SPDX-License-Identifier: MIT
#include "players/search/SearchPlayer.h"

#include "engine/BattleRules.h"
#include "players/TrumpChoice.h"
#include "players/search/Knowledge.h"
#include "players/search/Playout.h"

#include <algorithm>
#include <array>
#include <numeric>

namespace tesseran::search {

namespace {

// What going on to the next battle is worth to the related group, in points
// per seat: the mean of what the related group went on to score from the
// start of battle 2 and of battle 3 in simulated matches of the rules.
constexpr double GoingOnAfterBattle[4] = {0, 3.0, 5.0, 0};

// The points a battle's end brings the seat's group, with what going on to
// the next battle is worth; won says whether the group won the battle.
double ValueOf(const Knowledge& k, const GameState& world, const BattleEnd& end, bool& won) {
    won = false;
    if (end.result == BattleResult::Count) return 0;
    const bool ours = world.relation[k.seat] != 0;
    won = RelatedGroupWins(end.result) == ours;
    const GameState& table = k.table;
    double value = 0;
    if (end.points > 0) {
        if (end.replaces) {
            const int before = table.score[table.gameNo - 1][table.participantAt[k.seat]];
            value = (ours ? -end.points : end.points) - before;
        } else {
            value = ours ? end.points : -end.points;
        }
    }
    if (end.answer == NextBattleFollows) {
        const double going = GoingOnAfterBattle[std::clamp(table.battleNo, 0, 3)];
        value += ours ? going : -going;
    }
    return value;
}

struct Tally {
    double value = 0;
    int wins = 0;
};

Advice Ranked(const std::vector<Move>& moves, const std::vector<Tally>& tallies, int worlds) {
    Advice advice;
    advice.worlds = worlds;
    for (std::size_t i = 0; i < moves.size(); ++i) {
        const double n = worlds > 0 ? worlds : 1;
        advice.moves.push_back({moves[i], tallies[i].value / n, tallies[i].wins / n});
    }
    std::stable_sort(advice.moves.begin(), advice.moves.end(),
                     [](const MoveValue& a, const MoveValue& b) { return a.value > b.value; });
    return advice;
}

// The deals the decision rests on: the same ones for every candidate.
template <class Evaluate>
int ForEachWorld(const Knowledge& k, const SearchOptions& options, Evaluate&& evaluate) {
    SampleRandom random(options.seed ^ k.Digest());
    GameState world;
    int dealt = 0;
    for (int i = 0; i < options.worlds; ++i) {
        if (!DealWorld(k, random, world)) continue;
        PrepareForPlayOut(world);
        evaluate(world);
        dealt += 1;
    }
    return dealt;
}

// Battle 2 or 3 played out from its first lead with the trump named: the
// show cards back in their seat's hand, the seats of battle 2 changed as the
// engine changes them, and the chooser to lead. The record is used up.
BattleEnd PlayWithTrump(GameState& play, int trump) {
    play.trump = trump;
    // The show cards on the table go back to their seat's hand.
    if (play.phase == 2 && play.handCount[play.showSeat] + 2 == HandSize) {
        auto& hand = play.hand[play.showSeat];
        hand[HandSize - 2] = play.showCards[0];
        hand[HandSize - 1] = play.showCards[1];
        play.handCount[play.showSeat] = HandSize;
        std::sort(hand.begin(), hand.end());
    }
    play.phase = 1;
    if (play.battleNo == 2) {
        const SeatSwap swap = SeatSwapForBattleTwo(play);
        if (swap.from >= 0) ExchangeSeats(play, swap);
    }
    play.trick.fill(NoCard);
    play.leader = play.currentSeat = play.chooserSeat;
    return PlayOut(play);
}

// The pairs the show seat may show, in the order that settles equal
// estimates: the rules' own pair, then the higher cards before the lower.
// With the first card shown, the pairs that begin with it.
std::vector<Move> ShowCardPairs(const GameState& table, int seat, int shownFirst) {
    GameState rules = table;
    computer::PickShowCards(rules, seat);
    // The second card the rules would pair with a first: their own pair's
    // other card, else their first. Among pairs of equal estimate with the
    // same first card this one comes first, so the advice for the second card
    // once the first lies on the table is the second card of the pair
    // advised before.
    auto naturalSecond = [&rules](int first) {
        return rules.showCards[0] != first ? rules.showCards[0] : rules.showCards[1];
    };
    const int count = table.handCount[seat];
    const auto& hand = table.hand[seat];
    auto inHand = [&table, seat](int card) { return table.FindInHand(seat, card) >= 0; };
    std::vector<Move> pairs;
    auto add = [&pairs, &inHand](Move pair) {
        if (pair.card != pair.jokerSuit && inHand(pair.card) && inHand(pair.jokerSuit) &&
            std::find(pairs.begin(), pairs.end(), pair) == pairs.end())
            pairs.push_back(pair);
    };
    const int rulesFirst = shownFirst != NoCard ? shownFirst : rules.showCards[0];
    add({rulesFirst, naturalSecond(rulesFirst)});
    for (int i = count - 1; i >= 0; --i) {
        if (shownFirst != NoCard && hand[i] != shownFirst) continue;
        add({hand[i], naturalSecond(hand[i])});
        for (int j = count - 1; j >= 0; --j) add({hand[i], hand[j]});
    }
    return pairs;
}

}  // namespace

std::vector<Move> CandidateMoves(const GameState& state, int seat) {
    std::vector<Move> moves;
    const bool leading = state.leader == seat && std::all_of(state.trick.begin(), state.trick.end(),
                                                             [](int card) { return card == NoCard; });
    for (int i = 0; i < state.handCount[seat]; ++i) {
        const int card = state.hand[seat][i];
        if (!MayPlay(state, seat, card)) continue;
        if (card != Joker) {
            moves.push_back({card, -1});
        } else if (state.handCount[seat] < HandSize) {
            if (leading) {
                for (int suit = Clubs; suit <= Spades; ++suit) moves.push_back({Joker, suit});
            } else {
                moves.push_back({Joker, -1});
            }
        }
    }
    return moves;
}

Advice AdviseCard(const GameState& state, int seat, const SearchOptions& options) {
    const Knowledge k = KnowledgeOf(state, seat);
    const std::vector<Move> moves = CandidateMoves(k.table, seat);
    if (moves.empty()) return {};
    std::vector<Tally> tallies(moves.size());
    GameState play;
    const int worlds = ForEachWorld(k, options, [&](const GameState& world) {
        for (std::size_t i = 0; i < moves.size(); ++i) {
            play = world;
            PlayCard(play, moves[i].card, moves[i].jokerSuit);
            bool won = false;
            tallies[i].value += ValueOf(k, world, PlayOut(play), won);
            tallies[i].wins += won ? 1 : 0;
        }
    });
    return Ranked(moves, tallies, worlds);
}

SixteenAdvice AdviseSixteen(const GameState& state, int seat, const SearchOptions& options) {
    const Knowledge k = KnowledgeOf(state, seat);
    Tally stop;
    Tally go;
    GameState play;
    const int worlds = ForEachWorld(k, options, [&](const GameState& world) {
        play = world;
        const FaceTally tally = CountFaceCards(play);
        const BattleVerdict verdict = JudgeTally(play, tally);
        bool won = false;
        stop.value +=
            ValueOf(k, world, {verdict.result, verdict.points, verdict.replaces, verdict.answer}, won);
        if (!verdict.offersSixteen) return;
        play.declaration =
            verdict.result == BattleResult::Skunk ? SixteenDeclaration : ReverseSixteenDeclaration;
        NextTrick(play, tally, TrickWinner(play));
        go.value += ValueOf(k, world, PlayOut(play), won);
        go.wins += won ? 1 : 0;
    });
    SixteenAdvice advice;
    if (worlds == 0) return advice;
    advice.stopValue = stop.value / worlds;
    advice.goOnValue = go.value / worlds;
    advice.goOnWinShare = static_cast<double>(go.wins) / worlds;
    advice.goOn = advice.goOnValue > advice.stopValue;
    return advice;
}

Advice AdviseTrump(const GameState& state, int seat, const SearchOptions& options) {
    const Knowledge k = KnowledgeOf(state, seat);
    std::vector<Move> suits;
    for (int suit = Clubs; suit <= Spades; ++suit) suits.push_back({suit, -1});
    std::vector<Tally> tallies(suits.size());
    GameState play;
    const int worlds = ForEachWorld(k, options, [&](const GameState& world) {
        for (std::size_t i = 0; i < suits.size(); ++i) {
            play = world;
            bool won = false;
            tallies[i].value += ValueOf(k, world, PlayWithTrump(play, suits[i].card), won);
            tallies[i].wins += won ? 1 : 0;
        }
    });
    return Ranked(suits, tallies, worlds);
}

Advice AdviseShowCards(const GameState& state, int seat, const SearchOptions& options) {
    if (state.battleNo < 2 || seat != state.showSeat || seat == state.chooserSeat) return {};
    // The seat knows its own cards, the first show card on the table too:
    // the search deals around the whole hand of ten, as it is once shown.
    GameState own = state;
    int shownFirst = NoCard;
    const int first = state.showCards[0];
    if (state.shownCount == 1 && IsCardCode(first) && state.handCount[seat] < HandSize &&
        state.FindInHand(seat, first) < 0) {
        shownFirst = first;
        auto& hand = own.hand[seat];
        hand[own.handCount[seat]++] = first;
        std::sort(hand.begin(), hand.begin() + own.handCount[seat]);
    }
    own.phase = 1;
    own.shownCount = 0;
    own.showCards.fill(NoCard);
    const Knowledge k = KnowledgeOf(own, seat);
    const std::vector<Move> pairs = ShowCardPairs(k.table, seat, shownFirst);
    if (pairs.empty()) return {};

    std::vector<Tally> tallies(pairs.size());
    GameState play;
    GameState chooserSees;
    const int worlds = ForEachWorld(k, options, [&](const GameState& world) {
        // What the battle brings under each trump, played out once it is named.
        std::array<bool, 4> played{};
        std::array<double, 4> values{};
        std::array<bool, 4> wins{};
        chooserSees = world;
        // The human chooser sees only the two cards of his partner's hand.
        if (world.chooserSeat == HumanSeat) chooserSees.handCount[seat] = 0;
        for (std::size_t i = 0; i < pairs.size(); ++i) {
            chooserSees.showCards = {pairs[i].card, pairs[i].jokerSuit};
            const int trump = std::clamp(computer::TrumpAfterShow(chooserSees), Clubs, Spades);
            if (!played[trump]) {
                play = world;
                bool won = false;
                values[trump] = ValueOf(k, world, PlayWithTrump(play, trump), won);
                wins[trump] = won;
                played[trump] = true;
            }
            tallies[i].value += values[trump];
            tallies[i].wins += wins[trump] ? 1 : 0;
        }
    });
    return Ranked(pairs, tallies, worlds);
}

}  // namespace tesseran::search
