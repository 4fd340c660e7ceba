// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PokerDiceInput.h"

#include "PokerDiceGame.h"
#include "PokerDiceLayout.h"
#include "core/ProgramState.h"
#include "games/board/BoardButtons.h"
#include "games/board/BoardSpots.h"
#include "games/board/GameShell.h"

#include <array>

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

namespace {

std::string faceName(int face) {
    static const std::array<const char*, 7> names{"",     "ace", "king", "queen",
                                                  "jack", "ten", "nine"};
    return face >= 1 && face <= 6 ? names[face] : "";
}

// The abacus's rods and the digits under them, units first.
constexpr std::array<const char*, 8> placeNames{
    "", "units", "tens", "hundreds", "thousands", "ten thousands", "hundred thousands", "millions"};

std::string coins(std::int64_t count) {
    return std::to_string(count) + (count == 1 ? " coin" : " coins");
}

} // namespace

std::vector<Spot> PokerDiceInput::spots() const {
    const PokerDiceRules& rules = game_.rules();
    std::vector<Spot> spots;
    if (game_.panelUp()) {
        spots.push_back(buttonSpot("play", playWord, "Play"));
        spots.push_back(buttonSpot("reset-players", resetWord, "Reset players"));
        spots.push_back(buttonSpot("quit", quitWord, "Quit"));
    }
    if (game_.betMayChange())
        addAbacusSpots(spots);
    spots.push_back(buttonSpot("roll", rollCandle, "Roll"));
    if (rules.rollsUsed() >= 1)
        spots.push_back(buttonSpot("pass", passCandle, "Pass"));
    int inCup = 0;
    for (int die = 1; die <= 5; ++die)
        inCup += rules.offTable(die);
    const bool mayDiscard = rules.rollsUsed() < rules.rollsPerTurn() && inCup < 3;
    for (int die = 1; die <= 5; ++die)
        if (mayDiscard && rules.onTable(die))
            spots.push_back(
                buttonSpot("die-" + std::to_string(die), dieSpot(die),
                           "Die " + std::to_string(die) + ", " + faceName(rules.die(die))));
    addButtonSpots(spots, buttons);
    const bool wild = game_.settings().acesWild();
    spots.push_back(
        toggleSpot("aces-wild", acesWildButton, wild ? "Aces wild, on" : "Aces wild, off", wild));
    spots.push_back(buttonSpot("back", exitButton, "Main screen"));
    const Opponent computer = game_.settings().opponent();
    spots.push_back(nameSpot(Seat::One, playerOneNames, seatName(Seat::One, computer)));
    spots.push_back(nameSpot(Seat::Two, playerTwoNames, seatName(Seat::Two, computer)));
    spots.push_back(buttonSpot("options", sign, "Options"));
    return spots;
}

void PokerDiceInput::addAbacusSpots(std::vector<Spot>& spots) const {
    const PokerDiceRules& rules = game_.rules();
    const std::int32_t bet = rules.bet();
    // A digit or bead is live when it changes the bet both sides can pay.
    for (int i = 7; i >= 1; --i) {
        const std::string place = placeNames[i];
        const std::string now = ", now " + std::to_string(betDigit(bet, i));
        // The upper half of a digit raises it, the lower half lowers it.
        const Rect upper{digits[i].x, digits[i].y, digitWidth, digitHeight / 2};
        const Rect lower{digits[i].x, digits[i].y + digitHeight / 2 + 1, digitWidth,
                         digitHeight - digitHeight / 2 - 1};
        if (rules.payable(betAfterDigitClick(bet, i, true)) != bet)
            spots.push_back(buttonSpot("digit-" + std::to_string(i) + "-up", upper,
                                       "Raise the " + place + " digit" + now));
        if (rules.payable(betAfterDigitClick(bet, i, false)) != bet)
            spots.push_back(buttonSpot("digit-" + std::to_string(i) + "-down", lower,
                                       "Lower the " + place + " digit" + now));
    }
    for (int rod = rods; rod >= 1; --rod) {
        for (int place = 1; place <= beadPlaces; ++place) {
            const std::int32_t after = rules.payable(betAfterBeadClick(bet, rod, place));
            if (after == bet)
                continue;
            const std::string bead = place <= 2 ? "Five-bead of the " : "One-bead of the ";
            spots.push_back(buttonSpot(
                "bead-" + std::to_string(rod) + "-" + std::to_string(place), beadSpot(rod, place),
                bead + placeNames[rod] + " rod, " +
                    (after > bet ? "adds " + std::to_string(after - bet)
                                 : "takes off " + std::to_string(bet - after))));
        }
    }
}

BoardWords PokerDiceInput::words() const {
    const PokerDiceRules& rules = game_.rules();
    BoardWords words;
    if (game_.panelUp())
        words.message = joinedLines(game_.messageLines());
    const Stakes& stakes = rules.stakes();
    const Opponent computer = game_.settings().opponent();
    words.scores = seatName(Seat::One, computer) + " " + coins(stakes.player1) + ". " +
                   seatName(Seat::Two, computer) + " " +
                   coins(computer ? stakes.purse : stakes.player2) + ". Bet " + coins(stakes.bet);
    std::vector<int> faces;
    for (int die = 1; die <= 5; ++die)
        if (rules.onTable(die))
            faces.push_back(rules.die(die));
    words.dice = diceWords(faces, faceName);
    return words;
}

} // namespace tumbledown::pokerdice
