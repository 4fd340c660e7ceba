// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Preferences.h"

#include "platform/System.h"
#include "platform/Transcript.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace tumbledown {

void SetDefaults(PreferencesRecord& record, const NameAsker& askNames) {
    record = PreferencesRecord{};
    record.resetFlag = 0;
    askNames(record);
    record.musicOn = 1;
    record.setMusicFile("fugue.mid");
    record.soundOn = 1;
    record.currentTip = 1;
    record.shutTheBoxWelcome = 1;
    record.tenThouWelcome = 1;
    record.pokerDiceWelcome = 1;
    record.shutTheBoxVsComputer = 1;
    record.shutTheBoxDelay = 130;
    record.tenThouDelay = 100;
    record.pokerDiceDelay = 100;
    record.gremlinOn = 0;
    record.tenThouApprentice = 1;
    record.pokerDiceApprentice = 1;
    record.acesWild = 0;
    record.rollsPerTurn = 3;
    record.bet = 100;
    record.player1Coins = PreferencesRecord::startingCoins;
    record.player2Coins = PreferencesRecord::startingCoins;
    AdoptCoins(record, record.player1(), 1);
    AdoptCoins(record, record.player2(), 2);
}

void LoadPreferences(PreferencesRecord& record, const std::string& path,
                     const NameAsker& askNames) {
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) {
        SetDefaults(record, askNames);
        return;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in || std::filesystem::is_directory(path, ec)) {
        const std::string reason = std::strerror(errno ? errno : EACCES);
        messageBox("Preferences", "The preference file " + path + " cannot be read (" + reason +
                                      ").\nStarting with the default settings.");
        SetDefaults(record, askNames);
        return;
    }
    std::array<std::uint8_t, PreferencesRecord::fileSize> bytes{};
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (static_cast<std::size_t>(in.gcount()) < bytes.size()) {
        messageBox("", "Out-of-date preference file found - re-setting defaults");
        SetDefaults(record, askNames);
        return;
    }
    record = PreferencesRecord::fromBytes(bytes);
    if (record.resetFlag != 0)
        SetDefaults(record, askNames);
}

bool SavePreferences(const PreferencesRecord& record, const std::string& path) {
    const auto bytes = record.toBytes();
    const std::string temporary = path + ".tmp";
    std::string failure;
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (out) {
            out.write(reinterpret_cast<const char*>(bytes.data()),
                      static_cast<std::streamsize>(bytes.size()));
            out.flush();
        }
        if (!out)
            failure = std::strerror(errno ? errno : EIO);
    }
    if (failure.empty()) {
        std::error_code ec;
        std::filesystem::rename(temporary, path, ec);
        if (ec)
            failure = ec.message();
    }
    if (!failure.empty()) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        transcript().write({"save", path, "fail"});
        messageBox("Warning",
                   "Could not save names, options and scores to\n" + path + "\n(" + failure + ").");
        return false;
    }
    transcript().write({"save", path, "ok"});
    return true;
}

void AdoptCoins(PreferencesRecord& record, const std::string& name, int player) {
    ScoreTable& tally = record.coinTally;
    for (int i = 1; i <= 10; ++i) {
        if (tally[i].nameString() == name) {
            const std::string known = tally[i].nameString();
            const auto coins = static_cast<std::uint32_t>(tally[i].value);
            if (player == 1) {
                record.setPlayer1(known);
                record.player1Coins = coins;
            } else {
                record.setPlayer2(known);
                record.player2Coins = coins;
            }
            return;
        }
    }
    for (int i = 10; i >= 2; --i)
        tally[i] = tally[i - 1];
    tally[1] = NameScore{};
    tally[1].setName(name);
    tally[1].value = static_cast<std::int32_t>(PreferencesRecord::startingCoins);
}

void StoreCoins(PreferencesRecord& record, const std::string& name, int player) {
    for (int i = 1; i <= 10; ++i) {
        if (record.coinTally[i].nameString() == name) {
            record.coinTally[i].value =
                static_cast<std::int32_t>(player == 1 ? record.player1Coins : record.player2Coins);
            return;
        }
    }
}

void clearTopScores(ScoreTable& table) {
    for (int i = 1; i <= 10; ++i)
        table[i] = NameScore{};
}

int nextTipNumber(int current, int count) {
    const long long next = static_cast<long long>(current) + 1;
    return (next < 1 || next > count) ? 1 : static_cast<int>(next);
}

} // namespace tumbledown
