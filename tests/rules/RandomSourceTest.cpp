// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/RandomSource.h"

#include <gtest/gtest.h>

using tumbledown::RandomSource;

// Expected values worked out by hand from the generator's definition:
// state' = state * (0x15A4 * 2^32 + 0x4E35) + 1 mod 2^64, draw = bits 32..62.
TEST(RandomSource, FirstDrawsFromSmallSeeds) {
    RandomSource r;
    r.seed(0);
    // 0 * m + 1 = 1: the upper half is 0.
    EXPECT_EQ(r.draw(), 0);
    // 1 * m + 1 = 0x15A4_00004E36: upper half 0x15A4.
    EXPECT_EQ(r.draw(), 0x15A4);
    EXPECT_EQ(r.state(), 0x000015A400004E36ull);

    r.seed(1);
    EXPECT_EQ(r.draw(), 0x15A4);
}

TEST(RandomSource, TopBitIsCleared) {
    RandomSource r;
    // With state 0x60000 the upper half is 6 * 0x15A4 = 0x81D8 shifted by 16, plus
    // the carry 1 of 6 * 0x4E35 << 16: 0x81D80001, whose top bit is dropped.
    r.seed(0x60000);
    EXPECT_EQ(r.draw(), 0x01D80001);
    // Seed 0xFFFFFFFF: the low product 0xFFFFFFFF * 0x4E35 + 1 = 0x4E34_FFFF_B1CC carries
    // 0x4E34 into the upper half, which is 0xFFFFFFFF * 0x15A4 = 0xFFFFEA5C mod 2^32;
    // 0xFFFFEA5C + 0x4E34 wraps to 0x3890.
    r.seed(0xFFFFFFFFu);
    EXPECT_EQ(r.draw(), 0x3890);
}

TEST(RandomSource, QueuedValuesComeFirstAndSurviveReseeding) {
    RandomSource a;
    RandomSource b;
    a.seed(42);
    b.seed(42);
    a.queueValues({5, 6});
    a.seed(42);
    EXPECT_EQ(a.draw(), 5);
    EXPECT_EQ(a.draw(), 6);
    // After the queue the generator goes on from its own state, untouched.
    EXPECT_EQ(a.draw(), b.draw());
}
