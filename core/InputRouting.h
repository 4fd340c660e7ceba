// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "BoardGeometry.h"

namespace tumbledown {

// What a screen does with the input that reaches it. The router around it
// keeps the rules every screen shares.
class BoardInput {
public:
    virtual ~BoardInput() = default;
    virtual void leftDown(int x, int y) = 0;
    virtual void leftUp(int /*x*/, int /*y*/) {}
    virtual void rightDown(int /*x*/, int /*y*/) {}
    virtual void character(char /*c*/) {}
    // Whether mouse input queued up meanwhile is thrown away after a release.
    virtual bool flushesAfterRelease() const { return false; }
};

// Routes mouse and key events to the screen on view: the mouse flush after
// every left press, the capture of press-and-hold buttons until the next left
// release wherever it happens, the arrow cursor on every move.
class InputRouter {
public:
    void setBoard(BoardInput* board) { board_ = board; }

    void leftDown(int x, int y);
    void leftUp(int x, int y);
    void rightDown(int x, int y);
    void mouseMove();
    void character(char c);

    // Called by a screen when one of its held buttons is pressed.
    void captureMouse() { captured_ = true; }
    bool mouseCaptured() const { return captured_; }

private:
    BoardInput* board_ = nullptr;
    bool captured_ = false;
};

} // namespace tumbledown
