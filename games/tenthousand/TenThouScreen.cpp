// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TenThouScreen.h"

#include "core/NameRules.h"
#include "core/ProgramState.h"
#include "dialogs/TNumPlayersDialog2.h"
#include "dialogs/TopScoreViews.h"
#include "games/board/GameShell.h"

namespace tumbledown::tenthousand {

namespace {

// The popup's ids: the levels and the second person in a row.
constexpr int apprentice = 104, player2 = 107, names = 108;
constexpr CommonOptions common{140, 141, 142, 143};
enum Group { none, levels, sound };

const OptionsMenu menu{"10,000 Options",
                       {{104, "Play Vs Apprentice", levels},
                        {105, "Play Vs Mage", levels},
                        {106, "Play Vs Wizard", levels},
                        {player2, "Play Vs Player 2", levels},
                        {names, "Change Player's Name"},
                        {},
                        {common.soundOn, "Sound Effects On", sound},
                        {common.soundOff, "Sound Effects Off", sound},
                        {},
                        {common.faster, "Speed Up Animation"},
                        {common.slower, "Slow Down Animation"}}};

} // namespace

TenThouScreen::TenThouScreen(GameShell& shell)
    : BoardScreen(shell, common, TenThouSettings(preferences()).delay()), game_(shell),
      input_(game_, panes_, shell) {
    boardMoved();
}

void TenThouScreen::boardMoved() {
    panes_.build(boardOrigin.x, boardOrigin.y);
}

const OptionsMenu& TenThouScreen::optionsMenu() const {
    return menu;
}

std::vector<int> TenThouScreen::checkedOptions() const {
    const Opponent opponent = game_.settings().opponent();
    return {opponent ? apprentice + static_cast<int>(*opponent) : player2, checkedSound()};
}

void TenThouScreen::restart() {
    game_.newFirstPlayer();
    game_.newGame();
}

bool TenThouScreen::optionCommand(int id) {
    if (id >= apprentice && id <= player2) {
        game_.settings().setOpponent(id == player2 ? Opponent{}
                                                   : Opponent{static_cast<Level>(id - apprentice)});
        shell_.refreshMenuMarks();
        restart();
    } else if (id == names) {
        runOptionsDialog();
    } else {
        return commonCommand(id);
    }
    return true;
}

bool TenThouScreen::runOptionsDialog() {
    PreferencesRecord& p = preferences();
    const std::optional<TenThouOptionsRecord> chosen = askTenThouOptions(p, shell_.dialogParent());
    if (!chosen)
        return false;
    bool changed = false;
    if (applyTenThouOpponent(*chosen, p)) {
        shell_.refreshMenuMarks();
        restart();
        changed = true;
    }
    if (applyTenThouName(*chosen, p)) {
        restart();
        changed = true;
    }
    CheckNameClash(p, [this] { game_.drawNames(); });
    return changed;
}

void TenThouScreen::leaving() {
    skipScoresOnce = true;
}

const GameInfo& tenThouInfo() {
    static const GameInfo info{
        "10000",
        101,
        "10,000",
        {49, 27, 101, 97},
        132,
        "View 10,000 Top Scores",
        135,
        "Clear 10,000 Top Scores",
        [](PreferencesRecord& p) { showTenThouTopScores(p); },
        [](PreferencesRecord& p) -> ScoreTable& { return TenThouSettings(p).topScores(); },
        [](GameShell& shell) -> std::unique_ptr<GameScreen> {
            return std::make_unique<TenThouScreen>(shell);
        }};
    return info;
}

} // namespace tumbledown::tenthousand
