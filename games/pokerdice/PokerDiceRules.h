// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "PokerDiceHands.h"
#include "core/ComputerLevel.h"
#include "core/Seat.h"

#include <array>
#include <bitset>
#include <cstdint>
#include <limits>
#include <optional>

namespace tumbledown {

class RandomSource;

namespace pokerdice {

// A set of dice by number 1..5 (bit 0 is never used).
using DiceSet = std::bitset<6>;

// The computer's levels; without one, player two is a person.
using tumbledown::Level;

inline constexpr std::int32_t maxBet = 999999999;
inline constexpr std::uint32_t maxCoins = std::numeric_limits<std::uint32_t>::max();
inline constexpr std::int32_t maxPurse = std::numeric_limits<std::int32_t>::max();
inline constexpr std::uint32_t billionaire = 1000000000u;
// What a person is given after losing everything, and what a new club member keeps.
inline constexpr std::uint32_t grantedCoins = 5000;

// The ROLL candle's flame.
enum class Flame { None = 0, Small = 1, Medium = 2, Large = 3 };

// The money: the people's coins (kept between runs, compared as unsigned), the
// computer's purse (only while the game is on view) and the bet.
struct Stakes {
    std::uint32_t player1 = 0;
    std::uint32_t player2 = 0; // a second person; untouched while the computer plays
    std::int32_t purse = 0;
    std::int32_t bet = 0;

    bool operator==(const Stakes&) const = default;
};

// The tables a settled hand goes into: the Poker Dice top scores and the
// Billionaire Club. The game keeps them in the preferences record under the
// seat's current name.
class CoinTables {
public:
    virtual void enterTopScore(Seat seat, std::uint32_t coins) = 0;
    // True when the seat's player became a member.
    virtual bool admitToClub(Seat seat, std::uint32_t coins) = 0;

protected:
    ~CoinTables() = default;
};

// Every operation reports what changed, for the board to animate afterwards.
// `clearRows`: both rows of small dice are erased before the animation.

struct RollResult {
    bool allowed = false;
    DiceSet rolled; // drawn with their new faces, now on the table
    bool clearRows = false;
    bool turnOver = false; // a person used the last roll: the turn ends after 20 steps
};

struct DiscardResult {
    bool allowed = false;
    DiceSet discarded; // animated back into the cup, even one already there
    bool clearRows = false;
};

struct UndoResult {
    bool allowed = false;
    DiceSet restored; // drawn back with their last faces
    bool clearRows = false;
};

struct EndTurnResult {
    bool allowed = false;
    Seat finished = Seat::One;   // whose turn ended
    ClassifiedHand hand;         // its classification
    DiceSet toRow;               // the dice on the table, which go to that side's row
    bool handOver = false;       // both sides have played: settle() comes next
    bool computerToPlay = false; // the computer's turn starts now
};

struct Settlement {
    bool settled = false;
    HandOutcome outcome = HandOutcome::Tie;
    Stakes afterBet;            // once the bet has moved; the coin plates show these first
    bool purseRefilled = false; // the computer had lost all: the "Winner!" box, new purse
    bool betRedrawn = false;    // the abacus and the digits are redrawn after the coins move
    bool betClamped = false;    // ... and the clamp changed the bet
    bool betCutTo5000 = false;  // against a person someone has nothing left
    // Once the bet has been redrawn (or not): the coins before any grant and
    // the bet the abacus shows next.
    Stakes afterRedraw;
    // "LOST ALL!": this person had nothing left and was given 5,000 (against
    // the computer the bet went down to 0 first).
    std::array<bool, 2> lostAll{};
    std::optional<Seat> clubEntrant;  // a new member, whose coins went back to 5,000
    bool betClampedAfterClub = false; // the bet came down to the new member's 5,000
};

// The rules of a Poker Dice match: the dice and the turn, the hand of each side,
// the bet and the coins, settlement, and what goes into the tables. No drawing,
// waiting or sound. Seeding the random source (at creation and at each new
// match) is the caller's; the operations draw from it in the order documented.
class PokerDiceRules {
public:
    // -- settings
    void setOpponent(std::optional<Level> computer) { computer_ = computer; }
    std::optional<Level> computer() const { return computer_; }
    bool vsComputer() const { return computer_.has_value(); }
    // 2 or 3; anything else means 3.
    void setRollsPerTurn(int rolls) { rollsPerTurn_ = rolls == 2 ? 2 : 3; }
    int rollsPerTurn() const { return rollsPerTurn_; }
    void setAcesWild(bool wild) { acesWild_ = wild; }
    bool acesWild() const { return acesWild_; }
    // The screen's aces-wild button works only before anyone rolled in this hand.
    bool acesWildMayChange() const;

    // -- the dice and the turn
    int die(int i) const { return dice_[i]; }
    const Dice& dice() const { return dice_; }
    bool onTable(int i) const { return onTable_[i]; }
    bool offTable(int i) const { return offTable_[i]; }
    DiceSet diceOnTable() const { return onTable_; }
    int rollsUsed() const { return rollsUsed_; }
    Seat toPlay() const { return playerOneToPlay_ ? Seat::One : Seat::Two; }
    bool computersTurn() const { return vsComputer() && toPlay() == Seat::Two; }
    bool finished(Seat s) const { return finished_[seatIndex(s)]; }
    bool rolled(Seat s) const { return rolled_[seatIndex(s)]; }
    // The side's final dice: the five faces after its last roll or undo.
    const Dice& row(Seat s) const { return rows_[seatIndex(s)]; }
    const ClassifiedHand& hand(Seat s) const { return hands_[seatIndex(s)]; }
    bool clearRowsPending() const { return clearRows_; }
    Flame flame() const;
    // The bet may change (by the abacus) between hands, while nobody has finished.
    bool betMayChange() const { return !finished_[0] && !finished_[1]; }

