// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Effects.h"
#include "Loudness.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace synth {

namespace {

constexpr double kPi = std::numbers::pi;

// Every effect as loud as the others, with room below the -1 dBTP the files keep for
// the rounding to 16 bits and for meters that resample before they oversample.
constexpr double kTargetLufs = -18.0;
constexpr double kCeilingDb = -1.5;

Buffer finish(Buffer buffer, double fadeOut) {
    // The file starts with the sound itself, so the fade-in ramps up its attack
    // instead of passing over silence before it.
    double peak = 0.0;
    for (double sample : buffer)
        peak = std::max(peak, std::abs(sample));
    buffer.erase(buffer.begin(), std::find_if(buffer.begin(), buffer.end(), [peak](double sample) {
                     return std::abs(sample) > 1e-3 * peak;
                 }));
    fadeEnds(buffer, 0.004, fadeOut);
    normaliseLoudness(buffer, kTargetLufs, kCeilingDb);
    return buffer;
}

double rms(const Buffer& buffer) {
    double sum = 0.0;
    for (double sample : buffer)
        sum += sample * sample;
    return buffer.empty() ? 0.0 : std::sqrt(sum / static_cast<double>(buffer.size()));
}

void scaleToRms(Buffer& buffer, double target) {
    const double current = rms(buffer);
    if (current > 0.0)
        for (double& sample : buffer)
            sample *= target / current;
}

// The instant of contact: a millisecond or two of noise, the sharp edge of a hit.
void contact(Buffer& out, double at, double strength, double length, Noise& noise) {
    const std::size_t first = samplesFor(at);
    const std::size_t n = std::max<std::size_t>(samplesFor(length), 1);
    for (std::size_t i = 0; i < n && first + i < out.size(); ++i)
        out[first + i] += strength * noise.white() * std::exp(-4.0 * static_cast<double>(i) / n);
}

// Rings a body's modes, jittered a little so repeated hits never sound identical.
void ring(Buffer& out, double at, double strength, const std::vector<Mode>& body, Noise& noise) {
    std::vector<Mode> modes;
    for (const Mode& mode : body)
        modes.push_back({mode.frequency * noise.uniform(0.97, 1.03),
                         mode.amplitude * strength * noise.uniform(0.7, 1.0), mode.decay});
    addModes(out, at, modes);
}

// A leather-lined wooden cup: hollow middle resonance.
const std::vector<Mode> kCup = {{420, 0.6, 0.035}, {870, 0.5, 0.025}, {1380, 0.3, 0.018}};
// A wooden table top: a low knock with some body.
const std::vector<Mode> kTable = {
    {140, 0.9, 0.06}, {260, 0.6, 0.05}, {540, 0.5, 0.035}, {1150, 0.3, 0.02}};

// A small hard cube barely rings, and what rings depends on which edge or corner
// struck, so every hit draws fresh, heavily damped modes.
void dieRing(Buffer& out, double at, double strength, Noise& noise) {
    const std::vector<Mode> die = {
        {noise.uniform(1700, 2300), 0.3 * strength, noise.uniform(0.003, 0.006)},
        {noise.uniform(2800, 3600), 0.5 * strength, noise.uniform(0.003, 0.007)},
        {noise.uniform(4200, 5200), 0.4 * strength, noise.uniform(0.002, 0.005)},
        {noise.uniform(6000, 7500), 0.25 * strength, noise.uniform(0.002, 0.004)},
    };
    addModes(out, at, die);
}

void dieHit(Buffer& out, double at, double strength, const std::vector<Mode>& surface,
            double surfaceGain, Noise& noise) {
    contact(out, at, 0.5 * strength, 0.0012, noise);
    dieRing(out, at, strength, noise);
    ring(out, at, strength * surfaceGain, surface, noise);
}

// Dice shaken in the cup: three strokes, each a slam into the wall followed by the
// dice knocking against each other as they fall back.
Buffer diceShake() {
    Noise noise(101);
    Buffer out = silence(0.85);
    for (double stroke : {0.01, 0.27, 0.53}) {
        for (int die = 0; die < 3; ++die)
            dieHit(out, stroke + noise.uniform(0.0, 0.025), noise.uniform(0.7, 1.0), kCup, 1.0,
                   noise);
        for (int knock = 0; knock < 7; ++knock) {
            const double after = 0.03 + noise.uniform(0.0, 0.16);
            dieHit(out, stroke + after, 0.45 * (1.0 - after / 0.22), kCup, 0.3, noise);
        }
    }
    return finish(out, 0.04);
}

// Dice tumbling across the table: every face turn is a corner striking the wood,
// farther apart and softer as each die slows down.
Buffer diceTumble() {
    Noise noise(202);
    Buffer out = silence(0.8);
    for (int die = 0; die < 3; ++die) {
        double t = 0.01 + 0.035 * die + noise.uniform(0.0, 0.01);
        double gap = noise.uniform(0.045, 0.06);
        double strength = noise.uniform(0.8, 1.0);
        while (t < 0.68 && strength > 0.12) {
            dieHit(out, t, strength, kTable, 0.5, noise);
            t += gap * noise.uniform(0.85, 1.15);
            gap *= 1.18;
            strength *= 0.78;
        }
    }
    // Two dice clip each other on the way.
    for (double t : {0.12, 0.21}) {
        contact(out, t, 0.15, 0.0012, noise);
        dieRing(out, t, 0.35, noise);
    }
    return finish(out, 0.05);
}

// Dice landing: a heavy first hit, then bounces ever closer together and softer,
// and a few faint ticks as each die rocks onto its face.
Buffer diceLand() {
    Noise noise(303);
    Buffer out = silence(0.7);
    for (int die = 0; die < 2; ++die) {
        double t = 0.01 + 0.05 * die;
        double gap = 0.11;
        double strength = 1.0 - 0.25 * die;
        for (int bounce = 0; bounce < 7; ++bounce) {
            dieHit(out, t, strength, kTable, 1.2, noise);
            t += gap;
            gap *= 0.62;
            strength *= 0.55;
        }
        for (int rock = 0; rock < 4; ++rock) {
            t += noise.uniform(0.012, 0.02);
            dieHit(out, t, 0.04, kTable, 0.5, noise);
        }
    }
    return finish(out, 0.05);
}

// A soft whoosh: noise through a band that sweeps up and back down while it swells.
Buffer whoosh() {
    Noise noise(404);
    const double length = 0.9;
    Buffer out = silence(length);
    const Envelope centre({{0.0, 600}, {0.45, 2000}, {length, 900}});
    Biquad band;
    Biquad soften;
    soften.setLowpass(4000, 0.7);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        if (i % 32 == 0)
            band.setBandpass(centre.at(t), 0.9);
        const double swell = std::sin(kPi * t / length);
        out[i] = swell * swell * soften.process(band.process(noise.white()));
    }
    return finish(out, 0.02);
}

