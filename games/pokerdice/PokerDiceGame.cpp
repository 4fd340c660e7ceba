// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PokerDiceGame.h"

#include "CrystalBall.h"
#include "PokerDiceComputer.h"
#include "PokerDiceLayout.h"

#include "core/ProgramState.h"
#include "core/ScoreTables.h"
#include "dialogs/TopScoreViews.h"
#include "games/board/GameShell.h"
#include "platform/Screen.h"
#include "platform/System.h"
#include "platform/Transcript.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace tumbledown::pokerdice {

namespace {

using layout::panelFirstLineTop, layout::panelLineStep, layout::panelLineHeight;

// The width of the crystal ball at the middle of line i, less a margin.
int ballWidthAt(int line) {
    const double middle = panelFirstLineTop + panelLineStep * line + panelLineHeight / 2.0;
    const double dy = middle - crystalBallCentreY;
    const double r = crystalBallRadius;
    return static_cast<int>(2 * std::sqrt(std::max(0.0, r * r - dy * dy))) - 12;
}

const PanelLayout panelLayout{"pokerdice",
                              0,
                              layout::panel.x,
                              layout::panel.y,
                              layout::panel.width,
                              layout::panel.height,
                              layout::panel.x,
                              layout::panel.width,
                              panelFirstLineTop,
                              panelLineStep,
                              FontDescription{"Times New Roman", panelLineHeight, 0, 900, false},
                              layout::panelLines,
                              QColor(82, 70, 60),
                              &ballWidthAt};

// The prompt that stands between hands; a message replaces its first lines.
const std::array<const char*, 10> promptLines{"",
                                              "",
                                              "MAKE A BET, THEN",
                                              "CLICK AN OPTION BELOW",
                                              "",
                                              "\"PLAY\"",
                                              "",
                                              "\"RESET PLAYERS\"",
                                              "",
                                              "\"QUIT\""};

const char* const welcomeText = "  o   First player places bet on the abacus\n"
                                "  o   First player alternates each hand\n"
                                "  o   Touch a die to discard\n"
                                "  o   Re-roll dice, when ready\n"
                                "  o   Right-click to undo all discards\n"
                                "  o   Obtain the best hand\n"
                                "  o   Graduate to mage and wizard levels\n\n"
                                "  o   Touch \"?\" to seek further aid";

std::string playerName(Seat seat) {
    const PreferencesRecord& p = preferences();
    return seat == Seat::One ? p.player1() : p.player2();
}

} // namespace

void RecordTables::enterTopScore(Seat seat, std::uint32_t coins) {
    enterCoinTopScore(PokerDiceSettings(preferences()).topScores(), playerName(seat), coins);
}

bool RecordTables::admitToClub(Seat seat, std::uint32_t coins) {
    return admitToBillionaireClub(preferences().billionaireClub, playerName(seat), coins);
}

// The board's side of the computer's rolls.
class PokerDiceGame::ComputerView final : public ComputerTurnView {
public:
    explicit ComputerView(PokerDiceGame& game) : game_(game) {}
    void rolled(const RollResult& result) override { game_.showRoll(result); }
    void beforeDecision() override { delay(20 * game_.step()); }
    void discarded(const DiscardResult& result) override { game_.showDiscard(result); }
    void beforeReroll() override { delay(5 * game_.step()); }

private:
    PokerDiceGame& game_;
};

PokerDiceGame::PokerDiceGame(GameShell& shell)
    : shell_(shell), settings_(preferences()), panel_(panelLayout),
      buttons_(layout::buttons, settings_.delay(), shell),
      sounds_({"magic.wav", "click.wav", "loseall.wav", "cheering.wav"}) {
    loadSettings();
    rules_.pickPurse(services().random);
    seedRandom();
    rules_.clampBet();
    saveStakes();
}

std::string PokerDiceGame::displayName(Seat seat, bool shortApprentice) const {
    const std::optional<Level> computer = seat == Seat::Two ? level() : std::nullopt;
    return computer ? levelName(*computer, shortApprentice) : playerName(seat);
}

