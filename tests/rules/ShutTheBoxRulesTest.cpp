// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ShutTheBoxTestSupport.h"

#include "games/shutthebox/ShutTheBoxComputer.h"

#include <bitset>
#include <vector>

using namespace tumbledown;
using namespace tumbledown::shutthebox;
using namespace tumbledown::shutthebox::testing;

namespace {

// Player two's turn ends with these boxes open after a throw that fits none of
// them, so the round is scored from the given scores and totals.
CupResult endRound(RandomSource& random, int round1, int total1, std::initializer_list<int> open2,
                   int total2) {
    ShutTheBoxRules rules = freshGame(random);
    rules.setScoresForTest(Seat::One, round1, total1);
    rules.setScoresForTest(Seat::Two, 0, total2);
    rules.setToMoveForTest(Seat::Two);
    rules.setBoardForTest(allShutBut(open2));
    throwDice(rules, random, 6, 6); // 12 fits no set of the boards used below
    random.queueValues({0, 0, 0});  // the odds, then the cup's two faces
    const CupResult result = rules.rollOrEndTurn(random);
    expectAllDrawsTaken(random);
    EXPECT_EQ(rules.total(Seat::One), total1 + round1);
    return result;
}

// Whether some of the open boxes, each once, add up to sum: every subset of
// every board added up once.
bool openBoxesMake(const BoxSet& open, int sum) {
    static const auto sums = [] {
        std::vector<std::bitset<46>> table(1024);
        for (unsigned board = 0; board < 1024; board += 2)
            for (unsigned subset = board;; subset = (subset - 1) & board) {
                int total = 0;
                for (int n = 1; n <= 9; ++n)
                    total += (subset >> n & 1) ? n : 0;
                table[board].set(total);
                if (subset == 0)
                    break;
            }
        return table;
    }();
    return sum >= 0 && sum <= 45 && sums[open.to_ulong()][sum];
}

// Every click on every box, in every order a throw allows: a box shuts only
// when the rest of the throw can still be made of other open boxes, a pending
// box reopens, and the throw is complete when the pending boxes make it.
void checkEveryClick(const ShutTheBoxRules& rules, int& completed) {
    const int rest = rules.throwTotal() - rules.pendingSum();
    for (int n = 0; n <= 10; ++n) {
        const bool valid = n >= 1 && n <= 9;
        BoxOutcome expected = BoxOutcome::Refused;
        if (valid && rules.pending(n))
            expected = BoxOutcome::Reopened;
        else if (valid && !rules.closed(n) && n <= rest &&
                 openBoxesMake(rules.openBoxes() & ~BoxSet().set(n), rest - n))
            expected = n == rest ? BoxOutcome::ThrowComplete : BoxOutcome::Shut;
        EXPECT_EQ(rules.canShut(n),
                  expected == BoxOutcome::Shut || expected == BoxOutcome::ThrowComplete)
            << "box " << n;
        ShutTheBoxRules after = rules;
        ASSERT_EQ(after.clickBox(n), expected) << "box " << n << " of " << rules.pendingBoxes();
        if (expected == BoxOutcome::Reopened || expected == BoxOutcome::Refused)
            continue;
        EXPECT_TRUE(after.pending(n) && after.closed(n));
        EXPECT_EQ(after.roundScore(Seat::One), rules.roundScore(Seat::One) - n);
        if (expected == BoxOutcome::Shut) {
            // The pending boxes keep the throw alive.
            EXPECT_TRUE(after.canCompleteThrow());
            RandomSource noDraws;
            EXPECT_FALSE(ShutTheBoxRules(after).noMoveLeft(noDraws));
            checkEveryClick(after, completed);
            EXPECT_EQ(after.clickBox(n), BoxOutcome::Reopened);
            EXPECT_EQ(after.roundScore(Seat::One), rules.roundScore(Seat::One));
        } else {
            ++completed;
            EXPECT_TRUE(after.throwAwaitingCompletion());
            for (int m = 1; m <= 9; ++m) // nothing else is taken until completion
                EXPECT_EQ(after.clickBox(m), BoxOutcome::Refused);
        }
    }
}

} // namespace

