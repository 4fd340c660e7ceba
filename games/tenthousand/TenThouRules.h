// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/Seat.h"

#include <array>
#include <bitset>
#include <cstdint>

namespace tumbledown {

class RandomSource;

namespace tenthousand {

// The window panes of the board; each scoring pane is one combination.
enum class Pane : int {
    None = 0,
    Straight = 15,
    ThreePairs = 16,
    ThreeOnes = 17,
    ThreeSixes = 18,
    ThreeFives = 19,
    ThreeFours = 20,
    ThreeThrees = 21,
    ThreeTwos = 22,
    SingleOne = 23,
    SingleFive = 24,
    Empty = 25, // an empty slot of the roll record
    Roll = 26,
    Pass = 27,
};

// The scoring panes in the order they are tested and looked at.
inline constexpr std::array<Pane, 10> scoringPanes{
    Pane::Straight,   Pane::ThreePairs,  Pane::ThreeOnes, Pane::ThreeSixes, Pane::ThreeFives,
    Pane::ThreeFours, Pane::ThreeThrees, Pane::ThreeTwos, Pane::SingleOne,  Pane::SingleFive};

inline constexpr int goal = 10000;

// A set of dice by number 1..6 (bit 0 is never used).
using DiceSet = std::bitset<7>;

struct ScoreResult {
    bool scored = false;
    DiceSet sunk; // the dice the combination took
};

struct UndoResult {
    bool undone = false;
    DiceSet risen; // the dice given back
};

struct RollResult {
    bool allowed = false;
    DiceSet sunk;  // dice left lying, which sink before the throw
    DiceSet risen; // dice thrown, with their new values already set
    bool disaster = false;
};

enum class PassOutcome {
    MustRollAgain, // a straight or three pairs was scored: the player must roll
    Refused,       // a combination is still open, or nothing was rolled
    Banked,        // the turn score was added to the total
    Bust,          // nothing scored in the last roll: the turn score is lost
};

struct TurnEnd {
    Seat finished = Seat::One; // the player whose turn just ended
    bool gameOver = false;     // the turn came back to the starter and a total reached the goal
    DiceSet sunk;              // dice still in play, which sink
};

struct PassResult {
    PassOutcome outcome = PassOutcome::Refused;
    TurnEnd turnEnd; // meaningful for Banked and Bust
};

struct GameResult {
    bool tie = false;
    Seat winner = Seat::One;
    int winnerTotal = 0;
    Seat nextStarter = Seat::One; // the player who did not start this game
};

// The rules of 10,000: the state of the dice, the turn and the game, and every
// operation a player (person or computer) can make. No drawing and no waiting:
// each operation reports which dice sank or rose so that the board can animate
// them afterwards.
class TenThouRules {
public:
    TenThouRules();

    // -- the dice and the scores
    int dieValue(int die) const { return dieValue_[die]; }
    bool inPlay(int die) const { return inPlay_[die]; }
    bool shown(int die) const { return shown_[die]; }
    int turnScore(Seat s) const { return turnScore_[seatIndex(s)]; }
    int total(Seat s) const { return total_[seatIndex(s)]; }
    int bonusLevel() const { return bonusLevel_; }
    bool firstChance() const { return firstChance_; }
    bool secondChance() const { return secondChance_; }
    bool mustRollAgain() const { return mustRollAgain_; }
    bool firstRollOfTurn() const { return firstRollOfTurn_; }
    bool disasterRolled() const { return disasterRolled_; }
    bool scoredThisRoll(Seat s) const { return scoredThisRoll_[seatIndex(s)]; }
    Seat current() const { return playerOnesTurn_ ? Seat::One : Seat::Two; }
    Seat starter() const { return playerOneStarts_ ? Seat::One : Seat::Two; }
    int diceInPlay() const;

    // -- scoring (any player)
    bool test(Pane pane) const;
    // What scoring the pane would add now, a single's bonus included; 0 for
    // ROLL and PASS.
    int worth(Pane pane) const;
    bool anyScoring() const;
    ScoreResult score(Pane pane);
    // The right-click undo: gives back one scoring of the pane if this roll holds it.
    UndoResult undo(Pane pane);
    bool recordEmpty() const;
    bool recordHolds(Pane pane) const;

    // -- the turn
    // Draws the new values from the random source, dice 1 to 6 in order.
    RollResult roll(RandomSource& random);
    PassResult pass();
    // The consequences of a disaster: the current player's turn score and
    // total become 0, and the next roll is the first of a turn.
    void loseAll();

    // -- the game
    // Three draws; the third decides (k = r mod 20 + 1, 1..10: player one).
    Seat chooseFirstPlayer(RandomSource& random);
    // After the level or a name changed: chooses who starts the game that the
    // following newGame() opens, and takes the dice off the board.
    Seat newFirstPlayer(RandomSource& random);
    // A fresh game; the other player starts it.
    void newGame();
    GameResult result() const;

    // Test set-up: puts dice on the board as if just rolled.
    void setDiceForTest(const std::array<int, 7>& values, const DiceSet& inPlay,
                        const DiceSet& shown);
    void setScoresForTest(Seat s, int turnScore, int total);
    void setChancesForTest(bool first, bool second);
    void setCurrentForTest(Seat s, Seat starter);

private:
    TurnEnd endTurn();
    // A die counts for a combination when it is in play and on the board.
    bool counts(int die) const;
    int countingShowing(int face) const;
    bool allSixCount() const;
    bool isDisaster() const;
    void clearRecord();
    void addToRecord(Pane pane);
    bool removeFromRecord(Pane pane);

    std::array<int, 7> dieValue_{};
    std::array<bool, 7> inPlay_{};
    std::array<bool, 7> shown_{};
    std::array<int, 2> turnScore_{};
    std::array<int, 2> total_{};
    std::array<bool, 2> scoredThisRoll_{};
    std::array<int, 8> record_{}; // slots 1..7; 25 is empty
    int bonusLevel_ = 500;
    bool firstChance_ = false;
    bool secondChance_ = false;
    bool mustRollAgain_ = false;
    bool firstRollOfTurn_ = true;
    bool disasterRolled_ = false;
    bool playerOnesTurn_ = true;
    bool playerOneStarts_ = true;
};

} // namespace tenthousand
} // namespace tumbledown
