// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TenThouMatch.h"

#include "Invariant.h"

#include "platform/RandomSource.h"

#include <string>

namespace tumbledown::levels::tenthousand {

using tumbledown::tenthousand::ComputerRolls;
using tumbledown::tenthousand::goal;
using tumbledown::tenthousand::Pane;
using tumbledown::tenthousand::PassOutcome;

namespace {

// Far beyond anything a sane game reaches; a computer that never stops would
// otherwise hang the run instead of failing it.
constexpr int maxRollsPerTurn = 1000;
constexpr int maxTurnsPerGame = 20000;

std::string where(const TenThouRules& rules) {
    return " (seat " + std::to_string(seatIndex(rules.current()) + 1) + ", totals " +
           std::to_string(rules.total(Seat::One)) + "/" + std::to_string(rules.total(Seat::Two)) +
           ", turn score " + std::to_string(rules.turnScore(rules.current())) + ")";
}

void checkScores(const TenThouRules& rules) {
    for (Seat s : {Seat::One, Seat::Two}) {
        require(rules.total(s) >= 0 && rules.turnScore(s) >= 0,
                [&] { return "10,000: a score fell below zero" + where(rules); });
        require(rules.total(s) % 50 == 0 && rules.turnScore(s) % 50 == 0,
                [&] { return "10,000: a score is not a multiple of 50" + where(rules); });
    }
}

void checkDice(const TenThouRules& rules) {
    for (int die = 1; die <= 6; ++die)
        if (rules.inPlay(die) && rules.shown(die))
            require(rules.dieValue(die) >= 1 && rules.dieValue(die) <= 6,
                    [&] { return "10,000: a die shows no face" + where(rules); });
}

// The game ends exactly when the turn is back with the starter and a total
// has reached the goal.
void checkGameEnd(const TenThouRules& rules, bool gameOver) {
    const bool due = rules.current() == rules.starter() &&
                     (rules.total(Seat::One) >= goal || rules.total(Seat::Two) >= goal);
    require(gameOver == due,
            [&] { return "10,000: the game's end came at the wrong time" + where(rules); });
}

} // namespace

namespace {

// Watches the computer's turn as the board would, checking each step.
class CheckingView final : public tumbledown::tenthousand::ComputerTurnView {
public:
    explicit CheckingView(const TenThouRules& rules) : rules_(rules) {}
    int rolls() const { return rolls_; }

