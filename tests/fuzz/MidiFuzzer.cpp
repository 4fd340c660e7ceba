// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Checks arbitrary bytes as a tune, directly and through the file as the music
// device does. The check must never read outside the bytes (AddressSanitizer
// sees to that), the file path must agree with it, and whatever it accepts
// must have the shape it promises.

#include "FuzzCheck.h"
#include "platform/Audio.h"
#include "platform/MidiFile.h"

#include <cstdint>
#include <string>

using namespace tumbledown;
using fuzz::check;

namespace {

std::uint32_t bigEndian(const std::uint8_t* p, int count) {
    std::uint32_t value = 0;
    for (int i = 0; i < count; ++i)
        value = (value << 8) | p[i];
    return value;
}

// What an accepted file is sure to hold: the header, then as many track
// chunks as it declares, each inside the file and ending FF 2F 00.
void checkAccepted(const std::uint8_t* data, std::size_t size) {
    check(size >= 14 && std::string(reinterpret_cast<const char*>(data), 4) == "MThd",
          "accepted without a header");
    const std::uint32_t format = bigEndian(data + 8, 2);
    const std::uint32_t tracks = bigEndian(data + 10, 2);
    check(format <= 2 && tracks >= 1 && (format != 0 || tracks == 1),
          "accepted a header whose format and tracks disagree");
    check(bigEndian(data + 12, 2) != 0, "accepted a zero division");
    std::size_t at = 8 + bigEndian(data + 4, 4);
    for (std::uint32_t found = 0; found < tracks;) {
        check(at + 8 <= size, "accepted with a track missing");
        const std::size_t length = bigEndian(data + at + 4, 4);
        check(at + 8 + length <= size, "accepted a chunk past the end");
        if (std::string(reinterpret_cast<const char*>(data + at), 4) == "MTrk") {
            check(length >= 4, "accepted a track too short for its end");
            const std::uint8_t* end = data + at + 8 + length;
            check(end[-3] == 0xFF && end[-2] == 0x2F && end[-1] == 0x00,
                  "accepted a track that does not end with end-of-track");
            ++found;
        }
        at += 8 + length;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const bool accepted = isWellFormedMidi(data, size);
    if (accepted)
        checkAccepted(data, size);
    static const fuzz::ScratchFile scratch(".mid");
    const std::string& file = scratch.write(data, size);
    check(looksLikeMidi(file) == (accepted && size <= maxMidiFileSize),
          "the file check disagrees with the bytes' check");
    return 0;
}
