// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ShutTheBoxBoard.h"

#include "core/ProgramState.h"
#include "games/board/BoardBackground.h"
#include "games/board/GameSounds.h"
#include "platform/Screen.h"
#include "platform/System.h"

#include <QColor>

#include <vector>

namespace tumbledown::shutthebox {

namespace {

struct Point {
    int x, y;
};

struct Size {
    int width, height;
};

// Where each face's pips lie: [place][die][face], place 0 the cup, 1 the board.
using Pips = std::vector<Point>;
const std::array<std::array<std::array<Pips, 7>, 2>, 2>& pipTable() {
    static const std::array<std::array<std::array<Pips, 7>, 2>, 2> table{{
        {{
            {{{},
              {{352, 265}},
              {{343, 258}, {360, 273}},
              {{344, 259}, {352, 267}, {361, 275}},
              {{345, 260}, {345, 273}, {362, 260}, {362, 273}},
              {{345, 260}, {345, 273}, {353, 267}, {362, 260}, {362, 273}},
              {{342, 259}, {342, 267}, {342, 275}, {363, 259}, {363, 267}, {363, 275}}}},
            {{{},
              {{356, 317}},
              {{348, 310}, {366, 323}},
              {{347, 309}, {356, 317}, {364, 325}},
              {{348, 310}, {348, 323}, {365, 310}, {365, 323}},
              {{348, 310}, {348, 323}, {356, 317}, {365, 310}, {365, 323}},
              {{345, 309}, {345, 317}, {345, 325}, {366, 309}, {366, 317}, {366, 325}}}},
        }},
        {{
            {{{},
              {{532, 257}},
              {{525, 249}, {540, 267}},
              {{526, 247}, {532, 257}, {539, 269}},
              {{525, 249}, {543, 251}, {522, 264}, {540, 268}},
              {{525, 249}, {543, 251}, {532, 257}, {522, 264}, {540, 268}},
              {{525, 247}, {525, 256}, {521, 263}, {544, 251}, {542, 261}, {538, 269}}}},
            {{{},
              {{488, 323}},
              {{477, 316}, {498, 326}},
              {{478, 316}, {488, 323}, {500, 327}},
              {{478, 316}, {493, 311}, {482, 330}, {498, 328}},
              {{477, 317}, {493, 312}, {488, 323}, {482, 333}, {499, 329}},
              {{477, 317}, {493, 311}, {479, 325}, {495, 318}, {481, 334}, {498, 330}}}},
        }},
    }};
    return table;
}

const QColor pipColour(60, 61, 72);

// Width and height of each glyph: A..Z, then 0..9.
constexpr std::array<Size, 36> glyphSizes{{
    {17, 18}, {16, 18}, {15, 18}, {16, 18}, {14, 18}, {13, 18}, {17, 19}, {16, 19}, {9, 19},
    {14, 18}, {17, 18}, {14, 18}, {19, 18}, {16, 18}, {16, 18}, {15, 19}, {17, 19}, {16, 19},
    {15, 18}, {15, 18}, {15, 18}, {18, 18}, {22, 18}, {16, 18}, {17, 19}, {16, 19}, {13, 19},
    {11, 18}, {14, 18}, {13, 18}, {15, 18}, {13, 18}, {13, 18}, {15, 19}, {14, 19}, {13, 19},
}};

int glyphIndex(char c) {
    if (c >= 'A' && c <= 'Z')
        return c - 'A';
    if (c >= '0' && c <= '9')
        return 26 + (c - '0');
    return -1;
}

constexpr std::array<Point, 2> arrowPlaces{{{54, 231}, {54, 276}}};
constexpr std::array<int, 4> stripTops{224, 250, 276, 302};
constexpr int stripLeft = 82;

std::string bitmapName(int number) {
    return "BITMAP_" + std::to_string(number);
}

void blit(const Bitmap& bitmap, int x, int y) {
    screen().drawBitmap(bitmap, boardOrigin.x + x, boardOrigin.y + y);
}

// The top rows of a picture at a board place.
void blitRows(const Bitmap& bitmap, int x, int y, int rows) {
    screen().drawBitmapPart(bitmap, boardOrigin.x + x, boardOrigin.y + y, bitmap.width(), rows);
}

} // namespace

ShutTheBoxBoard::ShutTheBoxBoard()
    : tile_(loadBitmap("BITMAP_140")), board_(loadBitmap("BITMAP_1")),
      shutter_(loadBitmap("BITMAP_2")), plate_(loadBitmap("BITMAP_3")),
      twoInCup_(loadBitmap("BITMAP_4")), twoTumbling_{loadBitmap("BITMAP_5"),
                                                      loadBitmap("BITMAP_6")},
      twoOnBoard_(loadBitmap("BITMAP_7")),
      oneInCup_(loadBitmap("BITMAP_60")), oneTumbling_{loadBitmap("BITMAP_61"),
                                                       loadBitmap("BITMAP_62")},
      oneOnBoard_(loadBitmap("BITMAP_63")), arrow_(loadBitmap("BITMAP_59")),
      gremlin_(loadBitmap("BITMAP_243")), twoInCupArea_(329, 249, 52, 104),
      twoTumbling1Area_(399, 227, 90, 191), twoTumbling2Area_(473, 185, 134, 225),
      twoOnBoardArea_(465, 239, 101, 135), oneInCupArea_(341, 296, 40, 57),
      oneTumbling1Area_(415, 304, 74, 114), oneTumbling2Area_(551, 332, 56, 78),
      oneOnBoardArea_(466, 299, 54, 75), gremlinArea_(282, 198, 73, 41) {
    for (int i = 0; i < 36; ++i)
        glyphs_[i] = loadBitmap(bitmapName(22 + i));
    for (int i = 0; i < 18; ++i)
        eyes_[i + 1] = loadBitmap(bitmapName(225 + i));
    for (int box = 1; box <= 9; ++box)
        boxAreas_[box] = SavedArea(boxLeft[box], 33, 56, 125);
    for (int i = 0; i < 4; ++i)
        strips_[i] = SavedArea(stripLeft, stripTops[i], 184, 26);
    for (int s = 0; s < 2; ++s)
        arrowSpots_[s] = SavedArea(arrowPlaces[s].x, arrowPlaces[s].y, 22, 10);
}

void ShutTheBoxBoard::paintBackground() const {
    paintBoardBackground(tile_, board_);
}

void ShutTheBoxBoard::saveBackgrounds() {
    for (int box = 1; box <= 9; ++box)
        boxAreas_[box].capture();
    for (SavedArea& strip : strips_)
        strip.capture();
    for (SavedArea& spot : arrowSpots_)
        spot.capture();
    for (SavedArea* area :
         {&twoInCupArea_, &twoTumbling1Area_, &twoTumbling2Area_, &twoOnBoardArea_, &oneInCupArea_,
          &oneTumbling1Area_, &oneTumbling2Area_, &oneOnBoardArea_, &gremlinArea_})
        area->capture();
}

void ShutTheBoxBoard::drawBoxOpen(int box) const {
    blit(plate_, boxLeft[box], 136);
}

void ShutTheBoxBoard::drawBoxShut(int box) const {
    blit(shutter_, boxLeft[box], 33);
}

void ShutTheBoxBoard::shutBox(int box, int wait) const {
    const int x = boxLeft[box];
    static constexpr std::array<std::array<int, 2>, 4> frames{
        {{22, 136}, {48, 111}, {74, 85}, {100, 59}}};
    for (const auto& [rows, top] : frames) {
        blitRows(shutter_, x, top, rows);
        delay(wait);
    }
    drawBoxShut(box);
    screen().present();
}

void ShutTheBoxBoard::openBox(int box, int wait) const {
    const int x = boxLeft[box];
    static constexpr std::array<std::array<int, 2>, 4> frames{
        {{100, 25}, {74, 51}, {48, 77}, {22, 103}}};
    for (std::size_t i = 0; i < frames.size(); ++i) {
        boxAreas_[box].restore();
        blitRows(shutter_, x, 33 + frames[i][1], frames[i][0]);
        if (i + 1 < frames.size())
            delay(wait);
    }
    drawBoxOpen(box);
    screen().present();
}

void ShutTheBoxBoard::reopenAllBoxes(int wait, const GameSounds& sounds) const {
    sounds.play("closing2.wav");
    static constexpr std::array<std::array<int, 2>, 3> frames{{{74, 51}, {48, 77}, {22, 103}}};
    for (const auto& [rows, offset] : frames) {
        for (int box = 1; box <= 9; ++box) {
            boxAreas_[box].restore();
            blitRows(shutter_, boxLeft[box], 33 + offset, rows);
        }
        delay(wait);
    }
    for (int box = 1; box <= 9; ++box)
        drawBoxOpen(box);
    screen().present();
    sounds.stop();
}

void ShutTheBoxBoard::drawPips(bool cup, bool twoDice, int die1, int die2) const {
    const auto& place = pipTable()[cup ? 0 : 1];
    const auto pips = [&](int die, int face) {
        if (face < 1 || face > 6)
            return;
        for (const Point& p : place[die - 1][face]) {
            const int x = boardOrigin.x + p.x;
            const int y = boardOrigin.y + p.y;
            screen().fillEllipse(x, y, x + 6, y + 6, pipColour);
        }
    };
    if (twoDice) {
        pips(1, die1);
        pips(2, die2);
    } else {
        pips(2, die1); // a single die lies where die 2 would
    }
}

void ShutTheBoxBoard::drawDiceInCup(bool twoDice, int die1, int die2) const {
    if (twoDice)
        blit(twoInCup_, 329, 249);
    else
        blit(oneInCup_, 341, 296);
    drawPips(true, twoDice, die1, die2);
    screen().present();
}

void ShutTheBoxBoard::drawDiceOnBoard(bool twoDice, int die1, int die2) const {
    if (twoDice)
        blit(twoOnBoard_, 465, 239);
    else
        blit(oneOnBoard_, 466, 299);
    drawPips(false, twoDice, die1, die2);
    screen().present();
}

void ShutTheBoxBoard::throwDice(bool twoDice, int die1, int die2, int wait,
                                const GameSounds& sounds) const {
    sounds.play("Dice1.wav");
    if (twoDice) {
        twoInCupArea_.restore();
        blit(twoTumbling_[0], 399, 227);
        delay(wait);
        twoTumbling1Area_.restore();
        sounds.play("Dice3.wav");
        blit(twoTumbling_[1], 473, 185);
        delay(wait);
        twoTumbling2Area_.restore();
    } else {
        oneInCupArea_.restore();
        blit(oneTumbling_[0], 415, 304);
        delay(wait);
        oneTumbling1Area_.restore();
        sounds.play("Dice3.wav");
        blit(oneTumbling_[1], 551, 332);
        delay(wait);
        oneTumbling2Area_.restore();
    }
    sounds.play("Dice4.wav");
    drawDiceOnBoard(twoDice, die1, die2);
}

void ShutTheBoxBoard::clearCup() const {
    twoInCupArea_.restore();
}

void ShutTheBoxBoard::returnDiceToCup(bool twoDice, int die1, int die2) const {
    if (twoDice)
        twoOnBoardArea_.restore();
    else
        oneOnBoardArea_.restore();
    drawDiceInCup(twoDice, die1, die2);
}

void ShutTheBoxBoard::drawArrow(Seat seat) const {
    const Point p = arrowPlaces[seatIndex(seat)];
    blit(arrow_, p.x, p.y);
    screen().present();
}

void ShutTheBoxBoard::eraseArrow(Seat seat) const {
    arrowSpots_[seatIndex(seat)].restore();
}

int ShutTheBoxBoard::drawGlyph(char c, int x, int y) const {
    const int i = glyphIndex(c);
    if (i < 0)
        return 0;
    screen().drawBitmapPart(glyphs_[i], boardOrigin.x + x, boardOrigin.y + y, glyphSizes[i].width,
                            glyphSizes[i].height);
    return glyphSizes[i].width;
}

int ShutTheBoxBoard::glyphTextWidth(const std::string& text) const {
    int width = 0;
    for (char c : text)
        if (const int i = glyphIndex(c); i >= 0)
            width += glyphSizes[i].width;
    return width;
}

int ShutTheBoxBoard::glyphTextLeft(const std::string& text) const {
    return 83 + (184 - glyphTextWidth(text)) / 2;
}

void ShutTheBoxBoard::drawGlyphText(const std::string& text, int left, int top) const {
    for (char c : text)
        left += drawGlyph(c, left, top);
}

void ShutTheBoxBoard::drawNames(const std::string& one, const std::string& two) const {
    strips_[0].restore();
    drawGlyphText(one, glyphTextLeft(one), 226);
    strips_[2].restore();
    drawGlyphText(two, glyphTextLeft(two), 276);
    screen().present();
}

void ShutTheBoxBoard::drawScoreLine(Seat seat, int roundScore, int total) const {
    const bool one = seat == Seat::One;
    strips_[one ? 1 : 3].restore();
    const int top = one ? 250 : 302;
    const std::string round = std::to_string(roundScore);
    const std::string sum = std::to_string(total);
    drawGlyphText(round, 100 + (90 - glyphTextWidth(round)) / 2, top);
    drawGlyphText(sum, 160 + (90 - glyphTextWidth(sum)) / 2, top);
    screen().present();
}

void ShutTheBoxBoard::clearScorePanel() const {
    for (const SavedArea& strip : strips_)
        strip.restore();
    screen().present();
}

void ShutTheBoxBoard::restoreMarginStrip() const {
    strips_[2].restore();
    screen().present();
}

void ShutTheBoxBoard::drawGremlin(int eyes) const {
    blit(gremlin_, 282, 198);
    drawGremlinEyes(eyes);
}

void ShutTheBoxBoard::drawGremlinEyes(int eyes) const {
    Screen& s = screen();
    s.drawBitmapPart(eyes_[2 * eyes - 1], boardOrigin.x + 294, boardOrigin.y + 206, 21, 23);
    s.drawBitmapPart(eyes_[2 * eyes], boardOrigin.x + 321, boardOrigin.y + 206, 21, 23);
    s.present();
}

void ShutTheBoxBoard::eraseGremlin() const {
    gremlinArea_.restore();
    screen().present();
}

} // namespace tumbledown::shutthebox
