// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "PreferencesRecord.h"

#include <functional>
#include <string>

namespace tumbledown {

void UpperCaseName(std::string& name);

// The two players may not bear the same name: player 2 becomes "PLAYERB", the
// board on view (if any) shows the names again, and a warning explains why.
void CheckNameClash(PreferencesRecord& record, const std::function<void()>& redrawNames = {});

// Player names from what was typed: upper case, defaults for empty entries,
// then the clash rule.
void applyEnteredNames(PreferencesRecord& record, std::string first, std::string second);

} // namespace tumbledown
