// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RealClock.h"

#include <QDateTime>
#include <QEventLoop>
#include <QTimer>

namespace tumbledown {

RealClock::RealClock() {
    timer_.start();
}

std::uint32_t RealClock::now() const {
    return static_cast<std::uint32_t>(timer_.elapsed());
}

void RealClock::sleepFor(std::uint32_t ms) {
    const qint64 deadline = timer_.nsecsElapsed() + qint64{ms} * 1000000;
    for (;;) {
        const qint64 remainingNs = deadline - timer_.nsecsElapsed();
        if (remainingNs <= 0) {
            advanced();
            return;
        }
        // Sleep in the event loop until the deadline; a precise timer may fire a
        // fraction early, so the loop checks again.
        QEventLoop loop;
        QTimer::singleShot(static_cast<int>((remainingNs + 999999) / 1000000), Qt::PreciseTimer,
                           &loop, &QEventLoop::quit);
        loop.exec();
    }
}

std::int64_t RealClock::localSeconds() const {
    const QDateTime local = QDateTime::currentDateTime();
    // Seconds of the local wall time, as if the local zone were UTC.
    return local.toSecsSinceEpoch() + local.offsetFromUtc();
}

} // namespace tumbledown
