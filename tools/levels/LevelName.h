// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/ComputerLevel.h"

namespace tumbledown::levels {

// The level as the reports and the help's figure keys name it.
inline const char* levelName(Level level) {
    switch (level) {
    case Level::Apprentice:
        return "apprentice";
    case Level::Mage:
        return "mage";
    case Level::Wizard:
        return "wizard";
    }
    return "?";
}

} // namespace tumbledown::levels
