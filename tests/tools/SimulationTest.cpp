// SPDX-License-Identifier: MIT
// The simulator: reproducible traces in the documented format, and whole
// matches that keep the game state consistent from the first deal to the end.
#include "sim/Simulation.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <regex>
#include <set>
#include <sstream>

namespace tesseran::sim {
namespace {

std::string Trace(const SimulationOptions& options) {
    std::ostringstream out;
    auto result = RunSimulation(options, &out);
    EXPECT_EQ(result.violation, std::nullopt);
    return out.str();
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

TEST(SimulationTrace, TheSameStartTimeGivesByteIdenticalTraces) {
    SimulationOptions options;
    options.matches = 2;
    options.startSecond = 4321;
    EXPECT_EQ(Trace(options), Trace(options));
    SimulationOptions later = options;
    later.startSecond += 1;
    EXPECT_NE(Trace(options), Trace(later));
}

TEST(SimulationTrace, EveryLineIsOneOfTheDocumentedEvents) {
    SimulationOptions options;
    options.matches = 3;
    options.startSecond = 7 * 3600;
    const std::vector<std::pair<std::string, std::regex>> formats = {
        {"match", std::regex(R"(match [1-9][0-9]*)")},
        {"trump", std::regex(R"(trump [0-3])")},
        {"deal", std::regex(R"(deal g=([1-9]|10) b=[1-3] seed=-?[0-9]+)")},
        {"hand", std::regex(R"(hand [0-3] [0-9]+(,[0-9]+){9})")},
        {"relation", std::regex(R"(relation [0-2] [0-2] [0-2] [0-2])")},
        {"swap", std::regex(R"(swap [0-3] [0-3])")},
        {"show", std::regex(R"(show [0-9]+ [0-9]+)")},
        {"play", std::regex(R"(play [0-3] [0-9]+)")},
        {"trick", std::regex(R"(trick [0-3])")},
        {"msg", std::regex(R"(msg [^\n]+)")},
        {"ask", std::regex(R"(ask (yes|no) [^\n]+)")},
        {"score", std::regex(R"(score g=([1-9]|10) -?[0-9]+ -?[0-9]+ -?[0-9]+ -?[0-9]+)")},
        {"credit", std::regex(R"(credit [0-9] [0-9]+)")},
    };
    std::map<std::string, int> seen;
    for (const std::string& line : Lines(Trace(options))) {
        std::string word = line.substr(0, line.find(' '));
        bool matched = false;
        for (const auto& [name, format] : formats) {
            if (name == word && std::regex_match(line, format)) matched = true;
        }
        EXPECT_TRUE(matched) << line;
        seen[word] += 1;
    }
    EXPECT_EQ(seen["match"], 3);
    EXPECT_EQ(seen["score"], 30);
    EXPECT_EQ(seen["credit"], 12);
    EXPECT_EQ(seen["hand"], 4 * seen["deal"]);
    EXPECT_EQ(seen["play"], 4 * seen["trick"]);
    EXPECT_GE(seen["ask"], 3);
}

TEST(SimulationTrace, LineBreaksInTextsAreWrittenAsBackslashN) {
    SimulationOptions options;
    options.matches = 1;
    std::string trace = Trace(options);
    auto lines = Lines(trace);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back(), "ask no ゲームを続けますか");
    for (const auto& line : lines) {
        if (line.rfind("ask yes 関係グループのスコン", 0) == 0) {
            EXPECT_NE(line.find("\\n"), std::string::npos);
        }
    }
}

TEST(SimulationTrace, TheFirstDealOfAMatchReadsTheClockOnce) {
    SimulationOptions options;
    options.startSecond = 12 * 3600 + 34 * 60 + 56;
    auto lines = Lines(Trace(options));
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[0], "match 1");
    EXPECT_EQ(lines[1], "trump 0");
    EXPECT_EQ(lines[2], "deal g=1 b=1 seed=" + std::to_string(56 + 60 * 34 + 12));
}

TEST(SimulationTrace, TheClockWrapsAtMidnight) {
    SimulationOptions options;
    options.startSecond = 23 * 3600 + 59 * 60 + 59;
    auto lines = Lines(Trace(options));
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[2], "deal g=1 b=1 seed=" + std::to_string(59 + 60 * 59 + 23));
    std::string secondDeal;
    for (size_t i = 3; i < lines.size() && secondDeal.empty(); ++i) {
        if (lines[i].rfind("deal ", 0) == 0) secondDeal = lines[i];
    }
    EXPECT_NE(secondDeal.find("seed=0"), std::string::npos) << secondDeal;
}

