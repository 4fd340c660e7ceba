// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "games/shutthebox/ShutTheBoxRules.h"
#include "platform/RandomSource.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace tumbledown::shutthebox::testing {

// A value no operation draws unless it takes one draw too many.
inline constexpr std::int32_t sentinel = 424242;

// Exactly the queued draws were taken, no more and no fewer.
inline void expectAllDrawsTaken(RandomSource& random) {
    random.queueValues({sentinel});
    EXPECT_EQ(random.draw(), sentinel);
}

// A game object as created with the Gremlin's odds at 6.
inline ShutTheBoxRules freshGame(RandomSource& random) {
    random.queueValues({0, 0, 0});
    return ShutTheBoxRules(random);
}

inline BoxSet boxes(std::initializer_list<int> numbers) {
    BoxSet set;
    for (int n : numbers)
        set[n] = true;
    return set;
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
