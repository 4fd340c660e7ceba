// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/Audio.h"

#include <string>

namespace tumbledown {

// Reads a sound file, found by its bare name, whole into memory.
SoundImage loadSound(const std::string& name);

// Starting a sound ends the one playing; Sync returns when it has ended.
void playSound(const SoundImage& image, PlayMode mode);
void stopSound();

} // namespace tumbledown
