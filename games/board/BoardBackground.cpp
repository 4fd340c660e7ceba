// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BoardBackground.h"

#include "core/ProgramState.h"
#include "platform/Screen.h"

#include <algorithm>

namespace tumbledown {

void paintBoardBackground(const Bitmap& tile, const Bitmap& board) {
    Screen& s = screen();
    if (s.width() > boardWidth || s.height() > boardHeight)
        s.tileBitmap(tile);
    const int rows = s.height() < 500 ? 421 : boardHeight;
    s.drawBitmapPart(board, boardOrigin.x, boardOrigin.y, boardWidth,
                     std::min(rows, board.height()));
    // The image holds it now; only a full repaint (a new size or zoom) draws it
    // again, and at 3x it is near 10 MiB.
    board.release();
}

} // namespace tumbledown
