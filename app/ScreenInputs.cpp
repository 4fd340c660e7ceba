// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ScreenInputs.h"

#include "ShellActions.h"

namespace tumbledown {

void MainScreenInput::leftDown(int x, int y) {
    if (Spot{49, 150, 275, 419}.contains(x, y))
        shell_.switchTo(ScreenState::ShutTheBox);
    else if (Spot{49, 150, 27, 124}.contains(x, y))
        shell_.switchTo(ScreenState::TenThousand);
    else if (Spot{49, 150, 133, 260}.contains(x, y))
        shell_.switchTo(ScreenState::PokerDice);
    else if (Spot{279, 355, 108, 145}.contains(x, y))
        shell_.openHelp();
    else if (Spot{323, 430, 157, 185}.contains(x, y))
        shell_.runTopScoresDialog();
    else if (Spot{367, 466, 195, 225}.contains(x, y))
        shell_.showAbout();
    else if (Spot{501, 590, 401, 420}.contains(x, y))
        shell_.showNextTip();
}

} // namespace tumbledown
