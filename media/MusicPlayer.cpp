// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MusicPlayer.h"

#include "core/PreferencesRecord.h"
#include "platform/DataFiles.h"
#include "platform/System.h"
#include "platform/Transcript.h"

#include <filesystem>

namespace tumbledown {

const char* const MusicPlayer::fileFilter = "Midi files (*.MID)|*.MID|";

MusicPlayer::MusicPlayer(PreferencesRecord& record, std::string startDirectory,
                         std::string initialMusicFile, std::function<void(bool)> showMusicOn)
    : record_(record), startDirectory_(std::move(startDirectory)),
      initialMusicFile_(std::move(initialMusicFile)), showMusicOn_(std::move(showMusicOn)) {}

bool MusicPlayer::openMusic(std::string& name) {
    if (musicOpen_)
        return true;
    musicOpen_ = false;
    musicPlaying_ = false;
    std::error_code ec;
    if (!std::filesystem::exists(locateDataFile(name), ec)) {
        const MessageAnswer search = messageBox(
            "File does not exist", "Music file " + name + " does not exist, search for a new one?",
            MessageButtons::YesNo);
        if (search != MessageAnswer::Yes) {
            turnOffAfterFailure();
            return false;
        }
        const std::optional<std::string> chosen = chooseFile(fileFilter);
        // The dialog may have moved the working directory; data files are
        // opened by bare names.
        restoreWorkingDirectory();
        if (!chosen) {
            turnOffAfterFailure();
            messageBox("Music Off", "Cannot find file.  Turning music off.");
            return false;
        }
        record_.setMusicFile(*chosen);
        name = record_.musicFileName();
    }
    const bool opened = services().music && services().music->open(locateDataFile(name));
    transcript().write({"music", "open", name, opened ? "ok" : "fail"});
    if (!opened) {
        // Left on, a tune that cannot play would stay silent under a menu that
        // says "Music On", run after run.
        turnOffAfterFailure();
        messageBox("Music Off", "Cannot play music file " + name + ".  Turning music off.");
        return false;
    }
    musicOpen_ = true;
    return true;
}

bool MusicPlayer::playMusic() {
    if (!musicOpen_ || musicPlaying_)
        return false;
    const bool playing = services().music->play([] {
        if (services().musicEnded)
            services().musicEnded();
    });
    transcript().write({"music", "play", playing ? "ok" : "fail"});
    musicPlaying_ = playing;
    return playing;
}

void MusicPlayer::closeMusic() {
    if (!musicOpen_)
        return;
    if (musicPlaying_)
        services().music->stop();
    services().music->close();
    transcript().write({"music", "close"});
    musicOpen_ = false;
    musicPlaying_ = false;
}

void MusicPlayer::turnOffAfterFailure() {
    record_.musicOn = 0;
    closeMusic();
    // Keep the menu telling the truth about the switch.
    showMusicOn_(false);
}

void MusicPlayer::musicOn() {
    showMusicOn_(true);
    record_.musicOn = 1;
    std::string name = record_.musicFileName();
    openMusic(name);
    playMusic();
}

void MusicPlayer::musicOff() {
    showMusicOn_(false);
    record_.musicOn = 0;
    closeMusic();
}

void MusicPlayer::selectMusic() {
    showMusicOn_(true);
    record_.musicOn = 1;
    closeMusic();
    const std::optional<std::string> chosen = chooseFile(fileFilter);
    record_.setMusicFile(chosen ? *chosen : initialMusicFile_);
    std::string name = record_.musicFileName();
    openMusic(name);
    playMusic();
    restoreWorkingDirectory();
}

void MusicPlayer::tuneEnded() {
    musicPlaying_ = false;
    playMusic();
}

void MusicPlayer::startIfOn() {
    if (!record_.musicOn)
        return;
    std::string name = record_.musicFileName();
    openMusic(name);
    playMusic();
}

void MusicPlayer::restoreWorkingDirectory() {
    std::error_code ec;
    std::filesystem::current_path(startDirectory_, ec);
}

} // namespace tumbledown
