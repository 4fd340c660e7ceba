#pragma once

#include "Menus.h"
#include "core/InputRouting.h"
#include "core/PreferencesRecord.h"

#include <cstdint>

namespace tumbledown {

class ShellActions;

// The main screen's spots: the three games, help, the scores dialog, About and
// the next tip. Keys do nothing here.
class MainScreenInput : public BoardInput {
public:
    explicit MainScreenInput(ShellActions& shell) : shell_(shell) {}
    void leftDown(int x, int y) override;

private:
    ShellActions& shell_;
};

// What the Poker Dice and Shut The Box boards share with the shell until they
// have their own input: the way back to the main screen, the top scores on
// "s" and the animation speed on "+" and "-".
class GameScreenInput : public BoardInput {
public:
    GameScreenInput(ShellActions& shell, ScreenState game);
    void leftDown(int x, int y) override;
    void character(char c) override;
    bool flushesAfterRelease() const override;

private:
    std::int32_t& delay() const;
    void showTopScores() const;

    ShellActions& shell_;
    ScreenState game_;
    Spot back_;
};

} // namespace tumbledown
