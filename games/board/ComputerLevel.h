// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The three computer players of 10,000 and Poker Dice. Plain C++: the rules
// and the boards both use it.

#include <cstdint>
#include <optional>

namespace tumbledown {

enum class Level { Apprentice, Mage, Wizard };

// The level whose flag the record sets, the lowest first; none: player two is
// a person.
inline std::optional<Level> levelFromFlags(std::uint8_t apprentice, std::uint8_t mage,
                                           std::uint8_t wizard) {
    if (apprentice)
        return Level::Apprentice;
    if (mage)
        return Level::Mage;
    if (wizard)
        return Level::Wizard;
    return std::nullopt;
}

// The computer's name on the board. Some notices have always spelt the
// Apprentice short.
inline const char* levelName(Level level, bool shortApprentice) {
    switch (level) {
    case Level::Apprentice:
        return shortApprentice ? "APRENTICE" : "APPRENTICE";
    case Level::Mage:
        return "MAGE";
    case Level::Wizard:
        return "WIZARD";
    }
    return "";
}

} // namespace tumbledown
