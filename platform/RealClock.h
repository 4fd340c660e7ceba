// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Clock.h"

#include <QElapsedTimer>

namespace tumbledown {

// Wall-clock time. Waiting runs a nested event loop on a precise timer, so the
// CPU sleeps, the window repaints and the desktop gets its answers; user input
// meanwhile is held in the program's own queue (see InputCapture).
class RealClock : public Clock {
public:
    RealClock();
    std::uint32_t now() const override;
    void sleepFor(std::uint32_t ms) override;
    std::int64_t localSeconds() const override;

private:
    QElapsedTimer timer_;
};

} // namespace tumbledown
