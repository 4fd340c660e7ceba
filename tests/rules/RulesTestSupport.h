// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/RandomSource.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace tumbledown::testing {

// A value no operation draws unless it takes one draw too many.
inline constexpr std::int32_t sentinel = 424242;

// Exactly the queued draws were taken, no more and no fewer: a draw beyond
// them would have moved the unseeded generator away from state 0.
inline void expectAllDrawsTaken(RandomSource& random) {
    EXPECT_EQ(random.state(), 0u) << "a draw beyond the queued ones";
    random.queueValues({sentinel});
    EXPECT_EQ(random.draw(), sentinel) << "queued draws left over";
}

// A set of dice or boxes named by number.
template <class Set> Set numbered(std::initializer_list<int> numbers) {
    Set set;
    for (int n : numbers)
        set.set(n);
    return set;
}

} // namespace tumbledown::testing
