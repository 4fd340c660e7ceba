// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "TenThouBoard.h"
#include "TenThouComputer.h"
#include "TenThouRules.h"
#include "core/GameSettings.h"
#include "games/board/BoardButtons.h"
#include "games/board/GameSounds.h"
#include "games/board/MessagePanel.h"

#include <optional>
#include <string>
#include <vector>

namespace tumbledown {

class GameShell;

namespace tenthousand {

// Set when 10,000 is left or its players are reset: the next game-end message
// dismissed by a left click then skips its top-scores box once. It outlives
// the game object.
inline bool skipScoresOnce = false;

enum class OptionPrompt { None, Start, Win };
// How a message was dismissed: only a left click may skip the top scores once.
enum class DismissBy { LeftClick, RightClick, Key };

// The game of 10,000 on its board: turns, messages, the computer's turns and
// the end of a game, played out with the board's pictures, waits and sounds.
// Lives exactly while 10,000 is on view.
class TenThouGame {
public:
    explicit TenThouGame(GameShell& shell);
    ~TenThouGame();
    TenThouGame(const TenThouGame&) = delete;
    TenThouGame& operator=(const TenThouGame&) = delete;

    void paint();

    // A person's moves. Each may be followed by the computer's turn.
    void clickPane(Pane pane); // a left click on a pane, ROLL or PASS
    void undoPane(Pane pane);  // a right click on a scoring pane
    void roll();
    void pass();
    void dismiss(DismissBy how);
    void play();
    void resetPlayers();

    // After the opponent or a name changed.
    void newFirstPlayer();
    void newGame();
    void topScoresBox() const;
    // Player names shown again (after a name clash was mended).
    void drawNames() const;

    bool messageShowing() const { return panel_.showing(); }
    const std::vector<std::string>& messageLines() const { return panel_.lines(); }
    OptionPrompt optionPrompt() const { return prompt_; }
    BoardButtons& buttons() { return buttons_; }
    const TenThouSettings& settings() const { return settings_; }
    const TenThouRules& rules() const { return rules_; }

private:
    // Starts the handling of one key, click or command: at most one computer
    // turn is started by each.
    void beginEvent() { computerStarted_ = false; }

    class ComputerView;

    void doRoll();
    void showRoll(const DiceValues& before, const RollResult& result);
    void doPass();
    void scorePane(Pane pane);
    void showScore(const DiceValues& before, const ScoreResult& result);
    void disasterSequence();
    void endTurn(const TurnEnd& end, const DiceValues& before);
    void gameEnd();
    void startNewGame();
    void showStartPrompt();
    void showWelcome() const;
    void blinkTurnMarker() const;
    void drawScores(Seat seat) const;
    void drawBothScores() const;
    void reportTurn() const;
    void reportDice() const;

    Opponent computerLevel() const { return settings_.opponent(); }
    // The computer plays when it is player two's turn, once per event.
    void computerTurnIfDue();
    void computerTurn(Level level);

    std::string displayName(Seat seat, bool shortApprentice = false) const;
    DiceValues values() const;
    int stepDelay() const { return settings_.delay(); }

    GameShell& shell_;
    TenThouSettings settings_;
    TenThouRules rules_;
    TenThouBoard board_;
    MessagePanel panel_;
    BoardButtons buttons_;
    GameSounds sounds_;

    bool firstPaint_ = true;
    OptionPrompt prompt_ = OptionPrompt::None;
    bool disasterPending_ = false;
    bool gameOverPending_ = false;
    bool startPending_ = false;
    bool computerStarted_ = false;
};

} // namespace tenthousand

using tenthousand::TenThouGame;

} // namespace tumbledown
