// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PokerDiceTestSupport.h"

#include "games/pokerdice/PokerDiceComputer.h"

#include <optional>
#include <string>
#include <vector>

using namespace tumbledown;
using namespace tumbledown::pokerdice;
using namespace tumbledown::pokerdice::testing;

namespace {

std::string levelName(Level level) {
    return level == Level::Apprentice ? "apprentice" : level == Level::Mage ? "mage" : "wizard";
}

const Level apprentice = Level::Apprentice;
const Level mage = Level::Mage;
const Level wizard = Level::Wizard;

struct Case {
    Level level;
    Dice own;
    bool wild;
    std::optional<Dice> opponent;   // player one's finished hand, if any
    int r;                          // the chance number the decision draws, 0 for none
    std::optional<DiceSet> discard; // nullopt: stand
    int line;
};

#define AT __LINE__

void check(const Case& c) {
    OpponentView view;
    if (c.opponent) {
        view.played = true;
        view.hand = ClassifyHand(*c.opponent, c.wild);
    }
    RandomSource random;
    if (c.r)
        random.queueValues({c.r - 1 + 20 * 1000});
    const Decision d = decide(c.level, c.own, c.wild, view, random);
    SCOPED_TRACE("case at line " + std::to_string(c.line) + ", " + levelName(c.level));
    expectAllDrawsTaken(random);
    if (!c.discard) {
        EXPECT_TRUE(d.stand);
        EXPECT_EQ(d.callCount, 0);
        return;
    }
    EXPECT_FALSE(d.stand);
    EXPECT_EQ(d.discarded(), *c.discard);
}

const Dice fiveAces = hand(A, A, A, A, A);
const Dice fiveKings = hand(K, K, K, K, K);
const Dice fiveQueens = hand(Q, Q, Q, Q, Q);

} // namespace

