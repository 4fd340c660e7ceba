// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PokerDiceTestSupport.h"

#include <string>
#include <vector>

using namespace tumbledown;
using namespace tumbledown::pokerdice;
using namespace tumbledown::pokerdice::testing;

namespace {

// Queues draws that roll exactly these faces (draw mod 6 + 1).
void queueFaces(RandomSource& random, std::initializer_list<int> faces) {
    std::vector<std::int32_t> values;
    for (int f : faces)
        values.push_back(f - 1 + 6 * 1000);
    random.queueValues(values);
}

void queueHand(RandomSource& random, const Dice& d) {
    queueFaces(random, {d[1], d[2], d[3], d[4], d[5]});
}

struct FakeTables : CoinTables {
    std::vector<std::string> calls;
    std::array<bool, 2> admits{};

    void enterTopScore(Seat s, std::uint32_t coins) override {
        calls.push_back("top " + std::to_string(static_cast<int>(s) + 1) + " " +
                        std::to_string(coins));
    }
    bool admitToClub(Seat s, std::uint32_t coins) override {
        calls.push_back("club " + std::to_string(static_cast<int>(s) + 1) + " " +
                        std::to_string(coins));
        return admits[static_cast<int>(s)];
    }
};

struct Table {
    PokerDiceRules rules;
    RandomSource random;
    FakeTables tables;

    explicit Table(std::optional<Level> computer = std::nullopt, int rollsPerTurn = 3) {
        rules.setOpponent(computer);
        rules.setRollsPerTurn(rollsPerTurn);
        random.queueValues({0, 0, 0}); // r = 1: player one first
        rules.chooseFirstPlayer(random);
        rules.newHand();
    }

    // One roll of these faces, then PASS.
    EndTurnResult turn(const Dice& d) {
        queueHand(random, d);
        rules.roll(random);
        return rules.endTurn(tables);
    }

    Settlement hand(const Dice& first, const Dice& second) {
        turn(first);
        turn(second);
        return rules.settle(random, tables);
    }
};

Stakes stakes(std::uint32_t p1, std::uint32_t p2, std::int32_t purse, std::int32_t bet) {
    return Stakes{p1, p2, purse, bet};
}

const Dice fullHouse = hand(K, K, K, Q, Q);
const Dice aPair = hand(J, J, A, Q, N);
const Dice twoPair = hand(T, T, N, N, K);

} // namespace

TEST(PokerDiceTurn, RollsTheDiceInTheCupInDieOrderUntilTheRollsAreUsed) {
    Table t;
    EXPECT_EQ(t.rules.flame(), Flame::Large);
    queueFaces(t.random, {A, K, Q, J, T});
    const RollResult first = t.rules.roll(t.random);
    EXPECT_TRUE(first.allowed);
    EXPECT_EQ(first.rolled, dice({1, 2, 3, 4, 5}));
    EXPECT_EQ(t.rules.dice(), hand(A, K, Q, J, T));
    EXPECT_EQ(t.rules.row(Seat::One), hand(A, K, Q, J, T));
    EXPECT_TRUE(t.rules.rolled(Seat::One));
    EXPECT_EQ(t.rules.flame(), Flame::Medium);

    // With every die on the table there is nothing to roll.
    EXPECT_FALSE(t.rules.roll(t.random).allowed);
    expectAllDrawsTaken(t.random);

    t.rules.discard(4);
    t.rules.discard(2);
    queueFaces(t.random, {N, N});
    const RollResult second = t.rules.roll(t.random);
    EXPECT_EQ(second.rolled, dice({2, 4}));
    EXPECT_FALSE(second.turnOver);
    expectAllDrawsTaken(t.random);
    EXPECT_EQ(t.rules.row(Seat::One), hand(A, N, Q, N, T));
    EXPECT_EQ(t.rules.flame(), Flame::Small);

    t.rules.discard(1);
    queueFaces(t.random, {N});
    const RollResult last = t.rules.roll(t.random);
    EXPECT_TRUE(last.turnOver); // a person's turn ends by itself
    EXPECT_EQ(t.rules.flame(), Flame::None);
    EXPECT_FALSE(t.rules.discard(3).allowed);
    EXPECT_FALSE(t.rules.roll(t.random).allowed);
    expectAllDrawsTaken(t.random);
}

