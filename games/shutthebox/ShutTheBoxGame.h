// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ShutTheBoxBoard.h"
#include "ShutTheBoxRules.h"
#include "core/GameSettings.h"
#include "games/board/BoardButtons.h"
#include "games/board/GameSounds.h"

#include <string>

namespace tumbledown {

class GameShell;

namespace shutthebox {

// The game of Shut The Box on its board: throws, shutting and reopening boxes,
// the ends of turns, rounds and games, the winner's banner, the computer's
// turn and the Gremlin, played out with the board's pictures, waits and
// sounds. Lives exactly while Shut The Box is on view.
class ShutTheBoxGame {
public:
    explicit ShutTheBoxGame(GameShell& shell);
    ShutTheBoxGame(const ShutTheBoxGame&) = delete;
    ShutTheBoxGame& operator=(const ShutTheBoxGame&) = delete;

    void paint();

    // A person's moves; ending a turn may be followed by the computer's.
    void rollOrEndTurn();
    void clickBox(int box);
    void useOneDie();
    // The "!" button: the Gremlin switched, and a new game.
    void toggleGremlin();

    // After the opponent, the Gremlin or a name changed.
    void newGame();
    void showTopScores() const;
    void drawNames() const;
    void showGremlinButton() const;

    BoardButtons& buttons() { return buttons_; }
    const ShutTheBoxSettings& settings() const { return settings_; }
    const ShutTheBoxRules& rules() const { return rules_; }

private:
    class BoardView;

    void showCup(const CupResult& result, bool afterGame);
    void showClick(int box, BoxOutcome outcome);
    // The Gremlin appears and its eyes roll to the box it flips.
    void gremlinLooks(int box);
    void showFlip(const FlipResult& flip);
    void showOneDie();
    void announceWinner(const GameResult& result);
    void computerTurn();

    void drawScoreLine(Seat seat) const;
    void drawBothScoreLines() const;
    void drawDiceInCup() const;
    void reportBoxes() const;
    void reportDice() const;
    void reportTurn() const;
    std::string playerTwoName() const;
    bool versusComputer() const { return settings_.vsComputer(); }
    int animationDelay() const { return settings_.delay(); }

    GameShell& shell_;
    ShutTheBoxSettings settings_;
    ShutTheBoxRules rules_;
    ShutTheBoxBoard board_;
    BoardButtons buttons_;
    GameSounds sounds_;
    Bitmap gremlinOff_;
    Bitmap gremlinOn_;
    bool firstPaint_ = true;
};

} // namespace shutthebox

using shutthebox::ShutTheBoxGame;

} // namespace tumbledown
