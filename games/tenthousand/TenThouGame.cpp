// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TenThouGame.h"

#include "TenThouLayout.h"

#include "core/ProgramState.h"
#include "core/ScoreTables.h"
#include "dialogs/TopScoreViews.h"
#include "games/board/GameShell.h"
#include "platform/Screen.h"
#include "platform/System.h"
#include "platform/Transcript.h"

namespace tumbledown::tenthousand {

namespace {

const char* const continueLine = "PRESS A KEY OR CLICK MOUSE TO CONTINUE";
const char* const optionsLine = "\"PLAY\"   \"RESET PLAYERS\"   \"QUIT\"";

const PanelLayout panelLayout{"10000",
                              layout::bitmaps::panel,
                              layout::panel.x,
                              layout::panel.y,
                              layout::panel.width,
                              layout::panel.height,
                              layout::panel.x,
                              layout::panel.width,
                              layout::panelFirstLineTop,
                              layout::panelLineStep,
                              FontDescription{"Times New Roman", 15, 6, 800, false}};

} // namespace

// The board's side of the computer's turn: the panes it touches lit, its
// looks and decisions paced.
class TenThouGame::ComputerView final : public ComputerTurnView {
public:
    explicit ComputerView(TenThouGame& game) : game_(game) {}
    void rolling() override {
        game_.board_.drawPane(Pane::Roll, true);
        before_ = game_.values();
    }
    void rolled(const RollResult& result) override { game_.showRoll(before_, result); }
    void looking() override { delay(pause()); }
    void scoring(Pane pane, bool lit) override {
        if (lit)
            game_.board_.drawPane(pane, true);
        before_ = game_.values();
    }
    void scored(Pane pane, const ScoreResult& result, bool lit) override {
        game_.showScore(before_, result);
        if (lit)
            game_.board_.drawPane(pane, false);
    }
    void decided(bool) override { delay(pause()); }

private:
    int pause() const { return 11 * game_.stepDelay(); }

