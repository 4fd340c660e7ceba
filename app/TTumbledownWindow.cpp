// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TTumbledownWindow.h"

#include "GameList.h"
#include "MenuIds.h"
#include "core/Preferences.h"
#include "core/ProgramState.h"
#include "dialogs/TPlayersNamesDialog.h"
#include "dialogs/TViewAndClearTopScoresDialog.h"
#include "games/board/BoardButtons.h"
#include "media/SoundEffects.h"
#include "platform/DataFiles.h"
#include "platform/Screen.h"
#include "platform/System.h"
#include "platform/Transcript.h"
#include "platform/ViewSettings.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QWindowStateChangeEvent>

#include <filesystem>
#include <utility>

namespace tumbledown {

TTumbledownWindow::TTumbledownWindow() : mainInput_(*this) {
    setWindowTitle("Tumbledown");
    client_ = new ClientArea(this);
    setCentralWidget(client_);
    menus_ = std::make_unique<Menus>(menuBar(), [](int id) {
        InputEvent command{EventType::Command};
        command.id = id;
        eventQueue().post(command);
    });
    menus_->whenAllClosed([this] { client_->setFocus(Qt::OtherFocusReason); });
    menus_->report();

    std::error_code ec;
    startDirectory_ = std::filesystem::current_path(ec).string();
    PreferencesRecord& p = preferences();
    LoadPreferences(p, preferencesPath(),
                    [this](PreferencesRecord& r) { AskPlayerNames(r, this); });
    initialMusicFile_ = p.musicFileName();
    seedRandom();

    music_ = std::make_unique<MusicPlayer>(p, startDirectory_, initialMusicFile_,
                                           [this](bool on) { showMusicOn(on); });
    mainScreen_ = std::make_unique<MainScreen>();
    p.currentTip = nextTipNumber(p.currentTip, MainScreen::tipCount);
    router_.setBoard(&mainInput_, "main");
    client_->showFocusOf(router_);
    eventQueue().setSink(this);
    setScreen(nullptr);
}

TTumbledownWindow::~TTumbledownWindow() {
    eventQueue().setSink(nullptr);
}

void TTumbledownWindow::invalidate() {
    eventQueue().post({EventType::Paint});
}

const GameInfo* TTumbledownWindow::gameNamed(std::string_view name) {
    for (const GameInfo* game : gameList())
        if (name == game->id)
            return game;
    return nullptr;
}

void TTumbledownWindow::openFirst(const GameInfo& game) {
    // The game's menu command: entering it paints it, and that is the first paint.
    InputEvent command{EventType::Command};
    command.id = game.menuId;
    eventQueue().post(command);
}

void TTumbledownWindow::prepareMainScreen() {
    const int scale = Screen::scaleFor(client_->zoom(), client_->devicePixelRatioF());
    tumbledown::screen().prepareImage(QSize(boardWidth, boardHeight), scale);
    mainScreen_->prepare(scale);
}

void TTumbledownWindow::setScreen(const GameInfo* game) {
    shown_ = game;
    transcript().write({"screen", game ? game->id : "main"});
}

void TTumbledownWindow::handleEvent(const InputEvent& event) {
    if (closing_)
        return;
    switch (event.type) {
    case EventType::LeftDown:
        router_.leftDown(event.x, event.y);
        break;
    case EventType::LeftUp:
        router_.leftUp(event.x, event.y);
        break;
    case EventType::RightDown:
        router_.rightDown(event.x, event.y);
        break;
    case EventType::MouseMove:
        router_.mouseMove();
        break;
    case EventType::Char:
        router_.character(event.ch);
        break;
    case EventType::Navigate:
        router_.navigate(event.key);
        break;
    case EventType::Activate:
        router_.activate(event.path);
        break;
    case EventType::Command:
        onCommand(event.id);
        break;
    case EventType::Paint:
        paint();
        break;
    case EventType::Size:
        onSize();
        break;
    case EventType::MusicNotify:
        music_->tuneEnded();
        break;
    case EventType::AudioReady:
        if (std::exchange(musicWaitsForAudio_, false))
            music_->startIfOn();
        break;
    case EventType::DocumentFailed:
        messageBox("Help", "No web browser could be started to show the help.\n\n"
                           "To read it, open this file in any web browser:\n" +
                               event.path);
        break;
    case EventType::Close:
        closeDown();
        break;
    }
    if (event.type != EventType::Close && tumbledown::screen().changedSincePresent())
        tumbledown::screen().present();
    retired_.clear();
}

void TTumbledownWindow::paint() {
    const bool first = firstPaint_;
    if (first)
        firstPaint();
    if (game_)
        game_->paint();
    else
        mainScreen_->paint();
    tumbledown::screen().present();
    // The music starts once the window shows something, and once the audio
    // device is open: neither should keep the first picture waiting.
    if (first) {
        if (!services().audioReady || services().audioReady())
            music_->startIfOn();
        else
            musicWaitsForAudio_ = true;
    }
}

void TTumbledownWindow::showIcon() {
    setWindowIcon(QIcon(":/bitmaps/IDI_ICON1.png"));
}

void TTumbledownWindow::firstPaint() {
    showMusicOn(preferences().musicOn != 0);
    clientSize = {tumbledown::screen().width(), tumbledown::screen().height()};
    boardOrigin = firstPaintOrigin(clientSize.width, clientSize.height);
    holdBoardOnly();
    if (game_)
        game_->boardMoved();
    firstPaint_ = false;
}

// Every screen draws within the board; around it only a fill or a tile of the
// whole view, which the screen repeats itself rather than hold in its image.
void TTumbledownWindow::holdBoardOnly() {
    tumbledown::screen().setBoardArea(QRect(boardOrigin.x, boardOrigin.y, boardWidth, boardHeight));
}

void TTumbledownWindow::onSize() {
    boardOrigin = centredOrigin(tumbledown::screen().width(), tumbledown::screen().height());
    holdBoardOnly();
    if (game_)
        game_->boardMoved();
    invalidate();
}

void TTumbledownWindow::showMusicOn(bool on) {
    menus_->checkOneOf({menu::musicOn, menu::musicOff}, on ? menu::musicOn : menu::musicOff);
}

void TTumbledownWindow::switchTo(const GameInfo& game) {
    if (shown_ == &game)
        return;
    if (game_)
        retireGame();
    game_ = game.open(*this);
    setScreen(&game);
    router_.setBoard(&game_->input(), game.id);
    menus_->insertOptions(game_->optionsMenu());
    refreshMenuMarks();
    paint();
}

void TTumbledownWindow::retireGame() {
    game_->leaving();
    setScreen(nullptr);
    router_.setBoard(&mainInput_, "main");
    menus_->removeOptions();
    retired_.push_back(std::move(game_));
}

void TTumbledownWindow::leaveGame() {
    if (game_)
        retireGame();
    invalidate();
}

void TTumbledownWindow::captureMouse() {
    router_.captureMouse();
}

void TTumbledownWindow::toggleMusic() {
    if (preferences().musicOn)
        music_->musicOff();
    else
        music_->musicOn();
}

void TTumbledownWindow::selectMusic() {
    music_->selectMusic();
}

void TTumbledownWindow::refreshMenuMarks() {
    if (game_)
        menus_->showMarks(game_->optionsMenu(), game_->checkedOptions());
}

bool TTumbledownWindow::runOptionsDialog() {
    return game_ && game_->runOptionsDialog();
}

void TTumbledownWindow::showMusicButton() {
    if (game_)
        game_->buttons().showMusic();
}

void TTumbledownWindow::openHelp() {
    openDocument("Tumbledown.html");
}

namespace {

// The About box's one line, naming the release as major.minor ("1.0").
std::string aboutText() {
    const std::string version = TUMBLEDOWN_VERSION;
    const std::string release = version.substr(0, version.find('.', version.find('.') + 1));
    return "Tumbledown " + release + " - three dice games for one or two players";
}

} // namespace

void TTumbledownWindow::showAbout() {
    messageBox("About", aboutText());
}

void TTumbledownWindow::runTopScoresDialog() {
    TViewAndClearTopScoresDialog dialog(this);
    if (!runModal(dialog))
        return;
    // The dialog's choices: each game's view in the list's order, then each one's clearing.
    const auto chosen = dialog.choices();
    const auto& games = gameList();
    PreferencesRecord& p = preferences();
    for (std::size_t i = 0; i < games.size(); ++i)
        if (chosen[i])
            games[i]->showTopScores(p);
    for (std::size_t i = 0; i < games.size(); ++i)
        if (chosen[games.size() + i])
            clearTopScores(games[i]->topScores(p));
}

void TTumbledownWindow::showNextTip() {
    mainScreen_->nextTip();
}

bool TTumbledownWindow::gameCommand(int id) {
    PreferencesRecord& p = preferences();
    for (const GameInfo* game : gameList()) {
        if (id == game->menuId)
            switchTo(*game);
        else if (id == game->viewScoresId)
            game->showTopScores(p);
        else if (id == game->clearScoresId)
            clearTopScores(game->topScores(p));
        else
            continue;
        return true;
    }
    return false;
}

void TTumbledownWindow::onCommand(int id) {
    switch (id) {
    case menu::mainScreen:
        leaveGame();
        break;
    case menu::musicOn:
        music_->musicOn();
        showMusicButton();
        break;
    case menu::musicOff:
        music_->musicOff();
        showMusicButton();
        break;
    case menu::selectMusic:
        music_->selectMusic();
        showMusicButton();
        break;
    case menu::about:
        showAbout();
        break;
    case menu::help:
        openHelp();
        break;
    default:
        // The games' own commands, then the options of the game on view.
        if (!gameCommand(id) && game_)
            game_->optionCommand(id);
        break;
    }
}

void TTumbledownWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange ||
        !(static_cast<QWindowStateChangeEvent*>(event)->oldState() & Qt::WindowMaximized) ||
        windowState() != Qt::WindowNoState)
        return;
    // The window manager sends the restored size after the new state.
    QTimer::singleShot(0, this, [this] {
        const QScreen* desktop = screen();
        if (!desktop || windowState() != Qt::WindowNoState)
            return;
        const QRect free = desktop->availableGeometry();
        if (free.contains(frameGeometry()))
            return;
        const QSize normal = (free.size() * 3 / 4).expandedTo(minimumSizeHint());
        setGeometry(QRect(free.center() - QPoint(normal.width() / 2, normal.height() / 2), normal));
    });
}

void TTumbledownWindow::closeEvent(QCloseEvent* event) {
    if (closing_) {
        event->accept();
        return;
    }
    // The close path runs like any other event: never inside a running handler.
    event->ignore();
    eventQueue().post({EventType::Close});
}

void TTumbledownWindow::closeDown() {
    // A hand settled just before closing still reaches the tables.
    if (game_)
        game_->leaving();
    SavePreferences(preferences(), preferencesPath());
    game_.reset();
    stopSound();
    music_->closeMusic();
    closing_ = true;
    close();
}

} // namespace tumbledown
