#pragma once

#include "PreferencesRecord.h"

#include <cstdint>
#include <string>

namespace tumbledown {

inline constexpr std::uint32_t billionaire = 1000000000u;

// Coin tables compare coins as unsigned. A person already listed has their
// entry raised; a newcomer takes the first place whose coins are lower.
void EnterCoinTopScore(ScoreTable& table, const std::string& name, std::uint32_t coins);

// Admits a person with at least a billion coins who is not yet a member, at
// the first place whose coins are lower. True when they entered.
bool AdmitToBillionaireClub(ScoreTable& club, const std::string& name, std::uint32_t coins);

// The admission check made after the Poker Dice scores are viewed: player 1 only.
void CheckClubAdmissionOfPlayer1(PreferencesRecord& record);

} // namespace tumbledown
