// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ShutTheBoxInput.h"

#include "ShutTheBoxGame.h"
#include "ShutTheBoxLayout.h"
#include "core/ProgramState.h"
#include "games/board/BoardButtons.h"
#include "games/board/BoardSpots.h"
#include "games/board/GameShell.h"

#include <cstdlib>

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

std::string ShutTheBoxInput::playerName(Seat seat) const {
    if (seat == Seat::One)
        return preferences().player1();
    return game_.settings().vsComputer() ? "COMPUTER" : preferences().player2();
}

std::vector<Spot> ShutTheBoxInput::spots() const {
    const ShutTheBoxRules& rules = game_.rules();
    std::vector<Spot> spots;
    // A box is a spot while a click would shut it, or open it again.
    for (int n = 1; n <= boxCount; ++n)
        if (rules.pending(n) || rules.canShut(n))
            spots.push_back(
                toggleSpot("box-" + std::to_string(n), box(n),
                           "Box " + std::to_string(n) + (rules.closed(n) ? ", shut" : ", open"),
                           rules.closed(n)));
    if (rules.gameOver())
        spots.push_back(buttonSpot("cup", cup, "Cup, new game"));
    else if (!rules.diceOut())
        spots.push_back(
            buttonSpot("cup", cup, rules.twoDice() ? "Cup, roll the dice" : "Cup, roll the die"));
    else if (!rules.canCompleteThrow())
        spots.push_back(buttonSpot("cup", cup, "Cup, end the turn"));
    if (rules.canUseOneDie())
        spots.push_back(buttonSpot("one-die", oneDieIcon, "Play one die"));
    const bool gremlin = game_.settings().gremlinOn();
    spots.push_back(
        toggleSpot("gremlin", gremlinSpot, gremlin ? "Gremlin, on" : "Gremlin, off", gremlin));
    spots.push_back(buttonSpot("back", back, "Main screen"));
    addButtonSpots(spots, buttons);
    for (Seat seat : {Seat::One, Seat::Two})
        spots.push_back(nameSpot(seat, names[seatIndex(seat)], playerName(seat)));
    return spots;
}

BoardWords ShutTheBoxInput::words() const {
    const ShutTheBoxRules& rules = game_.rules();
    BoardWords words;
    const int one = rules.total(Seat::One);
    const int two = rules.total(Seat::Two);
    if (rules.gameOver())
        words.message = one == two ? "Tie"
                                   : playerName(one < two ? Seat::One : Seat::Two) + " wins by " +
                                         std::to_string(std::abs(one - two));
    for (Seat seat : {Seat::One, Seat::Two})
        words.scores += (seat == Seat::One ? "" : ". ") + playerName(seat) + " " +
                        std::to_string(rules.roundScore(seat)) + " this round, " +
                        std::to_string(rules.total(seat)) + " in all";
    if (rules.diceOut()) {
        std::vector<int> faces{rules.die(1)};
        if (rules.twoDice())
            faces.push_back(rules.die(2));
        words.dice = diceWords(faces, [](int face) { return std::to_string(face); });
    }
    return words;
}

} // namespace tumbledown::shutthebox
