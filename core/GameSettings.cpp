// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "GameSettings.h"

#include <utility>

namespace tumbledown {

bool GameSettings::takeWelcome() const {
    return std::exchange(welcome_, 0) != 0;
}

Opponent LevelSettings::opponent() const {
    if (apprentice_)
        return Level::Apprentice;
    if (mage_)
        return Level::Mage;
    if (wizard_)
        return Level::Wizard;
    return std::nullopt;
}

void LevelSettings::setOpponent(Opponent opponent) const {
    apprentice_ = opponent == Level::Apprentice;
    mage_ = opponent == Level::Mage;
    wizard_ = opponent == Level::Wizard;
}

void LevelSettings::keepFirstLevel() const {
    if (apprentice_)
        mage_ = wizard_ = 0;
    else if (mage_)
        wizard_ = 0;
}

TenThouSettings::TenThouSettings(PreferencesRecord& r)
    : LevelSettings(r.tenThouDelay, r.tenThouWelcome, r.tenThouTopScores, r.tenThouApprentice,
                    r.tenThouMage, r.tenThouWizard) {}

PokerDiceSettings::PokerDiceSettings(PreferencesRecord& r)
    : LevelSettings(r.pokerDiceDelay, r.pokerDiceWelcome, r.pokerDiceTopScores,
                    r.pokerDiceApprentice, r.pokerDiceMage, r.pokerDiceWizard),
      record_(r) {}

std::uint32_t& PokerDiceSettings::coins(Seat seat) const {
    return seat == Seat::One ? record_.player1Coins : record_.player2Coins;
}

ShutTheBoxSettings::ShutTheBoxSettings(PreferencesRecord& r)
    : GameSettings(r.shutTheBoxDelay, r.shutTheBoxWelcome, r.shutTheBoxTopScores), record_(r) {}

} // namespace tumbledown
