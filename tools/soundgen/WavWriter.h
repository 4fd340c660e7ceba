// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes mono 16-bit PCM RIFF/WAVE files, the format the game's sound player loads.
#pragma once

#include "Synth.h"

#include <cstdint>
#include <filesystem>
#include <vector>

namespace synth {

// Scales [-1, 1] to 16-bit, rounding and clamping anything outside the range.
std::vector<std::int16_t> toPcm16(const Buffer& buffer);

// The samples as a player hears them, back in [-1, 1).
Buffer fromPcm16(const std::vector<std::int16_t>& samples);

// The complete file image: 44-byte header followed by little-endian samples.
std::vector<std::uint8_t> encodeWav(const std::vector<std::int16_t>& samples, int sampleRate);

bool writeWav(const std::filesystem::path& path, const Buffer& buffer);

} // namespace synth
