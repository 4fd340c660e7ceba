// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace tumbledown {

struct PreferencesRecord;

// Background music: one MIDI file looping from its beginning for as long as the
// device stays open, switched on and off and chosen from the menu and boards.
class MusicPlayer {
public:
    // showMusicOn puts the menu's check mark on "Music On" (true) or "Music Off".
    MusicPlayer(PreferencesRecord& record, std::string startDirectory, std::string initialMusicFile,
                std::function<void(bool)> showMusicOn);

    bool openMusic(std::string& name);
    bool playMusic();
    void closeMusic();

    void musicOn();
    void musicOff();
    void selectMusic();
    void tuneEnded();
    void startIfOn();

    bool isOpen() const { return musicOpen_; }
    bool isPlaying() const { return musicPlaying_; }

    static const char* const fileFilter;

private:
    void turnOffAfterFailure();
    void restoreWorkingDirectory();

    PreferencesRecord& record_;
    std::string startDirectory_;
    std::string initialMusicFile_;
    std::function<void(bool)> showMusicOn_;
    bool musicOpen_ = false;
    bool musicPlaying_ = false;
};

} // namespace tumbledown
