// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/InputRouting.h"

namespace tumbledown {

class GameShell;
class PaneRegions;

namespace tenthousand {

class TenThouGame;

// What clicks and keys mean on the 10,000 board: with no message up they touch
// panes and buttons; a notice takes any of them as its dismissal; a prompt
// only listens to its three options.
class TenThouInput : public BoardInput {
public:
    TenThouInput(TenThouGame& game, const PaneRegions& panes, GameShell& shell);

    void leftDown(int x, int y) override;
    void leftUp(int x, int y) override;
    void rightDown(int x, int y) override;
    void character(char c) override;
    bool flushesAfterRelease() const override { return true; }
    std::vector<Spot> spots() const override;
    // While a message is up every key is its answer.
    bool claimsKey(char) const override;
    BoardWords words() const override;

private:
    void leftDownOnBoard(int x, int y);
    void leftDownOnPrompt(int x, int y);

    TenThouGame& game_;
    const PaneRegions& panes_;
    GameShell& shell_;
};

} // namespace tenthousand
} // namespace tumbledown
