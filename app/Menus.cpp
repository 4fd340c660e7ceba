// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Menus.h"

#include "GameList.h"
#include "MenuIds.h"
#include "platform/Transcript.h"

#include <QActionGroup>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

#include <algorithm>
#include <map>

namespace tumbledown {

Menus::Menus(QMenuBar* bar, std::function<void(int)> onCommand)
    : bar_(bar), onCommand_(std::move(onCommand)) {
    QMenu* game = watch(bar_->addMenu("&Game"));
    for (const GameInfo* g : gameList())
        add(game, g->menuId, g->name);
    game->addSeparator();
    add(game, menu::mainScreen, "Main Screen");

    QMenu* music = watch(bar_->addMenu("&Music"));
    QActionGroup* onOff = group(music);
    add(music, menu::musicOn, "Music On", onOff);
    add(music, menu::musicOff, "Music Off", onOff);
    add(music, menu::selectMusic, "Select Music (Midi) file");

    QMenu* scores = watch(bar_->addMenu("&Scores"));
    for (const GameInfo* g : gameList())
        add(scores, g->viewScoresId, g->viewScoresText);
    scores->addSeparator();
    for (const GameInfo* g : gameList())
        add(scores, g->clearScoresId, g->clearScoresText);

    QMenu* help = watch(bar_->addMenu("&Help"));
    add(help, menu::about, "About");
    add(help, menu::help, "Help");
}

QMenu* Menus::watch(QMenu* popup) {
    QObject::connect(popup, &QMenu::aboutToHide, popup, [this] {
        // A popup closed with Escape leaves the bar holding the keyboard, so the
        // board's keys would open menus. Once no popup is open (moving to the
        // next title opens another), the board takes the keyboard back.
        QTimer::singleShot(0, bar_, [this] {
            if (!QApplication::activePopupWidget() && allClosed_)
                allClosed_();
        });
    });
    return popup;
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

void Menus::insertOptions(const OptionsMenu& popup) {
    removeOptions();
    options_ = watch(new QMenu(popup.title, bar_));
    std::map<int, QActionGroup*> groups;
    for (const OptionItem& item : popup.items) {
        if (item.id == 0) {
            options_->addSeparator();
            continue;
        }
        QActionGroup* choice = nullptr;
        if (item.group != 0) {
            QActionGroup*& g = groups[item.group];
            if (!g)
                g = group(options_);
            choice = g;
        }
        add(options_, item.id, item.text, choice);
    }
    const QList<QAction*> popups = bar_->actions();
    bar_->insertMenu(popups.size() > 1 ? popups[1] : nullptr, options_);
    report();
}

void Menus::showMarks(const OptionsMenu& popup, const std::vector<int>& checked) {
    // Group by group, in the popup's order.
    std::vector<int> done;
    for (const OptionItem& first : popup.items) {
        if (first.group == 0 || std::find(done.begin(), done.end(), first.group) != done.end())
            continue;
        done.push_back(first.group);
        for (const OptionItem& item : popup.items)
            if (item.group == first.group)
                if (QAction* action = find(item.id))
                    action->setChecked(std::find(checked.begin(), checked.end(), item.id) !=
                                       checked.end());
        report();
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

void Menus::checkOneOf(std::initializer_list<int> group, int chosen) {
    for (int id : group)
        if (QAction* action = find(id))
            action->setChecked(id == chosen);
    report();
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