TEST(PokerDiceTurn, TwoRollsShowLargeSmallNoneAndTheComputerEndsItsOwnTurn) {
    Table t(Level::Mage, 2);
    EXPECT_EQ(t.rules.flame(), Flame::Large);
    t.turn(aPair); // player one
    EXPECT_TRUE(t.rules.computersTurn());
    queueHand(t.random, twoPair);
    EXPECT_FALSE(t.rules.roll(t.random).turnOver);
    EXPECT_EQ(t.rules.flame(), Flame::Small);
    t.rules.discard(5);
    queueFaces(t.random, {A});
    EXPECT_FALSE(t.rules.roll(t.random).turnOver);
    EXPECT_EQ(t.rules.flame(), Flame::None);
}

TEST(PokerDiceTurn, DiscardsStopAtThreeInTheCup) {
    Table t;
    EXPECT_FALSE(t.rules.discard(1).allowed); // before the roll all five are in the cup
    queueHand(t.random, aPair);
    t.rules.roll(t.random);
    EXPECT_TRUE(t.rules.discard(1).allowed);
    // A die already in the cup may be named again; it is animated again.
    const DiscardResult again = t.rules.discard(1);
    EXPECT_TRUE(again.allowed);
    EXPECT_EQ(again.discarded, dice({1}));
    EXPECT_TRUE(t.rules.discard(dice({2, 3})).allowed);
    EXPECT_FALSE(t.rules.discard(4).allowed); // a fourth
    EXPECT_TRUE(t.rules.onTable(4));
    EXPECT_TRUE(t.rules.offTable(3));
    EXPECT_FALSE(t.rules.onTable(3));
}

TEST(PokerDiceTurn, UndoBringsBackOnlyThisTurnsDiscards) {
    Table t;
    // Before the first roll there is nothing of this turn to bring back, and
    // ROLL still works afterwards.
    EXPECT_FALSE(t.rules.undoDiscards().allowed);
    queueHand(t.random, twoPair);
    EXPECT_TRUE(t.rules.roll(t.random).allowed);

    t.rules.discard(1);
    t.rules.discard(5);
    const UndoResult undo = t.rules.undoDiscards();
    EXPECT_TRUE(undo.allowed);
    EXPECT_EQ(undo.restored, dice({1, 5}));
    EXPECT_EQ(t.rules.diceOnTable(), dice({1, 2, 3, 4, 5}));
    EXPECT_EQ(t.rules.rollsUsed(), 1);
    EXPECT_EQ(t.rules.row(Seat::One), twoPair);

    t.rules.endTurn(t.tables);
    // Player two's turn: last turn's dice are not brought back as theirs.
    EXPECT_FALSE(t.rules.undoDiscards().allowed);
    EXPECT_EQ(t.rules.diceOnTable(), DiceSet{});
    queueHand(t.random, fullHouse);
    EXPECT_EQ(t.rules.roll(t.random).rolled, dice({1, 2, 3, 4, 5}));
    EXPECT_EQ(t.rules.row(Seat::Two), fullHouse);
}

