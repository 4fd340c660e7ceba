// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Small building blocks for synthesising the program's sound effects offline.
// Everything works on mono buffers of doubles in [-1, 1] at kSampleRate.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace synth {

inline constexpr int kSampleRate = 44100; // the mixer's rate, so nothing is resampled

using Buffer = std::vector<double>;

std::size_t samplesFor(double seconds);
Buffer silence(double seconds);

// Deterministic pseudo-random source, so every build produces identical files.
class Noise {
public:
    explicit Noise(std::uint64_t seed);
    double white(); // uniform in [-1, 1)
    double uniform(double lo, double hi);

private:
    std::uint64_t state_;
};

// Band-limited sawtooth (polyBLEP) whose frequency may change every sample;
// the glottal pulse of the voices and the buzz of the brass.
class SawOscillator {
public:
    double next(double frequency);

private:
    double phase_ = 0.0;
};

// Second-order section with the usual audio-cookbook designs. Coefficients may be
// redesigned while running; the state is kept so slow sweeps stay smooth.
class Biquad {
public:
    void setBandpass(double frequency, double q); // 0 dB gain at the centre
    void setLowpass(double frequency, double q);
    void setCoefficients(double b0, double b1, double b2, double a0, double a1, double a2);
    double process(double x);

private:
    double b0_ = 1.0, b1_ = 0.0, b2_ = 0.0, a1_ = 0.0, a2_ = 0.0;
    double x1_ = 0.0, x2_ = 0.0, y1_ = 0.0, y2_ = 0.0;
};

class OnePoleLowpass {
public:
    explicit OnePoleLowpass(double cutoff);
    double process(double x);

private:
    double coefficient_;
    double state_ = 0.0;
};

// Piecewise-linear curve through (time, value) points, held flat outside them.
struct Point {
    double time;
    double value;
};

class Envelope {
public:
    explicit Envelope(std::vector<Point> points);
    double at(double time) const;

private:
    std::vector<Point> points_;
};

// One exponentially decaying partial of a struck object; decay is the time in
// seconds for the amplitude to fall to 1/e.
struct Mode {
    double frequency;
    double amplitude;
    double decay;
};

// Rings the modes as if struck at time `start`, reaching full level after `attack`
// seconds (0 for a hard strike). Partials near or above Nyquist are skipped rather
// than aliased.
void addModes(Buffer& out, double start, const std::vector<Mode>& modes, double attack = 0.0);

void mixInto(Buffer& out, const Buffer& in, double start, double gain);
void applyEnvelope(Buffer& buffer, const Envelope& envelope);

// Raised-cosine fades, so the first and the last sample are exactly zero.
void fadeEnds(Buffer& buffer, double fadeIn, double fadeOut);

struct Formants {
    double f1, f2, f3;
};

inline constexpr Formants kVowelEe{270, 2300, 3000};
inline constexpr Formants kVowelEh{530, 1840, 2480};
inline constexpr Formants kVowelAh{730, 1090, 2440};
inline constexpr Formants kVowelOh{500, 850, 2500};
inline constexpr Formants kVowelOo{320, 800, 2300};
inline constexpr Formants kNasalN{250, 1200, 2600};

Formants scaled(Formants formants, double factor);

// A moment of a voice: pitch in Hz, vocal-tract resonances, and the loudness of
// the voiced buzz and of the breath noise. The voice glides linearly between frames.
struct VoiceFrame {
    double time;
    double pitch;
    Formants formants;
    double voiced;
    double breath;
};

// Source-filter voice: sawtooth buzz plus breath noise through three parallel
// formant resonators. vibratoDepth is a fraction of the pitch.
Buffer formantVoice(const std::vector<VoiceFrame>& frames, Noise& noise, double vibratoDepth);

} // namespace synth
