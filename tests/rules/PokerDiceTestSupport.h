// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "RulesTestSupport.h"

#include "games/pokerdice/PokerDiceRules.h"

namespace tumbledown::pokerdice::testing {

using tumbledown::testing::expectAllDrawsTaken;
using tumbledown::testing::sentinel;

inline constexpr int A = ace, K = king, Q = queen, J = jack, T = ten, N = nine;

inline Dice hand(int a, int b, int c, int d, int e) {
    return Dice{0, a, b, c, d, e};
}

inline DiceSet dice(std::initializer_list<int> numbers) {
    return tumbledown::testing::numbered<DiceSet>(numbers);
}

} // namespace tumbledown::pokerdice::testing
