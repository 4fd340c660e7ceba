// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Where the Shut The Box game draws each of its pictures on the board. The
// pictures are painted to fit these places, and the tests check them here.

#include "board_layout.h"
#include "games/shutthebox/ShutTheBoxLayout.h"

#include <QPoint>
#include <QRect>
#include <array>

namespace art::shutthebox {

namespace geometry = tumbledown::shutthebox::layout;

inline constexpr QSize kBoardSize = qsize(geometry::boardSize);

inline constexpr auto kBoxLeft = tail<1>(geometry::boxLeft, [](int left) { return left; });
inline constexpr int kBoxTop = geometry::boxTop;
inline constexpr QSize kBoxSize = qsize(geometry::boxSize);
// An open box's bottom plate, and the shut box's shutter that rises over it.
inline constexpr int kPlateTop = geometry::plateTop;
inline constexpr QSize kPlateSize = qsize(geometry::plateSize);

inline constexpr QRect boxRect(int box) { // box 1..9
    return picture(geometry::box(box));
}

// The score panel: names on the first and third strips, scores on the others.
inline constexpr int kStripLeft = geometry::stripLeft;
inline constexpr int kStripWidth = geometry::stripSize.width;
inline constexpr int kStripHeight = geometry::stripSize.height;
inline constexpr std::array<int, 4> kStripTops = geometry::stripTops;
inline constexpr auto kArrowSpots = tail<0>(geometry::arrows, qpoint);
inline constexpr QSize kArrowSize = qsize(geometry::arrowSize);

// Where the dice stand: resting in the cup, tumbling, and lying on the felt.
struct DicePlaces {
    QRect inCup;
    QRect tumbling1;
    QRect tumbling2;
    QRect onBoard;
};
inline constexpr DicePlaces dicePlaces(const geometry::DicePlaces& d) {
    return {picture(d.inCup), picture(d.tumbling1), picture(d.tumbling2), picture(d.onBoard)};
}
inline constexpr DicePlaces kTwoDice = dicePlaces(geometry::twoDice);
inline constexpr DicePlaces kOneDie = dicePlaces(geometry::oneDie);

// Top-left corners of the 6 x 6 pips: [place][die][face - 1][pip], place 0 the
// cup and 1 the board. A lone die is drawn at die 2's places.
using PipList = std::array<QPoint, 6>;
using FacePips = std::array<PipList, 6>; // faces 1..6
inline constexpr int kPipSize = geometry::pipSize;
inline constexpr FacePips facePips(int place, int die) {
    return tail<1>(geometry::pips[place][die],
                   [](const auto& face) { return tail<0>(face, qpoint); });
}
inline constexpr FacePips kCupDie1 = facePips(0, 1);
inline constexpr FacePips kCupDie2 = facePips(0, 2);
inline constexpr FacePips kBoardDie1 = facePips(1, 1);
inline constexpr FacePips kBoardDie2 = facePips(1, 2);
// The pips of face (1..6) of die (1, 2) in the cup or on the board; a lone
// die is drawn at die 2's places.
inline constexpr const FacePips& pips(bool onBoard, int die) {
    return onBoard ? (die == 1 ? kBoardDie1 : kBoardDie2) : (die == 1 ? kCupDie1 : kCupDie2);
}

// Icon row: "+", "-", music, music file, sound, help and the Gremlin's "!".
inline constexpr std::array<QRect, 7> kButtons{
    picture(geometry::buttons[0].place), picture(geometry::buttons[1].place),
    picture(geometry::buttons[2].place), picture(geometry::buttons[3].place),
    picture(geometry::buttons[4].place), picture(geometry::buttons[5].place),
    picture(geometry::gremlinButton)};
inline constexpr QRect kBackArrow = spot(geometry::back);
inline constexpr QRect kOneDieIcon = spot(geometry::oneDieIcon);
inline constexpr QRect kCupSpot = spot(geometry::cup);

// Glyphs A..Z then 0..9, each as wide as the advance to the next.
inline constexpr auto kGlyphSizes = tail<0>(geometry::glyphSizes, qsize);

// The Gremlin's head, and where its eyes are copied (always as 21 x 23).
inline constexpr QRect kGremlin = picture(geometry::gremlin);
inline constexpr QPoint kLeftEye = qpoint(geometry::leftEye);
inline constexpr QPoint kRightEye = qpoint(geometry::rightEye);
inline constexpr QSize kEyeCopy = qsize(geometry::eyeCopy);
// The eye pictures themselves: the left 20 wide, the right 19, those looking
// at box 9 one row shorter.
inline constexpr QSize eyeSize(int position, bool left) {
    return QSize(left ? 20 : 19, position == 9 ? 22 : 23);
}

} // namespace art::shutthebox
