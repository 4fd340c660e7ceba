// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ShutTheBoxScreen.h"

#include "core/NameRules.h"
#include "core/ProgramState.h"
#include "dialogs/TNumPlayersDialog.h"
#include "dialogs/TopScoreViews.h"
#include "games/board/GameShell.h"

namespace tumbledown::shutthebox {

namespace {

constexpr int vsComputer = 118, vsPlayer2 = 119, names = 120;
constexpr int gremlinOn = 121, gremlinOff = 122, oneDie = 124;
constexpr CommonOptions common{148, 149, 150, 151};
enum Group { none, opponent, sound, gremlin };

const OptionsMenu menu{"Shut The Box Options",
                       {{vsComputer, "Play Vs Computer", opponent},
                        {vsPlayer2, "Play Vs Player 2", opponent},
                        {names, "Change Player's Name"},
                        {},
                        {common.soundOn, "Sound Effects On", sound},
                        {common.soundOff, "Sound Effects Off", sound},
                        {},
                        {common.faster, "Speed Up Animation"},
                        {common.slower, "Slow Down Animation"},
                        {},
                        {gremlinOn, "Gremlin On", gremlin},
                        {gremlinOff, "Gremlin Off", gremlin},
                        {},
                        {oneDie, "One Die"}}};

} // namespace

ShutTheBoxScreen::ShutTheBoxScreen(GameShell& shell)
    : BoardScreen(shell, common, ShutTheBoxSettings(preferences()).delay()), game_(shell),
      input_(game_, shell) {}

const OptionsMenu& ShutTheBoxScreen::optionsMenu() const {
    return menu;
}

std::vector<int> ShutTheBoxScreen::checkedOptions() const {
    const ShutTheBoxSettings& settings = game_.settings();
    return {settings.vsComputer() ? vsComputer : vsPlayer2, checkedSound(),
            settings.gremlinOn() ? gremlinOn : gremlinOff};
}

bool ShutTheBoxScreen::optionCommand(int id) {
    if (id == vsComputer || id == vsPlayer2) {
        game_.settings().setVsComputer(id == vsComputer);
        shell_.refreshMenuMarks();
        game_.newGame();
    } else if (id == names) {
        runOptionsDialog();
    } else if (id == oneDie) {
        game_.useOneDie();
    } else if (id == gremlinOn || id == gremlinOff) {
        game_.settings().setGremlinOn(id == gremlinOn);
        shell_.refreshMenuMarks();
        game_.showGremlinButton();
        game_.newGame();
    } else {
        return commonCommand(id);
    }
    return true;
}

bool ShutTheBoxScreen::runOptionsDialog() {
    PreferencesRecord& p = preferences();
    const std::optional<ShutTheBoxOptionsRecord> chosen =
        askShutTheBoxOptions(p, shell_.dialogParent());
    if (!chosen)
        return false;
    bool changed = false;
    if (applyShutTheBoxOpponent(*chosen, p)) {
        shell_.refreshMenuMarks();
        game_.newGame();
        changed = true;
    }
    const bool renamed = applyShutTheBoxName(*chosen, p);
    if (renamed) {
        game_.newGame();
        changed = true;
    }
    CheckNameClash(p, [this] { game_.drawNames(); });
    if (renamed)
        game_.drawNames();
    return changed;
}

const GameInfo& shutTheBoxInfo() {
    static const GameInfo info{
        "shutthebox",
        103,
        "Shut The Box",
        {49, 275, 101, 144},
        134,
        "View Shut The Box Top Scores",
        137,
        "Clear Shut The Box Top Scores",
        [](PreferencesRecord& p) { showShutTheBoxTopScores(p); },
        [](PreferencesRecord& p) -> ScoreTable& { return ShutTheBoxSettings(p).topScores(); },
        [](GameShell& shell) -> std::unique_ptr<GameScreen> {
            return std::make_unique<ShutTheBoxScreen>(shell);
        }};
    return info;
}

} // namespace tumbledown::shutthebox
