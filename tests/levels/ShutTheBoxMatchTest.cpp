// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Shut The Box turns and games as the game plays them, against the exact
// figures of the policies, and the invariants that guard them.

#include "ShutTheBoxMatch.h"
#include "Invariant.h"

#include "games/shutthebox/ShutTheBoxComputer.h"
#include "platform/RandomSource.h"

#include <gtest/gtest.h>

#include <cmath>

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

// Remembers the open boxes at each of the player's decisions.
class Watching : public Player {
public:
    explicit Watching(const Player& inner) : inner_(inner) {}
    Mask choose(const ShutTheBoxRules& rules) const override {
        seen.push_back(maskOf(rules.openBoxes()));
        return inner_.choose(rules);
    }
    bool wantsOneDie(const ShutTheBoxRules& rules) const override {
        return inner_.wantsOneDie(rules);
    }
    mutable std::vector<Mask> seen;

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

// After a completed throw the Gremlin takes its chance (a strike when r mod 6
// is 0, at the box the next draw names) only when it is on.
TEST(ShutTheBoxTurn, TheGremlinTakesItsChanceOnACompletedThrowOnlyWhenOn) {
    for (bool gremlin : {false, true}) {
        RandomSource random;
        random.queueValues({0, 0, 0}); // odds 6
        ShutTheBoxRules rules(random);
        random.queueValues({3, 4}); // 4 + 5: the computer shuts 9
        if (gremlin)
            random.queueValues({0, 8}); // it strikes at box 9
        random.queueValues({0, 0});     // the dice back in the cup
        random.seed(99);                // the rest of the turn at random
        const ComputerPlayer computer;
        const Watching watching(computer);
        const TurnReport turn = playTurn(rules, watching, gremlin, random);
        ASSERT_GE(watching.seen.size(), 2u);
        EXPECT_EQ(watching.seen[1], gremlin ? allOpen : boxes({1, 2, 3, 4, 5, 6, 7, 8}));
        EXPECT_EQ(turn.gremlinStrikes > 0, gremlin);
    }
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
    }
}

TEST(ShutTheBoxInvariants, ATurnOnAPlayedBoardIsAFault) {
    RandomSource random;
    random.seed(4);
    ShutTheBoxRules rules(random);
    rules.setBoardForTest(boxSetOf(boxes({9})));
    EXPECT_THROW(playTurn(rules, ComputerPlayer(), false, random), InvariantViolation);
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

TEST(ShutTheBoxGames, EveryGameIsCountedAndTheSeatsAreEven) {
    const OptimalTables tables;
    const OptimalPlayer best(tables, false);
    RandomSource random;
    random.seed(8);
    GameTally tally;
    playGames(best, best, false, 4000, random, tally);
    EXPECT_EQ(tally.played, 4000);
    EXPECT_EQ(tally.won + tally.lost + tally.tied, 4000);
    EXPECT_GT(tally.tied, 0);
    // The same player in both seats: as many wins as losses.
    EXPECT_NEAR(static_cast<double>(tally.won - tally.lost) / tally.played, 0.0, 0.05);
}

} // namespace
} // namespace tumbledown::levels::shutthebox
