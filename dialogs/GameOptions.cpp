// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "GameOptions.h"

#include "core/NameRules.h"
#include "core/Preferences.h"

#include <utility>

namespace tumbledown {

bool ApplyNameChoice(bool renameFirst, bool renameSecond, std::string name,
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

Opponent opponentOf(std::uint8_t apprentice, std::uint8_t mage, std::uint8_t wizard) {
    // Loading leaves at most one level set; the first set one wins regardless.
    if (apprentice)
        return Opponent::Apprentice;
    if (mage)
        return Opponent::Mage;
    if (wizard)
        return Opponent::Wizard;
    return Opponent::Player2;
}

void setOpponent(std::uint8_t& apprentice, std::uint8_t& mage, std::uint8_t& wizard,
                 Opponent opponent) {
    apprentice = opponent == Opponent::Apprentice;
    mage = opponent == Opponent::Mage;
    wizard = opponent == Opponent::Wizard;
}

} // namespace

std::optional<Opponent> ChosenOpponent(bool apprentice, bool mage, bool wizard, bool player2,
                                       Opponent current) {
    const std::pair<bool, Opponent> choices[] = {
        {apprentice, Opponent::Apprentice},
        {mage, Opponent::Mage},
        {wizard, Opponent::Wizard},
        {player2, Opponent::Player2},
    };
    for (const auto& [checked, opponent] : choices)
        if (checked && opponent != current)
            return opponent;
    return std::nullopt;
}

TenThouOpponent TenThouOpponentOf(const PreferencesRecord& record) {
    return opponentOf(record.tenThouApprentice, record.tenThouMage, record.tenThouWizard);
}

void SetTenThouOpponent(PreferencesRecord& record, TenThouOpponent opponent) {
    setOpponent(record.tenThouApprentice, record.tenThouMage, record.tenThouWizard, opponent);
}

TenThouOptionsRecord FillTenThouOptions(const PreferencesRecord& record) {
    TenThouOptionsRecord fill;
    switch (TenThouOpponentOf(record)) {
    case TenThouOpponent::Apprentice:
        fill.apprentice = true;
        break;
    case TenThouOpponent::Mage:
        fill.mage = true;
        break;
    case TenThouOpponent::Wizard:
        fill.wizard = true;
        break;
    case TenThouOpponent::Player2:
        fill.player2 = true;
        break;
    }
    return fill;
}

std::optional<TenThouOpponent> ApplyTenThouOpponent(const TenThouOptionsRecord& chosen,
                                                    PreferencesRecord& record) {
    const std::optional<Opponent> next = ChosenOpponent(
        chosen.apprentice, chosen.mage, chosen.wizard, chosen.player2, TenThouOpponentOf(record));
    if (next)
        SetTenThouOpponent(record, *next);
    return next;
}

bool ApplyTenThouName(const TenThouOptionsRecord& chosen, PreferencesRecord& record) {
    return ApplyNameChoice(chosen.changeFirstName, chosen.changeSecondName, chosen.name, record);
}

TenThouOptionsOutcome ApplyTenThouOptions(const TenThouOptionsRecord& chosen,
                                          PreferencesRecord& record) {
    TenThouOptionsOutcome outcome;
    outcome.newOpponent = ApplyTenThouOpponent(chosen, record);
    outcome.nameChanged = ApplyTenThouName(chosen, record);
    return outcome;
}

ShutTheBoxOptionsRecord FillShutTheBoxOptions(const PreferencesRecord& record) {
    ShutTheBoxOptionsRecord fill;
    fill.vsComputer = record.shutTheBoxVsComputer != 0;
    fill.vsPlayer2 = !fill.vsComputer;
    return fill;
}

std::optional<bool> ApplyShutTheBoxOpponent(const ShutTheBoxOptionsRecord& chosen,
                                            PreferencesRecord& record) {
    const bool vsComputer = record.shutTheBoxVsComputer != 0;
    if (chosen.vsComputer && !vsComputer) {
        record.shutTheBoxVsComputer = 1;
        return true;
    }
    if (chosen.vsPlayer2 && vsComputer) {
        record.shutTheBoxVsComputer = 0;
        return false;
    }
    return std::nullopt;
}

bool ApplyShutTheBoxName(const ShutTheBoxOptionsRecord& chosen, PreferencesRecord& record) {
    return ApplyNameChoice(chosen.changeFirstName, chosen.changeSecondName, chosen.name, record);
}

ShutTheBoxOptionsOutcome ApplyShutTheBoxOptions(const ShutTheBoxOptionsRecord& chosen,
                                                PreferencesRecord& record) {
    ShutTheBoxOptionsOutcome outcome;
    outcome.newVsComputer = ApplyShutTheBoxOpponent(chosen, record);
    outcome.nameChanged = ApplyShutTheBoxName(chosen, record);
    return outcome;
}

Opponent PokerDiceOpponentOf(const PreferencesRecord& record) {
    return opponentOf(record.pokerDiceApprentice, record.pokerDiceMage, record.pokerDiceWizard);
}

void SetPokerDiceOpponent(PreferencesRecord& record, Opponent opponent) {
    setOpponent(record.pokerDiceApprentice, record.pokerDiceMage, record.pokerDiceWizard, opponent);
}

PokerDiceOptionsRecord FillPokerDiceOptions(const PreferencesRecord& record) {
    PokerDiceOptionsRecord fill;
    switch (PokerDiceOpponentOf(record)) {
    case Opponent::Apprentice:
        fill.apprentice = true;
        break;
    case Opponent::Mage:
        fill.mage = true;
        break;
    case Opponent::Wizard:
        fill.wizard = true;
        break;
    case Opponent::Player2:
        fill.player2 = true;
        break;
    }
    fill.threeRolls = record.rollsPerTurn == 3;
    fill.twoRolls = !fill.threeRolls;
    fill.acesWild = record.acesWild != 0;
    return fill;
}

std::optional<Opponent> ApplyPokerDiceOpponent(const PokerDiceOptionsRecord& chosen,
                                               PreferencesRecord& record) {
    const Opponent current = PokerDiceOpponentOf(record);
    const std::optional<Opponent> next =
        ChosenOpponent(chosen.apprentice, chosen.mage, chosen.wizard, chosen.player2, current);
    if (!next)
        return std::nullopt;
    if (current == Opponent::Player2)
        StoreCoins(record, record.player2(), 2);
    SetPokerDiceOpponent(record, *next);
    if (*next == Opponent::Player2)
        AdoptCoins(record, record.player2(), 2);
    return next;
}

bool ApplyPokerDiceName(const PokerDiceOptionsRecord& chosen, PreferencesRecord& record) {
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

std::optional<int> ApplyPokerDiceRolls(const PokerDiceOptionsRecord& chosen,
                                       PreferencesRecord& record) {
    if (chosen.twoRolls && record.rollsPerTurn == 3)
        record.rollsPerTurn = 2;
    else if (chosen.threeRolls && record.rollsPerTurn == 2)
        record.rollsPerTurn = 3;
    else
        return std::nullopt;
    return record.rollsPerTurn;
}

std::optional<bool> ApplyPokerDiceAcesWild(const PokerDiceOptionsRecord& chosen,
                                           PreferencesRecord& record) {
    if (chosen.acesWild == (record.acesWild != 0))
        return std::nullopt;
    record.acesWild = chosen.acesWild;
    return chosen.acesWild;
}

} // namespace tumbledown
