// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ShutTheBoxTestSupport.h"

#include "games/shutthebox/ShutTheBoxComputer.h"

#include <vector>

using namespace tumbledown;
using namespace tumbledown::shutthebox;
using namespace tumbledown::shutthebox::testing;

namespace {

using Boxes = std::vector<int>;

// Player two's turn as the game plays it. Returns the boxes the Gremlin flipped.
Boxes playComputersTurn(ShutTheBoxRules& rules, RandomSource& random, bool gremlinOn) {
    struct : TurnView {
        Boxes flipped;
        void gremlinStrikes(int box) override { flipped.push_back(box); }
    } view;
    playComputerTurn(rules, Chooser{}, gremlinOn, random, view);
    return view.flipped;
}

// The computer's preference found another way: every fitting set, the
// smallest, and of those the highest when compared largest box first.
Boxes bestSetByEnumeration(const BoxSet& closed, int throwTotal) {
    Boxes best;
    for (int subset = 1; subset < 512; ++subset) {
        Boxes set;
        int sum = 0;
        for (int n = 9; n >= 1; --n)
            if ((subset >> (n - 1)) & 1) {
                set.push_back(n);
                sum += n;
            }
        bool open = true;
        for (int n : set)
            open = open && !closed[n];
        if (!open || sum != throwTotal)
            continue;
        if (best.empty() || set.size() < best.size() || (set.size() == best.size() && set > best))
            best = set;
    }
    return best;
}

} // namespace

TEST(ShutTheBoxComputer, EveryChoiceIsTheBestSetAndAcceptedByTheRules) {
    // Over every board and throw the choice matches an exhaustive search and
    // completes the throw box by box.
    for (int mask = 0; mask < 512; ++mask) {
        BoxSet closed(static_cast<unsigned long>(mask) << 1);
        for (int t = 2; t <= 12; ++t) {
            RandomSource random;
            ShutTheBoxRules rules = freshGame(random);
            rules.setBoardForTest(closed);
            const int die1 = t > 6 ? 6 : t - 1;
            throwDice(rules, random, die1, t - die1);
            const Boxes choice = computerBoxes(rules);
            ASSERT_EQ(choice, bestSetByEnumeration(closed, t)) << mask << " " << t;
            ASSERT_EQ(choice.empty(), !rules.canCompleteThrow()) << mask << " " << t;
            for (std::size_t i = 0; i < choice.size(); ++i) {
                ASSERT_EQ(rules.clickBox(choice[i]),
                          i + 1 < choice.size() ? BoxOutcome::Shut : BoxOutcome::ThrowComplete)
                    << mask << " " << t;
            }
        }
    }
}

TEST(ShutTheBoxComputer, OneDieBelowSevenAndNoRollWithEveryBoxShut) {
    RandomSource random;
    ShutTheBoxRules rules = freshGame(random);
    rules.setBoardForTest(allShutBut({1, 2, 3}));
    EXPECT_TRUE(computerWantsOneDie(rules));
    EXPECT_TRUE(computerRollsAgain(rules));
    rules.setBoardForTest(allShutBut({7}));
    EXPECT_FALSE(computerWantsOneDie(rules));
    rules.setBoardForTest(allShutBut({1, 5}));
    EXPECT_TRUE(computerWantsOneDie(rules));
    rules.setBoardForTest(allShutBut({}));
    EXPECT_FALSE(computerRollsAgain(rules));
}

TEST(ShutTheBoxComputer, AWholeTurnWithAGremlinFlipOfAnEarlierBox) {
    RandomSource random;
    ShutTheBoxRules rules = freshGame(random); // odds 6
    rules.setToMoveForTest(Seat::Two);
    std::vector<std::int32_t> draws{
        2, 3,       // throw 7: box 7
        5,          // Gremlin: 5 % 6 + 1 = 6, no strike
        0, 0,       // cup faces
        3, 4,       // throw 9: box 9
        6, 6,       // Gremlin: 6 % 6 + 1 = 1, strikes; box 6 % 9 + 1 = 7, shut before: reopens
        0, 0,       // cup faces
        0, 0,       // throw 2: box 2
        1,          // no strike
        0, 0,       // cup faces
        0, 0,       // throw 2: nothing fits
        0, 4, 0, 0, // odds twice (the second 4 % 5 + 6 = 10), cup faces
    };
    random.queueValues(draws);
    const Boxes flipped = playComputersTurn(rules, random, true);
    expectAllDrawsTaken(random);
    EXPECT_EQ(flipped, (Boxes{7}));
    EXPECT_EQ(rules.gremlinOdds(), 10);
    EXPECT_EQ(rules.total(Seat::Two), 45 - 9 - 2);
}

TEST(ShutTheBoxComputer, TheGremlinOnlyStrikesWhenOnAndThenPicksItsBox) {
    RandomSource random;
    ShutTheBoxRules rules = freshGame(random); // odds 6
    EXPECT_FALSE(gremlinChance(rules, false, random).strikes);
    expectAllDrawsTaken(random); // off: nothing drawn

    random.queueValues({7}); // 7 % 6 + 1 = 2: no strike, and no second draw
    EXPECT_FALSE(gremlinChance(rules, true, random).strikes);
    expectAllDrawsTaken(random);

    random.queueValues({12, 17}); // 12 % 6 + 1 = 1: strikes; 17 % 9 + 1 = 9
    const GremlinChance chance = gremlinChance(rules, true, random);
    expectAllDrawsTaken(random);
    EXPECT_TRUE(chance.strikes);
    EXPECT_EQ(chance.box, 9);

    // The odds follow the last draw of noMoveLeft: 1 in 10 now.
    rules.setBoardForTest(allShutBut({9}));
    throwDice(rules, random, 1, 1);
    random.queueValues({4});
    ASSERT_TRUE(rules.noMoveLeft(random));
    random.queueValues({6});                                  // 6 % 10 + 1 = 7
    EXPECT_FALSE(gremlinChance(rules, true, random).strikes); // with odds 6 it would
    expectAllDrawsTaken(random);
}
