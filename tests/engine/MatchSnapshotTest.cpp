// SPDX-License-Identifier: MIT
// The match snapshot: every state a played match passes through comes back
// from its text unchanged, and a damaged, foreign, newer or inconsistent
// text is refused whole, with a reason.
#include "EngineFixture.h"
#include "base/StringTable.h"
#include "common/ScriptedHuman.h"
#include "engine/Invariants.h"
#include "engine/MatchSnapshot.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace tesseran::testing {
namespace {

// Plays a match of the real computer players from its start, the human
// playing the first card it may, and keeps the record at every step.
std::vector<GameState> StatesOfAPlayedMatch(int steps) {
    Table table;
    auto& v = table.view;
    table.store.WriteInt("Settei", "AutoStart", 1);
    v.StartUp();
    EXPECT_TRUE(v.StartGame());
    std::vector<GameState> states;
    for (int step = 0; step < steps && v.phase >= 1; ++step) {
        if (v.currentSeat == HumanSeat && v.busy == 1 && v.phase == 1) {
            PlayScriptedHumanTurn(v);
        } else {
            v.TurnTick();
        }
        states.push_back(v);
    }
    return states;
}

std::string Text(const GameState& state, const std::string& id = "match-1", TurnFlow flow = {}) {
    return WriteSnapshot(MatchSnapshot{id, state, std::move(flow), {}});
}

TEST(MatchSnapshot, EveryStateOfAPlayedMatchComesBackUnchanged) {
    const std::vector<GameState> states = StatesOfAPlayedMatch(400);
    ASSERT_GT(states.size(), 100u);
    for (size_t i = 0; i < states.size(); ++i) {
        SCOPED_TRACE(i);
        const std::string text = Text(states[i]);
        const SnapshotReading reading = ReadSnapshot(text);
        ASSERT_TRUE(reading.snapshot) << reading.error;
        EXPECT_EQ(reading.snapshot->matchId, "match-1");
        // Every field is written, so equal texts mean equal records.
        EXPECT_EQ(Text(reading.snapshot->state), text);
    }
}

TEST(MatchSnapshot, AnyDamageIsRefusedWithAReason) {
    const std::vector<GameState> states = StatesOfAPlayedMatch(30);
    ASSERT_FALSE(states.empty());
    GameState playing = states.back();
    ASSERT_EQ(playing.phase, 1);
    ASSERT_EQ(CheckInvariants(playing), std::nullopt);
    const std::string good = Text(playing);

    auto replaced = [&good](const std::string& from, const std::string& to) {
        std::string text = good;
        const size_t at = text.find(from);
        EXPECT_NE(at, std::string::npos) << from;
        if (at != std::string::npos) text.replace(at, from.size(), to);
        return text;
    };
    GameState duplicated = playing;
    duplicated.hand[0][0] = duplicated.hand[1][0];  // one card twice, another missing
    GameState unsorted = playing;
    std::swap(unsorted.hand[2][0], unsorted.hand[2][1]);

    const struct {
        const char* name;
        std::string text;
    } cases[] = {
        {"empty", ""},
        {"garbage", "\x01\x02 not json at all"},
        {"cut short", good.substr(0, good.size() / 2)},
        {"a JSON list", "[1, 2, 3]"},
        {"another format", replaced("tesseran-match", "some-other-game")},
        {"a newer version", replaced("\"version\":3", "\"version\":4")},
        {"a battle out of range",
         replaced("\"battles\":[]", "\"battles\":[[11,1,0,-1,0,0,0,0,1,2,3,0,0,0,0]]")},
        {"no match id", replaced("\"matchId\":\"match-1\"", "\"matchId\":\"\"")},
        {"a field missing", replaced("\"trump\":", "\"trumpf\":")},
        {"a seat out of range", replaced("\"leader\":" + std::to_string(playing.leader), "\"leader\":7")},
        {"a text where a number belongs", replaced("\"gameNo\":1", "\"gameNo\":\"1\"")},
        {"a card duplicated", Text(duplicated)},
        {"a hand out of order", Text(unsorted)},
        {"a player the roster does not offer", replaced("\"entryNo\":0", "\"entryNo\":2")},
        {"a participant renamed", replaced(RosterName(5), "Nobody")},
        {"a dialog's answer out of range",
         Text(playing, "match-1", {TurnFlow::Position::InTick, {{HostAnswer::Kind::Suit, 7, std::nullopt}}})},
        {"answers while play waited",
         Text(playing, "match-1",
              {TurnFlow::Position::Waiting, {{HostAnswer::Kind::Message, 0, std::nullopt}}})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const SnapshotReading reading = ReadSnapshot(c.text);
        EXPECT_FALSE(reading.snapshot);
        EXPECT_FALSE(reading.error.empty());
    }
    EXPECT_TRUE(ReadSnapshot(good).snapshot);
    // A tick cut off at a dialog comes back with its answers.
    const TurnFlow cutOff{TurnFlow::Position::InTick,
                          {{HostAnswer::Kind::Clock, 0, LocalTime{2026, 12, 9, 23, 59, 58}},
                           {HostAnswer::Kind::Clock, 0, std::nullopt},
                           {HostAnswer::Kind::Question, 1, std::nullopt},
                           {HostAnswer::Kind::Suit, 3, std::nullopt}}};
    const SnapshotReading inTick = ReadSnapshot(Text(playing, "match-1", cutOff));
    ASSERT_TRUE(inTick.snapshot) << inTick.error;
    EXPECT_EQ(inTick.snapshot->flow, cutOff);
    // And the battles kept for the chronicle come back as they went.
    MatchSnapshot withBattles{"match-1", playing, {}, {}};
    withBattles.battles.push_back({1, 1, Hearts, -1, 0, BattleResult::Skunk, 2, {0, 1, 2, 3}, {1, 0, 2, 0}});
    withBattles.battles.push_back(
        {1, 2, Spades, 2, 3, BattleResult::DeclaredSkunkFailed, 16, {1, 0, 2, 3}, {0, 1, 0, 2}});
    const SnapshotReading kept = ReadSnapshot(WriteSnapshot(withBattles));
    ASSERT_TRUE(kept.snapshot) << kept.error;
    EXPECT_EQ(kept.snapshot->battles, withBattles.battles);
}

TEST(MatchSnapshot, AnOlderSnapshotWithoutPlayHistoryIsTakenUp) {
    const std::vector<GameState> states = StatesOfAPlayedMatch(30);
    ASSERT_FALSE(states.empty());
    const GameState& playing = states.back();
    std::string text = Text(playing);
    for (const std::string key : {"\"playedBy\":", "\"shownVoids\":"}) {
        const size_t at = text.find(key);
        ASSERT_NE(at, std::string::npos);
        text.erase(at, text.find(']', at) + 2 - at);
    }
    const size_t version = text.find("\"version\":3");
    ASSERT_NE(version, std::string::npos);
    text.replace(version, 11, "\"version\":1");

    const SnapshotReading reading = ReadSnapshot(text);
    ASSERT_TRUE(reading.snapshot) << reading.error;
    const GameState& read = reading.snapshot->state;
    EXPECT_EQ(read.hand, playing.hand);
    EXPECT_EQ(read.shownVoids, (std::array<int, SeatCount>{}));
    for (int card = 0; card < CardCodeLimit; ++card) {
        const auto seat = std::find(playing.trick.begin(), playing.trick.end(), card);
        const int expected =
            seat == playing.trick.end() ? -1 : static_cast<int>(seat - playing.trick.begin());
        EXPECT_EQ(read.playedBy[card], expected) << card;
    }
}

}  // namespace
}  // namespace tesseran::testing
