// SPDX-License-Identifier: MIT
// The follow rules of the computer seats.
//
// "Else" between the steps means "if the steps before found no card": a step
// whose condition holds but which finds nothing in the hand hands over to the
// next one. Strengths compared with the holder of the trick are those of the
// trick itself, except that a face card of the requested suit is always taken
// at code + 100, even when the requested suit is the trump suit.
#include "players/FollowRules.h"

#include "engine/BattleRules.h"
#include "players/HandSearch.h"

#include <optional>

namespace tesseran::computer {

namespace {

constexpr int TrumpBonus = 200;
constexpr int RequestedBonus = 100;
constexpr int FallbackFollow = 1;

int FaceCardsInTrick(const GameState& state) {
    int count = 0;
    for (int card : state.trick) count += IsFace(card);
    return count;
}

int CardsInTrick(const GameState& state) {
    int count = 0;
    for (int card : state.trick) count += card != NoCard;
    return count;
}

bool JokerInTrick(const GameState& state) {
    bool joker = false;
    for (int card : state.trick) joker |= card == Joker;
    return joker;
}

bool HighCardInTrick(const GameState& state) {
    bool high = false;
    for (int card : state.trick) high |= (card > 0) & (RankOf(card) >= 9);
    return high;
}

// The face cards the current seat's group still has to take.
int StillNeeded(const GameState& state) {
    return state.IsRelated(state.currentSeat) ? state.relatedToGo : state.unrelatedToGo;
}

// Whether the current seat plays last in this trick.
bool PlaysLast(const GameState& state) { return state.currentSeat == (state.leader + 3) % SeatCount; }

// The partner's pin of the requested suit lies in the trick.
bool PartnerPinInTrick(const GameState& state) {
    return IsSuit(state.requestedSuit) && PlayedBySide(state, state.currentSeat, PinOf(state.requestedSuit));
}

auto NonTrumpSevenOrEight(int trump) {
    return [trump](int card) { return SuitOf(card) != trump && (RankOf(card) == 7 || RankOf(card) == 8); };
}

auto TrumpAbove(int trump, int strength) {
    return [trump, strength](int card) { return SuitOf(card) == trump && card + TrumpBonus > strength; };
}

// The card on the table whose strength holds the trick (the strengths the
// rules last noted), for a reason to name; NoCard when none does.
int HolderCard(const GameState& state, int holderStrength) {
    for (int seat = 0; seat < SeatCount; ++seat) {
        if (state.trick[seat] != NoCard && state.trickStrength[seat] == holderStrength)
            return state.trick[seat];
    }
    return NoCard;
}

// The last resort of several rules: a number card of any suit, else the
// lowest face card by rank.
int LowestCardAnySuit(const GameState& state) {
    return FindFirstOf(
        state, state.currentSeat, [](int card) { return !IsFace(card); }, OfRank(7), OfRank(8), OfRank(9),
        OfRank(10));
}

// Two cards left with an enemy holding the joker: the joker will take the
// next trick, so a face card of the requested suit is kept back for the last.
int KeepFaceFromEnemyJoker(const GameState& state) {
    const int seat = state.currentSeat;
    for (int other = 0; other < SeatCount; ++other) {
        if (other == seat || state.SameSide(other, seat) || !state.HoldsJoker(other)) continue;
        // The joker computes as a non-face club here.
        const int first = state.hand[seat][0];
        const int second = state.hand[seat][1];
        const bool bothRequested =
            SuitOf(first) == state.requestedSuit && SuitOf(second) == state.requestedSuit;
        if (bothRequested && IsFace(first) != IsFace(second)) return IsFace(first) ? 1 : 0;
        return NotFound;
    }
    return NotFound;
}

}  // namespace

int RightStrength(GameState& state) {
    // The rules keep the strength of each card on the table as they judge it.
    return TrickHolderStrength(state, &state.trickStrength);
}

int FollowJokerThreshold(int participant) {
    switch (participant) {
        case 0:
            return 4;
        case 1:
            return 3;
        case 2:
            return 5;
        default:
            return 6;
    }
}

namespace {

// The joker rule, asking the strength to beat of holderStrength(), which
// FollowCard shares with its own steps.
template <class HolderStrength>
bool PlayJokerWhenFollowingWith(GameState& view, HolderStrength&& holderStrengthNow, Why* why) {
    const int seat = view.currentSeat;
    const int count = HandLength(view, seat);
    const int requested = view.requestedSuit;
    const int trump = view.trump;
    if (count == HandSize) return false;
    const int holderStrength = holderStrengthNow();
    if (holderStrength == 0) return false;
    if (count == 2) {
        Note(why, Reason::JokerLastTwo, Joker, -1, count);
        return true;
    }

    const int faces = FaceCardsInTrick(view);
    if (faces >= 3) {
        Note(why, Reason::JokerManyFaces, Joker, -1, faces);
        return true;
    }
    if (faces >= 1 && faces >= StillNeeded(view)) {
        Note(why, Reason::JokerDecides, Joker, -1, faces);
        return true;
    }

    const int requestedCount = CountOfSuit(view, seat, requested);
    if (requestedCount == 0 && CountOfSuit(view, seat, trump) > 0) {
        if (faces == 0) return false;
        if (count < 2) {
            Note(why, Reason::LastCard, Joker);
            return true;
        }
        for (int position = 1; position < count; ++position) {
            const int card = view.hand[seat][position];
            if (SuitOf(card) == trump && card + TrumpBonus > holderStrength) return false;
        }
        Note(why, Reason::JokerNoTrumpToBeat, HolderCard(view, holderStrength), trump, faces);
        return true;
    }

    if (requestedCount > 0) {
        bool allFace = true;
        for (int position = 0; position < count; ++position) {
            const int card = view.hand[seat][position];
            if (card != Joker && SuitOf(card) == requested && !IsFace(card)) allFace = false;
        }
        if (allFace) {
            for (int position = 1; position < count; ++position) {
                const int card = view.hand[seat][position];
                if (SuitOf(card) == requested && IsFace(card)) {
                    const bool loses = card + RequestedBonus < holderStrength;
                    if (loses)
                        Note(why, Reason::JokerFacesWouldLose, HolderCard(view, holderStrength), requested);
                    return loses;
                }
            }
        }
    }

    const int threshold = FollowJokerThreshold(view.participantAt[seat]);
    const bool worth = count > threshold ? faces >= 2 : faces >= 1;
    if (worth) Note(why, Reason::JokerEnoughFaces, Joker, -1, count);
    return worth;
}

}  // namespace

bool PlayJokerWhenFollowing(GameState& view, Why* why) {
    return PlayJokerWhenFollowingWith(
        view, [&view] { return RightStrength(view); }, why);
}

int OurTrickCard(const GameState& view, Why* why) {
    const int seat = view.currentSeat;
    const int requested = view.requestedSuit;
    const int trump = view.trump;
    int position = NotFound;
    Reason reason = Reason::GiveFaceToPartner;
    if (CountOfSuit(view, seat, requested) > 0) {
        // Give the partner the smallest face card that still counts.
        position = view.FindInHand(seat, CardOf(requested, 7));
        if (position < 0) position = view.FindInHand(seat, CardOf(requested, 8));
        if (position < 0) {
            position = FindFirst(view, seat, OfSuit(requested));
            reason = Reason::FollowLowToPartner;
        }
    } else {
        int which = -1;
        position = FindFirstOfNoting(
            view, seat, which, NotOfSuitWithRank(trump, 7), NotOfSuitWithRank(trump, 8),
            [trump](int card) { return SuitOf(card) != trump && !IsFace(card); }, NotOfSuitWithRank(trump, 9),
            NotOfSuitWithRank(trump, 10));
        if (which == 2) reason = Reason::DiscardNumberToPartner;
    }
    if (position < 0) {
        // Only trumps (and perhaps the joker) are left.
        Note(why, Reason::OnlyTrumpsLeft, view.hand[seat][0], trump);
        return 0;
    }
    Note(why, reason, view.hand[seat][position], requested);
    return position;
}

int TheirTrickCard(const GameState& view, int holderStrength, Why* why) {
    const int seat = view.currentSeat;
    const int requested = view.requestedSuit;
    const int trump = view.trump;
    const int holder = HolderCard(view, holderStrength);
    if (CountOfSuit(view, seat, requested) > 0) {
        int which = -1;
        const int position = FindFirstOfNoting(
            view, seat, which,
            [requested, holderStrength](int card) {
                return SuitOf(card) == requested && IsFace(card) && card + RequestedBonus > holderStrength;
            },
            OfSuit(requested));
        if (position != NotFound) {
            Note(why, which == 0 ? Reason::BeatWithFace : Reason::FollowLowestAgainst, holder, requested);
            return position;
        }
    }
    if (CountOfSuit(view, seat, requested) == 0 && requested != trump && FaceCardsInTrick(view) > 0) {
        const int position = FindFirst(view, seat, TrumpAbove(trump, holderStrength));
        if (position != NotFound) {
            Note(why, Reason::TrumpFaces, holder, trump, FaceCardsInTrick(view));
            return position;
        }
    }
    const int position = LowestCardAnySuit(view);
    Note(why, position != NotFound ? Reason::DiscardLowest : Reason::FollowFallback, holder);
    return position != NotFound ? position : 0;
}

int FollowCard(GameState& view, Why* why) {
    const int seat = view.currentSeat;
    const int count = HandLength(view, seat);
    const int requested = view.requestedSuit;
    const int trump = view.trump;

    // The strength to beat, judged once: the first asking writes the
    // strengths on the table, as every later one would again.
    std::optional<int> strengthToBeat;
    auto holderStrengthNow = [&] {
        if (!strengthToBeat) strengthToBeat = RightStrength(view);
        return *strengthToBeat;
    };

    if (view.HoldsJoker(seat) && PlayJokerWhenFollowingWith(view, holderStrengthNow, why)) return 0;
    if (count <= 1) {
        Note(why, Reason::LastCard);
        return 0;
    }

    const int requestedCount = CountOfSuit(view, seat, requested);

    // The last player feeds a face card to its own side's trick when it cannot follow.
    if (PlaysLast(view) && holderStrengthNow() == 0 && requestedCount == 0) {
        const int position = FindFirst(view, seat, NonTrumpSevenOrEight(trump));
        if (position != NotFound) {
            Note(why, Reason::FeedPartnerLast, view.hand[seat][position], requested);
            return position;
        }
    }

    if (count == 2) {
        const int position = KeepFaceFromEnemyJoker(view);
        if (position != NotFound) {
            Note(why, Reason::KeepFaceFromJoker, view.hand[seat][1 - position], requested);
            return position;
        }
    }

    const int holderStrength = holderStrengthNow();
    if ((JokerInTrick(view) || CardsInTrick(view) == 3) && holderStrength >= 0) {
        return holderStrength == 0 ? OurTrickCard(view, why) : TheirTrickCard(view, holderStrength, why);
    }

    if (requestedCount > 0) {
        if (PartnerPinInTrick(view)) {
            const int position = FindFirst(view, seat, [requested](int card) {
                return SuitOf(card) == requested && (RankOf(card) == 7 || RankOf(card) == 8);
            });
            if (position != NotFound) {
                Note(why, Reason::PartnerPinFace, PinOf(requested), requested);
                return position;
            }
        }
        const int pin = view.FindInHand(seat, PinOf(requested));
        if (pin >= 0) {
            Note(why, Reason::PlayPin, PinOf(requested), requested);
            return pin;
        }
        const int position = FindFirst(view, seat, OfSuit(requested));
        if (position != NotFound) {
            Note(why, Reason::FollowRequestedLowest, view.hand[seat][position], requested);
            return position;
        }
    } else {
        if (PartnerPinInTrick(view)) {
            const int position = FindFirst(view, seat, NonTrumpSevenOrEight(trump));
            if (position != NotFound) {
                Note(why, Reason::PartnerPinFace, PinOf(requested), requested);
                return position;
            }
        }
        int position = NotFound;
        Reason reason = Reason::DiscardNumberToPartner;
        if (holderStrength == 0) {
            position =
                FindFirst(view, seat, [trump](int card) { return SuitOf(card) != trump && !IsFace(card); });
        } else if (holderStrength > 0 && requested != trump && HighCardInTrick(view)) {
            position = FindFirst(view, seat, TrumpAbove(trump, holderStrength));
            reason = Reason::TrumpHighCard;
        }
        if (position != NotFound) {
            Note(why, reason, reason == Reason::TrumpHighCard ? HolderCard(view, holderStrength) : NoCard,
                 trump);
            return position;
        }
    }

    const int position = LowestCardAnySuit(view);
    Note(why, position != NotFound ? Reason::DiscardLowest : Reason::FollowFallback);
    return position != NotFound ? position : FallbackFollow;
}

}  // namespace tesseran::computer
