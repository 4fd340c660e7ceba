// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace tumbledown {

// The largest tune we hand to the synthesizer; ours is a few kilobytes.
inline constexpr std::size_t maxMidiFileSize = 4u << 20;

// Checks that bytes form a Standard MIDI File the synthesizer can walk safely:
// a sound header chunk, every declared track chunk inside the file, and every
// event of every track complete and well formed, each track closed by its
// end-of-track. Returns why the file is refused, or an empty string.
std::string midiFault(const std::uint8_t* data, std::size_t size);

inline bool isWellFormedMidi(const std::uint8_t* data, std::size_t size) {
    return midiFault(data, size).empty();
}

} // namespace tumbledown
