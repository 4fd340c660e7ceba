// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ProgramState.h"

#include <algorithm>

namespace tumbledown {

PreferencesRecord& preferences() {
    static PreferencesRecord record;
    return record;
}

BoardPoint centredOrigin(int width, int height) {
    return {(width - boardWidth) / 2, (height - boardHeight) / 2};
}

BoardPoint firstPaintOrigin(int width, int height) {
    if (width > boardWidth || height > boardHeight)
        return centredOrigin(width, height);
    return {0, 0};
}

void speedUp(std::int32_t& delay) {
    delay = std::max(delay - PreferencesRecord::delayStep, 0);
}

void slowDown(std::int32_t& delay) {
    delay = std::min(delay + PreferencesRecord::delayStep, PreferencesRecord::maxDelay);
}

} // namespace tumbledown
