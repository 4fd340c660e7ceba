// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <stdexcept>
#include <string>

namespace tumbledown::levels {

// A simulated game broke one of its invariants: a score below zero, coins out
// of their limits, a board in an impossible state, or a computer player asking
// for something the rules refuse. The whole run stops with the message; a
// measurement of a faulty engine would be worthless.
class InvariantViolation : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The message is built only when the check fails, so checks cost a branch.
template <typename MakeMessage> inline void require(bool holds, MakeMessage&& message) {
    if (!holds) [[unlikely]]
        throw InvariantViolation(message());
}

inline void require(bool holds, const char* message) {
    if (!holds) [[unlikely]]
        throw InvariantViolation(message);
}

} // namespace tumbledown::levels
