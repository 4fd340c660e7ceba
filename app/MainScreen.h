// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/Graphics.h"

#include <array>
#include <string>

namespace tumbledown {

// The picture from which a game is chosen, and the tip of the day on it.
class MainScreen {
public:
    static constexpr int tipCount = 11;
    static constexpr int tipLines = 3;
    using Tip = std::array<std::string, tipLines>;

    MainScreen();

    static const Tip& tip(int number);

    void paint();
    void drawTip();
    // Shows the next tip, repainting only the tip panel.
    void nextTip();

private:
    Bitmap background_;
    Font tipFont_;
};

} // namespace tumbledown
