// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Stats.h"

#include <cmath>
#include <numbers>

namespace tumbledown::levels {

namespace {

// The standard normal quantile: a rational first guess (error below 5e-4)
// refined by Newton steps on erfc, accurate to the last few bits.
double normalQuantile(double p) {
    const double tail = p < 0.5 ? p : 1 - p;
    const double t = std::sqrt(-2 * std::log(tail));
    double x = t - (2.515517 + 0.802853 * t + 0.010328 * t * t) /
                       (1 + 1.432788 * t + 0.189269 * t * t + 0.001308 * t * t * t);
    if (p < 0.5)
        x = -x;
    for (int i = 0; i < 20; ++i) {
        const double cdf = 0.5 * std::erfc(-x / std::sqrt(2.0));
        const double density = std::exp(-x * x / 2) / std::sqrt(2 * std::numbers::pi);
        const double step = (cdf - p) / density;
        x -= step;
        if (std::fabs(step) < 1e-14)
            break;
    }
    return x;
}

} // namespace

double twoSidedZ(double level) {
    return normalQuantile(0.5 + level / 2);
}

double Proportion::rate() const {
    return trials > 0 ? static_cast<double>(successes) / static_cast<double>(trials) : 0.0;
}

Interval Proportion::interval(double level) const {
    if (trials <= 0)
        return {0.0, 1.0};
    const double n = static_cast<double>(trials);
    const double p = rate();
    const double z = twoSidedZ(level);
    const double z2 = z * z;
    const double centre = (p + z2 / (2 * n)) / (1 + z2 / n);
    const double half = z / (1 + z2 / n) * std::sqrt(p * (1 - p) / n + z2 / (4 * n * n));
    // The exact ends at 0 and 1 are kept exactly: rounding must not push them out.
    return {successes == 0 ? 0.0 : centre - half, successes == trials ? 1.0 : centre + half};
}

double Mean::value() const {
    return count > 0 ? static_cast<double>(sum) / static_cast<double>(count) : 0.0;
}

double Mean::standardError() const {
    if (count < 2)
        return 0.0;
    const long double n = static_cast<long double>(count);
    const long double m = static_cast<long double>(sum) / n;
    const long double variance =
        (static_cast<long double>(sumOfSquares) - n * m * m) / (n - 1); // sample variance
    return variance > 0 ? static_cast<double>(std::sqrt(variance / n)) : 0.0;
}

Interval Mean::interval(double level) const {
    const double half = twoSidedZ(level) * standardError();
    return {value() - half, value() + half};
}

} // namespace tumbledown::levels
