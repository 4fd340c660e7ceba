// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "PokerDiceBoard.h"
#include "PokerDiceRules.h"
#include "core/GameSettings.h"
#include "games/board/BoardButtons.h"
#include "games/board/GameSounds.h"
#include "games/board/MessagePanel.h"

#include <array>
#include <initializer_list>
#include <optional>
#include <string>

namespace tumbledown {

class GameShell;

namespace pokerdice {

// The tables a settled hand goes into, kept in the preferences record under
// the players' current names.
class RecordTables final : public CoinTables {
public:
    void enterTopScore(Seat seat, std::uint32_t coins) override;
    bool admitToClub(Seat seat, std::uint32_t coins) override;
};

// Poker Dice on its board: the bet, the turns with their rolls, discards and
// undos, the settlement of each hand with its grants and the Billionaire
// Club, and the computer's turns, played out with the board's pictures, waits
// and sounds. Lives exactly while Poker Dice is on view; the coins, the bet and
// the tables live in the preferences record.
class PokerDiceGame {
public:
    explicit PokerDiceGame(GameShell& shell);
    PokerDiceGame(const PokerDiceGame&) = delete;
    PokerDiceGame& operator=(const PokerDiceGame&) = delete;

    void paint();

    // A person's moves. Ending a turn may be followed by the computer's.
    void endTurn();
    void discard(int die);
    void undoDiscards();
    // The panel's words and the ROLL candle and space bar, which take the panel down.
    void play();
    void resetPlayers();
    void rollCandle();
    void spaceBar();
    // The aces-wild button: refused once anyone has rolled in this hand.
    void toggleAcesWild();
    // The abacus: a digit's upper or lower half, or a bead (rod, place).
    void clickDigit(int digit, bool upperHalf);
    void clickBead(int rod, int place);

    // After the opponent, the number of rolls, aces wild or a name changed.
    void startMatch();
    // "Reset Coins to 5000", then a new match.
    void resetCoins();
    // The Billionaire Club and the top scores take a settled hand's coins,
    // wherever the pending flag would otherwise be dropped.
    void flushPendingTables();

    void topScoresBox() const;
    void drawNames() const;
    void showAcesWildButton() const;

    bool panelUp() const { return panel_.showing(); }
    const std::vector<std::string>& messageLines() const { return panel_.lines(); }
    // The bet may be changed on the abacus: between hands, with the panel up.
    bool betMayChange() const { return panel_.showing() && rules_.betMayChange(); }
    BoardButtons& buttons() { return buttons_; }
    const PokerDiceSettings& settings() const { return settings_; }
    const PokerDiceRules& rules() const { return rules_; }

private:
    class ComputerView;

    void chooseFirstPlayer();
    void newHand();
    void doRoll();
    void settle();
    void computerTurn();
    // A roll asked for by a person while the computer is to play starts the
    // computer's turn instead: nobody rolls the computer's dice for it.
    void personRolls();

    void showRoll(const RollResult& result);
    void showDiscard(const DiscardResult& result);
    void blinkMarker();
    void showPanel();
    void writeFirstPlayerMessage(Seat first);
    // The panel's ten lines: these first, then the rest of the usual prompt
    // to bet and choose an option.
    void writeMessage(std::initializer_list<std::string> head);

    // The bet: clamped, then the abacus (click.wav when asked for or when the
    // clamp changed it) and the digits.
    void redrawBet(bool click);
    void showBet(const Stakes& shown, bool click);
    void drawCoinPlates(const Stakes& shown);

    // The record keeps the people's coins and the bet; the rules work on a copy.
    void loadSettings();
    void saveStakes();

    void reportTurn() const;
    void reportDice() const;
    void reportHand(Seat seat, const ClassifiedHand& hand) const;
    void reportCoins(const Stakes& shown) const;

    Opponent level() const { return settings_.opponent(); }
    std::string displayName(Seat seat, bool shortApprentice = false) const;
    int step() const { return settings_.delay(); }

    GameShell& shell_;
    PokerDiceSettings settings_;
    PokerDiceRules rules_;
    RecordTables tables_;
    PokerDiceBoard board_;
    MessagePanel panel_;
    BoardButtons buttons_;
    GameSounds sounds_;

    std::array<std::string, 10> message_;
    bool firstPaint_ = true;
    bool repaintMessage_ = false;
};

} // namespace pokerdice

using pokerdice::PokerDiceGame;

} // namespace tumbledown
