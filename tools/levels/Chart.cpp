// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Chart.h"

#include "FigureCells.h"

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPen>

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>

namespace tumbledown::levels {

namespace {

const std::array<QColor, 3> sectionColours{QColor(0x08, 0x42, 0x73), QColor(0x8a, 0x2d, 0x1c),
                                           QColor(0x3c, 0x6e, 0x2f)};
const QColor ink(0x2b, 0x28, 0x25);
const QColor paper(0xff, 0xfd, 0xf8);
const QColor grid(0xdd, 0xd4, 0xc5);

QFont font(int pixels, bool bold = false) {
    QFont f("DejaVu Sans");
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

std::string upper(std::string s) {
    for (char& c : s)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

// "wizard-apprentice" as "WIZARD v APPRENTICE"; "" for a level against itself.
std::string pairingLabel(const std::string& pairing) {
    const std::size_t dash = pairing.find('-');
    if (dash == std::string::npos)
        return "";
    const std::string a = pairing.substr(0, dash);
    const std::string b = pairing.substr(dash + 1);
    return a == b ? "" : upper(a) + " v " + upper(b);
}

std::vector<std::string> keyParts(const std::string& key) {
    std::vector<std::string> parts;
    for (std::size_t start = 0; start <= key.size();) {
        const std::size_t end = std::min(key.find(':', start), key.size());
        parts.push_back(key.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

std::string percent(const char* pattern, double share) {
    char text[32];
    std::snprintf(text, sizeof text, pattern, 100 * share);
    return text;
}

} // namespace

int ChartLayout::height(const std::vector<ChartSection>& sections) {
    int h = titleHeight + axisHeight;
    for (const ChartSection& s : sections)
        h += sectionHeight + static_cast<int>(s.bars.size()) * barPitch;
    return h + 10;
}

std::vector<ChartFigure> chartFigures(const std::vector<GameResults>& runs) {
    std::vector<ChartFigure> out;
    for (const GameResults& run : runs)
        for (const Figure& f : figures(run))
            if (f.kind == Figure::Kind::Rate)
                out.push_back({f.key, f.value(), f.interval()});
    return out;
}

std::vector<ChartFigure> chartFigures(const std::string& html) {
    std::vector<ChartFigure> out;
    // The tables' cells carry an interval; a figure quoted in a sentence does not.
    for (const ShownFigure& f : shownFigures(html))
        if (f.interval)
            out.push_back({f.key, f.value, *f.interval});
    return out;
}

std::vector<ChartSection> chartSections(const std::vector<ChartFigure>& figures) {
    std::vector<ChartSection> sections{
        {"10,000: the first named wins", {}},
        {"Poker Dice: the first named wins a hand", {}},
        {"Shut The Box: the COMPUTER beats the best play to 100", {}}};
    for (const ChartFigure& f : figures) {
        const std::vector<std::string> p = keyParts(f.key);
        std::size_t section = 0;
        std::string label;
        if (p.size() == 3 && p[0] == "tenthousand" && p[2] == "a_won") {
            label = pairingLabel(p[1]);
        } else if (p.size() == 5 && p[0] == "pokerdice" && p[4] == "a_won") {
            section = 1;
            label = pairingLabel(p[1]);
            if (!label.empty())
                label += ", " + p[2] + " rolls" + (p[3] == "wild" ? ", wild" : "");
        } else if (p.size() == 4 && p[0] == "shutthebox" && p[3] == "won_vs_optimal") {
            section = 2;
            label = p[2] == "gremlin" ? "with the Gremlin" : "without the Gremlin";
        }
        if (!label.empty())
            sections[section].bars.push_back({label, f.rate, f.interval});
    }
    std::erase_if(sections, [](const ChartSection& s) { return s.bars.empty(); });
    return sections;
}

std::string chartHtml(const std::vector<ChartSection>& sections) {
    std::string out = "<figure class=\"levels-chart\">\n<figcaption>How often each computer player "
                      "wins: the bar is the share of games (hands) won, the whisker its 95% "
                      "confidence interval, the dashed line 50%.</figcaption>\n";
    for (std::size_t s = 0; s < sections.size(); ++s) {
        const std::string colour = std::to_string(s % sectionColours.size() + 1);
        out += "<p class=\"chart-head c" + colour + "\">" + sections[s].title + "</p>\n";
        for (const ChartBar& bar : sections[s].bars)
            out += "<div class=\"bar c" + colour + "\"><span class=\"label\">" + bar.label +
                   "</span>\n<span class=\"track\"><span class=\"fill\" style=\"width: " +
                   percent("%.2f%%", bar.rate) +
                   "\"></span>\n<span class=\"whisker\" style=\"left: " +
                   percent("%.2f%%", bar.interval.low) +
                   "; right: " + percent("%.2f%%", 1 - bar.interval.high) +
                   "\"></span></span>\n<span class=\"value\">" + percent("%.1f%%", bar.rate) +
                   "</span></div>\n";
    }
    out += "<div class=\"bar scale\"><span class=\"label\"></span><span class=\"track\">";
    for (int quarter = 0; quarter <= 4; ++quarter)
        out += "<span style=\"left: " + std::to_string(25 * quarter) + "%\">" +
               std::to_string(25 * quarter) + "%</span>";
    return out + "</span></div>\n</figure>\n";
}

QImage paintChart(const std::vector<ChartSection>& sections) {
    using L = ChartLayout;
    QImage image(L::width, L::height(sections), QImage::Format_RGB32);
    image.fill(paper);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, true);

    p.setPen(ink);
    p.setFont(font(15, true));
    p.drawText(QRect(10, 6, L::width - 20, 20), Qt::AlignLeft | Qt::AlignVCenter,
               "How often each computer player wins");
    p.setFont(font(11));
    p.drawText(QRect(10, 24, L::width - 20, 16), Qt::AlignLeft | Qt::AlignVCenter,
               "Bars: the share of games (hands) won; whiskers: the 95% confidence interval");

    const int top = L::titleHeight;
    const int bottom = L::height(sections) - 10 - L::axisHeight;
    // The grid: every 10%, stronger at 0, 50 and 100%.
    for (int tenth = 0; tenth <= 10; ++tenth) {
        const int x = L::xOf(tenth / 10.0);
        p.setPen(QPen(tenth % 5 == 0 ? ink : grid, 1, tenth == 5 ? Qt::DashLine : Qt::SolidLine));
        p.drawLine(x, top, x, bottom);
        if (tenth % 2 == 0) {
            p.setPen(ink);
            p.setFont(font(11));
            p.drawText(QRect(x - 25, bottom + 4, 50, 16), Qt::AlignCenter,
                       QString("%1%").arg(tenth * 10));
        }
    }

    int y = top;
    for (std::size_t s = 0; s < sections.size(); ++s) {
        const QColor colour = sectionColours[s % sectionColours.size()];
        // The section's title is written on clear paper, not across the grid.
        p.fillRect(QRect(0, y + 1, L::width, L::sectionHeight - 2), paper);
        p.setPen(colour);
        p.setFont(font(13, true));
        p.drawText(QRect(10, y + 4, L::width - 20, L::sectionHeight - 6),
                   Qt::AlignLeft | Qt::AlignVCenter, QString::fromStdString(sections[s].title));
        y += L::sectionHeight;
        for (const ChartBar& bar : sections[s].bars) {
            const int mid = y + L::barPitch / 2;
            p.setPen(ink);
            p.setFont(font(11));
            p.drawText(QRect(10, y, L::labelWidth - 10, L::barPitch),
                       Qt::AlignRight | Qt::AlignVCenter, QString::fromStdString(bar.label));
            const int x0 = L::xOf(0);
            const int x1 = L::xOf(bar.rate);
            p.fillRect(QRect(x0, mid - L::barHeight / 2, x1 - x0, L::barHeight),
                       colour.lighter(160));
            p.setPen(colour);
            p.drawRect(QRect(x0, mid - L::barHeight / 2, x1 - x0, L::barHeight));
            const Interval ci = bar.interval;
            const int lo = L::xOf(ci.low);
            const int hi = L::xOf(ci.high);
            p.setPen(QPen(ink, 1));
            p.drawLine(lo, mid, hi, mid);
            p.drawLine(lo, mid - 4, lo, mid + 4);
            p.drawLine(hi, mid - 4, hi, mid + 4);
            p.drawText(QRect(hi + 5, y, 60, L::barPitch), Qt::AlignLeft | Qt::AlignVCenter,
                       QString::fromStdString(percent("%.1f%%", bar.rate)));
            y += L::barPitch;
        }
    }
    p.end();
    return image;
}

bool writeChart(const std::vector<GameResults>& runs, const QString& path, QString& error) {
    const std::vector<ChartSection> sections = chartSections(chartFigures(runs));
    if (sections.empty()) {
        error = "nothing to draw";
        return false;
    }
    // A palette of the few colours drawn keeps the file small.
    const QImage image = paintChart(sections).convertToFormat(
        QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither);
    if (!image.save(path, "PNG")) {
        error = "cannot write " + path;
        return false;
    }
    return true;
}

} // namespace tumbledown::levels
