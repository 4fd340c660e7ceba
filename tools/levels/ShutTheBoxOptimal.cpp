// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ShutTheBoxOptimal.h"

#include "games/shutthebox/ShutTheBoxComputer.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace tumbledown::levels::shutthebox {

using tumbledown::shutthebox::boxCount;

namespace {

constexpr int one = static_cast<int>(Dice::One);
constexpr int two = static_cast<int>(Dice::Two);

// Two values this close are the same play; the first found is kept, so the
// policy does not depend on rounding.
constexpr double tie = 1e-12;
constexpr double converged = 1e-14;
constexpr int maxSweeps = 100000;

Mask bit(int box) {
    return static_cast<Mask>(1u << (box - 1));
}

struct ClosingTable {
    std::array<std::array<std::vector<Mask>, 13>, maskCount> sets;

    ClosingTable() {
        for (int open = 0; open < maskCount; ++open)
            for (Mask sub = static_cast<Mask>(open);; sub = static_cast<Mask>((sub - 1) & open)) {
                const int sum = sumOf(sub);
                if (sub != 0 && sum <= 12)
                    sets[open][sum].push_back(sub);
                if (sub == 0)
                    break;
            }
        // Smallest mask first, a fixed order for breaking ties.
        for (auto& byTotal : sets)
            for (auto& list : byTotal)
                std::sort(list.begin(), list.end());
    }
};

const ClosingTable& closingTable() {
    static const ClosingTable table;
    return table;
}

// The chance of each throw: 2..12 with two dice, 1..6 with one.
double chance(int dice, int total) {
    if (dice == one)
        return total >= 1 && total <= 6 ? 1.0 / 6 : 0.0;
    return total >= 2 && total <= 12 ? (6 - std::abs(total - 7)) / 36.0 : 0.0;
}

bool oneDieAllowed(Mask open) {
    return (open & sevenToNine) == 0;
}

// How a turn ends, as numbers: what an emptied board is worth, and what a
// board with no move left is worth.
struct Ending {
    double shut;
    bool scoreIsOpenSum; // otherwise 0 when stuck
};

// One state's worth after a completed throw left `open` open: with the
// Gremlin, 1 in odds it flips a box chosen among the nine.
double afterThrow(const TurnValues& v, int dice, Mask open, int odds, const Ending& ending) {
    const auto worth = [&](Mask m) { return m == 0 ? ending.shut : v.value[dice][m]; };
    if (odds == gremlinOff)
        return worth(open);
    const double p = 1.0 / odds;
    double flipped = 0;
    for (int box = 1; box <= boxCount; ++box)
        flipped += worth(static_cast<Mask>(open ^ bit(box)));
    return (1 - p) * worth(open) + p * flipped / boxCount;
}

double stuck(Mask open, const Ending& ending) {
    return ending.scoreIsOpenSum ? sumOf(open) : 0.0;
}

// The value of throwing with `dice` from `open` under a fixed policy.
double throwValue(const TurnValues& v, const Policy& policy, int dice, Mask open, int odds,
                  const Ending& ending) {
    double total = 0;
    for (int t = 1; t <= 12; ++t) {
        const double p = chance(dice, t);
        if (p == 0)
            continue;
        const Mask shut = policy.shut[dice][open][t];
        total +=
            p * (shut == 0 ? stuck(open, ending)
                           : afterThrow(v, dice, static_cast<Mask>(open & ~shut), odds, ending));
    }
    return total;
}

// Iterates the values of a fixed policy to their fixed point. Increasing mask
// order sees the smaller sets (where closings lead) first.
TurnValues evaluate(const Policy& policy, int odds, const Ending& ending) {
    TurnValues v;
    for (int sweep = 0; sweep < maxSweeps; ++sweep) {
        double change = 0;
        for (int open = 1; open < maskCount; ++open) {
            const Mask m = static_cast<Mask>(open);
            const double withOne = throwValue(v, policy, one, m, odds, ending);
            const double withTwo = policy.oneDie[m] && oneDieAllowed(m)
                                       ? withOne
                                       : throwValue(v, policy, two, m, odds, ending);
            change = std::max({change, std::fabs(withOne - v.value[one][m]),
                               std::fabs(withTwo - v.value[two][m])});
            v.value[one][m] = withOne;
            v.value[two][m] = withTwo;
        }
        if (change < converged)
            return v;
    }
    throw std::runtime_error("Shut The Box: a policy's values did not converge");
}

const Ending scoring{0.0, true};
const Ending shutting{1.0, false};

} // namespace

