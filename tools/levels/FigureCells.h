// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Reads the figures that the help page (or the tool's --html output) shows:
// every table cell with a data-figure key, the number it displays and the
// interval beneath it.

#include "Stats.h"

#include <cmath>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

namespace tumbledown::levels {

struct ShownFigure {
    std::string key;
    std::string text;                 // the cell's text before its interval
    double value = 0;                 // as a share for percentages
    double halfUnit = 0;              // half the last digit shown, in the same unit
    std::optional<Interval> interval; // "68.1&ndash;68.5", "+3.8 to +4.7", in the value's unit
};

// "71.2%", "+12.3", "&minus;0.4", "11.009"; nullopt when there is no number.
inline std::optional<ShownFigure> parseShown(const std::string& text) {
    std::size_t i = 0;
    double sign = 1;
    if (text.compare(0, 7, "&minus;") == 0) {
        sign = -1;
        i = 7;
    } else if (text.compare(0, 3, "\xE2\x88\x92") == 0) {
        sign = -1;
        i = 3;
    } else if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
        sign = text[0] == '-' ? -1 : 1;
        i = 1;
    }
    std::string digits;
    int decimals = -1;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            digits += c;
            if (decimals >= 0)
                ++decimals;
        } else if (c == '.' && decimals < 0) {
            digits += c;
            decimals = 0;
        } else if (c != ',') {
            break;
        }
    }
    if (digits.empty())
        return std::nullopt;
    ShownFigure f;
    f.text = text;
    const bool percent = i < text.size() && text[i] == '%';
    const double scale = percent ? 0.01 : 1.0;
    f.value = sign * std::strtod(digits.c_str(), nullptr) * scale;
    f.halfUnit = 0.5 * std::pow(10.0, -(decimals < 0 ? 0 : decimals)) * scale;
    return f;
}

// The interval under a figure: two numbers joined by an en dash or " to ",
// in the unit of the figure (a percentage's bounds carry no % sign).
inline std::optional<Interval> parseInterval(const std::string& text, const ShownFigure& figure) {
    for (const std::string joint : {"&ndash;", " to "}) {
        const std::size_t at = text.find(joint);
        if (at == std::string::npos)
            continue;
        const std::size_t start = text.find_first_not_of(" \n");
        const auto low = parseShown(text.substr(start, at - start));
        const auto high = parseShown(text.substr(at + joint.size()));
        if (!low || !high)
            return std::nullopt;
        const bool percent = figure.text.find('%') != std::string::npos;
        const double scale = percent ? 0.01 : 1.0;
        return Interval{low->value * scale, high->value * scale};
    }
    return std::nullopt;
}

// Every <td ... data-figure="key">text<span ...>interval</span></td> of the page.
inline std::vector<ShownFigure> shownFigures(const std::string& html) {
    std::vector<ShownFigure> found;
    const std::string marker = "data-figure=\"";
    for (std::size_t pos = html.find(marker); pos != std::string::npos;
         pos = html.find(marker, pos + 1)) {
        const std::size_t keyStart = pos + marker.size();
        const std::size_t keyEnd = html.find('"', keyStart);
        const std::size_t textStart = html.find('>', keyEnd) + 1;
        std::size_t textEnd = html.find('<', textStart);
        if (keyEnd == std::string::npos || textEnd == std::string::npos)
            break;
        std::optional<ShownFigure> f = parseShown(html.substr(textStart, textEnd - textStart));
        if (!f)
            f = ShownFigure{"", html.substr(textStart, textEnd - textStart), NAN, 0, {}};
        f->key = html.substr(keyStart, keyEnd - keyStart);
        if (html.compare(textEnd, 5, "<span") == 0) {
            const std::size_t spanText = html.find('>', textEnd) + 1;
            const std::size_t spanEnd = html.find('<', spanText);
            if (spanEnd != std::string::npos)
                f->interval = parseInterval(html.substr(spanText, spanEnd - spanText), *f);
        }
        found.push_back(*f);
    }
    return found;
}

} // namespace tumbledown::levels
