// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "BoardGeometry.h"
#include "FocusRing.h"

#include <functional>
#include <string>
#include <vector>

namespace tumbledown {

// What a board shows in words, for a screen reader: its message, the scores
// and the dice on the table ("" for what it does not show now).
struct BoardWords {
    std::string message;
    std::string scores;
    std::string dice;
    bool operator==(const BoardWords&) const = default;
};

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

    // The spots a click would act on now, in the order Tab visits them.
    virtual std::vector<Spot> spots() const = 0;
    // Whether the key has a meaning of its own on this board now: Return then
    // keeps it instead of clicking the focused spot.
    virtual bool claimsKey(char /*c*/) const { return false; }
    virtual BoardWords words() const { return {}; }
};

// Routes mouse and key events to the screen on view: the mouse flush after
// every left press, the capture of press-and-hold buttons until the next left
// release wherever it happens, the arrow cursor on every move; and the focus
// ring, which the navigation keys move among the board's spots and at which
// Return clicks.
class InputRouter {
public:
    // A new screen: nothing is focused on it yet. Its name goes into the
    // transcript's focus lines.
    void setBoard(BoardInput* board, std::string screen);

    void leftDown(int x, int y);
    void leftUp(int x, int y);
    void rightDown(int x, int y);
    void mouseMove();
    void character(char c);
    void navigate(NavKey key);
    // A left click at the live spot of that id, as assistive technology asks
    // for it; nothing when the spot has gone meanwhile.
    void activate(const std::string& id);

    // Called by a screen when one of its held buttons is pressed.
    void captureMouse() { captured_ = true; }
    bool mouseCaptured() const { return captured_; }

    const std::string& screenName() const { return screen_; }
    // The live spots of the screen on view, and the focused one among them.
    std::vector<Spot> spots() const;
    const Spot* focused(const std::vector<Spot>& spots) const { return ring_.focused(spots); }
    BoardWords words() const;
    // Told whenever the focus moves or goes, and after a click asked for by
    // assistive technology: the window redraws the ring and tells what changed.
    void setFocusObserver(std::function<void()> observer) { focusObserver_ = std::move(observer); }

private:
    void press(int x, int y);
    void loseFocus();
    void refreshRing() const;
    // Return or Shift+Return at the focused spot.
    void activateFocused(bool right);
    // A click at the spot, left then released, or right.
    void click(const Spot& spot, bool right);

    BoardInput* board_ = nullptr;
    std::string screen_;
    FocusRing ring_;
    std::function<void()> focusObserver_;
    bool captured_ = false;
};

} // namespace tumbledown
