// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "games/shutthebox/ShutTheBoxRules.h"

#include <array>
#include <cstdint>
#include <vector>

namespace tumbledown::levels::shutthebox {

using tumbledown::shutthebox::BoxSet;

// The open boxes as bits: bit n - 1 is box n.
using Mask = std::uint16_t;
inline constexpr Mask allOpen = 0x1FF;
inline constexpr int maskCount = 512;
inline constexpr Mask sevenToNine = 0x1C0;

Mask maskOf(const BoxSet& boxes);
BoxSet boxSetOf(Mask mask);
int sumOf(Mask mask);

// The sets of open boxes that add up to a throw (every box at most once), by
// open boxes and throw 1..12.
const std::vector<Mask>& closings(Mask open, int total);

enum class Dice : int { Two = 0, One = 1 };

// The Gremlin's setting for a turn: off, or on and striking 1 in `odds`
// (6..10, fixed within a turn since the odds are drawn again only when a turn
// ends). A player who plays best knows the odds of the turn.
inline constexpr int gremlinOff = 0;

// A way to play: which boxes to shut for each throw, and when to go to one
// die. Tables over every state, so that any policy, the computer's included,
// can be valued exactly.
struct Policy {
    // shut[dice][open][throw]: the boxes to shut (0 when no set fits).
    std::array<std::array<std::array<Mask, 13>, maskCount>, 2> shut{};
    // oneDie[open]: with two dice in the cup and boxes 7, 8, 9 shut, switch to one.
    std::array<bool, maskCount> oneDie{};
};

// Values of a turn under a policy, by the state with the dice in the cup
// (before any switch to one die): value[dice][open].
struct TurnValues {
    std::array<std::array<double, maskCount>, 2> value{};

    double fromStart() const { return value[static_cast<int>(Dice::Two)][allOpen]; }
    double at(Mask open, Dice dice) const { return value[static_cast<int>(dice)][open]; }
};

// The best play: the policy minimising the expected sum left open at the end
// of the turn, and that expected sum by state. Exact up to the convergence of
// value iteration (the Gremlin can reopen boxes, so the states form cycles);
// without the Gremlin every closing shrinks the open set and one ordered pass
// is exact.
struct Optimum {
    Policy policy;
    TurnValues expectedScore;
};
Optimum solveOptimal(int gremlinOdds);

// What a policy gives: the expected round score, and the probability of
// shutting every box, by state.
TurnValues expectedScore(const Policy& policy, int gremlinOdds);
TurnValues shutProbability(const Policy& policy, int gremlinOdds);

// The computer player's policy, read from its own decision functions by
// setting up each state on a rules object.
Policy computerPolicy();

// The best play for every Gremlin setting (off, and odds 6..10), solved once.
class OptimalTables {
public:
    OptimalTables();
    const Optimum& forTurn(bool gremlinOn, int gremlinOdds) const;

private:
    std::vector<Optimum> optimum_; // off, then odds 6..10
};

// Figures over the turn's start, averaging the odds 6..10 the turn may have
// when the Gremlin is on (they are drawn as r mod 5 + 6).
double averageFromStart(bool gremlinOn, const std::array<TurnValues, 6>& byOdds);

} // namespace tumbledown::levels::shutthebox