TEST(ShutTheBoxRules, EveryBoardAndThrowPlaysAsTheOpenBoxesAllow) {
    int completed = 0;
    for (unsigned board = 0; board < 1024; board += 2) {
        for (int t = 2; t <= 12; ++t) {
            SCOPED_TRACE("shut " + BoxSet(board).to_string() + ", throw " + std::to_string(t));
            RandomSource random;
            ShutTheBoxRules rules = freshGame(random);
            rules.setBoardForTest(BoxSet(board));
            const int die1 = t > 6 ? 6 : t - 1;
            throwDice(rules, random, die1, t - die1);
            const bool playable = openBoxesMake(rules.openBoxes(), t);
            EXPECT_EQ(rules.canCompleteThrow(), playable);
            if (!playable)
                random.queueValues({4}); // no move: the odds are drawn anew
            EXPECT_EQ(rules.noMoveLeft(random), !playable);
            expectAllDrawsTaken(random);
            if (playable) {
                EXPECT_EQ(rules.rollOrEndTurn(random).outcome, CupOutcome::MustPlay);
                expectAllDrawsTaken(random);
                checkEveryClick(rules, completed);
            } else {
                EXPECT_EQ(rules.gremlinOdds(), 10);
            }
            if (::testing::Test::HasFailure())
                return;
        }
    }
    EXPECT_GT(completed, 10000);
}

TEST(ShutTheBoxRules, BoxesAreFinalOnceTheDiceReturnToTheCup) {
    RandomSource random;
    ShutTheBoxRules rules = freshGame(random);
    EXPECT_EQ(rules.clickBox(4), BoxOutcome::Refused); // the dice are in the cup
    throwDice(rules, random, 4, 5);
    EXPECT_EQ(rules.clickBox(4), BoxOutcome::Shut);
    EXPECT_EQ(rules.clickBox(5), BoxOutcome::ThrowComplete);
    EXPECT_EQ(rules.rollOrEndTurn(random).outcome, CupOutcome::MustPlay);
    expectAllDrawsTaken(random);

    random.queueValues({0, 1});
    const DiceReturn back = rules.completeThrow(random);
    expectAllDrawsTaken(random);
    EXPECT_TRUE(back.newFaces);
    EXPECT_FALSE(back.diceStayOut);
    EXPECT_EQ(state(rules), "P1 shut 45 pending - in 1+2 round 36/45 total 0/0 odds 6");

    throwDice(rules, random, 1, 3);
    EXPECT_EQ(rules.clickBox(4), BoxOutcome::Refused); // final now
    EXPECT_TRUE(rules.closed(4));
}

TEST(ShutTheBoxRules, OneDieOnlyWithSevenEightNineShutAndTheDiceInTheCup) {
    RandomSource random;
    ShutTheBoxRules rules = freshGame(random);
    rules.setBoardForTest(boxes({7, 8}));
    EXPECT_FALSE(rules.useOneDie());
    rules.setBoardForTest(boxes({8, 9}));
    EXPECT_FALSE(rules.useOneDie());
    rules.setBoardForTest(boxes({7, 8, 9}));
    throwDice(rules, random, 1, 2);
    EXPECT_FALSE(rules.useOneDie()); // the dice lie on the board
    EXPECT_TRUE(rules.twoDice());
    rules.clickBox(3);
    random.queueValues({4, 4});
    rules.completeThrow(random);

    ASSERT_TRUE(rules.useOneDie());
    EXPECT_EQ(rules.die(1), 5);
    random.queueValues({1}); // one die: one draw
    ASSERT_EQ(rules.rollOrEndTurn(random).outcome, CupOutcome::Rolled);
    expectAllDrawsTaken(random);
    EXPECT_EQ(rules.throwTotal(), 2);

    // The single die keeps its face in the cup, and a reopened 9 changes nothing.
    EXPECT_EQ(rules.clickBox(2), BoxOutcome::ThrowComplete);
    rules.gremlinFlip(9);
    const DiceReturn back = rules.completeThrow(random);
    expectAllDrawsTaken(random);
    EXPECT_FALSE(back.newFaces);
    EXPECT_EQ(rules.die(1), 2);
    EXPECT_FALSE(rules.twoDice());

    // The end of the turn goes back to two dice.
    rules.setBoardForTest(allShutBut({4, 9}));
    throwDice(rules, random, 6);
    random.queueValues({0, 0, 0});
    EXPECT_EQ(rules.rollOrEndTurn(random).outcome, CupOutcome::TurnPassed);
    expectAllDrawsTaken(random);
    EXPECT_TRUE(rules.twoDice());
    EXPECT_EQ(rules.roundScore(Seat::One), 13);
}