void PokerDiceGame::loadSettings() {
    rules_.setOpponent(level());
    rules_.setRollsPerTurn(settings_.rollsPerTurn());
    rules_.setAcesWild(settings_.acesWild());
    Stakes stakes = rules_.stakes();
    stakes.player1 = settings_.coins(Seat::One);
    stakes.player2 = settings_.coins(Seat::Two);
    stakes.bet = settings_.bet();
    rules_.setStakes(stakes);
}

void PokerDiceGame::saveStakes() {
    const Stakes& stakes = rules_.stakes();
    settings_.coins(Seat::One) = stakes.player1;
    settings_.coins(Seat::Two) = stakes.player2;
    settings_.bet() = stakes.bet;
}

// -- the transcript

void PokerDiceGame::reportTurn() const {
    transcript().write({"turn", "pokerdice", seatNumber(rules_.toPlay())});
}

void PokerDiceGame::reportDice() const {
    std::string faces;
    for (int die = 1; die <= 5; ++die)
        faces += (die > 1 ? "," : "") + std::to_string(rules_.onTable(die) ? rules_.die(die) : 0);
    transcript().write({"dice", "pokerdice", faces});
}

void PokerDiceGame::reportHand(Seat seat, const ClassifiedHand& hand) const {
    std::string key;
    for (int i = 1; i <= 5; ++i)
        key += (i > 1 ? "," : "") + std::to_string(hand.key[i]);
    transcript().write(
        {"hand", seatNumber(seat), std::to_string(static_cast<int>(hand.category)), key});
}

void PokerDiceGame::reportCoins(const Stakes& shown) const {
    const std::int64_t two = rules_.vsComputer() ? shown.purse : shown.player2;
    transcript().write(
        {"coins", std::to_string(shown.player1), std::to_string(two), std::to_string(shown.bet)});
}

// -- drawing

void PokerDiceGame::drawNames() const {
    board_.drawNames(displayName(Seat::One), displayName(Seat::Two));
}

void PokerDiceGame::drawCoinPlates(const Stakes& shown) {
    board_.drawCoins(shown.player1, rules_.vsComputer() ? shown.purse : shown.player2);
    reportCoins(shown);
}

void PokerDiceGame::showAcesWildButton() const {
    board_.drawAcesWild(settings_.acesWild());
}

void PokerDiceGame::redrawBet(bool click) {
    const bool clamped = rules_.clampBet();
    saveStakes();
    showBet(rules_.stakes(), click || clamped);
}

void PokerDiceGame::showBet(const Stakes& shown, bool click) {
    board_.drawAbacus(shown.bet);
    if (click)
        sounds_.play("click.wav");
    board_.drawDigits(shown.bet);
    reportCoins(shown);
}

void PokerDiceGame::writeMessage(std::initializer_list<std::string> head) {
    std::size_t i = 0;
    for (const std::string& line : head)
        message_[i++] = line;
    for (; i < message_.size(); ++i)
        message_[i] = promptLines[i];
}

void PokerDiceGame::writeFirstPlayerMessage(Seat first) {
    writeMessage({displayName(first, true) + " IS FIRST THIS TIME."});
}

void PokerDiceGame::showPanel() {
    panel_.show(std::vector<std::string>(message_.begin(), message_.end()));
}

void PokerDiceGame::blinkMarker() {
    const Seat seat = rules_.toPlay();
    board_.eraseMarker(other(seat));
    drawCoinPlates(rules_.stakes());
    for (int i = 0; i < 2; ++i) {
        board_.drawMarker(seat);
        delay(2 * step());
        board_.eraseMarker(seat);
        delay(2 * step());
    }
    board_.drawMarker(seat);
}

