// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The Poker Dice board's layout as the painters read it: the pictures are
// painted to fit these places exactly, and the tests check them here.

#include "board_layout.h"
#include "games/pokerdice/PokerDiceLayout.h"

#include <QPoint>
#include <QRect>
#include <array>

namespace art::pokerdice {

namespace geometry = tumbledown::pokerdice::layout;

inline constexpr QSize kBoardSize = qsize(geometry::boardSize);

// The message panel: the board under it is restored and dark text written on it.
inline constexpr QRect kPanel = picture(geometry::panel);
inline constexpr int kPanelFirstLineTop = geometry::panelFirstLineTop;
inline constexpr int kPanelLineStep = geometry::panelLineStep;
inline constexpr int kPanelLines = geometry::panelLines;
inline constexpr int kTextHeight = geometry::panelLineHeight;

// Player 1 then player 2; light text is written on them.
inline constexpr std::array<QRect, 2> kNamePlates{
    QRect(geometry::namePlates[0].x, geometry::namePlates[0].y, geometry::namePlateWidth,
          geometry::namePlateHeight),
    QRect(geometry::namePlates[1].x, geometry::namePlates[1].y, geometry::namePlateWidth,
          geometry::namePlateHeight)};
inline constexpr std::array<QRect, 2> kCoinPlates{
    QRect(geometry::coinPlates[0].x, geometry::coinPlates[0].y, geometry::coinPlateWidth,
          geometry::coinPlateHeight),
    QRect(geometry::coinPlates[1].x, geometry::coinPlates[1].y, geometry::coinPlateWidth,
          geometry::coinPlateHeight)};
// The text on both kinds of plate is centred on this column.
inline constexpr int kPlateTextCentre = geometry::plateTextLeft + geometry::plateTextWidth / 2;
inline constexpr std::array<int, 2> kNameTextTop = geometry::nameTops;
inline constexpr std::array<int, 2> kCoinTextTop = geometry::coinTops;

inline constexpr std::array<QRect, 2> kMarkers{picture(geometry::markerPlace(0)),
                                               picture(geometry::markerPlace(1))};
inline constexpr QRect kSign = picture(geometry::sign);

inline constexpr QRect kFlame = picture(geometry::flame);
// Click areas of the candles.
inline constexpr QRect kRollCandle = spot(geometry::rollCandle);
inline constexpr QRect kPassCandle = spot(geometry::passCandle);

inline constexpr QSize kDieSize(geometry::dieWidth, geometry::dieHeight);
inline constexpr auto kDice = tail<1>(geometry::dice, qpoint);

// The small-die pictures are a row taller than the game draws them.
inline constexpr QSize kSmallDiePicture(geometry::smallDieWidth, geometry::smallDieHeight + 1);
inline constexpr QSize kSmallDieSize(geometry::smallDieWidth, geometry::smallDieHeight);
inline constexpr auto kSmallDice =
    tail<0>(geometry::smallDice, [](const auto& row) { return tail<1>(row, qpoint); });

// Digits 1..7, units to millions.
inline constexpr QSize kDigitSize(geometry::digitWidth, geometry::digitHeight);
inline constexpr auto kDigits = tail<1>(geometry::digits, qpoint);

// Rod 1 (units) to rod 7 (millions); places 1 and 2 hold the five-bead up or
// down, places 3 to 7 the four one-beads and their gap.
inline constexpr QSize kBeadSize(geometry::beadWidth, geometry::beadHeight);
inline constexpr auto kBeads =
    tail<1>(geometry::beads, [](const auto& rod) { return tail<1>(rod, qpoint); });

// The buttons, in the order of the pictures' numbers: each has its pair of
// pictures, up (or off) first.
enum Button { AcesWild, NextTune, Exit, Help, Faster, Slower, Music, Sound, kButtonCount };
inline constexpr QRect boardButton(tumbledown::BoardButton b) {
    return picture(geometry::buttons[static_cast<int>(b)].place);
}
inline constexpr std::array<QRect, kButtonCount> kButtons{
    picture(geometry::acesWildButton),
    boardButton(tumbledown::BoardButton::MusicFile),
    picture(geometry::exitButton),
    boardButton(tumbledown::BoardButton::Help),
    boardButton(tumbledown::BoardButton::SpeedUp),
    boardButton(tumbledown::BoardButton::SlowDown),
    boardButton(tumbledown::BoardButton::Music),
    boardButton(tumbledown::BoardButton::Sound)};
inline constexpr int kFirstButtonPicture = geometry::bitmaps::firstButton;

} // namespace art::pokerdice
