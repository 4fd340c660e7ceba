// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PokerDiceBoard.h"

#include "PokerDiceLayout.h"
#include "core/ProgramState.h"
#include "games/board/BoardBackground.h"
#include "games/board/GameSounds.h"
#include "platform/Screen.h"
#include "platform/System.h"

#include <QColor>

#include <algorithm>
#include <utility>

namespace tumbledown::pokerdice {

namespace {

using namespace layout;

const QColor plateText(247, 226, 163);

// The small dice are 33x32 pictures of which the top 31 rows are drawn.
Bitmap smallDie(int number) {
    Bitmap b = loadBitmap(bitmapName(number));
    if (!b.isNull())
        b = b.part(0, 0, smallDieWidth, smallDieHeight);
    return b;
}

SavedArea rowArea(int seat) {
    int left = boardWidth, top = boardHeight, right = 0, bottom = 0;
    for (int die = 1; die <= 5; ++die) {
        const Point p = smallDice[seat][die];
        left = std::min(left, p.x);
        top = std::min(top, p.y);
        right = std::max(right, p.x + smallDieWidth);
        bottom = std::max(bottom, p.y + smallDieHeight);
    }
    return SavedArea(left, top, right - left, bottom - top);
}

SavedArea abacusArea() {
    int left = boardWidth, top = boardHeight, right = 0, bottom = 0;
    for (int rod = 1; rod <= rods; ++rod)
        for (int place = 1; place <= beadPlaces; ++place) {
            const Point p = beads[rod][place];
            left = std::min(left, p.x);
            top = std::min(top, p.y);
            right = std::max(right, p.x + beadWidth);
            bottom = std::max(bottom, p.y + beadHeight);
        }
    return SavedArea(left, top, right - left, bottom - top);
}

bool validFace(int face) {
    return face >= 1 && face <= 6;
}

} // namespace

std::string withThousands(std::int64_t coins) {
    const bool negative = coins < 0;
    std::string digits = std::to_string(negative ? -coins : coins);
    for (int i = static_cast<int>(digits.size()) - 3; i > 0; i -= 3)
        digits.insert(static_cast<std::size_t>(i), ",");
    return negative ? "-" + digits : digits;
}

PokerDiceBoard::PokerDiceBoard()
    : tile_(loadBitmap(bitmapName(bitmaps::tile))), board_(loadBitmap(bitmapName(bitmaps::board))),
      dieMask_(loadBitmap(bitmapName(bitmaps::dieMask))),
      smallMask_(smallDie(bitmaps::smallDieMask)), bead_(loadBitmap(bitmapName(bitmaps::bead))),
      sign_(loadBitmap(bitmapName(bitmaps::sign))),
      acesWildOff_(loadBitmap(bitmapName(bitmaps::acesWildOff))),
      acesWildOn_(loadBitmap(bitmapName(bitmaps::acesWildOn))),
      exit_(loadBitmap(bitmapName(bitmaps::exit))),
      font_(createFont({"Times New Roman", 16, 0, 900, false})) {
    for (int face = 1; face <= 6; ++face) {
        for (int k = 1; k <= 4; ++k)
            dice_[4 * (face - 1) + (k - 1)] =
                loadBitmap(bitmapName(bitmaps::firstDie[face - 1] + k - 1));
        smallDice_[face - 1] = smallDie(bitmaps::firstSmallDie + face - 1);
    }
    for (int d = 0; d < 10; ++d)
        digitPictures_[d] = loadBitmap(bitmapName(bitmaps::firstDigit + d));
    for (int f = 0; f < 4; ++f)
        flames_[f] = loadBitmap(bitmapName(bitmaps::firstFlame + f));
    for (int s = 0; s < 2; ++s)
        markers_[s] = loadBitmap(bitmapName(bitmaps::firstMarker + s));

    for (int s = 0; s < 2; ++s) {
        markerSpots_[s] = SavedArea(markers[s].x, markers[s].y, markerWidths[s], markerHeight);
        namePlates_[s] = SavedArea(namePlates[s].x, namePlates[s].y, namePlateWidth,
                                   coinPlates[s].y - namePlates[s].y);
        coinPlates_[s] =
            SavedArea(coinPlates[s].x, coinPlates[s].y, coinPlateWidth, coinPlateHeight);
        rows_[s] = rowArea(s);
    }
    for (int die = 1; die <= 5; ++die)
        dieRests_[die] = SavedArea(dice[die].x, dice[die].y, dieWidth, dieHeight);
    abacus_ = abacusArea();
    for (int digit = 1; digit <= 7; ++digit)
        digitSpots_[digit] = SavedArea(digits[digit].x, digits[digit].y, digitWidth, digitHeight);
}

void PokerDiceBoard::paintBackground() const {
    paintBoardBackground(tile_, board_);
}

void PokerDiceBoard::saveBackgrounds() {
    for (int s = 0; s < 2; ++s) {
        markerSpots_[s].capture();
        namePlates_[s].capture();
        coinPlates_[s].capture();
        rows_[s].capture();
    }
    for (int die = 1; die <= 5; ++die)
        dieRests_[die].capture();
    abacus_.capture();
    for (int digit = 1; digit <= 7; ++digit)
        digitSpots_[digit].capture();
}

void PokerDiceBoard::drawFlame(Flame flame) const {
    screen().drawBitmap(flames_[static_cast<int>(flame)], boardOrigin.x + layout::flame.x,
                        boardOrigin.y + layout::flame.y);
    screen().present();
}

void PokerDiceBoard::drawSign() const {
    screen().drawBitmap(sign_, boardOrigin.x + sign.x, boardOrigin.y + sign.y);
}

void PokerDiceBoard::drawAcesWild(bool on) const {
    screen().drawBitmap(on ? acesWildOn_ : acesWildOff_, boardOrigin.x + acesWildButton.x,
                        boardOrigin.y + acesWildButton.y);
    screen().present();
}

void PokerDiceBoard::drawExit() const {
    screen().drawBitmap(exit_, boardOrigin.x + exitButton.x, boardOrigin.y + exitButton.y);
}

void PokerDiceBoard::drawMarker(Seat seat) const {
    const Point p = markers[seatIndex(seat)];
    screen().drawBitmap(markers_[seatIndex(seat)], boardOrigin.x + p.x, boardOrigin.y + p.y);
    screen().present();
}

void PokerDiceBoard::eraseMarker(Seat seat) const {
    markerSpots_[seatIndex(seat)].restore();
    screen().present();
}

void PokerDiceBoard::drawNames(const std::string& one, const std::string& two) const {
    Screen& s = screen();
    const std::array<const std::string*, 2> names{&one, &two};
    for (int seat = 0; seat < 2; ++seat) {
        namePlates_[seat].restore();
        const int width = Screen::textWidth(font_, *names[seat]);
        s.drawText(font_, plateText, boardOrigin.x + plateTextLeft + (plateTextWidth - width) / 2,
                   boardOrigin.y + nameTops[seat], *names[seat]);
    }
    s.present();
}

void PokerDiceBoard::drawCoins(std::int64_t one, std::int64_t two) const {
    Screen& s = screen();
    const std::array<std::int64_t, 2> coins{one, two};
    for (int seat = 0; seat < 2; ++seat) {
        coinPlates_[seat].restore();
        const std::string text = withThousands(coins[seat]);
        const int width = Screen::textWidth(font_, text);
        s.drawText(font_, plateText, boardOrigin.x + plateTextLeft + (plateTextWidth - width) / 2,
                   boardOrigin.y + coinTops[seat], text);
    }
    s.present();
}

void PokerDiceBoard::drawAbacus(std::int32_t bet) const {
    Screen& s = screen();
    for (int rod = 1; rod <= rods; ++rod)
        for (int place = 1; place <= beadPlaces; ++place) {
            const Point p = beads[rod][place];
            abacus_.restorePart(p.x, p.y, beadWidth, beadHeight);
        }
    const auto bead = [&](int rod, int place) {
        const Point p = beads[rod][place];
        s.drawBitmap(bead_, boardOrigin.x + p.x, boardOrigin.y + p.y);
    };
    for (int rod = 1; rod <= rods; ++rod) {
        const RodBeads r = abacusRod(bet, rod);
        bead(rod, r.fiveBeadPlace);
        for (int place = 3; place <= beadPlaces; ++place)
            if (place != r.gapPlace)
                bead(rod, place);
    }
    s.present();
}

void PokerDiceBoard::drawDigits(std::int32_t bet) const {
    Screen& s = screen();
    bool leading = true;
    for (int digit = 7; digit >= 1; --digit) {
        digitSpots_[digit].restore();
        const int d = betDigit(bet, digit);
        leading = leading && d == 0 && digit > 1;
        if (!leading)
            s.drawBitmap(digitPictures_[d], boardOrigin.x + digits[digit].x,
                         boardOrigin.y + digits[digit].y);
    }
    s.present();
}

void PokerDiceBoard::drawDie(int die, int picture, int face) const {
    if (die < 1 || die > 5 || !validFace(face))
        return;
    // Over the clean board, the mask cuts the die's shape and the picture fills it.
    dieRests_[die].restore();
    Screen& s = screen();
    const int x = boardOrigin.x + dice[die].x;
    const int y = boardOrigin.y + dice[die].y;
    s.andBitmap(dieMask_, x, y);
    s.orBitmap(dice_[4 * (face - 1) + (picture - 1)], x, y);
}

void PokerDiceBoard::eraseDie(int die) const {
    dieRests_[die].restore();
}

void PokerDiceBoard::drawRow(Seat seat, const Dice& faces) const {
    Screen& s = screen();
    const int row = seatIndex(seat);
    for (int die = 1; die <= 5; ++die) {
        if (!validFace(faces[die]))
            continue;
        const Point p = smallDice[row][die];
        rows_[row].restorePart(p.x, p.y, smallDieWidth, smallDieHeight);
        s.andBitmap(smallMask_, boardOrigin.x + p.x, boardOrigin.y + p.y);
        s.orBitmap(smallDice_[faces[die] - 1], boardOrigin.x + p.x, boardOrigin.y + p.y);
    }
    s.present();
}

void PokerDiceBoard::eraseRows() const {
    rows_[0].restore();
    rows_[1].restore();
    screen().present();
}

void PokerDiceBoard::raise(const DiceSet& dice, const Dice& faces, int step,
                           const GameSounds& sounds) const {
    if (dice.none())
        return;
    bool first = true;
    for (int picture = 1; picture <= 4; ++picture) {
        for (int die = 1; die <= 5; ++die) {
            if (!dice[die])
                continue;
            drawDie(die, picture, faces[die]);
            if (std::exchange(first, false))
                sounds.play("magic.wav");
        }
        delay(step);
    }
    sounds.stop();
}

void PokerDiceBoard::putBack(const DiceSet& dice, const Dice& faces, int step,
                             const GameSounds& sounds) const {
    if (dice.none())
        return;
    bool first = true;
    for (int die = 1; die <= 5; ++die) {
        if (!dice[die])
            continue;
        for (int picture = 3; picture >= 1; --picture) {
            drawDie(die, picture, faces[die]);
            if (std::exchange(first, false))
                sounds.play("magic.wav");
            delay(step);
        }
        eraseDie(die);
    }
    screen().present();
    sounds.stop();
}

void PokerDiceBoard::sendToRow(Seat seat, const DiceSet& dice, const Dice& faces, int step,
                               const GameSounds& sounds) const {
    sounds.play("magic.wav");
    for (int picture = 3; picture >= 1; --picture) {
        for (int die = 1; die <= 5; ++die)
            if (dice[die])
                drawDie(die, picture, faces[die]);
        drawRow(seat, faces);
        delay(step);
    }
    for (int die = 1; die <= 5; ++die)
        if (dice[die])
            eraseDie(die);
    screen().present();
    sounds.stop();
}

} // namespace tumbledown::pokerdice
