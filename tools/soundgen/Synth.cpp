// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace synth {

namespace {

constexpr double kPi = std::numbers::pi;

double clampFrequency(double frequency) {
    return std::clamp(frequency, 10.0, 0.45 * kSampleRate);
}

} // namespace

std::size_t samplesFor(double seconds) {
    return static_cast<std::size_t>(std::lround(std::max(seconds, 0.0) * kSampleRate));
}

Buffer silence(double seconds) {
    return Buffer(samplesFor(seconds), 0.0);
}

Noise::Noise(std::uint64_t seed) : state_(seed) {}

double Noise::white() {
    // splitmix64: tiny, well mixed, and identical on every platform.
    state_ += 0x9E3779B97F4A7C15ULL;
    std::uint64_t z = state_;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    z ^= z >> 31;
    const double unit = static_cast<double>(z >> 11) / static_cast<double>(1ULL << 53);
    return 2.0 * unit - 1.0;
}

double Noise::uniform(double lo, double hi) {
    return lo + (hi - lo) * 0.5 * (white() + 1.0);
}

double SawOscillator::next(double frequency) {
    const double step = clampFrequency(frequency) / kSampleRate;
    phase_ += step;
    if (phase_ >= 1.0)
        phase_ -= 1.0;
    double value = 2.0 * phase_ - 1.0;
    // polyBLEP: round off the jump over one sample either side to keep aliasing down.
    if (phase_ < step) {
        const double t = phase_ / step;
        value -= t + t - t * t - 1.0;
    } else if (phase_ > 1.0 - step) {
        const double t = (phase_ - 1.0) / step;
        value -= t * t + t + t + 1.0;
    }
    return value;
}

void Biquad::setCoefficients(double b0, double b1, double b2, double a0, double a1, double a2) {
    b0_ = b0 / a0;
    b1_ = b1 / a0;
    b2_ = b2 / a0;
    a1_ = a1 / a0;
    a2_ = a2 / a0;
}

void Biquad::setBandpass(double frequency, double q) {
    const double w0 = 2.0 * kPi * clampFrequency(frequency) / kSampleRate;
    const double alpha = std::sin(w0) / (2.0 * q);
    setCoefficients(alpha, 0.0, -alpha, 1.0 + alpha, -2.0 * std::cos(w0), 1.0 - alpha);
}

void Biquad::setLowpass(double frequency, double q) {
    const double w0 = 2.0 * kPi * clampFrequency(frequency) / kSampleRate;
    const double alpha = std::sin(w0) / (2.0 * q);
    const double c = std::cos(w0);
    setCoefficients((1.0 - c) / 2.0, 1.0 - c, (1.0 - c) / 2.0, 1.0 + alpha, -2.0 * c, 1.0 - alpha);
}

double Biquad::process(double x) {
    const double y = b0_ * x + b1_ * x1_ + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
    x2_ = x1_;
    x1_ = x;
    y2_ = y1_;
    y1_ = y;
    return y;
}

OnePoleLowpass::OnePoleLowpass(double cutoff)
    : coefficient_(1.0 - std::exp(-2.0 * kPi * clampFrequency(cutoff) / kSampleRate)) {}

double OnePoleLowpass::process(double x) {
    state_ += coefficient_ * (x - state_);
    return state_;
}

Envelope::Envelope(std::vector<Point> points) : points_(std::move(points)) {}

double Envelope::at(double time) const {
    if (points_.empty())
        return 0.0;
    if (time <= points_.front().time)
        return points_.front().value;
    for (std::size_t i = 1; i < points_.size(); ++i) {
        const Point& a = points_[i - 1];
        const Point& b = points_[i];
        if (time <= b.time) {
            const double span = b.time - a.time;
            return span <= 0.0 ? b.value : a.value + (b.value - a.value) * (time - a.time) / span;
        }
    }
    return points_.back().value;
}

