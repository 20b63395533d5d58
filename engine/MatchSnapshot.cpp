// SPDX-License-Identifier: MIT
#include "engine/MatchSnapshot.h"

#include "base/Roster.h"
#include "base/StringTable.h"
#include "engine/Invariants.h"

#include <nlohmann/json.hpp>

#include <array>
#include <cmath>
#include <type_traits>
#include <utility>

namespace tesseran {

namespace {

using Json = nlohmann::json;

constexpr char FormatName[] = "tesseran-match";
// A name is a roster entry's; anything much longer is no name of ours.
constexpr std::size_t LongestName = 64;

// Every field of the record, with the values it may take; the writer and
// the reader both go through this one list, so that neither can forget one.
template <class Visit>
void ForEachField(GameState& s, Visit&& visit) {
    constexpr int Card = CardCodeLimit - 1;
    visit("speed", s.speed, 0, 17);
    visit("openMode", s.openMode, 0, 1);
    visit("soundOn", s.soundOn, 0, 1);
    visit("ruleRemarks", s.ruleRemarks, 0, 1);
    visit("displayRemarks", s.displayRemarks, 0, 1);
    visit("remainingDisplay", s.remainingDisplay, 0, 1);
    visit("statusDisplay", s.statusDisplay, 0, 1);
    visit("viewAngle", s.viewAngle, double{MinimumAngle}, double{MaximumAngle});
    visit("angleDragging", s.angleDragging, 0, 1);
    visit("showingPrevTrick", s.showingPrevTrick, 0, 1);
    visit("showingDiscards", s.showingDiscards, 0, 1);
    visit("busy", s.busy, 0, 1);
    visit("discardCount", s.discardCount, 0, DiscardCapacity);
    visit("scoreShown", s.scoreShown, 0, 1);
    visit("leader", s.leader, 0, SeatCount - 1);
    visit("currentSeat", s.currentSeat, 0, SeatCount);
    visit("faceOwner", s.faceOwner, -1, SeatCount - 1);
    visit("requestedSuit", s.requestedSuit, -1, 3);
    visit("trump", s.trump, 0, 3);
    visit("numberPlayed", s.numberPlayed, 0, 10);
    visit("facePlayed", s.facePlayed, 0, 4);
    visit("hand", s.hand, NoCard, Card);
    visit("trick", s.trick, NoCard, Card);
    visit("lastPlayed", s.lastPlayed, NoCard, Card);
    visit("showCards", s.showCards, NoCard, Card);
    visit("discard", s.discard, NoCard, Card);
    visit("gameNo", s.gameNo, 1, 11);
    visit("battleNo", s.battleNo, 0, 3);
    visit("declaration", s.declaration, 0, 15);
    visit("score", s.score, -99999, 99999);
    visit("relatedNeeded", s.relatedNeeded, 0, 17);
    visit("unrelatedNeeded", s.unrelatedNeeded, 0, 17);
    visit("participantAt", s.participantAt, 0, SeatCount - 1);
    visit("participantName", s.participantName);
    visit("entryNo", s.entryNo, -1, EntryCount - 1);
    visit("markedCard", s.markedCard, -1, HandSize);
    visit("shownCount", s.shownCount, 0, 2);
    visit("showSeat", s.showSeat, 0, SeatCount - 1);
    visit("chooserSeat", s.chooserSeat, 0, SeatCount - 1);
    visit("chosenIndex", s.chosenIndex, -1, HandSize - 1);
    visit("handCount", s.handCount, 0, HandSize);
    visit("prevTrick", s.prevTrick, NoCard, Card);
    visit("trickStrength", s.trickStrength, -1, 10000);
    visit("faceCount", s.faceCount, -1, FaceCardCount);
    visit("played", s.played, 0, 1);
    visit("relatedToGo", s.relatedToGo, -17, 17);
    visit("unrelatedToGo", s.unrelatedToGo, -17, 17);
    visit("faceLeft", s.faceLeft, 0, FaceCardCount);
    visit("jokerLeft", s.jokerLeft, 0, 1);
    visit("suitLeft", s.suitLeft, 0, 10);
    visit("relation", s.relation, 0, 2);
    visit("revealed", s.revealed, 0, 2);
    visit("relationKnown", s.relationKnown, 0, 1);
    visit("dragging", s.dragging, 0, 1);
    visit("phase", s.phase, 0, 2);
    visit("plannedDeclaration", s.plannedDeclaration, 0, 16);
    visit("luckySeat", s.luckySeat, -1, SeatCount - 1);
}

// The play history, kept from version 2 on.
template <class Visit>
void ForEachHistoryField(GameState& s, Visit&& visit) {
    visit("playedBy", s.playedBy, -1, SeatCount - 1);
    visit("shownVoids", s.shownVoids, 0, 15);
}

// A version-1 snapshot has no history: the cards on the table are known to
// be their seats', of everything played before them only that it was.
void StartHistoryAfresh(GameState& s) {
    s.playedBy.fill(-1);
    s.shownVoids.fill(0);
    for (int seat = 0; seat < SeatCount; ++seat) {
        if (s.trick[seat] != NoCard) s.playedBy[s.trick[seat]] = seat;
    }
}

std::optional<std::string> CheckHistory(const GameState& s) {
    for (int card = 0; card < CardCodeLimit; ++card) {
        if (s.playedBy[card] >= 0 && s.played[card] != 1) return "a card is played by a seat but not played";
    }
    return std::nullopt;
}

struct Writer {
    Json& out;

