// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TenThouBoard.h"

#include "TenThouLayout.h"

#include "core/ProgramState.h"
#include "games/board/BoardBackground.h"
#include "games/board/GameSounds.h"
#include "platform/Screen.h"
#include "platform/System.h"

#include <QColor>

namespace tumbledown::tenthousand {

namespace {

using namespace layout;

// The pips each face shows.
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

// The pane picture 1..12 of a pane code, or 0.
int pictureNumber(Pane pane) {
    const int code = static_cast<int>(pane);
    if (code >= 15 && code <= 24)
        return code - 14;
    if (pane == Pane::Roll || pane == Pane::Pass)
        return code - 15;
    return 0;
}

SavedArea savedArea(const Rect& r) {
    return SavedArea(r.x, r.y, r.width, r.height);
}

} // namespace

TenThouBoard::TenThouBoard()
    : tile_(loadBitmap(bitmapName(bitmaps::tile))), board_(loadBitmap(bitmapName(bitmaps::board))),
      marker_(loadBitmap(bitmapName(bitmaps::marker))),
      nameFont_(createFont({"Times New Roman", 13, 0, 800, false})) {
    for (int d = 1; d <= 6; ++d)
        for (int f = 1; f <= 4; ++f)
            dice_[4 * (d - 1) + (f - 1)] = loadBitmap(bitmapName(bitmaps::die(d, f)));
    for (int i = 0; i < 10; ++i)
        digits_[i] = loadBitmap(bitmapName(bitmaps::firstDigit + i));
    for (int k = 1; k <= paneCount; ++k) {
        panesNormal_[k] = loadBitmap(bitmapName(bitmaps::firstPane + k - 1));
        panesTouched_[k] = loadBitmap(bitmapName(bitmaps::firstTouchedPane + k - 1));
    }
    for (int s = 0; s < 2; ++s) {
        const PlayerPlaces& places = players[s];
        markerSpots_[s] =
            SavedArea(places.marker.x, places.marker.y, markerSize.width, markerSize.height);
        turnAreas_[s] = savedArea(places.turn);
        totalAreas_[s] = savedArea(places.total);
        nameAreas_[s] = savedArea(places.name);
    }
    for (int d = 1; d <= 6; ++d)
        dieRests_[d] = savedArea(dieFrames[d][4]);
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
    const int k = pictureNumber(pane);
    if (k == 0)
        return;
    screen().drawBitmap(touched ? panesTouched_[k] : panesNormal_[k], boardOrigin.x + panes[k].x,
                        boardOrigin.y + panes[k].y);
    screen().present();
}

void TenThouBoard::drawAllScoringPanesNormal() const {
    for (Pane pane : scoringPanes)
        drawPane(pane, false);
}

void TenThouBoard::drawDie(int die, int frame, int value) const {
    const Rect r = dieFrames[die][frame];
    Screen& s = screen();
    s.drawBitmapPart(dice_[4 * (die - 1) + (frame - 1)], boardOrigin.x + r.x, boardOrigin.y + r.y,
                     r.width, r.height);
    if (frame < 2 || value < 1 || value > 6)
        return;
    const Point area = pipAreas[die][frame];
    for (int pip : facePips[value]) {
        // The flattened face of frame 2 has no room for the lowest pips.
        if (pip == 0 || (frame == 2 && (pip == 3 || pip == 5)))
            continue;
        const int x = boardOrigin.x + r.x + area.x + pipPlaces[pip].x;
        const int y = boardOrigin.y + r.y + area.y + pipPlaces[pip].y;
        s.fillEllipse(x, y, x + pipSize, y + pipSize, pipRim);
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
    int x = left + (width - digitSize.width * static_cast<int>(digits.size())) / 2;
    for (char c : digits) {
        screen().drawBitmap(digits_[c - '0'], boardOrigin.x + x, boardOrigin.y + top);
        x += digitSize.width;
    }
}

void TenThouBoard::drawScores(Seat seat, int turnScore, int total) const {
    const int s = seatIndex(seat);
    turnAreas_[s].restore();
    totalAreas_[s].restore();
    const PlayerPlaces& places = players[s];
    drawNumber(turnScore, places.turnFigures.x, places.turnFigures.width, places.turnFigures.y);
    drawNumber(total, places.totalFigures.x, places.totalFigures.width, places.totalFigures.y);
    screen().present();
}

void TenThouBoard::drawNames(const std::string& one, const std::string& two, Seat starter) const {
    Screen& s = screen();
    nameAreas_[0].restore();
    nameAreas_[1].restore();
    const QColor black(0, 0, 0);
    const auto centred = [&](const std::string& name, const PlayerPlaces& places) {
        const int room = places.nameWidth - Screen::textWidth(nameFont_, name);
        s.drawText(nameFont_, black, boardOrigin.x + places.nameLeft + room / 2,
                   boardOrigin.y + places.nameTop, name);
    };
    centred(one, players[0]);
    centred(two, players[1]);
    const Point mark = players[seatIndex(starter)].starterMark;
    s.drawText(nameFont_, black, boardOrigin.x + mark.x, boardOrigin.y + mark.y, "*");
    s.present();
}

void TenThouBoard::drawMarker(Seat seat) const {
    const Point p = players[seatIndex(seat)].marker;
    screen().drawBitmap(marker_, boardOrigin.x + p.x, boardOrigin.y + p.y);
    screen().present();
}

void TenThouBoard::eraseMarker(Seat seat) const {
    markerSpots_[seatIndex(seat)].restore();
    screen().present();
}

} // namespace tumbledown::tenthousand
