// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/MidiFile.h"
#include "platform/Audio.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

using namespace tumbledown;

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

Bytes operator+(Bytes a, const Bytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

Bytes bigEndian(std::uint32_t value, int count) {
    Bytes out;
    for (int shift = 8 * (count - 1); shift >= 0; shift -= 8)
        out.push_back(static_cast<std::uint8_t>(value >> shift));
    return out;
}

Bytes header(std::uint32_t format, std::uint32_t tracks, std::uint32_t division,
             std::uint32_t length = 6) {
    Bytes h = Bytes{'M', 'T', 'h', 'd'} + bigEndian(length, 4) + bigEndian(format, 2) +
              bigEndian(tracks, 2) + bigEndian(division, 2);
    h.resize(8 + length, 0); // a longer header's extra bytes
    return h;
}

// The chunk at the start with its length field changed, nothing else.
Bytes claimsLength(Bytes bytes, std::uint32_t length) {
    const Bytes field = bigEndian(length, 4);
    std::copy(field.begin(), field.end(), bytes.begin() + 4);
    return bytes;
}

Bytes chunk(const char* id, const Bytes& body) {
    return Bytes(id, id + 4) + bigEndian(static_cast<std::uint32_t>(body.size()), 4) + body;
}

const Bytes endOfTrack{0x00, 0xFF, 0x2F, 0x00};

// Tempo, a text, a system exclusive message, a program change, then notes
// with running status and two-byte delta times.
const Bytes events{0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20, 0x00, 0xFF, 0x01, 0x02, 'h',  'i',
                   0x00, 0xF0, 0x03, 0x7E, 0x09, 0xF7, 0x00, 0xC0, 0x13, 0x00, 0x90, 0x3C, 0x60,
                   0x60, 0x3C, 0x00, 0x81, 0x00, 0x40, 0x60, 0x83, 0x60, 0x40, 0x00};

Bytes track(const Bytes& body) {
    return chunk("MTrk", body);
}

Bytes tune() {
    return header(0, 1, 96) + track(events + endOfTrack);
}

std::string faultOf(const Bytes& bytes) {
    return midiFault(bytes.data(), bytes.size());
}

} // namespace

TEST(MidiFile, AcceptsWellFormedTunes) {
    const Bytes second = track(Bytes{0x00, 0xB1, 0x07, 0x64, 0x00, 0xE1, 0x00, 0x40, 0x00, 0xD1,
                                     0x30, 0x10, 0xA1, 0x3C, 0x20} +
                               endOfTrack);
    const std::pair<const char*, Bytes> good[] = {
        {"format 0", tune()},
        {"format 1, an unknown chunk between tracks",
         header(1, 2, 480) + chunk("XFIH", {1, 2, 3}) + track(events + endOfTrack) + second},
        {"format 2", header(2, 2, 96) + second + second},
        {"time-code division", header(0, 1, 0xE728) + track(endOfTrack)},
        {"a longer header", header(0, 1, 96, 10) + track(endOfTrack)},
        {"bytes after the declared tracks", tune() + Bytes{'j', 'u', 'n', 'k'}},
    };
    for (const auto& [what, bytes] : good)
        EXPECT_EQ(faultOf(bytes), "") << what;
}

TEST(MidiFile, RefusesDamagedHeadersAndTracks) {
    const Bytes body = track(endOfTrack);
    const auto inTrack = [](const Bytes& content) { return header(0, 1, 96) + track(content); };
    const std::pair<Bytes, const char*> bad[] = {
        {{}, "no MIDI header"},
        {Bytes{'M', 'T', 'h', 'd'}, "no MIDI header"},
        {Bytes{'R', 'I', 'F', 'F'} + tune(), "no MIDI header"},
        {header(0, 1, 96, 5) + body, "shorter than six"},
        {claimsLength(header(0, 1, 96), 200) + body, "header chunk longer than the file"},
        {header(3, 1, 96) + body, "unknown format 3"},
        {header(1, 0, 96) + body, "no tracks"},
        {header(0, 1, 0xE028) + body, "with 32 frames"},
        {header(0, 1, 0xE700) + body, "zero ticks a frame"},
        {header(1, 2, 96) + track(endOfTrack), "only 1 of 2 tracks"},
        {header(1, 1, 96) + chunk("XFIH", {1}), "only 0 of 1 tracks"},
        {inTrack(Bytes{0x81, 0x81, 0x81, 0x81, 0x00} + endOfTrack), "longer than four bytes"},
        {inTrack({0x81}), "quantity runs past the end"},
        {inTrack({0x00}), "delta time ends the track"},
        {inTrack(Bytes{0x00, 0x3C, 0x60} + endOfTrack), "running status without"},
        {inTrack(Bytes{0x00, 0x90, 0x3C, 0x60, 0x00, 0xFF, 0x01, 0x00, 0x00, 0x3C, 0x00} +
                 endOfTrack),
         "running status without"},
        {inTrack(Bytes{0x00, 0x90, 0x3C, 0x60, 0x00, 0xF0, 0x01, 0xF7, 0x00, 0x3C, 0x00} +
                 endOfTrack),
         "running status without"},
        {inTrack({0x00, 0x90, 0x3C}), "channel message runs past"},
        {inTrack(Bytes{0x00, 0x90, 0x3C, 0x80} + endOfTrack), "data byte has its high bit"},
        {inTrack({0x00, 0xFF}), "meta event without its type"},
        {inTrack(Bytes{0x00, 0xFF, 0x81, 0x00} + endOfTrack), "meta event's type"},
        {inTrack(Bytes{0x00, 0xFF, 0x01, 0x7F, 'x'} + endOfTrack), "meta event runs past"},
        {inTrack(Bytes{0x00, 0xF0, 0x7F, 0x01} + endOfTrack), "system exclusive event runs past"},
        {inTrack({0x00, 0xFF, 0x2F, 0x01, 0x00}), "end-of-track with data"},
        {inTrack(Bytes{0x00, 0xF8} + endOfTrack), "no place in a file"},
        {inTrack(Bytes{0x00, 0xF1, 0x00} + endOfTrack), "no place in a file"},
    };
    for (const auto& [bytes, reason] : bad)
        EXPECT_NE(faultOf(bytes).find(reason), std::string::npos)
            << reason << ": " << faultOf(bytes);
}

TEST(MidiFile, TheFileCheckReadsTheWholeFileUpToItsLimit) {
    const fs::path dir =
        fs::temp_directory_path() /
        ("td-midi-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
    fs::create_directories(dir);
    const auto write = [&](const std::string& name, const Bytes& bytes) {
        std::ofstream(dir / name, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        return (dir / name).string();
    };
    Bytes atLimit = tune();
    atLimit.resize(maxMidiFileSize, 0); // padding after the tracks, which players ignore
    Bytes overLimit = atLimit;
    overLimit.push_back(0);

    // Whole tunes and damaged ones agree with the bytes' check in the fuzz corpus.
    EXPECT_TRUE(looksLikeMidi(write("at-limit.mid", atLimit)));
    EXPECT_FALSE(looksLikeMidi(write("over-limit.mid", overLimit)));
    EXPECT_FALSE(looksLikeMidi(write("empty.mid", {})));
    EXPECT_FALSE(looksLikeMidi((dir / "missing.mid").string()));
    EXPECT_FALSE(looksLikeMidi(dir.string()));
    fs::remove_all(dir);
}
