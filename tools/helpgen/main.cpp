// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

// helpgen: makes the help page the program opens from its source, drawing the
// chart of the computer players' win rates where the page marks its place,
// from the figures of the page's own tables.
//
// usage: helpgen SOURCE.html OUT.html

#include "Chart.h"
#include "Report.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>

using namespace tumbledown::levels;

namespace {

int fail(const std::string& message) {
    std::fprintf(stderr, "helpgen: %s\n", message.c_str());
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fputs("usage: helpgen SOURCE.html OUT.html\n", stderr);
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    if (!in)
        return fail(std::string("cannot read ") + argv[1]);
    std::string html = text.str();

    const std::size_t place = html.find(htmlChartPlace);
    if (place == std::string::npos)
        return fail(std::string(argv[1]) + " marks no place for the chart");
    const std::vector<ChartSection> sections = chartSections(chartFigures(html));
    if (sections.empty())
        return fail(std::string(argv[1]) + " has no win rates for the chart");
    html.replace(place, std::strlen(htmlChartPlace), chartHtml(sections));

    std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
    out << html;
    out.close();
    if (!out)
        return fail(std::string("cannot write ") + argv[2]);
    return 0;
}
