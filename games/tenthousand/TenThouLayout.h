// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Where things stand on the 10,000 board and which pictures they are: the
// board draws from these tables, its input hits them and the art generator
// paints each picture to fit them. Dice, frames, pips and panes are numbered
// from 1 (entry 0 unused); the pane shapes are in PaneShapes.h.

#include "core/BoardGeometry.h"
#include "games/board/ButtonLayout.h"

#include <array>

namespace tumbledown::tenthousand::layout {

inline constexpr Size boardSize{632, 428};

// The pictures (BITMAP_n).
namespace bitmaps {
inline constexpr int board = 66;
inline constexpr int firstDigit = 67; // '0'..'9'
inline constexpr int firstDie = 79;   // die d, frame f: firstDie + 4(d - 1) + (f - 1)
inline constexpr int firstButton = 103;
inline constexpr int marker = 115;
inline constexpr int firstTouchedPane = 116; // pane picture k: firstTouchedPane + k - 1
inline constexpr int firstPane = 128;
inline constexpr int tile = 141;
inline constexpr int panel = 142;

inline constexpr int die(int die, int frame) {
    return firstDie + 4 * (die - 1) + (frame - 1);
}
} // namespace bitmaps

inline constexpr Size tileSize{115, 90};

// Where die d (1..6) stands in frame f, 1 (flat) to 4 (at rest).
inline constexpr std::array<std::array<Rect, 5>, 7> dieFrames{{
    {},
    {{{}, {203, 262, 28, 7}, {201, 248, 31, 26}, {199, 240, 33, 34}, {197, 231, 35, 42}}},
    {{{}, {135, 285, 30, 11}, {132, 276, 33, 23}, {127, 267, 38, 34}, {125, 258, 40, 43}}},
    {{{}, {194, 311, 31, 12}, {192, 302, 33, 25}, {190, 292, 35, 37}, {187, 283, 38, 46}}},
    {{{}, {95, 355, 29, 6}, {91, 345, 35, 23}, {87, 336, 39, 35}, {82, 326, 44, 46}}},
    {{{}, {144, 343, 31, 9}, {142, 333, 33, 24}, {137, 323, 38, 37}, {133, 314, 42, 47}}},
    {{{}, {208, 374, 31, 9}, {206, 364, 34, 26}, {203, 355, 37, 38}, {201, 345, 39, 49}}},
}};

// Where the face lies within die d's picture in frames 2 to 4.
inline constexpr std::array<std::array<Point, 5>, 7> pipAreas{{
    {},
    {{{}, {}, {5, 2}, {6, 2}, {8, 2}}},
    {{{}, {}, {5, 2}, {10, 2}, {12, 1}}},
    {{{}, {}, {5, 2}, {6, 3}, {9, 3}}},
    {{{}, {}, {6, 2}, {9, 2}, {14, 2}}},
    {{{}, {}, {4, 2}, {9, 3}, {12, 2}}},
    {{{}, {}, {4, 3}, {7, 2}, {9, 2}}},
}};

// The top-left corners of the seven pips P1..P7 within the face.
inline constexpr std::array<Point, 8> pipPlaces{
    {{}, {9, 12}, {2, 2}, {16, 22}, {19, 5}, {0, 21}, {1, 11}, {17, 14}}};
inline constexpr int pipSize = 7;

// The pane pictures 1..12: panes 15..24, then ROLL and PASS.
inline constexpr int paneCount = 12;
inline constexpr std::array<Rect, paneCount + 1> panes{{{},
                                                        {154, 44, 81, 26},
                                                        {258, 47, 72, 19},
                                                        {374, 46, 24, 16},
                                                        {444, 52, 37, 16},
                                                        {177, 100, 31, 17},
                                                        {256, 95, 40, 16},
                                                        {351, 91, 28, 17},
                                                        {431, 93, 33, 16},
                                                        {179, 149, 7, 15},
                                                        {245, 147, 11, 17},
                                                        {327, 140, 42, 22},
                                                        {424, 144, 50, 19}}};

// The left strip: each button's two pictures follow one another.
inline constexpr ButtonLayout buttons{{
    {{8, 193, 19, 19}, 103, 104},
    {{8, 229, 19, 5}, 105, 106},
    {{8, 251, 16, 23}, 107, 108},
    {{8, 293, 23, 23}, 109, 110},
    {{8, 333, 23, 23}, 111, 112},
    {{8, 373, 13, 23}, 113, 114},
}};
// Part of the board picture.
inline constexpr Rect back{8, 156, 27, 19};

inline constexpr Rect panel{147, 34, 351, 145};
inline constexpr int panelFirstLineTop = 55;
inline constexpr int panelLineStep = 15;
// The option prompt's words.
inline constexpr Rect playOption{196, 131, 52, 10};
inline constexpr Rect resetOption{261, 131, 124, 10};
inline constexpr Rect quitOption{398, 131, 49, 13};

inline constexpr Size markerSize{13, 12};
inline constexpr Size digitSize{11, 12};

// A player's places, player one then player two.
struct PlayerPlaces {
    Point marker;
    Rect turn;         // the turn score's area, restored from the board
    Rect total;        // the total's
    Rect name;         // the name plate: restored from the board, and the spot for the options
    Rect turnFigures;  // the turn score is centred in this width from this left and top
    Rect totalFigures; // the total's
    int nameLeft, nameWidth, nameTop; // the name is centred in this column
    Point starterMark;                // "*" when this player started the game
};
inline constexpr std::array<PlayerPlaces, 2> players{{
    {{295, 265},
     {302, 244, 92, 20},
     {302, 280, 92, 20},
     {299, 321, 97, 33},
     {312, 249, 72, 12},
     {305, 283, 90, 12},
     299,
     98,
     332,
     {386, 321}},
    {{439, 319},
     {447, 295, 97, 23},
     {447, 334, 97, 23},
     {447, 373, 103, 36},
     {457, 300, 77, 12},
     {449, 339, 90, 12},
     447,
     103,
     387,
     {540, 375}},
}};

} // namespace tumbledown::tenthousand::layout
