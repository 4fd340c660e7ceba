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
#include "games/board/GameScreen.h"
#include "games/board/GameShell.h"
#include "media/MusicPlayer.h"
#include "platform/EventQueue.h"

#include <QMainWindow>
#include <QWidget>

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tumbledown {

// The whole program as the user sees it: the menu, the main screen or the game
// on view, and the receiver of every command, click and key.
class TTumbledownWindow : public QMainWindow,
                          public EventSink,
                          public ShellActions,
                          public GameShell {
public:
    // Loads the preferences (asking for names on a first run) and seeds the
    // random source; the window is not shown yet.
    TTumbledownWindow();
    ~TTumbledownWindow() override;

    ClientArea* clientArea() const { return client_; }
    Menus& menus() { return *menus_; }
    // Invalidates the whole client area: a paint request joins the queue.
    void invalidate();
    // The game a screen name stands for ("10000", "pokerdice", "shutthebox", as
    // the transcript names the screens); none for any other name.
    static const GameInfo* gameNamed(std::string_view name);
    // Instead of the first invalidate(): the first paint is that game's, and
    // the main screen is never drawn.
    void openFirst(const GameInfo& game);
    // Before the first paint, when it is the main screen's: its picture starts
    // decoding while the window is shown.
    void prepareMainScreen();
    // Decoding the icon would hold up the first picture: it is set once that
    // picture has reached the window.
    void showIcon();

    void handleEvent(const InputEvent& event) override;

    void switchTo(const GameInfo& game) override;
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
    QWidget* dialogParent() override { return this; }

protected:
    void closeEvent(QCloseEvent* event) override;
    // A window restored from maximised to a size that does not fit the screen
    // (it was first shown as large as the screen) takes one that does.
    void changeEvent(QEvent* event) override;

private:
    void onCommand(int id);
    // The Game and Scores menus' commands of the games; false for any other.
    bool gameCommand(int id);
    void paint();
    void firstPaint();
    void holdBoardOnly();
    void onSize();
    void retireGame();
    void closeDown();
    void showMusicButton();
    // The screen on view: a game, or none for the main screen.
    void setScreen(const GameInfo* game);
    void showMusicOn(bool on);

    ClientArea* client_;
    std::unique_ptr<Menus> menus_;
    std::unique_ptr<MusicPlayer> music_;
    std::unique_ptr<MainScreen> mainScreen_;
    MainScreenInput mainInput_;
    InputRouter router_;

    const GameInfo* shown_ = nullptr;
    std::unique_ptr<GameScreen> game_;
    // A game left during an event is destroyed once the event has been handled:
    // the left game's own code may still be on the stack.
    std::vector<std::unique_ptr<GameScreen>> retired_;

    std::string startDirectory_;
    std::string initialMusicFile_;
    bool firstPaint_ = true;
    bool musicWaitsForAudio_ = false;
    bool closing_ = false;
};

} // namespace tumbledown
