// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "AudioOutput.h"

namespace tumbledown {

AudioOutput::AudioOutput(Clock& clock) : clock_(clock) {}

void AudioOutput::startOpening(std::function<void()> whenReady) {
    if (opening_.valid() || opened_)
        return;
    opening_ = std::async(std::launch::async, [whenReady = std::move(whenReady)] {
        const bool opened = openSdlAudio();
        if (opened)
            useInstalledSoundFont();
        if (whenReady)
            whenReady();
        return opened;
    });
}

bool AudioOutput::ready() const {
    return opened_ || (opening_.valid() &&
                       opening_.wait_for(std::chrono::seconds(0)) == std::future_status::ready);
}

AudioOutput::~AudioOutput() {
    ensureReady();
    // The players let go of the mixer before it closes.
    sdlSound_.reset();
    sdlMusic_.reset();
    if (*opened_)
        closeSdlAudio();
}

void AudioOutput::ensureReady() {
    if (opened_)
        return;
    startOpening({});
    opened_ = opening_.get();
    if (*opened_) {
        sdlSound_.emplace(clock_);
        sdlMusic_.emplace();
    }
}

SoundPlayer& AudioOutput::soundPlayer() {
    ensureReady();
    return sdlSound_ ? static_cast<SoundPlayer&>(*sdlSound_) : silentSound_;
}

MusicDevice& AudioOutput::musicDevice() {
    ensureReady();
    return sdlMusic_ ? static_cast<MusicDevice&>(*sdlMusic_) : silentMusic_;
}

} // namespace tumbledown
