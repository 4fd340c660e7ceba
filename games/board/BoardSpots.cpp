// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BoardSpots.h"

#include "core/ProgramState.h"

namespace tumbledown {

void addButtonSpots(std::vector<Spot>& spots, const ButtonLayout& layout) {
    const auto place = [&](BoardButton b) { return layout[static_cast<int>(b)].place; };
    const PreferencesRecord& p = preferences();
    spots.push_back(buttonSpot("faster", place(BoardButton::SpeedUp), "Faster"));
    spots.push_back(buttonSpot("slower", place(BoardButton::SlowDown), "Slower"));
    spots.push_back(toggleSpot("music", place(BoardButton::Music),
                               p.musicOn ? "Music, on" : "Music, off", p.musicOn != 0));
    spots.push_back(buttonSpot("music-file", place(BoardButton::MusicFile), "Choose the music"));
    spots.push_back(toggleSpot("sound", place(BoardButton::Sound),
                               p.soundOn ? "Sound effects, on" : "Sound effects, off",
                               p.soundOn != 0));
    spots.push_back(buttonSpot("help", place(BoardButton::Help), "Help"));
}

Spot nameSpot(Seat seat, const Rect& area, const std::string& name) {
    return buttonSpot(std::string("name-") + seatNumber(seat), area,
                      (seat == Seat::One ? "Player one, " : "Player two, ") + name);
}

std::string seatName(Seat seat, const Opponent& computer) {
    if (seat == Seat::One)
        return preferences().player1();
    return computer ? levelName(*computer, false) : preferences().player2();
}

std::string joinedLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        if (!line.empty())
            text += (text.empty() ? "" : " ") + line;
    return text;
}

std::string diceWords(const std::vector<int>& faces, std::string (*faceName)(int)) {
    std::string text;
    for (int face : faces)
        text += (text.empty() ? "Dice: " : ", ") + faceName(face);
    return text;
}

} // namespace tumbledown
