// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "InputRouting.h"

#include "ProgramState.h"
#include "platform/System.h"
#include "platform/Transcript.h"

namespace tumbledown {

bool Rect::contains(int clientX, int clientY) const {
    const int left = boardOrigin.x + x;
    const int top = boardOrigin.y + y;
    return left <= clientX && clientX <= left + width && top <= clientY && clientY <= top + height;
}

void InputRouter::setBoard(BoardInput* board, std::string screen) {
    board_ = board;
    screen_ = std::move(screen);
    loseFocus();
}

std::vector<Spot> InputRouter::spots() const {
    return board_ ? board_->spots() : std::vector<Spot>{};
}

BoardWords InputRouter::words() const {
    return board_ ? board_->words() : BoardWords{};
}

void InputRouter::loseFocus() {
    if (ring_.empty())
        return;
    ring_.clear();
    if (focusObserver_)
        focusObserver_();
}

void InputRouter::leftDown(int x, int y) {
    // A mouse user never sees the ring.
    loseFocus();
    press(x, y);
}

void InputRouter::press(int x, int y) {
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
    loseFocus();
    if (board_)
        board_->rightDown(x, y);
}

void InputRouter::mouseMove() {
    setCursor(CursorShape::Arrow);
}

void InputRouter::refreshRing() const {
    if (!ring_.empty() && focusObserver_)
        focusObserver_();
}

void InputRouter::character(char c) {
    if (board_)
        board_->character(c);
    refreshRing();
}

void InputRouter::navigate(NavKey key) {
    const bool acting = key == NavKey::Return || key == NavKey::ShiftReturn;
    if (acting)
        activateFocused(key == NavKey::ShiftReturn);
    const std::vector<Spot> live = spots();
    // A spot that went with what Return did hands the ring on to the one that
    // took its place, so that the player still sees where the keys act.
    const bool moved = acting
                           ? !ring_.empty() && !ring_.focused(live) && ring_.move(NavKey::Tab, live)
                           : ring_.move(key, live);
    if (moved)
        transcript().write({"focus", screen_, ring_.focused(live)->id});
    if (moved || acting)
        refreshRing();
}

void InputRouter::activateFocused(bool right) {
    const std::vector<Spot> live = spots();
    const Spot* spot = ring_.focused(live);
    // Without a spot, or where the board gives the key a meaning, Return is
    // the character it always was.
    if (!spot || board_->claimsKey('\r')) {
        character('\r');
        return;
    }
    click(*spot, right);
}

void InputRouter::activate(const std::string& id) {
    for (const Spot& spot : spots()) {
        if (spot.id == id) {
            click(spot, false);
            // What the click changed is told on at once.
            if (focusObserver_)
                focusObserver_();
            return;
        }
    }
}

void InputRouter::click(const Spot& spot, bool right) {
    const int x = boardOrigin.x + spot.click.x;
    const int y = boardOrigin.y + spot.click.y;
    if (right) {
        board_->rightDown(x, y);
        return;
    }
    press(x, y);
    leftUp(x, y);
}

} // namespace tumbledown
