// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "PokerDiceRules.h"

namespace tumbledown {

class RandomSource;

namespace pokerdice {

// The other side's hand as the Mage and the Wizard see it, read once at the
// start of the computer's turn (the Apprentice never looks).
struct OpponentView {
    bool played = false; // the other side finished this hand: the computer plays second
    ClassifiedHand hand;
};
OpponentView opponentView(const PokerDiceRules& rules);

// What the computer does after looking at a roll.
struct Decision {
    bool stand = true;
    // The Discard calls, in order. One set, except for the full house's
    // lowest three: one call per face from 9 up to K with the dice marked so
    // far, so dice already in the cup are animated again by later calls.
    std::array<DiceSet, 5> calls{};
    int callCount = 0;

    DiceSet discarded() const; // every die any call names
};

// The decisions of the three computer levels, for the side to play (in the
// game the computer is player two; the levels tool seats it either side).
// `own` is its dice as they lie after the roll. Draws one number
// from the random source (r = draw mod 20 + 1) only in the cases that are
// decided by chance: a straight with aces wild (the Mage and the Wizard only
// when playing first) and nothing (the Mage and the Wizard only when playing
// first); otherwise none.
Decision decide(Level level, const Dice& own, bool acesWild, const OpponentView& opponent,
                RandomSource& random);

// The board's part of a computer turn: animate what the rules report and wait.
class ComputerTurnView {
public:
    virtual void rolled(const RollResult&) {}
    virtual void beforeDecision() {} // 20 steps
    virtual void discarded(const DiscardResult&) {}
    virtual void beforeReroll() {} // 5 steps

protected:
    ~ComputerTurnView() = default;
};

// Plays the rolls of the side to play: roll, then look and either stand or discard and
// roll again, until it stands or has used every roll (it never looks after its
// last roll). Draws, in order: the dice of each roll, and the r of each
// decision that needs one. The caller then waits 20 steps and ends the turn.
void playComputerRolls(PokerDiceRules& rules, Level level, RandomSource& random,
                       ComputerTurnView& view);

} // namespace pokerdice
} // namespace tumbledown
