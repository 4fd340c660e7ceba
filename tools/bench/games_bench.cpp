// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The games measured: the time of a full 10,000 repaint, the 10,000 computer's
// decisions per second (rules only), and the CPU the games use while the
// computer plays on the real clock.
#include "CpuTime.h"
#include "core/Preferences.h"
#include "core/ProgramState.h"
#include "games/board/GameShell.h"
#include "games/shutthebox/ShutTheBoxComputer.h"
#include "games/shutthebox/ShutTheBoxGame.h"
#include "games/tenthousand/TenThouComputer.h"
#include "games/tenthousand/TenThouGame.h"
#include "platform/Clock.h"
#include "platform/Host.h"
#include "platform/RealClock.h"
#include "platform/Screen.h"
#include "platform/System.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPainter>
#include <QWidget>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace tumbledown;
using namespace tumbledown::tenthousand;

namespace {

class QuietShell : public GameShell {
public:
    void leaveGame() override {}
    void captureMouse() override {}
    void toggleMusic() override {}
    void selectMusic() override {}
    void refreshMenuMarks() override {}
    bool runOptionsDialog() override { return false; }
    QWidget* dialogParent() override { return nullptr; }
};

class QuietHost : public Host {
public:
    MessageAnswer messageBox(const std::string&, const std::string&, MessageButtons) override {
        return MessageAnswer::Ok;
    }
    bool runDialog(ModalDialog&) override { return false; }
    std::optional<std::string> chooseFile(const std::string&) override { return std::nullopt; }
    void setCursor(CursorShape) override {}
    void openDocument(const std::string&) override {}
};

// Shows the screen image, as the program's client area does.
class View : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.drawImage(0, 0, tumbledown::screen().image());
    }
};

void report(const char* game, int delay, int steps, double cpu, const QElapsedTimer& wall) {
    const double seconds = double(wall.nsecsElapsed()) / 1e9;
    std::printf("%s with the computer on the real clock (delay %d ms): %d steps in %.1f s, CPU "
                "%.2f%% of one core\n",
                game, delay, steps, seconds, cpu * 100 / seconds);
}

void measureRepaint(TenThouGame& game) {
    constexpr int runs = 200;
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        game.paint();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    std::printf("full 10,000 repaint (1280x800 client, %d runs): median %.3f ms, worst %.3f ms\n",
                runs, times[runs / 2], times.back());
}

// Counts the computer's looks at the panes and its decisions to throw again.
class CountingView final : public ComputerTurnView {
public:
    void looking() override { ++decisions; }
    void decided(bool) override { ++decisions; }
    long decisions = 0;
};

// Whole computer turns, each seat's in turn, as the game plays them.
void measureDecisions() {
    RandomSource random;
    random.seed(12345);
    CountingView view;
    QElapsedTimer timer;
    timer.start();
    const std::array<Level, 3> levels{Level::Apprentice, Level::Mage, Level::Wizard};
    int turns = 0;
    TenThouRules rules;
    while (timer.elapsed() < 2000) {
        const Level level = levels[turns++ % 3];
        if (playComputerRolls(rules, level, random, view) == ComputerRolls::Disaster)
            rules.loseAll();
        if (rules.pass().turnEnd.gameOver)
            rules.newGame();
    }
    const double seconds = double(timer.nsecsElapsed()) / 1e9;
    std::printf("computer decisions (rules only, one core): %.1f million per second over %d "
                "turns\n",
                double(view.decisions) / seconds / 1e6, turns);
}

// The Wizard opens the game: dismissing the prompt starts its turn, which
// waits on the real clock at the default animation speed.
void measureTenThouTurns(TenThouGame& game) {
    const double cpuBefore = cpuSeconds();
    QElapsedTimer wall;
    wall.start();
    int rounds = 0;
    while (wall.elapsed() < 20000) {
        if (game.messageShowing()) {
            game.dismiss(DismissBy::Key); // the start prompt, a notice or a game end
            continue;
        }
        // Player one throws, takes what the dice offer and banks: the Wizard again.
        game.roll();
        for (Pane pane : scoringPanes)
            while (!game.messageShowing() && game.rules().test(pane))
                game.clickPane(pane);
        if (!game.messageShowing())
            game.pass();
        ++rounds;
    }
    report("10,000", preferences().tenThouDelay, rounds, cpuSeconds() - cpuBefore, wall);
}

// Player one plays as the computer would; ending each turn starts the
// computer's, all on the real clock.
void measureShutTheBoxTurns(GameShell& shell) {
    ShutTheBoxGame game(shell);
    game.paint();
    const double cpuBefore = cpuSeconds();
    QElapsedTimer wall;
    wall.start();
    int throws = 0;
    while (wall.elapsed() < 20000) {
        game.rollOrEndTurn();
        for (int box : shutthebox::computerBoxes(game.rules()))
            game.clickBox(box);
        ++throws;
    }
    report("Shut The Box", preferences().shutTheBoxDelay, throws, cpuSeconds() - cpuBefore, wall);
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    installFontSubstitutions();
    QuietHost host;
    QuietShell shell;
    VirtualClock virtualClock(0);
    services().host = &host;
    services().clock = &virtualClock;

    PreferencesRecord& p = preferences();
    SetDefaults(p, [](PreferencesRecord&) {});
    p.tenThouWelcome = 0;
    p.tenThouApprentice = 0;
    p.tenThouWizard = 1;
    p.soundOn = 0;
    p.shutTheBoxWelcome = 0;
    p.shutTheBoxVsComputer = 1;

    View view;
    view.resize(1280, 800);
    view.show();
    screen().resize(1280, 800);
    screen().setPresenter([&view] { view.update(); });
    boardOrigin = centredOrigin(1280, 800);
    clientSize = {1280, 800};

    // The third of three draws decides who starts: 10 % 20 + 1 = 11 is player two.
    services().random.queueValues({0, 0, 10});
    TenThouGame game(shell);
    game.paint();
    measureRepaint(game);
    measureDecisions();

    RealClock clock;
    services().clock = &clock;
    measureTenThouTurns(game);
    measureShutTheBoxTurns(shell);
    return 0;
}
