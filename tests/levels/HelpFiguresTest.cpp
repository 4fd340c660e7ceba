// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The help page's figures on the computer players' strength must be what the
// code plays: a fresh, smaller simulation (another seed) must hold every one
// of them within its confidence intervals.

#include "FigureCells.h"
#include "Levels.h"
#include "Report.h"
#include "Runner.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>

#ifndef TUMBLEDOWN_HELP_FILE
#error "TUMBLEDOWN_HELP_FILE must name the help document"
#endif

namespace tumbledown::levels {
namespace {

std::string readHelp() {
    std::ifstream in(TUMBLEDOWN_HELP_FILE, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The section on the computer players' strength (it holds no other section).
std::string strengthSection(const std::string& html) {
    const std::size_t start = html.find("<section id=\"strength\">");
    const std::size_t end = html.find("</section>", start);
    return start == std::string::npos || end == std::string::npos ? ""
                                                                  : html.substr(start, end - start);
}

TEST(HelpFigures, TheSectionShowsTheFiguresThePlaceOfTheChartAndHowTheyWereMade) {
    const std::string section = strengthSection(readHelp());
    ASSERT_FALSE(section.empty()) << "no <section id=\"strength\"> in " << TUMBLEDOWN_HELP_FILE;
    EXPECT_NE(section.find("How strong are the computer players?"), std::string::npos);
    EXPECT_NE(section.find("tumbledown-levels"), std::string::npos) << "the command is missing";
    EXPECT_NE(section.find("--seed"), std::string::npos) << "the seed is missing";
    // The build draws the chart there from the tables.
    EXPECT_NE(section.find(htmlChartPlace), std::string::npos) << "the chart has no place";

    // The tables show each figure once; the sentences above them may quote a
    // figure again, and must quote it as the table shows it.
    std::map<std::string, std::string> shown;
    for (const auto& f : shownFigures(section)) {
        const auto [it, first] = shown.emplace(f.key, f.text);
        EXPECT_TRUE(first || it->second == f.text)
            << f.key << " is shown as " << it->second << " and as " << f.text;
    }
    for (const char* key :
         {"tenthousand:wizard-apprentice:a_won", "pokerdice:wizard-apprentice:3:plain:a_won",
          "pokerdice:wizard-apprentice:3:wild:a_won", "shutthebox:computer:plain:score",
          "shutthebox:optimal:plain:score", "shutthebox:computer:plain:won_vs_optimal"})
        EXPECT_EQ(shown.count(key), 1u) << key;
}

TEST(HelpFigures, EveryFigureLiesWithinAFreshSimulationsIntervals) {
    const std::vector<ShownFigure> shown = shownFigures(strengthSection(readHelp()));
    ASSERT_GT(shown.size(), 40u);

    // Enough play for a few seconds on one core; a seed of its own, so that
    // the check is independent of the run that made the page.
    std::map<std::string, Figure> measured;
    for (const auto& [game, games] : std::vector<std::pair<Game, std::int64_t>>{
             {Game::TenThousand, 8000}, {Game::PokerDice, 80000}, {Game::ShutTheBox, 20000}}) {
        RunOptions options;
        options.seed = 20240601;
        options.games = games;
        options.threads = defaultThreads();
        for (const Figure& f : figures(run(game, options)))
            measured.emplace(f.key, f);
    }

    // The intervals hold together at 95%: each is widened for the number of
    // figures (Bonferroni), or one in twenty pages would fail by chance alone.
    const double level = 1 - 0.05 / static_cast<double>(shown.size());
    for (const auto& s : shown) {
        const auto it = measured.find(s.key);
        ASSERT_NE(it, measured.end()) << "the help shows " << s.key << ", which is not measured";
        ASSERT_FALSE(std::isnan(s.value)) << s.key << " shows no number: " << s.text;
        const Interval ci = it->second.interval(level);
        EXPECT_GE(s.value + s.halfUnit + 1e-9, ci.low)
            << s.key << ": the help shows " << s.text << ", the code plays " << ci.low << " to "
            << ci.high << " (" << it->second.samples() << " samples)";
        EXPECT_LE(s.value - s.halfUnit - 1e-9, ci.high)
            << s.key << ": the help shows " << s.text << ", the code plays " << ci.low << " to "
            << ci.high << " (" << it->second.samples() << " samples)";
    }
}

} // namespace
} // namespace tumbledown::levels
