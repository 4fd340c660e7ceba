// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "games/board/GameScreen.h"

#include <array>

namespace tumbledown {

// The games the shell offers, in the order of the Game and Scores menus and
// of the top-scores dialog.
const std::array<const GameInfo*, 3>& gameList();

} // namespace tumbledown
