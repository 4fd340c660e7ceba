// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ScoreTables.h"

#include <utility>

namespace tumbledown {

namespace {

int findName(const ScoreTable& table, const std::string& name) {
    for (int i = 1; i <= 10; ++i)
        if (table[i].nameString() == name)
            return i;
    return 0;
}

// Inserts at the first entry whose coins are below; false when none is.
bool insertAtFirstLower(ScoreTable& table, const std::string& name, std::uint32_t coins) {
    for (int i = 1; i <= 10; ++i) {
        if (static_cast<std::uint32_t>(table[i].value) < coins) {
            for (int j = 10; j > i; --j)
                table[j] = table[j - 1];
            table[i] = NameScore{};
            table[i].setName(name);
            table[i].value = static_cast<std::int32_t>(coins);
            return true;
        }
    }
    return false;
}

} // namespace

bool enterTopScore(ScoreTable& table, const std::string& name, std::int32_t score) {
    for (int i = 1; i <= 10; ++i) {
        if (table[i].value < score) {
            for (int j = 10; j > i; --j)
                table[j] = table[j - 1];
            table[i] = NameScore{};
            table[i].setName(name);
            table[i].value = score;
            return true;
        }
    }
    return false;
}

void enterCoinTopScore(ScoreTable& table, const std::string& name, std::uint32_t coins) {
    if (int known = findName(table, name)) {
        if (coins <= static_cast<std::uint32_t>(table[known].value))
            return;
        table[known].value = static_cast<std::int32_t>(coins);
        // A raised entry moves up past every lower one, so the table stays best first.
        for (; known > 1 && static_cast<std::uint32_t>(table[known - 1].value) < coins; --known)
            std::swap(table[known], table[known - 1]);
        return;
    }
    if (coins > 0)
        insertAtFirstLower(table, name, coins);
}

bool admitToBillionaireClub(ScoreTable& club, const std::string& name, std::uint32_t coins) {
    if (coins < billionaire || findName(club, name))
        return false;
    return insertAtFirstLower(club, name, coins);
}

void checkClubAdmissionOfPlayer1(PreferencesRecord& record) {
    admitToBillionaireClub(record.billionaireClub, record.player1(), record.player1Coins);
}

} // namespace tumbledown