TEST(WholeMatches, StayConsistentAndCountEveryResult) {
    SimulationOptions options;
    options.matches = 60;
    options.check = true;
    options.startSecond = 55555;
    auto result = RunSimulation(options, nullptr);
    ASSERT_EQ(result.violation, std::nullopt) << *result.violation;
    EXPECT_EQ(result.matches, 60);
    EXPECT_EQ(result.games, 600);
    int decided = 0;
    for (int count : result.results) decided += count;
    // Every battle ends with exactly one announced result.
    EXPECT_EQ(decided, result.battles);
    EXPECT_GE(result.battles, result.games);
    EXPECT_LE(result.battles, 3 * result.games);
}

TEST(WholeMatches, EveryEntryTheHumanMayPlayAsFinishes) {
    for (int entry : {0, 1, 3, 4, 7, 9}) {
        SimulationOptions options;
        options.entry = entry;
        options.check = true;
        options.startSecond = 1000 * entry;
        std::ostringstream out;
        auto result = RunSimulation(options, &out);
        EXPECT_EQ(result.violation, std::nullopt);
        EXPECT_NE(out.str().find("credit " + std::to_string(entry) + " "), std::string::npos) << entry;
    }
}

TEST(ParseTimeOfDay, AcceptsOnlyTimesOfDay) {
    EXPECT_EQ(ParseTimeOfDay("00:00:00"), 0);
    EXPECT_EQ(ParseTimeOfDay("23:59:59"), 86399);
    EXPECT_EQ(ParseTimeOfDay("07:05:09"), 7 * 3600 + 5 * 60 + 9);
    for (const char* bad :
         {"24:00:00", "12:60:00", "12:00:60", "1:00:00", "12-00-00", "", "aa:bb:cc", "12:00:001"}) {
        EXPECT_EQ(ParseTimeOfDay(bad), std::nullopt) << bad;
    }
}

// Every reason a computer gives is reached in simulated matches and has a
// sentence that names only the values its rule gave; asking for the reasons
// changes no decision.
TEST(SimulationReasons, EveryReasonIsReachedAndSaidAndAskingChangesNothing) {
    SimulationOptions options;
    options.matches = 500;
    options.startSecond = 6 * 3600;  // a start whose lucky hands reach every rule of the 16 decision
    options.countReasons = true;
    const SimulationResult counted = RunSimulation(options, nullptr);
    options.countReasons = false;
    const SimulationResult plain = RunSimulation(options, nullptr);
    EXPECT_EQ(counted.results, plain.results);
    EXPECT_EQ(counted.seatThree.battlesWon, plain.seatThree.battlesWon);
    EXPECT_EQ(counted.seatThree.scoreSum, plain.seatThree.scoreSum);
    SimulationOptions traced;
    traced.matches = 5;
    traced.startSecond = 6 * 3600;
    const std::string withoutReasons = Trace(traced);
    traced.countReasons = true;
    EXPECT_EQ(Trace(traced), withoutReasons);

    // The search player's reason, from the strong computers.
    SimulationOptions strong;
    strong.matches = 1;
    strong.strongOpponents = true;
    strong.countReasons = true;
    const SimulationResult searched = RunSimulation(strong, nullptr);

    using computer::Reason;
    // What no simulated match reaches, and why.
    const std::set<Reason> unreachable = {
        Reason::None,
        Reason::LeadFallback,    // a declared lead always finds a trump or a card of some rank
        Reason::FollowFallback,  // with two cards or more, the lowest card of some rank is always found
        Reason::TrumpDefault,    // the first show card that is not the joker always names a suit
    };
    std::vector<std::string> reached;
    for (int index = 0; index < static_cast<int>(Reason::Count); ++index) {
        const auto reason = static_cast<Reason>(index);
        const auto at = static_cast<std::size_t>(index);
        const long count = counted.reasons[at] + searched.reasons[at];
        const computer::Why& example =
            counted.reasons[at] > 0 ? counted.reasonExamples[at] : searched.reasonExamples[at];
        SCOPED_TRACE(computer::ReasonName(reason));
        if (unreachable.count(reason) != 0) {
            EXPECT_EQ(count, 0);
            continue;
        }
        EXPECT_GT(count, 0) << "never given";
        reached.push_back(std::string(computer::ReasonName(reason)) + " " + std::to_string(count));
        const std::string sentence = computer::ReasonSentence(reason);
        EXPECT_FALSE(sentence.empty());
        if (count == 0) continue;
        const bool namesCard = sentence.find("%1") != std::string::npos;
        const bool namesSuit = sentence.find("%2") != std::string::npos;
        const bool namesCount = sentence.find("%3") != std::string::npos;
        EXPECT_TRUE(!namesCard || IsCardCode(example.card)) << example.card;
        EXPECT_TRUE(!namesSuit || (example.suit >= 0 && example.suit <= 3)) << example.suit;
        EXPECT_TRUE(!namesCount || example.count >= 0) << example.count;
    }
    std::string list;
    for (const std::string& line : reached) list += line + "\n";
    std::printf("reasons reached in 500 matches (and one strong match):\n%s", list.c_str());
}

}  // namespace
}  // namespace tesseran::sim
