// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ShutTheBoxRules.h"

#include <vector>

namespace tumbledown {

class RandomSource;

namespace shutthebox {

// The decisions of the computer (always player two) and of the Gremlin. The
// board plays them out through the same operations a person uses, animating
// and waiting between them; these only decide.
//
// The computer's turn, as the board runs it:
//   rollOrEndTurn (a roll)
//   while (!rules.noMoveLeft(random)):
//       clickBox(n) for each n of computerBoxes(rules), in that order
//       if computerWantsOneDie(rules): useOneDie()
//       if computerRollsAgain(rules): rollOrEndTurn (a roll)
//   rollOrEndTurn (ends the turn)
// so the Gremlin's odds are drawn twice at its end.

// The boxes the computer shuts for the throw on the board, largest first:
// as few boxes as possible, and among sets of one size the one whose largest
// box is highest, then its second, and so on. Empty when no set fits.
std::vector<int> computerBoxes(const ShutTheBoxRules& rules);

// After its throw: one die as soon as its open boxes add up to less than 7
// (the rules still decide whether the switch is allowed).
bool computerWantsOneDie(const ShutTheBoxRules& rules);

// After its throw: it throws again while any box is open.
bool computerRollsAgain(const ShutTheBoxRules& rules);

struct GremlinChance {
    bool strikes = false;
    int box = 0; // 1..9 when it strikes
};

// Taken when a throw has just been completed (clickBox answered ThrowComplete).
// With the Gremlin off nothing is drawn. Otherwise one draw decides whether it
// strikes (1 in gremlinOdds), and only then a second draw picks its box.
GremlinChance gremlinChance(const ShutTheBoxRules& rules, bool gremlinOn, RandomSource& random);

} // namespace shutthebox
} // namespace tumbledown
