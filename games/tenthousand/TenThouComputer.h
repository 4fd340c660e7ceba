// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "TenThouRules.h"
#include "core/ComputerLevel.h"

namespace tumbledown {

class RandomSource;

namespace tenthousand {

using tumbledown::Level;

// What the computer remembers within one roll of its turn.
struct RollMemory {
    bool bust = false;                // the roll offered nothing
    bool tookStraightOrPairs = false; // it took a straight or three pairs
    int taken = 0;                    // panes taken so far in this roll
};

// The decisions of the three computer levels, for the seat to play (in the
// game the computer is player two; the levels tool seats it either side).
// playComputerRolls plays them out on the rules; the board shows each step.

// The next pane to take after a roll, looking at the panes in table order, or
// Pane::None when the taking stops. (A straight or three pairs ends the taking;
// the caller stops after one.)
Pane nextPaneToTake(const TenThouRules& rules, Level level, const RollMemory& memory);

// How many single 5's the Mage and the Wizard bank, unlit, before deciding:
// every 5 in play when all, or all but one, of the dice in play show 5. Always
// 0 for the Apprentice.
int fivesToBankBeforeDeciding(const TenThouRules& rules, Level level);

// Whether to throw again. diceBeforeFives is the number of dice in play as
// counted before the fives above were banked; the rules hold the state after.
// The Mage and the Wizard may draw three numbers from the random source.
bool keepRolling(const TenThouRules& rules, Level level, const RollMemory& memory,
                 int diceBeforeFives, RandomSource& random);

// What the board shows of the computer's turn. Each hook comes right before or
// after the step of the rules it names; none of them decides anything.
class ComputerTurnView {
public:
    virtual void rolling() {}                   // before each throw
    virtual void rolled(const RollResult&) {}   // the throw was made
    virtual void looking() {}                   // before each look at the panes
    virtual void scoring(Pane, bool /*lit*/) {} // a pane is about to be scored
    virtual void scored(Pane, const ScoreResult&, bool /*lit*/) {}
    // After each decision whether to throw again (before the rules' refusal
    // of a throw is taken into account).
    virtual void decided(bool /*again*/) {}

protected:
    ~ComputerTurnView() = default;
};

enum class ComputerRolls {
    ReadyToPass, // the caller passes
    Disaster,    // the throw rolled a disaster: the notice's dismissal ends the turn
};

// The computer's turn up to its pass, for the seat to play: throw; stop on a
// disaster; take panes, one look at a time, until none is wanted or a
// straight or three pairs was taken; bank the single 5's the level banks
// before deciding; decide, and throw again while the decision and the rules
// allow; then take every single 5 left, lit. Draws, in order: the dice of each
// throw and the decisions' numbers.
ComputerRolls playComputerRolls(TenThouRules& rules, Level level, RandomSource& random,
                                ComputerTurnView& view);

} // namespace tenthousand
} // namespace tumbledown
