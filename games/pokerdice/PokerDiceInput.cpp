// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PokerDiceInput.h"

#include "PokerDiceGame.h"
#include "PokerDiceLayout.h"
#include "core/ProgramState.h"
#include "games/board/BoardButtons.h"
#include "games/board/GameShell.h"

namespace tumbledown::pokerdice {

using namespace layout;

PokerDiceInput::PokerDiceInput(PokerDiceGame& game, GameShell& shell)
    : game_(game), shell_(shell) {}

void PokerDiceInput::leftDown(int x, int y) {
    // The panel's words act first; what lies under them is tested afterwards.
    bool resetPlayers = false;
    if (game_.panelUp()) {
        if (playWord.contains(x, y)) {
            game_.play();
        } else if (resetWord.contains(x, y)) {
            game_.resetPlayers();
            resetPlayers = true;
        } else if (quitWord.contains(x, y)) {
            shell_.leaveGame();
            return;
        }
    }
    if (!table(x, y))
        return;
    if (game_.betMayChange())
        abacus(x, y);
    // The dialog enters a settled hand into the tables before it opens.
    if (resetPlayers || playerOneNames.contains(x, y) || playerTwoNames.contains(x, y) ||
        sign.contains(x, y))
        shell_.runOptionsDialog();
}

bool PokerDiceInput::table(int x, int y) {
    if (rollCandle.contains(x, y)) {
        game_.rollCandle();
        return true;
    }
    if (passCandle.contains(x, y)) {
        game_.endTurn();
        return true;
    }
    for (int die = 1; die <= 5; ++die) {
        if (dieSpot(die).contains(x, y)) {
            game_.discard(die);
            return true;
        }
    }
    if (game_.buttons().press(x, y))
        return true;
    if (acesWildButton.contains(x, y)) {
        game_.toggleAcesWild();
    } else if (exitButton.contains(x, y)) {
        shell_.leaveGame();
        return false;
    }
    return true;
}

void PokerDiceInput::abacus(int x, int y) {
    int digit = 0;
    bool upperHalf = false;
    for (int i = 1; i <= 7; ++i) {
        if (digitSpot(i).contains(x, y)) {
            digit = i;
            upperHalf = y - boardOrigin.y <= digits[i].y + digitHeight / 2;
        }
    }
    if (digit) {
        game_.clickDigit(digit, upperHalf);
        return;
    }
    int rod = 0;
    int place = 0;
    for (int r = 1; r <= rods; ++r)
        for (int p = 1; p <= beadPlaces; ++p)
            if (beadSpot(r, p).contains(x, y)) {
                rod = r;
                place = p;
            }
    if (rod)
        game_.clickBead(rod, place);
}

void PokerDiceInput::leftUp(int x, int y) {
    game_.buttons().release(x, y);
}

void PokerDiceInput::rightDown(int, int) {
    game_.undoDiscards();
}

void PokerDiceInput::character(char c) {
    if (stepDelayByKey(c, game_.settings().delay()))
        return;
    switch (c) {
    case ' ':
        game_.spaceBar();
        break;
    case 'p':
    case 'P':
        game_.endTurn();
        break;
    case 'u':
    case 'U':
        game_.undoDiscards();
        break;
    case 's':
    case 'S':
        game_.topScoresBox();
        break;
    default:
        break;
    }
}

} // namespace tumbledown::pokerdice
