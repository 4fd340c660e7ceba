// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Loudness as listeners hear it (ITU-R BS.1770: K-weighting, 400 ms blocks every
// 100 ms, absolute gate -70 LUFS, relative gate -10 LU) and the true peak a
// converter will reach between samples (4x oversampled), so that every effect can
// be levelled to the same loudness without clipping once resampled.
#pragma once

#include "Synth.h"

namespace synth {

struct Loudness {
    double integrated;   // LUFS; -70 or below for silence
    double maxMomentary; // LUFS, the loudest 400 ms block
    double truePeak;     // dBTP
};

// A buffer shorter than one block is measured as if silence followed it.
Loudness measureLoudness(const Buffer& buffer);

// What an effect is levelled by: its integrated loudness, or for one shorter than a
// block, which the gates cannot judge, its maximum momentary loudness.
double effectLoudness(const Buffer& buffer);

// Scales to the target loudness. Where that would push transients past the true-peak
// ceiling, a look-ahead limiter dips the gain smoothly around them alone and the
// gain is found again, so that both hold at once.
void normaliseLoudness(Buffer& buffer, double targetLufs, double ceilingDb);

} // namespace synth
