// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BoardZoom.h"

#include "ProgramState.h"

#include <algorithm>

namespace tumbledown {

int BoardZoom::largestFitting(int clientWidth, int clientHeight) {
    const int fits = std::min(clientWidth / boardWidth, clientHeight / boardHeight);
    return std::clamp(fits, 1, maxFactor);
}

void BoardZoom::setClientSize(int width, int height) {
    clientWidth_ = width;
    clientHeight_ = height;
}

int BoardZoom::factor() const {
    return std::min(wanted_, largestFitting(clientWidth_, clientHeight_));
}

void BoardZoom::restore(int wanted) {
    wanted_ = std::clamp(wanted, 1, maxFactor);
}

void BoardZoom::set(int wanted) {
    wanted_ = std::clamp(wanted, 1, largestFitting(clientWidth_, clientHeight_));
}

void BoardZoom::zoomIn() {
    if (factor() < largestFitting(clientWidth_, clientHeight_))
        wanted_ = factor() + 1;
}

void BoardZoom::zoomOut() {
    wanted_ = std::max(factor() - 1, 1);
}

} // namespace tumbledown
