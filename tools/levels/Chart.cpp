// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Chart.h"

#include "Report.h"

#include <QColor>
#include <QFile>
#include <QFont>
#include <QPainter>
#include <QPen>

#include <array>

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

QString qs(const std::string& s) {
    return QString::fromStdString(s);
}

QString pairing(const std::string& a, const std::string& b) {
    return qs(a + " v " + b);
}

} // namespace

int ChartLayout::height(const std::vector<ChartSection>& sections) {
    int h = titleHeight + axisHeight;
    for (const ChartSection& s : sections)
        h += sectionHeight + static_cast<int>(s.bars.size()) * barPitch;
    return h + 10;
}

std::vector<ChartSection> chartSections(const std::vector<GameResults>& runs) {
    std::vector<ChartSection> sections;
    for (const GameResults& run : runs) {
        ChartSection section;
        switch (run.game) {
        case Game::TenThousand:
            section.title = "10,000: the first named wins";
            for (const TenThouRow& row : run.tenThousand)
                if (row.a != row.b)
                    section.bars.push_back({pairing(displayName(row.a), displayName(row.b)),
                                            {row.tally.aWon, row.tally.played}});
            break;
        case Game::PokerDice:
            section.title = "Poker Dice: the first named wins a hand";
            for (const PokerRow& row : run.pokerDice) {
                const auto& s = row.setup;
                if (s.a == s.b)
                    continue;
                section.bars.push_back(
                    {pairing(displayName(s.a), displayName(s.b)) +
                         QString(", %1 rolls%2").arg(s.rolls).arg(s.acesWild ? ", wild" : ""),
                     {row.tally.aWon, row.tally.played}});
            }
            break;
        case Game::ShutTheBox:
            section.title = "Shut The Box: the COMPUTER beats the best play to 100";
            for (const ShutTheBoxRow& row : run.shutTheBox)
                if (row.vsOptimal.played > 0)
                    section.bars.push_back(
                        {row.gremlin ? "with the Gremlin" : "without the Gremlin",
                         {row.vsOptimal.won, row.vsOptimal.played}});
            break;
        }
        if (!section.bars.empty())
            sections.push_back(section);
    }
    return sections;
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
                   Qt::AlignLeft | Qt::AlignVCenter, sections[s].title);
        y += L::sectionHeight;
        for (const ChartBar& bar : sections[s].bars) {
            const int mid = y + L::barPitch / 2;
            p.setPen(ink);
            p.setFont(font(11));
            p.drawText(QRect(10, y, L::labelWidth - 10, L::barPitch),
                       Qt::AlignRight | Qt::AlignVCenter, bar.label);
            const int x0 = L::xOf(0);
            const int x1 = L::xOf(bar.rate.rate());
            p.fillRect(QRect(x0, mid - L::barHeight / 2, x1 - x0, L::barHeight),
                       colour.lighter(160));
            p.setPen(colour);
            p.drawRect(QRect(x0, mid - L::barHeight / 2, x1 - x0, L::barHeight));
            const Interval ci = bar.rate.interval();
            const int lo = L::xOf(ci.low);
            const int hi = L::xOf(ci.high);
            p.setPen(QPen(ink, 1));
            p.drawLine(lo, mid, hi, mid);
            p.drawLine(lo, mid - 4, lo, mid + 4);
            p.drawLine(hi, mid - 4, hi, mid + 4);
            p.drawText(QRect(hi + 5, y, 60, L::barPitch), Qt::AlignLeft | Qt::AlignVCenter,
                       QString::number(100 * bar.rate.rate(), 'f', 1) + "%");
            y += L::barPitch;
        }
    }
    p.end();
    return image;
}

bool writeChart(const std::vector<GameResults>& runs, const QString& path, QString& error) {
    const std::vector<ChartSection> sections = chartSections(runs);
    if (sections.empty()) {
        error = "nothing to draw";
        return false;
    }
    // A palette of the few colours drawn keeps the file small enough to embed in the help.
    const QImage image = paintChart(sections).convertToFormat(
        QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither);
    if (!image.save(path, "PNG")) {
        error = "cannot write " + path;
        return false;
    }
    return true;
}

std::string chartFigureHtml(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return "";
    const QByteArray png = file.readAll();
    QImage image;
    image.loadFromData(png, "PNG");
    // A CSS background, since the help's checks allow data: URLs only there;
    // the aspect ratio keeps the box the picture's shape at any width.
    return "<figure class=\"levels-chart\">\n<div class=\"chart\" role=\"img\" aria-label=\"Bar "
           "chart of the win rates in the tables below, each with its 95% confidence "
           "interval\" style=\"max-width: " +
           std::to_string(image.width()) + "px; aspect-ratio: " + std::to_string(image.width()) +
           " / " + std::to_string(image.height()) +
           "; background-image: url('data:image/png;base64," + png.toBase64().toStdString() +
           "')\"></div>\n<figcaption>How often each computer player wins; the whiskers are the "
           "95% confidence intervals.</figcaption>\n</figure>\n";
}

} // namespace tumbledown::levels
