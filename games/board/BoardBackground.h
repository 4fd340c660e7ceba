// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/Graphics.h"

namespace tumbledown {

// A game screen's backdrop: the wall tile repeated over a client area larger
// than the board, then the board at the origin (its bottom rows cut when the
// client area is less than 500 high). The board's pixels are let go once drawn.
void paintBoardBackground(const Bitmap& tile, const Bitmap& board);

} // namespace tumbledown
