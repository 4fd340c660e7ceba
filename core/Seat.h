// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The two places at a board, shared by the three games and their rules (plain
// C++). Player one is always a person.

namespace tumbledown {

enum class Seat : int { One = 0, Two = 1 };

inline constexpr Seat other(Seat s) {
    return s == Seat::One ? Seat::Two : Seat::One;
}

// Player one is index 0, player two index 1.
inline constexpr int seatIndex(Seat s) {
    return static_cast<int>(s);
}

// The seat as the transcript numbers it.
inline constexpr const char* seatNumber(Seat s) {
    return s == Seat::One ? "1" : "2";
}

} // namespace tumbledown
