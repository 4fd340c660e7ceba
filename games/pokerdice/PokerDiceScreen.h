// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "PokerDiceGame.h"
#include "PokerDiceInput.h"
#include "games/board/BoardScreen.h"

namespace tumbledown::pokerdice {

// Poker Dice as a screen of the window: the game, its input and its options.
// Whatever starts a new match, changes the players or leaves the game first
// enters a settled hand's coins into the tables, under the names and coins it
// was won with.
class PokerDiceScreen final : public BoardScreen {
public:
    explicit PokerDiceScreen(GameShell& shell);

    void paint() override { game_.paint(); }
    BoardInput& input() override { return input_; }
    BoardButtons& buttons() override { return game_.buttons(); }
    const OptionsMenu& optionsMenu() const override;
    std::vector<int> checkedOptions() const override;
    bool optionCommand(int id) override;
    bool runOptionsDialog() override;
    void leaving() override { game_.flushPendingTables(); }

private:
    void setOpponent(Opponent opponent);

    PokerDiceGame game_;
    PokerDiceInput input_;
};

const GameInfo& pokerDiceInfo();

} // namespace tumbledown::pokerdice
