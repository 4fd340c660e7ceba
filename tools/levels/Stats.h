// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

namespace tumbledown::levels {

// The confidence every figure is given with.
inline constexpr double confidence95 = 0.95;

struct Interval {
    double low = 0;
    double high = 0;

    bool contains(double x) const { return x >= low && x <= high; }
};

// The two-sided normal quantile: the z with P(|Z| <= z) = level.
double twoSidedZ(double level);

// A share of successes with its Wilson score interval, which stays inside
// [0, 1] and behaves for shares near 0 or 1 where the textbook one does not.
struct Proportion {
    std::int64_t successes = 0;
    std::int64_t trials = 0;

    double rate() const;
    Interval interval(double level = confidence95) const;
};

// A mean of integer samples, kept as exact sums so that the order in which
// partial results are merged cannot change the figure.
struct Mean {
    std::int64_t count = 0;
    std::int64_t sum = 0;
    // Squares of per-sample values; __int128 so that coin amounts cannot overflow.
    __int128 sumOfSquares = 0;

    void add(std::int64_t x) {
        ++count;
        sum += x;
        sumOfSquares += static_cast<__int128>(x) * x;
    }
    void merge(const Mean& other) {
        count += other.count;
        sum += other.sum;
        sumOfSquares += other.sumOfSquares;
    }
    double value() const;
    double standardError() const;
    Interval interval(double level = confidence95) const;
};

} // namespace tumbledown::levels
