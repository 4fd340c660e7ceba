// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Where the 10,000 game draws each of its pictures on the board. The pictures
// are painted to fit these places exactly, and the tests check them here.

#include <QPoint>
#include <QRect>
#include <array>

namespace art::tenthousand {

inline constexpr QSize kBoardSize(632, 428);

// Die d (1..6), frame f (1..4) stands at kDieFrames[d - 1][f - 1].
inline constexpr std::array<std::array<QRect, 4>, 6> kDieFrames{{
    {{QRect(203, 262, 28, 7), QRect(201, 248, 31, 26), QRect(199, 240, 33, 34),
      QRect(197, 231, 35, 42)}},
    {{QRect(135, 285, 30, 11), QRect(132, 276, 33, 23), QRect(127, 267, 38, 34),
      QRect(125, 258, 40, 43)}},
    {{QRect(194, 311, 31, 12), QRect(192, 302, 33, 25), QRect(190, 292, 35, 37),
      QRect(187, 283, 38, 46)}},
    {{QRect(95, 355, 29, 6), QRect(91, 345, 35, 23), QRect(87, 336, 39, 35),
      QRect(82, 326, 44, 46)}},
    {{QRect(144, 343, 31, 9), QRect(142, 333, 33, 24), QRect(137, 323, 38, 37),
      QRect(133, 314, 42, 47)}},
    {{QRect(208, 374, 31, 9), QRect(206, 364, 34, 26), QRect(203, 355, 37, 38),
      QRect(201, 345, 39, 49)}},
}};

// Where the face's pips start within the die picture, frames 2 to 4.
inline constexpr std::array<std::array<QPoint, 3>, 6> kPipAreas{{
    {{QPoint(5, 2), QPoint(6, 2), QPoint(8, 2)}},
    {{QPoint(5, 2), QPoint(10, 2), QPoint(12, 1)}},
    {{QPoint(5, 2), QPoint(6, 3), QPoint(9, 3)}},
    {{QPoint(6, 2), QPoint(9, 2), QPoint(14, 2)}},
    {{QPoint(4, 2), QPoint(9, 3), QPoint(12, 2)}},
    {{QPoint(4, 3), QPoint(7, 2), QPoint(9, 2)}},
}};

// Top-left corners of the 7 x 7 pips P1..P7 within the pip area.
inline constexpr std::array<QPoint, 7> kPipPlaces{QPoint(9, 12), QPoint(2, 2),  QPoint(16, 22),
                                                  QPoint(19, 5), QPoint(0, 21), QPoint(1, 11),
                                                  QPoint(17, 14)};
inline constexpr int kPipSize = 7;

// The picture rectangles of the panes 15..24, ROLL and PASS, in that order.
inline constexpr std::array<QRect, 12> kPaneRects{
    QRect(154, 44, 81, 26),  QRect(258, 47, 72, 19),  QRect(374, 46, 24, 16),
    QRect(444, 52, 37, 16),  QRect(177, 100, 31, 17), QRect(256, 95, 40, 16),
    QRect(351, 91, 28, 17),  QRect(431, 93, 33, 16),  QRect(179, 149, 7, 15),
    QRect(245, 147, 11, 17), QRect(327, 140, 42, 22), QRect(424, 144, 50, 19)};

// Left strip: speed up, slow down, music, select music, sound, help.
inline constexpr std::array<QRect, 6> kStripButtons{QRect(8, 193, 19, 19), QRect(8, 229, 19, 5),
                                                    QRect(8, 251, 16, 23), QRect(8, 293, 23, 23),
                                                    QRect(8, 333, 23, 23), QRect(8, 373, 13, 23)};
inline constexpr QRect kBackButton(8, 156, 28, 20);

inline constexpr QRect kMessagePanel(147, 34, 351, 145);
// Message lines are written from this panel-relative top, one every 15 pixels.
inline constexpr int kMessageFirstLineTop = 21;
inline constexpr int kMessageLineStep = 15;

inline constexpr QSize kMarkerSize(13, 12);
inline constexpr std::array<QPoint, 2> kMarkerSpots{QPoint(295, 265), QPoint(439, 319)};

inline constexpr QSize kDigitSize(11, 12);

struct PlayerPlaces {
    QRect turn;
    QRect total;
    QRect name;
    QRect turnDigits;  // left, top and width within which the turn score is centred
    QRect totalDigits; // the same for the total
};
inline constexpr std::array<PlayerPlaces, 2> kPlayers{{
    {QRect(302, 244, 92, 20), QRect(302, 280, 92, 20), QRect(299, 321, 97, 33),
     QRect(312, 249, 72, 12), QRect(305, 283, 90, 12)},
    {QRect(447, 295, 97, 23), QRect(447, 334, 97, 23), QRect(447, 373, 103, 36),
     QRect(457, 300, 77, 12), QRect(449, 339, 90, 12)},
}};

} // namespace art::tenthousand
