// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The 10,000 board's layout as the painters read it: the pictures are painted
// to fit these places exactly, and the tests check them here.

#include "board_layout.h"
#include "games/tenthousand/TenThouLayout.h"

#include <QPoint>
#include <QRect>
#include <array>

namespace art::tenthousand {

namespace geometry = tumbledown::tenthousand::layout;

inline constexpr QSize kBoardSize = qsize(geometry::boardSize);

// Die d (1..6), frame f (1..4) stands at kDieFrames[d - 1][f - 1].
inline constexpr auto kDieFrames =
    tail<1>(geometry::dieFrames, [](const auto& frames) { return tail<1>(frames, picture); });

// Where the face's pips start within the die picture, frames 2 to 4.
inline constexpr auto kPipAreas =
    tail<1>(geometry::pipAreas, [](const auto& frames) { return tail<2>(frames, qpoint); });

// Top-left corners of the pips P1..P7 within the pip area.
inline constexpr auto kPipPlaces = tail<1>(geometry::pipPlaces, qpoint);
inline constexpr int kPipSize = geometry::pipSize;

// The picture rectangles of the panes 15..24, ROLL and PASS, in that order.
inline constexpr auto kPaneRects = tail<1>(geometry::panes, picture);

// Left strip: speed up, slow down, music, select music, sound, help.
inline constexpr auto kStripButtons =
    tail<0>(geometry::buttons, [](const tumbledown::ButtonPlace& b) { return picture(b.place); });
inline constexpr QRect kBackButton = spot(geometry::back);

inline constexpr QRect kMessagePanel = picture(geometry::panel);
// Message lines are written from this panel-relative top, one every 15 pixels.
inline constexpr int kMessageFirstLineTop = geometry::panelFirstLineTop - geometry::panel.y;
inline constexpr int kMessageLineStep = geometry::panelLineStep;

inline constexpr QSize kMarkerSize = qsize(geometry::markerSize);
inline constexpr std::array<QPoint, 2> kMarkerSpots{qpoint(geometry::players[0].marker),
                                                    qpoint(geometry::players[1].marker)};

inline constexpr QSize kDigitSize = qsize(geometry::digitSize);

struct PlayerPlaces {
    QRect turn;
    QRect total;
    QRect name;
    QRect turnDigits;  // left, top and width within which the turn score is centred
    QRect totalDigits; // the same for the total
};
inline constexpr PlayerPlaces playerPlaces(const geometry::PlayerPlaces& p) {
    return {picture(p.turn), picture(p.total), picture(p.name), picture(p.turnFigures),
            picture(p.totalFigures)};
}
inline constexpr std::array<PlayerPlaces, 2> kPlayers{playerPlaces(geometry::players[0]),
                                                      playerPlaces(geometry::players[1])};

} // namespace art::tenthousand
