// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ShutTheBoxRules.h"

#include <vector>

namespace tumbledown {

class RandomSource;

namespace shutthebox {

// The decisions of the computer and of the Gremlin, and the computer's turn
// played out on the rules through the operations a person uses; the board
// shows each step through a TurnView.

// The boxes the computer shuts for the throw on the board, largest first:
// as few boxes as possible, and among sets of one size the one whose largest
// box is highest, then its second, and so on. Empty when no set fits.
std::vector<int> computerBoxes(const ShutTheBoxRules& rules);
// The same for a board with these boxes shut and `rest` still to make.
std::vector<int> computerBoxes(const BoxSet& closed, int rest);

// After its throw: one die as soon as its open boxes add up to less than 7
// (the rules still decide whether the switch is allowed).
bool computerWantsOneDie(const ShutTheBoxRules& rules);
bool computerWantsOneDie(int openSum);

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

// What the board shows of a box click and of the computer's turn. Each hook
// comes right before or after the step of the rules it names.
class TurnView {
public:
    virtual void clicked(int /*box*/, BoxOutcome) {}
    virtual void gremlinStrikes(int /*box*/) {} // before its flip
    virtual void flipped(const FlipResult&) {}
    virtual void throwCompleted(bool /*hadTwoDice*/) {} // the dice went back
    virtual void clickDone() {}                         // after a click that was not refused
    // A click on the cup or the space bar: a throw, or the end of the turn.
    virtual void cupPlayed(const CupResult&, bool /*afterGame*/) {}
    virtual void oneDie() {} // the switch to one die was made
    virtual void pause() {}  // between the computer's moves

protected:
    ~TurnView() = default;
};

// A click on a box. When it completes the throw the Gremlin takes its chance
// and the throw is completed.
BoxOutcome clickBox(ShutTheBoxRules& rules, int box, bool gremlinOn, RandomSource& random,
                    TurnView& view);

// The cup clicked: rollOrEndTurn, shown.
CupResult playCup(ShutTheBoxRules& rules, RandomSource& random, TurnView& view);

// Someone's choices at the board: the boxes to shut for the throw lying there,
// and whether to go to one die once the dice are back. The game's computer by
// default.
class Chooser {
public:
    virtual ~Chooser() = default;
    virtual std::vector<int> boxesFor(const ShutTheBoxRules& rules) const {
        return computerBoxes(rules);
    }
    virtual bool wantsOneDie(const ShutTheBoxRules& rules) const {
        return computerWantsOneDie(rules);
    }
};

// The turn of the seat to move, from the throw to the click that ends it:
//   a throw
//   while the throw can be played: click the chosen boxes; one die if wanted;
//       throw again while any box is open
//   the click that ends the turn (whose result is returned)
// so the Gremlin's odds are drawn twice at its end.
CupResult playComputerTurn(ShutTheBoxRules& rules, const Chooser& player, bool gremlinOn,
                           RandomSource& random, TurnView& view);

} // namespace shutthebox
} // namespace tumbledown
