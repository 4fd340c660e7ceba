// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A small Standard MIDI File writer: format 1, one chunk per track, events
// given at absolute tick positions and written as delta times.

#include <cstdint>
#include <string>
#include <vector>

namespace midi {

using Bytes = std::vector<std::uint8_t>;

// Largest value a variable-length quantity may carry (four bytes of seven bits).
constexpr std::uint32_t kMaxVarLen = 0x0FFFFFFF;

// Appends value as a variable-length quantity: seven bits per byte, most
// significant group first, the high bit set on every byte but the last.
// Throws std::out_of_range above kMaxVarLen.
void appendVarLen(Bytes& out, std::uint32_t value);

class Track {
public:
    // Meta events.
    void name(const std::string& text);
    void tempo(std::uint32_t tick, std::uint32_t microsPerQuarter);
    void timeSignature(std::uint32_t tick, std::uint8_t numerator, std::uint8_t denominatorPower);
    void keySignature(std::uint32_t tick, std::int8_t sharps, bool minor);

    // Channel events; channel is 0-15, data bytes 0-127.
    void programChange(std::uint32_t tick, std::uint8_t channel, std::uint8_t program);
    void controlChange(std::uint32_t tick, std::uint8_t channel, std::uint8_t controller,
                       std::uint8_t value);
    void noteOn(std::uint32_t tick, std::uint8_t channel, std::uint8_t key, std::uint8_t velocity);
    void noteOff(std::uint32_t tick, std::uint8_t channel, std::uint8_t key);

    // Puts the end-of-track no earlier than tick, so that the track can go on
    // sounding after its last event.
    void endAt(std::uint32_t tick) { end_ = tick; }

    // The complete "MTrk" chunk, events in time order, closed by end-of-track
    // at the last event's tick or the one given to endAt, whichever is later.
    Bytes encode() const;

private:
    // At equal ticks meta events come first, then set-up messages, then
    // note-offs before note-ons so that a repeated key is released before it
    // is struck again.
    enum class Order { Meta, Setup, NoteOff, NoteOn };

    struct Event {
        std::uint32_t tick;
        Order order;
        Bytes data;
    };

    void add(std::uint32_t tick, Order order, Bytes data);
    void addMeta(std::uint32_t tick, std::uint8_t type, const Bytes& payload);

    std::vector<Event> events_;
    std::uint32_t end_ = 0;
};

class File {
public:
    explicit File(std::uint16_t ticksPerQuarter) : ticksPerQuarter_(ticksPerQuarter) {}

    // The reference stays valid until the next call of addTrack.
    Track& addTrack();

    // "MThd" header (format 1) followed by every track chunk.
    Bytes encode() const;

    // Writes encode() to path; false if the file cannot be written.
    bool save(const std::string& path) const;

private:
    std::uint16_t ticksPerQuarter_;
    std::vector<Track> tracks_;
};

} // namespace midi
