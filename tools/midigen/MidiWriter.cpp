// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MidiWriter.h"

#include <algorithm>
#include <fstream>
#include <stdexcept>

namespace midi {

namespace {

void appendBigEndian(Bytes& out, std::uint32_t value, int byteCount) {
    for (int shift = 8 * (byteCount - 1); shift >= 0; shift -= 8) {
        out.push_back(static_cast<std::uint8_t>(value >> shift));
    }
}

void appendChunk(Bytes& out, const char (&id)[5], const Bytes& body) {
    out.insert(out.end(), id, id + 4);
    appendBigEndian(out, static_cast<std::uint32_t>(body.size()), 4);
    out.insert(out.end(), body.begin(), body.end());
}

std::uint8_t dataByte(std::uint8_t value) {
    if (value > 0x7F) {
        throw std::out_of_range("MIDI data byte above 127");
    }
    return value;
}

std::uint8_t status(std::uint8_t kind, std::uint8_t channel) {
    if (channel > 0x0F) {
        throw std::out_of_range("MIDI channel above 15");
    }
    return static_cast<std::uint8_t>(kind | channel);
}

} // namespace

void appendVarLen(Bytes& out, std::uint32_t value) {
    if (value > kMaxVarLen) {
        throw std::out_of_range("value too large for a variable-length quantity");
    }
    int shift = 21;
    while (shift > 0 && (value >> shift) == 0) {
        shift -= 7;
    }
    for (; shift > 0; shift -= 7) {
        out.push_back(static_cast<std::uint8_t>(0x80 | ((value >> shift) & 0x7F)));
    }
    out.push_back(static_cast<std::uint8_t>(value & 0x7F));
}

void Track::add(std::uint32_t tick, Order order, Bytes data) {
    events_.push_back({tick, order, std::move(data)});
}

void Track::addMeta(std::uint32_t tick, std::uint8_t type, const Bytes& payload) {
    Bytes data{0xFF, type};
    appendVarLen(data, static_cast<std::uint32_t>(payload.size()));
    data.insert(data.end(), payload.begin(), payload.end());
    add(tick, Order::Meta, std::move(data));
}

void Track::name(const std::string& text) {
    addMeta(0, 0x03, Bytes(text.begin(), text.end()));
}

void Track::tempo(std::uint32_t tick, std::uint32_t microsPerQuarter) {
    if (microsPerQuarter == 0 || microsPerQuarter > 0xFFFFFF) {
        throw std::out_of_range("tempo must fit in 24 bits and be positive");
    }
    Bytes payload;
    appendBigEndian(payload, microsPerQuarter, 3);
    addMeta(tick, 0x51, payload);
}

void Track::timeSignature(std::uint32_t tick, std::uint8_t numerator,
                          std::uint8_t denominatorPower) {
    // 24 MIDI clocks per metronome click, 8 thirty-seconds per quarter.
    addMeta(tick, 0x58, {numerator, denominatorPower, 24, 8});
}

void Track::keySignature(std::uint32_t tick, std::int8_t sharps, bool minor) {
    if (sharps < -7 || sharps > 7) {
        throw std::out_of_range("key signature outside -7..7");
    }
    addMeta(tick, 0x59, {static_cast<std::uint8_t>(sharps), static_cast<std::uint8_t>(minor)});
}

void Track::programChange(std::uint32_t tick, std::uint8_t channel, std::uint8_t program) {
    add(tick, Order::Setup, {status(0xC0, channel), dataByte(program)});
}

void Track::controlChange(std::uint32_t tick, std::uint8_t channel, std::uint8_t controller,
                          std::uint8_t value) {
    add(tick, Order::Setup, {status(0xB0, channel), dataByte(controller), dataByte(value)});
}

void Track::noteOn(std::uint32_t tick, std::uint8_t channel, std::uint8_t key,
                   std::uint8_t velocity) {
    // Velocity 0 would mean note-off to every reader.
    if (velocity == 0) {
        throw std::out_of_range("note-on velocity must be at least 1");
    }
    add(tick, Order::NoteOn, {status(0x90, channel), dataByte(key), dataByte(velocity)});
}

void Track::noteOff(std::uint32_t tick, std::uint8_t channel, std::uint8_t key) {
    add(tick, Order::NoteOff, {status(0x80, channel), dataByte(key), 0x40});
}

Bytes Track::encode() const {
    std::vector<const Event*> sorted;
    sorted.reserve(events_.size());
    for (const Event& event : events_) {
        sorted.push_back(&event);
    }
    std::stable_sort(sorted.begin(), sorted.end(), [](const Event* a, const Event* b) {
        return a->tick != b->tick ? a->tick < b->tick : a->order < b->order;
    });

    Bytes body;
    std::uint32_t now = 0;
    for (const Event* event : sorted) {
        appendVarLen(body, event->tick - now);
        now = event->tick;
        body.insert(body.end(), event->data.begin(), event->data.end());
    }
    appendVarLen(body, std::max(end_, now) - now);
    body.insert(body.end(), {0xFF, 0x2F, 0x00});

    Bytes chunk;
    appendChunk(chunk, "MTrk", body);
    return chunk;
}

Track& File::addTrack() {
    return tracks_.emplace_back();
}

Bytes File::encode() const {
    Bytes header;
    appendBigEndian(header, 1, 2); // format 1: simultaneous tracks
    appendBigEndian(header, static_cast<std::uint32_t>(tracks_.size()), 2);
    appendBigEndian(header, ticksPerQuarter_, 2);

    Bytes out;
    appendChunk(out, "MThd", header);
    for (const Track& track : tracks_) {
        Bytes chunk = track.encode();
        out.insert(out.end(), chunk.begin(), chunk.end());
    }
    return out;
}

bool File::save(const std::string& path) const {
    const Bytes bytes = encode();
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file);
}

} // namespace midi
