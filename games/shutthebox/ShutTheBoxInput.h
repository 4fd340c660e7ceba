// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/InputRouting.h"
#include "core/Seat.h"

#include <string>

namespace tumbledown {

class GameShell;

namespace shutthebox {

class ShutTheBoxGame;

// What clicks and keys mean on the Shut The Box board.
class ShutTheBoxInput : public BoardInput {
public:
    ShutTheBoxInput(ShutTheBoxGame& game, GameShell& shell);

    void leftDown(int x, int y) override;
    void leftUp(int x, int y) override;
    void rightDown(int x, int y) override;
    void character(char c) override;
    bool flushesAfterRelease() const override { return true; }
    std::vector<Spot> spots() const override;
    BoardWords words() const override;

private:
    // The box under the point, or 0.
    static int boxAt(int x, int y);
    std::string playerName(Seat seat) const;

    ShutTheBoxGame& game_;
    GameShell& shell_;
};

} // namespace shutthebox
} // namespace tumbledown
