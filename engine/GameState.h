// SPDX-License-Identifier: MIT
// The game-state record: one block of plain fields and fixed arrays that the
// engine and the computer players read and write directly and the drawing
// code reads. CTorvelView derives from it, so every rule sees the fields under
// their own names; a copy of the record (slicing the view) is a snapshot.
#pragma once

#include "base/Cards.h"

#include <array>
#include <string>

namespace tesseran {

// The bird's-eye angle of the table, in degrees.
inline constexpr int MinimumAngle = 9;
inline constexpr int MaximumAngle = 26;
inline constexpr int DefaultAngle = 21;

struct GameState {
    // Settings mirrored from the "Settei" section.
    int speed = 9;             // 1, 5, 9, 13, 17: the turn timer runs every speed * 111 ms
    int openMode = 0;          // show the computer hands face up
    int soundOn = 1;           // play sound effects
    int ruleRemarks = 1;       // explain refused plays and how to start
    int displayRemarks = 1;    // hover explanations
    int remainingDisplay = 1;  // remaining-cards panel
    int statusDisplay = 1;     // requested suit and right sign beside the human's hand

    // The table's bird's-eye angle: whole degrees MinimumAngle..MaximumAngle,
    // with a fraction only while the front edge is dragged.
    double viewAngle = DefaultAngle;
    int angleDragging = 0;
    int showingPrevTrick = 0;
    int showingDiscards = 0;
    int busy = 0;  // 1: the turn timer must not advance play
    int discardCount = 0;
    int scoreShown = 0;
    int leader = 0;
    int currentSeat = HumanSeat;
    std::array<int, FaceCardCount> faceOwner{};  // seat that took each face card, or -1
    int requestedSuit = -1;
    int trump = Clubs;
    std::array<int, 4> numberPlayed{};  // number cards of each suit played this battle
    std::array<int, 4> facePlayed{};    // face cards of each suit played this battle
    std::array<std::array<int, HandSize>, SeatCount> hand{};
    std::array<int, SeatCount> trick{};  // card each seat put on the table this trick, or -1
    int lastPlayed = NoCard;             // the card in flight
    std::array<int, 2> showCards{};
    std::array<int, DiscardCapacity> discard{};
    int gameNo = 1;
    int battleNo = 0;
    int declaration = 0;
    std::array<std::array<int, SeatCount>, 10> score{};  // row = gameNo - 1, column = participant
    int relatedNeeded = 9;
    int unrelatedNeeded = 8;
    std::array<int, SeatCount> participantAt = {0, 1, 2, 3};
    std::array<std::string, SeatCount> participantName{};
    int entryNo = -1;
    int markedCard = 0;
    int shownCount = 0;
    int showSeat = 0;
    int chooserSeat = 0;
    int chosenIndex = -1;
    std::array<int, SeatCount> handCount{};
    std::array<int, SeatCount> prevTrick{};
    std::array<int, SeatCount> trickStrength{};
    std::array<int, SeatCount> faceCount{};
    std::array<int, CardCodeLimit> played{};
    int relatedToGo = 9;
    int unrelatedToGo = 8;
    int faceLeft = FaceCardCount;
    int jokerLeft = 1;
    std::array<int, 4> suitLeft = {10, 10, 10, 9};
    std::array<int, SeatCount> relation{};  // 0 unrelated, 1 or 2 related
    std::array<int, SeatCount> revealed{};  // battle 1: 0 hidden, 2 shown related, 1 shown unrelated
    int relationKnown = 0;
    int dragging = 0;
    int phase = 0;  // 0 no game yet, 1 play runs, 2 show cards or trump dialog
    int plannedDeclaration = 0;
    int luckySeat = -1;
    // What the table has seen of this battle's play, for players that keep
    // count as a person does: the seat that played each card (-1: not
    // played, or played before this history was kept), and the suits each
    // seat has shown it lacks by not following them (bit 1 << suit).
    std::array<int, CardCodeLimit> playedBy{};
    std::array<int, SeatCount> shownVoids{};

    GameState() {
        faceOwner.fill(-1);
        hand.fill({});
        trick.fill(NoCard);
        showCards.fill(NoCard);
        discard.fill(NoCard);
        prevTrick.fill(NoCard);
        trickStrength.fill(-1);
        faceCount.fill(-1);
        playedBy.fill(-1);
    }

    bool SameSide(int a, int b) const { return (relation[a] == 0) == (relation[b] == 0); }
    bool IsRelated(int seat) const { return relation[seat] != 0; }
    bool HoldsJoker(int seat) const { return handCount[seat] > 0 && hand[seat][0] == Joker; }
    // The cards a seat holds, as a set.
    CardSet HandSet(int seat) const {
        const int count = handCount[seat];
        CardSet set = 0;
        for (int i = 0; i < HandSize; ++i) set |= static_cast<CardSet>(i < count) << (hand[seat][i] & 63);
        return set;
    }
    // Position of a card in a seat's hand, or -1.
    int FindInHand(int seat, int card) const {
        for (int i = 0; i < handCount[seat]; ++i) {
            if (hand[seat][i] == card) return i;
        }
        return -1;
    }
    // The human's turn: play handlers do nothing outside it.
    bool IsHumanTurn() const { return phase >= 1 && currentSeat == HumanSeat; }
};

}  // namespace tesseran
