#include "BoardBackground.h"

#include "app/ProgramState.h"
#include "platform/Screen.h"

#include <algorithm>

namespace tumbledown {

void paintBoardBackground(const Bitmap& tile, const Bitmap& board) {
    Screen& s = screen();
    if ((s.width() > boardWidth || s.height() > boardHeight) && !tile.isNull()) {
        for (int y = 0; y < s.height(); y += tile.height())
            for (int x = 0; x < s.width(); x += tile.width())
                s.drawBitmapPart(tile, x, y, std::min(tile.width(), s.width() - x),
                                 std::min(tile.height(), s.height() - y));
    }
    const int rows = s.height() < 500 ? 421 : boardHeight;
    s.drawBitmapPart(board, boardOrigin.x, boardOrigin.y, boardWidth,
                     std::min(rows, board.height()));
}

} // namespace tumbledown
