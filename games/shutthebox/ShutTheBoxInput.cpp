// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ShutTheBoxInput.h"

#include "ShutTheBoxGame.h"
#include "core/ProgramState.h"
#include "games/board/BoardButtons.h"
#include "games/board/GameShell.h"

namespace tumbledown::shutthebox {

namespace {
constexpr Spot cup{300, 408, 242, 348};
constexpr Spot back{52, 79, 361, 381};
constexpr Spot gremlin{359, 372, 360, 383};
constexpr Spot oneDie{316, 339, 362, 383};
constexpr Spot playerOneName{91, 266, 225, 243};
constexpr Spot playerTwoName{91, 266, 275, 293};
} // namespace

ShutTheBoxInput::ShutTheBoxInput(ShutTheBoxGame& game, GameShell& shell)
    : game_(game), shell_(shell) {}

int ShutTheBoxInput::boxAt(int x, int y) {
    for (int box = 1; box <= boxCount; ++box)
        if (Spot{boxLeft[box], boxLeft[box] + 56, 33, 158}.contains(x, y))
            return box;
    return 0;
}

void ShutTheBoxInput::leftDown(int x, int y) {
    if (const int box = boxAt(x, y)) {
        game_.clickBox(box);
    } else if (cup.contains(x, y)) {
        game_.rollOrEndTurn();
    } else if (back.contains(x, y)) {
        shell_.leaveGame();
    } else if (game_.buttons().press(x, y)) {
        // the button has done its work
    } else if (gremlin.contains(x, y)) {
        shell_.captureMouse();
        game_.toggleGremlin();
    } else if (oneDie.contains(x, y)) {
        shell_.captureMouse();
        game_.useOneDie();
    } else if (playerOneName.contains(x, y) || playerTwoName.contains(x, y)) {
        shell_.runOptionsDialog();
    }
}

void ShutTheBoxInput::leftUp(int x, int y) {
    game_.buttons().release(x, y);
}

void ShutTheBoxInput::rightDown(int x, int y) {
    if (const int box = boxAt(x, y))
        game_.clickBox(box);
}

void ShutTheBoxInput::character(char c) {
    if (c >= '1' && c <= '9') {
        game_.clickBox(c - '0');
        return;
    }
    if (stepDelayByKey(c, game_.settings().delay()))
        return;
    switch (c) {
    case ' ':
        game_.rollOrEndTurn();
        break;
    case 's':
    case 'S':
        game_.showTopScores();
        break;
    default:
        break;
    }
}

} // namespace tumbledown::shutthebox