TEST(PokerDiceTurn, EndTurnClassifiesTheRowAndPassesTheDice) {
    Table t(Level::Apprentice);
    EXPECT_FALSE(t.rules.endTurn(t.tables).allowed); // PASS before the first roll
    EXPECT_TRUE(t.rules.acesWildMayChange());
    queueHand(t.random, hand(A, A, K, K, Q));
    t.rules.roll(t.random);
    EXPECT_FALSE(t.rules.acesWildMayChange());
    t.rules.discard(5);
    const EndTurnResult first = t.rules.endTurn(t.tables);
    EXPECT_TRUE(first.allowed);
    EXPECT_EQ(first.finished, Seat::One);
    // A die put back still counts: the row holds the last faces rolled.
    EXPECT_EQ(first.hand.category, HandCategory::TwoPair);
    EXPECT_EQ(first.hand.key, (TieBreakKey{0, 6, 5, 4, 0, 0}));
    EXPECT_EQ(first.toRow, dice({1, 2, 3, 4}));
    EXPECT_FALSE(first.handOver);
    EXPECT_TRUE(first.computerToPlay);
    EXPECT_EQ(t.rules.toPlay(), Seat::Two);
    EXPECT_EQ(t.rules.diceOnTable(), DiceSet{});
    EXPECT_EQ(t.rules.flame(), Flame::Large);

    const EndTurnResult second = t.turn(aPair);
    EXPECT_TRUE(second.handOver);
    EXPECT_FALSE(second.computerToPlay);
    EXPECT_TRUE(t.rules.tablesPending());
    EXPECT_FALSE(t.rules.finished(Seat::One));
    EXPECT_TRUE(t.rules.acesWildMayChange()); // between hands
    // The side that played second plays first next time.
    EXPECT_EQ(t.rules.toPlay(), Seat::Two);
    t.rules.settle(t.random, t.tables);
    queueHand(t.random, aPair);
    EXPECT_TRUE(t.rules.roll(t.random).clearRows);
    t.rules.discard(1);
    EXPECT_FALSE(t.rules.undoDiscards().clearRows); // only the first animation clears
}

TEST(PokerDiceTurn, TheThirdDrawChoosesTheFirstPlayerAndNewHandsAlternate) {
    PokerDiceRules rules;
    RandomSource random;
    random.queueValues({5, 5, 9}); // r = 10
    EXPECT_EQ(rules.chooseFirstPlayer(random).first, Seat::One);
    rules.newHand();
    EXPECT_EQ(rules.toPlay(), Seat::One);
    random.queueValues({5, 5, 10}); // r = 11
    EXPECT_EQ(rules.chooseFirstPlayer(random).first, Seat::Two);
    rules.newHand();
    EXPECT_EQ(rules.toPlay(), Seat::Two);
    rules.newHand(); // a new match without a new choice goes to the other side
    EXPECT_EQ(rules.toPlay(), Seat::One);

    // A match restarted after a roll lets aces wild change again, and the dice
    // still on the table are taken off.
    queueHand(random, aPair);
    rules.roll(random);
    random.queueValues({0, 0, 0});
    EXPECT_EQ(rules.chooseFirstPlayer(random).erased, dice({1, 2, 3, 4, 5}));
    rules.newHand();
    EXPECT_TRUE(rules.acesWildMayChange());
    EXPECT_EQ(rules.rollsUsed(), 0);
}

TEST(PokerDiceBet, ClampKeepsTheBetWithinWhatBothSidesHold) {
    struct Case {
        std::optional<Level> computer;
        Stakes before;
        std::int32_t bet;
    };
    const std::vector<Case> cases = {
        {std::nullopt, stakes(5000, 5000, 0, 4000), 4000},
        {std::nullopt, stakes(5000, 3000, 0, 4000), 3000},
        {std::nullopt, stakes(2000, 3000, 0, 4000), 2000},
        {std::nullopt, stakes(4000000000u, 3000000000u, 0, 2000000000), 999999999},
        {std::nullopt, stakes(5000, 5000, 0, -20), 0},
        {Level::Mage, stakes(5000, 1, 30000, 4000), 4000}, // player two's coins do not count
        {Level::Mage, stakes(50000, 1, 30000, 40000), 30000},
        {Level::Wizard, stakes(20000, 1, 30000, 40000), 20000},
        {Level::Apprentice, stakes(0, 1, 30000, 40000), 0},
        {Level::Mage, stakes(5000, 1, -7, 4000), 0}, // a damaged purse pays nothing
    };
    for (const Case& c : cases) {
        PokerDiceRules rules;
        rules.setOpponent(c.computer);
        rules.setStakes(c.before);
        EXPECT_EQ(rules.clampBet(), c.bet != c.before.bet);
        EXPECT_EQ(rules.bet(), c.bet);
        EXPECT_FALSE(rules.clampBet()); // a clamped bet stays put
    }
}

