// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

class QAction;
class QActionGroup;
class QMenu;
class QMenuBar;

namespace tumbledown {

struct OptionsMenu;

// The menu bar: the fixed popups, the options popup of the game on view at
// position 1, and the check-mark groups. Every command goes to onCommand.
class Menus {
public:
    Menus(QMenuBar* bar, std::function<void(int)> onCommand);

    // The options popup of the game on view, at position 1.
    void insertOptions(const OptionsMenu& popup);
    void removeOptions();
    // Each choice group of the popup marked as checked says, in the popup's order.
    void showMarks(const OptionsMenu& popup, const std::vector<int>& checked);

    // Exactly the chosen item of the group carries the mark.
    void checkOneOf(std::initializer_list<int> group, int chosen);

    // Called once every popup of the bar has closed.
    void whenAllClosed(std::function<void()> closed) { allClosed_ = std::move(closed); }

    // Runs the command of an item in the bar now; false if there is none.
    bool trigger(int id);

    std::vector<std::string> titles() const;
    std::vector<int> checkedIds() const;
    // Records the bar's titles and check marks when they have changed.
    void report();

private:
    QMenu* watch(QMenu* popup);
    QAction* add(QMenu* menu, int id, const char* text, QActionGroup* group = nullptr);
    static QActionGroup* group(QObject* owner);
    QAction* find(int id) const;
    std::vector<QAction*> allActions() const;

    QMenuBar* bar_;
    std::function<void(int)> onCommand_;
    std::function<void()> allClosed_;
    QMenu* options_ = nullptr;
    std::string reportedTitles_;
    std::string reportedChecks_;
};

} // namespace tumbledown
