// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ScreenInputs.h"

#include "GameList.h"
#include "MainScreen.h"
#include "ShellActions.h"
#include "core/ProgramState.h"
#include "games/board/BoardSpots.h"

#include <array>

namespace tumbledown {

namespace {

// The main screen's spots after the games' pictures, in the order they are hit.
struct ShellSpot {
    const char* id;
    Rect area;
    const char* name;
    void (ShellActions::*action)();
};
constexpr std::array<ShellSpot, 4> shellSpots{{
    {"help", {279, 108, 76, 37}, "Help", &ShellActions::openHelp},
    {"top-scores", {323, 157, 107, 28}, "Top scores", &ShellActions::runTopScoresDialog},
    {"about", {367, 195, 99, 30}, "About", &ShellActions::showAbout},
    {"next-tip", {501, 401, 89, 19}, "Next tip", &ShellActions::showNextTip},
}};

} // namespace

void MainScreenInput::leftDown(int x, int y) {
    for (const GameInfo* game : gameList()) {
        if (game->spot.contains(x, y)) {
            shell_.switchTo(*game);
            return;
        }
    }
    for (const ShellSpot& spot : shellSpots) {
        if (spot.area.contains(x, y)) {
            (shell_.*spot.action)();
            return;
        }
    }
}

std::vector<Spot> MainScreenInput::spots() const {
    std::vector<Spot> all;
    for (const GameInfo* game : gameList())
        all.push_back(buttonSpot(std::string("game-") + game->id, game->spot, game->name));
    for (const ShellSpot& spot : shellSpots)
        all.push_back(buttonSpot(spot.id, spot.area, spot.name));
    return all;
}

BoardWords MainScreenInput::words() const {
    const MainScreen::Tip& tip = MainScreen::tip(preferences().currentTip);
    return {joinedLines({tip.begin(), tip.end()}), "", ""};
}

} // namespace tumbledown
