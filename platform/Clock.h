// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <functional>

namespace tumbledown {

// The millisecond clock behind every wait of the program.
class Clock {
public:
    virtual ~Clock() = default;
    virtual std::uint32_t now() const = 0;
    // Returns after at least ms milliseconds, keeping the window alive meanwhile.
    virtual void sleepFor(std::uint32_t ms) = 0;
    // Local date and time in seconds since 1970, the seed of the random source.
    virtual std::int64_t localSeconds() const = 0;

    // Called after every wait, so that scripted input can arrive "meanwhile".
    void setOnAdvance(std::function<void()> hook) { onAdvance_ = std::move(hook); }

protected:
    void advanced() const {
        if (onAdvance_)
            onAdvance_();
    }

private:
    std::function<void()> onAdvance_;
};

// Advances at once by the amount asked: replay runs and tests. Time starts at 0;
// the local time is a fixed epoch plus the virtual seconds elapsed.
class VirtualClock : public Clock {
public:
    explicit VirtualClock(std::int64_t epoch) : epoch_(epoch) {}

    std::uint32_t now() const override { return now_; }
    void sleepFor(std::uint32_t ms) override { advanceTo(now_ + ms); }
    std::int64_t localSeconds() const override { return epoch_ + now_ / 1000; }

    void advanceTo(std::uint32_t time);

private:
    std::int64_t epoch_;
    std::uint32_t now_ = 0;
};

} // namespace tumbledown
