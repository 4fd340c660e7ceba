// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ShutTheBoxInput.h"

#include "ShutTheBoxGame.h"
#include "ShutTheBoxLayout.h"
#include "core/ProgramState.h"
#include "games/board/BoardButtons.h"
#include "games/board/GameShell.h"

namespace tumbledown::shutthebox {

using namespace layout;

ShutTheBoxInput::ShutTheBoxInput(ShutTheBoxGame& game, GameShell& shell)
    : game_(game), shell_(shell) {}

int ShutTheBoxInput::boxAt(int x, int y) {
    for (int box = 1; box <= boxCount; ++box)
        if (layout::box(box).contains(x, y))
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
    } else if (gremlinSpot.contains(x, y)) {
        shell_.captureMouse();
        game_.toggleGremlin();
    } else if (oneDieIcon.contains(x, y)) {
        shell_.captureMouse();
        game_.useOneDie();
    } else if (names[0].contains(x, y) || names[1].contains(x, y)) {
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
