// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The chart of win rates: which bars it draws, read from a run or from the
// help's tables alike, and that they are drawn where their rates say.

#include "Chart.h"
#include "Report.h"

#include <QImage>

#include <gtest/gtest.h>

#include <cstdio>

namespace tumbledown::levels {
namespace {

GameResults fakeTenThousand() {
    GameResults r;
    r.game = Game::TenThousand;
    for (const auto& [a, b] : tenThousandPairings()) {
        TenThouRow row;
        row.a = a;
        row.b = b;
        row.tally.played = 100000;
        row.tally.aWon = a == b ? 50000 : 25000;
        r.tenThousand.push_back(row);
    }
    return r;
}

GameResults fakeShutTheBox() {
    GameResults r;
    r.game = Game::ShutTheBox;
    for (bool optimal : {false, true})
        for (bool gremlin : {false, true}) {
            ShutTheBoxRow row;
            row.optimal = optimal;
            row.gremlin = gremlin;
            if (!optimal)
                row.vsOptimal = {1000, 450, 540, 10};
            r.shutTheBox.push_back(row);
        }
    return r;
}

TEST(ChartSections, ShowTheWinRatesOfDifferentLevels) {
    const auto sections = chartSections(chartFigures({fakeTenThousand(), fakeShutTheBox()}));
    ASSERT_EQ(sections.size(), 2u);
    // The first section's first bar is drawn below.
    EXPECT_EQ(sections[0].bars.size(), 3u) << "a level against itself is left out";
    ASSERT_EQ(sections[1].bars.size(), 2u) << "the computer's games against the best play";
    EXPECT_EQ(sections[1].bars[1].label, "with the Gremlin");
    EXPECT_DOUBLE_EQ(sections[1].bars[1].rate, 0.45);
    EXPECT_TRUE(chartSections({}).empty());
}

// The build draws the help's chart from the tables the page shows: the same
// bars as the run behind them, to the digits shown.
TEST(ChartSections, ReadFromTheHelpTablesAsFromTheRun) {
    const std::vector<GameResults> runs{fakeTenThousand(), fakeShutTheBox()};
    const auto fromRun = chartSections(chartFigures(runs));
    const auto fromPage = chartSections(chartFigures(htmlReport(runs[0]) + htmlReport(runs[1])));
    ASSERT_EQ(fromPage.size(), fromRun.size());
    for (std::size_t s = 0; s < fromRun.size(); ++s) {
        ASSERT_EQ(fromPage[s].bars.size(), fromRun[s].bars.size()) << fromRun[s].title;
        for (std::size_t b = 0; b < fromRun[s].bars.size(); ++b) {
            const ChartBar& page = fromPage[s].bars[b];
            const ChartBar& run = fromRun[s].bars[b];
            EXPECT_EQ(page.label, run.label);
            EXPECT_NEAR(page.rate, run.rate, 0.0005) << run.label;
            EXPECT_NEAR(page.interval.low, run.interval.low, 0.0005) << run.label;
            EXPECT_NEAR(page.interval.high, run.interval.high, 0.0005) << run.label;
        }
    }
}

// In the page and in the picture alike.
TEST(Chart, DrawsEachBarAndWhiskerToItsRate) {
    const auto sections = chartSections(chartFigures({fakeTenThousand()}));
    const Interval ci = sections[0].bars[0].interval;
    char whisker[64];
    std::snprintf(whisker, sizeof whisker, "left: %.2f%%; right: %.2f%%", 100 * ci.low,
                  100 * (1 - ci.high));
    const std::string html = chartHtml(sections);
    const std::size_t bar = html.find("WIZARD v APPRENTICE</span>");
    ASSERT_NE(bar, std::string::npos) << html;
    EXPECT_EQ(html.find("style=\"width: 25.00%\"", bar), html.find("style=", bar));
    EXPECT_EQ(html.find(whisker, bar), html.find("left:", bar)) << whisker;
    EXPECT_NE(html.find(">25.0%<", bar), std::string::npos);

    const QImage image = paintChart(sections);
    ASSERT_EQ(image.width(), ChartLayout::width);
    ASSERT_EQ(image.height(), ChartLayout::height(sections));
    const QColor paper = image.pixelColor(ChartLayout::width - 3, 3);
    // The first bar, 25%: filled up to a quarter of the scale, empty beyond
    // its interval (between grid lines).
    const int y = ChartLayout::titleHeight + ChartLayout::sectionHeight + ChartLayout::barPitch / 2;
    EXPECT_NE(image.pixelColor(ChartLayout::xOf(0.15), y), paper);
    EXPECT_NE(image.pixelColor(ChartLayout::xOf(0.24), y - 3), paper);
    EXPECT_EQ(image.pixelColor(ChartLayout::xOf(0.45), y - 3), paper);
    EXPECT_EQ(image.pixelColor(ChartLayout::xOf(0.85), y - 3), paper);
}

} // namespace
} // namespace tumbledown::levels
