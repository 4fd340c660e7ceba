// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ShutTheBoxRules.h"

#include "platform/RandomSource.h"

namespace tumbledown::shutthebox {

namespace {

int dieFace(RandomSource& random) {
    return random.draw() % 6 + 1;
}

bool valid(int box) {
    return box >= 1 && box <= boxCount;
}

int sumOf(const BoxSet& boxes) {
    int sum = 0;
    for (int n = 1; n <= boxCount; ++n)
        if (boxes[n])
            sum += n;
    return sum;
}

// Subset sum over boxes from..9. No count limit is needed: five distinct boxes
// add up to at least 15, more than any throw.
bool canMakeFrom(const BoxSet& boxes, int sum, int from) {
    if (sum == 0)
        return true;
    for (int n = from; n <= boxCount && n <= sum; ++n)
        if (boxes[n] && canMakeFrom(boxes, sum - n, n + 1))
            return true;
    return false;
}

} // namespace

bool boxesCanMake(const BoxSet& boxes, int sum) {
    return sum > 0 && canMakeFrom(boxes, sum, 1);
}

bool winnerEntersTopScores(const GameResult& result, bool versusComputer) {
    if (result.tie)
        return false;
    return result.winner == Seat::One || !versusComputer;
}

ShutTheBoxRules::ShutTheBoxRules(RandomSource& random) {
    random.draw();
    random.draw();
    drawGremlinOdds(random);
}

BoxSet ShutTheBoxRules::openBoxes() const {
    BoxSet open = ~closed_;
    open[0] = false;
    return open;
}

int ShutTheBoxRules::openSum() const {
    return sumOf(openBoxes());
}

int ShutTheBoxRules::pendingSum() const {
    return sumOf(pending_);
}

bool ShutTheBoxRules::canShut(int box) const {
    if (!diceOut_ || gameOver_ || awaitingCompletion_ || !valid(box) || closed_[box])
        return false;
    const int rest = throwTotal() - pendingSum();
    if (box > rest)
        return false; // also covers a throw already made up (rest 0)
    if (box == rest)
        return true;
    BoxSet others = openBoxes();
    others[box] = false;
    return boxesCanMake(others, rest - box);
}

bool ShutTheBoxRules::canCompleteThrow() const {
    if (!diceOut_)
        return false;
    // A shut is only accepted when the rest of the throw can still be made up
    // from open boxes, and an undo only adds to the open boxes, so pending
    // boxes always leave a way to complete the throw.
    return pending_.any() || boxesCanMake(openBoxes(), throwTotal());
}

bool ShutTheBoxRules::canUseOneDie() const {
    return !diceOut_ && closed_[7] && closed_[8] && closed_[9];
}

CupResult ShutTheBoxRules::rollOrEndTurn(RandomSource& random) {
    CupResult result;
    if (!diceOut_) {
        die_[1] = dieFace(random);
        if (twoDice_)
            die_[2] = dieFace(random);
        diceOut_ = true;
        result.outcome = CupOutcome::Rolled;
        return result;
    }
    if (awaitingCompletion_ || (!gameOver_ && !noMoveLeft(random))) {
        result.outcome = CupOutcome::MustPlay;
        return result;
    }

    twoDice_ = true;
    if (!gameOver_)
        playerOneToMove_ = !playerOneToMove_;
    DiceReturn ignored;
    returnDiceToCup(random, ignored);
    reopenAllBoxes();

    if (gameOver_) {
        total_ = {0, 0};
        roundScore_ = {openBoardSum, openBoardSum};
        playerOneToMove_ = true;
        gameOver_ = false;
        diceOut_ = false;
        result.outcome = CupOutcome::NewGameStarted;
        return result;
    }
    diceOut_ = false;
    if (!playerOneToMove_) {
        result.outcome = CupOutcome::TurnPassed;
        return result;
    }

    total_[0] += roundScore_[0];
    total_[1] += roundScore_[1];
    roundScore_ = {openBoardSum, openBoardSum};
    if (total_[0] < goal && total_[1] < goal) {
        result.outcome = CupOutcome::RoundScored;
        return result;
    }

    gameOver_ = true;
    diceOut_ = true; // the next click on the cup starts a new game
    result.outcome = CupOutcome::GameEnded;
    if (total_[0] == total_[1]) {
        result.game.tie = true;
    } else if (total_[0] < total_[1]) {
        result.game.winner = Seat::One;
        result.game.margin = total_[1] - total_[0];
    } else {
        result.game.winner = Seat::Two;
        result.game.margin = total_[0] - total_[1];
    }
    return result;
}

BoxOutcome ShutTheBoxRules::clickBox(int box) {
    if (!diceOut_ || gameOver_ || awaitingCompletion_ || !valid(box))
        return BoxOutcome::Refused;
    if (pending_[box]) {
        closed_[box] = false;
        pending_[box] = false;
        followBoard();
        return BoxOutcome::Reopened;
    }
    if (!canShut(box))
        return BoxOutcome::Refused;
    closed_[box] = true;
    pending_[box] = true;
    followBoard();
    if (pendingSum() < throwTotal())
        return BoxOutcome::Shut;
    awaitingCompletion_ = true;
    return BoxOutcome::ThrowComplete;
}

FlipResult ShutTheBoxRules::gremlinFlip(int box) {
    FlipResult result;
    if (!valid(box))
        return result;
    result.box = box;
    result.shut = !closed_[box];
    closed_[box] = result.shut;
    // A box the Gremlin reopens is open, so it cannot stay pending; one it
    // shuts is final at once.
    pending_[box] = false;
    followBoard();
    return result;
}

DiceReturn ShutTheBoxRules::completeThrow(RandomSource& random) {
    DiceReturn result;
    if (!awaitingCompletion_)
        return result;
    awaitingCompletion_ = false;
    pending_.reset();
    returnDiceToCup(random, result);
    return result;
}

bool ShutTheBoxRules::useOneDie() {
    if (!canUseOneDie())
        return false;
    twoDice_ = false;
    return true;
}

bool ShutTheBoxRules::noMoveLeft(RandomSource& random) {
    if (pending_.any() || boxesCanMake(openBoxes(), throwTotal()))
        return false;
    drawGremlinOdds(random);
    return true;
}

void ShutTheBoxRules::newGame(RandomSource& random) {
    twoDice_ = true;
    playerOneToMove_ = true;
    awaitingCompletion_ = false;
    pending_.reset();
    DiceReturn ignored;
    returnDiceToCup(random, ignored);
    reopenAllBoxes();
    total_ = {0, 0};
    roundScore_ = {openBoardSum, openBoardSum};
    gameOver_ = false;
    diceOut_ = false;
}

void ShutTheBoxRules::newCupFaces(RandomSource& random) {
    if (diceOut_)
        return;
    die_[1] = dieFace(random);
    die_[2] = dieFace(random);
}

void ShutTheBoxRules::setBoardForTest(const BoxSet& closed) {
    closed_ = closed;
    closed_[0] = false;
    pending_.reset();
    awaitingCompletion_ = false;
    followBoard();
}

void ShutTheBoxRules::setScoresForTest(Seat s, int roundScore, int total) {
    roundScore_[seatIndex(s)] = roundScore;
    total_[seatIndex(s)] = total;
}

void ShutTheBoxRules::setToMoveForTest(Seat s) {
    playerOneToMove_ = s == Seat::One;
}

void ShutTheBoxRules::returnDiceToCup(RandomSource& random, DiceReturn& report) {
    if (twoDice_) {
        die_[1] = dieFace(random);
        die_[2] = dieFace(random);
        report.newFaces = true;
    }
    report.diceStayOut = closed_.count() == boxCount;
    diceOut_ = report.diceStayOut;
}

void ShutTheBoxRules::reopenAllBoxes() {
    closed_.reset();
    pending_.reset();
}

void ShutTheBoxRules::followBoard() {
    roundScore_[seatIndex(toMove())] = openSum();
}

void ShutTheBoxRules::drawGremlinOdds(RandomSource& random) {
    gremlinOdds_ = random.draw() % 5 + 6;
}

} // namespace tumbledown::shutthebox
