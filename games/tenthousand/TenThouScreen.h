// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "PaneRegions.h"
#include "TenThouGame.h"
#include "TenThouInput.h"
#include "games/board/BoardScreen.h"

namespace tumbledown::tenthousand {

// 10,000 as a screen of the window: the game, its panes' hit shapes, its
// input and its options.
class TenThouScreen final : public BoardScreen {
public:
    explicit TenThouScreen(GameShell& shell);

    void paint() override { game_.paint(); }
    BoardInput& input() override { return input_; }
    BoardButtons& buttons() override { return game_.buttons(); }
    void boardMoved() override;
    const OptionsMenu& optionsMenu() const override;
    std::vector<int> checkedOptions() const override;
    bool optionCommand(int id) override;
    bool runOptionsDialog() override;
    void leaving() override;

private:
    // A new opponent or name: who goes first is drawn anew for a game of its own.
    void restart();

    TenThouGame game_;
    PaneRegions panes_;
    TenThouInput input_;
};

const GameInfo& tenThouInfo();

} // namespace tumbledown::tenthousand
