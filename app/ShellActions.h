// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Menus.h"

namespace tumbledown {

// What the screens' input can ask of the main window.
class ShellActions {
public:
    virtual ~ShellActions() = default;
    virtual void switchTo(ScreenState game) = 0;
    virtual void leaveGameToMainScreen() = 0;
    virtual void openHelp() = 0;
    virtual void showAbout() = 0;
    virtual void runTopScoresDialog() = 0;
    virtual void showNextTip() = 0;
};

} // namespace tumbledown
