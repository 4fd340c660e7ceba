// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/PreferencesRecord.h"

#include <string>

namespace tumbledown {

std::string TenThouTopScoresText(const PreferencesRecord& record);
std::string ShutTheBoxTopScoresText(const PreferencesRecord& record);
std::string PokerDiceTopScoresText(const PreferencesRecord& record);

// Each shows its table in a "Top Scores" box.
void ShowTenThouTopScores(const PreferencesRecord& record);
void ShowShutTheBoxTopScores(const PreferencesRecord& record);
void ShowPokerDiceTopScores(const PreferencesRecord& record);

} // namespace tumbledown