TEST(PokerDiceBet, DigitsAndBeadsMoveOneStepAtATime) {
    EXPECT_EQ(betAfterDigitClick(0, 1, true), 1);
    EXPECT_EQ(betAfterDigitClick(9, 1, true), 9);
    EXPECT_EQ(betAfterDigitClick(0, 1, false), 0);
    EXPECT_EQ(betAfterDigitClick(1234567, 7, false), 234567);
    EXPECT_EQ(betAfterDigitClick(1234567, 3, true), 1234667);
    EXPECT_EQ(betAfterDigitClick(1234567, 8, true), 1234567);

    EXPECT_EQ(betAfterBeadClick(0, 1, 1), 5); // five-bead down
    EXPECT_EQ(betAfterBeadClick(5, 1, 1), 5); // already down
    EXPECT_EQ(betAfterBeadClick(5, 1, 2), 0); // and back up
    EXPECT_EQ(betAfterBeadClick(0, 1, 4), 1); // the one-bead below the gap
    EXPECT_EQ(betAfterBeadClick(1, 1, 5), 2); // the gap moved down
    EXPECT_EQ(betAfterBeadClick(1, 1, 3), 0); // the one-bead above the gap
    EXPECT_EQ(betAfterBeadClick(0, 1, 3), 0); // no gap above
    EXPECT_EQ(betAfterBeadClick(1, 1, 6), 1); // not beside the gap
    EXPECT_EQ(betAfterBeadClick(9, 1, 6), 8); // four one-beads up: gap at 7
    EXPECT_EQ(betAfterBeadClick(9, 1, 7), 9); // the gap itself
    EXPECT_EQ(betAfterBeadClick(1234567, 3, 2), 1234067);
    EXPECT_EQ(betAfterBeadClick(1234567, 7, 5), 2234567);
    EXPECT_EQ(betAfterBeadClick(1234567, 7, 4), 1234567); // the gap

    EXPECT_EQ(abacusRod(1234567, 3).fiveBeadPlace, 2);
    EXPECT_EQ(abacusRod(1234567, 3).gapPlace, 3);
    EXPECT_EQ(abacusRod(1234567, 1).gapPlace, 5);
    EXPECT_EQ(abacusRod(1234567, 7).fiveBeadPlace, 1);
    EXPECT_EQ(abacusRod(1234567, 7).gapPlace, 4);
}

TEST(PokerDiceBet, ResetCoinsAndThePursePick) {
    PokerDiceRules rules;
    rules.setStakes(stakes(300, 90000, 40000, 6000));
    rules.resetCoins();
    EXPECT_EQ(rules.stakes(), stakes(5000, 5000, 40000, 5000));
    rules.setBet(250);
    rules.resetCoins();
    EXPECT_EQ(rules.bet(), 250);

    RandomSource random;
    random.queueValues({0, 1, 10, 11, 21});
    EXPECT_EQ(rules.pickPurse(random), 5000);
    EXPECT_EQ(rules.pickPurse(random), 10000);
    EXPECT_EQ(rules.pickPurse(random), 100000);
    EXPECT_EQ(rules.pickPurse(random), 5000);
    EXPECT_EQ(rules.pickPurse(random), 100000);
    EXPECT_EQ(rules.stakes().purse, 100000);
}

