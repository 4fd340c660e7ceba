// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Audio.h"

#include "MidiFile.h"

#include <algorithm>
#include <fstream>
#include <vector>

namespace tumbledown {

bool looksLikeMidi(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    // Read in pieces up to one byte past the limit, which tells an oversized
    // file (or an endless device) from one just at it.
    std::vector<std::uint8_t> bytes;
    std::size_t size = 0;
    while (in && size <= maxMidiFileSize) {
        bytes.resize(std::min(size + (64u << 10), maxMidiFileSize + 1));
        in.read(reinterpret_cast<char*>(bytes.data() + size),
                static_cast<std::streamsize>(bytes.size() - size));
        size += static_cast<std::size_t>(in.gcount());
    }
    return size <= maxMidiFileSize && isWellFormedMidi(bytes.data(), size);
}

bool SilentMusicDevice::open(const std::string& path) {
    return looksLikeMidi(path);
}

bool SilentMusicDevice::play(std::function<void()> onEnd) {
    onEnd_ = std::move(onEnd);
    return true;
}

void SilentMusicDevice::finishTune() {
    if (onEnd_)
        onEnd_();
}

} // namespace tumbledown