// A box lid falling shut: a low thump of the box body and the air pushed out, the
// knock of the wooden lid, and one small bounce.
Buffer lidShut() {
    Noise noise(505);
    Buffer out = silence(0.55);
    const std::vector<Mode> box = {{85, 1.0, 0.09}, {128, 0.6, 0.07}};
    const std::vector<Mode> lid = {
        {310, 0.5, 0.05}, {690, 0.35, 0.035}, {1230, 0.22, 0.025}, {2100, 0.12, 0.015}};
    const double impact = 0.008;

    // Steep low-pass: the air pushed out is felt as a thump, not heard as a hiss.
    Biquad air;
    air.setLowpass(300, 0.7);
    OnePoleLowpass airSoften(300);
    const std::size_t first = samplesFor(impact);
    const std::size_t puff = samplesFor(0.03);
    for (std::size_t i = 0; i < puff; ++i)
        out[first + i] += 6.0 * airSoften.process(air.process(noise.white())) *
                          std::exp(-5.0 * static_cast<double>(i) / puff);
    addModes(out, impact, box);
    contact(out, impact, 0.25, 0.002, noise);
    ring(out, impact, 1.0, lid, noise);

    const double bounce = 0.075;
    contact(out, bounce, 0.08, 0.0015, noise);
    ring(out, bounce, 0.3, lid, noise);
    ring(out, bounce, 0.2, box, noise);
    return finish(out, 0.06);
}

