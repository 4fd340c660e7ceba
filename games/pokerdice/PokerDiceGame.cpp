#include "PokerDiceGame.h"

#include "games/board/BoardBackground.h"
#include "platform/Screen.h"

namespace tumbledown {

PokerDiceGame::PokerDiceGame()
    : tile_(loadBitmap("BITMAP_147")), board_(loadBitmap("BITMAP_146")) {}

void PokerDiceGame::paint() {
    paintBoardBackground(tile_, board_);
    screen().present();
}

} // namespace tumbledown
