// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Long random sessions over all three games as replay scripts, one script per
// run of the program: the same seed always gives the same scripts.

#include "scenarios/ScriptText.h"

#include <cstdint>
#include <functional>
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

    // Controls no dialog has, which the dialogs' answers now and then name.
    static const std::vector<std::string>& madeUpControls();

private:
    // One kind of step: how often it comes against the others of its table,
    // and the lines it writes.
    struct Kind {
        int weight;
        std::function<std::string()> write;
    };

    int below(int n);
    bool chance(int percent);
    std::string maybe(int percent, const std::string& lines); // the lines or nothing
    template <class T> T pick(const std::vector<T>& from) {
        return from[static_cast<std::size_t>(below(static_cast<int>(from.size())))];
    }
    std::string anyKey(); // any a person could type
    std::string oneOf(const std::vector<Kind>& kinds);
    std::string step();
    void nextStretch();
    std::string enter(Game game);

    test::BoardPoint boardPoint();
    test::BoardPoint anywhere();
    test::BoardPoint anyPoint();
    std::string button(const std::vector<test::BoardPoint>& buttons);
    std::string draws(int count, const std::function<int()>& value);

    // Answers to what the event before them opens.
    std::string boxAnswer();
    std::string fileAnswer();
    std::string oddControl(); // a control no dialog has, or a value none takes
    std::string options(Game game);
    std::string topScoresChoice();

    std::mt19937 random_;
    std::vector<std::string> musicFiles_;
    std::vector<Kind> kinds_[4];  // each screen's steps, by Game
    std::vector<Kind> anyScreen_; // the menu bar's and the window's, on any screen
    std::vector<Kind> meanwhile_; // what may arrive while a handler runs
    Game game_ = Game::Main;      // the game of this stretch
    Game showing_ = Game::Main;   // where the events are aimed
    int stretchLeft_ = 0;
    int mainLeft_ = 0; // events left of a visit to the main screen
    std::vector<Game> order_;
};

} // namespace tumbledown::soak
