// SPDX-License-Identifier: MIT
#include "engine/MatchSnapshot.h"

#include "base/Roster.h"
#include "engine/Invariants.h"

#include <nlohmann/json.hpp>

#include <cmath>
#include <type_traits>

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

}  // namespace

std::string WriteSnapshot(const MatchSnapshot& snapshot) {
    Json state = Json::object();
    GameState copy = snapshot.state;
    ForEachField(copy, Writer{state});
    const Json document = {{"format", FormatName},
                           {"version", MatchSnapshot::Version},
                           {"matchId", snapshot.matchId},
                           {"state", std::move(state)}};
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
    if (version->get<long long>() != MatchSnapshot::Version) return {std::nullopt, "its version is unknown"};
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
    if (!reader.error.empty()) return {std::nullopt, reader.error};
    if (snapshot.state.phase >= 1) {
        if (auto broken = CheckInvariants(snapshot.state)) return {std::nullopt, *broken};
    }
    return {std::move(snapshot), {}};
}

}  // namespace tesseran
