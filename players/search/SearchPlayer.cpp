// SPDX-License-Identifier: MIT
#include "players/search/SearchPlayer.h"

#include "engine/BattleRules.h"
#include "players/search/Knowledge.h"
#include "players/search/Playout.h"

#include <algorithm>
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
            play.trump = suits[i].card;
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
            bool won = false;
            tallies[i].value += ValueOf(k, world, PlayOut(play), won);
            tallies[i].wins += won ? 1 : 0;
        }
    });
    return Ranked(suits, tallies, worlds);
}

}  // namespace tesseran::search
