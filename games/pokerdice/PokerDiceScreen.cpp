// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PokerDiceScreen.h"

#include "core/NameRules.h"
#include "core/Preferences.h"
#include "core/ProgramState.h"
#include "core/ScoreTables.h"
#include "dialogs/TNumPlayersDialog3.h"
#include "dialogs/TopScoreViews.h"
#include "games/board/GameShell.h"

namespace tumbledown::pokerdice {

namespace {

// The popup's ids: the levels and the second person in a row.
constexpr int apprentice = 109, player2 = 112, names = 113;
constexpr int acesWildOn = 114, acesWildOff = 115, rolls = 116, resetCoins = 117;
constexpr CommonOptions common{144, 145, 146, 147};
enum Group { none, levels, sound, acesWild };

const OptionsMenu menu{"Poker Dice Options",
                       {{apprentice, "Play Vs Apprentice", levels},
                        {110, "Play Vs Mage", levels},
                        {111, "Play Vs Wizard", levels},
                        {player2, "Play vs Player 2", levels},
                        {names, "Change Player's Name"},
                        {},
                        {common.soundOn, "Sound Effects On", sound},
                        {common.soundOff, "Sound Effects Off", sound},
                        {},
                        {common.faster, "Speed Up Animation"},
                        {common.slower, "Slow Down Animation"},
                        {},
                        {acesWildOn, "Aces Wild On", acesWild},
                        {acesWildOff, "Aces Wild Off", acesWild},
                        {},
                        {rolls, "Set Number of Rolls"},
                        {resetCoins, "Reset Coins to 5000"}}};

} // namespace

PokerDiceScreen::PokerDiceScreen(GameShell& shell)
    : BoardScreen(shell, common, PokerDiceSettings(preferences()).delay()), game_(shell),
      input_(game_, shell) {}

const OptionsMenu& PokerDiceScreen::optionsMenu() const {
    return menu;
}

std::vector<int> PokerDiceScreen::checkedOptions() const {
    const Opponent opponent = game_.settings().opponent();
    return {opponent ? apprentice + static_cast<int>(*opponent) : player2, checkedSound(),
            game_.settings().acesWild() ? acesWildOn : acesWildOff};
}

void PokerDiceScreen::setOpponent(Opponent opponent) {
    PreferencesRecord& p = preferences();
    const Opponent previous = game_.settings().opponent();
    // Player 2's seat is leaving a person or this level: keep that balance.
    if (opponent && (previous == opponent || !previous))
        StoreCoins(p, p.player2(), 2);
    game_.settings().setOpponent(opponent);
    if (!opponent)
        AdoptCoins(p, p.player2(), 2);
    shell_.refreshMenuMarks();
    game_.startMatch();
}

bool PokerDiceScreen::optionCommand(int id) {
    if (id >= apprentice && id <= player2) {
        game_.flushPendingTables();
        setOpponent(id == player2 ? Opponent{} : Opponent{static_cast<Level>(id - apprentice)});
    } else if (id == names || id == rolls) {
        runOptionsDialog();
    } else if (id == acesWildOn || id == acesWildOff) {
        game_.flushPendingTables();
        game_.settings().setAcesWild(id == acesWildOn);
        shell_.refreshMenuMarks();
        game_.showAcesWildButton();
        game_.startMatch();
    } else if (id == resetCoins) {
        game_.flushPendingTables();
        game_.resetCoins();
    } else {
        return commonCommand(id);
    }
    return true;
}

bool PokerDiceScreen::runOptionsDialog() {
    // The tables take a settled hand before names or coins can change.
    game_.flushPendingTables();
    PreferencesRecord& p = preferences();
    const std::optional<PokerDiceOptionsRecord> chosen =
        askPokerDiceOptions(p, shell_.dialogParent());
    if (!chosen)
        return false;
    // Each change deals a new hand of its own, who goes first drawn anew.
    bool changed = false;
    if (applyPokerDiceOpponent(*chosen, p)) {
        shell_.refreshMenuMarks();
        game_.startMatch();
        changed = true;
    }
    if (applyPokerDiceName(*chosen, p)) {
        game_.startMatch();
        changed = true;
    }
    CheckNameClash(p, [this] { game_.drawNames(); });
    if (chosen->resetCoins) {
        game_.resetCoins();
        changed = true;
    }
    if (applyPokerDiceRolls(*chosen, p)) {
        game_.startMatch();
        changed = true;
    }
    if (applyPokerDiceAcesWild(*chosen, p)) {
        game_.showAcesWildButton();
        shell_.refreshMenuMarks();
        game_.startMatch();
        changed = true;
    }
    return changed;
}

const GameInfo& pokerDiceInfo() {
    static const GameInfo info{
        "pokerdice",
        102,
        "Poker Dice",
        {49, 133, 101, 127},
        133,
        "View Poker Dice Top Scores",
        136,
        "Clear Poker Dice Top Scores",
        [](PreferencesRecord& p) {
            showPokerDiceTopScores(p);
            checkClubAdmissionOfPlayer1(p);
        },
        [](PreferencesRecord& p) -> ScoreTable& { return PokerDiceSettings(p).topScores(); },
        [](GameShell& shell) -> std::unique_ptr<GameScreen> {
            return std::make_unique<PokerDiceScreen>(shell);
        }};
    return info;
}

} // namespace tumbledown::pokerdice
