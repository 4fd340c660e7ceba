// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Where things stand on the Poker Dice board, board-relative, and which
// pictures they are: the drawing, the hit tests and the art generator read the
// same tables. Dice, digits, rods and bead places are numbered from 1 (entry 0
// unused).

#include "core/BoardGeometry.h"
#include "games/board/ButtonLayout.h"

#include <array>

namespace tumbledown::pokerdice::layout {

inline constexpr Size boardSize{640, 428};
inline constexpr Size tileSize{105, 70};

// The pictures (BITMAP_n).
namespace bitmaps {
inline constexpr int board = 146;
inline constexpr int tile = 147;
inline constexpr int dieMask = 152;
// The first of the four pictures of A, K, Q, J, 10 and 9 (the mask sits between A and K).
inline constexpr std::array<int, 6> firstDie{148, 153, 157, 161, 165, 169};
inline constexpr int firstDigit = 173; // the figures 0..9
inline constexpr int sign = 183;
inline constexpr int firstButton = 184; // each button's pictures follow one another
inline constexpr int acesWildOff = 184;
inline constexpr int acesWildOn = 185;
inline constexpr int exit = 188;
inline constexpr int firstSmallDie = 200; // face f: firstSmallDie + f - 1
inline constexpr int smallDieMask = 206;
inline constexpr int firstMarker = 209; // player one, then two
inline constexpr int bead = 211;
inline constexpr int firstFlame = 212; // by flame height
} // namespace bitmaps

inline constexpr int dieWidth = 40, dieHeight = 42;
inline constexpr int smallDieWidth = 33, smallDieHeight = 31;
inline constexpr int digitWidth = 13, digitHeight = 15;
inline constexpr int beadWidth = 10, beadHeight = 9;
inline constexpr int rods = 7, beadPlaces = 7;

// Dice 1..5 (entry 0 unused).
inline constexpr std::array<Point, 6> dice{
    {{0, 0}, {478, 203}, {424, 263}, {498, 267}, {478, 335}, {552, 311}}};
// The rows of small dice a side's finished hand goes to: player one, player two.
inline constexpr std::array<std::array<Point, 6>, 2> smallDice{{
    {{{0, 0}, {42, 341}, {84, 347}, {120, 333}, {160, 339}, {198, 327}}},
    {{{0, 0}, {22, 389}, {64, 383}, {100, 389}, {136, 395}, {172, 383}}},
}};

// Digits 1..7 under the abacus, units to millions.
inline constexpr std::array<Point, 8> digits{
    {{0, 0}, {128, 220}, {115, 221}, {102, 221}, {89, 222}, {76, 222}, {63, 223}, {50, 223}}};

// Bead places 1..7 of rods 1..7: the five-bead up and down, then the four
// one-beads and their gap.
inline constexpr std::array<std::array<Point, 8>, 8> beads{{
    {},
    {{{0, 0}, {129, 246}, {129, 257}, {129, 270}, {129, 280}, {130, 290}, {131, 300}, {131, 310}}},
    {{{0, 0}, {116, 247}, {117, 258}, {117, 271}, {117, 281}, {118, 291}, {119, 301}, {119, 311}}},
    {{{0, 0}, {104, 247}, {104, 258}, {105, 272}, {105, 282}, {106, 292}, {107, 302}, {107, 312}}},
    {{{0, 0}, {91, 248}, {92, 259}, {93, 273}, {93, 283}, {94, 293}, {94, 303}, {95, 313}}},
    {{{0, 0}, {79, 249}, {80, 260}, {80, 274}, {81, 284}, {81, 294}, {81, 304}, {82, 314}}},
    {{{0, 0}, {66, 250}, {67, 261}, {67, 275}, {67, 285}, {68, 295}, {69, 305}, {69, 315}}},
    {{{0, 0}, {53, 251}, {54, 262}, {54, 276}, {54, 286}, {55, 296}, {56, 306}, {56, 316}}},
}};

inline constexpr Rect panel{402, 191, 222, 212};
inline constexpr int panelFirstLineTop = 230, panelLineStep = 15, panelLineHeight = 16;
inline constexpr int panelLines = 10;

// Name and coin plates, player one then player two. A name plate's lower rows
// lie under its coin plate; names are drawn and erased above them.
inline constexpr std::array<Point, 2> namePlates{{{260, 39}, {260, 81}}};
inline constexpr int namePlateWidth = 132, namePlateHeight = 23;
inline constexpr std::array<Point, 2> coinPlates{{{250, 58}, {250, 100}}};
inline constexpr int coinPlateWidth = 142, coinPlateHeight = 23;
// Texts are centred on this column.
inline constexpr int plateTextLeft = 260, plateTextWidth = 142;
inline constexpr std::array<int, 2> nameTops{39, 83};
inline constexpr std::array<int, 2> coinTops{59, 101};

inline constexpr std::array<Point, 2> markers{{{246, 39}, {247, 82}}};
inline constexpr std::array<int, 2> markerWidths{14, 13};
inline constexpr int markerHeight = 13;

// The sign, the aces-wild and exit buttons are hit where they are drawn.
inline constexpr Rect sign{298, 126, 63, 16};
inline constexpr Rect flame{340, 226, 15, 50};
inline constexpr Rect acesWildButton{222, 220, 28, 21};
inline constexpr Rect exitButton{222, 156, 27, 20};

// The buttons every board has.
inline constexpr ButtonLayout buttons{{
    {{296, 148, 17, 17}, 192, 193},
    {{330, 155, 19, 5}, 194, 195},
    {{367, 148, 16, 17}, 196, 197},
    {{222, 188, 23, 23}, 186, 187},
    {{398, 150, 23, 23}, 198, 199},
    {{260, 148, 13, 17}, 190, 191},
}};

// Click areas, both ends included.
inline constexpr Rect playWord{486, 307, 51, 10};
inline constexpr Rect resetWord{447, 337, 127, 10};
inline constexpr Rect quitWord{486, 367, 49, 12};
inline constexpr Rect rollCandle{336, 224, 25, 130};
inline constexpr Rect passCandle{279, 248, 32, 164};
inline constexpr Rect playerOneNames{250, 35, 142, 23};
inline constexpr Rect playerTwoNames{250, 81, 142, 23};

inline constexpr Rect dieSpot(int die) {
    return {dice[die].x, dice[die].y, dieWidth, dieHeight};
}
inline constexpr Rect digitSpot(int digit) {
    return {digits[digit].x, digits[digit].y, digitWidth, digitHeight};
}
inline constexpr Rect beadSpot(int rod, int place) {
    return {beads[rod][place].x, beads[rod][place].y, beadWidth, beadHeight};
}
inline constexpr Rect markerPlace(int seat) {
    return {markers[seat].x, markers[seat].y, markerWidths[seat], markerHeight};
}

} // namespace tumbledown::pokerdice::layout
