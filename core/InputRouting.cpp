// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "InputRouting.h"

#include "ProgramState.h"
#include "platform/System.h"

namespace tumbledown {

bool Rect::contains(int clientX, int clientY) const {
    const int left = boardOrigin.x + x;
    const int top = boardOrigin.y + y;
    return left <= clientX && clientX <= left + width && top <= clientY && clientY <= top + height;
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
