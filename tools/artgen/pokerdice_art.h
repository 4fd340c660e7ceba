// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the Poker Dice pictures share with the board they are drawn over: the
// board in its layers, the flat grounds that opaque pieces stand on, and the
// painters of the pieces that the board shows in their resting state.

#include "pokerdice_layout.h"

#include <QColor>
#include <QImage>
#include <QPainter>

namespace art::pokerdice {

// The finished board, painted once and shared by every picture cut from it.
const QImage& board();
// The board before the buttons were set into it.
const QImage& boardWithoutButtons();

// The ivory of the abacus's counter window; the digits are painted on it.
inline const QColor kDigitGround(236, 224, 192);
inline const QColor kDigitInk(40, 24, 14);
// The felt behind the abacus rods, and the two sides of a brass rod.
inline const QColor kBeadGround(30, 50, 42);
inline const QColor kRodLight(236, 204, 128);
inline const QColor kRodDark(136, 98, 40);

// The rank and suit of face 1..6 (A, K, Q, J, 10, 9) on a 100 x 100 square: a
// large rank over a small suit, in the suit's colour, darkened as light falls.
void drawCardMarks(QPainter& p, int face, double light);

// A bead place as the bare abacus shows it: felt with the rod down the middle.
QImage beadPlace();

// Where the ROLL candle's wick stands, and the flame over it (height 0: none).
inline constexpr QPointF kRollWick(347.5, 262.5);
void drawCandleFlame(QPainter& p, const QPointF& wick, double height);

// A button at its place, up (or off) or pressed down (or on).
void drawButton(QPainter& p, Button button, bool down);
// The empty gem setting of a turn marker, and the gem alight in it.
void drawMarkerSocket(QPainter& p, const QRect& place);
void drawMarkerGem(QPainter& p, const QRect& place);

} // namespace art::pokerdice
