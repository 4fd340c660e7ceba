// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Runner.h"

#include <algorithm>
#include <cmath>
#include <exception>

namespace tumbledown::levels {

namespace {

std::string clock(double seconds) {
    const auto s = static_cast<long>(std::lround(std::max(0.0, seconds)));
    char text[32];
    if (s >= 3600)
        std::snprintf(text, sizeof text, "%ld:%02ld:%02ld", s / 3600, s / 60 % 60, s % 60);
    else
        std::snprintf(text, sizeof text, "%ld:%02ld", s / 60, s % 60);
    return text;
}

} // namespace

std::string grouped(std::int64_t n) {
    const std::string digits = std::to_string(n < 0 ? -n : n);
    std::string out = n < 0 ? "-" : "";
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            out += ',';
        out += digits[i];
    }
    return out;
}

ProgressMeter::ProgressMeter(std::string label, std::string unit, std::int64_t totalWork,
                             bool enabled, std::FILE* out)
    : label_(std::move(label)), unit_(std::move(unit)),
      totalWork_(std::max<std::int64_t>(totalWork, 1)), out_(out),
      start_(std::chrono::steady_clock::now()) {
    if (!enabled) {
        done_ = true;
        return;
    }
    thread_ = std::thread([this] {
        std::unique_lock lock(mutex_);
        while (!wake_.wait_for(lock, std::chrono::milliseconds(200), [this] { return done_; }))
            draw();
    });
}

ProgressMeter::~ProgressMeter() {
    finish();
}

void ProgressMeter::finish() {
    {
        std::lock_guard lock(mutex_);
        if (done_ && !thread_.joinable())
            return;
        done_ = true;
    }
    wake_.notify_all();
    if (thread_.joinable()) {
        thread_.join();
        std::fputs("\r\033[K", out_);
        std::fflush(out_);
    }
}

std::string ProgressMeter::line(const std::string& label, const std::string& unit, double fraction,
                                double itemsPerSecond, double secondsLeft, int width) {
    fraction = std::clamp(fraction, 0.0, 1.0);
    const int filled = static_cast<int>(fraction * width);
    std::string bar(static_cast<std::size_t>(filled), '#');
    bar.append(static_cast<std::size_t>(width - filled), '-');
    char percent[8];
    std::snprintf(percent, sizeof percent, "%3d%%", static_cast<int>(fraction * 100));
    std::string text = label + " [" + bar + "] " + percent + "  " +
                       grouped(std::llround(itemsPerSecond)) + " " + unit + "/s";
    if (secondsLeft >= 0)
        text += "  " + clock(secondsLeft) + " left";
    return text;
}

void ProgressMeter::draw() {
    const double elapsed =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
    const auto work = work_.load(std::memory_order_relaxed);
    const auto items = items_.load(std::memory_order_relaxed);
    const double fraction = static_cast<double>(work) / static_cast<double>(totalWork_);
    const double rate = elapsed > 0 ? static_cast<double>(items) / elapsed : 0.0;
    const double left = work > 0 ? elapsed * (1 - fraction) / fraction : -1.0;
    std::fprintf(out_, "\r%s\033[K", line(label_, unit_, fraction, rate, left).c_str());
    std::fflush(out_);
}

void runTasks(int taskCount, int threads, const std::function<void(int, RandomSource&)>& task) {
    threads = std::clamp(threads, 1, std::max(taskCount, 1));
    std::atomic<int> next{0};
    std::atomic<bool> stop{false};
    std::mutex failureMutex;
    int failedTask = taskCount;
    std::exception_ptr failure;

    const auto worker = [&] {
        RandomSource random; // one per worker; each task reseeds it
        for (;;) {
            const int t = next.fetch_add(1);
            if (t >= taskCount || stop.load())
                return;
            try {
                task(t, random);
            } catch (...) {
                std::lock_guard lock(failureMutex);
                if (t < failedTask) {
                    failedTask = t;
                    failure = std::current_exception();
                }
                stop = true;
            }
        }
    };
    std::vector<std::thread> pool;
    for (int i = 1; i < threads; ++i)
        pool.emplace_back(worker);
    worker();
    for (std::thread& t : pool)
        t.join();
    if (failure)
        std::rethrow_exception(failure);
}

int defaultThreads() {
    const unsigned n = std::thread::hardware_concurrency();
    return n == 0 ? 1 : static_cast<int>(n);
}

} // namespace tumbledown::levels
