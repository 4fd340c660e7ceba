// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SoundEffects.h"

#include "platform/DataFiles.h"
#include "platform/System.h"
#include "platform/Transcript.h"

#include <fstream>
#include <iterator>

namespace tumbledown {

SoundImage loadSound(const std::string& name) {
    SoundImage image;
    image.name = name;
    std::ifstream in(locateDataFile(name), std::ios::binary);
    if (in)
        image.bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    else
        transcript().write({"missing", name}); // it will play as silence
    return image;
}

void playSound(const SoundImage& image, PlayMode mode) {
    transcript().write({"sound", "play", image.name, mode == PlayMode::Sync ? "sync" : "async"});
    if (services().sound)
        services().sound->play(image, mode);
}

void stopSound() {
    transcript().write({"sound", "stop"});
    if (services().sound)
        services().sound->stop();
}

} // namespace tumbledown
