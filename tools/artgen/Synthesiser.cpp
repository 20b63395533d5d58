// SPDX-License-Identifier: MIT
#include "Synthesiser.h"

#include <QDataStream>
#include <QIODevice>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tesseran::art {

namespace {

constexpr double Tau = 2.0 * std::numbers::pi;
constexpr double CloseFade = 0.012;  // seconds of fade at the end of every note

int ToIndex(double seconds) { return static_cast<int>(std::lround(seconds * SampleRate)); }

}  // namespace

double NoteFrequency(int midiNote) { return 440.0 * std::pow(2.0, (midiNote - 69) / 12.0); }

SoundBuffer::SoundBuffer(double seconds) : samples_(static_cast<std::size_t>(ToIndex(seconds)), 0.0) {}

void SoundBuffer::AddNote(double start, double length, double frequency, double amplitude,
                          const Timbre& timbre) {
    const int first = ToIndex(start);
    const int count = ToIndex(length);
    for (const Partial& partial : timbre.partials) {
        const double partialFrequency = frequency * partial.ratio;
        // Partials above the Nyquist frequency would fold back as noise.
        if (partialFrequency >= SampleRate / 2.0) continue;
        const double decay = timbre.decay * partial.decayScale;
        double phase = 0;
        for (int index = 0; index < count; ++index) {
            const int at = first + index;
            if (at < 0 || at >= static_cast<int>(samples_.size())) break;
            const double t = static_cast<double>(index) / SampleRate;
            double envelope = 1.0;
            if (t < timbre.attack) {
                envelope = t / timbre.attack;
            } else if (t > timbre.attack + timbre.hold) {
                envelope = std::exp(-(t - timbre.attack - timbre.hold) / decay);
            }
            const double remaining = length - t;
            if (remaining < CloseFade) envelope *= std::max(0.0, remaining / CloseFade);
            const double vibrato = 1.0 + timbre.vibratoDepth * std::sin(Tau * timbre.vibratoRate * t);
            phase += Tau * partialFrequency * vibrato / SampleRate;
            samples_[at] += amplitude * partial.amplitude * envelope * std::sin(phase);
        }
    }
}

void SoundBuffer::AddThump(double start, double length, double fromFrequency, double toFrequency,
                           double amplitude, double decay) {
    const int first = ToIndex(start);
    const int count = ToIndex(length);
    double phase = 0;
    for (int index = 0; index < count; ++index) {
        const int at = first + index;
        if (at < 0 || at >= static_cast<int>(samples_.size())) break;
        const double t = static_cast<double>(index) / SampleRate;
        const double glide = std::exp(-t / (decay * 0.6));
        const double frequency = toFrequency + (fromFrequency - toFrequency) * glide;
        phase += Tau * frequency / SampleRate;
        double envelope = std::min(1.0, t / 0.002) * std::exp(-t / decay);
        const double remaining = length - t;
        if (remaining < CloseFade) envelope *= std::max(0.0, remaining / CloseFade);
        samples_[at] += amplitude * envelope * std::sin(phase);
    }
}

double SoundBuffer::NextNoise() {
    // The game's own kind of linear congruential generator, fixed seed.
    noiseState_ = noiseState_ * 214013u + 2531011u;
    return static_cast<double>((noiseState_ >> 16) & 0x7FFF) / 16383.5 - 1.0;
}

void SoundBuffer::AddNoise(double start, double length, double centre, double bandwidth, double amplitude,
                           double decay) {
    // A two-pole resonator (the classic band-pass biquad, constant peak gain).
    const double omega = Tau * centre / SampleRate;
    const double q = std::max(0.3, centre / bandwidth);
    const double alpha = std::sin(omega) / (2 * q);
    const double a0 = 1 + alpha;
    const double b0 = alpha / a0, b2 = -alpha / a0;
    const double a1 = -2 * std::cos(omega) / a0, a2 = (1 - alpha) / a0;
    double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
    const int first = ToIndex(start);
    const int count = ToIndex(length);
    for (int index = 0; index < count; ++index) {
        const int at = first + index;
        if (at < 0 || at >= static_cast<int>(samples_.size())) break;
        const double t = static_cast<double>(index) / SampleRate;
        const double x = NextNoise();
        const double y = b0 * x + b2 * x2 - a1 * y1 - a2 * y2;
        x2 = x1;
        x1 = x;
        y2 = y1;
        y1 = y;
        double envelope = std::min(1.0, t / 0.001) * std::exp(-t / decay);
        const double remaining = length - t;
        if (remaining < CloseFade) envelope *= std::max(0.0, remaining / CloseFade);
        samples_[at] += amplitude * envelope * y;
    }
}

void SoundBuffer::Normalise(double peak) {
    double loudest = 0;
    for (const double sample : samples_) loudest = std::max(loudest, std::abs(sample));
    if (loudest <= 0) return;
    const double gain = peak / loudest;
    for (double& sample : samples_) sample *= gain;
}

QByteArray SoundBuffer::ToWave() const {
    const std::uint32_t dataBytes = static_cast<std::uint32_t>(samples_.size() * 2);
    QByteArray wave;
    QDataStream stream(&wave, QIODevice::WriteOnly);
    stream.setByteOrder(QDataStream::LittleEndian);
    stream.writeRawData("RIFF", 4);
    stream << static_cast<quint32>(36 + dataBytes);
    stream.writeRawData("WAVE", 4);
    stream.writeRawData("fmt ", 4);
    stream << static_cast<quint32>(16) << static_cast<quint16>(1) << static_cast<quint16>(1)
           << static_cast<quint32>(SampleRate) << static_cast<quint32>(SampleRate * 2)
           << static_cast<quint16>(2) << static_cast<quint16>(16);
    stream.writeRawData("data", 4);
    stream << static_cast<quint32>(dataBytes);
    for (const double sample : samples_) {
        const double clamped = std::clamp(sample, -1.0, 1.0);
        stream << static_cast<qint16>(std::lround(clamped * 32767.0));
    }
    return wave;
}

}  // namespace tesseran::art
