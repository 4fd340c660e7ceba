// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "GameScreen.h"

#include <cstdint>

namespace tumbledown {

// The commands every game's options popup has, by their ids in that popup.
struct CommonOptions {
    int soundOn, soundOff, faster, slower;
};

// What the three games' screens share: the sound and speed commands.
class BoardScreen : public GameScreen {
protected:
    BoardScreen(GameShell& shell, const CommonOptions& ids, std::int32_t& delay)
        : shell_(shell), ids_(ids), delay_(delay) {}

    // The sound and speed commands; false for any other.
    bool commonCommand(int id);
    // The sound group's item the record checks.
    int checkedSound() const;

    GameShell& shell_;

private:
    CommonOptions ids_;
    std::int32_t& delay_;
};

} // namespace tumbledown
