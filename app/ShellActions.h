// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace tumbledown {

struct GameInfo;

// What the screens' input can ask of the main window.
class ShellActions {
public:
    virtual ~ShellActions() = default;
    virtual void switchTo(const GameInfo& game) = 0;
    virtual void openHelp() = 0;
    virtual void showAbout() = 0;
    virtual void runTopScoresDialog() = 0;
    virtual void showNextTip() = 0;
};

} // namespace tumbledown
