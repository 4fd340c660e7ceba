// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WavWriter.h"

#include <algorithm>
#include <cmath>
#include <fstream>

namespace synth {

namespace {

void putTag(std::vector<std::uint8_t>& out, const char (&tag)[5]) {
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<std::uint8_t>(tag[i]));
}

// Explicit byte order so the files are right whatever the host's endianness.
void putLittleEndian(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<std::uint8_t>((value >> (8 * i)) & 0xFF));
}

} // namespace

std::vector<std::int16_t> toPcm16(const Buffer& buffer) {
    std::vector<std::int16_t> samples;
    samples.reserve(buffer.size());
    for (double sample : buffer) {
        const double scaled = std::round(std::clamp(sample, -1.0, 1.0) * 32767.0);
        samples.push_back(static_cast<std::int16_t>(scaled));
    }
    return samples;
}

Buffer fromPcm16(const std::vector<std::int16_t>& samples) {
    Buffer buffer;
    buffer.reserve(samples.size());
    for (std::int16_t sample : samples)
        buffer.push_back(sample / 32768.0);
    return buffer;
}

std::vector<std::uint8_t> encodeWav(const std::vector<std::int16_t>& samples, int sampleRate) {
    constexpr int kChannels = 1;
    constexpr int kBytesPerSample = 2;
    const auto dataSize = static_cast<std::uint32_t>(samples.size() * kBytesPerSample);

    std::vector<std::uint8_t> out;
    out.reserve(44 + dataSize);
    putTag(out, "RIFF");
    putLittleEndian(out, 36 + dataSize, 4);
    putTag(out, "WAVE");
    putTag(out, "fmt ");
    putLittleEndian(out, 16, 4); // size of the PCM format chunk
    putLittleEndian(out, 1, 2);  // PCM
    putLittleEndian(out, kChannels, 2);
    putLittleEndian(out, static_cast<std::uint32_t>(sampleRate), 4);
    putLittleEndian(out, static_cast<std::uint32_t>(sampleRate * kChannels * kBytesPerSample), 4);
    putLittleEndian(out, kChannels * kBytesPerSample, 2);
    putLittleEndian(out, 8 * kBytesPerSample, 2);
    putTag(out, "data");
    putLittleEndian(out, dataSize, 4);
    for (std::int16_t sample : samples)
        putLittleEndian(out, static_cast<std::uint16_t>(sample), 2);
    return out;
}

bool writeWav(const std::filesystem::path& path, const Buffer& buffer) {
    const std::vector<std::uint8_t> bytes = encodeWav(toPcm16(buffer), kSampleRate);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file);
}

} // namespace synth
