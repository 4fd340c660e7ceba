#include "ScreenInputs.h"

#include "ShellActions.h"
#include "core/ProgramState.h"
#include "dialogs/TopScoreViews.h"

namespace tumbledown {

void MainScreenInput::leftDown(int x, int y) {
    if (Spot{49, 150, 275, 419}.contains(x, y))
        shell_.switchTo(ScreenState::ShutTheBox);
    else if (Spot{49, 150, 27, 124}.contains(x, y))
        shell_.switchTo(ScreenState::TenThousand);
    else if (Spot{49, 150, 133, 260}.contains(x, y))
        shell_.switchTo(ScreenState::PokerDice);
    else if (Spot{279, 355, 108, 145}.contains(x, y))
        shell_.openHelp();
    else if (Spot{323, 430, 157, 185}.contains(x, y))
        shell_.runTopScoresDialog();
    else if (Spot{367, 466, 195, 225}.contains(x, y))
        shell_.showAbout();
    else if (Spot{501, 590, 401, 420}.contains(x, y))
        shell_.showNextTip();
}

namespace {
Spot backSpot(ScreenState game) {
    switch (game) {
    case ScreenState::PokerDice:
        return {222, 249, 156, 176};
    case ScreenState::ShutTheBox:
        return {52, 79, 361, 381};
    case ScreenState::TenThousand: // 10,000 has its own input
    case ScreenState::Main:
        break;
    }
    return {1, 0, 1, 0}; // hits nothing
}
} // namespace

GameScreenInput::GameScreenInput(ShellActions& shell, ScreenState game)
    : shell_(shell), game_(game), back_(backSpot(game)) {}

void GameScreenInput::leftDown(int x, int y) {
    if (back_.contains(x, y))
        shell_.leaveGameToMainScreen();
}

void GameScreenInput::character(char c) {
    switch (c) {
    case 's':
    case 'S':
        showTopScores();
        break;
    case '+':
    case '=':
        speedUp(delay());
        break;
    case '-':
    case '_':
        slowDown(delay());
        break;
    default:
        break;
    }
}

bool GameScreenInput::flushesAfterRelease() const {
    return game_ != ScreenState::PokerDice;
}

std::int32_t& GameScreenInput::delay() const {
    PreferencesRecord& p = preferences();
    switch (game_) {
    case ScreenState::PokerDice:
        return p.pokerDiceDelay;
    default:
        return p.shutTheBoxDelay;
    }
}

void GameScreenInput::showTopScores() const {
    switch (game_) {
    case ScreenState::PokerDice:
        ShowPokerDiceTopScores(preferences());
        break;
    default:
        ShowShutTheBoxTopScores(preferences());
        break;
    }
}

} // namespace tumbledown
