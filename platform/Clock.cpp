// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Clock.h"

namespace tumbledown {

void VirtualClock::advanceTo(std::uint32_t time) {
    if (time > now_)
        now_ = time;
    advanced();
}

} // namespace tumbledown