    void rolled(const tumbledown::tenthousand::RollResult& result) override {
        ++rolls_;
        require(result.allowed, [&] {
            return "10,000: the rules refused a throw the computer chose" + where(rules_);
        });
        require(rolls_ <= maxRollsPerTurn,
                [&] { return "10,000: the computer never stops throwing" + where(rules_); });
        checkDice(rules_);
        scoring_ = rules_.anyScoring();
        taken_ = 0;
    }
    void scoring(Pane, bool) override { before_ = rules_.turnScore(rules_.current()); }
    void scored(Pane pane, const tumbledown::tenthousand::ScoreResult& result, bool) override {
        require(result.scored && rules_.turnScore(rules_.current()) > before_, [&] {
            return "10,000: the rules refused the pane the computer took (pane " +
                   std::to_string(static_cast<int>(pane)) + ")" + where(rules_);
        });
        ++taken_;
    }
    void decided(bool again) override {
        require(!scoring_ || taken_ > 0, [&] {
            return "10,000: the computer took nothing from a scoring throw" + where(rules_);
        });
        const bool mayRoll = rules_.scoredThisRoll(rules_.current()) || rules_.firstChance();
        require(!again || mayRoll, [&] {
            return "10,000: the computer chose a throw the rules refuse" + where(rules_);
        });
        checkScores(rules_);
    }

private:
    const TenThouRules& rules_;
    int rolls_ = 0;
    int before_ = 0;
    int taken_ = 0;
    bool scoring_ = false;
};

} // namespace

TurnReport playTurn(TenThouRules& rules, Level level, RandomSource& random) {
    const Seat me = rules.current();
    const int totalBefore = rules.total(me);
    const int othersTotal = rules.total(other(me));
    require(rules.turnScore(me) == 0 && rules.firstRollOfTurn(),
            [&] { return "10,000: a turn began with points or dice left over" + where(rules); });

    TurnReport report;
    CheckingView view(rules);
    const ComputerRolls end = playComputerRolls(rules, level, random, view);
    report.rolls = view.rolls();
    if (end == ComputerRolls::Disaster) {
        // The notice's dismissal passes for the player.
        rules.loseAll();
        require(rules.total(me) == 0 && rules.turnScore(me) == 0,
                [&] { return "10,000: a disaster left points standing" + where(rules); });
        const auto passed = rules.pass();
        require(passed.outcome == PassOutcome::Banked,
                [&] { return "10,000: a disaster did not end the turn" + where(rules); });
        report.disaster = true;
        require(rules.current() == other(me) && rules.total(other(me)) == othersTotal &&
                    rules.total(me) == 0,
                [&] { return "10,000: the turn did not pass after a disaster" + where(rules); });
        report.gameOver = passed.turnEnd.gameOver;
        checkGameEnd(rules, report.gameOver);
        return report;
    }

    const int turnScore = rules.turnScore(me);
    const auto passed = rules.pass();
    require(passed.outcome == PassOutcome::Banked || passed.outcome == PassOutcome::Bust, [&] {
        return "10,000: the rules refused the computer's pass (outcome " +
               std::to_string(static_cast<int>(passed.outcome)) + ")" + where(rules);
    });
    report.bust = passed.outcome == PassOutcome::Bust;
    report.banked = report.bust ? 0 : turnScore;
    require(rules.total(me) == totalBefore + report.banked,
            [&] { return "10,000: the total did not grow by the banked points" + where(rules); });
    require(report.bust || turnScore > 0,
            [&] { return "10,000: a turn was banked with no points" + where(rules); });
    require(rules.current() == other(me) && rules.total(other(me)) == othersTotal &&
                rules.turnScore(me) == 0,
            [&] { return "10,000: the turn did not pass cleanly" + where(rules); });
    checkScores(rules);
    report.gameOver = passed.turnEnd.gameOver;
    checkGameEnd(rules, report.gameOver);
    return report;
}

GameReport playGame(TenThouRules& rules, const std::array<Level, 2>& levelBySeat,
                    RandomSource& random) {
    GameReport game;
    game.starter = rules.starter();
    require(rules.current() == game.starter && rules.total(Seat::One) == 0 &&
                rules.total(Seat::Two) == 0,
            "10,000: a new game did not start from nothing with its starter");
    for (;;) {
        const Level level = levelBySeat[seatIndex(rules.current())];
        const TurnReport turn = playTurn(rules, level, random);
        ++game.turns;
        require(game.turns <= maxTurnsPerGame, "10,000: a game never ends");
        if (turn.gameOver)
            break;
    }
    game.totals = {rules.total(Seat::One), rules.total(Seat::Two)};
    const auto result = rules.result();
    game.tie = result.tie;
    game.winner = result.winner;
    require(game.turns % 2 == 0, "10,000: the players did not have as many turns each");
    require(game.totals[0] >= goal || game.totals[1] >= goal,
            "10,000: a game ended below the goal");
    require(game.tie == (game.totals[0] == game.totals[1]) &&
                (game.tie ||
                 game.totals[seatIndex(game.winner)] > game.totals[1 - seatIndex(game.winner)]),
            "10,000: the winner is not the higher total");
    return game;
}

void PairingTally::merge(const PairingTally& other) {
    played += other.played;
    aWon += other.aWon;
    bWon += other.bWon;
    tied += other.tied;
    turns += other.turns;
    starterWon += other.starterWon;
    seatOneWon += other.seatOneWon;
}

void playPairing(Level a, Level b, std::int64_t games, RandomSource& random, PairingTally& tally) {
    TenThouRules rules;
    for (std::int64_t g = 0; g < games; ++g) {
        rules.newGame(); // the other player starts
        const bool aInSeatOne = (g / 2) % 2 == 0;
        const std::array<Level, 2> levels = aInSeatOne ? std::array{a, b} : std::array{b, a};
        const GameReport game = playGame(rules, levels, random);
        ++tally.played;
        tally.turns += game.turns;
        if (game.tie) {
            ++tally.tied;
            continue;
        }
        const bool aWon = (game.winner == Seat::One) == aInSeatOne;
        ++(aWon ? tally.aWon : tally.bWon);
        tally.starterWon += game.winner == game.starter ? 1 : 0;
        tally.seatOneWon += game.winner == Seat::One ? 1 : 0;
    }
}

} // namespace tumbledown::levels::tenthousand
