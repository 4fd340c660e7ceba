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

// The faces of the next throw, die 1 first (a die is draw mod 6 + 1).
void queueFaces(RandomSource& random, std::initializer_list<int> faces) {
    std::vector<std::int32_t> values;
    for (int f : faces)
        values.push_back(f - 1);
    random.queueValues(values);
}

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

TEST(TenThouTurn, ADisasterLosesEverythingAndPassesTheTurn) {
    TenThouRules rules;
    rules.setCurrentForTest(Seat::One, Seat::One);
    rules.setScoresForTest(Seat::One, 0, 4500);
    rules.setScoresForTest(Seat::Two, 0, 3000);
    RandomSource random;
    queueFaces(random, {2, 3, 2, 2, 6, 2});
    const TurnReport turn = playTurn(rules, Level::Wizard, random);
    EXPECT_TRUE(turn.disaster);
    EXPECT_EQ(turn.rolls, 1);
    EXPECT_EQ(rules.total(Seat::One), 0);
    EXPECT_EQ(rules.total(Seat::Two), 3000);
    EXPECT_EQ(rules.current(), Seat::Two);
}

TEST(TenThouTurn, AStraightIsFollowedByAThrowAndABustLosesTheTurn) {
    TenThouRules rules;
    rules.setCurrentForTest(Seat::One, Seat::One);
    rules.setScoresForTest(Seat::One, 0, 1000);
    RandomSource random;
    queueFaces(random, {3, 1, 2, 6, 5, 4}); // a straight: 3000, and all six dice again
    queueFaces(random, {2, 2, 3, 3, 4, 6}); // nothing
    const TurnReport turn = playTurn(rules, Level::Apprentice, random);
    EXPECT_EQ(turn.rolls, 2);
    EXPECT_TRUE(turn.bust);
    EXPECT_EQ(turn.banked, 0);
    EXPECT_EQ(rules.total(Seat::One), 1000);
    EXPECT_EQ(rules.current(), Seat::Two);
}

TEST(TenThouTurn, TheApprenticeBanksOnceItHas200) {
    TenThouRules rules;
    rules.setCurrentForTest(Seat::Two, Seat::One);
    RandomSource random;
    queueFaces(random, {1, 4, 1, 2, 1, 3}); // three 1's: 1000
    const TurnReport turn = playTurn(rules, Level::Apprentice, random);
    EXPECT_EQ(turn.rolls, 1);
    EXPECT_EQ(turn.banked, 1000);
    EXPECT_EQ(rules.total(Seat::Two), 1000);
    EXPECT_EQ(rules.current(), Seat::One);
}

TEST(TenThouTurn, TakesEverySingleFiveBeforePassing) {
    // The Wizard keeps a 5 to throw again when it has taken something and
    // three or more dice would be left; it takes the 5 before it passes.
    TenThouRules rules;
    rules.setCurrentForTest(Seat::Two, Seat::One);
    RandomSource random;
    queueFaces(random, {1, 1, 1, 5, 2, 3}); // three 1's, and a 5 kept back; 1000 banks
    const TurnReport turn = playTurn(rules, Level::Wizard, random);
    EXPECT_EQ(turn.rolls, 1);
    EXPECT_EQ(turn.banked, 1050);
}

TEST(TenThouInvariants, ATurnThatStartsWithPointsLeftOverIsAFault) {
    TenThouRules rules;
    rules.setCurrentForTest(Seat::One, Seat::One);
    rules.setScoresForTest(Seat::One, 100, 0);
    RandomSource random;
    random.seed(1);
    EXPECT_THROW(playTurn(rules, Level::Mage, random), InvariantViolation);
}

TEST(TenThouInvariants, AGameThatDoesNotStartFromNothingIsAFault) {
    TenThouRules rules;
    rules.newGame();
    rules.setScoresForTest(Seat::Two, 0, -50);
    RandomSource random;
    random.seed(1);
    EXPECT_THROW(playGame(rules, {Level::Mage, Level::Mage}, random), InvariantViolation);
}

TEST(TenThouGame, AGameIsPlayedToTheGoalWithEqualTurns) {
    RandomSource random;
    for (std::uint32_t seed = 1; seed <= 30; ++seed) {
        random.seed(seed);
        TenThouRules rules;
        rules.newGame();
        const GameReport game = playGame(rules, {Level::Wizard, Level::Apprentice}, random);
        EXPECT_EQ(game.turns % 2, 0);
        EXPECT_GE(std::max(game.totals[0], game.totals[1]), tumbledown::tenthousand::goal);
        if (!game.tie) {
            EXPECT_GT(game.totals[static_cast<int>(game.winner)],
                      game.totals[1 - static_cast<int>(game.winner)]);
        }
        EXPECT_EQ(game.starter, Seat::Two) << "newGame() hands the first game to seat two";
    }
}

TEST(TenThouPairing, CountsEveryGameAndIsReproducible) {
    RandomSource random;
    random.seed(77);
    PairingTally first;
    playPairing(Level::Mage, Level::Apprentice, 200, random, first);
    EXPECT_EQ(first.played, 200);
    EXPECT_EQ(first.aWon + first.bWon + first.tied, 200);
    EXPECT_LE(first.starterWon, first.aWon + first.bWon);
    EXPECT_GT(first.turns, 200 * 10);

    random.seed(77);
    PairingTally again;
    playPairing(Level::Mage, Level::Apprentice, 200, random, again);
    EXPECT_EQ(again.aWon, first.aWon);
    EXPECT_EQ(again.turns, first.turns);

    random.seed(78);
    PairingTally other;
    playPairing(Level::Mage, Level::Apprentice, 200, random, other);
    EXPECT_NE(other.turns, first.turns);
}

// A level against itself wins as often from either seat: a seat that read the
// wrong player's points would lose nearly every game.
TEST(TenThouPairing, ALevelAgainstItselfWinsAsOftenFromEitherSeat) {
    for (Level level : {Level::Mage, Level::Wizard}) {
        RandomSource random;
        random.seed(5);
        PairingTally tally;
        playPairing(level, level, 2000, random, tally);
        const double decided = static_cast<double>(tally.aWon + tally.bWon);
        EXPECT_NEAR(tally.seatOneWon / decided, 0.5, 0.05) << levelName(level);
    }
}

TEST(TenThouPairing, TheLevelsDiffer) {
    RandomSource random;
    random.seed(9);
    PairingTally tally;
    playPairing(Level::Wizard, Level::Apprentice, 2000, random, tally);
    EXPECT_GT(static_cast<double>(tally.aWon) / tally.played, 0.6);
}

} // namespace
} // namespace tumbledown::levels::tenthousand
