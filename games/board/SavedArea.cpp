// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SavedArea.h"

#include "core/ProgramState.h"
#include "platform/Screen.h"

namespace tumbledown {

void SavedArea::capture() {
    saved_ = screen().capture(boardOrigin.x + x_, boardOrigin.y + y_, width_, height_);
    saved_.name = "board";
}

void SavedArea::restore() const {
    screen().drawBitmap(saved_, boardOrigin.x + x_, boardOrigin.y + y_);
}

void SavedArea::restorePart(int x, int y, int width, int height) const {
    screen().drawBitmapPart(saved_, boardOrigin.x + x, boardOrigin.y + y, width, height, x - x_,
                            y - y_);
}

} // namespace tumbledown
