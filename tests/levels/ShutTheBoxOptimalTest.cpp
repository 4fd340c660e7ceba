// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The best play of Shut The Box, checked against small boards worked out by
// hand, and the computer's policy as its own decision functions give it.

#include "ShutTheBoxOptimal.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tumbledown::levels::shutthebox {
namespace {

Mask boxes(std::initializer_list<int> numbers) {
    Mask m = 0;
    for (int n : numbers)
        m |= static_cast<Mask>(1u << (n - 1));
    return m;
}

const Optimum& plain() {
    static const Optimum best = solveOptimal(gremlinOff);
    return best;
}

TEST(ShutTheBoxBoards, MasksSumsAndClosings) {
    EXPECT_EQ(sumOf(allOpen), 45);
    EXPECT_EQ(sumOf(boxes({2, 9})), 11);
    EXPECT_EQ(maskOf(boxSetOf(boxes({1, 5, 9}))), boxes({1, 5, 9}));
    EXPECT_FALSE(boxSetOf(boxes({1}))[0]) << "bit 0 of a box set is never used";
    EXPECT_TRUE(boxSetOf(boxes({1}))[1]);
    // 12 from all nine: 3+9, 4+8, 5+7, 1+2+9, 1+3+8, 1+4+7, 1+5+6, 2+3+7, 2+4+6, 3+4+5,
    // 1+2+3+6, 1+2+4+5.
    EXPECT_EQ(closings(allOpen, 12).size(), 12u);
    ASSERT_EQ(closings(boxes({1, 2, 4}), 3).size(), 1u);
    EXPECT_EQ(closings(boxes({1, 2, 4}), 3)[0], boxes({1, 2}));
    EXPECT_TRUE(closings(boxes({1, 5, 6, 8}), 2).empty());
    EXPECT_TRUE(closings(allOpen, 13).empty());
}

// Small boards worked out by hand: the expected sum left and the chance of
// shutting them all. Box 1 is shut only by one die showing 1, which the best
// play takes once 7, 8 and 9 are shut; box 2: one die 1 in 6 (5/3 left) beats
// two dice 1 in 36. {1, 2} with one die: 1 leaves {2}, 2 leaves {1}, 3 shuts
// both, 4 to 6 leave 3. {1, 7} needs two dice: 7 (6 in 36) leaves {1}, 8 (5 in
// 36) shuts both, the other 25 throws leave 8. {3}: one die, 5/6 of 3.
TEST(BestPlay, SmallBoards) {
    const TurnValues shut = shutProbability(plain().policy, gremlinOff);
    const struct {
        std::initializer_list<int> open;
        Dice dice;
        double left;
        double shut;
        bool oneDie;
    } rows[] = {
        {{1}, Dice::One, 5.0 / 6, 1.0 / 6, false},
        {{1}, Dice::Two, 5.0 / 6, 1.0 / 6, true},
        {{2}, Dice::Two, 5.0 / 3, 1.0 / 6, true},
        {{9}, Dice::Two, 32.0 / 36 * 9, 4.0 / 36, false},
        {{7}, Dice::Two, 30.0 / 36 * 7, 6.0 / 36, false},
        {{1, 2}, Dice::One, 69.0 / 36, 8.0 / 36, false},
        {{1, 2}, Dice::Two, 69.0 / 36, 8.0 / 36, true},
        {{1, 7}, Dice::Two, 205.0 / 36, 5.0 / 36 + 6.0 / 36 / 6, false},
        {{3}, Dice::Two, 2.5, 1.0 / 6, true},
    };
    for (const auto& row : rows) {
        const Mask m = boxes(row.open);
        SCOPED_TRACE(::testing::Message()
                     << "boxes " << m << " dice " << static_cast<int>(row.dice));
        EXPECT_NEAR(plain().expectedScore.at(m, row.dice), row.left, 1e-12);
        EXPECT_NEAR(shut.at(m, row.dice), row.shut, 1e-12);
        EXPECT_EQ(row.dice == Dice::Two && plain().policy.oneDie[m], row.oneDie);
    }
    // {1, 2, 3} and a 3: shutting the 3 leaves {1, 2} (69/36), shutting 1 and 2
    // leaves {3} (2.5): the 3 goes. No set fits: nothing to shut.
    for (Dice d : {Dice::One, Dice::Two})
        EXPECT_EQ(plain().policy.shut[static_cast<int>(d)][boxes({1, 2, 3})][3], boxes({3}));
    EXPECT_EQ(plain().policy.shut[static_cast<int>(Dice::Two)][boxes({1, 5, 6, 8})][2], 0);
}

TEST(BestPlay, ItsValuesAreThoseOfItsPolicy) {
    const TurnValues again = expectedScore(plain().policy, gremlinOff);
    for (int m = 1; m < maskCount; ++m)
        for (Dice d : {Dice::One, Dice::Two})
            EXPECT_NEAR(again.at(static_cast<Mask>(m), d),
                        plain().expectedScore.at(static_cast<Mask>(m), d), 1e-12);
    const double start = plain().expectedScore.fromStart();
    EXPECT_GT(start, 5);
    EXPECT_LT(start, 20);
}

// No other policy does better anywhere, the computer's included.
TEST(BestPlay, NoPolicyBeatsIt) {
    const Policy computer = computerPolicy();
    for (int odds : {gremlinOff, 6, 10}) {
        const Optimum best = odds == gremlinOff ? plain() : solveOptimal(odds);
        const TurnValues theirs = expectedScore(computer, odds);
        int worse = 0;
        for (int m = 1; m < maskCount; ++m)
            for (Dice d : {Dice::One, Dice::Two}) {
                const double mine = best.expectedScore.at(static_cast<Mask>(m), d);
                EXPECT_LE(mine, theirs.at(static_cast<Mask>(m), d) + 1e-9);
                worse += theirs.at(static_cast<Mask>(m), d) > mine + 1e-9;
            }
        EXPECT_GT(worse, 0) << "the computer is not the best play";
        EXPECT_LT(best.expectedScore.fromStart(), theirs.fromStart());
    }
}

// With the Gremlin the best play is a fixed point: no state has a closing or a
// choice of dice that would do better against the values it leads to.
TEST(BestPlayWithTheGremlin, NoSingleChangeImprovesIt) {
    const int odds = 7;
    const Optimum best = solveOptimal(odds);
    const auto worth = [&](Mask m, int dice) {
        return m == 0 ? 0.0 : best.expectedScore.value[dice][m];
    };
    const auto afterThrow = [&](Mask m, int dice) {
        double flipped = 0;
        for (int box = 1; box <= 9; ++box)
            flipped += worth(static_cast<Mask>(m ^ (1u << (box - 1))), dice);
        return (1 - 1.0 / odds) * worth(m, dice) + flipped / 9 / odds;
    };
    for (int m = 1; m < maskCount; ++m)
        for (int dice : {0, 1})
            for (int t = 1; t <= 12; ++t) {
                const Mask chosen = best.policy.shut[dice][m][t];
                for (Mask other : closings(static_cast<Mask>(m), t)) {
                    ASSERT_NE(chosen, 0);
                    EXPECT_LE(afterThrow(static_cast<Mask>(m & ~chosen), dice),
                              afterThrow(static_cast<Mask>(m & ~other), dice) + 1e-9);
                }
            }
}

TEST(BestPlayWithTheGremlin, RareStrikesChangeLittleAndFrequentOnesMore) {
    const double plain = solveOptimal(gremlinOff).expectedScore.fromStart();
    const double rare = solveOptimal(1000000).expectedScore.fromStart();
    const double often = solveOptimal(6).expectedScore.fromStart();
    const double less = solveOptimal(10).expectedScore.fromStart();
    EXPECT_NEAR(rare, plain, 1e-4);
    EXPECT_NE(often, plain);
    // The Gremlin's reopenings outweigh its shuttings: it costs the player.
    EXPECT_GT(often, less);
    EXPECT_GT(less, plain);
}

TEST(ComputerPolicy, ReadsTheComputersOwnChoices) {
    const Policy computer = computerPolicy();
    const int two = static_cast<int>(Dice::Two);
    const int one = static_cast<int>(Dice::One);
    // As few boxes as possible, the highest first.
    EXPECT_EQ(computer.shut[two][allOpen][7], boxes({7}));
    EXPECT_EQ(computer.shut[two][allOpen][12], boxes({3, 9}));
    EXPECT_EQ(computer.shut[two][boxes({1, 2, 3, 4})][5], boxes({1, 4}));
    EXPECT_EQ(computer.shut[one][boxes({1, 2, 3})][3], boxes({3}));
    EXPECT_EQ(computer.shut[two][boxes({1, 5, 6, 8})][2], 0);
    // One die once the open boxes add up to less than 7.
    EXPECT_TRUE(computer.oneDie[boxes({1, 2, 3})]);
    EXPECT_FALSE(computer.oneDie[boxes({1, 2, 4})]);
    EXPECT_FALSE(computer.oneDie[boxes({7})]);
}

TEST(OptimalTables, OneTablePerGremlinSetting) {
    const OptimalTables tables;
    const double plain = tables.forTurn(false, 8).expectedScore.fromStart();
    EXPECT_EQ(plain, tables.forTurn(false, 6).expectedScore.fromStart());
    EXPECT_NE(tables.forTurn(true, 6).expectedScore.fromStart(),
              tables.forTurn(true, 10).expectedScore.fromStart());
    EXPECT_THROW(tables.forTurn(true, 5), std::out_of_range);
    std::array<TurnValues, 6> byOdds{};
    for (int i = 0; i < 6; ++i)
        byOdds[static_cast<std::size_t>(i)] =
            tables.forTurn(i != 0, i == 0 ? 6 : i + 5).expectedScore;
    EXPECT_EQ(averageFromStart(false, byOdds), plain);
    double sum = 0;
    for (int odds = 6; odds <= 10; ++odds)
        sum += tables.forTurn(true, odds).expectedScore.fromStart();
    EXPECT_NEAR(averageFromStart(true, byOdds), sum / 5, 1e-12);
}

} // namespace
} // namespace tumbledown::levels::shutthebox
