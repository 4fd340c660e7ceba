// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

// How long delay(800) really takes with the real clock, and what CPU it uses.
#include "CpuTime.h"
#include "platform/RealClock.h"
#include "platform/System.h"

#include <QApplication>
#include <QElapsedTimer>

#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    tumbledown::RealClock clock;
    tumbledown::services().clock = &clock;
    constexpr int runs = 10;
    double shortest = 1e9, longest = 0;
    const double cpuBefore = cpuSeconds();
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        tumbledown::delay(800);
        const double ms = double(timer.nsecsElapsed()) / 1e6;
        shortest = std::min(shortest, ms);
        longest = std::max(longest, ms);
    }
    const double cpu = cpuSeconds() - cpuBefore;
    std::printf("delay(800) x %d: shortest %.2f ms, longest %.2f ms, CPU %.1f ms in all "
                "(%.2f%% of the wall time)\n",
                runs, shortest, longest, cpu * 1000, cpu * 100 / (runs * 0.8));
    return 0;
}
