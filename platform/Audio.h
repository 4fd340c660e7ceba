// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace tumbledown {

// A sound file read whole into memory, so playing it never touches the disk.
// An unreadable file gives an empty image, which plays nothing.
struct SoundImage {
    std::string name;
    std::vector<std::uint8_t> bytes;
};

enum class PlayMode { Async, Sync };

class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    // Starting a sound ends the one playing. Sync returns when it has ended.
    virtual void play(const SoundImage& image, PlayMode mode) = 0;
    virtual void stop() = 0;
};

// One MIDI tune at a time.
class MusicDevice {
public:
    virtual ~MusicDevice() = default;
    virtual bool open(const std::string& path) = 0;
    // Plays from the beginning; onEnd is called (on any thread) when the tune
    // ends, unless the device repeats it by itself.
    virtual bool play(std::function<void()> onEnd) = 0;
    virtual void stop() = 0;
    virtual void close() = 0;
};

// Stands in when there is no audio device, and in replay runs: plays nothing.
class SilentSoundPlayer : public SoundPlayer {
public:
    void play(const SoundImage&, PlayMode) override {}
    void stop() override {}
};

// Accepts any file that exists and looks like MIDI, and never reports an end by
// itself (replay scripts say when a tune ends).
class SilentMusicDevice : public MusicDevice {
public:
    bool open(const std::string& path) override;
    bool play(std::function<void()> onEnd) override;
    void stop() override {}
    void close() override {}
    void finishTune();

private:
    std::function<void()> onEnd_;
};

// Whether the file is a well-formed MIDI tune of a sensible size (MidiFile.h):
// nothing else is handed to the synthesizer.
bool looksLikeMidi(const std::string& path);

} // namespace tumbledown
