// SPDX-License-Identifier: MIT
// The match flow: start-up, starting a match, the deal, the groups, the turn
// timer's ticks, the seat swap before battle 2 and the end of a match.
#include "EngineFixture.h"
#include "base/StringTable.h"
#include "engine/Invariants.h"

#include <gtest/gtest.h>

#include <set>

namespace tesseran::testing {
namespace {

TEST(StartUp, ReadsTheSettingsAndInitialisesTheCampaignOnce) {
    Table table;
    table.store.WriteInt("Settei", "Speed", 13);
    table.store.WriteInt("Settei", "OpenMode", 1);
    table.store.WriteInt("Settei", "Koukaon", 0);
    table.store.WriteInt("Settei", "RuleRem", 0);
    table.store.WriteInt("Settei", "DspRem", 0);
    table.store.WriteInt("Settei", "NokoriDsp", 0);
    table.store.WriteInt("Settei", "DspInfo", 0);
    table.view.StartUp();
    const auto& v = table.view;
    EXPECT_EQ(std::make_tuple(v.speed, v.openMode, v.soundOn, v.ruleRemarks, v.displayRemarks,
                              v.remainingDisplay, v.statusDisplay),
              std::make_tuple(13, 1, 0, 0, 0, 0, 0));
    EXPECT_EQ(table.store.ReadInt("Kunitori", "INIT", 0), 1);
    EXPECT_EQ(table.store.ReadInt("Owner", "Kuni1", 10), 0);  // 津軽 belongs to entry 0
    EXPECT_EQ(v.phase, 0);
    EXPECT_EQ(v.entryNo, -1);
    EXPECT_EQ(v.currentSeat, HumanSeat);
    EXPECT_EQ(v.luckySeat, -1);
}

TEST(StartUp, ASpeedTheMenuCannotChooseReadsAsNormalAndIsRepaired) {
    for (int stored : {-1, 0, 2, 18, 99999, INT32_MAX, INT32_MIN}) {
        SCOPED_TRACE(stored);
        Table table;
        table.store.WriteInt("Settei", "Speed", stored);
        table.view.StartUp();
        EXPECT_EQ(table.view.speed, 9);
        EXPECT_EQ(table.store.ReadInt("Settei", "Speed", 0), 9);
    }
}

TEST(StartUp, DefaultsWhenNothingIsStored) {
    Table table;
    table.view.StartUp();
    const auto& v = table.view;
    EXPECT_EQ(std::make_tuple(v.speed, v.openMode, v.soundOn, v.ruleRemarks, v.displayRemarks,
                              v.remainingDisplay, v.statusDisplay),
              std::make_tuple(9, 0, 1, 1, 1, 1, 1));
}

TEST(StartUpTimer, ExplainsHowToStartWhenNotStartingByItself) {
    Table table;
    table.view.StartUp();
    table.view.OnStartUpTimer();
    ASSERT_EQ(table.host.messages.size(), 1u);
    EXPECT_EQ(table.host.messages[0].text, LoadString(30031));
    EXPECT_EQ(table.view.phase, 0);
    EXPECT_EQ(table.host.timerStartCount, 0);
}

TEST(StartUpTimer, SaysNothingWithoutRuleRemarks) {
    Table table;
    table.store.WriteInt("Settei", "RuleRem", 0);
    table.view.StartUp();
    table.view.OnStartUpTimer();
    EXPECT_TRUE(table.host.messages.empty());
}

TEST(StartUpTimer, FailedCardBacksStopEverything) {
    Table table;
    table.store.WriteInt("Settei", "AutoStart", 1);
    table.view.StartUp();
    table.view.OnStartUpTimer(CardBacksLoaded::No);
    ASSERT_EQ(table.host.messages.size(), 1u);
    EXPECT_EQ(table.host.messages[0].text, LoadString(30061));
    EXPECT_EQ(table.host.messages[0].icon, MessageIcon::Stop);
    EXPECT_EQ(table.view.phase, 0);
}

TEST(StartUpTimer, AutoStartBeginsAMatchWithTheStoredEntry) {
    Table table;
    table.store.WriteInt("Settei", "AutoStart", 1);
    table.store.WriteInt("Settei", "EntryNo", 7);
    table.view.StartUp();
    table.view.OnStartUpTimer();
    EXPECT_EQ(table.host.entryDialogs, 0);
    EXPECT_EQ(table.view.entryNo, 7);
    EXPECT_EQ(table.view.phase, 1);
    EXPECT_EQ(table.host.lastTimerInterval, 999);
    EXPECT_EQ(table.view.participantName[0], RosterName(5));
    EXPECT_EQ(table.view.participantName[1], RosterName(6));
    EXPECT_EQ(table.view.participantName[2], RosterName(2));
    EXPECT_EQ(table.view.participantName[3], RosterName(7));
}

class StaleEntry : public ::testing::TestWithParam<int> {};

TEST_P(StaleEntry, AnEntryTheHumanCannotChooseIsTakenAsEntryZero) {
    Table table;
    table.store.WriteInt("Settei", "AutoStart", 1);
    table.store.WriteInt("Settei", "EntryNo", GetParam());
    table.view.StartUp();
    ASSERT_TRUE(table.view.StartGame());
    EXPECT_EQ(table.view.entryNo, 0);
    EXPECT_EQ(table.view.participantName[3], RosterName(0));
}

INSTANTIATE_TEST_SUITE_P(OutsideTheSix, StaleEntry, ::testing::Values(-1, 2, 5, 6, 8, 10, 12345));

TEST(StartGame, CancelledEntryDialogStartsNothing) {
    Table table;
    table.host.entryChoice = -1;
    table.view.StartUp();
    EXPECT_FALSE(table.view.StartGame());
    EXPECT_EQ(table.view.phase, 0);
    EXPECT_EQ(table.view.battleNo, 0);
    EXPECT_EQ(table.host.timerStartCount, 0);
    EXPECT_FALSE(table.store.Contains("Settei", "EntryNo"));
}

TEST(StartGame, ChosenEntryIsStored) {
    Table table;
    table.host.entryChoice = 4;
    table.view.StartUp();
    ASSERT_TRUE(table.view.StartGame());
    EXPECT_EQ(table.host.entryDialogs, 1);
    EXPECT_EQ(table.store.ReadInt("Settei", "EntryNo", -1), 4);
}

TEST(StartGame, TimerFailureIsReportedAndTheGameDoesNotRun) {
    Table table;
    table.host.timerStarts = false;
    table.view.StartUp();
    EXPECT_FALSE(table.view.StartGame());
    ASSERT_EQ(table.host.messages.size(), 1u);
    EXPECT_EQ(table.host.messages[0].text, LoadString(30011));
    EXPECT_EQ(table.host.messages[0].icon, MessageIcon::Stop);
    EXPECT_EQ(table.view.busy, 1);
}

TEST(StartGame, TheHolderOfTheFirstLeadPinLeads) {
    for (int game : {1, 5, 10}) {
        Table table;
        table.view.StartUp();
        table.view.gameNo = game;
        table.view.battleNo = 1;  // not a new match
        ASSERT_TRUE(table.view.StartGame());
        int pin = game == 10 ? ClubPin : SpadePin;
        EXPECT_GE(table.view.FindInHand(table.view.leader, pin), 0) << "game " << game;
        EXPECT_EQ(table.view.currentSeat, table.view.leader);
        EXPECT_EQ(table.view.trump, game == 10 ? Spades : (game - 1) % 3);
        EXPECT_EQ(table.view.battleNo, 1);
    }
}

TEST(Deal, EverySeatGetsTenSortedCardsOfTheDeck) {
    for (int second : {0, 1, 17, 59}) {
        Table table;
        table.host.clock = LocalTime{2026, 1, 1, 13, 45, second};
        table.view.StartBattle();
        table.view.Deal();
        std::set<int> cards;
        for (int seat = 0; seat < SeatCount; ++seat) {
            EXPECT_EQ(table.view.handCount[seat], 10);
            EXPECT_TRUE(std::is_sorted(table.view.hand[seat].begin(), table.view.hand[seat].end()));
            cards.insert(table.view.hand[seat].begin(), table.view.hand[seat].end());
        }
        EXPECT_EQ(cards, std::set<int>(Deck.begin(), Deck.end()));
    }
}

TEST(Deal, TheSameClockReadingGivesTheSameDealAndAnotherOneAnother) {
    auto dealAt = [](std::optional<LocalTime> clock) {
        Table table;
        table.host.clock = clock;
        table.view.StartBattle();
        table.view.Deal();
        return table.view.hand;
    };
    EXPECT_EQ(dealAt(LocalTime{2026, 1, 1, 9, 30, 12}), dealAt(LocalTime{2025, 6, 7, 9, 30, 12}));
    EXPECT_NE(dealAt(LocalTime{2026, 1, 1, 9, 30, 12}), dealAt(LocalTime{2026, 1, 1, 9, 30, 13}));
    // The seed is second + 60 * minute + hour: 0:01:00 and 0:00:60 cannot both
    // exist, but 1:00:00 and 0:00:01 share seed 1.
    EXPECT_EQ(dealAt(LocalTime{2026, 1, 1, 1, 0, 0}), dealAt(LocalTime{2026, 1, 1, 0, 0, 1}));
    // An unreadable clock still deals (each part counts as -1).
    auto unreadable = dealAt(std::nullopt);
    std::set<int> cards;
    for (const auto& row : unreadable) cards.insert(row.begin(), row.end());
    EXPECT_EQ(cards.size(), 40u);
}

TEST(Deal, MidnightDealIsPinned) {
    // A regression signature of the shuffle: the first deal at 00:00:00.
    Table table;
    table.host.clock = LocalTime{2026, 1, 1, 0, 0, 0};
    table.view.StartBattle();
    table.view.Deal();
    EXPECT_EQ(table.view.hand[0], (std::array<int, 10>{1, 2, 5, 16, 18, 21, 24, 30, 32, 36}));
    EXPECT_EQ(table.view.hand[3], (std::array<int, 10>{3, 4, 10, 26, 29, 35, 37, 38, 40, 42}));
    ASSERT_FALSE(table.host.events.empty());
    EXPECT_EQ(table.host.events.back().kind, EngineEvent::Kind::Dealt);
    EXPECT_EQ(table.host.events.back().a, 0);
}

struct RelationCase {
    const char* name;
    int jokerSeat;
    int keySeat;
    std::array<int, 4> relation;
};

class AssignRelationTable : public ::testing::TestWithParam<RelationCase> {};

TEST_P(AssignRelationTable, JokerHolderIsOneAndKeyHolderTwo) {
    const RelationCase& c = GetParam();
    Table table;
    auto& v = table.view;
    v.trump = Diamonds;
    // Deal the deck in order, then move the joker and the diamond 7 to their seats.
    for (int i = 0; i < DeckSize; ++i) v.hand[i / 10][i % 10] = Deck[i];
    v.handCount.fill(10);
    auto place = [&v](int card, int seat) {
        for (int s = 0; s < 4; ++s) {
            int at = v.FindInHand(s, card);
            if (at < 0 || s == seat) continue;
            int swapWith = (v.hand[seat][9] == Joker || v.hand[seat][9] == 18) ? 8 : 9;
            std::swap(v.hand[s][at], v.hand[seat][swapWith]);
        }
    };
    place(Joker, c.jokerSeat);
    place(CardOf(Diamonds, 7), c.keySeat);
    v.AssignRelation();
    EXPECT_EQ(v.relation, c.relation);
}

INSTANTIATE_TEST_SUITE_P(
    Holders, AssignRelationTable,
    ::testing::Values(RelationCase{"SeparateHolders", 0, 2, {1, 0, 2, 0}},
                      RelationCase{"KeyBeforeJoker", 3, 1, {0, 2, 0, 1}},
                      RelationCase{"BothAtSeatOneTakesTheOppositeSeat", 1, 1, {0, 1, 0, 2}},
                      RelationCase{"BothAtTheHumanTakesSeatOne", 3, 3, {0, 2, 0, 1}},
                      RelationCase{"NeighboursCanBeRelated", 2, 3, {0, 0, 1, 2}}),
    [](const ::testing::TestParamInfo<RelationCase>& param) { return std::string(param.param.name); });

// A game under way with a computer leading the first trick of battle 1.
class Ticks : public ::testing::Test {
protected:
    void SetUp() override {
        table.store.WriteInt("Settei", "AutoStart", 1);
        table.view.StartUp();
        ASSERT_TRUE(table.view.StartGame());
        table.host.ClearRecords();
    }
    Table table;
};

TEST_F(Ticks, AComputerLeaderOfTheFirstTrickIsMarkedWithAFanfare) {
    auto& v = table.view;
    if (v.leader == HumanSeat) GTEST_SKIP() << "this deal lets the human lead";
    int leader = v.leader;
    v.TurnTick();
    ASSERT_EQ(table.host.markers.size(), 1u);
    EXPECT_EQ(table.host.markers[0], std::make_pair(leader, Marker::Lead));
    EXPECT_EQ(table.host.sounds, (std::vector<int>{146, 149}));
    EXPECT_EQ(v.trick[leader], SpadePin);
    EXPECT_EQ(v.requestedSuit, Spades);
    EXPECT_EQ(v.currentSeat, leader + 1);
}

TEST_F(Ticks, TheTurnStopsAtTheHumanUntilHePlays) {
    auto& v = table.view;
    for (int i = 0; i < 4 && v.currentSeat != HumanSeat; ++i) v.TurnTick();
    ASSERT_EQ(v.currentSeat, HumanSeat);
    v.TurnTick();
    EXPECT_EQ(v.busy, 1);
    auto before = v.trick;
    v.TurnTick();  // nested ticks do nothing
    EXPECT_EQ(v.trick, before);
}

TEST_F(Ticks, NoTickAdvancesWhileACardIsDragged) {
    auto& v = table.view;
    v.dragging = 1;
    auto before = v.trick;
    v.TurnTick();
    EXPECT_EQ(v.trick, before);
}

TEST_F(Ticks, AFullTrickStaysOnShowForOneTickAndTheWinnerLeadsInTheClosingTick) {
    auto& v = table.view;
    // Play until four cards lie on the table.
    for (int step = 0; step < 20; ++step) {
        if (std::none_of(v.trick.begin(), v.trick.end(), [](int c) { return c == NoCard; })) break;
        if (v.currentSeat == HumanSeat && v.busy == 1) {
            for (int p = 0; p < v.handCount[HumanSeat]; ++p) {
                if (v.CheckPick(v.hand[HumanSeat][p], Remarks::Silent)) {
                    v.markedCard = p;
                    break;
                }
            }
            v.KeyPlay();
        } else {
            v.TurnTick();
        }
    }
    ASSERT_TRUE(std::none_of(v.trick.begin(), v.trick.end(), [](int c) { return c == NoCard; }));
    auto trick = v.trick;
    v.TurnTick();
    EXPECT_EQ(v.prevTrick, trick);
    int winner = v.leader;
    if (winner != HumanSeat) {
        // The winner has already led the next trick.
        EXPECT_EQ(std::count_if(v.trick.begin(), v.trick.end(), [](int c) { return c != NoCard; }), 1);
        EXPECT_NE(v.trick[winner], NoCard);
    } else {
        EXPECT_TRUE(std::all_of(v.trick.begin(), v.trick.end(), [](int c) { return c == NoCard; }));
        EXPECT_EQ(v.busy, 1);
    }
    EXPECT_EQ(CheckInvariants(v), std::nullopt);
}

TEST(Reveal, TheSecondRelatedCardOnTheTableRevealsBothGroups) {
    Table table;
    auto& v = table.view;
    v.phase = 1;
    v.battleNo = 1;
    v.trump = Hearts;
    v.relation = {0, 1, 0, 2};
    v.leader = 0;
    v.currentSeat = 2;  // seat 1 just played
    v.trick = {5, Joker, NoCard, NoCard};
    table.GiveHand(2, {6});
    v.busy = 0;
    v.TurnTick();
    EXPECT_EQ(v.revealed, (std::array<int, 4>{0, 2, 0, 0}));
    EXPECT_EQ(v.relationKnown, 0);

    // Seat 3 plays the heart 7 later on.
    v.trick = {NoCard, NoCard, NoCard, CardOf(Hearts, 7)};
    v.currentSeat = 0;
    v.leader = 3;
    table.GiveHand(0, {12});
    v.TurnTick();
    EXPECT_EQ(v.relationKnown, 1);
    EXPECT_EQ(v.revealed, (std::array<int, 4>{1, 2, 1, 2}));
}

// Battle 2 begins: the related seats sit side by side and one of them moves.
struct SwapCase {
    const char* name;
    std::array<int, 4> relation;
    int from;
    int to;
};

class SeatSwap : public ::testing::TestWithParam<SwapCase> {};

TEST_P(SeatSwap, RelatedPartnersEndOppositeEachOther) {
    const SwapCase& c = GetParam();
    Table table;
    auto& v = table.view;
    v.StartUp();
    v.phase = 1;
    v.battleNo = 1;
    v.gameNo = 2;
    v.relation = c.relation;
    table.host.clock = LocalTime{2026, 1, 1, 0, 0, 30};  // no prearranged hand
    table.host.suitChoices = {Hearts};
    v.NextBattle();

    int partnerA = -1;
    int partnerB = -1;
    for (int seat = 0; seat < 4; ++seat) {
        if (v.relation[seat] != 0) (partnerA < 0 ? partnerA : partnerB) = seat;
    }
    EXPECT_EQ(partnerB - partnerA, 2) << "related seats " << partnerA << " and " << partnerB;
    if (c.from >= 0) {
        EXPECT_EQ(v.participantAt[c.to], c.from);
        EXPECT_EQ(v.participantAt[c.from], c.to);
        EXPECT_EQ(v.relation[c.to], c.relation[c.from]);
        EXPECT_EQ(v.revealed[c.to], 2);
        EXPECT_EQ(v.revealed[c.from], 1);
    } else {
        EXPECT_EQ(v.participantAt, (std::array<int, 4>{0, 1, 2, 3}));
    }
    EXPECT_EQ(v.participantAt[HumanSeat], 3);
    EXPECT_NE(v.relation[v.chooserSeat], 0);
    EXPECT_EQ(v.leader, v.chooserSeat);
    EXPECT_EQ(v.battleNo, 2);
    EXPECT_EQ(v.relatedNeeded, 8);
    EXPECT_EQ(v.unrelatedNeeded, 9);
}

INSTANTIATE_TEST_SUITE_P(Adjacent, SeatSwap,
                         ::testing::Values(SwapCase{"ZeroAndOne", {1, 2, 0, 0}, 1, 2},
                                           SwapCase{"ZeroAndThree", {2, 0, 0, 1}, 0, 1},
                                           SwapCase{"OneAndTwo", {0, 1, 2, 0}, 1, 0},
                                           SwapCase{"TwoAndThree", {0, 0, 2, 1}, 2, 1},
                                           SwapCase{"AlreadyOpposite", {1, 0, 2, 0}, -1, -1}),
                         [](const ::testing::TestParamInfo<SwapCase>& param) {
                             return std::string(param.param.name);
                         });

TEST(NextBattle, HumanChooserSeesTheComputerShowCardsAndNamesTheTrump) {
    Table table;
    auto& v = table.view;
    v.StartUp();
    v.phase = 1;
    v.battleNo = 1;
    v.relation = {0, 2, 0, 1};
    table.host.clock = LocalTime{2026, 1, 1, 0, 0, 30};
    table.host.suitChoices = {Diamonds};
    v.NextBattle();
    EXPECT_EQ(v.chooserSeat, HumanSeat);
    EXPECT_EQ(v.showSeat, 1);
    ASSERT_EQ(table.host.suitDialogs.size(), 1u);
    EXPECT_EQ(table.host.suitDialogs[0], SuitDialogMode::Trump);
    EXPECT_EQ(v.trump, Diamonds);
    EXPECT_EQ(table.host.sounds.back(), 143);
    EXPECT_GE(v.FindInHand(1, v.showCards[0]), 0);
    EXPECT_GE(v.FindInHand(1, v.showCards[1]), 0);
    EXPECT_EQ(v.shownCount, 0);
    EXPECT_EQ(v.phase, 1);
    EXPECT_EQ(v.leader, HumanSeat);
}

TEST(NextBattle, HumanShowerIsAskedForTwoCards) {
    Table table;
    auto& v = table.view;
    v.StartUp();
    v.phase = 1;
    v.battleNo = 2;
    v.relation = {0, 2, 0, 1};  // from battle 2 to 3 the relation-2 seat chooses
    table.host.clock = LocalTime{2026, 1, 1, 0, 0, 30};
    v.NextBattle();
    EXPECT_EQ(v.chooserSeat, 1);
    EXPECT_EQ(v.showSeat, HumanSeat);
    EXPECT_EQ(v.phase, 2);
    EXPECT_EQ(v.busy, 1);
    EXPECT_EQ(v.currentSeat, HumanSeat);
    ASSERT_EQ(table.host.messages.size(), 1u);
    EXPECT_EQ(table.host.messages[0].text, LoadString(30015));
    EXPECT_EQ(v.battleNo, 3);
    EXPECT_EQ(v.relatedNeeded, 9);
}

TEST(NextBattle, TwoComputersAgreeOnTrumpAndAnnounceIt) {
    Table table;
    auto& v = table.view;
    v.StartUp();
    v.phase = 1;
    v.battleNo = 1;
    v.relation = {1, 0, 2, 0};
    table.host.clock = LocalTime{2026, 1, 1, 0, 0, 30};
    v.NextBattle();
    EXPECT_TRUE(table.host.suitDialogs.empty());
    ASSERT_EQ(table.host.balloons.size(), 1u);
    EXPECT_EQ(table.host.balloons[0], std::make_pair(0, Balloon::Trump));
    EXPECT_EQ(v.leader, 0);
}

TEST(MatchEnd, TotalsAreCreditedAndTheHumanIsAskedToPlayOn) {
    Table table;
    auto& v = table.view;
    v.StartUp();
    table.store.WriteInt("Entry", "Entry5", 3);
    table.store.WriteInt("Entry", "Entry9", 100);
    v.entryNo = 9;
    v.phase = 1;
    v.battleNo = 1;
    v.gameNo = 10;
    v.relatedNeeded = 9;
    v.unrelatedNeeded = 8;
    v.relation = {1, 0, 2, 0};
    v.participantAt = {0, 1, 2, 3};
    for (auto& row : v.score) row = {-1, 2, 3, 4};
    // The last trick of game 10: the unrelated seats reach their need.
    v.faceOwner.fill(-1);
    for (int face = 0; face < 8; ++face) v.faceOwner[face] = 1;
    v.faceOwner[15] = 0;
    v.trick = {1, 2, 3, 4};
    v.handCount = {3, 3, 3, 3};
    v.leader = 0;
    v.currentSeat = 0;
    table.host.answers = {false};
    v.busy = 0;
    v.TurnTick();

    // Game 10 ended with an unrelated win in battle 1 (related -2, unrelated +2).
    EXPECT_EQ(v.score[9], (std::array<int, 4>{-2, 2, -2, 2}));
    EXPECT_EQ(v.scoreShown, 1);
    // Totals: -9 - 2 = -11 for participant 0 (entry 5, balance 3: stays 0).
    EXPECT_EQ(table.store.ReadInt("Entry", "Entry5", -1), 0);
    EXPECT_EQ(table.store.ReadInt("Entry", "Entry6", -1), 18 + 2);
    EXPECT_EQ(table.store.ReadInt("Entry", "Entry2", -1), 27 - 2);
    EXPECT_EQ(table.store.ReadInt("Entry", "Entry9", -1), 100 + 36 + 2);
    ASSERT_EQ(table.host.questions.size(), 1u);
    EXPECT_EQ(table.host.questions[0], LoadString(30018));
    EXPECT_TRUE(table.host.closed);
}

TEST(MatchEnd, PlayingOnWithACancelledEntryDialogLeavesTheStartCommandAvailable) {
    Table table;
    auto& v = table.view;
    v.StartUp();
    v.entryNo = 1;
    v.phase = 1;
    v.battleNo = 2;
    v.gameNo = 10;
    v.relatedNeeded = 8;
    v.unrelatedNeeded = 9;
    v.relation = {1, 0, 2, 0};
    for (int face = 0; face < 9; ++face) v.faceOwner[face] = 1;
    v.faceOwner[15] = 0;
    v.trick = {1, 2, 3, 4};
    v.handCount = {3, 3, 3, 3};
    v.leader = v.currentSeat = 0;
    table.host.answers = {true};
    table.host.entryChoice = -1;
    v.busy = 0;
    v.TurnTick();
    EXPECT_FALSE(table.host.closed);
    EXPECT_EQ(table.host.entryDialogs, 1);
    EXPECT_EQ(v.phase, 0);
    EXPECT_EQ(v.gameNo, 1);
    EXPECT_EQ(v.scoreShown, 0);
    // The dialog opened over an empty table, not over the old match's last trick.
    EXPECT_EQ(v.trick, (std::array<int, 4>{NoCard, NoCard, NoCard, NoCard}));
    EXPECT_TRUE(std::all_of(v.faceOwner.begin(), v.faceOwner.end(), [](int owner) { return owner < 0; }));
    EXPECT_EQ(v.handCount, (std::array<int, 4>{0, 0, 0, 0}));
}

TEST(SpeedCommand, RestartsARunningTimerAndStoresTheSpeed) {
    Table table;
    auto& v = table.view;
    v.ChangeSpeed(5);
    EXPECT_EQ(table.host.timerStartCount, 0);
    EXPECT_EQ(table.store.ReadInt("Settei", "Speed", 0), 5);
    v.phase = 1;
    v.ChangeSpeed(17);
    EXPECT_EQ(table.host.lastTimerInterval, 17 * 111);
    table.host.timerStarts = false;
    v.ChangeSpeed(1);
    ASSERT_EQ(table.host.messages.size(), 1u);
    EXPECT_EQ(table.host.messages[0].text, LoadString(30011));
    EXPECT_EQ(v.speed, 1);
    EXPECT_EQ(table.store.ReadInt("Settei", "Speed", 0), 1);
}

}  // namespace
}  // namespace tesseran::testing
