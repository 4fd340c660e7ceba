// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ShutTheBoxGame.h"
#include "ShutTheBoxInput.h"
#include "games/board/BoardScreen.h"

namespace tumbledown::shutthebox {

// Shut The Box as a screen of the window: the game, its input and its options.
class ShutTheBoxScreen final : public BoardScreen {
public:
    explicit ShutTheBoxScreen(GameShell& shell);

    void paint() override { game_.paint(); }
    BoardInput& input() override { return input_; }
    BoardButtons& buttons() override { return game_.buttons(); }
    const OptionsMenu& optionsMenu() const override;
    std::vector<int> checkedOptions() const override;
    bool optionCommand(int id) override;
    bool runOptionsDialog() override;

private:
    ShutTheBoxGame game_;
    ShutTheBoxInput input_;
};

const GameInfo& shutTheBoxInfo();

} // namespace tumbledown::shutthebox