// A creaking hinge. It sticks and slips; every slip is a tick that rings the wood.
// The slips come faster as the door speeds up and slower as it stops, which the ear
// hears as the creak's pitch rising and falling.
Buffer creak() {
    Noise noise(606);
    const double length = 1.3;
    Buffer out = silence(length);
    const Envelope slipRate({{0.0, 35}, {0.55, 150}, {0.9, 110}, {1.25, 45}});
    const double centres[] = {620, 1340, 2250, 3400};
    const double qs[] = {14, 16, 12, 9};
    const double gains[] = {1.0, 0.8, 0.5, 0.3};
    Biquad resonators[4];
    for (int k = 0; k < 4; ++k)
        resonators[k].setBandpass(centres[k], qs[k]);

    double phase = 0.0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        phase += slipRate.at(t) / kSampleRate * noise.uniform(0.8, 1.2);
        double slip = 0.0;
        if (phase >= 1.0) {
            phase -= 1.0;
            slip = noise.uniform(0.6, 1.0);
        }
        double sample = 0.0;
        for (int k = 0; k < 4; ++k)
            sample += gains[k] * resonators[k].process(slip);
        out[i] = sample;
    }
    applyEnvelope(out, Envelope({{0.0, 0.0}, {0.08, 1.0}, {1.1, 0.9}, {length, 0.0}}));
    return finish(out, 0.03);
}

// The Gremlin's "hee-hee-hee": a small creature, so a short vocal tract (formants
// raised) and a high voice; each "hee" starts with a breathy "h" and sags in pitch.
Buffer laugh() {
    Noise noise(707);
    const Formants hee = scaled(kVowelEe, 1.25);
    std::vector<VoiceFrame> frames = {{0.0, 640, hee, 0.0, 0.0}};
    double t = 0.04;
    double pitch = 640;
    const int syllables = 5;
    for (int s = 0; s < syllables; ++s) {
        const bool last = s == syllables - 1;
        const double vowel = last ? 0.32 : 0.11;
        frames.push_back({t, pitch, hee, 0.0, 0.0});
        frames.push_back({t + 0.035, pitch, hee, 0.0, 0.6});
        frames.push_back({t + 0.06, pitch * 1.02, hee, 1.0, 0.08});
        frames.push_back(
            {t + 0.06 + vowel, pitch * (last ? 0.7 : 0.86), hee, last ? 0.6 : 0.8, 0.05});
        frames.push_back({t + 0.09 + vowel, pitch * (last ? 0.65 : 0.84), hee, 0.0, 0.0});
        t += 0.125 + vowel;
        pitch *= 0.95;
    }
    frames.push_back({t + 0.05, pitch, hee, 0.0, 0.0});
    return finish(formantVoice(frames, noise, 0.02), 0.03);
}

// "Oh no": a falling "oh", the nasal murmur of the "n" (mouth closed, low and
// muffled), then an "o" that starts a little higher and sinks in dismay.
Buffer ohNo() {
    Noise noise(808);
    const std::vector<VoiceFrame> frames = {
        {0.00, 230, kVowelOh, 0.0, 0.0},   {0.03, 232, kVowelOh, 0.2, 0.3},
        {0.08, 235, kVowelOh, 1.0, 0.04},  {0.30, 215, kVowelOh, 0.9, 0.04},
        {0.42, 200, kVowelOo, 0.7, 0.02},  {0.47, 195, kNasalN, 0.3, 0.0},
        {0.55, 200, kNasalN, 0.3, 0.0},    {0.62, 215, kVowelOh, 1.0, 0.03},
        {0.95, 170, kVowelOh, 0.85, 0.04}, {1.20, 140, kVowelOo, 0.4, 0.06},
        {1.35, 130, kVowelOo, 0.0, 0.0},
    };
    return finish(formantVoice(frames, noise, 0.015), 0.04);
}

// A magic shimmer: a rising pentatonic run of small bells, louder as it climbs,
// with faint high glints scattered over it.
Buffer magic() {
    Noise noise(909);
    Buffer out = silence(1.75);
    // Partial ratios of a free bar: the glassy, slightly inharmonic chime colour.
    const double ratios[] = {1.0, 2.76, 5.40, 8.93};
    const double amplitudes[] = {1.0, 0.5, 0.25, 0.12};
    const double decays[] = {0.35, 0.2, 0.12, 0.08};
    const int pentatonic[] = {0, 2, 4, 7, 9};
    const int notes = 12;
    // Bells and glints fade in over a few milliseconds: struck hard, they would tick
    // rather than twinkle.
    for (int i = 0; i < notes; ++i) {
        const int semitones = 12 * (i / 5) + pentatonic[i % 5];
        const double frequency = 880.0 * std::pow(2.0, semitones / 12.0);
        const double gain = 0.5 + 0.5 * i / (notes - 1);
        std::vector<Mode> bell;
        for (int k = 0; k < 4; ++k)
            bell.push_back({frequency * ratios[k], gain * amplitudes[k], decays[k]});
        addModes(out, 0.01 + 0.065 * i, bell, 0.003);
    }
    for (int glint = 0; glint < 45; ++glint) {
        const Mode ping{noise.uniform(4000, 9000), noise.uniform(0.05, 0.15),
                        noise.uniform(0.02, 0.06)};
        addModes(out, noise.uniform(0.02, 1.2), {ping}, 0.004);
    }
    return finish(out, 0.3);
}