// One row per branch of the decision: each category at each level, playing
// first or against player one's hand.
TEST(PokerDiceComputer, EachHandPlaysAsItsLevelAndPlayerOnesHandDemand) {
    const Dice kingsOverQueens = hand(K, K, K, Q, Q);
    const Dice wildStraight = hand(A, K, Q, J, N);
    const Dice threeKings = hand(K, K, K, Q, J);
    // Kings and queens with an ace: keeping the high pair puts back the queens
    // and the ace; the lowest three are the queens and a king.
    const Dice kq = hand(K, K, Q, Q, A);
    const DiceSet kqHighPair = dice({3, 4, 5});
    const DiceSet kqTwoPairs = dice({5});
    const DiceSet kqLowestThree = dice({1, 3, 4});
    const Dice highest = hand(A, K, Q, J, N); // lowest card the 9, three lowest Q, J, 9
    const DiceSet lowestCard = dice({5});
    const DiceSet threeLowest = dice({3, 4, 5});
    const std::vector<Case> cases = {
        // Five of a kind.
        {apprentice, fiveKings, false, fiveAces, 0, std::nullopt, AT},
        {mage, fiveKings, false, fiveAces, 0, dice({1, 2, 3}), AT},
        {mage, fiveKings, false, fiveQueens, 0, std::nullopt, AT},
        // Playing first with four wild aces, the Wizard chases a better fifth card.
        {wizard, hand(A, A, A, A, Q), true, std::nullopt, 0, std::nullopt, AT},
        {wizard, hand(J, A, A, A, A), true, std::nullopt, 0, dice({1}), AT},
        {wizard, hand(A, A, A, A, T), true, std::nullopt, 0, dice({5}), AT},
        {wizard, hand(A, A, A, A, J), true, hand(K, Q, J, J, N), 0, std::nullopt, AT},

        // Four of a kind.
        {apprentice, hand(Q, Q, N, Q, Q), false, std::nullopt, 0, dice({3}), AT},
        // The kicker is never the four's own value, even when it shows once.
        {apprentice, hand(A, A, A, K, Q), true, std::nullopt, 0, dice({5}), AT},
        {mage, hand(K, K, K, K, Q), false, fiveKings, 0, dice({5}), AT},
        {mage, hand(K, K, K, K, Q), false, hand(Q, Q, Q, Q, J), 0, std::nullopt, AT},
        // Three wild aces: the Wizard keeps the aces and rolls the two others.
        {wizard, hand(A, A, A, K, Q), true, std::nullopt, 0, dice({4, 5}), AT},
        {mage, hand(A, A, A, K, Q), true, std::nullopt, 0, dice({5}), AT},

        // Full house.
        {apprentice, kingsOverQueens, false, fiveAces, 0, std::nullopt, AT},
        {mage, kingsOverQueens, false, hand(N, N, N, N, A), 0, dice({4, 5}), AT},
        {mage, kingsOverQueens, false, hand(Q, Q, Q, J, J), 0, std::nullopt, AT},
        // Against five kings: the Mage puts back the lowest three dice, the Wizard
        // breaks up the pair as the three is good enough.
        {mage, kingsOverQueens, false, fiveKings, 0, dice({1, 4, 5}), AT},
        {wizard, kingsOverQueens, false, fiveKings, 0, dice({4, 5}), AT},

        // A straight breaks up by chance only with wild aces.
        {apprentice, wildStraight, true, std::nullopt, 10, threeLowest, AT},
        {apprentice, wildStraight, true, std::nullopt, 11, std::nullopt, AT},
        {mage, wildStraight, true, std::nullopt, 6, threeLowest, AT},
        {mage, wildStraight, true, std::nullopt, 7, std::nullopt, AT},
        {wizard, wildStraight, true, std::nullopt, 14, threeLowest, AT},
        {wizard, wildStraight, true, std::nullopt, 15, std::nullopt, AT},
        {mage, hand(K, Q, J, T, N), false, std::nullopt, 0, std::nullopt, AT},
        // Playing second: behind on the same category, put back the 9 alone.
        {mage, hand(N, K, Q, J, T), false, hand(A, K, Q, J, T), 0, dice({1}), AT},
        {wizard, hand(A, K, Q, J, T), false, hand(A, K, Q, J, T), 0, std::nullopt, AT},
        {mage, hand(K, Q, J, T, N), false, hand(A, A, A, J, J), 0, dice({3, 4, 5}), AT},

        // Three of a kind; with wild aces the ace that made the three stays.
        {apprentice, hand(A, K, K, Q, J), true, std::nullopt, 0, dice({4, 5}), AT},
        {mage, threeKings, false, fiveKings, 0, dice({1, 4, 5}), AT},
        {wizard, threeKings, false, fiveKings, 0, dice({4, 5}), AT},
        {mage, threeKings, false, std::nullopt, 0, dice({4, 5}), AT},
        {wizard, threeKings, false, hand(Q, Q, Q, A, T), 0, std::nullopt, AT},

        // Two pair.
        {apprentice, kq, false, fiveAces, 0, kqTwoPairs, AT},
        {mage, kq, false, fiveKings, 0, kqLowestThree, AT},
        {wizard, kq, false, fiveKings, 0, kqHighPair, AT},
        // Against a full house of kings: kings and jacks keep only the kings,
        // aces and jacks put back only the fifth die.
        {mage, hand(K, K, J, J, N), false, hand(K, K, K, Q, Q), 0, dice({3, 4, 5}), AT},
        {mage, hand(A, A, J, J, N), false, hand(K, K, K, Q, Q), 0, dice({5}), AT},
        {wizard, kq, false, hand(Q, Q, Q, J, T), 0, kqHighPair, AT},
        {wizard, kq, false, hand(K, K, K, J, T), 0, kqTwoPairs, AT},
        // Behind on two pair the Wizard rolls three dice.
        {wizard, kq, false, hand(A, A, K, K, N), 0, kqLowestThree, AT},
        {mage, kq, false, std::nullopt, 0, kqTwoPairs, AT},

        // Nothing puts back one or three cards.
        {apprentice, highest, false, std::nullopt, 17, lowestCard, AT},
        {apprentice, highest, false, std::nullopt, 18, threeLowest, AT},
        {mage, highest, false, std::nullopt, 14, lowestCard, AT},
        {mage, highest, false, std::nullopt, 15, threeLowest, AT},
        {wizard, highest, false, std::nullopt, 4, lowestCard, AT},
        {wizard, highest, false, std::nullopt, 5, threeLowest, AT},
        // Playing second nothing is left to chance.
        {mage, hand(A, Q, J, T, N), false, highest, 0, dice({3, 4, 5}), AT},
        {mage, highest, false, hand(A, Q, J, T, N), 0, lowestCard, AT},
        {mage, highest, false, hand(Q, Q, Q, J, T), 0, lowestCard, AT},
        {wizard, highest, false, hand(A, A, A, K, K), 0, threeLowest, AT},
    };
    for (const Case& c : cases)
        check(c);
}

TEST(PokerDiceComputer, FullHouseLowestThreeIsMarkedFaceByFace) {
    RandomSource random;
    OpponentView fiveKingsView{true, ClassifyHand(fiveKings, false)};
    const Decision d = decide(mage, hand(K, N, K, N, K), false, fiveKingsView, random);
    ASSERT_EQ(d.callCount, 5); // 9, 10, J, Q, K
    EXPECT_EQ(d.calls[0], dice({2, 4}));
    EXPECT_EQ(d.calls[3], dice({2, 4}));
    EXPECT_EQ(d.calls[4], dice({1, 2, 4}));

    // Where the three is what goes, the Wizard puts it back in one call, the
    // Mage face by face (the same dice).
    const Decision three = decide(wizard, hand(Q, Q, Q, K, K), false, fiveKingsView, random);
    EXPECT_EQ(three.callCount, 1);
    EXPECT_EQ(three.discarded(), dice({1, 2, 3}));
    EXPECT_EQ(decide(mage, hand(Q, Q, Q, K, K), false, fiveKingsView, random).callCount, 5);
}

