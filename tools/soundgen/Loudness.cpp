// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Loudness.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace synth {

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kSilence = -70.0; // the absolute gate, and what silence reads
constexpr int kOversampling = 4;
constexpr int kHalfTaps = 8; // interpolation taps either side of the point

double toDb(double power) {
    return power > 0.0 ? 10.0 * std::log10(power) : -200.0;
}

double dbToGain(double db) {
    return std::pow(10.0, db / 20.0);
}

double blockLoudness(double meanSquare) {
    return -0.691 + toDb(meanSquare);
}

// The two K-weighting stages, a high shelf for the head and a high-pass for the
// ear's weak bass, designed from their analog prototypes for any sample rate.
Buffer kWeighted(const Buffer& in) {
    Biquad shelf;
    {
        const double k = std::tan(kPi * 1681.974450955533 / kSampleRate);
        const double q = 0.7071752369554196;
        const double vh = std::pow(10.0, 3.999843853973347 / 20.0);
        const double vb = std::pow(vh, 0.4996667741545416);
        shelf.setCoefficients(vh + vb * k / q + k * k, 2.0 * (k * k - vh), vh - vb * k / q + k * k,
                              1.0 + k / q + k * k, 2.0 * (k * k - 1.0), 1.0 - k / q + k * k);
    }
    Biquad highPass;
    {
        const double k = std::tan(kPi * 38.13547087602444 / kSampleRate);
        const double q = 0.5003270373238773;
        const double a0 = 1.0 + k / q + k * k;
        highPass.setCoefficients(a0, -2.0 * a0, a0, a0, 2.0 * (k * k - 1.0), 1.0 - k / q + k * k);
    }
    Buffer out(in.size());
    for (std::size_t i = 0; i < in.size(); ++i)
        out[i] = highPass.process(shelf.process(in[i]));
    return out;
}

// Mean square of every 400 ms block, one starting every 100 ms.
std::vector<double> blockPowers(const Buffer& buffer) {
    const Buffer weighted = kWeighted(buffer);
    std::vector<double> running(weighted.size() + 1, 0.0);
    for (std::size_t i = 0; i < weighted.size(); ++i)
        running[i + 1] = running[i] + weighted[i] * weighted[i];
    const std::size_t length = samplesFor(0.4);
    const std::size_t step = samplesFor(0.1);
    const std::size_t end = std::max(weighted.size(), length);
    std::vector<double> powers;
    for (std::size_t start = 0; start + length <= end; start += step) {
        const std::size_t stop = std::min(start + length, weighted.size());
        powers.push_back((running[stop] - running[start]) / static_cast<double>(length));
    }
    return powers;
}

double gatedLoudness(const std::vector<double>& powers, double gate) {
    double sum = 0.0;
    int count = 0;
    for (double power : powers)
        if (blockLoudness(power) > gate) {
            sum += power;
            ++count;
        }
    return count == 0 ? kSilence : blockLoudness(sum / count);
}

// The largest magnitude the band-limited wave reaches from each sample up to the next.
std::vector<double> interSamplePeaks(const Buffer& buffer) {
    // Blackman-windowed sinc taps for the points a quarter, a half and three
    // quarters of the way to the next sample.
    double taps[kOversampling][2 * kHalfTaps];
    for (int phase = 1; phase < kOversampling; ++phase)
        for (int k = -kHalfTaps + 1; k <= kHalfTaps; ++k) {
            const double u = static_cast<double>(phase) / kOversampling - k;
            const double window = 0.42 + 0.5 * std::cos(kPi * u / kHalfTaps) +
                                  0.08 * std::cos(2 * kPi * u / kHalfTaps);
            taps[phase][k + kHalfTaps - 1] = window * std::sin(kPi * u) / (kPi * u);
        }
    const auto n = static_cast<std::ptrdiff_t>(buffer.size());
    std::vector<double> peaks(buffer.size());
    for (std::ptrdiff_t i = 0; i < n; ++i) {
        double peak = std::abs(buffer[i]);
        for (int phase = 1; phase < kOversampling; ++phase) {
            double value = 0.0;
            for (std::ptrdiff_t k = std::max<std::ptrdiff_t>(-kHalfTaps + 1, -i);
                 k <= kHalfTaps && i + k < n; ++k)
                value += buffer[i + k] * taps[phase][k + kHalfTaps - 1];
            peak = std::max(peak, std::abs(value));
        }
        peaks[i] = peak;
    }
    return peaks;
}

// A look-ahead limiter for the few transients that would pass the ceiling.
void limitTruePeak(Buffer& buffer, double ceilingDb) {
    const double ceiling = dbToGain(ceilingDb);
    const std::vector<double> peaks = interSamplePeaks(buffer);
    const std::size_t n = buffer.size();
    const std::size_t lookAhead = samplesFor(0.0015);
    const double recovery = std::exp(-1.0 / (0.01 * kSampleRate));

    // The gain falls ahead of each peak and recovers within some milliseconds: slow
    // enough not to flutter with the wave, quick enough to leave the knocks and
    // rattles after a hit as they were.
    std::vector<double> gain(n);
    double level = 1.0;
    for (std::size_t i = 0; i < n; ++i) {
        double needed = 1.0;
        for (std::size_t j = i; j < std::min(n, i + lookAhead + 1); ++j)
            needed = std::min(needed, ceiling / std::max(peaks[j], ceiling));
        level = std::min(needed, 1.0 - (1.0 - level) * recovery);
        gain[i] = level;
    }
    // Averaging over the look-ahead rounds the corners and, since every gain in the
    // window was already low enough for this sample, never lets a peak through.
    for (std::size_t i = 0; i < n; ++i) {
        double sum = 0.0;
        for (std::size_t k = 0; k <= lookAhead; ++k)
            sum += gain[i >= k ? i - k : 0];
        buffer[i] *= sum / static_cast<double>(lookAhead + 1);
    }
}

} // namespace

Loudness measureLoudness(const Buffer& buffer) {
    const std::vector<double> powers = blockPowers(buffer);
    const double relativeGate = gatedLoudness(powers, kSilence) - 10.0;
    const std::vector<double> peaks = interSamplePeaks(buffer);
    const double peak = peaks.empty() ? 0.0 : *std::max_element(peaks.begin(), peaks.end());
    return {gatedLoudness(powers, std::max(kSilence, relativeGate)),
            blockLoudness(*std::max_element(powers.begin(), powers.end())), toDb(peak * peak)};
}

double effectLoudness(const Buffer& buffer) {
    const Loudness loudness = measureLoudness(buffer);
    return buffer.size() < samplesFor(0.4) ? loudness.maxMomentary : loudness.integrated;
}

void normaliseLoudness(Buffer& buffer, double targetLufs, double ceilingDb) {
    const Buffer original = buffer;
    double gain = dbToGain(targetLufs - effectLoudness(original));
    for (int attempt = 0; attempt < 8; ++attempt) {
        for (std::size_t i = 0; i < buffer.size(); ++i)
            buffer[i] = gain * original[i];
        limitTruePeak(buffer, ceilingDb);
        const double shortfall = targetLufs - effectLoudness(buffer);
        if (std::abs(shortfall) < 0.05)
            return;
        gain *= dbToGain(shortfall);
    }
}

} // namespace synth