void PokerDiceGame::paint() {
    board_.paintBackground();
    board_.drawFlame(rules_.flame());
    buttons_.drawAll();
    showAcesWildButton();
    board_.drawExit();
    if (firstPaint_) {
        board_.saveBackgrounds();
        panel_.saveBoard();
    }
    board_.drawMarker(rules_.toPlay());
    board_.drawSign();
    drawNames();
    drawCoinPlates(rules_.stakes());
    for (int die = 1; die <= 5; ++die)
        if (rules_.onTable(die))
            board_.drawDie(die, 4, rules_.die(die));
    for (Seat seat : {Seat::One, Seat::Two})
        if (rules_.finished(seat))
            board_.drawRow(seat, rules_.row(seat));
    rules_.clampBet();
    saveStakes();
    showBet(rules_.stakes(), false);
    if (firstPaint_) {
        firstPaint_ = false;
        chooseFirstPlayer();
        newHand();
    } else if (repaintMessage_ || (rules_.finished(Seat::One) && rules_.finished(Seat::Two)) ||
               panel_.showing()) {
        // A settled hand's result gives way to the prompt for the next hand.
        repaintMessage_ = false;
        writeFirstPlayerMessage(rules_.toPlay());
        showPanel();
    }
    screen().present();
    if (settings_.takeWelcome())
        messageBox("Welcome to Poker Dice!", welcomeText);
}

// -- a match and its hands

void PokerDiceGame::chooseFirstPlayer() {
    const PokerDiceRules::FirstPlayer chosen = rules_.chooseFirstPlayer(services().random);
    writeFirstPlayerMessage(chosen.first);
    for (int die = 1; die <= 5; ++die)
        if (chosen.erased[die])
            board_.eraseDie(die);
    drawNames();
    showPanel();
}

void PokerDiceGame::newHand() {
    seedRandom();
    rules_.newHand();
    reportTurn();
    board_.eraseRows();
    board_.drawFlame(rules_.flame());
    drawNames();
    drawCoinPlates(rules_.stakes());
    blinkMarker();
}

void PokerDiceGame::startMatch() {
    loadSettings();
    chooseFirstPlayer();
    newHand();
    // Another opponent or another player's coins may not cover the bet shown.
    redrawBet(false);
}

void PokerDiceGame::resetCoins() {
    loadSettings();
    rules_.resetCoins();
    saveStakes();
    startMatch();
}

void PokerDiceGame::flushPendingTables() {
    rules_.flushPendingTables(tables_);
}

// -- a turn

void PokerDiceGame::showRoll(const RollResult& result) {
    if (result.clearRows)
        board_.eraseRows();
    board_.raise(result.rolled, rules_.dice(), step(), sounds_);
    reportDice();
    board_.drawFlame(rules_.flame());
}

void PokerDiceGame::showDiscard(const DiscardResult& result) {
    if (!result.allowed)
        return;
    if (result.clearRows)
        board_.eraseRows();
    board_.putBack(result.discarded, rules_.dice(), step(), sounds_);
}

void PokerDiceGame::doRoll() {
    const RollResult result = rules_.roll(services().random);
    if (!result.allowed)
        return;
    showRoll(result);
    if (result.turnOver) {
        delay(20 * step());
        endTurn();
    }
}

void PokerDiceGame::personRolls() {
    if (rules_.computersTurn())
        computerTurn();
    else
        doRoll();
}

void PokerDiceGame::discard(int die) {
    showDiscard(rules_.discard(die));
}

void PokerDiceGame::undoDiscards() {
    const UndoResult result = rules_.undoDiscards();
    if (!result.allowed)
        return;
    if (result.clearRows)
        board_.eraseRows();
    board_.raise(result.restored, rules_.dice(), step(), sounds_);
    reportDice();
}

void PokerDiceGame::endTurn() {
    const Seat side = rules_.toPlay();
    const Dice faces = rules_.dice();
    const EndTurnResult result = rules_.endTurn(tables_);
    if (!result.allowed)
        return;
    board_.drawFlame(rules_.flame());
    reportHand(result.finished, result.hand);
    if (result.handOver)
        drawCoinPlates(rules_.stakes());
    board_.sendToRow(side, result.toRow, faces, step(), sounds_);
    reportDice();
    if (result.handOver)
        settle();
    else
        reportTurn();
    blinkMarker();
    if (result.computerToPlay && !panel_.showing())
        computerTurn();
}

