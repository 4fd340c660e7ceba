// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Positions on a board, board-relative: the boards' layouts, their input and
// the art generator share these types (plain C++, without Qt).

#include <string>

namespace tumbledown {

struct Point {
    int x = 0;
    int y = 0;
};

struct Size {
    int width = 0;
    int height = 0;
};

// A rectangle of the board: a picture drawn at (x, y), width by height. A
// click hits it from x to x + width and from y to y + height, both ends
// included: every spot of the boards reaches one pixel past its picture.
struct Rect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    // At the current board origin, in client coordinates.
    bool contains(int clientX, int clientY) const;
};

// The resource name of a board picture ("BITMAP_66").
inline std::string bitmapName(int number) {
    return "BITMAP_" + std::to_string(number);
}

} // namespace tumbledown
