// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "PreferencesRecord.h"

#include <cstdint>
#include <string>

namespace tumbledown {

inline constexpr std::uint32_t billionaire = 1000000000u;

// Points tables (10,000, Shut The Box): the score takes the first place whose
// score is lower, below any equal score; entry 10 drops out. False when the
// score is not above any entry.
bool enterTopScore(ScoreTable& table, const std::string& name, std::int32_t score);

// Coin tables compare coins as unsigned. A person already listed has their
// entry raised; a newcomer takes the first place whose coins are lower.
void enterCoinTopScore(ScoreTable& table, const std::string& name, std::uint32_t coins);

// Admits a person with at least a billion coins who is not yet a member, at
// the first place whose coins are lower. True when they entered.
bool admitToBillionaireClub(ScoreTable& club, const std::string& name, std::uint32_t coins);

// The admission check made after the Poker Dice scores are viewed: player 1 only.
void checkClubAdmissionOfPlayer1(PreferencesRecord& record);

} // namespace tumbledown
