// SPDX-License-Identifier: MIT
// The match flow: start-up, the start of a match, a game and a battle, the
// seeded deal, and the turn timer whose every tick lets one computer seat play
// a card or closes a completed trick.
#include "engine/CTorvelView.h"

#include "base/ResourceIds.h"
#include "base/Roster.h"
#include "base/StringTable.h"
#include "campaign/Campaign.h"
#include "engine/Random.h"

#include <algorithm>
#include <memory>
#include <numeric>

namespace tesseran {

namespace {

// The deck after the 200 swaps of a seed: for each swap, seat a = a draw mod
// 10, drawn again until it is at most 3; position i = draw mod 10; seat b and
// position j the same way; then hand[a][i] and hand[b][j] change places.
using ShuffledDeck = std::array<std::int8_t, DeckSize>;

ShuffledDeck Shuffle(std::uint32_t seed);

// A seed's deal as the seats receive it: ten cards each, each hand in the
// order of its codes, as the table shows a hand.
ShuffledDeck SortedDeal(std::uint32_t seed) {
    ShuffledDeck cards = Shuffle(seed);
    for (int seat = 0; seat < SeatCount; ++seat)
        std::sort(cards.begin() + seat * HandSize, cards.begin() + (seat + 1) * HandSize);
    return cards;
}

ShuffledDeck Shuffle(std::uint32_t seed) {
    ShuffledDeck cards;
    for (int i = 0; i < DeckSize; ++i) cards[i] = static_cast<std::int8_t>(Deck[i]);
    Lcg random(seed);
    auto draw = [&random] { return static_cast<unsigned>(random.Draw()) % 10u; };
    auto drawSeat = [&draw] {
        unsigned seat = draw();
        while (seat > 3u) seat = draw();
        return seat;
    };
    for (int swap = 0; swap < 200; ++swap) {
        unsigned a = drawSeat();
        unsigned i = draw();
        unsigned b = drawSeat();
        unsigned j = draw();
        std::swap(cards[a * HandSize + i], cards[b * HandSize + j]);
    }
    return cards;
}

// Seeds run from -62 (an unreadable clock) to 59 + 60 * 59 + 23 = 3622.
constexpr int LowestSeed = -62;
constexpr int HighestSeed = 59 + 60 * 59 + 23;

// The shuffle costs some 1,400 draws, a good part of them rejected seat draws
// that make the loop branch at random; it was the largest cost of a simulated
// match. Since a seed can take only 3,685 values, each seed's deck is
// shuffled (and its hands sorted) once per thread and kept (147 KB), and
// later deals of the same seed copy it. Every thread (the window's, the
// simulator's, a benchmark's) keeps its own table, so nothing is shared.
const ShuffledDeck& ShuffledDeckOf(int seed) {
    if (seed < LowestSeed || seed > HighestSeed) {
        static thread_local ShuffledDeck unusual;
        unusual = SortedDeal(static_cast<std::uint32_t>(seed));
        return unusual;
    }
    struct Table {
        std::array<ShuffledDeck, HighestSeed - LowestSeed + 1> decks;
        std::array<bool, HighestSeed - LowestSeed + 1> made{};
    };
    static thread_local auto table = std::make_unique<Table>();
    const int index = seed - LowestSeed;
    if (!table->made[index]) {
        table->decks[index] = SortedDeal(static_cast<std::uint32_t>(seed));
        table->made[index] = true;
    }
    return table->decks[index];
}

}  // namespace

void CTorvelView::StartUp() {
    ReadMirroredSettings();
    InitialiseCampaignAtStartUp(settings_);

    phase = 0;
    gameNo = 1;
    shownCount = 0;
    showingDiscards = 0;
    angleDragging = 0;
    entryNo = -1;
    requestedSuit = -1;
    currentSeat = HumanSeat;
    luckySeat = -1;
    participantAt = {0, 1, 2, 3};
    for (auto& row : score) row.fill(0);
    discard.fill(NoCard);
    dragging = 0;
}

void CTorvelView::ReadMirroredSettings() {
    speed = settings_.Read(setting::Speed);
    openMode = settings_.Read(setting::OpenMode);
    soundOn = settings_.Read(setting::Sound);
    ruleRemarks = settings_.Read(setting::RuleRemarks);
    displayRemarks = settings_.Read(setting::DisplayRemarks);
    remainingDisplay = settings_.Read(setting::RemainingCards);
    statusDisplay = settings_.Read(setting::StatusDisplay);
    storedAngle_ = settings_.Read(setting::Angle);
    // A value from elsewhere or from an older version may lie outside the
    // angles the table can be drawn at.
    viewAngle = std::clamp(storedAngle_, MinimumAngle, MaximumAngle);
}

void CTorvelView::Restore(const GameState& state, std::string matchId) {
    static_cast<GameState&>(*this) = state;
    matchId_ = std::move(matchId);
    ReadMirroredSettings();
    angleDragging = 0;
    showingPrevTrick = 0;
    showingDiscards = 0;
    pointerOnTrumpIcon_ = false;
}

void CTorvelView::OnStartUpTimer(CardBacksLoaded backs) {
    if (backs == CardBacksLoaded::No) {
        Message(text::BacksNotSet, MessageIcon::Stop);
        return;
    }
    if (settings_.Read(setting::AutoStart) == 1) {
        StartGame();
        host_.Repaint(TableLayer::Changed);
        return;
    }
    host_.Repaint(TableLayer::Changed);
    if (ruleRemarks == 1) Message(text::HowToStart);
}

bool CTorvelView::StartGame() {
    if (gameNo == 1 && battleNo == 0) {
        if (settings_.Read(setting::AutoStart) == 1) {
            entryNo = settings_.Read(setting::EntryNo);
            if (!IsSelectableEntry(entryNo)) entryNo = 0;
        } else {
            int choice = host_.ChooseEntry();
            if (!IsSelectableEntry(choice)) return false;
            entryNo = choice;
            settings_.Write(setting::EntryNo, entryNo);
        }
        for (int participant = 0; participant < 3; ++participant) {
            participantName[participant] = RosterName(ComputerEntries[participant]);
        }
        participantName[3] = RosterName(entryNo);
        host_.OnEvent({EngineEvent::Kind::MatchStarted});
    }

    StartGameState();
    StartBattle();
    Deal();
    AssignRelation();

    // The turn marker of the first repaint stands at the new game's leader.
    leader = std::max(FirstLeadPinHolder(), 0);
    currentSeat = leader;

    phase = 1;
    host_.Repaint(TableLayer::Changed);

    if (!host_.StartTurnTimer(PauseMilliseconds())) {
        Message(text::TimerFailed, MessageIcon::Stop);
        return false;
    }
    busy = 0;
    return true;
}

void CTorvelView::StartGameState() {
    battleNo = 0;
    SetTrump(gameNo <= 9 ? (gameNo - 1) % 3 : Spades);
    relation.fill(0);
    revealed.fill(0);
    relationKnown = 0;
}

void CTorvelView::StartBattle() {
    battleNo += 1;
    relatedNeeded = battleNo == 2 ? 8 : 9;
    unrelatedNeeded = 17 - relatedNeeded;
    relatedToGo = relatedNeeded;
    unrelatedToGo = unrelatedNeeded;

    faceLeft = FaceCardCount;
    jokerLeft = 1;
    suitLeft = {10, 10, 10, 9};

    declaration = 0;
    dragging = 0;
    busy = 1;
    showingPrevTrick = 0;
    markedCard = 0;
    lastPlayed = NoCard;
    chosenIndex = -1;

    handCount.fill(HandSize);
    trick.fill(NoCard);
    trickStrength.fill(-1);
    faceCount.fill(-1);

    numberPlayed.fill(0);
    facePlayed.fill(0);
    played.fill(0);
    playedBy.fill(-1);
    shownVoids.fill(0);
    faceOwner.fill(-1);
    discardCount = 0;
    discard.fill(NoCard);
}

void CTorvelView::Deal() {
    // The seed is the clock's second + 60 * minute + hour, each part -1 when
    // the clock cannot be read; deals are reproducible from it.
    auto now = host_.Now();
    int seed = now ? now->second + 60 * now->minute + now->hour : -1 - 60 - 1;
    const ShuffledDeck& cards = ShuffledDeckOf(seed);
    for (int i = 0; i < DeckSize; ++i) hand[i / HandSize][i % HandSize] = cards[i];
    if (ArrangeDeclarationHand() != 0) SortHands();
    host_.OnEvent({EngineEvent::Kind::Dealt, seed});
}

void CTorvelView::AssignRelation() {
    int keyCard = CardOf(trump, 7);
    for (int seat = 0; seat < SeatCount; ++seat) {
        bool joker = FindInHand(seat, Joker) >= 0;
        bool key = FindInHand(seat, keyCard) >= 0;
        if (joker && key) {
            relation[seat] = 1;
            relation[OppositeSeat(seat)] = 2;
            break;
        }
        if (joker) relation[seat] = 1;
        if (key) relation[seat] = 2;
    }
    host_.OnEvent({EngineEvent::Kind::RelationSet});
}

void CTorvelView::RevealPlayedKeyCards() {
    if (KeyCardsStillTell(*this)) RevealKeyCard(*this, currentSeat == 0 ? 3 : currentSeat - 1);
}

void CTorvelView::TurnTick() {
    if (dragging != 0 || busy != 0) return;

    RevealPlayedKeyCards();

    // Four cards down closes the trick (NoCard is -1, every card 0 or more).
    if ((trick[0] | trick[1] | trick[2] | trick[3]) >= 0) {
        CloseTrick();
        return;
    }
    PlayComputerCard();
}

// Steps 3..5 of a tick: the human's turn begins, or a computer plays a card.
void CTorvelView::PlayComputerCard() {
    if (currentSeat == HumanSeat) {
        host_.Repaint(TableLayer::Changed);
        busy = 1;
        return;
    }
    int seat = currentSeat;
    int position;
    if (seat == leader) {
        if (handCount[seat] == HandSize) {
            if (battleNo >= 2) {
                for (int partner = 0; partner < 3; ++partner) {
                    if (partner != seat && IsRelated(partner)) {
                        host_.DrawMarker(partner, Marker::Partner);
                        Sound(wave::Partner, SoundMode::Synchronous);
                        PauseTurn();
                        break;
                    }
                }
            }
            host_.DrawMarker(seat, Marker::Lead);
            Sound(wave::Lead, SoundMode::Synchronous);
            PauseTurn();
        }
        position = ChooseLeadCard();
    } else {
        position = ChooseFollowCard();
    }
    // The decisions keep to the rules; a position outside the hand would be a
    // fault of theirs, and must still never read outside the hand.
    if (position < 0 || position >= handCount[seat]) position = 0;
    int card = hand[seat][position];
    lastPlayed = card;
    if (seat == leader && card != Joker) requestedSuit = SuitOf(card);
    chosenIndex = position;

    RemoveFromHand(seat, position);
    PutCardOnTable(seat, card);
    currentSeat += 1;
    host_.Repaint(TableLayer::Changed);
    Sound(wave::Card, SoundMode::Asynchronous);
}

void CTorvelView::PutCardOnTable(int seat, int card) {
    trick[seat] = card;
    const bool face = IsFace(card);
    facePlayed[SuitOf(card)] += face;
    numberPlayed[SuitOf(card)] += !face & (card != Joker);
    NotePlay(*this, seat, card);
    host_.OnEvent({EngineEvent::Kind::CardPlayed, seat, card});
}

void CTorvelView::CloseTrick() {
    prevTrick = trick;
    int winner = TrickWinner();
    CaptureTrick(winner);
    host_.OnEvent({EngineEvent::Kind::TrickClosed, winner});

    const FaceTally tally = CountFaceCards(*this);

    busy = 1;
    int answer = JudgeBattle(winner, tally.related, tally.unrelated);

    if (answer == BattleGoesOn) {
        tesseran::UpdateToGo(*this, tally);
        for (int card : trick) {
            if (card == Joker) {
                jokerLeft = 0;
            } else {
                suitLeft[SuitOf(card)] -= 1;
            }
        }
        faceLeft = FaceCardCount - std::accumulate(faceCount.begin(), faceCount.end(), 0);
        trick.fill(NoCard);
        leader = currentSeat = winner;
        busy = 0;
        PlayComputerCard();
        return;
    }
    if (answer == NextBattleFollows) {
        NextBattle();
        if (phase == 2) return;
        currentSeat = leader;
        busy = 0;
        PlayComputerCard();
        return;
    }

    host_.OnEvent({EngineEvent::Kind::GameScored, gameNo});
    gameNo += 1;
    if (gameNo <= 10) {
        StartGame();
        return;
    }
    FinishMatch();
}

void CTorvelView::FinishMatch() {
    scoreShown = 1;
    host_.Repaint(TableLayer::Kept);

    std::array<int, SeatCount> totals{};
    for (int participant = 0; participant < SeatCount; ++participant) {
        for (const auto& row : score) totals[participant] += row[participant];
    }
    auto balances = CreditMatch(settings_, totals, entryNo, matchId_);
    for (int participant = 0; participant < SeatCount; ++participant) {
        int entry = participant < 3 ? ComputerEntries[participant] : entryNo;
        host_.OnEvent({EngineEvent::Kind::Credited, entry, balances[participant]});
    }

    if (!Ask(text::PlayOn)) {
        host_.CloseMainWindow();
        return;
    }
    for (auto& row : score) row.fill(0);
    gameNo = 1;
    battleNo = 0;
    scoreShown = 0;
    ClearTable();
    host_.Repaint(TableLayer::Changed);
    // A new match whose entry dialog is cancelled must leave the start command
    // available again, or the player would be locked out of the table.
    if (!StartGame()) phase = 0;
}

// The new match's entry dialog opens over an empty table, as before the
// first match: no last trick, no captured cards, no hands and no trump.
// Everything cleared here is set afresh when the game starts.
void CTorvelView::ClearTable() {
    phase = 0;
    trick.fill(NoCard);
    faceOwner.fill(-1);
    faceCount.fill(-1);
    discard.fill(NoCard);
    discardCount = 0;
    handCount.fill(0);
    relation.fill(0);
    revealed.fill(0);
}

}  // namespace tesseran
