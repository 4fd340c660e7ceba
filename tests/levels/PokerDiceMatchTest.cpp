// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Poker Dice played level against level: either seat, scripted hands, and the
// coin and hand invariants.

#include "PokerDiceMatch.h"
#include "Invariant.h"

#include "platform/RandomSource.h"

#include <gtest/gtest.h>

namespace tumbledown::levels::pokerdice {
namespace {

using namespace tumbledown::pokerdice;

class NoTables : public CoinTables {
public:
    void enterTopScore(Seat, std::uint32_t) override {}
    bool admitToClub(Seat, std::uint32_t) override { return false; }
};

class QuietView : public ComputerTurnView {};

// A hand under way: `first` to play, rules set as a match starts them.
PokerDiceRules handWithFirst(Seat first, int rolls, bool wild, RandomSource& random) {
    PokerDiceRules rules;
    rules.setOpponent(Level::Mage);
    rules.setRollsPerTurn(rolls);
    rules.setAcesWild(wild);
    // The third draw decides: r mod 20 + 1 <= 10 gives player one the first hand.
    random.queueValues({0, 0, first == Seat::One ? 0 : 10});
    rules.chooseFirstPlayer(random);
    rules.newHand();
    return rules;
}

void queueFaces(RandomSource& random, const Dice& dice) {
    std::vector<std::int32_t> values;
    for (int i = 1; i <= 5; ++i)
        values.push_back(dice[i] - 1);
    random.queueValues(values);
}

Dice randomDice(RandomSource& random) {
    Dice d{};
    for (int i = 1; i <= 5; ++i)
        d[i] = random.draw() % 6 + 1;
    return d;
}

// Player one with a level decides as player two would in its place: the
// other side's finished hand is the opponent's.
TEST(PokerDiceSeats, SeatOneDecidesAsSeatTwoWouldInItsPlace) {
    NoTables tables;
    int decidedDifferently = 0;
    for (Level level : {Level::Mage, Level::Wizard})
        for (bool wild : {false, true})
            for (std::uint32_t seed = 1; seed <= 300; ++seed) {
                RandomSource setup;
                setup.seed(seed);
                const Dice opponentsHand = randomDice(setup);
                // In the game: player one plays first, the computer (player two) second.
                RandomSource r1;
                PokerDiceRules asTwo = handWithFirst(Seat::One, 3, wild, r1);
                queueFaces(r1, opponentsHand);
                asTwo.roll(r1);
                asTwo.endTurn(tables);
                // Here: player two plays first, a computer in seat one second.
                RandomSource r2;
                PokerDiceRules asOne = handWithFirst(Seat::Two, 3, wild, r2);
                queueFaces(r2, opponentsHand);
                asOne.roll(r2);
                asOne.endTurn(tables);
                ASSERT_EQ(asOne.toPlay(), Seat::One);

                r1.seed(seed);
                r2.seed(seed);
                QuietView view;
                playComputerRolls(asTwo, level, r1, view);
                playComputerRolls(asOne, level, r2, view);
                EXPECT_EQ(asOne.row(Seat::One), asTwo.row(Seat::Two)) << "seed " << seed;
                EXPECT_EQ(r2.state(), r1.state()) << "seed " << seed;

                // Deciding blind, as if playing first, changes some of these turns:
                // the opponent's hand really is looked at.
                RandomSource r3;
                PokerDiceRules blind = handWithFirst(Seat::One, 3, wild, r3);
                r3.seed(seed);
                playComputerRolls(blind, level, r3, view);
                decidedDifferently += blind.row(Seat::One) != asTwo.row(Seat::Two);
            }
    EXPECT_GT(decidedDifferently, 50);
}

TEST(PokerDiceHands, FiveAcesBeatNothingAndTheCoinsMove) {
    // The Apprentice stands on five of a kind and on nothing draws one number.
    RandomSource random;
    random.queueValues({0, 0, 0}); // player one is first
    queueFaces(random, {0, ace, ace, ace, ace, ace});
    queueFaces(random, {0, ace, king, queen, jack, nine}); // player two: nothing
    random.queueValues({0, nine - 1}); // r = 1: the lowest card goes back, and shows 9 again
    random.queueValues({0, nine - 1});
    HandsSetup setup;
    setup.a = Level::Apprentice;
    setup.b = Level::Apprentice;
    HandTally tally;
    playHands(setup, 1, random, tally);
    EXPECT_EQ(tally.played, 1);
    EXPECT_EQ(tally.aWon, 1);
    EXPECT_EQ(tally.aCoins.sum, defaultBet);
}

TEST(PokerDiceInvariants, ABetTheCoinsCannotCoverIsAFault) {
    RandomSource random;
    random.seed(3);
    HandsSetup setup;
    setup.bet = maxBet; // more than either side holds: the settlement clamps it
    HandTally tally;
    EXPECT_THROW(playHands(setup, 10, random, tally), InvariantViolation);
}

} // namespace
} // namespace tumbledown::levels::pokerdice
