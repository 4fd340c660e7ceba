// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/InputRouting.h"

namespace tumbledown {

class ShellActions;

// The main screen's spots: the three games, help, the scores dialog, About and
// the next tip. Keys do nothing here.
class MainScreenInput : public BoardInput {
public:
    explicit MainScreenInput(ShellActions& shell) : shell_(shell) {}
    void leftDown(int x, int y) override;
    std::vector<Spot> spots() const override;
    // The tip of the day.
    BoardWords words() const override;

private:
    ShellActions& shell_;
};

} // namespace tumbledown
