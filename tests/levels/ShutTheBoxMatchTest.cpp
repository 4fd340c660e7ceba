// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The best play of Shut The Box, checked against small boards worked out by
// hand; turns and games as the game plays them, against the exact figures of
// the policies, and the invariants that guard them.

#include "ShutTheBoxMatch.h"
#include "Invariant.h"
#include "ShutTheBoxOptimal.h"

#include "games/shutthebox/ShutTheBoxComputer.h"
#include "platform/RandomSource.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

namespace tumbledown::levels::shutthebox {
namespace {

using tumbledown::shutthebox::CupOutcome;

constexpr std::int32_t sentinel = 424242;

Mask boxes(std::initializer_list<int> numbers) {
    Mask m = 0;
    for (int n : numbers)
        m |= static_cast<Mask>(1u << (n - 1));
    return m;
}

// Remembers the open boxes at each of the player's decisions, and its seats.
class Watching : public Player {
public:
    explicit Watching(const Player& inner) : inner_(inner) {}
    Mask choose(const ShutTheBoxRules& rules) const override {
        seen.push_back(maskOf(rules.openBoxes()));
        seats.insert(rules.toMove());
        return inner_.choose(rules);
    }
    bool wantsOneDie(const ShutTheBoxRules& rules) const override {
        return inner_.wantsOneDie(rules);
    }
    mutable std::vector<Mask> seen;
    mutable std::set<Seat> seats;

private:
    const Player& inner_;
};

TEST(ShutTheBoxTurn, PlaysTheComputersTurnInTheGamesOrderOfDraws) {
    RandomSource random;
    random.queueValues({0, 0, 0}); // the game object: two discarded draws, odds 6
    ShutTheBoxRules rules(random);
    random.queueValues({5, 5}); // 6 + 6: the computer shuts 9 and 3
    random.queueValues({0, 0}); // the dice back in the cup
    random.queueValues({5, 4}); // 6 + 5: 7 and 4
    random.queueValues({0, 0});
    random.queueValues({0, 0}); // 1 + 1: 2
    random.queueValues({0, 0});
    random.queueValues({0, 0});    // 1 + 1 again: nothing fits {1, 5, 6, 8}
    random.queueValues({3});       // no move left: new odds 9
    random.queueValues({4, 0, 0}); // the click that ends the turn: odds 10, cup faces
    const ComputerPlayer computer;
    const Watching watching(computer);
    const TurnReport turn = playTurn(rules, watching, false, random);
    EXPECT_EQ(turn.score, 20);
    EXPECT_EQ(turn.throws, 4);
    EXPECT_EQ(turn.end.outcome, CupOutcome::TurnPassed);
    EXPECT_EQ(rules.toMove(), Seat::Two);
    EXPECT_EQ(rules.roundScore(Seat::One), 20);
    EXPECT_EQ(rules.gremlinOdds(), 10);
    EXPECT_EQ(watching.seen,
              (std::vector<Mask>{allOpen, boxes({1, 2, 4, 5, 6, 7, 8}), boxes({1, 2, 5, 6, 8})}));
    random.queueValues({sentinel});
    EXPECT_EQ(random.draw(), sentinel) << "the turn took more or fewer draws than the game";
}

// A player asking for boxes that do not make the throw is caught.
class Cheating : public Player {
public:
    explicit Cheating(Mask (*choose)(const ShutTheBoxRules&)) : choose_(choose) {}
    Mask choose(const ShutTheBoxRules& rules) const override { return choose_(rules); }
    bool wantsOneDie(const ShutTheBoxRules&) const override { return false; }

private:
    Mask (*choose_)(const ShutTheBoxRules&);
};

TEST(ShutTheBoxInvariants, ABadChoiceIsAFault) {
    const Cheating tooMuch([](const ShutTheBoxRules& r) {
        return static_cast<Mask>(1u << (r.throwTotal() - 1) | 1u);
    });
    const Cheating nothing([](const ShutTheBoxRules&) { return Mask{0}; });
    const Cheating shutAlready([](const ShutTheBoxRules& r) {
        return r.closed(9) ? boxes({9}) : ComputerPlayer().choose(r);
    });
    for (const Player* p :
         {static_cast<const Player*>(&tooMuch), static_cast<const Player*>(&nothing),
          static_cast<const Player*>(&shutAlready)}) {
        RandomSource random;
        random.seed(4);
        ShutTheBoxRules rules(random);
        EXPECT_THROW(for (int i = 0; i < 50; ++i) playTurn(rules, *p, false, random),
                     InvariantViolation);
        // So is a turn begun on a played board.
        rules.setBoardForTest(boxSetOf(boxes({9})));
        EXPECT_THROW(playTurn(rules, ComputerPlayer(), false, random), InvariantViolation);
    }
}

// The player under test sits in either seat: the seats change every game.
TEST(ShutTheBoxGames, ThePlayersChangeSeatsEveryGame) {
    const ComputerPlayer computer;
    const Watching tested(computer);
    RandomSource random;
    random.seed(8);
    GameTally tally;
    playGames(tested, computer, false, 2, random, tally);
    EXPECT_EQ(tally.played, 2);
    EXPECT_EQ(tested.seats, (std::set<Seat>{Seat::One, Seat::Two}));
}

// The engine's turns and the tables' exact figures describe the same game.
TEST(ShutTheBoxTurns, TheSimulationAgreesWithTheExactFigures) {
    const OptimalTables tables;
    const ComputerPlayer computer;
    const Policy computerTable = computerPolicy();
    for (bool optimal : {false, true})
        for (bool gremlin : {false, true}) {
            const OptimalPlayer best(tables, gremlin);
            const Player& player = optimal ? static_cast<const Player&>(best) : computer;
            double exactScore = 0;
            double exactShut = 0;
            const std::vector<int> odds =
                gremlin ? std::vector<int>{6, 7, 8, 9, 10} : std::vector<int>{gremlinOff};
            for (int o : odds) {
                const Policy& policy =
                    optimal ? tables.forTurn(gremlin, gremlin ? o : 6).policy : computerTable;
                exactScore += expectedScore(policy, o).fromStart() / odds.size();
                exactShut += shutProbability(policy, o).fromStart() / odds.size();
            }
            RandomSource random;
            random.seed(31);
            TurnTally tally;
            playTurns(player, gremlin, 40000, random, tally);
            const double se = tally.score.standardError();
            EXPECT_NEAR(tally.score.value(), exactScore, 4 * se)
                << (optimal ? "best play" : "computer") << (gremlin ? " with the Gremlin" : "");
            const double p = static_cast<double>(tally.shut) / tally.turns();
            EXPECT_NEAR(p, exactShut, 4 * std::sqrt(exactShut * (1 - exactShut) / tally.turns()))
                << (optimal ? "best play" : "computer") << (gremlin ? " with the Gremlin" : "");
        }
}

const Optimum& plain() {
    static const Optimum best = solveOptimal(gremlinOff);
    return best;
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

// The best play is a fixed point, with the Gremlin and without: no state has
// a closing that would do better against the values it leads to. No other
// policy does better anywhere, the computer's included.
TEST(BestPlay, NoSingleChangeNorOtherPolicyImprovesIt) {
    const Policy computer = computerPolicy();
    for (int odds : {gremlinOff, 6, 10}) {
        const Optimum best = odds == gremlinOff ? plain() : solveOptimal(odds);
        const TurnValues theirs = expectedScore(computer, odds);
        const auto worth = [&](Mask m, int dice) {
            return m == 0 ? 0.0 : best.expectedScore.value[dice][m];
        };
        const auto afterThrow = [&](Mask m, int dice) {
            if (odds == gremlinOff)
                return worth(m, dice);
            double flipped = 0;
            for (int box = 1; box <= 9; ++box)
                flipped += worth(static_cast<Mask>(m ^ (1u << (box - 1))), dice);
            return (1 - 1.0 / odds) * worth(m, dice) + flipped / 9 / odds;
        };
        int worse = 0;
        for (int m = 1; m < maskCount; ++m)
            for (int dice : {0, 1}) {
                const double mine = best.expectedScore.value[dice][m];
                EXPECT_LE(mine, theirs.value[dice][m] + 1e-9);
                worse += theirs.value[dice][m] > mine + 1e-9;
                for (int t = 1; t <= 12; ++t) {
                    const Mask chosen = best.policy.shut[dice][m][t];
                    for (Mask other : closings(static_cast<Mask>(m), t)) {
                        ASSERT_NE(chosen, 0);
                        EXPECT_LE(afterThrow(static_cast<Mask>(m & ~chosen), dice),
                                  afterThrow(static_cast<Mask>(m & ~other), dice) + 1e-9);
                    }
                }
            }
        EXPECT_GT(worse, 0) << "the computer is not the best play";
        EXPECT_LT(best.expectedScore.fromStart(), theirs.fromStart());
    }
}

// Each odds has its own best play, as solved for it.
TEST(OptimalTables, OneTablePerGremlinSetting) {
    const OptimalTables tables;
    std::array<TurnValues, 6> byOdds{};
    byOdds[0] = tables.forTurn(false, 8).expectedScore;
    EXPECT_EQ(byOdds[0].fromStart(), plain().expectedScore.fromStart());
    EXPECT_EQ(averageFromStart(false, byOdds), byOdds[0].fromStart());
    double sum = 0;
    for (int odds = 6; odds <= 10; ++odds) {
        byOdds[static_cast<std::size_t>(odds - 5)] = tables.forTurn(true, odds).expectedScore;
        EXPECT_EQ(byOdds[static_cast<std::size_t>(odds - 5)].fromStart(),
                  solveOptimal(odds).expectedScore.fromStart())
            << odds;
        sum += byOdds[static_cast<std::size_t>(odds - 5)].fromStart();
    }
    EXPECT_NEAR(averageFromStart(true, byOdds), sum / 5, 1e-12);
    EXPECT_THROW(tables.forTurn(true, 5), std::out_of_range);
}

} // namespace
} // namespace tumbledown::levels::shutthebox