    template <class Number>
    void operator()(const char* name, const Number& value, Number, Number) {
        out[name] = value;
    }
    template <class Element, std::size_t Count, class Number>
    void operator()(const char* name, const std::array<Element, Count>& values, Number, Number) {
        out[name] = values;
    }
    template <std::size_t Count>
    void operator()(const char* name, const std::array<std::string, Count>& values) {
        out[name] = values;
    }
};

// Reads into a fresh record and remembers the first field that was wrong.
struct Reader {
    const Json& in;
    std::string error;

    bool Fail(const char* name, const std::string& why) {
        if (error.empty()) error = std::string("\"") + name + "\" " + why;
        return false;
    }

    bool ReadNumber(const char* name, const Json& value, int& into, int lowest, int highest) {
        if (!value.is_number_integer()) return Fail(name, "is not a whole number");
        const auto number = value.get<long long>();
        if (number < lowest || number > highest) return Fail(name, "is out of range");
        into = static_cast<int>(number);
        return true;
    }
    bool ReadNumber(const char* name, const Json& value, double& into, double lowest, double highest) {
        if (!value.is_number()) return Fail(name, "is not a number");
        const double number = value.get<double>();
        if (!std::isfinite(number) || number < lowest || number > highest)
            return Fail(name, "is out of range");
        into = number;
        return true;
    }
    bool ReadArray(const char* name, const Json& value, std::size_t count) {
        if (!value.is_array()) return Fail(name, "is not a list");
        if (value.size() != count) return Fail(name, "has the wrong length");
        return true;
    }

    const Json* Field(const char* name) {
        const auto found = in.find(name);
        if (found == in.end()) {
            Fail(name, "is missing");
            return nullptr;
        }
        return &*found;
    }

