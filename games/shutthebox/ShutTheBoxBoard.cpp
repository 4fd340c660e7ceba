// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ShutTheBoxBoard.h"

#include "ShutTheBoxLayout.h"

#include "core/ProgramState.h"
#include "games/board/BoardBackground.h"
#include "games/board/GameSounds.h"
#include "platform/Screen.h"
#include "platform/System.h"

#include <QColor>

#include <vector>

namespace tumbledown::shutthebox {

namespace {

using namespace layout;

const QColor pipColour(60, 61, 72);

int glyphIndex(char c) {
    if (c >= 'A' && c <= 'Z')
        return c - 'A';
    if (c >= '0' && c <= '9')
        return 26 + (c - '0');
    return -1;
}

Bitmap picture(int number) {
    return loadBitmap(bitmapName(number));
}

SavedArea savedArea(const Rect& r) {
    return SavedArea(r.x, r.y, r.width, r.height);
}

void blit(const Bitmap& bitmap, int x, int y) {
    screen().drawBitmap(bitmap, boardOrigin.x + x, boardOrigin.y + y);
}

// The top rows of a picture at a board place.
void blitRows(const Bitmap& bitmap, int x, int y, int rows) {
    screen().drawBitmapPart(bitmap, boardOrigin.x + x, boardOrigin.y + y, bitmap.width(), rows);
}

} // namespace

ShutTheBoxBoard::ShutTheBoxBoard()
    : tile_(picture(bitmaps::tile)), board_(picture(bitmaps::board)),
      shutter_(picture(bitmaps::shutter)), plate_(picture(bitmaps::plate)),
      twoInCup_(picture(bitmaps::twoInCup)), twoTumbling_{picture(bitmaps::twoTumbling),
                                                          picture(bitmaps::twoTumbling + 1)},
      twoOnBoard_(picture(bitmaps::twoOnBoard)),
      oneInCup_(picture(bitmaps::oneInCup)), oneTumbling_{picture(bitmaps::oneTumbling),
                                                          picture(bitmaps::oneTumbling + 1)},
      oneOnBoard_(picture(bitmaps::oneOnBoard)), arrow_(picture(bitmaps::arrow)),
      gremlin_(picture(bitmaps::gremlin)), twoInCupArea_(savedArea(twoDice.inCup)),
      twoTumbling1Area_(savedArea(twoDice.tumbling1)),
      twoTumbling2Area_(savedArea(twoDice.tumbling2)), twoOnBoardArea_(savedArea(twoDice.onBoard)),
      oneInCupArea_(savedArea(oneDie.inCup)), oneTumbling1Area_(savedArea(oneDie.tumbling1)),
      oneTumbling2Area_(savedArea(oneDie.tumbling2)), oneOnBoardArea_(savedArea(oneDie.onBoard)),
      gremlinArea_(savedArea(layout::gremlin)) {
    for (int i = 0; i < 36; ++i)
        glyphs_[i] = picture(bitmaps::firstGlyph + i);
    for (int i = 1; i <= 18; ++i)
        eyes_[i] = picture(bitmaps::firstEye + i - 1);
    for (int n = 1; n <= 9; ++n)
        boxAreas_[n] = savedArea(box(n));
    for (int i = 0; i < 4; ++i)
        strips_[i] = SavedArea(stripLeft, stripTops[i], stripSize.width, stripSize.height);
    for (int s = 0; s < 2; ++s)
        arrowSpots_[s] = SavedArea(arrows[s].x, arrows[s].y, arrowSize.width, arrowSize.height);
}

void ShutTheBoxBoard::paintBackground() const {
    paintBoardBackground(tile_, board_);
}

void ShutTheBoxBoard::saveBackgrounds() {
    for (int box = 1; box <= 9; ++box)
        boxAreas_[box].capture();
    for (SavedArea& strip : strips_)
        strip.capture();
    for (SavedArea& spot : arrowSpots_)
        spot.capture();
    for (SavedArea* area :
         {&twoInCupArea_, &twoTumbling1Area_, &twoTumbling2Area_, &twoOnBoardArea_, &oneInCupArea_,
          &oneTumbling1Area_, &oneTumbling2Area_, &oneOnBoardArea_, &gremlinArea_})
        area->capture();
}

void ShutTheBoxBoard::drawBoxOpen(int box) const {
    blit(plate_, boxLeft[box], plateTop);
}

void ShutTheBoxBoard::drawBoxShut(int box) const {
    blit(shutter_, boxLeft[box], boxTop);
}

void ShutTheBoxBoard::shutBox(int box, int wait) const {
    const int x = boxLeft[box];
    static constexpr std::array<std::array<int, 2>, 4> frames{
        {{22, 136}, {48, 111}, {74, 85}, {100, 59}}};
    for (const auto& [rows, top] : frames) {
        blitRows(shutter_, x, top, rows);
        delay(wait);
    }
    drawBoxShut(box);
    screen().present();
}

void ShutTheBoxBoard::openBox(int box, int wait) const {
    const int x = boxLeft[box];
    static constexpr std::array<std::array<int, 2>, 4> frames{
        {{100, 25}, {74, 51}, {48, 77}, {22, 103}}};
    for (std::size_t i = 0; i < frames.size(); ++i) {
        boxAreas_[box].restore();
        blitRows(shutter_, x, boxTop + frames[i][1], frames[i][0]);
        if (i + 1 < frames.size())
            delay(wait);
    }
    drawBoxOpen(box);
    screen().present();
}

void ShutTheBoxBoard::reopenAllBoxes(int wait, const GameSounds& sounds) const {
    sounds.play("closing2.wav");
    static constexpr std::array<std::array<int, 2>, 3> frames{{{74, 51}, {48, 77}, {22, 103}}};
    for (const auto& [rows, offset] : frames) {
        for (int box = 1; box <= 9; ++box) {
            boxAreas_[box].restore();
            blitRows(shutter_, boxLeft[box], boxTop + offset, rows);
        }
        delay(wait);
    }
    for (int box = 1; box <= 9; ++box)
        drawBoxOpen(box);
    screen().present();
    sounds.stop();
}

void ShutTheBoxBoard::drawPips(bool cup, bool twoDice, int die1, int die2) const {
    const auto& place = pips[cup ? 0 : 1];
    const auto drawFace = [&](int die, int face) {
        if (face < 1 || face > 6)
            return;
        for (int k = 0; k < face; ++k) {
            const int x = boardOrigin.x + place[die][face][k].x;
            const int y = boardOrigin.y + place[die][face][k].y;
            screen().fillEllipse(x, y, x + pipSize, y + pipSize, pipColour);
        }
    };
    if (twoDice) {
        drawFace(1, die1);
        drawFace(2, die2);
    } else {
        drawFace(2, die1); // a single die lies where die 2 would
    }
}

void ShutTheBoxBoard::drawDiceInCup(bool twoDice, int die1, int die2) const {
    if (twoDice)
        blit(twoInCup_, layout::twoDice.inCup.x, layout::twoDice.inCup.y);
    else
        blit(oneInCup_, oneDie.inCup.x, oneDie.inCup.y);
    drawPips(true, twoDice, die1, die2);
    screen().present();
}

void ShutTheBoxBoard::drawDiceOnBoard(bool twoDice, int die1, int die2) const {
    if (twoDice)
        blit(twoOnBoard_, layout::twoDice.onBoard.x, layout::twoDice.onBoard.y);
    else
        blit(oneOnBoard_, oneDie.onBoard.x, oneDie.onBoard.y);
    drawPips(false, twoDice, die1, die2);
    screen().present();
}

void ShutTheBoxBoard::throwDice(bool twoDice, int die1, int die2, int wait,
                                const GameSounds& sounds) const {
    sounds.play("Dice1.wav");
    if (twoDice) {
        twoInCupArea_.restore();
        blit(twoTumbling_[0], layout::twoDice.tumbling1.x, layout::twoDice.tumbling1.y);
        delay(wait);
        twoTumbling1Area_.restore();
        sounds.play("Dice3.wav");
        blit(twoTumbling_[1], layout::twoDice.tumbling2.x, layout::twoDice.tumbling2.y);
        delay(wait);
        twoTumbling2Area_.restore();
    } else {
        oneInCupArea_.restore();
        blit(oneTumbling_[0], oneDie.tumbling1.x, oneDie.tumbling1.y);
        delay(wait);
        oneTumbling1Area_.restore();
        sounds.play("Dice3.wav");
        blit(oneTumbling_[1], oneDie.tumbling2.x, oneDie.tumbling2.y);
        delay(wait);
        oneTumbling2Area_.restore();
    }
    sounds.play("Dice4.wav");
    drawDiceOnBoard(twoDice, die1, die2);
}

void ShutTheBoxBoard::clearCup() const {
    twoInCupArea_.restore();
}

void ShutTheBoxBoard::returnDiceToCup(bool twoDice, int die1, int die2) const {
    if (twoDice)
        twoOnBoardArea_.restore();
    else
        oneOnBoardArea_.restore();
    drawDiceInCup(twoDice, die1, die2);
}

void ShutTheBoxBoard::drawArrow(Seat seat) const {
    const Point p = arrows[seatIndex(seat)];
    blit(arrow_, p.x, p.y);
    screen().present();
}

void ShutTheBoxBoard::eraseArrow(Seat seat) const {
    arrowSpots_[seatIndex(seat)].restore();
}

int ShutTheBoxBoard::drawGlyph(char c, int x, int y) const {
    const int i = glyphIndex(c);
    if (i < 0)
        return 0;
    screen().drawBitmapPart(glyphs_[i], boardOrigin.x + x, boardOrigin.y + y, glyphSizes[i].width,
                            glyphSizes[i].height);
    return glyphSizes[i].width;
}

int ShutTheBoxBoard::glyphTextWidth(const std::string& text) const {
    int width = 0;
    for (char c : text)
        if (const int i = glyphIndex(c); i >= 0)
            width += glyphSizes[i].width;
    return width;
}

int ShutTheBoxBoard::glyphTextLeft(const std::string& text) const {
    return 83 + (184 - glyphTextWidth(text)) / 2;
}

void ShutTheBoxBoard::drawGlyphText(const std::string& text, int left, int top) const {
    for (char c : text)
        left += drawGlyph(c, left, top);
}

void ShutTheBoxBoard::drawNames(const std::string& one, const std::string& two) const {
    strips_[0].restore();
    drawGlyphText(one, glyphTextLeft(one), 226);
    strips_[2].restore();
    drawGlyphText(two, glyphTextLeft(two), 276);
    screen().present();
}

void ShutTheBoxBoard::drawScoreLine(Seat seat, int roundScore, int total) const {
    const bool one = seat == Seat::One;
    strips_[one ? 1 : 3].restore();
    const int top = one ? 250 : 302;
    const std::string round = std::to_string(roundScore);
    const std::string sum = std::to_string(total);
    drawGlyphText(round, 100 + (90 - glyphTextWidth(round)) / 2, top);
    drawGlyphText(sum, 160 + (90 - glyphTextWidth(sum)) / 2, top);
    screen().present();
}

void ShutTheBoxBoard::clearScorePanel() const {
    for (const SavedArea& strip : strips_)
        strip.restore();
    screen().present();
}

void ShutTheBoxBoard::restoreMarginStrip() const {
    strips_[2].restore();
    screen().present();
}

void ShutTheBoxBoard::drawGremlin(int eyes) const {
    blit(gremlin_, layout::gremlin.x, layout::gremlin.y);
    drawGremlinEyes(eyes);
}

void ShutTheBoxBoard::drawGremlinEyes(int eyes) const {
    Screen& s = screen();
    s.drawBitmapPart(eyes_[2 * eyes - 1], boardOrigin.x + leftEye.x, boardOrigin.y + leftEye.y,
                     eyeCopy.width, eyeCopy.height);
    s.drawBitmapPart(eyes_[2 * eyes], boardOrigin.x + rightEye.x, boardOrigin.y + rightEye.y,
                     eyeCopy.width, eyeCopy.height);
    s.present();
}

void ShutTheBoxBoard::eraseGremlin() const {
    gremlinArea_.restore();
    screen().present();
}

} // namespace tumbledown::shutthebox
