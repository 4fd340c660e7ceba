// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FittedFont.h"

#include "platform/Screen.h"

#include <algorithm>

namespace tumbledown {

Font fittedFont(const Font& font, std::string_view line, int width) {
    constexpr int minimumStretch = 70;
    Font fitted = font;
    const int natural = fitted.font.stretch() > 0 ? fitted.font.stretch() : 100;
    for (int stretch = natural;
         stretch > minimumStretch && Screen::textWidth(fitted, line) > width;) {
        stretch = std::max(minimumStretch, stretch * width / Screen::textWidth(fitted, line) - 1);
        fitted.font.setStretch(stretch);
    }
    return fitted;
}

} // namespace tumbledown