    // Three draws; the third, r mod 20 + 1, gives player one the first hand on
    // 1..10. The following newHand() hands the turn to the chosen side. Dice
    // still on the table leave it (returned for erasing).
    struct FirstPlayer {
        Seat first = Seat::One;
        DiceSet erased;
    };
    FirstPlayer chooseFirstPlayer(RandomSource& random);
    // A match's first hand: nobody has rolled or finished, every die in the cup,
    // and the first-player toggle flips to the other side.
    void newHand();

    // Rolls every die in the cup, dice 1..5 in order, one draw each (r mod 6 + 1).
    RollResult roll(RandomSource& random);
    // Puts dice back in the cup; refused after the last roll and once three
    // dice are in the cup. The computer's set is discarded in one call.
    DiscardResult discard(const DiceSet& dice);
    DiscardResult discard(int die);
    // Brings back the dice put back since the last roll. Before the first roll
    // of a turn there is nothing of this turn to bring back: it does nothing.
    UndoResult undoDiscards();
    // Ends the side's turn (refused before its first roll) and classifies its
    // row. When the first side of a hand ends, pending table updates are made
    // before the flag is dropped.
    EndTurnResult endTurn(CoinTables& tables);
    // Due after the turn that ended the hand. Draws once from the random source
    // only when the computer's purse ran out (the new purse).
    Settlement settle(RandomSource& random, CoinTables& tables);

    // -- the bet and the coins
    const Stakes& stakes() const { return stakes_; }
    void setStakes(const Stakes& stakes) { stakes_ = stakes; }
    std::int32_t bet() const { return stakes_.bet; }
    void setBet(std::int32_t bet) { stakes_.bet = bet; }
    // The clamp made at every redraw of the abacus or the digits: 0 to
    // 999,999,999 and no more than either side can pay. True when it changed.
    bool clampBet();
    // The bet that clamp makes of this one.
    std::int32_t payable(std::int32_t wanted) const;
    // One draw: r mod 11 + 1 = 1 gives 5,000, k = 2..11 gives 10,000 x (k - 1).
    std::int32_t pickPurse(RandomSource& random);
    // "Reset Coins to 5000": both people to 5,000, the bet no higher than
    // player one's coins. The caller starts a new match.
    void resetCoins();

    // -- the tables
    bool tablesPending() const { return tablesPending_; }
    std::optional<Seat> clubEntrant() const { return clubEntrant_; }
    // Player one, then player two when a person. Returns the last to enter.
    std::optional<Seat> updateBillionaireClub(CoinTables& tables);
    void updateTopScores(CoinTables& tables);
    // Where the pending flag is dropped (PLAY, space, RESET PLAYERS, the end of
    // a hand's first turn, leaving the game, the options dialog, closing), the
    // updates it stands for are made first: the club, then the top scores.
    void flushPendingTables(CoinTables& tables);

private:
    int offCount() const { return static_cast<int>(offTable_.count()); }
    bool takeClearRows();
    std::uint32_t coinsOf(Seat s) const;
    void setCoins(Seat s, std::uint32_t coins);
    void moveBet(Seat winner);

    std::optional<Level> computer_;
    int rollsPerTurn_ = 3;
    bool acesWild_ = false;

    Dice dice_{};
    DiceSet onTable_;
    DiceSet offTable_{0b111110};
    int rollsUsed_ = 0;
    bool playerOneToPlay_ = true;
    bool firstToggle_ = true; // player one; newHand() flips it
    std::array<bool, 2> finished_{};
    std::array<bool, 2> rolled_{};
    std::array<Dice, 2> rows_{};
    std::array<ClassifiedHand, 2> hands_{};
    bool clearRows_ = false;
    bool settlementDue_ = false;

    Stakes stakes_;
    bool tablesPending_ = false;
    std::optional<Seat> clubEntrant_;
};

// The bet as the abacus changes it (before the clamp). Digit and rod 1 are
// the units up to 7 for the millions.
int betDigit(std::int32_t bet, int place);
// The upper half of a digit raises it (not past 9), the lower half lowers it (not past 0).
std::int32_t betAfterDigitClick(std::int32_t bet, int digit, bool upperHalf);
// Place 1/2: the five-bead up/down; places 3..7: the one-beads and their gap.
// Only the bead beside the gap moves; any other place changes nothing.
std::int32_t betAfterBeadClick(std::int32_t bet, int rod, int place);
// Where a rod's beads are drawn: the five-bead at place 1 or 2, one-beads at
// places 3..7 except the gap.
struct RodBeads {
    int fiveBeadPlace = 1;
    int gapPlace = 3;
};
RodBeads abacusRod(std::int32_t bet, int rod);

} // namespace pokerdice
} // namespace tumbledown
