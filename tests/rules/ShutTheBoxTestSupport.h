// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "RulesTestSupport.h"

#include "games/shutthebox/ShutTheBoxRules.h"

namespace tumbledown::shutthebox::testing {

using tumbledown::testing::expectAllDrawsTaken;

// A game object as created with the Gremlin's odds at 6.
inline ShutTheBoxRules freshGame(RandomSource& random) {
    random.queueValues({0, 0, 0});
    return ShutTheBoxRules(random);
}

inline BoxSet boxes(std::initializer_list<int> numbers) {
    return tumbledown::testing::numbered<BoxSet>(numbers);
}

// Every box shut except these.
inline BoxSet allShutBut(std::initializer_list<int> open) {
    BoxSet set = ~boxes(open);
    set[0] = false;
    return set;
}

// Throws the dice with these faces (one face with one die).
inline void throwDice(ShutTheBoxRules& rules, RandomSource& random, int die1, int die2 = 0) {
    if (die2 == 0)
        random.queueValues({die1 - 1});
    else
        random.queueValues({die1 - 1, die2 - 1});
    ASSERT_EQ(rules.rollOrEndTurn(random).outcome, CupOutcome::Rolled);
}

} // namespace tumbledown::shutthebox::testing
