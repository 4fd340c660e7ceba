// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Seeding.h"

#include "platform/RandomSource.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace tumbledown::levels {

// A count with its thousands grouped by commas: "1,234,567".
std::string grouped(std::int64_t n);

// A progress line on standard error: a bar, the items per second and the time
// left. Drawn by a thread of its own a few times a second; silent unless
// enabled (the caller enables it only when standard error is a terminal).
class ProgressMeter {
public:
    ProgressMeter(std::string label, std::string unit, std::int64_t totalWork, bool enabled,
                  std::FILE* out = stderr);
    ~ProgressMeter();
    ProgressMeter(const ProgressMeter&) = delete;
    ProgressMeter& operator=(const ProgressMeter&) = delete;

    void add(std::int64_t work, std::int64_t items) {
        work_.fetch_add(work, std::memory_order_relaxed);
        items_.fetch_add(items, std::memory_order_relaxed);
    }
    // Stops drawing and wipes the line.
    void finish();

    // The line as it would be drawn; public for the tests.
    static std::string line(const std::string& label, const std::string& unit, double fraction,
                            double itemsPerSecond, double secondsLeft, int width = 24);

private:
    void draw();

    std::string label_;
    std::string unit_;
    std::int64_t totalWork_;
    std::FILE* out_;
    std::atomic<std::int64_t> work_{0};
    std::atomic<std::int64_t> items_{0};
    std::chrono::steady_clock::time_point start_;
    std::mutex mutex_;
    std::condition_variable wake_;
    bool done_ = false;
    std::thread thread_;
};

// Runs task(i, random) for every i in [0, taskCount) on `threads` workers, each
// with a generator of its own, taking tasks in order from a shared counter.
// Each task seeds the generator it is given; which worker runs it does not
// matter. The first exception thrown by a task (the lowest task index among
// those that threw) stops the others and is rethrown here.
void runTasks(int taskCount, int threads, const std::function<void(int, RandomSource&)>& task);

// One row of work: `items` items cut into chunks of `chunkSize`; each chunk
// plays from its own seed into its own tally, and the chunks' tallies are
// merged in order, so the row's tally depends on the seed and the row alone.
template <typename Tally, typename Play>
std::vector<Tally> runRows(Stream stream, std::uint64_t seed,
                           const std::vector<std::int64_t>& itemsPerRow, std::int64_t chunkSize,
                           int threads, Play play) {
    struct Chunk {
        int row;
        std::int64_t index;
        std::int64_t count;
    };
    std::vector<Chunk> chunks;
    for (int row = 0; row < static_cast<int>(itemsPerRow.size()); ++row)
        for (std::int64_t first = 0, i = 0; first < itemsPerRow[row]; first += chunkSize, ++i)
            chunks.push_back({row, i, std::min(chunkSize, itemsPerRow[row] - first)});
    std::vector<Tally> partial(chunks.size());
    runTasks(static_cast<int>(chunks.size()), threads, [&](int t, RandomSource& random) {
        const Chunk& c = chunks[static_cast<std::size_t>(t)];
        random.seed(chunkSeed(seed, stream, c.row, c.index));
        // Tallied on the worker's own stack: neighbouring chunks' tallies share
        // cache lines, and two workers writing them at every game would fight.
        Tally tally;
        play(c.row, c.count, random, tally);
        partial[static_cast<std::size_t>(t)] = tally;
    });
    std::vector<Tally> rows(itemsPerRow.size());
    for (std::size_t t = 0; t < chunks.size(); ++t)
        rows[static_cast<std::size_t>(chunks[t].row)].merge(partial[t]);
    return rows;
}

int defaultThreads();

} // namespace tumbledown::levels
