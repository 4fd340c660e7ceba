// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TTumbledownWindow.h"

#include "MenuIds.h"
#include "core/GameSettings.h"
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

ClientArea::ClientArea(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
}

void ClientArea::restoreZoom(int factor) {
    zoom_.restore(factor);
    if (zoom_.factor() != tumbledown::screen().zoom())
        applyZoom();
}

void ClientArea::setZoom(int factor) {
    const int wanted = zoom_.wanted();
    zoom_.set(factor);
    showChosenZoom(wanted);
}

bool ClientArea::zoomKey(const QKeyEvent& event) {
    if (!(event.modifiers() & Qt::ControlModifier))
        return false;
    const int wanted = zoom_.wanted();
    switch (event.key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal: // Ctrl+Plus without the Shift key
        zoom_.zoomIn();
        break;
    case Qt::Key_Minus:
        zoom_.zoomOut();
        break;
    case Qt::Key_0:
        zoom_.set(1);
        break;
    default:
        return false;
    }
    showChosenZoom(wanted);
    return true;
}

void ClientArea::showChosenZoom(int wantedBefore) {
    if (zoom_.wanted() != wantedBefore)
        SaveViewSettings({zoom_.wanted()}, viewSettingsPath());
    if (zoom_.factor() != tumbledown::screen().zoom())
        applyZoom();
}

void ClientArea::applyZoom() {
    Screen& s = tumbledown::screen();
    const bool changed = zoom_.factor() != s.zoom();
    s.setView(width(), height(), zoom_.factor());
    if (changed)
        transcript().write({"zoom", std::to_string(s.zoom())});
    eventQueue().post({EventType::Size});
}

void ClientArea::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    tumbledown::screen().show(painter, event->rect(), devicePixelRatioF());
}

void ClientArea::resizeEvent(QResizeEvent*) {
    zoom_.setClientSize(width(), height());
    applyZoom();
}

void ClientArea::mousePressEvent(QMouseEvent* event) {
    const QPoint p = tumbledown::screen().toImage(event->position());
    if (event->button() == Qt::LeftButton)
        eventQueue().post({EventType::LeftDown, p.x(), p.y()});
    else if (event->button() == Qt::RightButton)
        eventQueue().post({EventType::RightDown, p.x(), p.y()});
}

void ClientArea::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint p = tumbledown::screen().toImage(event->position());
    if (event->button() == Qt::LeftButton)
        eventQueue().post({EventType::LeftUp, p.x(), p.y()});
}

void ClientArea::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = tumbledown::screen().toImage(event->position());
    eventQueue().post({EventType::MouseMove, p.x(), p.y()});
}

