// SPDX-License-Identifier: MIT
#include "SoundEffects.h"

#include "Synthesiser.h"

#include <vector>

namespace tesseran::art {

namespace {

// A plucked koto string: bright at first, the upper partials dying early.
const Timbre Koto{
    {{1, 1.0, 1.0}, {2, 0.55, 0.55}, {3, 0.35, 0.4}, {4, 0.22, 0.3}, {5, 0.14, 0.25}, {6, 0.08, 0.2}},
    0.003,
    0.0,
    0.42};

// A wooden bar (mokkin): the strong inharmonic overtones of a struck bar.
const Timbre WoodBar{{{1, 1.0, 1.0}, {3.93, 0.32, 0.35}, {9.2, 0.12, 0.15}}, 0.002, 0.0, 0.16};

// A small temple bell: inharmonic partials, long ring.
const Timbre Bell{{{1, 1.0, 1.0}, {2.0, 0.5, 0.7}, {2.76, 0.42, 0.55}, {5.4, 0.22, 0.3}, {8.93, 0.1, 0.18}},
                  0.002,
                  0.0,
                  0.5};

// Brass: many harmonics that swell in, with a little vibrato.
const Timbre Brass{{{1, 1.0, 1.0},
                    {2, 0.7, 1.0},
                    {3, 0.5, 0.9},
                    {4, 0.34, 0.8},
                    {5, 0.22, 0.7},
                    {6, 0.14, 0.6},
                    {7, 0.08, 0.5}},
                   0.03,
                   0.12,
                   0.5,
                   0.004,
                   5.5};

struct MotifNote {
    double start;
    int midiNote;
    double length;
};

void PlayMotif(SoundBuffer& sound, const std::vector<MotifNote>& notes, const Timbre& timbre,
               double amplitude) {
    for (const MotifNote& note : notes) {
        sound.AddNote(note.start, note.length, NoteFrequency(note.midiNote), amplitude, timbre);
    }
}

QByteArray CardTap() {
    // A soft knock on wood: a short low body, two damped wood modes and a
    // brief rustle of the card's edge.
    SoundBuffer sound(0.16);
    sound.AddThump(0.0, 0.12, 420, 300, 0.55, 0.03);
    sound.AddNote(0.0, 0.1, 880, 0.22, Timbre{{{1, 1.0, 1.0}, {2.3, 0.5, 0.5}}, 0.001, 0.0, 0.018});
    sound.AddNoise(0.0, 0.05, 2400, 2200, 0.5, 0.006);
    sound.AddNoise(0.0, 0.09, 700, 500, 0.3, 0.02);
    sound.Normalise(0.55);
    return sound.ToWave();
}

QByteArray Click() {
    SoundBuffer sound(0.05);
    sound.AddNote(0.0, 0.04, 2600, 0.6, Timbre{{{1, 1.0, 1.0}, {1.58, 0.4, 0.7}}, 0.0005, 0.0, 0.006});
    sound.AddNoise(0.0, 0.02, 5000, 3000, 0.4, 0.002);
    sound.Normalise(0.5);
    return sound.ToWave();
}

QByteArray LeadFanfare() {
    // A rising call on the brass, answered by a drum beat: G4 C5 E5, G5 held.
    SoundBuffer sound(1.05);
    sound.AddThump(0.0, 0.4, 140, 70, 0.9, 0.12);
    sound.AddNoise(0.0, 0.1, 300, 400, 0.25, 0.03);
    PlayMotif(sound, {{0.02, 67, 0.14}, {0.15, 72, 0.14}, {0.28, 76, 0.14}, {0.41, 79, 0.6}}, Brass, 0.28);
    PlayMotif(sound, {{0.41, 72, 0.6}}, Brass, 0.16);
    sound.Normalise(0.8);
    return sound.ToWave();
}

QByteArray PartnerChime() {
    SoundBuffer sound(1.1);
    PlayMotif(sound, {{0.0, 81, 1.0}, {0.16, 88, 0.94}}, Bell, 0.5);
    sound.Normalise(0.7);
    return sound.ToWave();
}

// The trump motifs: koto phrases in the yo scale, one contour per suit.
QByteArray TrumpMotif(int suit) {
    static const std::vector<std::vector<MotifNote>> Motifs{
        {{0.0, 62, 0.5}, {0.13, 67, 0.5}, {0.26, 69, 0.55}},                    // clubs: stepping up
        {{0.0, 69, 0.45}, {0.11, 74, 0.45}, {0.22, 76, 0.4}, {0.33, 81, 0.5}},  // diamonds: bright leaps
        {{0.0, 79, 0.5}, {0.14, 76, 0.5}, {0.28, 74, 0.55}},                    // hearts: gently falling
        {{0.0, 57, 0.5}, {0.15, 62, 0.4}, {0.3, 50, 0.55}},                     // spades: low and firm
    };
    SoundBuffer sound(0.9);
    PlayMotif(sound, Motifs[suit], Koto, 0.4);
    // An octave grace note under the last note gives each motif its close.
    const MotifNote& last = Motifs[suit].back();
    sound.AddNote(last.start, last.length, NoteFrequency(last.midiNote - 12), 0.18, Koto);
    sound.Normalise(0.75);
    return sound.ToWave();
}

// The requested-suit calls: two strikes on the wooden bars, a bell under the
// second, one interval per suit.
QByteArray RequestCall(int suit) {
    static const std::vector<std::vector<MotifNote>> Calls{
        {{0.0, 72, 0.3}, {0.14, 79, 0.4}},                    // clubs: a fifth up
        {{0.0, 76, 0.3}, {0.14, 81, 0.4}},                    // diamonds: a fourth up
        {{0.0, 79, 0.3}, {0.14, 76, 0.4}},                    // hearts: a third down
        {{0.0, 69, 0.3}, {0.14, 69, 0.16}, {0.24, 74, 0.4}},  // spades: repeated, then up
    };
    SoundBuffer sound(0.7);
    PlayMotif(sound, Calls[suit], WoodBar, 0.5);
    const MotifNote& last = Calls[suit].back();
    sound.AddNote(last.start, 0.5, NoteFrequency(last.midiNote + 12), 0.12, Bell);
    sound.Normalise(0.75);
    return sound.ToWave();
}

QByteArray UnificationCelebration() {
    // Three taiko beats, a koto run up the yo scale, then a held brass chord
    // with bells ringing over it and a last drum.
    SoundBuffer sound(2.0);
    for (const double beat : {0.0, 0.22, 0.44}) {
        sound.AddThump(beat, 0.45, 120, 62, 0.9, 0.14);
        sound.AddNoise(beat, 0.08, 260, 300, 0.2, 0.03);
    }
    const std::vector<int> run{62, 64, 67, 69, 71, 74, 76, 79};
    for (int step = 0; step < static_cast<int>(run.size()); ++step) {
        sound.AddNote(0.5 + 0.055 * step, 0.45, NoteFrequency(run[step]), 0.28, Koto);
    }
    for (const int note : {62, 66, 69, 74}) sound.AddNote(0.98, 0.98, NoteFrequency(note), 0.14, Brass);
    PlayMotif(sound, {{1.0, 86, 0.9}, {1.12, 90, 0.86}, {1.24, 93, 0.74}}, Bell, 0.16);
    sound.AddThump(0.98, 0.9, 110, 55, 0.95, 0.22);
    sound.Normalise(0.82);
    return sound.ToWave();
}

}  // namespace

QByteArray SynthesiseSound(int id) {
    switch (id) {
        case 149:
            return CardTap();
        case 150:
            return Click();
        case 146:
            return LeadFanfare();
        case 148:
            return PartnerChime();
        case 144:
            return TrumpMotif(0);
        case 143:
            return TrumpMotif(1);
        case 145:
            return TrumpMotif(2);
        case 151:
            return TrumpMotif(3);
        case 171:
            return RequestCall(0);
        case 172:
            return RequestCall(1);
        case 173:
            return RequestCall(2);
        case 174:
            return RequestCall(3);
        case 184:
            return UnificationCelebration();
        default:
            return {};
    }
}

}  // namespace tesseran::art