// An abacus bead: a short wooden clack, then a lighter one as it nudges its neighbour.
Buffer beadClick() {
    Noise noise(1010);
    Buffer out = silence(0.15);
    const std::vector<Mode> bead = {
        {950, 0.35, 0.024}, {2000, 0.6, 0.02}, {3400, 0.45, 0.014}, {5200, 0.25, 0.008}};
    contact(out, 0.004, 0.5, 0.001, noise);
    ring(out, 0.004, 1.0, bead, noise);
    contact(out, 0.021, 0.2, 0.001, noise);
    ring(out, 0.021, 0.4, bead, noise);
    return finish(out, 0.02);
}

// The sad fall when someone loses everything: four descending muted-brass notes.
// Each scoops up into pitch while the mute opens ("wah"); the last one wobbles with
// vibrato and droops at the end.
Buffer sadTrombone() {
    struct Note {
        double pitch;
        double start;
        double length;
    };
    const Note notes[] = {
        {233.1, 0.02, 0.3}, {220.0, 0.36, 0.3}, {207.7, 0.70, 0.3}, {196.0, 1.04, 0.72}};
    Buffer out = silence(1.8);
    for (const Note& note : notes) {
        const bool last = &note == &notes[3];
        SawOscillator buzz;
        Biquad mute;
        Buffer tone = silence(note.length);
        for (std::size_t i = 0; i < tone.size(); ++i) {
            const double t = static_cast<double>(i) / kSampleRate;
            double frequency = note.pitch * (1.0 - 0.03 * std::exp(-t / 0.03));
            double open = 1.0 - std::exp(-t / 0.12);
            if (last) {
                const double wobble = std::sin(2.0 * kPi * 5.5 * t);
                frequency *= 1.0 + 0.025 * std::min(t / 0.3, 1.0) * wobble;
                frequency *= 1.0 - 0.06 * std::max(0.0, t - 0.5) / 0.22;
                open *= 0.75 + 0.25 * wobble;
            }
            if (i % 32 == 0)
                mute.setLowpass(250 + 1250 * open, 3.0);
            const double level = std::min(t / 0.02, 1.0) * std::min((note.length - t) / 0.05, 1.0);
            tone[i] = level * mute.process(buzz.next(frequency));
        }
        mixInto(out, tone, note.start, 1.0);
    }
    return finish(out, 0.05);
}

