// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The three computer players of 10,000 and Poker Dice. Plain C++: the rules,
// the settings and the boards all use it.

#include <optional>

namespace tumbledown {

enum class Level { Apprentice, Mage, Wizard };

// Who plays seat two in 10,000 and Poker Dice: a computer at its level or,
// with none, the second person.
using Opponent = std::optional<Level>;

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
