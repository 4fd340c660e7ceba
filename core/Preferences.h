// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "PreferencesRecord.h"

#include <functional>
#include <string>

namespace tumbledown {

// Asks for both player names and stores them in the record.
using NameAsker = std::function<void(PreferencesRecord&)>;

// Fresh settings: the names are asked for, every other field takes its default.
void SetDefaults(PreferencesRecord& record, const NameAsker& askNames);

// Fills the record from the file at path. A missing file gives the defaults; a
// short, unreadable or reset-flagged one gives the defaults after telling why.
void LoadPreferences(PreferencesRecord& record, const std::string& path, const NameAsker& askNames);

// Writes the record through a temporary file renamed over the old one, so a
// failed save leaves the previous file whole. A failure is shown in a box.
bool SavePreferences(const PreferencesRecord& record, const std::string& path);

// The coin tally: a person's balance follows their name between games.
void AdoptCoins(PreferencesRecord& record, const std::string& name, int player);
void StoreCoins(PreferencesRecord& record, const std::string& name, int player);

void clearTopScores(ScoreTable& table);

// The tip after current, wrapping to 1 past count (and from any nonsense value).
int nextTipNumber(int current, int count);

} // namespace tumbledown
