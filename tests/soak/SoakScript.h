// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Long random sessions over all three games as replay scripts, one script per
// run of the program: the same seed always gives the same scripts.

#include "scenarios/ScriptText.h"

#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace tumbledown::soak {

enum class Game { Main, TenThousand, PokerDice, ShutTheBox };

class SoakScript {
public:
    // musicFiles: what the file dialogs are answered with (besides cancel):
    // the real tune, damaged files, a missing one. No whitespace in them.
    SoakScript(std::uint32_t seed, std::vector<std::string> musicFiles);

    // The script of the next run, at least `events` events long. Each run
    // starts on the main screen and goes back to the game being played.
    std::string segment(int events);

    // How many events (not answers) a script holds.
    static int countEvents(const std::string& script);

private:
    int below(int n);
    bool chance(int percent);
    std::string pick(const std::vector<std::string>& from);
    std::string anywhere();
    std::string onBoard();
    test::BoardPoint anyPoint();
    std::string button(const std::vector<test::BoardPoint>& buttons, int which);

    void step(std::string& out);
    void nextStretch();
    std::string enter(Game game);
    std::string tenThouStep();
    std::string pokerDiceStep();
    std::string shutTheBoxStep();
    std::string mainScreenStep();
    std::string anyScreenStep();
    std::string meanwhile();

    // Answers to what the event before them opens.
    std::string boxAnswer();
    std::string fileAnswer();
    std::string name();
    std::string oddControl();
    std::string options(int dialog, int choice, int names, const std::string& more);
    std::string tenThouOptions();
    std::string pokerDiceOptions();
    std::string shutTheBoxOptions();
    std::string topScoresChoice();

    std::mt19937 random_;
    std::vector<std::string> musicFiles_;
    Game game_ = Game::Main;    // the game of this stretch
    Game showing_ = Game::Main; // where the events are aimed
    int stretchLeft_ = 0;
    int mainLeft_ = 0; // events left of a visit to the main screen
    std::vector<Game> order_;
};

} // namespace tumbledown::soak
