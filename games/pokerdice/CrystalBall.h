// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The crystal ball in which the Poker Dice board talks to the players, in
// board coordinates: the art generator paints it here, and the message panel
// keeps its lines within it.

namespace tumbledown::pokerdice {

inline constexpr int crystalBallCentreX = 513;
inline constexpr int crystalBallCentreY = 295;
inline constexpr int crystalBallRadius = 105;

} // namespace tumbledown::pokerdice
