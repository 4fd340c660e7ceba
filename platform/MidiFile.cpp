// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MidiFile.h"

#include <optional>

namespace tumbledown {

namespace {

std::uint32_t bigEndian(const std::uint8_t* p, int count) {
    std::uint32_t value = 0;
    for (int i = 0; i < count; ++i)
        value = (value << 8) | p[i];
    return value;
}

bool isChunk(const std::uint8_t* p, const char (&id)[5]) {
    return p[0] == id[0] && p[1] == id[1] && p[2] == id[2] && p[3] == id[3];
}

// Reads one track's events, never past its end.
class TrackWalker {
public:
    TrackWalker(const std::uint8_t* begin, const std::uint8_t* end) : p_(begin), end_(end) {}

    std::string fault() {
        // Running status carries over only from a channel message; meta and
        // system exclusive events cancel it, as files are written.
        std::uint8_t running = 0;
        while (p_ < end_) {
            if (!quantity())
                return fault_;
            if (p_ == end_)
                return "an event's delta time ends the track";
            std::uint8_t status = *p_;
            if (status < 0x80) {
                if (running == 0)
                    return "running status without a channel message before it";
                status = running;
            } else {
                ++p_;
            }
            if (status < 0xF0) {
                const int dataBytes = (status & 0xF0) == 0xC0 || (status & 0xF0) == 0xD0 ? 1 : 2;
                for (int i = 0; i < dataBytes; ++i) {
                    if (p_ == end_)
                        return "a channel message runs past the end of its track";
                    if (*p_++ >= 0x80)
                        return "a channel message's data byte has its high bit set";
                }
                running = status;
            } else if (status == 0xFF) {
                if (p_ == end_)
                    return "a meta event without its type";
                const std::uint8_t type = *p_++;
                if (type >= 0x80)
                    return "a meta event's type has its high bit set";
                const std::optional<std::uint32_t> length = quantity();
                if (!length)
                    return fault_;
                if (*length > static_cast<std::size_t>(end_ - p_))
                    return "a meta event runs past the end of its track";
                p_ += *length;
                if (type == 0x2F) {
                    if (*length != 0)
                        return "an end-of-track with data";
                    if (p_ != end_)
                        return "events after the end-of-track";
                    return "";
                }
                running = 0;
            } else if (status == 0xF0 || status == 0xF7) {
                const std::optional<std::uint32_t> length = quantity();
                if (!length)
                    return fault_;
                if (*length > static_cast<std::size_t>(end_ - p_))
                    return "a system exclusive event runs past the end of its track";
                p_ += *length;
                running = 0;
            } else {
                return "a status byte that has no place in a file";
            }
        }
        return "a track without its end-of-track";
    }

private:
    // A variable-length quantity of at most four bytes.
    std::optional<std::uint32_t> quantity() {
        std::uint32_t value = 0;
        for (int i = 0; i < 4; ++i) {
            if (p_ == end_) {
                fault_ = "a variable-length quantity runs past the end of its track";
                return std::nullopt;
            }
            const std::uint8_t byte = *p_++;
            value = (value << 7) | (byte & 0x7F);
            if (byte < 0x80)
                return value;
        }
        fault_ = "a variable-length quantity longer than four bytes";
        return std::nullopt;
    }

    const std::uint8_t* p_;
    const std::uint8_t* end_;
    std::string fault_;
};

std::string headerFault(const std::uint8_t* data, std::size_t size) {
    if (size < 14 || !isChunk(data, "MThd"))
        return "no MIDI header chunk";
    const std::uint32_t length = bigEndian(data + 4, 4);
    if (length < 6)
        return "a header chunk shorter than six bytes";
    if (length > size - 8)
        return "a header chunk longer than the file";
    const std::uint32_t format = bigEndian(data + 8, 2);
    const std::uint32_t tracks = bigEndian(data + 10, 2);
    const std::uint32_t division = bigEndian(data + 12, 2);
    if (format > 2)
        return "an unknown format " + std::to_string(format);
    if (tracks == 0)
        return "no tracks";
    if (format == 0 && tracks != 1)
        return "a format 0 file with more than one track";
    if (division == 0)
        return "a division of zero";
    if (division & 0x8000) {
        // Time code: frames per second (negated) and ticks per frame.
        const int frames = 256 - static_cast<int>(division >> 8);
        if (frames != 24 && frames != 25 && frames != 29 && frames != 30)
            return "a time-code division with " + std::to_string(frames) + " frames a second";
        if ((division & 0xFF) == 0)
            return "a time-code division of zero ticks a frame";
    }
    return "";
}

} // namespace

std::string midiFault(const std::uint8_t* data, std::size_t size) {
    if (data == nullptr)
        return "no MIDI header chunk";
    if (std::string fault = headerFault(data, size); !fault.empty())
        return fault;
    const std::uint32_t declared = bigEndian(data + 10, 2);
    std::size_t at = 8 + bigEndian(data + 4, 4);
    std::uint32_t found = 0;
    // Chunks of other types are skipped; whatever follows the declared tracks
    // is never read by a player.
    while (found < declared) {
        if (size - at < 8)
            return "only " + std::to_string(found) + " of " + std::to_string(declared) + " tracks";
        const std::uint32_t length = bigEndian(data + at + 4, 4);
        if (length > size - at - 8)
            return "a chunk runs past the end of the file";
        const std::uint8_t* body = data + at + 8;
        if (isChunk(data + at, "MTrk")) {
            if (std::string fault = TrackWalker(body, body + length).fault(); !fault.empty())
                return "track " + std::to_string(found + 1) + ": " + fault;
            ++found;
        }
        at += 8 + std::size_t{length};
    }
    return "";
}

} // namespace tumbledown
