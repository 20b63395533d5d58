// SPDX-License-Identifier: MIT
// The game's sound effects, each composed from the synthesiser's notes:
// a wooden tap when a card is laid down, a click for the keyboard cursor, a
// brass fanfare for the lead, a bell chime for the partner, a koto motif for
// each trump suit, a wood-bar call for each requested suit, and a festive
// flourish of drums, koto and brass when one house unifies Japan.
#pragma once

#include <QByteArray>

namespace tesseran::art {

// The wave file of sound resource `id`, or an empty array for an unknown id.
QByteArray SynthesiseSound(int id);

}  // namespace tesseran::art
