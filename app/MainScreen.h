// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/Graphics.h"

#include <array>
#include <future>
#include <optional>
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

    // Starts decoding the picture at the scale of the first paint, and
    // looking up the tip's face (it falls back to another typeface, which
    // takes a while to find).
    void prepare(int scale);
    // The picture's pixels go once it is drawn: the screen holds them, and a
    // game shown next has no use for them.
    void paint();
    void drawTip();
    // Shows the next tip, repainting only the tip panel.
    void nextTip();

private:
    // Made when first written with, after the first paint has started.
    const Font& tipFont();

    Bitmap background_;
    std::optional<Font> tipFont_;
    std::future<Font> tipFontAhead_;
};

} // namespace tumbledown
