// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TTumbledownWindow.h"

#include "MenuIds.h"
#include "core/NameRules.h"
#include "core/Preferences.h"
#include "core/ProgramState.h"
#include "core/ScoreTables.h"
#include "dialogs/TNumPlayersDialog.h"
#include "dialogs/TNumPlayersDialog2.h"
#include "dialogs/TNumPlayersDialog3.h"
#include "dialogs/TPlayersNamesDialog.h"
#include "dialogs/TViewAndClearTopScoresDialog.h"
#include "dialogs/TopScoreViews.h"
#include "games/pokerdice/PokerDiceGame.h"
#include "games/pokerdice/PokerDiceInput.h"
#include "games/shutthebox/ShutTheBoxGame.h"
#include "games/shutthebox/ShutTheBoxInput.h"
#include "games/tenthousand/TenThouGame.h"
#include "games/tenthousand/TenThouInput.h"
#include "media/SoundEffects.h"
#include "platform/DataFiles.h"
#include "platform/Screen.h"
#include "platform/System.h"
#include "platform/Transcript.h"
#include "platform/ViewSettings.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <QPainter>

#include <filesystem>
#include <utility>

namespace tumbledown {

TTumbledownWindow::TTumbledownWindow() : mainInput_(*this) {
    setWindowTitle("Tumbledown");
    setWindowIcon(QIcon(":/bitmaps/IDI_ICON1.png"));
    client_ = new ClientArea(this);
    setCentralWidget(client_);
    menus_ = std::make_unique<Menus>(menuBar(), [](int id) {
        InputEvent command{EventType::Command};
        command.id = id;
        eventQueue().post(command);
    });
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
    p.currentTip = NextTipNumber(p.currentTip, MainScreen::tipCount);
    router_.setBoard(&mainInput_);
    eventQueue().setSink(this);
    setState(ScreenState::Main);
}

TTumbledownWindow::~TTumbledownWindow() {
    eventQueue().setSink(nullptr);
}

void TTumbledownWindow::invalidate() {
    eventQueue().post({EventType::Paint});
}

void TTumbledownWindow::setState(ScreenState state) {
    state_ = state;
    static const char* const names[] = {"main", "10000", "pokerdice", "shutthebox"};
    transcript().write({"screen", names[static_cast<int>(state)]});
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
    case EventType::Close:
        closeDown();
        break;
    }
    retired_.clear();
}

