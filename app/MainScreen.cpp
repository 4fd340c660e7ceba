// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MainScreen.h"

#include "core/BoardGeometry.h"
#include "core/Preferences.h"
#include "core/ProgramState.h"
#include "games/board/FittedFont.h"
#include "platform/Screen.h"

#include <QTimer>

namespace tumbledown {

namespace {

const std::array<MainScreen::Tip, MainScreen::tipCount> tips = {{
    {"In surveys of magical persons, wizards", "beat apprentices in these games",
     "75% of the time."},
    {"Try the Gremlin in Shut The Box, and", "Aces Wild in Poker Dice!", ""},
    {"In 10,000, with one die left, you have", "two chances to score.  If you do so,",
     "bonus points are added to your score."},
    {"All three games have an undo option.", "Read about it in Help.", ""},
    {"To change player options, click on", "any player name.", ""},
    {"In 10,000, if you have scored using all", "the dice, no matter how many rolls you",
     "needed, you may roll the dice again."},
    {"In Poker Dice, your coin tally is", "saved for subsequent games.", ""},
    {"Search the web for your favorite midi", "(.mid) files to play as background", "music."},
    {"In 10,000, if you roll dice with", "no scoring combinations, you lose", "your turn score."},
    {"In Poker Dice, try for the", "Billionaire Club!", ""},
    {"In 10,000, rolling four two's is a", "disaster, causing you to lose all",
     "points, turn and total."},
}};

// BITMAP_216, painted by the art generator to 569 x 428.
constexpr int pictureBitmap = 216;
const QColor tipColour(8, 66, 115);
constexpr int pictureOffsetX = 31;
// The slate the tips are written on, inside the picture's frame.
constexpr int tipColumnX = 231;
constexpr int tipColumnWidth = 352;
constexpr int tipMargin = 6;
constexpr int tipTopY = 280;
constexpr int tipLineHeight = 25;

Font makeTipFont() {
    Font font = createFont({"Times New Roman", 25, 0, 700, true});
    // Measuring loads the face.
    Screen::textWidth(font, tips[0][0]);
    return font;
}

} // namespace

MainScreen::MainScreen() : background_(loadBitmap(bitmapName(pictureBitmap))) {}

void MainScreen::prepare(int scale) {
    background_.prepare(scale);
    if (!tipFont_ && !tipFontAhead_.valid())
        tipFontAhead_ = std::async(std::launch::async, makeTipFont);
}

const Font& MainScreen::tipFont() {
    if (!tipFont_)
        tipFont_ = tipFontAhead_.valid() ? tipFontAhead_.get() : makeTipFont();
    return *tipFont_;
}

const MainScreen::Tip& MainScreen::tip(int number) {
    return tips[static_cast<std::size_t>((number >= 1 && number <= tipCount) ? number - 1 : 0)];
}

void MainScreen::paint() {
    Screen& s = screen();
    s.fillRect(0, 0, clientSize.width, clientSize.height, Qt::black);
    // Small screens lose the bottom rows of the picture rather than the menu.
    const int rows = clientSize.height >= 500 ? boardHeight : 421;
    s.drawBitmapPart(background_, boardOrigin.x + pictureOffsetX, boardOrigin.y,
                     background_.width(), std::min(rows, background_.height()));
    drawTip();
    // Freeing the picture's pixels takes a moment the first paint need not wait for.
    QTimer::singleShot(0, [picture = background_] { picture.release(); });
}

void MainScreen::drawTip() {
    const Tip& lines = tip(preferences().currentTip);
    for (int k = 1; k <= tipLines; ++k) {
        const std::string& text = lines[static_cast<std::size_t>(k - 1)];
        if (text.empty())
            continue;
        const Font font = fittedFont(tipFont(), text, tipColumnWidth - 2 * tipMargin);
        const int width = Screen::textWidth(font, text);
        screen().drawText(font, tipColour,
                          boardOrigin.x + tipColumnX + (tipColumnWidth - width) / 2,
                          boardOrigin.y + tipTopY + tipLineHeight * k, text);
    }
}

void MainScreen::nextTip() {
    PreferencesRecord& p = preferences();
    p.currentTip = nextTipNumber(p.currentTip, tipCount);
    screen().fillRect(boardOrigin.x + tipColumnX, boardOrigin.y + 290,
                      boardOrigin.x + tipColumnX + tipColumnWidth, boardOrigin.y + 401, Qt::black);
    drawTip();
    screen().present();
}

} // namespace tumbledown