TEST(ShutTheBoxRules, TheTurnEndsOnlyWhenNoMoveIsLeft) {
    RandomSource random;
    ShutTheBoxRules rules = freshGame(random);
    throwDice(rules, random, 1, 1);
    EXPECT_EQ(rules.rollOrEndTurn(random).outcome, CupOutcome::MustPlay);
    expectAllDrawsTaken(random);
    rules.clickBox(2);
    random.queueValues({0, 0});
    rules.completeThrow(random);
    throwDice(rules, random, 1, 1); // 2 is shut, 1 alone cannot make it
    EXPECT_EQ(rules.roundScore(Seat::One), 43);

    random.queueValues({3, 2, 5}); // the odds, then the cup's faces
    EXPECT_EQ(rules.rollOrEndTurn(random).outcome, CupOutcome::TurnPassed);
    expectAllDrawsTaken(random);
    // The 43 is kept until the round is scored.
    EXPECT_EQ(state(rules), "P2 shut - pending - in 3+6 round 43/45 total 0/0 odds 9");

    throwDice(rules, random, 2, 2);
    rules.clickBox(3);
    rules.clickBox(1);
    random.queueValues({0, 0});
    rules.completeThrow(random);
    throwDice(rules, random, 1, 2); // 1 and 3 are shut: no move
    EXPECT_EQ(rules.roundScore(Seat::Two), 41);
    random.queueValues({0, 0, 0});
    EXPECT_EQ(rules.rollOrEndTurn(random).outcome, CupOutcome::RoundScored);
    EXPECT_EQ(state(rules), "P1 shut - pending - in 1+1 round 45/45 total 43/41 odds 6");
}

TEST(ShutTheBoxRules, TheGameEndsAtTheEndOfARoundWithATotalOf100) {
    RandomSource random;
    // 99 against 98: the game goes on.
    EXPECT_EQ(endRound(random, 39, 60, {9}, 89).outcome, CupOutcome::RoundScored);

    // 99 against 100: the lower total wins by 1.
    CupResult r = endRound(random, 39, 60, {9}, 91);
    EXPECT_EQ(r.outcome, CupOutcome::GameEnded);
    EXPECT_FALSE(r.game.tie);
    EXPECT_EQ(r.game.winner, Seat::One);
    EXPECT_EQ(r.game.margin, 1);

    // Both over 100 in the same round: still the lower total.
    r = endRound(random, 45, 60, {4, 9}, 97); // 105 against 110
    EXPECT_EQ(r.game.winner, Seat::One);
    EXPECT_EQ(r.game.margin, 5);
    r = endRound(random, 45, 75, {1, 2, 3, 4}, 91); // 120 against 101
    EXPECT_EQ(r.outcome, CupOutcome::GameEnded);
    EXPECT_EQ(r.game.winner, Seat::Two);
    EXPECT_EQ(r.game.margin, 19);

    // Equal totals: a tie with no margin.
    r = endRound(random, 40, 60, {9}, 91);
    EXPECT_EQ(r.outcome, CupOutcome::GameEnded);
    EXPECT_TRUE(r.game.tie);
    EXPECT_EQ(r.game.margin, 0);
}

TEST(ShutTheBoxRules, OnlyAPersonsWinGoesToTheTopScores) {
    const GameResult one{false, Seat::One, 7}, two{false, Seat::Two, 7}, tie{true, Seat::One, 0};
    EXPECT_TRUE(winnerEntersTopScores(one, true));
    EXPECT_FALSE(winnerEntersTopScores(two, true)); // the computer
    EXPECT_TRUE(winnerEntersTopScores(two, false));
    EXPECT_FALSE(winnerEntersTopScores(tie, false));
}

