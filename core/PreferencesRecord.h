// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace tumbledown {

// One entry of a top-ten table: entries 1..10 are used, 0 is only ever empty.
// An entry whose value is 0 is empty.
struct NameScore {
    std::array<char, 9> name{};
    std::int32_t value = 0;

    std::string nameString() const;
    void setName(const std::string& text); // cut to 8 characters, NUL-terminated
};

using ScoreTable = std::array<NameScore, 11>;

// Everything remembered between runs. Kept as ordinary fields; the file form
// (tumbledown.prf, 1036 bytes little-endian) is produced and read field by field.
struct PreferencesRecord {
    std::uint8_t resetFlag = 0;
    std::array<char, 9> player1Name{};
    std::array<char, 9> player2Name{};
    std::uint8_t musicOn = 0;
    std::array<char, 256> musicFile{};
    std::uint8_t soundOn = 0;
    std::int32_t currentTip = 0;

    std::uint8_t shutTheBoxWelcome = 0;
    std::uint8_t shutTheBoxVsComputer = 0;
    std::int32_t shutTheBoxDelay = 0;
    std::uint8_t gremlinOn = 0;
    ScoreTable shutTheBoxTopScores{};

    std::uint8_t tenThouWelcome = 0;
    std::uint8_t tenThouApprentice = 0;
    std::uint8_t tenThouMage = 0;
    std::uint8_t tenThouWizard = 0;
    std::int32_t tenThouDelay = 0;
    ScoreTable tenThouTopScores{};

    std::uint8_t pokerDiceWelcome = 0;
    std::uint8_t pokerDiceApprentice = 0;
    std::uint8_t pokerDiceMage = 0;
    std::uint8_t pokerDiceWizard = 0;
    ScoreTable coinTally{};
    ScoreTable billionaireClub{};
    std::uint8_t acesWild = 0;
    std::int32_t pokerDiceDelay = 0;
    std::int32_t rollsPerTurn = 0;
    std::int32_t bet = 0;
    std::uint32_t player1Coins = 0;
    std::uint32_t player2Coins = 0;
    ScoreTable pokerDiceTopScores{};

    static constexpr std::size_t fileSize = 1036;
    static constexpr std::int32_t maxDelay = 200;
    static constexpr std::int32_t delayStep = 10;
    static constexpr std::uint32_t startingCoins = 5000;

    std::string player1() const;
    std::string player2() const;
    void setPlayer1(const std::string& name);
    void setPlayer2(const std::string& name);
    std::string musicFileName() const;
    void setMusicFile(const std::string& path);

    std::array<std::uint8_t, fileSize> toBytes() const;
    // Reads the first fileSize bytes. Values a damaged file could make harmful
    // (unterminated text, delays that would hang the program, impossible option
    // combinations) are brought back into range.
    static PreferencesRecord fromBytes(const std::array<std::uint8_t, fileSize>& bytes);
    void sanitize();
};

// Field offsets in the file.
namespace prf {
inline constexpr std::size_t resetFlag = 0;
inline constexpr std::size_t player1Name = 1;
inline constexpr std::size_t player2Name = 10;
inline constexpr std::size_t musicOn = 19;
inline constexpr std::size_t musicFile = 20;
inline constexpr std::size_t soundOn = 276;
inline constexpr std::size_t currentTip = 277;
inline constexpr std::size_t shutTheBoxWelcome = 281;
inline constexpr std::size_t shutTheBoxVsComputer = 282;
inline constexpr std::size_t shutTheBoxDelay = 283;
inline constexpr std::size_t gremlinOn = 287;
inline constexpr std::size_t shutTheBoxTopScores = 288;
inline constexpr std::size_t tenThouWelcome = 431;
inline constexpr std::size_t tenThouApprentice = 432;
inline constexpr std::size_t tenThouMage = 433;
inline constexpr std::size_t tenThouWizard = 434;
inline constexpr std::size_t tenThouDelay = 435;
inline constexpr std::size_t tenThouTopScores = 439;
inline constexpr std::size_t pokerDiceWelcome = 582;
inline constexpr std::size_t pokerDiceApprentice = 583;
inline constexpr std::size_t pokerDiceMage = 584;
inline constexpr std::size_t pokerDiceWizard = 585;
inline constexpr std::size_t coinTally = 586;
inline constexpr std::size_t billionaireClub = 729;
inline constexpr std::size_t acesWild = 872;
inline constexpr std::size_t pokerDiceDelay = 873;
inline constexpr std::size_t rollsPerTurn = 877;
inline constexpr std::size_t bet = 881;
inline constexpr std::size_t player1Coins = 885;
inline constexpr std::size_t player2Coins = 889;
inline constexpr std::size_t pokerDiceTopScores = 893;

inline constexpr std::size_t nameScoreSize = 13;
inline constexpr std::size_t tableSize = 11 * nameScoreSize;

// Each field ends where the next begins: a wrong size or offset fails to build.
static_assert(player2Name == player1Name + 9 && musicOn == player2Name + 9);
static_assert(musicFile == musicOn + 1 && soundOn == musicFile + 256);
static_assert(currentTip == soundOn + 1 && shutTheBoxWelcome == currentTip + 4);
static_assert(shutTheBoxDelay == shutTheBoxVsComputer + 1 && gremlinOn == shutTheBoxDelay + 4);
static_assert(tenThouWelcome == shutTheBoxTopScores + tableSize);
static_assert(tenThouTopScores == tenThouDelay + 4 &&
              pokerDiceWelcome == tenThouTopScores + tableSize);
static_assert(billionaireClub == coinTally + tableSize && acesWild == billionaireClub + tableSize);
static_assert(rollsPerTurn == pokerDiceDelay + 4 && bet == rollsPerTurn + 4);
static_assert(player2Coins == player1Coins + 4 && pokerDiceTopScores == player2Coins + 4);
static_assert(pokerDiceTopScores + tableSize == PreferencesRecord::fileSize);
} // namespace prf

// Copies text into a fixed character array, cut to fit and NUL-terminated.
template <std::size_t N> void copyText(std::array<char, N>& target, const std::string& text) {
    target.fill('\0');
    for (std::size_t i = 0; i < text.size() && i + 1 < N; ++i)
        target[i] = text[i];
}

template <std::size_t N> std::string textOf(const std::array<char, N>& source) {
    std::size_t length = 0;
    while (length < N && source[length] != '\0')
        ++length;
    return std::string(source.data(), length);
}

} // namespace tumbledown
