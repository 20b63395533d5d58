// SPDX-License-Identifier: MIT
// A small additive synthesiser for the game's sound effects. A sound is a
// buffer of samples into which notes are mixed; a note is a sum of sine
// partials, each with its own loudness and decay, under a shared envelope.
// Noise for taps and drums comes from a fixed-seed generator, so the same
// code always gives the same samples. The result is written as a 16-bit mono
// PCM wave at 22050 Hz.
#pragma once

#include <QByteArray>

#include <cstdint>
#include <vector>

namespace tesseran::art {

inline constexpr int SampleRate = 22050;

struct Partial {
    double ratio;       // frequency as a multiple of the note's
    double amplitude;   // relative loudness
    double decayScale;  // the note's decay time is multiplied by this
};

struct Timbre {
    std::vector<Partial> partials;
    double attack = 0.004;      // seconds to full loudness
    double hold = 0.0;          // seconds at full loudness before the decay
    double decay = 0.3;         // seconds for the loudness to fall by e
    double vibratoDepth = 0.0;  // fraction of the frequency
    double vibratoRate = 5.5;   // per second
};

class SoundBuffer {
public:
    explicit SoundBuffer(double seconds);

    // A note of `timbre` at `frequency` from `start` for `length` seconds
    // (a short fade closes it so it never clicks).
    void AddNote(double start, double length, double frequency, double amplitude, const Timbre& timbre);

    // A falling sine, the body of a drum or a wooden knock.
    void AddThump(double start, double length, double fromFrequency, double toFrequency, double amplitude,
                  double decay);

    // Noise through a band-pass filter around `centre` Hz, decaying with `decay`.
    void AddNoise(double start, double length, double centre, double bandwidth, double amplitude,
                  double decay);

    // Scales the whole sound so its loudest sample is `peak` (0..1).
    void Normalise(double peak);

    // The samples as a RIFF/WAVE file: PCM, 16 bits, mono, 22050 Hz.
    QByteArray ToWave() const;

private:
    std::vector<double> samples_;
    std::uint32_t noiseState_ = 0x2545F491u;
    double NextNoise();
};

// Equal-tempered frequency of a MIDI note number (69 = A4 = 440 Hz).
double NoteFrequency(int midiNote);

}  // namespace tesseran::art