// A cheering crowd: many shouted vowels at all pitches, scattered applause, and a
// murmur of noise through a wandering formant for everyone else. It swells, then fades.
Buffer cheering() {
    Noise noise(1212);
    const double length = 2.8;
    const Formants vowels[] = {kVowelAh, kVowelEh, kVowelEe, kVowelOo, kVowelOh};
    auto anyVowel = [&] { return vowels[static_cast<int>(noise.uniform(0.0, 4.999))]; };

    Buffer voices = silence(length);
    for (int person = 0; person < 34; ++person) {
        const double start = noise.uniform(0.0, 1.7);
        const double duration = noise.uniform(0.35, 0.9);
        const bool high = noise.uniform(0.0, 1.0) < 0.5;
        const double pitch = high ? noise.uniform(230, 420) : noise.uniform(130, 220);
        const double tract = high ? 1.15 : 1.0;
        const Formants from = scaled(anyVowel(), tract);
        const Formants to = scaled(anyVowel(), tract);
        const std::vector<VoiceFrame> shout = {
            {0.0, pitch * 0.9, from, 0.0, 0.0},
            {0.06, pitch * 1.1, from, 1.0, 0.15},
            {duration * 0.5, pitch * 1.2, from, 0.9, 0.15},
            {duration, pitch * 0.85, to, 0.0, 0.0},
        };
        mixInto(voices, formantVoice(shout, noise, 0.03), start, noise.uniform(0.4, 1.0));
    }

    Buffer claps = silence(length);
    for (int clap = 0; clap < 160; ++clap) {
        Biquad hands;
        hands.setBandpass(noise.uniform(900, 2200), 1.2);
        const std::size_t first = samplesFor(noise.uniform(0.0, 2.5));
        const double decay = noise.uniform(0.004, 0.008) * kSampleRate;
        for (std::size_t i = 0; i < samplesFor(0.03) && first + i < claps.size(); ++i)
            claps[first + i] +=
                noise.uniform(0.3, 1.0) * hands.process(noise.white() * std::exp(-(i / decay)));
    }

    Buffer murmur = silence(length);
    std::vector<Point> wander;
    for (double t = 0.0; t <= length + 0.2; t += 0.2)
        wander.push_back({t, noise.uniform(500, 1500)});
    const Envelope murmurCentre(std::move(wander));
    Biquad throat;
    for (std::size_t i = 0; i < murmur.size(); ++i) {
        if (i % 32 == 0)
            throat.setBandpass(murmurCentre.at(static_cast<double>(i) / kSampleRate), 1.0);
        murmur[i] = throat.process(noise.white());
    }

    scaleToRms(voices, 1.0);
    scaleToRms(claps, 0.5);
    scaleToRms(murmur, 0.3);
    Buffer out = voices;
    mixInto(out, claps, 0.0, 1.0);
    mixInto(out, murmur, 0.0, 1.0);
    applyEnvelope(out, Envelope({{0.0, 0.0}, {0.7, 1.0}, {1.7, 1.0}, {length, 0.0}}));
    return finish(out, 0.05);
}

// Coins dropping onto each other: bright, inharmonic and long-ringing partials, a
// different set for each of the two coins.
Buffer coins() {
    Noise noise(1313);
    Buffer out = silence(0.95);
    auto coin = [](double base) {
        return std::vector<Mode>{{base, 1.0, 0.35},
                                 {base * 1.62, 0.7, 0.25},
                                 {base * 2.31, 0.5, 0.18},
                                 {base * 2.94, 0.35, 0.12},
                                 {base * 3.7, 0.2, 0.08}};
    };
    const std::vector<Mode> large = coin(2350);
    const std::vector<Mode> small = coin(2780);
    struct Hit {
        double at;
        double strength;
        const std::vector<Mode>& coin;
    };
    const Hit hits[] = {
        {0.005, 1.0, large}, {0.11, 0.7, small}, {0.19, 0.45, large}, {0.235, 0.25, small}};
    for (const Hit& hit : hits) {
        contact(out, hit.at, 0.3 * hit.strength, 0.0008, noise);
        ring(out, hit.at, hit.strength, hit.coin, noise);
    }
    return finish(out, 0.1);
}

// One step of the C major scale from C5: a tuned bar, fundamental plus the overtone
// two octaves up that marimba bars are cut for, and a faint mallet tap.
Buffer scaleNote(int degree) {
    const int semitones[] = {0, 2, 4, 5, 7, 9, 11, 12};
    const double frequency = 523.25 * std::pow(2.0, semitones[degree] / 12.0);
    Noise noise(1400 + degree);
    Buffer out = silence(0.5);
    addModes(out, 0.004,
             {{frequency, 1.0, 0.3}, {4 * frequency, 0.3, 0.05}, {10 * frequency, 0.08, 0.012}});
    contact(out, 0.004, 0.05, 0.002, noise);
    return finish(out, 0.06);
}

} // namespace

const std::vector<Effect>& allEffects() {
    static const std::vector<Effect> effects = [] {
        std::vector<Effect> list = {
            {"Dice1.wav", diceShake}, {"Dice3.wav", diceTumble},    {"Dice4.wav", diceLand},
            {"shh.wav", whoosh},      {"closing2.wav", lidShut},    {"creak.wav", creak},
            {"laugh.wav", laugh},     {"ohno.wav", ohNo},           {"magic.wav", magic},
            {"click.wav", beadClick}, {"loseall.wav", sadTrombone}, {"cheering.wav", cheering},
            {"money.wav", coins},
        };
        for (int degree = 0; degree < 8; ++degree)
            list.push_back({"note" + std::to_string(degree + 1) + ".wav",
                            [degree] { return scaleNote(degree); }});
        return list;
    }();
    return effects;
}

} // namespace synth
