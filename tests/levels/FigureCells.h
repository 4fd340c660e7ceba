// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Reads the figures that the help page (or the tool's --html output) shows:
// every table cell with a data-figure key, and the number it displays.

#include <cmath>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

namespace tumbledown::levels::testing {

struct ShownFigure {
    std::string key;
    std::string text;    // the cell's text before its interval
    double value = 0;    // as a share for percentages
    double halfUnit = 0; // half the last digit shown, in the same unit
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
            f = ShownFigure{"", html.substr(textStart, textEnd - textStart), NAN, 0};
        f->key = html.substr(keyStart, keyEnd - keyStart);
        found.push_back(*f);
    }
    return found;
}

} // namespace tumbledown::levels::testing
