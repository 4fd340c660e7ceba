// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "GameSounds.h"

#include "core/ProgramState.h"
#include "media/SoundEffects.h"

namespace tumbledown {

GameSounds::GameSounds(std::initializer_list<const char*> files) {
    for (const char* file : files)
        images_.emplace(file, loadSound(file));
}

bool GameSounds::on() {
    return preferences().soundOn != 0;
}

void GameSounds::play(const std::string& file, PlayMode mode) const {
    if (!on())
        return;
    const auto found = images_.find(file);
    if (found != images_.end())
        playSound(found->second, mode);
}

void GameSounds::stop() const {
    if (on())
        stopSound();
}

} // namespace tumbledown
