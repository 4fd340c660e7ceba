// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RulesTestSupport.h"

#include "games/tenthousand/TenThouComputer.h"

#include <vector>

using namespace tumbledown;
using namespace tumbledown::tenthousand;
using tumbledown::testing::expectAllDrawsTaken;
using tumbledown::testing::sentinel;

namespace {

const RollMemory took{false, false, 1};
const RollMemory bust{true, false, 0};
const RollMemory straight{false, true, 1};
const std::vector<Level> bothMasters{Level::Mage, Level::Wizard};

// Player two (the computer) to play with `faces` on dice 1..n, the rest out of play.
TenThouRules situation(int h, int k, int t, const std::vector<int>& faces) {
    TenThouRules rules;
    rules.setCurrentForTest(Seat::Two, Seat::One);
    rules.setScoresForTest(Seat::One, 0, h);
    rules.setScoresForTest(Seat::Two, t, k);
    std::array<int, 7> values{0, 6, 6, 6, 6, 6, 6};
    DiceSet onBoard;
    for (std::size_t i = 0; i < faces.size(); ++i) {
        values[i + 1] = faces[i];
        onBoard.set(i + 1);
    }
    rules.setDiceForTest(values, onBoard, onBoard);
    return rules;
}

struct Decision {
    bool goOn = false;
    int draws = 0; // how many of the queued draws keepRolling took
};

// By default the queued draws would make any chance go on.
Decision decide(const TenThouRules& rules, Level level, const RollMemory& memory, int n,
                const std::vector<std::int32_t>& queued = {0, 0, 0}) {
    RandomSource random;
    random.queueValues(queued);
    random.queueValues({sentinel});
    Decision d;
    d.goOn = keepRolling(rules, level, memory, n, random);
    d.draws = static_cast<int>(queued.size());
    while (d.draws >= 0 && random.draw() != sentinel) {
        --d.draws;
    }
    return d;
}

} // namespace

TEST(TenThouComputer, TakesPanesInTableOrderAndStopsAfterAStraight) {
    for (Level level : {Level::Apprentice, Level::Mage, Level::Wizard}) {
        TenThouRules rules = situation(0, 0, 0, {5, 1, 5, 1, 5, 1});
        EXPECT_EQ(nextPaneToTake(rules, level, RollMemory{}), Pane::ThreeOnes);
        rules.score(Pane::ThreeOnes);
        EXPECT_EQ(nextPaneToTake(rules, level, took), Pane::ThreeFives);

        TenThouRules run = situation(0, 0, 0, {6, 5, 4, 3, 2, 1});
        EXPECT_EQ(nextPaneToTake(run, level, RollMemory{}), Pane::Straight);
        run.score(Pane::Straight);
        EXPECT_EQ(nextPaneToTake(run, level, straight), Pane::None);
    }
}

TEST(TenThouComputer, MageAndWizardKeepFivesToThrowAgain) {
    TenThouRules rules = situation(0, 0, 0, {1, 5, 3, 4, 4, 6});
    rules.score(Pane::SingleOne);
    EXPECT_EQ(nextPaneToTake(rules, Level::Apprentice, took), Pane::SingleFive);
    for (Level level : bothMasters) {
        EXPECT_EQ(nextPaneToTake(rules, level, took), Pane::None);
        // The first take of a roll may be a 5.
        EXPECT_EQ(nextPaneToTake(situation(0, 0, 0, {5, 3, 3, 4, 4, 6}), level, RollMemory{}),
                  Pane::SingleFive);
        // Counted before the take: three dice in play keep it, two take it.
        TenThouRules four = situation(0, 0, 0, {1, 5, 5, 3});
        four.score(Pane::SingleOne);
        EXPECT_EQ(nextPaneToTake(four, level, took), Pane::None);
        TenThouRules three = situation(0, 0, 0, {1, 5, 5});
        three.score(Pane::SingleOne);
        EXPECT_EQ(nextPaneToTake(three, level, took), Pane::SingleFive);
    }
}

