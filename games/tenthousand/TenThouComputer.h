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

// The decisions of player two's three computer levels. The board plays them
// out (lighting panes, waiting, animating); these only decide. The computer
// is always player two.

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

} // namespace tenthousand
} // namespace tumbledown
