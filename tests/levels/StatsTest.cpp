// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The confidence intervals every figure is printed with.

#include "Stats.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tumbledown::levels {
namespace {

// 95% is held by the intervals below.
TEST(NormalQuantile, MatchesTheTables) {
    EXPECT_NEAR(twoSidedZ(0.99), 2.575829, 1e-6);
    EXPECT_NEAR(twoSidedZ(0.6826895), 1.0, 1e-6);
    // Far out in the tail, where a Bonferroni correction over many figures lands.
    EXPECT_NEAR(twoSidedZ(1 - 1e-6), 4.891638, 1e-5);
}

TEST(WilsonInterval, MatchesWorkedValues) {
    const Interval half = Proportion{50, 100}.interval();
    EXPECT_NEAR(half.low, 0.403832, 1e-6);
    EXPECT_NEAR(half.high, 0.596168, 1e-6);
    // At the ends the interval keeps its exact end and stays inside [0, 1].
    const Interval none = Proportion{0, 10}.interval();
    EXPECT_EQ(none.low, 0.0);
    EXPECT_NEAR(none.high, 0.277533, 1e-6);
    const Interval all = Proportion{10, 10}.interval();
    EXPECT_EQ(all.high, 1.0);
    EXPECT_NEAR(all.low, 0.722467, 1e-6);
    // A wider level gives a wider interval around the same share.
    const Interval wide = Proportion{50, 100}.interval(0.99);
    EXPECT_LT(wide.low, half.low);
    EXPECT_GT(wide.high, half.high);
    EXPECT_EQ(Proportion{}.rate(), 0.0);
}

TEST(MeanOfSamples, GivesTheSampleMeanAndItsStandardError) {
    Mean m;
    for (int x : {1, 2, 3, 4})
        m.add(x);
    EXPECT_DOUBLE_EQ(m.value(), 2.5);
    // Sample standard deviation 1.290994, over the square root of 4.
    EXPECT_NEAR(m.standardError(), 0.645497, 1e-6);
    const Interval ci = m.interval();
    EXPECT_NEAR(ci.low, 2.5 - 1.959964 * 0.645497, 1e-5);
    EXPECT_NEAR(ci.high, 2.5 + 1.959964 * 0.645497, 1e-5);
}

TEST(MeanOfSamples, MergesExactlyInAnyOrder) {
    Mean whole;
    Mean left;
    Mean right;
    for (int i = 0; i < 1000; ++i) {
        const std::int64_t x = (i * 7919) % 201 - 100;
        whole.add(x);
        (i % 3 == 0 ? left : right).add(x);
    }
    Mean merged = right;
    merged.merge(left);
    EXPECT_EQ(merged.count, whole.count);
    EXPECT_EQ(merged.sum, whole.sum);
    EXPECT_TRUE(merged.sumOfSquares == whole.sumOfSquares);
    EXPECT_EQ(merged.standardError(), whole.standardError());
}

TEST(MeanOfSamples, HoldsLargeCoinAmountsWithoutOverflow) {
    Mean m;
    for (int i = 0; i < 1000; ++i)
        m.add(i % 2 == 0 ? 999999999 : -999999999);
    EXPECT_DOUBLE_EQ(m.value(), 0.0);
    // Mean 0: the sample variance is n a^2 / (n - 1), the standard error a / sqrt(n - 1).
    EXPECT_NEAR(m.standardError(), 999999999.0 / std::sqrt(999.0), 1.0);
}

} // namespace
} // namespace tumbledown::levels
