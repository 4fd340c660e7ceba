// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Audio.h"

struct Mix_Chunk;
typedef struct _Mix_Music Mix_Music;

namespace tumbledown {

class Clock;

// Opens the audio device; false when there is none (the program then runs silently).
bool openSdlAudio();
void closeSdlAudio();
// Points the MIDI synthesiser at the first General MIDI soundfont installed.
void useInstalledSoundFont();

class SdlSoundPlayer : public SoundPlayer {
public:
    explicit SdlSoundPlayer(Clock& clock) : clock_(clock) {}
    ~SdlSoundPlayer() override;
    void play(const SoundImage& image, PlayMode mode) override;
    void stop() override;

private:
    Clock& clock_;
    Mix_Chunk* chunk_ = nullptr;
};

class SdlMusicDevice : public MusicDevice {
public:
    ~SdlMusicDevice() override;
    bool open(const std::string& path) override;
    bool play(std::function<void()> onEnd) override;
    void stop() override;
    void close() override;

private:
    static void finished();
    Mix_Music* music_ = nullptr;
};

} // namespace tumbledown
