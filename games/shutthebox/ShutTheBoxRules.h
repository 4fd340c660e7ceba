// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/Seat.h"

#include <array>
#include <bitset>

namespace tumbledown {

class RandomSource;

namespace shutthebox {

inline constexpr int boxCount = 9;
inline constexpr int openBoardSum = 45; // 1 + 2 + ... + 9: the round score of an untouched board
inline constexpr int goal = 100;        // a total at or above this ends the game

// A set of boxes by number 1..9 (bit 0 is never used).
using BoxSet = std::bitset<10>;

enum class BoxOutcome {
    Refused,       // nothing changed: no sound, no animation
    Reopened,      // an undo: the box was pending and is open again
    Shut,          // the box is shut and pending; the throw needs more boxes
    ThrowComplete, // the box is shut and the pending boxes add up to the throw:
                   // the Gremlin's chance, then completeThrow()
};

// What a flip by the Gremlin did.
struct FlipResult {
    int box = 0;
    bool shut = false; // true: the box was open and is now shut; false: it reopened
};

// The dice going back to the cup at the end of a completed throw.
struct DiceReturn {
    bool newFaces = false;    // two dice: both got new faces (for show in the cup)
    bool diceStayOut = false; // every box is shut: the next click on the cup ends the turn
};

struct GameResult {
    bool tie = false;
    Seat winner = Seat::One; // the lower total; meaningless for a tie
    int margin = 0;          // the difference of the totals; 0 for a tie
};

enum class CupOutcome {
    Rolled,         // the dice were in the cup and have been thrown
    MustPlay,       // the throw can still be played: nothing happened
    TurnPassed,     // player one's turn ended; player two is to roll
    RoundScored,    // player two's turn ended; the totals grew and player one is to roll
    GameEnded,      // as RoundScored, and a total reached the goal: see game
    NewGameStarted, // the click after a finished game: a fresh game, player one to roll
};

struct CupResult {
    CupOutcome outcome = CupOutcome::MustPlay;
    GameResult game; // meaningful for GameEnded
};

// The rules of Shut The Box: the boxes, the dice, the turn, the round and the
// game. No drawing and no waiting: each operation reports what changed so that
// the board can animate it afterwards. Every random draw of the game, apart from
// the Gremlin's (see ShutTheBoxComputer.h), is taken here, in the game's order.
//
// A completed throw is finished in three steps, each animated in between:
// clickBox() answers ThrowComplete, the Gremlin may act (gremlinChance(), then
// gremlinFlip()), and completeThrow() makes the shut boxes final and returns
// the dice to the cup.
class ShutTheBoxRules {
public:
    // A new game object: draws and discards two numbers (the generator has just
    // been seeded), then draws the Gremlin's odds.
    explicit ShutTheBoxRules(RandomSource& random);

    // -- the board and the dice
    int die(int d) const { return die_[d]; }
    bool twoDice() const { return twoDice_; }
    bool diceOut() const { return diceOut_; }
    int throwTotal() const { return twoDice_ ? die_[1] + die_[2] : die_[1]; }
    bool closed(int box) const { return closed_[box]; }
    bool pending(int box) const { return pending_[box]; }
    const BoxSet& closedBoxes() const { return closed_; }
    const BoxSet& pendingBoxes() const { return pending_; }
    BoxSet openBoxes() const;
    int openSum() const;
    int pendingSum() const;
    // True between clickBox() answering ThrowComplete and completeThrow().
    bool throwAwaitingCompletion() const { return awaitingCompletion_; }

    // -- the players and the game
    Seat toMove() const { return playerOneToMove_ ? Seat::One : Seat::Two; }
    int total(Seat s) const { return total_[seatIndex(s)]; }
    // The player to move's score follows the open boxes; the other player's
    // keeps its turn's result until the round is scored.
    int roundScore(Seat s) const { return roundScore_[seatIndex(s)]; }
    int gremlinOdds() const { return gremlinOdds_; }
    bool gameOver() const { return gameOver_; }

    // -- what a click would do, without doing it
    // Whether a click on the box would shut it (not an undo).
    bool canShut(int box) const;
    // The throw lies on the board and can still be completed.
    bool canCompleteThrow() const;
    bool canUseOneDie() const;

    // -- operations
    // The click on the dice cup or the space bar: a roll while the dice are in
    // the cup (one draw per die, die 1 first), otherwise the end of the turn
    // once no move is left (noMoveLeft(), then two draws for the cup's faces),
    // or a new game after a finished one (two draws).
    CupResult rollOrEndTurn(RandomSource& random);
    // Shuts or reopens a box under the rules. Ignored while the dice are in the
    // cup, after the game has ended, and while a completed throw awaits
    // completeThrow().
    BoxOutcome clickBox(int box);
    // The Gremlin's flip: a shut box opens (and is no longer pending), an open
    // one shuts for good.
    FlipResult gremlinFlip(int box);
    // The pending boxes become final and the dice return to the cup: with two
    // dice both get new faces (two draws); one die keeps its face. With every
    // box shut the dice stay out. Does nothing unless a throw awaits completion.
    DiceReturn completeThrow(RandomSource& random);
    // Switches to one die when boxes 7, 8 and 9 are shut and the dice are in
    // the cup; it stays until the end of the turn.
    bool useOneDie();
    // True when the throw cannot be completed; each time it is, the Gremlin's
    // odds are drawn anew (one draw).
    bool noMoveLeft(RandomSource& random);
    // Abandons the game in progress: two draws for the cup's faces, then a
    // fresh game with player one to roll.
    void newGame(RandomSource& random);
    // A full repaint with the dice in the cup shows new faces on both dice
    // (two draws, die 1 first); nothing happens while the dice are out.
    void newCupFaces(RandomSource& random);

    // Test set-up: shuts exactly these boxes (none pending) and updates the
    // score of the player to move.
    void setBoardForTest(const BoxSet& closed);
    void setScoresForTest(Seat s, int roundScore, int total);
    void setToMoveForTest(Seat s);

private:
    void returnDiceToCup(RandomSource& random, DiceReturn& report);
    void reopenAllBoxes();
    void followBoard(); // the player to move's round score is the sum of the open boxes
    void drawGremlinOdds(RandomSource& random);

    std::array<int, 3> die_{0, 1, 1}; // dice 1 and 2
    std::array<int, 2> total_{};
    std::array<int, 2> roundScore_{openBoardSum, openBoardSum};
    int gremlinOdds_ = 6;
    bool playerOneToMove_ = true;
    bool twoDice_ = true;
    bool gameOver_ = false;
    BoxSet closed_;
    BoxSet pending_;
    bool diceOut_ = false;
    bool awaitingCompletion_ = false;
};

// Whether the winner goes into the top-score table: a tie never does, nor a
// win by the computer.
bool winnerEntersTopScores(const GameResult& result, bool versusComputer);

// Whether some of these boxes (each at most once) add up to sum.
bool boxesCanMake(const BoxSet& boxes, int sum);

} // namespace shutthebox
} // namespace tumbledown
