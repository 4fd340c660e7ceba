// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "RulesTestSupport.h"

#include "games/shutthebox/ShutTheBoxRules.h"

#include <string>

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

// The whole visible state: who moves, the shut and pending boxes, the dice,
// the scores, the Gremlin's odds, a throw awaiting completion, the game over.
inline std::string state(const ShutTheBoxRules& r) {
    const auto numbers = [](const BoxSet& set) {
        std::string s;
        for (int n = 1; n <= 9; ++n)
            s += set[n] ? std::to_string(n) : "";
        return s.empty() ? std::string("-") : s;
    };
    return std::string(r.toMove() == Seat::One ? "P1" : "P2") + " shut " +
           numbers(r.closedBoxes()) + " pending " + numbers(r.pendingBoxes()) +
           (r.diceOut() ? " out " : " in ") + std::to_string(r.die(1)) +
           (r.twoDice() ? "+" + std::to_string(r.die(2)) : "") + " round " +
           std::to_string(r.roundScore(Seat::One)) + "/" + std::to_string(r.roundScore(Seat::Two)) +
           " total " + std::to_string(r.total(Seat::One)) + "/" +
           std::to_string(r.total(Seat::Two)) + " odds " + std::to_string(r.gremlinOdds()) +
           (r.throwAwaitingCompletion() ? " awaiting" : "") + (r.gameOver() ? " over" : "");
}

} // namespace tumbledown::shutthebox::testing
