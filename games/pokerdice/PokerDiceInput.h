// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/InputRouting.h"

namespace tumbledown {

class GameShell;

namespace pokerdice {

class PokerDiceGame;

// What clicks and keys mean on the Poker Dice board: the panel's words, the
// candles, the dice, the buttons, the abacus between hands and the names and
// sign that open the options; a right click takes back the discards.
class PokerDiceInput : public BoardInput {
public:
    PokerDiceInput(PokerDiceGame& game, GameShell& shell);

    void leftDown(int x, int y) override;
    void leftUp(int x, int y) override;
    void rightDown(int x, int y) override;
    void character(char c) override;
    std::vector<Spot> spots() const override;
    BoardWords words() const override;

private:
    // The candles, a die or a button; false when the game was left.
    bool table(int x, int y);
    void abacus(int x, int y);
    void addAbacusSpots(std::vector<Spot>& spots) const;

    PokerDiceGame& game_;
    GameShell& shell_;
};

} // namespace pokerdice
} // namespace tumbledown
