// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TenThouComputer.h"

#include "platform/RandomSource.h"

namespace tumbledown::tenthousand {

namespace {

// Where the Mage and the Wizard differ; they share one procedure otherwise.
struct Temper {
    int baseThreshold;
    int goalCheck;     // H has reached the goal check when H >= goalCheck
    int highThreshold; // with two dice or more
    int manyDiceDivisor;
    int oneDieLow; // the one-die window is oneDieLow < T < 550
    int oneDieGap;
    int oneDieDivisor;
    int ownGoal;
};

constexpr Temper mage{350, 10000, 800, 4, 350, 1200, 3, 10000};
constexpr Temper wizard{400, 9501, 1000, 3, 400, 1500, 2, 9500}; // H > 9500

const Temper& temperOf(Level level) {
    return level == Level::Wizard ? wizard : mage;
}

constexpr int apprenticeStop = 200;

// The third of three draws.
int thirdDraw(RandomSource& random) {
    random.draw();
    random.draw();
    return random.draw();
}

int fivesInPlay(const TenThouRules& rules) {
    int n = 0;
    for (int die = 1; die <= 6; ++die) {
        n += rules.inPlay(die) && rules.shown(die) && rules.dieValue(die) == 5 ? 1 : 0;
    }
    return n;
}

bool apprenticeKeepsRolling(const TenThouRules& rules, const RollMemory& memory) {
    // A missed first throw of a lone die is always followed by the second.
    if (memory.tookStraightOrPairs || rules.firstChance()) {
        return true;
    }
    if (memory.bust) {
        return false;
    }
    return rules.turnScore(rules.current()) < apprenticeStop;
}

} // namespace

Pane nextPaneToTake(const TenThouRules& rules, Level level, const RollMemory& memory) {
    for (Pane pane : scoringPanes) {
        if (!rules.test(pane)) {
            continue;
        }
        // The Mage and the Wizard keep 5's to throw again once something is
        // taken, unless few dice would be left to throw.
        if (pane == Pane::SingleFive && level != Level::Apprentice && memory.taken > 0 &&
            rules.diceInPlay() >= 3) {
            return Pane::None;
        }
        return pane;
    }
    return Pane::None;
}

int fivesToBankBeforeDeciding(const TenThouRules& rules, Level level) {
    if (level == Level::Apprentice) {
        return 0;
    }
    const int fives = fivesInPlay(rules);
    return fives >= rules.diceInPlay() - 1 ? fives : 0;
}

bool keepRolling(const TenThouRules& rules, Level level, const RollMemory& memory,
                 int diceBeforeFives, RandomSource& random) {
    if (level == Level::Apprentice) {
        return apprenticeKeepsRolling(rules, memory);
    }
    const Temper& c = temperOf(level);
    const Seat me = rules.current();
    const int h = rules.total(other(me));
    const int k = rules.total(me);
    const int t = rules.turnScore(me);
    const int n = diceBeforeFives;
    const bool chasing = h >= c.goalCheck && k + t < h;

    bool stop = t >= c.baseThreshold;
    if (n >= 2) {
        if (chasing) {
            stop = false;
        } else if (t >= c.highThreshold) {
            stop = true;
        } else if (t < c.baseThreshold) {
            // keeps the result above
        } else if (h - k >= 2000) {
            stop = false;
        } else {
            stop = thirdDraw(random) % c.manyDiceDivisor != 0;
        }
    } else if (n == 1) {
        if (chasing) {
            stop = false;
        } else if (t > c.oneDieLow && t < 550) {
            if (h - k >= c.oneDieGap) {
                stop = false;
            } else {
                stop = thirdDraw(random) % c.oneDieDivisor != 0;
            }
        } else if (t >= 550 && t < 1000 && h - k >= 950) {
            stop = false;
        }
    }

    // Overrides, each over the ones before it; the draws above are spent
    // whatever these decide. (A straight or three pairs sends it on: the last
    // override below.)
    if (k + t >= c.ownGoal) {
        stop = k + t >= h;
    }
    if (memory.bust) {
        stop = true;
    }
    if (rules.firstChance()) {
        stop = false;
    } else if (rules.secondChance()) {
        stop = true;
    }
    if (rules.diceInPlay() == 0) {
        stop = false;
    }
    if (memory.tookStraightOrPairs) {
        stop = false;
    }
    return !stop;
}

ComputerRolls playComputerRolls(TenThouRules& rules, Level level, RandomSource& random,
                                ComputerTurnView& view) {
    const auto take = [&](Pane pane, bool lit) {
        view.scoring(pane, lit);
        view.scored(pane, rules.score(pane), lit);
    };
    for (;;) {
        view.rolling();
        view.rolled(rules.roll(random));
        if (rules.disasterRolled())
            return ComputerRolls::Disaster;
        RollMemory memory;
        memory.bust = !rules.anyScoring();
        if (!memory.bust) {
            for (;;) {
                view.looking();
                const Pane pane = nextPaneToTake(rules, level, memory);
                if (pane == Pane::None)
                    break;
                take(pane, true);
                ++memory.taken;
                if (pane == Pane::Straight || pane == Pane::ThreePairs) {
                    memory.tookStraightOrPairs = true;
                    break;
                }
            }
        }
        const int diceBeforeFives = rules.diceInPlay();
        for (int fives = fivesToBankBeforeDeciding(rules, level); fives > 0; --fives)
            take(Pane::SingleFive, false);
        const bool again = keepRolling(rules, level, memory, diceBeforeFives, random);
        view.decided(again);
        // A throw the rules would refuse would leave the computer throwing forever.
        const bool mayRoll = rules.scoredThisRoll(rules.current()) || rules.firstChance();
        if (!again || !mayRoll)
            break;
    }
    while (rules.test(Pane::SingleFive))
        take(Pane::SingleFive, true);
    return ComputerRolls::ReadyToPass;
}

} // namespace tumbledown::tenthousand
