// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RandomSource.h"

namespace tumbledown {

std::int32_t RandomSource::draw() {
    if (!queued_.empty()) {
        const std::int32_t value = queued_.front();
        queued_.pop_front();
        return value;
    }
    state_ = state_ * multiplier + 1; // wraps modulo 2^64 by unsigned arithmetic
    return static_cast<std::int32_t>((state_ >> 32) & 0x7FFFFFFFu);
}

void RandomSource::queueValues(const std::vector<std::int32_t>& values) {
    queued_.insert(queued_.end(), values.begin(), values.end());
}

} // namespace tumbledown
