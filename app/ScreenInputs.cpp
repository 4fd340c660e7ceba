// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ScreenInputs.h"

#include "GameList.h"
#include "ShellActions.h"

namespace tumbledown {

void MainScreenInput::leftDown(int x, int y) {
    for (const GameInfo* game : gameList()) {
        if (game->spot.contains(x, y)) {
            shell_.switchTo(*game);
            return;
        }
    }
    if (Rect{279, 108, 76, 37}.contains(x, y))
        shell_.openHelp();
    else if (Rect{323, 157, 107, 28}.contains(x, y))
        shell_.runTopScoresDialog();
    else if (Rect{367, 195, 99, 30}.contains(x, y))
        shell_.showAbout();
    else if (Rect{501, 401, 89, 19}.contains(x, y))
        shell_.showNextTip();
}

} // namespace tumbledown