void PokerDiceGame::settle() {
    const Settlement s = rules_.settle(services().random, tables_);
    if (!s.settled)
        return;
    saveStakes();
    drawCoinPlates(s.afterBet);
    if (s.purseRefilled) {
        const char* const who = level() == Level::Apprentice ? "Apprentice "
                                : level() == Level::Mage     ? "Mage "
                                                             : "Wizard ";
        messageBox("Winner!", std::string("Congratulations!  The ") + who +
                                  "has lost all gold coins!\n\n"
                                  "Resetting computer's coin count to " +
                                  std::to_string(rules_.stakes().purse) + ".\n");
    }
    if (s.betRedrawn)
        showBet(s.afterRedraw, s.betClamped || s.purseRefilled || s.betCutTo5000);

    switch (s.outcome) {
    case HandOutcome::PlayerOneWins:
        writeMessage({displayName(Seat::One) + " WON!"});
        break;
    case HandOutcome::PlayerTwoWins:
        writeMessage({displayName(Seat::Two) + " WON!"});
        break;
    case HandOutcome::Tie:
        writeMessage({"IT'S A TIE!"});
        break;
    }
    drawNames();
    for (Seat seat : {Seat::One, Seat::Two}) {
        if (!s.lostAll[seatIndex(seat)])
            continue;
        sounds_.play("loseall.wav");
        writeMessage({displayName(seat) + " LOST ALL!", "WIZARDLY GENEROSITY",
                      "GRANTS YOU 5,000 GOLD COINS", "CLICK AN OPTION BELOW"});
    }
    if (s.clubEntrant) {
        sounds_.play("cheering.wav");
        writeMessage({displayName(*s.clubEntrant) + " IS A NEW", "MEMBER OF THE",
                      "BILLIONAIRE CLUB!", "", "CLICK AN OPTION BELOW"});
        if (s.betClampedAfterClub)
            showBet(rules_.stakes(), true);
    }
    repaintMessage_ = true;
    showPanel();
}

void PokerDiceGame::computerTurn() {
    const std::optional<Level> computer = rules_.computer();
    if (!computer || !rules_.computersTurn())
        return;
    if (panel_.showing())
        panel_.hide();
    setCursor(CursorShape::Wait);
    ComputerView view(*this);
    playComputerRolls(rules_, *computer, services().random, view);
    delay(20 * step());
    setCursor(CursorShape::Arrow);
    endTurn();
}

// -- the panel's words and what takes the panel down

void PokerDiceGame::play() {
    panel_.hide();
    flushPendingTables();
    if (rules_.computersTurn())
        computerTurn();
}

void PokerDiceGame::resetPlayers() {
    panel_.hide();
    flushPendingTables();
}

void PokerDiceGame::rollCandle() {
    if (panel_.showing())
        panel_.hide();
    personRolls();
}

void PokerDiceGame::spaceBar() {
    if (!panel_.showing()) {
        personRolls();
        return;
    }
    panel_.hide();
    flushPendingTables();
    // A second person's turn only takes the panel down.
    if (rules_.toPlay() == Seat::One)
        doRoll();
    else if (rules_.computersTurn())
        computerTurn();
}

// -- the bet and the options on the board

void PokerDiceGame::clickDigit(int digit, bool upperHalf) {
    if (!betMayChange())
        return;
    const std::int32_t bet = betAfterDigitClick(rules_.bet(), digit, upperHalf);
    if (bet == rules_.bet())
        return;
    rules_.setBet(bet);
    redrawBet(true);
}

void PokerDiceGame::clickBead(int rod, int place) {
    if (!betMayChange())
        return;
    const std::int32_t bet = betAfterBeadClick(rules_.bet(), rod, place);
    if (bet == rules_.bet())
        return;
    rules_.setBet(bet);
    redrawBet(true);
}

void PokerDiceGame::toggleAcesWild() {
    if (!rules_.acesWildMayChange()) {
        messageBox("Warning", "Turn aces wild on or off at beginning of hand");
        return;
    }
    settings_.setAcesWild(!settings_.acesWild());
    rules_.setAcesWild(settings_.acesWild());
    showAcesWildButton();
    shell_.refreshMenuMarks();
}

void PokerDiceGame::topScoresBox() const {
    showPokerDiceTopScores(preferences());
}

} // namespace tumbledown::pokerdice