void ClientArea::keyPressEvent(QKeyEvent* event) {
    if (zoomKey(*event))
        return;
    const QString text = event->text();
    // Alt and Ctrl combinations belong to the menus, not to the board.
    const bool command = event->modifiers() & (Qt::AltModifier | Qt::ControlModifier);
    if (command || text.isEmpty() || text[0].unicode() > 0xFF) {
        QWidget::keyPressEvent(event);
        return;
    }
    InputEvent key{EventType::Char};
    key.ch = static_cast<char>(text[0].unicode());
    eventQueue().post(key);
}

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
    p.currentTip = nextTipNumber(p.currentTip, MainScreen::tipCount);
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
        pokerDice_->flushPendingTables();
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
                           PokerDiceSettings(preferences()).acesWild() ? menu::acesWildOn
                                                                       : menu::acesWildOff);
        break;
    case ScreenState::ShutTheBox:
        menus_->checkOneOf({menu::boxSoundOn, menu::boxSoundOff},
                           on ? menu::boxSoundOn : menu::boxSoundOff);
        menus_->checkOneOf({menu::gremlinOn, menu::gremlinOff},
                           ShutTheBoxSettings(preferences()).gremlinOn() ? menu::gremlinOn
                                                                         : menu::gremlinOff);
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
    using D = TViewAndClearTopScoresDialog;
    const auto chosen = dialog.choices();
    PreferencesRecord& p = preferences();
    if (chosen[D::View10000])
        showTenThouTopScores(p);
    if (chosen[D::ViewPokerDice]) {
        showPokerDiceTopScores(p);
        checkClubAdmissionOfPlayer1(p);
    }
    if (chosen[D::ViewShutTheBox])
        showShutTheBoxTopScores(p);
    if (chosen[D::Clear10000])
        clearTopScores(p.tenThouTopScores);
    if (chosen[D::ClearPokerDice])
        clearTopScores(p.pokerDiceTopScores);
    if (chosen[D::ClearShutTheBox])
        clearTopScores(p.shutTheBoxTopScores);
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
        showTenThouTopScores(p);
        break;
    case menu::viewPokerDiceScores:
        showPokerDiceTopScores(p);
        checkClubAdmissionOfPlayer1(p);
        break;
    case menu::viewShutTheBoxScores:
        showShutTheBoxTopScores(p);
        break;
    case menu::clearTenThouScores:
        clearTopScores(p.tenThouTopScores);
        break;
    case menu::clearPokerDiceScores:
        clearTopScores(p.pokerDiceTopScores);
        break;
    case menu::clearShutTheBoxScores:
        clearTopScores(p.shutTheBoxTopScores);
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
    // Level 0 is the second person, 1 to 3 the computer's levels.
    const auto opponentOf = [](int level) {
        return level == 0 ? Opponent{} : Opponent{static_cast<Level>(level - 1)};
    };
    const auto setSound = [&](bool on) {
        p.soundOn = on;
        refreshMenuMarks();
        if (BoardButtons* buttons = boardButtons())
            buttons->showSound();
    };
    const auto pokerLevel = [&](int level) {
        const PokerDiceSettings settings(p);
        const Opponent previous = settings.opponent();
        // Player 2's seat is leaving a person or this level: keep that balance.
        if (level != 0 && (previous == opponentOf(level) || !previous))
            StoreCoins(p, p.player2(), 2);
        settings.setOpponent(opponentOf(level));
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
        TenThouSettings(p).setOpponent(opponentOf(level));
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
        speedUp(TenThouSettings(p).delay());
        break;
    case menu::tenThouSlower:
        slowDown(TenThouSettings(p).delay());
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
        speedUp(PokerDiceSettings(p).delay());
        break;
    case menu::pokerSlower:
        slowDown(PokerDiceSettings(p).delay());
        break;
    case menu::acesWildOn:
    case menu::acesWildOff:
        settlePokerTables();
        PokerDiceSettings(p).setAcesWild(id == menu::acesWildOn);
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
        ShutTheBoxSettings(p).setVsComputer(id == menu::boxVsComputer);
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
        speedUp(ShutTheBoxSettings(p).delay());
        break;
    case menu::boxSlower:
        slowDown(ShutTheBoxSettings(p).delay());
        break;
    case menu::gremlinOn:
    case menu::gremlinOff:
        ShutTheBoxSettings(p).setGremlinOn(id == menu::gremlinOn);
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
    const Opponent opponent = TenThouSettings(preferences()).opponent();
    const int level =
        opponent ? menu::tenThouApprentice + static_cast<int>(*opponent) : menu::tenThouPlayer2;
    menus_->checkOneOf(
        {menu::tenThouApprentice, menu::tenThouMage, menu::tenThouWizard, menu::tenThouPlayer2},
        level);
}

bool TTumbledownWindow::runTenThouOptions() {
    const std::optional<TenThouOptionsRecord> chosen = askTenThouOptions(preferences(), this);
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
    if (applyTenThouOpponent(*chosen, p)) {
        showTenThouLevel();
        restart();
        changed = true;
    }
    if (applyTenThouName(*chosen, p)) {
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
    const Opponent opponent = PokerDiceSettings(preferences()).opponent();
    const int level =
        opponent ? menu::pokerApprentice + static_cast<int>(*opponent) : menu::pokerPlayer2;
    menus_->checkOneOf(
        {menu::pokerApprentice, menu::pokerMage, menu::pokerWizard, menu::pokerPlayer2}, level);
}

bool TTumbledownWindow::runPokerDiceOptions() {
    // The tables take a settled hand before names or coins can change.
    if (pokerDice_)
        pokerDice_->flushPendingTables();
    const std::optional<PokerDiceOptionsRecord> chosen = askPokerDiceOptions(preferences(), this);
    if (!chosen)
        return false;
    PreferencesRecord& p = preferences();
    // Each change deals a new hand of its own, who goes first drawn anew.
    const auto newMatch = [this] {
        if (pokerDice_)
            pokerDice_->startMatch();
    };
    bool changed = false;
    if (applyPokerDiceOpponent(*chosen, p)) {
        showPokerDiceLevel();
        newMatch();
        changed = true;
    }
    if (applyPokerDiceName(*chosen, p)) {
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
    if (applyPokerDiceRolls(*chosen, p)) {
        newMatch();
        changed = true;
    }
    if (const std::optional<bool> wild = applyPokerDiceAcesWild(*chosen, p)) {
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
    const std::optional<ShutTheBoxOptionsRecord> chosen = askShutTheBoxOptions(preferences(), this);
    if (!chosen)
        return false;
    PreferencesRecord& p = preferences();
    bool changed = false;
    if (const std::optional<bool> vsComputer = applyShutTheBoxOpponent(*chosen, p)) {
        menus_->checkOneOf({menu::boxVsComputer, menu::boxVsPlayer2},
                           *vsComputer ? menu::boxVsComputer : menu::boxVsPlayer2);
        if (shutTheBox_)
            shutTheBox_->newGame();
        changed = true;
    }
    const bool renamed = applyShutTheBoxName(*chosen, p);
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
