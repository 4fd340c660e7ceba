// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Where the Shut The Box game draws each of its pictures on the board. The
// pictures are painted to fit these places, and the tests check them here.

#include <QPoint>
#include <QRect>
#include <array>

namespace art::shutthebox {

inline constexpr QSize kBoardSize(632, 428);

inline constexpr std::array<int, 9> kBoxLeft{51, 110, 170, 229, 288, 347, 407, 466, 525};
inline constexpr int kBoxTop = 33;
inline constexpr QSize kBoxSize(56, 125);
// An open box's bottom plate, and the shut box's shutter that rises over it.
inline constexpr int kPlateTop = 136;
inline constexpr QSize kPlateSize(56, 22);

inline constexpr QRect boxRect(int box) { // box 1..9
    return QRect(QPoint(kBoxLeft[box - 1], kBoxTop), kBoxSize);
}

// The score panel: names on the first and third strips, scores on the others.
inline constexpr int kStripLeft = 82;
inline constexpr int kStripWidth = 184;
inline constexpr int kStripHeight = 26;
inline constexpr std::array<int, 4> kStripTops{224, 250, 276, 302};
inline constexpr std::array<QPoint, 2> kArrowSpots{QPoint(54, 231), QPoint(54, 276)};
inline constexpr QSize kArrowSize(22, 10);

// Where the dice stand: resting in the cup, tumbling, and lying on the felt.
struct DicePlaces {
    QRect inCup;
    QRect tumbling1;
    QRect tumbling2;
    QRect onBoard;
};
inline constexpr DicePlaces kTwoDice{QRect(329, 249, 52, 104), QRect(399, 227, 90, 191),
                                     QRect(473, 185, 134, 225), QRect(465, 239, 101, 135)};
inline constexpr DicePlaces kOneDie{QRect(341, 296, 40, 57), QRect(415, 304, 74, 114),
                                    QRect(551, 332, 56, 78), QRect(466, 299, 54, 75)};

// Top-left corners of the 6 x 6 pips: [place][die][face - 1][pip], place 0 the
// cup and 1 the board. A lone die is drawn at die 2's places.
using PipList = std::array<QPoint, 6>;
using FacePips = std::array<PipList, 6>; // faces 1..6
inline constexpr int kPipSize = 6;
inline constexpr FacePips kCupDie1{{
    PipList{QPoint(352, 265)},
    PipList{QPoint(343, 258), QPoint(360, 273)},
    PipList{QPoint(344, 259), QPoint(352, 267), QPoint(361, 275)},
    PipList{QPoint(345, 260), QPoint(345, 273), QPoint(362, 260), QPoint(362, 273)},
    PipList{QPoint(345, 260), QPoint(345, 273), QPoint(353, 267), QPoint(362, 260),
            QPoint(362, 273)},
    PipList{QPoint(342, 259), QPoint(342, 267), QPoint(342, 275), QPoint(363, 259),
            QPoint(363, 267), QPoint(363, 275)},
}};
inline constexpr FacePips kCupDie2{{
    PipList{QPoint(356, 317)},
    PipList{QPoint(348, 310), QPoint(366, 323)},
    PipList{QPoint(347, 309), QPoint(356, 317), QPoint(364, 325)},
    PipList{QPoint(348, 310), QPoint(348, 323), QPoint(365, 310), QPoint(365, 323)},
    PipList{QPoint(348, 310), QPoint(348, 323), QPoint(356, 317), QPoint(365, 310),
            QPoint(365, 323)},
    PipList{QPoint(345, 309), QPoint(345, 317), QPoint(345, 325), QPoint(366, 309),
            QPoint(366, 317), QPoint(366, 325)},
}};
inline constexpr FacePips kBoardDie1{{
    PipList{QPoint(532, 257)},
    PipList{QPoint(525, 249), QPoint(540, 267)},
    PipList{QPoint(526, 247), QPoint(532, 257), QPoint(539, 269)},
    PipList{QPoint(525, 249), QPoint(543, 251), QPoint(522, 264), QPoint(540, 268)},
    PipList{QPoint(525, 249), QPoint(543, 251), QPoint(532, 257), QPoint(522, 264),
            QPoint(540, 268)},
    PipList{QPoint(525, 247), QPoint(525, 256), QPoint(521, 263), QPoint(544, 251),
            QPoint(542, 261), QPoint(538, 269)},
}};
inline constexpr FacePips kBoardDie2{{
    PipList{QPoint(488, 323)},
    PipList{QPoint(477, 316), QPoint(498, 326)},
    PipList{QPoint(478, 316), QPoint(488, 323), QPoint(500, 327)},
    PipList{QPoint(478, 316), QPoint(493, 311), QPoint(482, 330), QPoint(498, 328)},
    PipList{QPoint(477, 317), QPoint(493, 312), QPoint(488, 323), QPoint(482, 333),
            QPoint(499, 329)},
    PipList{QPoint(477, 317), QPoint(493, 311), QPoint(479, 325), QPoint(495, 318),
            QPoint(481, 334), QPoint(498, 330)},
}};
// The pips of face (1..6) of die (1, 2) in the cup or on the board; a lone
// die is drawn at die 2's places.
inline constexpr const FacePips& pips(bool onBoard, int die) {
    return onBoard ? (die == 1 ? kBoardDie1 : kBoardDie2) : (die == 1 ? kCupDie1 : kCupDie2);
}

// Icon row: "+", "-", music, music file, sound, help and the Gremlin's "!".
inline constexpr std::array<QRect, 7> kButtons{QRect(95, 362, 19, 19),  QRect(133, 369, 19, 5),
                                               QRect(172, 363, 16, 23), QRect(207, 360, 23, 23),
                                               QRect(245, 360, 23, 23), QRect(285, 360, 13, 23),
                                               QRect(359, 360, 6, 23)};
inline constexpr QRect kBackArrow(52, 361, 28, 21);
inline constexpr QRect kOneDieIcon(316, 362, 24, 22);
inline constexpr QRect kCupSpot(300, 242, 109, 107);

// Glyphs A..Z then 0..9, each as wide as the advance to the next.
inline constexpr std::array<QSize, 36> kGlyphSizes{
    QSize(17, 18), QSize(16, 18), QSize(15, 18), QSize(16, 18), QSize(14, 18), QSize(13, 18),
    QSize(17, 19), QSize(16, 19), QSize(9, 19),  QSize(14, 18), QSize(17, 18), QSize(14, 18),
    QSize(19, 18), QSize(16, 18), QSize(16, 18), QSize(15, 19), QSize(17, 19), QSize(16, 19),
    QSize(15, 18), QSize(15, 18), QSize(15, 18), QSize(18, 18), QSize(22, 18), QSize(16, 18),
    QSize(17, 19), QSize(16, 19), QSize(13, 19), QSize(11, 18), QSize(14, 18), QSize(13, 18),
    QSize(15, 18), QSize(13, 18), QSize(13, 18), QSize(15, 19), QSize(14, 19), QSize(13, 19)};

// The Gremlin's head, and where its eyes are copied (always as 21 x 23).
inline constexpr QRect kGremlin(282, 198, 73, 41);
inline constexpr QPoint kLeftEye(294, 206);
inline constexpr QPoint kRightEye(321, 206);
inline constexpr QSize kEyeCopy(21, 23);
// The eye pictures themselves: the left 20 wide, the right 19, those looking
// at box 9 one row shorter.
inline constexpr QSize eyeSize(int position, bool left) {
    return QSize(left ? 20 : 19, position == 9 ? 22 : 23);
}

} // namespace art::shutthebox
