// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TenThouInput.h"

#include "PaneRegions.h"
#include "TenThouGame.h"
#include "TenThouLayout.h"
#include "core/ProgramState.h"
#include "games/board/BoardButtons.h"
#include "games/board/GameShell.h"

namespace tumbledown::tenthousand {

using namespace layout;

TenThouInput::TenThouInput(TenThouGame& game, const PaneRegions& panes, GameShell& shell)
    : game_(game), panes_(panes), shell_(shell) {}

void TenThouInput::leftDown(int x, int y) {
    if (!game_.messageShowing())
        leftDownOnBoard(x, y);
    else if (game_.optionPrompt() == OptionPrompt::None)
        game_.dismiss(DismissBy::LeftClick);
    else
        leftDownOnPrompt(x, y);
}

void TenThouInput::leftDownOnBoard(int x, int y) {
    if (const int pane = panes_.paneAt(x, y)) {
        game_.clickPane(static_cast<Pane>(pane));
    } else if (back.contains(x, y)) {
        shell_.leaveGame();
    } else if (game_.buttons().press(x, y)) {
        // the button has done its work
    } else if (players[0].name.contains(x, y) || players[1].name.contains(x, y)) {
        shell_.runOptionsDialog();
    }
}

void TenThouInput::leftDownOnPrompt(int x, int y) {
    if (playOption.contains(x, y))
        game_.play();
    else if (resetOption.contains(x, y))
        game_.resetPlayers();
    else if (quitOption.contains(x, y))
        shell_.leaveGame();
}

void TenThouInput::leftUp(int x, int y) {
    game_.buttons().release(x, y);
}

void TenThouInput::rightDown(int x, int y) {
    if (game_.messageShowing()) {
        game_.dismiss(DismissBy::RightClick);
    } else if (const int pane = panes_.scoringPaneAt(x, y)) {
        game_.undoPane(static_cast<Pane>(pane));
    }
}

void TenThouInput::character(char c) {
    if (game_.messageShowing()) {
        game_.dismiss(DismissBy::Key);
        return;
    }
    if (stepDelayByKey(c, game_.settings().delay()))
        return;
    switch (c) {
    case ' ':
        game_.roll();
        break;
    case 'p':
    case 'P':
        game_.pass();
        break;
    case 's':
    case 'S':
        game_.topScoresBox();
        break;
    default:
        break;
    }
}

} // namespace tumbledown::tenthousand
