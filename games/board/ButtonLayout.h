// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/BoardGeometry.h"

#include <array>

namespace tumbledown {

// The buttons every board has.
enum class BoardButton { SpeedUp, SlowDown, Music, MusicFile, Sound, Help };
inline constexpr int boardButtonCount = 6;

// Where a button's pictures are drawn (and its spot), and their numbers.
struct ButtonPlace {
    Rect place;
    int up;
    int down;
};

// Where a board has its buttons, in the order of BoardButton.
using ButtonLayout = std::array<ButtonPlace, boardButtonCount>;

} // namespace tumbledown
