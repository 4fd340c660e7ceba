// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ShutTheBoxOptimal.h"
#include "Stats.h"

#include "games/shutthebox/ShutTheBoxComputer.h"
#include "games/shutthebox/ShutTheBoxRules.h"

#include <array>
#include <cstdint>
#include <vector>

namespace tumbledown {
class RandomSource;
}

namespace tumbledown::levels::shutthebox {

using tumbledown::Seat;
using tumbledown::shutthebox::ShutTheBoxRules;

// Someone at the board, as the game's turn asks them: the boxes to shut for
// the throw lying there (checked to fit), and whether to go to one die once
// the dice are back in the cup.
class Player : public tumbledown::shutthebox::Chooser {
public:
    std::vector<int> boxesFor(const ShutTheBoxRules& rules) const final;
    virtual Mask choose(const ShutTheBoxRules& rules) const = 0;
};

// The game's computer player, through its own decision functions.
class ComputerPlayer : public Player {
public:
    Mask choose(const ShutTheBoxRules& rules) const override;
    bool wantsOneDie(const ShutTheBoxRules& rules) const override;
};

// The best possible play, knowing the Gremlin's odds of the turn.
class OptimalPlayer : public Player {
public:
    OptimalPlayer(const OptimalTables& tables, bool gremlinOn)
        : tables_(tables), gremlinOn_(gremlinOn) {}
    Mask choose(const ShutTheBoxRules& rules) const override;
    bool wantsOneDie(const ShutTheBoxRules& rules) const override;

private:
    const Policy& policy(const ShutTheBoxRules& rules) const;
    const OptimalTables& tables_;
    bool gremlinOn_;
};

struct TurnReport {
    int score = 0; // the sum left open
    int throws = 0;
    int gremlinStrikes = 0;
    tumbledown::shutthebox::CupResult end; // what the click that ended the turn did
};

// Plays the turn of the seat to move, from nine open boxes and the dice in the
// cup, with the game's computer turn (playComputerTurn), the Gremlin taking
// its chance on every completed throw when it is on. Throws
// InvariantViolation when a decision is refused or the board goes wrong.
TurnReport playTurn(ShutTheBoxRules& rules, const Player& player, bool gremlinOn,
                    RandomSource& random);

struct TurnTally {
    Mean score;
    std::int64_t shut = 0;

    std::int64_t turns() const { return score.count; }
    void merge(const TurnTally& other);
};

// `turns` single turns, one after the other on one board: rounds and games go
// on around them as they would, but every turn starts from nine open boxes.
void playTurns(const Player& player, bool gremlinOn, std::int64_t turns, RandomSource& random,
               TurnTally& tally);

struct GameTally {
    std::int64_t played = 0;
    std::int64_t won = 0; // by the player under test
    std::int64_t lost = 0;
    std::int64_t tied = 0;
    std::int64_t turns = 0;

    void merge(const GameTally& other);
};

// Games to 100 of `tested` against `opponent`, changing seats every game.
void playGames(const Player& tested, const Player& opponent, bool gremlinOn, std::int64_t games,
               RandomSource& random, GameTally& tally);

} // namespace tumbledown::levels::shutthebox
