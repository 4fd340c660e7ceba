// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Where the Poker Dice game draws each of its pictures on the board, and the
// areas it writes text into. The pictures are painted to fit these places
// exactly, and the tests check them here.

#include <QPoint>
#include <QRect>
#include <array>

namespace art::pokerdice {

inline constexpr QSize kBoardSize(640, 428);

// The message panel: the board under it is restored and dark text written on it.
inline constexpr QRect kPanel(402, 191, 222, 212);
inline constexpr int kPanelFirstLineTop = 230;
inline constexpr int kPanelLineStep = 15;
inline constexpr int kPanelLines = 10;
inline constexpr int kTextHeight = 16;

// Player 1 then player 2; light text is written on them.
inline constexpr std::array<QRect, 2> kNamePlates{QRect(260, 39, 132, 23), QRect(260, 81, 132, 23)};
inline constexpr std::array<QRect, 2> kCoinPlates{QRect(250, 58, 142, 23),
                                                  QRect(250, 100, 142, 23)};
// The text on both kinds of plate is centred on this column.
inline constexpr int kPlateTextCentre = 331;
inline constexpr std::array<int, 2> kNameTextTop{39, 83};
inline constexpr std::array<int, 2> kCoinTextTop{59, 101};

inline constexpr std::array<QRect, 2> kMarkers{QRect(246, 39, 14, 13), QRect(247, 82, 13, 13)};
inline constexpr QRect kSign(298, 126, 63, 16);

inline constexpr QRect kFlame(340, 226, 15, 50);
// Click areas of the candles.
inline constexpr QRect kRollCandle(336, 224, 26, 131);
inline constexpr QRect kPassCandle(279, 248, 33, 165);

inline constexpr QSize kDieSize(40, 42);
inline constexpr std::array<QPoint, 5> kDice{QPoint(478, 203), QPoint(424, 263), QPoint(498, 267),
                                             QPoint(478, 335), QPoint(552, 311)};

// The small-die pictures are a row taller than the game draws them.
inline constexpr QSize kSmallDiePicture(33, 32);
inline constexpr QSize kSmallDieSize(33, 31);
inline constexpr std::array<std::array<QPoint, 5>, 2> kSmallDice{{
    {{QPoint(42, 341), QPoint(84, 347), QPoint(120, 333), QPoint(160, 339), QPoint(198, 327)}},
    {{QPoint(22, 389), QPoint(64, 383), QPoint(100, 389), QPoint(136, 395), QPoint(172, 383)}},
}};

// Digits 1..7, units to millions.
inline constexpr QSize kDigitSize(13, 15);
inline constexpr std::array<QPoint, 7> kDigits{QPoint(128, 220), QPoint(115, 221), QPoint(102, 221),
                                               QPoint(89, 222),  QPoint(76, 222),  QPoint(63, 223),
                                               QPoint(50, 223)};

// Rod 1 (units) to rod 7 (millions); places 1 and 2 hold the five-bead up or
// down, places 3 to 7 the four one-beads and their gap.
inline constexpr QSize kBeadSize(10, 9);
inline constexpr std::array<std::array<QPoint, 7>, 7> kBeads{{
    {{{129, 246}, {129, 257}, {129, 270}, {129, 280}, {130, 290}, {131, 300}, {131, 310}}},
    {{{116, 247}, {117, 258}, {117, 271}, {117, 281}, {118, 291}, {119, 301}, {119, 311}}},
    {{{104, 247}, {104, 258}, {105, 272}, {105, 282}, {106, 292}, {107, 302}, {107, 312}}},
    {{{91, 248}, {92, 259}, {93, 273}, {93, 283}, {94, 293}, {94, 303}, {95, 313}}},
    {{{79, 249}, {80, 260}, {80, 274}, {81, 284}, {81, 294}, {81, 304}, {82, 314}}},
    {{{66, 250}, {67, 261}, {67, 275}, {67, 285}, {68, 295}, {69, 305}, {69, 315}}},
    {{{53, 251}, {54, 262}, {54, 276}, {54, 286}, {55, 296}, {56, 306}, {56, 316}}},
}};

// The buttons, in the order of the pictures' numbers: each has its pair of
// pictures, up (or off) first.
enum Button { AcesWild, NextTune, Exit, Help, Faster, Slower, Music, Sound, kButtonCount };
inline constexpr std::array<QRect, kButtonCount> kButtons{
    QRect(222, 220, 28, 21), QRect(222, 188, 23, 23), QRect(222, 156, 27, 20),
    QRect(260, 148, 13, 17), QRect(296, 148, 17, 17), QRect(330, 155, 19, 5),
    QRect(367, 148, 16, 17), QRect(398, 150, 23, 23)};
inline constexpr int kFirstButtonPicture = 184;

} // namespace art::pokerdice
