// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Levels.h"

#include <string>
#include <vector>

namespace tumbledown::levels {

// The tables printed by default.
std::string textReport(const GameResults& results);

// One JSON object, {"game": ..., "seed": ..., "results": [...]}; docs/levels.md
// describes every field.
std::string jsonReport(const GameResults& results);

// The tables of the help's section on the computer players' strength: every
// figure cell carries its key (data-figure) so that a test can hold the page
// to a fresh simulation.
std::string htmlReport(const GameResults& results);

// The help block's opening: the command and seed that made its figures, and
// the place of the chart, which the build draws there from the tables.
std::string htmlMadeBy(const std::vector<GameResults>& runs);
inline constexpr const char* htmlChartPlace = "<!-- the chart of the tables below -->";

// A level's name as the games show it: "WIZARD".
std::string displayName(Level level);

} // namespace tumbledown::levels