void TTumbledownWindow::paint() {
    const bool first = firstPaint_;
    if (first)
        firstPaint();
    switch (state_) {
    case ScreenState::TenThousand:
        tenThou_->paint();
        break;
    case ScreenState::PokerDice:
        pokerDice_->paint();
        break;
    case ScreenState::ShutTheBox:
        shutTheBox_->paint();
        break;
    case ScreenState::Main:
        mainScreen_->paint();
        break;
    }
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

void TTumbledownWindow::firstPaint() {
    showMusicOn(preferences().musicOn != 0);
    clientSize = {tumbledown::screen().width(), tumbledown::screen().height()};
    boardOrigin = firstPaintOrigin(clientSize.width, clientSize.height);
    paneRegions_.build(boardOrigin.x, boardOrigin.y);
    firstPaint_ = false;
}

void TTumbledownWindow::onSize() {
    boardOrigin = centredOrigin(tumbledown::screen().width(), tumbledown::screen().height());
    paneRegions_.build(boardOrigin.x, boardOrigin.y);
    invalidate();
}

void TTumbledownWindow::showMusicOn(bool on) {
    menus_->checkOneOf({menu::musicOn, menu::musicOff}, on ? menu::musicOn : menu::musicOff);
}

void TTumbledownWindow::switchTo(ScreenState game) {
    if (state_ == game || game == ScreenState::Main)
        return;
    if (state_ != ScreenState::Main)
        retireGame();
    switch (game) {
    case ScreenState::TenThousand:
        tenThou_ = std::make_unique<TenThouGame>(*this);
        tenThouInput_ = std::make_unique<tenthousand::TenThouInput>(*tenThou_, paneRegions_, *this);
        break;
    case ScreenState::PokerDice:
        pokerDice_ = std::make_unique<PokerDiceGame>(*this);
        pokerDiceInput_ = std::make_unique<pokerdice::PokerDiceInput>(*pokerDice_, *this);
        break;
    case ScreenState::ShutTheBox:
        shutTheBox_ = std::make_unique<ShutTheBoxGame>(*this);
        shutTheBoxInput_ = std::make_unique<shutthebox::ShutTheBoxInput>(*shutTheBox_, *this);
        break;
    case ScreenState::Main:
        break;
    }
    setState(game);
    if (game == ScreenState::TenThousand)
        router_.setBoard(tenThouInput_.get());
    else if (game == ScreenState::PokerDice)
        router_.setBoard(pokerDiceInput_.get());
    else
        router_.setBoard(shutTheBoxInput_.get());
    menus_->insertOptions(game, preferences());
    paint();
}

void TTumbledownWindow::retireGame() {
    if (state_ == ScreenState::TenThousand)
        skipScoresOnce = true;
    // A settled hand's coins go into the tables before the game is gone.
    if (pokerDice_)
        pokerDice_->leaving();
    setState(ScreenState::Main);
    router_.setBoard(&mainInput_);
    menus_->removeOptions();
    retired_.emplace_back(std::move(tenThouInput_));
    retired_.emplace_back(std::move(tenThou_));
    retired_.emplace_back(std::move(pokerDiceInput_));
    retired_.emplace_back(std::move(pokerDice_));
    retired_.emplace_back(std::move(shutTheBoxInput_));
    retired_.emplace_back(std::move(shutTheBox_));
}

void TTumbledownWindow::leaveGameToMainScreen() {
    if (state_ != ScreenState::Main)
        retireGame();
    invalidate();
}

void TTumbledownWindow::leaveGame() {
    leaveGameToMainScreen();
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
    const bool on = preferences().soundOn != 0;
    switch (state_) {
    case ScreenState::TenThousand:
        menus_->checkOneOf({menu::tenThouSoundOn, menu::tenThouSoundOff},
                           on ? menu::tenThouSoundOn : menu::tenThouSoundOff);
        break;
    case ScreenState::PokerDice:
        menus_->checkOneOf({menu::pokerSoundOn, menu::pokerSoundOff},
                           on ? menu::pokerSoundOn : menu::pokerSoundOff);
        menus_->checkOneOf({menu::acesWildOn, menu::acesWildOff},
                           preferences().acesWild ? menu::acesWildOn : menu::acesWildOff);
        break;
    case ScreenState::ShutTheBox:
        menus_->checkOneOf({menu::boxSoundOn, menu::boxSoundOff},
                           on ? menu::boxSoundOn : menu::boxSoundOff);
        menus_->checkOneOf({menu::gremlinOn, menu::gremlinOff},
                           preferences().gremlinOn ? menu::gremlinOn : menu::gremlinOff);
        break;
    case ScreenState::Main:
        break;
    }
}

bool TTumbledownWindow::runOptionsDialog() {
    if (state_ == ScreenState::TenThousand)
        return runTenThouOptions();
    if (state_ == ScreenState::ShutTheBox)
        return runShutTheBoxOptions();
    if (state_ == ScreenState::PokerDice)
        return runPokerDiceOptions();
    return false;
}

BoardButtons* TTumbledownWindow::boardButtons() {
    if (tenThou_)
        return &tenThou_->buttons();
    if (shutTheBox_)
        return &shutTheBox_->buttons();
    if (pokerDice_)
        return &pokerDice_->buttons();
    return nullptr;
}

void TTumbledownWindow::showMusicButton() {
    if (BoardButtons* buttons = boardButtons())
        buttons->showMusic();
}

void TTumbledownWindow::openHelp() {
    openDocument("Tumbledown.html");
}

void TTumbledownWindow::showAbout() {
    messageBox("About", aboutText);
}

void TTumbledownWindow::runTopScoresDialog() {
    TViewAndClearTopScoresDialog dialog(this);
    if (!runModal(dialog))
        return;
    using D = TViewAndClearTopScoresDialog;
    const auto chosen = dialog.choices();
    PreferencesRecord& p = preferences();
    if (chosen[D::View10000])
        ShowTenThouTopScores(p);
    if (chosen[D::ViewPokerDice]) {
        ShowPokerDiceTopScores(p);
        CheckClubAdmissionOfPlayer1(p);
    }
    if (chosen[D::ViewShutTheBox])
        ShowShutTheBoxTopScores(p);
    if (chosen[D::Clear10000])
        ClearTopScores(p.tenThouTopScores);
    if (chosen[D::ClearPokerDice])
        ClearTopScores(p.pokerDiceTopScores);
    if (chosen[D::ClearShutTheBox])
        ClearTopScores(p.shutTheBoxTopScores);
}

void TTumbledownWindow::showNextTip() {
    mainScreen_->nextTip();
}

void TTumbledownWindow::onCommand(int id) {
    PreferencesRecord& p = preferences();
    switch (id) {
    case menu::tenThousand:
        switchTo(ScreenState::TenThousand);
        break;
    case menu::pokerDice:
        switchTo(ScreenState::PokerDice);
        break;
    case menu::shutTheBox:
        switchTo(ScreenState::ShutTheBox);
        break;
    case menu::mainScreen:
        leaveGameToMainScreen();
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
    case menu::viewTenThouScores:
        ShowTenThouTopScores(p);
        break;
    case menu::viewPokerDiceScores:
        ShowPokerDiceTopScores(p);
        CheckClubAdmissionOfPlayer1(p);
        break;
    case menu::viewShutTheBoxScores:
        ShowShutTheBoxTopScores(p);
        break;
    case menu::clearTenThouScores:
        ClearTopScores(p.tenThouTopScores);
        break;
    case menu::clearPokerDiceScores:
        ClearTopScores(p.pokerDiceTopScores);
        break;
    case menu::clearShutTheBoxScores:
        ClearTopScores(p.shutTheBoxTopScores);
        break;
    case menu::about:
        showAbout();
        break;
    case menu::help:
        openHelp();
        break;
    default:
        onOptionCommand(id);
        break;
    }
}

void TTumbledownWindow::onOptionCommand(int id) {
    PreferencesRecord& p = preferences();
    const auto setLevel = [](std::uint8_t& apprentice, std::uint8_t& mage, std::uint8_t& wizard,
                             int level) {
        apprentice = level == 1;
        mage = level == 2;
        wizard = level == 3;
    };
    const auto setSound = [&](bool on) {
        p.soundOn = on;
        refreshMenuMarks();
        if (BoardButtons* buttons = boardButtons())
            buttons->showSound();
    };
    const auto pokerLevel = [&](int level) {
        const int previous = p.pokerDiceApprentice ? 1
                             : p.pokerDiceMage     ? 2
                             : p.pokerDiceWizard   ? 3
                                                   : 0;
        // Player 2's seat is leaving a person or this level: keep that balance.
        if (level != 0 && (previous == level || previous == 0))
            StoreCoins(p, p.player2(), 2);
        setLevel(p.pokerDiceApprentice, p.pokerDiceMage, p.pokerDiceWizard, level);
        if (level == 0)
            AdoptCoins(p, p.player2(), 2);
        showPokerDiceLevel();
        if (pokerDice_)
            pokerDice_->startMatch();
    };
    // Every Poker Dice option that starts a new match: a settled hand's coins
    // go into the tables first, under the names and coins they were won with.
    const auto settlePokerTables = [&] {
        if (pokerDice_)
            pokerDice_->flushPendingTables();
    };
    const auto tenThouLevel = [&](int level) {
        setLevel(p.tenThouApprentice, p.tenThouMage, p.tenThouWizard, level);
        showTenThouLevel();
        if (tenThou_) {
            tenThou_->newFirstPlayer();
            tenThou_->newGame();
        }
    };
    switch (id) {
    case menu::tenThouApprentice:
        tenThouLevel(1);
        break;
    case menu::tenThouMage:
        tenThouLevel(2);
        break;
    case menu::tenThouWizard:
        tenThouLevel(3);
        break;
    case menu::tenThouPlayer2:
        tenThouLevel(0);
        break;
    case menu::tenThouNames:
        runTenThouOptions();
        break;
    case menu::tenThouSoundOn:
        setSound(true);
        break;
    case menu::tenThouSoundOff:
        setSound(false);
        break;
    case menu::tenThouFaster:
        speedUp(p.tenThouDelay);
        break;
    case menu::tenThouSlower:
        slowDown(p.tenThouDelay);
        break;
    case menu::pokerApprentice:
    case menu::pokerMage:
    case menu::pokerWizard:
    case menu::pokerPlayer2:
        settlePokerTables();
        pokerLevel(id == menu::pokerPlayer2 ? 0 : id - menu::pokerApprentice + 1);
        break;
    case menu::pokerNames:
    case menu::rollsPerTurn:
        runPokerDiceOptions();
        break;
    case menu::pokerSoundOn:
        setSound(true);
        break;
    case menu::pokerSoundOff:
        setSound(false);
        break;
    case menu::pokerFaster:
        speedUp(p.pokerDiceDelay);
        break;
    case menu::pokerSlower:
        slowDown(p.pokerDiceDelay);
        break;
    case menu::acesWildOn:
    case menu::acesWildOff:
        settlePokerTables();
        p.acesWild = id == menu::acesWildOn;
        menus_->checkOneOf({menu::acesWildOn, menu::acesWildOff}, id);
        if (pokerDice_) {
            pokerDice_->showAcesWildButton();
            pokerDice_->startMatch();
        }
        break;
    case menu::resetCoins:
        settlePokerTables();
        if (pokerDice_)
            pokerDice_->resetCoins();
        break;
    case menu::boxVsComputer:
    case menu::boxVsPlayer2:
        p.shutTheBoxVsComputer = id == menu::boxVsComputer;
        menus_->checkOneOf({menu::boxVsComputer, menu::boxVsPlayer2}, id);
        if (shutTheBox_)
            shutTheBox_->newGame();
        break;
    case menu::boxNames:
        runShutTheBoxOptions();
        break;
    case menu::oneDie:
        if (shutTheBox_)
            shutTheBox_->useOneDie();
        break;
    case menu::boxSoundOn:
        setSound(true);
        break;
    case menu::boxSoundOff:
        setSound(false);
        break;
    case menu::boxFaster:
        speedUp(p.shutTheBoxDelay);
        break;
    case menu::boxSlower:
        slowDown(p.shutTheBoxDelay);
        break;
    case menu::gremlinOn:
    case menu::gremlinOff:
        p.gremlinOn = id == menu::gremlinOn;
        menus_->checkOneOf({menu::gremlinOn, menu::gremlinOff}, id);
        if (shutTheBox_) {
            shutTheBox_->showGremlinButton();
            shutTheBox_->newGame();
        }
        break;
    default:
        break; // the games' own commands
    }
}

void TTumbledownWindow::showTenThouLevel() {
    const PreferencesRecord& p = preferences();
    const int level = p.tenThouApprentice ? menu::tenThouApprentice
                      : p.tenThouMage     ? menu::tenThouMage
                      : p.tenThouWizard   ? menu::tenThouWizard
                                          : menu::tenThouPlayer2;
    menus_->checkOneOf(
        {menu::tenThouApprentice, menu::tenThouMage, menu::tenThouWizard, menu::tenThouPlayer2},
        level);
}

bool TTumbledownWindow::runTenThouOptions() {
    const std::optional<TenThouOptionsRecord> chosen = AskTenThouOptions(preferences(), this);
    if (!chosen)
        return false;
    PreferencesRecord& p = preferences();
    // Each change draws who goes first anew and starts a game of its own.
    const auto restart = [this] {
        if (tenThou_) {
            tenThou_->newFirstPlayer();
            tenThou_->newGame();
        }
    };
    bool changed = false;
    if (ApplyTenThouOpponent(*chosen, p)) {
        showTenThouLevel();
        restart();
        changed = true;
    }
    if (ApplyTenThouName(*chosen, p)) {
        restart();
        changed = true;
    }
    CheckNameClash(p, [this] {
        if (tenThou_)
            tenThou_->drawNames();
    });
    return changed;
}

void TTumbledownWindow::showPokerDiceLevel() {
    const PreferencesRecord& p = preferences();
    const int level = p.pokerDiceApprentice ? menu::pokerApprentice
                      : p.pokerDiceMage     ? menu::pokerMage
                      : p.pokerDiceWizard   ? menu::pokerWizard
                                            : menu::pokerPlayer2;
    menus_->checkOneOf(
        {menu::pokerApprentice, menu::pokerMage, menu::pokerWizard, menu::pokerPlayer2}, level);
}

bool TTumbledownWindow::runPokerDiceOptions() {
    // The tables take a settled hand before names or coins can change.
    if (pokerDice_)
        pokerDice_->flushPendingTables();
    const std::optional<PokerDiceOptionsRecord> chosen = AskPokerDiceOptions(preferences(), this);
    if (!chosen)
        return false;
    PreferencesRecord& p = preferences();
    // Each change deals a new hand of its own, who goes first drawn anew.
    const auto newMatch = [this] {
        if (pokerDice_)
            pokerDice_->startMatch();
    };
    bool changed = false;
    if (ApplyPokerDiceOpponent(*chosen, p)) {
        showPokerDiceLevel();
        newMatch();
        changed = true;
    }
    if (ApplyPokerDiceName(*chosen, p)) {
        newMatch();
        changed = true;
    }
    CheckNameClash(p, [this] {
        if (pokerDice_)
            pokerDice_->drawNames();
    });
    if (chosen->resetCoins && pokerDice_) {
        pokerDice_->resetCoins();
        changed = true;
    }
    if (ApplyPokerDiceRolls(*chosen, p)) {
        newMatch();
        changed = true;
    }
    if (const std::optional<bool> wild = ApplyPokerDiceAcesWild(*chosen, p)) {
        if (pokerDice_)
            pokerDice_->showAcesWildButton();
        menus_->checkOneOf({menu::acesWildOn, menu::acesWildOff},
                           *wild ? menu::acesWildOn : menu::acesWildOff);
        newMatch();
        changed = true;
    }
    return changed;
}

bool TTumbledownWindow::runShutTheBoxOptions() {
    const std::optional<ShutTheBoxOptionsRecord> chosen = AskShutTheBoxOptions(preferences(), this);
    if (!chosen)
        return false;
    PreferencesRecord& p = preferences();
    bool changed = false;
    if (const std::optional<bool> vsComputer = ApplyShutTheBoxOpponent(*chosen, p)) {
        menus_->checkOneOf({menu::boxVsComputer, menu::boxVsPlayer2},
                           *vsComputer ? menu::boxVsComputer : menu::boxVsPlayer2);
        if (shutTheBox_)
            shutTheBox_->newGame();
        changed = true;
    }
    const bool renamed = ApplyShutTheBoxName(*chosen, p);
    if (renamed) {
        if (shutTheBox_)
            shutTheBox_->newGame();
        changed = true;
    }
    const auto redrawNames = [this] {
        if (shutTheBox_)
            shutTheBox_->drawNames();
    };
    CheckNameClash(p, redrawNames);
    if (renamed)
        redrawNames();
    return changed;
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
    if (pokerDice_)
        pokerDice_->flushPendingTables();
    SavePreferences(preferences(), preferencesPath());
    tenThouInput_.reset();
    tenThou_.reset();
    pokerDiceInput_.reset();
    pokerDice_.reset();
    shutTheBoxInput_.reset();
    shutTheBox_.reset();
    stopSound();
    music_->closeMusic();
    closing_ = true;
    close();
}

} // namespace tumbledown
