#include "Audio.h"

#include <fstream>

namespace tumbledown {

bool looksLikeMidi(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    char header[4] = {};
    return in.read(header, 4) && std::string(header, 4) == "MThd";
}

bool SilentMusicDevice::open(const std::string& path) {
    return looksLikeMidi(path);
}

bool SilentMusicDevice::play(std::function<void()> onEnd) {
    onEnd_ = std::move(onEnd);
    return true;
}

void SilentMusicDevice::finishTune() {
    if (onEnd_)
        onEnd_();
}

} // namespace tumbledown
