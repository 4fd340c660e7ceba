// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RulesTestSupport.h"

#include "games/tenthousand/TenThouComputer.h"

#include <vector>

using namespace tumbledown;
using namespace tumbledown::tenthousand;
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

bool goesOn(int h, int k, int t, int n, Level level, const RollMemory& memory = took) {
    return decide(situation(h, k, t, std::vector<int>(n, 3)), level, memory, n).goOn;
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

TEST(TenThouComputer, ApprenticeStopsAt200AndAfterABust) {
    EXPECT_TRUE(goesOn(0, 0, 150, 2, Level::Apprentice));
    EXPECT_FALSE(goesOn(0, 0, 200, 2, Level::Apprentice));
    EXPECT_FALSE(goesOn(0, 0, 150, 2, Level::Apprentice, bust));
    EXPECT_TRUE(goesOn(9000, 0, 3000, 0, Level::Apprentice, straight));
    TenThouRules chance = situation(0, 0, 900, {4});
    chance.setChancesForTest(true, false);
    EXPECT_TRUE(decide(chance, Level::Apprentice, bust, 1).goOn);
    EXPECT_EQ(decide(chance, Level::Apprentice, took, 1).draws, 0);
}

TEST(TenThouComputer, TwoDiceOrMore) {
    // Mage, T = 600, two dice left, H - K = 2500: goes on; T = 900, three dice: stops.
    EXPECT_TRUE(goesOn(3500, 1000, 600, 2, Level::Mage));
    EXPECT_FALSE(goesOn(0, 0, 900, 3, Level::Mage));
    EXPECT_FALSE(goesOn(0, 0, 1000, 3, Level::Wizard));
    EXPECT_TRUE(goesOn(0, 0, 300, 3, Level::Mage));
    EXPECT_TRUE(goesOn(0, 0, 380, 3, Level::Wizard));
    // At either threshold itself: from 350 a gap of 2000 sends it on, from 800 nothing does.
    EXPECT_TRUE(goesOn(2000, 0, 350, 3, Level::Mage));
    EXPECT_FALSE(goesOn(2000, 0, 800, 3, Level::Mage));

    // Between the thresholds with a gap below 2000: the third draw decides,
    // mod 4 for the Mage and mod 3 for the Wizard; the first two would say otherwise.
    const TenThouRules rules = situation(1999, 0, 500, {2, 3, 4});
    Decision d = decide(rules, Level::Mage, took, 3, {0, 0, 5});
    EXPECT_FALSE(d.goOn);
    EXPECT_EQ(d.draws, 3);
    EXPECT_TRUE(decide(rules, Level::Mage, took, 3, {1, 1, 8}).goOn);
    EXPECT_FALSE(decide(rules, Level::Wizard, took, 3, {0, 0, 8}).goOn);
    EXPECT_TRUE(decide(rules, Level::Wizard, took, 3, {1, 1, 9}).goOn);
    d = decide(situation(2000, 0, 500, {2, 3, 4}), Level::Mage, took, 3, {1, 1, 1});
    EXPECT_TRUE(d.goOn);
    EXPECT_EQ(d.draws, 0);
}

TEST(TenThouComputer, OneDieLeft) {
    // Wizard, T = 450, H - K = 1600: throws the lone die without drawing.
    Decision d = decide(situation(1600, 0, 450, {3}), Level::Wizard, took, 1, {1, 1, 1});
    EXPECT_TRUE(d.goOn);
    EXPECT_EQ(d.draws, 0);
    const TenThouRules close = situation(1000, 0, 450, {3});
    d = decide(close, Level::Wizard, took, 1, {0, 0, 1});
    EXPECT_FALSE(d.goOn);
    EXPECT_EQ(d.draws, 3);
    EXPECT_TRUE(decide(close, Level::Wizard, took, 1, {1, 1, 4}).goOn);
    EXPECT_FALSE(decide(situation(1400, 0, 450, {3}), Level::Wizard, took, 1, {1, 1, 1}).goOn);
    // Mage: window from 350, gap 1200, mod 3.
    EXPECT_TRUE(decide(situation(1200, 0, 450, {3}), Level::Mage, took, 1, {1, 1, 1}).goOn);
    EXPECT_FALSE(decide(close, Level::Mage, took, 1, {0, 0, 4}).goOn);
    EXPECT_TRUE(decide(close, Level::Mage, took, 1, {1, 1, 3}).goOn);
    EXPECT_FALSE(decide(situation(0, 0, 360, {3}), Level::Mage, took, 1, {0, 0, 1}).goOn);
    EXPECT_TRUE(decide(situation(0, 0, 360, {3}), Level::Wizard, took, 1, {1, 1, 1}).goOn);

    for (Level level : bothMasters) {
        EXPECT_TRUE(goesOn(950, 0, 550, 1, level));
        EXPECT_TRUE(goesOn(1950, 1000, 990, 1, level));
        EXPECT_FALSE(goesOn(900, 0, 600, 1, level));
        EXPECT_FALSE(goesOn(5000, 0, 1000, 1, level));
    }
}

TEST(TenThouComputer, ChasesAPlayerPastTheGoal) {
    for (Level level : bothMasters) {
        // H = 10200 and K + T = 9900: on until K + T reaches H.
        EXPECT_TRUE(goesOn(10200, 9000, 900, 3, level));
        EXPECT_TRUE(goesOn(10200, 8900, 1000, 1, level));
        EXPECT_FALSE(goesOn(10200, 9300, 900, 3, level));
        EXPECT_FALSE(goesOn(10200, 9300, 900, 1, level));
        EXPECT_FALSE(goesOn(10200, 9000, 900, 3, level, bust));
    }
    // The goal check: Mage from 10000, Wizard above 9500.
    EXPECT_TRUE(goesOn(10000, 0, 900, 3, Level::Mage));
    EXPECT_FALSE(goesOn(9999, 0, 900, 3, Level::Mage));
    EXPECT_TRUE(goesOn(9501, 0, 1000, 3, Level::Wizard));
    EXPECT_FALSE(goesOn(9500, 0, 1000, 3, Level::Wizard));
}

TEST(TenThouComputer, OwnGoalStopsUnlessALaterOverrideSendsItOn) {
    // Wizard with H = 8000 and K + T = 9500: the draws are spent, then the goal stops it.
    Decision d = decide(situation(8000, 9000, 500, {2, 3, 4}), Level::Wizard, took, 3);
    EXPECT_FALSE(d.goOn);
    EXPECT_EQ(d.draws, 3);
    EXPECT_TRUE(goesOn(8000, 9000, 300, 3, Level::Wizard));
    EXPECT_TRUE(goesOn(8000, 9600, 300, 3, Level::Mage));
    EXPECT_FALSE(goesOn(8000, 9700, 300, 3, Level::Mage));

    TenThouRules lone = situation(8000, 9000, 500, {3});
    lone.setChancesForTest(true, false);
    d = decide(lone, Level::Wizard, bust, 1, {0, 0, 1});
    EXPECT_TRUE(d.goOn);
    EXPECT_EQ(d.draws, 3);
    EXPECT_TRUE(goesOn(8000, 9000, 700, 0, Level::Wizard));            // all six scored
    EXPECT_TRUE(goesOn(8000, 9000, 3500, 0, Level::Wizard, straight)); // must roll again
}

TEST(TenThouComputer, LoneDieChancesForEveryLevel) {
    for (Level level : {Level::Apprentice, Level::Mage, Level::Wizard}) {
        TenThouRules missed = situation(0, 0, 2000, {4});
        missed.setChancesForTest(true, false);
        EXPECT_TRUE(decide(missed, level, bust, 1).goOn);
        missed.setChancesForTest(false, true);
        EXPECT_FALSE(decide(missed, level, bust, 1).goOn);
        EXPECT_FALSE(goesOn(9000, 0, 100, 3, level, bust));
    }
    // A hit on the second chance took the last die: all six go again.
    TenThouRules hit = situation(0, 0, 2000, {});
    hit.setChancesForTest(false, true);
    for (Level level : bothMasters) {
        EXPECT_TRUE(decide(hit, level, took, 0).goOn);
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
}
