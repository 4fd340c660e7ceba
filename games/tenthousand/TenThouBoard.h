// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "TenThouRules.h"
#include "games/board/SavedArea.h"
#include "platform/Graphics.h"

#include <array>
#include <string>

namespace tumbledown {

class GameSounds;

namespace tenthousand {

// Face values of dice 1..6 (entry 0 unused).
using DiceValues = std::array<int, 7>;

// The 10,000 board's pictures: the window panes, the dice in their four
// frames with pips drawn on top, the score figures, the names and the turn
// marker, and the rise and sink of the dice. It draws and waits; what the
// pictures mean is the game's business.
class TenThouBoard {
public:
    TenThouBoard();

    // The wall tile and the board.
    void paintBackground() const;
    // Keeps the pieces of the clean board that later drawings are erased with.
    void saveBackgrounds();

    void drawPane(Pane pane, bool touched) const;
    void drawAllScoringPanesNormal() const;

    // Frame 4 is the die at rest.
    void drawDie(int die, int frame, int value) const;
    void eraseDie(int die) const;
    // The dice of the set come up (frames 1 to 4) or go down (frames 3 to 1),
    // one step delay per frame, with the rolling sound meanwhile.
    void rise(const DiceSet& dice, const DiceValues& values, int stepDelay,
              const GameSounds& sounds) const;
    void sink(const DiceSet& dice, const DiceValues& values, int stepDelay,
              const GameSounds& sounds) const;

    void drawScores(Seat seat, int turnScore, int total) const;
    void drawNames(const std::string& one, const std::string& two, Seat starter) const;
    void drawMarker(Seat seat) const;
    void eraseMarker(Seat seat) const;

private:
    void drawNumber(int value, int left, int width, int top) const;

    Bitmap tile_;
    Bitmap board_;
    std::array<Bitmap, 24> dice_;        // die d frame f at 4(d-1) + (f-1)
    std::array<Bitmap, 10> digits_;      // '0'..'9'
    std::array<Bitmap, 13> panesNormal_; // pane pictures 1..12
    std::array<Bitmap, 13> panesTouched_;
    Bitmap marker_;
    Font nameFont_;

    std::array<SavedArea, 2> markerSpots_;
    std::array<SavedArea, 2> turnAreas_;
    std::array<SavedArea, 2> totalAreas_;
    std::array<SavedArea, 2> nameAreas_;
    std::array<SavedArea, 7> dieRests_; // 1..6
};

} // namespace tenthousand
} // namespace tumbledown
