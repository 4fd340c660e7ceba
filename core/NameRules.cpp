// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "NameRules.h"

#include "platform/System.h"

namespace tumbledown {

void UpperCaseName(std::string& name) {
    for (char& c : name)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
}

void CheckNameClash(PreferencesRecord& record, const std::function<void()>& redrawNames) {
    if (record.player1() != record.player2())
        return;
    // The usual reset name would clash again with a first player named PLAYERB.
    const std::string reset = record.player1() == "PLAYERB" ? "PLAYERA" : "PLAYERB";
    record.setPlayer2(reset);
    if (redrawNames)
        redrawNames();
    messageBox("Warning", record.player1() + " may not be your own opponent.\n" +
                              "Second player's name is reset to\n" + "'" + reset +
                              "'.  To change this name,\n" + "click on either player name.\n");
}

void applyEnteredNames(PreferencesRecord& record, std::string first, std::string second) {
    UpperCaseName(first);
    UpperCaseName(second);
    record.setPlayer1(first.empty() ? "PLAYERA" : first);
    record.setPlayer2(second.empty() ? "PLAYERB" : second);
    CheckNameClash(record);
}

} // namespace tumbledown
