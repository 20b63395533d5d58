// SPDX-License-Identifier: MIT
// tesseran-sim: plays whole matches on the game core with a scripted human, to
// test the rules, to measure them, and to study the computer players.
#include "sim/Simulation.h"

#ifdef TESSERAN_SIM_CHRONICLE
#include "chronicle/ChronicleDatabase.h"

#include <QCoreApplication>
#include <memory>
#endif

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <iomanip>
#include <iostream>
#include <string>

namespace {

constexpr const char* Usage =
    "usage: tesseran-sim [--matches N] [--start HH:MM:SS] [--entry E] [--trace] [--check] [--interrupt N]\n"
    "                    [--seat3 scripted|rules|strong] [--opponents rules|strong] [--chronicle FILE]\n"
    "                    [--reasons]\n"
    "  --matches N       matches to play (default 1)\n"
    "  --start HH:MM:SS  the virtual clock's first reading (default 00:00:00)\n"
    "  --entry E         the roster entry the human plays as (default 0)\n"
    "  --trace           print every event, one a line, instead of the summary\n"
    "  --check           verify the game state after every play and trick\n"
    "  --interrupt N     stop every match at N of its snapshots as if killed, and go on from a\n"
    "                    fresh engine built from the snapshot alone (the trace stays the same)\n"
    "  --seat3 P         who plays seat 3: the scripted human (default), the computer rules\n"
    "                    (which see every hand) or the search player (which sees only its own)\n"
    "  --opponents P     who plays seats 0 to 2: the computer rules (default) or the search player\n"
    "  --chronicle FILE  record every finished match in the chronicle database FILE, as the game does\n"
    "  --reasons         add to the summary how often the computers gave each reason for a decision\n";

int Fail(const std::string& message) {
    std::cerr << "tesseran-sim: " << message << "\n" << Usage;
    return 2;
}

bool ParseCount(const char* text, int& value) {
    char* end = nullptr;
    long parsed = std::strtol(text, &end, 10);
    if (end == text || *end != '\0' || parsed < 0 || parsed > 100000000) return false;
    value = static_cast<int>(parsed);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace tesseran::sim;
    SimulationOptions options;
    bool trace = false;
    std::string chroniclePath;
    for (int i = 1; i < argc; ++i) {
        std::string argument = argv[i];
        auto value = [&]() -> const char* { return i + 1 < argc ? argv[++i] : nullptr; };
        if (argument == "--trace") {
            trace = true;
        } else if (argument == "--check") {
            options.check = true;
        } else if (argument == "--matches") {
            const char* text = value();
            if (text == nullptr || !ParseCount(text, options.matches) || options.matches < 1) {
                return Fail("--matches takes a whole number of at least 1");
            }
        } else if (argument == "--entry") {
            const char* text = value();
            if (text == nullptr || !ParseCount(text, options.entry) || options.entry > 9) {
                return Fail("--entry takes a roster entry from 0 to 9");
            }
        } else if (argument == "--interrupt") {
            const char* text = value();
            if (text == nullptr || !ParseCount(text, options.interrupts) || options.interrupts > 1000) {
                return Fail("--interrupt takes a whole number from 0 to 1000");
            }
        } else if (argument == "--seat3") {
            const char* text = value();
            auto policy = text == nullptr ? std::nullopt : SeatThreePolicyNamed(text);
            if (!policy) return Fail("--seat3 takes scripted, rules or strong");
            options.seatThree = *policy;
        } else if (argument == "--opponents") {
            const char* text = value();
            const std::string name = text == nullptr ? "" : text;
            if (name != "rules" && name != "strong") return Fail("--opponents takes rules or strong");
            options.strongOpponents = name == "strong";
        } else if (argument == "--start") {
            const char* text = value();
            auto seconds = text == nullptr ? std::nullopt : ParseTimeOfDay(text);
            if (!seconds) return Fail("--start takes a time of day as HH:MM:SS");
            options.startSecond = *seconds;
        } else if (argument == "--chronicle") {
            const char* text = value();
            if (text == nullptr || *text == '\0') return Fail("--chronicle takes a file name");
            chroniclePath = text;
        } else if (argument == "--reasons") {
            options.countReasons = true;
        } else if (argument == "--help" || argument == "-h") {
            std::cout << Usage;
            return 0;
        } else {
            return Fail("unknown option " + argument);
        }
    }

#ifdef TESSERAN_SIM_CHRONICLE
    std::unique_ptr<QCoreApplication> application;
    std::unique_ptr<tesseran::ChronicleDatabase> chronicle;
    if (!chroniclePath.empty()) {
        application = std::make_unique<QCoreApplication>(argc, argv);
        auto opening = tesseran::ChronicleDatabase::Open(QString::fromStdString(chroniclePath));
        if (!opening.database) {
            std::cerr << "tesseran-sim: the chronicle " << chroniclePath
                      << " cannot be used: " << opening.detail.toStdString() << "\n";
            return 1;
        }
        chronicle = std::move(opening.database);
        options.chronicle = chronicle.get();
    }
#else
    if (!chroniclePath.empty()) return Fail("this simulator was built without the chronicle (it needs Qt)");
#endif

    std::ios::sync_with_stdio(false);
    auto started = std::chrono::steady_clock::now();
    SimulationResult result = RunSimulation(options, trace ? &std::cout : nullptr);
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::cout.flush();

    if (result.violation) {
        std::cerr << "tesseran-sim: check failed: " << *result.violation << "\n";
        return 1;
    }
    if (trace) return 0;
    if (options.chronicle != nullptr && result.recorded != result.matches) {
        std::cerr << "tesseran-sim: only " << result.recorded << " of " << result.matches
                  << " matches could be recorded in the chronicle\n";
    }

    std::cout << "matches: " << result.matches << "\n"
              << "games: " << result.games << "\n"
              << "battles: " << result.battles << "\n"
              << "results:\n";
    for (int kind = 0; kind < static_cast<int>(ResultKind::Count); ++kind) {
        std::cout << "  " << ResultKindName(static_cast<ResultKind>(kind)) << ": " << result.results[kind]
                  << "\n";
    }
    const SeatThreeRecord& seat = result.seatThree;
    const double games = seat.games > 0 ? seat.games : 1;
    const double mean = seat.scoreSum / games;
    const double variance =
        seat.games > 1 ? std::max(0.0, (seat.scoreSquares - games * mean * mean) / (games - 1)) : 0.0;
    const double margin = 1.96 * std::sqrt(variance / games);
    std::cout << std::fixed << std::setprecision(2) << "seat 3: battles won by its group " << seat.battlesWon
              << "/" << seat.battles << ", mean score per game " << mean << " (95% interval " << mean - margin
              << " to " << mean + margin << ")\n";
    if (options.countReasons) {
        std::cout << "reasons:\n";
        for (int reason = 1; reason < static_cast<int>(tesseran::computer::Reason::Count); ++reason) {
            std::cout << "  "
                      << tesseran::computer::ReasonName(static_cast<tesseran::computer::Reason>(reason))
                      << ": " << result.reasons[static_cast<std::size_t>(reason)] << "\n";
        }
    }
    std::cout << "matches per second: " << static_cast<long>(seconds > 0 ? result.matches / seconds : 0)
              << "\n";
    return 0;
}
