// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PokerDiceRules.h"

#include "platform/RandomSource.h"

#include <algorithm>

namespace tumbledown::pokerdice {

namespace {

const DiceSet allDice{0b111110};

std::int64_t powerOfTen(int exponent) {
    std::int64_t p = 1;
    for (int i = 0; i < exponent; ++i)
        p *= 10;
    return p;
}

} // namespace

bool PokerDiceRules::acesWildMayChange() const {
    return !finished_[0] && !finished_[1] && !rolled_[0] && !rolled_[1];
}

Flame PokerDiceRules::flame() const {
    const int left = rollsPerTurn_ - rollsUsed_;
    if (rollsPerTurn_ == 2)
        return left >= 2 ? Flame::Large : left == 1 ? Flame::Small : Flame::None;
    switch (left) {
    case 3:
        return Flame::Large;
    case 2:
        return Flame::Medium;
    case 1:
        return Flame::Small;
    default:
        return Flame::None;
    }
}

PokerDiceRules::FirstPlayer PokerDiceRules::chooseFirstPlayer(RandomSource& random) {
    random.draw();
    random.draw();
    const int r = random.draw() % 20 + 1;
    FirstPlayer result;
    result.first = r <= 10 ? Seat::One : Seat::Two;
    firstToggle_ = result.first == Seat::Two; // newHand() flips it to the chosen side
    result.erased = onTable_;
    onTable_.reset();
    return result;
}

void PokerDiceRules::newHand() {
    rollsUsed_ = 0;
    finished_ = {};
    // The rolled flags go too, or the aces-wild button would be refused at the
    // start of a match that followed an unfinished hand.
    rolled_ = {};
    offTable_ = allDice;
    onTable_.reset();
    firstToggle_ = !firstToggle_;
    playerOneToPlay_ = firstToggle_;
    settlementDue_ = false;
}

bool PokerDiceRules::takeClearRows() {
    const bool clear = clearRows_;
    clearRows_ = false;
    return clear;
}

RollResult PokerDiceRules::roll(RandomSource& random) {
    RollResult result;
    if (rollsUsed_ >= rollsPerTurn_ || onTable_.count() == 5)
        return result;
    result.allowed = true;
    const int side = seatIndex(toPlay());
    rolled_[side] = true;
    result.clearRows = takeClearRows();
    for (int i = 1; i <= 5; ++i) {
        if (offTable_[i]) {
            dice_[i] = random.draw() % 6 + 1;
            result.rolled.set(i);
        }
    }
    rows_[side] = dice_;
    onTable_ |= result.rolled;
    offTable_ &= ~result.rolled;
    ++rollsUsed_;
    result.turnOver = rollsUsed_ == rollsPerTurn_ && !computersTurn();
    return result;
}

DiscardResult PokerDiceRules::discard(const DiceSet& dice) {
    DiscardResult result;
    if (rollsUsed_ >= rollsPerTurn_ || offCount() >= 3)
        return result;
    result.allowed = true;
    result.discarded = dice & allDice;
    if (result.discarded.any())
        result.clearRows = takeClearRows();
    offTable_ |= result.discarded;
    onTable_ &= ~result.discarded;
    return result;
}

DiscardResult PokerDiceRules::discard(int die) {
    DiceSet dice;
    if (die >= 1 && die <= 5)
        dice.set(die);
    return discard(dice);
}

UndoResult PokerDiceRules::undoDiscards() {
    UndoResult result;
    // Before this turn's first roll the dice in view are last turn's: bringing
    // them back would hand them over as this turn's hand and block ROLL.
    if (rollsUsed_ == 0)
        return result;
    result.allowed = true;
    result.restored = ~onTable_ & allDice;
    if (result.restored.any())
        result.clearRows = takeClearRows();
    onTable_ |= result.restored;
    offTable_ &= ~result.restored;
    rows_[seatIndex(toPlay())] = dice_;
    return result;
}

EndTurnResult PokerDiceRules::endTurn(CoinTables& tables) {
    EndTurnResult result;
    if (rollsUsed_ < 1)
        return result;
    result.allowed = true;
    rollsUsed_ = 0;
    const Seat side = toPlay();
    result.finished = side;
    finished_[seatIndex(side)] = true;
    hands_[seatIndex(side)] = ClassifyHand(rows_[seatIndex(side)], acesWild_);
    result.hand = hands_[seatIndex(side)];
    result.toRow = onTable_;
    if (finished_[0] && finished_[1]) {
        tablesPending_ = true;
        finished_ = {};
        rolled_ = {};
        result.handOver = true;
        settlementDue_ = true;
        clearRows_ = true;
    } else {
        flushPendingTables(tables);
        playerOneToPlay_ = !playerOneToPlay_;
    }
    offTable_ = allDice;
    onTable_.reset();
    result.computerToPlay = !result.handOver && computersTurn();
    return result;
}

std::uint32_t PokerDiceRules::coinsOf(Seat s) const {
    if (s == Seat::One)
        return stakes_.player1;
    if (vsComputer())
        return static_cast<std::uint32_t>(std::max(stakes_.purse, 0));
    return stakes_.player2;
}

void PokerDiceRules::setCoins(Seat s, std::uint32_t coins) {
    if (s == Seat::One)
        stakes_.player1 = coins;
    else if (vsComputer())
        stakes_.purse = static_cast<std::int32_t>(std::min<std::uint32_t>(coins, maxPurse));
    else
        stakes_.player2 = coins;
}

void PokerDiceRules::moveBet(Seat winner) {
    const Seat loser = other(winner);
    // The clamp keeps the bet within what the loser holds; should the coins have
    // changed since, the loser still pays no more than that instead of wrapping.
    const std::uint64_t amount = std::min<std::uint64_t>(
        static_cast<std::uint64_t>(std::max(stakes_.bet, 0)), coinsOf(loser));
    const std::uint64_t ceiling = (winner == Seat::Two && vsComputer()) ? maxPurse : maxCoins;
    setCoins(loser, static_cast<std::uint32_t>(coinsOf(loser) - amount));
    setCoins(winner, static_cast<std::uint32_t>(
                         std::min<std::uint64_t>(coinsOf(winner) + amount, ceiling)));
}

Settlement PokerDiceRules::settle(RandomSource& random, CoinTables& tables) {
    Settlement s;
    if (!settlementDue_)
        return s;
    settlementDue_ = false;
    s.settled = true;
    s.outcome = CompareHands(hands_[0], hands_[1]);
    if (s.outcome == HandOutcome::PlayerOneWins)
        moveBet(Seat::One);
    else if (s.outcome == HandOutcome::PlayerTwoWins)
        moveBet(Seat::Two);
    s.afterBet = stakes_;

    const auto redraw = [&] {
        s.betRedrawn = true;
        s.betClamped = clampBet() || s.betClamped;
    };
    if (vsComputer()) {
        if (stakes_.player1 > 0 && stakes_.purse > 0)
            redraw();
        if (stakes_.purse <= 0) {
            pickPurse(random);
            s.purseRefilled = true;
            redraw();
        }
        if (stakes_.player1 == 0)
            redraw(); // the bet comes down to 0
    } else if (stakes_.player1 > 0 && stakes_.player2 > 0) {
        redraw();
    } else if (stakes_.bet > static_cast<std::int32_t>(grantedCoins)) {
        stakes_.bet = grantedCoins;
        s.betRedrawn = true;
        s.betCutTo5000 = true;
    }
    s.afterRedraw = stakes_;

    if (stakes_.player1 == 0) {
        stakes_.player1 = grantedCoins;
        s.lostAll[0] = true;
    }
    if (!vsComputer() && stakes_.player2 == 0) {
        stakes_.player2 = grantedCoins;
        s.lostAll[1] = true;
    }

    s.clubEntrant = updateBillionaireClub(tables);
    if (s.clubEntrant) {
        setCoins(*s.clubEntrant, grantedCoins);
        // The member is back to 5,000: a larger bet left standing would be more
        // than they could pay next hand.
        s.betClampedAfterClub = clampBet();
    }
    return s;
}

std::int32_t PokerDiceRules::payable(std::int32_t wanted) const {
    std::int64_t bet = std::clamp<std::int64_t>(wanted, 0, maxBet);
    const std::int64_t mine = stakes_.player1;
    const std::int64_t theirs =
        vsComputer() ? std::max<std::int64_t>(stakes_.purse, 0) : stakes_.player2;
    if (bet > mine || bet > theirs)
        bet = std::min(mine, theirs);
    return static_cast<std::int32_t>(bet);
}

bool PokerDiceRules::clampBet() {
    const std::int32_t bet = payable(stakes_.bet);
    const bool changed = bet != stakes_.bet;
    stakes_.bet = bet;
    return changed;
}

std::int32_t PokerDiceRules::pickPurse(RandomSource& random) {
    const int r = random.draw() % 11 + 1;
    stakes_.purse = r == 1 ? 5000 : 10000 * (r - 1);
    return stakes_.purse;
}

void PokerDiceRules::resetCoins() {
    stakes_.player1 = grantedCoins;
    stakes_.player2 = grantedCoins;
    if (stakes_.bet > static_cast<std::int32_t>(stakes_.player1))
        stakes_.bet = static_cast<std::int32_t>(stakes_.player1);
    clearRows_ = false;
}

std::optional<Seat> PokerDiceRules::updateBillionaireClub(CoinTables& tables) {
    clubEntrant_.reset();
    if (stakes_.player1 >= billionaire && tables.admitToClub(Seat::One, stakes_.player1))
        clubEntrant_ = Seat::One;
    if (!vsComputer() && stakes_.player2 >= billionaire &&
        tables.admitToClub(Seat::Two, stakes_.player2))
        clubEntrant_ = Seat::Two;
    return clubEntrant_;
}

void PokerDiceRules::updateTopScores(CoinTables& tables) {
    tables.enterTopScore(Seat::One, stakes_.player1);
    if (!vsComputer())
        tables.enterTopScore(Seat::Two, stakes_.player2);
}

void PokerDiceRules::flushPendingTables(CoinTables& tables) {
    if (!tablesPending_)
        return;
    updateBillionaireClub(tables);
    updateTopScores(tables);
    tablesPending_ = false;
}

int betDigit(std::int32_t bet, int place) {
    if (bet <= 0 || place < 1 || place > 9)
        return 0;
    return static_cast<int>(bet / powerOfTen(place - 1) % 10);
}

std::int32_t betAfterDigitClick(std::int32_t bet, int digit, bool upperHalf) {
    if (digit < 1 || digit > 7)
        return bet;
    const int d = betDigit(bet, digit);
    const auto step = static_cast<std::int32_t>(powerOfTen(digit - 1));
    if (upperHalf && d < 9)
        return std::max(bet, 0) + step;
    if (!upperHalf && d > 0)
        return bet - step;
    return bet;
}

std::int32_t betAfterBeadClick(std::int32_t bet, int rod, int place) {
    if (rod < 1 || rod > 7)
        return bet;
    const int d = betDigit(bet, rod);
    const int e = d % 5;
    const auto unit = static_cast<std::int32_t>(powerOfTen(rod - 1));
    const std::int32_t base = std::max(bet, 0);
    if (place == 1 && d < 5)
        return base + 5 * unit;
    if (place == 2 && d >= 5)
        return base - 5 * unit;
    if (place == 4 + e)
        return base + unit;
    if (place == 2 + e && e >= 1)
        return base - unit;
    return bet;
}

RodBeads abacusRod(std::int32_t bet, int rod) {
    const int d = betDigit(bet, rod);
    return RodBeads{d >= 5 ? 2 : 1, 3 + d % 5};
}

} // namespace tumbledown::pokerdice
