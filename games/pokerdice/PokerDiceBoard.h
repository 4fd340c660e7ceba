// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "PokerDiceRules.h"
#include "games/board/SavedArea.h"
#include "platform/Graphics.h"

#include <array>
#include <cstdint>
#include <string>

namespace tumbledown {

class GameSounds;

namespace pokerdice {

// The Poker Dice board's pictures: the candle's flame, the turn markers, the
// name and coin plates, the dice on the table and the rows of small dice, the
// abacus and its digits, and the dice's animations. It draws and waits; what
// the pictures mean is the game's business.
class PokerDiceBoard {
public:
    PokerDiceBoard();

    // The wall tile and the board.
    void paintBackground() const;
    // Keeps the pieces of the clean board that later drawings are erased with.
    void saveBackgrounds();

    void drawFlame(Flame flame) const;
    void drawSign() const;
    void drawAcesWild(bool on) const;
    void drawExit() const;
    void drawMarker(Seat seat) const;
    void eraseMarker(Seat seat) const;
    void drawNames(const std::string& one, const std::string& two) const;
    // Player two's plate shows the purse when the computer plays.
    void drawCoins(std::int64_t one, std::int64_t two) const;
    // The abacus's beads and the digits under it: the bet's seven low digits.
    void drawAbacus(std::int32_t bet) const;
    void drawDigits(std::int32_t bet) const;

    // Picture 1..4 of the face (4 is the die at rest), through the mask.
    void drawDie(int die, int picture, int face) const;
    void eraseDie(int die) const;
    void drawRow(Seat seat, const Dice& faces) const;
    void eraseRows() const;

    // The dice come onto the table: pictures 1 to 4, all together, one step
    // after each, with magic.wav meanwhile.
    void raise(const DiceSet& dice, const Dice& faces, int step, const GameSounds& sounds) const;
    // The dice go back into the cup one after the other: pictures 3 to 1,
    // one step after each, then the die is gone.
    void putBack(const DiceSet& dice, const Dice& faces, int step, const GameSounds& sounds) const;
    // The dice on the table go down to the side's row of small dice.
    void sendToRow(Seat seat, const DiceSet& dice, const Dice& faces, int step,
                   const GameSounds& sounds) const;

private:
    Bitmap tile_;
    Bitmap board_;
    std::array<Bitmap, 24> dice_; // face f picture k at 4(f-1) + (k-1)
    Bitmap dieMask_;
    std::array<Bitmap, 6> smallDice_;
    Bitmap smallMask_;
    std::array<Bitmap, 10> digitPictures_;
    Bitmap bead_;
    std::array<Bitmap, 4> flames_;
    std::array<Bitmap, 2> markers_;
    Bitmap sign_;
    Bitmap acesWildOff_;
    Bitmap acesWildOn_;
    Bitmap exit_;
    Font font_;

    std::array<SavedArea, 2> markerSpots_;
    std::array<SavedArea, 2> namePlates_;
    std::array<SavedArea, 2> coinPlates_;
    std::array<SavedArea, 6> dieRests_; // 1..5
    std::array<SavedArea, 2> rows_;
    SavedArea abacus_;
    std::array<SavedArea, 8> digitSpots_; // 1..7
};

// A coin count with a "," before every group of three digits from the right.
std::string withThousands(std::int64_t coins);

} // namespace pokerdice
} // namespace tumbledown
