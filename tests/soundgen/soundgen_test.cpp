// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Effects.h"
#include "Loudness.h"
#include "Synth.h"
#include "WavWriter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <numbers>
#include <string>
#include <vector>

namespace {

using synth::Buffer;
using synth::kSampleRate;

Buffer sine(double frequency, double seconds) {
    Buffer out = synth::silence(seconds);
    for (std::size_t i = 0; i < out.size(); ++i)
        out[i] =
            std::sin(2.0 * std::numbers::pi * frequency * static_cast<double>(i) / kSampleRate);
    return out;
}

double peakOf(const Buffer& buffer, std::size_t from, std::size_t to) {
    double peak = 0.0;
    for (std::size_t i = from; i < std::min(to, buffer.size()); ++i)
        peak = std::max(peak, std::abs(buffer[i]));
    return peak;
}

// Fundamental by autocorrelation; takes the first lag that comes close to the best
// one, so a strong overtone cannot make it report an octave too low.
double measurePitch(const Buffer& buffer, double from, double to) {
    const std::size_t first = synth::samplesFor(from);
    const std::size_t last = synth::samplesFor(to);
    const std::size_t minLag = kSampleRate / 1500;
    const std::size_t maxLag = kSampleRate / 300;
    std::vector<double> correlation(maxLag + 2, 0.0);
    for (std::size_t lag = minLag; lag <= maxLag + 1; ++lag)
        for (std::size_t i = first; i + lag < last; ++i)
            correlation[lag] += buffer[i] * buffer[i + lag];
    const double best = *std::max_element(correlation.begin() + minLag, correlation.end() - 1);
    for (std::size_t lag = minLag + 1; lag <= maxLag; ++lag) {
        const double c = correlation[lag];
        if (c >= 0.9 * best && c >= correlation[lag - 1] && c >= correlation[lag + 1]) {
            // Parabolic interpolation between the neighbouring lags.
            const double a = correlation[lag - 1];
            const double b = correlation[lag + 1];
            const double shift = 0.5 * (a - b) / (a - 2.0 * c + b);
            return kSampleRate / (static_cast<double>(lag) + shift);
        }
    }
    return 0.0;
}

// Impacts are heard as sudden jumps in high-frequency energy (the slope of the
// wave); a whoosh or a swell has none.
int countOnsets(const Buffer& buffer) {
    const std::size_t frame = synth::samplesFor(0.003);
    std::vector<double> energy;
    for (std::size_t start = 1; start + frame <= buffer.size(); start += frame) {
        double sum = 0.0;
        for (std::size_t i = start; i < start + frame; ++i)
            sum += (buffer[i] - buffer[i - 1]) * (buffer[i] - buffer[i - 1]);
        energy.push_back(sum);
    }
    const double loudest = *std::max_element(energy.begin(), energy.end());
    int onsets = 0;
    for (std::size_t i = 1; i < energy.size(); ++i)
        if (energy[i] > 0.01 * loudest && energy[i] > 4.0 * energy[i - 1])
            ++onsets;
    return onsets;
}

const std::map<std::string, Buffer>& generatedEffects() {
    static const std::map<std::string, Buffer> effects = [] {
        std::map<std::string, Buffer> all;
        for (const synth::Effect& effect : synth::allEffects())
            all[effect.fileName] = effect.generate();
        return all;
    }();
    return effects;
}

// The whole file, byte for byte: a mono 16-bit PCM header at the mixer's rate (nothing is
// resampled), then the samples rounded, clamped to +-32767, little-endian.
TEST(WavWriter, WritesMono16BitPcmAtTheMixersRate) {
    const auto path = std::filesystem::temp_directory_path() / "soundgen_test_roundtrip.wav";
    ASSERT_TRUE(synth::writeWav(path, {0.0, 0.5, -0.5, 1.0, -1.0, 1.7, -2.0, 0.25, 0.000046}));
    std::ifstream file(path, std::ios::binary);
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(file), {}};
    std::filesystem::remove(path);
    const std::vector<std::uint8_t> expected = {
        'R',  'I',  'F',  'F',  54,   0,    0, 0,    'W',  'A', 'V',  'E',  'f',
        'm',  't',  ' ',  16,   0,    0,    0, 1,    0,    1,   0,    0x44, 0xAC,
        0,    0,    0x88, 0x58, 0x01, 0,    2, 0,    16,   0,   'd',  'a',  't',
        'a',  18,   0,    0,    0,    0,    0, 0,    0x40, 0,   0xC0, 0xFF, 0x7F,
        0x01, 0x80, 0xFF, 0x7F, 0x01, 0x80, 0, 0x20, 2,    0};
    EXPECT_EQ(bytes, expected);
}

TEST(Synth, BandpassKeepsItsCentreAndRejectsFarFrequencies) {
    auto gainAt = [](double frequency) {
        synth::Biquad filter;
        filter.setBandpass(1000.0, 2.0);
        Buffer tone = sine(frequency, 0.3);
        for (double& sample : tone)
            sample = filter.process(sample);
        // Skip the settling at the start.
        return peakOf(tone, tone.size() / 2, tone.size());
    };
    EXPECT_NEAR(gainAt(1000.0), 1.0, 0.05);
    EXPECT_LT(gainAt(100.0), 0.1);
    EXPECT_LT(gainAt(8000.0), 0.15);
}

