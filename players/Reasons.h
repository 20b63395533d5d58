// SPDX-License-Identifier: MIT
// Why a computer seat decided as it did: every rule that chooses a card, a
// trump, the show cards, whether to go on for 16 or which prearranged hand a
// lucky deal brings names itself here, with the values it looked at. The
// rules answer exactly as before; the reason rides beside the answer for
// whoever asks (the battle review), and costs nothing to a caller that does
// not.
#pragma once

#include "base/Cards.h"

#include <cstdint>

namespace tesseran::computer {

enum class Reason : std::uint8_t {
    None,
    // Leads.
    OpeningPin,                // the pin that opens the game (card)
    LastCard,                  // one card left
    JokerOpensDeclaration,     // the joker opens the declared battle a lucky hand was dealt for (suit: trump)
    JokerRequestsFewestFaces,  // the joker asks for the suit with the most face cards left (suit)
    JokerRequestsFewestNumbers,  // the joker asks for the suit with the most number cards left (suit)
    DeclaredHighestTrump,        // a declared battle: the highest trump
    DeclaredHighestCard,         // a declared battle without trumps: the highest card
    SureWinnerOutsideTrump,      // the top card left of a suit other than the trump (card)
    SureWinnerAnySuit,           // the top card left of its suit (card)
    NumberOutsideTrump,          // the lowest number card outside the trump
    NumberAnySuit,               // the lowest number card
    AnyOutsideTrump,             // only face cards outside the trump: the lowest of them
    TrumpNumber,                 // the lowest number card of the trump
    LeadOnlyTrumps,              // participant 0 with nothing but trumps: the second card
    LeadNoSureOrNumber,          // no sure winner and no number card the style leads: the second card
    LeadFallback,                // nothing the declared lead looks for is left
    // The joker to a trick another seat led.
    JokerLastTwo,         // two cards left: the joker as the last card would lose its power
    JokerManyFaces,       // three face cards on the table (count)
    JokerDecides,         // the face cards on the table are all the group still needs (count)
    JokerNoTrumpToBeat,   // cannot follow, no trump beats the holder (card: the holder's card)
    JokerFacesWouldLose,  // the requested suit held only in face cards, all beaten (card)
    JokerEnoughFaces,     // with this few cards left, the face cards on the table are worth it (count)
    // Following.
    FeedPartnerLast,         // plays last to its own side's trick: a 7 or 8 of another suit
    KeepFaceFromJoker,       // two cards left, the enemy's joker to come: the face card is kept
    GiveFaceToPartner,       // its side holds the trick: the smallest face card that counts
    FollowLowToPartner,      // its side holds the trick: the lowest of the requested suit
    DiscardNumberToPartner,  // its side holds the trick and it cannot follow: a number card
    OnlyTrumpsLeft,          // its side holds the trick, it cannot follow and holds only trumps
    BeatWithFace,            // a face card of the requested suit that beats the holder (card)
    FollowLowestAgainst,     // cannot beat the enemy: the lowest of the requested suit
    TrumpFaces,              // cannot follow, face cards on the table: a trump that beats (card)
    PartnerPinFace,  // the partner's pin of the requested suit holds: a face card to it (card: the pin)
    PlayPin,         // the pin of the requested suit (card)
    FollowRequestedLowest,  // the lowest card of the requested suit
    TrumpHighCard,          // cannot follow, a 9 or 10 on the table: a trump that beats (card)
    DiscardLowest,          // nothing better: the lowest card it can spare
    FollowFallback,         // no card the rules look for
    // Going on for 16 (or reverse 16) after a skunk.
    SixteenGoOn,        // trumps enough, and neither the joker nor the trump pin against it (count)
    SixteenFewTrumps,   // too few trumps (count)
    SixteenEnemyJoker,  // the enemy holds the joker
    SixteenEnemyPin,    // the enemy holds the trump's pin
    // The show cards of battles 2 and 3.
    ShowLongWithJoker,  // the top of the longest suit, and the joker (suit)
    ShowLongWithPin,    // the top of the longest suit, and the pin of another suit (suit)
    ShowLongTopTwo,     // the two top cards of the longest suit (suit)
    // The trump of battles 2 and 3.
    TrumpShownLong,     // six or more of it in the show seat's hand (suit, count)
    TrumpOwnLong,       // six or more of it in the chooser's own hand (suit, count)
    TrumpCombinedLong,  // eight or more of it in the two hands together (suit, count)
    TrumpShowCard,      // the suit of the show card (suit)
    TrumpDefault,       // nothing stands out: hearts
    TrumpTogether,      // the suit the two partners hold most of (suit, count)
    // The lucky deal of battles 2 and 3.
    PrearrangedSkunk,    // a hand for a declared skunk was dealt (seat)
    PrearrangedSixteen,  // a hand for a declared 16 was dealt (seat)
    // The search player (the strong computers).
    SearchBest,  // the move the sampled deals valued best (count: win share in %, points: tenths)
    Count
};

// A reason with the values its rule looked at; a value the reason does not
// use is left as it is.
struct Why {
    Reason reason = Reason::None;
    int card = NoCard;
    int suit = -1;
    int count = -1;
    int points = 0;  // tenths of a point (the search's mean)
};

// Writes the reason where the caller asked for one.
inline void Note(Why* why, Reason reason, int card = NoCard, int suit = -1, int count = -1) {
    if (why != nullptr) *why = {reason, card, suit, count, 0};
}

// What a decision was about, for whoever listens to the reasons.
enum class Decision { Card, ShowCards, Trump, Sixteen, DeclarationHand };

class ReasonListener {
public:
    virtual ~ReasonListener() = default;
    // A computer seat has just decided, for the reason given: the card it is
    // about to play, the show cards it has put down, the trump it names,
    // whether its group goes on for 16, or the lucky hand it was dealt.
    virtual void Decided(Decision decision, int seat, const Why& why) = 0;
};

// The reason in one plain sentence, with %1 for the card, %2 for the suit
// and %3 for the count where it uses them; every reason has one.
const char* ReasonSentence(Reason reason);
// The reason's name in the code, for logs and tests ("PlayPin").
const char* ReasonName(Reason reason);
// Whether the sentence tells who is with whom (a partner's trick, the
// enemy's joker): the review holds such a sentence back while the table has
// not shown the groups.
bool TellsGroups(Reason reason);

}  // namespace tesseran::computer
