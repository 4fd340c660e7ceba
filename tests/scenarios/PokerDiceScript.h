// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Building replay scripts for the Poker Dice board.

#include "Scenario.h"
#include "ScriptText.h"
#include "TranscriptLines.h"

#include "games/pokerdice/PokerDiceLayout.h"

#include <array>
#include <cstdint>
#include <initializer_list>
#include <string>

namespace tumbledown::test::pokerdice {

using test::at;

// -- where things are: a point inside each spot, board-relative

using Point = test::BoardPoint;

inline constexpr Point playWord{511, 312}, resetWord{510, 342}, quitWord{510, 373};
inline constexpr Point rollCandle{348, 290}, passCandle{295, 330};
inline constexpr Point acesWildButton{236, 230}, exitButton{235, 166};
inline constexpr Point speedUp{304, 156}, slowDown{339, 157}, musicButton{375, 156},
    musicFileButton{233, 199}, soundButton{409, 161}, helpButton{266, 156};
inline constexpr Point playerOneName{321, 45}, playerTwoName{321, 90}, sign{330, 134};
inline constexpr std::array<Point, 6> dieCentres{
    {{0, 0}, {498, 224}, {444, 284}, {518, 288}, {498, 356}, {572, 332}}};
// The abacus's digits and beads are hit where they are drawn.
inline Point digitUpper(int digit) {
    const auto p = tumbledown::pokerdice::layout::digits[digit];
    return {p.x + 6, p.y + 2};
}
inline Point digitLower(int digit) {
    const auto p = tumbledown::pokerdice::layout::digits[digit];
    return {p.x + 6, p.y + 12};
}
inline Point bead(int rod, int place) {
    const auto p = tumbledown::pokerdice::layout::beads[rod][place];
    return {p.x + 5, p.y + 4};
}

// Poker Dice's moves; faces are digits, one per die: 1 = A, 2 = K, ... 6 = 9.
class Script : public ScriptText<Script> {
public:
    // Enters Poker Dice. The computer's purse is drawn first (r mod 11 + 1: 1 is
    // 5,000, k is 10,000 x (k - 1)); the third of the next three draws chooses
    // who plays first (r mod 20 + 1 up to 10: player one).
    Script& enter(int purse = 0, int third = 0) {
        return raw("menu 102").draws({purse, 0, 0, third});
    }
    Script& rclick(Point p = {300, 20}) { return ScriptText::rclick(p); }
    Script& play() { return click(playWord); }
    Script& space(const std::string& digits = "") { return key("space").faces(digits); }
    Script& die(int n) { return click(dieCentres[n]); }
    // Touches these dice, one after the other.
    Script& dice(std::initializer_list<int> dice) {
        for (int n : dice)
            die(n);
        return *this;
    }
    Script& clicks(std::initializer_list<Point> points) {
        for (Point p : points)
            click(p);
        return *this;
    }
    Script& pass() { return key("p"); }
};

inline std::string coins(std::int64_t one, std::int64_t two, std::int64_t bet) {
    return tabbed("coins", {one, two, bet});
}
inline std::string dice(const std::string& faces) {
    return "dice\tpokerdice\t" + faces;
}

// Both named, Poker Dice against a person (level 0) or a computer level
// (1 Apprentice, 2 Mage, 3 Wizard), a step of 10 ms, sound on, no music, the
// welcome already seen, and the bet and coins given.
inline PreferencesRecord pokerRecord(int level = 0, int rolls = 3, int bet = 100,
                                     std::uint32_t one = 5000, std::uint32_t two = 5000) {
    PreferencesRecord r = test::namedRecord("ANN", "BEN");
    r.pokerDiceWelcome = 0;
    r.musicOn = 0;
    r.soundOn = 1;
    r.pokerDiceDelay = 10;
    r.pokerDiceApprentice = level == 1;
    r.pokerDiceMage = level == 2;
    r.pokerDiceWizard = level == 3;
    r.rollsPerTurn = rolls;
    r.acesWild = 0;
    r.bet = bet;
    r.player1Coins = one;
    r.player2Coins = two;
    return r;
}

} // namespace tumbledown::test::pokerdice