// Reference readings: BS.1770 has a full-scale 997 Hz sine in one channel read
// -3.01 LUFS; K-weighting leaves 1 kHz all but untouched.
TEST(Loudness, MeterReadsReferenceSignals) {
    Buffer tone = sine(1000.0, 2.0);
    for (double& sample : tone)
        sample *= 0.1; // -20 dBFS
    const synth::Loudness steady = synth::measureLoudness(tone);
    EXPECT_NEAR(steady.integrated, -23.0, 0.1);
    EXPECT_NEAR(steady.maxMomentary, -23.0, 0.1);
    EXPECT_NEAR(steady.truePeak, -20.0, 0.1);

    // A second 20 dB down, then half a minute 60 dB down: the absolute gate drops
    // the half minute, before the relative gate is set too, and the relative one the
    // quiet second; only the blocks straddling the step, 3/4, 1/2 and 1/4 loud, pull
    // the mean of ten blocks to -23.7.
    Buffer gated = tone;
    gated.resize(synth::samplesFor(1.0));
    for (std::size_t i = 0; i < synth::samplesFor(31.0); ++i)
        gated.push_back((i < synth::samplesFor(1.0) ? 0.1 : 0.001) * tone[i % tone.size()]);
    EXPECT_NEAR(synth::measureLoudness(gated).integrated, -23.7, 0.15);
    // Below the absolute gate a tone is silence, which reads -70.
    for (double& sample : gated)
        sample *= 0.002;
    EXPECT_EQ(synth::measureLoudness(gated).integrated, -70.0);

    // Shorter than a block: read as if silence followed, a quarter block at -23.
    tone.resize(synth::samplesFor(0.1));
    EXPECT_NEAR(synth::effectLoudness(tone), -29.0, 0.15);

    // At a quarter of the sample rate, 45 degrees out of phase, every sample misses
    // the crest by 3 dB; only oversampling finds it. (Faded, so that no edge rings.)
    Buffer quarter = synth::silence(0.05);
    for (std::size_t i = 0; i < quarter.size(); ++i)
        quarter[i] = 0.5 * std::sin(std::numbers::pi * (0.5 * static_cast<double>(i) + 0.25));
    synth::fadeEnds(quarter, 0.01, 0.01);
    EXPECT_NEAR(20.0 * std::log10(peakOf(quarter, 0, quarter.size())), -9.03, 0.01);
    EXPECT_NEAR(synth::measureLoudness(quarter).truePeak, -6.02, 0.2);
}

// As the player gets them: the same every build, 16-bit, as loud as one another, no
// converter clipping, ramped in over a few milliseconds and faded out, so neither end
// clicks.
TEST(Effects, RepeatableLevelledUnclippedShortAndClickFree) {
    std::vector<double> rolls;
    for (const synth::Effect& effect : synth::allEffects()) {
        const std::string& name = effect.fileName;
        SCOPED_TRACE(name);
        const Buffer& generated = generatedEffects().at(name);
        EXPECT_EQ(effect.generate(), generated);
        const Buffer sound = synth::fromPcm16(synth::toPcm16(generated));
        const bool long_ = name == "laugh.wav" || name == "cheering.wav";
        EXPECT_LT(static_cast<double>(sound.size()) / kSampleRate, long_ ? 3.0 : 2.0);
        ASSERT_GT(sound.size(), synth::samplesFor(0.05));

        const double loudness = synth::effectLoudness(sound);
        EXPECT_NEAR(loudness, -18.0, 2.0);
        EXPECT_LE(synth::measureLoudness(sound).truePeak, -1.0);
        if (name == "shh.wav" || name == "magic.wav" || name.starts_with("Dice"))
            rolls.push_back(loudness);

        const double peak = peakOf(sound, 0, sound.size());
        EXPECT_EQ(sound.front(), 0.0);
        EXPECT_EQ(sound.back(), 0.0);
        EXPECT_LT(peakOf(sound, sound.size() - synth::samplesFor(0.001), sound.size()),
                  0.01 * peak);
        const auto onset = static_cast<std::size_t>(
            std::find_if(sound.begin(), sound.end(),
                         [peak](double sample) { return std::abs(sample) >= 0.01 * peak; }) -
            sound.begin());
        const double attack = peakOf(sound, onset, onset + synth::samplesFor(0.05));
        std::size_t half = onset;
        while (std::abs(sound[half]) < 0.5 * attack)
            ++half;
        EXPECT_GE(static_cast<double>(half - onset) / kSampleRate, 0.001);
    }
    ASSERT_EQ(rolls.size(), 5u);
    EXPECT_LE(*std::max_element(rolls.begin(), rolls.end()) -
                  *std::min_element(rolls.begin(), rolls.end()),
              1.0);
}

TEST(Effects, DiceAreManyDistinctImpactsAndTheWhooshIsSmooth) {
    for (const char* name : {"Dice1.wav", "Dice3.wav", "Dice4.wav"})
        EXPECT_GE(countOnsets(generatedEffects().at(name)), 6) << name;
    EXPECT_LE(countOnsets(generatedEffects().at("shh.wav")), 1);
}

TEST(Effects, NotesClimbTheMajorScaleFromC5) {
    const double majorScale[] = {0, 2, 4, 5, 7, 9, 11, 12};
    double tonic = 0.0;
    for (int i = 0; i < 8; ++i) {
        const std::string name = "note" + std::to_string(i + 1) + ".wav";
        SCOPED_TRACE(name);
        const double pitch = measurePitch(generatedEffects().at(name), 0.05, 0.25);
        ASSERT_GT(pitch, 0.0);
        if (i == 0) {
            tonic = pitch;
            // Within a fifth of a semitone of C5.
            EXPECT_NEAR(12.0 * std::log2(pitch / 523.25), 0.0, 0.2);
        }
        EXPECT_NEAR(12.0 * std::log2(pitch / tonic), majorScale[i], 0.2);
    }
}

} // namespace