    template <class Number>
    void operator()(const char* name, Number& value, Number lowest, Number highest) {
        if (const Json* field = Field(name)) ReadNumber(name, *field, value, lowest, highest);
    }
    template <std::size_t Count>
    void operator()(const char* name, std::array<int, Count>& values, int lowest, int highest) {
        const Json* field = Field(name);
        if (field == nullptr || !ReadArray(name, *field, Count)) return;
        for (std::size_t i = 0; i < Count; ++i) ReadNumber(name, (*field)[i], values[i], lowest, highest);
    }
    template <std::size_t Rows, std::size_t Columns>
    void operator()(const char* name, std::array<std::array<int, Columns>, Rows>& values, int lowest,
                    int highest) {
        const Json* field = Field(name);
        if (field == nullptr || !ReadArray(name, *field, Rows)) return;
        for (std::size_t row = 0; row < Rows; ++row) {
            if (!ReadArray(name, (*field)[row], Columns)) return;
            for (std::size_t column = 0; column < Columns; ++column)
                ReadNumber(name, (*field)[row][column], values[row][column], lowest, highest);
        }
    }
    template <std::size_t Count>
    void operator()(const char* name, std::array<std::string, Count>& values) {
        const Json* field = Field(name);
        if (field == nullptr || !ReadArray(name, *field, Count)) return;
        for (std::size_t i = 0; i < Count; ++i) {
            const Json& text = (*field)[i];
            if (!text.is_string()) {
                Fail(name, "holds something that is not a text");
                return;
            }
            if (text.get_ref<const std::string&>().size() > LongestName) {
                Fail(name, "holds an overlong text");
                return;
            }
            values[i] = text.get<std::string>();
        }
    }
};

constexpr std::array<const char*, 7> AnswerKinds = {"clock",       "message", "question", "suit",
                                                    "declaration", "entry",   "timer"};

const char* KindName(HostAnswer::Kind kind) { return AnswerKinds[static_cast<std::size_t>(kind)]; }

std::optional<HostAnswer::Kind> KindNamed(const std::string& name) {
    for (std::size_t i = 0; i < AnswerKinds.size(); ++i) {
        if (name == AnswerKinds[i]) return static_cast<HostAnswer::Kind>(i);
    }
    return std::nullopt;
}

// The values each kind of answer can have; what the engine makes of them
// keeps to these, so anything else was never written by the program.
std::pair<int, int> AnswerRange(HostAnswer::Kind kind) {
    switch (kind) {
        case HostAnswer::Kind::Question:
        case HostAnswer::Kind::Timer:
            return {0, 1};
        case HostAnswer::Kind::Suit:
            return {0, 3};
        case HostAnswer::Kind::Declaration:
            return {0, 6};
        case HostAnswer::Kind::Entry:
            return {-1, EntryCount - 1};
        case HostAnswer::Kind::Clock:
        case HostAnswer::Kind::Message:
            break;
    }
    return {0, 0};
}

Json WriteFlow(const TurnFlow& flow) {
    Json answers = Json::array();
    for (const HostAnswer& answer : flow.answers) {
        Json item = {{"kind", KindName(answer.kind)}};
        if (answer.kind == HostAnswer::Kind::Clock) {
            if (answer.time) {
                const LocalTime& t = *answer.time;
                item["time"] = {t.year, t.month, t.day, t.hour, t.minute, t.second};
            }
        } else if (answer.kind != HostAnswer::Kind::Message) {
            item["value"] = answer.value;
        }
        answers.push_back(std::move(item));
    }
    return {{"position", flow.position == TurnFlow::Position::InTick ? "tick" : "waiting"},
            {"answers", std::move(answers)}};
}

std::optional<std::string> ReadAnswer(const Json& item, HostAnswer& answer) {
    if (!item.is_object()) return "an answer is no object";
    const auto kind = item.find("kind");
    if (kind == item.end() || !kind->is_string()) return "an answer has no kind";
    const auto named = KindNamed(kind->get<std::string>());
    if (!named) return "an answer is of an unknown kind";
    answer.kind = *named;
    if (answer.kind == HostAnswer::Kind::Message) return std::nullopt;
    if (answer.kind == HostAnswer::Kind::Clock) {
        const auto time = item.find("time");
        if (time == item.end()) return std::nullopt;  // the clock could not be read
        if (!time->is_array() || time->size() != 6) return "a clock reading is not six numbers";
        constexpr std::array<std::pair<int, int>, 6> ranges = {
            {{1, 9999}, {1, 12}, {1, 31}, {0, 23}, {0, 59}, {0, 60}}};
        std::array<int, 6> parts{};
        for (std::size_t i = 0; i < parts.size(); ++i) {
            const Json& part = (*time)[i];
            if (!part.is_number_integer()) return "a clock reading is not six numbers";
            const auto number = part.get<long long>();
            if (number < ranges[i].first || number > ranges[i].second)
                return "a clock reading is out of range";
            parts[i] = static_cast<int>(number);
        }
        answer.time = LocalTime{parts[0], parts[1], parts[2], parts[3], parts[4], parts[5]};
        return std::nullopt;
    }
    const auto value = item.find("value");
    if (value == item.end() || !value->is_number_integer()) return "an answer has no value";
    const auto [lowest, highest] = AnswerRange(answer.kind);
    const auto number = value->get<long long>();
    if (number < lowest || number > highest) return "an answer is out of range";
    answer.value = static_cast<int>(number);
    return std::nullopt;
}

std::optional<std::string> ReadFlow(const Json& in, TurnFlow& flow) {
    if (!in.is_object()) return "the turn flow is missing";
    const auto position = in.find("position");
    if (position == in.end() || !position->is_string()) return "the turn flow has no position";
    if (*position == "waiting") {
        flow.position = TurnFlow::Position::Waiting;
    } else if (*position == "tick") {
        flow.position = TurnFlow::Position::InTick;
    } else {
        return "the turn flow's position is unknown";
    }
    const auto answers = in.find("answers");
    if (answers == in.end() || !answers->is_array()) return "the turn flow has no answers";
    if (answers->size() > TurnFlow::MostAnswers) return "the turn flow holds too many answers";
    if (flow.position == TurnFlow::Position::Waiting && !answers->empty())
        return "the turn flow holds answers while play waited";
    for (const Json& item : *answers) {
        HostAnswer answer;
        if (auto error = ReadAnswer(item, answer)) return error;
        flow.answers.push_back(answer);
    }
    return std::nullopt;
}

// A battle as 15 numbers: game, battle, trump, chooser seat, declaration,
// result, points, the participants at the four seats and the four seats'
// relations.
Json WriteBattles(const std::vector<BattleRecord>& battles) {
    Json out = Json::array();
    for (const BattleRecord& b : battles) {
        Json item = {b.game,  b.battle, b.trump, b.chooserSeat, b.declaration, static_cast<int>(b.result),
                     b.points};
        for (int participant : b.participantAt) item.push_back(participant);
        for (int relation : b.relation) item.push_back(relation);
        out.push_back(std::move(item));
    }
    return out;
}

std::optional<std::string> ReadBattles(const Json& in, std::vector<BattleRecord>& battles) {
    if (!in.is_array()) return "the battles are no list";
    if (in.size() > MatchSnapshot::MostBattles) return "it holds too many battles";
    constexpr int ResultKinds = static_cast<int>(BattleResult::Count);
    constexpr std::array<std::pair<int, int>, 15> ranges = {{{1, 10},
                                                             {1, 3},
                                                             {Clubs, Spades},
                                                             {-1, SeatCount - 1},
                                                             {0, 6},
                                                             {0, ResultKinds - 1},
                                                             {0, 1000},
                                                             {0, 3},
                                                             {0, 3},
                                                             {0, 3},
                                                             {0, 3},
                                                             {0, 2},
                                                             {0, 2},
                                                             {0, 2},
                                                             {0, 2}}};
    for (const Json& item : in) {
        if (!item.is_array() || item.size() != ranges.size()) return "a battle is not fifteen numbers";
        std::array<int, 15> n{};
        for (std::size_t i = 0; i < n.size(); ++i) {
            if (!item[i].is_number_integer()) return "a battle is not fifteen numbers";
            const auto value = item[i].get<long long>();
            if (value < ranges[i].first || value > ranges[i].second) return "a battle is out of range";
            n[i] = static_cast<int>(value);
        }
        BattleRecord b;
        b.game = n[0];
        b.battle = n[1];
        b.trump = n[2];
        b.chooserSeat = n[3];
        b.declaration = n[4];
        b.result = static_cast<BattleResult>(n[5]);
        b.points = n[6];
        for (int seat = 0; seat < SeatCount; ++seat) {
            b.participantAt[static_cast<std::size_t>(seat)] = n[7 + static_cast<std::size_t>(seat)];
            b.relation[static_cast<std::size_t>(seat)] = n[11 + static_cast<std::size_t>(seat)];
        }
        battles.push_back(b);
    }
    return std::nullopt;
}

// A match is under way, between the roster's participants: a snapshot
// naming an entry or a name the roster no longer has is no match of ours.
std::optional<std::string> CheckParticipants(const GameState& state) {
    if (state.phase < 1) return "it holds no match under way";
    if (!IsSelectableEntry(state.entryNo)) return "its player is no entry of the roster";
    for (int participant = 0; participant < SeatCount; ++participant) {
        if (state.participantName[participant] != RosterName(ParticipantEntry(participant, state.entryNo)))
            return "a participant is not the roster's";
    }
    std::array<int, SeatCount> seated{};
    for (int participant : state.participantAt) seated[participant] += 1;
    for (int count : seated) {
        if (count != 1) return "a participant is seated twice";
    }
    return std::nullopt;
}

}  // namespace

std::string WriteSnapshot(const MatchSnapshot& snapshot) {
    Json state = Json::object();
    GameState copy = snapshot.state;
    ForEachField(copy, Writer{state});
    ForEachHistoryField(copy, Writer{state});
    const Json document = {{"format", FormatName},
                           {"version", MatchSnapshot::Version},
                           {"matchId", snapshot.matchId},
                           {"state", std::move(state)},
                           {"flow", WriteFlow(snapshot.flow)},
                           {"battles", WriteBattles(snapshot.battles)}};
    return document.dump();
}

SnapshotReading ReadSnapshot(std::string_view text) {
    const Json document = Json::parse(text.begin(), text.end(), nullptr, false);
    if (document.is_discarded()) return {std::nullopt, "the text is not JSON, or is cut short"};
    if (!document.is_object()) return {std::nullopt, "the text is no snapshot"};
    const auto format = document.find("format");
    if (format == document.end() || *format != FormatName) return {std::nullopt, "the text is no snapshot"};
    const auto version = document.find("version");
    if (version == document.end() || !version->is_number_integer())
        return {std::nullopt, "it has no version"};
    if (version->get<long long>() > MatchSnapshot::Version)
        return {std::nullopt, "it comes from a newer version of the program"};
    const long long readVersion = version->get<long long>();
    if (readVersion < 1) return {std::nullopt, "its version is unknown"};
    const auto id = document.find("matchId");
    if (id == document.end() || !id->is_string() || id->get_ref<const std::string&>().empty() ||
        id->get_ref<const std::string&>().size() > LongestName) {
        return {std::nullopt, "it has no match id"};
    }
    const auto state = document.find("state");
    if (state == document.end() || !state->is_object()) return {std::nullopt, "it holds no game state"};

    MatchSnapshot snapshot;
    snapshot.matchId = id->get<std::string>();
    Reader reader{*state, {}};
    ForEachField(snapshot.state, reader);
    if (readVersion >= 2) {
        ForEachHistoryField(snapshot.state, reader);
    } else {
        StartHistoryAfresh(snapshot.state);
    }
    if (!reader.error.empty()) return {std::nullopt, reader.error};
    if (auto broken = CheckHistory(snapshot.state)) return {std::nullopt, *broken};
    if (auto wrong = CheckParticipants(snapshot.state)) return {std::nullopt, *wrong};
    if (auto broken = CheckInvariants(snapshot.state)) return {std::nullopt, *broken};
    const auto flow = document.find("flow");
    if (flow == document.end()) return {std::nullopt, "the turn flow is missing"};
    if (auto wrong = ReadFlow(*flow, snapshot.flow)) return {std::nullopt, *wrong};
    if (readVersion >= 3) {
        const auto battles = document.find("battles");
        if (battles == document.end()) return {std::nullopt, "the battles are missing"};
        if (auto wrong = ReadBattles(*battles, snapshot.battles)) return {std::nullopt, *wrong};
    }
    return {std::move(snapshot), {}};
}

}  // namespace tesseran