namespace {

std::string coins(const Stakes& s) {
    return std::to_string(s.player1) + "/" + std::to_string(s.player2) + "/" +
           std::to_string(s.purse) + "/" + std::to_string(s.bet);
}

// Everything a settlement reports (the stakes once the bet has moved, after the
// redraw, and as left), then the calls it made on the tables.
std::string describe(const Settlement& s, const Table& t) {
    std::string d = s.outcome == HandOutcome::PlayerOneWins   ? "one"
                    : s.outcome == HandOutcome::PlayerTwoWins ? "two"
                                                              : "tie";
    d += " " + coins(s.afterBet) + " " + coins(s.afterRedraw) + " " + coins(t.rules.stakes());
    d += std::string(s.betRedrawn ? " redrawn" : "") + (s.betClamped ? " clamped" : "") +
         (s.betCutTo5000 ? " cut" : "") + (s.purseRefilled ? " refilled" : "") +
         (s.lostAll[0] ? " lost1" : "") + (s.lostAll[1] ? " lost2" : "") +
         (s.clubEntrant == Seat::One ? " member1" : "") +
         (s.clubEntrant == Seat::Two ? " member2" : "") +
         (s.betClampedAfterClub ? " clubclamp" : "");
    for (const std::string& call : t.tables.calls)
        d += ", " + call;
    return d;
}

} // namespace

