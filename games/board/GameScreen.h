// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/BoardGeometry.h"
#include "core/PreferencesRecord.h"

#include <memory>
#include <vector>

namespace tumbledown {

class BoardButtons;
class BoardInput;
class GameShell;

// One item of a game's options popup: a command, or one of a group of choices
// of which the record checks exactly one; id 0 is a separator.
struct OptionItem {
    int id = 0;
    const char* text = "";
    int group = 0; // 0: a plain command
};

struct OptionsMenu {
    const char* title;
    std::vector<OptionItem> items;
};

// A game as a screen of the window: what it draws, its input, its options
// popup and their commands, its dialog, and what it does before it is left.
// It lives exactly while its game is on view.
class GameScreen {
public:
    virtual ~GameScreen() = default;

    virtual void paint() = 0;
    virtual BoardInput& input() = 0;
    virtual BoardButtons& buttons() = 0;
    // The board has moved in the client area.
    virtual void boardMoved() {}

    virtual const OptionsMenu& optionsMenu() const = 0;
    // The choices of the popup the record checks now.
    virtual std::vector<int> checkedOptions() const = 0;
    // Carries out a command of the popup; false when it is none of its own.
    virtual bool optionCommand(int id) = 0;
    // The game's options dialog; true when it changed the game.
    virtual bool runOptionsDialog() = 0;
    // The game is about to be left, or the program closed.
    virtual void leaving() {}
};

// A game as the shell offers it: on the main screen, in the Game and Scores
// menus and in the top-scores dialog.
struct GameInfo {
    const char* id;   // "10000": the screen's name in the transcript
    int menuId;       // in the Game menu
    const char* name; // its item there
    Rect spot;        // its picture on the main screen
    int viewScoresId;
    const char* viewScoresText;
    int clearScoresId;
    const char* clearScoresText;
    // The top scores box (with anything that goes with viewing them).
    void (*showTopScores)(PreferencesRecord&);
    ScoreTable& (*topScores)(PreferencesRecord&);
    std::unique_ptr<GameScreen> (*open)(GameShell&);
};

} // namespace tumbledown
