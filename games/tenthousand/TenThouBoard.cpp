// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TenThouBoard.h"

#include "core/ProgramState.h"
#include "games/board/BoardBackground.h"
#include "games/board/GameSounds.h"
#include "platform/Screen.h"
#include "platform/System.h"

#include <QColor>

namespace tumbledown::tenthousand {

namespace {

struct Rect {
    int x, y, width, height;
};

// Where each die stands in each of its frames, 1 (flat) to 4 (at rest).
constexpr std::array<std::array<Rect, 4>, 6> dieFrames{{
    {{{203, 262, 28, 7}, {201, 248, 31, 26}, {199, 240, 33, 34}, {197, 231, 35, 42}}},
    {{{135, 285, 30, 11}, {132, 276, 33, 23}, {127, 267, 38, 34}, {125, 258, 40, 43}}},
    {{{194, 311, 31, 12}, {192, 302, 33, 25}, {190, 292, 35, 37}, {187, 283, 38, 46}}},
    {{{95, 355, 29, 6}, {91, 345, 35, 23}, {87, 336, 39, 35}, {82, 326, 44, 46}}},
    {{{144, 343, 31, 9}, {142, 333, 33, 24}, {137, 323, 38, 37}, {133, 314, 42, 47}}},
    {{{208, 374, 31, 9}, {206, 364, 34, 26}, {203, 355, 37, 38}, {201, 345, 39, 49}}},
}};

struct Offset {
    int x, y;
};

// Where the face lies within the die picture, for frames 2 to 4.
constexpr std::array<std::array<Offset, 3>, 6> pipAreas{{
    {{{5, 2}, {6, 2}, {8, 2}}},
    {{{5, 2}, {10, 2}, {12, 1}}},
    {{{5, 2}, {6, 3}, {9, 3}}},
    {{{6, 2}, {9, 2}, {14, 2}}},
    {{{4, 2}, {9, 3}, {12, 2}}},
    {{{4, 3}, {7, 2}, {9, 2}}},
}};

// The seven pip places P1..P7 and the places each face uses.
constexpr std::array<Offset, 8> pipPlaces{
    {{0, 0}, {9, 12}, {2, 2}, {16, 22}, {19, 5}, {0, 21}, {1, 11}, {17, 14}}};
constexpr std::array<std::array<int, 6>, 7> facePips{{
    {},
    {1},
    {2, 3},
    {1, 2, 3},
    {2, 3, 4, 5},
    {1, 2, 3, 4, 5},
    {2, 3, 4, 5, 6, 7},
}};

const QColor pipRim(102, 115, 116);
const QColor pipFace(252, 216, 165);

constexpr std::array<Offset, 2> markerPlaces{{{295, 265}, {439, 319}}};
constexpr std::array<Rect, 2> turnScoreAreas{{{302, 244, 92, 20}, {447, 295, 97, 23}}};
constexpr std::array<Rect, 2> totalAreas{{{302, 280, 92, 20}, {447, 334, 97, 23}}};
constexpr std::array<Rect, 2> nameAreas{{{299, 321, 97, 33}, {447, 373, 103, 36}}};

// Where the figures are centred: turn score, then total (left, width, top).
constexpr std::array<Rect, 2> turnFigures{{{312, 249, 72, 0}, {457, 300, 77, 0}}};
constexpr std::array<Rect, 2> totalFigures{{{305, 283, 90, 0}, {449, 339, 90, 0}}};

// Panes in the order of their pictures: 15..24, then ROLL and PASS.
constexpr std::array<Rect, 12> panePlaces{{{154, 44, 81, 26},
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

int pictureIndex(Pane pane) {
    const int code = static_cast<int>(pane);
    if (code >= 15 && code <= 24)
        return code - 15;
    if (pane == Pane::Roll || pane == Pane::Pass)
        return code - 16;
    return -1;
}

std::string bitmapName(int number) {
    return "BITMAP_" + std::to_string(number);
}

} // namespace

TenThouBoard::TenThouBoard()
    : tile_(loadBitmap("BITMAP_141")), board_(loadBitmap("BITMAP_66")),
      marker_(loadBitmap("BITMAP_115")),
      nameFont_(createFont({"Times New Roman", 13, 0, 800, false})) {
    for (int i = 0; i < 24; ++i)
        dice_[i] = loadBitmap(bitmapName(79 + i));
    for (int i = 0; i < 10; ++i)
        digits_[i] = loadBitmap(bitmapName(67 + i));
    for (int i = 0; i < 12; ++i) {
        panesNormal_[i] = loadBitmap(bitmapName(128 + i));
        panesTouched_[i] = loadBitmap(bitmapName(116 + i));
    }
    for (int s = 0; s < 2; ++s) {
        markerSpots_[s] = SavedArea(markerPlaces[s].x, markerPlaces[s].y, 13, 12);
        const Rect t = turnScoreAreas[s];
        turnAreas_[s] = SavedArea(t.x, t.y, t.width, t.height);
        const Rect k = totalAreas[s];
        totalAreas_[s] = SavedArea(k.x, k.y, k.width, k.height);
        const Rect n = nameAreas[s];
        nameAreas_[s] = SavedArea(n.x, n.y, n.width, n.height);
    }
    for (int d = 1; d <= 6; ++d) {
        const Rect r = dieFrames[d - 1][3];
        dieRests_[d] = SavedArea(r.x, r.y, r.width, r.height);
    }
}

void TenThouBoard::paintBackground() const {
    paintBoardBackground(tile_, board_);
}

void TenThouBoard::saveBackgrounds() {
    for (int s = 0; s < 2; ++s) {
        markerSpots_[s].capture();
        turnAreas_[s].capture();
        totalAreas_[s].capture();
        nameAreas_[s].capture();
    }
    for (int d = 1; d <= 6; ++d)
        dieRests_[d].capture();
}

void TenThouBoard::drawPane(Pane pane, bool touched) const {
    const int i = pictureIndex(pane);
    if (i < 0)
        return;
    screen().drawBitmap(touched ? panesTouched_[i] : panesNormal_[i],
                        boardOrigin.x + panePlaces[i].x, boardOrigin.y + panePlaces[i].y);
    screen().present();
}

void TenThouBoard::drawAllScoringPanesNormal() const {
    for (Pane pane : scoringPanes)
        drawPane(pane, false);
}

void TenThouBoard::drawDie(int die, int frame, int value) const {
    const Rect r = dieFrames[die - 1][frame - 1];
    Screen& s = screen();
    s.drawBitmapPart(dice_[4 * (die - 1) + (frame - 1)], boardOrigin.x + r.x, boardOrigin.y + r.y,
                     r.width, r.height);
    if (frame < 2 || value < 1 || value > 6)
        return;
    const Offset area = pipAreas[die - 1][frame - 2];
    for (int pip : facePips[value]) {
        // The flattened face of frame 2 has no room for the lowest pips.
        if (pip == 0 || (frame == 2 && (pip == 3 || pip == 5)))
            continue;
        const int x = boardOrigin.x + r.x + area.x + pipPlaces[pip].x;
        const int y = boardOrigin.y + r.y + area.y + pipPlaces[pip].y;
        s.fillEllipse(x, y, x + 7, y + 7, pipRim);
        s.fillEllipse(x + 1, y + 1, x + 5, y + 5, pipFace);
    }
}

void TenThouBoard::eraseDie(int die) const {
    dieRests_[die].restore();
}

void TenThouBoard::rise(const DiceSet& dice, const DiceValues& values, int stepDelay,
                        const GameSounds& sounds) const {
    if (dice.none())
        return;
    sounds.play("shh.wav");
    for (int frame = 1; frame <= 4; ++frame) {
        for (int die = 1; die <= 6; ++die)
            if (dice[die])
                drawDie(die, frame, values[die]);
        delay(stepDelay);
    }
    sounds.stop();
}

void TenThouBoard::sink(const DiceSet& dice, const DiceValues& values, int stepDelay,
                        const GameSounds& sounds) const {
    if (dice.none())
        return;
    sounds.play("shh.wav");
    for (int frame = 3; frame >= 1; --frame) {
        for (int die = 1; die <= 6; ++die) {
            if (!dice[die])
                continue;
            eraseDie(die);
            drawDie(die, frame, values[die]);
        }
        delay(stepDelay);
    }
    for (int die = 1; die <= 6; ++die)
        if (dice[die])
            eraseDie(die);
    screen().present();
    sounds.stop();
}

void TenThouBoard::drawNumber(int value, int left, int width, int top) const {
    // A minus sign has no picture: only the digits are written.
    std::string digits;
    for (char c : std::to_string(value))
        if (c >= '0' && c <= '9')
            digits += c;
    int x = left + (width - 11 * static_cast<int>(digits.size())) / 2;
    for (char c : digits) {
        screen().drawBitmap(digits_[c - '0'], boardOrigin.x + x, boardOrigin.y + top);
        x += 11;
    }
}

void TenThouBoard::drawScores(Seat seat, int turnScore, int total) const {
    const int s = seatIndex(seat);
    turnAreas_[s].restore();
    totalAreas_[s].restore();
    drawNumber(turnScore, turnFigures[s].x, turnFigures[s].width, turnFigures[s].y);
    drawNumber(total, totalFigures[s].x, totalFigures[s].width, totalFigures[s].y);
    screen().present();
}

void TenThouBoard::drawNames(const std::string& one, const std::string& two, Seat starter) const {
    Screen& s = screen();
    nameAreas_[0].restore();
    nameAreas_[1].restore();
    const QColor black(0, 0, 0);
    const auto centred = [&](const std::string& name, int left, int width, int top) {
        s.drawText(nameFont_, black,
                   boardOrigin.x + left + (width - Screen::textWidth(nameFont_, name)) / 2,
                   boardOrigin.y + top, name);
    };
    centred(one, 299, 98, 332);
    centred(two, 447, 103, 387);
    if (starter == Seat::One)
        s.drawText(nameFont_, black, boardOrigin.x + 386, boardOrigin.y + 321, "*");
    else
        s.drawText(nameFont_, black, boardOrigin.x + 540, boardOrigin.y + 375, "*");
    s.present();
}

void TenThouBoard::drawMarker(Seat seat) const {
    const Offset p = markerPlaces[seatIndex(seat)];
    screen().drawBitmap(marker_, boardOrigin.x + p.x, boardOrigin.y + p.y);
    screen().present();
}

void TenThouBoard::eraseMarker(Seat seat) const {
    markerSpots_[seatIndex(seat)].restore();
    screen().present();
}

} // namespace tumbledown::tenthousand