Mask maskOf(const BoxSet& boxes) {
    // Bit 0 of a BoxSet is never used; boxes 1..9 are its bits 1..9.
    return static_cast<Mask>((boxes.to_ulong() >> 1) & allOpen);
}

BoxSet boxSetOf(Mask mask) {
    return BoxSet(static_cast<unsigned long>(mask & allOpen) << 1);
}

int sumOf(Mask mask) {
    static const std::array<int, maskCount> sums = [] {
        std::array<int, maskCount> table{};
        for (int m = 0; m < maskCount; ++m)
            for (int box = 1; box <= boxCount; ++box)
                if (m & (1 << (box - 1)))
                    table[static_cast<std::size_t>(m)] += box;
        return table;
    }();
    return sums[mask & allOpen];
}

const std::vector<Mask>& closings(Mask open, int total) {
    static const std::vector<Mask> none;
    if (total < 1 || total > 12 || open >= maskCount)
        return none;
    return closingTable().sets[open][total];
}

Optimum solveOptimal(int odds) {
    Optimum best;
    TurnValues& v = best.expectedScore;
    Policy& policy = best.policy;
    // Bellman sweeps: each state takes the closing that leaves the least
    // expected sum, and one die when it does better than two.
    for (int sweep = 0;; ++sweep) {
        if (sweep == maxSweeps)
            throw std::runtime_error("Shut The Box: the best play did not converge");
        double change = 0;
        for (int open = 1; open < maskCount; ++open) {
            const Mask m = static_cast<Mask>(open);
            for (int dice : {one, two})
                for (int t = 1; t <= 12; ++t) {
                    Mask choice = 0;
                    double value = 0;
                    for (Mask shut : closings(m, t)) {
                        const double after =
                            afterThrow(v, dice, static_cast<Mask>(m & ~shut), odds, scoring);
                        if (choice == 0 || after < value - tie) {
                            choice = shut;
                            value = after;
                        }
                    }
                    policy.shut[dice][m][t] = choice;
                }
            const double withOne = throwValue(v, policy, one, m, odds, scoring);
            const double withTwoDice = throwValue(v, policy, two, m, odds, scoring);
            policy.oneDie[m] = oneDieAllowed(m) && withOne < withTwoDice - tie;
            const double withTwo = policy.oneDie[m] ? withOne : withTwoDice;
            change = std::max({change, std::fabs(withOne - v.value[one][m]),
                               std::fabs(withTwo - v.value[two][m])});
            v.value[one][m] = withOne;
            v.value[two][m] = withTwo;
        }
        if (change < converged)
            break;
    }
    // The values of the policy as finally chosen, so that they and the policy agree.
    v = evaluate(policy, odds, scoring);
    return best;
}

TurnValues expectedScore(const Policy& policy, int odds) {
    return evaluate(policy, odds, scoring);
}

TurnValues shutProbability(const Policy& policy, int odds) {
    return evaluate(policy, odds, shutting);
}

Policy computerPolicy() {
    Policy policy;
    for (int open = 1; open < maskCount; ++open) {
        const Mask m = static_cast<Mask>(open);
        const BoxSet closed = boxSetOf(static_cast<Mask>(~m & allOpen));
        for (int dice : {one, two})
            for (int t = 1; t <= 12; ++t) {
                if (chance(dice, t) == 0 || closings(m, t).empty())
                    continue;
                Mask shut = 0;
                for (int box : tumbledown::shutthebox::computerBoxes(closed, t))
                    shut |= bit(box);
                policy.shut[dice][m][t] = shut;
            }
        policy.oneDie[m] =
            oneDieAllowed(m) && tumbledown::shutthebox::computerWantsOneDie(sumOf(m));
    }
    return policy;
}

OptimalTables::OptimalTables() {
    optimum_.reserve(6);
    optimum_.push_back(solveOptimal(gremlinOff));
    for (int odds = 6; odds <= 10; ++odds)
        optimum_.push_back(solveOptimal(odds));
}

const Optimum& OptimalTables::forTurn(bool gremlinOn, int gremlinOdds) const {
    if (!gremlinOn)
        return optimum_[0];
    if (gremlinOdds < 6 || gremlinOdds > 10)
        throw std::out_of_range("Shut The Box: Gremlin odds outside 6..10");
    return optimum_[static_cast<std::size_t>(gremlinOdds - 5)];
}

double averageFromStart(bool gremlinOn, const std::array<TurnValues, 6>& byOdds) {
    if (!gremlinOn)
        return byOdds[0].fromStart();
    double sum = 0;
    for (int i = 1; i <= 5; ++i)
        sum += byOdds[static_cast<std::size_t>(i)].fromStart();
    return sum / 5;
}

} // namespace tumbledown::levels::shutthebox
