// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/PreferencesRecord.h"

#include <string>

namespace tumbledown {

std::string tenThouTopScoresText(const PreferencesRecord& record);
std::string shutTheBoxTopScoresText(const PreferencesRecord& record);
std::string pokerDiceTopScoresText(const PreferencesRecord& record);

// Each shows its table in a "Top Scores" box.
void showTenThouTopScores(const PreferencesRecord& record);
void showShutTheBoxTopScores(const PreferencesRecord& record);
void showPokerDiceTopScores(const PreferencesRecord& record);

} // namespace tumbledown
