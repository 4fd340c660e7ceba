// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The runner: its seeds, a failing task, and the progress line. (That threads
// change no figure is held by the command-line test, through the real tool.)

#include "Runner.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <stdexcept>
#include <thread>

namespace tumbledown::levels {
namespace {

TEST(Runner, ChunksAndGamesGetUnrelatedSeeds) {
    EXPECT_NE(chunkSeed(1, Stream::TenThousand, 0, 0), chunkSeed(1, Stream::TenThousand, 0, 1));
    EXPECT_NE(chunkSeed(1, Stream::TenThousand, 0, 0), chunkSeed(1, Stream::TenThousand, 1, 0));
    EXPECT_NE(chunkSeed(1, Stream::TenThousand, 0, 0), chunkSeed(1, Stream::ShutTheBox, 0, 0));
    EXPECT_NE(chunkSeed(1, Stream::TenThousand, 0, 0), chunkSeed(2, Stream::TenThousand, 0, 0));
}

TEST(Runner, AFailingTaskStopsTheRunAndIsReported) {
    // One thread: exactly the tasks up to the failing one ran.
    int ran = 0;
    try {
        runTasks(1000, 1, [&](int t, RandomSource&) {
            ++ran;
            if (t == 17)
                throw std::runtime_error("task 17");
        });
        FAIL() << "the failure was swallowed";
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "task 17");
    }
    EXPECT_EQ(ran, 18);

    // Several: the others stop soon after. Their tasks take a while, so that a
    // run that went on would take seconds; a busy machine cannot pass it by luck.
    std::atomic<int> ranTogether{0};
    EXPECT_THROW(runTasks(1000, 3,
                          [&](int t, RandomSource&) {
                              ++ranTogether;
                              if (t == 17)
                                  throw std::runtime_error("task 17");
                              std::this_thread::sleep_for(std::chrono::milliseconds(5));
                          }),
                 std::runtime_error);
    EXPECT_LT(ranTogether.load(), 1000) << "the other tasks went on after the failure";
}

TEST(ProgressLine, ShowsTheBarTheRateAndTheTimeLeft) {
    EXPECT_EQ(ProgressMeter::line("10,000", "games", 0.25, 23456.4, 75, 8),
              "10,000 [##------]  25%  23,456 games/s  1:15 left");
    EXPECT_EQ(ProgressMeter::line("Poker Dice", "hands", 1.0, 1234567, 0, 4),
              "Poker Dice [####] 100%  1,234,567 hands/s  0:00 left");
    // Before anything is done there is no estimate.
    EXPECT_EQ(ProgressMeter::line("x", "turns", 0, 0, -1, 2), "x [--]   0%  0 turns/s");
    EXPECT_EQ(ProgressMeter::line("x", "turns", 0.5, 1, 3725, 2),
              "x [#-]  50%  1 turns/s  1:02:05 left");
}

// A disabled meter and an enabled one side by side: once the enabled one has
// drawn its line twice (polled, not slept for), the disabled one has had a
// whole drawing interval more and must still be silent; finishing wipes the line.
TEST(ProgressLine, DrawsAndWipesItsLineOnlyWhenEnabled) {
    std::FILE* shown = std::tmpfile();
    std::FILE* silent = std::tmpfile();
    ASSERT_TRUE(shown && silent);
    {
        ProgressMeter off("10,000", "games", 100, false, silent);
        ProgressMeter on("10,000", "games", 100, true, shown);
        on.add(50, 50);
        off.add(50, 50);
        // The ctest timeout bounds a meter that never draws.
        const auto drawnPast = [&](long size) {
            while (std::ftell(shown) <= size)
                std::this_thread::yield();
            return std::ftell(shown);
        };
        drawnPast(drawnPast(0));
        on.finish();
        off.finish();
    }
    EXPECT_EQ(std::ftell(silent), 0L);
    std::rewind(shown);
    char text[4096] = {};
    const std::size_t n = std::fread(text, 1, sizeof text - 1, shown);
    std::fclose(shown);
    std::fclose(silent);
    const std::string written(text, n);
    EXPECT_NE(written.find("10,000 ["), std::string::npos) << written;
    EXPECT_NE(written.find(" 50%"), std::string::npos) << written;
    EXPECT_EQ(written.substr(written.size() - 4), "\r\033[K") << "the line was not wiped";
}

} // namespace
} // namespace tumbledown::levels
