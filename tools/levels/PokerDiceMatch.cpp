// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PokerDiceMatch.h"

#include "Invariant.h"

#include "platform/RandomSource.h"

#include <string>

namespace tumbledown::levels::pokerdice {

using namespace tumbledown::pokerdice;

namespace {

std::string where(const PokerDiceRules& rules) {
    std::string dice;
    for (int i = 1; i <= 5; ++i)
        dice += std::to_string(rules.die(i));
    return " (seat " + std::to_string(seatIndex(rules.toPlay()) + 1) + ", dice " + dice +
           ", rolls used " + std::to_string(rules.rollsUsed()) + ")";
}

void checkRolled(const PokerDiceRules& rules, const RollResult& rolled) {
    require(rolled.allowed && rolled.rolled.any(), [&] {
        return "Poker Dice: the rules refused a roll the computer chose" + where(rules);
    });
    require(rules.rollsUsed() >= 1 && rules.rollsUsed() <= rules.rollsPerTurn(),
            [&] { return "Poker Dice: more rolls than a turn has" + where(rules); });
    for (int i = 1; i <= 5; ++i)
        require(rules.die(i) >= 1 && rules.die(i) <= 6 && rules.onTable(i),
                [&] { return "Poker Dice: a die is off the table after a roll" + where(rules); });
    require(rules.row(rules.toPlay()) == rules.dice(),
            [&] { return "Poker Dice: the row does not follow the dice" + where(rules); });
}

// A decision to roll again puts back one to three dice: a person may put back
// no more, and a computer that puts back none would throw nothing.
void checkPutBack(const PokerDiceRules& rules) {
    int inCup = 0;
    for (int i = 1; i <= 5; ++i)
        inCup += rules.offTable(i) ? 1 : 0;
    require(inCup >= 1 && inCup <= 3, [&] {
        return "Poker Dice: the computer put back " + std::to_string(inCup) + " dice" +
               where(rules);
    });
}

// Watches a side's turn as the real board would, checking each step.
class CheckingView : public ComputerTurnView {
public:
    explicit CheckingView(const PokerDiceRules& rules) : rules_(rules) {}
    void rolled(const RollResult& result) override { checkRolled(rules_, result); }
    void beforeReroll() override { checkPutBack(rules_); }

private:
    const PokerDiceRules& rules_;
};

// The tables are never reached with these coins; any entry is a fault.
class NoTables : public CoinTables {
public:
    void enterTopScore(Seat, std::uint32_t) override {}
    bool admitToClub(Seat, std::uint32_t) override {
        throw InvariantViolation("Poker Dice: a player reached the Billionaire Club");
    }
};

void checkHand(const PokerDiceRules& rules, Seat seat, const ClassifiedHand& hand) {
    const int category = static_cast<int>(hand.category);
    require(category >= static_cast<int>(HandCategory::Nothing) &&
                category <= static_cast<int>(HandCategory::FiveOfAKind) &&
                hand == ClassifyHand(rules.row(seat), rules.acesWild()) && hand == rules.hand(seat),
            [&] { return "Poker Dice: a finished hand was misjudged" + where(rules); });
}

HandOutcome reversed(HandOutcome outcome) {
    switch (outcome) {
    case HandOutcome::PlayerOneWins:
        return HandOutcome::PlayerTwoWins;
    case HandOutcome::PlayerTwoWins:
        return HandOutcome::PlayerOneWins;
    case HandOutcome::Tie:
        return HandOutcome::Tie;
    }
    return outcome;
}

} // namespace

void HandTally::merge(const HandTally& other) {
    played += other.played;
    aWon += other.aWon;
    bWon += other.bWon;
    tied += other.tied;
    aCoins.merge(other.aCoins);
}

void playHands(const HandsSetup& setup, std::int64_t hands, RandomSource& random,
               HandTally& tally) {
    PokerDiceRules rules;
    NoTables tables;
    rules.setOpponent(setup.b);
    rules.setRollsPerTurn(setup.rolls);
    rules.setAcesWild(setup.acesWild);
    Stakes stakes;
    stakes.player1 = startingCoins;
    stakes.purse = static_cast<std::int32_t>(startingCoins);
    stakes.bet = setup.bet;
    rules.setStakes(stakes);
    rules.chooseFirstPlayer(random);
    rules.newHand();

    for (std::int64_t h = 0; h < hands; ++h) {
        require(rules.betMayChange() && rules.rollsUsed() == 0,
                [&] { return "Poker Dice: a hand began half played" + where(rules); });
        const Seat first = rules.toPlay();
        const Stakes before = rules.stakes();
        for (int turn = 0; turn < 2; ++turn) {
            const Seat seat = rules.toPlay();
            require(seat == (turn == 0 ? first : other(first)),
                    [&] { return "Poker Dice: the turn did not pass" + where(rules); });
            const Level level = seat == Seat::One ? setup.a : setup.b;
            CheckingView view(rules);
            playComputerRolls(rules, level, random, view);
            require(rules.rollsUsed() >= 1,
                    [&] { return "Poker Dice: a side ended its turn unrolled" + where(rules); });
            const EndTurnResult end = rules.endTurn(tables);
            require(end.allowed && end.finished == seat && end.handOver == (turn == 1),
                    [&] { return "Poker Dice: the turn ended wrongly" + where(rules); });
            checkHand(rules, seat, end.hand);
        }
        const Settlement s = rules.settle(random, tables);
        const ClassifiedHand& one = rules.hand(Seat::One);
        const ClassifiedHand& two = rules.hand(Seat::Two);
        require(s.settled && s.outcome == CompareHands(one, two) &&
                    CompareHands(two, one) == reversed(s.outcome),
                [&] { return "Poker Dice: the hands were compared wrongly" + where(rules); });

        const Stakes after = rules.stakes();
        const std::int64_t won = static_cast<std::int64_t>(after.player1) - before.player1;
        const std::int64_t expected = s.outcome == HandOutcome::PlayerOneWins   ? setup.bet
                                      : s.outcome == HandOutcome::PlayerTwoWins ? -setup.bet
                                                                                : 0;
        require(won == expected && static_cast<std::int64_t>(after.purse) - before.purse == -won &&
                    after.bet == setup.bet && after.player2 == before.player2,
                [&] { return "Poker Dice: the coins moved wrongly" + where(rules); });
        require(after.purse >= 0 && after.purse <= maxPurse && after.bet >= 0 &&
                    after.bet <= maxBet && after.player1 >= static_cast<std::uint32_t>(after.bet),
                [&] { return "Poker Dice: the coins left their limits" + where(rules); });
        require(!s.purseRefilled && !s.lostAll[0] && !s.lostAll[1] && !s.clubEntrant &&
                    !s.betClamped,
                [&] { return "Poker Dice: a fixed bet was changed" + where(rules); });
        // The side that played second plays first in the next hand.
        require(rules.toPlay() == other(first),
                [&] { return "Poker Dice: the first player did not alternate" + where(rules); });

        ++tally.played;
        tally.aCoins.add(won);
        switch (s.outcome) {
        case HandOutcome::PlayerOneWins:
            ++tally.aWon;
            break;
        case HandOutcome::PlayerTwoWins:
            ++tally.bWon;
            break;
        case HandOutcome::Tie:
            ++tally.tied;
            break;
        }
    }
}

} // namespace tumbledown::levels::pokerdice
