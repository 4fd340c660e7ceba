// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TenThouRules.h"

#include "platform/RandomSource.h"

namespace tumbledown::tenthousand {

namespace {

constexpr int emptySlot = static_cast<int>(Pane::Empty);
constexpr int firstSlot = 2; // slot 1 of the roll record is never filled
constexpr int lastSlot = 7;
constexpr int firstBonus = 500;

int code(Pane pane) {
    return static_cast<int>(pane);
}

// What each scoring pane takes: `dice` dice showing `face` (0: all six, a
// straight or three pairs) for `points`.
struct Combination {
    int face;
    int dice;
    int points;
};

constexpr std::array<Combination, 10> combinations{{
    {0, 6, 3000}, // straight
    {0, 6, 1500}, // three pairs
    {1, 3, 1000},
    {6, 3, 600},
    {5, 3, 500},
    {4, 3, 400},
    {3, 3, 300},
    {2, 3, 200},
    {1, 1, 100}, // single 1
    {5, 1, 50},  // single 5
}};

const Combination* combinationOf(Pane pane) {
    const int i = code(pane) - code(Pane::Straight);
    return i >= 0 && i < static_cast<int>(combinations.size()) ? &combinations[i] : nullptr;
}

} // namespace

TenThouRules::TenThouRules() {
    dieValue_.fill(1);
    for (int die = 1; die <= 6; ++die) {
        inPlay_[die] = true;
        shown_[die] = false;
    }
    record_.fill(emptySlot);
}

int TenThouRules::diceInPlay() const {
    int n = 0;
    for (int die = 1; die <= 6; ++die) {
        n += inPlay_[die] ? 1 : 0;
    }
    return n;
}

bool TenThouRules::counts(int die) const {
    return inPlay_[die] && shown_[die];
}

int TenThouRules::countingShowing(int face) const {
    int n = 0;
    for (int die = 1; die <= 6; ++die) {
        n += counts(die) && dieValue_[die] == face ? 1 : 0;
    }
    return n;
}

bool TenThouRules::allSixCount() const {
    for (int die = 1; die <= 6; ++die) {
        if (!counts(die)) {
            return false;
        }
    }
    return true;
}

bool TenThouRules::test(Pane pane) const {
    const Combination* c = combinationOf(pane);
    if (c == nullptr) {
        return false;
    }
    if (c->face != 0) {
        return countingShowing(c->face) >= c->dice;
    }
    if (!allSixCount()) {
        return false;
    }
    std::array<int, 7> faceCount{};
    for (int die = 1; die <= 6; ++die) {
        const int v = dieValue_[die];
        if (v < 1 || v > 6) {
            return false;
        }
        ++faceCount[v];
    }
    for (int face = 1; face <= 6; ++face) {
        // A straight needs every face once; three pairs need every face an even
        // number of times, so four of a kind and a pair, or six alike, pair off.
        const bool ok = pane == Pane::Straight ? faceCount[face] == 1 : faceCount[face] % 2 == 0;
        if (!ok) {
            return false;
        }
    }
    return true;
}

bool TenThouRules::anyScoring() const {
    for (Pane pane : scoringPanes) {
        if (test(pane)) {
            return true;
        }
    }
    return false;
}

ScoreResult TenThouRules::score(Pane pane) {
    ScoreResult result;
    if (!test(pane)) {
        return result;
    }
    const Combination& c = *combinationOf(pane);
    int& turn = turnScore_[seatIndex(current())];
    int wanted = c.dice;
    for (int die = 1; die <= 6 && wanted > 0; ++die) {
        if (counts(die) && (c.face == 0 || dieValue_[die] == c.face)) {
            inPlay_[die] = false;
            shown_[die] = false;
            result.sunk.set(die);
            --wanted;
        }
    }
    mustRollAgain_ = mustRollAgain_ || c.face == 0;
    turn += c.points;
    if (c.dice == 1 && (firstChance_ || secondChance_)) {
        turn += bonusLevel_;
        bonusLevel_ += firstBonus;
    }
    addToRecord(pane);
    scoredThisRoll_[seatIndex(current())] = true;
    result.scored = true;
    return result;
}

int TenThouRules::worth(Pane pane) const {
    const Combination* c = combinationOf(pane);
    if (c == nullptr)
        return 0;
    return c->points + (c->dice == 1 && (firstChance_ || secondChance_) ? bonusLevel_ : 0);
}

UndoResult TenThouRules::undo(Pane pane) {
    UndoResult result;
    const Combination* c = combinationOf(pane);
    if (c == nullptr || !removeFromRecord(pane)) {
        return result;
    }
    result.undone = true;
    if (c->face == 0) {
        mustRollAgain_ = false;
    }
    // Walking down from die 6 may bring back a die of an earlier roll with the
    // same face instead of the one just taken; the dice are interchangeable.
    int wanted = c->dice;
    for (int die = 6; die >= 1 && wanted > 0; --die) {
        if (!inPlay_[die] && (c->face == 0 || dieValue_[die] == c->face)) {
            inPlay_[die] = true;
            shown_[die] = true;
            result.risen.set(die);
            --wanted;
        }
    }
    if (recordEmpty()) {
        scoredThisRoll_[seatIndex(current())] = false;
    }
    int& turn = turnScore_[seatIndex(current())];
    turn -= c->points;
    if (c->dice == 1) {
        // Takes back the latest bonus of the turn, whether or not this single
        // earned it, and restarts the sequence.
        turn -= bonusLevel_ - firstBonus;
        bonusLevel_ = firstBonus;
    }
    return result;
}

bool TenThouRules::recordEmpty() const {
    for (int slot = firstSlot; slot <= lastSlot; ++slot) {
        if (record_[slot] != emptySlot) {
            return false;
        }
    }
    return true;
}

bool TenThouRules::recordHolds(Pane pane) const {
    for (int slot = firstSlot; slot <= lastSlot; ++slot) {
        if (record_[slot] == code(pane)) {
            return true;
        }
    }
    return false;
}

RollResult TenThouRules::roll(RandomSource& random) {
    RollResult result;
    if (diceInPlay() == 0) {
        for (int die = 1; die <= 6; ++die) {
            inPlay_[die] = true;
        }
        firstChance_ = false;
        secondChance_ = false;
        clearRecord();
    }
    result.allowed = scoredThisRoll_[seatIndex(current())] || firstChance_ || firstRollOfTurn_;
    firstRollOfTurn_ = false;
    if (result.allowed) {
        if (diceInPlay() == 1) {
            // A lone die thrown again without scoring moves from the first
            // chance to the second; its first throw opens the first.
            if (firstChance_) {
                secondChance_ = true;
                firstChance_ = false;
            }
            if (!secondChance_) {
                firstChance_ = true;
            }
        } else {
            firstChance_ = false;
            secondChance_ = false;
        }
        mustRollAgain_ = false;
        clearRecord();
        for (int die = 1; die <= 6; ++die) {
            if (counts(die)) {
                shown_[die] = false;
                result.sunk.set(die);
            }
        }
        for (int die = 1; die <= 6; ++die) {
            if (inPlay_[die]) {
                dieValue_[die] = random.draw() % 6 + 1;
                shown_[die] = true;
                result.risen.set(die);
            }
        }
        disasterRolled_ = isDisaster();
        result.disaster = disasterRolled_;
    }
    scoredThisRoll_.fill(false);
    return result;
}

PassResult TenThouRules::pass() {
    PassResult result;
    if (mustRollAgain_) {
        result.outcome = PassOutcome::MustRollAgain;
        return result;
    }
    // Only dice on the board count for the four 2's: values left over from an
    // earlier turn must not end a turn that has not been rolled yet.
    const bool disaster = isDisaster();
    if (!recordEmpty() || disaster) {
        if (disaster) {
            // So that the test cannot fire again on these values.
            dieValue_.fill(1);
        }
        result.outcome = PassOutcome::Banked;
        result.turnEnd = endTurn();
        return result;
    }
    bool anyShown = false;
    for (int die = 1; die <= 6; ++die) {
        anyShown = anyShown || shown_[die];
    }
    if (anyScoring() || !anyShown) {
        result.outcome = PassOutcome::Refused;
        return result;
    }
    turnScore_[seatIndex(current())] = 0;
    result.outcome = PassOutcome::Bust;
    result.turnEnd = endTurn();
    return result;
}

void TenThouRules::loseAll() {
    turnScore_[seatIndex(current())] = 0;
    total_[seatIndex(current())] = 0;
    firstRollOfTurn_ = true;
}

TurnEnd TenThouRules::endTurn() {
    TurnEnd end;
    bonusLevel_ = firstBonus;
    firstChance_ = false;
    secondChance_ = false;
    scoredThisRoll_.fill(false);

    end.finished = current();
    playerOnesTurn_ = !playerOnesTurn_;
    const int finished = seatIndex(end.finished);
    total_[finished] += turnScore_[finished];
    turnScore_[finished] = 0;

    // Only once the turn is back with the starter, so both have had as many turns.
    end.gameOver = playerOnesTurn_ == playerOneStarts_ && (total_[0] >= goal || total_[1] >= goal);

    for (int die = 1; die <= 6; ++die) {
        if (counts(die)) {
            end.sunk.set(die);
        }
        inPlay_[die] = true;
        shown_[die] = false;
    }
    clearRecord();
    firstRollOfTurn_ = true;
    return end;
}

Seat TenThouRules::chooseFirstPlayer(RandomSource& random) {
    random.draw();
    random.draw();
    const int k = random.draw() % 20 + 1;
    playerOneStarts_ = k <= 10;
    playerOnesTurn_ = playerOneStarts_;
    return starter();
}

Seat TenThouRules::newFirstPlayer(RandomSource& random) {
    const Seat chosen = chooseFirstPlayer(random);
    // newGame() flips the starter, so store the opposite to land on the choice.
    playerOneStarts_ = !playerOneStarts_;
    for (int die = 1; die <= 6; ++die) {
        shown_[die] = false;
    }
    return chosen;
}

void TenThouRules::newGame() {
    mustRollAgain_ = false;
    for (int die = 1; die <= 6; ++die) {
        inPlay_[die] = true;
        shown_[die] = false;
    }
    firstChance_ = false;
    secondChance_ = false;
    bonusLevel_ = firstBonus;
    clearRecord();
    firstRollOfTurn_ = true;
    playerOneStarts_ = !playerOneStarts_;
    playerOnesTurn_ = playerOneStarts_;
    scoredThisRoll_.fill(false);
    total_.fill(0);
    turnScore_.fill(0);
}

GameResult TenThouRules::result() const {
    GameResult r;
    r.tie = total_[0] == total_[1];
    r.winner = total_[0] > total_[1] ? Seat::One : Seat::Two;
    r.winnerTotal = total_[seatIndex(r.winner)];
    r.nextStarter = other(starter());
    return r;
}

void TenThouRules::setDiceForTest(const std::array<int, 7>& values, const DiceSet& inPlay,
                                  const DiceSet& shown) {
    for (int die = 1; die <= 6; ++die) {
        dieValue_[die] = values[die];
        inPlay_[die] = inPlay.test(die);
        shown_[die] = shown.test(die);
    }
}

void TenThouRules::setScoresForTest(Seat s, int turnScore, int total) {
    turnScore_[seatIndex(s)] = turnScore;
    total_[seatIndex(s)] = total;
}

void TenThouRules::setChancesForTest(bool first, bool second) {
    firstChance_ = first;
    secondChance_ = second;
}

void TenThouRules::setCurrentForTest(Seat s, Seat starter) {
    playerOnesTurn_ = s == Seat::One;
    playerOneStarts_ = starter == Seat::One;
}

bool TenThouRules::isDisaster() const {
    return countingShowing(2) >= 4;
}

void TenThouRules::clearRecord() {
    record_.fill(emptySlot);
}

void TenThouRules::addToRecord(Pane pane) {
    // The occupied slots grow down from slot 7; a code with no slot left is dropped.
    for (int slot = lastSlot; slot >= firstSlot; --slot) {
        if (record_[slot] == emptySlot) {
            record_[slot] = code(pane);
            return;
        }
    }
}

bool TenThouRules::removeFromRecord(Pane pane) {
    for (int slot = lastSlot; slot >= firstSlot; --slot) {
        if (record_[slot] == code(pane)) {
            for (int s = slot; s >= firstSlot; --s) {
                record_[s] = record_[s - 1];
            }
            return true;
        }
    }
    return false;
}

} // namespace tumbledown::tenthousand
