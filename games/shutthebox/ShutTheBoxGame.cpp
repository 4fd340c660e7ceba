// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ShutTheBoxGame.h"

#include "ShutTheBoxComputer.h"
#include "ShutTheBoxLayout.h"
#include "core/ProgramState.h"
#include "core/ScoreTables.h"
#include "dialogs/TopScoreViews.h"
#include "games/board/GameShell.h"
#include "platform/Screen.h"
#include "platform/System.h"
#include "platform/Transcript.h"

namespace tumbledown::shutthebox {

namespace {

// The game object seeds the generator as it is made, before its rules draw.
RandomSource& freshlySeeded() {
    seedRandom();
    return services().random;
}

std::string boxString(const BoxSet& boxes) {
    std::string s;
    for (int box = 1; box <= boxCount; ++box)
        s += boxes[box] ? '1' : '0';
    return s;
}

const char* const welcomeText = "The Object of Shut The Box is to try to close all\n"
                                "nine boxes to score the lowest number of points\n"
                                "possible.  One, two, three or four boxes may be\n"
                                "closed with each throw of the dice.  The total\n"
                                "number on the boxes closed must equal the total\n"
                                "number of pips on the dice.\n\n"
                                "To roll the dice click on the dice \"cup\" or press\n"
                                "the spacebar.  To close a box click on the box or\n"
                                "press the box number on the keyboard.\n\n"
                                "To undo closing a box, click on that box again.\n\n"
                                "Click on the \"!\" if you desire mischief!\n\n"
                                "For more help, click on the question mark.\n";

} // namespace

// The board's side of each click and of the computer's turn.
class ShutTheBoxGame::BoardView final : public TurnView {
public:
    explicit BoardView(ShutTheBoxGame& game) : game_(game) {}
    void clicked(int box, BoxOutcome outcome) override { game_.showClick(box, outcome); }
    void gremlinStrikes(int box) override { game_.gremlinLooks(box); }
    void flipped(const FlipResult& flip) override { game_.showFlip(flip); }
    void throwCompleted(bool hadTwoDice) override {
        game_.board_.returnDiceToCup(hadTwoDice, game_.rules_.die(1), game_.rules_.die(2));
        game_.reportBoxes();
    }
    void clickDone() override {
        game_.drawScoreLine(game_.rules_.toMove());
        game_.sounds_.stop();
    }
    void cupPlayed(const CupResult& result, bool afterGame) override {
        game_.showCup(result, afterGame);
    }
    void oneDie() override { game_.showOneDie(); }
    void pause() override { delay(8 * game_.animationDelay()); }

private:
    ShutTheBoxGame& game_;
};

ShutTheBoxGame::ShutTheBoxGame(GameShell& shell)
    : shell_(shell), settings_(preferences()), rules_(freshlySeeded()),
      buttons_(layout::buttons, settings_.delay(), shell),
      sounds_({"Dice1.wav", "Dice3.wav", "Dice4.wav", "closing2.wav", "creak.wav", "note1.wav",
               "note2.wav", "note3.wav", "note4.wav", "note5.wav", "note6.wav", "note7.wav",
               "note8.wav", "laugh.wav"}),
      gremlinOff_(loadBitmap(bitmapName(layout::bitmaps::gremlinOff))),
      gremlinOn_(loadBitmap(bitmapName(layout::bitmaps::gremlinOn))) {}

std::string ShutTheBoxGame::playerTwoName() const {
    return versusComputer() ? "COMPUTER" : preferences().player2();
}

void ShutTheBoxGame::reportBoxes() const {
    transcript().write(
        {"boxes", "shutthebox", boxString(rules_.closedBoxes()), boxString(rules_.pendingBoxes())});
}

void ShutTheBoxGame::reportDice() const {
    std::string faces = std::to_string(rules_.die(1));
    if (rules_.twoDice())
        faces += "," + std::to_string(rules_.die(2));
    transcript().write({"dice", "shutthebox", faces});
}

void ShutTheBoxGame::reportTurn() const {
    transcript().write({"turn", "shutthebox", seatNumber(rules_.toMove())});
}

void ShutTheBoxGame::drawScoreLine(Seat seat) const {
    board_.drawScoreLine(seat, rules_.roundScore(seat), rules_.total(seat));
    transcript().write({"scores", "shutthebox", std::to_string(rules_.roundScore(Seat::One)),
                        std::to_string(rules_.total(Seat::One)),
                        std::to_string(rules_.roundScore(Seat::Two)),
                        std::to_string(rules_.total(Seat::Two))});
}

void ShutTheBoxGame::drawBothScoreLines() const {
    drawScoreLine(Seat::One);
    drawScoreLine(Seat::Two);
}

void ShutTheBoxGame::drawNames() const {
    board_.drawNames(preferences().player1(), playerTwoName());
}

void ShutTheBoxGame::drawDiceInCup() const {
    board_.drawDiceInCup(rules_.twoDice(), rules_.die(1), rules_.die(2));
}

void ShutTheBoxGame::showGremlinButton() const {
    screen().drawBitmap(settings_.gremlinOn() ? gremlinOn_ : gremlinOff_,
                        boardOrigin.x + layout::gremlinButton.x,
                        boardOrigin.y + layout::gremlinButton.y);
    screen().present();
}

void ShutTheBoxGame::paint() {
    board_.paintBackground();
    buttons_.drawSwitchesOn();
    if (settings_.gremlinOn())
        showGremlinButton();
    if (firstPaint_) {
        firstPaint_ = false;
        board_.saveBackgrounds();
    }
    board_.drawArrow(rules_.toMove());
    drawNames();
    drawBothScoreLines();
    for (int box = 1; box <= boxCount; ++box)
        board_.drawBoxOpen(box);
    for (int box = 1; box <= boxCount; ++box)
        if (rules_.closed(box))
            board_.drawBoxShut(box);
    if (rules_.diceOut()) {
        board_.drawDiceOnBoard(rules_.twoDice(), rules_.die(1), rules_.die(2));
    } else {
        rules_.newCupFaces(services().random);
        drawDiceInCup();
    }
    screen().present();
    if (settings_.takeWelcome())
        messageBox("Welcome to Shut The Box", welcomeText);
}

void ShutTheBoxGame::rollOrEndTurn() {
    BoardView view(*this);
    const CupResult result = playCup(rules_, services().random, view);
    if (result.outcome == CupOutcome::TurnPassed && versusComputer())
        computerTurn();
}

void ShutTheBoxGame::showCup(const CupResult& result, bool afterGame) {
    switch (result.outcome) {
    case CupOutcome::MustPlay:
        return;
    case CupOutcome::Rolled:
        board_.throwDice(rules_.twoDice(), rules_.die(1), rules_.die(2), animationDelay(), sounds_);
        reportDice();
        return;
    default:
        break;
    }
    board_.clearCup();
    if (!afterGame) {
        board_.drawArrow(rules_.toMove());
        board_.eraseArrow(other(rules_.toMove()));
        reportTurn();
    }
    board_.returnDiceToCup(true, rules_.die(1), rules_.die(2));
    board_.reopenAllBoxes(animationDelay() + 5, sounds_);
    reportBoxes();
    if (result.outcome == CupOutcome::NewGameStarted)
        drawNames();
    if (result.outcome != CupOutcome::TurnPassed)
        drawBothScoreLines();
    if (result.outcome == CupOutcome::GameEnded)
        announceWinner(result.game);
}

void ShutTheBoxGame::clickBox(int box) {
    BoardView view(*this);
    shutthebox::clickBox(rules_, box, settings_.gremlinOn(), services().random, view);
}

void ShutTheBoxGame::showClick(int box, BoxOutcome outcome) {
    if (outcome == BoxOutcome::Refused)
        return;
    const int d = animationDelay();
    sounds_.play("closing2.wav");
    if (outcome == BoxOutcome::Reopened)
        board_.openBox(box, d + 5);
    else
        board_.shutBox(box, d);
    reportBoxes();
}

void ShutTheBoxGame::gremlinLooks(int box) {
    constexpr int step = 100;
    board_.drawGremlin(5);
    delay(step);
    // The eyes roll left, across to the right, and back to the chosen box.
    std::vector<int> looks{5, 4, 3, 2, 1};
    for (int k = 2; k <= 9; ++k)
        looks.push_back(k);
    for (int k = 9; k >= box; --k)
        looks.push_back(k);
    for (int eyes : looks) {
        board_.drawGremlinEyes(eyes);
        delay(step);
    }
    sounds_.play("laugh.wav", PlayMode::Sync);
    sounds_.play("creak.wav");
}

void ShutTheBoxGame::showFlip(const FlipResult& flip) {
    const int box = flip.box;
    transcript().write({"gremlin", std::to_string(box)});
    const int d = animationDelay();
    if (flip.shut)
        board_.shutBox(box, 3 * d);
    else
        board_.openBox(box, 3 * (d + 5));
    reportBoxes();
    // A reopened box has its score line drawn once with its bottom plate, and
    // again with every flip.
    if (!flip.shut)
        drawScoreLine(rules_.toMove());
    drawScoreLine(rules_.toMove());
    sounds_.stop();
    board_.eraseGremlin();
}

void ShutTheBoxGame::announceWinner(const GameResult& result) {
    board_.clearScorePanel();
    const PreferencesRecord& p = preferences();
    std::string text = "TIE";
    if (!result.tie)
        text = result.winner == Seat::One ? p.player1() : playerTwoName();
    transcript().write({"banner", text, std::to_string(result.margin)});
    if (winnerEntersTopScores(result, versusComputer()))
        enterTopScore(settings_.topScores(), text, result.margin);

    // Eight rising notes, the last with the last letter.
    const int length = static_cast<int>(text.size());
    const auto note = [&](int n) {
        if (n >= 1 && n <= 8)
            sounds_.play("note" + std::to_string(n) + ".wav");
    };
    if (GameSounds::on())
        for (int n = 1; n <= 8 - length; ++n) {
            note(n);
            delay(100);
        }
    int x = board_.glyphTextLeft(text);
    for (int k = 0; k < length; ++k) {
        if (GameSounds::on())
            note(9 - length + k);
        delay(100);
        x += board_.drawGlyph(text[k], x, 250);
        screen().present();
    }

    const std::string margin = std::to_string(result.margin);
    for (int showing = 1; showing <= 4; ++showing) {
        int left = board_.glyphTextLeft(margin);
        for (char digit : margin) {
            left += board_.drawGlyph(digit, left, 276);
            screen().present();
            delay(200);
        }
        if (showing < 4)
            board_.restoreMarginStrip();
        delay(200);
    }
    showTopScores();
}

void ShutTheBoxGame::useOneDie() {
    if (rules_.useOneDie())
        showOneDie();
}

void ShutTheBoxGame::showOneDie() {
    board_.clearCup();
    drawDiceInCup();
}

void ShutTheBoxGame::newGame() {
    rules_.newGame(services().random);
    board_.clearCup();
    board_.drawArrow(Seat::One);
    board_.eraseArrow(Seat::Two);
    reportTurn();
    board_.returnDiceToCup(true, rules_.die(1), rules_.die(2));
    board_.reopenAllBoxes(animationDelay() + 5, sounds_);
    reportBoxes();
    drawNames();
    drawBothScoreLines();
}

void ShutTheBoxGame::toggleGremlin() {
    settings_.setGremlinOn(!settings_.gremlinOn());
    showGremlinButton();
    shell_.refreshMenuMarks();
    newGame();
}

void ShutTheBoxGame::showTopScores() const {
    showShutTheBoxTopScores(preferences());
}

void ShutTheBoxGame::computerTurn() {
    setCursor(CursorShape::Wait);
    BoardView view(*this);
    playComputerTurn(rules_, Chooser{}, settings_.gremlinOn(), services().random, view);
    setCursor(CursorShape::Arrow);
}

} // namespace tumbledown::shutthebox
