// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BoardButtons.h"

#include "GameShell.h"
#include "core/ProgramState.h"
#include "platform/Screen.h"
#include "platform/System.h"

namespace tumbledown {

bool stepDelayByKey(char key, std::int32_t& delay) {
    switch (key) {
    case '+':
    case '=':
        speedUp(delay);
        return true;
    case '-':
    case '_':
        slowDown(delay);
        return true;
    default:
        return false;
    }
}

BoardButtons::BoardButtons(const ButtonLayout& layout, std::int32_t& delay, GameShell& shell)
    : layout_(layout), delay_(delay), shell_(shell) {
    for (int i = 0; i < boardButtonCount; ++i) {
        up_[i] = loadBitmap(bitmapName(layout_[i].up));
        down_[i] = loadBitmap(bitmapName(layout_[i].down));
    }
}

const ButtonPlace& BoardButtons::place(BoardButton button) const {
    return layout_[static_cast<int>(button)];
}

void BoardButtons::draw(BoardButton button, bool down) const {
    const int i = static_cast<int>(button);
    screen().drawBitmap(down ? down_[i] : up_[i], boardOrigin.x + layout_[i].place.x,
                        boardOrigin.y + layout_[i].place.y);
    screen().present();
}

void BoardButtons::drawSwitchesOn() const {
    if (preferences().soundOn)
        draw(BoardButton::Sound, true);
    if (preferences().musicOn)
        draw(BoardButton::Music, true);
}

void BoardButtons::drawAll() const {
    for (BoardButton b :
         {BoardButton::SpeedUp, BoardButton::SlowDown, BoardButton::MusicFile, BoardButton::Help})
        draw(b, false);
    showMusic();
    showSound();
}

void BoardButtons::showMusic() const {
    draw(BoardButton::Music, preferences().musicOn != 0);
}

void BoardButtons::showSound() const {
    draw(BoardButton::Sound, preferences().soundOn != 0);
}

bool BoardButtons::press(int x, int y) {
    const auto hit = [&](BoardButton b) { return place(b).place.contains(x, y); };
    if (hit(BoardButton::SpeedUp)) {
        shell_.captureMouse();
        draw(BoardButton::SpeedUp, true);
        speedUp(delay_);
    } else if (hit(BoardButton::SlowDown)) {
        shell_.captureMouse();
        draw(BoardButton::SlowDown, true);
        slowDown(delay_);
    } else if (hit(BoardButton::Music)) {
        shell_.toggleMusic();
        showMusic();
    } else if (hit(BoardButton::MusicFile)) {
        shell_.captureMouse();
        draw(BoardButton::MusicFile, true);
        shell_.selectMusic();
        // Choosing a tune switches the music on, unless no tune could be found.
        showMusic();
        draw(BoardButton::MusicFile, false);
    } else if (hit(BoardButton::Sound)) {
        preferences().soundOn = !preferences().soundOn;
        showSound();
        shell_.refreshMenuMarks();
    } else if (hit(BoardButton::Help)) {
        openDocument("Tumbledown.html");
    } else {
        return false;
    }
    return true;
}

void BoardButtons::release(int x, int y) const {
    for (BoardButton held : {BoardButton::SpeedUp, BoardButton::SlowDown, BoardButton::MusicFile})
        if (place(held).place.contains(x, y))
            draw(held, false);
}

} // namespace tumbledown
