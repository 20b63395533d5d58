// SPDX-License-Identifier: MIT
// The table picture of the operation page: the table of a game under way in
// battle 1, the player to play, drawn by the real renderer at 1200 x 900 and
// shrunk to 800 x 600, with numbered marks on the parts the page explains.
#pragma once

#include <QImage>

namespace tesseran {

// The marks, in the order of their numbers on the picture (1, 2, ...); the
// operation page's list of screen elements follows the same order.
enum class SceneMark {
    Trump = 1,        // the trump icon
    Counters,         // game and battle counters
    Toolbar,          // the five buttons F1..F5
    RemainingPanel,   // the remaining-cards panel
    NamePlate,        // a seat's name plate
    TrickArea,        // 場
    DiscardPile,      // 捨て場
    CapturedCards,    // face cards in front of their taker
    Hand,             // the player's hand
    RequestAndRight,  // requested suit and the right sign
    FrontEdge,        // the table's front edge (angle slider)
    TurnMarker,       // the hand that marks whose turn it is
};

// Null when the card sheet is null or the table cannot be drawn.
QImage HelpTableScene(const QImage& sheet);

}  // namespace tesseran
