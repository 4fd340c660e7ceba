// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Audio.h"
#include "SdlAudio.h"

#include <future>
#include <optional>

namespace tumbledown {

class Clock;

// The program's audio. The device opens on a worker thread (loading the mixer
// and finding the sound server can take a while), started once the window shows
// something; the first sound or tune waits for it. Without a device everything
// is silent.
class AudioOutput {
public:
    explicit AudioOutput(Clock& clock);
    ~AudioOutput();

    // whenReady is called on the worker thread once the device is open (or
    // known to be missing).
    void startOpening(std::function<void()> whenReady);
    bool ready() const;

    SoundPlayer& sound() { return sound_; }
    MusicDevice& music() { return music_; }

private:
    SoundPlayer& soundPlayer();
    MusicDevice& musicDevice();
    void ensureReady();

    class SoundProxy : public SoundPlayer {
    public:
        explicit SoundProxy(AudioOutput& owner) : owner_(owner) {}
        void play(const SoundImage& image, PlayMode mode) override {
            owner_.soundPlayer().play(image, mode);
        }
        void stop() override { owner_.soundPlayer().stop(); }

    private:
        AudioOutput& owner_;
    };

    class MusicProxy : public MusicDevice {
    public:
        explicit MusicProxy(AudioOutput& owner) : owner_(owner) {}
        bool open(const std::string& path) override { return owner_.musicDevice().open(path); }
        bool play(std::function<void()> onEnd) override {
            return owner_.musicDevice().play(std::move(onEnd));
        }
        void stop() override { owner_.musicDevice().stop(); }
        void close() override { owner_.musicDevice().close(); }

    private:
        AudioOutput& owner_;
    };

    Clock& clock_;
    std::future<bool> opening_;
    std::optional<bool> opened_;
    std::optional<SdlSoundPlayer> sdlSound_;
    std::optional<SdlMusicDevice> sdlMusic_;
    SilentSoundPlayer silentSound_;
    SilentMusicDevice silentMusic_;
    SoundProxy sound_{*this};
    MusicProxy music_{*this};
};

} // namespace tumbledown
