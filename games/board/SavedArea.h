// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/Graphics.h"

namespace tumbledown {

// A piece of the clean board, captured at the first paint and put back to
// erase what was drawn over it. Positions are board-relative, so a saved
// area still fits after the board has moved.
class SavedArea {
public:
    SavedArea() = default;
    SavedArea(int x, int y, int width, int height) : x_(x), y_(y), width_(width), height_(height) {}

    void capture();
    void restore() const;
    // Puts back only the part from (x, y) of the given size, board-relative.
    void restorePart(int x, int y, int width, int height) const;

private:
    int x_ = 0;
    int y_ = 0;
    int width_ = 0;
    int height_ = 0;
    Bitmap saved_;
};

} // namespace tumbledown
