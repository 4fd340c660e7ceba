// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ButtonLayout.h"
#include "platform/Graphics.h"

#include <array>
#include <cstdint>

namespace tumbledown {

class GameShell;

// The speed keys every board shares: "+" or "=" faster, "-" or "_" slower.
// True when the key was one of them.
bool stepDelayByKey(char key, std::int32_t& delay);

// The speed, music, sound and help buttons of a board: their pictures, their
// actions, and the pressed look of the held ones until the mouse is released.
class BoardButtons {
public:
    BoardButtons(const ButtonLayout& layout, std::int32_t& delay, GameShell& shell);

    void draw(BoardButton button, bool down) const;
    // The switches drawn down while their flag is on (the board shows them up).
    void drawSwitchesOn() const;
    // Every button at rest, for a board whose picture has only their sockets:
    // the switches as the record has them, the others up.
    void drawAll() const;
    // The music and sound buttons as the record has them.
    void showMusic() const;
    void showSound() const;

    // A left press: runs the action of the button hit; false when none was.
    bool press(int x, int y);
    // A left release on a held button gives it back its raised look.
    void release(int x, int y) const;

private:
    const ButtonPlace& place(BoardButton button) const;

    ButtonLayout layout_;
    std::array<Bitmap, boardButtonCount> up_;
    std::array<Bitmap, boardButtonCount> down_;
    std::int32_t& delay_;
    GameShell& shell_;
};

} // namespace tumbledown
