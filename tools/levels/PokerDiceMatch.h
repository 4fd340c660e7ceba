// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "LevelName.h"
#include "Stats.h"

#include "games/pokerdice/PokerDiceComputer.h"
#include "games/pokerdice/PokerDiceRules.h"

#include <cstdint>

namespace tumbledown {
class RandomSource;
}

namespace tumbledown::levels::pokerdice {

using tumbledown::Seat;
using tumbledown::pokerdice::Level;
using tumbledown::pokerdice::PokerDiceRules;

// The coins each side starts a run of hands with: so many that a fixed bet can
// never be clamped, refill the purse or reach the Billionaire Club.
inline constexpr std::uint32_t startingCoins = 100000000;
inline constexpr std::int32_t defaultBet = 100;

struct HandsSetup {
    Level a = Level::Wizard; // seat one
    Level b = Level::Apprentice;
    bool acesWild = false;
    int rolls = 3;
    std::int32_t bet = defaultBet;
};

struct HandTally {
    std::int64_t played = 0;
    std::int64_t aWon = 0;
    std::int64_t bWon = 0;
    std::int64_t tied = 0;
    Mean aCoins; // what a's coins changed by, hand by hand

    void merge(const HandTally& other);
};

// Plays `hands` hands of a match from its start (ChooseFirstPlayer, NewHand);
// the side that played second plays first in the next hand. Throws
// InvariantViolation when a decision is refused, a hand is misjudged or the
// coins move wrongly.
void playHands(const HandsSetup& setup, std::int64_t hands, RandomSource& random, HandTally& tally);

} // namespace tumbledown::levels::pokerdice
