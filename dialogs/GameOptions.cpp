// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "GameOptions.h"

#include "core/GameSettings.h"
#include "core/NameRules.h"
#include "core/Preferences.h"

#include <utility>

namespace tumbledown {

bool applyNameChoice(bool renameFirst, bool renameSecond, std::string name,
                     PreferencesRecord& record) {
    UpperCaseName(name);
    if (name.empty())
        return false;
    if (renameFirst)
        record.setPlayer1(name);
    else if (renameSecond)
        record.setPlayer2(name);
    else
        return false;
    return true;
}

namespace {

// The dialog's four radio buttons as an opponent.
template <class Options> void checkOpponent(Options& fill, Opponent opponent) {
    fill.apprentice = opponent == Level::Apprentice;
    fill.mage = opponent == Level::Mage;
    fill.wizard = opponent == Level::Wizard;
    fill.player2 = !opponent;
}

} // namespace

std::optional<Opponent> chosenOpponent(bool apprentice, bool mage, bool wizard, bool player2,
                                       Opponent current) {
    const std::pair<bool, Opponent> choices[] = {
        {apprentice, Level::Apprentice},
        {mage, Level::Mage},
        {wizard, Level::Wizard},
        {player2, std::nullopt},
    };
    for (const auto& [checked, opponent] : choices)
        if (checked && opponent != current)
            return opponent;
    return std::nullopt;
}

TenThouOptionsRecord fillTenThouOptions(PreferencesRecord& record) {
    TenThouOptionsRecord fill;
    checkOpponent(fill, TenThouSettings(record).opponent());
    return fill;
}

std::optional<Opponent> applyTenThouOpponent(const TenThouOptionsRecord& chosen,
                                             PreferencesRecord& record) {
    const TenThouSettings settings(record);
    const std::optional<Opponent> next = chosenOpponent(
        chosen.apprentice, chosen.mage, chosen.wizard, chosen.player2, settings.opponent());
    if (next)
        settings.setOpponent(*next);
    return next;
}

bool applyTenThouName(const TenThouOptionsRecord& chosen, PreferencesRecord& record) {
    return applyNameChoice(chosen.changeFirstName, chosen.changeSecondName, chosen.name, record);
}

ShutTheBoxOptionsRecord fillShutTheBoxOptions(PreferencesRecord& record) {
    ShutTheBoxOptionsRecord fill;
    fill.vsComputer = ShutTheBoxSettings(record).vsComputer();
    fill.vsPlayer2 = !fill.vsComputer;
    return fill;
}

std::optional<bool> applyShutTheBoxOpponent(const ShutTheBoxOptionsRecord& chosen,
                                            PreferencesRecord& record) {
    const ShutTheBoxSettings settings(record);
    const bool vsComputer = settings.vsComputer();
    if (!(chosen.vsComputer && !vsComputer) && !(chosen.vsPlayer2 && vsComputer))
        return std::nullopt;
    settings.setVsComputer(!vsComputer);
    return !vsComputer;
}

bool applyShutTheBoxName(const ShutTheBoxOptionsRecord& chosen, PreferencesRecord& record) {
    return applyNameChoice(chosen.changeFirstName, chosen.changeSecondName, chosen.name, record);
}

PokerDiceOptionsRecord fillPokerDiceOptions(PreferencesRecord& record) {
    PokerDiceOptionsRecord fill;
    const PokerDiceSettings settings(record);
    checkOpponent(fill, settings.opponent());
    fill.threeRolls = settings.rollsPerTurn() == 3;
    fill.twoRolls = !fill.threeRolls;
    fill.acesWild = settings.acesWild();
    return fill;
}

std::optional<Opponent> applyPokerDiceOpponent(const PokerDiceOptionsRecord& chosen,
                                               PreferencesRecord& record) {
    const PokerDiceSettings settings(record);
    const Opponent current = settings.opponent();
    const std::optional<Opponent> next =
        chosenOpponent(chosen.apprentice, chosen.mage, chosen.wizard, chosen.player2, current);
    if (!next)
        return std::nullopt;
    // A second person leaving the seat keeps their coins; one taking it takes theirs.
    if (!current)
        StoreCoins(record, record.player2(), 2);
    settings.setOpponent(*next);
    if (!*next)
        AdoptCoins(record, record.player2(), 2);
    return next;
}

bool applyPokerDiceName(const PokerDiceOptionsRecord& chosen, PreferencesRecord& record) {
    std::string name = chosen.name;
    UpperCaseName(name);
    const int player = chosen.changeFirstName ? 1 : chosen.changeSecondName ? 2 : 0;
    if (name.empty() || player == 0)
        return false;
    StoreCoins(record, player == 1 ? record.player1() : record.player2(), player);
    if (player == 1)
        record.setPlayer1(name);
    else
        record.setPlayer2(name);
    AdoptCoins(record, name, player);
    return true;
}

std::optional<int> applyPokerDiceRolls(const PokerDiceOptionsRecord& chosen,
                                       PreferencesRecord& record) {
    const PokerDiceSettings settings(record);
    if (chosen.twoRolls && settings.rollsPerTurn() == 3)
        settings.setRollsPerTurn(2);
    else if (chosen.threeRolls && settings.rollsPerTurn() == 2)
        settings.setRollsPerTurn(3);
    else
        return std::nullopt;
    return settings.rollsPerTurn();
}

std::optional<bool> applyPokerDiceAcesWild(const PokerDiceOptionsRecord& chosen,
                                           PreferencesRecord& record) {
    const PokerDiceSettings settings(record);
    if (chosen.acesWild == settings.acesWild())
        return std::nullopt;
    settings.setAcesWild(chosen.acesWild);
    return chosen.acesWild;
}

} // namespace tumbledown
