#include "TenThouGame.h"

#include "games/BoardBackground.h"
#include "platform/Screen.h"

namespace tumbledown {

TenThouGame::TenThouGame() : tile_(loadBitmap("BITMAP_141")), board_(loadBitmap("BITMAP_66")) {}

void TenThouGame::paint() {
    paintBoardBackground(tile_, board_);
    screen().present();
}

} // namespace tumbledown