TEST(ShutTheBoxRules, AfterTheGameTheNextClickOnTheCupStartsANewOne) {
    RandomSource random;
    ShutTheBoxRules rules = freshGame(random);
    rules.setScoresForTest(Seat::One, 30, 80);
    rules.setToMoveForTest(Seat::Two);
    rules.setScoresForTest(Seat::Two, 0, 70);
    rules.setBoardForTest(allShutBut({1, 2})); // player two ends on 3
    throwDice(rules, random, 5, 5);
    random.queueValues({0, 0, 0});
    ASSERT_EQ(rules.rollOrEndTurn(random).outcome, CupOutcome::GameEnded);
    EXPECT_EQ(state(rules), "P1 shut - pending - out 1+1 round 45/45 total 110/73 odds 6 over");

    // The faces in the cup would count as a throw: box clicks are ignored.
    EXPECT_FALSE(rules.canShut(rules.throwTotal()));
    EXPECT_EQ(rules.clickBox(rules.throwTotal()), BoxOutcome::Refused);
    EXPECT_FALSE(rules.useOneDie());
    EXPECT_TRUE(rules.closedBoxes().none());

    random.queueValues({0, 0}); // the cup's faces only: no odds drawn
    EXPECT_EQ(rules.rollOrEndTurn(random).outcome, CupOutcome::NewGameStarted);
    expectAllDrawsTaken(random);
    EXPECT_EQ(state(rules), "P1 shut - pending - in 1+1 round 45/45 total 0/0 odds 6");
}

TEST(ShutTheBoxRules, NewGameAbandonsATurnInProgress) {
    RandomSource random;
    ShutTheBoxRules rules = freshGame(random);
    rules.setScoresForTest(Seat::Two, 20, 50);
    rules.setToMoveForTest(Seat::Two);
    rules.setBoardForTest(boxes({7, 8, 9}));
    rules.useOneDie();
    throwDice(rules, random, 2);
    ASSERT_EQ(rules.clickBox(2), BoxOutcome::ThrowComplete); // pending, awaiting the Gremlin
    random.queueValues({5, 5});
    rules.newGame(random);
    expectAllDrawsTaken(random); // two faces even though one die was in play
    EXPECT_EQ(state(rules), "P1 shut - pending - in 6+6 round 45/45 total 0/0 odds 6");
}

TEST(ShutTheBoxRules, TheGremlinsFlipCanReopenABoxOfAnEarlierThrow) {
    RandomSource random;
    ShutTheBoxRules rules = freshGame(random);
    throwDice(rules, random, 4, 5);
    rules.clickBox(9);
    rules.completeThrow(random);
    throwDice(rules, random, 1, 2);
    ASSERT_EQ(rules.clickBox(3), BoxOutcome::ThrowComplete);
    EXPECT_EQ(rules.roundScore(Seat::One), 33);

    const FlipResult flip = rules.gremlinFlip(9);
    EXPECT_EQ(flip.box, 9);
    EXPECT_FALSE(flip.shut);
    EXPECT_EQ(state(rules), "P1 shut 3 pending 3 out 1+2 round 42/45 total 0/0 odds 6 awaiting");
    rules.completeThrow(random);
    EXPECT_EQ(rules.closedBoxes(), boxes({3}));
    throwDice(rules, random, 4, 5);
    EXPECT_EQ(rules.clickBox(9), BoxOutcome::ThrowComplete);
}

TEST(ShutTheBoxRules, TheGremlinsFlipOfAPendingBoxLeavesItOpenAndNotPending) {
    RandomSource random;
    ShutTheBoxRules rules = freshGame(random);
    throwDice(rules, random, 2, 3);
    rules.clickBox(4);
    ASSERT_EQ(rules.clickBox(1), BoxOutcome::ThrowComplete);
    rules.gremlinFlip(4);
    EXPECT_EQ(
        state(rules),
        "P1 shut 1 pending 1 out 2+3 round 44/45 total 0/0 odds 6 awaiting"); // 4 is no longer
                                                                              // pending: a pending
                                                                              // box is always shut
    rules.completeThrow(random);
    EXPECT_EQ(rules.closedBoxes(), boxes({1}));
}

