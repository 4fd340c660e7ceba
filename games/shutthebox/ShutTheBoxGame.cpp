#include "ShutTheBoxGame.h"

#include "games/board/BoardBackground.h"
#include "platform/Screen.h"

namespace tumbledown {

ShutTheBoxGame::ShutTheBoxGame()
    : tile_(loadBitmap("BITMAP_140")), board_(loadBitmap("BITMAP_1")) {}

void ShutTheBoxGame::paint() {
    paintBoardBackground(tile_, board_);
    screen().present();
}

} // namespace tumbledown