TEST(TenThouComputer, FivesBankedWhenAllOrAllButOneShowFive) {
    const std::pair<std::vector<int>, int> cases[] = {
        {{5, 5, 2}, 2}, {{5, 2, 3}, 0}, {{5}, 1}, {{3}, 0}, {{5, 5, 5, 5, 3}, 4}};
    for (const auto& [faces, fives] : cases) {
        for (Level level : bothMasters) {
            EXPECT_EQ(fivesToBankBeforeDeciding(situation(0, 0, 0, faces), level), fives)
                << faces.size();
        }
        EXPECT_EQ(fivesToBankBeforeDeciding(situation(0, 0, 0, faces), Level::Apprentice), 0);
    }
    // 5's taken earlier keep their faces out of play and do not count.
    TenThouRules rules;
    rules.setDiceForTest({0, 5, 5, 5, 5, 2, 3}, DiceSet{0b1100000}, DiceSet{0b1100000});
    EXPECT_EQ(fivesToBankBeforeDeciding(rules, Level::Mage), 0);
}

// Whether the computer throws again, from the totals H (player one), K (its
// own) and T (this turn), the dice left, the roll's memory and the lone die's
// chances; where a row names draws it also checks how many keepRolling took.
TEST(TenThouComputer, KeepsRollingAsTheTotalsDiceAndChancesDemand) {
    const std::vector<Level> A{Level::Apprentice}, M{Level::Mage}, W{Level::Wizard};
    const std::vector<Level> all{Level::Apprentice, Level::Mage, Level::Wizard};
    enum Chance { none, first, second };
    struct Case {
        std::vector<Level> levels;
        int h, k, t, n;
        RollMemory memory;
        bool goOn;
        int drawsTaken = -1;                         // -1: not checked
        std::vector<std::int32_t> draws = {0, 0, 0}; // by default any chance goes on
        Chance chance = none;
    };
    const std::vector<Case> cases = {
        // The Apprentice stops at 200 and after a bust, but takes a lone die's
        // second throw without drawing.
        {A, 0, 0, 150, 2, took, true},
        {A, 0, 0, 200, 2, took, false},
        {A, 0, 0, 150, 2, bust, false},
        {A, 9000, 0, 3000, 0, straight, true},
        {A, 0, 0, 900, 1, bust, true, 0, {0, 0, 0}, first},
        // Two dice or more: from 350 (Mage) or 400 (Wizard) a gap of 2000 sends
        // it on, from 800 or 1000 nothing does.
        {M, 3500, 1000, 600, 2, took, true},
        {M, 0, 0, 900, 3, took, false},
        {W, 0, 0, 1000, 3, took, false},
        {M, 0, 0, 300, 3, took, true},
        {W, 0, 0, 380, 3, took, true},
        {M, 2000, 0, 350, 3, took, true},
        {M, 2000, 0, 800, 3, took, false},
        {M, 2000, 0, 500, 3, took, true, 0, {1, 1, 1}},
        // Between the thresholds with a gap below 2000 the third draw decides,
        // mod 4 for the Mage and mod 3 for the Wizard; the first two would say otherwise.
        {M, 1999, 0, 500, 3, took, false, 3, {0, 0, 5}},
        {M, 1999, 0, 500, 3, took, true, 3, {1, 1, 8}},
        {W, 1999, 0, 500, 3, took, false, 3, {0, 0, 8}},
        {W, 1999, 0, 500, 3, took, true, 3, {1, 1, 9}},
        // One die left: the Wizard's window from 400 with a gap of 1500 and mod 2,
        // the Mage's from 350, gap 1200, mod 3.
        {W, 1600, 0, 450, 1, took, true, 0, {1, 1, 1}},
        {W, 1000, 0, 450, 1, took, false, 3, {0, 0, 1}},
        {W, 1000, 0, 450, 1, took, true, 3, {1, 1, 4}},
        {W, 1400, 0, 450, 1, took, false, 3, {1, 1, 1}},
        {M, 1200, 0, 450, 1, took, true, 0, {1, 1, 1}},
        {M, 1000, 0, 450, 1, took, false, 3, {0, 0, 4}},
        {M, 1000, 0, 450, 1, took, true, 3, {1, 1, 3}},
        {M, 0, 0, 360, 1, took, false, 3, {0, 0, 1}},
        {W, 0, 0, 360, 1, took, true, 0, {1, 1, 1}},
        {bothMasters, 950, 0, 550, 1, took, true, 0, {1, 1, 1}},
        {bothMasters, 1950, 1000, 990, 1, took, true},
        {bothMasters, 900, 0, 600, 1, took, false},
        {bothMasters, 5000, 0, 1000, 1, took, false},
        // A player past the goal is chased until K + T reaches H.
        {bothMasters, 10200, 9000, 900, 3, took, true},
        {bothMasters, 10200, 8900, 1000, 1, took, true},
        {bothMasters, 10200, 9300, 900, 3, took, false},
        {bothMasters, 10200, 9300, 900, 1, took, false},
        {bothMasters, 10200, 9000, 900, 3, bust, false},
        // The goal check: Mage from 10000, Wizard above 9500.
        {M, 10000, 0, 900, 3, took, true},
        {M, 9999, 0, 900, 3, took, false},
        {W, 9501, 0, 1000, 3, took, true},
        {W, 9500, 0, 1000, 3, took, false},
        // Its own goal stops it once the draws are spent, unless a later
        // override sends it on.
        {W, 8000, 9000, 500, 3, took, false, 3},
        {W, 8000, 9000, 300, 3, took, true},
        {M, 8000, 9650, 300, 3, took, true},
        {M, 8000, 9700, 300, 3, took, false},
        {W, 8000, 9000, 500, 1, bust, true, 3, {0, 0, 1}, first},
        {W, 8000, 9000, 700, 0, took, true},      // all six scored
        {W, 8000, 9000, 3500, 0, straight, true}, // must roll again
        // A lone die's first chance always goes on, its second never; a hit on
        // the second chance took the last die, and all six go again.
        {all, 0, 0, 2000, 1, bust, true, -1, {0, 0, 0}, first},
        {all, 0, 0, 2000, 1, bust, false, -1, {0, 0, 0}, second},
        {all, 9000, 0, 100, 3, bust, false},
        {bothMasters, 0, 0, 2000, 0, took, true, -1, {0, 0, 0}, second},
    };
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const Case& c = cases[i];
        for (Level level : c.levels) {
            SCOPED_TRACE("row " + std::to_string(i) + ", level " +
                         std::to_string(static_cast<int>(level)));
            TenThouRules rules = situation(c.h, c.k, c.t, std::vector<int>(c.n, 3));
            rules.setChancesForTest(c.chance == first, c.chance == second);
            const Decision d = decide(rules, level, c.memory, c.n, c.draws);
            EXPECT_EQ(d.goOn, c.goOn);
            if (c.drawsTaken >= 0) {
                EXPECT_EQ(d.draws, c.drawsTaken);
            }
        }
    }
}

