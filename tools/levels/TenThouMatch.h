// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "LevelName.h"

#include "games/tenthousand/TenThouComputer.h"
#include "games/tenthousand/TenThouRules.h"

#include <array>
#include <cstdint>

namespace tumbledown {
class RandomSource;
}

namespace tumbledown::levels::tenthousand {

using tumbledown::Seat;
using tumbledown::tenthousand::Level;
using tumbledown::tenthousand::TenThouRules;

struct TurnReport {
    int rolls = 0;
    bool disaster = false;
    bool bust = false;
    int banked = 0; // points added to the total (0 on a bust or a disaster)
    bool gameOver = false;
};

// Plays the turn of the seat to play with the game's computer turn
// (playComputerRolls), then passes; a disaster ends the turn through pass, as
// the dismissed notice does. Throws InvariantViolation when the rules
// refuse a decision or a score goes wrong.
TurnReport playTurn(TenThouRules& rules, Level level, RandomSource& random);

struct GameReport {
    bool tie = false;
    Seat winner = Seat::One;
    Seat starter = Seat::One;
    int turns = 0;
    std::array<int, 2> totals{};
};

// Plays the game that rules.newGame() has just opened to its end, each seat
// with its own level.
GameReport playGame(TenThouRules& rules, const std::array<Level, 2>& levelBySeat,
                    RandomSource& random);

// The tally of one pairing, a against b.
struct PairingTally {
    std::int64_t played = 0;
    std::int64_t aWon = 0;
    std::int64_t bWon = 0;
    std::int64_t tied = 0;
    std::int64_t turns = 0;
    std::int64_t starterWon = 0; // games won by the player who rolled first
    std::int64_t seatOneWon = 0;

    void merge(const PairingTally& other);
};

// Plays `games` games of a against b from a fresh board: the starter changes
// every game (as newGame() does) and the levels change seats every second
// game, so each level starts equally often from either seat.
void playPairing(Level a, Level b, std::int64_t games, RandomSource& random, PairingTally& tally);

} // namespace tumbledown::levels::tenthousand
