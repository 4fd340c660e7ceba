// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Menus.h"

#include "MenuIds.h"
#include "core/GameSettings.h"
#include "platform/Transcript.h"

#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

#include <algorithm>

namespace tumbledown {

Menus::Menus(QMenuBar* bar, std::function<void(int)> onCommand)
    : bar_(bar), onCommand_(std::move(onCommand)) {
    QMenu* game = bar_->addMenu("&Game");
    add(game, menu::tenThousand, "10,000");
    add(game, menu::pokerDice, "Poker Dice");
    add(game, menu::shutTheBox, "Shut The Box");
    game->addSeparator();
    add(game, menu::mainScreen, "Main Screen");

    QMenu* music = bar_->addMenu("&Music");
    QActionGroup* onOff = group(music);
    add(music, menu::musicOn, "Music On", onOff);
    add(music, menu::musicOff, "Music Off", onOff);
    add(music, menu::selectMusic, "Select Music (Midi) file");

    QMenu* scores = bar_->addMenu("&Scores");
    add(scores, menu::viewTenThouScores, "View 10,000 Top Scores");
    add(scores, menu::viewPokerDiceScores, "View Poker Dice Top Scores");
    add(scores, menu::viewShutTheBoxScores, "View Shut The Box Top Scores");
    scores->addSeparator();
    add(scores, menu::clearTenThouScores, "Clear 10,000 Top Scores");
    add(scores, menu::clearPokerDiceScores, "Clear Poker Dice Top Scores");
    add(scores, menu::clearShutTheBoxScores, "Clear Shut The Box Top Scores");

    QMenu* help = bar_->addMenu("&Help");
    add(help, menu::about, "About");
    add(help, menu::help, "Help");
}

QAction* Menus::add(QMenu* popup, int id, const char* text, QActionGroup* group) {
    QAction* action = popup->addAction(text);
    action->setData(id);
    if (group) {
        // Shown as a choice of one; the command sets the marks for good.
        action->setCheckable(true);
        group->addAction(action);
    }
    QObject::connect(action, &QAction::triggered, action, [this, id] { onCommand_(id); });
    return action;
}

QActionGroup* Menus::group(QObject* owner) {
    auto* choice = new QActionGroup(owner);
    choice->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    return choice;
}

void Menus::insertOptions(ScreenState game, PreferencesRecord& p) {
    removeOptions();
    // The level items follow one another, the second person's last.
    const auto levelItem = [](Opponent opponent, int first) {
        return opponent ? first + static_cast<int>(*opponent) : first + 3;
    };
    switch (game) {
    case ScreenState::TenThousand: {
        options_ = new QMenu("10,000 Options", bar_);
        QActionGroup* level = group(options_);
        add(options_, menu::tenThouApprentice, "Play Vs Apprentice", level);
        add(options_, menu::tenThouMage, "Play Vs Mage", level);
        add(options_, menu::tenThouWizard, "Play Vs Wizard", level);
        add(options_, menu::tenThouPlayer2, "Play Vs Player 2", level);
        add(options_, menu::tenThouNames, "Change Player's Name");
        options_->addSeparator();
        QActionGroup* sound = group(options_);
        add(options_, menu::tenThouSoundOn, "Sound Effects On", sound);
        add(options_, menu::tenThouSoundOff, "Sound Effects Off", sound);
        options_->addSeparator();
        add(options_, menu::tenThouFaster, "Speed Up Animation");
        add(options_, menu::tenThouSlower, "Slow Down Animation");
        break;
    }
    case ScreenState::PokerDice: {
        options_ = new QMenu("Poker Dice Options", bar_);
        QActionGroup* level = group(options_);
        add(options_, menu::pokerApprentice, "Play Vs Apprentice", level);
        add(options_, menu::pokerMage, "Play Vs Mage", level);
        add(options_, menu::pokerWizard, "Play Vs Wizard", level);
        add(options_, menu::pokerPlayer2, "Play vs Player 2", level);
        add(options_, menu::pokerNames, "Change Player's Name");
        options_->addSeparator();
        QActionGroup* sound = group(options_);
        add(options_, menu::pokerSoundOn, "Sound Effects On", sound);
        add(options_, menu::pokerSoundOff, "Sound Effects Off", sound);
        options_->addSeparator();
        add(options_, menu::pokerFaster, "Speed Up Animation");
        add(options_, menu::pokerSlower, "Slow Down Animation");
        options_->addSeparator();
        QActionGroup* acesWild = group(options_);
        add(options_, menu::acesWildOn, "Aces Wild On", acesWild);
        add(options_, menu::acesWildOff, "Aces Wild Off", acesWild);
        options_->addSeparator();
        add(options_, menu::rollsPerTurn, "Set Number of Rolls");
        add(options_, menu::resetCoins, "Reset Coins to 5000");
        break;
    }
    case ScreenState::ShutTheBox: {
        options_ = new QMenu("Shut The Box Options", bar_);
        QActionGroup* opponent = group(options_);
        add(options_, menu::boxVsComputer, "Play Vs Computer", opponent);
        add(options_, menu::boxVsPlayer2, "Play Vs Player 2", opponent);
        add(options_, menu::boxNames, "Change Player's Name");
        options_->addSeparator();
        QActionGroup* sound = group(options_);
        add(options_, menu::boxSoundOn, "Sound Effects On", sound);
        add(options_, menu::boxSoundOff, "Sound Effects Off", sound);
        options_->addSeparator();
        add(options_, menu::boxFaster, "Speed Up Animation");
        add(options_, menu::boxSlower, "Slow Down Animation");
        options_->addSeparator();
        QActionGroup* gremlin = group(options_);
        add(options_, menu::gremlinOn, "Gremlin On", gremlin);
        add(options_, menu::gremlinOff, "Gremlin Off", gremlin);
        options_->addSeparator();
        add(options_, menu::oneDie, "One Die");
        break;
    }
    case ScreenState::Main:
        return;
    }
    const QList<QAction*> popups = bar_->actions();
    bar_->insertMenu(popups.size() > 1 ? popups[1] : nullptr, options_);
    report();

    switch (game) {
    case ScreenState::TenThousand:
        check(levelItem(TenThouSettings(p).opponent(), menu::tenThouApprentice), true);
        checkOneOf({menu::tenThouSoundOn, menu::tenThouSoundOff},
                   p.soundOn ? menu::tenThouSoundOn : menu::tenThouSoundOff);
        break;
    case ScreenState::PokerDice:
        check(levelItem(PokerDiceSettings(p).opponent(), menu::pokerApprentice), true);
        checkOneOf({menu::pokerSoundOn, menu::pokerSoundOff},
                   p.soundOn ? menu::pokerSoundOn : menu::pokerSoundOff);
        checkOneOf({menu::acesWildOn, menu::acesWildOff},
                   PokerDiceSettings(p).acesWild() ? menu::acesWildOn : menu::acesWildOff);
        break;
    case ScreenState::ShutTheBox:
        checkOneOf({menu::boxVsComputer, menu::boxVsPlayer2},
                   ShutTheBoxSettings(p).vsComputer() ? menu::boxVsComputer : menu::boxVsPlayer2);
        checkOneOf({menu::boxSoundOn, menu::boxSoundOff},
                   p.soundOn ? menu::boxSoundOn : menu::boxSoundOff);
        checkOneOf({menu::gremlinOn, menu::gremlinOff},
                   ShutTheBoxSettings(p).gremlinOn() ? menu::gremlinOn : menu::gremlinOff);
        break;
    case ScreenState::Main:
        break;
    }
}

void Menus::removeOptions() {
    if (!options_)
        return;
    bar_->removeAction(options_->menuAction());
    options_->deleteLater();
    options_ = nullptr;
    report();
}

QAction* Menus::find(int id) const {
    for (QAction* action : allActions())
        if (action->data().toInt() == id)
            return action;
    return nullptr;
}

std::vector<QAction*> Menus::allActions() const {
    std::vector<QAction*> actions;
    for (QAction* popup : bar_->actions())
        if (QMenu* menu = popup->menu())
            for (QAction* item : menu->actions())
                if (!item->isSeparator())
                    actions.push_back(item);
    return actions;
}

void Menus::check(int id, bool on) {
    if (QAction* action = find(id))
        action->setChecked(on);
    report();
}

void Menus::checkOneOf(std::initializer_list<int> group, int chosen) {
    for (int id : group)
        if (QAction* action = find(id))
            action->setChecked(id == chosen);
    report();
}

bool Menus::isChecked(int id) const {
    const QAction* action = find(id);
    return action && action->isChecked();
}

bool Menus::trigger(int id) {
    QAction* action = find(id);
    if (!action)
        return false;
    action->trigger();
    return true;
}

std::vector<std::string> Menus::titles() const {
    std::vector<std::string> titles;
    for (QAction* popup : bar_->actions())
        titles.push_back(popup->text().remove('&').toStdString());
    return titles;
}

std::vector<int> Menus::checkedIds() const {
    std::vector<int> ids;
    for (QAction* action : allActions())
        if (action->isChecked())
            ids.push_back(action->data().toInt());
    std::sort(ids.begin(), ids.end());
    return ids;
}

void Menus::report() {
    std::string joinedTitles;
    for (const std::string& title : titles())
        joinedTitles += (joinedTitles.empty() ? "" : "|") + title;
    if (joinedTitles != reportedTitles_) {
        reportedTitles_ = joinedTitles;
        transcript().write({"menubar", joinedTitles});
    }
    std::string joinedChecks;
    for (int id : checkedIds())
        joinedChecks += (joinedChecks.empty() ? "" : ",") + std::to_string(id);
    if (joinedChecks != reportedChecks_) {
        reportedChecks_ = joinedChecks;
        transcript().write({"checked", joinedChecks});
    }
}

} // namespace tumbledown