TEST(TenThouComputer, MageBanksFivesThenDecidesOnTheDiceCountedBefore) {
    TenThouRules rules = situation(0, 0, 200, {1, 5, 5, 2});
    RollMemory memory;
    ASSERT_EQ(nextPaneToTake(rules, Level::Mage, memory), Pane::SingleOne);
    rules.score(Pane::SingleOne);
    ++memory.taken;
    EXPECT_EQ(nextPaneToTake(rules, Level::Mage, memory), Pane::None);

    const int n = rules.diceInPlay();
    const int fives = fivesToBankBeforeDeciding(rules, Level::Mage);
    ASSERT_EQ(fives, 2);
    for (int i = 0; i < fives; ++i) {
        rules.score(Pane::SingleFive);
    }
    EXPECT_EQ(rules.turnScore(Seat::Two), 400);
    // Three dice: r mod 4 stops on 3. Counted after, the lone die's r mod 3 would go on.
    const Decision d = decide(rules, Level::Mage, memory, n, {0, 0, 3});
    EXPECT_FALSE(d.goOn);
    EXPECT_EQ(d.draws, 3);
    // Two 1's reach the goal: the turn stops and banks both 5's left.
    TenThouRules atGoal = situation(0, 9800, 0, {1, 2, 3, 4, 5, 6});
    RandomSource random;
    random.queueValues({0, 0, 4, 4, 1, 2});
    struct : ComputerTurnView {
    } view;
    playComputerRolls(atGoal, Level::Wizard, random, view);
    EXPECT_EQ(atGoal.turnScore(Seat::Two), 300);

    // Chasing, it banks both 5's and throws the lone die; a miss is followed
    // by the second throw, which misses as well.
    TenThouRules lone = situation(10200, 0, 0, {1, 2, 3, 4, 5, 6});
    random.queueValues({0, 0, 0, 4, 4, 2, 3, 2});
    playComputerRolls(lone, Level::Wizard, random, view);
    EXPECT_TRUE(lone.secondChance());
    EXPECT_EQ(lone.turnScore(Seat::Two), 1100);
    expectAllDrawsTaken(random);
}
