// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "InputRouting.h"

#include "ProgramState.h"
#include "platform/System.h"

namespace tumbledown {

bool Spot::contains(int x, int y) const {
    return boardOrigin.x + x1 <= x && x <= boardOrigin.x + x2 && boardOrigin.y + y1 <= y &&
           y <= boardOrigin.y + y2;
}

void InputRouter::leftDown(int x, int y) {
    if (board_)
        board_->leftDown(x, y);
    // Clicks made during an animation, a dialog or a computer turn are lost.
    flushMouseQueue();
}

void InputRouter::leftUp(int x, int y) {
    if (board_)
        board_->leftUp(x, y);
    captured_ = false;
    if (board_ && board_->flushesAfterRelease())
        flushMouseQueue();
}

void InputRouter::rightDown(int x, int y) {
    if (board_)
        board_->rightDown(x, y);
}

void InputRouter::mouseMove() {
    setCursor(CursorShape::Arrow);
}

void InputRouter::character(char c) {
    if (board_)
        board_->character(c);
}

} // namespace tumbledown
