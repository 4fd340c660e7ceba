// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TopScoreViews.h"

#include "platform/System.h"

namespace tumbledown {

namespace {

std::string heading(const std::string& title) {
    return title + "\n" + std::string(title.size(), '_') + "\n\n\n";
}

std::string entryLine(const NameScore& entry, bool asCoins) {
    const std::string value = asCoins ? std::to_string(static_cast<std::uint32_t>(entry.value))
                                      : std::to_string(entry.value);
    return value + "  \t" + entry.nameString() + "\n";
}

std::string pointsLines(const ScoreTable& table) {
    std::string lines;
    for (int i = 1; i <= 10; ++i)
        if (table[i].value > 0)
            lines += entryLine(table[i], false);
    return lines;
}

std::string coinLines(const ScoreTable& table) {
    std::string lines;
    for (int i = 1; i <= 10; ++i)
        if (table[i].value != 0)
            lines += entryLine(table[i], true);
    return lines;
}

} // namespace

std::string tenThouTopScoresText(const PreferencesRecord& record) {
    return heading("Top Scores for 10,000") + pointsLines(record.tenThouTopScores);
}

std::string shutTheBoxTopScoresText(const PreferencesRecord& record) {
    return heading("Top Scores for Shut The Box") + pointsLines(record.shutTheBoxTopScores);
}

std::string pokerDiceTopScoresText(const PreferencesRecord& record) {
    std::string text = heading("Top Scores for PokerDice") + coinLines(record.pokerDiceTopScores);
    text += "\n\nBillionaire Club\n________________\n\n";
    if (record.billionaireClub[1].value != 0)
        text += coinLines(record.billionaireClub);
    else
        text += "There are no billionaires yet.";
    return text;
}

void showTenThouTopScores(const PreferencesRecord& record) {
    messageBox("Top Scores", tenThouTopScoresText(record));
}

void showShutTheBoxTopScores(const PreferencesRecord& record) {
    messageBox("Top Scores", shutTheBoxTopScoresText(record));
}

void showPokerDiceTopScores(const PreferencesRecord& record) {
    messageBox("Top Scores", pokerDiceTopScoresText(record));
}

} // namespace tumbledown