TEST(ShutTheBoxRules, ABoxTheGremlinShutsIsFinal) {
    RandomSource random;
    ShutTheBoxRules rules = freshGame(random);
    rules.setBoardForTest(allShutBut({2, 6}));
    throwDice(rules, random, 1, 1);
    ASSERT_EQ(rules.clickBox(2), BoxOutcome::ThrowComplete);
    const FlipResult flip = rules.gremlinFlip(6); // the last open box
    EXPECT_TRUE(flip.shut);
    EXPECT_EQ(state(rules),
              "P1 shut 123456789 pending 2 out 1+1 round 0/45 total 0/0 odds 6 awaiting");
    random.queueValues({0, 0});
    EXPECT_TRUE(rules.completeThrow(random).diceStayOut);
    EXPECT_TRUE(rules.diceOut()); // the next click on the cup ends the turn
    EXPECT_EQ(rules.clickBox(6), BoxOutcome::Refused);
    EXPECT_FALSE(rules.useOneDie());
    random.queueValues({0, 0, 0});
    EXPECT_EQ(rules.rollOrEndTurn(random).outcome, CupOutcome::TurnPassed);
    expectAllDrawsTaken(random);
    EXPECT_EQ(state(rules),
              "P2 shut - pending - in 1+1 round 0/45 total 0/0 odds 6"); // player two starts with
                                                                         // the dice in the cup
}

// Random clicks, rolls, one-die requests, Gremlin flips and new games: the box
// invariants hold after every step, and games keep ending.
TEST(ShutTheBoxRules, BoxInvariantsHoldThroughRandomPlay) {
    RandomSource random;
    random.seed(20240611u);
    RandomSource monkey; // the player's choices, apart from the game's draws
    monkey.seed(77u);
    ShutTheBoxRules rules(random);
    int gamesEnded = 0;
    int flips = 0;
    for (int step = 0; step < 200000; ++step) {
        const int action = monkey.draw() % 20;
        if (action < 12) {
            // Random boxes (0 and 10 included), or a box of a set that fits.
            int box = monkey.draw() % 11;
            if (action >= 8) {
                const std::vector<int> fit = computerBoxes(rules);
                if (!fit.empty())
                    box = fit[monkey.draw() % fit.size()];
            }
            if (rules.clickBox(box) == BoxOutcome::ThrowComplete) {
                const GremlinChance chance = gremlinChance(rules, true, random);
                if (chance.strikes) {
                    rules.gremlinFlip(chance.box);
                    ++flips;
                }
                rules.completeThrow(random);
            }
        } else if (action < 18) {
            if (rules.rollOrEndTurn(random).outcome == CupOutcome::GameEnded)
                ++gamesEnded;
        } else if (action < 19) {
            rules.useOneDie();
        } else if (monkey.draw() % 500 == 0) {
            rules.newGame(random);
        } else {
            rules.newCupFaces(random);
        }

        const BoxSet& pending = rules.pendingBoxes();
        ASSERT_TRUE((pending & ~rules.closedBoxes()).none()) << "step " << step;
        ASSERT_LE(rules.pendingSum(), rules.throwTotal()) << "step " << step;
        if (!rules.diceOut()) {
            ASSERT_TRUE(pending.none()) << "step " << step;
        }
        ASSERT_FALSE(rules.throwAwaitingCompletion());
        ASSERT_FALSE(rules.closedBoxes()[0]);
        ASSERT_EQ(rules.roundScore(rules.toMove()), rules.openSum()) << "step " << step;
        ASSERT_GE(rules.gremlinOdds(), 6);
        ASSERT_LE(rules.gremlinOdds(), 10);
        ASSERT_TRUE(rules.die(1) >= 1 && rules.die(1) <= 6);
        ASSERT_TRUE(rules.die(2) >= 1 && rules.die(2) <= 6);
        const bool reached = rules.total(Seat::One) >= goal || rules.total(Seat::Two) >= goal;
        ASSERT_EQ(reached, rules.gameOver()) << "step " << step;
    }
    EXPECT_GT(gamesEnded, 10);
    EXPECT_GT(flips, 10);
}
