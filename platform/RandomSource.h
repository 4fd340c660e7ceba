// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <deque>
#include <vector>

namespace tumbledown {

// The program's one pseudo-random generator: a 64-bit linear congruential
// generator whose draws are the upper 32 bits of the state with the top bit
// cleared. Tests and the replay mode can queue exact values ahead of it.
class RandomSource {
public:
    static constexpr std::uint64_t multiplier = (std::uint64_t{0x15A4} << 32) + 0x4E35;

    void seed(std::uint32_t seconds) { state_ = seconds; }
    std::int32_t draw();

    // The next draws return these values in order; a reseed keeps them.
    void queueValues(const std::vector<std::int32_t>& values);

    std::uint64_t state() const { return state_; }

private:
    std::uint64_t state_ = 0;
    std::deque<std::int32_t> queued_;
};

} // namespace tumbledown
