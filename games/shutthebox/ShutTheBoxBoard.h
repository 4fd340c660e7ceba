// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ShutTheBoxRules.h"
#include "games/board/SavedArea.h"
#include "platform/Graphics.h"

#include <array>
#include <string>

namespace tumbledown {

class GameSounds;

namespace shutthebox {

// The Shut The Box board's pictures: the boxes and their shutters, the dice in
// the cup and on the board, the turn arrow, the score panel written in carved
// glyphs, and the Gremlin. It draws and waits; what the pictures mean is the
// game's business.
class ShutTheBoxBoard {
public:
    ShutTheBoxBoard();

    void paintBackground() const;
    // Keeps the pieces of the clean board that later drawings are erased with.
    void saveBackgrounds();

    // -- boxes
    void drawBoxOpen(int box) const;       // the bottom plate of an open box
    void drawBoxShut(int box) const;       // the whole shutter
    void shutBox(int box, int wait) const; // the shutter rises in five frames
    void openBox(int box, int wait) const; // the shutter falls in four frames
    void reopenAllBoxes(int wait, const GameSounds& sounds) const;

    // -- dice (die2 is ignored with one die, which shows die1 in die 2's place)
    void drawDiceInCup(bool twoDice, int die1, int die2) const;
    void drawDiceOnBoard(bool twoDice, int die1, int die2) const;
    void throwDice(bool twoDice, int die1, int die2, int wait, const GameSounds& sounds) const;
    // The cup emptied: the two-dice resting picture taken away.
    void clearCup() const;
    // The dice lying on the board gathered back: two dice go back to the cup.
    void returnDiceToCup(bool twoDice, int die1, int die2) const;

    // -- the players
    void drawArrow(Seat seat) const;
    void eraseArrow(Seat seat) const;
    void drawNames(const std::string& one, const std::string& two) const;
    void drawScoreLine(Seat seat, int roundScore, int total) const;
    void clearScorePanel() const;
    void restoreMarginStrip() const;
    // Carved text centred in the panel; returns where it starts.
    int glyphTextLeft(const std::string& text) const;
    // One glyph at x, y; returns its width.
    int drawGlyph(char c, int x, int y) const;

    // -- the Gremlin
    void drawGremlin(int eyes) const;
    void drawGremlinEyes(int eyes) const;
    void eraseGremlin() const;

private:
    void drawPips(bool cup, bool twoDice, int die1, int die2) const;
    void drawGlyphText(const std::string& text, int left, int top) const;
    int glyphTextWidth(const std::string& text) const;

    Bitmap tile_;
    Bitmap board_;
    Bitmap shutter_;  // BITMAP_2
    Bitmap plate_;    // BITMAP_3
    Bitmap twoInCup_; // BITMAP_4
    std::array<Bitmap, 2> twoTumbling_;
    Bitmap twoOnBoard_; // BITMAP_7
    Bitmap oneInCup_;   // BITMAP_60
    std::array<Bitmap, 2> oneTumbling_;
    Bitmap oneOnBoard_;             // BITMAP_63
    Bitmap arrow_;                  // BITMAP_59
    std::array<Bitmap, 36> glyphs_; // A..Z then 0..9
    Bitmap gremlin_;
    std::array<Bitmap, 19> eyes_; // position k: left eye 2k-1, right eye 2k

    std::array<SavedArea, 10> boxAreas_;
    std::array<SavedArea, 4> strips_;
    std::array<SavedArea, 2> arrowSpots_;
    SavedArea twoInCupArea_, twoTumbling1Area_, twoTumbling2Area_, twoOnBoardArea_;
    SavedArea oneInCupArea_, oneTumbling1Area_, oneTumbling2Area_, oneOnBoardArea_;
    SavedArea gremlinArea_;
};

} // namespace shutthebox
} // namespace tumbledown