void addModes(Buffer& out, double start, const std::vector<Mode>& modes, double attack) {
    const std::size_t first = samplesFor(start);
    const double attackSamples = attack * kSampleRate;
    for (const Mode& mode : modes) {
        if (mode.frequency >= 0.45 * kSampleRate || mode.decay <= 0.0)
            continue;
        // Rotate a phasor instead of calling sin per sample; starting at phase zero
        // means a strike never begins with a step.
        const double w = 2.0 * kPi * mode.frequency / kSampleRate;
        const double damping = std::exp(-1.0 / (mode.decay * kSampleRate));
        const double cosW = std::cos(w) * damping;
        const double sinW = std::sin(w) * damping;
        double re = mode.amplitude;
        double im = 0.0;
        // Stop once the partial is 80 dB down; nobody hears the rest.
        const std::size_t length = samplesFor(mode.decay * 9.2);
        const std::size_t last = std::min(out.size(), first + length);
        for (std::size_t i = first; i < last; ++i) {
            const double rise = static_cast<double>(i - first) / attackSamples;
            out[i] += rise < 1.0 ? rise * im : im;
            const double nextRe = re * cosW - im * sinW;
            im = re * sinW + im * cosW;
            re = nextRe;
        }
    }
}

void mixInto(Buffer& out, const Buffer& in, double start, double gain) {
    const std::size_t first = samplesFor(start);
    for (std::size_t i = 0; i < in.size() && first + i < out.size(); ++i)
        out[first + i] += gain * in[i];
}

void applyEnvelope(Buffer& buffer, const Envelope& envelope) {
    for (std::size_t i = 0; i < buffer.size(); ++i)
        buffer[i] *= envelope.at(static_cast<double>(i) / kSampleRate);
}

void fadeEnds(Buffer& buffer, double fadeIn, double fadeOut) {
    if (buffer.empty())
        return;
    const std::size_t n = buffer.size();
    const std::size_t inLength = std::min(std::max<std::size_t>(samplesFor(fadeIn), 1), n);
    const std::size_t outLength = std::min(std::max<std::size_t>(samplesFor(fadeOut), 1), n);
    for (std::size_t i = 0; i < inLength; ++i)
        buffer[i] *= 0.5 - 0.5 * std::cos(kPi * static_cast<double>(i) / inLength);
    for (std::size_t i = 0; i < outLength; ++i)
        buffer[n - 1 - i] *= 0.5 - 0.5 * std::cos(kPi * static_cast<double>(i) / outLength);
}

Formants scaled(Formants formants, double factor) {
    return {formants.f1 * factor, formants.f2 * factor, formants.f3 * factor};
}

Buffer formantVoice(const std::vector<VoiceFrame>& frames, Noise& noise, double vibratoDepth) {
    if (frames.empty())
        return {};
    Buffer out = silence(frames.back().time);

    auto track = [&frames](auto member) {
        std::vector<Point> points;
        for (const VoiceFrame& frame : frames)
            points.push_back({frame.time, member(frame)});
        return Envelope(std::move(points));
    };
    const Envelope pitch = track([](const VoiceFrame& f) { return f.pitch; });
    const Envelope f1 = track([](const VoiceFrame& f) { return f.formants.f1; });
    const Envelope f2 = track([](const VoiceFrame& f) { return f.formants.f2; });
    const Envelope f3 = track([](const VoiceFrame& f) { return f.formants.f3; });
    const Envelope voiced = track([](const VoiceFrame& f) { return f.voiced; });
    const Envelope breath = track([](const VoiceFrame& f) { return f.breath; });

    SawOscillator glottis;
    // The buzz of real vocal folds falls off with frequency; a saw alone sounds reedy.
    OnePoleLowpass tilt(1200.0);
    Biquad formant[3];
    const double gains[3] = {1.0, 0.6, 0.3};
    const double bandwidths[3] = {90.0, 120.0, 170.0};
    const double vibratoRate = noise.uniform(4.5, 6.0);
    // Noise through the narrow formant bands comes out far quieter than the buzz;
    // this brings breath = 1 to about the loudness of voiced = 1.
    const double kBreathGain = 8.0;
    const std::size_t kControlInterval = 32;

    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        if (i % kControlInterval == 0) {
            const double centres[3] = {f1.at(t), f2.at(t), f3.at(t)};
            for (int k = 0; k < 3; ++k)
                formant[k].setBandpass(centres[k], centres[k] / bandwidths[k]);
        }
        const double f0 =
            pitch.at(t) * (1.0 + vibratoDepth * std::sin(2.0 * kPi * vibratoRate * t));
        const double source = voiced.at(t) * tilt.process(glottis.next(f0)) * 4.0 +
                              kBreathGain * breath.at(t) * noise.white();
        double sample = 0.0;
        for (int k = 0; k < 3; ++k)
            sample += gains[k] * formant[k].process(source);
        out[i] = sample;
    }
    return out;
}

} // namespace synth
