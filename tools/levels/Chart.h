// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Levels.h"

#include <QImage>
#include <QString>

#include <string>
#include <vector>

namespace tumbledown::levels {

// A measured share by its figure key ("tenthousand:wizard-apprentice:a_won").
struct ChartFigure {
    std::string key;
    double rate = 0;
    Interval interval;
};

// The figures of a run, or those the help page's tables show.
std::vector<ChartFigure> chartFigures(const std::vector<GameResults>& runs);
std::vector<ChartFigure> chartFigures(const std::string& html);

// One bar of the chart: a win rate with its confidence interval.
struct ChartBar {
    std::string label;
    double rate = 0;
    Interval interval;
};

struct ChartSection {
    std::string title;
    std::vector<ChartBar> bars;
};

// The win rates among the figures, in their order: the first named level's
// wins in every pairing of two different levels (10,000, Poker Dice), and the
// computer's wins against the best play in games to 100 (Shut The Box).
std::vector<ChartSection> chartSections(const std::vector<ChartFigure>& figures);

// The chart as the help shows it: HTML bars with text labels, which the
// page's style sheet lays out at any width.
std::string chartHtml(const std::vector<ChartSection>& sections);

// The chart as a picture: a bar per rate from 0 to 100%, its 95% interval as
// a whisker, a line at 50%. Needs a QGuiApplication for the fonts.
QImage paintChart(const std::vector<ChartSection>& sections);

// Paints and saves a PNG; false with a reason when it cannot be written.
bool writeChart(const std::vector<GameResults>& runs, const QString& path, QString& error);

// Where the parts of the picture lie, for the painter and its tests.
struct ChartLayout {
    static constexpr int width = 760;
    static constexpr int labelWidth = 250;
    static constexpr int plotLeft = labelWidth + 10;
    static constexpr int plotRight = width - 40;
    static constexpr int titleHeight = 44;
    static constexpr int sectionHeight = 26;
    static constexpr int barPitch = 20;
    static constexpr int barHeight = 13;
    static constexpr int axisHeight = 30;

    static int xOf(double rate) {
        return plotLeft + static_cast<int>(rate * (plotRight - plotLeft) + 0.5);
    }
    static int height(const std::vector<ChartSection>& sections);
};

} // namespace tumbledown::levels
