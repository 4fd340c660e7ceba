// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "PokerDiceMatch.h"
#include "ShutTheBoxMatch.h"
#include "Stats.h"
#include "TenThouMatch.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tumbledown::levels {

enum class Game { TenThousand, PokerDice, ShutTheBox };

const char* gameKey(Game game);   // "tenthousand", "pokerdice", "shutthebox"
const char* gameTitle(Game game); // "10,000", "Poker Dice", "Shut The Box"
// Accepts the keys and the usual spellings: "10000", "10,000", "poker", "stb".
std::optional<Game> parseGame(const std::string& name);

struct RunOptions {
    std::uint64_t seed = 1;
    // Per row: games of 10,000 per pairing, hands of Poker Dice per pairing and
    // setting, single turns and games to 100 of Shut The Box per player and
    // Gremlin setting.
    std::int64_t games = 20000;
    int threads = 1;
    bool progress = false; // a progress line on standard error
};

struct TenThouRow {
    tenthousand::Level a = tenthousand::Level::Wizard;
    tenthousand::Level b = tenthousand::Level::Apprentice;
    tenthousand::PairingTally tally;
};

struct PokerRow {
    pokerdice::HandsSetup setup;
    pokerdice::HandTally tally;
};

struct ShutTheBoxRow {
    bool optimal = false;
    bool gremlin = false;
    shutthebox::TurnTally turns;
    // The computer's games to 100 against the best play (none for the best
    // play itself).
    shutthebox::GameTally vsOptimal;
    // The same figures worked out exactly from the policy's tables.
    double exactMeanScore = 0;
    double exactShutRate = 0;
};

// How fast a part of a run went: on the clock, and in processor time over all
// threads (the machine may be shared, so the second is the fairer measure of
// what one core does).
struct Throughput {
    std::string unit; // "games", "hands", "turns", "games to 100"
    std::int64_t items = 0;
    double wallSeconds = 0;
    double cpuSeconds = 0;
};

// Processor time of the whole process so far, all threads.
double processCpuSeconds();

struct GameResults {
    Game game = Game::TenThousand;
    RunOptions options;
    double seconds = 0; // wall time of the run
    std::vector<Throughput> throughput;
    std::vector<TenThouRow> tenThousand;
    std::vector<PokerRow> pokerDice;
    std::vector<ShutTheBoxRow> shutTheBox;
};

// The pairings, strongest against weakest first, then each level against itself.
std::vector<std::pair<tenthousand::Level, tenthousand::Level>> tenThousandPairings();

GameResults run(Game game, const RunOptions& options);

// One figure: a measured share (with its Wilson interval), a measured mean,
// or a value worked out exactly.
struct Figure {
    enum class Kind { Rate, Mean, Exact };

    std::string key; // e.g. "tenthousand:wizard-apprentice:a_won"
    Kind kind = Kind::Rate;
    Proportion rate;
    Mean mean;
    double exact = 0;

    double value() const;
    Interval interval(double level = confidence95) const;
    std::int64_t samples() const; // 0 for an exact value
};

// Every figure of a run by its key, in report order.
std::vector<Figure> figures(const GameResults& results);

} // namespace tumbledown::levels
