// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Where things stand on the Poker Dice board, board-relative: the drawing and
// the hit tests read the same tables.

#include "core/InputRouting.h"

#include <array>

namespace tumbledown::pokerdice::layout {

struct Place {
    int x, y;
};

inline constexpr int dieWidth = 40, dieHeight = 42;
inline constexpr int smallDieWidth = 33, smallDieHeight = 31;
inline constexpr int digitWidth = 13, digitHeight = 15;
inline constexpr int beadWidth = 10, beadHeight = 9;
inline constexpr int rods = 7, beadPlaces = 7;

// Dice 1..5 (entry 0 unused).
inline constexpr std::array<Place, 6> dice{
    {{0, 0}, {478, 203}, {424, 263}, {498, 267}, {478, 335}, {552, 311}}};
// The rows of small dice a side's finished hand goes to: player one, player two.
inline constexpr std::array<std::array<Place, 6>, 2> smallDice{{
    {{{0, 0}, {42, 341}, {84, 347}, {120, 333}, {160, 339}, {198, 327}}},
    {{{0, 0}, {22, 389}, {64, 383}, {100, 389}, {136, 395}, {172, 383}}},
}};

// Digits 1..7 under the abacus, units to millions.
inline constexpr std::array<Place, 8> digits{
    {{0, 0}, {128, 220}, {115, 221}, {102, 221}, {89, 222}, {76, 222}, {63, 223}, {50, 223}}};

// Bead places 1..7 of rods 1..7: the five-bead up and down, then the four
// one-beads and their gap.
inline constexpr std::array<std::array<Place, 8>, 8> beads{{
    {},
    {{{0, 0}, {129, 246}, {129, 257}, {129, 270}, {129, 280}, {130, 290}, {131, 300}, {131, 310}}},
    {{{0, 0}, {116, 247}, {117, 258}, {117, 271}, {117, 281}, {118, 291}, {119, 301}, {119, 311}}},
    {{{0, 0}, {104, 247}, {104, 258}, {105, 272}, {105, 282}, {106, 292}, {107, 302}, {107, 312}}},
    {{{0, 0}, {91, 248}, {92, 259}, {93, 273}, {93, 283}, {94, 293}, {94, 303}, {95, 313}}},
    {{{0, 0}, {79, 249}, {80, 260}, {80, 274}, {81, 284}, {81, 294}, {81, 304}, {82, 314}}},
    {{{0, 0}, {66, 250}, {67, 261}, {67, 275}, {67, 285}, {68, 295}, {69, 305}, {69, 315}}},
    {{{0, 0}, {53, 251}, {54, 262}, {54, 276}, {54, 286}, {55, 296}, {56, 306}, {56, 316}}},
}};

inline constexpr Place panel{402, 191};
inline constexpr int panelWidth = 222, panelHeight = 212;

// Name and coin plates, player one then player two. A name plate's lower rows
// lie under its coin plate; names are drawn and erased above them.
inline constexpr std::array<Place, 2> namePlates{{{260, 39}, {260, 81}}};
inline constexpr int namePlateWidth = 132, namePlateHeight = 23;
inline constexpr std::array<Place, 2> coinPlates{{{250, 58}, {250, 100}}};
inline constexpr int coinPlateWidth = 142, coinPlateHeight = 23;
// Texts are centred on this column.
inline constexpr int plateTextLeft = 260, plateTextWidth = 142;
inline constexpr std::array<int, 2> nameTops{39, 83};
inline constexpr std::array<int, 2> coinTops{59, 101};

inline constexpr std::array<Place, 2> markers{{{246, 39}, {247, 82}}};
inline constexpr std::array<int, 2> markerWidths{14, 13};
inline constexpr int markerHeight = 13;

inline constexpr Place sign{298, 126};
inline constexpr Place flame{340, 226};
inline constexpr Place acesWildButton{222, 220};
inline constexpr Place exitButton{222, 156};

// Click areas, both ends included.
inline constexpr Spot playWord{486, 537, 307, 317};
inline constexpr Spot resetWord{447, 574, 337, 347};
inline constexpr Spot quitWord{486, 535, 367, 379};
inline constexpr Spot rollCandle{336, 361, 224, 354};
inline constexpr Spot passCandle{279, 311, 248, 412};
inline constexpr Spot acesWildSpot{222, 250, 220, 241};
inline constexpr Spot exitSpot{222, 249, 156, 176};
inline constexpr Spot playerOneNames{250, 392, 35, 58};
inline constexpr Spot playerTwoNames{250, 392, 81, 104};
inline constexpr Spot signSpot{298, 361, 126, 142};

inline constexpr Spot dieSpot(int die) {
    return {dice[die].x, dice[die].x + dieWidth, dice[die].y, dice[die].y + dieHeight};
}
inline constexpr Spot digitSpot(int digit) {
    return {digits[digit].x, digits[digit].x + digitWidth, digits[digit].y,
            digits[digit].y + digitHeight};
}
inline constexpr Spot beadSpot(int rod, int place) {
    const Place p = beads[rod][place];
    return {p.x, p.x + beadWidth, p.y, p.y + beadHeight};
}

} // namespace tumbledown::pokerdice::layout
