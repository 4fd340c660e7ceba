// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Where things stand on the Shut The Box board and which pictures they are:
// the board draws from these tables, its input hits them and the art
// generator paints each picture to fit them. Boxes, dice and faces are
// numbered from 1 (entry 0 unused).

#include "core/BoardGeometry.h"
#include "games/board/ButtonLayout.h"

#include <array>

namespace tumbledown::shutthebox::layout {

inline constexpr Size boardSize{632, 428};
inline constexpr Size tileSize{56, 32};

// The pictures (BITMAP_n).
namespace bitmaps {
inline constexpr int board = 1;
inline constexpr int shutter = 2;
inline constexpr int plate = 3;
inline constexpr int twoInCup = 4;
inline constexpr int twoTumbling = 5; // and 6
inline constexpr int twoOnBoard = 7;
inline constexpr int firstGlyph = 22; // A..Z, then 0..9
inline constexpr int arrow = 59;
inline constexpr int oneInCup = 60;
inline constexpr int oneTumbling = 61; // and 62
inline constexpr int oneOnBoard = 63;
inline constexpr int gremlinOff = 64;
inline constexpr int gremlinOn = 65;
inline constexpr int tile = 140;
inline constexpr int firstEye = 225; // eye picture i (1..18); looking at box k, left 2k - 1
inline constexpr int gremlin = 243;
} // namespace bitmaps

// Boxes 1..9: the shutter over the whole box, the bottom plate of an open one.
inline constexpr std::array<int, 10> boxLeft{0, 51, 110, 170, 229, 288, 347, 407, 466, 525};
inline constexpr int boxTop = 33;
inline constexpr Size boxSize{56, 125};
inline constexpr int plateTop = 136;
inline constexpr Size plateSize{56, 22};
inline constexpr Rect box(int n) {
    return {boxLeft[n], boxTop, boxSize.width, boxSize.height};
}

// The score panel: names on the first and third strips, scores on the others.
inline constexpr int stripLeft = 82;
inline constexpr Size stripSize{184, 26};
inline constexpr std::array<int, 4> stripTops{224, 250, 276, 302};
// Where a player's arrow points, player one then two.
inline constexpr std::array<Point, 2> arrows{{{54, 231}, {54, 276}}};
inline constexpr Size arrowSize{22, 10};
// Clicks on a player's name open the options.
inline constexpr std::array<Rect, 2> names{{{91, 225, 175, 18}, {91, 275, 175, 18}}};

// Where the dice stand: resting in the cup, tumbling, and lying on the felt.
struct DicePlaces {
    Rect inCup;
    Rect tumbling1;
    Rect tumbling2;
    Rect onBoard;
};
inline constexpr DicePlaces twoDice{
    {329, 249, 52, 104}, {399, 227, 90, 191}, {473, 185, 134, 225}, {465, 239, 101, 135}};
inline constexpr DicePlaces oneDie{
    {341, 296, 40, 57}, {415, 304, 74, 114}, {551, 332, 56, 78}, {466, 299, 54, 75}};
inline constexpr Rect cup{300, 242, 108, 106};

// The top-left corners of the 6 x 6 pips of face f of die d: pips[place][d][f],
// place 0 the cup and 1 the board; a face has f pips. A lone die is drawn at
// die 2's places.
inline constexpr int pipSize = 6;
using FacePips = std::array<std::array<Point, 6>, 7>;
inline constexpr std::array<std::array<FacePips, 3>, 2> pips{{
    {{
        {},
        {{{},
          {{{352, 265}}},
          {{{343, 258}, {360, 273}}},
          {{{344, 259}, {352, 267}, {361, 275}}},
          {{{345, 260}, {345, 273}, {362, 260}, {362, 273}}},
          {{{345, 260}, {345, 273}, {353, 267}, {362, 260}, {362, 273}}},
          {{{342, 259}, {342, 267}, {342, 275}, {363, 259}, {363, 267}, {363, 275}}}}},
        {{{},
          {{{356, 317}}},
          {{{348, 310}, {366, 323}}},
          {{{347, 309}, {356, 317}, {364, 325}}},
          {{{348, 310}, {348, 323}, {365, 310}, {365, 323}}},
          {{{348, 310}, {348, 323}, {356, 317}, {365, 310}, {365, 323}}},
          {{{345, 309}, {345, 317}, {345, 325}, {366, 309}, {366, 317}, {366, 325}}}}},
    }},
    {{
        {},
        {{{},
          {{{532, 257}}},
          {{{525, 249}, {540, 267}}},
          {{{526, 247}, {532, 257}, {539, 269}}},
          {{{525, 249}, {543, 251}, {522, 264}, {540, 268}}},
          {{{525, 249}, {543, 251}, {532, 257}, {522, 264}, {540, 268}}},
          {{{525, 247}, {525, 256}, {521, 263}, {544, 251}, {542, 261}, {538, 269}}}}},
        {{{},
          {{{488, 323}}},
          {{{477, 316}, {498, 326}}},
          {{{478, 316}, {488, 323}, {500, 327}}},
          {{{478, 316}, {493, 311}, {482, 330}, {498, 328}}},
          {{{477, 317}, {493, 312}, {488, 323}, {482, 333}, {499, 329}}},
          {{{477, 317}, {493, 311}, {479, 325}, {495, 318}, {481, 334}, {498, 330}}}}},
    }},
}};

// The icon row: "+", "-", music, music file, sound and help; each button's two
// pictures follow one another.
inline constexpr ButtonLayout buttons{{
    {{95, 362, 19, 19}, 10, 11},
    {{133, 369, 19, 5}, 12, 13},
    {{172, 363, 16, 23}, 14, 15},
    {{207, 360, 23, 23}, 16, 17},
    {{245, 360, 23, 23}, 18, 19},
    {{285, 360, 13, 23}, 20, 21},
}};
// The Gremlin's "!": its picture, and the wider spot that switches it.
inline constexpr Rect gremlinButton{359, 360, 6, 23};
inline constexpr Rect gremlinSpot{359, 360, 13, 23};
// Parts of the board picture.
inline constexpr Rect back{52, 361, 27, 20};
inline constexpr Rect oneDieIcon{316, 362, 23, 21};

// Glyphs A..Z then 0..9, each as wide as the advance to the next.
inline constexpr std::array<Size, 36> glyphSizes{{
    {17, 18}, {16, 18}, {15, 18}, {16, 18}, {14, 18}, {13, 18}, {17, 19}, {16, 19}, {9, 19},
    {14, 18}, {17, 18}, {14, 18}, {19, 18}, {16, 18}, {16, 18}, {15, 19}, {17, 19}, {16, 19},
    {15, 18}, {15, 18}, {15, 18}, {18, 18}, {22, 18}, {16, 18}, {17, 19}, {16, 19}, {13, 19},
    {11, 18}, {14, 18}, {13, 18}, {15, 18}, {13, 18}, {13, 18}, {15, 19}, {14, 19}, {13, 19},
}};

// The Gremlin's head, and where its eyes are copied (always as 21 x 23).
inline constexpr Rect gremlin{282, 198, 73, 41};
inline constexpr Point leftEye{294, 206};
inline constexpr Point rightEye{321, 206};
inline constexpr Size eyeCopy{21, 23};

} // namespace tumbledown::shutthebox::layout