TEST(PokerDiceSettle, TheBetMovesGrantsRefillsAndClubEntriesFollowTheCoins) {
    struct Case {
        struct {
            std::optional<Level> computer;
            std::array<bool, 2> admits;
            Stakes before;
            Dice first, second;                   // player one's hand, then player two's
            std::vector<std::int32_t> draws = {}; // what the settlement draws
        } in;
        std::string expected;
    };
    const Dice straight = hand(K, Q, J, T, N);
    const std::vector<Case> cases = {
        {{{}, {}, stakes(5000, 5000, 0, 1000), fullHouse, aPair},
         "one 6000/4000/0/1000 6000/4000/0/1000 6000/4000/0/1000 redrawn"},
        // A tie and a bet of 0 move nothing.
        {{{}, {}, stakes(6000, 4000, 0, 1000), straight, hand(N, T, J, Q, K)},
         "tie 6000/4000/0/1000 6000/4000/0/1000 6000/4000/0/1000 redrawn"},
        {{{}, {}, stakes(6000, 4000, 0, 0), aPair, fullHouse},
         "two 6000/4000/0/0 6000/4000/0/0 6000/4000/0/0 redrawn"},
        // A person who loses all is given 5,000; a bet of 5,000 is not above it.
        {{{}, {}, stakes(5000, 5000, 0, 5000), aPair, fullHouse},
         "two 0/10000/0/5000 0/10000/0/5000 5000/10000/0/5000 lost1"},
        // A larger bet comes down to 5,000 when someone is left with nothing.
        {{{}, {}, stakes(8000, 6000, 0, 6000), fullHouse, aPair},
         "one 14000/0/0/6000 14000/0/0/5000 14000/5000/0/5000 redrawn cut lost2"},
        // A loser never pays more than they hold, even with a bet left unclamped.
        {{{}, {}, stakes(5000, 100, 0, 5000), fullHouse, aPair},
         "one 5100/0/0/5000 5100/0/0/5000 5100/5000/0/5000 lost2"},
        // Coins stop at their limit instead of wrapping.
        {{{}, {}, stakes(4294000000u, 999999999, 0, 999999999), fullHouse, aPair},
         "one 4294967295/0/0/999999999 4294967295/0/0/5000 4294967295/5000/0/5000 redrawn cut "
         "lost2, club 1 4294967295"},
        // The computer's purse is refilled when it runs out (r = 1: 5,000).
        {{Level::Wizard, {}, stakes(12000, 777, 10000, 10000), fullHouse, aPair, {0}},
         "one 22000/777/0/10000 22000/777/5000/5000 22000/777/5000/5000 redrawn clamped "
         "refilled"},
        // Player one losing everything brings the bet to 0 and wins a grant;
        // the unused second seat never enters the club.
        {{Level::Wizard, {true, true}, stakes(3000, billionaire, 50000, 3000), aPair, fullHouse},
         "two 0/1000000000/53000/3000 0/1000000000/53000/0 5000/1000000000/53000/0 redrawn "
         "clamped lost1"},
        // A purse that would pass 2,147,483,647 stops there; it does not turn
        // negative, which would count as the computer losing everything.
        {{Level::Mage, {}, stakes(100000000, 0, 2100000000, 100000000), aPair, fullHouse},
         "two 0/0/2147483647/100000000 0/0/2147483647/0 5000/0/2147483647/0 redrawn clamped "
         "lost1"},
        // A new club member goes back to 5,000, and so must the bet left standing.
        {{{}, {true, false}, stakes(999000000, 5000000, 0, 1000000), fullHouse, aPair},
         "one 1000000000/4000000/0/1000000 1000000000/4000000/0/1000000 5000/4000000/0/5000 "
         "redrawn member1 clubclamp, club 1 1000000000"},
        // Already a member: nobody enters and the coins stay.
        {{{}, {}, stakes(5000, 1500000000, 0, 1000), aPair, fullHouse},
         "two 4000/1500001000/0/1000 4000/1500001000/0/1000 4000/1500001000/0/1000 redrawn, "
         "club 2 1500001000"},
        // Both enter at once: player two is the entrant.
        {{{}, {true, true}, stakes(2000000000, 1500000000, 0, 1000), fullHouse, aPair},
         "one 2000001000/1499999000/0/1000 2000001000/1499999000/0/1000 2000001000/5000/0/1000 "
         "redrawn member2, club 1 2000001000, club 2 1499999000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected);
        Table t(c.in.computer);
        t.tables.admits = c.in.admits;
        t.rules.setStakes(c.in.before);
        EXPECT_FALSE(t.rules.settle(t.random, t.tables).settled); // nothing to settle yet
        t.turn(c.in.first);
        t.turn(c.in.second);
        t.random.queueValues(c.in.draws);
        const Settlement s = t.rules.settle(t.random, t.tables);
        EXPECT_TRUE(s.settled);
        EXPECT_EQ(describe(s, t), c.expected);
        EXPECT_EQ(t.rules.clubEntrant(), s.clubEntrant);
        expectAllDrawsTaken(t.random);
        EXPECT_FALSE(t.rules.settle(t.random, t.tables).settled); // once only
    }
}

TEST(PokerDiceTables, PendingUpdatesAreMadeBeforeTheFlagIsDropped) {
    Table t;
    t.rules.setStakes(stakes(5000, 5000, 0, 1000));
    t.hand(fullHouse, aPair);
    EXPECT_TRUE(t.rules.tablesPending());
    EXPECT_TRUE(t.tables.calls.empty());
    // Player two opens the next hand; the end of that turn drops the flag.
    t.turn(twoPair);
    EXPECT_FALSE(t.rules.tablesPending());
    EXPECT_EQ(t.tables.calls, (std::vector<std::string>{"top 1 6000", "top 2 4000"}));
    t.rules.flushPendingTables(t.tables); // nothing pending any more
    EXPECT_EQ(t.tables.calls.size(), 2u);

    // Against the computer only player one goes into the tables; the club
    // comes before the top scores.
    Table c(Level::Apprentice);
    c.rules.setStakes(stakes(1999999000, 5000, 50000, 1000));
    c.hand(fullHouse, aPair);
    c.tables.calls.clear();
    c.rules.flushPendingTables(c.tables);
    EXPECT_EQ(c.tables.calls, (std::vector<std::string>{"club 1 2000000000", "top 1 2000000000"}));
    EXPECT_FALSE(c.rules.tablesPending());
}
