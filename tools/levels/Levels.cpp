// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Levels.h"

#include "Runner.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <memory>

#include <sys/resource.h>

namespace tumbledown::levels {

namespace {

// Work in chunks of about a fiftieth of a second on one core: fine enough to
// share out between threads and to move the progress bar, coarse enough that
// a chunk's set-up costs nothing. The sizes are part of what a seed means.
constexpr std::int64_t tenThousandChunk = 500; // games; a multiple of 4 keeps seats and starts even
constexpr std::int64_t pokerDiceChunk = 20000; // hands; even, so both sides start equally often
constexpr std::int64_t turnChunk = 10000;
constexpr std::int64_t gameChunk = 1000; // even, so both seats are played equally often

// About how many turns a game to 100 takes, to weigh the games against the
// single turns in the progress bar.
constexpr std::int64_t turnsPerGameEstimate = 17;

double secondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Times a part of a run on the clock and in processor time.
class Stopwatch {
public:
    Stopwatch() : wall_(std::chrono::steady_clock::now()), cpu_(processCpuSeconds()) {}
    Throughput stop(std::string unit, std::int64_t items) const {
        return {std::move(unit), items, secondsSince(wall_), processCpuSeconds() - cpu_};
    }

private:
    std::chrono::steady_clock::time_point wall_;
    double cpu_;
};

// Plays options.games of each row (a pairing and its settings) in chunks under
// a progress bar, keeps each row's tally in it, and the throughput in results.
template <typename Row, typename Play>
void playRows(std::vector<Row>& rows, const char* label, const char* unit, Stream stream,
              std::int64_t chunk, const RunOptions& options, GameResults& results, Play play) {
    using Tally = decltype(Row::tally);
    const std::vector<std::int64_t> items(rows.size(), options.games);
    ProgressMeter meter(label, unit, options.games * static_cast<std::int64_t>(items.size()),
                        options.progress);
    const Stopwatch watch;
    const auto tallies =
        runRows<Tally>(stream, options.seed, items, chunk, options.threads,
                       [&](int row, std::int64_t count, RandomSource& random, Tally& tally) {
                           play(rows[static_cast<std::size_t>(row)], count, random, tally);
                           meter.add(count, count);
                       });
    meter.finish();
    std::int64_t played = 0;
    for (std::size_t i = 0; i < tallies.size(); ++i) {
        rows[i].tally = tallies[i];
        played += tallies[i].played;
    }
    results.throughput.push_back(watch.stop(unit, played));
}

GameResults runTenThousand(const RunOptions& options) {
    GameResults results;
    for (const auto& [a, b] : tenThousandPairings()) {
        TenThouRow row;
        row.a = a;
        row.b = b;
        results.tenThousand.push_back(row);
    }
    playRows(results.tenThousand, "10,000", "games", Stream::TenThousand, tenThousandChunk, options,
             results,
             [](const TenThouRow& r, std::int64_t count, RandomSource& random,
                tenthousand::PairingTally& tally) {
                 tenthousand::playPairing(r.a, r.b, count, random, tally);
             });
    return results;
}

GameResults runPokerDice(const RunOptions& options) {
    using pokerdice::Level;
    GameResults results;
    const std::array<std::pair<Level, Level>, 6> pairings{{{Level::Wizard, Level::Apprentice},
                                                           {Level::Wizard, Level::Mage},
                                                           {Level::Mage, Level::Apprentice},
                                                           {Level::Apprentice, Level::Apprentice},
                                                           {Level::Mage, Level::Mage},
                                                           {Level::Wizard, Level::Wizard}}};
    for (const auto& [a, b] : pairings)
        for (int rolls : {3, 2})
            for (bool wild : {false, true}) {
                PokerRow row;
                row.setup.a = a;
                row.setup.b = b;
                row.setup.rolls = rolls;
                row.setup.acesWild = wild;
                results.pokerDice.push_back(row);
            }
    playRows(
        results.pokerDice, "Poker Dice", "hands", Stream::PokerDice, pokerDiceChunk, options,
        results,
        [](const PokerRow& r, std::int64_t count, RandomSource& random,
           pokerdice::HandTally& tally) { pokerdice::playHands(r.setup, count, random, tally); });
    return results;
}

GameResults runShutTheBox(const RunOptions& options) {
    using namespace shutthebox;
    GameResults results;
    const auto tables = std::make_unique<OptimalTables>();
    const ComputerPlayer computer;
    const OptimalPlayer bestPlain(*tables, false);
    const OptimalPlayer bestWithGremlin(*tables, true);
    const auto best = [&](bool gremlin) -> const Player& {
        return gremlin ? static_cast<const Player&>(bestWithGremlin) : bestPlain;
    };

    // Exact figures: the turn's start, averaged over the odds when the Gremlin is on.
    const Policy computerTable = computerPolicy();
    for (bool optimal : {false, true})
        for (bool gremlin : {false, true}) {
            ShutTheBoxRow row;
            row.optimal = optimal;
            row.gremlin = gremlin;
            std::array<TurnValues, 6> score{};
            std::array<TurnValues, 6> shut{};
            // Entry 0: the Gremlin off; 1..5: on, with odds 6..10.
            for (int i = gremlin ? 1 : 0; i <= (gremlin ? 5 : 0); ++i) {
                const bool on = i != 0;
                const int odds = on ? i + 5 : gremlinOff;
                const Policy& policy =
                    optimal ? tables->forTurn(on, on ? odds : 6).policy : computerTable;
                score[static_cast<std::size_t>(i)] = expectedScore(policy, odds);
                shut[static_cast<std::size_t>(i)] = shutProbability(policy, odds);
            }
            row.exactMeanScore = averageFromStart(gremlin, score);
            row.exactShutRate = averageFromStart(gremlin, shut);
            results.shutTheBox.push_back(row);
        }

    const std::int64_t turnRows = static_cast<std::int64_t>(results.shutTheBox.size());
    ProgressMeter meter("Shut The Box", "turns",
                        options.games * (turnRows + 2 * turnsPerGameEstimate), options.progress);
    const std::vector<std::int64_t> turnItems(results.shutTheBox.size(), options.games);
    const Stopwatch turnWatch;
    const auto turnTallies = runRows<TurnTally>(
        Stream::ShutTheBox, options.seed, turnItems, turnChunk, options.threads,
        [&](int row, std::int64_t count, RandomSource& random, TurnTally& tally) {
            const ShutTheBoxRow& r = results.shutTheBox[static_cast<std::size_t>(row)];
            playTurns(r.optimal ? best(r.gremlin) : computer, r.gremlin, count, random, tally);
            meter.add(count, count);
        });
    std::int64_t turns = 0;
    for (std::size_t i = 0; i < turnTallies.size(); ++i) {
        results.shutTheBox[i].turns = turnTallies[i];
        turns += turnTallies[i].turns();
    }
    results.throughput.push_back(turnWatch.stop("single turns", turns));

    // Games to 100 of the computer against the best play; rows numbered on
    // from the single turns' so that their seeds differ. The first two rows
    // are the computer's, without and with the Gremlin.
    std::vector<std::int64_t> gameItems(static_cast<std::size_t>(turnRows + 2), 0);
    gameItems[static_cast<std::size_t>(turnRows)] = options.games;
    gameItems[static_cast<std::size_t>(turnRows + 1)] = options.games;
    const Stopwatch gameWatch;
    const auto gameTallies = runRows<GameTally>(
        Stream::ShutTheBox, options.seed, gameItems, gameChunk, options.threads,
        [&](int row, std::int64_t count, RandomSource& random, GameTally& tally) {
            const bool gremlin = row == turnRows + 1;
            const std::int64_t turnsBefore = tally.turns;
            playGames(computer, best(gremlin), gremlin, count, random, tally);
            meter.add(count * turnsPerGameEstimate, tally.turns - turnsBefore);
        });
    meter.finish();
    results.shutTheBox[0].vsOptimal = gameTallies[static_cast<std::size_t>(turnRows)];
    results.shutTheBox[1].vsOptimal = gameTallies[static_cast<std::size_t>(turnRows + 1)];
    results.throughput.push_back(
        gameWatch.stop("games to 100", results.shutTheBox[0].vsOptimal.played +
                                           results.shutTheBox[1].vsOptimal.played));
    return results;
}

Figure rateFigure(std::string key, std::int64_t successes, std::int64_t trials) {
    Figure f;
    f.key = std::move(key);
    f.kind = Figure::Kind::Rate;
    f.rate = {successes, trials};
    return f;
}

Figure meanFigure(std::string key, const Mean& mean) {
    Figure f;
    f.key = std::move(key);
    f.kind = Figure::Kind::Mean;
    f.mean = mean;
    return f;
}

Figure exactFigure(std::string key, double value) {
    Figure f;
    f.key = std::move(key);
    f.kind = Figure::Kind::Exact;
    f.exact = value;
    return f;
}

} // namespace

double processCpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

const char* gameKey(Game game) {
    switch (game) {
    case Game::TenThousand:
        return "tenthousand";
    case Game::PokerDice:
        return "pokerdice";
    case Game::ShutTheBox:
        return "shutthebox";
    }
    return "?";
}

const char* gameTitle(Game game) {
    switch (game) {
    case Game::TenThousand:
        return "10,000";
    case Game::PokerDice:
        return "Poker Dice";
    case Game::ShutTheBox:
        return "Shut The Box";
    }
    return "?";
}

std::optional<Game> parseGame(const std::string& name) {
    std::string key;
    for (char c : name)
        if (std::isalnum(static_cast<unsigned char>(c)))
            key += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (key == "tenthousand" || key == "10000")
        return Game::TenThousand;
    if (key == "pokerdice" || key == "poker")
        return Game::PokerDice;
    if (key == "shutthebox" || key == "stb")
        return Game::ShutTheBox;
    return std::nullopt;
}

std::vector<std::pair<tenthousand::Level, tenthousand::Level>> tenThousandPairings() {
    using tenthousand::Level;
    return {{Level::Wizard, Level::Apprentice}, {Level::Wizard, Level::Mage},
            {Level::Mage, Level::Apprentice},   {Level::Apprentice, Level::Apprentice},
            {Level::Mage, Level::Mage},         {Level::Wizard, Level::Wizard}};
}

GameResults run(Game game, const RunOptions& options) {
    const auto start = std::chrono::steady_clock::now();
    GameResults results;
    switch (game) {
    case Game::TenThousand:
        results = runTenThousand(options);
        break;
    case Game::PokerDice:
        results = runPokerDice(options);
        break;
    case Game::ShutTheBox:
        results = runShutTheBox(options);
        break;
    }
    results.game = game;
    results.options = options;
    results.seconds = secondsSince(start);
    return results;
}

double Figure::value() const {
    switch (kind) {
    case Kind::Rate:
        return rate.rate();
    case Kind::Mean:
        return mean.value();
    case Kind::Exact:
        return exact;
    }
    return 0;
}

Interval Figure::interval(double level) const {
    switch (kind) {
    case Kind::Rate:
        return rate.interval(level);
    case Kind::Mean:
        return mean.interval(level);
    case Kind::Exact:
        return {exact, exact};
    }
    return {};
}

std::int64_t Figure::samples() const {
    switch (kind) {
    case Kind::Rate:
        return rate.trials;
    case Kind::Mean:
        return mean.count;
    case Kind::Exact:
        return 0;
    }
    return 0;
}

std::vector<Figure> figures(const GameResults& results) {
    std::vector<Figure> out;
    for (const TenThouRow& row : results.tenThousand) {
        const std::string key =
            std::string("tenthousand:") + levelName(row.a) + "-" + levelName(row.b) + ":";
        const auto& t = row.tally;
        out.push_back(rateFigure(key + "a_won", t.aWon, t.played));
        out.push_back(rateFigure(key + "b_won", t.bWon, t.played));
        out.push_back(rateFigure(key + "tied", t.tied, t.played));
        out.push_back(rateFigure(key + "starter_won", t.starterWon, t.played));
    }
    for (const PokerRow& row : results.pokerDice) {
        const auto& s = row.setup;
        const std::string key = std::string("pokerdice:") + levelName(s.a) + "-" + levelName(s.b) +
                                ":" + std::to_string(s.rolls) + (s.acesWild ? ":wild:" : ":plain:");
        const auto& t = row.tally;
        out.push_back(rateFigure(key + "a_won", t.aWon, t.played));
        out.push_back(rateFigure(key + "b_won", t.bWon, t.played));
        out.push_back(rateFigure(key + "tied", t.tied, t.played));
        out.push_back(meanFigure(key + "coins", t.aCoins));
    }
    for (const ShutTheBoxRow& row : results.shutTheBox) {
        const std::string key = std::string("shutthebox:") +
                                (row.optimal ? "optimal" : "computer") +
                                (row.gremlin ? ":gremlin:" : ":plain:");
        out.push_back(rateFigure(key + "shut", row.turns.shut, row.turns.turns()));
        out.push_back(meanFigure(key + "score", row.turns.score));
        out.push_back(exactFigure(key + "exact_shut", row.exactShutRate));
        out.push_back(exactFigure(key + "exact_score", row.exactMeanScore));
        if (row.vsOptimal.played > 0) {
            const auto& g = row.vsOptimal;
            out.push_back(rateFigure(key + "won_vs_optimal", g.won, g.played));
            out.push_back(rateFigure(key + "lost_vs_optimal", g.lost, g.played));
            out.push_back(rateFigure(key + "tied_vs_optimal", g.tied, g.played));
        }
    }
    return out;
}

} // namespace tumbledown::levels