    TenThouGame& game_;
    DiceValues before_{};
};

TenThouGame::TenThouGame(GameShell& shell)
    : shell_(shell), settings_(preferences()), panel_(panelLayout),
      buttons_(layout::buttons, settings_.delay(), shell),
      sounds_({"shh.wav", "money.wav", "note1.wav", "note2.wav", "note3.wav", "note4.wav",
               "note5.wav", "note6.wav", "note7.wav", "note8.wav", "ohno.wav"}) {
    seedRandom();
}

TenThouGame::~TenThouGame() = default;

std::string TenThouGame::displayName(Seat seat, bool shortApprentice) const {
    if (seat == Seat::One)
        return preferences().player1();
    const std::optional<Level> level = computerLevel();
    return level ? levelName(*level, shortApprentice) : preferences().player2();
}

DiceValues TenThouGame::values() const {
    DiceValues v{};
    for (int die = 1; die <= 6; ++die)
        v[die] = rules_.dieValue(die);
    return v;
}

void TenThouGame::reportTurn() const {
    transcript().write({"turn", "10000", seatNumber(rules_.current())});
}

void TenThouGame::reportDice() const {
    std::string faces;
    for (int die = 1; die <= 6; ++die)
        faces +=
            (die > 1 ? "," : "") + std::to_string(rules_.shown(die) ? rules_.dieValue(die) : 0);
    transcript().write({"dice", "10000", faces});
}

void TenThouGame::drawScores(Seat seat) const {
    board_.drawScores(seat, rules_.turnScore(seat), rules_.total(seat));
    transcript().write({"scores", "10000", std::to_string(rules_.turnScore(Seat::One)),
                        std::to_string(rules_.total(Seat::One)),
                        std::to_string(rules_.turnScore(Seat::Two)),
                        std::to_string(rules_.total(Seat::Two))});
}

void TenThouGame::drawBothScores() const {
    drawScores(Seat::One);
    drawScores(Seat::Two);
}

void TenThouGame::drawNames() const {
    board_.drawNames(displayName(Seat::One), displayName(Seat::Two), rules_.starter());
}

void TenThouGame::paint() {
    board_.paintBackground();
    buttons_.drawSwitchesOn();
    if (firstPaint_) {
        board_.saveBackgrounds();
        panel_.saveBoard();
        firstPaint_ = false;
        rules_.chooseFirstPlayer(services().random);
        reportTurn();
        showStartPrompt();
        showWelcome();
    }
    board_.drawMarker(rules_.current());
    drawNames();
    drawBothScores();
    for (int die = 1; die <= 6; ++die)
        if (rules_.inPlay(die) && rules_.shown(die))
            board_.drawDie(die, 4, rules_.dieValue(die));
    if (prompt_ == OptionPrompt::Start)
        showStartPrompt();
    else
        panel_.redraw();
    screen().present();
}

void TenThouGame::showStartPrompt() {
    panel_.show({displayName(rules_.starter()) + " IS FIRST THIS TIME.", "", "",
                 "CLICK AN OPTION ON THE NEXT LINE", "", optionsLine});
    startPending_ = true;
    prompt_ = OptionPrompt::Start;
}

void TenThouGame::showWelcome() const {
    if (!settings_.takeWelcome())
        return;
    messageBox("Welcome to 10,000!", "  o   Obtain 10,000 coins\n"
                                     "  o   Touch a window pane\n"
                                     "  o   Right-click to undo a score\n"
                                     "  o   Re-roll extra dice, if you wish!\n"
                                     "  o   Beware of disaster and seek extra coins\n"
                                     "  o   Graduate to mage and wizard levels\n\n"
                                     "  o   Touch \"?\" to seek further aid");
}

void TenThouGame::clickPane(Pane pane) {
    beginEvent();
    board_.drawPane(pane, true);
    if (pane == Pane::Roll) {
        doRoll();
    } else if (pane == Pane::Pass) {
        doPass();
    } else {
        scorePane(pane);
        board_.drawPane(pane, false);
    }
}

void TenThouGame::scorePane(Pane pane) {
    const DiceValues before = values();
    showScore(before, rules_.score(pane));
}

void TenThouGame::showScore(const DiceValues& before, const ScoreResult& result) {
    if (!result.scored)
        return;
    // The new points appear once the dice have gone.
    board_.sink(result.sunk, before, stepDelay(), sounds_);
    drawScores(rules_.current());
}

void TenThouGame::undoPane(Pane pane) {
    beginEvent();
    board_.drawPane(pane, true);
    const UndoResult result = rules_.undo(pane);
    if (result.undone) {
        board_.rise(result.risen, values(), stepDelay(), sounds_);
        drawScores(rules_.current());
    }
    board_.drawAllScoringPanesNormal();
}

void TenThouGame::roll() {
    beginEvent();
    doRoll();
}

void TenThouGame::doRoll() {
    const DiceValues before = values();
    showRoll(before, rules_.roll(services().random));
}

void TenThouGame::showRoll(const DiceValues& before, const RollResult& result) {
    if (result.allowed) {
        board_.sink(result.sunk, before, stepDelay(), sounds_);
        if (result.sunk.any())
            delay(2 * stepDelay());
        board_.rise(result.risen, values(), stepDelay(), sounds_);
        reportDice();
        if (result.disaster)
            disasterSequence();
    }
    if (!panel_.showing())
        board_.drawPane(Pane::Roll, false);
}

void TenThouGame::disasterSequence() {
    prompt_ = OptionPrompt::None;
    sounds_.play("ohno.wav", PlayMode::Sync);
    rules_.loseAll();
    const Seat loser = rules_.current();
    board_.eraseMarker(loser);
    drawScores(loser);
    panel_.show({"DISASTER!", displayName(loser, true) + " LOST ALL POINTS",
                 "DUE TO ROLLING FOUR 2's", "", continueLine});
    disasterPending_ = true;
}

void TenThouGame::pass() {
    beginEvent();
    doPass();
}

void TenThouGame::doPass() {
    const DiceValues before = values();
    const PassResult result = rules_.pass();
    switch (result.outcome) {
    case PassOutcome::MustRollAgain:
        panel_.show({"AFTER SCORING A STRAIGHT OR THREE", "PAIRS, YOU MUST ROLL AGAIN .", "",
                     continueLine});
        return;
    case PassOutcome::Refused:
        if (!panel_.showing())
            board_.drawPane(Pane::Pass, false);
        return;
    case PassOutcome::Banked:
    case PassOutcome::Bust:
        endTurn(result.turnEnd, before);
        return;
    }
}

void TenThouGame::endTurn(const TurnEnd& end, const DiceValues& before) {
    reportTurn();
    if (end.gameOver) {
        drawBothScores();
        gameEnd();
    }
    // The dice sink with the faces they were thrown with.
    board_.sink(end.sunk, before, stepDelay(), sounds_);
    if (!panel_.showing()) {
        board_.drawPane(Pane::Pass, false);
        blinkTurnMarker();
    }
    if (!end.gameOver)
        computerTurnIfDue();
}

void TenThouGame::gameEnd() {
    gameOverPending_ = true;
    const GameResult result = rules_.result();
    const std::string next = displayName(result.nextStarter) + " IS FIRST NEXT GAME.";
    if (result.tie) {
        panel_.show({"IT'S A TIE!", "", "", next, "", continueLine});
    } else {
        panel_.show({displayName(result.winner) + " WINS WITH " +
                         std::to_string(result.winnerTotal) + " POINTS!",
                     next, "", "CLICK AN OPTION ON THE NEXT LINE", "", optionsLine});
        // A computer's win is not recorded.
        if (result.winner == Seat::One || !computerLevel()) {
            PreferencesRecord& p = preferences();
            enterTopScore(settings_.topScores(),
                          result.winner == Seat::One ? p.player1() : p.player2(),
                          result.winnerTotal);
        }
    }
    startPending_ = true;
    if (!result.tie)
        prompt_ = OptionPrompt::Win;
    if (GameSounds::on()) {
        for (int note = 1; note <= 8; ++note) {
            sounds_.play("note" + std::to_string(note) + ".wav");
            delay(100);
        }
    }
}

void TenThouGame::blinkTurnMarker() const {
    const Seat seat = rules_.current();
    board_.eraseMarker(other(seat));
    drawBothScores();
    for (int i = 0; i < 2; ++i) {
        board_.drawMarker(seat);
        delay(2 * stepDelay());
        board_.eraseMarker(seat);
        delay(2 * stepDelay());
    }
    board_.drawMarker(seat);
}

void TenThouGame::newGame() {
    beginEvent();
    startNewGame();
}

void TenThouGame::startNewGame() {
    seedRandom();
    rules_.newGame();
    reportTurn();
    drawNames();
    drawBothScores();
    blinkTurnMarker();
    if (!panel_.showing() && startPending_) {
        startPending_ = false;
        computerTurnIfDue();
    }
}

void TenThouGame::newFirstPlayer() {
    DiceSet wasShown;
    for (int die = 1; die <= 6; ++die)
        wasShown[die] = rules_.shown(die);
    const Seat first = rules_.newFirstPlayer(services().random);
    reportTurn();
    panel_.show({displayName(first, true) + " IS FIRST THIS TIME.", "", continueLine});
    prompt_ = OptionPrompt::None;
    // The game that follows starts afresh with the chosen player: a finished
    // game's end or a disaster still waiting for its dismissal is dropped, or
    // the dismissal would start yet another game with the other player.
    gameOverPending_ = false;
    disasterPending_ = false;
    for (int die = 1; die <= 6; ++die)
        if (wasShown[die])
            board_.eraseDie(die);
    startPending_ = true;
}

void TenThouGame::dismiss(DismissBy how) {
    beginEvent();
    panel_.hide();
    prompt_ = OptionPrompt::None;
    if (disasterPending_) {
        disasterPending_ = false;
        doPass();
        // A pass that ended the game leaves the win prompt up: nobody plays
        // until an option is chosen.
        if (gameOverPending_)
            return;
    } else if (gameOverPending_) {
        gameOverPending_ = false;
        if (how == DismissBy::LeftClick && skipScoresOnce)
            skipScoresOnce = false;
        else
            topScoresBox();
        startNewGame();
        blinkTurnMarker();
    }
    computerTurnIfDue();
}

void TenThouGame::play() {
    beginEvent();
    const bool afterWin = prompt_ == OptionPrompt::Win;
    panel_.hide();
    gameOverPending_ = false;
    if (afterWin) {
        topScoresBox();
        startNewGame();
    }
    prompt_ = OptionPrompt::None;
    blinkTurnMarker();
    computerTurnIfDue();
}

void TenThouGame::resetPlayers() {
    beginEvent();
    const OptionPrompt prompt = prompt_;
    const bool gameOver = gameOverPending_;
    if (prompt == OptionPrompt::Win) {
        gameOverPending_ = false;
        prompt_ = OptionPrompt::None;
    }
    skipScoresOnce = true;
    // A change of players starts a new game; without one, the finished game's
    // prompt stays as it was, its options live.
    if (!shell_.runOptionsDialog() && prompt == OptionPrompt::Win) {
        gameOverPending_ = gameOver;
        prompt_ = prompt;
    }
}

void TenThouGame::topScoresBox() const {
    showTenThouTopScores(preferences());
}

void TenThouGame::computerTurnIfDue() {
    const std::optional<Level> level = computerLevel();
    if (!level || computerStarted_ || rules_.current() != Seat::Two)
        return;
    computerTurn(*level);
}

void TenThouGame::computerTurn(Level level) {
    computerStarted_ = true;
    setCursor(CursorShape::Wait);
    ComputerView view(*this);
    const ComputerRolls end = playComputerRolls(rules_, level, services().random, view);
    // After a disaster the notice waits for the person, who needs the pointer for it.
    setCursor(CursorShape::Arrow);
    if (end == ComputerRolls::Disaster)
        return;
    board_.drawPane(Pane::Pass, true);
    doPass();
}

} // namespace tumbledown::tenthousand
