// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/Audio.h"

#include <initializer_list>
#include <map>
#include <string>

namespace tumbledown {

// A game's sound effects, read into memory when the game is entered and
// played only while the sound-effects flag of the record is on.
class GameSounds {
public:
    explicit GameSounds(std::initializer_list<const char*> files);

    void play(const std::string& file, PlayMode mode = PlayMode::Async) const;
    void stop() const;
    static bool on();

private:
    std::map<std::string, SoundImage> images_;
};

} // namespace tumbledown
