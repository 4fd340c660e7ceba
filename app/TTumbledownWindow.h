// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ClientArea.h"
#include "MainScreen.h"
#include "Menus.h"
#include "ScreenInputs.h"
#include "ShellActions.h"
#include "core/BoardZoom.h"
#include "core/InputRouting.h"
#include "games/board/GameShell.h"
#include "games/tenthousand/PaneRegions.h"
#include "media/MusicPlayer.h"
#include "platform/EventQueue.h"

#include <QMainWindow>
#include <QWidget>

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tumbledown {

namespace tenthousand {
class TenThouGame;
class TenThouInput;
} // namespace tenthousand
namespace pokerdice {
class PokerDiceGame;
class PokerDiceInput;
} // namespace pokerdice
namespace shutthebox {
class ShutTheBoxGame;
class ShutTheBoxInput;
} // namespace shutthebox
class BoardButtons;

// The whole program as the user sees it: the menu, the main screen or the game
// on view, and the receiver of every command, click and key.
class TTumbledownWindow : public QMainWindow,
                          public EventSink,
                          public ShellActions,
                          public GameShell {
public:
    static constexpr const char* aboutText =
        "Tumbledown 1.0 - three dice games for one or two players";

    // Loads the preferences (asking for names on a first run) and seeds the
    // random source; the window is not shown yet.
    TTumbledownWindow();
    ~TTumbledownWindow() override;

    ClientArea* clientArea() const { return client_; }
    Menus& menus() { return *menus_; }
    // Invalidates the whole client area: a paint request joins the queue.
    void invalidate();

    void handleEvent(const InputEvent& event) override;

    void switchTo(ScreenState game) override;
    void leaveGameToMainScreen() override;
    void openHelp() override;
    void showAbout() override;
    void runTopScoresDialog() override;
    void showNextTip() override;

    // What the game boards ask of the window.
    void leaveGame() override;
    void captureMouse() override;
    void toggleMusic() override;
    void selectMusic() override;
    void refreshMenuMarks() override;
    bool runOptionsDialog() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void onCommand(int id);
    void onOptionCommand(int id);
    void paint();
    void firstPaint();
    void onSize();
    void retireGame();
    void closeDown();
    bool runTenThouOptions();
    void showTenThouLevel();
    bool runShutTheBoxOptions();
    bool runPokerDiceOptions();
    void showPokerDiceLevel();
    BoardButtons* boardButtons();
    void showMusicButton();
    void setState(ScreenState state);
    void showMusicOn(bool on);

    ClientArea* client_;
    std::unique_ptr<Menus> menus_;
    std::unique_ptr<MusicPlayer> music_;
    std::unique_ptr<MainScreen> mainScreen_;
    MainScreenInput mainInput_;
    InputRouter router_;
    PaneRegions paneRegions_;

    ScreenState state_ = ScreenState::Main;
    std::unique_ptr<tenthousand::TenThouGame> tenThou_;
    std::unique_ptr<tenthousand::TenThouInput> tenThouInput_;
    std::unique_ptr<pokerdice::PokerDiceGame> pokerDice_;
    std::unique_ptr<pokerdice::PokerDiceInput> pokerDiceInput_;
    std::unique_ptr<shutthebox::ShutTheBoxGame> shutTheBox_;
    std::unique_ptr<shutthebox::ShutTheBoxInput> shutTheBoxInput_;
    // A game left during an event is destroyed once the event has been handled:
    // the left game's own code may still be on the stack.
    std::vector<std::shared_ptr<void>> retired_;

    std::string startDirectory_;
    std::string initialMusicFile_;
    bool firstPaint_ = true;
    bool musicWaitsForAudio_ = false;
    bool closing_ = false;
};

} // namespace tumbledown