TEST(PokerDiceComputer, OnePairIsAlwaysKeptAlone) {
    const std::vector<std::optional<Dice>> opponents = {std::nullopt,        fiveAces,
                                                        hand(N, N, N, N, T), hand(A, A, A, K, K),
                                                        hand(K, Q, J, T, N), hand(A, A, A, K, Q),
                                                        hand(A, A, K, K, Q), hand(A, A, K, Q, J),
                                                        hand(Q, Q, A, K, N), hand(A, K, Q, J, N)};
    for (const Level level : {apprentice, mage, wizard})
        for (const auto& opponent : opponents) {
            check({level, hand(A, Q, Q, J, N), false, opponent, 0, dice({1, 4, 5}), AT});
            check({level, hand(K, T, J, T, N), true, opponent, 0, dice({1, 3, 5}), AT});
        }
}

namespace {

// The board's waits and animations of a computer turn are the scenarios' to check.
struct Unseen : ComputerTurnView {};

struct ComputerTable {
    PokerDiceRules rules;
    RandomSource random;
    Unseen log;

    ComputerTable(Level level, int rollsPerTurn, bool computerFirst) {
        rules.setOpponent(level);
        rules.setRollsPerTurn(rollsPerTurn);
        random.queueValues({0, 0, computerFirst ? 10 : 0});
        rules.chooseFirstPlayer(random);
        rules.newHand();
    }
    void queue(std::initializer_list<int> faces) {
        for (int f : faces)
            random.queueValues({f - 1});
    }
    void queueR(int r) { random.queueValues({r - 1}); }
};

} // namespace

TEST(PokerDiceComputerTurn, DecidesOnceWithTwoRollsAndAtMostTwiceWithThree) {
    ComputerTable two(apprentice, 2, true);
    two.queue({J, J, A, Q, N, K, K, K});
    playComputerRolls(two.rules, apprentice, two.random, two.log);
    EXPECT_EQ(two.rules.row(Seat::Two), hand(J, J, K, K, K));
    EXPECT_EQ(two.rules.rollsUsed(), 2);
    expectAllDrawsTaken(two.random);

    ComputerTable three(apprentice, 3, true);
    three.queue({J, J, A, Q, N, J, Q, K, T, N});
    playComputerRolls(three.rules, apprentice, three.random, three.log);
    EXPECT_EQ(three.rules.row(Seat::Two), hand(J, J, J, T, N));
    EXPECT_EQ(three.rules.rollsUsed(), 3);
    expectAllDrawsTaken(three.random);
}

TEST(PokerDiceComputerTurn, StandsAndDrawsChanceAfterTheDice) {
    ComputerTable stand(apprentice, 3, true);
    stand.queue({Q, Q, K, K, K});
    playComputerRolls(stand.rules, apprentice, stand.random, stand.log);
    EXPECT_EQ(stand.rules.rollsUsed(), 1);
    expectAllDrawsTaken(stand.random);

    // Nothing: the dice, then the chance number; the 9 goes back and comes up a 10.
    ComputerTable chance(apprentice, 2, true);
    chance.queue({A, K, Q, J, N});
    chance.queueR(17);
    chance.queue({T});
    playComputerRolls(chance.rules, apprentice, chance.random, chance.log);
    EXPECT_EQ(chance.rules.row(Seat::Two), hand(A, K, Q, J, T));
    expectAllDrawsTaken(chance.random);
}

TEST(PokerDiceComputerTurn, PlayingSecondTheMageReadsPlayerOnesHand) {
    ComputerTable t(mage, 3, false);
    struct : CoinTables {
        void enterTopScore(Seat, std::uint32_t) override {}
        bool admitToClub(Seat, std::uint32_t) override { return false; }
    } tables;
    t.queue({K, K, K, K, K});
    t.rules.roll(t.random);
    t.rules.endTurn(tables);
    ASSERT_TRUE(t.rules.computersTurn());
    // Four queens against five kings put back three dice, then three jacks do.
    t.queue({Q, Q, Q, Q, K, J, J, J, K, K, K});
    playComputerRolls(t.rules, mage, t.random, t.log);
    EXPECT_EQ(t.rules.row(Seat::Two), hand(K, K, K, Q, K));
    expectAllDrawsTaken(t.random);
}
