// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

// 10,000 played level against level: either seat, scripted turns, whole
// games and the invariants that guard them.

#include "TenThouMatch.h"
#include "Invariant.h"

#include "platform/RandomSource.h"

#include <gtest/gtest.h>

namespace tumbledown::levels::tenthousand {
namespace {

using tumbledown::tenthousand::DiceSet;
using tumbledown::tenthousand::RollMemory;

// A position with `dice` dice in play showing no score, `mover` to play.
TenThouRules position(Seat mover, int moversTotal, int moversTurn, int othersTotal, int dice,
                      bool firstChance, bool secondChance) {
    TenThouRules rules;
    rules.setCurrentForTest(mover, Seat::One);
    rules.setScoresForTest(mover, moversTurn, moversTotal);
    rules.setScoresForTest(other(mover), 0, othersTotal);
    DiceSet inPlay;
    for (int die = 1; die <= dice; ++die)
        inPlay.set(die);
    rules.setDiceForTest({0, 2, 3, 4, 6, 2, 3}, inPlay, inPlay);
    rules.setChancesForTest(firstChance, secondChance);
    return rules;
}

// The computer decides for the seat to play: seat one decides as seat two
// would in its place, draw for draw, and the positions tell the seats apart.
TEST(TenThouSeats, SeatOneDecidesAsSeatTwoWouldInItsPlace) {
    int differencesWithSeatsSwapped = 0;
    int positions = 0;
    for (Level level : {Level::Apprentice, Level::Mage, Level::Wizard})
        for (int own : {0, 4000, 9400, 9800})
            for (int theirs : {0, 2100, 6000, 9600, 10050})
                for (int turn : {0, 150, 300, 400, 500, 850, 1200})
                    for (int dice : {1, 2, 3, 6})
                        for (int chance = 0; chance < 3; ++chance) {
                            const bool first = dice == 1 && chance == 1;
                            const bool second = dice == 1 && chance == 2;
                            const TenThouRules asTwo =
                                position(Seat::Two, own, turn, theirs, dice, first, second);
                            const TenThouRules asOne =
                                position(Seat::One, own, turn, theirs, dice, first, second);
                            const TenThouRules swapped =
                                position(Seat::One, theirs, turn, own, dice, first, second);
                            for (bool bust : {false, true}) {
                                RollMemory memory;
                                memory.bust = bust;
                                RandomSource r1;
                                RandomSource r2;
                                RandomSource r3;
                                const std::uint32_t seed = static_cast<std::uint32_t>(positions);
                                r1.seed(seed);
                                r2.seed(seed);
                                r3.seed(seed);
                                const bool expected = keepRolling(asTwo, level, memory, dice, r1);
                                EXPECT_EQ(keepRolling(asOne, level, memory, dice, r2), expected)
                                    << "level " << levelName(level) << " own " << own << " theirs "
                                    << theirs << " turn " << turn << " dice " << dice;
                                EXPECT_EQ(r2.state(), r1.state()) << "the draws differ";
                                differencesWithSeatsSwapped +=
                                    keepRolling(swapped, level, memory, dice, r3) != expected;
                                ++positions;
                            }
                        }
    EXPECT_GT(differencesWithSeatsSwapped, positions / 10)
        << "the test positions do not tell the seats apart";
}

// Scripted turns (the throws' faces, die 1 first): how each ends, and what it
// leaves on the board. The Wizard keeps a 5 back to throw again, and takes it
// before it passes; a straight is followed by a throw of all six dice.
TEST(TenThouTurn, EndsAsTheThrowsAndTheLevelDecide) {
    struct Row {
        Level level;
        Seat mover;
        int total;
        std::string throws;
        const char* end;
        int banked;
        int totalAfter;
    };
    for (const Row& row :
         std::vector<Row>{{Level::Wizard, Seat::One, 4500, "232262", "disaster", 0, 0},
                          {Level::Apprentice, Seat::One, 1000, "312654 223346", "bust", 0, 1000},
                          {Level::Apprentice, Seat::Two, 0, "141213", "bank", 1000, 1000},
                          {Level::Wizard, Seat::Two, 0, "111523", "bank", 1050, 1050}}) {
        SCOPED_TRACE(row.throws);
        TenThouRules rules;
        rules.setCurrentForTest(row.mover, Seat::One);
        rules.setScoresForTest(row.mover, 0, row.total);
        rules.setScoresForTest(other(row.mover), 0, 3000);
        RandomSource random;
        for (char face : row.throws)
            if (face != ' ')
                random.queueValues({face - '1'});
        const TurnReport turn = playTurn(rules, row.level, random);
        EXPECT_EQ(turn.rolls, static_cast<int>(row.throws.size() + 1) / 7);
        EXPECT_EQ(turn.disaster, row.end == std::string("disaster"));
        EXPECT_EQ(turn.bust, row.end == std::string("bust"));
        EXPECT_EQ(turn.banked, row.banked);
        EXPECT_EQ(rules.total(row.mover), row.totalAfter);
        EXPECT_EQ(rules.total(other(row.mover)), 3000);
        EXPECT_EQ(rules.current(), other(row.mover));
    }
}

TEST(TenThouInvariants, PointsLeftOverOrATotalBelowNothingAreFaults) {
    RandomSource random;
    random.seed(1);
    TenThouRules turn;
    turn.setCurrentForTest(Seat::One, Seat::One);
    turn.setScoresForTest(Seat::One, 100, 0);
    EXPECT_THROW(playTurn(turn, Level::Mage, random), InvariantViolation);
    TenThouRules game;
    game.newGame();
    game.setScoresForTest(Seat::Two, 0, -50);
    EXPECT_THROW(playGame(game, {Level::Mage, Level::Mage}, random), InvariantViolation);
}

// The levels change seats every second game: seat one wins about half of the
// decided games whoever is stronger (a seat that read the wrong player's
// points, or levels that kept their seats, would not).
TEST(TenThouPairing, EachLevelSitsInEitherSeatAndTheLevelsDiffer) {
    for (const auto& [a, b] :
         std::vector<std::pair<Level, Level>>{{Level::Mage, Level::Mage},
                                              {Level::Wizard, Level::Wizard},
                                              {Level::Wizard, Level::Apprentice}}) {
        RandomSource random;
        random.seed(5);
        PairingTally tally;
        playPairing(a, b, 2000, random, tally);
        const double decided = static_cast<double>(tally.aWon + tally.bWon);
        EXPECT_NEAR(tally.seatOneWon / decided, 0.5, 0.05) << levelName(a) << " v " << levelName(b);
        if (a != b) {
            EXPECT_GT(tally.aWon / decided, 0.6);
        }
    }
}

} // namespace
} // namespace tumbledown::levels::tenthousand
